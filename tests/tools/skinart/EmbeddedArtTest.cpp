// The program embeds exactly the skin bitmaps of the art catalogue, each at
// the size the catalogue gives it.

#include "platform/core/Resources.h"
#include "platform/ui/graphics/Bitmap.h"
#include "tools/skinart/Catalog.h"

#include <gtest/gtest.h>

#include <algorithm>

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace {

class EmbeddedArtTest : public testing::Test {
protected:
    void SetUp() override { RegisterResources(AppResources()); }
};

TEST_F(EmbeddedArtTest, EveryCataloguedPictureIsEmbeddedAtItsSize)
{
    for (const ArtPiece& piece : BuiltInPieces()) {
        TBitmap bitmap;
        bitmap.LoadFromResourceName(nullptr, piece.Name);
        EXPECT_EQ(bitmap.Width(), piece.Size.cx) << piece.Name;
        EXPECT_EQ(bitmap.Height(), piece.Size.cy) << piece.Name;
    }
}

TEST_F(EmbeddedArtTest, NoBitmapIsEmbeddedThatTheCatalogueLacks)
{
    const std::vector<ArtPiece> pieces = BuiltInPieces();
    for (const TResourceEntry& entry : AppResources().Entries) {
        if (entry.Kind != TResourceKind::Bitmap) continue;
        const bool listed =
            std::any_of(pieces.begin(), pieces.end(), [&](const ArtPiece& p) { return p.Name == entry.Name; });
        EXPECT_TRUE(listed) << entry.Name;
    }
}

}  // namespace
