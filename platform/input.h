#pragma once
// Injected input: mouse button events at a point and key presses, routed by
// the system to whatever window is there.
#include <optional>

namespace platform {

struct ScreenPoint {
    int x, y;
};

// The cursor's position in screen coordinates, x and y from one reading;
// none when it cannot be read (a secure desktop, for one).
std::optional<ScreenPoint> cursorPosition();

// Sets the cursor to (x, y), then one button event per step of the action:
// 0 left click, 1 left double click, 2 right click, 3 right double click;
// any other code a left click. No move or absolute flag and no pause.
void injectMouseAction(int x, int y, int actionCode);

// Key down then key up, scan code 0, no extended-key flag, no modifiers.
void injectKeyPress(int virtualKey);

}  // namespace platform
