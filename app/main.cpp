// Vantorel's entry: prepare the process, load the window, run the loop.
#include <new>

#include "platform/clock.h"
#include "platform/message_loop.h"
#include "platform/process.h"
#include "platform/win32.h"
#include "skin/skin.h"
#include "ui/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::set_new_handler([] { platform::fatalStop(L"内存不足：无法为数据分配内存。"); });

    // Relative file names resolve against the program's own folder, wherever it was started from.
    (void)platform::enterProgramFolder();  // on failure they resolve against the start folder instead
    platform::keepTimerResolutionInBackground();

    skin::deploySkinEngineLocal();
    skin::deploySkinEngineSystem();
    if (!ui::loadMainWindow()) platform::fatalStop(L"无法创建程序的主窗口。");
    return platform::runMessageLoop();
}
