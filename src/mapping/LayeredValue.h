#pragma once

// Values made of layers and of lists of functions, taken apart as the author wrote them:
// the comma layers of box-shadow, text-shadow and transition, the parts of one shadow
// or transition layer, the functions of transform and filter. Every part keeps its
// text and where it stands, so that a change rewrites only the part it changes and the
// rest stays byte for byte.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// A piece of a value: its text as written and where it stands in the text it was cut
// from.
struct ValuePiece {
    std::string_view Text;
    size_t Begin = 0;
    size_t End = 0;
};

// The comma layers of a value, commas inside functions and strings left alone; each
// layer without the blanks around it.
std::vector<ValuePiece> SplitLayers(std::string_view value);
// The value with layer `index` written as `text`; the other layers and the commas
// between them as they were.
std::string WithLayer(std::string_view value, size_t index, std::string_view text);
// The value with `text` as a new layer before layer `at` (after the last when `at` is
// the count), separated as the author separates the layers (", " when there was one).
std::string WithLayerAdded(std::string_view value, size_t at, std::string_view text);
// The value without layer `index`, with one separator less; empty without any layer.
std::string WithoutLayer(std::string_view value, size_t index);
// The value with layer `from` moved to `to`: the layers change places, the separators
// stay where they are.
std::string WithLayerMoved(std::string_view value, size_t from, size_t to);

// The words of a layer between blanks, functions whole.
std::vector<ValuePiece> LayerWords(std::string_view layer);

// ---------------------------------------------------------------------------
// Shadows

enum class ShadowPart { X, Y, Blur, Spread, Color, Inset };

// A shadow layer's parts, in any order the author wrote them: two to four lengths in a
// row, a colour before or after them, "inset" anywhere. A missing part is an empty
// piece (Text empty, Begin npos).
struct Shadow {
    std::array<ValuePiece, 4> Lengths; // x y blur spread
    ValuePiece Color;
    ValuePiece Inset;
    bool Has(ShadowPart part) const;
    const ValuePiece& Piece(ShadowPart part) const;
};
// Nothing for a layer that is no shadow as written (a var() for the whole layer, a
// word no shadow takes, lengths apart from each other).
std::optional<Shadow> ParseShadow(std::string_view layer);
// The layer with one part set to `value` in its place; a part that was missing goes
// where the form wants it (blur after y, spread after blur, the colour last, inset
// first). An empty `value` takes blur, spread, colour or inset away ("inset" sets it).
// Nothing for a layer that is no shadow, or x and y taken away.
std::optional<std::string> WithShadowPart(std::string_view layer, ShadowPart part,
                                          std::string_view value);

// ---------------------------------------------------------------------------
// Transitions

enum class TransitionPart { Property, Duration, Timing, Delay };

// A transition layer: the first time is the duration, the second the delay; the timing
// function a keyword or cubic-bezier(), steps(), linear(); the property any other word.
struct Transition {
    std::array<ValuePiece, 4> Parts; // in TransitionPart's order; empty when left out
    const ValuePiece& Piece(TransitionPart part) const { return Parts[static_cast<size_t>(part)]; }
};
std::optional<Transition> ParseTransition(std::string_view layer);
// The layer with one part set in its place, or written where a missing part goes: the
// property first, the timing function after the duration, the delay after the duration
// (a duration of 0s written first where there was none). An empty value takes the
// timing function or the delay away.
std::optional<std::string> WithTransitionPart(std::string_view layer, TransitionPart part,
                                              std::string_view value);

// The four numbers of cubic-bezier() for the function's text: the keywords ease,
// linear, ease-in, ease-out, ease-in-out stand for theirs. Nothing for other text, or
// an x out of 0..1.
std::optional<std::array<double, 4>> CubicBezierOf(std::string_view timing);
// "cubic-bezier(0.25, 0.1, 0.25, 1)": each number with at most three decimals.
std::string CubicBezierText(const std::array<double, 4>& handles);

// ---------------------------------------------------------------------------
// Lists of functions: transform, filter

struct FunctionPiece {
    ValuePiece Whole;             // "rotate(45deg)"
    std::string_view Name;        // "rotate", as written
    std::vector<ValuePiece> Args; // each argument, where it stands in the value
    bool CommaSeparated = false;  // the arguments are separated by commas
};
// The functions of a value written one after the other; nothing when any word of it is
// no function (none, a var() for the whole list, a keyword).
std::optional<std::vector<FunctionPiece>> SplitFunctions(std::string_view value);
// The value with argument `arg` of function `index` set to `text`, the rest as it was.
std::optional<std::string> WithArgument(std::string_view value, size_t index, size_t arg,
                                        std::string_view text);
// The value with the function added after the last one ("none" replaced).
std::string WithFunctionAdded(std::string_view value, std::string_view function);
// The value without function `index`; "none" when none is left.
std::optional<std::string> WithoutFunction(std::string_view value, size_t index);
// The value with function `from` moved to `to`, the blanks between them where they were.
std::optional<std::string> WithFunctionMoved(std::string_view value, size_t from, size_t to);

} // namespace tesselo
