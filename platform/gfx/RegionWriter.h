#pragma once
// Builds a canonical region band by band, from top to bottom: a band that
// continues the previous one with the same spans only extends it downwards.

#include "platform/gfx/Region.h"

class RegionWriter {
public:
    // edges holds Left0, Right0, Left1, Right1 ... strictly increasing; bands
    // must come in order and must not overlap.
    void AddBand(int top, int bottom, std::span<const int> edges);
    void AddSpan(int top, int bottom, RowSpan span);
    [[nodiscard]] Region Finish();

private:
    [[nodiscard]] bool ContinuesLastBand(int top, std::span<const int> edges) const;

    std::vector<TRect> m_rects;
    std::size_t m_lastBand = 0;
};
