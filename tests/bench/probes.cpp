#include "probes.h"

#include <psapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/owned.h"
#include "running_program.h"

namespace bench {

namespace fs = std::filesystem;

double Samples::median() const {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double Samples::min() const { return *std::min_element(values.begin(), values.end()); }
double Samples::max() const { return *std::max_element(values.begin(), values.end()); }

namespace {

std::string readAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

bool endsWithProgram(std::string argument, std::string name) {
    std::transform(argument.begin(), argument.end(), argument.begin(), ::tolower);
    std::transform(name.begin(), name.end(), name.begin(), ::tolower);
    if (argument.size() <= name.size()) return false;
    const char separator = argument[argument.size() - name.size() - 1];
    return argument.ends_with(name) && (separator == '\\' || separator == '/');
}

// Field 22 of /proc/<pid>/stat: when the process started, in clock ticks.
unsigned long long startTime(const fs::path& folder) {
    const std::string stat = readAll(folder / "stat");
    size_t at = stat.rfind(')');  // the name may hold blanks
    for (int field = 2; field < 22 && at != std::string::npos; ++field) at = stat.find(' ', at + 1);
    return at == std::string::npos ? 0 : std::stoull(stat.substr(at + 1));
}

}  // namespace

std::optional<LinuxProcess> LinuxProcess::find(const std::wstring& programName) {
    const std::string name(programName.begin(), programName.end());
    std::optional<LinuxProcess> newest;
    unsigned long long newestStart = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(L"Z:\\proc", error)) {
        const std::wstring pid = entry.path().filename().wstring();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), ::iswdigit)) continue;
        const std::string commandLine = readAll(entry.path() / "cmdline");
        if (!endsWithProgram(commandLine.c_str(), name)) continue;  // the first argument
        const unsigned long long started = startTime(entry.path());
        if (!newest || started > newestStart) {
            newest = LinuxProcess(entry.path().wstring());
            newestStart = started;
        }
    }
    return newest;
}

double LinuxProcess::cpuSeconds() const {
    unsigned long long nanoseconds = 0;
    std::error_code error;
    for (const auto& task : fs::directory_iterator(fs::path(folder_) / "task", error)) {
        const std::string schedstat = readAll(task.path() / "schedstat");
        if (!schedstat.empty()) nanoseconds += std::stoull(schedstat);
    }
    return nanoseconds / 1e9;
}

Memory memoryOf(HANDLE process, DWORD processId) {
    Memory memory;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        memory.workingSetKiB = counters.WorkingSetSize / 1024.0;
        // The commit charge: what Windows calls private bytes (PrivateUsage
        // is the same figure, and Wine leaves that field 0).
        memory.privateKiB = counters.PagefileUsage / 1024.0;
    }
    memory.windows = testing_support::windowsOf(processId);
    memory.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    memory.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    return memory;
}

std::optional<ImageParts> imagePartsOf(const std::wstring& path) {
    const std::string image = readAll(fs::path(path));
    if (image.size() < sizeof(IMAGE_DOS_HEADER)) return std::nullopt;
    ImageParts parts;
    parts.file = image.size();
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    const size_t headers = static_cast<size_t>(dos->e_lfanew);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || headers + sizeof(IMAGE_NT_HEADERS32) > image.size()) return std::nullopt;
    // The file header and the place of the section table are the same for both widths.
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + headers);
    const size_t sections = headers + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) + nt->FileHeader.SizeOfOptionalHeader;
    if (nt->Signature != IMAGE_NT_SIGNATURE ||
        sections + nt->FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER) > image.size())
        return std::nullopt;
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
        const auto* section = reinterpret_cast<const IMAGE_SECTION_HEADER*>(image.data() + sections) + i;
        const std::string name(reinterpret_cast<const char*>(section->Name),
                               strnlen(reinterpret_cast<const char*>(section->Name), IMAGE_SIZEOF_SHORT_NAME));
        if (name == ".text") parts.code = section->SizeOfRawData;
        if (name == ".rsrc") parts.resources = section->SizeOfRawData;
    }
    // The skin engine's image travels as a data resource.
    platform::OwnedLibrary asData(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (asData)
        if (HRSRC resource = FindResourceW(asData.get(), L"SKIN_ENGINE", MAKEINTRESOURCEW(10)))
            parts.engine = SizeofResource(asData.get(), resource);
    return parts;
}

}  // namespace bench
