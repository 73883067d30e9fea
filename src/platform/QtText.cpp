#include "platform/QtText.h"

#include "document/Cp1251.h"

#include <QFile>

namespace tesselo {

QString FromDocumentText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        text += QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(c))));
    return text;
}

std::string ToDocumentText(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        auto byte = UnicodeToCp1251(c.unicode());
        bytes += byte ? char(*byte) : '?';
    }
    return bytes;
}

QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {
// Stand-ins no sheet holds (noncharacters, but not U+FDD0 and U+FDD1, which the text
// document takes for frame marks) for the separators while they are in a box.
constexpr char16_t kLineSeparatorHeld = 0xFDEE;
constexpr char16_t kParagraphSeparatorHeld = 0xFDEF;
} // namespace

QString ForTextBox(QString text) {
    for (QChar& c : text) {
        if (c == QChar::LineSeparator)
            c = QChar(kLineSeparatorHeld);
        else if (c == QChar::ParagraphSeparator)
            c = QChar(kParagraphSeparatorHeld);
    }
    return text;
}

QString TextOf(const QTextDocument& document) {
    QString text = document.toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
        else if (c == QChar(kLineSeparatorHeld))
            c = QChar::LineSeparator;
        else if (c == QChar(kParagraphSeparatorHeld))
            c = QChar::ParagraphSeparator;
    }
    return text;
}

LineList ToDocumentLines(const QString& text) {
    LineList lines;
    if (text.isEmpty())
        return lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(ToDocumentText(line));
    return lines;
}

QString FromDocumentLines(const LineList& lines) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        out.push_back(FromDocumentText(line));
    return out.join(QLatin1Char('\n'));
}

} // namespace tesselo
