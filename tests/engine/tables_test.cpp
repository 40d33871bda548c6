#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/tables.h"

namespace {

using namespace engine;

struct LookupCase {
    int index;
    int key;                  // keyFor
    std::optional<int> period;  // periodFor
    int injections;           // injectionsPerFiring
    int action;               // actionCodeFor
};

// Every boundary of every table, plus no selection and far-out indexes.
const LookupCase lookupCases[] = {
    {-2147483647 - 1, 0, std::nullopt, 1, 0},
    {-1, 0, std::nullopt, 1, 0},
    {0, 8, 10, 10, 0},
    {1, 9, 10, 1, 2},
    {2, 13, 20, 1, 1},
    {3, 27, 50, 1, 3},
    {4, 32, 100, 1, 0},
    {12, 40, 30000, 1, 0},
    {13, 45, std::nullopt, 1, 0},
    {15, '0', std::nullopt, 1, 0},
    {24, '9', std::nullopt, 1, 0},
    {25, 'A', std::nullopt, 1, 0},
    {50, 'Z', std::nullopt, 1, 0},
    {51, 0x70, std::nullopt, 1, 0},
    {60, 0x79, std::nullopt, 1, 0},
    {62, 0x7B, std::nullopt, 1, 0},
    {63, 0, std::nullopt, 1, 0},
    {2147483647, 0, std::nullopt, 1, 0},
};

TEST(Lookups, GiveTheTableValuesAndTheDefaultsOutsideTheTables) {
    for (const LookupCase& c : lookupCases) {
        SCOPED_TRACE("index " + std::to_string(c.index));
        EXPECT_EQ(keyFor(c.index), c.key);
        EXPECT_EQ(periodFor(c.index), c.period);
        EXPECT_EQ(injectionsPerFiring(c.index), c.injections);
        EXPECT_EQ(actionCodeFor(c.index), c.action);
    }
}

TEST(Lookups, EverySpeedHasItsPeriodAndOnlyTheFastestBursts) {
    const int periods[] = {10, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 30000};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(periodFor(i), periods[i]) << "speed " << i;
        EXPECT_EQ(injectionsPerFiring(i), i == 0 ? 10 : 1) << "speed " << i;
    }
}

TEST(KeyTable, CodesRunInTheirBlocks) {
    // The named keys, then 0..9, A..Z and F1..F12 as contiguous runs of codes.
    const int named[] = {8, 9, 13, 27, 32, 33, 34, 35, 36, 37, 38, 39, 40, 45, 46};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(keyFor(i), named[i]) << "index " << i;
    for (int i = 0; i < 10; ++i) EXPECT_EQ(keyFor(15 + i), '0' + i);
    for (int i = 0; i < 26; ++i) EXPECT_EQ(keyFor(25 + i), 'A' + i);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(keyFor(51 + i), 0x70 + i);
}

TEST(Labels, BothKeyListsNameTheSameKeyAtEachIndex) {
    struct Row {
        int index;
        const wchar_t* keyboard;
        const wchar_t* hotkey;
    };
    const Row rows[] = {
        {0, L"退格键", L"BackSpace"}, {4, L"空格键", L"Space"},     {5, L"Page Up键", L"Page Up"},
        {9, L"左光标键", L"Left"},    {14, L"Delete键", L"Delete"}, {15, L"数字0", L"0"},
        {25, L"字母A", L"A"},         {50, L"字母Z", L"Z"},         {51, L"F1键", L"F1"},
        {60, L"F10键", L"F10"},       {62, L"F12键", L"F12"},
    };
    for (const Row& row : rows) {
        EXPECT_STREQ(keyboardLabels[row.index], row.keyboard);
        EXPECT_STREQ(hotkeyLabels[row.index], row.hotkey);
    }
    EXPECT_STREQ(speedLabels[0], L"0.001秒");
    EXPECT_STREQ(speedLabels[12], L"30秒");
    const wchar_t* actions[] = {L"左键单击", L"右键单击", L"左键双击", L"右键双击"};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(mouseActionLabels[i], actions[i]);
}

}  // namespace
