// Measures the real program as a user runs it, driven only from outside,
// against yardsticks of ours measured in the same run: the clicks and key
// presses it delivers at every speed, the platform's own limit, how fast a
// hotkey press starts and stops it, start-up, CPU, memory and objects, and
// the size of the shipped 32-bit program. Prints one Markdown table on
// stdout (progress goes to stderr).
//
//   bench_driver.exe [--repetitions N] [--quick] [--exe32 PATH]
//
// --quick: one repetition, the speeds up to "0.5秒" only, shorter runs; for
// trying the driver, not for the record.
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/tables.h"
#include "input_probe.h"
#include "platform/message_loop.h"
#include "probes.h"
#include "running_program.h"
#include "skin/skins.h"
#include "window_fixture.h"

using namespace testing_support;
using namespace bench;
using Clock = std::chrono::steady_clock;

namespace {

double secondsBetween(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }
double msBetween(Clock::time_point from, Clock::time_point to) { return secondsBetween(from, to) * 1000; }

void progress(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
}

[[noreturn]] void giveUp(const char* why) {
    progress("bench: %s", why);
    std::exit(1);
}

struct Settings {
    int repetitions = 3;
    bool quick = false;
    std::wstring exe32;
};

// ---------------------------------------------------------------- receiver

using Presses = std::vector<Clock::time_point>;

// The key the program presses in keyboard mode unless told otherwise.
constexpr WPARAM keyPressed = 'A';

// A window of ours that takes the program's clicks and key presses and notes
// when each press arrived.
class Receiver {
public:
    Receiver() {
        sink_.onButton = [this](UINT message) {
            if (message == WM_LBUTTONDOWN) presses.push_back(Clock::now());
        };
        sink_.onKey = [this](WPARAM key) {
            if (key == keyPressed) presses.push_back(Clock::now());
        };
    }
    POINT centre() const { return sink_.centre(); }
    // Takes the cursor (and the focus, for key presses), then forgets every press so far.
    void becomeTarget(bool takeFocus = false) {
        sink_.takesFocus = takeFocus;
        clickAt(centre());
        pumpFor(150ms);
        presses.clear();
    }
    Presses presses;  // when each arrived

private:
    SinkWindow sink_;
};

// Presses received at or after `from` and before `to`.
int pressesBetween(const Presses& presses, Clock::time_point from, Clock::time_point to) {
    int n = 0;
    for (auto at : presses) n += at >= from && at < to;
    return n;
}

// ---------------------------------------------------------------- the program

enum class Mode { Mouse, Keyboard };

// The program's controls by where the window puts them (client coordinates).
constexpr POINT mouseRadio{40, 13}, keyboardRadio{40, 69}, mouseSpeed{240, 35}, keySpeed{240, 92}, countLabel{100, 189};

class Program {
public:
    explicit Program(const std::wstring& exe) : process_(exe) {
        window_ = process_.waitForWindow();
        if (!window_) giveUp("the program's window did not appear");
        pumpFor(500ms);
    }
    ~Program() {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        process_.waitForExit();
    }
    HWND window() const { return window_; }
    const RunningProgram& process() const { return process_; }

    void choose(Mode mode, int speed) {
        POINT radio = mode == Mode::Mouse ? mouseRadio : keyboardRadio;
        ClientToScreen(window_, &radio);
        clickAt(radio);
        pumpFor(150ms);
        SendMessageW(controlAt(window_, mode == Mode::Mouse ? mouseSpeed : keySpeed), CB_SETCURSEL,
                     static_cast<WPARAM>(speed), 0);
    }
    bool idle() const { return textOf(window_) == L"Vantorel"; }
    // The clicks of the last run in mouse mode, as the program counted them.
    std::wstring clicksCounted() const { return textOf(controlAt(window_, countLabel)); }

private:
    RunningProgram process_;
    HWND window_ = nullptr;
};

// One run from the start press to quiet after the stop press.
struct Run {
    Clock::time_point started, stopped;
    Presses presses;
    bool stoppedCleanly = false;
};

// Starts a run, keeps it going until `enough` holds (or a generous timeout),
// stops it and waits for the last press. The program is not asked anything
// while it runs: a query from outside is handled inside its clicking.
Run runUntil(Program& program, Receiver& receiver, Mode mode, const std::function<bool(const Presses&)>& enough,
             std::chrono::milliseconds timeout) {
    receiver.becomeTarget(mode == Mode::Keyboard);
    Run run;
    run.started = pressStartStopHotkey();
    pumpUntil([&] { return enough(receiver.presses); }, timeout);
    run.stopped = pressStartStopHotkey();
    pumpUntil(
        [&] {
            const auto last = receiver.presses.empty() ? run.stopped : std::max(run.stopped, receiver.presses.back());
            return Clock::now() - last > 300ms;
        },
        10s);
    run.presses = receiver.presses;
    run.stoppedCleanly = pumpUntil([&] { return program.idle(); }, 3s);
    if (!run.stoppedCleanly) {  // the stop was lost: stop it for the next run, and drop this one
        pressStartStopHotkey();
        pumpUntil([&] { return program.idle(); }, 3s);
    }
    return run;
}

// ---------------------------------------------------------------- figures

struct SpeedFigures {
    Samples mouseRatio, keyRatio;  // delivered ÷ nominal
    Samples mouseRate, keyRate;    // delivered per second
};

struct Figures {
    std::vector<SpeedFigures> speeds = std::vector<SpeedFigures>(engine::SpeedTable.size());
    Samples limit, fastestToLimit;
    Samples startLatency[2], stopLatency[2];  // at "0.001秒" and "0.01秒"
    Samples startupProgram, startupMinimal, startupRatio;
    Samples idleCpuPercent, cpuPer1000Program, cpuPer1000Minimal, cpuRatio;
    Memory memory[4][8];  // after start, after a fastest run, after 10 and after 20 cycles; per repetition
    std::optional<ImageParts> parts;
    std::size_t skinBytes = 0;
    int repetitions = 0;
};

double nominalRate(const engine::SpeedRow& row) { return 1000.0 * row.injectionsPerFiring / row.periodMs; }

// The delivered rate of one run. Fast speeds: the presses in two seconds
// that begin half a firing after the first, so that no firing sits on an
// edge. Slow speeds: the spacing of the firings.
std::optional<double> deliveredRate(const Run& run, const engine::SpeedRow& row, Clock::duration span) {
    if (run.presses.size() < 2) return std::nullopt;
    if (row.periodMs < 1000) {
        const auto from = run.presses.front() + std::chrono::microseconds(row.periodMs * 500);
        return pressesBetween(run.presses, from, from + span) / std::chrono::duration<double>(span).count();
    }
    return (run.presses.size() - 1) / secondsBetween(run.presses.front(), run.presses.back());
}

// Firings a slow speed is measured over: three, two for the slowest.
size_t firingsFor(const engine::SpeedRow& row) { return row.periodMs >= 20000 ? 2 : 3; }

// Every speed in one mode; gives the fastest speed's delivered rate.
std::optional<double> measureSpeeds(Program& program, Receiver& receiver, Mode mode, Figures& figures,
                                    const Settings& settings) {
    std::optional<double> fastest;
    const auto span = 2s;
    for (size_t speed = 0; speed < engine::SpeedTable.size(); ++speed) {
        const engine::SpeedRow& row = engine::SpeedTable[speed];
        if (settings.quick && row.periodMs >= 1000) break;
        program.choose(mode, static_cast<int>(speed));
        const auto period = std::chrono::milliseconds(row.periodMs);
        const Run run = runUntil(
            program, receiver, mode,
            [&](const Presses& presses) {
                if (row.periodMs >= 1000) return presses.size() >= firingsFor(row);
                return !presses.empty() && Clock::now() > presses.front() + period / 2 + span + 50ms;
            },
            period * 4 + 10s);
        const auto rate = deliveredRate(run, row, span);
        progress("  %s %-8ls %s: %s%.3f/s (nominal %.3f/s), %zu received%s%ls, stop to last %.1f ms",
                 mode == Mode::Mouse ? "mouse" : "keys ", row.label, run.stoppedCleanly ? "" : "LOST STOP ",
                 rate ? "" : "no presses, ", rate.value_or(0), nominalRate(row), run.presses.size(),
                 mode == Mode::Mouse ? ", counted " : "", mode == Mode::Mouse ? program.clicksCounted().c_str() : L"",
                 run.presses.empty() ? 0.0 : msBetween(run.stopped, run.presses.back()));
        if (!run.stoppedCleanly || !rate) continue;
        if (speed == 0) fastest = rate;
        SpeedFigures& f = figures.speeds[speed];
        (mode == Mode::Mouse ? f.mouseRate : f.keyRate).add(*rate);
        (mode == Mode::Mouse ? f.mouseRatio : f.keyRatio).add(*rate / nominalRate(row));
        if (mode == Mode::Mouse && speed < 2) {
            figures.startLatency[speed].add(msBetween(run.started, run.presses.front()));
            figures.stopLatency[speed].add(std::max(0.0, msBetween(run.stopped, run.presses.back())));
        }
    }
    return fastest;
}

// Waits until no press has arrived for half a second: input injected
// faster than it is taken waits in the system's queue, and must not spill
// into the next measurement.
void waitForQuiet(Receiver& receiver) {
    pumpUntil([&] { return receiver.presses.empty() || Clock::now() - receiver.presses.back() > 500ms; }, 30s);
}

// The platform's limit: our minimal loop in this thread, clicking into the
// receiver, which its pump serves after every click, so that nothing piles
// up in the input queue: the rate the system sustains.
double measurePlatformLimit(Receiver& receiver) {
    receiver.becomeTarget();
    const POINT at = receiver.centre();
    const auto start = Clock::now();
    while (Clock::now() - start < 2500ms) {
        SetCursorPos(at.x, at.y);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        platform::processPendingMessages();
    }
    const double seconds = secondsBetween(start, Clock::now());
    waitForQuiet(receiver);
    return receiver.presses.size() / seconds;
}

// CPU per click of the least a clicker can do, in a process of its own as
// the program is: our minimal clicker's CPU per 1,000 clicks it injected (ms).
std::optional<double> measureMinimalClicker(Receiver& receiver) {
    receiver.becomeTarget();
    const POINT at = receiver.centre();
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring resultFile = std::wstring(folder) + L"minimal_clicker.txt";
    DeleteFileW(resultFile.c_str());
    {
        RunningProgram clicker(folderOfThisProgram() + L"\\minimal_clicker.exe", L"",
                               std::to_wstring(at.x) + L" " + std::to_wstring(at.y) + L" 3 \"" + resultFile + L"\"");
        pumpUntil([&] { return WaitForSingleObject(clicker.handle(), 0) == WAIT_OBJECT_0; }, 20s);
    }
    waitForQuiet(receiver);
    long clicks = 0;
    double cpu = 0;
    const bool read = static_cast<bool>(std::ifstream(std::filesystem::path(resultFile)) >> clicks >> cpu) && clicks > 0;
    DeleteFileW(resultFile.c_str());
    if (!read) return std::nullopt;
    progress("  minimal clicker: %ld clicks in 3 s, %zu received", clicks, receiver.presses.size());
    return cpu / clicks * 1e6;
}

// From the launch to the first visible window, polled every millisecond.
double startupMs(const std::wstring& exe) {
    const auto launched = Clock::now();
    RunningProgram program(exe);
    HWND window = nullptr;
    while (!(window = visibleWindowOf(program.id())) && Clock::now() - launched < 20s) Sleep(1);
    const double ms = msBetween(launched, Clock::now());
    if (!window) giveUp("a window did not appear within 20 s");
    pumpFor(300ms);  // let it settle before it is closed
    PostMessageW(window, WM_CLOSE, 0, 0);
    program.waitForExit();
    return ms;
}

void measureStartup(Figures& figures, const Settings& settings) {
    const std::wstring minimal = folderOfThisProgram() + L"\\minimal_window.exe";
    startupMs(minimal);  // the first launch of each fills caches (and deploys the engine): not counted
    startupMs(vantorelExe());
    for (int i = 0; i < std::max(5, settings.repetitions); ++i) {
        const double yardstick = startupMs(minimal), program = startupMs(vantorelExe());
        figures.startupMinimal.add(yardstick);
        figures.startupProgram.add(program);
        figures.startupRatio.add(program / yardstick);
        progress("  start-up: program %.0f ms, minimal window %.0f ms", program, yardstick);
    }
}

// Memory after start, idle CPU, a long run at the fastest speed with its CPU
// per click, memory after it, ten start/stop cycles and ten more, memory
// after each ten.
// Gives the CPU per 1,000 clicks of the long run.
std::optional<double> measureResources(Receiver& receiver, Figures& figures, int repetition, const Settings& settings) {
    Program program(vantorelExe());
    const DWORD id = program.process().id();
    HANDLE handle = program.process().handle();
    const auto process = LinuxProcess::find(L"Vantorel.exe");
    if (!process) giveUp("the program's Linux process was not found");
    pumpFor(1500ms);
    figures.memory[0][repetition] = memoryOf(handle, id);

    const auto idleSpan = settings.quick ? 3s : 10s;
    const double idleFrom = process->cpuSeconds();
    const auto idleStart = Clock::now();
    pumpFor(idleSpan);
    const double idle = (process->cpuSeconds() - idleFrom) / secondsBetween(idleStart, Clock::now()) * 100;
    figures.idleCpuPercent.add(idle);

    const auto runSpan = settings.quick ? 6s : 30s;
    program.choose(Mode::Mouse, 0);
    double cpuFrom = 0, cpuTo = 0;
    size_t pressesFrom = 0, pressesTo = 0;
    const Run run = runUntil(
        program, receiver, Mode::Mouse,
        [&](const Presses& presses) {
            if (presses.empty()) return false;
            const auto since = Clock::now() - presses.front();
            if (!pressesFrom && since > 2s) cpuFrom = process->cpuSeconds(), pressesFrom = presses.size();
            if (!pressesTo && since > runSpan - 2s) cpuTo = process->cpuSeconds(), pressesTo = presses.size();
            return since > runSpan;
        },
        runSpan + 10s);
    std::optional<double> cpuPer1000;
    if (run.stoppedCleanly && pressesTo > pressesFrom) {
        cpuPer1000 = (cpuTo - cpuFrom) / static_cast<double>(pressesTo - pressesFrom) * 1e6;
        figures.cpuPer1000Program.add(*cpuPer1000);
    }
    pumpFor(1000ms);
    figures.memory[1][repetition] = memoryOf(handle, id);

    // Ten cycles, then ten more: growth that comes once shows apart from growth that goes on.
    for (int stage = 2; stage < 4; ++stage) {
        for (int cycle = 0; cycle < 10; ++cycle)
            runUntil(program, receiver, Mode::Mouse, [](const Presses& presses) { return presses.size() >= 200; }, 3s);
        pumpFor(1000ms);
        figures.memory[stage][repetition] = memoryOf(handle, id);
    }
    progress("  idle CPU %.3f%%, CPU per 1000 clicks %.1f ms, private %.0f / %.0f / %.0f / %.0f KiB", idle,
             cpuPer1000.value_or(0), figures.memory[0][repetition].privateKiB, figures.memory[1][repetition].privateKiB,
             figures.memory[2][repetition].privateKiB, figures.memory[3][repetition].privateKiB);
    return cpuPer1000;
}

// ---------------------------------------------------------------- the table

std::string utf8(const std::wstring& text) {
    std::string bytes(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.pop_back();
    return bytes;
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

class Table {
public:
    void section(const std::string& title) { std::printf("| **%s** | | | | | |\n", title.c_str()); }
    // A figure with its median, min and max; `met` judges the median.
    void row(const std::string& name, const Samples& samples, const char* pattern, const std::string& target = "",
             std::optional<bool> met = std::nullopt) {
        if (samples.empty()) {
            std::printf("| %s | not measured | | | %s | no |\n", name.c_str(), target.c_str());
            ++missed_;
            return;
        }
        std::printf("| %s | %s | %s | %s | %s | %s |\n", name.c_str(), format(pattern, samples.median()).c_str(),
                    format(pattern, samples.min()).c_str(), format(pattern, samples.max()).c_str(), target.c_str(),
                    verdict(met).c_str());
    }
    // A figure measured once.
    void single(const std::string& name, const std::string& value, const std::string& target = "",
                std::optional<bool> met = std::nullopt) {
        std::printf("| %s | %s | | | %s | %s |\n", name.c_str(), value.c_str(), target.c_str(), verdict(met).c_str());
    }
    int missed() const { return missed_; }

private:
    std::string verdict(std::optional<bool> met) {
        if (!met) return "";
        missed_ += !*met;
        return *met ? "yes" : "**no**";
    }
    int missed_ = 0;
};

// One figure per repetition: a field of the memory at `stage`, or what it
// grew by since stage `since`.
Samples memoryFigure(const Figures& figures, double (*field)(const Memory&), int stage, int since = -1) {
    Samples samples;
    for (int r = 0; r < figures.repetitions; ++r)
        samples.add(field(figures.memory[stage][r]) - (since < 0 ? 0 : field(figures.memory[since][r])));
    return samples;
}

int printTable(const Figures& f) {
    Table table;
    std::puts("| Figure | Median | Min | Max | Target | Met |");
    std::puts("|---|---:|---:|---:|---|---|");

    const double limit = f.limit.empty() ? 1000 : std::min(1000.0, f.limit.median());
    for (Mode mode : {Mode::Mouse, Mode::Keyboard}) {
        table.section(mode == Mode::Mouse ? "Delivered ÷ nominal rate, mouse mode (left single click)"
                                          : "Delivered ÷ nominal rate, keyboard mode (key presses)");
        for (size_t speed = 0; speed < engine::SpeedTable.size(); ++speed) {
            const engine::SpeedRow& row = engine::SpeedTable[speed];
            const Samples& ratio = mode == Mode::Mouse ? f.speeds[speed].mouseRatio : f.speeds[speed].keyRatio;
            if (ratio.empty() && row.periodMs >= 1000) continue;  // a quick run leaves the slow speeds out
            const std::string name = utf8(row.label) + format(" (%g/s)", nominalRate(row));
            if (speed == 0) {
                table.row(name, ratio, "%.3f", format("≥ %.3f (0.95 × min(1000, limit) ÷ 1000)", 0.95 * limit / 1000),
                          !ratio.empty() && ratio.median() >= 0.95 * limit / 1000);
            } else {
                const bool withinLimit = nominalRate(row) <= limit;
                table.row(name, ratio, "%.3f", withinLimit ? "≥ 0.97" : "beyond the limit",
                          withinLimit ? std::optional<bool>(!ratio.empty() && ratio.median() >= 0.97) : std::nullopt);
            }
        }
    }

    table.section("Fastest speed against the platform's limit");
    table.row("Platform's limit: minimal loop of ours (clicks/s)", f.limit, "%.0f");
    table.row("\"0.001秒\" delivered (clicks/s)", f.speeds[0].mouseRate, "%.0f");
    table.row("\"0.001秒\" ÷ min(1000, limit)", f.fastestToLimit, "%.3f", "≥ 0.95",
              !f.fastestToLimit.empty() && f.fastestToLimit.median() >= 0.95);

    table.section("Hotkey latency (mouse mode)");
    const double limits[2][2] = {{15, 20}, {15, 11}};  // start ≤ period + 5 ms; stop ≤ period + rest of a burst
    for (int speed = 0; speed < 2; ++speed) {
        const std::string label = utf8(engine::SpeedTable[speed].label);
        table.row("Start at \"" + label + "\": press → first click (ms)", f.startLatency[speed], "%.1f",
                  format("≤ %.0f ms", limits[speed][0]),
                  !f.startLatency[speed].empty() && f.startLatency[speed].median() <= limits[speed][0]);
        table.row("Stop at \"" + label + "\": press → last click (ms)", f.stopLatency[speed], "%.1f",
                  format("≤ %.0f ms", limits[speed][1]),
                  !f.stopLatency[speed].empty() && f.stopLatency[speed].median() <= limits[speed][1]);
    }

    table.section("Start-up: launch → window visible");
    table.row("Vantorel (ms)", f.startupProgram, "%.0f");
    table.row("Minimal window of ours (ms)", f.startupMinimal, "%.0f");
    table.row("Ratio", f.startupRatio, "%.2f", "≤ 1.3", !f.startupRatio.empty() && f.startupRatio.median() <= 1.3);

    table.section("CPU (the process's own threads)");
    table.row("Idle, clock ticking (% of one core)", f.idleCpuPercent, "%.3f", "< 0.2",
              !f.idleCpuPercent.empty() && f.idleCpuPercent.median() < 0.2);
    table.row("Per 1,000 clicks at \"0.001秒\" (ms)", f.cpuPer1000Program, "%.1f");
    table.row("Per 1,000 clicks, minimal clicker of ours (ms)", f.cpuPer1000Minimal, "%.1f");
    table.row("Ratio", f.cpuRatio, "%.2f", "≤ 1.5", !f.cpuRatio.empty() && f.cpuRatio.median() <= 1.5);

    table.section("Memory and objects: after start / after a 30 s run at \"0.001秒\" / after 10 start-stop cycles / after 10 more");
    const char* stages[4] = {"after start", "after the run", "after 10 cycles", "after 20 cycles"};
    const auto workingSet = [](const Memory& m) { return m.workingSetKiB; };
    const auto privateBytes = [](const Memory& m) { return m.privateKiB; };
    const auto windows = [](const Memory& m) { return static_cast<double>(m.windows); };
    const auto gdi = [](const Memory& m) { return static_cast<double>(m.gdiObjects); };
    const auto user = [](const Memory& m) { return static_cast<double>(m.userObjects); };
    const auto objects = [](const Memory& m) { return static_cast<double>(m.gdiObjects + m.userObjects); };
    for (int stage = 0; stage < 4; ++stage) {
        table.row(std::string("Working set, ") + stages[stage] + " (KiB)", memoryFigure(f, workingSet, stage), "%.0f");
        table.row(std::string("Private bytes, ") + stages[stage] + " (KiB)", memoryFigure(f, privateBytes, stage), "%.0f");
    }
    for (int stage = 0; stage < 4; ++stage) {
        table.row(std::string("Windows, ") + stages[stage], memoryFigure(f, windows, stage), "%.0f");
        table.row(std::string("GDI objects (Wine reads 0), ") + stages[stage], memoryFigure(f, gdi, stage), "%.0f");
        table.row(std::string("USER objects (Wine reads 0), ") + stages[stage], memoryFigure(f, user, stage), "%.0f");
    }
    const Samples firstTen = memoryFigure(f, privateBytes, 2, 1), nextTen = memoryFigure(f, privateBytes, 3, 2);
    const Samples windowGrowth = memoryFigure(f, windows, 3, 0), objectGrowth = memoryFigure(f, objects, 3, 0);
    table.row("Private bytes grown over the first 10 cycles (KiB)", firstTen, "%.0f", "0",
              !firstTen.empty() && firstTen.max() <= 0);
    table.row("Private bytes grown over the next 10 cycles (KiB)", nextTen, "%.0f", "0",
              !nextTen.empty() && nextTen.max() <= 0);
    table.row("Windows grown since start", windowGrowth, "%.0f", "0", !windowGrowth.empty() && windowGrowth.max() == 0);
    table.row("GDI + USER objects grown since start", objectGrowth, "%.0f", "0",
              !objectGrowth.empty() && objectGrowth.max() == 0);

    table.section("Size of the shipped 32-bit Vantorel.exe (bytes)");
    if (f.parts) {
        const auto bytes = [](std::uintmax_t n) { return format("%.0f", static_cast<double>(n)); };
        table.single("Whole file", bytes(f.parts->file));
        table.single("Code (.text)", bytes(f.parts->code));
        table.single("Resources (.rsrc), engine included", bytes(f.parts->resources));
        table.single("Skin engine image", bytes(f.parts->engine));
        table.single("The 42 skins (data)", bytes(f.skinBytes));
    } else {
        table.single("Whole file", "not found");
    }
    return table.missed();
}

Settings parse(int argc, char** argv) {
    Settings settings;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--quick")) settings.quick = true, settings.repetitions = 1;
        else if (!std::strcmp(argv[i], "--repetitions") && i + 1 < argc) settings.repetitions = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--exe32") && i + 1 < argc) {
            const std::string path = argv[++i];
            settings.exe32.assign(path.begin(), path.end());
        } else giveUp("usage: bench_driver.exe [--repetitions N] [--quick] [--exe32 PATH]");
    }
    settings.repetitions = std::clamp(settings.repetitions, 1, 8);
    if (settings.exe32.empty()) settings.exe32 = folderOfThisProgram() + L"\\..\\..\\win32\\bin\\Vantorel.exe";
    return settings;
}

}  // namespace

int main(int argc, char** argv) {
    const Settings settings = parse(argc, argv);
    Figures figures;
    figures.repetitions = settings.repetitions;

    figures.parts = imagePartsOf(settings.exe32);
    for (int number = 1; number <= skin::skinCount(); ++number) figures.skinBytes += skin::skinData(number).size();

    progress("start-up");
    measureStartup(figures, settings);

    Receiver receiver;
    for (int repetition = 0; repetition < settings.repetitions; ++repetition) {
        progress("repetition %d of %d", repetition + 1, settings.repetitions);
        const double limit = measurePlatformLimit(receiver);
        figures.limit.add(limit);
        progress("  platform limit: %.0f clicks/s", limit);
        {
            Program program(vantorelExe());
            if (const auto fastest = measureSpeeds(program, receiver, Mode::Mouse, figures, settings))
                figures.fastestToLimit.add(*fastest / std::min(1000.0, limit));
            measureSpeeds(program, receiver, Mode::Keyboard, figures, settings);
        }
        const auto minimalCpu = measureMinimalClicker(receiver);
        if (!minimalCpu) giveUp("the minimal clicker gave no result");
        figures.cpuPer1000Minimal.add(*minimalCpu);
        if (const auto cpu = measureResources(receiver, figures, repetition, settings))
            figures.cpuRatio.add(*cpu / *minimalCpu);
    }
    const int missed = printTable(figures);
    progress("%d target(s) missed", missed);
    return 0;
}
