// The process-level services: the fatal stop and the message boxes.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/process.h"
#include "platform/win32.h"

namespace {

constexpr int messageTextId = 0xFFFF;  // the static control that holds a message box's text

BOOL CALLBACK findIcon(HWND child, LPARAM found) {
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
    *reinterpret_cast<HICON*>(found) = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    return FALSE;
}

HICON iconOf(HWND box) {
    HICON icon = nullptr;
    EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&icon));
    return icon;
}

// Waits for a message box with this caption, checks it, and presses OK. A box
// that is not as expected ends the process with 3, which the death test sees.
void answerBox(const wchar_t* caption, std::wstring textPart, LPCWSTR icon) {
    std::thread([=] {
        for (int i = 0; i < 500; ++i) {
            HWND box = FindWindowW(L"#32770", caption);
            if (!box) {
                Sleep(10);
                continue;
            }
            wchar_t text[512] = {};
            GetDlgItemTextW(box, messageTextId, text, 512);
            const bool iconRight = iconOf(box) == LoadIconW(nullptr, icon);
            if (std::wstring(text).find(textPart) == std::wstring::npos || GetWindow(box, GW_OWNER) || !iconRight)
                ExitProcess(3);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return;
        }
        ExitProcess(4);  // no box came
    }).detach();
}

TEST(FatalStopDeathTest, NamesTheFailureAndEndsWithMinusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            answerBox(L"Vantorel", L"无法创建程序的主窗口。", IDI_HAND);
            platform::fatalStop(L"无法创建程序的主窗口。");
        },
        ::testing::ExitedWithCode(-1), "");
}

TEST(InformationBox, HasNoOwnerAndReturnsWhenClosed) {
    answerBox(L"小提示", L"左键单击", IDI_ASTERISK);
    EXPECT_EQ(platform::messageBox(L"左键单击的情况下", L"小提示", platform::informationBox), IDOK);
}

}  // namespace
