#pragma once

// Cuts a style sheet's text into rules. A forgiving scanner, not a CSS parser: it
// knows braces, comments and strings and nothing else. A "{" outside blocks starts a
// rule whose selector is the text before it; a "{" inside a block opens a nested
// block, so an @keyframes rule stays one rule with its nested blocks as its text. A
// conditional group (@media, @supports, @layer, ...) is a record of its own and its
// rules follow it, one level deeper; the "}" between them closes it. Strings and
// comments are opaque: a brace inside them means nothing.

#include "document/ByteText.h"
#include "document/Progress.h"
#include "document/SheetLines.h"
#include "document/StyleDocument.h"
#include "document/TextFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

struct SheetRules {
    std::vector<StyleRecord> Records;
    std::string Tail; // what follows the last rule's "}"
};

// All rules of the text, in file order, in one pass, its bytes reported as read.
SheetRules LoadStylesFromSheet(const SheetLines& sheetText,
                               ProgressReport& progress = NoProgress());
SheetRules LoadStylesFromSheet(const LineList& sheetText);

// The declaration lines of a block's text ("\n" line breaks): cut at the line ends,
// each line without its leading blanks (a line of blanks keeps its last one); a line
// that reaches its line end is followed by an empty line.
LineList CutBlockLines(std::string_view block);

// How the lines of a rule, read as one text with the reader's rules for strings and
// comments, use braces.
struct LineNesting {
    bool OpensBlock = false; // a "{" outside strings and comments
    int OpenBlocks = 0;      // the blocks still open at the end
    bool InComment = false;  // the text ends inside a comment
};
LineNesting ScanNesting(const LineList& lines);

// Whether the lines hold a "{" outside strings and comments: the record holds nested
// rules and is edited as text.
inline bool HoldsNestedRules(const LineList& lines) {
    return ScanNesting(lines).OpensBlock;
}

// Trims spaces from both ends.
std::string TrimSelectorText(std::string_view text);

struct SheetFile {
    SheetLines Text; // the file as lines
    SheetRules Rules;
    size_t Bytes = 0;
    SheetEncoding Encoding = SheetEncoding::Utf8;
    std::string Raw; // the file's bytes as read
};

struct SheetReadFailure {
    std::string Reason; // the system's message
    ReadRefusal Refusal = ReadRefusal::None;
};

// Reads and cuts a file.
std::optional<SheetReadFailure> ReadSheetFile(const std::string& path, SheetFile& out,
                                              ProgressReport& progress = NoProgress());

} // namespace tesselo
