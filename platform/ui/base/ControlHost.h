#pragma once
// TControlHost: what controls need of the program that runs them, kept
// below the application so that the control base does not depend on it:
// the pointer state and the place where exceptions that escape a window
// procedure, a timer or an event end.
//
// The application is a host. A host becomes the current one when it is
// made and hands back to the one before when it goes, so a test may run
// an application of its own for a while. With no host alive, a standalone
// one writes exceptions to stderr.

#include "platform/ui/base/PointerState.h"

class TObject;

class TControlHost {
public:
    TControlHost(const TControlHost&) = delete;
    TControlHost& operator=(const TControlHost&) = delete;

    [[nodiscard]] static TControlHost& Current();

    [[nodiscard]] TPointerState& Pointer() { return m_pointer; }
    // Call from inside a catch block: reports the exception being handled.
    virtual void HandleException(TObject* sender);

protected:
    TControlHost();
    virtual ~TControlHost();

private:
    struct Standalone {};
    explicit TControlHost(Standalone) {}

    TPointerState m_pointer;
    TControlHost* m_previous = nullptr;
    bool m_registered = false;
};
