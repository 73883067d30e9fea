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
#include <set>
#include <tuple>
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

} // namespace

Specificity SpecificityOf(std::string_view selector) {
    Specificity most{};
    for (std::string_view one : SplitValue(selector, ','))
        most = std::max(most, OfOne(one));
    return most;
}

std::vector<CascadeRule> CascadeOf(const StyleDocument& document, std::vector<int> records) {
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    std::vector<CascadeRule> rules;
    std::vector<RuleProperties> blocks;
    for (int record : records) {
        if (record < 0 || record >= document.StyleCount() || document.Record(record).IsGroup())
            continue;
        const StyleRecord& rule = document.Record(record);
        if (!NamesElements(rule.Selector))
            continue;
        blocks.emplace_back(rule.BlockText());
        CascadeRule ranked{record, SpecificityOf(rule.Selector), {}};
        for (size_t i = 0; i < blocks.back().Declarations().size(); ++i)
            ranked.Declarations.push_back({blocks.back().Declarations()[i].Property,
                                           std::string(blocks.back().ValueAt(i)),
                                           blocks.back().ImportantAt(i), true});
        rules.push_back(std::move(ranked));
    }
    // Each property of the catalogue goes to the declaration that wins it; a property the
    // catalogue does not know (a custom or a vendor's one) is its name alone.
    std::set<std::pair<size_t, size_t>> applying; // rule, declaration
    auto win = [&](const std::vector<std::pair<size_t, size_t>>& candidates) {
        std::optional<std::pair<size_t, size_t>> best;
        std::optional<Ranked> bestRank;
        for (const auto& [rule, declaration] : candidates) {
            const Ranked rank{rules[rule].Declarations[declaration].Important, rules[rule].Rank,
                              rules[rule].Record};
            if (!bestRank || bestRank->Key() < rank.Key()) {
                best = {rule, declaration};
                bestRank = rank;
            }
        }
        if (best)
            applying.insert(*best);
    };
    for (const PropertySpec& spec : PropertyCatalog()) {
        if (!spec.Longhands.empty())
            continue;
        std::vector<std::pair<size_t, size_t>> candidates;
        for (size_t rule = 0; rule < rules.size(); ++rule)
            if (const auto value = blocks[rule].Read(spec.Name))
                candidates.emplace_back(rule, value->Declaration);
        win(candidates);
    }
    std::map<std::string, std::vector<std::pair<size_t, size_t>>, std::less<>> unknown;
    for (size_t rule = 0; rule < rules.size(); ++rule)
        for (size_t i = 0; i < rules[rule].Declarations.size(); ++i) {
            const std::string& name = rules[rule].Declarations[i].Property;
            if (!FindProperty(name))
                unknown[name].emplace_back(rule, i);
        }
    for (const auto& [name, candidates] : unknown) {
        // Of the same rank, the later declaration wins, in a rule as across rules.
        auto key = [&](const std::pair<size_t, size_t>& at) {
            const CascadeRule& rule = rules[at.first];
            return std::make_tuple(rule.Declarations[at.second].Important, rule.Rank, rule.Record,
                                   at.second);
        };
        applying.insert(
            *std::max_element(candidates.begin(), candidates.end(),
                              [&](const auto& a, const auto& b) { return key(a) < key(b); }));
    }
    for (size_t rule = 0; rule < rules.size(); ++rule)
        for (size_t i = 0; i < rules[rule].Declarations.size(); ++i)
            rules[rule].Declarations[i].Overridden = !applying.contains({rule, i});
    // The rules holding an important declaration first, then by specificity, then later
    // first.
    auto holdsImportant = [](const CascadeRule& rule) {
        return std::any_of(rule.Declarations.begin(), rule.Declarations.end(),
                           [](const CascadeDeclaration& d) { return d.Important; });
    };
    std::stable_sort(rules.begin(), rules.end(), [&](const CascadeRule& a, const CascadeRule& b) {
        return std::make_tuple(holdsImportant(a), a.Rank, a.Record) >
               std::make_tuple(holdsImportant(b), b.Rank, b.Record);
    });
    return rules;
}

} // namespace tesselo
