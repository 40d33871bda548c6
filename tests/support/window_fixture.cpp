#include "window_fixture.h"

#include "platform/message_loop.h"
#include "platform/owned.h"

namespace testing_support {

// Through the program's own pump step, but never past the deadline: input
// may arrive faster than it is handled while the program clicks at full speed.
void pumpFor(std::chrono::milliseconds duration) {
    pumpUntil([] { return false; }, duration);
}

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        if (!platform::dispatchOnePendingMessage()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

POINT centreOnScreen(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void clickAt(POINT point) {
    POINT now{};
    if (GetCursorPos(&now) && (now.x != point.x || now.y != point.y)) {
        // Under Wine a pointer warp echoes back from the display a moment
        // later; a press made before the echo may land at the old position.
        SetCursorPos(point.x, point.y);
        Sleep(50);
    }
    SetCursorPos(point.x, point.y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void clickOn(HWND window) { clickAt(centreOnScreen(window)); }

void pressKey(WORD virtualKey) {
    keybd_event(static_cast<BYTE>(virtualKey), 0, 0, 0);
    keybd_event(static_cast<BYTE>(virtualKey), 0, KEYEVENTF_KEYUP, 0);
}

COLORREF pixelAt(HWND window, int x, int y) { return GetPixel(platform::WindowDc(window).get(), x, y); }

bool anyPixel(HWND window, COLORREF color) {
    RECT area;
    GetClientRect(window, &area);
    platform::WindowDc dc(window);
    bool found = false;
    for (int y = 0; y < area.bottom && !found; ++y)
        for (int x = 0; x < area.right && !found; ++x) found = GetPixel(dc.get(), x, y) == color;
    return found;
}

std::future<std::wstring> answerNextBox(const wchar_t* caption) {
    return std::async(std::launch::async, [caption]() -> std::wstring {
        for (int i = 0; i < 500; ++i) {
            HWND box = FindWindowW(L"#32770", caption);
            if (!box) {
                Sleep(10);
                continue;
            }
            wchar_t text[1024] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the static control that holds the text
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return text;
        }
        return {};
    });
}

void MainWindowTest::SetUp() {
    ASSERT_TRUE(ui::loadMainWindow());
    SetForegroundWindow(ui::window.handle());
    pumpFor(100ms);
}

void MainWindowTest::TearDown() {
    ui::window.destroy();
    pumpFor(20ms);
}

}  // namespace testing_support
