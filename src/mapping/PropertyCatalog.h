#pragma once

// The properties the panel knows, one row each: what values each takes, its keywords
// and units, its initial value, the shorthand it belongs to, and the control and page
// that show it. The pages that are built from data, the all-properties page, the
// reading of a rule's properties and the coverage count all come from this table.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// What a value of a property may be; a property takes several.
enum ValueKind : uint32_t {
    KindLength = 1u << 0,     // a number with a length unit, or 0
    KindPercentage = 1u << 1, // 50%
    KindNumber = 1u << 2,     // 1.5
    KindInteger = 1u << 3,    // 3, -1
    KindKeyword = 1u << 4,    // one of the row's keywords
    KindColor = 1u << 5,      // any colour notation, currentcolor, transparent
    KindImage = 1u << 6,      // url(), a gradient
    KindText = 1u << 7,       // anything else the property takes, kept as written
    KindAngle = 1u << 8,      // 45deg, .5turn
    KindTime = 1u << 9,       // .15s, 200ms
    KindRatio = 1u << 10,     // 16 / 9
    KindPosition = 1u << 11,  // one to four keywords and lengths: "left 10px top"
};
using ValueKinds = uint32_t;

// The kind of control that shows a property on its page and on its row of the
// all-properties page.
enum class ControlKind : uint8_t {
    KeywordButtons, // one picture button a keyword
    KeywordChoice,  // a drop-down of the keywords
    Length,         // a number with the unit chooser
    Number,         // a number without unit
    Integer,
    Color,   // a swatch with the colour dialog
    Picture, // a picture chooser
    Text,    // a text field, kept as written
};

// How a shorthand's value gives its parts.
enum class ShorthandForm : uint8_t {
    None,     // a longhand
    Sides4,   // one to four values, top right bottom left
    Corners4, // as Sides4, the corners from the top left; an elliptical "/" form is text
    Pair,     // one or two values, the second the first when left out
    AnyOrder, // each part to the first longhand that takes it
    Flex,     // none | auto | grow [shrink] [basis]
    Lines,    // start [/ end]: the end is the start when it is a name, else auto
    Area,     // row-start [/ column-start [/ row-end [/ column-end]]]
    Opaque,   // the panel does not take the parts apart
};

// Where a property's control stands.
enum class CatalogPage : uint8_t {
    Panel,   // on the panel's tool bars and its first pages
    Layout,  // the page "Раскладка"
    Effects, // the page "Эффекты"
    All,     // only on the page of all the rule's properties
};

struct PropertySpec {
    std::string_view Name;
    ValueKinds Kinds = 0;
    // Blank-separated, in the order the controls show them. Words after a "|" are taken
    // and shown as text but have no button of their own.
    std::string_view Keywords;
    // Blank-separated length units; empty for every length unit.
    std::string_view Units;
    std::string_view Initial;
    bool Inherited = false;
    // The shorthands this longhand is a part of, innermost first, blank-separated.
    std::string_view Shorthands;
    // A shorthand's parts, in the order its form gives them, blank-separated.
    std::string_view Longhands;
    ShorthandForm Form = ShorthandForm::None;
    ControlKind Control = ControlKind::Text;
    CatalogPage Page = CatalogPage::All;
    std::string_view Box;  // the group box on its page
    std::string_view Hint; // UTF-8: the tool tip, "|" and the status line's text
};

std::span<const PropertySpec> PropertyCatalog();
// The row of a property named in any case; nothing for one the panel does not know.
const PropertySpec* FindProperty(std::string_view name);

// The words of a blank-separated list.
std::vector<std::string_view> Words(std::string_view list);
// The keywords that have a button (those before "|").
std::vector<std::string_view> ButtonKeywords(const PropertySpec& spec);
// All the keywords the property takes, with and without a button.
std::vector<std::string_view> AllKeywords(const PropertySpec& spec);
// The units the property's lengths take.
std::vector<std::string_view> UnitsOf(const PropertySpec& spec);

// The control's object name: "justify-content" gives "JustifyContent"; a keyword
// button adds its keyword: "AlignItemsCenter", "FlexDirectionColumnReverse".
std::string ControlName(std::string_view property, std::string_view keyword = {});

// Whether a value of the property is one of its kinds as a control of it holds it: a
// keyword it takes, a length with a unit it takes, a colour, a number... A CSS-wide
// keyword and a var() or calc() that stands for the whole value are held too. Free text
// is held only by a property whose kind is text.
bool ValueFits(const PropertySpec& spec, std::string_view value);

// The parts of a shorthand's value for each of its longhands, in the order of its
// Longhands: the text of each part as written (or the initial value the shorthand
// gives a part left out) and where that text stands in `value` (npos when left out).
struct ShorthandPart {
    std::string Value;
    size_t Begin = std::string::npos;
    size_t End = std::string::npos;
};
// Nothing when the value cannot be taken apart: a var() in it, a CSS-wide keyword, a
// part no longhand takes, an opaque form.
std::optional<std::vector<ShorthandPart>> SplitShorthand(const PropertySpec& shorthand,
                                                         std::string_view value);
// The shorthand's value with longhand `part` set to `value`, the other parts kept as
// written: the part's own text replaced where the value has it, else the value written
// in full in the form's order, as short as it means the same.
std::optional<std::string> WithShorthandPart(const PropertySpec& shorthand, std::string_view value,
                                             size_t part, std::string_view partValue);

} // namespace tesselo
