#include "document/Cp1251.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tesselo {
namespace {

using namespace std::string_literals;

TEST(Cp1251, EveryByteRoundTripsThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char32_t cp = Cp1251ToUnicode(byte);
        const auto back = UnicodeToCp1251(cp);
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, byte) << "byte " << b;
    }
}

TEST(Cp1251, EveryByteHasItsOwnCodePoint) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b)
        seen.insert(Cp1251ToUnicode(static_cast<unsigned char>(b)));
    EXPECT_EQ(seen.size(), 256u);
}

TEST(Cp1251, AsciiMapsToItself) {
    for (int b = 0; b < 128; ++b)
        EXPECT_EQ(Cp1251ToUnicode(static_cast<unsigned char>(b)), char32_t(b));
}

TEST(Cp1251, KnownLettersAndSigns) {
    EXPECT_EQ(Cp1251ToUnicode(0xC0), U'\u0410'); // А
    EXPECT_EQ(Cp1251ToUnicode(0xDF), U'\u042F'); // Я
    EXPECT_EQ(Cp1251ToUnicode(0xE0), U'\u0430'); // а
    EXPECT_EQ(Cp1251ToUnicode(0xFF), U'\u044F'); // я
    EXPECT_EQ(Cp1251ToUnicode(0xA8), U'\u0401'); // Ё
    EXPECT_EQ(Cp1251ToUnicode(0xB8), U'\u0451'); // ё
    EXPECT_EQ(Cp1251ToUnicode(0xB9), U'\u2116'); // №
    EXPECT_EQ(Cp1251ToUnicode(0x88), U'\u20AC'); // €
    EXPECT_EQ(Cp1251ToUnicode(0x80), U'\u0402'); // Ђ
    EXPECT_EQ(Cp1251ToUnicode(0xA0), U'\u00A0'); // no-break space
    EXPECT_EQ(Cp1251ToUnicode(0xAB), U'\u00AB'); // «
    EXPECT_EQ(Cp1251ToUnicode(0xBB), U'\u00BB'); // »
}

TEST(Cp1251, UndefinedByte98MapsToU0098AndBack) {
    EXPECT_EQ(Cp1251ToUnicode(0x98), char32_t(0x0098));
    EXPECT_EQ(UnicodeToCp1251(0x0098), std::optional<unsigned char>(0x98));
}

TEST(Cp1251, UnmappableCodePointHasNoByte) {
    EXPECT_FALSE(UnicodeToCp1251(U'\u4E2D').has_value()); // 中
    EXPECT_FALSE(UnicodeToCp1251(U'\u00E9').has_value()); // é
    EXPECT_FALSE(UnicodeToCp1251(0x0080).has_value());    // a C1 control other than U+0098
    EXPECT_FALSE(UnicodeToCp1251(U'\U0001F600').has_value());
}

TEST(Cp1251Utf8, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251Utf8, KnownLettersInUtf8) {
    EXPECT_EQ(Cp1251ToUtf8("\xC0"), "\xD0\x90");             // А
    EXPECT_EQ(Cp1251ToUtf8("\xFF"), "\xD1\x8F");             // я
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8"), "\xD0\x81\xD1\x91"); // Ёё
    EXPECT_EQ(Cp1251ToUtf8("\xB9"), "\xE2\x84\x96");         // №
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xC2\x98");             // U+0098
    EXPECT_EQ(Cp1251ToUtf8("a b"), "a b");
    EXPECT_EQ(Utf8ToCp1251("Привет, мир"), "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0");
    EXPECT_EQ(Utf8ToCp1251("\xE2\x84\x96 1"), "\xB9 1");
}

TEST(Cp1251Utf8, UnmappableCodePointBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToCp1251("a\xE4\xB8\xAD"
                           "b"),
              "a?b");                                     // 中
    EXPECT_EQ(Utf8ToCp1251("\xC3\xA9"), "?");             // é
    EXPECT_EQ(Utf8ToCp1251("x\xF0\x9F\x98\x80y"), "x?y"); // a four-byte sequence
}

TEST(Cp1251Utf8, NulPassesThrough) {
    EXPECT_EQ(Cp1251ToUtf8("a\0b"s), "a\0b"s);
    EXPECT_EQ(Utf8ToCp1251("a\0b"s), "a\0b"s);
}

TEST(Cp1251Utf8, EmptyTextStaysEmpty) {
    EXPECT_EQ(Cp1251ToUtf8(""), "");
    EXPECT_EQ(Utf8ToCp1251(""), "");
}

} // namespace
} // namespace tesselo
