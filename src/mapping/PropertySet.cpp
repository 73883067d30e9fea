#include "mapping/PropertySet.h"

#include "document/Cp1251.h"

#include <stdexcept>

namespace tesselo {
namespace {

using K = Keyword;

constexpr std::array<KeywordInfo, kKeywordCount> kKeywords = {{
    {K::FontStyleNormal, "FontStyleNormal", 3, "Font-style", "normal", 3},
    {K::FontStyleItalic, "FontStyleItalic", 3, "Font-style", "italic", 3},
    {K::FontVariantNormal, "FontVariantNormal", 4, "Font-variant", "normal", 3},
    {K::FontVariantSmallCaps, "FontVariantSmallCaps", 4, "Font-variant", "small-caps", 3},
    {K::TextDecorUnderLine, "TextDecorUnderLine", 2, "Text-decoration", "underline", 4},
    {K::TextDecorLineThrough, "TextDecorLineThrough", 2, "Text-decoration", "line-through", 4},
    {K::TextDecorOverLine, "TextDecorOverLine", 2, "Text-decoration", "overline", 4},
    {K::TextDecorBlink, "TextDecorBlink", 2, "Text-decoration", "blink", 4},
    {K::TextDecorNone, "TextDecorNone", 2, "Text-decoration", "none", 4},
    {K::TextAlignLeft, "TextAlignLeft", 1, "Text-align", "left", 7},
    {K::TextAlignRight, "TextAlignRight", 1, "Text-align", "right", 7},
    {K::TextAlignCenter, "TextAlignCenter", 1, "Text-align", "center", 7},
    {K::TextAlignJustify, "TextAlignJustify", 1, "Text-align", "justify", 7},
    {K::TextVerticalAlignBottom, "TextVerticalAlignBottom", 5, "Vertical-align", "bottom", 7},
    {K::TextVerticalAlignTextBottom, "TextVerticalAlignTextBottom", 5, "Vertical-align",
     "text-bottom", 7},
    {K::TextVerticalAlignSub, "TextVerticalAlignSub", 5, "Vertical-align", "sub", 7},
    {K::TextVerticalAlignBaseline, "TextVerticalAlignBaseline", 5, "Vertical-align", "baseline", 7},
    {K::TextVerticalAlignMiddle, "TextVerticalAlignMiddle", 5, "Vertical-align", "middle", 7},
    {K::TextVerticalAlignSuper, "TextVerticalAlignSuper", 5, "Vertical-align", "super", 7},
    {K::TextVerticalAlignTextTop, "TextVerticalAlignTextTop", 5, "Vertical-align", "text-top", 7},
    {K::TextVerticalAlignTop, "TextVerticalAlignTop", 5, "Vertical-align", "top", 7},
    {K::BorderSolid, "BorderSolid", 9, "Border-style", "solid", 13},
    {K::BorderDotted, "BorderDotted", 9, "Border-style", "dotted", 13},
    {K::BorderDashed, "BorderDashed", 9, "Border-style", "dashed", 13},
    {K::BorderOutSet, "BorderOutSet", 9, "Border-style", "outset", 13},
    {K::BorderRidge, "BorderRidge", 9, "Border-style", "ridge", 13},
    {K::BorderDouble, "BorderDouble", 9, "Border-style", "double", 13},
    {K::BorderInSet, "BorderInSet", 9, "Border-style", "inset", 13},
    {K::BorderGroove, "BorderGroove", 9, "Border-style", "groove", 13},
    {K::BorderNone, "BorderNone", 9, "Border-style", "none", 13},
    {K::BGrPosLT, "BGrPosLT", 6, "BackGround-position", "left top", 17},
    {K::BGrPosCT, "BGrPosCT", 6, "BackGround-position", "center top", 17},
    {K::BGrPosRT, "BGrPosRT", 6, "BackGround-position", "right top", 17},
    {K::BGrPosRC, "BGrPosRC", 6, "BackGround-position", "right center", 17},
    {K::BGrPosRB, "BGrPosRB", 6, "BackGround-position", "right bottom", 17},
    {K::BGrPosCB, "BGrPosCB", 6, "BackGround-position", "center bottom", 17},
    {K::BGrPosLB, "BGrPosLB", 6, "BackGround-position", "left bottom", 17},
    {K::BGrPosLC, "BGrPosLC", 6, "BackGround-position", "left center", 17},
    {K::BGrPosCC, "BGrPosCC", 6, "BackGround-position", "center center", 17},
    {K::BGrAttFixed, "BGrAttFixed", 7, "BackGround-Attachment", "fixed", 18},
    {K::BGrAttScroll, "BGrAttScroll", 7, "BackGround-Attachment", "scroll", 18},
    {K::BGrRepXY, "BGrRepXY", 8, "BackGround-Repeat", "repeat", 19},
    {K::BGrRepX, "BGrRepX", 8, "BackGround-Repeat", "repeat-x", 19},
    {K::BGrRepY, "BGrRepY", 8, "BackGround-Repeat", "repeat-y", 19},
    {K::BGrRepNone, "BGrRepNone", 8, "BackGround-Repeat", "no-repeat", 19},
    {K::DisplayBlock, "DisplayBlock", 10, "Display", "block", 20},
    {K::DisplayInLine, "DisplayInLine", 10, "Display", "inline", 20},
    {K::DisplayListItem, "DisplayListItem", 10, "Display", "list-item", 20},
    {K::DisplayMarker, "DisplayMarker", 10, "Display", "marker", 20},
    {K::DisplayNone, "DisplayNone", 10, "Display", "none", 20},
    {K::DisplayTable, "DisplayTable", 10, "Display", "table", 20},
    {K::DisplayInLineTable, "DisplayInLineTable", 10, "Display", "inline-table", 20},
    {K::DisplayTableCaption, "DisplayTableCaption", 10, "Display", "table-caption", 20},
    {K::DisplayTableHeaderGroup, "DisplayTableHeaderGroup", 10, "Display", "table-header-group",
     20},
    {K::DisplayTableFooterGroup, "DisplayTableFooterGroup", 10, "Display", "table-footer-group",
     20},
    {K::DisplayTableCell, "DisplayTableCell", 10, "Display", "table-cell", 20},
    {K::DisplayTableRow, "DisplayTableRow", 10, "Display", "table-row", 20},
    {K::DisplayTableRowGroup, "DisplayTableRowGroup", 10, "Display", "table-row-group", 20},
    {K::DisplayTableColumn, "DisplayTableColumn", 10, "Display", "table-column", 20},
    {K::DisplayTableColumnGroup, "DisplayTableColumnGroup", 10, "Display", "table-column-group",
     20},
    {K::VisibilityVisible, "VisibilityVisible", 11, "Visibility", "visible", 21},
    {K::VisibilityHidden, "VisibilityHidden", 11, "Visibility", "hidden", 21},
    {K::VisibilityCollapse, "VisibilityCollapse", 11, "Visibility", "collapse", 21},
    {K::OverflowVisible, "OverflowVisible", 12, "Overflow", "visible", 21},
    {K::OverflowHidden, "OverflowHidden", 12, "Overflow", "hidden", 21},
    {K::OverflowScroll, "OverflowScroll", 12, "Overflow", "scroll", 21},
    {K::OverflowAuto, "OverflowAuto", 12, "Overflow", "auto", 21},
    {K::PositionStatic, "PositionStatic", 13, "Position", "static", 23},
    {K::PositionRelative, "PositionRelative", 13, "Position", "relative", 23},
    {K::PositionAbsolute, "PositionAbsolute", 13, "Position", "absolute", 23},
    {K::PositionFixed, "PositionFixed", 13, "Position", "fixed", 23},
    {K::FloatLeft, "FloatLeft", 14, "Float", "left", 23},
    {K::FloatRight, "FloatRight", 14, "Float", "right", 23},
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

LineList Cp1251List(std::initializer_list<std::string_view> utf8) {
    LineList out;
    for (auto item : utf8)
        out.push_back(Utf8ToCp1251(item));
    return out;
}

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
} // namespace captions

FontItems MakeFontItems(const LineList& installedFamilies) {
    FontItems items;
    items.FontType =
        Cp1251List({"Шрифт выкл.", "serif", "sans-serif", "cursive", "fantasy", "monospace"});
    items.FontType.insert(items.FontType.end(), installedFamilies.begin(), installedFamilies.end());
    items.FontType2 = items.FontType;
    items.FontWeight = Cp1251List({"Толщина не задана", "normal", "bold", "bolder", "lighter",
                                   "100", "200", "300", "400", "500", "600", "700", "800", "900"});
    items.FontSize =
        Cp1251List({"выкл.", "8", "10", "12", "14", "16", "18", "20", "24", "xx-small", "x-small",
                    "small", "medium", "large", "x-large", "xx-large", "larger", "smaller"});
    return items;
}

PropertySet::PropertySet(const LineList& installedFamilies)
    : Items(MakeFontItems(installedFamilies)) {
    FontType.Text = Items.FontType[0];
    FontType2.Text = Items.FontType2[0];
    FontWeight.Text = Items.FontWeight[0];
    FontSize.Text = Items.FontSize[0];
}

void PropertySet::ReleaseGroup(int group) {
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

} // namespace tesselo
