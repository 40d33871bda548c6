#pragma once
// What the benchmark reads about a process and a program file from outside.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace bench {

// Repetitions of one figure.
struct Samples {
    std::vector<double> values;
    void add(double value) { values.push_back(value); }
    bool empty() const { return values.empty(); }
    double median() const;
    double min() const;
    double max() const;
};

// A process of this Wine session as Linux sees it. Wine answers
// GetProcessTimes for another process with the caller's own times, so CPU
// time is read from the kernel's per-thread run time instead.
class LinuxProcess {
public:
    // The newest Linux process running the program file of that name (say "Vantorel.exe").
    static std::optional<LinuxProcess> find(const std::wstring& programName);
    // CPU time of all its threads so far, in seconds (nanosecond resolution).
    double cpuSeconds() const;

private:
    explicit LinuxProcess(std::wstring folder) : folder_(std::move(folder)) {}
    std::wstring folder_;  // Z:\proc\<pid>
};

struct Memory {
    double workingSetKiB = 0;
    double privateKiB = 0;  // private bytes: the commit charge
    int windows = 0;        // its windows, top-level and child
    DWORD gdiObjects = 0, userObjects = 0;
};
Memory memoryOf(HANDLE process, DWORD processId);

// The parts of a program file, in bytes.
struct ImageParts {
    std::uintmax_t file = 0, code = 0, resources = 0, engine = 0;
};
// From the section table and the resources of a 32-bit or 64-bit program file.
std::optional<ImageParts> imagePartsOf(const std::wstring& path);

}  // namespace bench
