#include "document/SheetEncoding.h"

#include "document/ByteText.h"

namespace tesselo {

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t length;
        char32_t code;
        if (c >= 0xC2 && c <= 0xDF)
            length = 2, code = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF)
            length = 3, code = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4)
            length = 4, code = c & 0x07;
        else
            return false;
        if (i + length > n)
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // No longer form than needed, no surrogate halves, nothing past U+10FFFF.
        if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) ||
            (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += length;
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
