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

// The parts of a value between blanks (or between commas), outside strings, comments
// and parentheses; each part without the blanks around it, empty parts left out.
std::vector<std::string_view> SplitValue(std::string_view text, char separator = ' ');

// The units a length takes, in lower case ("q" is CSS's quarter-millimetre), in the
// order the unit chooser offers them.
std::span<const std::string_view> LengthUnits();
// Also the units the chooser does not offer (dvh, lh, ...), in any case.
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
// A length, a percentage, 0, or a function that gives one.
bool IsLengthLike(std::string_view text);
// An identifier that starts with a vendor's prefix: -webkit-box, -moz-available.
bool IsVendorKeyword(std::string_view text);

// Whether the text is a value of the field's property: a length (or a plain number
// where the property takes one), a keyword the property takes, a function, a CSS-wide
// keyword; border-width takes up to four widths.
bool IsLengthFieldValue(Length field, std::string_view text);

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
// The 148 colour names ParseColor takes, in lower case, in alphabetical order.
std::vector<std::string_view> ColorKeywords();

ColorNotation NotationOf(std::string_view text);
// A colour value the swatch cannot show as one colour but the property takes:
// currentColor, transparent, a CSS-wide keyword, var(), color-mix(), lab() and the like.
bool IsColorText(std::string_view text);
// The colour in that notation. A name is one of the sixteen upper-case names where the
// colour has one, else "#RRGGBB", and rgba() for a colour that is not opaque.
std::string WriteColor(Color color, ColorNotation notation);

} // namespace tesselo
