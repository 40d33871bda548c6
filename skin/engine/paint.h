#pragma once
// How each kind of window looks under a skin. The painters read the window's
// state from the window itself and create no GDI object.
#include "skin/engine/theme.h"

namespace skin_engine {

enum class Kind { frame, pushButton, checkBox, radioButton, groupBox, comboBox, comboList, statusBar };

// What the engine keeps about a window it draws.
struct WindowSkin {
    Kind kind;
    bool hot = false;  // the pointer is over it
    int listSelection = -1, listTop = -1;  // a dropped list as last drawn
};

// The kind of a window the engine draws, or false for one it leaves alone.
bool kindOf(HWND window, Kind& kind);

// False when the window is in a state the engine leaves to the control (a
// status bar in simple mode).
bool paints(HWND window, const WindowSkin& skin);
void paint(HWND window, HDC dc, const Theme& theme, const WindowSkin& skin);

// Answers WM_ERASEBKGND; false leaves it to the window.
bool erase(HWND window, HDC dc, const Theme& theme, const WindowSkin& skin);

// The colours a container answers for a child, with the default reply
// replaced by the skin's: WM_CTLCOLORSTATIC/BTN/DLG by the face, and
// WM_CTLCOLORLISTBOX/EDIT by the field.
LRESULT skinnedColourReply(UINT message, HDC dc, LRESULT reply, const Theme& theme);

}  // namespace skin_engine
