// The skin file: what the parser accepts and rejects, and the 42 skins the
// program carries.
#include <algorithm>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin/engine/format.h"
#include "skin/skins.h"

namespace {

using namespace skin_format;
using Bytes = std::vector<std::uint8_t>;

Skin sample(const char* name = "Sample", int gradient = 12, int corner = 3) {
    Skin skin;
    std::strncpy(skin.name.data(), name, longestName);
    for (int i = 0; i < partCount; ++i)
        skin.colours[i] = {static_cast<std::uint8_t>(10 * i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 7)};
    skin.gradient = gradient;
    skin.corner = corner;
    return skin;
}

// The check is worked out again after a change, so that a case fails for
// the reason it names and not for a stale check.
void recheck(Bytes& bytes) {
    const std::uint16_t check = fletcher16(bytes.data(), bytes.size() - 2);
    bytes[bytes.size() - 2] = static_cast<std::uint8_t>(check & 0xFF);
    bytes[bytes.size() - 1] = static_cast<std::uint8_t>(check >> 8);
}

constexpr std::size_t nameAt = 6;
// Where field `index` starts in the sample, whose name has 6 characters.
constexpr std::size_t fieldAt(std::size_t index) { return 7 + 6 + 4 * index; }

Error parsed(const Bytes& bytes) {
    Skin skin;
    return parse(bytes, skin);
}

TEST(SkinFormat, AcceptsWellFormedSkinsAndGivesBackWhatWasWritten) {
    const Skin cases[] = {
        sample("Sample", 12, 3),
        sample("Flat", 0, 0),
        sample("Gradient only", deepestGradient, 0),
        sample("Corners only", 0, roundestCorner),
        sample("x", 1, 1),
        sample("A name of the longest length 32", 30, 2),
        sample(" ~!", 5, 5),
    };
    for (const Skin& original : cases) {
        SCOPED_TRACE(original.name.data());
        const Bytes bytes = encode(original);
        ASSERT_EQ(bytes.size(), encodedSize(original));
        Skin read;
        ASSERT_EQ(parse(bytes, read), Error::none);
        EXPECT_EQ(read, original);
        EXPECT_EQ(encode(read), bytes) << "one skin, one encoding";
    }
}

TEST(SkinFormat, RejectsMalformedSkinsForTheirReason) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
        Error expected;
    };
    const Case cases[] = {
        {"bad magic", [](Bytes& b) { b[0] = 'v'; recheck(b); }, Error::badMagic},
        {"magic of another format", [](Bytes& b) { b[3] = 'K'; recheck(b); }, Error::badMagic},
        {"version 0", [](Bytes& b) { b[4] = 0; recheck(b); }, Error::badVersion},
        {"version 2", [](Bytes& b) { b[4] = 2; recheck(b); }, Error::badVersion},
        {"empty name", [](Bytes& b) { b[5] = 0; }, Error::badName},
        {"name longer than 32", [](Bytes& b) { b[5] = 33; }, Error::badName},
        {"control character in the name", [](Bytes& b) { b[nameAt + 2] = '\n'; recheck(b); }, Error::badName},
        {"byte above ASCII in the name", [](Bytes& b) { b[nameAt] = 0xC3; recheck(b); }, Error::badName},
        {"name length past the end", [](Bytes& b) { b[5] = 32; b.resize(20); }, Error::wrongLength},
        {"no fields", [](Bytes& b) { b[nameAt + 6] = 0; recheck(b); }, Error::badFieldCount},
        {"more fields than allowed", [](Bytes& b) { b[nameAt + 6] = mostFields + 1; recheck(b); }, Error::badFieldCount},
        {"field count larger than the fields", [](Bytes& b) { b[nameAt + 6] += 1; recheck(b); }, Error::wrongLength},
        {"field count smaller than the fields", [](Bytes& b) { b[nameAt + 6] -= 1; recheck(b); }, Error::wrongLength},
        {"one trailing byte", [](Bytes& b) { b.push_back(0); }, Error::wrongLength},
        {"trailing garbage", [](Bytes& b) { b.insert(b.end(), {'j', 'u', 'n', 'k'}); }, Error::wrongLength},
        {"unknown colour tag", [](Bytes& b) { b[fieldAt(16)] = partCount + 1; recheck(b); }, Error::unknownField},
        {"tag zero", [](Bytes& b) { b[fieldAt(0)] = 0; recheck(b); }, Error::unknownField},
        {"tag 0xFF", [](Bytes& b) { b[fieldAt(18)] = 0xFF; recheck(b); }, Error::unknownField},
        {"colour tags swapped", [](Bytes& b) { std::swap(b[fieldAt(3)], b[fieldAt(4)]); recheck(b); }, Error::fieldOrder},
        {"colour tag repeated", [](Bytes& b) { b[fieldAt(5)] = b[fieldAt(4)]; recheck(b); }, Error::fieldOrder},
        {"style before colours",
         [](Bytes& b) {
             b[fieldAt(0)] = cornerTag;
             b[fieldAt(0) + 1] = 2;
             b[fieldAt(0) + 2] = b[fieldAt(0) + 3] = 0;
             recheck(b);
         },
         Error::fieldOrder},
        {"style tag repeated", [](Bytes& b) { b[fieldAt(18)] = gradientTag; recheck(b); }, Error::fieldOrder},
        {"gradient zero", [](Bytes& b) { b[fieldAt(17) + 1] = 0; recheck(b); }, Error::fieldRange},
        {"gradient too deep", [](Bytes& b) { b[fieldAt(17) + 1] = deepestGradient + 1; recheck(b); }, Error::fieldRange},
        {"corner zero", [](Bytes& b) { b[fieldAt(18) + 1] = 0; recheck(b); }, Error::fieldRange},
        {"corner too round", [](Bytes& b) { b[fieldAt(18) + 1] = roundestCorner + 1; recheck(b); }, Error::fieldRange},
        {"style spare byte set", [](Bytes& b) { b[fieldAt(18) + 3] = 1; recheck(b); }, Error::fieldRange},
        {"check off by one", [](Bytes& b) { b.back() ^= 1; }, Error::badCheck},
        {"colour changed, check kept", [](Bytes& b) { b[fieldAt(2) + 1] ^= 0x40; }, Error::badCheck},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = encode(sample());
        c.change(bytes);
        Skin untouched = sample("Untouched", 0, 0);
        const Skin before = untouched;
        EXPECT_EQ(parse(bytes, untouched), c.expected);
        EXPECT_EQ(untouched, before) << "a rejected skin writes nothing";
    }
}

TEST(SkinFormat, RejectsAColourMissingEvenWithAValidLengthAndCheck) {
    // Sixteen colours and both styles: every count and tag in order, one colour short.
    Bytes bytes = encode(sample());
    bytes.erase(bytes.begin() + fieldAt(16), bytes.begin() + fieldAt(17));
    bytes[nameAt + 6] -= 1;
    recheck(bytes);
    EXPECT_EQ(parsed(bytes), Error::missingColour);
}

TEST(SkinFormat, RejectsEveryTruncation) {
    for (const Skin& skin : {sample(), sample("Flat", 0, 0)}) {
        const Bytes whole = encode(skin);
        for (std::size_t length = 0; length < whole.size(); ++length) {
            SCOPED_TRACE(length);
            Skin read;
            EXPECT_NE(parse(std::span(whole.data(), length), read), Error::none);
        }
    }
}

TEST(SkinFormat, RejectsEverySingleBitFlip) {
    const Bytes whole = encode(sample());
    for (std::size_t at = 0; at < whole.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            Bytes bytes = whole;
            bytes[at] ^= static_cast<std::uint8_t>(1 << bit);
            EXPECT_NE(parsed(bytes), Error::none) << "byte " << at << " bit " << bit;
        }
    }
}

// Inputs the fuzzer once found troublesome, kept here for good (none so far
// but the edge cases it starts from).
TEST(SkinFormat, SurvivesTheFuzzersCorpusOfEdges) {
    const Bytes cases[] = {
        {},
        {'V'},
        {'V', 'n', 'S', 'k'},
        {'V', 'n', 'S', 'k', 1},
        {'V', 'n', 'S', 'k', 1, 0xFF},
        {'V', 'n', 'S', 'k', 1, 1, 'a'},
        {'V', 'n', 'S', 'k', 1, 1, 'a', 0xFF},
        {'V', 'n', 'S', 'k', 1, 1, 'a', 1, 1, 2, 3, 4, 0, 0},
    };
    for (const Bytes& bytes : cases) EXPECT_NE(parsed(bytes), Error::none);
}

// ---- The skins the program carries ----

double luminance(Rgb c) {
    auto linear = [](int v) { return (v / 255.0) * (v / 255.0); };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

double contrast(Rgb a, Rgb b) {
    const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

TEST(BuiltSkins, AreFortyTwoNumberedFromOne) {
    EXPECT_EQ(skin::skinCount(), 42);
    for (int number : {-1, 0, 43, 1000}) EXPECT_TRUE(skin::skinData(number).empty()) << number;
}

TEST(BuiltSkins, AllParseRoundTripAndHaveDistinctNames) {
    std::set<std::string> names;
    std::set<std::vector<int>> palettes;
    for (int number = 1; number <= skin::skinCount(); ++number) {
        SCOPED_TRACE(number);
        const auto bytes = skin::skinData(number);
        Skin skin;
        ASSERT_EQ(parse(bytes, skin), Error::none);
        const Bytes again = encode(skin);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), again.begin(), again.end()));
        names.insert(skin.name.data());
        std::vector<int> colours;
        for (Rgb c : skin.colours) colours.push_back(c.red << 16 | c.green << 8 | c.blue);
        palettes.insert(colours);
    }
    EXPECT_EQ(names.size(), 42u);
    EXPECT_EQ(palettes.size(), 42u);
}

TEST(BuiltSkins, TextReadsOnEveryFaceItIsDrawnOn) {
    struct Pair {
        Part text, back;
        double least;
    };
    const Pair pairs[] = {
        {Part::text, Part::face, 4.5},
        {Part::buttonText, Part::buttonFace, 4.5},
        {Part::buttonText, Part::buttonHot, 4.0},
        {Part::buttonText, Part::buttonPressed, 3.5},
        {Part::statusText, Part::statusFace, 4.5},
        {Part::fieldText, Part::fieldFace, 4.5},
        {Part::selectionText, Part::selectionFace, 3.0},
        {Part::groupCaption, Part::face, 3.0},
        {Part::mark, Part::fieldFace, 3.0},
        {Part::disabledText, Part::face, 1.4},
    };
    for (int number = 1; number <= skin::skinCount(); ++number) {
        Skin skin;
        ASSERT_EQ(parse(skin::skinData(number), skin), Error::none);
        for (const Pair& pair : pairs)
            EXPECT_GE(contrast(skin[pair.text], skin[pair.back]), pair.least)
                << "skin " << number << " " << skin.name.data() << ": tag " << int(pair.text) << " on " << int(pair.back);
        EXPECT_LT(contrast(skin[Part::disabledText], skin[Part::face]), contrast(skin[Part::text], skin[Part::face]))
            << "skin " << number << ": disabled text stands back";
    }
}

TEST(BuiltSkins, IncludeLightAndDarkOnesAndTheDefaultIsLight) {
    int dark = 0;
    for (int number = 1; number <= skin::skinCount(); ++number) {
        Skin skin;
        ASSERT_EQ(parse(skin::skinData(number), skin), Error::none);
        dark += luminance(skin[Part::face]) < 0.2;
    }
    EXPECT_GE(dark, 10);
    EXPECT_LE(dark, 32);
    Skin shown;
    ASSERT_EQ(parse(skin::skinData(29), shown), Error::none);
    EXPECT_STREQ(shown.name.data(), "Harbour");
    // The program's own blue and red captions lie on this face.
    EXPECT_GE(contrast(shown[Part::face], {0, 0, 255}), 4.5);
    EXPECT_GE(contrast(shown[Part::face], {255, 0, 0}), 3.0);
}

}  // namespace
