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
    while (!bytes.empty()) {
        const size_t length = FirstUtf8Sequence(bytes).Length;
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
    }
    return true;
}

SheetEncoding DetectSheetEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return SheetEncoding::Utf8;
    constexpr std::string_view kCharset = "@charset \"utf-8\";";
    if (EqualsIgnoringAsciiCase(bytes.substr(0, kCharset.size()), kCharset))
        return SheetEncoding::Utf8;
    bool high = false;
    for (char c : bytes)
        high = high || static_cast<unsigned char>(c) > 127;
    return high && IsValidUtf8(bytes) ? SheetEncoding::Utf8 : SheetEncoding::Windows1251;
}

std::string_view EncodingName(SheetEncoding encoding) {
    return encoding == SheetEncoding::Utf8 ? "UTF-8" : "Windows-1251";
}

} // namespace tesselo
