#pragma once

// The text rules of the numeric length fields: which keys a field takes, how its
// text reads as a number and how it is cleaned when the user leaves it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tesselo {

// The decision on one typed character.
struct KeyVerdict {
    bool Accepted = false;
    char Key = 0;         // what is entered when accepted: a comma becomes a point
    bool Retyped = false; // the field's text was replaced (a minus added or taken away)
    std::string Text;     // the new text when retyped; the caret goes after a new minus
};

// `text` is the field's text before the key. While the text is a number, digits, the
// point and the minus follow the number's rules; past it (a unit, a keyword, calc())
// the characters of a CSS value are taken as typed.
KeyVerdict FilterLengthKey(std::string_view text, char key);

// Digits, points, commas and minus signs only: what the field has always held.
bool IsNumberText(std::string_view text);

// The text as a decimal number; an empty text, a lone "-" or anything unreadable is 0.
double ReadDecimal(std::string_view text);

// Halves go to the even neighbour; the result is kept within 32 bits.
int32_t RoundHalfEven(double value);

// A whole number of 16 bits, as the leave step reads the part before the point.
enum class WholeError { None, NotANumber, OutOfRange };
struct WholeReading {
    int Value = 0;
    WholeError Error = WholeError::None;
};
WholeReading ReadWhole16(std::string_view text);

// What leaving a field makes of its text: every character other than digits and "-"
// removed, a comma turned into a point; `wholePart` is the part before the first
// separator as it stood (empty when there is no separator).
struct LeaveResult {
    std::string Text;
    std::string WholePart;
};
LeaveResult NormaliseOnLeave(std::string_view text);

} // namespace tesselo
