// The frame section: skinned title bars as a skinned form shows them. The
// main window's bar (control box, close, minimise), a bar with every kind
// of button, the application icon and an inactive caption too long for it
// (cut to its first two characters), and a bar too narrow for its right
// piece. Their buttons act on the gallery's own window.

#include "skin/frame/SUITitleBar.h"
#include "skin/frame/SUITitleBarButtons.h"
#include "tools/gallery/GallerySection.h"

#include <string>

namespace {

constexpr int kBarWidth = 278;     // pixels, the main window's
constexpr int kNarrowWidth = 150;  // pixels: the right piece does not fit
constexpr int kBarGap = 8;         // pixels between bars
constexpr int kRowHeight = 33 + kBarGap;  // pixels, room for the tallest built-in bar

TsuiTitleBar* AddBar(TWinControl* parent, const std::string& name, const std::string& caption, TRect bounds)
{
    auto* bar = new TsuiTitleBar(GalleryOwner(parent));
    bar->SetName(name);
    bar->SetAlign(alNone);
    bar->SetParent(parent);
    bar->SetBoundsRect(bounds);
    bar->SetCaption(caption);
    return bar;
}

void RemoveMaximise(TsuiTitleBar* bar)
{
    TsuiTitleBarButtons* buttons = bar->Buttons();
    for (int i = buttons->Count() - 1; i >= 0; --i) {
        if (buttons->Items(i)->ButtonType() == suiMax) buttons->Delete(i);
    }
}

}  // namespace

void BuildFrameSection(TWinControl* parent)
{
    TsuiTitleBar* main = AddBar(parent, "stbMain", "QZ Trellin [Vostra专版]", {0, 0, kBarWidth, kRowHeight});
    RemoveMaximise(main);

    TsuiTitleBar* full =
        AddBar(parent, "stbFull", "可执行文件捆绑检测——皮肤化的窗口框架", {0, kRowHeight, kBarWidth, 2 * kRowHeight});
    full->Buttons()->Add()->SetButtonType(suiHelp);
    full->SetDrawAppIcon(true);
    full->SetActive(false);

    AddBar(parent, "stbNarrow", "窄", {0, 2 * kRowHeight, kNarrowWidth, 3 * kRowHeight});
}
