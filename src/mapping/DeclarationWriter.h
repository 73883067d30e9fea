#pragma once

#include "mapping/PropertySet.h"
#include "mapping/TextView.h"

#include <optional>
#include <string>

namespace tesselo {

// Rebuilds the current style's text from the panel. Lines that begin with ";" are
// the writer's own and are replaced; every other non-empty line is kept, in order,
// below them. A keyword font size empties the caption of the size's unit button.
// A property the user did not change since it was read is written as it was read,
// with the declarations in front of it that older browsers fall back on; a changed
// one is written anew in the form it was read, and a field that holds no value of its
// property writes nothing.
void WriteDeclarations(PropertySet& panel, TextView& memo);

// The value the writer writes for a property (no "!important"), nothing when it is
// not set or holds no value of its property.
std::optional<std::string> SlotValue(const PropertySet& panel, Slot slot);

bool IsFontSizeKeyword(std::string_view upperText);

// A picture's path as url("..."), its quotes and backslashes escaped and a line end
// written as the escape of one.
std::string QuotedPictureUrl(std::string_view path);

} // namespace tesselo
