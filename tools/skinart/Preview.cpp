#include "tools/skinart/Preview.h"

#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/TextRenderer.h"
#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Catalog.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/MiscArt.h"
#include "tools/skinart/PictureOps.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kWidth = 280;      // pixels, the main window's width
constexpr int kHeight = 206;     // pixels
constexpr int kMargin = 12;      // pixels from the form's left edge to the controls
constexpr int kGap = 8;          // pixels between controls
constexpr int kColumn = 72;      // pixels per button or check box column
constexpr int kLine = 20;        // pixels from one check box row to the next
constexpr int kBarLength = 170;  // pixels, horizontal scroll, progress and track bars
constexpr int kTextHeight = 13;  // pixels, the cell of the -11 pixel font
constexpr TSize kTileSize{8, 8};
constexpr TColor kOutside = RGB(170, 172, 176);  // what shows outside a rounded window

class PreviewPainter {
public:
    explicit PreviewPainter(const Look& look) : m_look(look), m_window(kWidth, kHeight, PixelFromRGB(look.Background))
    {
    }

    PixelBuffer Paint()
    {
        PaintBackground();
        int y = PaintTitleBar() + kGap;
        y = PaintButtons(y);
        const int checks = y + kGap;
        y = PaintChecks(checks);
        PaintVerticalScrollBar(checks);
        y = PaintScrollBar(y + kGap);
        y = PaintProgress(y + kGap);
        PaintTrackBar(y + kGap);
        PaintBorder();
        ClipCorners();
        return std::move(m_window);
    }

private:
    [[nodiscard]] PixelBuffer Element(std::string_view key) const
    {
        const BitmapElement& element = BitmapElementByKey(key);
        return element.Paint(m_look, element.Sizes[std::size_t(m_look.SizeColumn)]);
    }

    [[nodiscard]] static TColor KeyOf(const PixelBuffer& picture)
    {
        return ColorFromPixel(picture.At(0, picture.Height() - 1));
    }

    enum class TextWeight { Regular, Bold };

    void Text(std::string_view text, TPoint at, TColor color, TextWeight weight = TextWeight::Regular)
    {
        const FontDesc desc{.Name = "Tahoma", .Height = -11, .Bold = weight == TextWeight::Bold};
        const auto font = FontLibrary::Default().GetFont(desc);
        TextOut(m_window, at, text, *font, TextPaint{color, std::nullopt}, m_window.Bounds());
    }

    void PaintBackground()
    {
        if (m_look.Tile == BackgroundTile::Plain) return;
        const PixelBuffer tile = DrawFormBackground(m_look, kTileSize);
        for (int y = 0; y < kHeight; y += tile.Height()) {
            for (int x = 0; x < kWidth; x += tile.Width()) Put(m_window, tile, {x, y});
        }
    }

    // The title bar as the skin lays it out; returns its height.
    int PaintTitleBar()
    {
        const PixelBuffer left = Element("TitleBarLeftImage");
        const PixelBuffer client = Element("TitleBarClientImage");
        const PixelBuffer right = Element("TitleBarRightImage");
        const PixelBuffer buttons = Element("TitleBarButtonImage");
        // The skinned form, and so its title bar, sits inside the left and right border strips.
        const int b = m_look.BorderWidth;
        const int h = left.Height();
        const int w = kWidth - 2 * b;
        Put(m_window, left, {b, 0});
        int end = w;
        if (w - left.Width() + 1 >= right.Width()) {
            end -= right.Width();
            Put(m_window, right, {b + end, 0});
        }
        PutStretched(m_window, client, client.Bounds(), {b + left.Width(), 0, b + end, h});

        const TitleLook& title = m_look.Title;
        const auto keyed = [&](const PixelBuffer& frame) {
            return title.ButtonKeying == Keying::Keyed ? std::optional<TColor>(KeyOf(frame)) : std::nullopt;
        };
        // Close, maximise (pointer over it) and minimise from the right edge.
        int x = b + w + title.RightOffset + 1;
        for (const int frameIndex : {16, 8, 13}) {
            const PixelBuffer frame = FrameOf(buttons, 18, frameIndex);
            x -= frame.Width() + 1;
            Put(m_window, frame, {x, title.ButtonTop}, keyed(frame));
        }
        const PixelBuffer box = FrameOf(buttons, 18, 1);
        Put(m_window, box, {b + title.LeftOffset, title.ButtonTop}, keyed(box));

        const TColor caption = m_look.Name == "MacOS" ? clBlack : clWhite;
        const TPoint at{b + title.LeftOffset + box.Width() + 5, title.ButtonTop + (box.Height() - kTextHeight) / 2};
        Text("文件捆绑检测", at, caption, TextWeight::Bold);
        return h;
    }

    int PaintButtons(int y)
    {
        const PixelBuffer strip = Element("ButtonImage");
        const char* captions[] = {"分析", "指向", "按下"};
        constexpr int kButtonWidth = kColumn;
        constexpr int kButtonHeight = 25;
        constexpr int kCaptionWidth = 24;  // pixels, two Chinese characters
        for (int i = 0; i < 3; ++i) {
            const int x = kMargin + i * (kButtonWidth + kGap);
            PutNinePiece(m_window, FrameOf(strip, 3, i + 1), {x, y, x + kButtonWidth, y + kButtonHeight});
            Text(captions[i], {x + (kButtonWidth - kCaptionWidth) / 2, y + (kButtonHeight - kTextHeight) / 2}, clBlack);
        }
        return y + kButtonHeight;
    }

    int PaintChecks(int y)
    {
        const PixelBuffer checks = Element("CheckBoxImage");
        const PixelBuffer radios = Element("RadioButtonImage");
        const char* captions[] = {"选中", "未选", "禁用"};
        for (int i = 0; i < 3; ++i) {
            const int x = kMargin + i * kColumn;
            const PixelBuffer check = FrameOf(checks, 4, i + 1);
            Put(m_window, check, {x, y});
            Text(captions[i], {x + check.Width() + 4, y + (check.Height() - kTextHeight) / 2}, clBlack);
            const PixelBuffer radio = FrameOf(radios, 4, i + 1);
            Put(m_window, radio, {x, y + kLine}, KeyOf(radio));
            Text(captions[i], {x + radio.Width() + 4, y + kLine + (radio.Height() - kTextHeight) / 2}, clBlack);
        }
        return y + 2 * kLine;
    }

    int PaintScrollBar(int y)
    {
        const PixelBuffer arrows = Element("ScrollBarButtonImage");
        const PixelBuffer slider = Element("ScrollBarSliderImage");
        const PixelBuffer dec = TurnLeft(FrameOf(arrows, 6, 1));
        const PixelBuffer inc = TurnLeft(FrameOf(arrows, 6, 5));
        constexpr int kSliderAt = 30;      // pixels after the decrement button
        constexpr int kSliderLength = 50;  // pixels
        const int h = dec.Height();
        const int end = kMargin + kBarLength;
        Put(m_window, dec, {kMargin, y});
        m_window.Fill({kMargin + dec.Width(), y, end - inc.Width(), y + h}, PixelFromRGB(m_look.Track));
        Put(m_window, inc, {end - inc.Width(), y});
        const int x = kMargin + dec.Width() + kSliderAt;
        PutThreePiece(m_window, slider, {x, y, x + kSliderLength, y + slider.Height()});
        return y + h;
    }

    void PaintVerticalScrollBar(int y)
    {
        const PixelBuffer arrows = Element("ScrollBarButtonImage");
        const PixelBuffer slider = Element("ScrollBarSliderImage");
        const PixelBuffer up = FrameOf(arrows, 6, 1);
        const PixelBuffer down = FrameOf(arrows, 6, 6);
        constexpr int kLength = 110;  // pixels
        const int x = kWidth - m_look.BorderWidth - kGap - up.Width();
        m_window.Fill({x, y, x + up.Width(), y + kLength}, PixelFromRGB(m_look.Track));
        Put(m_window, up, {x, y});
        Put(m_window, down, {x, y + kLength - down.Height()});
        const int piece = slider.Width() / 3;
        const PixelBuffer top = TurnRight(FrameOf(slider, 3, 1));
        const PixelBuffer middle = TurnRight(FrameOf(slider, 3, 2));
        const PixelBuffer bottom = TurnRight(FrameOf(slider, 3, 3));
        constexpr int kSliderAt = 12;      // pixels below the up button
        constexpr int kSliderLength = 36;  // pixels
        const int ty = y + up.Height() + kSliderAt;
        Put(m_window, top, {x, ty});
        const TRect stretch{x, ty + piece, x + middle.Width(), ty + kSliderLength - piece};
        PutStretched(m_window, middle, middle.Bounds(), stretch);
        Put(m_window, bottom, {x, ty + kSliderLength - piece});
    }

    int PaintProgress(int y)
    {
        constexpr int kFilledPercent = 60;
        const PixelBuffer fill = Element("ProgressBarImage");
        const int h = fill.Height() + 2;
        const TRect bar{kMargin, y, kMargin + kBarLength, y + h};
        m_window.Fill(bar, PixelFromRGB(m_look.ControlBorder));
        m_window.Fill(bar.Inflated(-1, -1), PixelFromRGB(m_look.Background));
        const int filled = bar.Left + kBarLength * kFilledPercent / 100;
        PutStretched(m_window, fill, fill.Bounds(), {bar.Left + 1, y + 1, filled, y + h - 1});
        return y + h;
    }

    // A track bar from 0 to 10 at 4, its ticks below it.
    void PaintTrackBar(int y)
    {
        constexpr int kMax = 10;
        constexpr int kPosition = 4;
        constexpr int kTick = 3;  // pixels
        const PixelBuffer groove = Element("TrackBarBarImage");
        const PixelBuffer slider = Element("TrackBarSliderImage");
        const int h = std::max(groove.Height(), slider.Height());
        const int travel = kBarLength - slider.Width();
        PutThreePiece(m_window, groove, {kMargin, y + (h - groove.Height()) / 2, kMargin + kBarLength, y + h});
        for (int v = 0; v <= kMax; ++v) {
            const int x = kMargin + travel * v / kMax + slider.Width() / 2;
            m_window.Fill({x, y + h, x + 1, y + h + kTick}, PixelFromRGB(clBlack));
        }
        Put(m_window, slider, {kMargin + travel * kPosition / kMax, y}, KeyOf(slider));
    }

    void PaintBorder()
    {
        const TPixel border = PixelFromRGB(m_look.Border);
        const int b = m_look.BorderWidth;
        m_window.Fill({0, 0, b, kHeight}, border);
        m_window.Fill({kWidth - b, 0, kWidth, kHeight}, border);
        m_window.Fill({0, kHeight - b, kWidth, kHeight}, border);
    }

    // The window region of rounded top corners and, except in WinXP, their outline.
    void ClipCorners()
    {
        const int r = m_look.Title.RoundCorner;
        if (r == 0) return;
        Painter painter(m_window);
        if (m_look.Name != "WinXP") {
            painter.SetPen(Pen{m_look.Border});
            painter.SetBrush(Brush{clWhite, bsClear});
            painter.RoundRect(-1, 0, kWidth + 1, kHeight + 50, r + 1, r);
        }
        const Region shape = Region::CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, r, r);
        const Region outside = Region(m_window.Bounds()).Subtracted(shape).Intersected(Region(TRect{0, 0, kWidth, r}));
        painter.FillRgn(outside, Brush{kOutside});
    }

    const Look& m_look;
    PixelBuffer m_window;
};

}  // namespace

PixelBuffer DrawPreview(const Look& look)
{
    return PreviewPainter(look).Paint();
}
