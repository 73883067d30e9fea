#include "document/SheetEncoding.h"

#include "document/SheetComposer.h"
#include "document/SheetReader.h"
#include "support/LiteralSheetScan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tesselo {
namespace {

using testing::EscapeBytes;
using namespace std::string_literals;

struct EncodingCase {
    std::string Bytes;
    SheetEncoding Encoding;
};

TEST(SheetEncoding, IsUtf8UnlessTheMarkTheCharsetRuleOrTheBytesSayOtherwise) {
    using enum SheetEncoding;
    const std::vector<EncodingCase> cases = {
        // The mark and a charset rule at the very start decide, whatever follows.
        {"\xEF\xBB\xBF"
         "a { }",
         Utf8},
        {"\xEF\xBB\xBF/* \xCF\xF0\xE8 */", Utf8},
        {"@charset \"utf-8\";\na { }", Utf8},
        {"@CHARSET \"UTF-8\";\n/* \xC0 */", Utf8},
        {"@charset \"utf8\";/* \xCF\xF0\xE8 */", Utf8},
        {"@charset \"windows-1251\";\na { }", Windows1251},
        {"@charset \"Windows-1251\";/* \xD0\xBA\xD0\xBD */", Windows1251},
        {"@charset \"cp1251\";", Windows1251},
        {"@charset \"x-cp1251\";", Windows1251},
        // No charset rule: not at the start, not in double quotes, no ";", another
        // encoding. The bytes decide.
        {" @charset \"windows-1251\";", Utf8},
        {"/* x */@charset \"windows-1251\";", Utf8},
        {"@charset 'windows-1251';", Utf8},
        {"@charset \"windows-1251\"", Utf8},
        {"@charset \"koi8-r\";", Utf8},
        {"@charset \"koi8-r\"; /* \xCF\xF0\xE8 */", Windows1251},
        // Valid UTF-8, ASCII alone and nothing at all are UTF-8: what CSS defaults to.
        {"a { color: red }", Utf8},
        {"", Utf8},
        {".\xD0\xBA\xD0\xBD\xD0\xBE\xD0\xBF\xD0\xBA\xD0\xB0 { }", Utf8},
        {"a { content: \"\xF0\x9F\x98\x80\xC2\xA0\" }", Utf8},
        // The first and last code point of each length.
        {"\xC2\x80 \xDF\xBF \xE0\xA0\x80 \xEF\xBF\xBF", Utf8},
        {"\xF0\x90\x80\x80 \xF4\x8F\xBF\xBF", Utf8},
        // Windows-1251 Cyrillic is no valid UTF-8.
        {"/* \xCF\xF0\xE8\xE2\xE5\xF2 */ a { }", Windows1251},
        // Overlong forms of two, three and four bytes, surrogate halves, code points past
        // U+10FFFF, stray continuation bytes and cut sequences are no UTF-8.
        {"\xC0\x80", Windows1251},
        {"\xC1\xBF", Windows1251},
        {"\xE0\x80\x80", Windows1251},
        {"\xE0\x9F\xBF", Windows1251},
        {"\xF0\x80\x80\x80", Windows1251},
        {"\xF0\x80\x80\xAF", Windows1251},
        {"\xF0\x8F\xBF\xBF", Windows1251},
        {"\xED\xA0\x80", Windows1251},
        {"\xED\xBF\xBF", Windows1251},
        {"\xF4\x90\x80\x80", Windows1251},
        {"\xF5\x80\x80\x80", Windows1251},
        {"a \x80 b", Windows1251},
        {"a \xD0", Windows1251},
        {"\xF0\x9F\x98", Windows1251},
        {"\xE2\x82 \xAC", Windows1251},
    };
    for (const auto& [bytes, encoding] : cases)
        EXPECT_EQ(DetectSheetEncoding(bytes), encoding) << EscapeBytes(bytes);
    EXPECT_EQ(EncodingName(SheetEncoding::Utf8), "UTF-8");
    EXPECT_EQ(EncodingName(SheetEncoding::Windows1251), "Windows-1251");
}

// An overlong form of four bytes decodes to nothing, not to the character it spells.
TEST(SheetEncoding, AnOverlongSequenceIsNoCharacter) {
    for (const std::string bytes :
         {"\xF0\x80\x80\xAF", "\xF0\x8F\xBF\xBF", "\xE0\x80\xAF", "\xC0\xAF"}) {
        EXPECT_EQ(FirstUtf8Sequence(bytes).Length, 0u) << EscapeBytes(bytes);
        EXPECT_FALSE(IsValidUtf8("a" + bytes + "b")) << EscapeBytes(bytes);
    }
    const Utf8Sequence last = FirstUtf8Sequence("\xF4\x8F\xBF\xBF");
    EXPECT_EQ(last.CodePoint, U'\U0010FFFF');
    EXPECT_EQ(last.Length, 4u);
}

// The file is read in the encoding the user chose instead of the one its bytes say, and
// its bytes stay as they are.
TEST(SheetEncoding, ASheetIsReadInTheEncodingChosen) {
    testing::TempDir dir;
    const std::string path = dir.File("a.css");
    const std::string bytes = "p { content: \"\xD0\xBA\" }\n";
    testing::WriteBytes(path, bytes);
    for (const auto& [chosen, read] :
         {std::pair{std::optional<SheetEncoding>(), SheetEncoding::Utf8},
          std::pair{std::optional(SheetEncoding::Windows1251), SheetEncoding::Windows1251},
          std::pair{std::optional(SheetEncoding::Utf8), SheetEncoding::Utf8}}) {
        SheetFile sheet;
        ASSERT_FALSE(ReadSheetFile(path, sheet, NoProgress(), chosen));
        EXPECT_EQ(sheet.Encoding, read);
        EXPECT_EQ(sheet.Raw, bytes);
        EXPECT_EQ(sheet.Text.Bytes(), bytes);
    }
}

// The mark is no part of the first rule, and it comes back in front of the text.
TEST(SheetEncoding, TheByteOrderMarkStaysAtTheStart) {
    const std::string bytes = "\xEF\xBB\xBF.a { x: 1 }\r\n.b { y: 2 }\r\n";
    const SheetLines text = SheetLines::FromBytes(bytes);
    EXPECT_TRUE(text.ByteOrderMark());
    EXPECT_EQ(text.Bytes(), bytes);
    StyleDocument doc;
    auto sheet = LoadStylesFromSheet(text);
    doc.ReplaceRecords(std::move(sheet.Records), std::move(sheet.Tail));
    doc.LineEnd = text.LineEnd();
    doc.ByteOrderMark = text.ByteOrderMark();
    EXPECT_EQ(doc.Record(0).Selector, ".a");
    EXPECT_EQ(ComposeSheet(doc).Bytes(), bytes);
    doc.MarkEdited(0);
    EXPECT_EQ(ComposeSheet(doc).Bytes(), "\xEF\xBB\xBF.a {\r\nx: 1 \r\n}\r\n.b { y: 2 }\r\n");
    EXPECT_FALSE(SheetLines::FromBytes("a { }").ByteOrderMark());
}

} // namespace
} // namespace tesselo
