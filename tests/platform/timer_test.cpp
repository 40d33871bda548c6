// Timer periods: negative counts as 0, the same period keeps the phase, any
// other period restarts the timer from that moment, 0 stops it.
#include <array>
#include <chrono>
#include <vector>

#include "window_fixture.h"

namespace {

using namespace testing_support;
using Clock = std::chrono::steady_clock;

platform::Control timer;
std::vector<Clock::time_point> firings;

const std::array controls{
    platform::ControlDef{.control = &timer, .kind = platform::ControlKind::Timer, .container = nullptr, .rect = {},
                         .events = {.periodic = [] { firings.push_back(Clock::now()); }}},
};
const platform::WindowDef oneTimer{.caption = L"timer", .width = 200, .height = 100, .controls = controls};

class TimerPeriod : public ::testing::Test {
protected:
    void SetUp() override {
        firings.clear();
        ASSERT_TRUE(window.load(oneTimer));
    }
    long long msSince(Clock::time_point start, size_t firing) const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(firings.at(firing) - start).count();
    }
    platform::Window window;
};

TEST_F(TimerPeriod, StartsStoppedAndNegativeCountsAsZero) {
    EXPECT_EQ(timer.period(), 0);
    timer.setPeriod(-5);
    EXPECT_EQ(timer.period(), 0);
    pumpFor(300ms);
    EXPECT_TRUE(firings.empty());
}

TEST_F(TimerPeriod, FiresOncePerPeriodUntilStopped) {
    timer.setPeriod(100);
    pumpFor(1050ms);
    EXPECT_GE(firings.size(), 8u);
    EXPECT_LE(firings.size(), 11u);
    timer.setPeriod(0);
    const size_t atStop = firings.size();
    pumpFor(300ms);
    EXPECT_EQ(firings.size(), atStop);
}

TEST_F(TimerPeriod, WritingTheSamePeriodKeepsThePhase) {
    const auto start = Clock::now();
    timer.setPeriod(400);
    pumpFor(250ms);
    timer.setPeriod(400);  // a restart would put the first firing near 650 ms
    ASSERT_TRUE(pumpUntil([] { return !firings.empty(); }));
    EXPECT_LT(msSince(start, 0), 525);
}

TEST_F(TimerPeriod, AnotherPeriodRestartsFromThatMoment) {
    const auto start = Clock::now();
    timer.setPeriod(400);
    pumpFor(250ms);
    timer.setPeriod(401);
    ASSERT_TRUE(pumpUntil([] { return !firings.empty(); }));
    EXPECT_GT(msSince(start, 0), 600);
}

TEST_F(TimerPeriod, DestroyingTheWindowStopsTheTimer) {
    timer.setPeriod(50);
    window.destroy();
    EXPECT_EQ(timer.period(), 0);
    EXPECT_EQ(timer.handle(), nullptr);
    pumpFor(200ms);
    EXPECT_TRUE(firings.empty());
}

}  // namespace
