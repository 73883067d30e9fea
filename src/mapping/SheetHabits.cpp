#include "mapping/SheetHabits.h"

#include "document/ByteText.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>

namespace tesselo {
namespace {

// A hex colour, or a zero outside functions and brackets with a length unit, "%" or none.
struct ValueToken {
    enum class Kind { Hex, Zero } What;
    size_t Begin;
    size_t End;
    bool WithUnit;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f');
}

bool IsHexColour(std::string_view digits) {
    const size_t n = digits.size();
    return (n == 3 || n == 4 || n == 6 || n == 8) &&
           std::all_of(digits.begin(), digits.end(), IsHexDigit);
}

size_t NameEnd(std::string_view value, size_t at) {
    while (at < value.size() && IsCssNameChar(value[at]))
        ++at;
    return at;
}

// A name that goes on with an escape ("#ab\c") or a call ("0x(") is no token of ours.
bool RunsOn(std::string_view value, size_t at) {
    return at < value.size() && (value[at] == '\\' || value[at] == '(');
}

// A number starts here and not inside a name, a number or after a sign.
bool StartsNumber(std::string_view value, size_t at) {
    const char c = value[at];
    if (!IsDigit(c) && !(c == '.' && at + 1 < value.size() && IsDigit(value[at + 1])))
        return false;
    if (at == 0)
        return true;
    const char before = value[at - 1];
    return IsCssBlank(before) || before == ',' || before == '/';
}

// Calls visit for each ValueToken of the value, strings and url()s left out.
template <typename Visit> void ForEachToken(std::string_view value, Visit&& visit) {
    int depth = 0;
    for (size_t at = 0; at < value.size();) {
        const CssPiece piece = NextCssPiece(value, at);
        if (piece.What != CssPiece::Kind::Byte) {
            at = piece.End;
            continue;
        }
        const char c = value[at];
        if (c == '#') {
            const size_t end = NameEnd(value, at + 1);
            if (IsHexColour(value.substr(at + 1, end - at - 1)) && !RunsOn(value, end))
                visit(ValueToken{ValueToken::Kind::Hex, at, end, false});
            at = std::max(end, at + 1);
            continue;
        }
        if (depth == 0 && StartsNumber(value, at)) {
            size_t end = at;
            while (end < value.size() && IsDigit(value[end]))
                ++end;
            if (end + 1 < value.size() && value[end] == '.' && IsDigit(value[end + 1]))
                for (++end; end < value.size() && IsDigit(value[end]);)
                    ++end;
            const std::string_view number = value.substr(at, end - at);
            const bool zero = number.find_first_not_of("0.") == std::string_view::npos;
            const size_t unitEnd =
                end < value.size() && value[end] == '%' ? end + 1 : NameEnd(value, end);
            const std::string_view unit = value.substr(end, unitEnd - end);
            if (zero && !RunsOn(value, unitEnd) && (unit.empty() || IsLengthUnit(unit)))
                visit(ValueToken{ValueToken::Kind::Zero, at, unitEnd, !unit.empty()});
            at = std::max(unitEnd, end);
            continue;
        }
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        at = piece.End;
    }
}

// The properties where a bare 0 is a length, so that "z-index: 0" or "opacity: 0" says
// nothing of how the sheet writes zero lengths.
bool TakesLength(std::string_view property) {
    constexpr std::string_view kFamilies[] = {
        "margin",  "padding",       "inset",          "border",
        "outline", "scroll-margin", "scroll-padding", "background-position"};
    constexpr std::string_view kNames[] = {
        "top",        "right",          "bottom",        "left",        "width",
        "height",     "min-width",      "max-width",     "min-height",  "max-height",
        "font-size",  "letter-spacing", "word-spacing",  "text-indent", "gap",
        "row-gap",    "column-gap",     "flex-basis",    "box-shadow",  "text-shadow",
        "block-size", "inline-size",    "vertical-align"};
    return std::any_of(std::begin(kFamilies), std::end(kFamilies),
                       [&](std::string_view f) { return property.starts_with(f); }) ||
           std::find(std::begin(kNames), std::end(kNames), property) != std::end(kNames);
}

} // namespace

SheetHabits LearnHabits(const std::vector<std::pair<std::string_view, std::string_view>>& blocks,
                        size_t limit) {
    std::vector<std::pair<std::string_view, size_t>> indents; // in the order first seen
    size_t oneLine = 0, multiLine = 0, lower = 0, upper = 0, bare = 0, withUnit = 0;
    const size_t count = std::min(limit, blocks.size());
    for (size_t i = 0; i < count; ++i) {
        const auto [block, ruleIndent] = blocks[i];
        const DeclarationBlock parsed = ParseBlock(block);
        if (parsed.Declarations.empty())
            continue;
        ++(parsed.MultiLine ? multiLine : oneLine);
        for (const BlockDeclaration& d : parsed.Declarations) {
            const std::string_view indent = block.substr(d.LineBegin, d.Begin - d.LineBegin);
            if (ruleIndent.empty() && d.AloneOnLine && !indent.empty() &&
                indent.find_first_not_of(" \t") == std::string_view::npos) {
                auto seen = std::find_if(indents.begin(), indents.end(),
                                         [&](const auto& row) { return row.first == indent; });
                if (seen == indents.end())
                    indents.emplace_back(indent, 1);
                else
                    ++seen->second;
            }
            const std::string_view value = block.substr(d.ValueBegin, d.ValueEnd - d.ValueBegin);
            const bool takesLength = TakesLength(d.Property);
            ForEachToken(value, [&](const ValueToken& t) {
                const std::string_view text = value.substr(t.Begin, t.End - t.Begin);
                if (t.What == ValueToken::Kind::Hex) {
                    const bool hasLower = text.find_first_of("abcdef") != std::string_view::npos;
                    const bool hasUpper = text.find_first_of("ABCDEF") != std::string_view::npos;
                    lower += hasLower && !hasUpper;
                    upper += hasUpper && !hasLower;
                } else if (t.WithUnit) {
                    ++withUnit;
                } else if (takesLength) {
                    ++bare;
                }
            });
        }
    }

    SheetHabits habits;
    auto most = std::max_element(indents.begin(), indents.end(),
                                 [](const auto& a, const auto& b) { return a.second < b.second; });
    if (most != indents.end())
        habits.IndentStep = std::string(most->first);
    habits.OneLineRules = oneLine > multiLine;
    habits.Hex = upper > lower ? SheetHabits::HexCase::Upper : SheetHabits::HexCase::Lower;
    habits.UnitlessZero = bare > withUnit;
    return habits;
}

std::string AsSheetWrites(std::string_view value, const SheetHabits& habits) {
    std::string out;
    size_t copied = 0;
    ForEachToken(value, [&](const ValueToken& t) {
        const std::string_view text = value.substr(t.Begin, t.End - t.Begin);
        std::string written;
        if (t.What == ValueToken::Kind::Hex)
            written =
                habits.Hex == SheetHabits::HexCase::Upper ? UpperAscii(text) : LowerAscii(text);
        else if (habits.UnitlessZero && t.WithUnit)
            written = "0";
        else
            return;
        out.append(value.substr(copied, t.Begin - copied));
        out += written;
        copied = t.End;
    });
    out.append(value.substr(copied));
    return out;
}

} // namespace tesselo
