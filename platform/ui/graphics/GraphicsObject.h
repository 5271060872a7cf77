#pragma once
// TGraphicsObject: the shared base of TFont, TPen and TBrush. Each holds a
// few attributes and the drawing-object handle made from them; a change of
// any attribute drops the handle (it is made again on next use) and fires
// OnChange once.

#include "platform/core/Rtti.h"

class TGraphicsObject : public TPersistent {
    QZ_DECLARE_CLASS(TGraphicsObject, TPersistent)
public:
    TNotifyEvent OnChange;

protected:
    // Fires OnChange. Subclasses drop their handle first.
    virtual void Changed();
};
