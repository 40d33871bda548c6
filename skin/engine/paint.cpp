#include "skin/engine/paint.h"  // <windows.h> first

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <string>

namespace skin_engine {

namespace {

COLORREF blend(COLORREF a, COLORREF b, int percent) {
    auto channel = [percent](int from, int to) { return (from * (100 - percent) + to * percent + 50) / 100; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)), channel(GetBValue(a), GetBValue(b)));
}

// Stock DC brush and pen: their colour is a property of the DC, so drawing
// in any colour creates nothing.
void fill(HDC dc, const RECT& area, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, colour);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void outline(HDC dc, const RECT& area, COLORREF colour, int corner) {
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, colour);
    if (corner > 0)
        RoundRect(dc, area.left, area.top, area.right, area.bottom, 2 * corner, 2 * corner);
    else
        Rectangle(dc, area.left, area.top, area.right, area.bottom);
}

// How far row `row` of a rounded face of `height` rows starts inside its edge.
int cornerInset(int row, int height, int corner) {
    const int fromEdge = std::min(row, height - 1 - row);
    if (fromEdge >= corner) return 0;
    const double dy = corner - fromEdge - 0.5;
    return static_cast<int>(corner - std::sqrt(std::max(0.0, corner * corner - dy * dy)) + 0.5);
}

// A face lit from above by `gradient` percent, inside rounded corners.
void fillFace(HDC dc, const RECT& area, COLORREF colour, int gradient, int corner) {
    const int height = area.bottom - area.top;
    if ((gradient == 0 && corner == 0) || height <= 0) {
        fill(dc, area, colour);
        return;
    }
    const COLORREF top = blend(colour, RGB(255, 255, 255), gradient);
    const COLORREF bottom = blend(colour, RGB(0, 0, 0), gradient / 3);
    for (int row = 0; row < height; ++row) {
        const int percent = height > 1 ? row * 100 / (height - 1) : 0;
        const int inset = cornerInset(row, height, corner);
        line(dc, area.left + inset, area.top + row, area.right - inset, area.top + row, blend(top, bottom, percent));
    }
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)), L'\0');
    if (!text.empty()) text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1)));
    return text;
}

HFONT fontOf(HWND window) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool showsFocus(HWND window) {
    return GetFocus() == window && !(SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

UINT prefixFlags(HWND window) {
    return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
}

bool isDefaultText(COLORREF colour) {
    return colour == RGB(0, 0, 0) || colour == GetSysColor(COLOR_WINDOWTEXT) || colour == GetSysColor(COLOR_BTNTEXT);
}

// What the container says about a child's colours: its brush (the skin's
// face when it gave the default one) and its text colour, when it chose one.
struct Colours {
    HBRUSH back;
    COLORREF text;
    bool textChosen;
};

Colours askContainer(HWND window, HDC dc, UINT message, const Theme& theme) {
    HWND container = GetParent(window);
    SetTextColor(dc, RGB(0, 0, 0));
    LRESULT reply = container ? SendMessageW(container, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)) : 0;
    // A container the engine does not draw answered as it would without a skin.
    reply = skinnedColourReply(message, dc, reply, theme);
    const COLORREF text = GetTextColor(dc);
    return {reinterpret_cast<HBRUSH>(reply), text, text != theme[Part::text]};
}

// Draws the window's caption in `area`; gives the rectangle the text covers.
RECT drawCaption(HWND window, HDC dc, RECT area, UINT align, COLORREF colour) {
    const std::wstring text = windowText(window);
    SelectObject(dc, fontOf(window));
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    const bool multiline = GetWindowLongW(window, GWL_STYLE) & BS_MULTILINE;
    UINT flags = align | prefixFlags(window) | (multiline ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    RECT extent = area;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, flags | DT_CALCRECT);
    if (multiline) {
        const int height = extent.bottom - extent.top;
        area.top += std::max(0, static_cast<int>(area.bottom - area.top - height) / 2);
        area.bottom = area.top + height;
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, flags);
    // DT_CALCRECT measures from the left and the top: place the measure where the text went.
    const int width = extent.right - extent.left, height = extent.bottom - extent.top;
    RECT covered = area;
    if (align & DT_CENTER) covered.left = area.left + (area.right - area.left - width) / 2;
    if (align & DT_RIGHT) covered.left = area.right - width;
    covered.right = covered.left + width;
    if (!multiline) covered.top = area.top + (area.bottom - area.top - height) / 2;
    covered.bottom = covered.top + height;
    return covered;
}

void paintPushButton(HWND window, HDC dc, const Theme& theme, const WindowSkin& skin) {
    RECT area;
    GetClientRect(window, &area);
    const Colours colours = askContainer(window, dc, WM_CTLCOLORBTN, theme);
    const LRESULT state = SendMessageW(window, BM_GETSTATE, 0, 0);
    const bool enabled = IsWindowEnabled(window), pressed = state & BST_PUSHED;
    const bool isDefault = (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;

    FillRect(dc, &area, colours.back);  // shows at the rounded corners
    const COLORREF face = !enabled ? blend(theme[Part::buttonFace], theme[Part::face], 50)
                        : pressed  ? theme[Part::buttonPressed]
                        : skin.hot ? theme[Part::buttonHot]
                                   : theme[Part::buttonFace];
    fillFace(dc, area, face, pressed ? 0 : theme.gradient(), theme.corner());
    outline(dc, area, isDefault && enabled ? theme[Part::mark] : theme[Part::shadow], theme.corner());

    const COLORREF text = !enabled ? theme[Part::disabledText] : colours.textChosen ? colours.text : theme[Part::buttonText];
    RECT inside = area;
    InflateRect(&inside, -3, -2);
    if (pressed) OffsetRect(&inside, 1, 1);
    drawCaption(window, dc, inside, DT_CENTER, text);
    if (showsFocus(window)) {
        RECT focus = area;
        InflateRect(&focus, -3, -3);
        SetTextColor(dc, theme[Part::buttonText]);
        DrawFocusRect(dc, &focus);
    }
}

void paintCheckOrRadio(HWND window, HDC dc, const Theme& theme, const WindowSkin& skin, bool radio) {
    RECT area;
    GetClientRect(window, &area);
    const Colours colours = askContainer(window, dc, WM_CTLCOLORSTATIC, theme);
    FillRect(dc, &area, colours.back);

    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const bool boxOnRight = style & BS_LEFTTEXT;
    const bool enabled = IsWindowEnabled(window);
    const LRESULT check = SendMessageW(window, BM_GETCHECK, 0, 0);
    const bool pressed = SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED;
    const int size = std::min(13, static_cast<int>(area.bottom - area.top));
    const int top = area.top + (area.bottom - area.top - size) / 2;
    const RECT box = boxOnRight ? RECT{area.right - size, top, area.right, top + size} : RECT{area.left, top, area.left + size, top + size};

    const COLORREF field = !enabled ? theme[Part::face] : pressed ? blend(theme[Part::fieldFace], theme[Part::mark], 20) : theme[Part::fieldFace];
    const COLORREF border = !enabled ? blend(theme[Part::shadow], theme[Part::face], 40)
                          : (skin.hot || pressed) ? theme[Part::mark]
                                                  : theme[Part::shadow];
    const COLORREF mark = enabled ? theme[Part::mark] : theme[Part::disabledText];
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, border);
    SetDCBrushColor(dc, field);
    if (radio) {
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (check == BST_CHECKED) {
            SetDCPenColor(dc, mark);
            SetDCBrushColor(dc, mark);
            Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
        }
    } else {
        if (theme.corner() > 0)
            RoundRect(dc, box.left, box.top, box.right, box.bottom, 4, 4);
        else
            Rectangle(dc, box.left, box.top, box.right, box.bottom);
        if (check == BST_CHECKED) {
            // A tick two pixels thick.
            for (int dy = 0; dy < 2; ++dy) {
                line(dc, box.left + 3, box.top + 5 + dy, box.left + 5, box.top + 7 + dy, mark);
                line(dc, box.left + 5, box.top + 7 + dy, box.left + 10, box.top + 2 + dy, mark);
            }
        } else if (check == BST_INDETERMINATE) {
            fill(dc, RECT{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}, blend(mark, field, 40));
        }
    }

    const RECT textArea = boxOnRight ? RECT{area.left, area.top, box.left - 4, area.bottom}
                                     : RECT{box.right + 4, area.top, area.right, area.bottom};
    const COLORREF text = !enabled ? theme[Part::disabledText] : colours.textChosen ? colours.text : theme[Part::text];
    RECT covered = drawCaption(window, dc, textArea, DT_LEFT, text);
    if (showsFocus(window)) {
        InflateRect(&covered, 1, 1);
        IntersectRect(&covered, &covered, &area);
        SetTextColor(dc, theme[Part::text]);
        DrawFocusRect(dc, &covered);
    }
}

void paintGroupBox(HWND window, HDC dc, const Theme& theme) {
    RECT area;
    GetClientRect(window, &area);
    const Colours colours = askContainer(window, dc, WM_CTLCOLORSTATIC, theme);
    // A box that holds its controls is their background; a box that only
    // lies around siblings must not paint over them.
    if (GetWindow(window, GW_CHILD)) FillRect(dc, &area, colours.back);

    SelectObject(dc, fontOf(window));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int frameTop = area.top + metrics.tmHeight / 2;
    outline(dc, RECT{area.left + 1, frameTop + 1, area.right, area.bottom}, theme[Part::light], theme.corner());
    outline(dc, RECT{area.left, frameTop, area.right - 1, area.bottom - 1}, theme[Part::shadow], theme.corner());

    const std::wstring caption = windowText(window);
    if (caption.empty()) return;
    RECT measure{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measure, DT_SINGLELINE | DT_CALCRECT | prefixFlags(window));
    RECT behind{area.left + 7, area.top, std::min<LONG>(area.left + 7 + measure.right + 4, area.right - 2), area.top + metrics.tmHeight};
    FillRect(dc, &behind, colours.back);
    const COLORREF text = !IsWindowEnabled(window) ? theme[Part::disabledText]
                        : colours.textChosen      ? colours.text
                                                  : theme[Part::groupCaption];
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
    RECT textArea{behind.left + 2, behind.top, behind.right, behind.bottom};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textArea, DT_SINGLELINE | DT_LEFT | prefixFlags(window));
}

void drawArrow(HDC dc, const RECT& button, COLORREF colour) {
    const int x = (button.left + button.right) / 2, y = (button.top + button.bottom) / 2 - 1;
    for (int row = 0; row < 4; ++row) line(dc, x - 3 + row, y + row, x + 4 - row, y + row, colour);
}

std::wstring listText(HWND list, int item, UINT lengthMessage, UINT textMessage) {
    const LRESULT length = SendMessageW(list, lengthMessage, static_cast<WPARAM>(item), 0);
    if (item < 0 || length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, textMessage, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

void paintComboBox(HWND window, HDC dc, const Theme& theme, const WindowSkin& skin) {
    RECT area;
    GetClientRect(window, &area);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (!GetComboBoxInfo(window, &parts)) {
        parts.rcButton = {area.right - GetSystemMetrics(SM_CXVSCROLL) - 1, area.top + 1, area.right - 1, area.bottom - 1};
        parts.rcItem = {area.left + 2, area.top + 2, parts.rcButton.left - 1, area.bottom - 2};
    }
    const bool enabled = IsWindowEnabled(window);
    const bool dropped = SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0);

    fill(dc, area, enabled ? theme[Part::fieldFace] : theme[Part::face]);
    outline(dc, area, enabled && (skin.hot || dropped) ? theme[Part::mark] : theme[Part::shadow], 0);

    RECT button = parts.rcButton;
    button.top = std::max(button.top, area.top + 1);
    button.bottom = std::min(button.bottom, area.bottom - 1);
    button.right = std::min(button.right, area.right - 1);
    const COLORREF buttonFace = !enabled ? theme[Part::face] : dropped ? theme[Part::buttonPressed] : skin.hot ? theme[Part::buttonHot] : theme[Part::buttonFace];
    fillFace(dc, button, buttonFace, dropped ? 0 : theme.gradient(), 0);
    line(dc, button.left - 1, button.top, button.left - 1, button.bottom, theme[Part::shadow]);
    drawArrow(dc, button, enabled ? theme[Part::buttonText] : theme[Part::disabledText]);

    const RECT item = parts.rcItem;
    const bool highlighted = enabled && !dropped && GetFocus() == window;
    if (highlighted) fill(dc, item, theme[Part::selectionFace]);
    const std::wstring text = listText(window, static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0)), CB_GETLBTEXTLEN, CB_GETLBTEXT);
    SelectObject(dc, fontOf(window));
    SetTextColor(dc, !enabled ? theme[Part::disabledText] : highlighted ? theme[Part::selectionText] : theme[Part::fieldText]);
    SetBkMode(dc, TRANSPARENT);
    RECT textArea{item.left + 2, item.top, item.right - 1, item.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (highlighted && showsFocus(window)) {
        SetTextColor(dc, theme[Part::selectionText]);
        DrawFocusRect(dc, &item);
    }
}

void paintComboList(HWND list, HDC dc, const Theme& theme) {
    RECT area;
    GetClientRect(list, &area);
    fill(dc, area, theme[Part::fieldFace]);
    SelectObject(dc, fontOf(list));
    SetBkMode(dc, TRANSPARENT);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    const int selection = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    for (int item = std::max(0, static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0))); item < count; ++item) {
        RECT place{};
        if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&place)) == LB_ERR) break;
        if (place.top >= area.bottom) break;
        const bool chosen = item == selection;
        if (chosen) fill(dc, place, theme[Part::selectionFace]);
        SetTextColor(dc, chosen ? theme[Part::selectionText] : theme[Part::fieldText]);
        const std::wstring text = listText(list, item, LB_GETTEXTLEN, LB_GETTEXT);
        RECT textArea{place.left + 2, place.top, place.right - 1, place.bottom};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

void paintStatusBar(HWND bar, HDC dc, const Theme& theme) {
    RECT area;
    GetClientRect(bar, &area);
    fillFace(dc, area, theme[Part::statusFace], theme.gradient() / 2, 0);
    line(dc, area.left, area.top, area.right, area.top, theme[Part::shadow]);
    SelectObject(dc, fontOf(bar));
    SetTextColor(dc, theme[Part::statusText]);
    SetBkMode(dc, TRANSPARENT);
    const int iconWidth = GetSystemMetrics(SM_CXSMICON), iconHeight = GetSystemMetrics(SM_CYSMICON);
    const int count = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    for (int pane = 0; pane < count; ++pane) {
        RECT place{};
        if (!SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(&place))) continue;
        const LRESULT about = SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane), 0);
        const UINT type = HIWORD(about);
        if (!(type & SBT_NOBORDERS)) {
            line(dc, place.right - 1, place.top + 2, place.right - 1, place.bottom - 1, theme[Part::shadow]);
        }
        int x = place.left + 2;
        if (auto icon = reinterpret_cast<HICON>(SendMessageW(bar, SB_GETICON, static_cast<WPARAM>(pane), 0))) {
            DrawIconEx(dc, x, (place.top + place.bottom - iconHeight) / 2, icon, 0, 0, 0, nullptr, DI_NORMAL);
            x += iconWidth + 2;
        }
        if (type & SBT_OWNERDRAW) continue;  // what the text holds is not text
        std::wstring text(static_cast<size_t>(LOWORD(about)) + 1, L'\0');
        SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.data()));
        text.resize(std::wcslen(text.c_str()));
        RECT textArea{x, place.top, place.right - 2, place.bottom};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

bool sameName(const wchar_t* a, const wchar_t* b) { return _wcsicmp(a, b) == 0; }

bool hasFaceBackground(HWND window) {
    const auto background = static_cast<ULONG_PTR>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND));
    return background == COLOR_BTNFACE + 1 || background == reinterpret_cast<ULONG_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace

bool kindOf(HWND window, Kind& kind) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (sameName(name, WC_BUTTONW)) {
        if (style & (BS_BITMAP | BS_ICON)) return false;  // pictures keep their own look
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON: kind = Kind::pushButton; return true;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: kind = (style & BS_PUSHLIKE) ? Kind::pushButton : Kind::checkBox; return true;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: kind = (style & BS_PUSHLIKE) ? Kind::pushButton : Kind::radioButton; return true;
        case BS_GROUPBOX: kind = Kind::groupBox; return true;
        default: return false;  // owner-drawn and the rest draw themselves
        }
    }
    if (sameName(name, WC_COMBOBOXW)) {
        // Only the closed box that is all list; an edit field keeps its own look.
        if ((style & 3) != CBS_DROPDOWNLIST || (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))) return false;
        kind = Kind::comboBox;
        return true;
    }
    if (sameName(name, L"ComboLBox")) {
        if (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) return false;
        kind = Kind::comboList;
        return true;
    }
    if (sameName(name, STATUSCLASSNAMEW)) {
        kind = Kind::statusBar;
        return true;
    }
    if (sameName(name, L"#32770") || hasFaceBackground(window)) {
        kind = Kind::frame;
        return true;
    }
    return false;
}

bool paints(HWND window, const WindowSkin& skin) {
    switch (skin.kind) {
    case Kind::frame: return false;
    case Kind::statusBar: return !SendMessageW(window, SB_ISSIMPLE, 0, 0);
    default: return true;
    }
}

void paint(HWND window, HDC dc, const Theme& theme, const WindowSkin& skin) {
    SavedDc saved(dc);
    switch (skin.kind) {
    case Kind::pushButton: paintPushButton(window, dc, theme, skin); break;
    case Kind::checkBox: paintCheckOrRadio(window, dc, theme, skin, false); break;
    case Kind::radioButton: paintCheckOrRadio(window, dc, theme, skin, true); break;
    case Kind::groupBox: paintGroupBox(window, dc, theme); break;
    case Kind::comboBox: paintComboBox(window, dc, theme, skin); break;
    case Kind::comboList: paintComboList(window, dc, theme); break;
    case Kind::statusBar: paintStatusBar(window, dc, theme); break;
    case Kind::frame: break;
    }
}

bool erase(HWND window, HDC dc, const Theme& theme, const WindowSkin& skin) {
    switch (skin.kind) {
    case Kind::frame: {
        RECT area;
        GetClientRect(window, &area);
        FillRect(dc, &area, theme.faceBrush());
        return true;
    }
    case Kind::groupBox:
        if (!GetWindow(window, GW_CHILD)) return false;
        {
            SavedDc saved(dc);
            RECT area;
            GetClientRect(window, &area);
            FillRect(dc, &area, askContainer(window, dc, WM_CTLCOLORSTATIC, theme).back);
        }
        return true;
    case Kind::statusBar:
        return paints(window, skin);
    default:
        return true;  // the paint covers the whole window
    }
}

LRESULT skinnedColourReply(UINT message, HDC dc, LRESULT reply, const Theme& theme) {
    auto brush = reinterpret_cast<HBRUSH>(reply);
    if (theme.owns(brush)) return reply;  // answered by the engine already
    const bool field = message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLOREDIT;
    // A background chosen on purpose comes with the text chosen for it.
    if (brush && brush != GetSysColorBrush(field ? COLOR_WINDOW : COLOR_BTNFACE)) return reply;
    if (isDefaultText(GetTextColor(dc))) SetTextColor(dc, theme[field ? Part::fieldText : Part::text]);
    SetBkColor(dc, theme[field ? Part::fieldFace : Part::face]);
    return reinterpret_cast<LRESULT>(field ? theme.fieldBrush() : theme.faceBrush());
}

}  // namespace skin_engine
