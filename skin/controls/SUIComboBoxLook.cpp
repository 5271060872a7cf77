#include "skin/controls/SUIComboBoxLook.h"

#include "platform/ui/base/WinControl.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Pen.h"
#include "platform/ui/lists/ComboBoxInfo.h"
#include "platform/win/WinApi.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIPublic.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

namespace {

constexpr TColor kEngravedLight = clWhite;
constexpr TColor kEngravedShadow = TColor(0x808080);

// A canvas on a context it does not own, for the time of one drawing.
class TBorrowedCanvas {
public:
    explicit TBorrowedCanvas(HDC dc) { m_canvas.SetHandle(dc); }
    ~TBorrowedCanvas() { m_canvas.SetHandle(nullptr); }
    TBorrowedCanvas(const TBorrowedCanvas&) = delete;
    TBorrowedCanvas& operator=(const TBorrowedCanvas&) = delete;
    TCanvas& operator*() { return m_canvas; }

private:
    TCanvas m_canvas;
};

void Frame(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FrameRect(rect);
}

}  // namespace

TsuiComboBoxLook::TsuiComboBoxLook(TWinControl& combo) : m_combo(combo), m_link(&combo) {}

void TsuiComboBoxLook::SetUIStyle(TsuiUIStyle style)
{
    m_link.SetStyle(style);
    m_arrowColor = clBlack;
    const TThemeReader theme(m_link.FileTheme(), style);
    m_borderColor = theme.Color(SuiThemeId::ControlBorderColor);
    m_buttonColor = theme.Color(SuiThemeId::FormBackgroundColor);
    m_combo.Invalidate();
}

void TsuiComboBoxLook::SetFileTheme(TsuiFileTheme* fileTheme)
{
    m_link.SetFileTheme(fileTheme);
    SetUIStyle(m_link.Style());
}

void TsuiComboBoxLook::SetColor(TColor& field, TColor color)
{
    if (field == color) return;
    field = color;
    m_combo.Invalidate();
}

void TsuiComboBoxLook::SetBorderColor(TColor color)
{
    SetColor(m_borderColor, color);
}

void TsuiComboBoxLook::SetButtonColor(TColor color)
{
    SetColor(m_buttonColor, color);
}

void TsuiComboBoxLook::SetArrowColor(TColor color)
{
    SetColor(m_arrowColor, color);
}

void TsuiComboBoxLook::ComponentRemoved(TComponent* component)
{
    if (m_link.Removed(component)) SetUIStyle(DeepBlue);
}

bool TsuiComboBoxLook::Follows(UINT msg)
{
    return msg == WM_PAINT || msg == WM_ERASEBKGND || msg == CM_ENABLEDCHANGED;
}

void TsuiComboBoxLook::MessageHandled(const TMessage& message) const
{
    switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
        if (!IsWin95()) DrawButton(reinterpret_cast<HDC>(message.WParam));
        break;
    // The arrow looks engraved while disabled.
    case CM_ENABLEDCHANGED: m_combo.Invalidate(); break;
    default: break;
    }
}

// --- painting ---------------------------------------------------------------------------

void TsuiComboBoxLook::DrawButton(HDC dc) const
{
    const HWND hwnd = m_combo.WindowHandle();
    if (!hwnd) return;
    if (dc) {
        TBorrowedCanvas canvas(dc);
        Paint(*canvas);
        return;
    }
    const HDC own = GetDC(hwnd);
    if (!own) return;
    {
        TBorrowedCanvas canvas(own);
        Paint(*canvas);
    }
    ReleaseDC(hwnd, own);
}

void TsuiComboBoxLook::Paint(TCanvas& canvas) const
{
    COMBOBOXINFO info;
    if (!GetComboBoxInfo(m_combo.WindowHandle(), info)) return;
    const TRect client = m_combo.ClientRect();
    Frame(canvas, client, m_borderColor);
    Frame(canvas, client.Inflated(-1, -1), m_combo.Color());
    if (SendMessage(m_combo.WindowHandle(), CB_GETDROPPEDSTATE, 0, 0)) FrameOpenList();

    const TRect button = info.rcButton;
    if (button.IsEmpty()) return;
    if (m_link.Style() == MacOS || m_link.Style() == WinXP) {
        TBitmap picture;
        picture.LoadFromResourceName(nullptr, m_link.Style() == MacOS ? "MACOS_COMBOBOX_BUTTON" : "WINXP_COMBOBOX_BUTTON");
        canvas.StretchDraw(button, &picture);
    } else {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(m_buttonColor);
        canvas.FillRect(button);
        canvas.Pen()->SetColor(m_borderColor);
        canvas.MoveTo(button.Left, button.Top - 1);
        canvas.LineTo(button.Left, button.Bottom);
    }
    if (m_link.Style() != WinXP) DrawArrow(canvas, ComboArrowOrigin(button));
}

void TsuiComboBoxLook::FrameOpenList() const
{
    COMBOBOXINFO info;
    if (!GetComboBoxInfo(m_combo.WindowHandle(), info) || !IsWindowVisible(info.hwndList)) return;
    RECT list;
    GetWindowRect(info.hwndList, list);
    const HDC screen = GetDC(nullptr);
    if (!screen) return;
    {
        TBorrowedCanvas canvas(screen);
        Frame(*canvas, list, m_borderColor);
    }
    ReleaseDC(nullptr, screen);
}

void TsuiComboBoxLook::DrawArrow(TCanvas& canvas, TPoint origin) const
{
    auto triangle = [&canvas](TPoint at, TColor color) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(color);
        canvas.Pen()->SetColor(color);
        canvas.Polygon({at, {at.X + 6, at.Y}, {at.X + 3, at.Y + 3}});
    };
    if (m_combo.Enabled()) {
        triangle(origin, m_arrowColor);
        return;
    }
    triangle({origin.X + 1, origin.Y + 1}, kEngravedLight);
    triangle(origin, kEngravedShadow);
}
