#pragma once

// States forced on the element picked on the page, so that the rules of ":hover" and its
// kin apply while they are edited, without an event the page's scripts could see: the
// element (and, for the states its ancestors share, they too) is given an attribute
// per state, and the sheet's rules that name a forced state are given to the page again
// with the state written as that attribute.

#include "document/StyleDocument.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// The states that can be forced, as their pseudo-classes name them.
inline constexpr std::array<std::string_view, 7> kForcedStates = {
    "hover", "focus", "focus-visible", "active", "visited", "focus-within", "checked"};

// The selector with the pseudo-class of each forced state written as the attribute
// the page's element is given (":hover" as "[data-tesselo-hover]"), outside strings
// and in any case; the same selector when it names none.
std::string WithForcedStates(std::string_view selector, const std::vector<std::string>& states);

// The rules of the document that name a forced state, rewritten so, each inside its
// groups: a style sheet the page takes after its own. Empty when none names one.
// `blockOf` gives a rule's text by its row, where it is not yet its record's (the current
// rule's view); the record's text without it.
std::string ForcedStateSheet(const StyleDocument& document, const std::vector<std::string>& states,
                             const std::function<std::string(int row)>& blockOf = {});

} // namespace tesselo
