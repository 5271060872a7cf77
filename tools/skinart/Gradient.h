#pragma once
// Colours along one axis of a picture: stops at pixel positions with linear
// blends between them. Two stops at the same position make a hard edge;
// before the first and after the last stop the end colours hold. A pixel
// takes the colour at its centre.

#include "platform/core/Color.h"

#include <vector>

enum class GradientAxis { Vertical, Horizontal };

class Gradient {
public:
    struct Stop {
        double At = 0;  // pixels from the picture's top (or left) edge
        TColor Color = clBlack;
    };

    explicit Gradient(std::vector<Stop> stops, GradientAxis axis = GradientAxis::Vertical);
    [[nodiscard]] static Gradient Solid(TColor color);
    [[nodiscard]] static Gradient Linear(double from, TColor first, double to, TColor last,
                                         GradientAxis axis = GradientAxis::Vertical);

    // The colour of the pixel whose top-left corner is (x, y).
    [[nodiscard]] TColor At(int x, int y) const;
    // The colour at a position along the axis.
    [[nodiscard]] TColor AtPosition(double position) const;
    // The same colours with every stop moved by offset pixels.
    [[nodiscard]] Gradient Shifted(double offset) const;

private:
    std::vector<Stop> m_stops;
    GradientAxis m_axis = GradientAxis::Vertical;
};
