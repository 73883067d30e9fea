#pragma once

// How a sheet is written, learned from its rules, so that what the editor writes into
// it looks like the rest: the indentation, rules on one line or on several, the case
// of hex colours, zero lengths with or without their unit.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tesselo {

struct SheetHabits {
    // The most common indentation of declarations alone on their line, in rules whose
    // selector line is not indented; "  " when there is none.
    std::string IndentStep = "  ";
    bool OneLineRules = false; // most rules with declarations are written on one line
    // The case most hex colours with letters are written in.
    enum class HexCase { Lower, Upper } Hex = HexCase::Lower;
    bool UnitlessZero = false; // a zero length written "0" more often than with its unit
};

// From the blocks of a sheet's rules (the text between "{" and "}", with the blanks in
// front of the rule's selector line); only the first `limit` blocks are read, which is
// enough to know a sheet and costs little on a huge one.
SheetHabits LearnHabits(const std::vector<std::pair<std::string_view, std::string_view>>& blocks,
                        size_t limit = 2000);

// The value as the sheet writes such values: its hex colours (outside strings and
// url()) in the sheet's case and, when the sheet writes zeros bare, its zero lengths and
// percentages outside functions and brackets as "0". Nothing else changes: times,
// angles and everything inside calc() and other functions keep their units.
std::string AsSheetWrites(std::string_view value, const SheetHabits& habits);

} // namespace tesselo
