#pragma once

// Cuts a style sheet's text into rules. A forgiving scanner, not a CSS parser: it
// knows braces and comments and nothing else. Every "{" starts a rule; the rule's
// selector is the text before it (outside blocks and comments), its lines are the
// text after it up to the next "}", cut at the file's line ends.

#include "document/ByteText.h"
#include "document/SheetLines.h"
#include "document/StyleDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// All rules of the text, in file order, in one pass.
std::vector<StyleRecord> LoadStylesFromSheet(const SheetLines& sheetText);
std::vector<StyleRecord> LoadStylesFromSheet(const LineList& sheetText);

// Trims spaces and bytes above 127 from both ends.
std::string TrimSelectorText(std::string_view text);

struct SheetFile {
    SheetLines Text;                // the file as lines
    std::vector<StyleRecord> Rules; // at most kStyleCapacity
    size_t Bytes = 0;
    bool NestedBlocks = false; // a "{" inside a block started a rule
};

struct SheetReadFailure {
    enum class Kind { CannotRead, TooManyRules } What;
    std::string Reason; // the system's message for CannotRead
};

// Reads and cuts a file; a sheet of more rules than the document holds is refused.
std::optional<SheetReadFailure> ReadSheetFile(const std::string& path, SheetFile& out);

} // namespace tesselo
