#pragma once

// Between the core's byte strings and the toolkit's text. Document text (selectors,
// declarations) is Windows-1251 and goes through the lossless table; file names are
// the system's own bytes; the program's messages and addresses are UTF-8.

#include "document/ByteText.h"

#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <string>
#include <string_view>

namespace tesselo {

QString FromDocumentText(std::string_view bytes);
std::string ToDocumentText(const QString& text);

QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

QString FromUtf8(std::string_view text);

// A text for a text box: the line and paragraph separators (U+2028, U+2029) a sheet
// holds, in a string say, are kept apart from the line breaks the box makes of them
// and of Shift+Enter.
QString ForTextBox(QString text);
// The text of a text box's document as the user sees it, every character as it is:
// toPlainText() would turn no-break spaces into spaces. A line break is "\n"; the
// separators ForTextBox kept apart come back as they were.
QString TextOf(const QTextDocument& document);

// The lines of a text box as document lines, and back.
LineList ToDocumentLines(const QString& text);
QString FromDocumentLines(const LineList& lines);

} // namespace tesselo
