#pragma once
// Points, sizes and rectangles. Right and Bottom are exclusive: a rectangle
// (0, 0, 2, 2) covers the four pixels (0..1, 0..1).

#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;

    constexpr bool operator==(const TPoint&) const = default;
    [[nodiscard]] constexpr TPoint Offset(int dx, int dy) const { return {X + dx, Y + dy}; }
    [[nodiscard]] constexpr TPoint operator+(TPoint o) const { return {X + o.X, Y + o.Y}; }
    [[nodiscard]] constexpr TPoint operator-(TPoint o) const { return {X - o.X, Y - o.Y}; }
};

struct TSize {
    int cx = 0;
    int cy = 0;

    constexpr bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr bool operator==(const TRect&) const = default;

    [[nodiscard]] static constexpr TRect FromSize(int left, int top, int width, int height)
    {
        return {left, top, left + width, top + height};
    }

    [[nodiscard]] constexpr int Width() const { return Right - Left; }
    [[nodiscard]] constexpr int Height() const { return Bottom - Top; }
    [[nodiscard]] constexpr TPoint TopLeft() const { return {Left, Top}; }
    [[nodiscard]] constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    [[nodiscard]] constexpr TSize Size() const { return {Width(), Height()}; }

    // Empty when it covers no pixel, including unordered rectangles.
    [[nodiscard]] constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    [[nodiscard]] constexpr bool Contains(TPoint p) const
    {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    [[nodiscard]] constexpr bool Contains(const TRect& r) const
    {
        return r.Left >= Left && r.Right <= Right && r.Top >= Top && r.Bottom <= Bottom;
    }

    [[nodiscard]] constexpr TRect Offset(int dx, int dy) const
    {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }
    [[nodiscard]] constexpr TRect Offset(TPoint d) const { return Offset(d.X, d.Y); }
    [[nodiscard]] constexpr TRect Inflated(int dx, int dy) const
    {
        return {Left - dx, Top - dy, Right + dx, Bottom + dy};
    }
    // Swaps edges so that Left <= Right and Top <= Bottom.
    [[nodiscard]] constexpr TRect Normalized() const
    {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
    }
    // The common part; an empty result is returned as (0, 0, 0, 0).
    [[nodiscard]] constexpr TRect Intersected(const TRect& o) const
    {
        const TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
                      std::min(Bottom, o.Bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    // The smallest rectangle holding both; empty operands are ignored.
    [[nodiscard]] constexpr TRect United(const TRect& o) const
    {
        if (o.IsEmpty()) return IsEmpty() ? TRect{} : *this;
        if (IsEmpty()) return o;
        return {std::min(Left, o.Left), std::min(Top, o.Top), std::max(Right, o.Right), std::max(Bottom, o.Bottom)};
    }
};

[[nodiscard]] constexpr TPoint Point(int x, int y) { return {x, y}; }
[[nodiscard]] constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
[[nodiscard]] constexpr TRect Bounds(int left, int top, int width, int height)
{
    return TRect::FromSize(left, top, width, height);
}

// The classic free functions, written on top of the members.
constexpr bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }
constexpr bool IsRectEmpty(const TRect& r) { return r.IsEmpty(); }
constexpr bool EqualRect(const TRect& a, const TRect& b) { return a == b; }
constexpr void OffsetRect(TRect& r, int dx, int dy) { r = r.Offset(dx, dy); }
constexpr void InflateRect(TRect& r, int dx, int dy) { r = r.Inflated(dx, dy); }
constexpr void SetRect(TRect& r, int left, int top, int right, int bottom) { r = {left, top, right, bottom}; }
constexpr void SetRectEmpty(TRect& r) { r = {}; }
// Both return whether the result is non-empty, as the classic calls do.
constexpr bool IntersectRect(TRect& dst, const TRect& a, const TRect& b)
{
    dst = a.Intersected(b);
    return !dst.IsEmpty();
}
constexpr bool UnionRect(TRect& dst, const TRect& a, const TRect& b)
{
    dst = a.United(b);
    return !dst.IsEmpty();
}
