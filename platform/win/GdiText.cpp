// Text on device contexts: TextOut, ExtTextOut, DrawText, extents and
// metrics. Text is laid out once in logical coordinates and then drawn
// into every target, once per rectangle of the target's visible region.
#include "platform/win/DeviceContext.h"

#include "platform/core/Utf8.h"
#include "platform/gfx/DrawTextLayout.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/TextRenderer.h"

namespace {

TextPaint PaintOf(const DcState& state)
{
    return {state.TextColor, state.BkMode == OPAQUE ? std::optional<TColor>(state.BkColor) : std::nullopt};
}

// Where the top-left of the text cell goes for a reference point and the
// text alignment. TA_CENTER and TA_BASELINE hold the bits of TA_RIGHT and
// TA_BOTTOM, so they are tested first.
TPoint CellOrigin(TPoint ref, int width, const TTextMetric& metrics, UINT align)
{
    std::int64_t x = ref.X;
    std::int64_t y = ref.Y;
    if ((align & TA_CENTER) == TA_CENTER)
        x -= width / 2;
    else if (align & TA_RIGHT)
        x -= width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        y -= metrics.tmAscent;
    else if (align & TA_BOTTOM)
        y -= metrics.tmHeight;
    return {ClampCoord(x), ClampCoord(y)};
}

// Where TA_UPDATECP leaves the current position after drawing.
TPoint AdvancedPosition(TPoint ref, int width, UINT align)
{
    if ((align & TA_CENTER) == TA_CENTER) return ref;
    return {ClampCoord(std::int64_t(ref.X) + ((align & TA_RIGHT) ? -width : width)), ref.Y};
}

// One line of text with its cell's top-left, logical.
struct PlacedRun {
    const TextRun& Run;
    TPoint Origin;
};

// Draws runs into the painter's target, once per rectangle of its visible
// region, also limited to limit (logical) when given.
void DrawRuns(Painter& p, std::span<const PlacedRun> runs, const Font& font, const TextPaint& paint,
              const std::optional<TRect>& limit)
{
    const TPoint org = p.State().ViewportOrg;
    const std::optional<TRect> deviceLimit = limit ? std::optional<TRect>(gdi::Shifted(*limit, org)) : std::nullopt;
    for (const TRect& clip : p.ClipRects()) {
        const TRect area = deviceLimit ? clip.Intersected(*deviceLimit) : clip;
        if (area.IsEmpty()) continue;
        for (const PlacedRun& placed : runs)
            DrawTextRun(p.Target(), gdi::Shifted(placed.Origin, org), placed.Run, font, paint, area);
    }
}

TRect CellOf(const PlacedRun& placed, const Font& font)
{
    return TRect::FromSize(placed.Origin.X, placed.Origin.Y, placed.Run.Width, font.Metrics().tmHeight);
}

// The first count bytes of text (all for count < 0), never splitting a character.
std::string_view Prefix(std::string_view text, int count)
{
    if (count < 0 || std::size_t(count) >= text.size()) return text;
    return text.substr(0, Utf8::StartOfChar(text, std::size_t(count)));
}

}  // namespace

bool TextOut(HDC dc, int x, int y, std::string_view text) { return ExtTextOut(dc, x, y, 0, nullptr, text); }

bool ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, std::string_view text)
{
    DeviceContext* c = FindDeviceContext(dc);
    const std::shared_ptr<const Font> font = c ? c->CurrentFont() : nullptr;
    if (!font) return false;
    const DcState& state = c->State();
    const TextRun run = MeasureText(*font, text);
    const TPoint ref = (state.TextAlign & TA_UPDATECP) ? state.PenPos : TPoint{x, y};
    const PlacedRun placed[] = {{run, CellOrigin(ref, run.Width, font->Metrics(), state.TextAlign)}};

    const bool opaque = rect && (options & ETO_OPAQUE);
    const std::optional<TRect> limit = rect && (options & ETO_CLIPPED) ? std::optional<TRect>(*rect) : std::nullopt;
    TRect extent = CellOf(placed[0], *font);
    if (limit) extent = extent.Intersected(*limit);
    if (opaque) extent = extent.United(rect->Normalized());

    const TextPaint paint = PaintOf(state);
    const Brush background{state.BkColor};
    c->Draw(extent, [&](Painter& p) {
        if (opaque) p.FillRect(*rect, background);
        DrawRuns(p, placed, *font, paint, limit);
    });
    if (state.TextAlign & TA_UPDATECP) c->State().PenPos = AdvancedPosition(ref, run.Width, state.TextAlign);
    return true;
}

int DrawText(HDC dc, std::string_view text, int count, RECT& rect, UINT format)
{
    DeviceContext* c = FindDeviceContext(dc);
    const std::shared_ptr<const Font> font = c ? c->CurrentFont() : nullptr;
    if (!font) return 0;
    const DrawTextLayout layout = LayoutDrawText(*font, Prefix(text, count), rect, format);
    if (format & DT_CALCRECT) {
        rect = layout.Bounds;
        return layout.Height;
    }

    std::vector<PlacedRun> runs;
    TRect extent;
    for (const DrawTextLine& line : layout.Lines) {
        runs.push_back({line.Run, line.Origin});
        extent = extent.United(CellOf(runs.back(), *font));
    }
    const std::optional<TRect> limit = (format & DT_NOCLIP) ? std::nullopt : std::optional<TRect>(rect);
    if (limit) extent = extent.Intersected(*limit);
    const TextPaint paint = PaintOf(c->State());
    c->Draw(extent, [&](Painter& p) { DrawRuns(p, runs, *font, paint, limit); });
    return layout.Height;
}

bool GetTextExtentPoint32(HDC dc, std::string_view text, SIZE& size)
{
    const DeviceContext* c = FindDeviceContext(dc);
    const std::shared_ptr<const Font> font = c ? c->CurrentFont() : nullptr;
    if (!font) return false;
    size = TextExtent(*font, text);
    return true;
}

bool GetTextMetrics(HDC dc, TEXTMETRIC& metrics)
{
    const DeviceContext* c = FindDeviceContext(dc);
    const std::shared_ptr<const Font> font = c ? c->CurrentFont() : nullptr;
    if (!font) return false;
    const TTextMetric& m = font->Metrics();
    const auto* log = gdi::As<gdi::FontObject>(c->State().Font.Object);
    const LONG weight = log->Log.lfWeight > 0 ? log->Log.lfWeight : FW_NORMAL;
    metrics = TEXTMETRIC{m.tmHeight,           m.tmAscent,      m.tmDescent,      m.tmInternalLeading,
                         m.tmExternalLeading, m.tmAveCharWidth, m.tmMaxCharWidth, weight};
    return true;
}

std::string GetTextFace(HDC dc)
{
    const DeviceContext* c = FindDeviceContext(dc);
    const auto* font = c ? gdi::As<gdi::FontObject>(c->State().Font.Object) : nullptr;
    if (!font) return {};
    return font->Log.lfFaceName.empty() ? FontDesc{}.Name : font->Log.lfFaceName;
}
