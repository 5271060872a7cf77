#include "skin/frame/SUITitleBarLayout.h"

#include "platform/core/Utf8.h"
#include "skin/core/SUIPublic.h"

namespace {

constexpr std::size_t kKeptCaptionChars = 2;

struct TSectionCursor {
    int Left = 0;   // first free x from the left
    int Right = 0;  // end of the free space on the right
};

std::vector<TRect> LayoutSections(TSize bar, std::span<const TTitleSectionPiece> sections)
{
    std::vector<TRect> boxes(sections.size());
    TSectionCursor free{0, bar.cx};
    int client = -1;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const TTitleSectionPiece& section = sections[i];
        switch (section.Align) {
        case suiLeft:
            boxes[i] = TRect::FromSize(free.Left, 0, section.Width, bar.cy);
            free.Left += section.Width;
            break;
        case suiRight:
            if (bar.cx - free.Left + 1 < section.Width) break;
            boxes[i] = {free.Right - section.Width, 0, free.Right, bar.cy};
            free.Right -= section.Width;
            break;
        case suiClient:
            client = int(i);
            break;
        }
    }
    if (client >= 0) boxes[std::size_t(client)] = {free.Left, 0, free.Right, bar.cy};
    return boxes;
}

}  // namespace

int TTitleBarLayout::ButtonAt(TPoint p) const
{
    int hot = -1;
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        if (int(i) == ControlBox || Buttons[i].IsEmpty()) continue;
        if (InRect(p, Buttons[i])) hot = int(i);
    }
    if (ControlBox >= 0 && InRect(p, Buttons[std::size_t(ControlBox)])) hot = ControlBox;
    return hot;
}

TTitleBarLayout LayoutTitleBar(TSize bar, std::span<const TTitleSectionPiece> sections,
                               std::span<const TTitleButtonPiece> buttons, const TTitleBarOptions& options)
{
    TTitleBarLayout layout;
    layout.Sections = LayoutSections(bar, sections);
    layout.Buttons.resize(buttons.size());

    int x = bar.cx + options.RightBtnXOffset + 1;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const TTitleButtonPiece& button = buttons[i];
        if (!button.Visible) continue;
        if (button.Type == suiControlBox) {
            layout.ControlBox = int(i);
            continue;
        }
        x -= button.Size.cx + options.ButtonInterval + 1;
        layout.Buttons[i] = TRect::FromSize(x, button.Top, button.Size.cx, button.Size.cy);
    }
    layout.CaptionRight = x;

    int captionLeft = options.LeftBtnXOffset;
    if (layout.ControlBox >= 0) {
        const TTitleButtonPiece& box = buttons[std::size_t(layout.ControlBox)];
        layout.Buttons[std::size_t(layout.ControlBox)] = TRect::FromSize(captionLeft, box.Top, box.Size.cx, box.Size.cy);
        if (options.DrawAppIcon) {
            layout.AppIcon = {captionLeft + kAppIconIndent, box.Top};
            captionLeft += kAppIconCaptionStart;
        } else {
            captionLeft += box.Size.cx + kControlBoxCaptionGap;
        }
    }
    layout.CaptionLeft = captionLeft == 0 ? kBareCaptionStart : captionLeft;
    return layout;
}

std::string FittedCaption(const std::string& caption, int captionWidth, int room)
{
    if (caption.empty() || captionWidth <= room) return caption;
    return Utf8::Truncate(caption, kKeptCaptionChars) + "...";
}
