#pragma once
// The window system's calls, named and behaving as the classic desktop's.
// They act on the current WindowSystem (see WindowSystem.h). Drawing calls
// are in Gdi.h.
//
// Index
//   window classes and procedures
//   creating, destroying and finding windows
//   geometry and coordinates
//   styles, text, state
//   messages and the queue
//   timers
//   painting
//   device contexts of windows
//   mouse, keyboard, focus and activation
//   standard scroll bars
//   system services

#include "platform/win/Messages.h"
#include "platform/win/WinConst.h"
#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

// --- window classes and procedures ------------------------------------------
bool RegisterClass(const WNDCLASS& wc);
bool UnregisterClass(const std::string& className);
bool GetClassInfo(const std::string& className, WNDCLASS& out);
std::string GetClassName(HWND hwnd);
// Registers a callable (a plain function or an object's bound method) as a
// window procedure. The handle stays valid until FreeObjectInstance.
WNDPROC MakeObjectInstance(WindowProcFn proc);
void FreeObjectInstance(WNDPROC proc);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// --- creating, destroying and finding windows ------------------------------
// x, y are relative to the parent's client area for child windows, screen
// coordinates otherwise. For a child window, menuOrId carries its control id.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId, void* param);
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);
HWND GetParent(HWND hwnd);  // the parent of a child, the owner of a top-level window
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND hwnd, UINT relation);  // GW_*
HWND GetTopWindow(HWND parent);            // top child in z-order; nullptr parent = top-level windows
HWND GetAncestorRoot(HWND hwnd);           // the top-level window that holds hwnd
bool IsChild(HWND parent, HWND hwnd);      // hwnd is a descendant of parent
std::vector<HWND> GetChildWindows(HWND parent);  // direct children, top of z-order first
std::vector<HWND> GetTopLevelWindows();          // top of z-order first
HWND GetDesktopWindow();
HWND WindowFromPoint(POINT screen);
HWND ChildWindowFromPoint(HWND parent, POINT client);

// --- geometry and coordinates -----------------------------------------------
bool GetWindowRect(HWND hwnd, RECT& screen);
bool GetClientRect(HWND hwnd, RECT& client);  // always (0, 0, width, height)
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool BringWindowToTop(HWND hwnd);
bool ClientToScreen(HWND hwnd, POINT& p);
bool ScreenToClient(HWND hwnd, POINT& p);
// Maps points from one window's client coordinates to another's (nullptr = screen).
void MapWindowPoints(HWND from, HWND to, POINT* points, int count);
bool AdjustWindowRectEx(RECT& rect, DWORD style, bool hasMenu, DWORD exStyle);
// The window's shape; the window owns the region afterwards. nullptr = rectangular.
int SetWindowRgn(HWND hwnd, HRGN region, bool redraw);
int GetWindowRgn(HWND hwnd, HRGN copyInto);  // region type, or 0 (ERROR) without a shape

// --- styles, text, state ---------------------------------------------------
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);               // GWL_*; GWL_WNDPROC gives a WNDPROC
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);  // returns the previous value
inline LONG_PTR GetWindowLong(HWND hwnd, int index) { return GetWindowLongPtr(hwnd, index); }
inline LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value) { return SetWindowLongPtr(hwnd, index, value); }
// Text travels in WM_SETTEXT (lParam: const std::string*) and WM_GETTEXT (lParam: std::string*).
bool SetWindowText(HWND hwnd, const std::string& text);
std::string GetWindowText(HWND hwnd);
bool ShowWindow(HWND hwnd, int showCommand);  // returns whether it was visible before
bool IsWindowVisible(HWND hwnd);              // it and all its ancestors are visible
bool EnableWindow(HWND hwnd, bool enable);    // returns whether it was disabled before
bool IsWindowEnabled(HWND hwnd);
bool IsIconic(HWND hwnd);
// Hides the owner's visible owned windows (show false) or shows again those hidden so.
bool ShowOwnedPopups(HWND owner, bool show);
bool IsZoomed(HWND hwnd);
bool SetProp(HWND hwnd, const std::string& name, void* value);
void* GetProp(HWND hwnd, const std::string& name);
void* RemoveProp(HWND hwnd, const std::string& name);

// --- messages and the queue -------------------------------------------------
enum : UINT { PM_NOREMOVE = 0, PM_REMOVE = 1 };
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Waits for the next message (input, posted, paint, timer); false on WM_QUIT.
bool GetMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax);
bool PeekMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
bool WaitMessage();
bool TranslateMessage(const MSG& msg);
LRESULT DispatchMessage(const MSG& msg);
DWORD GetMessageTime();
POINT GetMessagePos();
DWORD GetTickCount();

// --- timers -------------------------------------------------------------------
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
bool KillTimer(HWND hwnd, UINT_PTR id);

// --- painting ---------------------------------------------------------------
bool InvalidateRect(HWND hwnd, const RECT* rect, bool erase);  // client coordinates; nullptr = all
bool InvalidateRgn(HWND hwnd, HRGN region, bool erase);
bool ValidateRect(HWND hwnd, const RECT* rect);
bool ValidateRgn(HWND hwnd, HRGN region);
bool GetUpdateRect(HWND hwnd, RECT* rect, bool erase);
int GetUpdateRgn(HWND hwnd, HRGN copyInto, bool erase);
bool UpdateWindow(HWND hwnd);
bool RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps);
bool EndPaint(HWND hwnd, const PAINTSTRUCT& ps);
bool ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scrollRect, const RECT* clipRect);

// --- device contexts of windows ---------------------------------------------
HDC GetDC(HWND hwnd);        // client area; nullptr = the whole screen
HDC GetWindowDC(HWND hwnd);  // the whole window, non-client area included
HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

// --- mouse, keyboard, focus and activation -------------------------------
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
short GetKeyState(int virtualKey);       // high bit: down; low bit: toggled
short GetAsyncKeyState(int virtualKey);
bool TrackMouseEvent(TRACKMOUSEEVENT& tme);
bool GetCursorPos(POINT& screen);
bool SetCursorPos(int x, int y);
HCURSOR LoadCursor(HINSTANCE instance, int cursorId);  // instance nullptr: the standard cursors
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
UINT GetDoubleClickTime();
void DragAcceptFiles(HWND hwnd, bool accept);
// WM_DROPFILES carries (WPARAM) a const std::vector<std::string>* of UTF-8 paths.

// --- standard scroll bars ---------------------------------------------------
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw);  // returns the position
bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info);
bool GetScrollBarInfo(HWND hwnd, LONG objectId, SCROLLBARINFO& info);
int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw);
int GetScrollPos(HWND hwnd, int bar);
bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw);
bool ShowScrollBar(HWND hwnd, int bar, bool show);
bool EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);

// --- system services ----------------------------------------------------------
int GetSystemMetrics(int index);
bool SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni);
bool GetVersionEx(OSVERSIONINFO& info);
// The shell's "open" on an address or file. Returns a value above 32 when started.
std::intptr_t ShellExecute(HWND owner, const std::string& verb, const std::string& file,
                           const std::string& parameters, const std::string& directory, int showCommand);
bool SetClipboardText(const std::string& text);
std::string GetClipboardText();
bool MessageBeep(UINT type);
