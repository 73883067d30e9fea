#pragma once

// Which encoding a sheet's bytes are in, decided once when it is opened. The document
// keeps the bytes as they are; only the window decodes and encodes them.

#include <cstddef>
#include <string_view>

namespace tesselo {

enum class SheetEncoding { Utf8, Windows1251 };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// UTF-8 when the text starts with the byte-order mark or with «@charset "utf-8";» in
// any letter case, or when it is valid UTF-8 and holds a byte above 127; otherwise
// Windows-1251.
SheetEncoding DetectSheetEncoding(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);

// The valid UTF-8 sequence at the start of the bytes: its code point and its length in
// bytes, or a length of 0 when the bytes start with no valid sequence (an overlong form,
// a surrogate half, a code point past U+10FFFF or a cut sequence included).
struct Utf8Sequence {
    char32_t CodePoint = 0;
    size_t Length = 0;
};
Utf8Sequence FirstUtf8Sequence(std::string_view bytes);

// The name the status line shows.
std::string_view EncodingName(SheetEncoding encoding);

} // namespace tesselo
