#include "mapping/Gradient.h"

#include "document/ByteText.h"
#include "mapping/BlockRewriter.h"
#include "mapping/DeclarationList.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tesselo {
namespace {

constexpr size_t npos = std::string::npos;
const ValuePiece kNone{{}, npos, npos};

std::string Spliced(std::string_view text, size_t begin, size_t end, std::string_view with) {
    std::string spliced(text.substr(0, begin));
    spliced += with;
    spliced += text.substr(end);
    return spliced;
}

std::string Inserted(std::string_view text, size_t at, std::string_view with) {
    return Spliced(text, at, at, with);
}

std::string Joined(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string joined(a);
    joined += b;
    joined += c;
    return joined;
}

// The parts of `text` between separators, where each stands in the text it was cut from.
std::vector<ValuePiece> Pieces(std::string_view text, char separator, size_t offset) {
    std::vector<ValuePiece> pieces;
    for (std::string_view part : SplitValue(text, separator)) {
        const size_t begin = static_cast<size_t>(part.data() - text.data()) + offset;
        pieces.push_back({part, begin, begin + part.size()});
    }
    return pieces;
}

ValuePiece Span(const ValuePiece& first, const ValuePiece& last, std::string_view text) {
    return {text.substr(first.Begin, last.End - first.Begin), first.Begin, last.End};
}

bool IsAnyColor(std::string_view word) {
    return ParseColor(word).has_value() || IsColorText(word);
}

bool IsAngle(std::string_view word) {
    const std::string lower = LowerAscii(word);
    for (std::string_view unit : {"deg", "grad", "rad", "turn"}) {
        if (lower.size() <= unit.size() || !lower.ends_with(unit))
            continue;
        const std::string number = lower.substr(0, lower.size() - unit.size());
        char* end = nullptr;
        std::strtod(number.c_str(), &end);
        if (!number.empty() && end == number.c_str() + number.size() &&
            number.find_first_of("0123456789") != npos && number.find_first_of("xp") == npos)
            return true;
    }
    return false;
}

bool IsStopPosition(std::string_view word) {
    return IsLengthLike(word) || IsAngle(word);
}

// A gradient's name without its prefixes: "linear-gradient" of
// "-webkit-repeating-linear-gradient".
struct GradientName {
    GradientShape Shape = GradientShape::Linear;
    bool Repeating = false;
    bool Prefixed = false;
};
std::optional<GradientName> NameOf(std::string_view name) {
    std::string lower = LowerAscii(name);
    GradientName result;
    for (std::string_view prefix : {"-webkit-", "-moz-", "-o-"})
        if (lower.starts_with(prefix)) {
            lower.erase(0, prefix.size());
            result.Prefixed = true;
        }
    if (lower.starts_with("repeating-")) {
        lower.erase(0, 10);
        result.Repeating = true;
    }
    if (lower == "linear-gradient")
        result.Shape = GradientShape::Linear;
    else if (lower == "radial-gradient")
        result.Shape = GradientShape::Radial;
    else if (lower == "conic-gradient" && !result.Prefixed)
        result.Shape = GradientShape::Conic;
    else
        return std::nullopt;
    return result;
}

// The gradient's arguments: the head (when written) and then its stops.
std::vector<ValuePiece> Arguments(std::string_view text, const Gradient& gradient) {
    const size_t open = gradient.Name.End;
    return Pieces(text.substr(open + 1, text.size() - open - 2), ',', open + 1);
}

std::optional<GradientStop> ParseStop(const ValuePiece& argument) {
    GradientStop stop{argument, kNone, {kNone, kNone}};
    size_t positions = 0;
    const auto words = LayerWords(argument.Text);
    // A var() is the colour unless another word is.
    const bool plainColor = std::any_of(words.begin(), words.end(), [](const ValuePiece& word) {
        return IsAnyColor(word.Text) && !HoldsVariable(word.Text);
    });
    for (ValuePiece word : words) {
        word.Begin += argument.Begin;
        word.End += argument.Begin;
        const bool variableColor =
            HoldsVariable(word.Text) && !plainColor && stop.Color.Begin == npos;
        if (IsStopPosition(word.Text) && positions < 2 && !variableColor) {
            // The positions stand together, before or after the colour.
            if (positions == 1 && stop.Color.Begin != npos &&
                stop.Color.Begin > stop.Positions[0].Begin)
                return std::nullopt;
            stop.Positions[positions++] = word;
        } else if (IsAnyColor(word.Text) && stop.Color.Begin == npos) {
            stop.Color = word;
        } else {
            return std::nullopt;
        }
    }
    if (stop.IsHint() && positions != 1)
        return std::nullopt;
    return stop;
}

double Clamped(double value) {
    return std::clamp(value, 0.0, 1.0);
}

// Where a position stands, 0..1: a percentage, a zero, an angle of a conic gradient.
std::optional<double> FractionOf(std::string_view position) {
    const std::string lower = LowerAscii(position);
    const double number = std::strtod(lower.c_str(), nullptr);
    if (lower.ends_with('%'))
        return number / 100;
    if (IsAngle(lower)) {
        if (lower.ends_with("grad"))
            return number / 400;
        if (lower.ends_with("deg"))
            return number / 360;
        if (lower.ends_with("turn"))
            return number;
        return number / (2 * 3.14159265358979);
    }
    if (lower.find_first_not_of("+-0.") == npos && !lower.empty())
        return 0.0;
    return std::nullopt;
}

// The colour between two, `t` of the way from `a` to `b`, alpha too.
Color MixedColor(Color a, Color b, double t) {
    auto mix = [t](uint8_t from, uint8_t to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * std::clamp(t, 0.0, 1.0)));
    };
    return {mix(a.Red, b.Red), mix(a.Green, b.Green), mix(a.Blue, b.Blue), mix(a.Alpha, b.Alpha)};
}

std::string NumberText(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

// What the author puts between two arguments: ", " when the text does not tell.
std::string Separator(std::string_view text, const std::vector<ValuePiece>& arguments) {
    if (arguments.size() < 2)
        return ", ";
    return std::string(text.substr(arguments[0].End, arguments[1].Begin - arguments[0].End));
}

} // namespace

size_t GradientStop::PositionCount() const {
    return size_t{Positions[0].Begin != npos} + size_t{Positions[1].Begin != npos};
}

std::optional<Gradient> ParseGradient(std::string_view text) {
    const size_t open = text.find('(');
    if (open == npos || open == 0 || text.size() < open + 2 || text.back() != ')' ||
        !std::all_of(text.begin(), text.begin() + static_cast<ptrdiff_t>(open), IsCssNameChar))
        return std::nullopt;
    const auto name = NameOf(text.substr(0, open));
    if (!name)
        return std::nullopt;
    Gradient gradient;
    gradient.Shape = name->Shape;
    gradient.Repeating = name->Repeating;
    gradient.Name = {text.substr(0, open), 0, open};
    gradient.Head = kNone;
    gradient.Angle = kNone;
    const auto arguments = Arguments(text, gradient);
    if (arguments.empty())
        return std::nullopt;
    size_t first = 0;
    const auto headWords = LayerWords(arguments[0].Text);
    const auto firstStop = ParseStop(arguments[0]);
    if (!headWords.empty() && (!firstStop || firstStop->IsHint())) {
        gradient.Head = arguments[0];
        first = 1;
        for (size_t i = 0; i < headWords.size(); ++i) {
            const bool angled = gradient.Shape == GradientShape::Linear
                                    ? i == 0
                                    : gradient.Shape == GradientShape::Conic && i > 0 &&
                                          EqualsIgnoringAsciiCase(headWords[i - 1].Text, "from");
            if (angled && (IsAngle(headWords[i].Text) || IsMathOrVarFunction(headWords[i].Text)))
                gradient.Angle = {headWords[i].Text, arguments[0].Begin + headWords[i].Begin,
                                  arguments[0].Begin + headWords[i].End};
        }
        // A linear head is an angle, or a side or corner after "to".
        if (gradient.Shape == GradientShape::Linear && gradient.Angle.Begin == npos &&
            !name->Prefixed && !EqualsIgnoringAsciiCase(headWords[0].Text, "to"))
            return std::nullopt;
    }
    size_t colors = 0;
    for (size_t i = first; i < arguments.size(); ++i) {
        auto stop = ParseStop(arguments[i]);
        if (!stop)
            return std::nullopt;
        // A hint stands between two colour stops.
        if (stop->IsHint() && (gradient.Stops.empty() || gradient.Stops.back().IsHint()))
            return std::nullopt;
        colors += stop->IsHint() ? 0u : 1u;
        gradient.Stops.push_back(*stop);
    }
    if (colors < 2 || gradient.Stops.back().IsHint())
        return std::nullopt;
    return gradient;
}

std::vector<size_t> ColorStopIndexes(const Gradient& gradient) {
    std::vector<size_t> indexes;
    for (size_t i = 0; i < gradient.Stops.size(); ++i)
        if (!gradient.Stops[i].IsHint())
            indexes.push_back(i);
    return indexes;
}

std::vector<double> StopFractions(const Gradient& gradient) {
    const auto indexes = ColorStopIndexes(gradient);
    std::vector<std::optional<double>> known;
    for (size_t index : indexes) {
        const ValuePiece& position = gradient.Stops[index].Positions[0];
        known.push_back(position.Begin != npos ? FractionOf(position.Text) : std::nullopt);
    }
    if (known.empty())
        return {};
    if (!known.front())
        known.front() = 0.0;
    if (!known.back())
        known.back() = std::max(1.0, known.front().value_or(0));
    std::vector<double> fractions(known.size());
    double floor = 0;
    for (size_t i = 0; i < known.size(); ++i) {
        if (known[i]) {
            floor = std::max(floor, *known[i]);
            fractions[i] = floor;
            continue;
        }
        // A run without positions shares the room between its known neighbours.
        size_t next = i;
        while (!known[next])
            ++next;
        const double from = fractions[i - 1];
        const double to = std::max(from, *known[next]);
        for (size_t j = i; j < next; ++j)
            fractions[j] = from + (to - from) * static_cast<double>(j - i + 1) /
                                      static_cast<double>(next - i + 1);
        i = next - 1;
        floor = fractions[next - 1];
    }
    for (double& fraction : fractions)
        fraction = Clamped(fraction);
    return fractions;
}

std::optional<std::string> WithStopColor(std::string_view text, size_t stop,
                                         std::string_view color) {
    const auto gradient = ParseGradient(text);
    if (!gradient || stop >= gradient->Stops.size() || gradient->Stops[stop].IsHint() ||
        !IsAnyColor(color))
        return std::nullopt;
    const ValuePiece& piece = gradient->Stops[stop].Color;
    std::string written = Spliced(text, piece.Begin, piece.End, color);
    const auto again = ParseGradient(written);
    if (!again || again->Stops.size() != gradient->Stops.size())
        return std::nullopt;
    return written;
}

std::optional<std::string> WithStopPosition(std::string_view text, size_t stop,
                                            std::string_view position) {
    const auto gradient = ParseGradient(text);
    if (!gradient || stop >= gradient->Stops.size() || !IsStopPosition(position))
        return std::nullopt;
    const GradientStop& item = gradient->Stops[stop];
    std::string written;
    if (item.PositionCount() == 0) {
        written = Inserted(text, item.Color.End, Joined(" ", position));
    } else {
        written = std::string(text);
        // A second position keeps its distance from the first.
        if (item.PositionCount() == 2) {
            const auto from = FractionOf(item.Positions[0].Text);
            const auto to = FractionOf(position);
            const auto second = FractionOf(item.Positions[1].Text);
            const bool percents = item.Positions[0].Text.ends_with('%') &&
                                  item.Positions[1].Text.ends_with('%') && position.ends_with('%');
            if (from && to && second && percents)
                written = Spliced(written, item.Positions[1].Begin, item.Positions[1].End,
                                  PercentText(*second + *to - *from));
        }
        written = Spliced(written, item.Positions[0].Begin, item.Positions[0].End, position);
    }
    const auto again = ParseGradient(written);
    if (!again || again->Stops.size() != gradient->Stops.size() ||
        again->Stops[stop].Positions[0].Text != position)
        return std::nullopt;
    return written;
}

std::optional<AddedStop> WithStopAdded(std::string_view text, size_t stop,
                                       std::optional<double> at) {
    const auto gradient = ParseGradient(text);
    if (!gradient || stop >= gradient->Stops.size() || gradient->Stops[stop].IsHint())
        return std::nullopt;
    const auto indexes = ColorStopIndexes(*gradient);
    const auto fractions = StopFractions(*gradient);
    size_t k =
        static_cast<size_t>(std::find(indexes.begin(), indexes.end(), stop) - indexes.begin());
    // After the last stop, the new one goes between it and the one before.
    if (k + 1 == indexes.size())
        --k;
    const GradientStop& left = gradient->Stops[indexes[k]];
    const GradientStop& right = gradient->Stops[indexes[k + 1]];
    const double from = fractions[k], to = fractions[k + 1];
    const double where = std::clamp(at.value_or((from + to) / 2), from, to);
    const double t = to > from ? (where - from) / (to - from) : 0.5;
    const auto a = ParseColor(left.Color.Text);
    const auto b = ParseColor(right.Color.Text);
    const std::string color = a && b
                                  ? WriteColor(MixedColor(*a, *b, t), NotationOf(left.Color.Text))
                                  : std::string(left.Color.Text);
    const std::string added = color + " " + PercentText(where);
    const auto arguments = Arguments(text, *gradient);
    AddedStop result;
    result.Text = Inserted(text, left.Whole.End, Separator(text, arguments) + added);
    result.Index = indexes[k] + 1;
    const auto again = ParseGradient(result.Text);
    if (!again || again->Stops.size() != gradient->Stops.size() + 1)
        return std::nullopt;
    return result;
}

std::optional<std::string> WithoutStop(std::string_view text, size_t stop) {
    const auto gradient = ParseGradient(text);
    if (!gradient || stop >= gradient->Stops.size() || gradient->Stops[stop].IsHint() ||
        ColorStopIndexes(*gradient).size() <= 2)
        return std::nullopt;
    const auto& stops = gradient->Stops;
    const bool hintBefore = stop > 0 && stops[stop - 1].IsHint();
    const bool hintAfter = stop + 1 < stops.size() && stops[stop + 1].IsHint();
    const bool first = stop == 0;
    const bool last = stop + 1 == stops.size();
    // A hint that would stand at an end, or beside another, goes with the stop.
    std::vector<size_t> gone{stop};
    if (hintBefore && (last || hintAfter))
        gone.push_back(stop - 1);
    else if (hintAfter && first)
        gone.push_back(stop + 1);
    const size_t head = gradient->Head.Begin != npos ? 1 : 0;
    const auto arguments = Arguments(text, *gradient);
    const size_t low = *std::min_element(gone.begin(), gone.end()) + head;
    const size_t high = *std::max_element(gone.begin(), gone.end()) + head;
    const std::string written =
        high + 1 < arguments.size()
            ? Spliced(text, arguments[low].Begin, arguments[high + 1].Begin, "")
            : Spliced(text, arguments[low - 1].End, arguments[high].End, "");
    if (!ParseGradient(written))
        return std::nullopt;
    return written;
}

std::optional<std::string> WithGradientAngle(std::string_view text, std::string_view angle) {
    const auto gradient = ParseGradient(text);
    if (!gradient || gradient->Shape == GradientShape::Radial ||
        !(IsAngle(angle) || IsMathOrVarFunction(angle)))
        return std::nullopt;
    const bool prefixed = gradient->Name.Text.starts_with('-');
    std::string written;
    if (gradient->Angle.Begin != npos) {
        written = Spliced(text, gradient->Angle.Begin, gradient->Angle.End, angle);
    } else if (gradient->Shape == GradientShape::Linear) {
        // An old prefixed form counts its angles otherwise: its sides stay as written.
        if (prefixed && gradient->Head.Begin != npos)
            return std::nullopt;
        written = gradient->Head.Begin != npos
                      ? Spliced(text, gradient->Head.Begin, gradient->Head.End, angle)
                      : Inserted(text, gradient->Stops[0].Whole.Begin,
                                 Joined(angle, Separator(text, Arguments(text, *gradient))));
    } else {
        written =
            gradient->Head.Begin != npos
                ? Inserted(text, gradient->Head.Begin, Joined("from ", angle, " "))
                : Inserted(text, gradient->Stops[0].Whole.Begin,
                           Joined("from ", angle, Separator(text, Arguments(text, *gradient))));
    }
    const auto again = ParseGradient(written);
    if (!again || again->Angle.Text != angle)
        return std::nullopt;
    return written;
}

std::optional<double> GradientDegrees(const Gradient& gradient) {
    const bool prefixed = gradient.Name.Text.starts_with('-');
    if (gradient.Angle.Begin != npos) {
        if (!IsAngle(gradient.Angle.Text))
            return std::nullopt;
        const double degrees = *FractionOf(gradient.Angle.Text) * 360;
        // The prefixed forms count from the east, anticlockwise.
        return prefixed ? 90 - degrees : degrees;
    }
    if (gradient.Shape != GradientShape::Linear)
        return 0.0;
    if (gradient.Head.Begin == npos)
        return 180.0;
    double x = 0, y = 0;
    for (const ValuePiece& word : LayerWords(gradient.Head.Text)) {
        const std::string lower = LowerAscii(word.Text);
        x += lower == "right" ? 1 : lower == "left" ? -1 : 0;
        y += lower == "top" ? 1 : lower == "bottom" ? -1 : 0;
    }
    // An old form names the side it starts from.
    if (prefixed) {
        x = -x;
        y = -y;
    }
    return std::fmod(std::atan2(x, y) * 180 / 3.14159265358979 + 360, 360);
}

std::string PercentText(double fraction) {
    return NumberText(std::round(fraction * 1000) / 10, 1) + "%";
}

// ---------------------------------------------------------------------------
// Background layers

namespace {

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> keywords) {
    for (std::string_view keyword : keywords)
        if (EqualsIgnoringAsciiCase(word, keyword))
            return true;
    return false;
}

bool IsImageWord(std::string_view word) {
    if (EqualsIgnoringAsciiCase(word, "none"))
        return true;
    const size_t open = word.find('(');
    if (open == npos || word.back() != ')')
        return false;
    const std::string name = LowerAscii(word.substr(0, open));
    return name == "url" || name == "image-set" || name == "-webkit-image-set" ||
           name == "cross-fade" || NameOf(name).has_value();
}

bool IsPositionWord(std::string_view word) {
    return IsOneOf(word, {"left", "center", "right", "top", "bottom"}) ||
           (IsLengthLike(word) && !HoldsVariable(word));
}

bool IsSizeWord(std::string_view word) {
    return IsOneOf(word, {"auto", "cover", "contain"}) ||
           (IsLengthLike(word) && !HoldsVariable(word));
}

bool IsBoxWord(std::string_view word) {
    return IsOneOf(word, {"border-box", "padding-box", "content-box"});
}

// The words of a layer, a "/" outside functions a word of its own: "center/cover" gives
// "center", "/", "cover".
std::vector<ValuePiece> Tokens(std::string_view layer) {
    std::vector<ValuePiece> tokens;
    for (const ValuePiece& word : LayerWords(layer)) {
        if (word.Text.find('(') != npos || word.Text.find('/') == npos) {
            tokens.push_back(word);
            continue;
        }
        size_t from = 0;
        while (from <= word.Text.size()) {
            const size_t slash = word.Text.find('/', from);
            const size_t end = slash == npos ? word.Text.size() : slash;
            if (end > from)
                tokens.push_back(
                    {word.Text.substr(from, end - from), word.Begin + from, word.Begin + end});
            if (slash == npos)
                break;
            tokens.push_back(
                {word.Text.substr(slash, 1), word.Begin + slash, word.Begin + slash + 1});
            from = slash + 1;
        }
    }
    return tokens;
}

constexpr BackgroundPart kOrder[] = {BackgroundPart::Image,  BackgroundPart::Position,
                                     BackgroundPart::Repeat, BackgroundPart::Attachment,
                                     BackgroundPart::Origin, BackgroundPart::Clip,
                                     BackgroundPart::Color};

// Where a part ends, with the size that follows a position.
size_t EndOf(const BackgroundLayer& parsed, BackgroundPart part) {
    if (part == BackgroundPart::Position && parsed.Has(BackgroundPart::Size))
        return parsed.Piece(BackgroundPart::Size).End;
    return parsed.Piece(part).End;
}

// The layer without the range and the blanks on one side of it.
std::string WithoutRange(std::string_view layer, size_t begin, size_t end) {
    size_t after = end;
    while (after < layer.size() && IsCssBlank(layer[after]))
        ++after;
    if (after < layer.size() || begin == 0)
        return Spliced(layer, begin, after, "");
    size_t before = begin;
    while (before > 0 && IsCssBlank(layer[before - 1]))
        --before;
    return Spliced(layer, before, end, "");
}

} // namespace

std::optional<BackgroundLayer> ParseBackgroundLayer(std::string_view layer, bool last) {
    if (HoldsVariable(layer))
        return std::nullopt;
    BackgroundLayer parsed;
    parsed.Parts.fill(kNone);
    auto& parts = parsed.Parts;
    auto slot = [&parts](BackgroundPart part) -> ValuePiece& {
        return parts[static_cast<size_t>(part)];
    };
    const auto tokens = Tokens(layer);
    for (size_t i = 0; i < tokens.size(); ++i) {
        const ValuePiece& token = tokens[i];
        auto take = [&](BackgroundPart part, const ValuePiece& piece) {
            if (slot(part).Begin != npos)
                return false;
            slot(part) = piece;
            return true;
        };
        // A run of words: the first and the words after it that `fits`, at most `most`.
        auto run = [&](auto fits, size_t most) {
            size_t end = i;
            while (end + 1 < tokens.size() && end + 1 - i < most && fits(tokens[end + 1].Text))
                ++end;
            const ValuePiece piece = Span(tokens[i], tokens[end], layer);
            i = end;
            return piece;
        };
        bool taken = false;
        if (IsImageWord(token.Text)) {
            taken = take(BackgroundPart::Image, token);
        } else if (IsPositionWord(token.Text)) {
            taken = take(BackgroundPart::Position, run(IsPositionWord, 4));
            if (taken && i + 1 < tokens.size() && tokens[i + 1].Text == "/") {
                i += 2;
                taken = i < tokens.size() && IsSizeWord(tokens[i].Text) &&
                        take(BackgroundPart::Size, run(IsSizeWord, 2));
            }
        } else if (IsOneOf(token.Text,
                           {"repeat", "repeat-x", "repeat-y", "no-repeat", "space", "round"})) {
            taken = take(BackgroundPart::Repeat,
                         run(
                             [](std::string_view w) {
                                 return IsOneOf(w, {"repeat", "no-repeat", "space", "round"});
                             },
                             2));
        } else if (IsOneOf(token.Text, {"scroll", "fixed", "local"})) {
            taken = take(BackgroundPart::Attachment, token);
        } else if (IsBoxWord(token.Text) || EqualsIgnoringAsciiCase(token.Text, "text")) {
            taken = (IsBoxWord(token.Text) && take(BackgroundPart::Origin, token)) ||
                    take(BackgroundPart::Clip, token);
        } else if (last && IsAnyColor(token.Text) && !IsCssWideKeyword(token.Text)) {
            taken = take(BackgroundPart::Color, token);
        }
        if (!taken)
            return std::nullopt;
    }
    // One box is both.
    if (parsed.Has(BackgroundPart::Origin) && !parsed.Has(BackgroundPart::Clip))
        slot(BackgroundPart::Clip) = slot(BackgroundPart::Origin);
    return parsed;
}

std::optional<std::string> WithBackgroundPart(std::string_view layer, bool last,
                                              BackgroundPart part, std::string_view value) {
    const auto parsed = ParseBackgroundLayer(layer, last);
    if (!parsed || (part == BackgroundPart::Color && !last) ||
        (!value.empty() && !IsSafeValue(value)))
        return std::nullopt;
    const bool boxes = part == BackgroundPart::Origin || part == BackgroundPart::Clip;
    const bool oneBox =
        parsed->Has(BackgroundPart::Origin) &&
        parsed->Piece(BackgroundPart::Origin).Begin == parsed->Piece(BackgroundPart::Clip).Begin;
    const ValuePiece& piece = parsed->Piece(part);
    std::string written;
    if (parsed->Has(part)) {
        if (!value.empty()) {
            std::string with(value);
            // One box stands for both: the other keeps its word.
            if (boxes && oneBox && EqualsIgnoringAsciiCase(value, piece.Text))
                with = piece.Text;
            else if (boxes && oneBox)
                with = part == BackgroundPart::Origin ? Joined(value, " ", piece.Text)
                                                      : Joined(piece.Text, " ", value);
            written = Spliced(layer, piece.Begin, piece.End, with);
        } else if (part == BackgroundPart::Size) {
            written = Spliced(layer, parsed->Piece(BackgroundPart::Position).End, piece.End, "");
        } else if (part == BackgroundPart::Position && parsed->Has(BackgroundPart::Size)) {
            written = Spliced(layer, piece.Begin, piece.End, "0 0");
        } else if (boxes && !oneBox) {
            written = Spliced(layer, piece.Begin, piece.End,
                              part == BackgroundPart::Origin ? "padding-box" : "border-box");
        } else {
            written = WithoutRange(layer, piece.Begin, piece.End);
        }
    } else {
        if (value.empty())
            return std::string(layer);
        std::string with(value);
        BackgroundPart place = part;
        if (part == BackgroundPart::Size) {
            if (parsed->Has(BackgroundPart::Position))
                written = Inserted(layer, parsed->Piece(BackgroundPart::Position).End,
                                   Joined(" / ", value));
            with = Joined("0 0 / ", value);
            place = BackgroundPart::Position;
        } else if (part == BackgroundPart::Origin) {
            with = Joined(value, " border-box");
        } else if (part == BackgroundPart::Clip) {
            with = Joined("padding-box ", value);
            place = BackgroundPart::Origin;
        }
        if (written.empty()) {
            const auto at = std::find(std::begin(kOrder), std::end(kOrder), place);
            std::optional<size_t> after;
            for (auto it = std::begin(kOrder); it != at; ++it)
                if (parsed->Has(*it))
                    after = EndOf(*parsed, *it);
            std::optional<size_t> before;
            for (auto it = at + 1; it != std::end(kOrder) && !before; ++it)
                if (parsed->Has(*it))
                    before = parsed->Piece(*it).Begin;
            if (after)
                written = Inserted(layer, *after, Joined(" ", with));
            else if (before)
                written = Inserted(layer, *before, Joined(with, " "));
            else
                written = with;
        }
    }
    const auto again = ParseBackgroundLayer(written, last);
    if (!again || (!value.empty() && !EqualsIgnoringAsciiCase(again->Piece(part).Text, value)))
        return std::nullopt;
    return written;
}

} // namespace tesselo
