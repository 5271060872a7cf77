// The pictures committed under resources/ and docs/ are what skinart draws
// now: a change to the drawing code without regenerating them fails here.
// Regenerate from the repository root with
//   skinart resources/skins
//   skinart --icon resources/icons/MAINICON.bmp
//   skinart --themes resources/themes

#include "platform/gfx/BmpDecoder.h"
#include "tools/skinart/Catalog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

const fs::path kResources = fs::path(QZ_SOURCE_DIR) / "resources";

[[nodiscard]] PixelBuffer Committed(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.empty()) return {};
    return DecodeBmp(bytes).Pixels;
}

void ExpectCommitted(const ArtPiece& piece, const fs::path& file)
{
    const PixelBuffer committed = Committed(file);
    ASSERT_FALSE(committed.IsEmpty()) << file << " is missing";
    EXPECT_TRUE(committed == piece.Render()) << file << " differs from the drawing; regenerate it";
}

TEST(CommittedArtTest, SkinBitmapsAreUpToDate)
{
    for (const ArtPiece& piece : BuiltInPieces()) ExpectCommitted(piece, kResources / "skins" / (piece.Name + ".bmp"));
}

TEST(CommittedArtTest, MainIconIsUpToDate)
{
    ExpectCommitted(MainIconPiece(), kResources / "icons" / "MAINICON.bmp");
}

TEST(CommittedArtTest, SampleThemePicturesAreUpToDate)
{
    for (const Look& look : SampleLooks()) {
        const fs::path folder = kResources / "themes" / std::string(look.Name);
        for (const ArtPiece& piece : ElementPieces(look)) ExpectCommitted(piece, folder / (piece.Name + ".bmp"));
    }
}

}  // namespace
