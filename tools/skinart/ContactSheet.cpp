#include "tools/skinart/ContactSheet.h"

#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/TextRenderer.h"
#include "tools/skinart/Catalog.h"
#include "tools/skinart/PictureOps.h"
#include "tools/skinart/Preview.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

constexpr int kSheetWidth = 1500;  // pixels
constexpr int kScale = 2;
constexpr int kGap = 14;           // pixels between pictures
constexpr int kLabelHeight = 16;   // pixels under each picture for its name
constexpr int kHeaderHeight = 26;  // pixels for a section's title
constexpr TColor kSheetBack = RGB(200, 202, 206);
constexpr TColor kInk = RGB(30, 32, 38);

struct Tile {
    std::string Label;
    PixelBuffer Picture;
};

struct Section {
    std::string Title;
    std::vector<Tile> Tiles;
};

// A built-in style's own pictures are named after it in capitals ("MACOS_");
// those of several styles go to the shared section.
[[nodiscard]] bool IsOwnPicture(const ArtPiece& piece)
{
    std::string prefix(piece.Style->Name);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return piece.Name.starts_with(prefix + "_");
}

[[nodiscard]] std::vector<Section> Sections()
{
    std::vector<Section> sections;
    const auto withPreview = [](const Look& look, std::string title) {
        Section section{std::move(title), {}};
        section.Tiles.push_back({"preview", ScaledUp(DrawPreview(look), kScale)});
        return section;
    };
    for (const Look& look : BuiltInLooks()) sections.push_back(withPreview(look, std::string(look.Name)));
    Section shared{"Shared", {}};
    for (const ArtPiece& piece : BuiltInPieces()) {
        Tile tile{piece.Name, ScaledUp(piece.Render(), kScale)};
        auto owner = std::find_if(sections.begin(), sections.end(), [&](const Section& s) {
            return IsOwnPicture(piece) && s.Title == piece.Style->Name;
        });
        (owner != sections.end() ? *owner : shared).Tiles.push_back(std::move(tile));
    }
    const ArtPiece icon = MainIconPiece();
    shared.Tiles.push_back({icon.Name, ScaledUp(icon.Render(), kScale)});
    sections.push_back(std::move(shared));
    for (const Look& look : SampleLooks()) {
        Section section = withPreview(look, std::string(look.Name) + " (sample theme)");
        for (const ArtPiece& piece : ElementPieces(look)) {
            section.Tiles.push_back({piece.Name, ScaledUp(piece.Render(), kScale)});
        }
        sections.push_back(std::move(section));
    }
    return sections;
}

struct Placed {
    const Tile* Item;
    TPoint At;
};

// Flows the tiles of every section left to right, wrapping at the sheet's width.
class SheetLayout {
public:
    std::vector<Placed> Tiles;
    std::vector<std::pair<std::string, TPoint>> Headers;
    int Height = 0;

    SheetLayout(const std::vector<Section>& sections, const Font& labelFont)
    {
        int y = kGap;
        for (const Section& section : sections) {
            Headers.push_back({section.Title, {kGap, y}});
            y += kHeaderHeight;
            int x = kGap;
            int rowHeight = 0;
            for (const Tile& tile : section.Tiles) {
                const int w = std::max(tile.Picture.Width(), TextExtent(labelFont, tile.Label).cx);
                if (x + w > kSheetWidth - kGap && x > kGap) {
                    x = kGap;
                    y += rowHeight + kGap;
                    rowHeight = 0;
                }
                Tiles.push_back({&tile, {x, y}});
                x += w + kGap;
                rowHeight = std::max(rowHeight, tile.Picture.Height() + kLabelHeight);
            }
            y += rowHeight + 2 * kGap;
        }
        Height = y;
    }
};

}  // namespace

PixelBuffer DrawContactSheet()
{
    auto& fonts = FontLibrary::Default();
    const auto label = fonts.GetFont(FontDesc{.Name = "DejaVu Sans", .Height = -10});
    const auto header = fonts.GetFont(FontDesc{.Name = "DejaVu Sans", .Height = -15, .Bold = true});
    const std::vector<Section> sections = Sections();
    const SheetLayout layout(sections, *label);
    PixelBuffer sheet(kSheetWidth, layout.Height, PixelFromRGB(kSheetBack));
    for (const auto& [title, at] : layout.Headers) {
        TextOut(sheet, at, title, *header, TextPaint{kInk, std::nullopt}, sheet.Bounds());
    }
    for (const Placed& placed : layout.Tiles) {
        Put(sheet, placed.Item->Picture, placed.At);
        TextOut(sheet, {placed.At.X, placed.At.Y + placed.Item->Picture.Height() + 2}, placed.Item->Label, *label,
                TextPaint{kInk, std::nullopt}, sheet.Bounds());
    }
    return sheet;
}
