// Opens the real window under one skin and leaves it open, for the contact
// sheet of the skins: skin_sheet.exe N
#include <cwchar>

#include "platform/message_loop.h"
#include "platform/win32.h"
#include "skin/skins.h"
#include "ui/main_window.h"

namespace {

using AttachRes = int(__stdcall*)(const unsigned char*, int, const char*, int, int, int);

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const int number = static_cast<int>(std::wcstol(commandLine, nullptr, 10));
    const auto skin = skin::skinData(number);
    if (skin.empty()) return 2;
    if (!ui::loadMainWindow()) return 1;
    // The library beside this program, as the program itself finds it.
    HMODULE library = LoadLibraryW(L"SkinH_EL.dll");
    FARPROC entry = library ? GetProcAddress(library, "SkinH_AttachRes") : nullptr;
    if (!entry) return 3;
    auto attach = reinterpret_cast<AttachRes>(reinterpret_cast<void*>(entry));
    if (attach(skin.data(), static_cast<int>(skin.size()), "", 0, 0, 0) != 0) return 4;
    return platform::runMessageLoop();
}
