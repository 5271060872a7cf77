#pragma once
// The application's message box goes through one replaceable handler, so
// that the real message box window (a form of its own) can be plugged in
// and tests can see what would be shown. The flags and answers are the
// classic MB_* and ID* values.

#include "platform/win/WinTypes.h"

#include <functional>
#include <string>

enum : UINT {
    MB_OK = 0x00000000,
    MB_OKCANCEL = 0x00000001,
    MB_ABORTRETRYIGNORE = 0x00000002,
    MB_YESNOCANCEL = 0x00000003,
    MB_YESNO = 0x00000004,
    MB_RETRYCANCEL = 0x00000005,
    MB_ICONHAND = 0x00000010,
    MB_ICONERROR = MB_ICONHAND,
    MB_ICONSTOP = MB_ICONHAND,
    MB_ICONQUESTION = 0x00000020,
    MB_ICONEXCLAMATION = 0x00000030,
    MB_ICONWARNING = MB_ICONEXCLAMATION,
    MB_ICONASTERISK = 0x00000040,
    MB_ICONINFORMATION = MB_ICONASTERISK,
    MB_DEFBUTTON1 = 0x00000000,
    MB_DEFBUTTON2 = 0x00000100,
    MB_DEFBUTTON3 = 0x00000200,
    MB_TYPEMASK = 0x0000000F,
    MB_ICONMASK = 0x000000F0,
};

enum : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

// Shows text with caption and the buttons and icon flags ask for; returns
// the ID* of the button chosen.
using TMessageBoxHandler = std::function<int(const std::string& text, const std::string& caption, UINT flags)>;

// The handler used while none is set: the message box window, modal. With
// no window system it writes "caption: text" to stderr and answers with the
// first button (IDOK, IDYES, IDABORT or IDRETRY).
[[nodiscard]] int DefaultMessageBox(const std::string& text, const std::string& caption, UINT flags);
