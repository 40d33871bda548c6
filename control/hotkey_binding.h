#pragma once
// Binding the start/stop hotkey composed in the hotkey group to a target
// label: 标签5 while idle (its press starts a run), 标签1 during a run.
#include "platform/controls.h"

namespace control {

void bindHotkey(platform::Control& target);
void unbindHotkey();

// An edit of the hotkey group (a modifier ticked, a key picked): bind the new
// combination, idle.
void rebindAfterEdit();

}  // namespace control
