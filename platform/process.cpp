#include "platform/process.h"

#include <cstdlib>

#include "platform/win32.h"

namespace platform {

std::wstring programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // a long path was cut short: try a larger buffer
    }
    size_t cut = path.find_last_of(L'\\');
    return cut == std::wstring::npos ? std::wstring{} : path.substr(0, cut);
}

bool enterProgramFolder() {
    std::wstring folder = programFolder();
    return !folder.empty() && SetCurrentDirectoryW(folder.c_str());
}

int messageBox(std::wstring_view text, std::wstring_view caption, unsigned flags) {
    if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
    return MessageBoxW(nullptr, std::wstring(text).c_str(), std::wstring(caption).c_str(), flags);
}

void fatalStop(std::wstring_view failure) {
    std::wstring text = L"Vantorel 遇到无法继续的运行错误，即将退出：\r\n\r\n";
    text += failure;
    MessageBoxW(nullptr, text.c_str(), L"Vantorel", MB_ICONHAND | MB_OK | MB_TASKMODAL);
    exitProcess(-1);
}

void exitProcess(int code) {
    // std::exit runs the static destructors, which release the libraries the
    // program loaded; the windows go with the process.
    std::exit(code);
}

}  // namespace platform
