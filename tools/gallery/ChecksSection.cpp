// The check box and radio button section: both check states enabled and
// disabled, and a group of radio buttons.

#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIRadioButton.h"
#include "tools/gallery/GallerySection.h"

#include <string>

namespace {

template <class T>
T* AddCheck(TWinControl* parent, const std::string& name, const std::string& caption, TPoint at)
{
    auto* box = new T(GalleryOwner(parent));
    box->SetName(name);
    box->SetParent(parent);
    box->SetLeft(at.X);
    box->SetTop(at.Y);
    box->SetCaption(caption);
    return box;
}

}  // namespace

void BuildChecksSection(TWinControl* parent)
{
    AddCheck<TsuiCheckBox>(parent, "schkOn", "文件头(&F)", {0, 0})->SetChecked(true);
    AddCheck<TsuiCheckBox>(parent, "schkOff", "输入表(&I)", {0, 24});
    TsuiCheckBox* disabledOn = AddCheck<TsuiCheckBox>(parent, "schkDisabledOn", "不可用", {0, 48});
    disabledOn->SetChecked(true);
    disabledOn->SetEnabled(false);
    AddCheck<TsuiCheckBox>(parent, "schkDisabledOff", "不可用", {0, 72})->SetEnabled(false);

    AddCheck<TsuiRadioButton>(parent, "srbBlue", "蓝色(&B)", {120, 0})->SetChecked(true);
    AddCheck<TsuiRadioButton>(parent, "srbMac", "MacOS", {120, 24});
    AddCheck<TsuiRadioButton>(parent, "srbXP", "WinXP", {120, 48});
    TsuiRadioButton* disabled = AddCheck<TsuiRadioButton>(parent, "srbDisabled", "不可用", {120, 72});
    disabled->SetGroupIndex(1);
    disabled->SetChecked(true);
    disabled->SetEnabled(false);
}
