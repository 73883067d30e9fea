#include "mapping/PropertySet.h"

#include <algorithm>
#include <utility>

#include "document/Cp1251.h"

#include <algorithm>
#include <stdexcept>

namespace tesselo {
namespace {

using K = Keyword;
using G = KeywordGroup;
using W = WriterLine;

constexpr std::array<KeywordInfo, kKeywordCount> kKeywords = {{
    {K::FontStyleNormal, "FontStyleNormal", G::FontStyle, "Font-style", "normal",
     W::FontStyleVariant},
    {K::FontStyleItalic, "FontStyleItalic", G::FontStyle, "Font-style", "italic",
     W::FontStyleVariant},
    {K::FontVariantNormal, "FontVariantNormal", G::FontVariant, "Font-variant", "normal",
     W::FontStyleVariant},
    {K::FontVariantSmallCaps, "FontVariantSmallCaps", G::FontVariant, "Font-variant", "small-caps",
     W::FontStyleVariant},
    {K::TextDecorUnderLine, "TextDecorUnderLine", G::TextDecoration, "Text-decoration", "underline",
     W::TextDecoration},
    {K::TextDecorLineThrough, "TextDecorLineThrough", G::TextDecoration, "Text-decoration",
     "line-through", W::TextDecoration},
    {K::TextDecorOverLine, "TextDecorOverLine", G::TextDecoration, "Text-decoration", "overline",
     W::TextDecoration},
    {K::TextDecorBlink, "TextDecorBlink", G::TextDecoration, "Text-decoration", "blink",
     W::TextDecoration},
    {K::TextDecorNone, "TextDecorNone", G::TextDecoration, "Text-decoration", "none",
     W::TextDecoration},
    {K::TextAlignLeft, "TextAlignLeft", G::TextAlign, "Text-align", "left", W::Alignment},
    {K::TextAlignRight, "TextAlignRight", G::TextAlign, "Text-align", "right", W::Alignment},
    {K::TextAlignCenter, "TextAlignCenter", G::TextAlign, "Text-align", "center", W::Alignment},
    {K::TextAlignJustify, "TextAlignJustify", G::TextAlign, "Text-align", "justify", W::Alignment},
    {K::TextVerticalAlignBottom, "TextVerticalAlignBottom", G::VerticalAlign, "Vertical-align",
     "bottom", W::Alignment},
    {K::TextVerticalAlignTextBottom, "TextVerticalAlignTextBottom", G::VerticalAlign,
     "Vertical-align", "text-bottom", W::Alignment},
    {K::TextVerticalAlignSub, "TextVerticalAlignSub", G::VerticalAlign, "Vertical-align", "sub",
     W::Alignment},
    {K::TextVerticalAlignBaseline, "TextVerticalAlignBaseline", G::VerticalAlign, "Vertical-align",
     "baseline", W::Alignment},
    {K::TextVerticalAlignMiddle, "TextVerticalAlignMiddle", G::VerticalAlign, "Vertical-align",
     "middle", W::Alignment},
    {K::TextVerticalAlignSuper, "TextVerticalAlignSuper", G::VerticalAlign, "Vertical-align",
     "super", W::Alignment},
    {K::TextVerticalAlignTextTop, "TextVerticalAlignTextTop", G::VerticalAlign, "Vertical-align",
     "text-top", W::Alignment},
    {K::TextVerticalAlignTop, "TextVerticalAlignTop", G::VerticalAlign, "Vertical-align", "top",
     W::Alignment},
    {K::BorderSolid, "BorderSolid", G::BorderStyle, "Border-style", "solid", W::BorderStyle},
    {K::BorderDotted, "BorderDotted", G::BorderStyle, "Border-style", "dotted", W::BorderStyle},
    {K::BorderDashed, "BorderDashed", G::BorderStyle, "Border-style", "dashed", W::BorderStyle},
    {K::BorderOutSet, "BorderOutSet", G::BorderStyle, "Border-style", "outset", W::BorderStyle},
    {K::BorderRidge, "BorderRidge", G::BorderStyle, "Border-style", "ridge", W::BorderStyle},
    {K::BorderDouble, "BorderDouble", G::BorderStyle, "Border-style", "double", W::BorderStyle},
    {K::BorderInSet, "BorderInSet", G::BorderStyle, "Border-style", "inset", W::BorderStyle},
    {K::BorderGroove, "BorderGroove", G::BorderStyle, "Border-style", "groove", W::BorderStyle},
    {K::BorderNone, "BorderNone", G::BorderStyle, "Border-style", "none", W::BorderStyle},
    {K::BGrPosLT, "BGrPosLT", G::PicturePosition, "BackGround-position", "left top",
     W::PicturePosition},
    {K::BGrPosCT, "BGrPosCT", G::PicturePosition, "BackGround-position", "center top",
     W::PicturePosition},
    {K::BGrPosRT, "BGrPosRT", G::PicturePosition, "BackGround-position", "right top",
     W::PicturePosition},
    {K::BGrPosRC, "BGrPosRC", G::PicturePosition, "BackGround-position", "right center",
     W::PicturePosition},
    {K::BGrPosRB, "BGrPosRB", G::PicturePosition, "BackGround-position", "right bottom",
     W::PicturePosition},
    {K::BGrPosCB, "BGrPosCB", G::PicturePosition, "BackGround-position", "center bottom",
     W::PicturePosition},
    {K::BGrPosLB, "BGrPosLB", G::PicturePosition, "BackGround-position", "left bottom",
     W::PicturePosition},
    {K::BGrPosLC, "BGrPosLC", G::PicturePosition, "BackGround-position", "left center",
     W::PicturePosition},
    {K::BGrPosCC, "BGrPosCC", G::PicturePosition, "BackGround-position", "center center",
     W::PicturePosition},
    {K::BGrAttFixed, "BGrAttFixed", G::PictureAttachment, "BackGround-Attachment", "fixed",
     W::PictureAttachment},
    {K::BGrAttScroll, "BGrAttScroll", G::PictureAttachment, "BackGround-Attachment", "scroll",
     W::PictureAttachment},
    {K::BGrRepXY, "BGrRepXY", G::PictureRepeat, "BackGround-Repeat", "repeat", W::PictureRepeat},
    {K::BGrRepX, "BGrRepX", G::PictureRepeat, "BackGround-Repeat", "repeat-x", W::PictureRepeat},
    {K::BGrRepY, "BGrRepY", G::PictureRepeat, "BackGround-Repeat", "repeat-y", W::PictureRepeat},
    {K::BGrRepNone, "BGrRepNone", G::PictureRepeat, "BackGround-Repeat", "no-repeat",
     W::PictureRepeat},
    {K::DisplayBlock, "DisplayBlock", G::Display, "Display", "block", W::Display},
    {K::DisplayInLine, "DisplayInLine", G::Display, "Display", "inline", W::Display},
    {K::DisplayListItem, "DisplayListItem", G::Display, "Display", "list-item", W::Display},
    {K::DisplayMarker, "DisplayMarker", G::Display, "Display", "marker", W::Display},
    {K::DisplayNone, "DisplayNone", G::Display, "Display", "none", W::Display},
    {K::DisplayTable, "DisplayTable", G::Display, "Display", "table", W::Display},
    {K::DisplayInLineTable, "DisplayInLineTable", G::Display, "Display", "inline-table",
     W::Display},
    {K::DisplayTableCaption, "DisplayTableCaption", G::Display, "Display", "table-caption",
     W::Display},
    {K::DisplayTableHeaderGroup, "DisplayTableHeaderGroup", G::Display, "Display",
     "table-header-group", W::Display},
    {K::DisplayTableFooterGroup, "DisplayTableFooterGroup", G::Display, "Display",
     "table-footer-group", W::Display},
    {K::DisplayTableCell, "DisplayTableCell", G::Display, "Display", "table-cell", W::Display},
    {K::DisplayTableRow, "DisplayTableRow", G::Display, "Display", "table-row", W::Display},
    {K::DisplayTableRowGroup, "DisplayTableRowGroup", G::Display, "Display", "table-row-group",
     W::Display},
    {K::DisplayTableColumn, "DisplayTableColumn", G::Display, "Display", "table-column",
     W::Display},
    {K::DisplayTableColumnGroup, "DisplayTableColumnGroup", G::Display, "Display",
     "table-column-group", W::Display},
    {K::DisplayInLineBlock, "DisplayInLineBlock", G::Display, "Display", "inline-block",
     W::Display},
    {K::DisplayFlex, "DisplayFlex", G::Display, "Display", "flex", W::Display},
    {K::DisplayInLineFlex, "DisplayInLineFlex", G::Display, "Display", "inline-flex", W::Display},
    {K::DisplayGrid, "DisplayGrid", G::Display, "Display", "grid", W::Display},
    {K::DisplayInLineGrid, "DisplayInLineGrid", G::Display, "Display", "inline-grid", W::Display},
    {K::DisplayFlowRoot, "DisplayFlowRoot", G::Display, "Display", "flow-root", W::Display},
    {K::DisplayContents, "DisplayContents", G::Display, "Display", "contents", W::Display},
    {K::VisibilityVisible, "VisibilityVisible", G::Visibility, "Visibility", "visible",
     W::VisibilityOverflow},
    {K::VisibilityHidden, "VisibilityHidden", G::Visibility, "Visibility", "hidden",
     W::VisibilityOverflow},
    {K::VisibilityCollapse, "VisibilityCollapse", G::Visibility, "Visibility", "collapse",
     W::VisibilityOverflow},
    {K::OverflowVisible, "OverflowVisible", G::Overflow, "Overflow", "visible",
     W::VisibilityOverflow},
    {K::OverflowHidden, "OverflowHidden", G::Overflow, "Overflow", "hidden", W::VisibilityOverflow},
    {K::OverflowScroll, "OverflowScroll", G::Overflow, "Overflow", "scroll", W::VisibilityOverflow},
    {K::OverflowAuto, "OverflowAuto", G::Overflow, "Overflow", "auto", W::VisibilityOverflow},
    {K::PositionStatic, "PositionStatic", G::Position, "Position", "static", W::PositionFloat},
    {K::PositionRelative, "PositionRelative", G::Position, "Position", "relative",
     W::PositionFloat},
    {K::PositionAbsolute, "PositionAbsolute", G::Position, "Position", "absolute",
     W::PositionFloat},
    {K::PositionFixed, "PositionFixed", G::Position, "Position", "fixed", W::PositionFloat},
    {K::PositionSticky, "PositionSticky", G::Position, "Position", "sticky", W::PositionFloat},
    {K::FloatLeft, "FloatLeft", G::Float, "Float", "left", W::PositionFloat},
    {K::FloatRight, "FloatRight", G::Float, "Float", "right", W::PositionFloat},
}};

using L = Length;

constexpr std::array<LengthInfo, kLengthCount> kLengths = {{
    {L::TextIndent, "TextIndent", "Text-indent"},
    {L::LineHeight, "LineHeight", "Line-height"},
    {L::WordSpacing, "WordSpacing", "Word-spacing"},
    {L::LetterSpacing, "LetterSpacing", "Letter-spacing"},
    {L::MarginTop, "MarginTop", "Margin-top"},
    {L::MarginRight, "MarginRight", "Margin-right"},
    {L::MarginBottom, "MarginBottom", "Margin-bottom"},
    {L::MarginLeft, "MarginLeft", "Margin-left"},
    {L::PaddingTop, "PaddingTop", "Padding-top"},
    {L::PaddingRight, "PaddingRight", "Padding-right"},
    {L::PaddingBottom, "PaddingBottom", "Padding-bottom"},
    {L::PaddingLeft, "PaddingLeft", "Padding-left"},
    {L::BorderWidth, "BorderWidth", "Border-width"},
    {L::ClipTop, "ClipTop", ""},
    {L::ClipRight, "ClipRight", ""},
    {L::ClipBottom, "ClipBottom", ""},
    {L::ClipLeft, "ClipLeft", ""},
    {L::BlockTop, "BlockTop", "Top"},
    {L::BlockRight, "BlockRight", "Right"},
    {L::BlockBottom, "BlockBottom", "Bottom"},
    {L::BlockLeft, "BlockLeft", "Left"},
    {L::BlockHeight, "BlockHeight", "Height"},
    {L::BlockWidth, "BlockWidth", "Width"},
}};

constexpr bool TablesInEnumOrder() {
    for (size_t i = 0; i < kKeywords.size(); ++i)
        if (static_cast<size_t>(kKeywords[i].Button) != i)
            return false;
    for (size_t i = 0; i < kLengths.size(); ++i)
        if (static_cast<size_t>(kLengths[i].Field) != i)
            return false;
    return true;
}
static_assert(TablesInEnumOrder());

LineList EncodedList(std::initializer_list<std::string_view> utf8, SheetEncoding encoding) {
    LineList out;
    for (auto item : utf8)
        out.push_back(captions::InEncoding(item, encoding));
    return out;
}

// The captions a switched-off size box shows on its way to "Размер".
constexpr std::array<std::string_view, 2> kSizeOffCaptions = {"Размер шрифта", "Размер"};

} // namespace

const std::array<KeywordInfo, kKeywordCount>& KeywordTable() {
    return kKeywords;
}
const KeywordInfo& Info(Keyword button) {
    return kKeywords[static_cast<size_t>(button)];
}
const std::array<LengthInfo, kLengthCount>& LengthTable() {
    return kLengths;
}
const LengthInfo& Info(Length field) {
    return kLengths[static_cast<size_t>(field)];
}

namespace captions {
const std::string& FontSizeOff() {
    static const std::string text = Utf8ToCp1251("выкл.");
    return text;
}
const std::string& NoPicture() {
    static const std::string text = Utf8ToCp1251("Рисунок не выбран");
    return text;
}
std::string NoPicture(SheetEncoding encoding) {
    return InEncoding("Рисунок не выбран", encoding);
}
std::string InEncoding(std::string_view utf8, SheetEncoding encoding) {
    return encoding == SheetEncoding::Utf8 ? std::string(utf8) : Utf8ToCp1251(utf8);
}
std::string ToUtf8(std::string_view text, SheetEncoding encoding) {
    return encoding == SheetEncoding::Utf8 ? std::string(text) : Cp1251ToUtf8(text);
}
} // namespace captions

FontItems MakeFontItems(const LineList& installedFamilies, SheetEncoding encoding) {
    FontItems items;
    items.FontType = EncodedList(
        {"Шрифт выкл.", "serif", "sans-serif", "cursive", "fantasy", "monospace"}, encoding);
    for (const auto& family : installedFamilies) {
        std::string text = captions::InEncoding(family, encoding);
        if (captions::ToUtf8(text, encoding) == family)
            items.FontType.push_back(std::move(text));
    }
    items.FontType2 = items.FontType;
    items.FontWeight = EncodedList({"Толщина не задана", "normal", "bold", "bolder", "lighter",
                                    "100", "200", "300", "400", "500", "600", "700", "800", "900"},
                                   encoding);
    items.FontSize =
        EncodedList({"выкл.", "8", "10", "12", "14", "16", "18", "20", "24", "xx-small", "x-small",
                     "small", "medium", "large", "x-large", "xx-large", "larger", "smaller"},
                    encoding);
    return items;
}

PropertySet::PropertySet(const LineList& installedFamilies)
    : InstalledFamilies(installedFamilies), Items(MakeFontItems(installedFamilies)) {
    FontType.Text = Items.FontType[0];
    FontType2.Text = Items.FontType2[0];
    FontWeight.Text = Items.FontWeight[0];
    FontSize.Text = Items.FontSize[0];
}

void PropertySet::UseEncoding(SheetEncoding encoding) {
    if (encoding == Encoding)
        return;
    const SheetEncoding old = Encoding;
    const FontItems oldItems = std::move(Items);
    Items = MakeFontItems(InstalledFamilies, encoding);
    Encoding = encoding;
    // A box showing one of the program's entries shows it in the new encoding.
    auto recode = [&](TextChoiceField& field, const LineList& before, const LineList& after,
                      bool keepIndex) {
        auto own = std::find(before.begin(), before.end(), field.Text);
        bool ownText = own != before.end();
        for (auto caption : kSizeOffCaptions)
            ownText = ownText || field.Text == captions::InEncoding(caption, old);
        if (!ownText)
            return;
        field.Text = captions::InEncoding(captions::ToUtf8(field.Text, old), encoding);
        if (!keepIndex) {
            auto now = std::find(after.begin(), after.end(), field.Text);
            field.ItemIndex = now == after.end() ? -1 : static_cast<int>(now - after.begin());
        }
    };
    recode(FontType, oldItems.FontType, Items.FontType, false);
    recode(FontType2, oldItems.FontType2, Items.FontType2, false);
    recode(FontWeight, oldItems.FontWeight, Items.FontWeight, false);
    recode(FontSize, oldItems.FontSize, Items.FontSize, true); // keeps the entry last chosen
    if (BackGroundAttCaption == captions::NoPicture(old))
        BackGroundAttCaption = captions::NoPicture(encoding);
}

void PropertySet::ReleaseGroup(KeywordGroup group) {
    for (const auto& info : kKeywords)
        if (info.Group == group)
            Down[static_cast<size_t>(info.Button)] = false;
}

void PropertySet::PressDown(Keyword button) {
    ReleaseGroup(Info(button).Group);
    Down[static_cast<size_t>(button)] = true;
}

void PropertySet::Toggle(Keyword button) {
    if (IsDown(button))
        Down[static_cast<size_t>(button)] = false;
    else
        PressDown(button);
}

std::string PictureCaption(std::string_view path) {
    auto cut = path.find_last_of("\\:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

BorderSlots SlotsOf(BorderSide side) {
    switch (side) {
    case BorderSide::All:
        break;
    case BorderSide::Top:
        return {Slot::BorderTopWidth, Slot::BorderTopStyle, Slot::BorderTopColor};
    case BorderSide::Right:
        return {Slot::BorderRightWidth, Slot::BorderRightStyle, Slot::BorderRightColor};
    case BorderSide::Bottom:
        return {Slot::BorderBottomWidth, Slot::BorderBottomStyle, Slot::BorderBottomColor};
    case BorderSide::Left:
        return {Slot::BorderLeftWidth, Slot::BorderLeftStyle, Slot::BorderLeftColor};
    }
    return {Slot::BorderWidth, Slot::BorderStyle, Slot::BorderColor};
}

std::optional<BorderPart> BorderPartOf(Slot slot) {
    for (BorderSide side : {BorderSide::All, BorderSide::Top, BorderSide::Right, BorderSide::Bottom,
                            BorderSide::Left}) {
        const BorderSlots slots = SlotsOf(side);
        if (slot == slots.Width)
            return BorderPart{side, 0};
        if (slot == slots.Style)
            return BorderPart{side, 1};
        if (slot == slots.Color)
            return BorderPart{side, 2};
    }
    return std::nullopt;
}

BorderValues PropertySet::BorderControls() const {
    BorderValues values;
    values.Width = (*this)[Length::BorderWidth];
    for (size_t i = 0; i < values.Style.size(); ++i)
        values.Style[i] = Down[static_cast<size_t>(Keyword::BorderSolid) + i];
    values.StyleText = Text(KeywordGroup::BorderStyle);
    values.ColorCheck = BorderColorCheck;
    values.Swatch = BorderColor;
    values.ColorText = BorderColorText;
    return values;
}

void PropertySet::SetBorderControls(const BorderValues& values) {
    (*this)[Length::BorderWidth] = values.Width;
    for (size_t i = 0; i < values.Style.size(); ++i)
        Down[static_cast<size_t>(Keyword::BorderSolid) + i] = values.Style[i];
    Text(KeywordGroup::BorderStyle) = values.StyleText;
    BorderColorCheck = values.ColorCheck;
    BorderColor = values.Swatch;
    BorderColorText = values.ColorText;
}

BorderValues PropertySet::BorderOf(BorderSide side) const {
    return side == ShownBorderSide ? BorderControls() : BorderSides[static_cast<size_t>(side)];
}

void PropertySet::ShowBorderSide(BorderSide side) {
    if (side == ShownBorderSide)
        return;
    BorderSides[static_cast<size_t>(ShownBorderSide)] = BorderControls();
    SetBorderControls(BorderSides[static_cast<size_t>(side)]);
    ShownBorderSide = side;
}

namespace {
constexpr std::array<std::pair<Length, Slot>, 19> kLengthSlots = {{
    {Length::TextIndent, Slot::TextIndent},       {Length::LineHeight, Slot::LineHeight},
    {Length::WordSpacing, Slot::WordSpacing},     {Length::LetterSpacing, Slot::LetterSpacing},
    {Length::MarginTop, Slot::MarginTop},         {Length::MarginRight, Slot::MarginRight},
    {Length::MarginBottom, Slot::MarginBottom},   {Length::MarginLeft, Slot::MarginLeft},
    {Length::PaddingTop, Slot::PaddingTop},       {Length::PaddingRight, Slot::PaddingRight},
    {Length::PaddingBottom, Slot::PaddingBottom}, {Length::PaddingLeft, Slot::PaddingLeft},
    {Length::BorderWidth, Slot::BorderWidth},     {Length::BlockTop, Slot::BlockTop},
    {Length::BlockRight, Slot::BlockRight},       {Length::BlockBottom, Slot::BlockBottom},
    {Length::BlockLeft, Slot::BlockLeft},         {Length::BlockHeight, Slot::BlockHeight},
    {Length::BlockWidth, Slot::BlockWidth},
}};
} // namespace

std::optional<Slot> SlotOf(Length field) {
    for (const auto& [length, slot] : kLengthSlots)
        if (length == field)
            return slot;
    return std::nullopt;
}

std::optional<Length> LengthOf(Slot slot) {
    for (const auto& [length, s] : kLengthSlots)
        if (s == slot)
            return length;
    return std::nullopt;
}

void GiveChangedBorderToEverySide(PropertySet& panel) {
    if (panel.ShownBorderSide != BorderSide::All)
        return; // the four sides' border can only change while shown
    const BorderValues now = panel.BorderControls();
    BorderValues& before = panel.AllSidesWritten;
    const std::array<bool, 3> changed = {
        now.Width != before.Width,
        now.Style != before.Style || now.StyleText != before.StyleText,
        now.ColorCheck != before.ColorCheck || now.Swatch != before.Swatch ||
            now.ColorText != before.ColorText,
    };
    for (size_t i = 0; i < kBorderSides.size(); ++i) {
        BorderValues& side = panel.BorderSides[static_cast<size_t>(kBorderSides[i])];
        const BorderSlots slots = SlotsOf(kBorderSides[i]);
        // A side's shorthand sets every part, the parts it leaves out to their default.
        const bool shorthand =
            std::any_of(panel.Origins.BorderSides[i].begin(), panel.Origins.BorderSides[i].end(),
                        [](const BoxEntry& entry) { return entry.Side < 0; });
        auto own = [&](Slot slot, bool set) {
            return shorthand || set || panel.Origins[slot].Read;
        };
        if (changed[0] && own(slots.Width, side.Width.Set))
            side.Width = now.Width;
        const bool styled =
            !side.StyleText.empty() ||
            std::find(side.Style.begin(), side.Style.end(), true) != side.Style.end();
        if (changed[1] && own(slots.Style, styled)) {
            side.Style = now.Style;
            side.StyleText = now.StyleText;
        }
        if (changed[2] && own(slots.Color, side.ColorCheck)) {
            side.ColorCheck = now.ColorCheck;
            side.Swatch = now.Swatch;
            side.ColorText = now.ColorText;
        }
    }
    before = now;
}

} // namespace tesselo
