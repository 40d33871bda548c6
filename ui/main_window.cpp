#include "ui/main_window.h"

#include <array>

#include "control/hotkey_binding.h"
#include "control/run_control.h"
#include "engine/click_tick.h"
#include "engine/tables.h"
#include "ui/handlers.h"

namespace ui {

using platform::Align;
using platform::ControlDef;
using platform::PaneDef;
using platform::rgb;
using enum platform::ControlKind;

platform::Window window;

platform::Control 按钮2, 按钮1, 标签9, 标签8, 已运行时间, 状态条1, 标签4, 鼠标速度, 点击次数, 分组框3, 组合框3, 选择框3,
    选择框2, 选择框1, 鼠标选择, 键盘选择, 标签5, 键盘, 标签6, 键盘速度, 标签7, 分组框2, 标签1, 鼠标, 标签2, 标签3, 分组框1,
    时钟1, 时钟2, 时钟3;

namespace {

constexpr platform::Color blue = rgb(0, 0, 255);
constexpr platform::Color green = rgb(0, 255, 0);
constexpr int comboHeight = 160;  // the closed box plus its opened list

constexpr std::array statusPanes{
    PaneDef{100, 0, L"作者：Quorrin"},  // a person
    PaneDef{-1, 1, L"当前时间："},      // a clock
};

// Each control lies above every control after it.
const std::array controls{
    ControlDef{.control = &按钮2, .kind = PushButton, .container = nullptr, .rect = {328, 178, 24, 21}, .text = L"?",
               .events = {.clicked = showTip}},
    ControlDef{.control = &按钮1, .kind = PushButton, .container = nullptr, .rect = {312, 201, 40, 24}, .text = L"还原",
               .events = {.clicked = resetTestArea}},
    ControlDef{.control = &标签9, .kind = Label, .container = nullptr, .rect = {16, 201, 296, 24},
               .text = testAreaInstruction, .textColor = green, .backColor = platform::black, .tag = L"0",
               .events = {.leftPressed = countTestPress}},
    ControlDef{.control = &标签8, .kind = Label, .container = nullptr, .rect = {168, 181, 72, 16}, .text = L"已运行时间："},
    ControlDef{.control = &已运行时间, .kind = Label, .container = nullptr, .rect = {245, 181, 75, 16}, .text = L"0"},
    ControlDef{.control = &状态条1, .kind = StatusBar, .container = nullptr, .rect = {0, 236, 369, 20}, .panes = statusPanes},
    ControlDef{.control = &标签4, .kind = Label, .container = nullptr, .rect = {16, 181, 80, 16}, .text = L"期望点击次数："},
    ControlDef{.control = &鼠标速度, .kind = ComboBox, .container = &分组框1, .rect = {224, 18, 72, comboHeight},
               .items = engine::speedLabels, .selection = 0},
    ControlDef{.control = &点击次数, .kind = Label, .container = nullptr, .rect = {98, 181, 64, 16}, .text = L"0"},
    ControlDef{.control = &分组框3, .kind = GroupBox, .container = nullptr, .rect = {16, 120, 336, 56},
               .text = L"开始/停止 点击快捷键", .textColor = blue},
    ControlDef{.control = &组合框3, .kind = ComboBox, .container = &分组框3, .rect = {225, 21, 100, comboHeight},
               .items = engine::hotkeyLabels, .selection = 60, .events = {.itemSelected = control::rebindAfterEdit}},
    ControlDef{.control = &选择框3, .kind = CheckBox, .container = &分组框3, .rect = {144, 24, 64, 16}, .text = L"Shift +",
               .events = {.clicked = control::rebindAfterEdit}},
    ControlDef{.control = &选择框2, .kind = CheckBox, .container = &分组框3, .rect = {75, 24, 64, 16}, .text = L"Ctrl +",
               .checked = true, .events = {.clicked = control::rebindAfterEdit}},
    ControlDef{.control = &选择框1, .kind = CheckBox, .container = &分组框3, .rect = {8, 24, 56, 16}, .text = L"Alt +",
               .events = {.clicked = control::rebindAfterEdit}},
    ControlDef{.control = &鼠标选择, .kind = RadioButton, .container = nullptr, .rect = {32, 4, 74, 18}, .text = L"鼠标点击",
               .textColor = blue, .checked = true, .events = {.clicked = selectMouseMode}},
    ControlDef{.control = &键盘选择, .kind = RadioButton, .container = nullptr, .rect = {32, 60, 74, 18}, .text = L"键盘点击",
               .textColor = blue, .events = {.clicked = selectKeyboardMode}},
    // The hotkey's target while idle: its feedback event starts a run.
    ControlDef{.control = &标签5, .kind = Label, .container = &分组框2, .rect = {8, 17, 60, 24}, .text = L"点击键盘：",
               .align = Align::Right, .events = {.feedback = control::startRun}},
    ControlDef{.control = &键盘, .kind = ComboBox, .container = &分组框2, .rect = {71, 19, 78, comboHeight},
               .items = engine::keyboardLabels, .selection = 25},
    ControlDef{.control = &标签6, .kind = Label, .container = &分组框2, .rect = {160, 17, 61, 24}, .text = L"点击速度：",
               .align = Align::Right},
    ControlDef{.control = &键盘速度, .kind = ComboBox, .container = &分组框2, .rect = {224, 19, 72, comboHeight},
               .items = engine::speedLabels, .selection = 0},
    ControlDef{.control = &标签7, .kind = Label, .container = &分组框2, .rect = {298, 17, 23, 24}, .text = L"一次"},
    // Disabled until keyboard mode is chosen: nothing inside can be used.
    ControlDef{.control = &分组框2, .kind = GroupBox, .container = nullptr, .rect = {16, 64, 336, 48}, .enabled = false},
    // The hotkey's target during a run: its feedback event stops it.
    ControlDef{.control = &标签1, .kind = Label, .container = &分组框1, .rect = {8, 17, 60, 22}, .text = L"点击鼠标：",
               .align = Align::Right, .events = {.feedback = control::stopRun}},
    ControlDef{.control = &鼠标, .kind = ComboBox, .container = &分组框1, .rect = {71, 18, 78, comboHeight},
               .items = engine::mouseActionLabels, .selection = 0},
    ControlDef{.control = &标签2, .kind = Label, .container = &分组框1, .rect = {160, 16, 61, 24}, .text = L"点击速度：",
               .align = Align::Right},
    ControlDef{.control = &标签3, .kind = Label, .container = &分组框1, .rect = {298, 16, 23, 24}, .text = L"一次"},
    ControlDef{.control = &分组框1, .kind = GroupBox, .container = nullptr, .rect = {16, 8, 336, 48}},
    ControlDef{.control = &时钟1, .kind = Timer, .container = nullptr, .rect = {}, .period = 0,
               .events = {.periodic = tickElapsedSeconds}},
    ControlDef{.control = &时钟2, .kind = Timer, .container = nullptr, .rect = {}, .period = 0,
               .events = {.periodic = engine::clickTick}},
    ControlDef{.control = &时钟3, .kind = Timer, .container = nullptr, .rect = {}, .period = 1000,
               .events = {.periodic = tickStatusClock}},
};

// Top to bottom, left to right, as the eye reads the window.
const std::array<platform::Control*, 12> tabOrder{
    &鼠标选择, &鼠标, &鼠标速度, &键盘选择, &键盘, &键盘速度, &选择框1, &选择框2, &选择框3, &组合框3, &按钮2, &按钮1,
};

const platform::WindowDef mainWindow{
    .caption = L"Vantorel",
    .width = 375,
    .height = 277,
    .controls = controls,
    .tabOrder = tabOrder,
    .created = prepareWindow,
};

}  // namespace

const platform::WindowDef& mainWindowDef() { return mainWindow; }

bool loadMainWindow() { return window.load(mainWindow); }

}  // namespace ui
