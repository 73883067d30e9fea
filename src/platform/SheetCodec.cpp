#include "platform/SheetCodec.h"

#include "document/Cp1251.h"

#include <QStringList>
#include <cstdio>

namespace tesselo {
namespace {

constexpr char16_t kStrayByteBase = 0xDC00;

void AppendCodePoint(QString& text, char32_t code) {
    if (code < 0x10000) {
        text += QChar(static_cast<char16_t>(code));
        return;
    }
    code -= 0x10000;
    text += QChar(static_cast<char16_t>(0xD800 + (code >> 10)));
    text += QChar(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

void AppendUtf8(std::string& bytes, char32_t code) {
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point at position i of the text and how many UTF-16 units it takes; a
// lone surrogate half is a code point of its own.
std::pair<char32_t, qsizetype> CodePointAt(const QString& text, qsizetype i) {
    const char16_t unit = text[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
        QChar::isLowSurrogate(text[i + 1].unicode()))
        return {QChar::surrogateToUcs4(unit, text[i + 1].unicode()), 2};
    return {unit, 1};
}

} // namespace

QString SheetCodec::Decode(std::string_view bytes) const {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    if (encoding_ == SheetEncoding::Windows1251) {
        for (char c : bytes)
            AppendCodePoint(text, Cp1251ToUnicode(static_cast<unsigned char>(c)));
        return text;
    }
    size_t i = 0;
    while (i < bytes.size()) {
        // A run of ASCII, most of a sheet, goes in at once.
        size_t ascii = i;
        while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80)
            ++ascii;
        if (ascii > i) {
            text.append(QLatin1StringView(bytes.data() + i, static_cast<qsizetype>(ascii - i)));
            i = ascii;
            continue;
        }
        const auto [code, length] = FirstUtf8Sequence(bytes.substr(i));
        if (length == 0) {
            text +=
                QChar(static_cast<char16_t>(kStrayByteBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            AppendCodePoint(text, code);
            i += length;
        }
    }
    return text;
}

std::string SheetCodec::Encode(const QString& text) const {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size();) {
        const auto [code, units] = CodePointAt(text, i);
        i += units;
        if (code >= kStrayByteBase + 0x80 && code <= kStrayByteBase + 0xFF) {
            bytes += static_cast<char>(code - kStrayByteBase);
        } else if (encoding_ == SheetEncoding::Utf8) {
            // A surrogate half of no pair has no UTF-8 form.
            AppendUtf8(bytes, code >= 0xD800 && code <= 0xDFFF ? char32_t(0xFFFD) : code);
        } else if (auto byte = UnicodeToCp1251(code)) {
            bytes += static_cast<char>(*byte);
        } else {
            // What the code page cannot hold is written as CSS writes any character.
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\%X ", static_cast<unsigned>(code));
            bytes += escape;
        }
    }
    return bytes;
}

QString SheetCodec::DecodeLines(const LineList& lines) const {
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        out.push_back(Decode(line));
    return out.join(QLatin1Char('\n'));
}

LineList SheetCodec::EncodeLines(const QString& text) const {
    LineList lines;
    if (text.isEmpty())
        return lines;
    QString plain = text;
    plain.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    for (const QString& line : plain.split(QLatin1Char('\n')))
        lines.push_back(Encode(line));
    return lines;
}

} // namespace tesselo
