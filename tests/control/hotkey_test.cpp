// The global hotkey under real registrations and real injected key presses.
// The first test relies on being the first binding of this process.
#include <string>
#include <vector>

#include "common/globals.h"
#include "control/hotkey_binding.h"
#include "platform/hotkey_service.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;
using namespace ui;

struct Feedback {
    HWND label;
    int id, value;
};
std::vector<Feedback> feedbacks;

class Hotkey : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        feedbacks.clear();
        // Observed in place of starting and stopping runs.
        标签5.events.feedback = [](int id, int value) { feedbacks.push_back({标签5.handle(), id, value}); };
        标签1.events.feedback = [](int id, int value) { feedbacks.push_back({标签1.handle(), id, value}); };
    }
};

void pressCtrlF10() {
    keybd_event(VK_CONTROL, 0, 0, 0);
    pressKey(VK_F10);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

TEST_F(Hotkey, TheFirstBindingIsCtrlF10UnderId33001AndAPressReachesTheIdleTarget) {
    const platform::HotkeyServiceState state = platform::hotkeyServiceState();
    EXPECT_EQ(hotkeyId, 33001);
    EXPECT_EQ(state.lastId, 33001u);
    EXPECT_EQ(state.idCounter, 1u);
    EXPECT_EQ(state.activeCount, 1);
    EXPECT_TRUE(state.subclassed);
    EXPECT_EQ(state.currentTarget, 标签5.handle());
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F10)) << "the program holds Ctrl+F10";

    pressCtrlF10();
    ASSERT_TRUE(pumpUntil([] { return !feedbacks.empty(); }));
    pumpFor(100ms);
    ASSERT_EQ(feedbacks.size(), 1u);
    EXPECT_EQ(feedbacks[0].label, 标签5.handle());
    EXPECT_EQ(feedbacks[0].id, 33001);
    EXPECT_EQ(feedbacks[0].value, 0);
}

TEST(HotkeyFlags, EachModifierCodeHasItsFlags) {
    const unsigned flags[] = {0,
                              MOD_CONTROL,
                              MOD_SHIFT,
                              MOD_CONTROL | MOD_SHIFT,
                              MOD_ALT,
                              MOD_CONTROL | MOD_ALT,
                              MOD_SHIFT | MOD_ALT,
                              MOD_ALT | MOD_CONTROL | MOD_SHIFT};
    for (int code = 0; code < 8; ++code) EXPECT_EQ(platform::hotkeyFlags(code), flags[code]) << code;
    EXPECT_EQ(platform::hotkeyFlags(8), 8u) << "other values pass unchanged";
}

TEST_F(Hotkey, EachEditRebindsUnderAFreshIdAndTheNewCombinationWorks) {
    const std::uint32_t before = platform::hotkeyServiceState().lastId;
    clickOn(选择框1.handle());  // Alt joins: Ctrl+Alt+F10
    ASSERT_TRUE(pumpUntil([&] { return platform::hotkeyServiceState().lastId == before + 1; }));
    EXPECT_EQ(hotkeyId, static_cast<int>(before + 1));
    EXPECT_EQ(platform::hotkeyServiceState().activeCount, 1);
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F10)) << "Ctrl+F10 alone was released";
    UnregisterHotKey(nullptr, 1);

    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(VK_MENU, 0, 0, 0);
    pressKey(VK_F10);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(pumpUntil([] { return !feedbacks.empty(); }));
    EXPECT_EQ(feedbacks[0].id, hotkeyId);

    pumpFor(600ms);
    clickOn(选择框1.handle());  // and leaves again: another pair, another id
    ASSERT_TRUE(pumpUntil([&] { return platform::hotkeyServiceState().lastId == before + 2; }));
    EXPECT_EQ(hotkeyId, static_cast<int>(before + 2));
}

TEST_F(Hotkey, EachPairRemovesAndReinstallsTheSubclass) {
    const auto bound = GetWindowLongPtrW(window.handle(), GWLP_WNDPROC);
    control::unbindHotkey();
    const auto own = GetWindowLongPtrW(window.handle(), GWLP_WNDPROC);  // the window's procedure before the service
    EXPECT_NE(own, bound);
    EXPECT_EQ(platform::hotkeyServiceState().activeCount, 0);
    EXPECT_FALSE(platform::hotkeyServiceState().subclassed);
    control::bindHotkey(标签1);
    EXPECT_EQ(GetWindowLongPtrW(window.handle(), GWLP_WNDPROC), bound) << "the service's procedure again";
    EXPECT_EQ(platform::hotkeyServiceState().currentTarget, 标签1.handle());
    control::unbindHotkey();
    EXPECT_EQ(GetWindowLongPtrW(window.handle(), GWLP_WNDPROC), own);
    control::bindHotkey(标签5);
}

// The window's own procedure, as the service finds it when it subclasses.
std::vector<WPARAM> hotkeysSeenByTheWindow;
WNDPROC originalProc = nullptr;
LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) hotkeysSeenByTheWindow.push_back(wParam);
    return CallWindowProcW(originalProc, window, message, wParam, lParam);
}

TEST_F(Hotkey, QueuedOldIdsReachTheCurrentTargetOnceAndStrangeIdsReachNoOne) {
    control::unbindHotkey();
    hotkeysSeenByTheWindow.clear();
    originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window.handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordingProc)));
    control::bindHotkey(标签5);
    const int old = hotkeyId;
    control::unbindHotkey();
    control::bindHotkey(标签1);  // a run's binding under a newer id
    const auto last = platform::hotkeyServiceState().lastId;

    PostMessageW(window.handle(), WM_HOTKEY, old, 0);
    PostMessageW(window.handle(), WM_HOTKEY, 33000, 0);
    PostMessageW(window.handle(), WM_HOTKEY, last + 1, 0);
    pumpFor(100ms);
    ASSERT_EQ(feedbacks.size(), 1u);
    EXPECT_EQ(feedbacks[0].label, 标签1.handle());
    EXPECT_EQ(feedbacks[0].id, old);
    EXPECT_EQ(hotkeysSeenByTheWindow, (std::vector<WPARAM>{static_cast<WPARAM>(old), 33000, last + 1}))
        << "every WM_HOTKEY still reaches the window's own procedure";

    control::unbindHotkey();
    SetWindowLongPtrW(window.handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc));
    control::bindHotkey(标签5);
}

TEST_F(Hotkey, ACombinationHeldElsewhereIsReportedAndTheNextEditBindsAgain) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, VK_F5));
    选择框3.setChecked(true);
    组合框3.setSelection(55);  // F5
    auto box = answerNextBox(L"Vantorel");
    control::rebindAfterEdit();
    EXPECT_EQ(box.get(), L"注册快捷键失败:\r\n\r\n<Ctrl + Shift + F5>\r\n\r\n因为这组快捷键正在被使用！请尝试其他快捷键！");
    EXPECT_EQ(hotkeyId, 0);
    EXPECT_EQ(platform::hotkeyServiceState().currentTarget, 标签5.handle()) << "the target moved on all the same";

    const auto before = platform::hotkeyServiceState().lastId;
    选择框3.setChecked(false);
    control::rebindAfterEdit();  // unbinding id 0 fails quietly; the new attempt takes a fresh id
    EXPECT_EQ(hotkeyId, static_cast<int>(before + 1));
    EXPECT_EQ(platform::hotkeyServiceState().activeCount, 1);
    UnregisterHotKey(nullptr, 7);
}

TEST_F(Hotkey, WithNoKeySelectedOnlyTheModifiersStandInTheMessage) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 8, MOD_ALT | MOD_CONTROL, 0));
    选择框1.setChecked(true);
    组合框3.setSelection(-1);
    auto box = answerNextBox(L"Vantorel");
    control::rebindAfterEdit();
    EXPECT_EQ(box.get(), L"注册快捷键失败:\r\n\r\n<Alt + Ctrl + >\r\n\r\n因为这组快捷键正在被使用！请尝试其他快捷键！");
    UnregisterHotKey(nullptr, 8);
}

}  // namespace
