#pragma once

// Which encoding a sheet's bytes are in, decided once when it is opened. The document
// keeps the bytes as they are; only the window decodes and encodes them.

#include <string_view>

namespace tesselo {

enum class SheetEncoding { Utf8, Windows1251 };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// UTF-8 when the text starts with the byte-order mark or with «@charset "utf-8";» in
// any letter case, or when it is valid UTF-8 and holds a byte above 127; otherwise
// Windows-1251.
SheetEncoding DetectSheetEncoding(std::string_view bytes);

bool IsValidUtf8(std::string_view bytes);

// The name the status line shows.
std::string_view EncodingName(SheetEncoding encoding);

} // namespace tesselo
