#pragma once
// The three fixed tables behind the window's lists. A list's selection index
// is the row index of its table; the lookups give defined results for -1 (no
// selection) and for every index outside a table.
#include <array>
#include <cstdint>
#include <optional>

namespace engine {

struct KeyRow {
    std::uint8_t virtualKey;
    const wchar_t* keyboardLabel;  // item text in 键盘 (the key to press)
    const wchar_t* hotkeyLabel;    // item text in 组合框3 (the hotkey's key)
};

struct SpeedRow {
    const wchar_t* label;
    int periodMs;
    int injectionsPerFiring;
};

struct MouseActionRow {
    const wchar_t* label;
    int actionCode;
};

extern const std::array<KeyRow, 63> KeyTable;
extern const std::array<SpeedRow, 13> SpeedTable;
extern const std::array<MouseActionRow, 4> MouseActionTable;

// Item texts of the lists, in table order.
extern const std::array<const wchar_t*, 63> keyboardLabels;
extern const std::array<const wchar_t*, 63> hotkeyLabels;
extern const std::array<const wchar_t*, 13> speedLabels;
extern const std::array<const wchar_t*, 4> mouseActionLabels;

// 0 for any index outside 0..62.
int keyFor(int index);
// No period for any index outside 0..12: the caller then leaves the timer alone.
std::optional<int> periodFor(int index);
// 10 for index 0 ("0.001秒"), 1 for every other value, -1 and past the table included.
int injectionsPerFiring(int index);
// 0 (left single click) for any index outside 0..3.
int actionCodeFor(int index);

}  // namespace engine
