// The table of sections: one line per section, in page order, with its
// builder's declaration beside it.

#include "tools/gallery/GallerySection.h"

#include "platform/core/SysUtils.h"

#include <array>

void BuildButtonsSection(TWinControl* parent);
void BuildChecksSection(TWinControl* parent);
void BuildFrameSection(TWinControl* parent);
void BuildComboSection(TWinControl* parent);
void BuildPanelsSection(TWinControl* parent);
void BuildScrollSection(TWinControl* parent);
void BuildEditsSection(TWinControl* parent);

namespace {

constexpr std::array kSections{
    TGallerySection{"buttons", "按钮", BuildButtonsSection},
    TGallerySection{"checks", "复选框和单选按钮", BuildChecksSection},
    TGallerySection{"frame", "标题栏", BuildFrameSection},
    TGallerySection{"combo", "组合框", BuildComboSection},
    TGallerySection{"panels", "面板", BuildPanelsSection},
    TGallerySection{"scroll", "滚动条", BuildScrollSection},
    TGallerySection{"edits", "编辑框和备注框", BuildEditsSection},
};

}  // namespace

std::span<const TGallerySection> GallerySections()
{
    return kSections;
}

const TGallerySection* FindGallerySection(std::string_view name)
{
    for (const TGallerySection& section : kSections) {
        if (SameText(section.Name, name)) return &section;
    }
    return nullptr;
}
