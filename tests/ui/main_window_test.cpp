// The built window read back from the live windows, and driven with real input.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "engine/tables.h"
#include "platform/clock.h"
#include "platform/owned.h"
#include "window_fixture.h"

namespace {

using namespace testing_support;
using namespace ui;
using platform::Control;

enum Kind { Label, Push, Check, Radio, Combo, Group, Timer, Status };

struct Expected {
    Control* control;
    const char* name;
    Kind kind;
    Control* container;  // nullptr: the window
    RECT rect;           // left, top, width, height in the container's client area
    const wchar_t* text;
    bool enabled;
    int checked;  // -1: not a check box or radio button
    std::span<const wchar_t* const> items;
    int selection;
};

constexpr int none = -1;
const std::span<const wchar_t* const> noItems{};

// Every control in stacking order, topmost first.
const Expected expected[] = {
    {&按钮2, "按钮2", Push, nullptr, {328, 178, 24, 21}, L"?", true, none, noItems, none},
    {&按钮1, "按钮1", Push, nullptr, {312, 201, 40, 24}, L"还原", true, none, noItems, none},
    {&标签9, "标签9", Label, nullptr, {16, 201, 296, 24}, L"将鼠标放在该黑色区域运行点击器可看到实际点击次数", true, none, noItems, none},
    {&标签8, "标签8", Label, nullptr, {168, 181, 72, 16}, L"已运行时间：", true, none, noItems, none},
    {&已运行时间, "已运行时间", Label, nullptr, {245, 181, 75, 16}, L"0", true, none, noItems, none},
    {&状态条1, "状态条1", Status, nullptr, {}, nullptr, true, none, noItems, none},
    {&标签4, "标签4", Label, nullptr, {16, 181, 80, 16}, L"期望点击次数：", true, none, noItems, none},
    {&鼠标速度, "鼠标速度", Combo, &分组框1, {224, 18, 72, 0}, nullptr, true, none, engine::speedLabels, 0},
    {&点击次数, "点击次数", Label, nullptr, {98, 181, 64, 16}, L"0", true, none, noItems, none},
    {&分组框3, "分组框3", Group, nullptr, {16, 120, 336, 56}, L"开始/停止 点击快捷键", true, none, noItems, none},
    {&组合框3, "组合框3", Combo, &分组框3, {225, 21, 100, 0}, nullptr, true, none, engine::hotkeyLabels, 60},
    {&选择框3, "选择框3", Check, &分组框3, {144, 24, 64, 16}, L"Shift +", true, 0, noItems, none},
    {&选择框2, "选择框2", Check, &分组框3, {75, 24, 64, 16}, L"Ctrl +", true, 1, noItems, none},
    {&选择框1, "选择框1", Check, &分组框3, {8, 24, 56, 16}, L"Alt +", true, 0, noItems, none},
    {&鼠标选择, "鼠标选择", Radio, nullptr, {32, 4, 74, 18}, L"鼠标点击", true, 1, noItems, none},
    {&键盘选择, "键盘选择", Radio, nullptr, {32, 60, 74, 18}, L"键盘点击", true, 0, noItems, none},
    {&标签5, "标签5", Label, &分组框2, {8, 17, 60, 24}, L"点击键盘：", true, none, noItems, none},
    {&键盘, "键盘", Combo, &分组框2, {71, 19, 78, 0}, nullptr, true, none, engine::keyboardLabels, 25},
    {&标签6, "标签6", Label, &分组框2, {160, 17, 61, 24}, L"点击速度：", true, none, noItems, none},
    {&键盘速度, "键盘速度", Combo, &分组框2, {224, 19, 72, 0}, nullptr, true, none, engine::speedLabels, 0},
    {&标签7, "标签7", Label, &分组框2, {298, 17, 23, 24}, L"一次", true, none, noItems, none},
    {&分组框2, "分组框2", Group, nullptr, {16, 64, 336, 48}, L"", false, none, noItems, none},
    {&标签1, "标签1", Label, &分组框1, {8, 17, 60, 22}, L"点击鼠标：", true, none, noItems, none},
    {&鼠标, "鼠标", Combo, &分组框1, {71, 18, 78, 0}, nullptr, true, none, engine::mouseActionLabels, 0},
    {&标签2, "标签2", Label, &分组框1, {160, 16, 61, 24}, L"点击速度：", true, none, noItems, none},
    {&标签3, "标签3", Label, &分组框1, {298, 16, 23, 24}, L"一次", true, none, noItems, none},
    {&分组框1, "分组框1", Group, nullptr, {16, 8, 336, 48}, L"", true, none, noItems, none},
    {&时钟1, "时钟1", Timer, nullptr, {}, L"", true, none, noItems, none},
    {&时钟2, "时钟2", Timer, nullptr, {}, L"", true, none, noItems, none},
    {&时钟3, "时钟3", Timer, nullptr, {}, L"", true, none, noItems, none},
};

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring text(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

RECT rectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

LONG buttonType(HWND window) { return GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK; }

void expectKind(const Expected& e, HWND window) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    switch (e.kind) {
    case Label: EXPECT_EQ(className(window), L"Vantorel.Label"); break;
    case Timer: EXPECT_EQ(className(window), L"Vantorel.Timer"); break;
    case Status: EXPECT_EQ(className(window), L"msctls_statusbar32"); EXPECT_FALSE(style & SBARS_SIZEGRIP); break;
    case Combo: EXPECT_EQ(className(window), L"ComboBox"); EXPECT_EQ(style & 3, CBS_DROPDOWNLIST); break;
    case Push: EXPECT_EQ(className(window), L"Button"); EXPECT_EQ(buttonType(window), BS_PUSHBUTTON); break;
    case Check: EXPECT_EQ(className(window), L"Button"); EXPECT_EQ(buttonType(window), BS_AUTOCHECKBOX); break;
    case Radio: EXPECT_EQ(className(window), L"Button"); EXPECT_EQ(buttonType(window), BS_AUTORADIOBUTTON); break;
    case Group: EXPECT_EQ(className(window), L"Button"); EXPECT_EQ(buttonType(window), BS_GROUPBOX); break;
    }
    // Windows keeps the tab stop of radio buttons on the checked one only.
    const bool tabStop = e.kind == Push || e.kind == Check || e.kind == Combo || (e.kind == Radio && e.checked == 1);
    EXPECT_EQ((style & WS_TABSTOP) != 0, tabStop);
}

using MainWindow = MainWindowTest;

TEST_F(MainWindow, EveryControlIsBuiltAsDescribed) {
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        HWND window = e.control->handle();
        ASSERT_TRUE(IsWindow(window));
        expectKind(e, window);
        HWND parent = e.container ? e.container->handle() : ui::window.handle();
        EXPECT_EQ(GetParent(window), parent);
        EXPECT_EQ(IsWindowVisible(window) != FALSE, e.kind != Timer);
        EXPECT_EQ(IsWindowEnabled(window) != FALSE, e.enabled);
        if (e.text) {
            EXPECT_EQ(text(window), e.text);
        }
        if (e.rect.right > 0) {
            RECT r = rectInParent(window);
            EXPECT_EQ(r.left, e.rect.left);
            EXPECT_EQ(r.top, e.rect.top);
            EXPECT_EQ(r.right, e.rect.right);
            if (e.rect.bottom > 0) {
                EXPECT_EQ(r.bottom, e.rect.bottom);
            }
        }
        if (e.checked != none) {
            EXPECT_EQ(SendMessageW(window, BM_GETCHECK, 0, 0), e.checked);
        }
        if (e.kind == Combo) {
            ASSERT_EQ(e.control->itemCount(), static_cast<int>(e.items.size()));
            for (int i = 0; i < static_cast<int>(e.items.size()); ++i) EXPECT_EQ(e.control->itemText(i), e.items[i]);
            EXPECT_EQ(e.control->itemText(-1), L"");
            EXPECT_EQ(e.control->itemText(static_cast<int>(e.items.size())), L"");
            EXPECT_EQ(e.control->selection(), e.selection);
        }
        EXPECT_EQ(e.control->tag(), e.control == &标签9 ? L"0" : L"");
    }
}

TEST_F(MainWindow, ControlsStackInTableOrderWithinEachContainer) {
    for (Control* container : {static_cast<Control*>(nullptr), &分组框1, &分组框2, &分组框3}) {
        std::vector<HWND> want;
        for (const Expected& e : expected)
            if (e.container == container) want.push_back(e.control->handle());
        std::vector<HWND> have;
        HWND parent = container ? container->handle() : ui::window.handle();
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            have.push_back(child);
        EXPECT_EQ(have, want);
    }
}

TEST_F(MainWindow, WindowIsCentredForItsLaidOutSizeFixedAndInTheTaskbar) {
    HWND window = ui::window.handle();
    EXPECT_EQ(text(window), L"Vantorel");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP));
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(GetParent(window), nullptr);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 375) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 277) / 2);
    // The created event made the client area 369 x 256, keeping the corner.
    EXPECT_EQ(ui::window.clientWidth(), 369);
    EXPECT_EQ(ui::window.clientHeight(), 256);
}

TEST_F(MainWindow, StatusBarHasTwoBorderlessPanesWithIcons) {
    HWND bar = 状态条1.handle();
    int edges[4] = {};
    ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[1], -1);
    // The clock pane already shows the time when the window first appears.
    const std::wstring texts[] = {L"作者：Quorrin", L"当前时间：" + std::to_wstring(platform::localNow().year) + L"年"};
    for (int pane = 0; pane < 2; ++pane) {
        wchar_t buffer[64] = {};
        LRESULT result = SendMessageW(bar, SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(std::wstring(buffer).substr(0, texts[pane].size()), texts[pane]);
        EXPECT_TRUE(HIWORD(result) & SBT_NOBORDERS) << "pane " << pane;
        EXPECT_NE(SendMessageW(bar, SB_GETICON, pane, 0), 0) << "pane " << pane;
    }
    // Writing keeps the icon and the border-less style; a pane outside the bar is ignored.
    状态条1.setPaneText(1, L"当前时间：2011年5月9日14时");
    状态条1.setPaneText(2, L"nowhere");
    EXPECT_EQ(状态条1.paneText(1), L"当前时间：2011年5月9日14时");
    EXPECT_TRUE(HIWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 1, 0)) & SBT_NOBORDERS);
    EXPECT_NE(SendMessageW(bar, SB_GETICON, 1, 0), 0);
    // Along the bottom of the client area, over its full width.
    RECT client, rect = rectInParent(bar);
    GetClientRect(ui::window.handle(), &client);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, client.right);
    EXPECT_EQ(rect.top + rect.bottom, client.bottom);
}

TEST_F(MainWindow, ComboBoxesDropTo160AndHaveTallerItems) {
    HWND plain = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 80, 160, ui::window.handle(),
                                 nullptr, nullptr, nullptr);
    SendMessageW(plain, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const LRESULT standard = SendMessageW(plain, CB_GETITEMHEIGHT, 0, 0);
    DestroyWindow(plain);
    for (Control* combo : {&鼠标, &鼠标速度, &键盘, &键盘速度, &组合框3}) {
        const LRESULT itemHeight = SendMessageW(combo->handle(), CB_GETITEMHEIGHT, 0, 0);
        EXPECT_EQ(itemHeight, standard + 1);
        // Closed box and opened list together, the list cut to whole items.
        RECT closed, dropped{};
        GetWindowRect(combo->handle(), &closed);
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        ASSERT_TRUE(GetComboBoxInfo(combo->handle(), &parts));
        SendMessageW(combo->handle(), CB_SHOWDROPDOWN, TRUE, 0);
        GetWindowRect(parts.hwndList, &dropped);
        RECT list;
        GetClientRect(parts.hwndList, &list);
        SendMessageW(combo->handle(), CB_SHOWDROPDOWN, FALSE, 0);
        // A short list shrinks to its items; a long one fills the 160 pixels.
        const bool allItemsShown = list.bottom >= combo->itemCount() * itemHeight;
        EXPECT_LE(dropped.bottom - closed.top, 160);
        EXPECT_TRUE(allItemsShown || dropped.bottom - closed.top > 160 - itemHeight) << dropped.bottom - closed.top;
    }
}

// Bounds of the pixels that differ from the label's background, which its
// corner shows (the skin's face, or the system's).
RECT inkOf(HWND label) {
    RECT area, ink{10000, 10000, -1, -1};
    GetClientRect(label, &area);
    platform::WindowDc labelDc(label);
    HDC dc = labelDc.get();
    const COLORREF background = GetPixel(dc, 0, 0);
    for (int y = 0; y < area.bottom; ++y)
        for (int x = 0; x < area.right; ++x)
            if (GetPixel(dc, x, y) != background) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.right = std::max<LONG>(ink.right, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.bottom = std::max<LONG>(ink.bottom, y);
            }
    return ink;
}

TEST_F(MainWindow, LabelsDrawTheirColoursAndAlignment) {
    struct Case {
        Control* label;
        bool right;
    };
    for (Case c : {Case{&标签1, true}, Case{&标签2, true}, Case{&标签5, true}, Case{&标签6, true}, Case{&标签4, false},
                   Case{&标签3, false}, Case{&标签8, false}}) {
        c.label->setCaption(L"W");  // a short text shows where it is aligned
        RECT area, ink = inkOf(c.label->handle());
        GetClientRect(c.label->handle(), &area);
        SCOPED_TRACE(testing::Message() << "ink " << ink.left << ".." << ink.right << " of " << area.right);
        ASSERT_GE(ink.right, 0) << "nothing drawn";
        if (c.right) {
            EXPECT_GE(ink.right, area.right - 3);
        } else {
            EXPECT_LE(ink.left, 2);
        }
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, area.bottom / 2.0, 3.0);  // vertically centred
    }
    EXPECT_EQ(pixelAt(标签9.handle(), 1, 1), RGB(0, 0, 0));
    EXPECT_TRUE(anyPixel(标签9.handle(), RGB(0, 255, 0)));
    EXPECT_TRUE(anyPixel(鼠标选择.handle(), RGB(0, 0, 255)));
    EXPECT_TRUE(anyPixel(键盘选择.handle(), RGB(0, 0, 255)));
    EXPECT_TRUE(anyPixel(分组框3.handle(), RGB(0, 0, 255)));
    EXPECT_FALSE(anyPixel(选择框2.handle(), RGB(0, 0, 255)));
}

TEST_F(MainWindow, LabelsDrawAmpersandsAndKeepUpWithTheirCaption) {
    pumpFor(50ms);
    标签4.setCaption(L"W");  // a frame after the last drawing: drawn at once
    const RECT plain = inkOf(标签4.handle());
    标签4.setCaption(L"&&");
    标签4.setCaption(L"&W");  // within a frame: drawn at the next one, the last caption only
    pumpFor(50ms);
    const RECT prefixed = inkOf(标签4.handle());
    EXPECT_GT(prefixed.right - prefixed.left, plain.right - plain.left + 3) << "the ampersand is drawn, not an underline";
}

TEST_F(MainWindow, RadioButtonTextColourIsRedrawn) {
    鼠标选择.setTextColor(platform::rgb(255, 0, 0));
    UpdateWindow(鼠标选择.handle());
    EXPECT_TRUE(anyPixel(鼠标选择.handle(), RGB(255, 0, 0)));
    EXPECT_FALSE(anyPixel(鼠标选择.handle(), RGB(0, 0, 255)));
}

// ---- Events, raised by real input ----

int clicks = 0;
int selectedAtEvent = -2;
std::vector<std::array<int, 3>> presses;
std::vector<std::array<int, 2>> feedbacks;

struct EventsTest : MainWindowTest {
    void SetUp() override {
        clicks = 0;
        selectedAtEvent = -2;
        presses.clear();
        feedbacks.clear();
        MainWindowTest::SetUp();
    }
};

TEST_F(EventsTest, ControlsInsideGroupBoxesReachTheProgram) {
    选择框1.events.clicked = [] { ++clicks; };
    clickOn(选择框1.handle());
    ASSERT_TRUE(pumpUntil([] { return clicks == 1; }));
    EXPECT_TRUE(选择框1.checked());

    组合框3.events.itemSelected = [] { selectedAtEvent = 组合框3.selection(); };
    clickOn(组合框3.handle());
    ASSERT_TRUE(pumpUntil([] { return SendMessageW(组合框3.handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    ASSERT_TRUE(pumpUntil([] { return selectedAtEvent != -2; }));
    EXPECT_EQ(selectedAtEvent, 61) << "the event runs once the new selection is in place";
}

TEST_F(EventsTest, ButtonsAndRadioButtonsRaiseClicked) {
    for (Control* control : {&按钮1, &按钮2, &键盘选择, &鼠标选择}) {
        control->events.clicked = [] { ++clicks; };
        clicks = 0;
        clickOn(control->handle());
        EXPECT_TRUE(pumpUntil([] { return clicks == 1; })) << "control " << control;
        pumpFor(600ms);  // past the double-click time, so the next click is a fresh one
    }
    EXPECT_TRUE(鼠标选择.checked());
    EXPECT_FALSE(键盘选择.checked());
}

TEST_F(EventsTest, WritingACheckMarkRaisesNoClickedEvent) {
    for (Control* control : {&键盘选择, &选择框1}) control->events.clicked = [] { ++clicks; };
    键盘选择.setChecked(true);
    键盘选择.setChecked(false);
    选择框1.setChecked(true);
    pumpFor(100ms);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(选择框1.checked());
}

TEST_F(EventsTest, ADisabledGroupBoxBlocksItsChildrenWithoutChangingThem) {
    auto dropped = [] { return SendMessageW(键盘.handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; };
    clickOn(键盘.handle());
    pumpFor(300ms);
    EXPECT_FALSE(dropped());
    EXPECT_NE(GetFocus(), 键盘.handle());
    EXPECT_TRUE(键盘.enabled()) << "the child's own flag is untouched";

    分组框2.setEnabled(true);
    clickOn(键盘.handle());
    EXPECT_TRUE(pumpUntil(dropped));
    pressKey(VK_ESCAPE);  // closes the whole window, list and all
    EXPECT_TRUE(pumpUntil([] { return !ui::window.exists(); }));
}

TEST_F(EventsTest, TabVisitsUsableControlsInReadingOrder) {
    SetFocus(ui::window.handle());
    std::vector<HWND> visited;
    for (int i = 0; i < 10; ++i) {
        pressKey(VK_TAB);
        pumpFor(30ms);
        visited.push_back(GetFocus());
    }
    // 键盘 and 键盘速度 sit in the disabled keyboard group and are skipped.
    const std::vector<HWND> want{鼠标选择.handle(), 鼠标.handle(), 鼠标速度.handle(), 键盘选择.handle(),
                                 选择框1.handle(),  选择框2.handle(), 选择框3.handle(), 组合框3.handle(),
                                 按钮2.handle(),    按钮1.handle()};
    EXPECT_EQ(visited, want);

    keybd_event(VK_SHIFT, 0, 0, 0);
    pressKey(VK_TAB);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    pumpFor(30ms);
    EXPECT_EQ(GetFocus(), 按钮2.handle()) << "Shift+Tab goes back";
}

TEST_F(EventsTest, EscClosesTheWindowFromAnyControlButNotWithAModifier) {
    SetFocus(选择框2.handle());
    keybd_event(VK_SHIFT, 0, 0, 0);
    pressKey(VK_ESCAPE);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    pumpFor(100ms);
    ASSERT_TRUE(ui::window.exists()) << "Shift+Esc is not Esc";

    clickOn(鼠标.handle());
    ASSERT_TRUE(pumpUntil([] { return SendMessageW(鼠标.handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(pumpUntil([] { return !ui::window.exists(); })) << "Esc closes even with a list open";
    EXPECT_EQ(鼠标.handle(), nullptr) << "the controls forget their windows";
}

TEST_F(EventsTest, TheTestAreaCountsPressesButNotDoubleClicks) {
    标签9.events.leftPressed = [](int x, int y, int modifiers) { presses.push_back({x, y, modifiers}); };
    const POINT centre = centreOnScreen(标签9.handle());
    for (int i = 0; i < 3; ++i) clickAt(centre);  // quicker than the double-click time
    pumpFor(200ms);
    ASSERT_EQ(presses.size(), 2u) << "the second press is a double click";
    RECT area;
    GetClientRect(标签9.handle(), &area);
    EXPECT_NEAR(presses[0][0], area.right / 2, 2);
    EXPECT_NEAR(presses[0][1], area.bottom / 2, 2);
    EXPECT_EQ(presses[0][2], 0);

    pumpFor(700ms);
    presses.clear();
    keybd_event(VK_CONTROL, 0, 0, 0);
    clickAt(centre);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    pumpFor(100ms);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0][2], 1) << "Ctrl is reported as 1";
}

TEST_F(EventsTest, TheHotkeyNotificationRaisesTheFeedbackEvent) {
    标签5.events.feedback = [](int id, int value) { feedbacks.push_back({id, value}); };
    EXPECT_EQ(SendMessageW(标签5.handle(), platform::feedbackMessage, 33001, 0), 0);
    EXPECT_EQ(SendMessageW(标签1.handle(), platform::feedbackMessage, 33002, 0), 0);  // no handler: nothing
    ASSERT_EQ(feedbacks.size(), 1u);
    EXPECT_EQ(feedbacks[0], (std::array<int, 2>{33001, 0}));
}

TEST_F(EventsTest, OnlyTheClockTimerRunsAtStart) {
    static int fired[3];
    fired[0] = fired[1] = fired[2] = 0;
    时钟1.events.periodic = [] { ++fired[0]; };
    时钟2.events.periodic = [] { ++fired[1]; };
    时钟3.events.periodic = [] { ++fired[2]; };
    pumpFor(2300ms);
    EXPECT_EQ(fired[0], 0);
    EXPECT_EQ(fired[1], 0);
    EXPECT_GE(fired[2], 1);
    EXPECT_LE(fired[2], 3);
}

}  // namespace
