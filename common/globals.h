#pragma once
// The program's plain globals; everything else lives in the controls.

// Mouse actions injected since the start of the current or last run.
extern int clickCount;
// Id of the latest hotkey registration, 0 when it failed.
extern int hotkeyId;
