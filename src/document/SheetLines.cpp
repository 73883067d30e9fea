#include "document/SheetLines.h"

#include "document/SheetEncoding.h"

#include <cstring>

namespace tesselo {

SheetLines SheetLines::FromBytes(std::string_view bytes) {
    auto nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    SheetLines sheet;
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        sheet.byteOrderMark_ = true;
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    // One line per 16 bytes on average; more is found as it comes.
    sheet.reserve(bytes.size() + 1, bytes.size() / 16 + 1);
    const char* const data = bytes.data();
    const size_t size = bytes.size();
    bool lineEndFound = false;
    size_t start = 0;
    while (start < size) {
        // The next LF, then a CR before it, both found by the library's fast search.
        const char* lf = static_cast<const char*>(std::memchr(data + start, '\n', size - start));
        const size_t limit = lf ? static_cast<size_t>(lf - data) : size;
        const char* cr = static_cast<const char*>(std::memchr(data + start, '\r', limit - start));
        if (cr) {
            const size_t at = static_cast<size_t>(cr - data);
            const bool crLf = at + 1 < size && data[at + 1] == '\n';
            if (!lineEndFound)
                sheet.lineEnd_ = crLf ? kCrLf : kCr;
            lineEndFound = true;
            sheet.push_back(std::string_view(data + start, at - start));
            start = at + (crLf ? 2 : 1);
        } else if (lf) {
            if (!lineEndFound)
                sheet.lineEnd_ = kLf;
            lineEndFound = true;
            sheet.push_back(std::string_view(data + start, limit - start));
            start = limit + 1;
        } else {
            sheet.push_back(std::string_view(data + start, size - start));
            sheet.finalLineEnd_ = false;
            start = size;
        }
    }
    return sheet;
}

SheetLines SheetLines::FromLines(const LineList& lines) {
    SheetLines sheet;
    size_t bytes = 0;
    for (const auto& line : lines)
        bytes += line.size() + 1;
    sheet.reserve(bytes, lines.size());
    for (const auto& line : lines)
        sheet.push_back(line);
    return sheet;
}

SheetLines SheetLines::FromText(std::string text, std::string_view lineEnd) {
    SheetLines sheet;
    sheet.lineEnd_ = KnownLineEnd(lineEnd);
    if (text.empty())
        return sheet;
    if (text.back() != '\n')
        text += '\n';
    sheet.starts_.reserve(text.size() / 16 + 1);
    const char* const data = text.data();
    size_t start = 0;
    while (start < text.size()) {
        sheet.starts_.push_back(start);
        const char* lf =
            static_cast<const char*>(std::memchr(data + start, '\n', text.size() - start));
        start = static_cast<size_t>(lf - data) + 1;
    }
    sheet.text_ = std::move(text);
    return sheet;
}

void SheetLines::clear() {
    text_.clear();
    starts_.clear();
}

void SheetLines::reserve(size_t bytes, size_t lines) {
    text_.reserve(bytes);
    starts_.reserve(lines);
}

void SheetLines::push_back(std::string_view line) {
    starts_.push_back(text_.size());
    text_ += line;
    text_ += '\n';
}

void SheetLines::push_back(std::string_view first, std::string_view second) {
    starts_.push_back(text_.size());
    text_ += first;
    text_ += second;
    text_ += '\n';
}

std::string SheetLines::Bytes() const {
    std::string bytes(byteOrderMark_ ? kUtf8ByteOrderMark : std::string_view());
    if (lineEnd_ == kLf) {
        bytes += text_;
        if (!finalLineEnd_ && !bytes.empty())
            bytes.pop_back();
        return bytes;
    }
    bytes.reserve(bytes.size() + text_.size() + starts_.size() * (lineEnd_.size() - 1));
    size_t start = 0;
    while (start < text_.size()) {
        const size_t lf = text_.find('\n', start);
        bytes.append(text_, start, lf - start);
        start = lf + 1;
        if (start < text_.size() || finalLineEnd_)
            bytes += lineEnd_;
    }
    return bytes;
}

LineList SheetLines::ToLineList() const {
    LineList lines;
    lines.reserve(size());
    for (auto line : *this)
        lines.emplace_back(line);
    return lines;
}

bool operator==(const SheetLines& sheet, const LineList& lines) {
    if (sheet.size() != lines.size())
        return false;
    for (size_t i = 0; i < lines.size(); ++i)
        if (sheet[i] != lines[i])
            return false;
    return true;
}

std::string TextCutForShowing(const SheetLines& sheet, SheetEncoding encoding, size_t limit,
                              const std::function<std::string(size_t characters)>& mark) {
    const bool utf8 = encoding == SheetEncoding::Utf8;
    // In UTF-8 a character starts at every byte but a continuation byte.
    auto starts = [utf8](char c) {
        return !utf8 || (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    };
    std::string text;
    size_t bytes = 0;
    for (const std::string_view line : sheet)
        bytes += line.size() + 1;
    text.reserve(bytes);
    bool first = true;
    for (const std::string_view line : sheet) {
        if (!first)
            text.push_back('\n');
        first = false;
        if (line.size() <= limit) { // never more characters than bytes
            text.append(line);
            continue;
        }
        size_t characters = 0;
        size_t cut = line.size();
        for (size_t i = 0; i < line.size(); ++i) {
            if (!starts(line[i]))
                continue;
            if (characters == limit)
                cut = i;
            ++characters;
        }
        text.append(line.substr(0, cut));
        if (cut != line.size())
            text.append(mark(characters));
    }
    return text;
}

std::string CutLineNote(size_t characters) {
    const std::string number = std::to_string(characters);
    std::string digits; // in groups of three
    for (size_t i = 0; i < number.size(); ++i) {
        if (i > 0 && (number.size() - i) % 3 == 0)
            digits += ' ';
        digits += number[i];
    }
    const std::string_view word =
        PluralOf(static_cast<long>(characters), "символ", "символа", "символов");
    return " \u2026 [строка сокращена: " + digits + " " + std::string(word) + "]";
}

} // namespace tesselo
