#include "platform/SheetCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

const SheetCodec kUtf8(SheetEncoding::Utf8);
const SheetCodec kCp1251(SheetEncoding::Windows1251);

TEST(SheetCodec, Utf8SheetsShowAsUtf8AndComeBackByteForByte) {
    // A Cyrillic class name, an emoji and a no-break space.
    const std::string line = ".\xD0\xBA\xD0\xBD { content: \"\xF0\x9F\x98\x80\xC2\xA0\" }";
    EXPECT_EQ(kUtf8.Decode(line), QStringLiteral(".кн { content: \"😀\u00A0\" }"));
    EXPECT_EQ(kUtf8.Encode(kUtf8.Decode(line)), line);
    EXPECT_EQ(kUtf8.Encode(QStringLiteral("→")), "\xE2\x86\x92");
}

TEST(SheetCodec, StrayBytesInAUtf8SheetSurviveEditsElsewhereInTheLine) {
    const std::string line = "a\xFF"
                             "b\xD0 \xE2\x86";
    QString shown = kUtf8.Decode(line);
    EXPECT_EQ(shown.size(), 7);
    EXPECT_EQ(kUtf8.Encode(shown), line);
    shown.replace(0, 1, QStringLiteral("x→"));
    EXPECT_EQ(kUtf8.Encode(shown), "x\xE2\x86\x92\xFF"
                                   "b\xD0 \xE2\x86");
    // A surrogate half of no pair that is no stray byte has no UTF-8 form.
    EXPECT_EQ(kUtf8.Encode(QString(QChar(char16_t(0xD800)))), "\xEF\xBF\xBD");
}

TEST(SheetCodec, Windows1251SheetsKeepEveryByteAndEscapeWhatTheyCannotHold) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(kCp1251.Encode(kCp1251.Decode(all)), all);
    EXPECT_EQ(kCp1251.Decode("\xCF\xF0\xE8"), QStringLiteral("При"));
    EXPECT_EQ(kCp1251.Encode(QStringLiteral("a→b")), "a\\2192 b");
    EXPECT_EQ(kCp1251.Encode(QStringLiteral("😀")), "\\1F600 ");
}

TEST(SheetCodec, LinesOfATextBox) {
    EXPECT_TRUE(kUtf8.EncodeLines(QString()).empty());
    EXPECT_EQ(kUtf8.EncodeLines(QStringLiteral("a\n\nb\u2029c")), (LineList{"a", "", "b", "c"}));
    EXPECT_EQ(kUtf8.DecodeLines({"a", "", "\xD0\xB1"}), QStringLiteral("a\n\nб"));
}

} // namespace
} // namespace tesselo
