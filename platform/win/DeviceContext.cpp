// The device-context record: selections, saved states, coordinates,
// targets and the per-target painters that every drawing call runs on.
#include "platform/win/DeviceContext.h"

#include <unordered_map>
#include <utility>

namespace {

DcSelection StockSelection(HGDIOBJ handle) { return {handle, gdi::Find(handle)}; }

DcState DefaultState(DeviceContext::Kind kind)
{
    DcState state;
    state.Pen = StockSelection(GetStockObject(BLACK_PEN));
    state.Brush = StockSelection(GetStockObject(WHITE_BRUSH));
    state.Font = StockSelection(GetStockObject(SYSTEM_FONT));
    if (kind == DeviceContext::Kind::Memory) state.Bitmap = StockSelection(gdi::DefaultBitmap());
    return state;
}

// The part of a target's pixels it may draw on.
Region TargetSurface(const SurfaceTarget& target)
{
    return target.visible.Intersected(Region(target.pixels->Bounds()));
}

std::unordered_map<std::uintptr_t, std::unique_ptr<DeviceContext>>& ContextTable()
{
    static std::unordered_map<std::uintptr_t, std::unique_ptr<DeviceContext>> table;
    return table;
}

}  // namespace

TPoint gdi::Shifted(TPoint p, TPoint by)
{
    return {ClampCoord(std::int64_t(p.X) + by.X), ClampCoord(std::int64_t(p.Y) + by.Y)};
}

TRect gdi::Shifted(const TRect& r, TPoint by)
{
    const TPoint topLeft = gdi::Shifted(r.TopLeft(), by);
    const TPoint bottomRight = gdi::Shifted(r.BottomRight(), by);
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

DeviceContext::DeviceContext() : m_state(DefaultState(Kind::Memory)) { TargetSelectedBitmap(); }

DeviceContext::DeviceContext(std::vector<SurfaceTarget> targets, HWND window)
    : m_kind(Kind::Surface), m_window(window), m_targets(std::move(targets)), m_state(DefaultState(Kind::Surface))
{
    std::erase_if(m_targets, [](const SurfaceTarget& t) { return t.pixels == nullptr; });
}

int DeviceContext::Save()
{
    if (int(m_saved.size()) >= kMaxSavedStates) return 0;
    m_saved.push_back(m_state);
    return int(m_saved.size());
}

bool DeviceContext::Restore(int level)
{
    const int depth = int(m_saved.size());
    if (level < 0) level += depth + 1;
    if (level <= 0 || level > depth) return false;
    m_state = std::move(m_saved[std::size_t(level - 1)]);
    m_saved.resize(std::size_t(level - 1));
    TargetSelectedBitmap();
    return true;
}

template <class Self>
auto* DeviceContext::SlotOf(Self& self, UINT type)
{
    using Slot = decltype(&self.m_state.Pen);
    switch (type) {
    case OBJ_PEN: return &self.m_state.Pen;
    case OBJ_BRUSH: return &self.m_state.Brush;
    case OBJ_FONT: return &self.m_state.Font;
    case OBJ_BITMAP: return self.m_kind == Kind::Memory ? &self.m_state.Bitmap : Slot{};
    default: return Slot{};
    }
}

HGDIOBJ DeviceContext::Select(HGDIOBJ handle, const gdi::ObjectPtr& object)
{
    if (!object) return nullptr;
    const UINT type = gdi::TypeOf(*object);
    DcSelection* slot = SlotOf(*this, type);
    if (!slot) return nullptr;
    const HGDIOBJ previous = std::exchange(*slot, DcSelection{handle, object}).Handle;
    if (type == OBJ_BITMAP) TargetSelectedBitmap();
    return previous;
}

const DcSelection* DeviceContext::Selection(UINT type) const { return SlotOf(*this, type); }

Pen DeviceContext::CurrentPen() const
{
    const auto* pen = gdi::As<gdi::PenObject>(m_state.Pen.Object);
    if (!pen) return Pen{};
    Pen result = pen->Value;
    if (pen->Source == gdi::ColorSource::Context) result.Color = m_state.DcPenColor;
    return result;
}

std::optional<Brush> DeviceContext::BrushOf(HBRUSH brush) const
{
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_COUNT) return Brush{SystemColor(int(value - 1))};
    // The selected brush still draws after its handle was deleted.
    const gdi::ObjectPtr object = brush == m_state.Brush.Handle ? m_state.Brush.Object : gdi::Find(brush);
    const auto* found = gdi::As<gdi::BrushObject>(object);
    if (!found) return std::nullopt;
    Brush result = found->Value;
    if (found->Source == gdi::ColorSource::Context) result.Color = m_state.DcBrushColor;
    return result;
}

std::shared_ptr<const Font> DeviceContext::CurrentFont() const
{
    const auto* font = gdi::As<gdi::FontObject>(m_state.Font.Object);
    return font ? gdi::Realise(*font) : nullptr;
}

TPoint DeviceContext::ToDevice(TPoint logical) const { return gdi::Shifted(logical, m_state.ViewportOrg); }

TRect DeviceContext::ToDevice(const TRect& logical) const { return gdi::Shifted(logical, m_state.ViewportOrg); }

TRect DeviceContext::ToLogical(const TRect& device) const
{
    return gdi::Shifted(device, {-m_state.ViewportOrg.X, -m_state.ViewportOrg.Y});
}

Region DeviceContext::Surface() const
{
    Region surface;
    for (const SurfaceTarget& target : m_targets)
        surface = surface.United(TargetSurface(target).Offset(-target.origin.X, -target.origin.Y));
    return surface;
}

Region DeviceContext::Visible() const
{
    Region surface = Surface();
    return m_state.Clip ? surface.Intersected(*m_state.Clip) : surface;
}

void DeviceContext::Draw(const std::optional<TRect>& logicalExtent, const std::function<void(Painter&)>& paint)
{
    for (const SurfaceTarget& target : m_targets) {
        Region clip = TargetClip(target);
        if (clip.IsEmpty()) continue;
        const TRect clipBox = clip.Bounds();
        const PainterState state = PainterStateFor(target);
        const TRect touched =
            logicalExtent ? gdi::Shifted(logicalExtent->Normalized(), state.ViewportOrg).Intersected(clipBox) : clipBox;
        Painter painter(*target.pixels);
        painter.SetState(state);
        painter.SetBaseClip(std::move(clip));
        paint(painter);
        if (target.owner && !touched.IsEmpty()) ReportSurfaceDamage(target.owner, touched);
    }
}

DeviceContext::PixelSource DeviceContext::SourceAt(TPoint device, Reach reach) const
{
    for (const SurfaceTarget& target : m_targets) {
        const TPoint pixel = gdi::Shifted(device, target.origin);
        const Region area = reach == Reach::Visible ? TargetClip(target) : TargetSurface(target);
        if (area.Contains(pixel)) return {target.pixels, target.origin};
    }
    if (reach == Reach::Anywhere && !m_targets.empty()) return {m_targets.front().pixels, m_targets.front().origin};
    return {};
}

void DeviceContext::TargetSelectedBitmap()
{
    if (m_kind != Kind::Memory) return;
    m_targets.clear();
    auto* bitmap = gdi::As<gdi::BitmapObject>(m_state.Bitmap.Object);
    // All of the bitmap is visible, whatever size it takes on later.
    const Region everything(TRect{0, 0, PixelBuffer::kMaxSide, PixelBuffer::kMaxSide});
    if (bitmap) m_targets.push_back(SurfaceTarget{&bitmap->Pixels, {}, everything, nullptr});
}

Region DeviceContext::TargetClip(const SurfaceTarget& target) const
{
    Region surface = TargetSurface(target);
    if (!m_state.Clip) return surface;
    return surface.Intersected(m_state.Clip->Offset(target.origin.X, target.origin.Y));
}

PainterState DeviceContext::PainterStateFor(const SurfaceTarget& target) const
{
    PainterState state;
    state.ViewportOrg = gdi::Shifted(m_state.ViewportOrg, target.origin);
    state.BrushOrg = gdi::Shifted(m_state.BrushOrg, target.origin);
    state.PenPos = m_state.PenPos;
    state.CurrentPen = CurrentPen();
    state.CurrentBrush = CurrentBrush();
    state.Mode = PenModeFromROP2(m_state.Rop2);
    state.BkColor = m_state.BkColor;
    state.BkMode = m_state.BkMode;
    state.PolyFillMode = m_state.PolyFillMode;
    return state;  // the clip travels as the painter's base clip
}

// --- the table of contexts -------------------------------------------------------

HDC AddDeviceContext(std::unique_ptr<DeviceContext> dc)
{
    const std::uintptr_t value = gdi::NextHandleValue();
    ContextTable().emplace(value, std::move(dc));
    return reinterpret_cast<HDC>(value);
}

DeviceContext* FindDeviceContext(HDC dc)
{
    const auto it = ContextTable().find(reinterpret_cast<std::uintptr_t>(dc));
    return it == ContextTable().end() ? nullptr : it->second.get();
}

void RemoveDeviceContext(HDC dc) { ContextTable().erase(reinterpret_cast<std::uintptr_t>(dc)); }
