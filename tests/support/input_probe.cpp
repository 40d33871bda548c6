#include "input_probe.h"

#include <atomic>

#include "platform/owned.h"

namespace testing_support {
namespace {

using OwnedHook = platform::Owned<HHOOK, UnhookWindowsHookEx>;

std::mutex guard;
std::vector<MouseEvent> mouseEvents;
std::vector<KeyEvent> keyEvents;

bool isButton(WPARAM message) { return message != WM_MOUSEMOVE && message != WM_MOUSEWHEEL; }

LRESULT CALLBACK mouseHook(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION && isButton(message)) {
        auto* info = reinterpret_cast<MSLLHOOKSTRUCT*>(lParam);
        std::lock_guard lock(guard);
        mouseEvents.push_back({message, info->pt, info->flags});
        return 1;
    }
    return CallNextHookEx(nullptr, code, message, lParam);
}

LRESULT CALLBACK keyboardHook(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION) {
        auto* info = reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam);
        std::lock_guard lock(guard);
        keyEvents.push_back({message, info->vkCode, info->scanCode, info->flags});
        return 1;
    }
    return CallNextHookEx(nullptr, code, message, lParam);
}

template <typename Events>
bool waitFor(const Events& events, size_t count, std::chrono::milliseconds timeout) {
    auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        {
            std::lock_guard lock(guard);
            if (events.size() >= count) return true;
        }
        if (std::chrono::steady_clock::now() >= end) return false;
        Sleep(5);
    }
}

}  // namespace

InputRecorder::InputRecorder() {
    {
        std::lock_guard lock(guard);
        mouseEvents.clear();
        keyEvents.clear();
    }
    std::atomic<bool> ready = false;
    thread_ = std::thread([this, &ready] {
        threadId_ = GetCurrentThreadId();
        OwnedHook mouse(SetWindowsHookExW(WH_MOUSE_LL, mouseHook, GetModuleHandleW(nullptr), 0));
        OwnedHook keyboard(SetWindowsHookExW(WH_KEYBOARD_LL, keyboardHook, GetModuleHandleW(nullptr), 0));
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts to it
        ready = true;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    });
    while (!ready) Sleep(1);
}

InputRecorder::~InputRecorder() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

std::vector<MouseEvent> InputRecorder::mouse() {
    std::lock_guard lock(guard);
    return mouseEvents;
}

std::vector<KeyEvent> InputRecorder::keys() {
    std::lock_guard lock(guard);
    return keyEvents;
}

bool InputRecorder::waitForMouse(size_t count, std::chrono::milliseconds timeout) {
    return waitFor(mouseEvents, count, timeout);
}

bool InputRecorder::waitForKeys(size_t count, std::chrono::milliseconds timeout) {
    return waitFor(keyEvents, count, timeout);
}

SinkWindow::SinkWindow(RECT place) {
    static const ATOM registered = [] {
        WNDCLASSW sink{};
        sink.lpfnWndProc = proc;
        sink.hInstance = GetModuleHandleW(nullptr);
        sink.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        sink.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        sink.lpszClassName = L"Vantorel.TestSink";
        return RegisterClassW(&sink);  // no CS_DBLCLKS: every press arrives as a press
    }();
    (void)registered;
    window_ = CreateWindowExW(WS_EX_TOPMOST, L"Vantorel.TestSink", L"sink", WS_POPUP | WS_VISIBLE, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
}

SinkWindow::~SinkWindow() { DestroyWindow(window_); }

POINT SinkWindow::centre() const {
    RECT rect;
    GetWindowRect(window_, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

LRESULT CALLBACK SinkWindow::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<SinkWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) {
        self->messages_.push_back(message);
        if (self->onButton) self->onButton(message);
        return 0;
    }
    if (self && message == WM_KEYDOWN && self->onKey) {
        self->onKey(wParam);
        return 0;
    }
    if (message == WM_MOUSEACTIVATE) return self && self->takesFocus ? MA_ACTIVATE : MA_NOACTIVATE;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace testing_support
