#pragma once
// The handlers behind DefWindowProc's one dispatch switch (DefWindowProc.cpp),
// each in the file of its area.

#include "platform/win/WinTypes.h"

namespace win::def {

// NonClient.cpp
LRESULT OnNcCalcSize(HWND hwnd, LPARAM lParam);
LRESULT OnNcHitTest(HWND hwnd, LPARAM lParam);
// NonClientPaint.cpp
LRESULT OnNcPaint(HWND hwnd, WPARAM wParam);
// DefPaint.cpp
LRESULT OnPaint(HWND hwnd, WPARAM wParam);
LRESULT OnEraseBkgnd(HWND hwnd, WPARAM wParam);
LRESULT OnSetRedraw(HWND hwnd, WPARAM wParam);
// DefMouse.cpp
LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnActivate(HWND hwnd, WPARAM wParam);
LRESULT OnRButtonUp(HWND hwnd, LPARAM lParam);
LRESULT OnCancelMode(HWND hwnd);
// WM_CONTEXTMENU and WM_MOUSEWHEEL: a child hands them to its parent.
LRESULT PassToParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// DefText.cpp
LRESULT OnNcCreate(HWND hwnd, LPARAM lParam);
LRESULT OnSetText(HWND hwnd, LPARAM lParam);
LRESULT OnGetText(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnGetTextLength(HWND hwnd);
// DefWindowPos.cpp
LRESULT OnWindowPosChanging(HWND hwnd, LPARAM lParam);
LRESULT OnWindowPosChanged(HWND hwnd, LPARAM lParam);
// SysCommand.cpp
LRESULT OnSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnNcLButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnNcLButtonDblClk(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnClose(HWND hwnd);
LRESULT OnKeyDown(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT OnSysKeyUp(HWND hwnd, WPARAM wParam);
LRESULT OnSysChar(HWND hwnd, WPARAM wParam);

}  // namespace win::def
