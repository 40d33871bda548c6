// Runs of the real program, started as a user starts it and driven from
// outside: the hotkey pressed, clicks and keys counted by windows of ours.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "input_probe.h"
#include "platform/message_loop.h"
#include "running_program.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;

// The program's controls by where the window description puts them.
struct Place {
    int x, y;  // a point inside the control, in the window's client area
};
constexpr Place countLabel{100, 189}, secondsLabel{247, 189};
constexpr Place altBox{30, 152}, ctrlBox{97, 152}, shiftBox{166, 152}, hotkeyList{250, 150};
constexpr Place mouseAction{90, 35}, mouseSpeed{240, 35}, keyList{90, 92}, keySpeed{240, 92};
constexpr Place keyboardRadio{40, 69};

HWND controlAt(HWND window, Place place) { return testing_support::controlAt(window, {place.x, place.y}); }

class Run : public ::testing::Test {
protected:
    void SetUp() override {
        window = program.waitForWindow();
        ASSERT_NE(window, nullptr);
    }
    bool captionBecomes(const wchar_t* caption) {
        return pumpUntil([&] { return textOf(window) == caption; }, 5000ms);
    }
    void clickInProgram(Place place) {
        POINT point{place.x, place.y};
        ClientToScreen(window, &point);
        clickAt(point);
    }
    void chooseSpeed(Place list, int index) {
        SendMessageW(controlAt(window, list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    RunningProgram program{vantorelExe()};
    HWND window = nullptr;
};

TEST_F(Run, TheHotkeyStartsAndStopsClickingThatArrivesAndIsCounted) {
    // At "0.01秒": every click must be seen to compare the counts. (At the
    // fastest speed Wine itself drops some clicks bound for another process.)
    chooseSpeed(mouseSpeed, 1);
    SinkWindow sink;
    int presses = 0;
    sink.onButton = [&](UINT message) { presses += message == WM_LBUTTONDOWN; };
    SetCursorPos(sink.centre().x, sink.centre().y);
    pumpFor(100ms);

    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"点击器已经启动"));
    for (Place place : {altBox, ctrlBox, shiftBox, hotkeyList, mouseAction, mouseSpeed, keyList, keySpeed})
        EXPECT_FALSE(IsWindowEnabled(controlAt(window, place))) << place.x << "," << place.y;
    EXPECT_TRUE(pumpUntil([&] { return textOf(controlAt(window, secondsLabel)) == L"2"; }, 4000ms)) << "seconds count";
    EXPECT_GT(presses, 100) << "clicks arrive at the window under the cursor";

    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"Vantorel"));
    pumpFor(500ms);  // a burst interrupted by the stop still finishes
    const std::wstring seconds = textOf(controlAt(window, secondsLabel));
    EXPECT_EQ(textOf(controlAt(window, countLabel)), std::to_wstring(presses));
    for (Place place : {altBox, ctrlBox, shiftBox, hotkeyList, mouseAction, mouseSpeed})
        EXPECT_TRUE(IsWindowEnabled(controlAt(window, place)));
    pumpFor(1200ms);
    EXPECT_EQ(textOf(controlAt(window, secondsLabel)), seconds) << "the seconds keep their last value";
    EXPECT_EQ(textOf(controlAt(window, countLabel)), std::to_wstring(presses)) << "no click after the stop";
}

// A focused window of ours that counts the key presses it receives.
struct KeyTarget {
    KeyTarget() {
        window = CreateWindowExW(WS_EX_TOPMOST, L"EDIT", L"", WS_POPUP | WS_VISIBLE | ES_MULTILINE, 20, 300, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < 50 && GetForegroundWindow() != window; ++i) {
            SetForegroundWindow(window);
            pumpFor(20ms);
        }
        SetFocus(window);
    }
    ~KeyTarget() { DestroyWindow(window); }
    int count(wchar_t c) const {
        std::wstring text = textOf(window);
        int n = 0;
        for (wchar_t t : text) n += (t == c);
        return n;
    }
    HWND window;
};

TEST_F(Run, KeyboardModePressesTheChosenKeyAndCountsNoClicks) {
    clickInProgram(keyboardRadio);
    pumpFor(200ms);
    chooseSpeed(keySpeed, 4);  // "0.1秒"
    KeyTarget target;
    pumpFor(200ms);
    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"点击器已经启动"));
    pumpFor(1500ms);
    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"Vantorel"));
    pumpFor(200ms);
    EXPECT_GE(target.count(L'a') + target.count(L'A'), 8) << "the letter A arrives";
    EXPECT_EQ(textOf(controlAt(window, countLabel)), L"0");
}

TEST_F(Run, NoSpeedSelectedStartsARunThatInjectsNothing) {
    chooseSpeed(mouseSpeed, -1);
    SinkWindow sink;
    int presses = 0;
    sink.onButton = [&](UINT) { ++presses; };
    SetCursorPos(sink.centre().x, sink.centre().y);
    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"点击器已经启动"));
    pumpFor(1200ms);
    EXPECT_EQ(textOf(controlAt(window, secondsLabel)), L"1");
    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"Vantorel"));
    EXPECT_EQ(presses, 0);
}

TEST_F(Run, PressesAlternateAndTheModeCanChangeDuringARun) {
    chooseSpeed(mouseSpeed, 5);  // "0.2秒"
    chooseSpeed(keySpeed, 5);
    SinkWindow sink;
    int presses = 0;
    sink.onButton = [&](UINT message) { presses += message == WM_LBUTTONDOWN; };
    SetCursorPos(sink.centre().x, sink.centre().y);
    for (int round = 0; round < 2; ++round) {
        pressStartStopHotkey();
        ASSERT_TRUE(captionBecomes(L"点击器已经启动"));
        pressStartStopHotkey();
        ASSERT_TRUE(captionBecomes(L"Vantorel"));
    }
    presses = 0;
    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"点击器已经启动"));
    ASSERT_TRUE(pumpUntil([&] { return presses >= 2; }));

    clickInProgram(keyboardRadio);  // the radio buttons stay usable during a run
    pumpFor(300ms);
    KeyTarget target;
    SetCursorPos(sink.centre().x, sink.centre().y);
    pumpFor(100ms);
    const int pressesAtSwitch = presses;
    EXPECT_TRUE(pumpUntil([&] { return target.count(L'a') + target.count(L'A') >= 2; })) << "keys follow the new mode";
    EXPECT_LE(presses - pressesAtSwitch, 1) << "and clicks stop";
    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"Vantorel"));
}

TEST_F(Run, EscDuringARunEndsTheProgramWithZeroAndTheClickingStops) {
    SinkWindow sink;
    int presses = 0;
    sink.onButton = [&](UINT message) { presses += message == WM_LBUTTONDOWN; };
    SetCursorPos(sink.centre().x, sink.centre().y);
    pressStartStopHotkey();
    ASSERT_TRUE(captionBecomes(L"点击器已经启动"));
    ASSERT_TRUE(pumpUntil([&] { return presses > 50; }));
    SetForegroundWindow(window);
    pumpFor(200ms);
    pressKey(VK_ESCAPE);
    DWORD code = STILL_ACTIVE;
    ASSERT_TRUE(pumpUntil([&] { return (code = program.waitForExit(0ms)) != STILL_ACTIVE; }, 5000ms));
    EXPECT_EQ(code, 0u);
    // Presses injected before the exit may still wait in our queue: take them all first.
    platform::processPendingMessages();
    const int atExit = presses;
    pumpFor(500ms);
    EXPECT_EQ(presses, atExit) << "no click after the window is gone";
}

}  // namespace
