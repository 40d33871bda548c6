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

namespace {

std::wstring textOf(HWND window) {
    wchar_t text[256] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000, nullptr);
    return text;
}

void pressHotkey() {
    keybd_event(VK_CONTROL, 0, 0, 0);
    pressKey(VK_F10);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace

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
        pressHotkey();
        pumpUntil([&] { return textOf(window) == L"点击器已经启动"; }, 5s);
        const auto start = Clock::now();
        pumpFor(3s);
        pressHotkey();
        pumpUntil([&] { return textOf(window) == L"Vantorel"; }, 5s);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        pumpFor(500ms);
        POINT countPoint{100, 189};
        HWND count = ChildWindowFromPoint(window, countPoint);
        const int injected = std::stoi(textOf(count));
        std::printf("run %d: injected %.0f/s, received %.0f/s over %.2f s\n", run + 1, injected / seconds, presses / seconds,
                    seconds);
        PostMessageW(window, WM_CLOSE, 0, 0);
        program.waitForExit();
    }
    return 0;
}
