#pragma once

// The kinds of the pieces of a CSS text as the views colour them. A text is read a line
// at a time from the state its line starts in, as a lexer of a text editor does: the
// views keep that state for each line and colour only the lines they show, from any
// line of a big sheet on.

#include "mapping/ColorNames.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tesselo {

enum class CssSpanKind : uint8_t {
    Blank,
    Selector,
    AtRule,   // "@media" and the rest of what stands before its "{" or ";"
    Property, // a declaration's name, custom properties included
    Value,    // a word of a value that is none of the kinds below
    Number,
    Unit, // "px" of "12px", "%" of "50%"
    Colour,
    String,
    Url, // an unquoted url(...) whole
    Comment,
    Important, // "!important", "! important"
    Variable,  // "var(" and a "--name" in a value
    Punctuation,
};

struct CssSpan {
    size_t Begin = 0;
    size_t End = 0;
    CssSpanKind Kind = CssSpanKind::Blank;
    Color Shade; // with Colour: the colour written
    bool operator==(const CssSpan&) const = default;
};

// Where a line starts: inside a comment or not, what the reader expects next, and the
// blocks it is inside, each a block of declarations or a block of rules (@media).
struct CssLineState {
    enum class Expect : uint8_t {
        Rule,        // a selector or an at-rule, as at the top of a sheet
        Prelude,     // the rest of an at-rule up to its "{" or ";"
        Declaration, // a declaration's name, in a block of declarations
        Value,       // a declaration's value, after its ":"
    };
    Expect Next = Expect::Rule;
    bool InComment = false;
    bool RulesPrelude = false; // the at-rule being read opens a block of rules
    uint8_t Depth = 0;
    // Bit i set: the block at depth i + 1 holds declarations. Blocks deeper than the bits
    // count as blocks of declarations.
    uint32_t DeclarationBlocks = 0;

    bool operator==(const CssLineState&) const = default;
    // The state as a non-negative int (what a text block of Qt keeps), and back.
    int Packed() const;
    static CssLineState FromPacked(int packed);
};

// The state of a sheet's first line, and of the first line of a rule's text between its
// braces.
CssLineState SheetStart();
CssLineState RuleTextStart();

// The spans of one line (without its line end) read from `state`; every byte of it in
// exactly one span, in order. Returns the state the next line starts in.
CssLineState ColourLine(std::string_view line, CssLineState state, std::vector<CssSpan>& spans);

// A whole text, line by line; the line ends are blanks.
std::vector<CssSpan> ColourText(std::string_view text, CssLineState state);

} // namespace tesselo
