#pragma once

// Declarations that cannot act where they stand, as the browsers' style editors mark them:
// a flex or grid container's property on an element that is neither, a flex item's on a
// child of something that is no flex container, an offset on an element not positioned,
// a width on an inline element. Decided from what the page computes for the element.

#include "document/Browser.h"

#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// Why the property does nothing on an element of these facts; empty when it may act.
std::string InactiveReason(std::string_view property, const ElementFacts& facts);

struct InactiveMark {
    size_t Begin = 0; // the declaration's name in the block
    size_t End = 0;
    std::string Reason;
    bool operator==(const InactiveMark&) const = default;
};
// The declarations of a rule's block that cannot act on the element, in their order.
std::vector<InactiveMark> InactiveDeclarations(std::string_view block, const ElementFacts& facts);

} // namespace tesselo
