#include "platform/message_loop.h"

#include "platform/pretranslate.h"
#include "platform/win32.h"

namespace platform {
namespace {

int loopDepth = 0;

void dispatch(MSG& message) {
    if (preTranslateMessage(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

int runMessageLoop() {
    ++loopDepth;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
    --loopDepth;
    return static_cast<int>(message.wParam);
}

bool isMessageLoopRunning() { return loopDepth > 0; }

bool dispatchOnePendingMessage() {
    MSG message{};
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) || message.message == WM_QUIT) return false;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        // A quit posted between the look and the take stays for the main loop.
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    dispatch(message);
    return true;
}

void processPendingMessages() {
    while (dispatchOnePendingMessage()) {
    }
}

}  // namespace platform
