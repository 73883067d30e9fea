#pragma once

// The declarations of a rule as a browser finds them, for counting: its lines joined
// and cut at every ";" outside strings, comments and parentheses; the values without
// their comments. Kept apart from
// the editor's own reader on purpose, so that what the reader takes is measured
// against an independent count.

#include "document/ByteText.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesselo::dump {

struct ScannedDeclaration {
    std::string Property; // in lower case
    std::string Value;    // blanks folded, without "!important"
    bool Important = false;
    std::string Written; // "property: value", the value as written, blanks folded
    bool HasComment = false;
};

std::vector<ScannedDeclaration> ScanDeclarations(const LineList& lines);

// The parts of a value between blanks, outside strings and parentheses.
std::vector<std::string_view> ValueParts(std::string_view value);

} // namespace tesselo::dump
