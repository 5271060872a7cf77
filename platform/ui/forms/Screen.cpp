#include "platform/ui/forms/Screen.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/graphics/Font.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

QZ_IMPLEMENT_CLASS(TScreen);

void TScreen::Publish(TClassBuilder<TScreen>& /*c*/) {}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TScreen::~TScreen() = default;

int TScreen::Width() const
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::DesktopRect() const
{
    return {0, 0, Width(), Height()};
}

TRect TScreen::WorkAreaRect() const
{
    RECT work;
    if (!SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0)) return DesktopRect();
    return work;
}

void TScreen::SetCursor(TCursor cursor)
{
    ++m_cursorCount;
    if (m_cursor == cursor) return;
    m_cursor = cursor;
    if (!WindowSystem::Exists()) return;
    if (cursor != crDefault) {
        ::SetCursor(Cursors(cursor));
        return;
    }
    // Back to the controls' own cursors: the window under the pointer chooses again.
    POINT p;
    GetCursorPos(p);
    if (const HWND window = WindowFromPoint(p)) {
        SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                    MAKELPARAM(WORD(HTCLIENT), WORD(WM_MOUSEMOVE)));
    }
}

HCURSOR TScreen::Cursors(TCursor cursor) const
{
    const int shape = CursorShapeOf(cursor);
    return shape ? LoadCursor(nullptr, shape) : nullptr;
}

TCustomForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return m_forms[std::size_t(index)];
}

void TScreen::AddForm(TCustomForm* form)
{
    m_forms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    std::erase(m_forms, form);
    std::erase(m_savedFocusedForms, form);
    if (m_focusedForm == form) m_focusedForm = nullptr;
    if (m_activeForm == form) {
        m_activeForm = nullptr;
        m_activeControl = nullptr;
    }
}

TPoint TScreen::NextDefaultFormPlace()
{
    const TRect work = WorkAreaRect();
    const int step = (m_defaultPlaces++ % kCascadeCount) * kCascadeStep;
    return {work.Left + step, work.Top + step};
}

void TScreen::LoadSystemFonts() const
{
    m_menuFont = std::make_unique<TFont>();
    if (!WindowSystem::Exists()) return;
    NONCLIENTMETRICS metrics;
    metrics.cbSize = sizeof(NONCLIENTMETRICS);
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
    m_menuFont->SetHandle(CreateFontIndirect(metrics.lfMenuFont));
}

TFont* TScreen::MenuFont() const
{
    if (!m_menuFont) LoadSystemFonts();
    return m_menuFont.get();
}
