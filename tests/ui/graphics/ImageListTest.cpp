#include "platform/core/ClassRegistry.h"
#include "platform/core/Exception.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/ImageList.h"
#include "tests/ui/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ImageListTest : public testing::Test {
protected:
    ImageListTest() : m_list(nullptr) {}

    void SizeList(int width, int height)
    {
        m_list.SetWidth(width);
        m_list.SetHeight(height);
    }
    // Image index drawn on a blue (or given) background of the list's size plus a margin.
    std::string Drawn(int index, TImageList::TDrawState state = TImageList::TDrawState::Enabled, int margin = 0,
                      TColor background = clBlue)
    {
        auto target = FilledBitmap(m_list.Width() + margin, m_list.Height() + margin, background);
        m_list.Draw(target->Canvas(), 0, 0, index, state);
        m_target = std::move(target);
        return Picture(*m_target);
    }

    TImageList m_list;
    std::unique_ptr<TBitmap> m_target;
};

TEST_F(ImageListTest, AStripIsCutIntoImagesOfTheListsWidth)
{
    SizeList(2, 2);
    auto strip = BitmapOf("r.g.#\nrr.g#\n");
    EXPECT_EQ(m_list.AddMasked(strip.get(), clWhite), 0);
    EXPECT_EQ(m_list.Count(), 2) << "the column left over is dropped";
    EXPECT_EQ(Drawn(0), "\nrb\nrr\n");
    EXPECT_EQ(Drawn(1), "\ngb\nbg\n");
    EXPECT_EQ(m_list.AddMasked(strip.get(), clWhite), 2);
}

TEST_F(ImageListTest, DefaultMaskColourIsTheBottomLeftPixel)
{
    SizeList(2, 2);
    auto image = BitmapOf("r.\ngr\n");
    m_list.AddMasked(image.get(), clDefault);
    EXPECT_EQ(Drawn(0), "\nr.\nbr\n");
}

TEST_F(ImageListTest, MaskBitmapsAreWhereTheImageIsLeftOut)
{
    SizeList(2, 2);
    auto image = BitmapOf("rg\nbr\n");
    auto mask = BitmapOf(".#\nr.\n");
    m_list.Add(image.get(), mask.get());
    m_list.Add(image.get(), nullptr);
    EXPECT_EQ(Drawn(0, TImageList::TDrawState::Enabled, 0, clWhite), "\n.g\nb.\n");
    EXPECT_EQ(Drawn(1), "\nrg\nbr\n");
}

TEST_F(ImageListTest, ANarrowImageFillsPartOfItsCell)
{
    SizeList(3, 2);
    auto image = BitmapOf("r\n");
    EXPECT_EQ(m_list.Add(image.get(), nullptr), 0);
    EXPECT_EQ(Drawn(0), "\nrbb\nbbb\n");
    EXPECT_EQ(m_list.Add(nullptr, nullptr), -1);
    EXPECT_EQ(m_list.Count(), 1);
}

TEST_F(ImageListTest, DeleteMovesTheLaterImagesDown)
{
    SizeList(1, 1);
    auto strip = BitmapOf("rgb\n");
    m_list.Add(strip.get(), nullptr);
    m_list.Delete(1);
    EXPECT_EQ(m_list.Count(), 2);
    EXPECT_EQ(Drawn(0), "\nr\n");
    EXPECT_EQ(Drawn(1), "\nb\n");
    EXPECT_THROW(m_list.Delete(2), EListError);
    EXPECT_THROW(m_list.Delete(-1), EListError);
    m_list.Clear();
    EXPECT_EQ(m_list.Count(), 0);
    EXPECT_EQ(Drawn(0), "\nb\n") << "indices out of range draw nothing";
}

TEST_F(ImageListTest, DisabledImagesAreEmbossedInHighlightAndShadow)
{
    SizeList(3, 3);
    auto image = BitmapOf("#..\n#r.\n...\n");
    m_list.AddMasked(image.get(), clLime);
    auto target = FilledBitmap(4, 4, clBtnFace);
    m_list.Draw(target->Canvas(), 0, 0, 0, false);
    std::string shades;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const TColor c = ColorAt(*target, x, y);
            shades += c == ColorToRGB(clBtnShadow) ? 's' : c == ColorToRGB(clBtnHighlight) ? 'h' : c == ColorToRGB(clBtnFace) ? '-' : '?';
        }
        shades += '\n';
    }
    EXPECT_EQ(shades, "s---\nss--\n-hh-\n----\n");
}

TEST_F(ImageListTest, BackgroundColourFillsTheCellUnlessDrawnTransparent)
{
    SizeList(2, 1);
    auto image = BitmapOf("r.\n");
    m_list.AddMasked(image.get(), clWhite);
    m_list.SetBkColor(clLime);
    EXPECT_EQ(Drawn(0), "\nrg\n");
    m_list.SetDrawingStyle(dsTransparent);
    EXPECT_EQ(Drawn(0), "\nrb\n");
}

TEST_F(ImageListTest, SelectedStyleBlendsHalfWithTheHighlight)
{
    SizeList(1, 1);
    auto image = BitmapOf("r\n");
    m_list.Add(image.get(), nullptr);
    m_list.SetDrawingStyle(dsSelected);
    Drawn(0);
    const TColor drawn = ColorAt(*m_target, 0, 0);
    const TColor highlight = ColorToRGB(clHighlight);
    EXPECT_NEAR(GetRValue(drawn), (255 + GetRValue(highlight)) / 2, 1);
    EXPECT_NEAR(GetBValue(drawn), GetBValue(highlight) / 2, 1);
}

TEST_F(ImageListTest, UnmaskedListsDrawWholeCells)
{
    SizeList(2, 1);
    auto image = BitmapOf("r.\n");
    m_list.AddMasked(image.get(), clWhite);
    m_list.SetMasked(false);
    EXPECT_EQ(Drawn(0), "\nr.\n");
}

TEST_F(ImageListTest, GetBitmapCopiesTheCell)
{
    SizeList(2, 1);
    auto strip = BitmapOf("rgb.\n");
    m_list.AddMasked(strip.get(), clWhite);
    TBitmap bitmap;
    m_list.GetBitmap(1, &bitmap);
    EXPECT_EQ(Picture(bitmap), "\nb.\n");
}

TEST_F(ImageListTest, ResizingEmptiesTheListAndBadSizesAreRefused)
{
    auto image = BitmapOf("r\n");
    m_list.Add(image.get(), nullptr);
    int changes = 0;
    m_list.OnChange = [&](TObject*) { ++changes; };
    m_list.SetWidth(16);
    EXPECT_EQ(changes, 0);
    m_list.SetWidth(8);
    EXPECT_EQ(m_list.Count(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(m_list.SetHeight(0), EInvalidOperation);
}

TEST(ImageListComponentTest, TheRegistryCreatesItWithAnOwnerThatFreesIt)
{
    TComponent owner(nullptr);
    TObject* created = FindClass("TImageList").Create(&owner);
    auto* list = dynamic_cast<TImageList*>(created);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Owner(), &owner);
    EXPECT_EQ(list->Width(), 16);
    EXPECT_EQ(list->Height(), 16);
    EXPECT_EQ(owner.ComponentCount(), 1);
}

}  // namespace
