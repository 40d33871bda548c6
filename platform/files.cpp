#include "platform/files.h"

#include <algorithm>

#include "platform/owned.h"
#include "platform/win32.h"

namespace platform {

bool writeWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    OwnedFile file(opened);
    bool written = true;
    for (size_t done = 0; done < bytes.size() && written;) {
        DWORD chunk = 0;
        const auto want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        written = WriteFile(file.get(), bytes.data() + done, want, &chunk, nullptr) && chunk > 0;
        done += chunk;
    }
    return written;
}

bool makeHidden(const std::wstring& path) { return SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN) != FALSE; }

bool somethingExistsAt(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

std::span<const std::uint8_t> programResource(const wchar_t* name) {
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(program, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(program, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    // Resources are mapped with the program: nothing to release.
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(program, resource)};
}

}  // namespace platform
