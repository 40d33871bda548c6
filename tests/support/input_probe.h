#pragma once
// Seeing the input the program injects: low-level hooks on a thread of their
// own, and a plain window that logs the button messages it receives.
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/win32.h"

namespace testing_support {

struct MouseEvent {
    WPARAM message;  // WM_LBUTTONDOWN ...
    POINT point;
    DWORD flags;
};

struct KeyEvent {
    WPARAM message;  // WM_KEYDOWN, WM_KEYUP
    DWORD virtualKey, scanCode, flags;
};

// Records button and key events as the system routes them, and swallows
// them so that they reach no window.
class InputRecorder {
public:
    InputRecorder();
    ~InputRecorder();
    InputRecorder(const InputRecorder&) = delete;
    InputRecorder& operator=(const InputRecorder&) = delete;

    std::vector<MouseEvent> mouse();
    std::vector<KeyEvent> keys();
    // Waits until at least this many events arrived, up to the timeout.
    bool waitForMouse(size_t count, std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));
    bool waitForKeys(size_t count, std::chrono::milliseconds timeout = std::chrono::milliseconds(2000));

private:
    std::thread thread_;
    DWORD threadId_ = 0;
};

// A top-level window of the test that logs the button messages it receives.
// A click on it leaves the activation where it was, unless it is to take the
// focus (for key presses).
class SinkWindow {
public:
    explicit SinkWindow(RECT place = {20, 20, 220, 220});
    ~SinkWindow();
    SinkWindow(const SinkWindow&) = delete;
    SinkWindow& operator=(const SinkWindow&) = delete;

    HWND handle() const { return window_; }
    POINT centre() const;
    const std::vector<UINT>& messages() const { return messages_; }
    // Runs on every button message, after it is logged.
    std::function<void(UINT)> onButton;
    // Runs on every key press it receives, with the virtual key.
    std::function<void(WPARAM)> onKey;
    bool takesFocus = false;

private:
    static LRESULT CALLBACK proc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
    std::vector<UINT> messages_;
};

}  // namespace testing_support
