#pragma once

// Gradients and the layers of a background, taken apart as the author wrote them: a
// gradient's head (its angle or side, its shape and centre) and its stops, a layer's
// picture, position and size, repeat, attachment, boxes and colour. Each part keeps its
// text and where it stands, so that a change rewrites that part alone.

#include "mapping/ColorNames.h"
#include "mapping/LayeredValue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// ---------------------------------------------------------------------------
// Gradients

enum class GradientShape { Linear, Radial, Conic };

// One item after the head: a colour stop with up to two positions, or a hint (a
// position alone between two colour stops). A missing piece has Begin npos.
struct GradientStop {
    ValuePiece Whole;
    ValuePiece Color; // empty for a hint
    std::array<ValuePiece, 2> Positions;
    bool IsHint() const { return Color.Begin == std::string::npos; }
    size_t PositionCount() const;
};

struct Gradient {
    GradientShape Shape = GradientShape::Linear;
    bool Repeating = false;
    ValuePiece Name;  // "-webkit-linear-gradient", as written
    ValuePiece Head;  // "to top right", "45deg", "circle at 0 0", "from 90deg"; npos without
    ValuePiece Angle; // the angle of a linear head, or after "from" in a conic one
    std::vector<GradientStop> Stops; // colour stops and hints, in order
};

// Nothing for text that is no gradient of the three shapes (with "repeating-" and a
// vendor's prefix), or one with fewer than two colour stops.
std::optional<Gradient> ParseGradient(std::string_view text);

// The indexes into Stops of the colour stops, hints left out.
std::vector<size_t> ColorStopIndexes(const Gradient& gradient);
// Where each colour stop stands, 0..1 of the gradient line: its first position when it
// is a percentage (or 0 for a zero), else as the browser places a stop without one,
// evenly between its neighbours; never before the stop in front of it.
std::vector<double> StopFractions(const Gradient& gradient);

// Stop `stop` (an index into Stops, a colour stop) with its colour written as `color`.
std::optional<std::string> WithStopColor(std::string_view gradient, size_t stop,
                                         std::string_view color);
// Stop `stop` with its first position written as `position`; a stop without one takes
// it after its colour. A second position moves with the first by as much.
std::optional<std::string> WithStopPosition(std::string_view gradient, size_t stop,
                                            std::string_view position);
// A colour stop added between colour stop `stop` and the next one, halfway or at `at`
// (0..1 of the gradient line, kept between the two), its colour as far between theirs
// (that of the first where either is no plain colour), written in the first's notation;
// with the new stop's index.
struct AddedStop {
    std::string Text;
    size_t Index = 0;
};
std::optional<AddedStop> WithStopAdded(std::string_view gradient, size_t stop,
                                       std::optional<double> at = std::nullopt);
// The gradient without colour stop `stop` and a hint that would stand alone; nothing
// when two colour stops would not remain.
std::optional<std::string> WithoutStop(std::string_view gradient, size_t stop);
// The angle of a linear or a conic gradient: replaces the angle or side written, or is
// written first where there was none. Nothing for a radial gradient.
std::optional<std::string> WithGradientAngle(std::string_view gradient, std::string_view angle);
// The angle in degrees the gradient's line runs in (180 for "to bottom", a linear
// gradient without head); nothing for an angle written otherwise (var(), calc()).
std::optional<double> GradientDegrees(const Gradient& gradient);

// "50%" with at most one decimal.
std::string PercentText(double fraction);

// ---------------------------------------------------------------------------
// Background layers

enum class BackgroundPart { Image, Position, Size, Repeat, Attachment, Origin, Clip, Color };
inline constexpr size_t kBackgroundParts = 8;

// The parts of one layer of the background shorthand; the colour only in the last.
// Position is its one to four words, Size what follows the "/". One box keyword stands
// for both origin and clip: both pieces are that word then.
struct BackgroundLayer {
    std::array<ValuePiece, kBackgroundParts> Parts;
    const ValuePiece& Piece(BackgroundPart part) const { return Parts[static_cast<size_t>(part)]; }
    bool Has(BackgroundPart part) const { return Piece(part).Begin != std::string::npos; }
};
// Nothing for a layer that is no background layer as written (a var() in it, a word no
// part takes, a colour in a layer that is not the last).
std::optional<BackgroundLayer> ParseBackgroundLayer(std::string_view layer, bool last);
// The layer with one part set to `value` in its place; a missing part is written where
// the shorthand's order puts it (a size with the position "0 0" when there is none). An
// empty value takes the part away. Nothing when the result would not read back so.
std::optional<std::string> WithBackgroundPart(std::string_view layer, bool last,
                                              BackgroundPart part, std::string_view value);

} // namespace tesselo
