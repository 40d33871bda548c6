#include "engine/tables.h"

#include <cstddef>

namespace engine {

const std::array<KeyRow, 63> KeyTable{{
    {8, L"退格键", L"BackSpace"},
    {9, L"Tab键", L"Tab"},
    {13, L"回车键", L"Enter"},
    {27, L"Esc键", L"Esc"},
    {32, L"空格键", L"Space"},
    {33, L"Page Up键", L"Page Up"},
    {34, L"Page Down键", L"Page Down"},
    {35, L"End键", L"End"},
    {36, L"Home键", L"Home"},
    {37, L"左光标键", L"Left"},
    {38, L"上光标键", L"Up"},
    {39, L"右光标键", L"Right"},
    {40, L"下光标键", L"Down"},
    {45, L"Insert键", L"Insert"},
    {46, L"Delete键", L"Delete"},
    // Digit and letter keys have no named constants: their codes are the
    // ASCII codes of the digit or of the capital letter.
    {'0', L"数字0", L"0"}, {'1', L"数字1", L"1"}, {'2', L"数字2", L"2"}, {'3', L"数字3", L"3"},
    {'4', L"数字4", L"4"}, {'5', L"数字5", L"5"}, {'6', L"数字6", L"6"}, {'7', L"数字7", L"7"},
    {'8', L"数字8", L"8"}, {'9', L"数字9", L"9"},
    {'A', L"字母A", L"A"}, {'B', L"字母B", L"B"}, {'C', L"字母C", L"C"}, {'D', L"字母D", L"D"},
    {'E', L"字母E", L"E"}, {'F', L"字母F", L"F"}, {'G', L"字母G", L"G"}, {'H', L"字母H", L"H"},
    {'I', L"字母I", L"I"}, {'J', L"字母J", L"J"}, {'K', L"字母K", L"K"}, {'L', L"字母L", L"L"},
    {'M', L"字母M", L"M"}, {'N', L"字母N", L"N"}, {'O', L"字母O", L"O"}, {'P', L"字母P", L"P"},
    {'Q', L"字母Q", L"Q"}, {'R', L"字母R", L"R"}, {'S', L"字母S", L"S"}, {'T', L"字母T", L"T"},
    {'U', L"字母U", L"U"}, {'V', L"字母V", L"V"}, {'W', L"字母W", L"W"}, {'X', L"字母X", L"X"},
    {'Y', L"字母Y", L"Y"}, {'Z', L"字母Z", L"Z"},
    {112, L"F1键", L"F1"}, {113, L"F2键", L"F2"}, {114, L"F3键", L"F3"}, {115, L"F4键", L"F4"},
    {116, L"F5键", L"F5"}, {117, L"F6键", L"F6"}, {118, L"F7键", L"F7"}, {119, L"F8键", L"F8"},
    {120, L"F9键", L"F9"}, {121, L"F10键", L"F10"}, {122, L"F11键", L"F11"}, {123, L"F12键", L"F12"},
}};

// "0.001秒" is not a 1 ms timer: it shares the 10 ms period of "0.01秒" and
// makes ten injections per firing instead of one.
const std::array<SpeedRow, 13> SpeedTable{{
    {L"0.001秒", 10, 10},
    {L"0.01秒", 10, 1},
    {L"0.02秒", 20, 1},
    {L"0.05秒", 50, 1},
    {L"0.1秒", 100, 1},
    {L"0.2秒", 200, 1},
    {L"0.5秒", 500, 1},
    {L"1秒", 1000, 1},
    {L"2秒", 2000, 1},
    {L"5秒", 5000, 1},
    {L"10秒", 10000, 1},
    {L"20秒", 20000, 1},
    {L"30秒", 30000, 1},
}};

// The codes of rows 1 and 2 are crossed on purpose: the right single click
// is code 2 and the left double click code 1.
const std::array<MouseActionRow, 4> MouseActionTable{{
    {L"左键单击", 0},
    {L"右键单击", 2},
    {L"左键双击", 1},
    {L"右键双击", 3},
}};

namespace {

template <typename Row, std::size_t N, typename Field>
std::array<const wchar_t*, N> column(const std::array<Row, N>& table, Field Row::*field) {
    std::array<const wchar_t*, N> labels{};
    for (std::size_t i = 0; i < N; ++i) labels[i] = table[i].*field;
    return labels;
}

template <typename Table>
bool inTable(const Table& table, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < table.size();
}

}  // namespace

const std::array<const wchar_t*, 63> keyboardLabels = column(KeyTable, &KeyRow::keyboardLabel);
const std::array<const wchar_t*, 63> hotkeyLabels = column(KeyTable, &KeyRow::hotkeyLabel);
const std::array<const wchar_t*, 13> speedLabels = column(SpeedTable, &SpeedRow::label);
const std::array<const wchar_t*, 4> mouseActionLabels = column(MouseActionTable, &MouseActionRow::label);

int keyFor(int index) {
    return inTable(KeyTable, index) ? KeyTable[index].virtualKey : 0;
}

std::optional<int> periodFor(int index) {
    if (!inTable(SpeedTable, index)) return std::nullopt;
    return SpeedTable[index].periodMs;
}

int injectionsPerFiring(int index) {
    return inTable(SpeedTable, index) ? SpeedTable[index].injectionsPerFiring : 1;
}

int actionCodeFor(int index) {
    return inTable(MouseActionTable, index) ? MouseActionTable[index].actionCode : 0;
}

}  // namespace engine
