#pragma once
// Brackets a scope with BeginUpdate/EndUpdate, so that a list or collection
// reports one change for a batch of edits even when one of them throws.

#include <exception>

template <class T>
class UpdateGuard {
public:
    explicit UpdateGuard(T& target) : m_target(target) { m_target.BeginUpdate(); }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

    // EndUpdate may run change handlers, which may throw. While another
    // exception is already unwinding, that first exception is the one the
    // caller sees, so a second one from the handlers is dropped.
    ~UpdateGuard() noexcept(false)
    {
        if (std::uncaught_exceptions() == m_unwinding) {
            m_target.EndUpdate();
            return;
        }
        try {
            m_target.EndUpdate();
        } catch (...) {
        }
    }

private:
    T& m_target;
    int m_unwinding = std::uncaught_exceptions();
};
