#pragma once
// Subclassing a window with the chain kept in this module's memory, shaped
// like the common controls' SetWindowSubclass. Those look the chain up in a
// window property on every message, which on some systems is a round trip to
// another process: a message to a subclassed control then costs a hundred
// times one to a plain window, and painting a skinned control sends dozens.
//
// A window may have several; they are installed on the window's own thread.
#include "platform/win32.h"

namespace platform {

using SubclassProcedure = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM, DWORD_PTR data);

// Puts `procedure` in front of the window's current procedure. False when the
// window has this procedure already, or cannot be subclassed.
bool subclassWindow(HWND window, SubclassProcedure procedure, DWORD_PTR data);
// Takes it away again. While another procedure sits in front of it, it stays
// in place and only passes messages on. A destroyed window's subclass goes
// by itself, after its WM_NCDESTROY.
void unsubclassWindow(HWND window, SubclassProcedure procedure);
// The procedure the running subclass stands in front of, for the message at hand.
LRESULT callNextProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
