#include "editor/ElementCascade.h"

#include "document/ByteText.h"
#include "editor/PagePick.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/RuleProperties.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_set>
#include <utility>

namespace tesselo {
namespace {

// The end of a parenthesised argument that starts after `open`.
size_t ClosingParenthesis(std::string_view text, size_t open) {
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i;
    }
    return text.size();
}

Specificity Add(Specificity a, const Specificity& b) {
    for (size_t i = 0; i < a.size(); ++i)
        a[i] += b[i];
    return a;
}

Specificity OfOne(std::string_view selector) {
    Specificity count{};
    for (size_t i = 0; i < selector.size();) {
        const char c = selector[i];
        if (c == '#') {
            ++count[0];
            for (++i; i < selector.size() && IsCssNameChar(selector[i]); ++i) {
            }
        } else if (c == '.') {
            ++count[1];
            for (++i; i < selector.size() && IsCssNameChar(selector[i]); ++i) {
            }
        } else if (c == '[') {
            ++count[1];
            int depth = 0;
            for (; i < selector.size(); ++i) {
                if (selector[i] == '[')
                    ++depth;
                else if (selector[i] == ']' && --depth == 0)
                    break;
            }
            ++i;
        } else if (c == ':') {
            const bool element = i + 1 < selector.size() && selector[i + 1] == ':';
            size_t name = i + (element ? 2 : 1);
            size_t end = name;
            while (end < selector.size() && IsCssNameChar(selector[end]))
                ++end;
            const std::string pseudo = LowerAscii(selector.substr(name, end - name));
            // The old pseudo-elements written with one colon are elements all the same.
            const bool oldElement = pseudo == "before" || pseudo == "after" ||
                                    pseudo == "first-line" || pseudo == "first-letter";
            if (end < selector.size() && selector[end] == '(') {
                const size_t close = ClosingParenthesis(selector, end);
                const std::string_view argument = selector.substr(end + 1, close - end - 1);
                if (pseudo == "is" || pseudo == "not" || pseudo == "has" || pseudo == "matches")
                    count = Add(count, SpecificityOf(argument));
                else if (pseudo == "nth-child" || pseudo == "nth-last-child") {
                    ++count[1];
                    if (const size_t of = LowerAscii(argument).find(" of ");
                        of != std::string::npos)
                        count = Add(count, SpecificityOf(argument.substr(of + 4)));
                } else if (pseudo != "where")
                    ++count[element ? 2 : 1];
                i = close + 1;
            } else {
                ++count[element || oldElement ? 2 : 1];
                i = end;
            }
        } else if (c == '*') {
            ++i;
        } else if (IsCssNameChar(c)) {
            ++count[2];
            while (i < selector.size() && (IsCssNameChar(selector[i]) || selector[i] == '|'))
                ++i;
        } else if (c == '"' || c == '\'') {
            const size_t close = selector.find(c, i + 1);
            i = close == std::string_view::npos ? selector.size() : close + 1;
        } else {
            ++i;
        }
    }
    return count;
}

struct Ranked {
    bool Important;
    Specificity Rank;
    int Order;
    auto Key() const { return std::tie(Important, Rank, Order); }
};

// A rule and one of its declarations.
using At = std::pair<size_t, size_t>;

// The rules that match one element, and the declaration that wins each property among
// them: a longhand of the catalogue by its name, any other property (a custom or a
// vendor's one) by its name as written.
struct ElementRules {
    std::vector<CascadeRule> Rules;
    std::vector<RuleProperties> Blocks;
    std::map<std::string, At, std::less<>> Winners;
};

ElementRules RulesOf(const StyleDocument& document, std::vector<int> records) {
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    ElementRules element;
    std::vector<CascadeRule>& rules = element.Rules;
    std::vector<RuleProperties>& blocks = element.Blocks;
    for (int record : records) {
        if (record < 0 || record >= document.StyleCount() || document.Record(record).IsGroup())
            continue;
        const StyleRecord& rule = document.Record(record);
        if (!NamesElements(rule.Selector))
            continue;
        blocks.emplace_back(rule.BlockText());
        CascadeRule ranked{record, SpecificityOf(rule.Selector), {}};
        for (size_t i = 0; i < blocks.back().Declarations().size(); ++i) {
            const BlockDeclaration& declaration = blocks.back().Declarations()[i];
            ranked.Declarations.push_back(
                {blocks.back().Block().substr(declaration.Begin,
                                              declaration.NameEnd - declaration.Begin),
                 std::string(blocks.back().ValueAt(i)), blocks.back().ImportantAt(i), true});
        }
        rules.push_back(std::move(ranked));
    }
    for (const PropertySpec& spec : PropertyCatalog()) {
        if (!spec.Longhands.empty())
            continue;
        std::optional<At> best;
        std::optional<Ranked> bestRank;
        for (size_t rule = 0; rule < rules.size(); ++rule) {
            const auto value = blocks[rule].Read(spec.Name);
            if (!value)
                continue;
            const Ranked rank{rules[rule].Declarations[value->Declaration].Important,
                              rules[rule].Rank, rules[rule].Record};
            if (!bestRank || bestRank->Key() < rank.Key()) {
                best = At{rule, value->Declaration};
                bestRank = rank;
            }
        }
        if (best)
            element.Winners.emplace(std::string(spec.Name), *best);
    }
    for (size_t rule = 0; rule < rules.size(); ++rule)
        for (size_t i = 0; i < rules[rule].Declarations.size(); ++i) {
            const std::string& name = rules[rule].Declarations[i].Property;
            if (FindProperty(name))
                continue;
            // Of the same rank, the later declaration wins, in a rule as across rules.
            auto key = [&](const At& at) {
                const CascadeRule& r = rules[at.first];
                return std::make_tuple(r.Declarations[at.second].Important, r.Rank, r.Record,
                                       at.second);
            };
            // A custom property's name keeps its case; a vendor's one is any case.
            const auto [known, added] = element.Winners.try_emplace(
                name.starts_with("--") ? name : LowerAscii(name), At{rule, i});
            if (!added && key(known->second) < key({rule, i}))
                known->second = {rule, i};
        }
    return element;
}

// The rules holding an important declaration first, then by specificity, then later
// first.
void Rank(std::vector<CascadeRule>& rules) {
    auto holdsImportant = [](const CascadeRule& rule) {
        return std::any_of(rule.Declarations.begin(), rule.Declarations.end(),
                           [](const CascadeDeclaration& d) { return d.Important; });
    };
    std::stable_sort(rules.begin(), rules.end(), [&](const CascadeRule& a, const CascadeRule& b) {
        return std::make_tuple(holdsImportant(a), a.Rank, a.Record) >
               std::make_tuple(holdsImportant(b), b.Rank, b.Record);
    });
}

// The inherited properties the catalogue does not hold.
constexpr std::string_view kMoreInherited =
    "-moz-osx-font-smoothing -webkit-font-smoothing -webkit-hyphens -webkit-text-fill-color "
    "-webkit-text-size-adjust -webkit-text-stroke -webkit-text-stroke-color "
    "-webkit-text-stroke-width border-collapse border-spacing caption-side caret-color clip-rule "
    "color-interpolation color-scheme cursor direction empty-cells fill fill-opacity fill-rule "
    "font-feature-settings font-kerning font-optical-sizing font-palette font-size-adjust "
    "font-stretch font-synthesis font-variant-caps font-variant-east-asian "
    "font-variant-ligatures font-variant-numeric font-variation-settings hanging-punctuation "
    "hyphenate-character image-rendering line-break list-style list-style-image "
    "list-style-position list-style-type marker marker-end marker-mid marker-start orphans "
    "paint-order print-color-adjust quotes ruby-position shape-rendering stroke "
    "stroke-dasharray stroke-dashoffset stroke-linecap stroke-linejoin stroke-miterlimit "
    "stroke-opacity stroke-width tab-size text-align-last text-anchor text-emphasis "
    "text-emphasis-color text-emphasis-position text-emphasis-style text-justify "
    "text-orientation text-rendering text-size-adjust text-underline-position text-wrap "
    "visibility white-space-collapse widows word-break writing-mode";

} // namespace

Specificity SpecificityOf(std::string_view selector) {
    Specificity most{};
    for (std::string_view one : SplitValue(selector, ','))
        most = std::max(most, OfOne(one));
    return most;
}

std::vector<CascadeRule> CascadeOf(const StyleDocument& document, std::vector<int> records) {
    ElementRules element = RulesOf(document, std::move(records));
    std::set<At> applying;
    for (const auto& [name, at] : element.Winners)
        applying.insert(at);
    std::vector<CascadeRule>& rules = element.Rules;
    for (size_t rule = 0; rule < rules.size(); ++rule)
        for (size_t i = 0; i < rules[rule].Declarations.size(); ++i)
            rules[rule].Declarations[i].Overridden = !applying.contains({rule, i});
    Rank(rules);
    return std::move(rules);
}

bool IsInheritedProperty(std::string_view property) {
    if (property.starts_with("--"))
        return true;
    // The names in lower case: the catalogue's inherited ones and those it does not hold.
    static const std::unordered_set<std::string> inherited = [] {
        std::unordered_set<std::string> names;
        for (const PropertySpec& spec : PropertyCatalog())
            if (spec.Inherited)
                names.emplace(spec.Name);
        for (std::string_view name : Words(kMoreInherited))
            if (!FindProperty(name))
                names.emplace(name);
        return names;
    }();
    return inherited.contains(LowerAscii(property));
}

bool DeclaresInheritedProperty(std::string_view block) {
    // Every name in front of a colon, wherever it stands: a word of a value or a selector
    // taken for a name costs no more than a test of the ancestors.
    for (size_t colon = block.find(':'); colon != std::string_view::npos;
         colon = block.find(':', colon + 1)) {
        size_t end = colon;
        while (end > 0 && IsCssBlank(block[end - 1]))
            --end;
        size_t begin = end;
        while (begin > 0 && IsCssNameChar(block[begin - 1]))
            --begin;
        if (begin < end && IsInheritedProperty(block.substr(begin, end - begin)))
            return true;
    }
    return false;
}

std::vector<InheritedSection> InheritedCascadeOf(const StyleDocument& document,
                                                 std::vector<int> own,
                                                 const std::vector<ElementAncestor>& ancestors) {
    // The properties the element, or an ancestor nearer than the one at hand, has a value
    // of its own for: none of a farther ancestor's declarations of them reaches it.
    std::set<std::string, std::less<>> setNearer;
    for (const auto& [name, at] : RulesOf(document, std::move(own)).Winners)
        setNearer.insert(name);
    std::vector<InheritedSection> sections;
    for (const ElementAncestor& ancestor : ancestors) {
        ElementRules element = RulesOf(document, ancestor.Records);
        std::set<At> handing;
        for (const auto& [name, at] : element.Winners)
            if (IsInheritedProperty(name) && !setNearer.contains(name))
                handing.insert(at);
        InheritedSection section{ancestor.Name, {}};
        for (size_t rule = 0; rule < element.Rules.size(); ++rule) {
            CascadeRule inherited{element.Rules[rule].Record, element.Rules[rule].Rank, {}};
            for (size_t i = 0; i < element.Rules[rule].Declarations.size(); ++i) {
                CascadeDeclaration declaration = element.Rules[rule].Declarations[i];
                if (!IsInheritedProperty(declaration.Property))
                    continue;
                declaration.Overridden = !handing.contains({rule, i});
                inherited.Declarations.push_back(std::move(declaration));
            }
            if (!inherited.Declarations.empty())
                section.Rules.push_back(std::move(inherited));
        }
        for (const auto& [name, at] : element.Winners)
            setNearer.insert(name);
        if (section.Rules.empty())
            continue;
        Rank(section.Rules);
        sections.push_back(std::move(section));
    }
    return sections;
}

} // namespace tesselo
