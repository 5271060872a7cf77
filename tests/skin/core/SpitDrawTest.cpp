#include "platform/ui/graphics/Canvas.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/SpitDrawLayout.h"
#include "tests/skin/core/SkinCoreTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace {

using skintest::ColorAt;
using skintest::CoordinateFace;
using skintest::FacePointOf;
using skintest::FilledBitmap;

constexpr TSpitPiece kAllPieces[] = {TSpitPiece::TopLeft,     TSpitPiece::BottomLeft, TSpitPiece::LeftEdge,
                                     TSpitPiece::TopRight,    TSpitPiece::BottomRight, TSpitPiece::RightEdge,
                                     TSpitPiece::TopEdge,     TSpitPiece::Centre,      TSpitPiece::BottomEdge};

struct ExpectedPiece {
    TSpitPiece Piece;
    TRect Source;
    TRect Dest;
};

void ExpectLayout(const TSpitDrawLayout& layout, std::initializer_list<ExpectedPiece> expected)
{
    for (const ExpectedPiece& e : expected) {
        SCOPED_TRACE(int(e.Piece));
        ASSERT_TRUE(layout[e.Piece].has_value());
        EXPECT_EQ(layout[e.Piece]->Source, e.Source);
        EXPECT_EQ(layout[e.Piece]->Dest, e.Dest);
    }
}

// The face pixel drawn at each target pixel, and the piece that drew it last.
struct Traced {
    TPoint Source;
    TSpitPiece Piece;
};

TEST(SpitDrawLayoutTest, ButtonFaceIntoALargerRectanglePlacesEveryPiece)
{
    ExpectLayout(SpitDrawLayout({74, 21}, {0, 0, 80, 27}),
                 {
                     {TSpitPiece::TopLeft, {0, 0, 37, 10}, {0, 0, 37, 10}},
                     {TSpitPiece::BottomLeft, {0, 12, 37, 21}, {0, 18, 37, 27}},
                     {TSpitPiece::LeftEdge, {0, 10, 37, 11}, {0, 10, 37, 18}},
                     {TSpitPiece::TopRight, {38, 0, 74, 10}, {44, 0, 80, 10}},
                     {TSpitPiece::BottomRight, {38, 12, 74, 21}, {44, 18, 80, 27}},
                     {TSpitPiece::RightEdge, {38, 11, 74, 12}, {44, 10, 80, 18}},
                     {TSpitPiece::TopEdge, {37, 0, 38, 10}, {37, 0, 44, 10}},
                     {TSpitPiece::Centre, {37, 10, 38, 11}, {37, 10, 44, 17}},
                     {TSpitPiece::BottomEdge, {37, 11, 38, 21}, {36, 17, 44, 27}},
                 });
}

TEST(SpitDrawLayoutTest, CornersShrinkKeepingTheirOuterSides)
{
    ExpectLayout(SpitDrawLayout({74, 21}, {0, 0, 40, 15}),
                 {
                     {TSpitPiece::TopLeft, {0, 0, 20, 7}, {0, 0, 20, 7}},
                     {TSpitPiece::TopRight, {55, 0, 74, 7}, {21, 0, 40, 7}},
                     {TSpitPiece::BottomLeft, {0, 15, 20, 21}, {0, 9, 20, 15}},
                     {TSpitPiece::BottomRight, {55, 15, 74, 21}, {21, 9, 40, 15}},
                     // Edges take no more of the face across than they are wide or high.
                     {TSpitPiece::LeftEdge, {0, 10, 20, 11}, {0, 7, 20, 9}},
                     {TSpitPiece::RightEdge, {55, 11, 74, 12}, {21, 7, 40, 9}},
                     {TSpitPiece::TopEdge, {37, 0, 38, 7}, {20, 0, 21, 7}},
                     {TSpitPiece::Centre, {37, 10, 38, 11}, {20, 7, 21, 8}},
                     {TSpitPiece::BottomEdge, {37, 14, 38, 21}, {19, 8, 21, 15}},
                 });
}

TEST(SpitDrawLayoutTest, SkippedCornersCountAsEmptyRectanglesAtTheirCorners)
{
    // A 3 x 3 target leaves room for the top-left corner only; the edges
    // and centre start from the target's corners instead.
    const TSpitDrawLayout layout = SpitDrawLayout({74, 21}, {0, 0, 3, 3});
    EXPECT_FALSE(layout[TSpitPiece::BottomLeft].has_value());
    EXPECT_FALSE(layout[TSpitPiece::TopRight].has_value());
    EXPECT_FALSE(layout[TSpitPiece::BottomRight].has_value());
    EXPECT_FALSE(layout[TSpitPiece::RightEdge].has_value()) << "its target has no width";
    ExpectLayout(layout, {
                             {TSpitPiece::TopLeft, {0, 0, 1, 1}, {0, 0, 1, 1}},
                             {TSpitPiece::LeftEdge, {0, 10, 1, 11}, {0, 1, 1, 3}},
                             {TSpitPiece::TopEdge, {37, 0, 38, 1}, {1, 0, 3, 1}},
                             {TSpitPiece::Centre, {37, 10, 38, 11}, {1, 1, 3, 2}},
                             {TSpitPiece::BottomEdge, {37, 20, 38, 21}, {0, 2, 3, 3}},
                         });
}

class SpitDrawPixelTest : public testing::Test {
protected:
    // Draws a coordinate face of faceSize into a blue target of rect's size
    // and reads back which face pixel landed where.
    void Draw(TSize faceSize, TRect rect, bool transparent = false)
    {
        m_face = CoordinateFace(faceSize.cx, faceSize.cy);
        m_target = FilledBitmap(rect.Right, rect.Bottom, clBlue);
        SpitDraw(m_face.get(), m_target->Canvas(), rect, transparent);
    }
    [[nodiscard]] std::optional<TPoint> SourceAt(int x, int y) const { return FacePointOf(ColorAt(*m_target, x, y)); }

    std::unique_ptr<TBitmap> m_face;
    std::unique_ptr<TBitmap> m_target;
};

TEST_F(SpitDrawPixelTest, EveryPixelComesFromThePieceDrawnLastThere)
{
    const TRect rect{0, 0, 80, 27};
    Draw({74, 21}, rect);
    const TSpitDrawLayout layout = SpitDrawLayout({74, 21}, rect);
    std::map<TSpitPiece, std::set<std::pair<int, int>>> used;
    for (int y = 0; y < rect.Bottom; ++y) {
        for (int x = 0; x < rect.Right; ++x) {
            // The last piece in drawing order that covers the pixel.
            std::optional<TSpitPiece> owner;
            for (const TSpitPiece piece : kAllPieces) {
                if (layout[piece] && layout[piece]->Dest.Contains(TPoint{x, y})) owner = piece;
            }
            ASSERT_TRUE(owner.has_value()) << "pixel " << x << "," << y << " belongs to no piece";
            const std::optional<TPoint> source = SourceAt(x, y);
            ASSERT_TRUE(source.has_value()) << "pixel " << x << "," << y << " was not drawn";
            const TSpitPlacement& placed = *layout[*owner];
            EXPECT_TRUE(placed.Source.Contains(*source)) << "pixel " << x << "," << y;
            if (IsCorner(*owner)) {
                EXPECT_EQ(*source, placed.Source.TopLeft() + (TPoint{x, y} - placed.Dest.TopLeft()))
                    << "corners are copied one to one";
            }
            used[*owner].insert({source->X, source->Y});
        }
    }
    // Stretched pieces that grow show every pixel of their source.
    for (const TSpitPiece piece : {TSpitPiece::LeftEdge, TSpitPiece::RightEdge, TSpitPiece::TopEdge,
                                   TSpitPiece::Centre}) {
        const TRect source = layout[piece]->Source;
        EXPECT_EQ(int(used[piece].size()), source.Width() * source.Height()) << int(piece);
    }
}

TEST_F(SpitDrawPixelTest, ShrunkCornersShowTheirOuterPixels)
{
    Draw({74, 21}, {0, 0, 40, 15});
    EXPECT_EQ(SourceAt(0, 0), (TPoint{0, 0}));
    EXPECT_EQ(SourceAt(19, 6), (TPoint{19, 6}));
    EXPECT_EQ(SourceAt(21, 0), (TPoint{55, 0})) << "top-right drawn at (21, 0) from column 55";
    EXPECT_EQ(SourceAt(39, 6), (TPoint{73, 6}));
    EXPECT_EQ(SourceAt(39, 14), (TPoint{73, 20})) << "bottom-right keeps the face's last row";
}

TEST_F(SpitDrawPixelTest, EmptyFaceDrawsNothing)
{
    Draw({0, 0}, {0, 0, 20, 10});
    EXPECT_EQ(skintest::PictureOf(*m_target), skintest::PictureOf(*FilledBitmap(20, 10, clBlue)));
}

class SpitDrawTransparencyTest : public testing::TestWithParam<bool> {};

TEST_P(SpitDrawTransparencyTest, FuchsiaIsLeftOutOfEdgesAlwaysAndOfCornersWhenTransparent)
{
    const bool transparent = GetParam();
    auto face = FilledBitmap(74, 21, clLime);
    face->Pixels().At(2, 2) = PixelFromColor(clFuchsia);    // in the top-left corner
    face->Pixels().At(5, 10) = PixelFromColor(clFuchsia);   // in the left edge's row
    face->Pixels().At(37, 10) = PixelFromColor(clFuchsia);  // the centre's only pixel
    auto target = FilledBitmap(80, 27, clBlue);
    SpitDraw(face.get(), target->Canvas(), {0, 0, 80, 27}, transparent);

    EXPECT_EQ(ColorAt(*target, 2, 2), transparent ? clBlue : clFuchsia);
    for (int y = 10; y < 18; ++y) EXPECT_EQ(ColorAt(*target, 5, y), clBlue) << "left edge row " << y;
    for (int y = 10; y < 17; ++y) {
        for (int x = 37; x < 44; ++x) EXPECT_EQ(ColorAt(*target, x, y), clBlue) << "centre " << x << "," << y;
    }
    EXPECT_EQ(ColorAt(*target, 4, 12), clLime);
}

INSTANTIATE_TEST_SUITE_P(BothModes, SpitDrawTransparencyTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Transparent" : "Opaque"; });

}  // namespace
