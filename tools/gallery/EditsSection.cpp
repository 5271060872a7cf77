// The edits section: an edit, a read-only edit, a masked edit and a long
// memo coupled to a vertical and a horizontal skinned scroll bar.

#include "platform/core/StringList.h"
#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIMaskEdit.h"
#include "skin/controls/SUIMemo.h"
#include "skin/controls/SUIScrollBar.h"
#include "tools/gallery/GallerySection.h"

#include <string>

namespace {

constexpr int kMemoLines = 60;

template <class T>
T* AddEdit(TWinControl* parent, const std::string& name, TRect bounds)
{
    auto* edit = new T(GalleryOwner(parent));
    edit->SetName(name);
    edit->SetParent(parent);
    edit->SetBoundsRect(bounds);
    return edit;
}

TsuiScrollBar* AddMemoBar(TWinControl* parent, const std::string& name)
{
    auto* bar = new TsuiScrollBar(GalleryOwner(parent));
    bar->SetName(name);
    bar->SetParent(parent);
    return bar;
}

}  // namespace

void BuildEditsSection(TWinControl* parent)
{
    AddEdit<TsuiEdit>(parent, "sedtPath", {0, 0, 160, 21})->SetText("C:\\程序\\setup.exe");
    TsuiEdit* readOnly = AddEdit<TsuiEdit>(parent, "sedtReadOnly", {0, 28, 160, 49});
    readOnly->SetText("只读");
    readOnly->SetReadOnly(true);
    AddEdit<TsuiMaskEdit>(parent, "smskPhone", {0, 56, 160, 77})->SetEditMask("000-0000;1;_");

    TsuiMemo* memo = AddEdit<TsuiMemo>(parent, "smemLong", {170, 0, 400, 130});
    memo->SetWordWrap(false);
    std::string text;
    for (int i = 1; i <= kMemoLines; ++i) {
        text += "第 " + std::to_string(i) + " 行：文件头检查报告的一行，长得超出备注框的宽度。\r\n";
    }
    memo->SetText(text);
    memo->SetVScrollBar(AddMemoBar(parent, "ssbMemoV"));
    memo->SetHScrollBar(AddMemoBar(parent, "ssbMemoH"));
}
