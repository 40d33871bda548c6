// The real program, started as a user starts it and driven only from outside.
#include <gtest/gtest.h>

#include <cwctype>
#include <thread>
#include <string>

#include "running_program.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;
using namespace std::chrono_literals;

std::wstring lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

struct ClassSearch {
    const wchar_t* className;
    int index;
    HWND found;
};

BOOL CALLBACK matchClass(HWND child, LPARAM lParam) {
    auto* search = reinterpret_cast<ClassSearch*>(lParam);
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (std::wstring(name) == search->className && search->index-- == 0) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND childOfClass(HWND parent, const wchar_t* className, int index) {
    ClassSearch search{className, index, nullptr};
    EnumChildWindows(parent, matchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(Startup, ShowsTheWindowAndEscEndsTheProcessWithZero) {
    RunningProgram program(vantorelExe());
    ASSERT_TRUE(program.started());
    HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"Vantorel");

    SetForegroundWindow(window);
    std::this_thread::sleep_for(200ms);
    pressKey(VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 0u);
}

TEST(Startup, EscClosesEvenWithADropDownListOpen) {
    RunningProgram program(vantorelExe());
    HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    std::this_thread::sleep_for(200ms);
    HWND combo = childOfClass(window, L"ComboBox", 0);
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(IsWindowEnabled(GetParent(combo)));
    clickOn(combo);
    for (int i = 0; i < 100 && !SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0); ++i) std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
    pressKey(VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 0u);
}

TEST(Startup, TheCloseButtonEndsTheProcessWithZero) {
    RunningProgram program(vantorelExe());
    HWND window = program.waitForWindow();
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.waitForExit(), 0u);
}

TEST(Startup, MakesItsOwnFolderCurrentWhereverItWasStarted) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    RunningProgram program(vantorelExe(), system);
    ASSERT_NE(program.waitForWindow(), nullptr);
    std::wstring current = program.currentDirectory();
    while (!current.empty() && current.back() == L'\\') current.pop_back();
    EXPECT_EQ(lower(current), lower(folderOfThisProgram()));
}

}  // namespace
