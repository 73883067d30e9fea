#pragma once

// Sets the panel from the current style's text and rewrites that text in the
// program's own layout. The text is joined, normalised and upper-cased into a working
// text; each property the panel can show is cut out of it with its value and ";".
// What is left stays in the rule as unsupported declarations, in its original case,
// below the marker line. A value the panel cannot hold exactly (a length keyword, an
// unknown colour, "!important", ...) is not taken: it stays among the unsupported
// declarations, so selecting a rule never changes what the rule says.

#include "mapping/PropertySet.h"
#include "mapping/TextView.h"

#include <optional>
#include <string>
#include <string_view>

namespace tesselo {

void ReadDeclarations(PropertySet& panel, TextView& memo);
// The panel as ReadDeclarations sets it from the lines, which are left as they are.
void ReadPanel(PropertySet& panel, const LineList& lines);

// Joins the lines with one blank between them, appends ";" (not into a string that is
// never closed), turns control bytes into blanks and drops the blanks around ":" and ";"
// and runs of blanks and of ";"; strings and escaped characters are left as they are.
// The case is kept.
std::string NormalizeDeclarationsKeepCase(const LineList& lines);
// The same, upper-cased: the working text.
std::string NormalizeDeclarations(const LineList& lines);

std::string NumberChars(std::string_view text); // "-", "." and digits, in order
std::string UnitChars(std::string_view text);   // unit letters, in lower case

// A CSS length as the panel holds it: the number as written and the unit in lower
// case (empty without unit). The text is upper case.
struct LengthParts {
    std::string Number;
    std::string Unit;
};
std::optional<LengthParts> ParseLength(std::string_view upperText);

// A colour the panel can hold: one of the sixteen names, "#" with 3 or 6 hexadecimal
// digits, or 6 digits alone.
bool IsColorValue(std::string_view upperText);

// Splits the unsupported rest into lines, each ending at a ";" that stands outside
// strings, comments and parentheses; what follows the last such ";" is the last line.
LineList SplitUnsupported(std::string_view rest);

} // namespace tesselo
