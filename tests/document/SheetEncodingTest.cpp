#include "document/SheetEncoding.h"

#include "document/SheetComposer.h"
#include "document/SheetReader.h"
#include "support/LiteralSheetScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::EscapeBytes;
using namespace std::string_literals;

TEST(SheetEncoding, IsDecidedByTheMarkTheCharsetRuleOrTheBytes) {
    const std::vector<std::pair<std::string, SheetEncoding>> cases = {
        {"\xEF\xBB\xBF"
         "a { }",
         SheetEncoding::Utf8},
        {"@charset \"utf-8\";\na { }", SheetEncoding::Utf8},
        {"@CHARSET \"UTF-8\";\n/* \xC0 */", SheetEncoding::Utf8},
        {".\xD0\xBA\xD0\xBD\xD0\xBE\xD0\xBF\xD0\xBA\xD0\xB0 { }", SheetEncoding::Utf8},
        {"a { content: \"\xF0\x9F\x98\x80\xC2\xA0\" }", SheetEncoding::Utf8},
        // Windows-1251 Cyrillic is no valid UTF-8.
        {"/* \xCF\xF0\xE8\xE2\xE5\xF2 */ a { }", SheetEncoding::Windows1251},
        // Nothing above 127 decides nothing: Windows-1251, as the editor always read.
        {"a { color: red }", SheetEncoding::Windows1251},
        {"", SheetEncoding::Windows1251},
        // Overlong forms, surrogate halves and cut sequences are no UTF-8.
        {"\xC0\x80", SheetEncoding::Windows1251},
        {"\xE0\x80\x80", SheetEncoding::Windows1251},
        {"\xED\xA0\x80", SheetEncoding::Windows1251},
        {"\xF4\x90\x80\x80", SheetEncoding::Windows1251},
        {"a \xD0", SheetEncoding::Windows1251},
    };
    for (const auto& [bytes, encoding] : cases)
        EXPECT_EQ(DetectSheetEncoding(bytes), encoding) << EscapeBytes(bytes);
    EXPECT_EQ(EncodingName(SheetEncoding::Utf8), "UTF-8");
    EXPECT_EQ(EncodingName(SheetEncoding::Windows1251), "Windows-1251");
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
