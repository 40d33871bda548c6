#pragma once
// The real main window, built in the test process, and real input to drive it.
#include <chrono>
#include <functional>
#include <future>
#include <string>

#include <gtest/gtest.h>

#include "platform/win32.h"
#include "ui/main_window.h"

namespace testing_support {

using namespace std::chrono_literals;

// Dispatches this thread's messages, through the program's own pump, for a while.
void pumpFor(std::chrono::milliseconds duration);
// Pumps until the condition holds or the time is up; returns the condition.
bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 3000ms);

// Real injected input, as a user's hand would give it.
POINT centreOnScreen(HWND window);
void clickAt(POINT point);
void clickOn(HWND window);
void pressKey(WORD virtualKey);

// Screen pixels of a window's client area.
COLORREF pixelAt(HWND window, int x, int y);
bool anyPixel(HWND window, COLORREF color);

// Waits on a thread of its own for the next message box with this caption,
// reads its text and presses OK; get() gives the text (empty when none came).
std::future<std::wstring> answerNextBox(const wchar_t* caption);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace testing_support
