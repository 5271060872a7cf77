#include "platform/ui/base/ControlHost.h"

#include "platform/core/Exception.h"

#include <exception>
#include <iostream>

namespace {

TControlHost* g_current = nullptr;

}  // namespace

TControlHost::TControlHost() : m_previous(g_current), m_registered(true)
{
    g_current = this;
}

TControlHost::~TControlHost()
{
    if (!m_registered) return;
    // Hosts usually go in the reverse order of their making; any other
    // order leaves the chain intact too.
    for (TControlHost** link = &g_current; *link; link = &(*link)->m_previous) {
        if (*link == this) {
            *link = m_previous;
            break;
        }
    }
}

TControlHost& TControlHost::Current()
{
    static TControlHost standalone{Standalone{}};
    return g_current ? *g_current : standalone;
}

void TControlHost::HandleException(TObject* /*sender*/)
{
    try {
        throw;
    } catch (const Exception& e) {
        std::cerr << e.Message << '\n';
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
    }
}
