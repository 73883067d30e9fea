#pragma once

#include "mapping/PropertySet.h"
#include "mapping/TextView.h"

namespace tesselo {

// Rebuilds the current style's text from the panel. Lines that begin with ";" are
// the writer's own and are replaced; every other non-empty line is kept, in order,
// below them. A keyword font size empties the caption of the size's unit button.
void WriteDeclarations(PropertySet& panel, TextView& memo);

bool IsFontSizeKeyword(std::string_view upperText);

} // namespace tesselo
