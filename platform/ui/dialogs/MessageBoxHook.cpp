#include "platform/ui/dialogs/MessageBoxHook.h"

#include "platform/ui/dialogs/MessageDialog.h"
#include "platform/win/WindowSystem.h"

#include <cstdio>

int DefaultMessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    if (WindowSystem::Exists()) return ShowMessageBoxDialog(text, caption, flags);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    switch (flags & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
    }
}
