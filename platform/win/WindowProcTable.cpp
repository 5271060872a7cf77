#include "platform/win/WindowProcTable.h"

#include <atomic>
#include <cstdint>

namespace win {

namespace {

constexpr std::uintptr_t kFirstProcHandle = 0x20000;
constexpr std::uintptr_t kProcHandleStep = 4;

// Never reused, like window handles.
std::atomic<std::uintptr_t> g_nextProc{kFirstProcHandle};

}  // namespace

WNDPROC WindowProcTable::Add(WindowProcFn proc)
{
    const WNDPROC handle = reinterpret_cast<WNDPROC>(g_nextProc.fetch_add(kProcHandleStep));
    m_procs.emplace(handle, std::make_shared<const WindowProcFn>(std::move(proc)));
    return handle;
}

void WindowProcTable::Remove(WNDPROC proc)
{
    m_procs.erase(proc);
}

std::shared_ptr<const WindowProcFn> WindowProcTable::Find(WNDPROC proc) const
{
    const auto it = m_procs.find(proc);
    return it == m_procs.end() ? nullptr : it->second;
}

}  // namespace win
