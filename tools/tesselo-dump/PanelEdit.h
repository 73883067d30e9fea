#pragma once

// One change made in the panel, as a user makes it: of the controls a rule has set
// after reading, one gets another value (a length field another length, a keyword
// group another button, a checked colour another colour, a font box another entry).

#include "mapping/PropertyCatalog.h"
#include "mapping/PropertySet.h"

#include <optional>
#include <string>
#include <string_view>

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

// A change made through a control built from the catalogue, on the page "Раскладка" or
// "Все свойства": another value than `value` that the property's control holds, as a
// user picks it. A keyword control takes another of its keywords (the next button, or
// the first button when the value has none), a length or number control the number
// plus one in its unit ("0" of a length becomes "1px", and a sum of zero, which a sheet
// may write without unit, is passed over: "-1rem" becomes "1rem"), a colour control another
// colour. Nothing for a text field or a picture, for a value the control does not hold
// (var(), calc(), several parts), or for a keyword with no other.
std::optional<std::string> OtherValue(const PropertySpec& spec, std::string_view value);

// The change a rule's block gets: its first declared property of those pages, set to
// another value than the one that applies. Nothing when the block declares none, or
// when the control of the first holds no other value.
std::optional<PanelEdit> CatalogEdit(std::string_view block);

} // namespace tesselo::dump
