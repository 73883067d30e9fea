#pragma once

// The rules of the sheet that match an element picked on the page, in the order the
// browser's cascade ranks them, each with its declarations and whether another rule's
// declaration wins over it, as the browsers' style inspectors show them: the rules
// holding "!important" declarations first, then the more specific, then the later.

#include "document/StyleDocument.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// Ids, then classes, attributes and pseudo-classes, then types and pseudo-elements.
using Specificity = std::array<int, 3>;

// The specificity of a selector list: that of its most specific selector. `:is()`,
// `:not()` and `:has()` count as their most specific argument, `:where()` as nothing.
Specificity SpecificityOf(std::string_view selector);

struct CascadeDeclaration {
    std::string Property; // as written
    std::string Value;
    bool Important = false;
    // Another rule's declaration (or a later one of this rule) applies instead, for
    // every property this one sets.
    bool Overridden = false;
    bool operator==(const CascadeDeclaration&) const = default;
};

struct CascadeRule {
    int Record = -1;
    Specificity Rank{};
    std::vector<CascadeDeclaration> Declarations;
};

// The records (rules of the document that the page says match the element, in any
// order), ranked; a record that is a group or has nested rules is left out.
std::vector<CascadeRule> CascadeOf(const StyleDocument& document, std::vector<int> records);

} // namespace tesselo
