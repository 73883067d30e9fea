#pragma once

// A rule's block as its author wrote it: the text between "{" and "}" cut into its
// declarations, each with the byte ranges of its parts, so that an edit replaces one
// part and leaves every other byte as it was.

#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// One piece of CSS text as every scanner of a block reads it: a whole comment, a whole
// string (which a line end cuts short), an unquoted url(...), an escape, one blank or
// one other byte. A backslash that escapes nothing (before a line end or at the end)
// is a byte of its own.
struct CssPiece {
    enum class Kind { Byte, Blank, Comment, String, Url, Escape };
    Kind What = Kind::Byte;
    size_t End = 0;
    bool Closed = true; // false when the text ends inside it, or a line end cuts a string
};
CssPiece NextCssPiece(std::string_view text, size_t at);

struct BlockDeclaration {
    std::string Property; // the name in lower case
    size_t Begin = 0;     // the name's first byte
    size_t NameEnd = 0;
    size_t ValueBegin = 0;    // the value without the blanks and comments around it and
    size_t ValueEnd = 0;      //   without its priority
    size_t PriorityBegin = 0; // "!important" (also "! important", any case); equal to
    size_t PriorityEnd = 0;   //   PriorityBegin (and to ValueEnd) when there is none
    size_t End = 0;           // just past its ";", or past its value or priority
    bool HasSemicolon = false;
    size_t LineBegin = 0;     // the first byte of the line it starts on
    bool AloneOnLine = false; // only blanks before it on its line, only blanks and comments
                              // after it up to the line's end or the block's end; the
                              // block's first line is the selector's, so never there
    size_t LineEnd = 0;       // when AloneOnLine: past the "\n" that ends its last line, or
                              // the block's end
};

struct DeclarationBlock {
    std::vector<BlockDeclaration> Declarations;
    bool MultiLine = false; // the block holds a "\n"
};

// A ";" inside brackets ((), [] and {} counted together), strings or comments ends
// nothing. Text without a ":" before its ";", or whose name is no identifier ("*zoom"),
// is passed over, and so is a nested rule, up to its closing "}".
DeclarationBlock ParseBlock(std::string_view block);

} // namespace tesselo
