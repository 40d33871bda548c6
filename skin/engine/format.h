#pragma once
// The skin file: what a skin says and how it is written as bytes. No Windows
// here, so that the parser can be built and fuzzed anywhere.
//
//   offset      size  what
//   0           4     magic "VnSk"
//   4           1     version, 1
//   5           1     name length N, 1..32
//   6           N     name, printable ASCII
//   6+N         1     field count F, 1..32
//   7+N         4F    fields in rising tag order: tag, then three bytes
//   7+N+4F      2     Fletcher-16 of every byte before, low sum first
//
// A colour field holds red, green, blue. Every colour tag appears once. The
// style fields (gradient, corners) may be left out; when present their value
// is in the first byte, never zero, and the two bytes after it are zero, so
// that one skin has exactly one encoding.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace skin_format {

inline constexpr std::array<std::uint8_t, 4> magic{'V', 'n', 'S', 'k'};
inline constexpr std::uint8_t version = 1;
inline constexpr std::size_t longestName = 32;
inline constexpr std::size_t mostFields = 32;
inline constexpr int deepestGradient = 60;  // percent the top of a face is lightened
inline constexpr int roundestCorner = 8;    // pixels

// The skin's colours, by the tags they are written with.
enum class Part : std::uint8_t {
    face = 1,       // windows and dialogs
    text,           // labels and captions on the face
    light,          // the lit edge of frames
    shadow,         // the dark edge of frames, and borders
    buttonFace,
    buttonHot,      // under the pointer
    buttonPressed,
    buttonText,
    groupCaption,
    statusFace,
    statusText,
    selectionFace,  // the chosen item of a list, a focused combo box
    selectionText,
    fieldFace,      // combo boxes, lists, the boxes of check boxes and radio buttons
    fieldText,
    disabledText,
    mark,           // check marks, radio dots, the default button's border
};
inline constexpr int partCount = 17;
inline constexpr std::uint8_t gradientTag = 0x20;
inline constexpr std::uint8_t cornerTag = 0x21;

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct Skin {
    std::array<char, longestName + 1> name{};  // zero-terminated
    std::array<Rgb, partCount> colours{};
    int gradient = 0;  // 0: flat faces
    int corner = 0;    // 0: square corners

    constexpr Rgb& operator[](Part part) { return colours[static_cast<std::size_t>(part) - 1]; }
    constexpr Rgb operator[](Part part) const { return colours[static_cast<std::size_t>(part) - 1]; }
    constexpr std::size_t nameLength() const {
        std::size_t length = 0;
        while (length < longestName && name[length] != '\0') ++length;
        return length;
    }
    friend constexpr bool operator==(const Skin&, const Skin&) = default;
};

enum class Error {
    none,
    tooShort,
    badMagic,
    badVersion,
    badName,
    badFieldCount,
    wrongLength,     // truncated, or bytes after the check
    unknownField,
    fieldOrder,      // a tag repeated or out of order
    fieldRange,      // a style value out of its range, or non-zero spare bytes
    missingColour,
    badCheck,
};

// Accepts the bytes as a whole, filling `skin`, or rejects them and leaves
// `skin` as it was.
Error parse(std::span<const std::uint8_t> bytes, Skin& skin);

constexpr std::size_t fieldCount(const Skin& skin) {
    return partCount + (skin.gradient != 0 ? 1 : 0) + (skin.corner != 0 ? 1 : 0);
}
constexpr std::size_t encodedSize(const Skin& skin) { return 9 + skin.nameLength() + 4 * fieldCount(skin); }

constexpr std::uint16_t fletcher16(const std::uint8_t* bytes, std::size_t size) {
    unsigned low = 0, high = 0;
    for (std::size_t i = 0; i < size; ++i) {
        low = (low + bytes[i]) % 255;
        high = (high + low) % 255;
    }
    return static_cast<std::uint16_t>(high << 8 | low);
}

// Writes encodedSize(skin) bytes. The skin must be a valid one: a name of
// 1..32 printable characters and style values in range.
constexpr void encodeInto(const Skin& skin, std::uint8_t* out) {
    std::size_t at = 0;
    for (std::uint8_t byte : magic) out[at++] = byte;
    out[at++] = version;
    const std::size_t nameLength = skin.nameLength();
    out[at++] = static_cast<std::uint8_t>(nameLength);
    for (std::size_t i = 0; i < nameLength; ++i) out[at++] = static_cast<std::uint8_t>(skin.name[i]);
    out[at++] = static_cast<std::uint8_t>(fieldCount(skin));
    for (int tag = 1; tag <= partCount; ++tag) {
        const Rgb colour = skin[static_cast<Part>(tag)];
        out[at++] = static_cast<std::uint8_t>(tag);
        out[at++] = colour.red;
        out[at++] = colour.green;
        out[at++] = colour.blue;
    }
    const std::pair<std::uint8_t, int> styles[] = {{gradientTag, skin.gradient}, {cornerTag, skin.corner}};
    for (auto [tag, value] : styles) {
        if (value == 0) continue;
        out[at++] = tag;
        out[at++] = static_cast<std::uint8_t>(value);
        out[at++] = 0;
        out[at++] = 0;
    }
    const std::uint16_t check = fletcher16(out, at);
    out[at++] = static_cast<std::uint8_t>(check & 0xFF);
    out[at++] = static_cast<std::uint8_t>(check >> 8);
}

template <std::size_t Size>
constexpr std::array<std::uint8_t, Size> encode(const Skin& skin) {
    std::array<std::uint8_t, Size> bytes{};
    encodeInto(skin, bytes.data());
    return bytes;
}

inline std::vector<std::uint8_t> encode(const Skin& skin) {
    std::vector<std::uint8_t> bytes(encodedSize(skin));
    encodeInto(skin, bytes.data());
    return bytes;
}

}  // namespace skin_format
