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
#include <span>
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
// that reaches its line end is followed by an empty line. An empty line is left out,
// but for one after a line end that a backslash escapes: its line end is the one that
// ends a string there.
LineList CutBlockLines(std::string_view block);

// How the lines of a rule, read as one text with the reader's rules for strings and
// comments, use braces.
struct LineNesting {
    bool OpensBlock = false; // a "{" outside strings and comments
    int OpenBlocks = 0;      // the blocks still open at the end
    bool InComment = false;  // the text ends inside a comment
    bool InString = false;   // the text ends inside a string: its last line end is escaped
};
LineNesting ScanNesting(std::span<const std::string> lines);

// Whether the lines hold a "{" outside strings and comments: the record holds nested
// rules and is edited as text.
inline bool HoldsNestedRules(const LineList& lines) {
    return ScanNesting(lines).OpensBlock;
}

// How a selector ends, read as the reader reads a selector: inside a string (a "{"
// written after it on its last line would be part of the string), and with a backslash
// that escapes whatever is written next, a line end too.
struct SelectorEnd {
    bool InString = false;
    bool Escaping = false;
};
SelectorEnd SelectorEndOf(std::string_view selector);

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

// Reads and cuts a file, in the encoding its bytes say or in the one the user chose.
std::optional<SheetReadFailure> ReadSheetFile(const std::string& path, SheetFile& out,
                                              ProgressReport& progress = NoProgress(),
                                              std::optional<SheetEncoding> chosen = std::nullopt);

} // namespace tesselo
