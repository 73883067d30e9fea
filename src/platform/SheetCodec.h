#pragma once

// The sheet's bytes as the window shows them, in the sheet's encoding, and typed text
// back as bytes. Nothing is lost either way:
// - A byte that is no valid UTF-8 in a UTF-8 sheet shows as a replacement mark (a
//   lone surrogate half, U+DC80 to U+DCFF, that no valid text holds) and is written
//   back as that byte, however the rest of its line was edited.
// - A character that Windows-1251 has no byte for is written as a CSS escape
//   ("\2192 "), which means the same character to a browser.

#include "document/ByteText.h"
#include "document/SheetEncoding.h"

#include <QString>
#include <string>
#include <string_view>

namespace tesselo {

class SheetCodec {
public:
    explicit SheetCodec(SheetEncoding encoding = SheetEncoding::Utf8) : encoding_(encoding) {}

    SheetEncoding Encoding() const { return encoding_; }

    QString Decode(std::string_view bytes) const;
    std::string Encode(const QString& text) const;

    // The lines of a text box, joined with "\n", and back; a text box's paragraph
    // separators count as line breaks.
    QString DecodeLines(const LineList& lines) const;
    LineList EncodeLines(const QString& text) const;

private:
    SheetEncoding encoding_;
};

} // namespace tesselo
