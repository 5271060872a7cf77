#pragma once
// A region: a set of pixels kept as non-overlapping rectangles in canonical
// form. The rectangles are sorted into horizontal bands (equal Top and
// Bottom), sorted left to right inside a band, never touching inside a band,
// and vertically adjacent bands with equal spans are merged. So two regions
// covering the same pixels hold the same list and compare equal.
// Right and Bottom are exclusive, as everywhere.

#include "platform/core/Rect.h"

#include <cstdint>
#include <span>
#include <vector>

// Coordinates are clamped to +-kCoordLimit before any pixel arithmetic, so
// that products of coordinates fit in 64 bits. The limit lies far outside
// any buffer.
constexpr int kCoordLimit = 1 << 28;  // pixels

[[nodiscard]] constexpr int ClampCoord(std::int64_t v)
{
    return int(v < -kCoordLimit ? -kCoordLimit : (v > kCoordLimit ? kCoordLimit : v));
}
[[nodiscard]] constexpr TRect ClampRect(const TRect& r)
{
    return {ClampCoord(r.Left), ClampCoord(r.Top), ClampCoord(r.Right), ClampCoord(r.Bottom)};
}

// One run of pixels on a row: [Left, Right).
struct RowSpan {
    int Left = 0;
    int Right = 0;

    constexpr bool operator==(const RowSpan&) const = default;
    [[nodiscard]] constexpr bool IsEmpty() const { return Right <= Left; }
    [[nodiscard]] constexpr int Width() const { return IsEmpty() ? 0 : Right - Left; }
};

// Region kinds and combine modes, numbered as the classic calls number them.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

class Region {
public:
    Region() = default;
    // An empty (or unordered) rectangle gives the empty region.
    explicit Region(const TRect& r);
    // Rows top, top + 1, ... each covering one span (empty spans are gaps).
    [[nodiscard]] static Region FromRows(int top, std::span<const RowSpan> rows);

    // The classic factories. Coordinates are put in order first.
    [[nodiscard]] static Region CreateRectRgn(int left, int top, int right, int bottom);
    // Covers (left, top) up to but not including (right - 1, bottom - 1), with
    // corners cut by quarters of an ellipseWidth x ellipseHeight ellipse, so
    // (0, 0, W + 1, H + 1) gives a W x H window shape. An ellipse under two
    // pixels in either direction gives CreateRectRgn(left, top, right, bottom).
    [[nodiscard]] static Region CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                                                   int ellipseHeight);
    // The ellipse filling the same box as CreateRoundRectRgn does.
    [[nodiscard]] static Region CreateEllipticRgn(int left, int top, int right, int bottom);
    // Combines a and b by RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF (a without b) or
    // RGN_COPY (a); an unknown mode gives the empty region.
    [[nodiscard]] static Region Combine(const Region& a, const Region& b, int mode);

    [[nodiscard]] bool IsEmpty() const { return m_rects.empty(); }
    [[nodiscard]] const TRect& Bounds() const { return m_bounds; }
    [[nodiscard]] const std::vector<TRect>& Rects() const { return m_rects; }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    [[nodiscard]] int Kind() const;
    // The rectangles of the band covering row y, left to right.
    [[nodiscard]] std::span<const TRect> Band(int y) const;

    [[nodiscard]] bool Contains(TPoint p) const;
    // Whether any pixel of r lies in the region.
    [[nodiscard]] bool Intersects(const TRect& r) const;

    [[nodiscard]] Region United(const Region& o) const;
    [[nodiscard]] Region Intersected(const Region& o) const;
    [[nodiscard]] Region Subtracted(const Region& o) const;
    [[nodiscard]] Region Xored(const Region& o) const;
    [[nodiscard]] Region Offset(int dx, int dy) const;

    bool operator==(const Region&) const = default;

private:
    friend class RegionWriter;  // builds canonical lists

    std::vector<TRect> m_rects;
    TRect m_bounds;
};
