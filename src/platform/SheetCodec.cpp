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

// The valid UTF-8 sequence at the start of the bytes: its code point and length, or a
// length of 0.
std::pair<char32_t, size_t> Utf8Sequence(std::string_view bytes) {
    const auto c = static_cast<unsigned char>(bytes[0]);
    if (c < 0x80)
        return {c, 1};
    size_t length;
    char32_t code;
    if (c >= 0xC2 && c <= 0xDF)
        length = 2, code = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF)
        length = 3, code = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4)
        length = 4, code = c & 0x07;
    else
        return {0, 0};
    if (bytes.size() < length)
        return {0, 0};
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        code = (code << 6) | (next & 0x3F);
    }
    if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) ||
        (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return {0, 0};
    return {code, length};
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
        const auto [code, length] = Utf8Sequence(bytes.substr(i));
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
