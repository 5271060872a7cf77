// The list of pictures: names as the skin looks them up, sizes, and that
// every picture comes out at its size.

#include "platform/core/Exception.h"
#include "tools/skinart/Catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

TEST(CatalogTest, ResourceNamesArePrefixAndPartExceptTheSharedScrollButtons)
{
    const BitmapElement& buttons = BitmapElementByKey("ButtonImage");
    const BitmapElement& scroll = BitmapElementByKey("ScrollButtonImage");
    const BitmapElement& handle = BitmapElementByKey("SideChannelHandleImage");
    EXPECT_EQ(ResourceNameOf(buttons, LookNamed("WinXP")), "WINXP_BUTTON");
    EXPECT_EQ(ResourceNameOf(scroll, LookNamed("MacOS")), "MACOS_SCROLLBUTTON");
    EXPECT_EQ(ResourceNameOf(scroll, LookNamed("Protein")), "MORE_SCROLLBUTTON");
    EXPECT_EQ(ResourceNameOf(handle, LookNamed("DeepBlue")), "DEEPBLUE_SIDECHENNEL_HANDLE");
}

TEST(CatalogTest, EveryBuiltInPictureIsNamedOnce)
{
    const std::vector<ArtPiece> pieces = BuiltInPieces();
    std::set<std::string> names;
    for (const ArtPiece& piece : pieces) EXPECT_TRUE(names.insert(piece.Name).second) << piece.Name;
    // 19 elements in five styles, three of them sharing one picture, and 15 further bitmaps.
    EXPECT_EQ(pieces.size(), 19u * 5u - 2u + 15u);
    EXPECT_EQ(names.count("MORE_SCROLLBUTTON"), 1u);
}

TEST(CatalogTest, EveryPictureComesOutAtItsSize)
{
    std::vector<ArtPiece> pieces = BuiltInPieces();
    pieces.push_back(MainIconPiece());
    for (const Look& look : SampleLooks()) {
        for (ArtPiece& piece : ElementPieces(look)) pieces.push_back(std::move(piece));
    }
    for (const ArtPiece& piece : pieces) {
        const PixelBuffer picture = piece.Render();
        EXPECT_EQ(picture.Width(), piece.Size.cx) << piece.Name;
        EXPECT_EQ(picture.Height(), piece.Size.cy) << piece.Name;
    }
}

TEST(CatalogTest, SampleThemesTakeTheDeepBlueSizesAndElementKeys)
{
    const std::vector<ArtPiece> pieces = ElementPieces(LookNamed("Graphite"));
    ASSERT_EQ(pieces.size(), BitmapElements().size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const BitmapElement& element = BitmapElements()[i];
        EXPECT_EQ(pieces[i].Name, element.Key());
        EXPECT_EQ(pieces[i].Size, element.Sizes[2]) << element.Key();
    }
}

TEST(CatalogTest, UnknownNamesAreRefused)
{
    EXPECT_THROW((void)BitmapElementByKey("ButtonColor"), EInvalidOperation);
    EXPECT_THROW((void)LookNamed("Plum"), EInvalidOperation);
}

TEST(LookTableTest, BuiltInLooksAreTheStylesInOrderAndSamplesAreThemes)
{
    std::set<std::string_view> names;
    for (const auto* list : {&BuiltInLooks(), &SampleLooks()}) {
        for (const Look& look : *list) EXPECT_TRUE(names.insert(look.Name).second) << look.Name;
    }
    ASSERT_EQ(BuiltInLooks().size(), std::size_t(kBuiltInLookCount));
    for (int i = 0; i < kBuiltInLookCount; ++i) {
        const Look& look = BuiltInLooks()[std::size_t(i)];
        EXPECT_EQ(look.SizeColumn, i);
        EXPECT_EQ(int(look.Style), int(MacOS) + i);
        EXPECT_EQ(look.Name, GetEnumName(EnumInfoOf(look.Style), look.Style));
    }
    for (const Look& look : SampleLooks()) EXPECT_EQ(look.Style, FromThemeFile) << look.Name;
    EXPECT_THROW((void)ResourceNameOf(BitmapElementByKey("ButtonImage"), LookNamed("Amber")), EInvalidOperation);
}

// The title buttons sit ButtonTop rows down the bar; they must fit in it.
TEST(LookTableTest, TitleButtonsFitInTheBar)
{
    const BitmapElement& left = BitmapElementByKey("TitleBarLeftImage");
    const BitmapElement& buttons = BitmapElementByKey("TitleBarButtonImage");
    for (const auto* list : {&BuiltInLooks(), &SampleLooks()}) {
        for (const Look& look : *list) {
            const auto column = std::size_t(look.SizeColumn);
            EXPECT_LE(look.Title.ButtonTop + buttons.Sizes[column].cy, left.Sizes[column].cy) << look.Name;
        }
    }
}

}  // namespace
