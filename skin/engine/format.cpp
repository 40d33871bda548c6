#include "skin/engine/format.h"

#include <bitset>

namespace skin_format {

namespace {

bool printable(std::uint8_t byte) { return byte >= 0x20 && byte <= 0x7E; }

// Each step reads only bytes it has checked are there.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool has(std::size_t count) const { return bytes_.size() - at_ >= count; }
    std::uint8_t byte() { return bytes_[at_++]; }
    std::span<const std::uint8_t> take(std::size_t count) {
        auto part = bytes_.subspan(at_, count);
        at_ += count;
        return part;
    }
    std::size_t position() const { return at_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

Error readStyle(int value, int highest, std::uint8_t spare1, std::uint8_t spare2, int& into) {
    if (value < 1 || value > highest || spare1 != 0 || spare2 != 0) return Error::fieldRange;
    into = value;
    return Error::none;
}

}  // namespace

Error parse(std::span<const std::uint8_t> bytes, Skin& out) {
    Reader read(bytes);
    if (!read.has(6)) return Error::tooShort;
    for (std::uint8_t expected : magic)
        if (read.byte() != expected) return Error::badMagic;
    if (read.byte() != version) return Error::badVersion;

    Skin skin;
    const std::size_t nameLength = read.byte();
    if (nameLength == 0 || nameLength > longestName) return Error::badName;
    if (!read.has(nameLength + 1)) return Error::wrongLength;
    std::size_t i = 0;
    for (std::uint8_t c : read.take(nameLength)) {
        if (!printable(c)) return Error::badName;
        skin.name[i++] = static_cast<char>(c);
    }

    const std::size_t count = read.byte();
    if (count == 0 || count > mostFields) return Error::badFieldCount;
    // The length is known from here on: nothing may be missing or left over.
    if (bytes.size() != read.position() + 4 * count + 2) return Error::wrongLength;

    std::bitset<partCount> seen;
    int previousTag = 0;
    for (std::size_t field = 0; field < count; ++field) {
        const std::uint8_t tag = read.byte(), a = read.byte(), b = read.byte(), c = read.byte();
        const bool colour = tag >= 1 && tag <= partCount;
        if (!colour && tag != gradientTag && tag != cornerTag) return Error::unknownField;
        if (tag <= previousTag) return Error::fieldOrder;
        previousTag = tag;
        if (colour) {
            skin[static_cast<Part>(tag)] = {a, b, c};
            seen.set(tag - 1);
        } else if (Error e = readStyle(a, tag == gradientTag ? deepestGradient : roundestCorner, b, c,
                                       tag == gradientTag ? skin.gradient : skin.corner);
                   e != Error::none) {
            return e;
        }
    }
    if (!seen.all()) return Error::missingColour;

    const std::uint16_t expected = fletcher16(bytes.data(), read.position());
    const std::uint8_t low = read.byte(), high = read.byte();
    if (low != (expected & 0xFF) || high != (expected >> 8)) return Error::badCheck;

    out = skin;
    return Error::none;
}

}  // namespace skin_format
