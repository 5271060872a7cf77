#pragma once
// TSizeConstraints: the smallest and largest size a control may take. Zero
// means no limit. A control applies them in SetBounds; a form also hands
// them to the window system as its track sizes (WM_GETMINMAXINFO).

#include "platform/core/Rtti.h"

class TControl;

class TSizeConstraints : public TPersistent {
    QZ_DECLARE_CLASS(TSizeConstraints, TPersistent)

public:
    explicit TSizeConstraints(TControl* control) : m_control(control) {}

    [[nodiscard]] int MinWidth() const { return m_minWidth; }
    [[nodiscard]] int MinHeight() const { return m_minHeight; }
    [[nodiscard]] int MaxWidth() const { return m_maxWidth; }
    [[nodiscard]] int MaxHeight() const { return m_maxHeight; }
    // Negative values count as 0. A maximum below the minimum raises the
    // maximum to it (and the other way round), as classically.
    void SetMinWidth(int value);
    void SetMinHeight(int value);
    void SetMaxWidth(int value);
    void SetMaxHeight(int value);

    // size held between minimum and maximum; a limit of 0 or less is none.
    [[nodiscard]] static int Constrain(int size, int minimum, int maximum);
    // The size with the limits applied.
    [[nodiscard]] int ConstrainWidth(int width) const;
    [[nodiscard]] int ConstrainHeight(int height) const;

    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    TControl* m_control = nullptr;
    int m_minWidth = 0;   // pixels
    int m_minHeight = 0;  // pixels
    int m_maxWidth = 0;   // pixels
    int m_maxHeight = 0;  // pixels
};
