#pragma once
// Registered window classes, by name (case-insensitive, as classically).

#include "platform/win/WinTypes.h"

#include <map>
#include <string>

namespace win {

class WindowClassTable {
public:
    // False when the name is empty or already registered.
    bool Register(const WNDCLASS& wc);
    bool Unregister(const std::string& name);
    [[nodiscard]] const WNDCLASS* Find(const std::string& name) const;

private:
    [[nodiscard]] static std::string Key(const std::string& name);

    std::map<std::string, WNDCLASS> m_classes;
};

}  // namespace win
