#pragma once

// Edits of a rule's block as its author wrote it: a value replaced in place, a
// declaration removed with its line, one added in the block's own layout. Every byte
// outside what an edit touches stays as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

struct BlockEdit {
    enum class Kind { Set, Remove, Insert } What = Kind::Set;
    size_t Index = 0;     // Set, Remove: the declaration, in ParseBlock's order
    std::string Property; // Insert: the name, written as given
    std::string Value;    // Set: the new value; Insert: the value, with " !important" if wanted
};

struct BlockContext {
    std::string RuleIndent;        // the blanks in front of the rule's selector line
    std::string IndentStep = "  "; // the sheet's indentation of declarations, one level
    bool OneLineRules = false;     // the sheet writes its rules on one line
    // Where the rule's "}" ends the line of its last declaration ("  color: red; }"), a
    // declaration added goes on a line of its own in front of that line, which stays as
    // it is; otherwise after the last declaration.
    bool BeforeClosingLine = false;
};

// All edits at once, the indexes being those of ParseBlock(block); inserts come after
// the last declaration left, in the order given. Nothing when an edit is refused: a
// value IsSafeValue refuses, an index out of range, a declaration edited twice, a name
// that is no identifier, or a result that would not read back as the edits meant.
std::optional<std::string> RewriteBlock(std::string_view block, const std::vector<BlockEdit>& edits,
                                        const BlockContext& context);

// A value that cannot run out of its declaration: something besides blanks and
// comments, no ";" outside strings and brackets, no "{" or "}" outside strings, every
// bracket, string, comment and url() closed, no backslash that escapes nothing.
bool IsSafeValue(std::string_view value);

} // namespace tesselo
