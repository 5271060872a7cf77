#include "platform/win/WindowClassTable.h"

#include <algorithm>

namespace win {

std::string WindowClassTable::Key(const std::string& name)
{
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return key;
}

bool WindowClassTable::Register(const WNDCLASS& wc)
{
    if (wc.lpszClassName.empty()) return false;
    return m_classes.emplace(Key(wc.lpszClassName), wc).second;
}

bool WindowClassTable::Unregister(const std::string& name)
{
    return m_classes.erase(Key(name)) > 0;
}

const WNDCLASS* WindowClassTable::Find(const std::string& name) const
{
    const auto it = m_classes.find(Key(name));
    return it == m_classes.end() ? nullptr : &it->second;
}

}  // namespace win
