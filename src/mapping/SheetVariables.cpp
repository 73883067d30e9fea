#include "mapping/SheetVariables.h"

#include "document/ByteText.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"
#include "mapping/LayeredValue.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tesselo {
namespace {

using Piece = CssPiece::Kind;

// How deep var() may lead into var(): a chain longer than any sheet writes is taken for
// a circle the name check missed.
constexpr int kDeepestChain = 32;

bool StartsVar(std::string_view text, size_t at) {
    if (!EqualsIgnoringAsciiCase(text.substr(at, 4), "var("))
        return false;
    return at == 0 || (!IsCssNameChar(text[at - 1]) && text[at - 1] != '\\');
}

// Past the ")" that closes the parenthesis opened just before `at`, or the text's end.
size_t CloseOf(std::string_view text, size_t at, std::vector<size_t>* commaAt = nullptr) {
    int depth = 1;
    while (at < text.size()) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What == Piece::Byte) {
            const char c = text[at];
            if (c == '(' || c == '[' || c == '{')
                ++depth;
            else if ((c == ')' || c == ']' || c == '}') && --depth == 0)
                return at + 1;
            else if (c == ',' && depth == 1 && commaAt && commaAt->empty())
                commaAt->push_back(at);
        }
        at = piece.End;
    }
    return text.size();
}

void CollectReferences(std::string_view text, size_t from, size_t to,
                       std::vector<VarReference>& found) {
    for (size_t at = from; at < to;) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What != Piece::Byte || !StartsVar(text, at)) {
            at = piece.End;
            continue;
        }
        VarReference ref;
        ref.Begin = at;
        size_t name = at + 4;
        while (name < to && IsCssBlank(text[name]))
            ++name;
        size_t nameEnd = name;
        while (nameEnd < to && (IsCssNameChar(text[nameEnd]) || text[nameEnd] == '\\')) {
            nameEnd += text[nameEnd] == '\\' ? 2u : 1u;
        }
        nameEnd = std::min(nameEnd, to);
        ref.NameBegin = name;
        ref.NameEnd = nameEnd;
        ref.Name = std::string(text.substr(name, nameEnd - name));
        std::vector<size_t> comma;
        ref.End = std::min(CloseOf(text, at + 4, &comma), to);
        const size_t inner = ref.End > at + 4 && text[ref.End - 1] == ')' ? ref.End - 1 : ref.End;
        const size_t index = found.size();
        found.push_back(ref);
        if (!comma.empty() && comma.front() < inner) {
            const size_t fallback = comma.front() + 1;
            found[index].Fallback =
                std::string(TrimCssBlanks(text.substr(fallback, inner - fallback)));
            CollectReferences(text, fallback, inner, found);
        }
        at = ref.End;
    }
}

std::string_view FunctionName(std::string_view value) {
    const size_t open = value.find('(');
    if (open == std::string_view::npos || value.back() != ')')
        return {};
    for (size_t i = 0; i < open; ++i)
        if (!IsCssNameChar(value[i]))
            return {};
    return value.substr(0, open);
}

bool IsColorFunctionName(std::string_view name) {
    static constexpr std::array<std::string_view, 12> kNames = {
        "rgb", "rgba",  "hsl",   "hsla",  "hwb",       "lab",
        "lch", "oklab", "oklch", "color", "color-mix", "light-dark"};
    const std::string lower = LowerAscii(name);
    return std::find(kNames.begin(), kNames.end(), lower) != kNames.end();
}

bool IsRgbTriple(std::string_view value) {
    const auto parts = SplitValue(value, ',');
    if (parts.size() != 3)
        return false;
    for (std::string_view part : parts) {
        if (part.empty() || part.size() > 3 ||
            !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        if (std::stoi(std::string(part)) > 255)
            return false;
    }
    return true;
}

// A math function over lengths: some number in it carries a length unit or "%".
bool IsLengthMath(std::string_view value) {
    const std::string_view name = FunctionName(value);
    if (name.empty())
        return false;
    const std::string lower = LowerAscii(name);
    if (lower != "calc" && lower != "min" && lower != "max" && lower != "clamp")
        return false;
    for (size_t i = 0; i < value.size(); ++i) {
        if (!(value[i] >= '0' && value[i] <= '9'))
            continue;
        size_t end = i;
        while (end < value.size() &&
               ((value[end] >= '0' && value[end] <= '9') || value[end] == '.'))
            ++end;
        size_t unit = end;
        while (unit < value.size() &&
               ((value[unit] >= 'a' && value[unit] <= 'z') ||
                (value[unit] >= 'A' && value[unit] <= 'Z') || value[unit] == '%'))
            ++unit;
        const std::string_view u = value.substr(end, unit - end);
        if (u == "%" || (!u.empty() && IsLengthUnit(u)))
            return true;
        i = unit;
    }
    return false;
}

bool IsTime(std::string_view value) {
    const std::string lower = LowerAscii(value);
    for (std::string_view unit : {std::string_view("ms"), std::string_view("s")}) {
        if (lower.size() <= unit.size() || !lower.ends_with(unit))
            continue;
        const std::string_view number =
            std::string_view(lower).substr(0, lower.size() - unit.size());
        const auto split = SplitNumberAndUnit(number);
        return split && split->Unit.empty();
    }
    return false;
}

bool IsGlobalSelector(std::string_view selector) {
    for (std::string_view item : SplitValue(selector, ',')) {
        const std::string lower = LowerAscii(TrimCssBlanks(item));
        if (lower == ":root" || lower == "html" || lower == ":host")
            return true;
    }
    return false;
}

// The registration "@property --name": the variable's name; empty for another rule.
std::string_view RegisteredName(std::string_view selector) {
    selector = TrimCssBlanks(selector);
    if (!EqualsIgnoringAsciiCase(selector.substr(0, 9), "@property"))
        return {};
    selector = TrimCssBlanks(selector.substr(9));
    return IsCustomPropertyName(selector) ? selector : std::string_view();
}

} // namespace

bool IsCustomPropertyName(std::string_view name) {
    if (name.size() < 3 || name.substr(0, 2) != "--")
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return IsCssNameChar(c) || c == '\\'; });
}

std::vector<VarReference> FindVarReferences(std::string_view value) {
    std::vector<VarReference> found;
    CollectReferences(value, 0, value.size(), found);
    std::sort(found.begin(), found.end(),
              [](const VarReference& a, const VarReference& b) { return a.Begin < b.Begin; });
    return found;
}

VariableKind KindOfValue(std::string_view value) {
    value = TrimCssBlanks(value);
    if (value.empty())
        return VariableKind::Text;
    const std::string lower = LowerAscii(value);
    if (ParseColor(value) || lower == "transparent" || lower == "currentcolor" ||
        IsColorFunctionName(FunctionName(value)))
        return VariableKind::Color;
    if (IsRgbTriple(value))
        return VariableKind::RgbTriple;
    if (IsTime(value))
        return VariableKind::Time;
    if (const auto split = SplitNumberAndUnit(value))
        return split->Unit.empty() && split->Number != "0" ? VariableKind::Number
                                                           : VariableKind::Length;
    if (lower.size() > 1 && lower.back() == '%' &&
        SplitNumberAndUnit(std::string_view(lower).substr(0, lower.size() - 1)))
        return VariableKind::Length;
    if (IsLengthMath(value))
        return VariableKind::Length;
    // One word that is no number: a keyword of the properties that read it.
    if ((std::isalpha(static_cast<unsigned char>(value[0])) ||
         (value.size() > 1 && value[0] == '-' &&
          std::isalpha(static_cast<unsigned char>(value[1])))) &&
        std::all_of(value.begin(), value.end(), IsCssNameChar))
        return VariableKind::Keyword;
    // Shadows: each layer one, with more than an x and a y ("1rem 1rem" is a pair).
    const auto layers = SplitLayers(value);
    if (!layers.empty() && std::all_of(layers.begin(), layers.end(), [](const ValuePiece& layer) {
            const auto shadow = ParseShadow(layer.Text);
            return shadow && (shadow->Has(ShadowPart::Color) || shadow->Has(ShadowPart::Inset) ||
                              shadow->Has(ShadowPart::Blur));
        }))
        return VariableKind::Shadow;
    return VariableKind::Text;
}

std::optional<VariableKind> KindOfSyntax(std::string_view syntax) {
    syntax = TrimCssBlanks(syntax);
    if (syntax.size() >= 2 && (syntax.front() == '"' || syntax.front() == '\'') &&
        syntax.back() == syntax.front())
        syntax = TrimCssBlanks(syntax.substr(1, syntax.size() - 2));
    const std::string lower = LowerAscii(syntax);
    if (lower == "<color>")
        return VariableKind::Color;
    if (lower == "<length>" || lower == "<length-percentage>" || lower == "<percentage>")
        return VariableKind::Length;
    if (lower == "<time>")
        return VariableKind::Time;
    if (lower == "<number>" || lower == "<integer>")
        return VariableKind::Number;
    return std::nullopt;
}

std::string_view KindName(VariableKind kind) {
    static constexpr std::array<std::string_view, 8> kNames = {
        "color", "rgb", "length", "time", "number", "shadow", "keyword", "text"};
    return kNames[static_cast<size_t>(kind)];
}

SheetVariables::SheetVariables(const StyleDocument& document) {
    for (int row = 0; row < document.StyleCount(); ++row) {
        const StyleRecord& record = document.Record(row);
        if (record.IsGroup())
            continue;
        const std::string block = record.BlockText();
        const std::string_view registered = RegisteredName(record.Selector);
        if (registered.empty() && block.find("--") == std::string::npos)
            continue;
        const DeclarationBlock parsed = ParseBlock(block);
        if (!registered.empty()) {
            for (const BlockDeclaration& d : parsed.Declarations)
                if (d.Property == "syntax")
                    if (auto kind = KindOfSyntax(std::string_view(block).substr(
                            d.ValueBegin, d.ValueEnd - d.ValueBegin)))
                        registered_[std::string(registered)] = *kind;
            continue;
        }
        const bool global = record.Depth() == 0 && IsGlobalSelector(record.Selector);
        const size_t first = definitions_.size();
        for (size_t i = 0; i < parsed.Declarations.size(); ++i) {
            const BlockDeclaration& d = parsed.Declarations[i];
            const std::string_view value =
                std::string_view(block).substr(d.ValueBegin, d.ValueEnd - d.ValueBegin);
            for (const VarReference& ref : FindVarReferences(value)) {
                ++uses_[ref.Name];
                std::vector<std::string>& properties = properties_[ref.Name];
                if (std::find(properties.begin(), properties.end(), d.Property) == properties.end())
                    properties.push_back(d.Property);
                std::vector<int>& rows = users_[ref.Name];
                if (rows.empty() || rows.back() != row)
                    rows.push_back(row);
            }
            const std::string_view name =
                std::string_view(block).substr(d.Begin, d.NameEnd - d.Begin);
            if (!IsCustomPropertyName(name))
                continue;
            VariableDefinition definition;
            definition.Name = std::string(name);
            definition.Row = row;
            definition.Index = i;
            definition.Value = std::string(value);
            definition.Important = d.PriorityEnd > d.PriorityBegin;
            definition.Global = global;
            // Within one rule the last declaration wins, unless an earlier one is
            // important and the later one is not.
            for (size_t k = first; k < definitions_.size(); ++k) {
                VariableDefinition& earlier = definitions_[k];
                if (earlier.Name != definition.Name || earlier.Shadowed)
                    continue;
                if (earlier.Important && !definition.Important)
                    definition.Shadowed = true;
                else
                    earlier.Shadowed = true;
            }
            byName_[definition.Name].push_back(definitions_.size());
            definitions_.push_back(std::move(definition));
        }
    }
}

bool SheetVariables::Defines(std::string_view name) const {
    return byName_.find(name) != byName_.end();
}

std::vector<const VariableDefinition*> SheetVariables::DefinitionsOf(std::string_view name) const {
    std::vector<const VariableDefinition*> found;
    if (auto it = byName_.find(name); it != byName_.end())
        for (size_t index : it->second)
            found.push_back(&definitions_[index]);
    return found;
}

const VariableDefinition* SheetVariables::MainDefinition(std::string_view name) const {
    const auto all = DefinitionsOf(name);
    const VariableDefinition* main = nullptr;
    for (const VariableDefinition* d : all) {
        if (d->Shadowed)
            continue;
        // An important global definition is not overridden by a later plain one.
        if (d->Global && !(main && main->Global && main->Important && !d->Important))
            main = d;
    }
    if (main)
        return main;
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (!(*it)->Shadowed)
            return *it;
    return all.empty() ? nullptr : all.back();
}

std::vector<int> SheetVariables::RowsUsing(std::string_view name) const {
    auto it = users_.find(name);
    return it == users_.end() ? std::vector<int>{} : it->second;
}

std::vector<std::string> SheetVariables::PropertiesUsing(std::string_view name) const {
    auto it = properties_.find(name);
    return it == properties_.end() ? std::vector<std::string>{} : it->second;
}

size_t SheetVariables::UseCount(std::string_view name) const {
    auto it = uses_.find(name);
    return it == uses_.end() ? 0 : it->second;
}

VariableKind SheetVariables::KindOf(std::string_view name) const {
    std::vector<std::string> open;
    return KindFollowing(name, open);
}

VariableKind SheetVariables::KindOf(const VariableDefinition& definition) const {
    if (auto it = registered_.find(definition.Name); it != registered_.end())
        return it->second;
    std::vector<std::string> open{definition.Name};
    return KindOfValueHere(definition.Value, open);
}

VariableKind SheetVariables::KindFollowing(std::string_view name,
                                           std::vector<std::string>& open) const {
    if (auto it = registered_.find(name); it != registered_.end())
        return it->second;
    const VariableDefinition* main = MainDefinition(name);
    if (!main || std::find(open.begin(), open.end(), name) != open.end() ||
        open.size() > kDeepestChain)
        return VariableKind::Text;
    open.emplace_back(name);
    const VariableKind kind = KindOfValueHere(main->Value, open);
    open.pop_back();
    return kind;
}

VariableKind SheetVariables::KindOfValueHere(std::string_view value,
                                             std::vector<std::string>& open) const {
    value = TrimCssBlanks(value);
    const auto refs = FindVarReferences(value);
    if (refs.empty())
        return KindOfValue(value);
    if (refs.front().Begin == 0 && refs.front().End == value.size()) {
        const VariableKind kind = KindFollowing(refs.front().Name, open);
        if (kind != VariableKind::Text || !refs.front().Fallback)
            return kind;
        return KindOfValue(*refs.front().Fallback);
    }
    // A colour function over a variable, rgba(var(--x-rgb), .5), is still a colour.
    if (IsColorFunctionName(FunctionName(value)))
        return VariableKind::Color;
    if (auto resolved = Resolve(value))
        return KindOfValue(*resolved);
    return KindOfValue(value);
}

std::optional<std::string> SheetVariables::Resolve(std::string_view value) const {
    std::vector<std::string> open;
    return ResolveDepth(value, 0, open);
}

std::optional<std::string> SheetVariables::ResolveDepth(std::string_view value, int depth,
                                                        std::vector<std::string>& open) const {
    if (depth > kDeepestChain)
        return std::nullopt;
    std::vector<VarReference> refs;
    CollectReferences(value, 0, value.size(), refs); // outermost first, then their fallbacks
    if (refs.empty())
        return std::string(value);
    std::string out;
    size_t at = 0;
    for (const VarReference& ref : refs) {
        if (ref.Begin < at)
            continue; // inside a fallback already taken or passed over
        out.append(value.substr(at, ref.Begin - at));
        at = ref.End;
        const VariableDefinition* main = MainDefinition(ref.Name);
        std::optional<std::string> part;
        if (main && std::find(open.begin(), open.end(), ref.Name) != open.end())
            return std::nullopt; // a circle: the browser takes every variable in it as unset
        if (main && main->Global) {
            open.push_back(ref.Name);
            part = ResolveDepth(TrimCssBlanks(main->Value), depth + 1, open);
            open.pop_back();
        }
        if (!part && ref.Fallback)
            part = ResolveDepth(*ref.Fallback, depth + 1, open);
        if (!part && main && !main->Global) {
            // Defined only in rules of some elements: what the first of them says.
            open.push_back(ref.Name);
            part = ResolveDepth(TrimCssBlanks(main->Value), depth + 1, open);
            open.pop_back();
        }
        if (!part)
            return std::nullopt;
        out += *part;
    }
    out.append(value.substr(at));
    return out;
}

std::vector<VarReference> SheetVariables::Undefined(std::string_view value) const {
    std::vector<VarReference> found;
    for (VarReference& ref : FindVarReferences(value))
        if (!ref.Fallback && !Defines(ref.Name) && IsCustomPropertyName(ref.Name))
            found.push_back(std::move(ref));
    return found;
}

namespace {

// Where the block names the variable: the names of its definitions and of its var().
std::vector<std::pair<size_t, size_t>> NamePlaces(std::string_view block, std::string_view name) {
    std::vector<std::pair<size_t, size_t>> ranges;
    for (const BlockDeclaration& d : ParseBlock(block).Declarations) {
        if (block.substr(d.Begin, d.NameEnd - d.Begin) == name)
            ranges.emplace_back(d.Begin, d.NameEnd);
        const std::string_view value = block.substr(d.ValueBegin, d.ValueEnd - d.ValueBegin);
        for (const VarReference& ref : FindVarReferences(value))
            if (ref.Name == name)
                ranges.emplace_back(d.ValueBegin + ref.NameBegin, d.ValueBegin + ref.NameEnd);
    }
    std::sort(ranges.begin(), ranges.end());
    return ranges;
}

} // namespace

namespace {

std::string OneLine(std::string_view text) {
    std::string out;
    for (char c : TrimCssBlanks(text)) {
        if (!IsCssBlank(c))
            out += c;
        else if (out.back() != ' ')
            out += ' ';
    }
    return out;
}

} // namespace

std::string RulePlace(const StyleDocument& document, int row, std::string_view separator) {
    std::string place = OneLine(document.Record(row).Selector);
    for (int group = document.ParentOf(row); group >= 0; group = document.ParentOf(group)) {
        std::string outer = OneLine(document.Record(group).Selector);
        outer += separator;
        outer += place;
        place = std::move(outer);
    }
    return place;
}

size_t VariablePlaces(std::string_view block, std::string_view name) {
    return NamePlaces(block, name).size();
}

std::optional<std::string> RenameVariableInBlock(std::string_view block, std::string_view from,
                                                 std::string_view to) {
    const auto ranges = NamePlaces(block, from);
    if (ranges.empty())
        return std::nullopt;
    std::string out;
    size_t at = 0;
    for (const auto& [begin, end] : ranges) {
        out.append(block.substr(at, begin - at));
        out.append(to);
        at = end;
    }
    out.append(block.substr(at));
    return out;
}

namespace messages {
std::string UndefinedVariable(std::string_view name) {
    return "Переменная " + std::string(name) +
           " нигде в таблице стилей не задана, и запасного значения у var() нет: браузер не "
           "применит это объявление.";
}
} // namespace messages

} // namespace tesselo
