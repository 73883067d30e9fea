#include "mapping/LayeredValue.h"

#include "document/ByteText.h"
#include "mapping/DeclarationList.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tesselo {
namespace {

// `lead` and then `text`, put together in steps: `" " + std::string(text)` makes GCC 12
// at -O3 warn falsely of overlapping copies (-Wrestrict).
std::string After(std::string_view lead, std::string_view text) {
    std::string joined(lead);
    joined += text;
    return joined;
}

constexpr size_t npos = std::string::npos;

std::vector<ValuePiece> Pieces(std::string_view text, char separator, size_t offset = 0) {
    std::vector<ValuePiece> pieces;
    for (std::string_view part : SplitValue(text, separator)) {
        const size_t begin = static_cast<size_t>(part.data() - text.data()) + offset;
        pieces.push_back({part, begin, begin + part.size()});
    }
    return pieces;
}

std::string Spliced(std::string_view text, size_t begin, size_t end, std::string_view with) {
    return std::string(text.substr(0, begin)) + std::string(with) + std::string(text.substr(end));
}

// The text without word `index` of `words` and the blanks on one side of it.
std::string WithoutWord(std::string_view text, const std::vector<ValuePiece>& words, size_t index) {
    if (words.size() == 1)
        return Spliced(text, words[0].Begin, words[0].End, "");
    if (index + 1 < words.size())
        return Spliced(text, words[index].Begin, words[index + 1].Begin, "");
    return Spliced(text, words[index - 1].End, words[index].End, "");
}

size_t IndexOf(const std::vector<ValuePiece>& words, const ValuePiece& piece) {
    for (size_t i = 0; i < words.size(); ++i)
        if (words[i].Begin == piece.Begin)
            return i;
    return npos;
}

bool StartsWithCall(std::string_view word, std::string_view name) {
    return word.size() > name.size() + 1 &&
           EqualsIgnoringAsciiCase(word.substr(0, name.size()), name) && word[name.size()] == '(' &&
           word.back() == ')';
}

bool IsVarCall(std::string_view word) {
    return StartsWithCall(word, "var") || StartsWithCall(word, "env");
}

// A length of a shadow: a number with a unit, 0, or calc() and its kin.
bool IsShadowLength(std::string_view word) {
    if (IsVarCall(word))
        return false;
    if (auto split = SplitNumberAndUnit(word))
        return split->Unit != "%" && (!split->Unit.empty() ||
                                      split->Number.find_first_not_of("+-0.") == std::string::npos);
    return IsMathOrVarFunction(word);
}

bool IsTime(std::string_view word) {
    const std::string lower = LowerAscii(word);
    for (std::string_view unit : {"ms", "s"}) {
        if (lower.size() <= unit.size() || lower.compare(lower.size() - unit.size(), npos, unit))
            continue;
        const std::string number = lower.substr(0, lower.size() - unit.size());
        char* end = nullptr;
        std::strtod(number.c_str(), &end);
        if (!number.empty() && end == number.c_str() + number.size() &&
            number.find_first_of("0123456789") != std::string::npos &&
            number.find_first_of("xXpP") == std::string::npos)
            return true;
    }
    return false;
}

bool IsTimingFunction(std::string_view word) {
    for (std::string_view keyword :
         {"ease", "linear", "ease-in", "ease-out", "ease-in-out", "step-start", "step-end"})
        if (EqualsIgnoringAsciiCase(word, keyword))
            return true;
    return StartsWithCall(word, "cubic-bezier") || StartsWithCall(word, "steps") ||
           StartsWithCall(word, "linear");
}

bool IsIdentifier(std::string_view word) {
    return !word.empty() && !(word[0] >= '0' && word[0] <= '9') &&
           std::all_of(word.begin(), word.end(), IsCssNameChar);
}

std::string Inserted(std::string_view text, size_t at, std::string_view with) {
    return std::string(text.substr(0, at)) + std::string(with) + std::string(text.substr(at));
}

std::string NumberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", std::round(value * 1000) / 1000);
    std::string text = buffer;
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

} // namespace

std::vector<ValuePiece> SplitLayers(std::string_view value) {
    return Pieces(value, ',');
}

std::string WithLayer(std::string_view value, size_t index, std::string_view text) {
    const auto layers = SplitLayers(value);
    if (index >= layers.size())
        return WithLayerAdded(value, layers.size(), text);
    return Spliced(value, layers[index].Begin, layers[index].End, text);
}

std::string WithLayerAdded(std::string_view value, size_t at, std::string_view text) {
    const auto layers = SplitLayers(value);
    if (layers.empty())
        return std::string(text);
    const std::string separator =
        layers.size() > 1
            ? std::string(value.substr(layers[0].End, layers[1].Begin - layers[0].End))
            : std::string(", ");
    if (at >= layers.size())
        return Inserted(value, layers.back().End, separator + std::string(text));
    return Inserted(value, layers[at].Begin, std::string(text) + separator);
}

std::string WithoutLayer(std::string_view value, size_t index) {
    const auto layers = SplitLayers(value);
    if (index >= layers.size())
        return std::string(value);
    if (layers.size() == 1)
        return {};
    if (index + 1 < layers.size())
        return Spliced(value, layers[index].Begin, layers[index + 1].Begin, "");
    return Spliced(value, layers[index - 1].End, layers[index].End, "");
}

namespace {

// The text with the piece at `from` moved to `to`, the others moving up or down a
// place; the text between the pieces stays where it is.
std::string WithPieceMoved(std::string_view value, const std::vector<ValuePiece>& layers,
                           size_t from, size_t to) {
    if (from >= layers.size() || to >= layers.size() || from == to)
        return std::string(value);
    std::vector<std::string_view> texts;
    for (const ValuePiece& layer : layers)
        texts.push_back(layer.Text);
    const auto at = [&](size_t index) { return texts.begin() + static_cast<ptrdiff_t>(index); };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    std::string text(value);
    for (size_t i = layers.size(); i-- > 0;)
        text = Spliced(text, layers[i].Begin, layers[i].End, texts[i]);
    return text;
}

} // namespace

std::string WithLayerMoved(std::string_view value, size_t from, size_t to) {
    return WithPieceMoved(value, SplitLayers(value), from, to);
}

std::vector<ValuePiece> LayerWords(std::string_view layer) {
    return Pieces(layer, ' ');
}

// ---------------------------------------------------------------------------
// Shadows

bool Shadow::Has(ShadowPart part) const {
    return Piece(part).Begin != npos;
}

const ValuePiece& Shadow::Piece(ShadowPart part) const {
    switch (part) {
    case ShadowPart::Color:
        return Color;
    case ShadowPart::Inset:
        return Inset;
    default:
        return Lengths[static_cast<size_t>(part)];
    }
}

std::optional<Shadow> ParseShadow(std::string_view layer) {
    const ValuePiece none{{}, npos, npos};
    Shadow shadow{{none, none, none, none}, none, none};
    const auto words = LayerWords(layer);
    size_t lengths = 0;
    bool ended = false; // the lengths stand in one row
    for (size_t i = 0; i < words.size(); ++i) {
        const ValuePiece& word = words[i];
        bool length = IsShadowLength(word.Text);
        // A var() is a length where lengths go on around it, else the colour.
        if (IsVarCall(word.Text)) {
            const bool nextLength =
                i + 1 < words.size() && (IsShadowLength(words[i + 1].Text) ||
                                         (lengths == 0 && IsVarCall(words[i + 1].Text)));
            length = !ended && ((lengths > 0 && lengths < 2) || nextLength);
        }
        if (EqualsIgnoringAsciiCase(word.Text, "inset")) {
            if (shadow.Inset.Begin != npos)
                return std::nullopt;
            shadow.Inset = word;
            ended = ended || lengths > 0;
        } else if (length) {
            if (ended || lengths == 4)
                return std::nullopt;
            shadow.Lengths[lengths++] = word;
        } else if (ParseColor(word.Text) || IsColorText(word.Text)) {
            if (shadow.Color.Begin != npos)
                return std::nullopt;
            shadow.Color = word;
            ended = ended || lengths > 0;
        } else {
            return std::nullopt;
        }
    }
    if (lengths < 2)
        return std::nullopt;
    return shadow;
}

std::optional<std::string> WithShadowPart(std::string_view layer, ShadowPart part,
                                          std::string_view value) {
    const auto shadow = ParseShadow(layer);
    if (!shadow)
        return std::nullopt;
    const auto words = LayerWords(layer);
    std::string text;
    if (shadow->Has(part)) {
        const ValuePiece& piece = shadow->Piece(part);
        if (!value.empty())
            text =
                Spliced(layer, piece.Begin, piece.End, part == ShadowPart::Inset ? "inset" : value);
        else if (part == ShadowPart::X || part == ShadowPart::Y)
            return std::nullopt;
        else if (part == ShadowPart::Blur && shadow->Has(ShadowPart::Spread))
            text = Spliced(layer, piece.Begin, piece.End, "0"); // the spread stays the spread
        else
            text = WithoutWord(layer, words, IndexOf(words, piece));
    } else {
        if (value.empty())
            return std::string(layer);
        const auto& l = shadow->Lengths;
        switch (part) {
        case ShadowPart::Blur:
            text = Inserted(layer, l[1].End, After(" ", value));
            break;
        case ShadowPart::Spread:
            text = l[2].Begin != npos ? Inserted(layer, l[2].End, After(" ", value))
                                      : Inserted(layer, l[1].End, After(" 0 ", value));
            break;
        case ShadowPart::Color: {
            const size_t last = l[3].Begin != npos ? 3 : l[2].Begin != npos ? 2 : 1;
            text = Inserted(layer, l[last].End, After(" ", value));
            break;
        }
        case ShadowPart::Inset:
            text = Inserted(layer, words.front().Begin, "inset ");
            break;
        case ShadowPart::X:
        case ShadowPart::Y:
            return std::nullopt;
        }
    }
    const auto again = ParseShadow(text);
    if (!again || (!value.empty() && part != ShadowPart::Inset && again->Piece(part).Text != value))
        return std::nullopt;
    return text;
}

// ---------------------------------------------------------------------------
// Transitions

std::optional<Transition> ParseTransition(std::string_view layer) {
    const ValuePiece none{{}, npos, npos};
    Transition transition{{none, none, none, none}};
    auto take = [&](TransitionPart part, const ValuePiece& word) {
        ValuePiece& slot = transition.Parts[static_cast<size_t>(part)];
        if (slot.Begin != npos)
            return false;
        slot = word;
        return true;
    };
    for (const ValuePiece& word : LayerWords(layer)) {
        bool taken = false;
        if (IsTime(word.Text))
            taken = take(TransitionPart::Duration, word) || take(TransitionPart::Delay, word);
        else if (IsTimingFunction(word.Text))
            taken = take(TransitionPart::Timing, word);
        else if (IsIdentifier(word.Text))
            taken = take(TransitionPart::Property, word);
        if (!taken)
            return std::nullopt;
    }
    return transition;
}

std::optional<std::string> WithTransitionPart(std::string_view layer, TransitionPart part,
                                              std::string_view value) {
    const auto transition = ParseTransition(layer);
    if (!transition)
        return std::nullopt;
    const ValuePiece& piece = transition->Piece(part);
    const auto words = LayerWords(layer);
    std::string text;
    if (piece.Begin != npos) {
        if (!value.empty())
            text = Spliced(layer, piece.Begin, piece.End, value);
        else if (part == TransitionPart::Duration &&
                 transition->Piece(TransitionPart::Delay).Begin != npos)
            text = Spliced(layer, piece.Begin, piece.End, "0s"); // the delay stays the delay
        else
            text = WithoutWord(layer, words, IndexOf(words, piece));
    } else if (value.empty()) {
        return std::string(layer);
    } else if (words.empty()) {
        text = std::string(value);
    } else if (part == TransitionPart::Property) {
        text = Inserted(layer, words.front().Begin, std::string(value) + " ");
    } else if (part == TransitionPart::Delay &&
               transition->Piece(TransitionPart::Duration).Begin == npos) {
        auto withDuration = WithTransitionPart(layer, TransitionPart::Duration, "0s");
        if (!withDuration)
            return std::nullopt;
        return WithTransitionPart(*withDuration, TransitionPart::Delay, value);
    } else {
        // The duration after the property, the rest after the last part.
        const ValuePiece& property = transition->Piece(TransitionPart::Property);
        if (part == TransitionPart::Duration)
            text = property.Begin != npos
                       ? Inserted(layer, property.End, After(" ", value))
                       : Inserted(layer, words.front().Begin, std::string(value) + " ");
        else
            text = Inserted(layer, words.back().End, After(" ", value));
    }
    const auto again = ParseTransition(text);
    if (!again || (!value.empty() && again->Piece(part).Text != value))
        return std::nullopt;
    return text;
}

std::optional<std::array<double, 4>> CubicBezierOf(std::string_view timing) {
    timing = TrimCssBlanks(timing);
    struct Named {
        std::string_view Name;
        std::array<double, 4> Handles;
    };
    static constexpr Named kNamed[] = {{"ease", {0.25, 0.1, 0.25, 1}},
                                       {"linear", {0, 0, 1, 1}},
                                       {"ease-in", {0.42, 0, 1, 1}},
                                       {"ease-out", {0, 0, 0.58, 1}},
                                       {"ease-in-out", {0.42, 0, 0.58, 1}}};
    for (const Named& named : kNamed)
        if (EqualsIgnoringAsciiCase(timing, named.Name))
            return named.Handles;
    if (!StartsWithCall(timing, "cubic-bezier"))
        return std::nullopt;
    const std::string_view inner = timing.substr(13, timing.size() - 14);
    const auto args = SplitValue(inner, ',');
    if (args.size() != 4)
        return std::nullopt;
    std::array<double, 4> handles{};
    for (size_t i = 0; i < 4; ++i) {
        const std::string arg(args[i]);
        char* end = nullptr;
        handles[i] = std::strtod(arg.c_str(), &end);
        if (arg.empty() || end != arg.c_str() + arg.size() || !std::isfinite(handles[i]))
            return std::nullopt;
    }
    if (handles[0] < 0 || handles[0] > 1 || handles[2] < 0 || handles[2] > 1)
        return std::nullopt;
    return handles;
}

std::string CubicBezierText(const std::array<double, 4>& handles) {
    return "cubic-bezier(" + NumberText(handles[0]) + ", " + NumberText(handles[1]) + ", " +
           NumberText(handles[2]) + ", " + NumberText(handles[3]) + ")";
}

// ---------------------------------------------------------------------------
// Lists of functions

std::optional<std::vector<FunctionPiece>> SplitFunctions(std::string_view value) {
    std::vector<FunctionPiece> functions;
    for (const ValuePiece& word : LayerWords(value)) {
        const size_t open = word.Text.find('(');
        if (open == npos || open == 0 || word.Text.back() != ')' ||
            !IsIdentifier(word.Text.substr(0, open)))
            return std::nullopt;
        FunctionPiece function;
        function.Whole = word;
        function.Name = word.Text.substr(0, open);
        const std::string_view inner = word.Text.substr(open + 1, word.Text.size() - open - 2);
        const size_t offset = word.Begin + open + 1;
        function.CommaSeparated = SplitValue(inner, ',').size() > 1;
        function.Args = Pieces(inner, function.CommaSeparated ? ',' : ' ', offset);
        functions.push_back(std::move(function));
    }
    if (functions.empty())
        return std::nullopt;
    return functions;
}

std::optional<std::string> WithArgument(std::string_view value, size_t index, size_t arg,
                                        std::string_view text) {
    const auto functions = SplitFunctions(value);
    if (!functions || index >= functions->size() || arg >= (*functions)[index].Args.size() ||
        text.empty())
        return std::nullopt;
    const ValuePiece& piece = (*functions)[index].Args[arg];
    std::string edited = Spliced(value, piece.Begin, piece.End, text);
    const auto again = SplitFunctions(edited);
    if (!again || again->size() != functions->size() ||
        (*again)[index].Args.size() != (*functions)[index].Args.size())
        return std::nullopt;
    return edited;
}

std::string WithFunctionAdded(std::string_view value, std::string_view function) {
    const std::string_view trimmed = TrimCssBlanks(value);
    if (trimmed.empty() || EqualsIgnoringAsciiCase(trimmed, "none"))
        return std::string(function);
    const auto words = LayerWords(value);
    return Inserted(value, words.back().End, After(" ", function));
}

std::optional<std::string> WithoutFunction(std::string_view value, size_t index) {
    const auto functions = SplitFunctions(value);
    if (!functions || index >= functions->size())
        return std::nullopt;
    if (functions->size() == 1)
        return Spliced(value, (*functions)[0].Whole.Begin, (*functions)[0].Whole.End, "none");
    return WithoutWord(value, LayerWords(value), index);
}

std::optional<std::string> WithFunctionMoved(std::string_view value, size_t from, size_t to) {
    const auto functions = SplitFunctions(value);
    if (!functions || from >= functions->size() || to >= functions->size())
        return std::nullopt;
    std::vector<ValuePiece> pieces;
    for (const FunctionPiece& function : *functions)
        pieces.push_back(function.Whole);
    return WithPieceMoved(value, pieces, from, to);
}

} // namespace tesselo
