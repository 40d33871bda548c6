// Prints what the real program delivers during a run at its fastest speed,
// started and stopped by the hotkey from outside: clicks injected (its own
// count) and clicks received by a window of this process under the cursor.
#include <chrono>
#include <cstdio>
#include <string>

#include "input_probe.h"
#include "running_program.h"
#include "window_fixture.h"

using namespace testing_support;
using Clock = std::chrono::steady_clock;

int main() {
    for (int run = 0; run < 3; ++run) {
        RunningProgram program(vantorelExe());
        HWND window = program.waitForWindow();
        if (!window) return 1;
        SinkWindow sink;
        int presses = 0;
        sink.onButton = [&](UINT message) { presses += message == WM_LBUTTONDOWN; };
        SetCursorPos(sink.centre().x, sink.centre().y);
        pumpFor(300ms);
        pressStartStopHotkey();
        pumpUntil([&] { return textOf(window) == L"点击器已经启动"; }, 5s);
        const auto start = Clock::now();
        pumpFor(3s);
        pressStartStopHotkey();
        pumpUntil([&] { return textOf(window) == L"Vantorel"; }, 5s);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        pumpFor(500ms);
        HWND count = controlAt(window, {100, 189});
        const int injected = std::stoi(textOf(count));
        std::printf("run %d: injected %.0f/s, received %.0f/s over %.2f s\n", run + 1, injected / seconds, presses / seconds,
                    seconds);
        PostMessageW(window, WM_CLOSE, 0, 0);
        program.waitForExit();
    }
    return 0;
}
