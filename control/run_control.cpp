#include "control/run_control.h"

#include <array>
#include <string>

#include "common/globals.h"
#include "control/hotkey_binding.h"
#include "engine/tables.h"
#include "platform/clock.h"
#include "ui/handlers.h"
#include "ui/main_window.h"

namespace control {
namespace {

// Locked during a run, in this order.
const std::array<platform::Control*, 8> settings{
    &ui::选择框1, &ui::选择框2, &ui::选择框3, &ui::组合框3, &ui::鼠标, &ui::鼠标速度, &ui::键盘, &ui::键盘速度,
};

}  // namespace

void startRun(int, int) {
    using namespace ui;
    platform::Control& speedList = 鼠标选择.checked() ? 鼠标速度 : 键盘速度;
    if (auto period = engine::periodFor(speedList.selection())) 时钟2.setPeriod(*period);
    clickCount = 0;
    已运行时间.setCaption(L"0");
    时钟1.setPeriod(1000);
    window.setCaption(L"点击器已经启动");
    for (platform::Control* control : settings) control->setEnabled(false);
    platform::raiseTimerResolution();
    unbindHotkey();
    bindHotkey(标签1);
}

void stopRun(int, int) {
    using namespace ui;
    时钟2.setPeriod(0);
    时钟1.setPeriod(0);
    platform::restoreTimerResolution();
    点击次数.setCaption(std::to_wstring(clickCount));
    window.setCaption(L"Vantorel");
    for (platform::Control* control : settings) control->setEnabled(true);
    if (鼠标选择.checked()) selectMouseMode();
    if (键盘选择.checked()) selectKeyboardMode();
    unbindHotkey();
    bindHotkey(标签5);
}

}  // namespace control
