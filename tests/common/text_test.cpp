#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/text.h"

namespace {

struct NumberCase {
    double value;
    const wchar_t* text;
};

TEST(NumberToText, WritesThirteenSignificantDigitsWithThreeExponentDigits) {
    const NumberCase cases[] = {
        {0, L"0"},
        {1, L"1"},
        {-1, L"-1"},
        {12, L"12"},
        {0.5, L"0.5"},
        {1.25, L"1.25"},
        {0.0001, L"0.0001"},
        {0.00001, L"1e-005"},
        {1234567890123, L"1234567890123"},
        {9999999999999, L"9999999999999"},
        {1e13, L"1e+013"},
        {12345678901234, L"1.234567890123e+013"},
        {1.5e300, L"1.5e+300"},
        {-2.5e-10, L"-2.5e-010"},
        {1.0 / 3, L"0.3333333333333"},
        {2147483648.0, L"2147483648"},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(numberToText(c.value), c.text) << c.value;
}

TEST(TextToNumber, ReadsTheLeadingNumberAsAtofDoes) {
    const NumberCase cases[] = {
        {0, L""},
        {0, L"abc"},
        {12, L"12abc"},
        {12, L"12"},
        {-7, L"-7"},
        {7, L"+7"},
        {0, L"-"},
        {0, L"+-1"},
        {0, L"."},
        {0.5, L".5"},
        {3, L"3."},
        {3.25, L"3.25.7"},
        {1500, L"1.5e3"},
        {1500, L"1.5E+3"},
        {0.015, L"1.5e-2"},
        {1.5, L"1.5e"},
        {1.5, L"1.5e+"},
        {1.5, L"1.5ex"},
        {42, L"  \t42"},
        {42, L"\r\n42 43"},
        {0, L"\x3000" L"42"},  // an ideographic space is no blank to atof
        {123, L"１２３"},        // full-width digits read as ASCII
        {-4.5, L"－４．５"},
        {9, L"９x"},
        {1e13, L"10000000000000"},
        {1e13, L"1e13"},
        {1e15, L"1e+015"},
        {0, L"\xFFFF\xD800" L"12"},
        {0, L"x12"},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(textToNumber(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(textToNumber(L"1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber(L"-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber(L"1e-999"), 0.0);
    EXPECT_EQ(textToNumber(L"0.000000000000000000001e-400"), 0.0);
    EXPECT_EQ(textToNumber(L"1e999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToNumber(std::wstring(400, L'9')), std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(textToNumber(std::wstring(L"0.") + std::wstring(300, L'0') + L"1"), 1e-301);
}

TEST(TextToNumber, RoundTripsWhatNumberToTextWrites) {
    for (double value : {0.0, 1.0, 59.0, 3600.0, 1234567890123.0, 1e13, 2.5e-7, -42.0})
        EXPECT_EQ(textToNumber(numberToText(value)), value);
}

TEST(DateTimeToText, DropsTheSmallerPartsThatAreZero) {
    struct Case {
        LocalDateTime time;
        const wchar_t* text;
    };
    const Case cases[] = {
        {{2011, 5, 9, 14, 3, 7}, L"2011年5月9日14时3分7秒"},
        {{2011, 5, 9, 14, 3, 0}, L"2011年5月9日14时3分"},
        {{2011, 5, 9, 14, 0, 0}, L"2011年5月9日14时"},
        {{2011, 5, 9, 0, 0, 0}, L"2011年5月9日"},
        {{2026, 12, 31, 0, 0, 5}, L"2026年12月31日0时0分5秒"},
        {{2026, 1, 2, 0, 7, 0}, L"2026年1月2日0时7分"},
        {{2026, 1, 2, 23, 59, 59}, L"2026年1月2日23时59分59秒"},
    };
    for (const Case& c : cases) EXPECT_EQ(dateTimeToText(c.time), c.text);
}

}  // namespace
