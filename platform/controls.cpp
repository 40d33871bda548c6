#include "platform/controls.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/message_loop.h"
#include "platform/owned.h"
#include "platform/pretranslate.h"
#include "platform/subclass.h"
#include "platform/win32.h"

namespace platform {
namespace {

constexpr wchar_t windowClass[] = L"Vantorel.Window";
constexpr wchar_t labelClass[] = L"Vantorel.Label";
constexpr wchar_t timerClass[] = L"Vantorel.Timer";
constexpr wchar_t statusIconsResource[] = L"STATUS_ICONS";
constexpr int statusIconWidth = 16;
constexpr int statusIconHeight = 15;
constexpr COLORREF statusIconMask = RGB(255, 0, 255);
constexpr UINT_PTR timerId = 1;
constexpr UINT_PTR labelFrameTimerId = 2;
// A label is drawn no oftener than a screen shows frames.
constexpr unsigned long long labelFrameMs = 15;
constexpr int largestSize = 32627;
// A combo box posts this to the window at the end of a choice, so that its
// event runs once the new selection is in place.
constexpr UINT comboSelectedMessage = WM_APP + 1;

HINSTANCE instance() { return GetModuleHandleW(nullptr); }
HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

COLORREF resolve(Color color) {
    return color == faceColor ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(color);
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)), L'\0');
    if (!text.empty()) text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1)));
    return text;
}

}  // namespace

// The one place that reaches into Control and Window.
struct ControlAccess {
    static Control* of(HWND window) {
        return reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    static void attach(Control& control, HWND window, const ControlDef& def) {
        control.handle_ = window;
        control.kind_ = def.kind;
        control.tag_ = def.tag;
        control.textColor_ = def.textColor;
        control.backColor_ = def.backColor;
        control.align_ = def.align;
        control.period_ = 0;
        control.paneCount_ = static_cast<int>(def.panes.size());
        control.events = def.events;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
    }
    static void detach(Control& control) {
        control.handle_ = nullptr;
        control.period_ = 0;
        control.paneCount_ = 0;
    }
    static Window::State& state(Window& window) { return *window.state_; }
    static unsigned long long& drawnAt(Control& label) { return label.drawnAt_; }
    static bool& redrawDue(Control& label) { return label.redrawDue_; }
};

HBRUSH brushFor(HWND container, Color color);

// ---- Labels: one line, no prefix processing, over their own background ----

namespace {

// Like a standard static control, a label asks its container for its colours,
// so that whoever answers WM_CTLCOLORSTATIC there decides how it looks.
void drawLabel(HWND window, const Control& label, HDC dc) {
    RECT area;
    GetClientRect(window, &area);
    auto background = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
    FillRect(dc, &area, background ? background : GetSysColorBrush(COLOR_BTNFACE));
    Selection font(dc, guiFont());
    SetBkMode(dc, TRANSPARENT);
    UINT align = label.align() == Align::Right ? DT_RIGHT : label.align() == Align::Center ? DT_CENTER : DT_LEFT;
    std::wstring text = windowText(window);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void drawNow(HWND window, Control& label) {
    ControlAccess::drawnAt(label) = GetTickCount64();
    WindowDc dc(window);
    drawLabel(window, label, dc.get());
}

// A new caption goes straight onto the screen rather than through the update
// region, which costs several times the drawing; within a frame of the last
// drawing it waits for the next frame: the click count changes up to a
// thousand times a second, and a screen shows sixty of them at most.
void drawNowOrNextFrame(HWND window, Control& label) {
    if (!IsWindowVisible(window) || ControlAccess::redrawDue(label)) return;
    const unsigned long long sinceDrawn = GetTickCount64() - ControlAccess::drawnAt(label);
    if (sinceDrawn >= labelFrameMs) return drawNow(window, label);
    if (SetTimer(window, labelFrameTimerId, static_cast<UINT>(labelFrameMs - sinceDrawn), nullptr))
        ControlAccess::redrawDue(label) = true;
    else
        drawNow(window, label);
}

int modifiersOf(WPARAM keys) {
    return ((keys & MK_CONTROL) ? 1 : 0) | ((keys & MK_SHIFT) ? 2 : 0) | ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
}

LRESULT CALLBACK labelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* label = ControlAccess::of(window);
    if (!label) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PaintDc paint(window);
        drawLabel(window, *label, paint.get());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // the paint fills the whole label
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        drawNowOrNextFrame(window, *label);
        return result;
    }
    case WM_TIMER:
        if (wParam != labelFrameTimerId) break;
        KillTimer(window, labelFrameTimerId);
        ControlAccess::redrawDue(*label) = false;
        if (IsWindowVisible(window)) drawNow(window, *label);
        return 0;
    case WM_LBUTTONDOWN:
        if (label->events.leftPressed)
            label->events.leftPressed(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), modifiersOf(wParam));
        return 0;
    case feedbackMessage:
        if (label->events.feedback) label->events.feedback(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK timerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == timerId) {
        if (Control* timer = ControlAccess::of(window); timer && timer->events.periodic) timer->events.periodic();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// ---- Containers: the window and the group boxes answer for their children ----

bool answerChild(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND: {
        Control* child = ControlAccess::of(reinterpret_cast<HWND>(lParam));
        if (!child || !lParam) return false;
        UINT code = HIWORD(wParam);
        if (code == BN_CLICKED && child->events.clicked) {
            child->events.clicked();
        } else if (code == CBN_SELENDOK && child->kind() == ControlKind::ComboBox) {
            HWND top = GetAncestor(container, GA_ROOT);
            PostMessageW(top, comboSelectedMessage, 0, lParam);
        }
        result = 0;
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        Control* child = ControlAccess::of(reinterpret_cast<HWND>(lParam));
        if (!child) return false;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, resolve(child->textColor()));
        SetBkColor(dc, resolve(child->backColor()));
        result = reinterpret_cast<LRESULT>(brushFor(container, child->backColor()));
        return true;
    }
    }
    return false;
}

LRESULT CALLBACK groupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR) {
    LRESULT result = 0;
    if (answerChild(window, message, wParam, lParam, result)) return result;
    if (message == WM_ERASEBKGND) {
        // Nobody else paints under the children: the window clips the whole box out.
        RECT area;
        GetClientRect(window, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return callNextProcedure(window, message, wParam, lParam);
}

}  // namespace

// ---- Control properties ----

std::wstring Control::caption() const { return windowText(handle_); }
void Control::setCaption(const std::wstring& text) { SetWindowTextW(handle_, text.c_str()); }

bool Control::checked() const { return SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Control::setChecked(bool checked) { SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }

void Control::setTextColor(Color color) {
    textColor_ = color;
    InvalidateRect(handle_, nullptr, TRUE);
}

bool Control::enabled() const { return IsWindowEnabled(handle_) != FALSE; }
void Control::setEnabled(bool enabled) { EnableWindow(handle_, enabled ? TRUE : FALSE); }

int Control::selection() const { return static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0)); }
void Control::setSelection(int index) { SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
int Control::itemCount() const { return static_cast<int>(SendMessageW(handle_, CB_GETCOUNT, 0, 0)); }

std::wstring Control::itemText(int index) const {
    LRESULT length = SendMessageW(handle_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(handle_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

void Control::setPeriod(int milliseconds) {
    milliseconds = std::max(milliseconds, 0);
    if (milliseconds == period_) return;  // a running timer keeps its phase
    KillTimer(handle_, timerId);
    period_ = milliseconds;
    if (period_ > 0 && !SetTimer(handle_, timerId, static_cast<UINT>(period_), nullptr)) {
        period_ = 0;  // out of timers: the control tells the truth about it
    }
}

std::wstring Control::paneText(int pane) const {
    if (pane < 0 || pane >= paneCount_) return {};
    LRESULT length = LOWORD(SendMessageW(handle_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane), 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(handle_, SB_GETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void Control::setPaneText(int pane, const std::wstring& text) {
    if (pane < 0 || pane >= paneCount_) return;
    SendMessageW(handle_, SB_SETTEXTW, static_cast<WPARAM>(pane) | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

// ---- The window ----

struct Window::State {
    std::vector<std::pair<Color, OwnedGdiObject>> brushes;  // one per background colour, made on first use
    OwnedImageList statusIcons;
    std::vector<OwnedIcon> paneIcons;  // shown by the status bar: released after it
    OwnedWindow window;
    std::vector<Control*> controls;
    std::vector<Control*> tabOrder;
    Control* statusBar = nullptr;
    HWND lastFocus = nullptr;
};

namespace {

// The loaded window, for the pre-translation of the message loop.
Window* liveWindow = nullptr;

}  // namespace

// The system face brush for the face colour; otherwise the window's own brush
// of that colour, made once and kept as long as the window.
HBRUSH brushFor(HWND container, Color color) {
    if (color == faceColor) return GetSysColorBrush(COLOR_BTNFACE);
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(GetAncestor(container, GA_ROOT), GWLP_USERDATA));
    if (!window) return GetSysColorBrush(COLOR_BTNFACE);
    auto& brushes = ControlAccess::state(*window).brushes;
    for (const auto& [known, brush] : brushes)
        if (known == color) return static_cast<HBRUSH>(brush.get());
    brushes.emplace_back(color, OwnedGdiObject(CreateSolidBrush(static_cast<COLORREF>(color))));
    return static_cast<HBRUSH>(brushes.back().second.get());
}

namespace {

void forget(Window& self) {
    Window::State& state = ControlAccess::state(self);
    for (Control* control : state.controls) ControlAccess::detach(*control);
    state.controls.clear();
    state.tabOrder.clear();
    state.statusBar = nullptr;
    state.lastFocus = nullptr;
    (void)state.window.release();  // already being destroyed
    state.paneIcons.clear();
    state.statusIcons.reset();
    state.brushes.clear();
    if (liveWindow == &self) liveWindow = nullptr;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    Window::State& state = ControlAccess::state(*self);

    LRESULT result = 0;
    if (answerChild(window, message, wParam, lParam, result)) return result;
    switch (message) {
    case comboSelectedMessage: {
        auto combo = reinterpret_cast<HWND>(lParam);
        Control* control = IsChild(window, combo) ? ControlAccess::of(combo) : nullptr;
        if (control && control->events.itemSelected) control->events.itemSelected();
        return 0;
    }
    case WM_SIZE:
        if (state.statusBar) SendMessageW(state.statusBar->handle(), WM_SIZE, 0, 0);
        break;
    case WM_ACTIVATE:
        // Like a dialog: the control that had the focus gets it back.
        // A control that took the focus before a late activation keeps it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            state.lastFocus = GetFocus();
        } else if (HWND focus = GetFocus(); focus && IsChild(window, focus)) {
            return 0;
        } else if (state.lastFocus && IsChild(window, state.lastFocus)) {
            SetFocus(state.lastFocus);
            return 0;
        }
        break;
    case WM_DESTROY:
        if (isMessageLoopRunning()) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        forget(*self);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClasses() {
    static const bool registered = [] {
        WNDCLASSEXW window{};
        window.cbSize = sizeof window;
        window.lpfnWndProc = windowProc;
        window.hInstance = instance();
        window.hIcon = LoadIconW(instance(), L"DEFAULT_ICON");
        window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        window.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        window.lpszClassName = windowClass;

        WNDCLASSEXW label = window;
        label.style = CS_DBLCLKS;  // a second quick press is a double click, not a press
        label.lpfnWndProc = labelProc;
        label.hIcon = nullptr;
        label.hbrBackground = nullptr;
        label.lpszClassName = labelClass;

        WNDCLASSEXW timer = label;
        timer.style = 0;
        timer.lpfnWndProc = timerProc;
        timer.lpszClassName = timerClass;

        INITCOMMONCONTROLSEX common{sizeof common, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&common);
        return RegisterClassExW(&window) && RegisterClassExW(&label) && RegisterClassExW(&timer);
    }();
    return registered;
}

struct Kind {
    const wchar_t* windowClass;
    DWORD style;
};

Kind kindOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return {labelClass, WS_VISIBLE};
    case ControlKind::PushButton: return {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::CheckBox: return {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_VCENTER};
    case ControlKind::RadioButton: return {WC_BUTTONW, WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_VCENTER};
    case ControlKind::ComboBox: return {WC_COMBOBOXW, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
    case ControlKind::GroupBox: return {WC_BUTTONW, WS_VISIBLE | WS_CLIPCHILDREN | BS_GROUPBOX};
    case ControlKind::Timer: return {timerClass, 0};
    case ControlKind::StatusBar: return {STATUSCLASSNAMEW, WS_VISIBLE};  // no size grip: the frame is fixed
    }
    return {labelClass, 0};
}

void fillStatusBar(Window::State& state, Control& bar, std::span<const PaneDef> panes) {
    HWND window = bar.handle();
    std::vector<int> edges;
    for (const PaneDef& pane : panes) edges.push_back(pane.rightEdge);
    SendMessageW(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));

    OwnedGdiObject strip(LoadImageW(instance(), statusIconsResource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    state.statusIcons.reset(ImageList_Create(statusIconWidth, statusIconHeight, ILC_COLOR24 | ILC_MASK, 4, 0));
    if (strip && state.statusIcons)
        ImageList_AddMasked(state.statusIcons.get(), static_cast<HBITMAP>(strip.get()), statusIconMask);

    for (int i = 0; i < static_cast<int>(panes.size()); ++i) {
        bar.setPaneText(i, panes[i].text);
        OwnedIcon icon(ImageList_GetIcon(state.statusIcons.get(), panes[i].icon, ILD_NORMAL));
        SendMessageW(window, SB_SETICON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(icon.get()));
        state.paneIcons.push_back(std::move(icon));
    }
}

bool createControl(Window::State& state, const ControlDef& def, bool startsGroup) {
    HWND parent = def.container ? def.container->handle() : state.window.get();
    Kind kind = kindOf(def.kind);
    // Clipped by their siblings: the radio buttons lie over the group boxes' frames.
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style | (startsGroup ? WS_GROUP : 0);
    HWND window = CreateWindowExW(0, kind.windowClass, def.text, style,
                                  def.rect.left, def.rect.top, def.rect.width, def.rect.height, parent, nullptr,
                                  instance(), nullptr);
    if (!window) return false;
    Control& control = *def.control;
    ControlAccess::attach(control, window, def);
    state.controls.push_back(&control);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);

    switch (def.kind) {
    case ControlKind::ComboBox: {
        for (const wchar_t* item : def.items) SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        control.setSelection(def.selection);
        // Straight to the list: some systems ignore CB_SETITEMHEIGHT for a
        // combo box that does not draw its own items.
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        LRESULT standard = SendMessageW(window, CB_GETITEMHEIGHT, 0, 0);
        if (standard != CB_ERR && GetComboBoxInfo(window, &parts))
            SendMessageW(parts.hwndList, LB_SETITEMHEIGHT, 0, standard + 1);
        break;
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        control.setChecked(def.checked);
        break;
    case ControlKind::GroupBox:
        subclassWindow(window, groupBoxProc, 0);
        break;
    case ControlKind::Timer:
        control.setPeriod(def.period);
        break;
    case ControlKind::StatusBar:
        state.statusBar = &control;
        fillStatusBar(state, control, def.panes);
        break;
    default:
        break;
    }
    if (!def.enabled) control.setEnabled(false);
    return true;
}

bool usable(HWND control, HWND top) {
    for (HWND window = control; window && window != top; window = GetParent(window))
        if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return false;
    return true;
}

void moveFocus(Window::State& state, bool backwards) {
    const auto& order = state.tabOrder;
    const int count = static_cast<int>(order.size());
    if (count == 0) return;
    HWND focus = GetFocus();
    int current = -1;
    for (int i = 0; i < count; ++i)
        if (order[i]->handle() == focus || IsChild(order[i]->handle(), focus)) current = i;
    const int step = backwards ? count - 1 : 1;
    int next = current < 0 ? (backwards ? count - 1 : 0) : (current + step) % count;
    for (int tried = 0; tried < count; ++tried, next = (next + step) % count) {
        if (usable(order[next]->handle(), state.window.get())) {
            SetFocus(order[next]->handle());
            return;
        }
    }
}

bool held(int key) { return GetKeyState(key) < 0; }

}  // namespace

bool preTranslateMessage(const MSG& message) {
    if (!liveWindow || message.message != WM_KEYDOWN) return false;
    HWND top = liveWindow->handle();
    if (message.hwnd != top && !IsChild(top, message.hwnd)) return false;
    const bool control = held(VK_CONTROL), alt = held(VK_MENU), shift = held(VK_SHIFT);
    if (message.wParam == VK_ESCAPE && !control && !alt && !shift) {
        // Whichever control has the focus, an open drop-down list included.
        SendMessageW(top, WM_CLOSE, 0, 0);
        return true;
    }
    if (message.wParam == VK_TAB && !control && !alt) {
        moveFocus(ControlAccess::state(*liveWindow), shift);
        return true;
    }
    return false;
}

Window::Window() : state_(std::make_unique<State>()) {}
Window::~Window() { destroy(); }

bool Window::load(const WindowDef& def) {
    destroy();
    if (!registerClasses()) return false;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - def.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - def.height) / 2;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, windowClass, def.caption, style, left, top, def.width, def.height,
                                  nullptr, nullptr, instance(), this);
    if (!window) return false;
    state_->window.reset(window);
    liveWindow = this;

    // Group boxes first: they are the parents of the controls listed before them.
    bool created = true;
    const ControlDef* previous = nullptr;
    for (bool containers : {true, false}) {
        for (const ControlDef& control : def.controls) {
            const bool startsGroup = !(control.kind == ControlKind::RadioButton && previous &&
                                       previous->kind == ControlKind::RadioButton);
            previous = &control;
            if ((control.kind == ControlKind::GroupBox) == containers)
                created = created && createControl(*state_, control, startsGroup);
        }
        previous = nullptr;
    }
    if (!created) {
        destroy();
        return false;
    }
    // Each control in turn goes to the bottom: the first row ends up on top.
    for (const ControlDef& control : def.controls)
        SetWindowPos(control.control->handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    state_->tabOrder.assign(def.tabOrder.begin(), def.tabOrder.end());

    if (def.created) def.created();
    if (!exists()) return false;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return true;
}

void Window::destroy() {
    if (state_->window) DestroyWindow(state_->window.get());  // WM_NCDESTROY forgets the handles
}

WindowHandle Window::handle() const { return state_->window.get(); }

std::wstring Window::caption() const { return windowText(handle()); }
void Window::setCaption(const std::wstring& text) { SetWindowTextW(handle(), text.c_str()); }

namespace {

RECT outerRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT clientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

void resize(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, std::clamp(width, 0, largestSize), std::clamp(height, 0, largestSize),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int Window::width() const { RECT r = outerRect(handle()); return r.right - r.left; }
int Window::height() const { RECT r = outerRect(handle()); return r.bottom - r.top; }
void Window::setWidth(int width) { resize(handle(), width, height()); }
void Window::setHeight(int height) { resize(handle(), width(), height); }
int Window::clientWidth() const { return clientRect(handle()).right; }
int Window::clientHeight() const { return clientRect(handle()).bottom; }

}  // namespace platform
