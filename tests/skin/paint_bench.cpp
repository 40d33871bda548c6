// Figures for the engine: parsing a skin, and painting the controls with and
// without a skin. Run by hand under Wine: scripts/wine-run skin_paint_bench.exe
#include <chrono>
#include <cstdio>

#include "skin/engine/engine.h"
#include "skin/engine/gdi.h"
#include "skin/skins.h"
#include "skin_window.h"
#include "window_fixture.h"

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double paintEach(HWND window, int rounds) {
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    return microseconds(Clock::now() - start) / rounds;
}

void paintRow(const char* when) {
    using skin_testing::skinWindow;
    const struct {
        const char* name;
        HWND window;
    } rows[] = {
        {"push button", skinWindow.push.handle()}, {"check box", skinWindow.check.handle()},
        {"group box", skinWindow.group.handle()},  {"combo box", skinWindow.combo.handle()},
        {"status bar", skinWindow.status.handle()}, {"window", skinWindow.window.handle()},
    };
    for (const auto& row : rows) std::printf("paint %-12s %-9s %8.1f us\n", row.name, when, paintEach(row.window, 2000));
}

}  // namespace

int main() {
    skin_format::Skin skin;
    const int rounds = 20000;
    const auto start = Clock::now();
    int accepted = 0;
    for (int i = 0; i < rounds; ++i) accepted += skin_format::parse(skin::skinData(1 + i % 42), skin) == skin_format::Error::none;
    std::printf("parse one skin           %8.3f us (%d of %d accepted)\n", microseconds(Clock::now() - start) / rounds, accepted, rounds);

    if (!skin_testing::skinWindow.load()) return 1;
    paintRow("unskinned");
    if (skin_engine::attach(skin::skinData(29)) != 0) return 2;
    testing_support::pumpFor(std::chrono::milliseconds(100));
    paintRow("skinned");
    std::printf("GDI objects held by the engine: %d\n", skin_engine::liveGdiObjects());
    return 0;
}
