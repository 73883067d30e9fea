#pragma once

// What the current style's text shows as wrong while it is typed, each with its place
// and a hint in Russian: an unknown property, a value the property does not take, a
// missing ":" or ";", and what would break the rule out of its place when stored.
// Nothing is refused here: the marks only show.

#include "document/SheetEncoding.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

struct TextMark {
    size_t Begin = 0;
    size_t End = 0;   // past the last byte marked; at least one byte where the text has one
    std::string Hint; // UTF-8
    bool operator==(const TextMark&) const = default;
};

// The marks of a rule's text between its braces, in the order of the text.
std::vector<TextMark> CheckRuleText(std::string_view text, SheetEncoding encoding);

// Whether browsers know the property: the catalogue's, custom properties, the other
// standard ones; a vendor's properties are taken as they are.
bool IsKnownProperty(std::string_view name);
// The standard properties the catalogue has no row for, in alphabetical order.
std::span<const std::string_view> OtherStandardProperties();

} // namespace tesselo
