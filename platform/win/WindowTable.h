#pragma once
// Every live window by handle, and the z-order of the top-level windows.
// Handle values come from one counter for the whole process and are never
// given out twice, so a stale handle can only miss, never hit another window.

#include "platform/win/Window.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace win {

class WindowTable {
public:
    // The handle GetDesktopWindow gives: no record, never a window of ours.
    static HWND DesktopHandle();

    // Takes the record, gives it a fresh handle and returns it.
    HWND Add(std::unique_ptr<Window> window);
    void Remove(HWND hwnd);
    [[nodiscard]] Window* Find(HWND hwnd) const;

    // Top-level windows, top of the z-order first (topmost ones before the others).
    [[nodiscard]] std::vector<HWND>& TopLevels() { return m_topLevels; }
    [[nodiscard]] const std::vector<HWND>& TopLevels() const { return m_topLevels; }

private:
    std::unordered_map<HWND, std::unique_ptr<Window>> m_windows;
    std::vector<HWND> m_topLevels;
};

}  // namespace win
