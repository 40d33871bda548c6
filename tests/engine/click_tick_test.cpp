// The click tick and its injections, observed as the system routes them.
#include <climits>
#include <string>
#include <vector>

#include "common/globals.h"
#include "control/run_control.h"
#include "engine/click_tick.h"
#include "input_probe.h"
#include "platform/input.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;
using namespace ui;

TEST(InjectMouseAction, SendsTheButtonEventsOfEachActionAtThePoint) {
    struct Case {
        int actionCode;
        std::vector<WPARAM> events;
    };
    const Case cases[] = {
        {0, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {1, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},  // codes 1 and 2 are crossed
        {2, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
        {3, {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}},
        {-1, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {4, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
        {INT_MAX, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
    };
    int x = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.actionCode);
        InputRecorder recorder;
        x += 37;
        platform::injectMouseAction(x, 300, c.actionCode);
        recorder.waitForMouse(c.events.size());
        Sleep(50);  // anything extra would show up now
        const std::vector<MouseEvent> seen = recorder.mouse();
        ASSERT_EQ(seen.size(), c.events.size());
        for (size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].message, c.events[i]) << "event " << i;
            EXPECT_EQ(seen[i].point.x, x);
            EXPECT_EQ(seen[i].point.y, 300);
            EXPECT_TRUE(seen[i].flags & LLMHF_INJECTED);
        }
        POINT cursor;
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.x, x) << "the cursor was set to the click point";
        EXPECT_EQ(cursor.y, 300);
    }
}

// Every caption 点击次数 shows, in order.
std::vector<std::wstring> shownCounts;
LRESULT CALLBACK logCaption(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_SETTEXT) shownCounts.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
    return DefSubclassProc(window, message, wParam, lParam);
}

class ClickTick : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        shownCounts.clear();
        clickCount = 0;
        SetWindowSubclass(点击次数.handle(), logCaption, 0, 0);
        SetCursorPos(sink.centre().x, sink.centre().y);
    }
    void TearDown() override {
        RemoveWindowSubclass(点击次数.handle(), logCaption, 0);
        MainWindowTest::TearDown();
    }
    void chooseKeyboardMode() {
        键盘选择.setChecked(true);
        鼠标选择.setChecked(false);
    }
    SinkWindow sink;
};

std::vector<std::wstring> counting(int from, int to) {
    std::vector<std::wstring> texts;
    for (int i = from; i <= to; ++i) texts.push_back(std::to_wstring(i));
    return texts;
}

TEST_F(ClickTick, TheFastestSpeedClicksTenTimesShowingEveryCount) {
    InputRecorder recorder;
    鼠标速度.setSelection(0);
    engine::clickTick();
    EXPECT_EQ(clickCount, 10);
    EXPECT_EQ(shownCounts, counting(1, 10));
    EXPECT_TRUE(recorder.waitForMouse(20));

    鼠标速度.setSelection(1);
    engine::clickTick();
    EXPECT_EQ(clickCount, 11);
    鼠标速度.setSelection(-1);  // no speed chosen: one click
    engine::clickTick();
    EXPECT_EQ(clickCount, 12);
}

TEST_F(ClickTick, TheChosenActionIsInjectedAndADoubleClickCountsOnce) {
    InputRecorder recorder;
    鼠标速度.setSelection(7);
    鼠标.setSelection(3);  // right double click
    engine::clickTick();
    ASSERT_TRUE(recorder.waitForMouse(4));
    EXPECT_EQ(recorder.mouse()[0].message, WM_RBUTTONDOWN);
    EXPECT_EQ(clickCount, 1);
    鼠标.setSelection(-1);  // no action chosen: a left click
    engine::clickTick();
    ASSERT_TRUE(recorder.waitForMouse(6));
    EXPECT_EQ(recorder.mouse()[4].message, WM_LBUTTONDOWN);
}

TEST_F(ClickTick, KeyboardModePressesTheKeyWithoutCounting) {
    struct Case {
        int keyIndex, speedIndex;
        DWORD virtualKey;
        size_t presses;
    };
    const Case cases[] = {{25, 1, 'A', 1}, {9, 0, VK_LEFT, 10}, {-1, 1, 0, 1}};
    chooseKeyboardMode();
    点击次数.setCaption(L"7");
    shownCounts.clear();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.virtualKey);
        InputRecorder recorder;
        键盘.setSelection(c.keyIndex);
        键盘速度.setSelection(c.speedIndex);
        engine::clickTick();
        recorder.waitForKeys(2 * c.presses);
        Sleep(50);
        const std::vector<KeyEvent> seen = recorder.keys();
        ASSERT_EQ(seen.size(), 2 * c.presses);
        for (size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].message, i % 2 == 0 ? WM_KEYDOWN : WM_KEYUP);
            EXPECT_EQ(seen[i].virtualKey, c.virtualKey);
            EXPECT_EQ(seen[i].scanCode, 0u);
            EXPECT_FALSE(seen[i].flags & LLKHF_EXTENDED) << "no key gets the extended flag, arrows included";
        }
    }
    EXPECT_EQ(clickCount, 0);
    EXPECT_TRUE(shownCounts.empty());
    EXPECT_EQ(点击次数.caption(), L"7");
}

bool stopQueued = false;
LRESULT CALLBACK queueStopAtThree(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_SETTEXT && std::wstring(reinterpret_cast<const wchar_t*>(lParam)) == L"3" && !stopQueued) {
        stopQueued = true;
        PostMessageW(标签1.handle(), platform::feedbackMessage, 0, 0);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(ClickTick, AStopInsideABurstLetsTheBurstFinish) {
    InputRecorder recorder;
    鼠标速度.setSelection(12);  // a run whose timer stays quiet during the test
    control::startRun(0, 0);
    ASSERT_EQ(时钟2.period(), 30000);
    鼠标速度.setSelection(0);
    // At the third count a stop is queued; the tick's message processing runs it.
    stopQueued = false;
    SetWindowSubclass(点击次数.handle(), queueStopAtThree, 1, 0);
    engine::clickTick();
    RemoveWindowSubclass(点击次数.handle(), queueStopAtThree, 1);
    EXPECT_EQ(时钟2.period(), 0) << "the stop ran";
    EXPECT_EQ(window.caption(), L"Vantorel");
    EXPECT_EQ(clickCount, 10) << "the rest of the burst still clicked";
    ASSERT_GE(shownCounts.size(), 11u);
    EXPECT_EQ(shownCounts[3], L"3") << "the stop showed its count";
    EXPECT_EQ(shownCounts.back(), L"10");
}

TEST_F(ClickTick, TheCountSaturatesAtItsUpperLimit) {
    InputRecorder recorder;
    鼠标速度.setSelection(0);
    clickCount = INT_MAX - 3;
    engine::clickTick();
    EXPECT_EQ(clickCount, INT_MAX);
    EXPECT_EQ(点击次数.caption(), L"2147483647");
}

TEST_F(ClickTick, SlowClicksNestTicksUpToTheBoundAndTheWindowStaysResponsive) {
    // Each click on the sink takes longer than the 10 ms period, so firings
    // arrive while a tick processes messages.
    int deepest = 0, handledDuringRun = 0;
    const auto stopAt = std::chrono::steady_clock::now() + 1500ms;
    sink.onButton = [&](UINT message) {
        deepest = std::max(deepest, engine::tickDepth());
        if (message == WM_LBUTTONDOWN) Sleep(15);
        if (std::chrono::steady_clock::now() >= stopAt) 时钟2.setPeriod(0);
    };
    std::thread poster([&] {
        Sleep(500);
        PostMessageW(window.handle(), WM_NULL, 0, 0);
        SendMessageTimeoutW(window.handle(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
        ++handledDuringRun;
    });
    鼠标速度.setSelection(0);
    时钟2.setPeriod(10);
    ASSERT_TRUE(pumpUntil([] { return 时钟2.period() == 0 && engine::tickDepth() == 0; }, 10000ms));
    poster.join();
    EXPECT_EQ(deepest, engine::maxTickDepth);
    EXPECT_EQ(handledDuringRun, 1) << "a message sent during the run was answered";
}

}  // namespace
