#pragma once
// A filled figure in continuous picture coordinates: pixel (x, y) covers
// [x, x + 1) x [y, y + 1). Figures are tests of points, combined by union,
// intersection and difference, and sampled on a 4 x 4 grid per pixel, which
// gives their edges sixteen levels of coverage.

#include <functional>
#include <vector>

struct Point2 {
    double X = 0;
    double Y = 0;
};

class Shape {
public:
    static constexpr int kSamples = 4;  // per pixel side

    [[nodiscard]] static Shape Box(double left, double top, double right, double bottom);
    // A box whose corners are quarter circles of the radius (clamped to fit).
    [[nodiscard]] static Shape RoundBox(double left, double top, double right, double bottom, double radius);
    [[nodiscard]] static Shape Ellipse(double cx, double cy, double rx, double ry);
    [[nodiscard]] static Shape Circle(double cx, double cy, double r) { return Ellipse(cx, cy, r, r); }
    // Even-odd filled polygon.
    [[nodiscard]] static Shape Polygon(std::vector<Point2> points);
    // A line of the given width with round ends.
    [[nodiscard]] static Shape Stroke(Point2 from, Point2 to, double width);
    // Lines through the points, each joint rounded.
    [[nodiscard]] static Shape Path(const std::vector<Point2>& points, double width);

    [[nodiscard]] Shape operator|(const Shape& other) const;
    [[nodiscard]] Shape operator&(const Shape& other) const;
    [[nodiscard]] Shape operator-(const Shape& other) const;

    // The part of pixel (x, y) inside the figure, 0 to 1.
    [[nodiscard]] double Coverage(int x, int y) const;

private:
    using Test = std::function<bool(double, double)>;
    explicit Shape(Test test) : m_test(std::move(test)) {}

    Test m_test;
};
