#pragma once
// The program's one window and its controls, by the names the handlers use.
#include "platform/controls.h"

namespace ui {

extern platform::Window window;

extern platform::Control 按钮2;      // tip button "?"
extern platform::Control 按钮1;      // reset button of the test area
extern platform::Control 标签9;      // test area
extern platform::Control 标签8;      // running-time caption
extern platform::Control 已运行时间;  // elapsed seconds
extern platform::Control 状态条1;    // status bar
extern platform::Control 标签4;      // expected-count caption
extern platform::Control 鼠标速度;    // mouse click speed
extern platform::Control 点击次数;    // expected click count
extern platform::Control 分组框3;    // hotkey group
extern platform::Control 组合框3;    // hotkey key
extern platform::Control 选择框3;    // Shift modifier
extern platform::Control 选择框2;    // Ctrl modifier
extern platform::Control 选择框1;    // Alt modifier
extern platform::Control 鼠标选择;    // mouse mode
extern platform::Control 键盘选择;    // keyboard mode
extern platform::Control 标签5;      // key caption; receives the hotkey while idle
extern platform::Control 键盘;       // key to press
extern platform::Control 标签6;      // key speed caption
extern platform::Control 键盘速度;    // key press speed
extern platform::Control 标签7;      // "一次" after the key speed
extern platform::Control 分组框2;    // keyboard group
extern platform::Control 标签1;      // mouse action caption; receives the hotkey during a run
extern platform::Control 鼠标;       // mouse action
extern platform::Control 标签2;      // mouse speed caption
extern platform::Control 标签3;      // "一次" after the mouse speed
extern platform::Control 分组框1;    // mouse group
extern platform::Control 时钟1;      // elapsed-seconds timer
extern platform::Control 时钟2;      // click timer
extern platform::Control 时钟3;      // status-bar clock

// The description the window is built from, in stacking order.
const platform::WindowDef& mainWindowDef();

// Creates the window with all its controls, runs its created event and shows it.
bool loadMainWindow();

}  // namespace ui
