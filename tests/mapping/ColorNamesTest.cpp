#include "mapping/ColorNames.h"

#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

constexpr Color kRed{0xFF, 0x00, 0x00};
constexpr Color kFallback{0x12, 0x34, 0x56};

// ---------------------------------------------------------------------------
// The sixteen names, both ways

struct NamedColorCase {
    const char* Name;
    Color Rgb;
};

class ColorNameTable : public ::testing::TestWithParam<NamedColorCase> {};

TEST_P(ColorNameTable, NameReadsAsItsColour) {
    EXPECT_EQ(TextToColor(GetParam().Name), GetParam().Rgb);
}

TEST_P(ColorNameTable, ColourIsWrittenAsItsName) {
    EXPECT_EQ(ColorToText(GetParam().Rgb), GetParam().Name);
}

TEST_P(ColorNameTable, NameIsRecognisedOnlyInUpperCase) {
    const std::string name = GetParam().Name;
    EXPECT_TRUE(IsColorName(name));
    std::string lower;
    for (char c : name)
        lower += static_cast<char>(c - 'A' + 'a');
    EXPECT_FALSE(IsColorName(lower));
    EXPECT_NE(TextToColor(lower), GetParam().Rgb) << "lower-case names are not table names";
}

INSTANTIATE_TEST_SUITE_P(
    SixteenNames, ColorNameTable,
    ::testing::Values(
        NamedColorCase{"BLUE", {0x00, 0x00, 0xFF}}, NamedColorCase{"AQUA", {0x00, 0xFF, 0xFF}},
        NamedColorCase{"GREEN", {0x00, 0x80, 0x00}}, NamedColorCase{"YELLOW", {0xFF, 0xFF, 0x00}},
        NamedColorCase{"RED", {0xFF, 0x00, 0x00}}, NamedColorCase{"FUCHSIA", {0xFF, 0x00, 0xFF}},
        NamedColorCase{"BLACK", {0x00, 0x00, 0x00}}, NamedColorCase{"WHITE", {0xFF, 0xFF, 0xFF}},
        NamedColorCase{"GRAY", {0x80, 0x80, 0x80}}, NamedColorCase{"SILVER", {0xC0, 0xC0, 0xC0}},
        NamedColorCase{"LIME", {0x00, 0xFF, 0x00}}, NamedColorCase{"MAROON", {0x80, 0x00, 0x00}},
        NamedColorCase{"NAVY", {0x00, 0x00, 0x80}}, NamedColorCase{"OLIVE", {0x80, 0x80, 0x00}},
        NamedColorCase{"PURPLE", {0x80, 0x00, 0x80}}, NamedColorCase{"TEAL", {0x00, 0x80, 0x80}}),
    [](const ::testing::TestParamInfo<NamedColorCase>& row) {
        return std::string(row.param.Name);
    });

// ---------------------------------------------------------------------------
// Reading colour text

TEST(TextToColor, RedByNameShortLongAndBareFormsAreTheSameColour) {
    EXPECT_EQ(TextToColor("RED"), kRed);
    EXPECT_EQ(TextToColor("#F00"), kRed);
    EXPECT_EQ(TextToColor("#FF0000"), kRed);
    EXPECT_EQ(TextToColor("FF0000"), kRed);
}

TEST(TextToColor, ShortFormDoublesEveryDigit) {
    EXPECT_EQ(TextToColor("#F80"), (Color{0xFF, 0x88, 0x00}));
    EXPECT_EQ(TextToColor("#ABC"), (Color{0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(TextToColor("#123"), (Color{0x11, 0x22, 0x33}));
}

TEST(TextToColor, LowerCaseHexDigitsAreRead) {
    EXPECT_EQ(TextToColor("#ff8000"), (Color{0xFF, 0x80, 0x00}));
    EXPECT_EQ(TextToColor("#f80"), (Color{0xFF, 0x88, 0x00}));
    EXPECT_EQ(TextToColor("abcdef"), (Color{0xAB, 0xCD, 0xEF}));
}

TEST(TextToColor, RedIsTheFirstPairAndBlueTheLast) {
    EXPECT_EQ(TextToColor("#123456"), (Color{0x12, 0x34, 0x56}));
    EXPECT_EQ(TextToColor("#010203"), (Color{0x01, 0x02, 0x03}));
    EXPECT_EQ(TextToColor("A0B1C2"), (Color{0xA0, 0xB1, 0xC2}));
}

TEST(TextToColor, SixLettersThatAreNotANameReadAsHexWithOthersCountingZero) {
    // O, R, N and G are not hexadecimal digits; A and E are.
    EXPECT_EQ(TextToColor("ORANGE"), (Color{0x00, 0xA0, 0x0E}));
    EXPECT_EQ(ColorToText(TextToColor("ORANGE")), "#00A00E");
    EXPECT_EQ(TextToColor("#GG00ZZ"), (Color{0x00, 0x00, 0x00}));
}

TEST(TextToColor, LowerCaseNamesAreNotNames) {
    // Three, four or five letters: the fallback colour.
    EXPECT_EQ(TextToColor("red"), kFallback);
    EXPECT_EQ(TextToColor("blue"), kFallback);
    EXPECT_EQ(TextToColor("white"), kFallback);
    // Six letters: hexadecimal digits, "e" counting 14 and the others 0.
    EXPECT_EQ(TextToColor("yellow"), (Color{0x0E, 0x00, 0x00}));
    EXPECT_EQ(TextToColor("silver"), (Color{0x00, 0x00, 0xE0}));
}

TEST(TextToColor, HashAndFiveDigitsIsSixCharactersAndGainsASecondHash) {
    // Six characters long, so "#" is put in front: "##12345", the first pair "#1".
    EXPECT_EQ(TextToColor("#12345"), (Color{0x01, 0x23, 0x45}));
}

TEST(TextToColor, UnreadableTextGivesTheFallbackColour) {
    EXPECT_EQ(kFallbackColor, kFallback);
    for (const char* text :
         {"red", "Red", "RGB(255,0,0)", "rgb(255,0,0)", "TRANSPARENT", "", "#", "#12", "#1234",
          "#1234567", "12345", "1234567", "INHERIT", "ORANGERED"})
        EXPECT_EQ(TextToColor(text), kFallback) << "text: \"" << text << "\"";
}

TEST(TextToColor, NameMustMatchWithoutSurroundingBlanks) {
    EXPECT_EQ(TextToColor(" RED"), kFallback);
    EXPECT_EQ(TextToColor("RED "), kFallback);
}

// ---------------------------------------------------------------------------
// Writing colours

TEST(ColorToText, ColoursOutsideTheTableAreWrittenAsUpperCaseHex) {
    EXPECT_EQ(ColorToText(Color{0x80, 0xFF, 0x00}), "#80FF00");
    EXPECT_EQ(ColorToText(Color{0xAB, 0xCD, 0xEF}), "#ABCDEF");
    EXPECT_EQ(ColorToText(Color{0x01, 0x02, 0x03}), "#010203");
    EXPECT_EQ(ColorToText(Color{0xFF, 0x00, 0x01}), "#FF0001");
    EXPECT_EQ(ColorToText(Color{0xFF, 0x80, 0x00}), "#FF8000");
}

TEST(ColorToText, FallbackColourIsWrittenAsHex) {
    EXPECT_EQ(ColorToText(kFallback), "#123456");
    EXPECT_EQ(ColorToText(TextToColor("red")), "#123456");
}

TEST(ColorToText, ButtonFaceIsNotANamedColour) {
    EXPECT_EQ(ColorToText(kButtonFaceColor), "#F0F0F0");
}

TEST(ColorToText, TableColoursAreWrittenAsNamesWhateverTheirSpelling) {
    EXPECT_EQ(ColorToText(TextToColor("#008000")), "GREEN");
    EXPECT_EQ(ColorToText(TextToColor("#00FF00")), "LIME");
    EXPECT_EQ(ColorToText(TextToColor("#0f0")), "LIME");
    EXPECT_EQ(ColorToText(TextToColor("c0c0c0")), "SILVER");
}

TEST(ColorToText, ReadingWhatWasWrittenGivesTheSameColour) {
    for (Color c : {Color{0, 0, 0}, Color{0xFF, 0xFF, 0xFF}, Color{0x12, 0x34, 0x56},
                    Color{0x80, 0xFF, 0x00}, Color{0x00, 0x80, 0x80}, Color{0xFE, 0x01, 0x7F}})
        EXPECT_EQ(TextToColor(ColorToText(c)), c) << ColorToText(c);
}

} // namespace
} // namespace tesselo
