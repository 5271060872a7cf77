// The scroll bar section: a horizontal and a vertical skinned bar, part
// way along, with slider lengths from PageSize and from LineButton.

#include "skin/controls/SUIScrollBar.h"
#include "tools/gallery/GallerySection.h"

#include <string>

namespace {

TsuiScrollBar* AddBar(TWinControl* parent, const std::string& name, TsuiProgressBarOrientation orientation,
                      TRect bounds)
{
    auto* bar = new TsuiScrollBar(GalleryOwner(parent));
    bar->SetName(name);
    bar->SetParent(parent);
    bar->SetOrientation(orientation);
    bar->SetBoundsRect(bounds);
    return bar;
}

}  // namespace

void BuildScrollSection(TWinControl* parent)
{
    TsuiScrollBar* horizontal = AddBar(parent, "ssbHorizontal", suiHorizontal, {0, 0, 200, 17});
    horizontal->SetPageSize(30);
    horizontal->SetPosition(40);
    TsuiScrollBar* fixed = AddBar(parent, "ssbLineButton", suiHorizontal, {0, 30, 200, 47});
    fixed->SetLineButton(40);
    fixed->SetPosition(100);
    TsuiScrollBar* vertical = AddBar(parent, "ssbVertical", suiVertical, {210, 0, 227, 120});
    vertical->SetPageSize(20);
    vertical->SetPosition(70);
}
