// System services: metrics, parameters, version, cursor, the shell's open,
// the clipboard, dropped files, the clock.

#include "platform/win/Metrics.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

#include <algorithm>
#include <array>
#include <cctype>

using namespace win;

namespace {

struct FixedMetric {
    int index;
    int value;
};

// Metrics that do not depend on the screen.
constexpr std::array kFixedMetrics = {
    FixedMetric{SM_CXVSCROLL, metrics::kScrollBar},   FixedMetric{SM_CYHSCROLL, metrics::kScrollBar},
    FixedMetric{SM_CYVSCROLL, metrics::kScrollBar},   FixedMetric{SM_CXHSCROLL, metrics::kScrollBar},
    FixedMetric{SM_CYVTHUMB, metrics::kScrollBar},    FixedMetric{SM_CXHTHUMB, metrics::kScrollBar},
    FixedMetric{SM_CYCAPTION, metrics::kCaption},     FixedMetric{SM_CXSIZE, metrics::kCaption},
    FixedMetric{SM_CYSIZE, metrics::kCaption},        FixedMetric{SM_CYMENU, metrics::kMenuBar + 1},
    FixedMetric{SM_CXBORDER, metrics::kBorder},       FixedMetric{SM_CYBORDER, metrics::kBorder},
    FixedMetric{SM_CXEDGE, metrics::kEdge},           FixedMetric{SM_CYEDGE, metrics::kEdge},
    FixedMetric{SM_CXDLGFRAME, metrics::kDialogFrame}, FixedMetric{SM_CYDLGFRAME, metrics::kDialogFrame},
    FixedMetric{SM_CXFRAME, metrics::kSizingFrame},   FixedMetric{SM_CYFRAME, metrics::kSizingFrame},
    FixedMetric{SM_CXICON, metrics::kIcon},           FixedMetric{SM_CYICON, metrics::kIcon},
    FixedMetric{SM_CXSMICON, metrics::kSmallIcon},    FixedMetric{SM_CYSMICON, metrics::kSmallIcon},
    FixedMetric{SM_CXCURSOR, metrics::kCursor},       FixedMetric{SM_CYCURSOR, metrics::kCursor},
    FixedMetric{SM_CXDOUBLECLK, metrics::kDoubleClickArea}, FixedMetric{SM_CYDOUBLECLK, metrics::kDoubleClickArea},
    FixedMetric{SM_CXMIN, metrics::kMinTrackWidth},   FixedMetric{SM_CYMIN, metrics::kMinTrackHeight},
    FixedMetric{SM_CXMINTRACK, metrics::kMinTrackWidth}, FixedMetric{SM_CYMINTRACK, metrics::kMinTrackHeight},
    FixedMetric{SM_CXMENUCHECK, metrics::kMenuCheck}, FixedMetric{SM_CYMENUCHECK, metrics::kMenuCheck},
    FixedMetric{SM_SWAPBUTTON, 0},
};

constexpr std::array kStandardCursors = {IDC_ARROW,    IDC_IBEAM,    IDC_WAIT,   IDC_CROSS,  IDC_UPARROW,
                                         IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL,
                                         IDC_NO,       IDC_HAND,     IDC_APPSTARTING, IDC_HELP};

constexpr int kShellStarted = 42;       // any value above 32 means started
constexpr int kShellNoAssociation = 31;  // SE_ERR_NOASSOC
constexpr DWORD kVersionMajor = 10;
constexpr DWORD kVersionBuild = 19045;
constexpr LONG kUiFontHeight = -11;  // px em size of the interface fonts

LOGFONT UiFont(LONG weight)
{
    LOGFONT f;
    f.lfHeight = kUiFontHeight;
    f.lfWeight = weight;
    f.lfFaceName = "Tahoma";
    return f;
}

void FillNonClientMetrics(NONCLIENTMETRICS& m)
{
    m.iBorderWidth = metrics::kBorder;
    m.iScrollWidth = metrics::kScrollBar;
    m.iScrollHeight = metrics::kScrollBar;
    m.iCaptionWidth = metrics::kCaption;
    m.iCaptionHeight = metrics::kCaption;
    m.iMenuWidth = metrics::kMenuBar;
    m.iMenuHeight = metrics::kMenuBar;
    constexpr LONG kBold = 700;
    constexpr LONG kNormal = 400;
    m.lfCaptionFont = UiFont(kBold);
    m.lfSmCaptionFont = UiFont(kBold);
    m.lfMenuFont = UiFont(kNormal);
    m.lfStatusFont = UiFont(kNormal);
    m.lfMessageFont = UiFont(kNormal);
}

bool IsOpenVerb(const std::string& verb)
{
    std::string v = verb;
    std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return v.empty() || v == "open";
}

}  // namespace

int GetSystemMetrics(int index)
{
    WindowSystem::Impl& sys = Sys();
    const TRect screen = sys.backend->ScreenRect();
    const TRect work = sys.backend->WorkArea();
    switch (index) {
    case SM_CXSCREEN:
        return screen.Width();
    case SM_CYSCREEN:
        return screen.Height();
    case SM_CXFULLSCREEN:
        return work.Width();
    case SM_CYFULLSCREEN:
        return work.Height() - metrics::kCaption;
    case SM_CXMAXIMIZED:
        return work.Width();
    case SM_CYMAXIMIZED:
        return work.Height();
    default:
        break;
    }
    for (const FixedMetric& m : kFixedMetrics)
        if (m.index == index) return m.value;
    return 0;
}

bool SystemParametersInfo(UINT action, UINT /*param*/, void* data, UINT /*winIni*/)
{
    if (!data) return false;
    switch (action) {
    case SPI_GETWORKAREA:
        *static_cast<RECT*>(data) = Sys().backend->WorkArea();
        return true;
    case SPI_GETNONCLIENTMETRICS:
        FillNonClientMetrics(*static_cast<NONCLIENTMETRICS*>(data));
        return true;
    default:
        return false;
    }
}

bool GetVersionEx(OSVERSIONINFO& info)
{
    info.dwMajorVersion = kVersionMajor;
    info.dwMinorVersion = 0;
    info.dwBuildNumber = kVersionBuild;
    info.dwPlatformId = VER_PLATFORM_WIN32_NT;
    info.szCSDVersion.clear();
    return true;
}

std::intptr_t ShellExecute(HWND /*owner*/, const std::string& verb, const std::string& file,
                           const std::string& /*parameters*/, const std::string& /*directory*/, int /*showCommand*/)
{
    if (!IsOpenVerb(verb) || file.empty()) return kShellNoAssociation;
    Sys().backend->OpenUrl(file);
    return kShellStarted;
}

bool SetClipboardText(const std::string& text)
{
    Sys().backend->SetClipboardText(text);
    return true;
}

std::string GetClipboardText()
{
    return Sys().backend->ClipboardText().value_or(std::string());
}

bool MessageBeep(UINT /*type*/)
{
    return true;
}

DWORD GetTickCount()
{
    return Sys().backend->NowMs();
}

bool GetCursorPos(POINT& screen)
{
    screen = Sys().backend->CursorPos();
    return true;
}

bool SetCursorPos(int x, int y)
{
    Sys().backend->SetCursorPos({x, y});
    return true;
}

HCURSOR LoadCursor(HINSTANCE instance, int cursorId)
{
    if (instance) return nullptr;
    const bool known = std::find(kStandardCursors.begin(), kStandardCursors.end(), cursorId) != kStandardCursors.end();
    return known ? reinterpret_cast<HCURSOR>(std::intptr_t(cursorId)) : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    WindowSystem::Impl& sys = Sys();
    const HCURSOR old = sys.input.cursor;
    sys.input.cursor = cursor;
    if (cursor && cursor != old) sys.backend->SetCursorShape(int(reinterpret_cast<std::intptr_t>(cursor)));
    return old;
}

HCURSOR GetCursor()
{
    return Sys().input.cursor;
}

void DragAcceptFiles(HWND hwnd, bool accept)
{
    Window* w = LookUp(hwnd);
    if (!w) return;
    if (accept)
        w->exStyle |= WS_EX_ACCEPTFILES;
    else
        w->exStyle &= ~DWORD(WS_EX_ACCEPTFILES);
}
