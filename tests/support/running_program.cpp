#include "running_program.h"

#include <winternl.h>

#include <thread>

namespace testing_support {

std::wstring folderOfThisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::wstring vantorelExe() { return folderOfThisProgram() + L"\\Vantorel.exe"; }

HWND controlAt(HWND window, POINT point) {
    HWND found = window;
    for (HWND child; (child = ChildWindowFromPointEx(found, point, CWP_SKIPINVISIBLE)) && child != found; found = child)
        MapWindowPoints(found, child, &point, 1);
    return found;
}

std::wstring textOf(HWND window) {
    wchar_t text[256] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000, nullptr);
    return text;
}

std::chrono::steady_clock::time_point pressStartStopHotkey() {
    keybd_event(VK_CONTROL, 0, 0, 0);
    const auto pressed = std::chrono::steady_clock::now();
    keybd_event(VK_F10, 0, 0, 0);
    keybd_event(VK_F10, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    return pressed;
}

RunningProgram::RunningProgram(const std::wstring& exe, const std::wstring& workingDirectory,
                               const std::wstring& arguments) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &process_))
        process_ = {};
}

RunningProgram::~RunningProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findVisibleTopLevel(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && !GetParent(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct WindowCount {
    DWORD processId;
    int windows;
};

BOOL CALLBACK countChild(HWND, LPARAM count) {
    ++reinterpret_cast<WindowCount*>(count)->windows;
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND window, LPARAM lParam) {
    auto* count = reinterpret_cast<WindowCount*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->processId) {
        ++count->windows;
        EnumChildWindows(window, countChild, lParam);
    }
    return TRUE;
}

}  // namespace

int windowsOf(DWORD processId) {
    WindowCount count{processId, 0};
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

HWND visibleWindowOf(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(findVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::waitForWindow(std::chrono::milliseconds timeout) {
    auto end = std::chrono::steady_clock::now() + timeout;
    // Ready for input: its message loop waits for the first message.
    WaitForInputIdle(process_.hProcess, static_cast<DWORD>(timeout.count()));
    do {
        if (HWND found = visibleWindowOf(process_.dwProcessId)) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < end);
    return nullptr;
}

DWORD RunningProgram::waitForExit(std::chrono::milliseconds timeout) {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::wstring RunningProgram::currentDirectory() const {
    using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process_.hProcess, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return {};
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS* parameters = nullptr;
    if (!ReadProcessMemory(process_.hProcess, basic.PebBaseAddress, &peb, sizeof peb, nullptr)) return {};
    parameters = peb.ProcessParameters;
    // The current directory's path is the first field after the standard
    // handles: 0x38 bytes into the process parameters of a 64-bit process.
    constexpr size_t currentDirectoryOffset = sizeof(void*) == 8 ? 0x38 : 0x24;
    UNICODE_STRING path{};
    if (!ReadProcessMemory(process_.hProcess, reinterpret_cast<const char*>(parameters) + currentDirectoryOffset, &path,
                           sizeof path, nullptr))
        return {};
    std::wstring text(path.Length / sizeof(wchar_t), L'\0');
    if (!ReadProcessMemory(process_.hProcess, path.Buffer, text.data(), path.Length, nullptr)) return {};
    return text;
}

}  // namespace testing_support
