#include "platform/win/WindowSystem.h"

#include "platform/core/Exception.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WindowSystemImpl.h"

#include <algorithm>
#include <vector>

namespace {

// The live instances, oldest first; the free functions use the last. Never
// freed: exit() called from inside the message loop (Xlib's fatal error
// handler, for one) leaves the window system of the interrupted frame
// standing while the static destructors free the application's forms, which
// let go of their windows through it.
std::vector<WindowSystem*>& Instances()
{
    static auto* instances = new std::vector<WindowSystem*>;
    return *instances;
}

}  // namespace

WindowSystem::WindowSystem(std::unique_ptr<win::Backend> backend)
{
    if (!backend) throw EInvalidOperation("A window system needs a display backend");
    m_impl = std::make_unique<Impl>(std::move(backend));
    Instances().push_back(this);
    SetSurfaceDamageSink(&m_impl->compositor);
}

WindowSystem::~WindowSystem()
{
    // Windows go without messages: whoever made them may be gone already.
    for (HDC dc : m_impl->compositor.AllContexts()) DeleteSurfaceDC(dc);
    for (HWND top : m_impl->windows.TopLevels()) m_impl->backend->DestroyNativeWindow(top);
    auto& instances = Instances();
    std::erase(instances, this);
    SetSurfaceDamageSink(instances.empty() ? nullptr : &instances.back()->m_impl->compositor);
}

WindowSystem& WindowSystem::Current()
{
    auto& instances = Instances();
    if (instances.empty()) throw EInvalidOperation("No window system has been created");
    return *instances.back();
}

bool WindowSystem::Exists()
{
    return !Instances().empty();
}

win::Backend& WindowSystem::Backend()
{
    return *m_impl->backend;
}

bool WindowSystem::ProcessPending()
{
    return win::ProcessPendingMessages();
}

namespace win {

WindowSystem::Impl& Sys()
{
    return WindowSystem::Current().State();
}

Window* LookUp(HWND hwnd)
{
    return hwnd ? Sys().windows.Find(hwnd) : nullptr;
}

}  // namespace win
