// Starts Vantorel, rests the cursor on its black test area and presses the
// hotkey, so that a picture taken a few seconds later shows a run going on:
// the expected count, the seconds and the test area's own count.
#include "running_program.h"
#include "window_fixture.h"

using namespace testing_support;

int main() {
    RunningProgram program(vantorelExe());
    HWND window = program.waitForWindow();
    if (!window) return 1;
    // Left double clicks at "0.1秒": both counts agree, as the tip explains.
    SendMessageW(controlAt(window, {90, 35}), CB_SETCURSEL, 2, 0);
    SendMessageW(controlAt(window, {240, 35}), CB_SETCURSEL, 4, 0);
    POINT testArea{150, 213};
    ClientToScreen(window, &testArea);
    SetCursorPos(testArea.x, testArea.y);
    pumpFor(300ms);
    pressStartStopHotkey();
    pumpFor(30s);
    return 0;
}
