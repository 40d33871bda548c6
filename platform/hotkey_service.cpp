#include "platform/hotkey_service.h"

#include "platform/win32.h"

namespace platform {
namespace {

constexpr std::uint32_t firstId = 33001;

int activeCount = 0;
std::uint32_t idCounter = 0;
std::uint32_t lastId = 0;
HWND currentTarget = nullptr;
WNDPROC previousProc = nullptr;

LRESULT CALLBACK serviceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Any id this service handed out, the latest or an older one still
    // queued, reaches the current target once; lastId only grows.
    if (message == WM_HOTKEY && wParam >= firstId && wParam <= lastId)
        SendMessageW(currentTarget, feedbackMessage, wParam, 0);
    // The target's handler may have re-subclassed the window: read afresh.
    WNDPROC next = previousProc;
    if (message == WM_NCDESTROY && next) {
        // The system drops a destroyed window's hotkeys; so does the service.
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
        previousProc = nullptr;
        activeCount = 0;
    }
    if (!next) {
        // Un-subclassed inside the send and not subclassed again: the window's
        // own procedure is back in place.
        next = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
        if (next == serviceProc) return DefWindowProcW(window, message, wParam, lParam);
    }
    return CallWindowProcW(next, window, message, wParam, lParam);
}

}  // namespace

unsigned hotkeyFlags(int modifierCode) {
    switch (modifierCode) {
    case 0: return 0;
    case 1: return MOD_CONTROL;
    case 2: return MOD_SHIFT;
    case 3: return MOD_CONTROL | MOD_SHIFT;
    case 4: return MOD_ALT;
    case 5: return MOD_CONTROL | MOD_ALT;
    case 6: return MOD_SHIFT | MOD_ALT;
    default: return static_cast<unsigned>(modifierCode);  // 7 is all three already
    }
}

int registerHotkey(WindowHandle window, WindowHandle target, int modifierCode, int virtualKey) {
    currentTarget = target;
    const unsigned flags = hotkeyFlags(modifierCode);
    if (!previousProc)
        previousProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(serviceProc)));
    ++activeCount;
    ++idCounter;
    lastId = firstId - 1 + idCounter;
    if (!RegisterHotKey(window, static_cast<int>(lastId), flags, static_cast<UINT>(virtualKey))) return 0;
    return static_cast<int>(lastId);
}

bool unregisterHotkey(WindowHandle window, int id) {
    const bool released = UnregisterHotKey(window, id) != FALSE;
    --activeCount;
    if (previousProc && activeCount == 0) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
        previousProc = nullptr;
    }
    return released;
}

HotkeyServiceState hotkeyServiceState() {
    return {activeCount, idCounter, lastId, currentTarget, previousProc != nullptr};
}

}  // namespace platform
