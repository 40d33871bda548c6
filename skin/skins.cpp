#include "skin/skins.h"

#include <algorithm>
#include <array>
#include <utility>

#include "skin/engine/format.h"
#include "skin/palettes.h"

namespace skin {

namespace {

using skin_format::Part;
using skin_format::Rgb;

constexpr Rgb white{255, 255, 255};
constexpr Rgb black{0, 0, 0};
constexpr Rgb nearBlack{20, 20, 20};

constexpr Rgb rgbOf(std::uint32_t hex) {
    return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8), static_cast<std::uint8_t>(hex)};
}

// `percent` of the way from a to b.
constexpr Rgb mix(Rgb a, Rgb b, int percent) {
    auto channel = [percent](int from, int to) {
        return static_cast<std::uint8_t>((from * (100 - percent) + to * percent + 50) / 100);
    };
    return {channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

// Relative luminance with a gamma of 2: close enough to choose text by.
constexpr double luminance(Rgb c) {
    auto linear = [](int v) { return (v / 255.0) * (v / 255.0); };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

constexpr double contrast(Rgb a, Rgb b) {
    const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

// The wished-for colour when it reads well on the back, else the better of
// black and white.
constexpr Rgb readableOn(Rgb back, Rgb wished) {
    if (contrast(wished, back) >= 4.5) return wished;
    return contrast(white, back) >= contrast(nearBlack, back) ? white : nearBlack;
}

// The text, or black or white, whichever reads best on all of the backs.
constexpr Rgb readableOnAll(Rgb a, Rgb b, Rgb c, Rgb wished) {
    auto least = [&](Rgb text) { return std::min({contrast(text, a), contrast(text, b), contrast(text, c)}); };
    if (least(wished) >= 4.5) return wished;
    return least(white) >= least(nearBlack) ? white : nearBlack;
}

// The accent, drawn towards the text until it reads on the back.
constexpr Rgb accentOn(Rgb back, Rgb accent, Rgb text) {
    Rgb colour = accent;
    for (int step = 0; step < 10 && contrast(colour, back) < 4.0; ++step) colour = mix(colour, text, 20);
    return colour;
}

constexpr skin_format::Skin dress(const Palette& palette) {
    skin_format::Skin skin;
    for (std::size_t i = 0; palette.name[i] != '\0' && i < skin_format::longestName; ++i) skin.name[i] = palette.name[i];
    const Rgb face = rgbOf(palette.face), text = rgbOf(palette.text), button = rgbOf(palette.button),
              accent = rgbOf(palette.accent), field = rgbOf(palette.field), bar = rgbOf(palette.bar);
    // On a dark face the edge that shows is the lighter one.
    const bool dark = luminance(face) < 0.2;

    skin[Part::face] = face;
    skin[Part::text] = readableOn(face, text);
    skin[Part::light] = dark ? mix(face, black, 35) : mix(face, white, 70);
    skin[Part::shadow] = dark ? mix(face, white, 25) : mix(face, black, 35);
    skin[Part::buttonFace] = button;
    skin[Part::buttonHot] = mix(button, accent, dark ? 20 : 15);
    skin[Part::buttonPressed] = mix(button, accent, dark ? 30 : 28);
    skin[Part::buttonText] = readableOnAll(button, skin[Part::buttonHot], skin[Part::buttonPressed], text);
    skin[Part::groupCaption] = accentOn(face, accent, text);
    skin[Part::statusFace] = bar;
    skin[Part::statusText] = readableOn(bar, text);
    skin[Part::selectionFace] = accent;
    skin[Part::selectionText] = contrast(white, accent) >= contrast(nearBlack, accent) ? white : nearBlack;
    skin[Part::fieldFace] = field;
    skin[Part::fieldText] = readableOn(field, text);
    skin[Part::disabledText] = mix(text, face, 55);
    skin[Part::mark] = accentOn(field, accent, text);
    skin.gradient = palette.gradient;
    skin.corner = palette.corner;
    return skin;
}

template <std::size_t I>
constexpr auto encoded = skin_format::encode<skin_format::encodedSize(dress(palettes[I]))>(dress(palettes[I]));

template <std::size_t... I>
constexpr std::array<std::span<const std::uint8_t>, sizeof...(I)> table(std::index_sequence<I...>) {
    return {std::span<const std::uint8_t>(encoded<I>)...};
}

constexpr auto skins = table(std::make_index_sequence<palettes.size()>());

}  // namespace

std::span<const std::uint8_t> skinData(int number) {
    if (number < 1 || number > skinCount()) return {};
    return skins[static_cast<std::size_t>(number - 1)];
}

int skinCount() { return static_cast<int>(skins.size()); }

}  // namespace skin
