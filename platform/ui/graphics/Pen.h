#pragma once
// TPen: how a canvas draws lines and outlines. Color, Width and Style make
// the HPEN; Mode is the mix mode (SetROP2) the canvas applies with it.

#include "platform/core/Color.h"
#include "platform/gfx/PenBrush.h"
#include "platform/gfx/RasterOp.h"
#include "platform/ui/graphics/GraphicsObject.h"
#include "platform/win/WinTypes.h"

// TPenStyle and TPenMode come from platform/gfx; these name their values
// for published properties ("Pen.Style = psDot").
[[nodiscard]] const TEnumInfo& EnumInfoOf(TPenStyle);
[[nodiscard]] const TEnumInfo& EnumInfoOf(TPenMode);

class TPen : public TGraphicsObject {
    QZ_DECLARE_CLASS(TPen, TGraphicsObject)
public:
    TPen() = default;
    ~TPen() override;

    [[nodiscard]] TColor Color() const { return m_color; }
    void SetColor(TColor color);
    [[nodiscard]] int Width() const { return m_width; }
    void SetWidth(int width);  // values below 1 are taken as 1
    [[nodiscard]] TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle style);
    [[nodiscard]] TPenMode Mode() const { return m_mode; }
    void SetMode(TPenMode mode);

    // Made on first use; owned by the pen. Invalid after the next change.
    [[nodiscard]] HPEN Handle() const;

    void Assign(const TPersistent& source) override;

protected:
    void Changed() override;

private:
    void ReleaseHandle() const;

    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = psSolid;
    TPenMode m_mode = pmCopy;
    mutable HPEN m_handle = nullptr;
};
