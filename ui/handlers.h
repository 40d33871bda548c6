#pragma once
// The window's handlers that are not part of a run.

namespace ui {

void prepareWindow();  // created event, while the window is still hidden
void selectMouseMode();
void selectKeyboardMode();
void countTestPress(int x, int y, int modifiers);
void resetTestArea();
void showTip();
void tickElapsedSeconds();
void tickStatusClock();
void showCurrentTime();

inline constexpr wchar_t testAreaInstruction[] = L"将鼠标放在该黑色区域运行点击器可看到实际点击次数";

}  // namespace ui
