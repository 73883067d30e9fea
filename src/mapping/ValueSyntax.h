#pragma once

// The values of today's CSS as the panel's properties take them: lengths in every
// unit, keywords, functions (calc(), var(), ...), colours in every notation. Texts are
// compared without regard to ASCII case; what is kept is kept as written.

#include "mapping/ColorNames.h"
#include "mapping/PropertySet.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// The units a length takes, in lower case ("q" is CSS's quarter-millimetre), in the
// order the unit chooser offers them.
std::span<const std::string_view> LengthUnits();
bool IsLengthUnit(std::string_view unit);

// inherit, initial, unset, revert, revert-layer.
bool IsCssWideKeyword(std::string_view text);

// The whole text is one call of calc(), var(), min(), max(), clamp() or env() (with
// their -webkit- forms), its parentheses balanced.
bool IsMathOrVarFunction(std::string_view text);
// The text calls var() or env() somewhere: a browser takes such a value as it stands
// and works it out only when it applies it.
bool HoldsVariable(std::string_view text);

// A number followed by a unit of LengthUnits() or by none.
struct NumberAndUnit {
    std::string Number; // as written: "-1.5", ".5", "12"
    std::string Unit;   // in lower case, empty without unit
};
std::optional<NumberAndUnit> SplitNumberAndUnit(std::string_view text);

// What a length field makes of the text the user typed and confirmed.
struct TypedLength {
    enum class Kind {
        Number,         // digits alone: the unit button's unit stays
        NumberWithUnit, // "1.2rem": the field takes "1.2" and the unit "rem"
        Text,           // a keyword or function the property takes: kept as typed, no unit
    } What = Kind::Number;
    std::string Text; // the number, or the whole text
    std::string Unit; // with NumberWithUnit
};
// Nothing when the text is no value of the field's property: the field then writes
// nothing. Blanks at either end are ignored.
std::optional<TypedLength> ReadTypedLength(Length field, std::string_view text);

// A colour in any notation: the 148 names, #rgb, #rgba, #rrggbb, #rrggbbaa,
// rgb()/rgba()/hsl()/hsla() with commas or blanks. Not currentColor, transparent or
// var(): those the swatch cannot show as one colour.
std::optional<Color> ParseColor(std::string_view text);

// How a colour was written, so that a changed colour is written the same way.
enum class ColorNotation { Name, Hex, Rgb, Hsl };
ColorNotation NotationOf(std::string_view text);
// The colour in that notation; where no name exists for the colour, or it is not
// opaque, a name falls back to hex.
std::string WriteColor(Color color, ColorNotation notation);

} // namespace tesselo
