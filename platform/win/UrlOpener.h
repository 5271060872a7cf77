#pragma once
// The desktop's "open" for addresses: runs the desktop's URL opener fully
// detached (its own session, no terminal, no zombie left behind) and never
// waits for it. Failure is not reported: the shell's open has no answer either.

#include <string>

namespace win {

constexpr const char* kDesktopUrlOpener = "xdg-open";

// Addresses that are empty or could pass for an option of the opener are ignored.
void OpenUrlDetached(const std::string& url, const std::string& opener = kDesktopUrlOpener);

}  // namespace win
