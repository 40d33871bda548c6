#pragma once
// Starting and stopping a run: the feedback events of 标签5 (idle) and
// 标签1 (running), raised by the hotkey. The hotkey's target is the only
// record of whether a run goes on.

namespace control {

void startRun(int hotkeyId, int unused);
void stopRun(int hotkeyId, int unused);

}  // namespace control
