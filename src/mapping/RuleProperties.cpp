#include "mapping/RuleProperties.h"

#include "document/ByteText.h"
#include "mapping/DeclarationList.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>

namespace tesselo {
namespace {

bool Same(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase(a, b);
}

// The way from a shorthand down to one of its longhands, through the shorthands between:
// "border" to "border-top-width" goes through "border-width". Each step is the index of
// the part in the shorthand above it.
std::optional<std::vector<std::pair<const PropertySpec*, size_t>>>
PathTo(const PropertySpec& shorthand, std::string_view longhand) {
    const auto parts = Words(shorthand.Longhands);
    for (size_t i = 0; i < parts.size(); ++i) {
        if (Same(parts[i], longhand))
            return std::vector<std::pair<const PropertySpec*, size_t>>{{&shorthand, i}};
        const PropertySpec* inner = FindProperty(parts[i]);
        if (inner && !inner->Longhands.empty())
            if (auto rest = PathTo(*inner, longhand)) {
                rest->insert(rest->begin(), {&shorthand, i});
                return rest;
            }
    }
    return std::nullopt;
}

// The longhand's part of a shorthand's value, through the shorthands between.
std::optional<std::string>
PartThrough(const std::vector<std::pair<const PropertySpec*, size_t>>& path, std::string value) {
    for (const auto& [spec, index] : path) {
        auto parts = SplitShorthand(*spec, value);
        if (!parts)
            return std::nullopt;
        value = (*parts)[index].Value;
    }
    return value;
}

// The shorthand's value with the longhand at the end of the path set, the shorthands
// between rewritten as they were written.
std::optional<std::string>
WithPartThrough(const std::vector<std::pair<const PropertySpec*, size_t>>& path, size_t step,
                std::string_view value, std::string_view partValue) {
    const auto& [spec, index] = path[step];
    if (step + 1 == path.size())
        return WithShorthandPart(*spec, value, index, partValue);
    auto parts = SplitShorthand(*spec, value);
    if (!parts)
        return std::nullopt;
    auto inner = WithPartThrough(path, step + 1, (*parts)[index].Value, partValue);
    if (!inner)
        return std::nullopt;
    return WithShorthandPart(*spec, value, index, *inner);
}

std::vector<std::string_view> SourcesOf(const PropertySpec& spec) {
    std::vector<std::string_view> names{spec.Name};
    for (std::string_view shorthand : Words(spec.Shorthands))
        names.push_back(shorthand);
    return names;
}

// The longhands a property sets in the end: itself for a longhand.
void AddLeaves(const PropertySpec& spec, std::vector<std::string_view>& leaves) {
    if (spec.Longhands.empty()) {
        leaves.push_back(spec.Name);
        return;
    }
    for (std::string_view part : Words(spec.Longhands))
        if (const PropertySpec* inner = FindProperty(part))
            AddLeaves(*inner, leaves);
}

// Properties that set a longhand in common: a shorthand and its parts, two shorthands
// of one side ("border" and "border-top").
bool Related(const PropertySpec& spec, const PropertySpec& other) {
    if (&spec == &other)
        return true;
    std::vector<std::string_view> mine, theirs;
    AddLeaves(spec, mine);
    AddLeaves(other, theirs);
    for (std::string_view leaf : mine)
        if (std::find(theirs.begin(), theirs.end(), leaf) != theirs.end())
            return true;
    return false;
}

std::string Comparable(const std::optional<PropertyValue>& value) {
    if (!value)
        return {};
    std::string text = LowerAscii(value->Value);
    std::erase_if(text, [](char c) { return IsCssBlank(c); });
    return text + (value->Important ? "!" : "") + (value->Known ? "" : "?");
}

} // namespace

RuleProperties::RuleProperties(std::string block) : block_(std::move(block)) {
    parsed_ = ParseBlock(block_);
    for (size_t i = 0; i < parsed_.Declarations.size(); ++i)
        byName_[parsed_.Declarations[i].Property].push_back(i);
}

std::string_view RuleProperties::ValueAt(size_t index) const {
    const BlockDeclaration& d = parsed_.Declarations[index];
    return std::string_view(block_).substr(d.ValueBegin, d.ValueEnd - d.ValueBegin);
}

bool RuleProperties::ImportantAt(size_t index) const {
    const BlockDeclaration& d = parsed_.Declarations[index];
    return d.PriorityEnd > d.PriorityBegin;
}

std::optional<size_t> RuleProperties::Winner(const std::vector<std::string_view>& names) const {
    std::optional<size_t> last, lastImportant;
    for (std::string_view name : names) {
        auto found = byName_.find(LowerAscii(name));
        if (found == byName_.end())
            continue;
        for (size_t index : found->second) {
            if (!last || index > *last)
                last = index;
            if (ImportantAt(index) && (!lastImportant || index > *lastImportant))
                lastImportant = index;
        }
    }
    return lastImportant ? lastImportant : last;
}

std::optional<PropertyValue> RuleProperties::ReadLonghand(const PropertySpec& spec) const {
    const auto winner = Winner(SourcesOf(spec));
    if (!winner)
        return std::nullopt;
    PropertyValue value;
    value.Declaration = *winner;
    value.Important = ImportantAt(*winner);
    const std::string& name = parsed_.Declarations[*winner].Property;
    value.Value = std::string(ValueAt(*winner));
    if (Same(name, spec.Name))
        return value;
    value.FromShorthand = true;
    const PropertySpec* shorthand = FindProperty(name);
    auto path = shorthand ? PathTo(*shorthand, spec.Name) : std::nullopt;
    auto part = path ? PartThrough(*path, value.Value) : std::nullopt;
    if (part)
        value.Value = std::move(*part);
    else
        value.Known = false;
    return value;
}

std::optional<PropertyValue> RuleProperties::Read(std::string_view property) const {
    const PropertySpec* spec = FindProperty(property);
    if (!spec) {
        // A property the catalogue does not know: its own declarations, the last winning.
        const auto winner = Winner({property});
        if (!winner)
            return std::nullopt;
        return PropertyValue{std::string(ValueAt(*winner)), *winner, false, ImportantAt(*winner),
                             true};
    }
    if (spec->Longhands.empty() || spec->Form == ShorthandForm::Opaque)
        return ReadLonghand(*spec);
    // A shorthand: what its parts read, from one declaration of its own when they all come
    // from there.
    const auto longhands = Words(spec->Longhands);
    std::vector<std::optional<PropertyValue>> parts;
    for (std::string_view longhand : longhands)
        parts.push_back(ReadLonghand(*FindProperty(longhand)));
    if (std::none_of(parts.begin(), parts.end(), [](const auto& p) { return p.has_value(); }))
        return std::nullopt;
    const auto own = Winner(SourcesOf(*spec));
    bool allFromOwn = own.has_value();
    for (const auto& part : parts)
        allFromOwn = allFromOwn && part && part->Declaration == *own;
    if (allFromOwn)
        return PropertyValue{std::string(ValueAt(*own)), *own,
                             !Same(parsed_.Declarations[*own].Property, spec->Name),
                             ImportantAt(*own), true};
    // Parts from several declarations: written together as the shorthand would be.
    std::vector<std::string> values;
    PropertyValue composed;
    composed.Known = true;
    for (size_t i = 0; i < parts.size(); ++i) {
        const auto& part = parts[i];
        if (part && !part->Known)
            composed.Known = false;
        values.push_back(part ? part->Value : std::string(FindProperty(longhands[i])->Initial));
        if (part)
            composed.Declaration = std::max(composed.Declaration, part->Declaration);
        composed.Important = composed.Important || (part && part->Important);
    }
    composed.FromShorthand = false;
    // The text of the parts, through a shorthand value that has them.
    std::string text;
    for (size_t i = 0; i < values.size(); ++i)
        text += (i ? " " : "") + values[i];
    if (spec->Form == ShorthandForm::Pair)
        text = values[0] == values[1] ? values[0] : values[0] + " " + values[1];
    else if (spec->Form == ShorthandForm::Lines || spec->Form == ShorthandForm::Area) {
        text.clear();
        for (size_t i = 0; i < values.size(); ++i)
            text += (i ? " / " : "") + values[i];
    }
    composed.Value = text;
    return composed;
}

std::optional<std::vector<BlockEdit>> RuleProperties::PlanSet(std::string_view property,
                                                              std::string_view value) const {
    const PropertySpec* spec = FindProperty(property);
    const std::string name = LowerAscii(property);
    auto insert = [&](bool important) {
        return std::vector<BlockEdit>{{BlockEdit::Kind::Insert, 0,
                                       spec ? std::string(spec->Name) : name,
                                       std::string(value) + (important ? " !important" : "")}};
    };
    if (!spec || spec->Longhands.empty() || spec->Form == ShorthandForm::Opaque) {
        const auto current = spec ? ReadLonghand(*spec) : Read(property);
        if (!current)
            return insert(false);
        if (!current->FromShorthand)
            return std::vector<BlockEdit>{
                {BlockEdit::Kind::Set, current->Declaration, {}, std::string(value)}};
        const PropertySpec* shorthand =
            FindProperty(parsed_.Declarations[current->Declaration].Property);
        auto path = shorthand ? PathTo(*shorthand, spec->Name) : std::nullopt;
        if (current->Known && path)
            if (auto written = WithPartThrough(*path, 0, ValueAt(current->Declaration), value))
                return std::vector<BlockEdit>{
                    {BlockEdit::Kind::Set, current->Declaration, {}, *written}};
        return insert(current->Important);
    }
    // A shorthand: its own last declaration takes the value; the declarations of its parts
    // after it, which would override it, go.
    std::vector<std::string_view> names = SourcesOf(*spec);
    const auto own = [&]() -> std::optional<size_t> {
        auto found = byName_.find(name);
        if (found == byName_.end() || found->second.empty())
            return std::nullopt;
        return found->second.back();
    }();
    std::vector<BlockEdit> edits;
    bool important = own && ImportantAt(*own);
    for (size_t i = 0; i < parsed_.Declarations.size(); ++i) {
        const PropertySpec* other = FindProperty(parsed_.Declarations[i].Property);
        if (!other || other == spec || !Related(*spec, *other))
            continue;
        bool isPart = false;
        for (std::string_view shorthand : Words(other->Shorthands))
            isPart = isPart || Same(shorthand, spec->Name);
        if (isPart && (!own || i > *own)) {
            important = important || ImportantAt(i);
            edits.push_back({BlockEdit::Kind::Remove, i, {}, {}});
        }
    }
    if (own)
        edits.push_back({BlockEdit::Kind::Set, *own, {}, std::string(value)});
    else
        for (auto& edit : insert(important))
            edits.push_back(std::move(edit));
    return edits;
}

std::optional<std::vector<BlockEdit>> RuleProperties::PlanRemove(std::string_view property) const {
    std::vector<BlockEdit> edits;
    if (auto found = byName_.find(LowerAscii(property)); found != byName_.end())
        for (size_t index : found->second)
            edits.push_back({BlockEdit::Kind::Remove, index, {}, {}});
    if (!edits.empty())
        return edits;
    const PropertySpec* spec = FindProperty(property);
    if (!spec)
        return std::nullopt;
    const auto current = Read(property);
    if (!current || !current->FromShorthand)
        return std::nullopt;
    return PlanSet(property, spec->Initial);
}

bool KeepsOtherProperties(const RuleProperties& before, const RuleProperties& after,
                          std::string_view property) {
    const PropertySpec* changed = FindProperty(property);
    for (const PropertySpec& spec : PropertyCatalog()) {
        if (changed && Related(*changed, spec))
            continue;
        if (!changed && Same(spec.Name, property))
            continue;
        // Siblings in one shorthand (flex-shrink when flex-grow changes) must stay.
        if (Comparable(before.Read(spec.Name)) != Comparable(after.Read(spec.Name)))
            return false;
    }
    return true;
}

namespace {

std::optional<std::string> Checked(const RuleProperties& before, std::optional<std::string> edited,
                                   std::string_view property,
                                   const std::optional<std::string_view>& value) {
    if (!edited)
        return std::nullopt;
    const RuleProperties after(*edited);
    if (!KeepsOtherProperties(before, after, property))
        return std::nullopt;
    const auto now = after.Read(property);
    if (value) {
        if (!now || !now->Known)
            return std::nullopt;
        std::string want = LowerAscii(*value);
        std::string got = LowerAscii(now->Value);
        std::erase_if(want, [](char c) { return IsCssBlank(c); });
        std::erase_if(got, [](char c) { return IsCssBlank(c); });
        if (want != got)
            return std::nullopt;
    }
    return edited;
}

} // namespace

std::optional<std::string> SetPropertyInBlock(std::string_view block, std::string_view property,
                                              std::string_view value, const BlockContext& context) {
    const RuleProperties before{std::string(block)};
    auto edits = before.PlanSet(property, value);
    if (!edits)
        return std::nullopt;
    if (auto done = Checked(before, RewriteBlock(block, *edits, context), property, value))
        return done;
    // A shorthand that cannot take the part as one of its own ("border" a colour for one
    // side): the property is added after it, as important as what it overrides.
    const auto current = before.Read(property);
    if (!current || !current->FromShorthand)
        return std::nullopt;
    const std::vector<BlockEdit> added{
        {BlockEdit::Kind::Insert, 0, LowerAscii(property),
         std::string(value) + (current->Important ? " !important" : "")}};
    return Checked(before, RewriteBlock(block, added, context), property, value);
}

std::optional<std::string> RemovePropertyFromBlock(std::string_view block,
                                                   std::string_view property,
                                                   const BlockContext& context) {
    const RuleProperties before{std::string(block)};
    auto edits = before.PlanRemove(property);
    if (!edits)
        return std::nullopt;
    return Checked(before, RewriteBlock(block, *edits, context), property, std::nullopt);
}

} // namespace tesselo
