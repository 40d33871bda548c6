// Drives the real program from outside for a long time: runs at "0.001秒",
// alternating mouse mode over its test area and keyboard mode into a window
// of ours, every start and stop observed, every count compared with what the
// system delivered, and the program sampled every 30 s. Prints the samples
// and a verdict line; exits 0 when everything held.
//
//   soak_driver.exe [SECONDS [CYCLES]]     (default 600 s, 200 cycles)
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/owned.h"
#include "running_program.h"
#include "window_fixture.h"

using namespace testing_support;
using Clock = std::chrono::steady_clock;

namespace {

std::atomic<long> injectedPresses{0}, injectedKeys{0};

LRESULT CALLBACK countMouse(int code, WPARAM message, LPARAM lParam) {
    auto* info = reinterpret_cast<MSLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && message == WM_LBUTTONDOWN && (info->flags & LLMHF_INJECTED)) ++injectedPresses;
    return CallNextHookEx(nullptr, code, message, lParam);
}

LRESULT CALLBACK countKeys(int code, WPARAM message, LPARAM lParam) {
    auto* info = reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && message == WM_KEYDOWN && info->vkCode == 'A') ++injectedKeys;
    return CallNextHookEx(nullptr, code, message, lParam);
}

// Counting hooks on a thread of their own, passing every event on.
void startCounting() {
    std::thread([] {
        using Hook = platform::Owned<HHOOK, UnhookWindowsHookEx>;
        Hook mouse(SetWindowsHookExW(WH_MOUSE_LL, countMouse, GetModuleHandleW(nullptr), 0));
        Hook keys(SetWindowsHookExW(WH_KEYBOARD_LL, countKeys, GetModuleHandleW(nullptr), 0));
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    }).detach();
}

}  // namespace

int main(int argc, char** argv) {
    const double totalSeconds = argc > 1 ? std::atof(argv[1]) : 600;
    const int cycles = argc > 2 ? std::atoi(argv[2]) : 200;
    const auto runTime = std::chrono::milliseconds(static_cast<long>(totalSeconds * 1000 / cycles * 0.8));

    RunningProgram program(vantorelExe());
    HWND window = program.waitForWindow();
    if (!window) return std::puts("verdict: FAIL (the program did not start)"), 1;
    startCounting();
    platform::OwnedWindow keyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 20, 20, 120, 80,
                                                    nullptr, nullptr, nullptr, nullptr));
    HWND keyTarget = keyWindow.get();

    int startsSeen = 0, stopsSeen = 0, countsMatched = 0, keyRunsDelivered = 0, slowAnswers = 0;
    long mismatch = 0;
    const auto began = Clock::now();
    auto nextSample = began;
    std::puts("sample  seconds  windows  answer_ms  gdi  user");
    for (int cycle = 0; cycle < cycles; ++cycle) {
        if (Clock::now() >= nextSample) {
            const auto asked = Clock::now();
            DWORD_PTR ignored;
            const bool answered =
                SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored) != 0;
            const double answerMs = std::chrono::duration<double, std::milli>(Clock::now() - asked).count();
            slowAnswers += !answered;
            platform::Owned<HANDLE, CloseHandle> owned(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, program.id()));
            HANDLE process = owned.get();
            std::printf("sample  %7.0f  %7d  %9.1f  %3lu  %4lu\n",
                        std::chrono::duration<double>(Clock::now() - began).count(), windowsOf(program.id()),
                        answered ? answerMs : -1.0, GetGuiResources(process, GR_GDIOBJECTS),
                        GetGuiResources(process, GR_USEROBJECTS));
            std::fflush(stdout);
            nextSample += std::chrono::seconds(30);
        }
        const bool mouse = cycle % 2 == 0;
        POINT radio{40, mouse ? 13 : 69};
        ClientToScreen(window, &radio);
        clickAt(radio);
        pumpFor(150ms);
        if (mouse) {
            POINT testArea{150, 213};
            ClientToScreen(window, &testArea);
            SetCursorPos(testArea.x, testArea.y);
        } else {
            SetForegroundWindow(keyTarget);
            SetFocus(keyTarget);
        }
        pumpFor(150ms);
        injectedPresses = 0;
        injectedKeys = 0;
        pressStartStopHotkey();
        startsSeen += pumpUntil([&] { return textOf(window) == L"点击器已经启动"; }, 5000ms);
        pumpFor(runTime);
        pressStartStopHotkey();
        stopsSeen += pumpUntil([&] { return textOf(window) == L"Vantorel"; }, 5000ms);
        pumpFor(300ms);  // a burst the stop interrupted still finishes
        const std::wstring shown = textOf(controlAt(window, {100, 189}));
        if (mouse) {
            const long expected = injectedPresses;
            const bool same = shown == std::to_wstring(expected);
            countsMatched += same;
            if (!same) mismatch = std::max(mismatch, std::labs(std::wcstol(shown.c_str(), nullptr, 10) - expected));
        } else {
            countsMatched += shown == L"0";
            keyRunsDelivered += injectedKeys > 0;
        }
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    const DWORD code = program.waitForExit();
    const bool held = startsSeen == cycles && stopsSeen == cycles && countsMatched == cycles &&
                      keyRunsDelivered == cycles / 2 && slowAnswers == 0 && code == 0;
    std::printf("cycles %d: starts seen %d, stops seen %d, counts matched %d (largest difference %ld), "
                "keyboard runs delivered %d, samples unanswered within 100 ms %d, exit code %lu\n",
                cycles, startsSeen, stopsSeen, countsMatched, mismatch, keyRunsDelivered, slowAnswers, code);
    std::printf("verdict: %s\n", held ? "PASS" : "FAIL");
    return held ? 0 : 1;
}
