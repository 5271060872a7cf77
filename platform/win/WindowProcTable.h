#pragma once
// Window procedures registered with MakeObjectInstance, by their WNDPROC
// handle. A call holds its own reference, so a procedure that frees its own
// instance while running finishes safely.

#include "platform/win/WinTypes.h"

#include <memory>
#include <unordered_map>

namespace win {

class WindowProcTable {
public:
    WNDPROC Add(WindowProcFn proc);
    void Remove(WNDPROC proc);
    // nullptr for an unknown or freed handle.
    [[nodiscard]] std::shared_ptr<const WindowProcFn> Find(WNDPROC proc) const;

private:
    std::unordered_map<WNDPROC, std::shared_ptr<const WindowProcFn>> m_procs;
};

}  // namespace win
