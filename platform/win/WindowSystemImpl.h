#pragma once
// The state behind WindowSystem: every window, the queue, timers, input
// state and composition. The calls of WinApi.h reach it through win::Sys().
//
// Where things live:
//   Window.h, WindowTable, WindowTree          the record, handles, parent/child/owner links, z-order
//   CreateWindow.cpp, DestroyWindow.cpp, WindowReparent.cpp   creation and destruction order, SetParent
//   WindowPos.cpp (PositionWindow), WindowState.cpp, MinMaxInfo   moving, sizing, showing, show states
//   WindowData.cpp, WindowClass.cpp, WindowClassTable, WindowProcTable, WindowGeometry.cpp, WindowRegion.cpp
//   MessageSend.cpp, MessageRetrieval.cpp (MessagePump.h), MessageQueue, TimerQueue, Timers.cpp
//   Invalidation.cpp, Painting.cpp, VisibleRegion.cpp, WindowDC.cpp, Compositor, NativeWindow.cpp
//   BackendEvents.cpp, InputRouting.cpp, HitTest.cpp, MouseTracking.cpp, Keyboard.cpp, KeyStateTable,
//   Capture.cpp, Focus.cpp, Activation.cpp
//   DefWindowProc.cpp (the one switch) and its handlers (DefWindowHandlers.h): NonClient.cpp,
//   NonClientPaint.cpp, DefPaint.cpp, DefMouse.cpp, DefText.cpp, DefWindowPos.cpp, SysCommand.cpp
//   modal loops: MoveSizeLoop.cpp, NonClientScrollBarTrack.cpp, sharing TrackingLoop.cpp
//   scroll bars: NonClientScrollBarLayout (the one pure layout), NonClientScrollBar*.cpp
//   SystemServices.cpp, Metrics.h, NonClientLayout

#include "platform/gfx/PixelBuffer.h"
#include "platform/win/Compositor.h"
#include "platform/win/InputState.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/TimerQueue.h"
#include "platform/win/WindowClassTable.h"
#include "platform/win/WindowProcTable.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTable.h"

#include <optional>

struct WindowSystem::Impl {
    explicit Impl(std::unique_ptr<win::Backend> b) : backend(std::move(b)) {}

    std::unique_ptr<win::Backend> backend;
    win::WindowTable windows;
    win::WindowClassTable classes;
    win::WindowProcTable procs;
    win::MessageQueue queue;
    win::TimerQueue timers;
    win::InputState input;
    win::Compositor compositor;
    std::optional<PixelBuffer> icon;  // the program's icon, once looked for (ProgramIcon.h)
    bool iconLooked = false;
};

namespace win {

[[nodiscard]] WindowSystem::Impl& Sys();
// The record of a live window; nullptr for a destroyed, unknown or desktop handle.
[[nodiscard]] Window* LookUp(HWND hwnd);
[[nodiscard]] inline bool IsDesktop(HWND hwnd) { return hwnd == WindowTable::DesktopHandle(); }

}  // namespace win
