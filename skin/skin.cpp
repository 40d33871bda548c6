#include "skin/skin.h"

#include <array>

#include "platform/files.h"
#include "platform/library.h"
#include "platform/process.h"
#include "skin/skins.h"

namespace skin {
namespace {

constexpr wchar_t libraryFile[] = L"SkinH_EL.dll";  // relative: the current directory is the program folder
constexpr wchar_t systemCopy[] = L"C:\\WINDOWS\\system32\\SkinH_EL.dll";
constexpr int skinTotal = 42;

// The engine's image is a resource of the program, for the program's own architecture.
std::span<const std::uint8_t> engineImage() { return platform::programResource(L"SKIN_ENGINE"); }

using AttachRes = int(__stdcall*)(const unsigned char* skin, int length, const char* text, int, int, int);

platform::LibraryEntry attachRes(libraryFile, "SkinH_AttachRes");

AttachRes boundEntry() {
    void* entry = attachRes.bind(platform::programFolder());
    if (!entry) platform::fatalStop(L"无法加载皮肤引擎 SkinH_EL.dll 或找不到其入口 SkinH_AttachRes。");
    return reinterpret_cast<AttachRes>(entry);
}

}  // namespace

void deploySkinEngineLocal() {
    // A hidden file from an earlier start refuses to be replaced; it stays and is loaded.
    (void)platform::writeWholeFile(libraryFile, engineImage());
    (void)platform::makeHidden(libraryFile);
}

void deploySkinEngineSystem() {
    if (!platform::somethingExistsAt(systemCopy)) (void)platform::writeWholeFile(systemCopy, engineImage());
}

void applySkin(int number) {
    std::array<int, skinTotal> lengths{};
    for (int k = 1; k <= skinTotal; ++k) lengths[k - 1] = static_cast<int>(skinData(k).size());
    if (number < 1 || number > skinTotal) return;
    static const char emptyText[] = "";
    // The engine may keep both addresses: the skin and the text are constant data.
    (void)boundEntry()(skinData(number).data(), lengths[number - 1], emptyText, 0, 0, 0);
}

}  // namespace skin
