#include "mapping/CssCompletion.h"

#include "document/ByteText.h"
#include "mapping/CssChecks.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <array>

namespace tesselo {
namespace {

using Piece = CssPiece::Kind;
constexpr size_t kNone = std::string_view::npos;

// A value longer than this, or over lines, is no value to offer again.
constexpr size_t kLongestOffered = 60;
constexpr size_t kValuesOffered = 12;

constexpr std::array<std::string_view, 5> kWideKeywords = {"inherit", "initial", "unset", "revert",
                                                           "revert-layer"};
constexpr std::array<std::string_view, 4> kAngleUnits = {"deg", "turn", "rad", "grad"};
constexpr std::array<std::string_view, 2> kTimeUnits = {"s", "ms"};

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the number at the start of the word ends, or 0 when it starts with none.
size_t NumberPart(std::string_view word) {
    size_t at = word.starts_with('+') || word.starts_with('-') ? 1 : 0;
    const size_t digits = at;
    while (at < word.size() && (IsDigit(word[at]) || word[at] == '.'))
        ++at;
    const bool anyDigit = std::any_of(word.begin() + static_cast<std::ptrdiff_t>(digits),
                                      word.begin() + static_cast<std::ptrdiff_t>(at), IsDigit);
    return anyDigit ? at : 0;
}

// The choices in order without the ones offered already.
class ChoiceList {
public:
    explicit ChoiceList(std::string_view prefix) : prefix_(prefix) {}
    void Add(std::string_view choice) {
        if (!StartsWithIgnoringCase(choice, prefix_))
            return;
        const std::string lower = LowerAscii(choice);
        if (std::find(seen_.begin(), seen_.end(), lower) != seen_.end())
            return;
        seen_.push_back(lower);
        choices_.emplace_back(choice);
    }
    std::vector<std::string> Take() { return std::move(choices_); }

private:
    std::string_view prefix_;
    std::vector<std::string> seen_;
    std::vector<std::string> choices_;
};

std::vector<std::string> PropertyNames(std::string_view prefix, const SheetVocabulary& sheet) {
    // Those that start with what was typed, then those that have it after a "-"
    // ("color" in "background-color"); a vendor's names after the standard ones.
    std::vector<std::string_view> all;
    for (const PropertySpec& spec : PropertyCatalog())
        all.push_back(spec.Name);
    for (std::string_view other : OtherStandardProperties())
        all.push_back(other);
    std::vector<std::pair<int, std::string_view>> ranked;
    for (const std::string_view name : all) {
        const int vendor = IsVendorKeyword(name) ? 2 : 0;
        if (StartsWithIgnoringCase(name, prefix)) {
            ranked.emplace_back(vendor, name);
        } else if (!prefix.empty() && !prefix.starts_with('-')) {
            const std::string lower = LowerAscii(name);
            // In steps: "-" + a temporary string makes GCC 12 at -O3 warn falsely of
            // overlapping copies (-Wrestrict).
            std::string part = "-";
            part += LowerAscii(prefix);
            const size_t found = lower.find(part);
            if (found != std::string::npos)
                ranked.emplace_back(vendor + 1, name);
        }
    }
    std::stable_sort(ranked.begin(), ranked.end());
    std::vector<std::string> names;
    if (prefix.starts_with("--"))
        for (const std::string& custom : sheet.CustomProperties())
            if (custom.starts_with(prefix))
                names.push_back(custom);
    for (const auto& [rank, name] : ranked)
        names.emplace_back(name);
    return names;
}

std::vector<std::string> UnitsFor(const PropertySpec* spec, std::string_view prefix) {
    ChoiceList list(prefix);
    const ValueKinds kinds = spec ? spec->Kinds : (KindLength | KindPercentage);
    if (kinds & KindLength) {
        if (spec)
            for (std::string_view unit : UnitsOf(*spec))
                list.Add(unit);
        for (std::string_view unit : LengthUnits())
            list.Add(unit);
    }
    if (kinds & KindPercentage)
        list.Add("%");
    if (kinds & KindAngle)
        for (std::string_view unit : kAngleUnits)
            list.Add(unit);
    if (kinds & KindTime)
        for (std::string_view unit : kTimeUnits)
            list.Add(unit);
    return list.Take();
}

std::vector<std::string> ValuesFor(std::string_view property, const PropertySpec* spec,
                                   std::string_view prefix, bool wholeValue,
                                   const SheetVocabulary& sheet) {
    ChoiceList list(prefix);
    if (wholeValue)
        for (const std::string& used : sheet.ValuesOf(property))
            list.Add(used);
    if (spec) {
        for (std::string_view keyword : AllKeywords(*spec))
            list.Add(keyword);
        if (spec->Kinds & KindColor) {
            list.Add("currentcolor");
            list.Add("transparent");
            for (std::string_view name : ColorKeywords())
                list.Add(name);
        }
    }
    for (std::string_view keyword : kWideKeywords)
        list.Add(keyword);
    list.Add("var(");
    return list.Take();
}

} // namespace

void SheetVocabulary::AddRuleText(std::string_view block) {
    for (const BlockDeclaration& d : ParseBlock(block).Declarations) {
        if (d.Property.starts_with("--")) {
            ++custom_[std::string(block.substr(d.Begin, d.NameEnd - d.Begin))];
            customDirty_ = true;
            continue;
        }
        const std::string_view value = block.substr(d.ValueBegin, d.ValueEnd - d.ValueBegin);
        if (value.empty() || value.size() > kLongestOffered || value.find('\n') != kNone)
            continue;
        ++values_[d.Property][std::string(value)];
    }
}

const std::vector<std::string>& SheetVocabulary::CustomProperties() const {
    if (customDirty_ || customList_.size() != custom_.size()) {
        customList_.clear();
        for (const auto& [name, count] : custom_)
            customList_.push_back(name);
        customDirty_ = false;
    }
    return customList_;
}

std::vector<std::string> SheetVocabulary::ValuesOf(std::string_view property) const {
    const auto found = values_.find(LowerAscii(property));
    if (found == values_.end())
        return {};
    std::vector<std::pair<int, std::string_view>> ranked;
    for (const auto& [value, count] : found->second)
        ranked.emplace_back(-count, value);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> values;
    for (size_t i = 0; i < ranked.size() && i < kValuesOffered; ++i)
        values.emplace_back(ranked[i].second);
    return values;
}

CompletionChoices CompleteAt(std::string_view text, size_t caret, const SheetVocabulary& sheet) {
    caret = std::min(caret, text.size());
    size_t declarationStart = 0;
    size_t colon = kNone;
    std::vector<std::string> functions; // the functions whose "(" is open, innermost last
    for (size_t at = 0; at < caret;) {
        const CssPiece piece = NextCssPiece(text, at);
        const bool inside = piece.End > caret || (piece.End == caret && !piece.Closed);
        if (inside && (piece.What == Piece::Comment || piece.What == Piece::String ||
                       piece.What == Piece::Url))
            return {caret, caret, {}, {}};
        if (piece.What == Piece::Byte) {
            const char c = text[at];
            if ((c == ';' || c == '{' || c == '}') && functions.empty()) {
                declarationStart = at + 1;
                colon = kNone;
            } else if (c == ':' && functions.empty() && colon == kNone) {
                colon = at;
            } else if (c == '(') {
                size_t name = at;
                while (name > 0 && IsCssNameChar(text[name - 1]))
                    --name;
                functions.push_back(LowerAscii(text.substr(name, at - name)));
            } else if (c == ')' && !functions.empty()) {
                functions.pop_back();
            }
        }
        at = piece.End;
    }

    size_t begin = caret;
    while (begin > declarationStart && (IsCssNameChar(text[begin - 1]) || text[begin - 1] == '.'))
        --begin;
    size_t end = caret;
    while (end < text.size() && IsCssNameChar(text[end]))
        ++end;
    const std::string_view word = text.substr(begin, caret - begin);

    CompletionChoices result{begin, end, {}, {}};
    if (colon == kNone) {
        if (word.find('.') != kNone)
            return result;
        result.Choices = PropertyNames(word, sheet);
        size_t next = end;
        while (next < text.size() && (text[next] == ' ' || text[next] == '\t'))
            ++next;
        if (next == text.size() || text[next] != ':')
            result.Then = ": ";
        return result;
    }
    const std::string property =
        LowerAscii(TrimCssBlanks(text.substr(declarationStart, colon - declarationStart)));
    const PropertySpec* spec = FindProperty(property);
    if (!spec && IsVendorKeyword(property)) {
        const size_t dash = property.find('-', 1);
        spec = FindProperty(std::string_view(property).substr(dash + 1));
    }
    if (!functions.empty() && functions.back() == "var") {
        if (word.empty() || word.starts_with('-')) {
            ChoiceList list(word);
            for (const std::string& custom : sheet.CustomProperties())
                list.Add(custom);
            result.Choices = list.Take();
        }
        return result;
    }
    if (const size_t number = NumberPart(word); number > 0) {
        // Inside a number, or after its point, no unit is due yet.
        if (word.back() == '.' || (caret < text.size() && IsDigit(text[caret])))
            return result;
        result.Begin = begin + number;
        result.Choices = UnitsFor(spec, word.substr(number));
        return result;
    }
    if (word.find('.') != kNone)
        return result;
    const bool wholeValue =
        functions.empty() && TrimCssBlanks(text.substr(colon + 1, begin - colon - 1)).empty();
    result.Choices = ValuesFor(property, spec, word, wholeValue, sheet);
    return result;
}

} // namespace tesselo
