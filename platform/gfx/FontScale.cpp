#include "platform/gfx/FontScale.h"

#include "platform/gfx/FontFace.h"
#include "platform/gfx/FontDesc.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Proportions used when a face gives no usable numbers of its own.
constexpr double kFallbackAscent = 0.8;      // of the em
constexpr double kFallbackDescent = 0.2;     // of the em
constexpr double kFallbackAveWidth = 0.5;    // of the em
constexpr double kFallbackStrikeOut = 0.25;  // of the em, above the baseline
constexpr double kFallbackLine = 0.05;       // of the em, line thickness

// A face's numbers in its design units.
struct DesignMetrics {
    double Units = 1;
    double Ascent = kFallbackAscent;
    double Descent = kFallbackDescent;
    double AveWidth = kFallbackAveWidth;
    double MaxWidth = 1;
    double UnderlinePosition = -kFallbackLine;  // centre of the line, negative below the baseline
    double UnderlineThickness = kFallbackLine;
    double StrikeOutPosition = kFallbackStrikeOut;  // top of the line above the baseline
    double StrikeOutThickness = kFallbackLine;
};

DesignMetrics DesignMetricsOf(FT_Face face)
{
    DesignMetrics d;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return d;

    const double units = face->units_per_EM;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const bool hasOs2 = os2 && os2->version != 0xFFFF;
    const double ascent = hasOs2 && os2->usWinAscent + os2->usWinDescent > 0 ? os2->usWinAscent : face->ascender;
    const double descent = hasOs2 && os2->usWinAscent + os2->usWinDescent > 0 ? os2->usWinDescent : -face->descender;
    d.Units = units;
    if (ascent + descent > 0) {
        d.Ascent = ascent;
        d.Descent = descent;
    } else {
        d.Ascent = kFallbackAscent * units;
        d.Descent = kFallbackDescent * units;
    }
    d.AveWidth = hasOs2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : kFallbackAveWidth * units;
    d.MaxWidth = face->max_advance_width > 0 ? face->max_advance_width : units;
    d.UnderlinePosition = face->underline_thickness > 0 ? face->underline_position : -kFallbackLine * units;
    d.UnderlineThickness = face->underline_thickness > 0 ? face->underline_thickness : kFallbackLine * units;
    const bool hasStrikeOut = hasOs2 && os2->yStrikeoutSize > 0;
    d.StrikeOutPosition = hasStrikeOut ? os2->yStrikeoutPosition : kFallbackStrikeOut * units;
    d.StrikeOutThickness = hasStrikeOut ? os2->yStrikeoutSize : d.UnderlineThickness;
    return d;
}

[[nodiscard]] int Round(double v) { return int(std::lround(v)); }

FontDecorations DecorationsOf(const DesignMetrics& d, const TTextMetric& m, int ppem)
{
    const double scale = ppem / d.Units;
    FontDecorations dec;
    // Both lines stay inside the cell: the underline below the baseline,
    // the strike-out above it.
    dec.UnderlineThickness = std::max(1, Round(d.UnderlineThickness * scale));
    const int underlineCentre = m.tmAscent - Round(d.UnderlinePosition * scale);
    dec.UnderlineTop = std::clamp(underlineCentre - dec.UnderlineThickness / 2, m.tmAscent,
                                  std::max(m.tmAscent, m.tmHeight - dec.UnderlineThickness));
    dec.StrikeOutThickness = std::max(1, Round(d.StrikeOutThickness * scale));
    dec.StrikeOutTop = std::clamp(m.tmAscent - Round(d.StrikeOutPosition * scale), 0, std::max(0, m.tmAscent - 1));
    return dec;
}

}  // namespace

FontScale ScaleFont(const FontFace& face, int height)
{
    const DesignMetrics d = DesignMetricsOf(face.Face());
    const int requested = height == 0 ? FontDesc::kDefaultCellHeight
                                      : int(std::min<long long>(std::llabs(height), FontScale::kMaxPixelHeight));
    FontScale s;
    TTextMetric& m = s.Metrics;
    if (height < 0) {
        s.Ppem = requested;
        m.tmAscent = Round(d.Ascent * s.Ppem / d.Units);
        m.tmDescent = Round(d.Descent * s.Ppem / d.Units);
    } else {
        const double cellUnits = d.Ascent + d.Descent;
        s.Ppem = std::max(1, Round(requested * d.Units / cellUnits));
        m.tmAscent = Round(requested * d.Ascent / cellUnits);
        m.tmDescent = requested - m.tmAscent;
    }
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0, m.tmHeight - s.Ppem);
    m.tmAveCharWidth = std::max(1, Round(d.AveWidth * s.Ppem / d.Units));
    m.tmMaxCharWidth = std::max(1, Round(d.MaxWidth * s.Ppem / d.Units));
    s.Decorations = DecorationsOf(d, m, s.Ppem);
    return s;
}
