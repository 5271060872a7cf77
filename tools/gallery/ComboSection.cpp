// The combo box section: the main window's look selector (a list-style box
// of 65 x 21 with an item chosen; choosing BLUE, MACOS or WINXP restyles the
// box itself, as the main window restyles itself), an editable box, a
// disabled one, and the drive combo box. A click on any of them opens its
// skinned list. The drive
// combo box lists this machine's places; it starts with none chosen so that
// the page looks the same everywhere.

#include "platform/ui/controls/Label.h"
#include "platform/core/Strings.h"
#include "skin/controls/SUIComboBox.h"
#include "skin/controls/SUIDriveComboBox.h"
#include "tools/gallery/GallerySection.h"

#include <iterator>
#include <string>

namespace {

template <class T>
T* AddCombo(TWinControl* parent, const std::string& name, TRect bounds)
{
    auto* combo = new T(GalleryOwner(parent));
    combo->SetName(name);
    combo->SetParent(parent);
    combo->SetBoundsRect(bounds);
    return combo;
}

TsuiComboBox* AddLookSelector(TWinControl* parent, const std::string& name, TRect bounds, int itemIndex)
{
    auto* combo = AddCombo<TsuiComboBox>(parent, name, bounds);
    combo->SetStyle(csDropDownList);
    combo->SetItemHeight(13);
    for (const char* item : {"BLUE", "MACOS", "WINXP"}) combo->Items()->Add(item);
    combo->SetItemIndex(itemIndex);
    return combo;
}

}  // namespace

void BuildComboSection(TWinControl* parent)
{
    TsuiComboBox* look = AddLookSelector(parent, "sCbLook", {0, 0, 65, 21}, 0);
    look->OnChange = [look](TObject*) {
        constexpr TsuiUIStyle kLooks[] = {DeepBlue, MacOS, WinXP};
        const int index = look->ItemIndex();
        if (index >= 0 && index < int(std::size(kLooks))) look->SetUIStyle(kLooks[index]);
    };
    auto* editable = AddCombo<TsuiComboBox>(parent, "sCbEdit", {75, 0, 175, 21});
    for (const char* item : {"文件头", "输入表", "资源"}) editable->Items()->Add(item);
    editable->SetText("可编辑");
    AddLookSelector(parent, "sCbDisabled", {185, 0, 250, 21}, 2)->SetEnabled(false);

    auto* label = new TLabel(GalleryOwner(parent));
    label->SetParent(parent);
    label->SetBounds(0, 34, 40, 13);
    label->SetCaption("位置：");
    auto* drive = AddCombo<TsuiDriveComboBox>(parent, "sDrive", {40, 30, 250, 52});
    drive->SetItemIndex(-1);
}
