// Prints the click rate the program delivers at its fastest speed, beside
// the platform's raw limit measured in the same run, with the cursor over a
// window of this process (the program's own test area is such a window).
#include <chrono>
#include <cstdio>
#include <string>

#include "common/globals.h"
#include "engine/click_tick.h"
#include "input_probe.h"
#include "platform/message_loop.h"
#include "ui/main_window.h"
#include "window_fixture.h"

using namespace testing_support;
using Clock = std::chrono::steady_clock;

namespace {

int presses = 0;
int firings = 0, nestedFirings = 0;
double burstSeconds = 0;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// A minimal loop of ours: set the cursor, press, release, pump; as fast as it goes.
double rawRate(const SinkWindow& sink) {
    presses = 0;
    const auto start = Clock::now();
    while (Clock::now() - start < 2s) {
        SetCursorPos(sink.centre().x, sink.centre().y);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        platform::processPendingMessages();
    }
    pumpFor(100ms);
    return presses / seconds(Clock::now() - start - 100ms);
}

// The run is stopped from inside, by the first press after three seconds, as
// a stop pressed during a run is handled inside the running tick.
Clock::time_point deadline;
int pressesAtStop = -1;
Clock::time_point stoppedAt;

double fastestSpeedRate(const SinkWindow& sink) {
    presses = 0;
    pressesAtStop = -1;
    clickCount = 0;
    SetCursorPos(sink.centre().x, sink.centre().y);
    ui::鼠标速度.setSelection(0);
    const auto start = Clock::now();
    deadline = start + 3s;
    ui::时钟2.setPeriod(10);
    pumpUntil([] { return pressesAtStop >= 0 && engine::tickDepth() == 0; }, 30s);
    pumpFor(200ms);
    std::printf("  clicks after the stop: %d (a burst is 10); injected %d, received %d\n", presses - pressesAtStop,
                clickCount, presses);
    std::printf("  firings %d, nested %d, mean tick %.2f ms\n", firings, nestedFirings, burstSeconds / firings * 1000);
    firings = nestedFirings = 0;
    burstSeconds = 0;
    return pressesAtStop / seconds(stoppedAt - start);
}

}  // namespace

int main() {
    if (!ui::loadMainWindow()) return 1;
    SinkWindow sink;
    sink.onButton = [](UINT message) {
        if (message != WM_LBUTTONDOWN) return;
        ++presses;
        if (pressesAtStop < 0 && ui::时钟2.period() > 0 && Clock::now() >= deadline) {
            pressesAtStop = presses;
            stoppedAt = Clock::now();
            ui::时钟2.setPeriod(0);
        }
    };
    ui::时钟2.events.periodic = [] {
        ++firings;
        if (engine::tickDepth() > 0) ++nestedFirings;
        const auto start = Clock::now();
        engine::clickTick();
        if (engine::tickDepth() == 0) burstSeconds += seconds(Clock::now() - start);
    };
    pumpFor(300ms);
    std::printf("nesting bound %d\n", engine::maxTickDepth);
    {
        const auto start = Clock::now();
        for (int i = 0; i < 2000; ++i) ui::点击次数.setCaption(std::to_wstring(i));
        std::printf("count caption write and repaint: %.1f us\n", seconds(Clock::now() - start) / 2000 * 1e6);
        const auto cursorStart = Clock::now();
        for (int i = 0; i < 2000; ++i) SetCursorPos(sink.centre().x, sink.centre().y);
        std::printf("SetCursorPos: %.1f us\n", seconds(Clock::now() - cursorStart) / 2000 * 1e6);
        POINT p;
        const auto getStart = Clock::now();
        for (int i = 0; i < 2000; ++i) GetCursorPos(&p);
        std::printf("GetCursorPos: %.1f us\n", seconds(Clock::now() - getStart) / 2000 * 1e6);
    }
    for (int run = 0; run < 3; ++run) {
        const double raw = rawRate(sink);
        const double fastest = fastestSpeedRate(sink);
        const double limit = raw < 1000 ? raw : 1000;
        std::printf("run %d: raw %.0f/s, fastest speed %.0f/s, ratio to min(1000, raw) %.3f\n", run + 1, raw, fastest,
                    fastest / limit);
    }
    return 0;
}
