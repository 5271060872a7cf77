#pragma once
// The command line: `qzviewer --report [--no-header-check] [--thorough]
// [--offsets] [--json] FILE...` prints the report of each file; `qzviewer --screenshot FILE.png [EXE]` draws the
// main window off screen into a picture, after analysing EXE when given;
// without arguments the program opens its window.

#include "app/AnalysisReport.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Exit codes of a report run. With the header check on, the most alarming
// finding decides: a file that may be bound (1) outranks a failed check (2),
// so an unreadable file among many never hides a bound one; the failed file is
// in the report all the same. Without the check: 0 when every file could be
// read, 2 when one could not.
enum class ExitCode : int {
    Passed = 0,
    MayBeBound = 1,
    CheckFailed = 2,
    Usage = 3,
};

enum class CommandMode {
    Window,      // no arguments
    Help,
    Report,
    Screenshot,  // Files: the picture to write, then the file to analyse first, if any
    UsageError,
};

struct CommandLine {
    CommandMode Mode = CommandMode::Window;
    HeaderCheck Check = HeaderCheck::On;
    ScanDepth Depth = ScanDepth::Classic;  // --thorough: every "MZ", also in skipped stretches
    bool Offsets = false;                  // --offsets: where each header lies
    bool Json = false;                     // --json: one JSON object per file
    std::vector<std::string> Files;
    std::string Error;  // why the arguments were refused
};

// args are the arguments after the program's name.
CommandLine ParseCommandLine(std::span<const char* const> args);

std::string_view UsageText();

// Runs a help, report or refused command line and returns the exit code; the
// window and the screenshot are the caller's.
int RunCommandLine(const CommandLine& command, std::ostream& out, std::ostream& err);
