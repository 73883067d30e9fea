#pragma once

// Turns the records back into the text of a whole sheet. A record the user did not
// change is written as it was read, its source exactly; an edited one is written
// anew: the comments in front of it, a line "selector {", its lines and "}", indented
// as the group it stands in. A group is its condition and "{", its rules and its close;
// an edited group has only its condition written anew. The marker
// line that stands above the unsupported declarations in the current-style view never
// reaches the sheet.

#include "document/ByteText.h"
#include "document/Progress.h"
#include "document/StyleDocument.h"

namespace tesselo {

// The marker line of the current-style view.
inline constexpr std::string_view kUnsupportedComment =
    "/* Properties without support of this version Tesselo */";

bool IsUnsupportedComment(std::string_view line);

// The composed sheet, in the document's line end; the rules reported as written.
SheetLines ComposeSheet(const StyleDocument& document, ProgressReport& progress = NoProgress());

} // namespace tesselo
