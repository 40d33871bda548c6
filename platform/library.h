#pragma once
// An entry of a library, bound on first use and kept for the process.
#include <memory>
#include <string>

namespace platform {

class LibraryEntry {
public:
    LibraryEntry(std::wstring fileName, const char* entryName);
    ~LibraryEntry();
    LibraryEntry(const LibraryEntry&) = delete;
    LibraryEntry& operator=(const LibraryEntry&) = delete;

    // The entry's address: the library is loaded first from `folder`, then by
    // its plain name through the system's search. Null when neither has the
    // entry; a library without it is released again.
    void* bind(const std::wstring& folder);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace platform
