#pragma once
// The real program, started as a user starts it and watched from outside.
#include <chrono>
#include <string>

#include "platform/win32.h"

namespace testing_support {

std::wstring folderOfThisProgram();
// The 64-bit Vantorel.exe built beside the tests.
std::wstring vantorelExe();

// The control at a point of a window's client area, looking into group boxes.
HWND controlAt(HWND window, POINT point);
// A window's text as the window itself answers WM_GETTEXT, also across processes.
std::wstring textOf(HWND window);
// Ctrl+F10, the program's start/stop hotkey at start, as a user's hand
// presses it; gives the moment F10 went down.
std::chrono::steady_clock::time_point pressStartStopHotkey();
// The visible top-level window of a process, if it has one now.
HWND visibleWindowOf(DWORD processId);
// How many windows a process has, top-level and child.
int windowsOf(DWORD processId);

class RunningProgram {
public:
    // Starts the program with the given working directory (empty: this process's) and arguments.
    RunningProgram(const std::wstring& exe, const std::wstring& workingDirectory = L"",
                   const std::wstring& arguments = L"");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return process_.hProcess != nullptr; }
    DWORD id() const { return process_.dwProcessId; }
    HANDLE handle() const { return process_.hProcess; }
    // The visible top-level window of the process, or nullptr when none appears in time.
    HWND waitForWindow(std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));
    // The exit code, or STILL_ACTIVE when it has not ended in time.
    DWORD waitForExit(std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));
    // The process's current directory, read from its process parameters.
    std::wstring currentDirectory() const;

private:
    PROCESS_INFORMATION process_{};
};

}  // namespace testing_support
