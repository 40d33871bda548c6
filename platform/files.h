#pragma once
// Files and the program's own resources.
#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Create-or-replace, write only, no sharing, normal attributes; the whole block.
bool writeWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes);
// The file's attributes become exactly "hidden".
bool makeHidden(const std::wstring& path);
// A directory search for exactly that name: a file or a folder counts.
bool somethingExistsAt(const std::wstring& path);
// A raw data resource of the running program; empty when it has none.
std::span<const std::uint8_t> programResource(const wchar_t* name);

}  // namespace platform
