#pragma once
// The GUI thread's message pump. The main loop and processPendingMessages run
// the same step: pre-translation (Esc closes the window, Tab moves the focus),
// then translation and dispatch.

namespace platform {

// Runs until the quit message arrives; returns its exit code.
int runMessageLoop();
bool isMessageLoopRunning();

// Dispatches what is queued, up to an empty queue or a quit message at its
// head, which stays queued for the main loop.
void processPendingMessages();

// One step of that: false, dispatching nothing, when the queue is empty or
// a quit message is at its head.
bool dispatchOnePendingMessage();

}  // namespace platform
