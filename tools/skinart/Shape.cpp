#include "tools/skinart/Shape.h"

#include <algorithm>
#include <cmath>

namespace {

[[nodiscard]] double DistanceToSegment(Point2 p, Point2 a, Point2 b)
{
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

}  // namespace

Shape Shape::Box(double left, double top, double right, double bottom)
{
    return Shape([=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; });
}

Shape Shape::RoundBox(double left, double top, double right, double bottom, double radius)
{
    const double r = std::max(0.0, std::min({radius, (right - left) / 2, (bottom - top) / 2}));
    return Shape([=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom) return false;
        const double cx = std::clamp(x, left + r, right - r);
        const double cy = std::clamp(y, top + r, bottom - r);
        return std::hypot(x - cx, y - cy) <= r;
    });
}

Shape Shape::Ellipse(double cx, double cy, double rx, double ry)
{
    return Shape([=](double x, double y) {
        if (rx <= 0 || ry <= 0) return false;
        const double u = (x - cx) / rx;
        const double v = (y - cy) / ry;
        return u * u + v * v <= 1.0;
    });
}

Shape Shape::Polygon(std::vector<Point2> points)
{
    return Shape([points = std::move(points)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point2& a = points[i];
            const Point2& b = points[j];
            if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
        }
        return inside;
    });
}

Shape Shape::Stroke(Point2 from, Point2 to, double width)
{
    return Shape([=](double x, double y) { return DistanceToSegment({x, y}, from, to) <= width / 2; });
}

Shape Shape::Path(const std::vector<Point2>& points, double width)
{
    return Shape([=](double x, double y) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            if (DistanceToSegment({x, y}, points[i - 1], points[i]) <= width / 2) return true;
        }
        return false;
    });
}

Shape Shape::operator|(const Shape& other) const
{
    return Shape([a = m_test, b = other.m_test](double x, double y) { return a(x, y) || b(x, y); });
}

Shape Shape::operator&(const Shape& other) const
{
    return Shape([a = m_test, b = other.m_test](double x, double y) { return a(x, y) && b(x, y); });
}

Shape Shape::operator-(const Shape& other) const
{
    return Shape([a = m_test, b = other.m_test](double x, double y) { return a(x, y) && !b(x, y); });
}

double Shape::Coverage(int x, int y) const
{
    int hits = 0;
    for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
            if (m_test(x + (i + 0.5) / kSamples, y + (j + 0.5) / kSamples)) ++hits;
        }
    }
    return double(hits) / (kSamples * kSamples);
}
