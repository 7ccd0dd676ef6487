// kalvena.exe, started in a folder of its own as its user would start it there, and ended at the
// end of the test whatever happened.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "harness/wait.h"

// The kalvena.exe under test: KALVENA_EXE from the environment, else the delivered one.
std::wstring programPath();

class Program {
public:
    // Starts the program with the folder as its working directory. The entries ("NAME=value")
    // are added to the environment it inherits.
    explicit Program(const std::wstring& workDir,
                     const std::vector<std::wstring>& environment = {});
    // Terminates the program if it still runs: no test leaves a process behind.
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD processId() const { return info_.dwProcessId; }
    // The program's one thread, which owns all its windows.
    DWORD threadId() const { return info_.dwThreadId; }

    bool hasExited() const;
    // The exit code, once the program has ended within the timeout.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout = 10s) const;

    // The program's shown top-level windows, topmost first.
    std::vector<HWND> shownTopLevelWindows() const;

    // The MainWindow (a shown top-level dialog captioned "Kalvena"); throws when it has not
    // appeared within the timeout.
    HWND waitForMainWindow(std::chrono::milliseconds timeout = 30s) const;

private:
    PROCESS_INFORMATION info_{};
    HANDLE job_{};
};
