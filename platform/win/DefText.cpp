// DefWindowProc's window text: WM_NCCREATE takes the creation name,
// WM_SETTEXT/WM_GETTEXT/WM_GETTEXTLENGTH keep it. Lengths count code points.

#include "platform/core/Utf8.h"
#include "platform/win/DefWindowHandlers.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

namespace win::def {

namespace {

void StoreText(HWND hwnd, const std::string& text)
{
    Window* w = LookUp(hwnd);
    w->text = text;
    if (w->IsTopLevel()) Sys().backend->SetNativeTitle(hwnd, text);
}

}  // namespace

LRESULT OnNcCreate(HWND hwnd, LPARAM lParam)
{
    if (const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam)) StoreText(hwnd, cs->lpszName);
    return TRUE;
}

LRESULT OnSetText(HWND hwnd, LPARAM lParam)
{
    const auto* text = reinterpret_cast<const std::string*>(lParam);
    StoreText(hwnd, text ? *text : std::string());
    return TRUE;
}

// wParam, when given, is the room in characters including the classic terminator.
LRESULT OnGetText(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    auto* out = reinterpret_cast<std::string*>(lParam);
    if (!out) return 0;
    const std::string& text = LookUp(hwnd)->text;
    *out = wParam > 0 ? Utf8::Truncate(text, wParam - 1) : text;
    return LRESULT(Utf8::Length(*out));
}

LRESULT OnGetTextLength(HWND hwnd)
{
    return LRESULT(Utf8::Length(LookUp(hwnd)->text));
}

}  // namespace win::def
