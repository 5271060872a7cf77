// The panels section: a picture panel in each draw style (one of them
// transparent with a caption), and the skinned panel with its title strip,
// roll button and a child.

#include "platform/ui/controls/Label.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Picture.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIPanel.h"
#include "tools/gallery/GallerySection.h"

#include <string>

namespace {

constexpr int kTile = 12;  // pixels; one square of the picture

// Four coloured squares: small enough to show tiling and stretching apart.
void DrawSquares(TPicture* picture)
{
    TBitmap bitmap(2 * kTile, 2 * kTile);
    const TColor colors[] = {TColor(0x00D08040), TColor(0x0040A0E0), TColor(0x0060C060), TColor(0x00F0F0F0)};
    for (int i = 0; i < 4; ++i) {
        bitmap.Canvas()->Brush()->SetColor(colors[i]);
        bitmap.Canvas()->FillRect(TRect::FromSize(i % 2 * kTile, i / 2 * kTile, kTile, kTile));
    }
    picture->SetBitmap(&bitmap);
}

TsuiImagePanel* AddImagePanel(TWinControl* parent, const std::string& name, TsuiDrawStyle style, TRect bounds)
{
    auto* panel = new TsuiImagePanel(GalleryOwner(parent));
    panel->SetName(name);
    panel->SetParent(parent);
    panel->SetBoundsRect(bounds);
    DrawSquares(panel->Picture());
    panel->SetDrawStyle(style);
    return panel;
}

}  // namespace

void BuildPanelsSection(TWinControl* parent)
{
    AddImagePanel(parent, "sipNormal", suiNormal, {0, 0, 60, 60});
    AddImagePanel(parent, "sipStretch", suiStretch, {70, 0, 130, 60});
    TsuiImagePanel* tiled = AddImagePanel(parent, "sipTile", suiTile, {140, 0, 200, 60});
    tiled->SetCaption("平铺");
    auto* transparent = new TsuiImagePanel(GalleryOwner(parent));
    transparent->SetName("sipTransparent");
    transparent->SetParent(parent);
    transparent->SetBounds(0, 66, 200, 20);
    transparent->SetTransparent(true);
    transparent->SetCaption("透明面板");

    auto* panel = new TsuiPanel(GalleryOwner(parent));
    panel->SetName("spnlRoll");
    panel->SetParent(parent);
    panel->SetBounds(210, 0, 150, 86);
    panel->SetCaption("面板");
    auto* label = new TLabel(GalleryOwner(parent));
    label->SetName("lblInPanel");
    label->SetParent(panel);
    label->SetAlign(alClient);
    label->SetCaption("点右上角收起");
}
