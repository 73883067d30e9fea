#pragma once

// Turns the records in use back into the text of a whole sheet: per record a line
// "selector {", its lines unchanged, and "}". The marker line that stands above the
// unsupported declarations in the current-style view never reaches the sheet.

#include "document/ByteText.h"
#include "document/StyleDocument.h"

namespace tesselo {

// The marker line of the current-style view.
inline constexpr std::string_view kUnsupportedComment =
    "/* Properties without support of this version Tesselo */";

bool IsUnsupportedComment(std::string_view line);

SheetLines ComposeSheet(const StyleDocument& document);

} // namespace tesselo
