// The yardstick for CPU per click: the least a clicker can do for each
// click. Sets the cursor, presses and releases the left button and pumps its
// messages, as fast as it goes, for a while; then writes the clicks it
// injected and the CPU time they took to RESULT_FILE.
//
//   minimal_clicker.exe X Y SECONDS RESULT_FILE
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

namespace {

double cpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return (ticks(kernel) + ticks(user)) / 1e7;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(std::atof(argv[3]));
    const double cpuFrom = cpuSeconds();
    long clicks = 0;
    while (std::chrono::steady_clock::now() < end) {
        SetCursorPos(x, y);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        ++clicks;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    const double cpu = cpuSeconds() - cpuFrom;
    std::ofstream result(argv[4]);
    result << clicks << ' ' << cpu << '\n';
    return result.flush() ? 0 : 1;
}
