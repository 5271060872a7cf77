// Device contexts: creating memory contexts, selecting objects, saved
// states, origins, attributes and device capabilities.
#include "platform/win/DeviceContext.h"

#include <utility>

namespace {

constexpr int kPixelsPerInch = 96;  // pixels
constexpr UINT kTextAlignBits = TA_UPDATECP | TA_CENTER | TA_BASELINE;

// Stores the old point where asked, then sets the new one.
bool ReplacePoint(TPoint& slot, TPoint value, POINT* previous)
{
    if (previous) *previous = slot;
    slot = value;
    return true;
}

}  // namespace

// --- creation and selection ------------------------------------------------------------

HDC CreateCompatibleDC(HDC /*dc*/) { return AddDeviceContext(std::make_unique<DeviceContext>()); }

bool DeleteDC(HDC dc)
{
    const DeviceContext* context = FindDeviceContext(dc);
    if (!context || context->GetKind() != DeviceContext::Kind::Memory) return false;
    RemoveDeviceContext(dc);
    return true;
}

UINT GetObjectType(HDC dc)
{
    return WithContext(dc, UINT(0), [](const DeviceContext& c) {
        return c.GetKind() == DeviceContext::Kind::Memory ? OBJ_MEMDC : OBJ_DC;
    });
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    DeviceContext* context = FindDeviceContext(dc);
    const gdi::ObjectPtr found = gdi::Find(object);
    if (!context || !found) return nullptr;
    if (gdi::As<gdi::RegionObject>(found)) return reinterpret_cast<HGDIOBJ>(std::intptr_t(SelectClipRgn(dc, object)));
    return context->Select(object, found);
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type)
{
    return WithContext(dc, HGDIOBJ(nullptr), [type](const DeviceContext& c) {
        const DcSelection* selection = c.Selection(type);
        return selection ? selection->Handle : nullptr;
    });
}

int SaveDC(HDC dc)
{
    return WithContext(dc, 0, [](DeviceContext& c) { return c.Save(); });
}

bool RestoreDC(HDC dc, int level)
{
    return WithContext(dc, false, [level](DeviceContext& c) { return c.Restore(level); });
}

// --- coordinates ------------------------------------------------------------------------

bool GetViewportOrgEx(HDC dc, POINT& origin)
{
    return WithContext(dc, false, [&](const DeviceContext& c) {
        origin = c.State().ViewportOrg;
        return true;
    });
}

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* previous)
{
    return WithContext(dc, false, [&](DeviceContext& c) {
        return ReplacePoint(c.State().ViewportOrg, TPoint{ClampCoord(x), ClampCoord(y)}, previous);
    });
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous)
{
    return WithContext(dc, false, [&](DeviceContext& c) {
        const TPoint old = c.State().ViewportOrg;
        return ReplacePoint(c.State().ViewportOrg, gdi::Shifted(old, {dx, dy}), previous);
    });
}

bool SetBrushOrgEx(HDC dc, int x, int y, POINT* previous)
{
    return WithContext(dc, false, [&](DeviceContext& c) { return ReplacePoint(c.State().BrushOrg, {x, y}, previous); });
}

bool GetCurrentPositionEx(HDC dc, POINT& position)
{
    return WithContext(dc, false, [&](const DeviceContext& c) {
        position = c.State().PenPos;
        return true;
    });
}

// --- attributes ---------------------------------------------------------------------------

namespace {

// Sets one attribute of the context's state when valid(value) holds;
// returns the previous value, or failure.
template <class T, class Member, class Valid>
T SetAttribute(HDC dc, T value, T failure, Member member, Valid valid)
{
    if (!valid(value)) return failure;
    return WithContext(dc, failure, [&](DeviceContext& c) { return std::exchange(c.State().*member, value); });
}

template <class T, class Member>
T GetAttribute(HDC dc, T failure, Member member)
{
    return WithContext(dc, failure, [&](const DeviceContext& c) { return T(c.State().*member); });
}

COLORREF SetColor(HDC dc, COLORREF color, TColor DcState::*member)
{
    return WithContext(dc, COLORREF(CLR_INVALID), [&](DeviceContext& c) {
        return COLORREF(std::exchange(c.State().*member, gdi::ColorOf(color)));
    });
}

constexpr auto kAnyValue = [](auto) { return true; };

}  // namespace

COLORREF SetTextColor(HDC dc, COLORREF color) { return SetColor(dc, color, &DcState::TextColor); }
COLORREF GetTextColor(HDC dc) { return GetAttribute(dc, COLORREF(CLR_INVALID), &DcState::TextColor); }
COLORREF SetBkColor(HDC dc, COLORREF color) { return SetColor(dc, color, &DcState::BkColor); }
COLORREF GetBkColor(HDC dc) { return GetAttribute(dc, COLORREF(CLR_INVALID), &DcState::BkColor); }
COLORREF SetDCBrushColor(HDC dc, COLORREF color) { return SetColor(dc, color, &DcState::DcBrushColor); }
COLORREF SetDCPenColor(HDC dc, COLORREF color) { return SetColor(dc, color, &DcState::DcPenColor); }

int SetBkMode(HDC dc, int mode)
{
    return SetAttribute(dc, mode, 0, &DcState::BkMode, [](int m) { return m == TRANSPARENT || m == OPAQUE; });
}
int GetBkMode(HDC dc) { return GetAttribute(dc, 0, &DcState::BkMode); }

int SetROP2(HDC dc, int rop2)
{
    return SetAttribute(dc, rop2, 0, &DcState::Rop2, [](int r) { return r >= R2_BLACK && r <= R2_WHITE; });
}
int GetROP2(HDC dc) { return GetAttribute(dc, 0, &DcState::Rop2); }

int SetPolyFillMode(HDC dc, int mode)
{
    return SetAttribute(dc, mode, 0, &DcState::PolyFillMode, [](int m) { return m == ALTERNATE || m == WINDING; });
}

int SetStretchBltMode(HDC dc, int mode)
{
    return SetAttribute(dc, mode, 0, &DcState::StretchMode, [](int m) { return m >= BLACKONWHITE && m <= HALFTONE; });
}

UINT SetTextAlign(HDC dc, UINT align)
{
    return SetAttribute(dc, align & kTextAlignBits, GDI_ERROR, &DcState::TextAlign, kAnyValue);
}
UINT GetTextAlign(HDC dc) { return GetAttribute(dc, GDI_ERROR, &DcState::TextAlign); }

// --- device capabilities ------------------------------------------------------------------

int GetDeviceCaps(HDC dc, int index)
{
    return WithContext(dc, 0, [index](const DeviceContext& c) {
        switch (index) {
        case LOGPIXELSX:
        case LOGPIXELSY: return kPixelsPerInch;
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        case NUMCOLORS: return -1;
        case HORZRES: return std::max(0, c.Surface().Bounds().Right);
        case VERTRES: return std::max(0, c.Surface().Bounds().Bottom);
        default: return 0;
        }
    });
}
