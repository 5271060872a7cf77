#pragma once
// Internal to platform/win: the record behind a device-context handle. A
// context draws into one or more targets (a memory context into its
// selected bitmap, a window context into its part of a back buffer, the
// screen context into every top-level window's buffer), keeps the state
// the drawing calls use, and a stack of saved states.
//
// Coordinates: logical + viewport origin = device; device + a target's
// origin = pixels of that target. The clip region is in device
// coordinates; each target's visible region (pixels) limits it further.

#include "platform/gfx/Painter.h"
#include "platform/win/GdiObject.h"
#include "platform/win/GdiSurface.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// An object selected into a context. The context keeps the object alive
// even after its handle was deleted.
struct DcSelection {
    HGDIOBJ Handle = nullptr;
    gdi::ObjectPtr Object;
};

// Everything SaveDC keeps.
struct DcState {
    DcSelection Pen;
    DcSelection Brush;
    DcSelection Font;
    DcSelection Bitmap;  // memory contexts only
    TPoint ViewportOrg;
    TPoint BrushOrg;  // device coordinates
    TPoint PenPos;    // logical
    std::optional<Region> Clip;  // device coordinates; none: everything
    TColor TextColor = clBlack;
    TColor BkColor = clWhite;
    int BkMode = OPAQUE;
    int Rop2 = R2_COPYPEN;
    int PolyFillMode = ALTERNATE;
    int StretchMode = BLACKONWHITE;
    UINT TextAlign = TA_TOP | TA_LEFT;
    TColor DcBrushColor = clWhite;
    TColor DcPenColor = clBlack;
};

class DeviceContext {
public:
    static constexpr int kMaxSavedStates = 4096;  // SaveDC refuses more

    enum class Kind { Memory, Surface };

    // A memory context with the default bitmap and tools.
    DeviceContext();
    DeviceContext(std::vector<SurfaceTarget> targets, HWND window);

    [[nodiscard]] Kind GetKind() const { return m_kind; }
    [[nodiscard]] HWND Window() const { return m_window; }
    [[nodiscard]] DcState& State() { return m_state; }
    [[nodiscard]] const DcState& State() const { return m_state; }

    // Returns the new depth, or 0 when the stack is full.
    int Save();
    bool Restore(int level);

    // Selects a pen, brush, font or bitmap (bitmaps into memory contexts
    // only); returns the previous handle of that kind, or nullptr.
    HGDIOBJ Select(HGDIOBJ handle, const gdi::ObjectPtr& object);
    [[nodiscard]] const DcSelection* Selection(UINT type) const;

    // The tools as the painter takes them.
    [[nodiscard]] Pen CurrentPen() const;
    [[nodiscard]] Brush CurrentBrush() const { return BrushOf(m_state.Brush.Handle).value_or(Brush{}); }
    // A brush handle or a (COLOR_* + 1) value; nothing for invalid handles.
    [[nodiscard]] std::optional<Brush> BrushOf(HBRUSH brush) const;
    [[nodiscard]] std::shared_ptr<const Font> CurrentFont() const;

    [[nodiscard]] TPoint ToDevice(TPoint logical) const;
    [[nodiscard]] TRect ToDevice(const TRect& logical) const;
    [[nodiscard]] TRect ToLogical(const TRect& device) const;
    // What the context may draw on, device coordinates.
    [[nodiscard]] Region Surface() const;
    // Surface and clip region together, device coordinates.
    [[nodiscard]] Region Visible() const;

    // Runs paint once per target, with a painter set up for that target:
    // the context's tools and origins, clipped to the visible part. Then
    // reports the touched pixels (logicalExtent, or everything visible when
    // not given) as damage of each target's owner.
    void Draw(const std::optional<TRect>& logicalExtent, const std::function<void(Painter&)>& paint);

    // Where a device point can be read: a buffer and the offset from device
    // coordinates to its pixels (Pixels is nullptr when there is none).
    enum class Reach {
        Visible,   // the target whose visible part, clip included, holds the point
        Anywhere,  // the first target whose visible part holds the point, else the first target
    };
    struct PixelSource {
        const PixelBuffer* Pixels = nullptr;
        TPoint Origin;
    };
    [[nodiscard]] PixelSource SourceAt(TPoint device, Reach reach) const;

private:
    // The selection slot for an object type, const or not with the context.
    template <class Self>
    static auto* SlotOf(Self& self, UINT type);
    // A memory context draws into its selected bitmap: its one target.
    void TargetSelectedBitmap();
    [[nodiscard]] Region TargetClip(const SurfaceTarget& target) const;  // pixels of the target
    [[nodiscard]] PainterState PainterStateFor(const SurfaceTarget& target) const;

    Kind m_kind = Kind::Memory;
    HWND m_window = nullptr;
    std::vector<SurfaceTarget> m_targets;
    DcState m_state;
    std::vector<DcState> m_saved;
};

namespace gdi {
// p + by and r + by, clamped to the coordinate limit.
[[nodiscard]] TPoint Shifted(TPoint p, TPoint by);
[[nodiscard]] TRect Shifted(const TRect& r, TPoint by);
}  // namespace gdi

// The process-wide table of contexts.
HDC AddDeviceContext(std::unique_ptr<DeviceContext> dc);
[[nodiscard]] DeviceContext* FindDeviceContext(HDC dc);
void RemoveDeviceContext(HDC dc);

// Calls f with the context behind dc, or returns failure for an invalid handle.
template <class T, class F>
T WithContext(HDC dc, T failure, F&& f)
{
    DeviceContext* context = FindDeviceContext(dc);
    return context ? T(f(*context)) : failure;
}

// Passes damage to the window manager's sink, if one is installed.
void ReportSurfaceDamage(HWND owner, const TRect& rect);
