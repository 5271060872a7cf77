#include "tools/skinart/Gradient.h"

#include "platform/core/Exception.h"
#include "tools/skinart/ArtColor.h"

#include <algorithm>

Gradient::Gradient(std::vector<Stop> stops, GradientAxis axis) : m_stops(std::move(stops)), m_axis(axis)
{
    if (m_stops.empty()) throw EInvalidOperation("A gradient needs at least one stop");
    std::stable_sort(m_stops.begin(), m_stops.end(), [](const Stop& a, const Stop& b) { return a.At < b.At; });
}

Gradient Gradient::Solid(TColor color)
{
    return Gradient({{0, color}});
}

Gradient Gradient::Linear(double from, TColor first, double to, TColor last, GradientAxis axis)
{
    return Gradient({{from, first}, {to, last}}, axis);
}

TColor Gradient::At(int x, int y) const
{
    return AtPosition((m_axis == GradientAxis::Vertical ? y : x) + 0.5);
}

TColor Gradient::AtPosition(double position) const
{
    if (position <= m_stops.front().At) return m_stops.front().Color;
    // The last stop at or before the position; hard edges take the later colour.
    for (std::size_t i = m_stops.size() - 1; i > 0; --i) {
        const Stop& lo = m_stops[i - 1];
        const Stop& hi = m_stops[i];
        if (position >= hi.At) return hi.Color;
        if (position >= lo.At) return Mix(lo.Color, hi.Color, (position - lo.At) / (hi.At - lo.At));
    }
    return m_stops.front().Color;
}

Gradient Gradient::Shifted(double offset) const
{
    std::vector<Stop> stops = m_stops;
    for (Stop& s : stops) s.At += offset;
    return Gradient(std::move(stops), m_axis);
}
