// Subclass chains kept in the program's memory: the order of the layers, a
// message passed on from each layer to the one below and to the window's
// own procedure (also from inside a nested message), removal, a procedure
// installed in front of the chain by someone else, and a destroyed window.
#include <gtest/gtest.h>

#include <string>

#include "platform/owned.h"
#include "platform/subclass.h"

namespace {

std::string trail;  // who saw each message, in order

LRESULT CALLBACK baseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        trail += "base ";
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK lower(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR data) {
    if (message == WM_APP) trail += "lower" + std::to_string(data) + " ";
    // Nested: the same window gets another message while this one runs.
    if (message == WM_APP && wParam == 1) SendMessageW(window, WM_APP, 0, 0);
    const LRESULT below = platform::callNextProcedure(window, message, wParam, lParam);
    return message == WM_APP ? below + 10 : below;
}

LRESULT CALLBACK upper(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR) {
    if (message == WM_APP) trail += "upper ";
    const LRESULT below = platform::callNextProcedure(window, message, wParam, lParam);
    return message == WM_APP ? below + 100 : below;
}

WNDPROC outsiderNext = nullptr;
LRESULT CALLBACK outsider(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) trail += "outsider ";
    return CallWindowProcW(outsiderNext, window, message, wParam, lParam);
}

class Subclass : public ::testing::Test {
protected:
    void SetUp() override {
        static const ATOM registered = [] {
            WNDCLASSW plain{};
            plain.lpfnWndProc = baseProc;
            plain.hInstance = GetModuleHandleW(nullptr);
            plain.lpszClassName = L"Vantorel.SubclassTest";
            return RegisterClassW(&plain);
        }();
        ASSERT_NE(registered, 0);
        window.reset(CreateWindowExW(0, L"Vantorel.SubclassTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
        ASSERT_TRUE(window);
        trail.clear();
    }
    LRESULT send(WPARAM nested = 0) { return SendMessageW(window.get(), WM_APP, nested, 0); }
    WNDPROC procedure() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window.get(), GWLP_WNDPROC)); }
    platform::OwnedWindow window;
};

TEST_F(Subclass, TheLastLayerComesFirstAndEachPassesDown) {
    ASSERT_TRUE(platform::subclassWindow(window.get(), lower, 7));
    ASSERT_TRUE(platform::subclassWindow(window.get(), upper, 0));
    EXPECT_FALSE(platform::subclassWindow(window.get(), lower, 8)) << "a procedure once per window";
    EXPECT_EQ(send(), 111);
    EXPECT_EQ(trail, "upper lower7 base ");
}

TEST_F(Subclass, ANestedMessageRunsTheWholeChainAndTheOuterOneGoesOnBelow) {
    ASSERT_TRUE(platform::subclassWindow(window.get(), lower, 1));
    ASSERT_TRUE(platform::subclassWindow(window.get(), upper, 0));
    EXPECT_EQ(send(1), 111);
    EXPECT_EQ(trail, "upper lower1 upper lower1 base base ");
}

TEST_F(Subclass, RemovingTheLastLayerPutsTheWindowsOwnProcedureBack) {
    ASSERT_TRUE(platform::subclassWindow(window.get(), lower, 1));
    ASSERT_TRUE(platform::subclassWindow(window.get(), upper, 0));
    platform::unsubclassWindow(window.get(), upper);
    EXPECT_EQ(send(), 11);
    platform::unsubclassWindow(window.get(), lower);
    EXPECT_EQ(procedure(), baseProc);
    EXPECT_TRUE(platform::subclassWindow(window.get(), upper, 0)) << "and it can be subclassed again";
    EXPECT_EQ(send(), 101);
}

TEST_F(Subclass, WithSomeoneInFrontTheChainStaysAndPassesMessagesOn) {
    ASSERT_TRUE(platform::subclassWindow(window.get(), lower, 1));
    outsiderNext = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(outsider)));
    platform::unsubclassWindow(window.get(), lower);
    EXPECT_EQ(procedure(), outsider);
    EXPECT_EQ(send(), 1);
    EXPECT_EQ(trail, "outsider base ");
}

TEST_F(Subclass, ADestroyedWindowTakesItsChainAlong) {
    ASSERT_TRUE(platform::subclassWindow(window.get(), lower, 1));
    HWND gone = window.get();
    DestroyWindow(window.release());
    // A chain left behind would still lead to the window's old procedure,
    // and a new window given the same handle would inherit it.
    EXPECT_EQ(platform::callNextProcedure(gone, WM_APP, 0, 0), 0);
    EXPECT_EQ(trail, "");
}

}  // namespace
