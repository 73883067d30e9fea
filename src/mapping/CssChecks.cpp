#include "mapping/CssChecks.h"

#include "document/ByteText.h"
#include "mapping/DeclarationBlock.h"
#include "mapping/DeclarationList.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/SelectorCheck.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <array>

namespace tesselo {
namespace {

using Piece = CssPiece::Kind;

// clang-format off
constexpr std::array<std::string_view, 186> kOtherProperties = {
    "all", "animation-composition", "animation-delay", "animation-direction",
    "animation-duration", "animation-fill-mode", "animation-iteration-count", "animation-name",
    "animation-play-state", "animation-timing-function", "ascent-override",
    "backface-visibility", "background-blend-mode", "background-position-x",
    "background-position-y", "block-size", "border-block", "border-block-color",
    "border-block-end", "border-block-start", "border-block-style", "border-block-width",
    "border-end-end-radius", "border-end-start-radius", "border-image", "border-image-outset",
    "border-image-repeat", "border-image-slice", "border-image-source", "border-image-width",
    "border-inline", "border-inline-color", "border-inline-end", "border-inline-start",
    "border-inline-style", "border-inline-width", "border-start-end-radius",
    "border-start-start-radius", "box-decoration-break", "break-after", "break-before",
    "break-inside", "color-adjust", "color-scheme", "column-fill", "column-rule",
    "column-rule-color", "column-rule-style", "column-rule-width", "column-span", "contain",
    "contain-intrinsic-size", "container", "container-name", "container-type",
    "content-visibility", "counter-set", "descent-override", "field-sizing", "fill-opacity",
    "fill-rule", "font-display", "font-feature-settings", "font-kerning",
    "font-language-override", "font-optical-sizing", "font-size-adjust", "font-stretch",
    "font-synthesis", "font-variant-caps", "font-variant-east-asian", "font-variant-ligatures",
    "font-variant-numeric", "font-variant-position", "font-variation-settings",
    "forced-color-adjust", "grid-column-gap", "grid-gap", "grid-row-gap",
    "hanging-punctuation", "image-orientation", "image-rendering", "inherits", "initial-letter",
    "initial-value", "inline-size", "inset-block", "inset-block-end", "inset-block-start",
    "inset-inline", "inset-inline-end", "inset-inline-start", "line-clamp",
    "line-gap-override", "marker", "marker-end", "marker-mid", "marker-start", "mask",
    "mask-clip", "mask-composite", "mask-image", "mask-mode", "mask-origin", "mask-position",
    "mask-repeat", "mask-size", "mask-type", "max-block-size", "max-inline-size",
    "min-block-size", "min-inline-size", "offset", "offset-anchor", "offset-distance",
    "offset-path", "offset-position", "offset-rotate", "orphans", "overflow-anchor",
    "overflow-block", "overflow-clip-margin", "overflow-inline", "overscroll-behavior",
    "overscroll-behavior-x", "overscroll-behavior-y", "page", "page-break-after",
    "page-break-before", "page-break-inside", "paint-order", "perspective",
    "perspective-origin", "print-color-adjust", "ruby-position", "scroll-margin",
    "scroll-margin-bottom", "scroll-margin-left", "scroll-margin-right", "scroll-margin-top",
    "scroll-padding", "scroll-padding-bottom", "scroll-padding-left", "scroll-padding-right",
    "scroll-padding-top", "scroll-snap-align", "scroll-snap-stop", "scroll-snap-type",
    "scrollbar-color", "scrollbar-gutter", "scrollbar-width", "shape-image-threshold",
    "shape-margin", "shape-outside", "size", "size-adjust", "src", "stroke-dasharray",
    "stroke-dashoffset", "stroke-linecap", "stroke-linejoin", "stroke-opacity", "stroke-width",
    "syntax", "text-align-last", "text-combine-upright", "text-decoration-skip-ink",
    "text-emphasis", "text-emphasis-color", "text-emphasis-position", "text-emphasis-style",
    "text-justify", "text-orientation", "text-rendering", "text-size-adjust",
    "text-underline-position", "text-wrap", "transform-box", "transform-style",
    "transition-behavior", "unicode-bidi", "unicode-range", "view-transition-name", "widows",
    "writing-mode", "zoom",
};
// clang-format on

// The name without a vendor's prefix: "-webkit-box-shadow" gives "box-shadow".
std::string_view WithoutVendor(std::string_view name) {
    if (!IsVendorKeyword(name))
        return name;
    const size_t dash = name.find('-', 1);
    return dash == std::string_view::npos ? name : name.substr(dash + 1);
}

// Past the blanks and comments from `at`, not beyond `end`.
size_t SkipBlanks(std::string_view text, size_t at, size_t end) {
    while (at < end) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What != Piece::Blank && piece.What != Piece::Comment)
            break;
        at = piece.End;
    }
    return at;
}

// In a value, a line end followed by a name and ":" outside brackets: the ";" before it
// was forgotten. Where that name starts, or npos.
size_t SwallowedDeclaration(std::string_view text, size_t begin, size_t end) {
    int depth = 0;
    for (size_t at = begin; at < end;) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What == Piece::Byte) {
            if (text[at] == '(' || text[at] == '[')
                ++depth;
            else if ((text[at] == ')' || text[at] == ']') && depth > 0)
                --depth;
        } else if (piece.What == Piece::Blank && text[at] == '\n' && depth == 0) {
            const size_t name = SkipBlanks(text, piece.End, end);
            size_t nameEnd = name;
            while (nameEnd < end && IsCssNameChar(text[nameEnd]))
                ++nameEnd;
            if (nameEnd > name && SkipBlanks(text, nameEnd, end) < end &&
                text[SkipBlanks(text, nameEnd, end)] == ':')
                return name;
        }
        at = piece.End;
    }
    return std::string_view::npos;
}

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// Text the block's reader passed over between declarations: a name without its ":".
void CheckGap(std::string_view text, size_t begin, size_t end, std::vector<TextMark>& marks) {
    size_t first = std::string_view::npos;
    size_t last = begin;
    for (size_t at = begin; at < end;) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What == Piece::Byte) {
            const char c = text[at];
            // A nested rule, a hack's mark before a name or a stray ";" are no missing ":".
            if (c == '{' || c == '}' || c == ':' || c == '*' || c == '_' || c == '@')
                return;
        }
        if (piece.What != Piece::Blank && piece.What != Piece::Comment &&
            !(piece.What == Piece::Byte && text[at] == ';')) {
            if (first == std::string_view::npos)
                first = at;
            last = piece.End;
        }
        at = piece.End;
    }
    if (first == std::string_view::npos)
        return;
    size_t nameEnd = first;
    while (nameEnd < last && IsCssNameChar(text[nameEnd]))
        ++nameEnd;
    if (nameEnd == first)
        return;
    marks.push_back({first, last,
                     "Пропущено двоеточие после имени свойства " +
                         Quoted(text.substr(first, nameEnd - first))});
}

} // namespace

std::span<const std::string_view> OtherStandardProperties() {
    return kOtherProperties;
}

bool IsKnownProperty(std::string_view name) {
    // A vendor's own properties are many and come and go: only the standard names are
    // checked.
    if (name.starts_with("--") || IsVendorKeyword(name))
        return true;
    const std::string lower = LowerAscii(name);
    return FindProperty(lower) != nullptr ||
           std::binary_search(kOtherProperties.begin(), kOtherProperties.end(),
                              std::string_view(lower));
}

std::vector<TextMark> CheckRuleText(std::string_view text, SheetEncoding encoding) {
    std::vector<TextMark> marks;
    const std::optional<SheetBreak> found = RuleTextBreak(text);
    const DeclarationBlock block = ParseBlock(text);
    size_t gapBegin = 0;
    for (const BlockDeclaration& d : block.Declarations) {
        CheckGap(text, gapBegin, d.Begin, marks);
        gapBegin = d.End;
        const std::string_view name = text.substr(d.Begin, d.NameEnd - d.Begin);
        // "_height" is a hack that only old browsers read; a declaration the break runs
        // through has its mark already.
        if (name.starts_with('_') || (found && d.Begin <= found->At && found->At <= d.End))
            continue;
        if (!IsKnownProperty(name)) {
            marks.push_back({d.Begin, d.NameEnd, "Неизвестное свойство " + Quoted(name)});
            continue;
        }
        const size_t swallowed = SwallowedDeclaration(text, d.ValueBegin, d.ValueEnd);
        if (swallowed != std::string_view::npos) {
            size_t nameEnd = swallowed;
            while (IsCssNameChar(text[nameEnd]))
                ++nameEnd;
            marks.push_back({swallowed, nameEnd,
                             "Пропущена точка с запятой перед " +
                                 Quoted(text.substr(swallowed, nameEnd - swallowed))});
            continue;
        }
        const std::string_view value = text.substr(d.ValueBegin, d.ValueEnd - d.ValueBegin);
        const PropertySpec* spec = FindProperty(LowerAscii(WithoutVendor(name)));
        // Only a longhand whose values the catalogue knows whole is checked: free text, a
        // picture, a shorthand's parts or layers may be more than its row tells.
        if (!spec || spec->Form != ShorthandForm::None || (spec->Kinds & (KindText | KindImage)) ||
            value.empty() || HoldsVariable(value) || IsVendorKeyword(value) ||
            SplitValue(value, ',').size() > 1 || value.find('\\') != std::string_view::npos)
            continue;
        if (!ValueFits(*spec, value))
            marks.push_back(
                {d.ValueBegin, d.ValueEnd,
                 "Свойство " + Quoted(spec->Name) + " не принимает значение " + Quoted(value)});
    }
    CheckGap(text, gapBegin, text.size(), marks);
    if (found) {
        const size_t begin = std::min(found->At, text.size());
        std::string hint = DescribeBreak(*found, text, encoding);
        marks.push_back({begin, std::min(begin + 1, text.size()), std::move(hint)});
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const TextMark& a, const TextMark& b) { return a.Begin < b.Begin; });
    return marks;
}

} // namespace tesselo
