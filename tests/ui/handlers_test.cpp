// The window's own behaviours, through their real events where a user has one.
#include <string>
#include <thread>

#include "common/text.h"
#include "platform/clock.h"
#include "ui/handlers.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;
using namespace ui;

using Handlers = MainWindowTest;

constexpr COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);

TEST_F(Handlers, ThePreparedWindowHasA369By256ClientAreaWhereItWasPlaced) {
    EXPECT_EQ(window.clientWidth(), 369);
    EXPECT_EQ(window.clientHeight(), 256);
    RECT rect;
    GetWindowRect(window.handle(), &rect);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 375) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 277) / 2);
}

enum Caption { Blue, Red, Plain };  // plain: the skin's own text colour stands in for black

struct ModeLook {
    bool mouseChecked, keyboardChecked;
    Caption mouseCaption, keyboardCaption;
    bool mouseGroup, keyboardGroup;
};

void expectCaption(HWND radio, Caption caption) {
    EXPECT_EQ(anyPixel(radio, blue), caption == Blue);
    EXPECT_EQ(anyPixel(radio, red), caption == Red);
}

void expectLook(const ModeLook& look) {
    UpdateWindow(window.handle());
    EXPECT_EQ(鼠标选择.checked(), look.mouseChecked);
    EXPECT_EQ(键盘选择.checked(), look.keyboardChecked);
    expectCaption(鼠标选择.handle(), look.mouseCaption);
    expectCaption(键盘选择.handle(), look.keyboardCaption);
    EXPECT_EQ(分组框1.enabled(), look.mouseGroup);
    EXPECT_EQ(分组框2.enabled(), look.keyboardGroup);
}

TEST_F(Handlers, TheModeRadioButtonsSwitchColoursGroupsAndCheckMarks) {
    expectLook({true, false, Blue, Blue, true, false});  // as created: both blue

    clickOn(键盘选择.handle());
    pumpFor(100ms);
    expectLook({false, true, Plain, Red, false, true});
    EXPECT_TRUE(键盘.enabled()) << "the combo boxes keep their own flags";

    pumpFor(600ms);
    clickOn(键盘选择.handle());  // the chosen mode again: the same state
    pumpFor(100ms);
    expectLook({false, true, Plain, Red, false, true});

    pumpFor(600ms);
    clickOn(鼠标选择.handle());
    pumpFor(100ms);
    expectLook({true, false, Red, Plain, true, false});
}

TEST_F(Handlers, AModeHandlerChangesNothingWhenItsButtonIsNotChecked) {
    selectKeyboardMode();  // 键盘选择 is not checked
    expectLook({true, false, Blue, Blue, true, false});
    键盘选择.setChecked(true);
    鼠标选择.setChecked(false);
    selectMouseMode();
    expectLook({false, true, Blue, Blue, true, false});
}

TEST_F(Handlers, TheTestAreaCountsRealPressesAndResets) {
    const POINT area = centreOnScreen(标签9.handle());
    clickAt(area);
    pumpFor(100ms);
    EXPECT_EQ(标签9.caption(), L"1");
    EXPECT_EQ(标签9.tag(), L"1");

    pumpFor(700ms);
    clickAt(area);
    clickAt(area);  // a double click: counts once
    pumpFor(100ms);
    EXPECT_EQ(标签9.caption(), L"2");

    pumpFor(700ms);
    for (int i = 0; i < 3; ++i) clickAt(area);  // press, double click, press
    pumpFor(100ms);
    EXPECT_EQ(标签9.caption(), L"4");

    pumpFor(700ms);
    clickOn(按钮1.handle());
    pumpFor(100ms);
    EXPECT_EQ(标签9.caption(), testAreaInstruction);
    EXPECT_EQ(标签9.tag(), L"0");
}

TEST_F(Handlers, TheTestAreaCountsOnFromItsTag) {
    标签9.setTag(L"9999999999999");
    countTestPress(0, 0, 0);
    EXPECT_EQ(标签9.caption(), L"1e+013");
    标签9.setTag(L"");
    countTestPress(0, 0, 0);
    EXPECT_EQ(标签9.caption(), L"1");
}

TEST_F(Handlers, TheTipShowsItsTitleAndText) {
    auto box = answerNextBox(L"小提示");
    clickOn(按钮2.handle());  // the box's own loop runs inside the click
    pumpFor(300ms);
    const std::wstring text = box.get();
    EXPECT_EQ(text,
              L"左键单击的情况下，期望点击次数和实际点击次数不同，此时可以改成左键双击来弥补！\r\n\r\n"
              L"注意：左键双击的情况下，停止点击时可能不能及时停止，会有一点延时！");
}

TEST_F(Handlers, ElapsedSecondsCountOnFromTheCaption) {
    tickElapsedSeconds();
    EXPECT_EQ(已运行时间.caption(), L"1");
    已运行时间.setCaption(L"41");
    tickElapsedSeconds();
    EXPECT_EQ(已运行时间.caption(), L"42");
    已运行时间.setCaption(L"");
    tickElapsedSeconds();
    EXPECT_EQ(已运行时间.caption(), L"1");
    已运行时间.setCaption(L"1e+013");
    tickElapsedSeconds();
    EXPECT_EQ(已运行时间.caption(), L"1e+013") << "past 13 digits one second is lost in rounding";
}

TEST_F(Handlers, TheClockPaneShowsTheCurrentTime) {
    状态条1.setPaneText(1, L"");
    const LocalDateTime before = platform::localNow();
    tickStatusClock();
    const LocalDateTime after = platform::localNow();
    const std::wstring shown = 状态条1.paneText(1);
    EXPECT_TRUE(shown == L"当前时间：" + dateTimeToText(before) || shown == L"当前时间：" + dateTimeToText(after)) << shown.size();
    EXPECT_EQ(状态条1.paneText(0), L"作者：Quorrin");
}

}  // namespace
