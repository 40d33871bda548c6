#pragma once
#include "common/text.h"

namespace platform {

// The system clock in local time, in whole seconds.
LocalDateTime localNow();

// While a run goes on the system timer ticks every millisecond, so that a
// 10 ms period really fires 100 times a second; balanced, safe to repeat.
void raiseTimerResolution();
void restoreTimerResolution();

// A clicker sits behind the window it clicks: keep the fine timer resolution
// when the window is minimised or covered, where the system supports it.
void keepTimerResolutionInBackground();

}  // namespace platform
