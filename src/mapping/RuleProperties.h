#pragma once

// What a rule's block, as its author wrote it, gives each property of the catalogue, as
// the browser takes it: the last declaration wins, "!important" wins over the others,
// a shorthand gives its parts. And the block edits that change one property: its own
// declaration's value in place, a shorthand's part in the shorthand as written, or a
// declaration added after the last one.

#include "mapping/BlockRewriter.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/PropertyCatalog.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

struct PropertyValue {
    std::string Value;          // as written; a shorthand's part as the shorthand gives it
    size_t Declaration = 0;     // the declaration that gives it, in ParseBlock's order
    bool FromShorthand = false; // that declaration is a shorthand of the property
    bool Important = false;
    // False when that shorthand cannot be taken apart (it holds var()): the value is the
    // shorthand's whole text, and the part is not known.
    bool Known = true;
    bool operator==(const PropertyValue&) const = default;
};

class RuleProperties {
public:
    explicit RuleProperties(std::string block);

    const std::string& Block() const { return block_; }
    const std::vector<BlockDeclaration>& Declarations() const { return parsed_.Declarations; }
    std::string_view ValueAt(size_t index) const;
    bool ImportantAt(size_t index) const;

    // What applies of the property: nothing when the rule does not set it. A shorthand
    // reads as its last declaration, or as its parts written together when these come
    // from elsewhere.
    std::optional<PropertyValue> Read(std::string_view property) const;

    // The edits that make the property `value` where it now applies; nothing when it
    // cannot be done.
    std::optional<std::vector<BlockEdit>> PlanSet(std::string_view property,
                                                  std::string_view value) const;
    // The edits that take the rule's own declarations of the property away; where only a
    // shorthand sets it, its part goes back to the property's initial value.
    std::optional<std::vector<BlockEdit>> PlanRemove(std::string_view property) const;

private:
    std::optional<PropertyValue> ReadLonghand(const PropertySpec& spec) const;
    // The last declaration (the last important one, when there is one) of any of `names`.
    std::optional<size_t> Winner(const std::vector<std::string_view>& names) const;

    std::string block_;
    DeclarationBlock parsed_;
    std::map<std::string, std::vector<size_t>, std::less<>> byName_;
};

// The block with the property set or removed, as the edits above make it, and only
// when every other property of the catalogue still reads as it did and the property
// reads as asked. Nothing when that cannot be.
std::optional<std::string> SetPropertyInBlock(std::string_view block, std::string_view property,
                                              std::string_view value, const BlockContext& context);
std::optional<std::string> RemovePropertyFromBlock(std::string_view block,
                                                   std::string_view property,
                                                   const BlockContext& context);

// Whether `after` means what `before` means for every property of the catalogue but
// `property`, its shorthands and its longhands.
bool KeepsOtherProperties(const RuleProperties& before, const RuleProperties& after,
                          std::string_view property);

} // namespace tesselo
