#include "platform/input.h"

#include "platform/win32.h"

namespace platform {
std::optional<ScreenPoint> cursorPosition() {
    // One query: the cursor is a round trip to the display server under some
    // systems, and two queries could give x and y of different moments.
    POINT point;
    if (!GetCursorPos(&point)) return std::nullopt;
    return ScreenPoint{point.x, point.y};
}

namespace {

struct ButtonEvents {
    DWORD events[4];
    int count;
};

constexpr ButtonEvents leftClick{{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}, 2};
constexpr ButtonEvents leftDoubleClick{
    {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}, 4};
constexpr ButtonEvents rightClick{{MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}, 2};
constexpr ButtonEvents rightDoubleClick{
    {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}, 4};

const ButtonEvents& buttonEventsOf(int actionCode) {
    switch (actionCode) {
    case 1: return leftDoubleClick;
    case 2: return rightClick;
    case 3: return rightDoubleClick;
    default: return leftClick;
    }
}

}  // namespace

void injectMouseAction(int x, int y, int actionCode) {
    const ButtonEvents& action = buttonEventsOf(actionCode);
    SetCursorPos(x, y);
    // dx and dy ride along unused: without a move flag the click lands where
    // the cursor was just put.
    for (int i = 0; i < action.count; ++i)
        mouse_event(action.events[i], static_cast<DWORD>(x), static_cast<DWORD>(y), 0, 0);
}

void injectKeyPress(int virtualKey) {
    const auto key = static_cast<BYTE>(virtualKey);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace platform
