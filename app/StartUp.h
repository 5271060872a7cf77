#pragma once
// The analyser's start-up: the application object, its title, the main
// window from its form description, and the message loop.

#include <functional>
#include <memory>
#include <string>

namespace win {
class Backend;
}

// Registers what the main window's form description needs: the program's
// resources and its component classes. Safe to call more than once.
void PrepareApplication();

// Start-up's first steps: the application initialised and titled, the
// main window made from its form description (frmMain).
void CreateMainWindow();

// Runs startUp; an exception that escapes it is shown by the application's
// exception display, one that is no framework exception as a framework
// exception with an empty message. The result is 0 either way.
int RunGuarded(const std::function<void()>& startUp);

// Runs the main window on backend until it closes. An exception that escapes
// start-up is shown by the application's exception display; the result is 0
// either way, as the window's own closing gives.
int RunMainWindow(std::unique_ptr<win::Backend> backend);

// Builds the main window on a headless desktop, lets it paint, and writes
// its pixels to path as a PNG picture; with a file to analyse, the window
// first chooses it and runs the analysis as its buttons would. Throws what
// the window or the writing raised.
void SaveMainWindowScreenshot(const std::string& path, const std::string& analyse = {});
