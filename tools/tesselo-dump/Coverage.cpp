#include "Coverage.h"

#include "DeclarationScan.h"
#include "document/ByteText.h"
#include "document/SheetComposer.h"
#include "document/SheetReader.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/SheetVariables.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tesselo::dump {
namespace {

// The catalogue's forms do not give these: "inset" sets the panel's top to left but is
// no shorthand of the panel's, and "border-top" sets border-top-width, no panel row.
constexpr std::array<std::string_view, 9> kShorthands = {
    "margin",        "padding",     "border",     "border-top", "border-right",
    "border-bottom", "border-left", "background", "font",
};

bool StartsWithFunction(std::string_view value, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names)
        if (value.size() > name.size() && value.substr(0, name.size()) == name &&
            value[name.size()] == '(')
            return true;
    return false;
}

bool IsNumberStart(std::string_view value) {
    size_t i = value[0] == '-' || value[0] == '+' ? 1 : 0;
    if (i < value.size() && value[i] == '.')
        ++i;
    return i < value.size() && value[i] >= '0' && value[i] <= '9';
}

bool IsIdentifier(std::string_view value) {
    for (char c : value)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'))
            return false;
    return !value.empty() && !(value[0] >= '0' && value[0] <= '9');
}

std::string Percent(const Share& share) {
    if (share.Total == 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%",
                  100.0 * static_cast<double>(share.Taken) / static_cast<double>(share.Total));
    return text;
}

std::string ShareText(const Share& share) {
    return std::to_string(share.Taken) + "/" + std::to_string(share.Total) + " " + Percent(share);
}

} // namespace

bool IsPanelLonghand(std::string_view property) {
    const PropertySpec* spec = FindProperty(property);
    return spec && spec->Page == CatalogPage::Panel && spec->Name == property;
}

bool IsPanelShorthand(std::string_view property) {
    return std::find(kShorthands.begin(), kShorthands.end(), property) != kShorthands.end();
}

std::string ValueKind(const ScannedDeclaration& d) {
    const std::string lower = LowerAscii(d.Value);
    const std::string_view property = d.Property;
    if (d.HasComment)
        return "comment";
    if (d.Important)
        return "!important";
    if (lower.find("var(") != std::string::npos)
        return "var()";
    if (IsPanelShorthand(property))
        return "shorthand";
    const auto parts = ValueParts(lower);
    if (parts.size() > 1)
        return "several values";
    if (parts.empty())
        return "other";
    const std::string_view only = parts[0];
    if (StartsWithFunction(only, {"rgb", "rgba", "hsl", "hsla", "hwb", "lab", "lch", "oklab",
                                  "oklch", "color", "color-mix"}))
        return "colour function";
    if (only.find('(') != std::string_view::npos)
        return "function";
    if (IsNumberStart(only))
        return "unit";
    if (IsIdentifier(only))
        return "keyword";
    return "other";
}

void CoverageCount::AddRest(std::map<std::string, Rest>& groups, const std::string& key,
                            const std::string& example) {
    Rest& rest = groups[key];
    ++rest.Count;
    ++rest.Examples[example];
}

void CoverageCount::AddSheet(const std::string& name, StyleEditor& editor) {
    SheetCount sheet;
    sheet.Name = name;
    const StyleDocument& document = editor.Document();
    for (int i = 0; i < document.StyleCount(); ++i) {
        if (document.Record(i).IsGroup())
            continue; // its rules are counted as records of their own
        const LineList lines = document.Record(i).Lines();
        if (HoldsNestedRules(lines)) {
            ++sheet.Nested;
            continue;
        }
        ++sheet.Rules;
        editor.Select(i);
        const LineList& memo = editor.Memo().Lines;
        const auto marker = std::find_if(memo.begin(), memo.end(), IsUnsupportedComment);
        const LineList keptLines(marker == memo.end() ? memo.end() : marker + 1, memo.end());

        std::map<std::string, long> declared;
        for (const auto& d : ScanDeclarations(lines)) {
            if (IsPanelLonghand(d.Property) || IsPanelShorthand(d.Property))
                ++declared[d.Property];
            if (d.Property.starts_with("--")) {
                ++custom_;
                continue;
            }
            const PropertySpec* spec = FindProperty(d.Property);
            const bool taken = spec && ValueFits(*spec, d.Value);
            controls_.Add({taken ? 1 : 0, 1});
            if (!taken)
                ++untaken_[d.Property];
        }
        std::map<std::string, long> kept;
        for (const auto& d : ScanDeclarations(keptLines)) {
            const auto found = declared.find(d.Property);
            if (found == declared.end() || kept[d.Property] >= found->second)
                continue; // a kept declaration the rule did not hold counts for nothing
            ++kept[d.Property];
            AddRest(byProperty_, d.Property, d.Written);
            AddRest(byKind_, ValueKind(d), d.Written);
        }
        for (const auto& [property, count] : declared) {
            const Share share{count - kept[property], count};
            sheet.All.Add(share);
            if (IsPanelLonghand(property))
                sheet.Longhands.Add(share);
        }
    }
    const SheetVariables variables{document};
    for (const VariableDefinition& definition : variables.Definitions())
        customTyped_.Add({variables.KindOf(definition) != VariableKind::Text ? 1 : 0, 1});
    sheets_.push_back(std::move(sheet));
}

void CoverageCount::Report(std::ostream& out) const {
    SheetCount all;
    all.Name = std::to_string(sheets_.size()) + " sheets";
    auto line = [&out](std::string_view tag, const SheetCount& s) {
        out << tag << '\t' << s.Name << "\trules " << s.Rules << "\tnested left out " << s.Nested
            << "\ttaken " << ShareText(s.All) << "\tlonghands " << ShareText(s.Longhands) << '\n';
    };
    for (const SheetCount& sheet : sheets_) {
        line("sheet", sheet);
        all.Rules += sheet.Rules;
        all.Nested += sheet.Nested;
        all.All.Add(sheet.All);
        all.Longhands.Add(sheet.Longhands);
    }
    line("all", all);

    auto groups = [&out](std::string_view tag, const std::map<std::string, Rest>& byKey) {
        std::vector<std::pair<std::string, const Rest*>> sorted;
        for (const auto& [key, rest] : byKey)
            sorted.emplace_back(key, &rest);
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return a.second->Count > b.second->Count;
        });
        for (const auto& [key, rest] : sorted) {
            std::vector<std::pair<std::string, long>> examples(rest->Examples.begin(),
                                                               rest->Examples.end());
            std::stable_sort(examples.begin(), examples.end(),
                             [](const auto& a, const auto& b) { return a.second > b.second; });
            out << tag << '\t' << key << '\t' << rest->Count;
            for (size_t i = 0; i < examples.size() && i < 3; ++i)
                out << (i ? " | " : "\t") << examples[i].first << " x" << examples[i].second;
            out << '\n';
        }
    };
    groups("kind", byKind_);
    groups("property", byProperty_);

    out << "catalog\tall declarations: " << controls_.Taken << " of " << controls_.Total
        << " taken into a control (" << Percent(controls_) << ")\n";
    out << "catalog\tcustom properties: " << custom_
        << "; variables in a typed editor: " << customTyped_.Taken << " of " << customTyped_.Total
        << " (" << Percent(customTyped_) << ")\n";
    // The most frequent first, those as frequent in the order of their names.
    std::vector<std::pair<std::string, long>> untaken(untaken_.begin(), untaken_.end());
    std::stable_sort(untaken.begin(), untaken.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    constexpr size_t kShown = 40;
    for (size_t i = 0; i < untaken.size() && i < kShown; ++i)
        out << "untaken\t" << untaken[i].first << '\t' << untaken[i].second << '\n';
}

} // namespace tesselo::dump
