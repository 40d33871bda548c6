#include "platform/clock.h"

#include "platform/win32.h"

#include <mmsystem.h>

namespace platform {

LocalDateTime localNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

namespace {

// Ends a raised resolution when the process ends during a run.
struct TimerResolution {
    bool raised = false;
    ~TimerResolution() {
        if (raised) timeEndPeriod(1);
    }
} resolution;

}  // namespace

void raiseTimerResolution() {
    if (!resolution.raised) resolution.raised = timeBeginPeriod(1) == TIMERR_NOERROR;
}

void restoreTimerResolution() {
    if (resolution.raised) timeEndPeriod(1);
    resolution.raised = false;
}

void keepTimerResolutionInBackground() {
    // Looked up at run time: systems before Windows 8 lack the call, and
    // systems before Windows 11 lack the flag and refuse it harmlessly.
    using SetInformation = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);
    struct PowerThrottling {
        ULONG version, controlMask, stateMask;
    };
    constexpr int processPowerThrottling = 4;             // ProcessPowerThrottling
    constexpr ULONG ignoreTimerResolution = 0x4;          // PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION
    auto set = reinterpret_cast<SetInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetProcessInformation")));
    if (!set) return;
    PowerThrottling throttling{1, ignoreTimerResolution, 0};  // state 0: always honour the resolution asked for
    (void)set(GetCurrentProcess(), processPowerThrottling, &throttling, sizeof throttling);  // refused on older systems
}

}  // namespace platform
