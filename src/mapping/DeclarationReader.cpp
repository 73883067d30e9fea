#include "mapping/DeclarationReader.h"

#include "document/SheetComposer.h"
#include "mapping/ClearPanel.h"
#include "mapping/DeclarationList.h"
#include "mapping/DeclarationWriter.h"
#include "mapping/ValueSyntax.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <span>
#include <vector>

namespace tesselo {
namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsUpperHex(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F');
}
constexpr bool IsNumberChar(char c) {
    return IsDigit(c) || c == '-' || c == '.';
}
constexpr bool IsUnitLetter(char c) {
    return c == '%' || c == 'C' || c == 'E' || c == 'H' || c == 'I' || c == 'M' || c == 'P' ||
           c == 'T' || c == 'X';
}

using S = Slot;
using G = KeywordGroup;

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
    for (auto word : words)
        if (EqualsIgnoringAsciiCase(text, word))
            return true;
    return false;
}

bool AllParts(std::string_view value, size_t most, const std::function<bool(std::string_view)>& ok,
              bool layers = false) {
    for (auto layer : layers ? SplitValue(value, ',') : std::vector<std::string_view>{value}) {
        auto parts = SplitValue(layer);
        if (parts.empty() || parts.size() > most)
            return false;
        for (auto part : parts)
            if (!ok(part))
                return false;
    }
    return true;
}

bool IsIdentifier(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '-';
    });
}

// Values of a keyword group that no button stands for, but the property takes.
bool IsGroupText(KeywordGroup group, std::string_view value) {
    if (IsCssWideKeyword(value) || HoldsVariable(value) || IsVendorKeyword(value))
        return true;
    switch (group) {
    case G::TextAlign:
        return IsOneOf(value, {"start", "end", "match-parent", "justify-all"});
    case G::TextDecoration:
        return AllParts(value, 4, [](std::string_view part) {
            return IsOneOf(part, {"none", "underline", "overline", "line-through", "blink", "solid",
                                  "double", "dotted", "dashed", "wavy", "auto", "from-font"}) ||
                   ParseColor(part) || IsColorText(part) || IsLengthLike(part);
        });
    case G::FontStyle:
        return AllParts(value, 2, [](std::string_view part) {
            return IsOneOf(part, {"oblique"}) || part.ends_with("deg");
        });
    case G::FontVariant:
    case G::Display:
        return AllParts(value, 3, IsIdentifier);
    case G::VerticalAlign:
        return IsLengthLike(value);
    case G::BorderStyle:
        return AllParts(value, 4, [](std::string_view part) {
            return IsOneOf(part, {"none", "hidden", "dotted", "dashed", "solid", "double", "groove",
                                  "ridge", "inset", "outset"});
        });
    case G::PicturePosition:
        return AllParts(
            value, 4,
            [](std::string_view part) {
                return IsOneOf(part, {"left", "right", "top", "bottom", "center"}) ||
                       IsLengthLike(part);
            },
            true);
    case G::PictureAttachment:
        return AllParts(
            value, 1,
            [](std::string_view part) {
                return IsOneOf(part, {"scroll", "fixed", "local"});
            },
            true);
    case G::PictureRepeat:
        return AllParts(
            value, 2,
            [](std::string_view part) {
                return IsOneOf(part,
                               {"repeat", "repeat-x", "repeat-y", "no-repeat", "space", "round"});
            },
            true);
    case G::Visibility:
        return false;
    case G::Overflow:
        return AllParts(value, 2, [](std::string_view part) {
            return IsOneOf(part, {"visible", "hidden", "clip", "scroll", "auto", "overlay"});
        });
    case G::Position:
        return false;
    case G::Float:
        return IsOneOf(value, {"none", "inline-start", "inline-end"});
    }
    return false;
}

// The button a value stands for: the keyword itself, oblique as italic, a position
// pair in either order.
std::optional<Keyword> ButtonFor(KeywordGroup group, std::string_view value) {
    std::string wanted = LowerAscii(value);
    if (group == G::FontStyle && wanted == "oblique")
        return Keyword::FontStyleItalic;
    if (group == G::PicturePosition) {
        auto parts = SplitValue(value);
        if (parts.size() != 2)
            return std::nullopt;
        auto horizontal = [](std::string_view p) { return IsOneOf(p, {"left", "right"}); };
        auto vertical = [](std::string_view p) { return IsOneOf(p, {"top", "bottom"}); };
        if (horizontal(parts[1]) || vertical(parts[0]))
            std::swap(parts[0], parts[1]);
        wanted = LowerAscii(parts[0]) + " " + LowerAscii(parts[1]);
    }
    for (const auto& info : KeywordTable())
        if (info.Group == group && info.Value == wanted)
            return info.Button;
    return std::nullopt;
}

// What a property of the panel is in the rule's text.
struct SlotInfo {
    Slot Which;
    std::string_view Property; // lower case
};

constexpr std::array<SlotInfo, kSlotCount> kSlotProperties = {{
    {S::FontFamily, "font-family"},
    {S::FontWeight, "font-weight"},
    {S::FontSize, "font-size"},
    {S::FontStyle, "font-style"},
    {S::FontVariant, "font-variant"},
    {S::TextDecoration, "text-decoration"},
    {S::TextIndent, "text-indent"},
    {S::LineHeight, "line-height"},
    {S::WordSpacing, "word-spacing"},
    {S::LetterSpacing, "letter-spacing"},
    {S::TextAlign, "text-align"},
    {S::VerticalAlign, "vertical-align"},
    {S::MarginTop, "margin-top"},
    {S::MarginRight, "margin-right"},
    {S::MarginBottom, "margin-bottom"},
    {S::MarginLeft, "margin-left"},
    {S::PaddingTop, "padding-top"},
    {S::PaddingRight, "padding-right"},
    {S::PaddingBottom, "padding-bottom"},
    {S::PaddingLeft, "padding-left"},
    {S::FontColor, "color"},
    {S::BorderColor, "border-color"},
    {S::BorderStyle, "border-style"},
    {S::BorderWidth, "border-width"},
    {S::BackGroundColor, "background-color"},
    {S::BackGroundImage, "background-image"},
    {S::PicturePosition, "background-position"},
    {S::PictureAttachment, "background-attachment"},
    {S::PictureRepeat, "background-repeat"},
    {S::Display, "display"},
    {S::Visibility, "visibility"},
    {S::Overflow, "overflow"},
    {S::Clip, "clip"},
    {S::Position, "position"},
    {S::Float, "float"},
    {S::BlockTop, "top"},
    {S::BlockRight, "right"},
    {S::BlockBottom, "bottom"},
    {S::BlockLeft, "left"},
    {S::BlockHeight, "height"},
    {S::BlockWidth, "width"},
    {S::BorderTopWidth, "border-top-width"},
    {S::BorderTopStyle, "border-top-style"},
    {S::BorderTopColor, "border-top-color"},
    {S::BorderRightWidth, "border-right-width"},
    {S::BorderRightStyle, "border-right-style"},
    {S::BorderRightColor, "border-right-color"},
    {S::BorderBottomWidth, "border-bottom-width"},
    {S::BorderBottomStyle, "border-bottom-style"},
    {S::BorderBottomColor, "border-bottom-color"},
    {S::BorderLeftWidth, "border-left-width"},
    {S::BorderLeftStyle, "border-left-style"},
    {S::BorderLeftColor, "border-left-color"},
}};

// The border properties by the side they set: "border" and "border-width" set all
// four, "border-top" and "border-top-color" the top; the logical ones
// ("border-block-start") set a side that depends on the writing mode.
enum class BorderReach { None, All, Side, Logical };
struct BorderProperty {
    BorderReach Reach = BorderReach::None;
    BorderSide Side = BorderSide::All;
    std::array<bool, 3> Parts{}; // width, style, colour
};

BorderProperty BorderPropertyOf(std::string_view property) {
    BorderProperty out;
    if (!property.starts_with("border") || property.ends_with("radius"))
        return out;
    std::string_view rest = property.substr(6);
    constexpr std::array<std::string_view, 4> sides = {"-top", "-right", "-bottom", "-left"};
    out.Reach = BorderReach::All;
    for (size_t i = 0; i < sides.size(); ++i) {
        if (rest.starts_with(sides[i])) {
            out.Reach = BorderReach::Side;
            out.Side = kBorderSides[i];
            rest.remove_prefix(sides[i].size());
        }
    }
    for (std::string_view logical :
         {"-block-start", "-block-end", "-inline-start", "-inline-end", "-block", "-inline"}) {
        if (out.Reach == BorderReach::All && rest.starts_with(logical)) {
            out.Reach = BorderReach::Logical;
            rest.remove_prefix(logical.size());
        }
    }
    if (rest.empty())
        out.Parts = {true, true, true};
    else if (rest == "-width")
        out.Parts[0] = true;
    else if (rest == "-style")
        out.Parts[1] = true;
    else if (rest == "-color")
        out.Parts[2] = true;
    else
        out.Reach = BorderReach::None; // border-image, border-collapse, border-spacing
    return out;
}

using SlotMask = std::array<bool, kSlotCount>;

void Cover(SlotMask& mask, std::initializer_list<Slot> slots) {
    for (Slot slot : slots)
        mask[static_cast<size_t>(slot)] = true;
}

constexpr std::array<Slot, 4> kMargin = {S::MarginTop, S::MarginRight, S::MarginBottom,
                                         S::MarginLeft};
constexpr std::array<Slot, 4> kPadding = {S::PaddingTop, S::PaddingRight, S::PaddingBottom,
                                          S::PaddingLeft};
constexpr std::array<Slot, 4> kOffsets = {S::BlockTop, S::BlockRight, S::BlockBottom, S::BlockLeft};

// The panel's properties a declaration sets, in whole or in part: its own, those of a
// shorthand, of a logical property for the same side (in either writing direction)
// and of the longhands a panel property is itself a shorthand of.
SlotMask Covered(std::string_view property) {
    SlotMask mask{};
    for (const auto& info : kSlotProperties)
        if (info.Property == property)
            mask[static_cast<size_t>(info.Which)] = true;
    auto box = [&](std::string_view name, const std::array<Slot, 4>& sides) {
        if (property == name) {
            Cover(mask, {sides[0], sides[1], sides[2], sides[3]});
            return;
        }
        if (!property.starts_with(name) || property.size() <= name.size() ||
            property[name.size()] != '-')
            return;
        std::string_view rest = property.substr(name.size() + 1);
        if (rest.starts_with("block"))
            Cover(mask, {sides[0], sides[2]});
        else if (rest.starts_with("inline"))
            Cover(mask, {sides[1], sides[3]});
    };
    box("margin", kMargin);
    box("padding", kPadding);
    box("inset", kOffsets);
    // A border property for all four sides sets each side too; a logical one may set
    // any side.
    if (const BorderProperty border = BorderPropertyOf(property);
        border.Reach != BorderReach::None) {
        auto cover = [&](BorderSide side) {
            const BorderSlots slots = SlotsOf(side);
            for (int part = 0; part < 3; ++part)
                if (border.Parts[static_cast<size_t>(part)])
                    Cover(mask, {part == 0 ? slots.Width : part == 1 ? slots.Style : slots.Color});
        };
        if (border.Reach == BorderReach::Side) {
            cover(border.Side);
        } else {
            cover(BorderSide::All);
            for (BorderSide side : kBorderSides)
                cover(side);
        }
    }
    if (property == "background" || property.starts_with("background-position-"))
        Cover(mask, {S::BackGroundColor, S::BackGroundImage, S::PicturePosition,
                     S::PictureAttachment, S::PictureRepeat});
    if (property == "font")
        Cover(mask, {S::FontFamily, S::FontWeight, S::FontSize, S::FontStyle, S::FontVariant,
                     S::LineHeight});
    if (property.starts_with("font-variant-"))
        Cover(mask, {S::FontVariant});
    // The longhands of text-decoration; text-decoration-skip-ink and the like are not.
    if (property == "text-decoration-line" || property == "text-decoration-style" ||
        property == "text-decoration-color" || property == "text-decoration-thickness")
        Cover(mask, {S::TextDecoration});
    // The longhands of overflow, physical and logical; overflow-wrap and the like are not.
    if (property == "overflow-x" || property == "overflow-y" || property == "overflow-block" ||
        property == "overflow-inline")
        Cover(mask, {S::Overflow});
    if (property == "inline-size")
        Cover(mask, {S::BlockWidth});
    if (property == "block-size")
        Cover(mask, {S::BlockHeight});
    if (property == "all")
        mask.fill(true);
    return mask;
}

// The list entry that matches the text in any case gives its spelling; other plain
// names are shown in upper case, values with a function or a string as written.
void ShowChoice(TextChoiceField& field, const LineList& items, std::string_view value) {
    field.ItemIndex = -1;
    field.Set = true;
    for (size_t i = 0; i < items.size(); ++i) {
        if (EqualsIgnoringAsciiCase(items[i], value)) {
            field.Text = items[i];
            field.ItemIndex = static_cast<int>(i);
            return;
        }
    }
    const bool plain = value.find_first_of("(\"'") == std::string_view::npos;
    field.Text = plain ? UpperAscii(value) : std::string(value);
}

void SetLength(LengthField& field, std::string_view value) {
    if (auto parts = SplitNumberAndUnit(value)) {
        field.Text = parts->Number;
        field.Unit = parts->Unit;
        const std::string& n = parts->Number;
        int32_t whole = 0;
        auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), whole);
        if (ec == std::errc() && end == n.data() + n.size())
            field.Whole = whole;
    } else {
        field.Text = std::string(value);
        field.Unit.clear();
    }
    field.Set = true;
}

std::optional<KeywordGroup> KeywordGroupOf(Slot slot) {
    for (const auto& info : KeywordTable()) {
        for (const auto& property : kSlotProperties) {
            if (property.Which == slot && EqualsIgnoringAsciiCase(info.Property, property.Property))
                return info.Group;
        }
    }
    return std::nullopt;
}

// The four edges of "rect(top, right, bottom, left)" (commas or blanks between them).
std::optional<std::array<std::string_view, 4>> ClipParts(std::string_view value) {
    if (value.size() < 6 || !EqualsIgnoringAsciiCase(value.substr(0, 5), "rect(") ||
        value.back() != ')')
        return std::nullopt;
    std::string_view inner = value.substr(5, value.size() - 6);
    auto parts =
        inner.find(',') != std::string_view::npos ? SplitValue(inner, ',') : SplitValue(inner);
    if (parts.size() != 4)
        return std::nullopt;
    for (auto part : parts)
        if (!IsOneOf(part, {"auto"}) && !IsLengthLike(part) && !SplitNumberAndUnit(part))
            return std::nullopt;
    return std::array<std::string_view, 4>{parts[0], parts[1], parts[2], parts[3]};
}

// The path of url(path) or url("path"); nothing for a data: address or anything else.
std::optional<std::string_view> PicturePath(std::string_view value) {
    if (value.size() < 5 || !EqualsIgnoringAsciiCase(value.substr(0, 4), "url(") ||
        value.back() != ')' || value.find(')') != value.size() - 1)
        return std::nullopt;
    std::string_view path = value.substr(4, value.size() - 5);
    if (path.size() >= 5 && EqualsIgnoringAsciiCase(path.substr(0, 5), "data:"))
        return std::nullopt;
    return path;
}

bool IsImageText(std::string_view value) {
    if (IsCssWideKeyword(value) || HoldsVariable(value) || IsOneOf(value, {"none"}))
        return true;
    return AllParts(
        value, 1,
        [](std::string_view part) {
            const size_t open = part.find('(');
            if (open == std::string_view::npos || part.back() != ')')
                return false;
            std::string_view name = part.substr(0, open);
            return IsOneOf(name,
                           {"url", "image-set", "-webkit-image-set", "image", "cross-fade"}) ||
                   LowerAscii(name).find("gradient") != std::string::npos;
        },
        true);
}

// Whether the panel can hold the value for the property, and if so, puts it there.
bool Apply(PropertySet& panel, Slot slot, std::string_view value, bool apply) {
    // A side's border goes through the border controls, shown for that side a moment.
    if (auto border = BorderPartOf(slot); border && border->Side != BorderSide::All) {
        if (border->Part != 1 && SplitValue(value).size() > 1)
            return false; // one width or colour for one side
        const BorderSide shown = panel.ShownBorderSide;
        const BorderSlots all = SlotsOf(BorderSide::All);
        panel.ShowBorderSide(border->Side);
        const bool ok = Apply(panel,
                              border->Part == 0   ? all.Width
                              : border->Part == 1 ? all.Style
                                                  : all.Color,
                              value, apply);
        panel.ShowBorderSide(shown);
        return ok;
    }
    if (auto field = LengthOf(slot)) {
        if (!IsLengthFieldValue(*field, value))
            return false;
        if (apply)
            SetLength(panel[*field], value);
        return true;
    }
    if (auto group = KeywordGroupOf(slot)) {
        auto button = ButtonFor(*group, value);
        if (!button && !IsGroupText(*group, value))
            return false;
        if (apply) {
            panel.ReleaseGroup(*group);
            panel.Text(*group).clear();
            if (button)
                panel.PressDown(*button);
            else
                panel.Text(*group) = std::string(value);
        }
        return true;
    }
    switch (slot) {
    case S::FontFamily: {
        if (value.empty() || value.find(';') != std::string_view::npos)
            return false;
        if (!apply)
            return true;
        if (value.find('(') != std::string_view::npos) {
            panel.FontType.Text = std::string(value);
            panel.FontType.ItemIndex = -1;
            panel.FontType.Set = true;
            return true;
        }
        auto families = SplitValue(value, ',');
        if (families.empty())
            return false;
        ShowChoice(panel.FontType, panel.Items.FontType, families[0]);
        const size_t comma = value.find(',');
        if (comma != std::string_view::npos) {
            std::string_view alternative = value.substr(comma + 1);
            if (!alternative.empty() && alternative[0] == ' ')
                alternative.remove_prefix(1);
            ShowChoice(panel.FontType2, panel.Items.FontType2, alternative);
        }
        return true;
    }
    case S::FontWeight: {
        const bool number = value.find_first_not_of("0123456789") == std::string_view::npos;
        if (!number && !IsOneOf(value, {"normal", "bold", "bolder", "lighter"}) &&
            !IsCssWideKeyword(value) && !HoldsVariable(value) && !IsMathOrVarFunction(value))
            return false;
        if (apply) {
            ShowChoice(panel.FontWeight, panel.Items.FontWeight, value);
            panel.FontBold = EqualsIgnoringAsciiCase(value, "bold");
        }
        return true;
    }
    case S::FontSize: {
        const bool keyword = IsFontSizeKeyword(UpperAscii(value));
        const bool length = SplitNumberAndUnit(value).has_value();
        if (!keyword && !length && !IsCssWideKeyword(value) && !IsMathOrVarFunction(value) &&
            !HoldsVariable(value) && !IsOneOf(value, {"math"}))
            return false;
        if (!apply)
            return true;
        panel.FontSize.Set = true;
        panel.FontSize.ItemIndex = -1;
        if (keyword) {
            panel.FontSize.Text = LowerAscii(value);
            panel.FontSizeUnit.clear();
        } else if (length) {
            auto parts = SplitNumberAndUnit(value);
            panel.FontSize.Text = parts->Number;
            panel.FontSizeUnit = parts->Unit;
        } else {
            panel.FontSize.Text = std::string(value);
            panel.FontSizeUnit.clear();
        }
        return true;
    }
    case S::FontColor:
    case S::BorderColor:
    case S::BackGroundColor: {
        if (slot == S::BorderColor && SplitValue(value).size() > 1)
            return AllParts(value, 4,
                            [](std::string_view part) {
                                return ParseColor(part) || IsColorText(part);
                            }) &&
                   (!apply || (panel.BorderColorCheck = true, panel.BorderColorText = value, true));
        auto color = ParseColor(value);
        if (!color && !IsColorText(value))
            return false;
        if (!apply)
            return true;
        if (slot == S::BackGroundColor && EqualsIgnoringAsciiCase(value, "transparent")) {
            panel.BackGroundTransparent = true;
            return true;
        }
        bool& check = slot == S::FontColor     ? panel.FontColorCheck
                      : slot == S::BorderColor ? panel.BorderColorCheck
                                               : panel.BackGroundColorCheck;
        Color& swatch = slot == S::FontColor     ? panel.FontColor
                        : slot == S::BorderColor ? panel.BorderColor
                                                 : panel.BackGroundColor;
        std::string& text = slot == S::FontColor     ? panel.FontColorText
                            : slot == S::BorderColor ? panel.BorderColorText
                                                     : panel.BackGroundColorText;
        check = true;
        if (color) {
            swatch = *color;
            text.clear();
        } else {
            text = std::string(value);
        }
        return true;
    }
    case S::BackGroundImage: {
        auto path = PicturePath(value);
        if (!path && !IsImageText(value))
            return false;
        if (!apply)
            return true;
        panel.BackGroundAttEnabled = true;
        panel.BackGroundAttCheck = true;
        if (path) {
            panel.BackGroundAttPath = std::string(*path);
            panel.BackGroundAttCaption = PictureCaption(*path);
            panel.BackGroundImageText.clear();
        } else {
            panel.BackGroundImageText = std::string(value);
            panel.BackGroundAttCaption = std::string(value.substr(0, 40));
        }
        return true;
    }
    case S::Clip: {
        auto parts = ClipParts(value);
        if (!parts)
            return false;
        if (apply) {
            const std::array<Length, 4> edges = {Length::ClipTop, Length::ClipRight,
                                                 Length::ClipBottom, Length::ClipLeft};
            for (size_t i = 0; i < 4; ++i)
                if (!IsOneOf((*parts)[i], {"auto"}))
                    SetLength(panel[edges[i]], (*parts)[i]);
        }
        return true;
    }
    default:
        return false;
    }
}

// A variable standing alone in a shorthand is taken as one value, as sheets write them
// ("padding: var(--y) var(--x)"); how many it holds is known only in the browser, so a
// shorthand with a variable is never rewritten: a changed part is written after it.
bool IsBareVariable(std::string_view part) {
    return part.size() > 5 && EqualsIgnoringAsciiCase(part.substr(0, 4), "var(") &&
           part.back() == ')';
}

// The four values of a margin or padding shorthand, or nothing.
std::optional<ShorthandParts> BoxParts(std::string_view value, Length sample) {
    auto parts = SplitValue(value);
    if (parts.empty() || parts.size() > 4)
        return std::nullopt;
    for (auto part : parts)
        if (!IsLengthFieldValue(sample, part) || (parts.size() > 1 && IsCssWideKeyword(part)))
            return std::nullopt;
    ShorthandParts out;
    out[0] = std::string(parts[0]);
    out[1] = std::string(parts.size() > 1 ? parts[1] : parts[0]);
    out[2] = std::string(parts.size() > 2 ? parts[2] : parts[0]);
    out[3] = std::string(parts.size() > 3 ? parts[3] : out[1]);
    return out;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ')
            out += LowerAscii(c);
    return out;
}

constexpr std::array<Slot, 3> kBorder = {S::BorderWidth, S::BorderStyle, S::BorderColor};

bool IsBorderStyle(std::string_view part) {
    return IsOneOf(part, {"none", "hidden", "dotted", "dashed", "solid", "double", "groove",
                          "ridge", "inset", "outset"});
}

// Width, style and colour of a border shorthand, each at most once, in any order.
// A variable takes the first part no other value takes, in the order width, style and
// colour; a variable alone is the whole border and is not taken.
std::optional<ShorthandParts> BorderParts(std::string_view value) {
    ShorthandParts out;
    if (IsCssWideKeyword(value)) {
        out[0] = out[1] = out[2] = std::string(value);
        return out;
    }
    auto parts = SplitValue(value);
    if (parts.empty() || parts.size() > 3 || (parts.size() == 1 && IsBareVariable(parts[0])))
        return std::nullopt;
    std::vector<std::string_view> variables;
    for (auto part : parts) {
        size_t which = 0;
        if (IsCssWideKeyword(part))
            return std::nullopt; // "inherit" stands alone or makes the border invalid
        if (IsBareVariable(part)) {
            variables.push_back(part);
            continue;
        }
        if (IsLengthLike(part) || IsOneOf(part, {"thin", "medium", "thick"}))
            which = 0;
        else if (IsBorderStyle(part))
            which = 1;
        else if (ParseColor(part) || IsColorText(part))
            which = 2;
        else
            return std::nullopt;
        if (!out[which].empty())
            return std::nullopt;
        out[which] = std::string(part);
    }
    for (auto variable : variables) {
        auto free = std::find_if(out.begin(), out.begin() + 3,
                                 [](const std::string& p) { return p.empty(); });
        *free = std::string(variable); // three parts at most, so one is free
    }
    return out;
}

constexpr std::array<Slot, 5> kBackground = {S::BackGroundColor, S::BackGroundImage,
                                             S::PicturePosition, S::PictureAttachment,
                                             S::PictureRepeat};

bool IsBox(std::string_view part) {
    return IsOneOf(part, {"border-box", "padding-box", "content-box", "text"});
}

// Colour, picture, position, attachment and repeat of a one-layer background
// shorthand; its boxes go to the rest. Nothing for several layers, a size ("/") or a
// variable.
std::optional<ShorthandParts> BackgroundParts(std::string_view value) {
    if (HoldsVariable(value) || IsCssWideKeyword(value) || SplitValue(value, ',').size() != 1)
        return std::nullopt;
    ShorthandParts out;
    auto add = [&](size_t which, std::string_view part) {
        if (!out[which].empty() && which != 2 && which != 4)
            return false;
        out[which] += (out[which].empty() ? "" : " ") + std::string(part);
        return true;
    };
    size_t last = 9;
    for (auto part : SplitValue(value)) {
        size_t which = 9;
        if (IsCssWideKeyword(part))
            return std::nullopt; // a shorthand the browser drops
        if (part.find('/') != std::string_view::npos && !PicturePath(part) && !IsImageText(part))
            return std::nullopt;
        if (IsOneOf(part, {"left", "right", "top", "bottom", "center"}) || IsLengthLike(part))
            which = 2;
        else if (IsOneOf(part, {"repeat", "repeat-x", "repeat-y", "no-repeat", "space", "round"}))
            which = 4;
        else if (IsOneOf(part, {"scroll", "fixed", "local"}))
            which = 3;
        else if (PicturePath(part) || IsImageText(part))
            which = 1;
        else if (ParseColor(part) || IsColorText(part))
            which = 0;
        else if (IsBox(part))
            continue;
        else
            return std::nullopt;
        // The words of a position or a repeat stand together.
        if (which == last && (which == 2 || which == 4)) {
            out[which] += " " + std::string(part);
            continue;
        }
        if (!out[which].empty() || !add(which, part))
            return std::nullopt;
        last = which;
    }
    return out;
}

std::string BackgroundRest(std::string_view value) {
    std::string rest;
    for (auto part : SplitValue(value))
        if (IsBox(part))
            rest += (rest.empty() ? "" : " ") + std::string(part);
    return rest;
}

struct ShorthandGroup {
    std::string_view Name;
    std::span<const Slot> Slots;
    std::vector<BoxEntry>& (*Entries)(ReadOrigins&);
};

constexpr std::array<Slot, 6> kFont = {S::FontStyle, S::FontVariant, S::FontWeight,
                                       S::FontSize,  S::LineHeight,  S::FontFamily};

// Style, variant, weight, size, line height and family of a font shorthand, "" for a
// part it leaves to its default. Nothing for a system font ("menu"), a stretch or a
// variable.
std::optional<ShorthandParts> FontParts(std::string_view value) {
    ShorthandParts out;
    if (IsCssWideKeyword(value)) {
        out.fill(std::string(value));
        return out;
    }
    if (HoldsVariable(value))
        return std::nullopt;
    const auto words = SplitValue(value);
    size_t i = 0;
    for (; i < words.size() && i < 4; ++i) { // the words in front of the size
        const std::string_view word = words[i];
        size_t which = 0;
        if (IsOneOf(word, {"italic", "oblique"}))
            which = 0;
        else if (IsOneOf(word, {"small-caps"}))
            which = 1;
        else if (IsOneOf(word, {"bold", "bolder", "lighter"}) ||
                 (word.size() == 3 &&
                  word.find_first_not_of("0123456789") == std::string_view::npos))
            which = 2;
        else if (IsOneOf(word, {"normal"}))
            continue; // the default of whichever part
        else
            break;
        if (!out[which].empty())
            return std::nullopt;
        out[which] = std::string(word);
    }
    if (i >= words.size())
        return std::nullopt;
    // The size, its line height after a "/", and the family to the end.
    std::string_view rest = value.substr(static_cast<size_t>(words[i].data() - value.data()));
    auto cut = [&rest](std::string_view stops) {
        const size_t end = std::min(rest.find_first_of(stops), rest.size());
        std::string_view part = rest.substr(0, end);
        rest.remove_prefix(end);
        while (!rest.empty() && IsCssBlank(rest.front()))
            rest.remove_prefix(1);
        return part;
    };
    const std::string_view size = cut(" /");
    std::string_view height;
    if (!rest.empty() && rest.front() == '/') {
        rest.remove_prefix(1);
        while (!rest.empty() && IsCssBlank(rest.front()))
            rest.remove_prefix(1);
        height = cut(" ");
        if (height.empty())
            return std::nullopt;
    }
    if (rest.empty() || !(IsLengthLike(size) || IsFontSizeKeyword(UpperAscii(size))))
        return std::nullopt;
    out[3] = std::string(size);
    out[4] = std::string(height);
    out[5] = std::string(rest);
    return out;
}

constexpr std::array<Slot, 3> kBorderTop = {S::BorderTopWidth, S::BorderTopStyle,
                                            S::BorderTopColor};
constexpr std::array<Slot, 3> kBorderRight = {S::BorderRightWidth, S::BorderRightStyle,
                                              S::BorderRightColor};
constexpr std::array<Slot, 3> kBorderBottom = {S::BorderBottomWidth, S::BorderBottomStyle,
                                               S::BorderBottomColor};
constexpr std::array<Slot, 3> kBorderLeft = {S::BorderLeftWidth, S::BorderLeftStyle,
                                             S::BorderLeftColor};

const std::array<ShorthandGroup, 9> kShorthandGroups = {{
    {"margin", kMargin, [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.Margin; }},
    {"padding", kPadding, [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.Padding; }},
    {"border", kBorder, [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.Border; }},
    {"background", kBackground,
     [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.Background; }},
    {"border-top", kBorderTop,
     [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.BorderSides[0]; }},
    {"border-right", kBorderRight,
     [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.BorderSides[1]; }},
    {"border-bottom", kBorderBottom,
     [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.BorderSides[2]; }},
    {"border-left", kBorderLeft,
     [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.BorderSides[3]; }},
    {"font", kFont, [](ReadOrigins& o) -> std::vector<BoxEntry>& { return o.Font; }},
}};

bool IsBorderShorthand(std::string_view property) {
    return property == "border" || property == "border-top" || property == "border-right" ||
           property == "border-bottom" || property == "border-left";
}

// A declaration for all four sides sets a side's border too, but only the side's own
// declarations are the side's in the panel.
bool IsOwnDeclaration(Slot slot, std::string_view property) {
    const auto part = BorderPartOf(slot);
    if (!part || part->Side == BorderSide::All)
        return true;
    const BorderProperty border = BorderPropertyOf(property);
    return border.Reach == BorderReach::Side && border.Side == part->Side;
}

const ShorthandGroup& GroupNamed(std::string_view name) {
    for (const auto& group : kShorthandGroups)
        if (group.Name == name)
            return group;
    return kShorthandGroups[0];
}

// The author's comments that go with a declaration: those inside its value, and those
// right after its ";" (blanks between them), up to what comes next.
struct DeclarationNotes {
    std::string Bare;    // the value without its comments
    std::string Inside;  // the comments inside the value, as written
    std::string Trailer; // the comments after the ";"
    size_t CutEnd = 0;   // where the declaration with its trailing comments ends
    // A string, comment or parenthesis of the value, or a comment after it, runs to the
    // end of the text: whatever were written after the declaration would be inside it.
    bool RunsToTheEnd = false;
};

// The trailing comments stop at `stop`, where the marker line stood: what follows the
// marker is the next line's, not this declaration's.
DeclarationNotes NotesOf(std::string_view text, const Declaration& d, size_t stop) {
    DeclarationNotes notes;
    const std::string_view value = d.Value;
    char quote = 0;
    int depth = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quote) {
            notes.Bare += c;
            if (c == '\\' && i + 1 < value.size())
                notes.Bare += value[++i];
            else if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '/' && i + 1 < value.size() && value[i + 1] == '*') {
            const size_t close = value.find("*/", i + 2);
            const size_t end = close == std::string_view::npos ? value.size() : close + 2;
            notes.RunsToTheEnd = notes.RunsToTheEnd || close == std::string_view::npos;
            // The first comment is written as it stood: right after the value or after
            // a blank.
            if (notes.Inside.empty())
                notes.Inside = i > 0 && value[i - 1] == ' ' ? " " : "";
            else
                notes.Inside += ' ';
            notes.Inside += value.substr(i, end - i);
            if (!notes.Bare.empty() && notes.Bare.back() != ' ')
                notes.Bare += ' ';
            i = end - 1;
            continue;
        }
        if (c == '\\' && i + 1 < value.size()) {
            notes.Bare += c;
            notes.Bare += value[++i]; // an escaped character counts for nothing
            continue;
        }
        if (c == '"' || c == '\'')
            quote = c;
        else if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        if (c != ' ' || (!notes.Bare.empty() && notes.Bare.back() != ' '))
            notes.Bare += c;
    }
    notes.RunsToTheEnd = notes.RunsToTheEnd || quote != 0 || depth > 0;
    while (!notes.Bare.empty() && notes.Bare.back() == ' ')
        notes.Bare.pop_back();
    notes.CutEnd = d.End;
    for (size_t at = d.End; at < text.size() && at < stop;) {
        if (IsCssBlank(text[at])) {
            ++at;
            continue;
        }
        if (!text.substr(at).starts_with("/*"))
            break;
        const size_t close = text.find("*/", at + 2);
        const size_t end = close == std::string_view::npos ? text.size() : close + 2;
        notes.RunsToTheEnd = notes.RunsToTheEnd || close == std::string_view::npos;
        notes.Trailer +=
            (notes.Trailer.empty() ? "" : " ") + std::string(text.substr(at, end - at));
        notes.CutEnd = at = end;
    }
    return notes;
}

struct Candidate {
    const Declaration* Source;
    SlotMask Covers{};
    bool Takeable = false;
    std::optional<ShorthandParts> Box; // a margin or padding shorthand
};

} // namespace

std::string NormalizeDeclarationsKeepCase(const LineList& lines) {
    std::string out;
    size_t size = 1;
    for (const auto& line : lines)
        size += line.size();
    out.reserve(size);
    // The scan keeps the output's last character as the one under examination, so a
    // character that arrives is its successor. Inside a string nothing is folded.
    char quote = 0;
    bool escaped = false;
    auto arrive = [&out, &quote, &escaped](char n) {
        if (quote) {
            out += n;
            if (escaped)
                escaped = false;
            else if (n == '\\')
                escaped = true;
            else if (n == quote)
                quote = 0;
            return;
        }
        if (static_cast<unsigned char>(n) <= 32)
            n = ' ';
        if (escaped) {
            // An escaped character stands for itself: it opens no string and folds nothing.
            escaped = false;
            out += n;
            return;
        }
        if (n == '\\')
            escaped = true;
        else if (n == '"' || n == '\'')
            quote = n;
        if (out.empty()) {
            out += n;
            return;
        }
        const char c = out.back();
        if ((c == ' ' && n == ' ') || (c == ':' && n == ' ') ||
            (c == ';' && (n == ' ' || n == ';')))
            return;
        if (c == ' ' && (n == ';' || n == ':'))
            out.back() = n;
        else
            out += n;
    };
    // A line end separates like a blank: a value written over two lines keeps the
    // blank between its parts.
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            arrive(' ');
        for (char c : lines[i])
            arrive(c);
    }
    // A string that never closes would take the ";" in: read again, it would hold one
    // more each time.
    if (!quote)
        arrive(';');
    return out;
}

std::string NormalizeDeclarations(const LineList& lines) {
    return UpperAscii(NormalizeDeclarationsKeepCase(lines));
}

std::string NumberChars(std::string_view text) {
    std::string out;
    for (char c : text)
        if (IsNumberChar(c))
            out += c;
    return out;
}

std::string UnitChars(std::string_view text) {
    std::string out;
    for (char c : text)
        if (IsUnitLetter(c))
            out += LowerAscii(c);
    return out;
}

std::optional<LengthParts> ParseLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    size_t intDigits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++intDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        size_t fracDigits = 0;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++fracDigits;
        if (intDigits == 0 && fracDigits == 0)
            return std::nullopt;
    } else if (intDigits == 0) {
        return std::nullopt;
    }
    std::string_view unit = text.substr(i);
    static constexpr std::array<std::string_view, 10> kUnits = {"",   "PX", "PT", "PC", "MM",
                                                                "CM", "EM", "EX", "IN", "%"};
    for (auto known : kUnits)
        if (unit == known)
            return LengthParts{std::string(text.substr(0, i)), LowerAscii(unit)};
    return std::nullopt;
}

bool IsColorValue(std::string_view text) {
    if (IsColorName(text))
        return true;
    auto allHex = [](std::string_view digits) {
        for (char c : digits)
            if (!IsUpperHex(c))
                return false;
        return true;
    };
    if (!text.empty() && text[0] == '#')
        return (text.size() == 4 || text.size() == 7) && allHex(text.substr(1));
    return text.size() == 6 && allHex(text);
}

LineList SplitUnsupported(std::string_view rest) {
    LineList lines;
    // A line starts at its first character: the blank after a comment that stays on
    // the line before is the line end the next read puts there.
    auto push = [&lines](std::string_view line) {
        while (!line.empty() && line.front() == ' ')
            line.remove_prefix(1);
        lines.emplace_back(line);
    };
    size_t start = 0;
    char quote = 0;
    int depth = 0;
    for (size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '\\') {
            ++i; // the escaped character counts for nothing
            continue;
        }
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '/' && i + 1 < rest.size() && rest[i + 1] == '*') {
            size_t close = rest.find("*/", i + 2);
            if (close == std::string_view::npos)
                break; // an unclosed comment keeps the rest on one line
            i = close + 1;
            continue;
        }
        if (c == '"' || c == '\'')
            quote = c;
        else if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (c == ';' && depth == 0) {
            // The comments right after the ";" stay on its line.
            size_t end = i + 1;
            for (size_t at = end; at < rest.size();) {
                if (rest[at] == ' ') {
                    ++at;
                    continue;
                }
                const size_t close = rest.substr(at).starts_with("/*") ? rest.find("*/", at + 2)
                                                                       : std::string_view::npos;
                if (close == std::string_view::npos)
                    break;
                end = at = close + 2;
            }
            push(rest.substr(start, end - start));
            start = end;
            i = end - 1;
        }
    }
    push(rest.substr(start));
    // A ";" left after a declaration's comments is the one that closes the text.
    if (lines.size() >= 3 &&
        lines[lines.size() - 2].find_first_not_of(' ') == lines[lines.size() - 2].size() - 1 &&
        lines[lines.size() - 2].back() == ';' && lines.back().empty() &&
        lines[lines.size() - 3].ends_with("*/"))
        lines.erase(lines.end() - 2);
    return lines;
}

namespace {

// Sets the panel from the lines; what it does not take, when asked for.
void ReadIntoPanel(PropertySet& panel, const LineList& lines, std::string* left) {
    // The rule is read with the border controls on all four sides; they go back to the
    // side the user chose after.
    const BorderSide shownSide = panel.ShownBorderSide;
    panel.ShowBorderSide(BorderSide::All);
    std::string text = NormalizeDeclarationsKeepCase(lines);
    // Every copy of the marker goes, with the blank its line end became; where it
    // stood is remembered.
    std::vector<size_t> markers;
    for (size_t at = 0;;) {
        at = UpperAscii(text).find(UpperAscii(kUnsupportedComment), at);
        if (at == std::string::npos)
            break;
        const size_t after = at + kUnsupportedComment.size();
        text.erase(at, kUnsupportedComment.size() + (after < text.size() && text[after] == ' '));
        markers.push_back(at);
    }
    ClearPanel(panel);

    const std::vector<Declaration> declarations = ParseDeclarations(text);
    // The panel reads the values without their comments; the comments go with them.
    std::vector<DeclarationNotes> notes;
    notes.reserve(declarations.size());
    for (const Declaration& d : declarations) {
        const auto marker = std::lower_bound(markers.begin(), markers.end(), d.End);
        notes.push_back(NotesOf(text, d, marker == markers.end() ? text.size() : *marker));
    }
    std::vector<Declaration> bare = declarations;
    for (size_t i = 0; i < bare.size(); ++i)
        bare[i].Value = notes[i].Bare;
    auto indexOf = [&](const Candidate& c) { return static_cast<size_t>(c.Source - bare.data()); };
    auto raw = [&](const Candidate& c) { return declarations[indexOf(c)].Value; };

    std::vector<Candidate> candidates;
    candidates.reserve(bare.size());
    for (const Declaration& d : bare) {
        Candidate c{&d, Covered(d.Property), false, std::nullopt};
        if (std::none_of(c.Covers.begin(), c.Covers.end(), [](bool b) { return b; }))
            continue; // no property of the panel's
        if (d.Property == "margin" || d.Property == "padding") {
            c.Box =
                BoxParts(d.Value, d.Property == "margin" ? Length::MarginTop : Length::PaddingTop);
            c.Takeable = c.Box.has_value();
        } else if (d.Property == "font") {
            // Every part must be one its control can show.
            c.Box = FontParts(d.Value);
            c.Takeable = c.Box.has_value();
            for (size_t part = 0; c.Takeable && part < kFont.size(); ++part)
                c.Takeable =
                    (*c.Box)[part].empty() || Apply(panel, kFont[part], (*c.Box)[part], false);
        } else if (IsBorderShorthand(d.Property)) {
            c.Box = BorderParts(d.Value);
            c.Takeable = c.Box.has_value();
        } else if (d.Property == "background") {
            c.Box = BackgroundParts(d.Value);
            // A background longhand the panel has no control for, in front of the
            // shorthand, would come after it once the shorthand is written forward.
            const bool resetsAKeptOne = std::any_of(
                static_cast<const Declaration*>(bare.data()), &d, [](const Declaration& earlier) {
                    return earlier.Property.starts_with("background-") &&
                           std::none_of(kSlotProperties.begin(), kSlotProperties.end(),
                                        [&](const SlotInfo& info) {
                                            return info.Property == earlier.Property;
                                        });
                });
            c.Takeable = c.Box.has_value() && !resetsAKeptOne;
        } else {
            for (const auto& info : kSlotProperties)
                if (info.Property == d.Property)
                    c.Takeable = Apply(panel, info.Which, d.Value, false);
        }
        // Written back in the panel's place, it would take in what follows it; without a
        // value, it would be written as nothing at all.
        if (notes[indexOf(c)].RunsToTheEnd || notes[indexOf(c)].Bare.empty())
            c.Takeable = false;
        candidates.push_back(std::move(c));
    }

    // A side's border in front of a border for all four sides that sets a part of it
    // would come after that one once written, the sides following the four: both stay
    // where they are.
    for (auto side = candidates.begin(); side != candidates.end(); ++side) {
        const BorderProperty own = BorderPropertyOf(side->Source->Property);
        if (own.Reach != BorderReach::Side)
            continue;
        for (auto later = side + 1; later != candidates.end(); ++later) {
            const BorderProperty all = BorderPropertyOf(later->Source->Property);
            if (all.Reach == BorderReach::All &&
                ((own.Parts[0] && all.Parts[0]) || (own.Parts[1] && all.Parts[1]) ||
                 (own.Parts[2] && all.Parts[2])))
                side->Takeable = later->Takeable = false;
        }
    }

    // A property that a declaration the panel cannot take sets in part is not the
    // panel's: all its declarations stay where they are, and so do shorthands that
    // set it along with others.
    SlotMask blocked{};
    for (bool again = true; again;) {
        again = false;
        for (Candidate& c : candidates) {
            bool touches = false;
            for (size_t s = 0; s < kSlotCount; ++s)
                touches = touches || (c.Covers[s] && blocked[s]);
            if (c.Takeable && touches)
                c.Takeable = false;
            if (!c.Takeable)
                for (size_t s = 0; s < kSlotCount; ++s)
                    if (c.Covers[s] && !blocked[s])
                        blocked[s] = true, again = true;
        }
    }

    // A picture's position, attachment or repeat without the picture places a picture
    // that another rule sets, as sprites do: its buttons stay enabled without one.
    auto taken = [&](Slot slot) {
        return !blocked[static_cast<size_t>(slot)] &&
               std::any_of(candidates.begin(), candidates.end(),
                           [&](const Candidate& c) { return c.Covers[static_cast<size_t>(slot)]; });
    };
    if (!taken(S::BackGroundImage))
        for (Slot slot : {S::PicturePosition, S::PictureAttachment, S::PictureRepeat})
            panel.PicturePlacementAlone = panel.PicturePlacementAlone || taken(slot);

    // The declaration that wins: the last one, or the last with "!important".
    std::vector<bool> removed(declarations.size(), false);
    std::array<int, kSlotCount> winners{};
    for (const auto& info : kSlotProperties) {
        const size_t s = static_cast<size_t>(info.Which);
        if (blocked[s])
            continue;
        const Candidate* winner = nullptr;
        SlotOrigin& origin = panel.Origins[info.Which];
        winners[s] = -1;
        for (const Candidate& c : candidates) {
            if (!c.Covers[s] || !IsOwnDeclaration(info.Which, c.Source->Property))
                continue;
            if (!winner || c.Source->Important || !winner->Source->Important) {
                winner = &c;
                winners[s] = c.Box ? -1 : static_cast<int>(origin.Values.size());
            }
            if (!c.Box) {
                origin.Values.push_back(
                    std::string(raw(c)) +
                    (c.Source->Important ? " " + std::string(c.Source->Priority) : ""));
                const std::string& trailer = notes[indexOf(c)].Trailer;
                if (!trailer.empty())
                    origin.Trailer += (origin.Trailer.empty() ? "" : " ") + trailer;
            }
            removed[indexOf(c)] = true;
        }
        if (!winner)
            continue;
        origin.Read = true;
        origin.Important = winner->Source->Important;
        origin.Notation = NotationOf(winner->Source->Value);
        if (!winner->Box)
            origin.Note = notes[indexOf(*winner)].Inside;
        if (winner->Box) {
            const ShorthandGroup& group = GroupNamed(winner->Source->Property);
            const size_t part =
                static_cast<size_t>(std::find(group.Slots.begin(), group.Slots.end(), info.Which) -
                                    group.Slots.begin());
            if (!(*winner->Box)[part].empty())
                Apply(panel, info.Which, (*winner->Box)[part], true);
        } else {
            Apply(panel, info.Which, winner->Source->Value, true);
        }
    }

    // Swatches of colours the rule does not set show their defaults.
    if (!panel.BackGroundColorCheck && !panel.BackGroundTransparent)
        panel.BackGroundColor = TextToColor("WHITE");
    if (!panel.BorderColorCheck)
        panel.BorderColor = TextToColor("GRAY");
    for (BorderSide side : kBorderSides) {
        BorderValues& values = panel.BorderSides[static_cast<size_t>(side)];
        if (!values.ColorCheck)
            values.Swatch = TextToColor("GRAY");
    }
    if (!panel.FontColorCheck)
        panel.FontColor = TextToColor("BLACK");

    // A group read with a shorthand is written back in the order read.
    for (const ShorthandGroup& group : kShorthandGroups) {
        std::vector<BoxEntry>& entries = group.Entries(panel.Origins);
        const bool any = std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& c) {
            return c.Box && c.Source->Property == group.Name && c.Takeable;
        });
        if (!any || blocked[static_cast<size_t>(group.Slots[0])])
            continue;
        for (const Candidate& c : candidates) {
            BoxEntry entry;
            entry.Priority = c.Source->Important ? std::string(c.Source->Priority) : "";
            entry.Note = notes[indexOf(c)].Inside;
            entry.Trailer = notes[indexOf(c)].Trailer;
            if (c.Box && c.Source->Property == group.Name) {
                entry.Parts = *c.Box;
                entry.Raw = std::string(raw(c));
                if (group.Name == "background")
                    entry.Rest = BackgroundRest(c.Source->Value);
            } else {
                auto part = std::find_if(group.Slots.begin(), group.Slots.end(), [&](Slot slot) {
                    return c.Covers[static_cast<size_t>(slot)] &&
                           IsOwnDeclaration(slot, c.Source->Property);
                });
                if (part == group.Slots.end() || c.Box)
                    continue;
                entry.Side = static_cast<int>(part - group.Slots.begin());
                entry.Parts[static_cast<size_t>(entry.Side)] = std::string(raw(c));
            }
            entries.push_back(std::move(entry));
        }
    }
    for (const auto& info : kSlotProperties) {
        SlotOrigin& origin = panel.Origins[info.Which];
        if (!origin.Read)
            continue;
        auto shown = SlotValue(panel, info.Which);
        if (!shown) {
            origin = {};
            continue;
        }
        origin.Shown = *shown;
        // A value that differs from the panel's only in case and blanks is written in
        // the panel's spelling: "red" as RED, "Bold" as bold.
        const int winner = winners[static_cast<size_t>(info.Which)];
        if (winner >= 0) {
            std::string& value = origin.Values[static_cast<size_t>(winner)];
            const std::string priority = origin.Important ? value.substr(value.rfind('!')) : "";
            std::string written = value.substr(0, value.size() - priority.size());
            while (!written.empty() && written.back() == ' ')
                written.pop_back();
            if (WithoutBlanks(written) == WithoutBlanks(*shown))
                value = priority.empty() ? *shown : *shown + " " + priority;
        }
    }

    panel.AllSidesWritten = panel.BorderControls();
    panel.ShowBorderSide(shownSide);
    if (!left)
        return;
    // What the panel did not take stays, in its order, below the marker.
    std::string& rest = *left;
    size_t from = 0;
    for (size_t i = 0; i < declarations.size(); ++i) {
        if (!removed[i])
            continue;
        rest.append(text, from, declarations[i].Begin - from);
        from = notes[i].CutEnd;
    }
    rest.append(text, from, std::string::npos);
    // The cuts join what stood either side of them; normalised again, the rest is as
    // the next read of it will find it.
    rest = NormalizeDeclarationsKeepCase({rest});
    size_t front = 0;
    while (front < rest.size() && (rest[front] == ';' || rest[front] == ' '))
        ++front;
    rest.erase(0, front);
    while (!rest.empty() && rest.back() == ' ')
        rest.pop_back();
    if (rest == ";")
        rest.clear();
}

} // namespace

void ReadPanel(PropertySet& panel, const LineList& lines) {
    ReadIntoPanel(panel, lines, nullptr);
}

void ReadDeclarations(PropertySet& panel, TextView& memo) {
    memo.Edited = false;
    std::string rest;
    ReadIntoPanel(panel, memo.Lines, &rest);
    memo.Lines.clear();
    WriteDeclarations(panel, memo);
    if (!rest.empty()) {
        memo.Lines.emplace_back(kUnsupportedComment);
        for (auto& line : SplitUnsupported(rest))
            memo.Lines.push_back(std::move(line));
    }
}

} // namespace tesselo
