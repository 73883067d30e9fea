#pragma once

// The rules of the sheet that match an element picked on the page, in the order the
// browser's cascade ranks them, each with its declarations and whether another rule's
// declaration wins over it, as the browsers' style inspectors show them: the rules
// holding "!important" declarations first, then the more specific, then the later.
// Below them, for each ancestor, the nearest first, the rules that match it and the
// declarations of theirs that the element inherits.

#include "document/Browser.h"
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

// Whether an element takes the property from its parent when no rule of its own sets it
// (color, font-*, visibility, custom properties...), in any case.
bool IsInheritedProperty(std::string_view property);
// Whether a rule's block may declare such a property: true for every block that does,
// and seldom for one that does not, read quickly from the text alone.
bool DeclaresInheritedProperty(std::string_view block);

// An ancestor of the element and the records that match it.
struct ElementAncestor {
    std::string Name; // "div#main.card"
    std::vector<int> Records;
};

// The rules of one ancestor that hand the element something, ranked as CascadeOf ranks
// them, with only their inherited declarations. A declaration is struck through when
// another of its ancestor's rules wins it, or the element's own rules or a nearer
// ancestor's set each property it sets, whatever their importance.
struct InheritedSection {
    std::string Ancestor;
    std::vector<CascadeRule> Rules;
};

// The sections of the ancestors (the parent first) that have such rules; `own` are the
// element's own records.
std::vector<InheritedSection> InheritedCascadeOf(const StyleDocument& document,
                                                 std::vector<int> own,
                                                 const std::vector<ElementAncestor>& ancestors);

// What the page said of the computed values of the element picked last.
struct ComputedAnswer {
    enum class State { NotAsked, Asked, Known, NoAnswer };
    State Now = State::NotAsked;
    std::vector<std::string> Asked; // the properties, in the rules' order
    // In the order asked; none when the element is no longer on the page.
    std::vector<ComputedValue> Values;
};

} // namespace tesselo
