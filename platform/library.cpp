#include "platform/library.h"

#include "platform/owned.h"
#include "platform/win32.h"

namespace platform {

struct LibraryEntry::State {
    std::wstring fileName;
    const char* entryName;
    OwnedLibrary library;  // released when the process ends
    void* entry = nullptr;
};

LibraryEntry::LibraryEntry(std::wstring fileName, const char* entryName)
    : state_(std::make_unique<State>(State{std::move(fileName), entryName, {}, nullptr})) {}

LibraryEntry::~LibraryEntry() = default;

void* LibraryEntry::bind(const std::wstring& folder) {
    if (state_->entry) return state_->entry;
    OwnedLibrary library(LoadLibraryW((folder + L"\\" + state_->fileName).c_str()));
    if (!library) library.reset(LoadLibraryW(state_->fileName.c_str()));
    if (!library) return nullptr;
    auto entry = reinterpret_cast<void*>(GetProcAddress(library.get(), state_->entryName));
    if (!entry) return nullptr;  // the library goes with `library`
    state_->library = std::move(library);
    state_->entry = entry;
    return entry;
}

}  // namespace platform
