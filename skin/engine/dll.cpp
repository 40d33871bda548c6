// The library's one entry, as the program calls it.
#include "skin/engine/engine.h"
#include "skin/engine/gdi.h"

extern "C" int __stdcall SkinH_AttachRes(const unsigned char* skin, int length, const char*, int, int, int) {
    if (!skin || length <= 0) return skin_engine::noBytes;
    return skin_engine::attach({skin, static_cast<std::size_t>(length)});
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH && reserved) skin_engine::noteProcessEnding();
    return TRUE;
}
