#pragma once
// TBevel: a sunken or raised box, frame or line in the classic light-grey
// look, drawn with two one-pixel colours: for bsLowered the shadow above
// and to the left and the highlight below and to the right, for bsRaised
// the other way round. bsSpacer draws nothing. The bevel is transparent:
// the parent shows around its lines.

#include "platform/core/Color.h"
#include "platform/ui/base/GraphicControl.h"

#include <vector>

QZ_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
QZ_ENUM(TBevelStyle, bsLowered, bsRaised)

// One line of a bevel: from From up to, but not including, To.
struct TBevelLine {
    TPoint From;
    TPoint To;
    TColor Color = clNone;
};

// The lines of a bevel of the given size, in drawing order (later lines
// cover earlier ones where they meet).
[[nodiscard]] std::vector<TBevelLine> BevelLines(TBevelShape shape, TBevelStyle style, TSize size);

class TBevel : public TGraphicControl {
    QZ_DECLARE_CLASS(TBevel, TGraphicControl)

public:
    static constexpr int kDefaultSize = 50;  // pixels, width and height

    explicit TBevel(TComponent* owner);

    [[nodiscard]] TBevelShape Shape() const { return m_shape; }
    void SetShape(TBevelShape shape);
    [[nodiscard]] TBevelStyle Style() const { return m_style; }
    void SetStyle(TBevelStyle style);

protected:
    void Paint() override;

private:
    TBevelShape m_shape = bsBox;
    TBevelStyle m_style = bsLowered;
};
