#pragma once
// Process-level services: the program folder, message boxes and the fatal stop.
#include <string>
#include <string_view>

namespace platform {

// Message box flags the program uses.
inline constexpr unsigned informationBox = 0x40;  // information icon, OK button
inline constexpr unsigned stopBox = 0x10;         // stop icon, OK button

// Full path of the running program file up to, not including, its last backslash.
std::wstring programFolder();
// Makes the program folder the current directory; false when that fails.
bool enterProgramFolder();

// A box without owner window; task-modal unless the flags ask for system-modal.
int messageBox(std::wstring_view text, std::wstring_view caption, unsigned flags);

// Reports an unrecoverable failure and ends the process with exit code -1.
[[noreturn]] void fatalStop(std::wstring_view failure);

// Ends the process with the given code after the process-level clean-up.
[[noreturn]] void exitProcess(int code);

}  // namespace platform
