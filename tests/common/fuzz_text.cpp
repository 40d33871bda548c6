// Fuzz target for the text conversions: any UTF-16 text into textToNumber, and
// every finite number through numberToText and back, which must come within
// the 13 significant digits that numberToText keeps.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/text.h"

namespace {

void expectRoundTrip(double value) {
    if (!std::isfinite(value)) return;
    const std::wstring text = numberToText(value);
    const double back = textToNumber(text);
    const double tolerance = std::fabs(value) * 1e-12;
    if (!(std::fabs(back - value) <= tolerance) && !(value != 0 && std::fabs(value) < 1e-300)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    expectRoundTrip(textToNumber(text));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        expectRoundTrip(value);
    }
    return 0;
}
