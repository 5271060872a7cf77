#pragma once
// The window system's scalar types, handles and records. Handles are opaque
// identifiers, never pointers to live objects: a handle of a destroyed
// window or object simply stops being valid (IsWindow is false).

#include "platform/core/Rect.h"

#include <cstdint>
#include <functional>
#include <string>

using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using LONG = std::int32_t;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;

// Some C headers (FreeType, GLib) define these as macros; theirs mean the same.
#ifndef FALSE
constexpr BOOL FALSE = 0;
#endif
#ifndef TRUE
constexpr BOOL TRUE = 1;
#endif

using POINT = TPoint;
using RECT = TRect;
using SIZE = TSize;

#define QZ_DECLARE_HANDLE(name) using name = struct name##__*
QZ_DECLARE_HANDLE(HWND);
QZ_DECLARE_HANDLE(HDC);
QZ_DECLARE_HANDLE(HGDIOBJ);
QZ_DECLARE_HANDLE(HICON);
QZ_DECLARE_HANDLE(HCURSOR);
QZ_DECLARE_HANDLE(HMENU);
QZ_DECLARE_HANDLE(HINSTANCE);
QZ_DECLARE_HANDLE(WNDPROC);  // a registered window procedure (see MakeObjectInstance)
#undef QZ_DECLARE_HANDLE

// GDI objects share one handle space; these names document what a handle holds.
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HFONT = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HRGN = HGDIOBJ;

using COLORREF = DWORD;  // 0x00BBGGRR

// A window procedure as code: a plain function or any callable (an object's
// method bound to it). Registered with MakeObjectInstance to get a WNDPROC.
using WindowProcFn = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

constexpr WORD LOWORD(std::uintptr_t v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
constexpr DWORD MAKELONG(WORD lo, WORD hi) { return DWORD(lo) | (DWORD(hi) << 16); }
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) { return WPARAM(MAKELONG(lo, hi)); }
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) { return LPARAM(MAKELONG(lo, hi)); }
// Signed 16-bit coordinates packed into a message parameter.
constexpr int GET_X_LPARAM(LPARAM lp) { return std::int16_t(lp & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return std::int16_t((lp >> 16) & 0xFFFF); }
constexpr LPARAM PointToLParam(TPoint p) { return MAKELPARAM(WORD(p.X), WORD(p.Y)); }
constexpr TPoint LParamToPoint(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return short(HIWORD(wp)); }

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

struct WNDCLASS {
    UINT style = 0;          // CS_*
    WNDPROC lpfnWndProc = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;  // a brush, or (COLOR_* + 1) cast to HBRUSH
    std::string lpszClassName;
};

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HMENU hMenu = nullptr;  // child windows: the control id
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    std::string lpszName;
    std::string lpszClass;
    DWORD dwExStyle = 0;
};

struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;  // SWP_*
};

// WM_STYLECHANGING / WM_STYLECHANGED lParam (wParam: GWL_STYLE or GWL_EXSTYLE).
struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

struct NCCALCSIZE_PARAMS {
    RECT rgrc[3];  // in: new window rect (parent coordinates); out: new client rect
    WINDOWPOS* lppos = nullptr;
};

struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = 0;
    RECT rcPaint;
};

struct SCROLLINFO {
    UINT cbSize = 28;
    UINT fMask = 0;  // SIF_*
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

constexpr int CCHILDREN_SCROLLBAR = 5;
struct SCROLLBARINFO {
    DWORD cbSize = 60;
    RECT rcScrollBar;     // screen coordinates
    int dxyLineButton = 0;
    int xyThumbTop = 0;   // relative to rcScrollBar's top (vertical) or left (horizontal)
    int xyThumbBottom = 0;
    int reserved = 0;
    DWORD rgstate[CCHILDREN_SCROLLBAR + 1] = {};  // STATE_SYSTEM_*; [0] is the bar itself
};

struct COMBOBOXINFO {
    DWORD cbSize = 52;
    RECT rcItem;    // the edit or static field, client coordinates
    RECT rcButton;  // the drop-down button, client coordinates
    DWORD stateButton = 0;
    HWND hwndCombo = nullptr;
    HWND hwndItem = nullptr;
    HWND hwndList = nullptr;
};

struct TRACKMOUSEEVENT {
    DWORD cbSize = 0;
    DWORD dwFlags = 0;  // TME_*
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};

constexpr int LF_FACESIZE = 32;
struct LOGFONT {
    LONG lfHeight = 0;  // < 0: em size in pixels; > 0: cell height
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 400;  // FW_NORMAL; FW_BOLD is 700
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 1;  // DEFAULT_CHARSET
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    std::string lfFaceName;
};

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
};

struct NONCLIENTMETRICS {
    UINT cbSize = 0;
    int iBorderWidth = 1;
    int iScrollWidth = 16;
    int iScrollHeight = 16;
    int iCaptionWidth = 18;
    int iCaptionHeight = 18;
    LOGFONT lfCaptionFont;
    int iSmCaptionWidth = 12;
    int iSmCaptionHeight = 15;
    LOGFONT lfSmCaptionFont;
    int iMenuWidth = 18;
    int iMenuHeight = 18;
    LOGFONT lfMenuFont;
    LOGFONT lfStatusFont;
    LOGFONT lfMessageFont;
};

struct OSVERSIONINFO {
    DWORD dwOSVersionInfoSize = 0;
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;  // VER_PLATFORM_*
    std::string szCSDVersion;
};

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
};
