#pragma once

// Which encoding a sheet's bytes are in, decided once when it is opened. The document
// keeps the bytes as they are; only the window decodes and encodes them.

#include <cstddef>
#include <optional>
#include <string_view>

namespace tesselo {

enum class SheetEncoding { Utf8, Windows1251 };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The byte-order mark says UTF-8; else a «@charset "...";» rule at the very start that
// names UTF-8 or Windows-1251 (by any of their usual labels, in any letter case) says
// which; else UTF-8, as CSS and the web default to, unless the bytes are no valid
// UTF-8: then they were written in Windows-1251. A new sheet and one of ASCII alone
// are UTF-8.
SheetEncoding DetectSheetEncoding(std::string_view bytes);

// The encoding a «@charset "...";» rule at the start of the bytes names, when it is one
// of the two; none for no such rule or another encoding.
std::optional<SheetEncoding> CharsetRuleEncoding(std::string_view bytes);

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
