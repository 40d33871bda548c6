// The program's side of the engine: which skin numbers reach it at all.
#include <gtest/gtest.h>

#include "platform/win32.h"
#include "skin/skin.h"

namespace {

TEST(ApplySkinDeathTest, NumbersOutsideOneTo42MakeNoCall) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // In a fresh process: a call would have to bind the engine first.
    EXPECT_EXIT(
        {
            for (int number : {0, -1, 43, -2147483647 - 1}) skin::applySkin(number);
            std::exit(GetModuleHandleW(L"SkinH_EL.dll") == nullptr ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            skin::applySkin(42);
            std::exit(GetModuleHandleW(L"SkinH_EL.dll") == nullptr ? 0 : 1);
        },
        ::testing::ExitedWithCode(1), "")
        << "the bound engine is what the first case would have shown";
}

}  // namespace
