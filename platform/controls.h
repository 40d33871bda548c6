#pragma once
// The window and its controls, addressed by the program through Control
// objects. Every property is read from and written to the live window; the
// only values kept here are those Windows has no place for (a label's tag and
// colours, a timer's period).
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

struct HWND__;

namespace platform {

using WindowHandle = HWND__*;

enum class ControlKind { Label, PushButton, CheckBox, RadioButton, ComboBox, GroupBox, Timer, StatusBar };

// 24-bit RGB in the Windows layout 0x00BBGGRR.
using Color = std::uint32_t;
constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>(red) | static_cast<Color>(green) << 8 | static_cast<Color>(blue) << 16;
}
inline constexpr Color black = rgb(0, 0, 0);
// Stands for the system face colour, read each time the control is drawn.
inline constexpr Color faceColor = 0xFF000000;

enum class Align { Left, Center, Right };

struct Rect {
    int left, top, width, height;
};

// The events the program handles; a control raises only those of its kind.
struct Events {
    void (*clicked)() = nullptr;                                // push button, check box, radio button
    void (*itemSelected)() = nullptr;                           // combo box, new selection in place
    void (*leftPressed)(int x, int y, int modifiers) = nullptr;  // label; Ctrl 1, Shift 2, Alt 4
    void (*feedback)(int wParam, int lParam) = nullptr;         // label, on the hotkey notification
    void (*periodic)() = nullptr;                               // timer
};

// Sent to a label to raise its feedback event (the hotkey notification).
inline constexpr unsigned feedbackMessage = 0x8075;

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    WindowHandle handle() const { return handle_; }

    std::wstring caption() const;
    // Texts are taken whole: Windows wants them zero-terminated.
    void setCaption(const std::wstring& text);

    const std::wstring& tag() const { return tag_; }
    void setTag(std::wstring_view text) { tag_ = text; }

    bool checked() const;
    void setChecked(bool checked);  // raises no clicked event

    Color textColor() const { return textColor_; }
    Color backColor() const { return backColor_; }
    Align align() const { return align_; }
    void setTextColor(Color color);

    bool enabled() const;
    void setEnabled(bool enabled);

    int selection() const;  // -1 when nothing is selected
    void setSelection(int index);
    int itemCount() const;
    std::wstring itemText(int index) const;  // empty outside the list

    int period() const { return period_; }
    void setPeriod(int milliseconds);

    int paneCount() const { return paneCount_; }
    std::wstring paneText(int pane) const;
    void setPaneText(int pane, const std::wstring& text);  // a pane outside the bar is ignored

    Events events;

private:
    friend struct ControlAccess;
    WindowHandle handle_ = nullptr;
    ControlKind kind_ = ControlKind::Label;
    std::wstring tag_;
    Color textColor_ = black;
    Color backColor_ = faceColor;
    Align align_ = Align::Left;
    int period_ = 0;
    int paneCount_ = 0;
    unsigned long long drawnAt_ = 0;  // a label's last drawing, in ms of the system's tick count
    bool redrawDue_ = false;          // a label's drawing waits for its next frame
};

struct PaneDef {
    int rightEdge;  // -1: the right end of the bar
    int icon;       // index into the status bar's icon strip
    const wchar_t* text;
};

// One row of a window description.
struct ControlDef {
    Control* control;
    ControlKind kind;
    Control* container;  // nullptr: the window itself
    Rect rect;
    const wchar_t* text = L"";
    Color textColor = black;
    Color backColor = faceColor;
    Align align = Align::Left;
    std::span<const wchar_t* const> items = {};
    int selection = -1;
    bool checked = false;
    bool enabled = true;
    const wchar_t* tag = L"";
    int period = 0;
    std::span<const PaneDef> panes = {};
    Events events = {};
};

struct WindowDef {
    const wchar_t* caption;
    int width, height;  // outer size as laid out; the window is centred for it
    std::span<const ControlDef> controls;  // in stacking order, topmost first
    std::span<Control* const> tabOrder = {};
    void (*created)() = nullptr;  // runs once all controls exist, before the window is shown
};

class Window {
public:
    Window();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Creates the window and its controls from the description, runs its
    // created event and shows it. False when any part could not be created.
    bool load(const WindowDef& def);
    void destroy();

    WindowHandle handle() const;
    bool exists() const { return handle() != nullptr; }

    std::wstring caption() const;
    void setCaption(const std::wstring& text);

    // Outer size, frame and caption included; writes clamp to 0..32627 and keep
    // the top-left corner and the other dimension.
    int width() const;
    int height() const;
    void setWidth(int width);
    void setHeight(int height);
    int clientWidth() const;
    int clientHeight() const;

    struct State;  // the handles the window owns; defined with the implementation

private:
    std::unique_ptr<State> state_;
    friend struct ControlAccess;
};

}  // namespace platform
