#pragma once
// The global hotkey service. It registers hotkeys for a window under fresh
// ids and, while any is registered, subclasses that window so that a press
// becomes the hotkey notification, sent to the latest target.
#include <cstdint>

#include "platform/controls.h"

namespace platform {

// Returns the new id (from 33001, never reused, a failed call uses one up
// too), or 0 when the system refuses the combination. The target becomes
// the receiver of every press, whatever the outcome.
int registerHotkey(WindowHandle window, WindowHandle target, int modifierCode, int virtualKey);

// Whether the system released the id; the subclass goes once no
// registration is left.
bool unregisterHotkey(WindowHandle window, int id);

// The flags RegisterHotKey takes for a modifier code (Ctrl 1, Shift 2, Alt 4).
unsigned hotkeyFlags(int modifierCode);

struct HotkeyServiceState {
    int activeCount;
    std::uint32_t idCounter;
    std::uint32_t lastId;
    WindowHandle currentTarget;
    bool subclassed;
};
HotkeyServiceState hotkeyServiceState();

}  // namespace platform
