#include "document/SheetEncoding.h"

#include "document/ByteText.h"

namespace tesselo {

Utf8Sequence FirstUtf8Sequence(std::string_view bytes) {
    if (bytes.empty())
        return {};
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
        return {};
    if (bytes.size() < length)
        return {};
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (next & 0x3F);
    }
    // No longer form than needed, no surrogate halves, nothing past U+10FFFF.
    if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) ||
        (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return {};
    return {code, length};
}

bool IsValidUtf8(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        // Most of a sheet is ASCII: a byte below 128 is a sequence of its own.
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const size_t length = FirstUtf8Sequence(bytes.substr(at)).Length;
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::optional<SheetEncoding> CharsetRuleEncoding(std::string_view bytes) {
    // As a browser reads it: «@charset "» first, the label up to the next quote, «";».
    constexpr std::string_view kOpen = "@charset \"";
    if (!EqualsIgnoringAsciiCase(bytes.substr(0, kOpen.size()), kOpen))
        return std::nullopt;
    const std::string_view rest = bytes.substr(kOpen.size());
    const size_t close = rest.find('"');
    if (close == std::string_view::npos || rest.substr(close, 2) != "\";")
        return std::nullopt;
    std::string_view label = rest.substr(0, close);
    while (!label.empty() && label.front() == ' ')
        label.remove_prefix(1);
    while (!label.empty() && label.back() == ' ')
        label.remove_suffix(1);
    for (std::string_view name : {"utf-8", "utf8", "unicode-1-1-utf-8"})
        if (EqualsIgnoringAsciiCase(label, name))
            return SheetEncoding::Utf8;
    for (std::string_view name : {"windows-1251", "cp1251", "x-cp1251"})
        if (EqualsIgnoringAsciiCase(label, name))
            return SheetEncoding::Windows1251;
    return std::nullopt;
}

SheetEncoding DetectSheetEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return SheetEncoding::Utf8;
    if (const std::optional<SheetEncoding> named = CharsetRuleEncoding(bytes))
        return *named;
    return IsValidUtf8(bytes) ? SheetEncoding::Utf8 : SheetEncoding::Windows1251;
}

std::string_view EncodingName(SheetEncoding encoding) {
    return encoding == SheetEncoding::Utf8 ? "UTF-8" : "Windows-1251";
}

} // namespace tesselo
