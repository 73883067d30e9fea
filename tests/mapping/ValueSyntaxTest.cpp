#include "mapping/ValueSyntax.h"

#include <gtest/gtest.h>

namespace tesselo {
namespace {

struct ColorCase {
    const char* Text;
    Color Expected;
};

class ColorNotations : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorNotations, GiveTheColourWithItsAlpha) {
    auto color = ParseColor(GetParam().Text);
    ASSERT_TRUE(color) << GetParam().Text;
    EXPECT_EQ(*color, GetParam().Expected) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    All, ColorNotations,
    ::testing::Values(
        ColorCase{"red", {255, 0, 0, 255}}, ColorCase{"RebeccaPurple", {0x66, 0x33, 0x99, 255}},
        ColorCase{"#f80", {255, 0x88, 0, 255}}, ColorCase{"#f808", {255, 0x88, 0, 0x88}},
        ColorCase{"#FF8000", {255, 0x80, 0, 255}}, ColorCase{"#ff800080", {255, 0x80, 0, 0x80}},
        ColorCase{"rgb(1, 2, 3)", {1, 2, 3, 255}}, ColorCase{"rgba(0,0,0,.5)", {0, 0, 0, 128}},
        ColorCase{"rgb(100% 0% 0% / 25%)", {255, 0, 0, 64}},
        ColorCase{"hsl(120, 100%, 25%)", {0, 128, 0, 255}},
        ColorCase{"hsla(240deg 100% 50% / .5)", {0, 0, 255, 128}},
        ColorCase{"hsl(0.5turn, 100%, 50%)", {0, 255, 255, 255}}));

TEST(ColorNotations, TheSwatchCannotShowTheseButThePropertyTakesThem) {
    for (const char* text :
         {"currentColor", "transparent", "var(--x)", "inherit", "color-mix(in srgb, red, blue)"}) {
        EXPECT_FALSE(ParseColor(text)) << text;
        EXPECT_TRUE(IsColorText(text)) << text;
    }
    for (const char* text : {"#12", "#12345", "rgb(1,2)", "redd", "rgb(1, 2, 3"})
        EXPECT_FALSE(ParseColor(text) || IsColorText(text)) << text;
}

TEST(WriteColor, EachNotationAsRead) {
    const Color translucent{255, 0, 0, 128};
    EXPECT_EQ(WriteColor(translucent, ColorNotation::Hex), "#FF000080");
    EXPECT_EQ(WriteColor(translucent, ColorNotation::Rgb), "rgba(255, 0, 0, 0.5)");
    EXPECT_EQ(WriteColor(translucent, ColorNotation::Hsl), "hsla(0, 100%, 50%, 0.5)");
    EXPECT_EQ(WriteColor(translucent, ColorNotation::Name), "rgba(255, 0, 0, 0.5)");
    EXPECT_EQ(WriteColor({255, 0, 0, 255}, ColorNotation::Name), "RED");
    EXPECT_EQ(WriteColor({1, 2, 3, 255}, ColorNotation::Name), "#010203");
}

// hsl() in whole percents cannot hold every RGB colour: #12abcd would come back as
// rgb(18, 172, 206). Every notation gives back the colour it was written from.
TEST(WriteColor, EveryNotationGivesBackTheSameColour) {
    EXPECT_EQ(WriteColor({255, 0, 0, 255}, ColorNotation::Hsl), "hsl(0, 100%, 50%)");
    EXPECT_EQ(WriteColor({0x12, 0xab, 0xcd, 255}, ColorNotation::Hsl), "hsl(190.9, 83.9%, 43.7%)");
    for (int step = 0; step < 4096; ++step) {
        const Color color{static_cast<uint8_t>(step * 37 % 256),
                          static_cast<uint8_t>(step * 11 % 256), static_cast<uint8_t>(step % 256),
                          step % 3 ? uint8_t(255) : uint8_t(128)};
        for (ColorNotation notation :
             {ColorNotation::Hex, ColorNotation::Rgb, ColorNotation::Hsl}) {
            const std::string text = WriteColor(color, notation);
            const auto back = ParseColor(text);
            ASSERT_TRUE(back) << text;
            EXPECT_TRUE(back->Red == color.Red && back->Green == color.Green &&
                        back->Blue == color.Blue && back->Alpha == color.Alpha)
                << text;
        }
    }
}

TEST(ReadTypedLength, NumbersUnitsKeywordsAndJunk) {
    using K = TypedLength::Kind;
    auto kind = [](Length field, const char* text) {
        auto typed = ReadTypedLength(field, text);
        return typed ? static_cast<int>(typed->What) : -1;
    };
    EXPECT_EQ(kind(Length::MarginTop, "12"), int(K::Number));
    EXPECT_EQ(kind(Length::MarginTop, " 1.2rem "), int(K::NumberWithUnit));
    EXPECT_EQ(ReadTypedLength(Length::MarginTop, "1.2REM")->Unit, "rem");
    EXPECT_EQ(kind(Length::MarginTop, "auto"), int(K::Text));
    EXPECT_EQ(kind(Length::BlockWidth, "calc(100% - 2rem)"), int(K::Text));
    EXPECT_EQ(kind(Length::LineHeight, "normal"), int(K::Text));
    EXPECT_EQ(kind(Length::BorderWidth, "1px 0 thin"), int(K::Text));
    for (const char* junk : {"", "-", "px", "1.2remm", "abc", "1 2"})
        EXPECT_EQ(kind(Length::MarginTop, junk), -1) << junk;
    EXPECT_EQ(kind(Length::PaddingTop, "auto"), -1); // padding takes no auto
}

TEST(SplitValue, PartsOutsideStringsAndParentheses) {
    auto parts = SplitValue("1px  calc(1px + 2px) \"a b\" /* c d */", ' ');
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[1], "calc(1px + 2px)");
    EXPECT_EQ(parts[2], "\"a b\"");
    auto layers = SplitValue("url(a,b), linear-gradient(red, blue)", ',');
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_EQ(layers[1], "linear-gradient(red, blue)");
}

} // namespace
} // namespace tesselo
