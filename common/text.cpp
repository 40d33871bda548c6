#include "common/text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

std::wstring numberToText(double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
    if (error != std::errc{}) return L"0";
    std::string text(buffer, end);
    // Three exponent digits, as the program has always written them: 1e+013.
    if (auto e = text.find('e'); e != std::string::npos) {
        const size_t digits = text.size() - (e + 2);
        if (digits < 3) text.insert(e + 2, 3 - digits, '0');
    }
    return {text.begin(), text.end()};
}

namespace {

// Full-width forms (U+FF01..U+FF5E, and the yen and macron signs that share
// their keyboard row) become the ASCII characters they stand for.
char asciiOf(wchar_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char>(c - 0xFF01 + 0x21);
    if (c == 0xFFE5) return '$';
    if (c == 0xFFE3) return '~';
    if (c < 0x80) return static_cast<char>(c);
    return '\x7F';  // no part of a number
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

double textToNumber(std::wstring_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (wchar_t c : text) ascii += asciiOf(c);

    // The longest leading piece atof would read: blanks, sign, digits with
    // at most one point, and an exponent only when digits follow it.
    size_t at = 0;
    while (at < ascii.size() && isBlank(ascii[at])) ++at;
    bool negative = false;
    if (at < ascii.size() && (ascii[at] == '+' || ascii[at] == '-')) negative = ascii[at++] == '-';
    const size_t mantissa = at;
    size_t digits = 0, integerDigits = 0, leadingFractionZeros = 0;
    bool seenNonZero = false;
    while (at < ascii.size() && isDigit(ascii[at])) {
        seenNonZero = seenNonZero || ascii[at] != '0';
        if (seenNonZero) ++integerDigits;
        ++at, ++digits;
    }
    if (at < ascii.size() && ascii[at] == '.') {
        ++at;
        while (at < ascii.size() && isDigit(ascii[at])) {
            if (!seenNonZero && ascii[at] == '0' && integerDigits == 0) ++leadingFractionZeros;
            seenNonZero = seenNonZero || ascii[at] != '0';
            ++at, ++digits;
        }
    }
    if (digits == 0) return 0.0;
    size_t end = at;
    long long exponent = 0;
    if (at < ascii.size() && (ascii[at] == 'e' || ascii[at] == 'E')) {
        size_t e = at + 1;
        bool negativeExponent = false;
        if (e < ascii.size() && (ascii[e] == '+' || ascii[e] == '-')) negativeExponent = ascii[e++] == '-';
        if (e < ascii.size() && isDigit(ascii[e])) {
            while (e < ascii.size() && isDigit(ascii[e])) {
                if (exponent < 100000) exponent = exponent * 10 + (ascii[e] - '0');
                ++e;
            }
            if (negativeExponent) exponent = -exponent;
            end = e;
        }
    }

    double value = 0.0;
    auto [stop, error] = std::from_chars(ascii.data() + mantissa, ascii.data() + end, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large gives infinity and too small gives zero, as atof does.
        const long long magnitude = exponent + (integerDigits > 0 ? static_cast<long long>(integerDigits)
                                                                  : -static_cast<long long>(leadingFractionZeros));
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || stop != ascii.data() + end) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::wstring dateTimeToText(const LocalDateTime& time) {
    auto text = std::to_wstring(time.year) + L"年" + std::to_wstring(time.month) + L"月" + std::to_wstring(time.day) + L"日";
    if (time.second != 0) {
        text += std::to_wstring(time.hour) + L"时" + std::to_wstring(time.minute) + L"分" + std::to_wstring(time.second) + L"秒";
    } else if (time.minute != 0) {
        text += std::to_wstring(time.hour) + L"时" + std::to_wstring(time.minute) + L"分";
    } else if (time.hour != 0) {
        text += std::to_wstring(time.hour) + L"时";
    }
    return text;
}
