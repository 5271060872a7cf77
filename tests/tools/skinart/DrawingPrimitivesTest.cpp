// The drawing primitives the skin art is made of: gradients, figures and
// their coverage, the picture with its ink, and strips of frames.

#include "platform/core/Exception.h"
#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/Strip.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kRed = RGB(200, 0, 0);
constexpr TColor kBlue = RGB(0, 0, 200);

[[nodiscard]] TColor At(const PixelBuffer& p, int x, int y)
{
    return ColorFromPixel(p.At(x, y));
}

TEST(GradientTest, BlendsBetweenStopsAtPixelCentres)
{
    const Gradient g = Gradient::Linear(0, RGB(0, 0, 0), 10, RGB(100, 200, 0));
    EXPECT_EQ(g.At(0, 0), RGB(5, 10, 0)) << "pixel 0 takes the colour at 0.5";
    EXPECT_EQ(g.At(7, 4), RGB(45, 90, 0)) << "a vertical gradient ignores x";
    EXPECT_EQ(g.At(0, 9), RGB(95, 190, 0));
}

TEST(GradientTest, EndColoursHoldBeyondTheStops)
{
    const Gradient g = Gradient::Linear(2, kRed, 4, kBlue);
    EXPECT_EQ(g.At(0, 0), kRed);
    EXPECT_EQ(g.At(0, 50), kBlue);
    EXPECT_EQ(g.AtPosition(-100), kRed);
}

TEST(GradientTest, TwoStopsAtOnePlaceMakeAHardEdge)
{
    const Gradient g({{0, kRed}, {3, kRed}, {3, kBlue}, {6, kBlue}});
    EXPECT_EQ(g.At(0, 2), kRed);
    EXPECT_EQ(g.At(0, 3), kBlue);
}

TEST(GradientTest, HorizontalGradientsFollowX)
{
    const Gradient g = Gradient::Linear(0, kRed, 1, kBlue, GradientAxis::Horizontal);
    EXPECT_EQ(g.At(0, 9), RGB(100, 0, 100)) << "a horizontal gradient ignores y";
    EXPECT_EQ(g.At(5, 0), kBlue);
}

TEST(GradientTest, ShiftedMovesEveryStop)
{
    const Gradient g = Gradient({{0, kRed}, {1, kRed}, {1, kBlue}}).Shifted(4);
    EXPECT_EQ(g.At(0, 4), kRed);
    EXPECT_EQ(g.At(0, 5), kBlue);
}

TEST(GradientTest, NeedsAStop)
{
    EXPECT_THROW(Gradient({}), EInvalidOperation);
}

TEST(ShapeTest, BoxesOnPixelEdgesCoverWholePixels)
{
    const Shape box = Shape::Box(1, 1, 3, 2);
    EXPECT_DOUBLE_EQ(box.Coverage(1, 1), 1.0);
    EXPECT_DOUBLE_EQ(box.Coverage(2, 1), 1.0);
    EXPECT_DOUBLE_EQ(box.Coverage(3, 1), 0.0) << "right edge excluded";
    EXPECT_DOUBLE_EQ(box.Coverage(1, 2), 0.0) << "bottom edge excluded";
    EXPECT_DOUBLE_EQ(Shape::Box(0, 0, 0.5, 1).Coverage(0, 0), 0.5);
}

TEST(ShapeTest, RoundBoxesCutTheirCornersOnly)
{
    const Shape round = Shape::RoundBox(0, 0, 10, 10, 4);
    EXPECT_DOUBLE_EQ(round.Coverage(0, 0), 0.0);
    EXPECT_GT(round.Coverage(1, 1), 0.0);
    EXPECT_LT(round.Coverage(1, 1), 1.0);
    EXPECT_DOUBLE_EQ(round.Coverage(0, 5), 1.0) << "edges stay straight";
    EXPECT_DOUBLE_EQ(round.Coverage(5, 5), 1.0);
    const Shape clamped = Shape::RoundBox(0, 0, 4, 4, 100);
    const Shape circle = Shape::Circle(2, 2, 2);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_DOUBLE_EQ(clamped.Coverage(x, y), circle.Coverage(x, y)) << "a radius too large makes a circle";
        }
    }
}

TEST(ShapeTest, CombinationsFollowSetRules)
{
    const Shape a = Shape::Box(0, 0, 2, 1);
    const Shape b = Shape::Box(1, 0, 3, 1);
    EXPECT_DOUBLE_EQ((a | b).Coverage(2, 0), 1.0);
    EXPECT_DOUBLE_EQ((a & b).Coverage(0, 0), 0.0);
    EXPECT_DOUBLE_EQ((a & b).Coverage(1, 0), 1.0);
    EXPECT_DOUBLE_EQ((a - b).Coverage(0, 0), 1.0);
    EXPECT_DOUBLE_EQ((a - b).Coverage(1, 0), 0.0);
}

TEST(ShapeTest, PolygonsAndStrokes)
{
    const Shape triangle = Shape::Polygon({{0, 0}, {8, 0}, {0, 8}});
    EXPECT_DOUBLE_EQ(triangle.Coverage(1, 1), 1.0);
    EXPECT_DOUBLE_EQ(triangle.Coverage(6, 6), 0.0);
    EXPECT_DOUBLE_EQ(Shape::Polygon({}).Coverage(0, 0), 0.0);

    const Shape line = Shape::Stroke({0, 2.5}, {10, 2.5}, 2);
    EXPECT_DOUBLE_EQ(line.Coverage(5, 2), 1.0);
    EXPECT_DOUBLE_EQ(line.Coverage(5, 4), 0.0);
    EXPECT_GT(Shape::Path({{0, 0}, {5, 5}, {10, 0}}, 1).Coverage(5, 4), 0.0);
}

TEST(ArtCanvasTest, KeyingTurnsOnlyUninkedPixels)
{
    ArtCanvas canvas(4, 2, kRed);
    canvas.Backdrop(Gradient::Solid(kBlue));
    canvas.Fill(Shape::Box(1, 0, 2, 1), Gradient::Solid(clWhite));
    canvas.Plot(3, 1, clBlack);
    canvas.KeyUninked(clFuchsia);
    const PixelBuffer p = canvas.Take();
    EXPECT_EQ(At(p, 0, 0), clFuchsia) << "a backdrop is no ink";
    EXPECT_EQ(At(p, 1, 0), clWhite);
    EXPECT_EQ(At(p, 3, 1), clBlack);
}

TEST(ArtCanvasTest, EdgesBlendIntoTheBackdropAndStayInk)
{
    ArtCanvas canvas(2, 1, RGB(0, 0, 0));
    canvas.Fill(Shape::Box(0, 0, 1.5, 1), Gradient::Solid(RGB(200, 100, 0)));
    canvas.KeyUninked(clFuchsia);
    EXPECT_EQ(canvas.ColorAt(0, 0), RGB(200, 100, 0));
    EXPECT_EQ(canvas.ColorAt(1, 0), RGB(100, 50, 0));
}

TEST(ArtCanvasTest, FiguresAndRectanglesAreClippedToThePicture)
{
    ArtCanvas canvas(2, 2, clWhite);
    canvas.FillRect({-5, -5, 1, 1}, Gradient::Solid(clBlack));
    canvas.Plot(7, 7, clBlack);
    canvas.Glow({1, 1}, 3, 3, clBlack, 1.0, {-9, -9, 9, 9});
    EXPECT_EQ(canvas.ColorAt(0, 0), clBlack);
    EXPECT_NE(canvas.ColorAt(1, 1), clWhite);
}

TEST(ArtCanvasTest, GlowFadesFromItsCentre)
{
    ArtCanvas canvas(9, 1, clBlack);
    canvas.Glow({4.5, 0.5}, 4, 4, clWhite, 1.0, canvas.Bounds());
    EXPECT_EQ(canvas.ColorAt(4, 0), clWhite);
    EXPECT_LT(GetRValue(canvas.ColorAt(6, 0)), GetRValue(canvas.ColorAt(5, 0)));
    EXPECT_EQ(canvas.ColorAt(0, 0), clBlack) << "nothing at the rim";
}

TEST(ArtCanvasTest, SetCornersPaintsTheFourCornersAsInk)
{
    ArtCanvas canvas(3, 3, clWhite);
    canvas.SetCorners(canvas.Bounds(), kRed);
    canvas.KeyUninked(clFuchsia);
    EXPECT_EQ(canvas.ColorAt(0, 0), kRed);
    EXPECT_EQ(canvas.ColorAt(2, 2), kRed);
    EXPECT_EQ(canvas.ColorAt(1, 1), clFuchsia);
}

TEST(ArtCanvasTest, TextIsCentredByItsInk)
{
    ArtCanvas canvas(21, 21, clWhite);
    canvas.Text("I", FontDesc{.Name = "DejaVu Sans", .Height = -12}, {10.5, 10.5}, Gradient::Solid(clBlack));
    int left = 21;
    int right = -1;
    int top = 21;
    int bottom = -1;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            if (canvas.ColorAt(x, y) == clWhite) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    ASSERT_GE(right, 0) << "the text was drawn";
    EXPECT_LE(std::abs((left + right) - 20), 1);
    EXPECT_LE(std::abs((top + bottom) - 20), 1);
}

TEST(StripTest, FramesGoSideBySideInOrder)
{
    const PixelBuffer strip = DrawStrip({6, 1}, 3, [](int i, TSize size) {
        return PixelBuffer(size.cx, size.cy, PixelFromRGB(RGB(i * 10, 0, 0)));
    });
    EXPECT_EQ(At(strip, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(At(strip, 3, 0), RGB(10, 0, 0));
    EXPECT_EQ(At(strip, 5, 0), RGB(20, 0, 0));
}

TEST(StripTest, LeftOverColumnsTakeTheFirstFramesKey)
{
    const PixelBuffer strip = DrawStrip({7, 2}, 3, [](int i, TSize size) {
        PixelBuffer frame(size.cx, size.cy, PixelFromRGB(kBlue));
        frame.At(0, size.cy - 1) = PixelFromRGB(i == 0 ? kRed : kBlue);
        return frame;
    });
    EXPECT_EQ(At(strip, 6, 0), kRed);
    EXPECT_EQ(At(strip, 6, 1), kRed);
}

TEST(StripTest, RefusesFramesOfTheWrongSizeAndTooManyFrames)
{
    const auto wrong = [](int, TSize) { return PixelBuffer(1, 1); };
    EXPECT_THROW((void)DrawStrip({4, 4}, 2, wrong), EInvalidOperation);
    EXPECT_THROW((void)DrawStrip({2, 1}, 3, wrong), EInvalidOperation);
    EXPECT_THROW((void)DrawStrip({2, 1}, 0, wrong), EInvalidOperation);
}

}  // namespace
