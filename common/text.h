#pragma once
// The program's conversions between numbers, times and their texts. None of
// them depends on the user's locale: the decimal point is always '.'.
#include <string>
#include <string_view>

struct LocalDateTime {
    int year, month, day, hour, minute, second;
};

// "%.13g": at most 13 significant digits, no trailing zeros, exponent form
// (sign and three digits) from 1e13 up and below 1e-4.
std::wstring numberToText(double value);

// The leading decimal number as atof takes it, full-width forms read as their
// ASCII twins; 0 when the text does not start with a number.
double textToNumber(std::wstring_view text);

// "2011年5月9日" followed by "14时3分7秒", "14时3分" or "14时", dropping the
// smaller parts that are zero.
std::wstring dateTimeToText(const LocalDateTime& time);
