// Faults the real program meets at start-up, seen from outside.
#include <gtest/gtest.h>

#include <string>

#include "running_program.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;

const std::wstring ctrlF10Taken =
    L"注册快捷键失败:\r\n\r\n<Ctrl + F10>\r\n\r\n因为这组快捷键正在被使用！请尝试其他快捷键！";

// The program's message box, found by caption among the windows of its process.
HWND boxOf(DWORD processId) {
    for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", L"Vantorel"); box;
         box = FindWindowExW(nullptr, box, L"#32770", L"Vantorel")) {
        DWORD owner = 0;
        GetWindowThreadProcessId(box, &owner);
        if (owner == processId) return box;
    }
    return nullptr;
}

std::wstring answerBoxOf(DWORD processId) {
    HWND box = nullptr;
    pumpUntil([&] { return (box = boxOf(processId)) != nullptr; }, 10000ms);
    if (!box) return L"<no box>";
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner window";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return text;
}

TEST(Faults, AHotkeyHeldElsewhereAtStartIsReportedOnceAndTheNextEditBinds) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F10));
    RunningProgram program(vantorelExe());
    EXPECT_EQ(answerBoxOf(program.id()), ctrlF10Taken);
    HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr) << "the program goes on";
    pumpFor(300ms);
    EXPECT_EQ(boxOf(program.id()), nullptr) << "one box only";

    POINT altBox{30, 152};
    ClientToScreen(window, &altBox);
    clickAt(altBox);  // Ctrl+Alt+F10 is free
    pumpFor(300ms);
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(VK_MENU, 0, 0, 0);
    pressKey(VK_F10);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(pumpUntil([&] { return textOf(window) == L"点击器已经启动"; }, 5000ms)) << "the new hotkey starts a run";
    UnregisterHotKey(nullptr, 1);
}

TEST(Faults, ASecondInstanceStartsAndReportsItsHotkeyTaken) {
    RunningProgram first(vantorelExe());
    HWND firstWindow = first.waitForWindow();
    ASSERT_NE(firstWindow, nullptr);
    RunningProgram second(vantorelExe());
    EXPECT_EQ(answerBoxOf(second.id()), ctrlF10Taken);
    HWND secondWindow = second.waitForWindow();
    ASSERT_NE(secondWindow, nullptr);
    EXPECT_NE(secondWindow, firstWindow);

    pressStartStopHotkey();  // still the first instance's
    EXPECT_TRUE(pumpUntil([&] { return textOf(firstWindow) == L"点击器已经启动"; }, 5000ms));
    EXPECT_EQ(textOf(secondWindow), L"Vantorel");
    pressStartStopHotkey();
    EXPECT_TRUE(pumpUntil([&] { return textOf(firstWindow) == L"Vantorel"; }, 5000ms));
}

}  // namespace
