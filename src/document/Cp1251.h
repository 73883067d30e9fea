#pragma once

// The Windows-1251 code page as one lossless table: every byte 0-255 maps to one
// Unicode code point and back. 0x98, which the code page leaves undefined, maps to
// U+0098 so that it survives a round trip through the window.

#include <optional>
#include <string>
#include <string_view>

namespace tesselo {

char32_t Cp1251ToUnicode(unsigned char byte);
std::optional<unsigned char> UnicodeToCp1251(char32_t codePoint);

// UTF-8 to Windows-1251; a code point without a byte becomes '?'. Used for the
// program's own Russian texts, which the source holds as UTF-8 literals.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view bytes);

} // namespace tesselo
