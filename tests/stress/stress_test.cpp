// The skinned window painted and run far more often than a user ever will:
// a leak of one GDI object per paint, or of anything per run, would exhaust
// the process's handle tables long before the end, and the last creations
// would fail.
#include <string>
#include <vector>

#include "common/globals.h"
#include "control/run_control.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;
using namespace ui;

// Every kind of control the window has, the status bar included.
std::vector<HWND> everyControl() {
    return {按钮2.handle(), 按钮1.handle(),  标签9.handle(),   已运行时间.handle(), 状态条1.handle(),
            鼠标速度.handle(), 分组框3.handle(), 组合框3.handle(), 选择框3.handle(),   鼠标选择.handle(),
            键盘选择.handle(), 标签5.handle(),   分组框1.handle()};
}

void expectEveryCreationStillSucceeds() {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HFONT font = CreateFontW(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(brush, nullptr);
    EXPECT_NE(pen, nullptr);
    EXPECT_NE(font, nullptr);
    EXPECT_NE(memory, nullptr);
    EXPECT_NE(bitmap, nullptr);
    EXPECT_NE(window, nullptr);
    DestroyWindow(window);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    DeleteObject(pen);
    DeleteObject(brush);
}

using Stress = MainWindowTest;

TEST_F(Stress, TwentyThousandPaintsOfTheSkinnedControls) {
    const std::vector<HWND> controls = everyControl();
    for (int paint = 0; paint < 20000; ++paint) {
        HWND control = controls[paint % controls.size()];
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        if (paint % 500 == 0) 点击次数.setCaption(std::to_wstring(paint));  // the count's own redraw path too
    }
    expectEveryCreationStillSucceeds();
}

TEST_F(Stress, AThousandRunsThroughTheHandlers) {
    鼠标速度.setSelection(12);  // quiet timers: the transitions are what is tested
    for (int run = 0; run < 1000; ++run) {
        control::startRun(0, 0);
        control::stopRun(0, 0);
    }
    pumpFor(100ms);
    EXPECT_EQ(window.caption(), L"Vantorel");
    EXPECT_EQ(时钟1.period(), 0);
    EXPECT_EQ(时钟2.period(), 0);
    EXPECT_NE(hotkeyId, 0) << "the hotkey is still bound after two thousand rebinds";
    expectEveryCreationStillSucceeds();
}

}  // namespace
