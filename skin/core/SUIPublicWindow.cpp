#include "skin/core/SUIPublic.h"

#include "platform/core/SysUtils.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/RegionWriter.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

#include <vector>

namespace {

// The window class of an MDI frame's client window, which knows the active child.
constexpr const char* kMdiClientClass = "MDICLIENT";

// Restores a context's saved state however the scope is left.
class TSavedDCState {
public:
    explicit TSavedDCState(HDC dc) : m_dc(dc), m_level(SaveDC(dc)) {}
    TSavedDCState(const TSavedDCState&) = delete;
    TSavedDCState& operator=(const TSavedDCState&) = delete;
    ~TSavedDCState()
    {
        if (m_level > 0) RestoreDC(m_dc, m_level);
    }

private:
    HDC m_dc;
    int m_level;
};

void FrameWithColor(HDC dc, const RECT& rect, TColor color)
{
    const HBRUSH brush = CreateSolidBrush(COLORREF(ColorToRGB(color)));
    FrameRect(dc, rect, brush);
    DeleteObject(brush);
}

// The child window an MDI frame reports as active; nullptr when there is none.
HWND ActiveMdiChild(const TCustomForm& frame)
{
    const HWND frameWindow = frame.WindowHandle();
    if (!frameWindow) return nullptr;
    for (const HWND child : GetChildWindows(frameWindow)) {
        if (SameText(GetClassName(child), kMdiClientClass)) {
            return reinterpret_cast<HWND>(SendMessage(child, WM_MDIGETACTIVE, 0, 0));
        }
    }
    return nullptr;
}

}  // namespace

void DoTrans(TCanvas* canvas, TWinControl* control)
{
    if (!canvas || !control || !control->Parent()) return;
    TWinControl* parent = control->Parent();
    const HDC dc = canvas->Handle();
    const TSavedDCState saved(dc);
    // The parent's client coordinates now line up with the control's area.
    POINT origin;
    GetViewportOrgEx(dc, origin);
    SetViewportOrgEx(dc, origin.X - control->Left(), origin.Y - control->Top());
    IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
    const HWND parentWindow = parent->Handle();
    SendMessage(parentWindow, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessage(parentWindow, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

void SetWinControlTransparent(TWinControl* control)
{
    if (!control) return;
    TControlStyle style = control->ControlStyle();
    style.Exclude(csOpaque);
    control->SetControlStyle(style);
    const HWND window = control->Handle();
    SetWindowLongPtr(window, GWL_EXSTYLE, GetWindowLongPtr(window, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
}

void DrawControlBorder(TWinControl* control, TColor outerColor, TColor innerColor)
{
    if (!control) return;
    const HWND window = control->Handle();
    RECT bounds;
    if (!GetWindowRect(window, bounds)) return;
    const HDC dc = GetWindowDC(window);
    if (!dc) return;
    const RECT frame = bounds.Offset(-bounds.Left, -bounds.Top);
    FrameWithColor(dc, frame, outerColor);
    FrameWithColor(dc, frame.Inflated(-1, -1), innerColor);
    ReleaseDC(window, dc);
}

void SetBitmapWindow(HWND window, TBitmap* bitmap, TColor transColor)
{
    if (!bitmap || !IsWindow(window)) return;
    const PixelBuffer& pixels = bitmap->Pixels();
    const TColor key = ColorToRGB(transColor);
    // Each row's runs of opaque pixels, a run closed by a transparent pixel
    // or by the end of the row.
    RegionWriter writer;
    std::vector<int> edges;
    for (int y = 0; y < pixels.Height(); ++y) {
        edges.clear();
        bool open = false;
        for (int x = 0; x < pixels.Width(); ++x) {
            const bool opaque = ColorFromPixel(pixels.At(x, y)) != key;
            if (opaque != open) edges.push_back(x);
            open = opaque;
        }
        if (open) edges.push_back(pixels.Width());
        if (!edges.empty()) writer.AddBand(y, y + 1, edges);
    }
    // The window owns the region from now on.
    SetWindowRgn(window, CreateRegionHandle(writer.Finish()), true);
}

bool FormHasFocus(TCustomForm* form)
{
    if (!Application || !Application->Active()) return false;
    TCustomForm* mainForm = Application->MainForm();
    if (!form || form == mainForm) return true;
    if (mainForm && mainForm->FormStyle() == fsMDIForm && form->WindowHandle() &&
        ActiveMdiChild(*mainForm) == form->WindowHandle()) {
        return true;
    }
    return form->Active();
}
