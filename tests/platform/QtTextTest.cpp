#include "platform/QtText.h"

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace tesselo {
namespace {

TEST(QtText, EveryDocumentByteSurvivesTheWindow) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(ToDocumentText(FromDocumentText(all)), all);
    // 0x98, undefined in the code page, is kept as a character of its own.
    EXPECT_EQ(FromDocumentText("\x98").size(), 1);
    EXPECT_EQ(ToDocumentText(FromDocumentText("\x98")), "\x98");
}

TEST(QtText, CyrillicIsShownAsCyrillic) {
    EXPECT_EQ(FromDocumentText("\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA"),
              QStringLiteral("Заголовок"));
    EXPECT_EQ(ToDocumentText(QStringLiteral("Ёё")), "\xA8\xB8");
    // A character the code page has no byte for becomes "?".
    EXPECT_EQ(ToDocumentText(QStringLiteral("日")), "?");
}

TEST(QtText, TextBoxLinesAndDocumentLines) {
    EXPECT_TRUE(ToDocumentLines(QString()).empty());
    EXPECT_EQ(ToDocumentLines(QStringLiteral("a\n\nb")), (LineList{"a", "", "b"}));
    EXPECT_EQ(ToDocumentLines(QStringLiteral("a\n")), (LineList{"a", ""}));
    EXPECT_EQ(FromDocumentLines({"a", "", "b"}), QStringLiteral("a\n\nb"));
}

// What the user did not touch comes back byte for byte: a no-break space (0xA0 in
// the code page, the second byte of C2 A0 in a UTF-8 sheet) stays one.
TEST(QtText, TextBoxTextKeepsNoBreakSpaces) {
    const LineList lines = {"content: \"a\xA0"
                            "b\";",
                            "font-family: \"\xC2\xA0X\";", ""};
    QTextDocument document;
    document.setPlainText(FromDocumentLines(lines));
    EXPECT_EQ(ToDocumentLines(TextOf(document)), lines);
}

// A U+2028 or U+2029 in a string is no line break: it comes back as it was, while a
// line break the user makes, Shift+Enter too, is one.
TEST(QtText, TextBoxTextKeepsTheSeparatorsOfTheSheet) {
    const QString text = QStringLiteral("content: \"a") + QChar(QChar::LineSeparator) +
                         QStringLiteral("b") + QChar(QChar::ParagraphSeparator) +
                         QStringLiteral("c\";\nx: y;");
    QTextDocument document;
    document.setPlainText(ForTextBox(text));
    EXPECT_EQ(TextOf(document), text);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QString(QChar::LineSeparator) + QStringLiteral("z"));
    EXPECT_EQ(TextOf(document), text + QStringLiteral("\nz"));
}

TEST(QtText, PathsKeepTheirBytes) {
    const std::string path = "/tmp/\xD0\xBF\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80.css";
    EXPECT_EQ(ToPath(FromPath(path)), path);
}

} // namespace
} // namespace tesselo
