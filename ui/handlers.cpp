#include "ui/handlers.h"

#include "common/text.h"
#include "control/hotkey_binding.h"
#include "platform/clock.h"
#include "platform/process.h"
#include "skin/skin.h"
#include "ui/main_window.h"

namespace ui {

namespace {

constexpr platform::Color red = platform::rgb(255, 0, 0);

// The two mode buttons' handlers are mirrors: nothing happens unless the
// chosen button is checked, which lets a stop call both, each after its test.
void showChosenMode(platform::Control& chosen, platform::Control& other, platform::Control& chosenGroup,
                    platform::Control& otherGroup) {
    if (!chosen.checked()) return;
    chosen.setTextColor(red);
    other.setTextColor(platform::black);
    otherGroup.setEnabled(false);
    other.setChecked(false);
    chosenGroup.setEnabled(true);
}

}  // namespace

void prepareWindow() {
    // Outer size minus client size is the frame, whatever the system draws.
    window.setWidth(window.width() - window.clientWidth() + 369);
    window.setHeight(window.height() - window.clientHeight() + 256);
    skin::applySkin(29);
    control::bindHotkey(标签5);  // the first binding: nothing to unbind yet
    showCurrentTime();
}

void selectMouseMode() { showChosenMode(鼠标选择, 键盘选择, 分组框1, 分组框2); }

void selectKeyboardMode() { showChosenMode(键盘选择, 鼠标选择, 分组框2, 分组框1); }

void countTestPress(int, int, int) {
    const double n = textToNumber(标签9.tag());
    标签9.setTag(numberToText(n + 1));
    标签9.setCaption(标签9.tag());
}

void resetTestArea() {
    标签9.setCaption(testAreaInstruction);
    标签9.setTag(L"0");
}

void showTip() {
    platform::messageBox(
        L"左键单击的情况下，期望点击次数和实际点击次数不同，此时可以改成左键双击来弥补！\r\n\r\n"
        L"注意：左键双击的情况下，停止点击时可能不能及时停止，会有一点延时！",
        L"小提示", platform::informationBox);
}

void tickElapsedSeconds() {
    const double seconds = textToNumber(已运行时间.caption());
    已运行时间.setCaption(numberToText(seconds + 1));
}

void tickStatusClock() { showCurrentTime(); }

void showCurrentTime() { 状态条1.setPaneText(1, L"当前时间：" + dateTimeToText(platform::localNow())); }

}  // namespace ui
