#pragma once

// One change made in the panel, as a user makes it: of the controls a rule has set
// after reading, one gets another value (a length field another length, a keyword
// group another button, a checked colour another colour, a font box another entry).

#include "mapping/PropertySet.h"

#include <optional>
#include <string>

namespace tesselo::dump {

struct PanelEdit {
    std::string Control;  // the control's name: "MarginTop"
    std::string Property; // the CSS property it sets, in lower case: "margin-top"
    std::string Value;    // the value it now sets, as CSS: "17px"
};

// How many controls the panel has set, in the order EditOneControl counts them.
int SetControlCount(const PropertySet& panel);

// Changes set control number `pick` modulo their count; nothing when no control is set.
std::optional<PanelEdit> EditOneControl(PropertySet& panel, int pick);

} // namespace tesselo::dump
