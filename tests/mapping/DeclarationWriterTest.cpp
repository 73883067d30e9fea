#include "mapping/DeclarationWriter.h"

#include "document/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

using K = Keyword;
using L = Length;

void SetLength(PropertySet& panel, Length field, const std::string& text,
               const std::string& unit = "px") {
    panel[field].Text = text;
    panel[field].Unit = unit;
    panel[field].Set = true;
}

void SetChoice(TextChoiceField& field, const std::string& text) {
    field.Text = text;
    field.Set = true;
}

void SetPicture(PropertySet& panel, const std::string& path) {
    panel.BackGroundAttEnabled = true;
    panel.BackGroundAttCheck = true;
    panel.BackGroundAttPath = path;
}

LineList Write(PropertySet& panel, LineList lines = {}) {
    TextView memo;
    memo.Lines = std::move(lines);
    WriteDeclarations(panel, memo);
    return memo.Lines;
}

// ---------------------------------------------------------------------------
// The layout as a whole

TEST(DeclarationWriter, FiveLineExample) {
    PropertySet panel;
    SetChoice(panel.FontType, "serif");
    SetChoice(panel.FontType2, "monospace");
    SetChoice(panel.FontWeight, "bold");
    SetChoice(panel.FontSize, "12");
    panel.FontSizeUnit = "px";
    panel.PressDown(K::FontStyleItalic);
    SetLength(panel, L::MarginTop, "10", "px");

    EXPECT_EQ(Write(panel, {"cursor: hand;"}), (LineList{
                                                   "; Font-Family: serif, monospace;",
                                                   "; Font-weight: bold; Font-size: 12px;",
                                                   "; Font-style: italic;",
                                                   "; Margin-top: 10px;",
                                                   "cursor: hand;",
                                               }));
}

TEST(DeclarationWriter, NothingSetAndNothingKeptGivesAnEmptyView) {
    PropertySet panel;
    EXPECT_EQ(Write(panel), LineList{});
    EXPECT_EQ(Write(panel, {"", "; Font-weight: bold;", ";"}), LineList{});
}

TEST(DeclarationWriter, EveryLineInItsPlaceWithEveryEntryInItsOrder) {
    PropertySet panel;
    SetChoice(panel.FontType, "serif");
    SetChoice(panel.FontType2, "monospace");
    SetChoice(panel.FontWeight, "bold");
    SetChoice(panel.FontSize, "12");
    panel.FontSizeUnit = "pt";
    panel.PressDown(K::FontStyleItalic);
    panel.PressDown(K::FontVariantSmallCaps);
    panel.PressDown(K::TextDecorUnderLine);
    SetLength(panel, L::TextIndent, "1", "em");
    SetLength(panel, L::LineHeight, "1.5", "");
    SetLength(panel, L::WordSpacing, "2");
    SetLength(panel, L::LetterSpacing, "3");
    panel.PressDown(K::TextAlignJustify);
    panel.PressDown(K::TextVerticalAlignMiddle);
    SetLength(panel, L::MarginTop, "1");
    SetLength(panel, L::MarginRight, "2");
    SetLength(panel, L::MarginBottom, "3");
    SetLength(panel, L::MarginLeft, "4");
    SetLength(panel, L::PaddingTop, "5");
    SetLength(panel, L::PaddingRight, "6");
    SetLength(panel, L::PaddingBottom, "7");
    SetLength(panel, L::PaddingLeft, "8");
    panel.FontColorCheck = true;
    panel.FontColor = {0x00, 0x00, 0x80};
    panel.BorderColorCheck = true;
    panel.BorderColor = {0x12, 0x34, 0x56};
    panel.PressDown(K::BorderDouble);
    SetLength(panel, L::BorderWidth, "3");
    panel.BackGroundColorCheck = true;
    panel.BackGroundColor = {0xFF, 0xFF, 0xFF};
    SetPicture(panel, "Img\\Back.GIF");
    panel.PressDown(K::BGrPosCC);
    panel.PressDown(K::BGrAttFixed);
    panel.PressDown(K::BGrRepY);
    panel.PressDown(K::DisplayTableCell);
    panel.PressDown(K::VisibilityHidden);
    panel.PressDown(K::OverflowScroll);
    SetLength(panel, L::ClipTop, "1");
    SetLength(panel, L::ClipBottom, "3", "mm");
    panel.PressDown(K::PositionRelative);
    panel.PressDown(K::FloatRight);
    SetLength(panel, L::BlockTop, "10");
    SetLength(panel, L::BlockLeft, "20");
    SetLength(panel, L::BlockRight, "30", "%");
    SetLength(panel, L::BlockBottom, "40", "%");
    SetLength(panel, L::BlockHeight, "50", "cm");
    SetLength(panel, L::BlockWidth, "60", "ex");

    EXPECT_EQ(Write(panel, {"cursor: hand;", "zoom: 1;"}),
              (LineList{
                  "; Font-Family: serif, monospace;",
                  "; Font-weight: bold; Font-size: 12pt;",
                  "; Font-style: italic; Font-variant: small-caps;",
                  "; Text-decoration: underline;",
                  "; Text-indent: 1em; Line-height: 1.5;",
                  "; Word-spacing: 2px; Letter-spacing: 3px;",
                  "; Text-align: justify; Vertical-align: middle;",
                  "; Margin-top: 1px; Margin-right: 2px;",
                  "; Margin-bottom: 3px; Margin-left: 4px;",
                  "; Padding-top: 5px; Padding-right: 6px;",
                  "; Padding-bottom: 7px; Padding-left: 8px;",
                  "; color: NAVY; Border-color: #123456;",
                  "; Border-style: double;",
                  "; Border-width: 3px;",
                  "; BackGround-color: WHITE;",
                  "; BackGround-Image: url(Img\\Back.GIF);",
                  "; BackGround-position: center center;",
                  "; BackGround-Attachment: fixed;",
                  "; BackGround-Repeat: repeat-y;",
                  "; Display: table-cell;",
                  "; Visibility: hidden; Overflow: scroll;",
                  "; clip: rect(1px, auto, 3mm, auto);",
                  "; Position: relative; Float: right;",
                  "; Top: 10px; Left: 20px;",
                  "; Right: 30%; Bottom: 40%;",
                  "; Height: 50cm; Width: 60ex;",
                  "cursor: hand;",
                  "zoom: 1;",
              }));
}

TEST(DeclarationWriter, SecondRunGivesTheSameText) {
    PropertySet panel;
    SetChoice(panel.FontSize, "x-large");
    panel.FontSizeUnit = "em";
    SetLength(panel, L::PaddingLeft, "3", "mm");
    panel.PressDown(K::DisplayNone);
    panel.FontColorCheck = true;
    panel.FontColor = {0xFF, 0x00, 0x00};
    const LineList once = Write(panel, {"cursor: hand;", "", "; Old: line;"});
    const PropertySet afterFirst = panel;
    EXPECT_EQ(Write(panel, once), once);
    EXPECT_EQ(panel, afterFirst);
}

TEST(DeclarationWriter, HidesTheRefreshButton) {
    PropertySet panel;
    TextView memo;
    memo.Lines = {"color: red;"};
    memo.Edited = true;
    WriteDeclarations(panel, memo);
    EXPECT_FALSE(memo.Edited);
}

// ---------------------------------------------------------------------------
// Writer lines and kept lines

TEST(DeclarationWriterKeptLines, EmptyAndSemicolonLinesAreDroppedOthersMoveBelow) {
    PropertySet panel;
    panel.PressDown(K::TextAlignLeft);
    EXPECT_EQ(Write(panel, {"color: red;", "", "; color: red;", ";", ";x", " cursor: hand;", "  ",
                            "/* Properties without support of this version Tesselo */", "ZOOM:1;"}),
              (LineList{
                  "; Text-align: left;",
                  "color: red;",
                  " cursor: hand;",
                  "  ",
                  "/* Properties without support of this version Tesselo */",
                  "ZOOM:1;",
              }));
}

TEST(DeclarationWriterKeptLines, StayBelowTheWriterLinesThroughManyRuns) {
    PropertySet panel;
    LineList lines = {"/* Properties without support of this version Tesselo */", "CURSOR:POINTER;",
                      "filter:alpha(opacity=50);"};
    SetLength(panel, L::MarginTop, "1");
    lines = Write(panel, lines);
    panel.PressDown(K::FloatLeft);
    lines = Write(panel, lines);
    panel[L::MarginTop].Set = false;
    panel.FontColorCheck = true;
    lines = Write(panel, lines);
    EXPECT_EQ(lines, (LineList{
                         "; color: BLACK;",
                         "; Float: left;",
                         "/* Properties without support of this version Tesselo */",
                         "CURSOR:POINTER;",
                         "filter:alpha(opacity=50);",
                     }));
}

TEST(DeclarationWriterKeptLines, CyrillicLinesAreKeptByteForByte) {
    PropertySet panel;
    const std::string line = Utf8ToCp1251("content: \"Привет\";");
    EXPECT_EQ(Write(panel, {line}), LineList{line});
}

// ---------------------------------------------------------------------------
// Keyword buttons: every button's exact text

struct KeywordCase {
    Keyword Button;
    const char* Line;
};

class DeclarationWriterKeyword : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(DeclarationWriterKeyword, ButtonDownWritesItsDeclaration) {
    PropertySet panel;
    panel.PressDown(GetParam().Button);
    EXPECT_EQ(Write(panel), LineList{GetParam().Line});
}

TEST_P(DeclarationWriterKeyword, ButtonUpWritesNothing) {
    PropertySet panel;
    panel.PressDown(GetParam().Button);
    panel.Toggle(GetParam().Button);
    EXPECT_EQ(Write(panel), LineList{});
}

INSTANTIATE_TEST_SUITE_P(
    AllButtons, DeclarationWriterKeyword,
    ::testing::Values(KeywordCase{K::FontStyleNormal, "; Font-style: normal;"},
                      KeywordCase{K::FontStyleItalic, "; Font-style: italic;"},
                      KeywordCase{K::FontVariantNormal, "; Font-variant: normal;"},
                      KeywordCase{K::FontVariantSmallCaps, "; Font-variant: small-caps;"},
                      KeywordCase{K::TextDecorUnderLine, "; Text-decoration: underline;"},
                      KeywordCase{K::TextDecorLineThrough, "; Text-decoration: line-through;"},
                      KeywordCase{K::TextDecorOverLine, "; Text-decoration: overline;"},
                      KeywordCase{K::TextDecorBlink, "; Text-decoration: blink;"},
                      KeywordCase{K::TextDecorNone, "; Text-decoration: none;"},
                      KeywordCase{K::TextAlignLeft, "; Text-align: left;"},
                      KeywordCase{K::TextAlignRight, "; Text-align: right;"},
                      KeywordCase{K::TextAlignCenter, "; Text-align: center;"},
                      KeywordCase{K::TextAlignJustify, "; Text-align: justify;"},
                      KeywordCase{K::TextVerticalAlignBottom, "; Vertical-align: bottom;"},
                      KeywordCase{K::TextVerticalAlignTextBottom, "; Vertical-align: text-bottom;"},
                      KeywordCase{K::TextVerticalAlignSub, "; Vertical-align: sub;"},
                      KeywordCase{K::TextVerticalAlignBaseline, "; Vertical-align: baseline;"},
                      KeywordCase{K::TextVerticalAlignMiddle, "; Vertical-align: middle;"},
                      KeywordCase{K::TextVerticalAlignSuper, "; Vertical-align: super;"},
                      KeywordCase{K::TextVerticalAlignTextTop, "; Vertical-align: text-top;"},
                      KeywordCase{K::TextVerticalAlignTop, "; Vertical-align: top;"},
                      KeywordCase{K::BorderSolid, "; Border-style: solid;"},
                      KeywordCase{K::BorderDotted, "; Border-style: dotted;"},
                      KeywordCase{K::BorderDashed, "; Border-style: dashed;"},
                      KeywordCase{K::BorderOutSet, "; Border-style: outset;"},
                      KeywordCase{K::BorderRidge, "; Border-style: ridge;"},
                      KeywordCase{K::BorderDouble, "; Border-style: double;"},
                      KeywordCase{K::BorderInSet, "; Border-style: inset;"},
                      KeywordCase{K::BorderGroove, "; Border-style: groove;"},
                      KeywordCase{K::BorderNone, "; Border-style: none;"},
                      KeywordCase{K::DisplayBlock, "; Display: block;"},
                      KeywordCase{K::DisplayInLine, "; Display: inline;"},
                      KeywordCase{K::DisplayListItem, "; Display: list-item;"},
                      KeywordCase{K::DisplayMarker, "; Display: marker;"},
                      KeywordCase{K::DisplayNone, "; Display: none;"},
                      KeywordCase{K::DisplayTable, "; Display: table;"},
                      KeywordCase{K::DisplayInLineTable, "; Display: inline-table;"},
                      KeywordCase{K::DisplayTableCaption, "; Display: table-caption;"},
                      KeywordCase{K::DisplayTableHeaderGroup, "; Display: table-header-group;"},
                      KeywordCase{K::DisplayTableFooterGroup, "; Display: table-footer-group;"},
                      KeywordCase{K::DisplayTableCell, "; Display: table-cell;"},
                      KeywordCase{K::DisplayTableRow, "; Display: table-row;"},
                      KeywordCase{K::DisplayTableRowGroup, "; Display: table-row-group;"},
                      KeywordCase{K::DisplayTableColumn, "; Display: table-column;"},
                      KeywordCase{K::DisplayTableColumnGroup, "; Display: table-column-group;"},
                      KeywordCase{K::VisibilityVisible, "; Visibility: visible;"},
                      KeywordCase{K::VisibilityHidden, "; Visibility: hidden;"},
                      KeywordCase{K::VisibilityCollapse, "; Visibility: collapse;"},
                      KeywordCase{K::OverflowVisible, "; Overflow: visible;"},
                      KeywordCase{K::OverflowHidden, "; Overflow: hidden;"},
                      KeywordCase{K::OverflowScroll, "; Overflow: scroll;"},
                      KeywordCase{K::OverflowAuto, "; Overflow: auto;"},
                      KeywordCase{K::PositionStatic, "; Position: static;"},
                      KeywordCase{K::PositionRelative, "; Position: relative;"},
                      KeywordCase{K::PositionAbsolute, "; Position: absolute;"},
                      KeywordCase{K::PositionFixed, "; Position: fixed;"},
                      KeywordCase{K::FloatLeft, "; Float: left;"},
                      KeywordCase{K::FloatRight, "; Float: right;"}),
    [](const ::testing::TestParamInfo<KeywordCase>& row) {
        return std::string(Info(row.param.Button).Name);
    });

// The picture's buttons are written only with a picture, on the line after it.
class DeclarationWriterPictureKeyword : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(DeclarationWriterPictureKeyword, WrittenBelowThePictureWhenOneIsSet) {
    PropertySet panel;
    SetPicture(panel, "a.gif");
    panel.PressDown(GetParam().Button);
    EXPECT_EQ(Write(panel), (LineList{"; BackGround-Image: url(a.gif);", GetParam().Line}));
}

TEST_P(DeclarationWriterPictureKeyword, NotWrittenWithoutAPicture) {
    PropertySet panel;
    panel.PressDown(GetParam().Button);
    EXPECT_EQ(Write(panel), LineList{});
}

INSTANTIATE_TEST_SUITE_P(
    AllButtons, DeclarationWriterPictureKeyword,
    ::testing::Values(KeywordCase{K::BGrPosLT, "; BackGround-position: left top;"},
                      KeywordCase{K::BGrPosCT, "; BackGround-position: center top;"},
                      KeywordCase{K::BGrPosRT, "; BackGround-position: right top;"},
                      KeywordCase{K::BGrPosRC, "; BackGround-position: right center;"},
                      KeywordCase{K::BGrPosRB, "; BackGround-position: right bottom;"},
                      KeywordCase{K::BGrPosCB, "; BackGround-position: center bottom;"},
                      KeywordCase{K::BGrPosLB, "; BackGround-position: left bottom;"},
                      KeywordCase{K::BGrPosLC, "; BackGround-position: left center;"},
                      KeywordCase{K::BGrPosCC, "; BackGround-position: center center;"},
                      KeywordCase{K::BGrAttFixed, "; BackGround-Attachment: fixed;"},
                      KeywordCase{K::BGrAttScroll, "; BackGround-Attachment: scroll;"},
                      KeywordCase{K::BGrRepXY, "; BackGround-Repeat: repeat;"},
                      KeywordCase{K::BGrRepX, "; BackGround-Repeat: repeat-x;"},
                      KeywordCase{K::BGrRepY, "; BackGround-Repeat: repeat-y;"},
                      KeywordCase{K::BGrRepNone, "; BackGround-Repeat: no-repeat;"}),
    [](const ::testing::TestParamInfo<KeywordCase>& row) {
        return std::string(Info(row.param.Button).Name);
    });

TEST(DeclarationWriterKeywords, SharedLinesHoldBothGroupsInTableOrder) {
    PropertySet panel;
    panel.PressDown(K::FontVariantNormal);
    panel.PressDown(K::FontStyleNormal);
    panel.PressDown(K::TextVerticalAlignBaseline);
    panel.PressDown(K::TextAlignLeft);
    panel.PressDown(K::OverflowAuto);
    panel.PressDown(K::VisibilityVisible);
    panel.PressDown(K::FloatLeft);
    panel.PressDown(K::PositionFixed);
    EXPECT_EQ(Write(panel), (LineList{
                                "; Font-style: normal; Font-variant: normal;",
                                "; Text-align: left; Vertical-align: baseline;",
                                "; Visibility: visible; Overflow: auto;",
                                "; Position: fixed; Float: left;",
                            }));
}

// ---------------------------------------------------------------------------
// Length fields: every property name

struct LengthCase {
    Length Field;
    const char* Line;
};

class DeclarationWriterLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(DeclarationWriterLength, SetFieldWritesNumberAndUnit) {
    PropertySet panel;
    SetLength(panel, GetParam().Field, "-7.5", "pt");
    EXPECT_EQ(Write(panel), LineList{GetParam().Line});
}

TEST_P(DeclarationWriterLength, FieldNotSetWritesNothingWhateverItsText) {
    PropertySet panel;
    SetLength(panel, GetParam().Field, "-7.5", "pt");
    panel[GetParam().Field].Set = false;
    EXPECT_EQ(Write(panel), LineList{});
}

INSTANTIATE_TEST_SUITE_P(
    AllFields, DeclarationWriterLength,
    ::testing::Values(LengthCase{L::TextIndent, "; Text-indent: -7.5pt;"},
                      LengthCase{L::LineHeight, "; Line-height: -7.5pt;"},
                      LengthCase{L::WordSpacing, "; Word-spacing: -7.5pt;"},
                      LengthCase{L::LetterSpacing, "; Letter-spacing: -7.5pt;"},
                      LengthCase{L::MarginTop, "; Margin-top: -7.5pt;"},
                      LengthCase{L::MarginRight, "; Margin-right: -7.5pt;"},
                      LengthCase{L::MarginBottom, "; Margin-bottom: -7.5pt;"},
                      LengthCase{L::MarginLeft, "; Margin-left: -7.5pt;"},
                      LengthCase{L::PaddingTop, "; Padding-top: -7.5pt;"},
                      LengthCase{L::PaddingRight, "; Padding-right: -7.5pt;"},
                      LengthCase{L::PaddingBottom, "; Padding-bottom: -7.5pt;"},
                      LengthCase{L::PaddingLeft, "; Padding-left: -7.5pt;"},
                      LengthCase{L::BorderWidth, "; Border-width: -7.5pt;"},
                      LengthCase{L::ClipTop, "; clip: rect(-7.5pt, auto, auto, auto);"},
                      LengthCase{L::ClipRight, "; clip: rect(auto, -7.5pt, auto, auto);"},
                      LengthCase{L::ClipBottom, "; clip: rect(auto, auto, -7.5pt, auto);"},
                      LengthCase{L::ClipLeft, "; clip: rect(auto, auto, auto, -7.5pt);"},
                      LengthCase{L::BlockTop, "; Top: -7.5pt;"},
                      LengthCase{L::BlockRight, "; Right: -7.5pt;"},
                      LengthCase{L::BlockBottom, "; Bottom: -7.5pt;"},
                      LengthCase{L::BlockLeft, "; Left: -7.5pt;"},
                      LengthCase{L::BlockHeight, "; Height: -7.5pt;"},
                      LengthCase{L::BlockWidth, "; Width: -7.5pt;"}),
    [](const ::testing::TestParamInfo<LengthCase>& row) {
        return std::string(Info(row.param.Field).Name);
    });

TEST(DeclarationWriterLengths, EmptyUnitWritesTheNumberAlone) {
    PropertySet panel;
    SetLength(panel, L::MarginTop, "12", "");
    EXPECT_EQ(Write(panel), LineList{"; Margin-top: 12;"});
}

// The number as typed, but "10." is no CSS number and loses its point.
TEST(DeclarationWriterLengths, TextIsWrittenAsItStands) {
    PropertySet panel;
    SetLength(panel, L::MarginTop, "10.", "in");
    SetLength(panel, L::MarginRight, ".9", "%");
    EXPECT_EQ(Write(panel), LineList{"; Margin-top: 10in; Margin-right: .9%;"});
    panel.FontSize.Set = true;
    panel.FontSize.Text = "1.";
    EXPECT_EQ(SlotValue(panel, Slot::FontSize), "1px");
}

TEST(DeclarationWriterLengths, OnlyClipLeftSetWritesAutoForTheOthers) {
    PropertySet panel;
    SetLength(panel, L::ClipLeft, "5", "px");
    EXPECT_EQ(Write(panel), LineList{"; clip: rect(auto, auto, auto, 5px);"});
}

TEST(DeclarationWriterLengths, ClipWithAllFourEdgesSet) {
    PropertySet panel;
    SetLength(panel, L::ClipTop, "1", "px");
    SetLength(panel, L::ClipRight, "2", "em");
    SetLength(panel, L::ClipBottom, "3", "");
    SetLength(panel, L::ClipLeft, "4", "%");
    EXPECT_EQ(Write(panel), LineList{"; clip: rect(1px, 2em, 3, 4%);"});
}

TEST(DeclarationWriterLengths, ClipWithTwoMiddleEdgesSet) {
    PropertySet panel;
    SetLength(panel, L::ClipRight, "20", "px");
    SetLength(panel, L::ClipBottom, "30", "px");
    EXPECT_EQ(Write(panel), LineList{"; clip: rect(auto, 20px, 30px, auto);"});
}

// ---------------------------------------------------------------------------
// Font fields

TEST(DeclarationWriterFont, AlternativeFamilyWithoutFirstFamilyWritesNoFamilyLine) {
    PropertySet panel;
    SetChoice(panel.FontType2, "monospace");
    EXPECT_EQ(Write(panel), LineList{});
}

TEST(DeclarationWriterFont, FirstFamilyAloneWhenTheAlternativeIsNotSet) {
    PropertySet panel;
    SetChoice(panel.FontType, "Arial");
    panel.FontType2.Text = "serif"; // shown, not set
    EXPECT_EQ(Write(panel), LineList{"; Font-Family: Arial;"});
}

TEST(DeclarationWriterFont, SizeKeywordInAnyCaseIsWrittenAsItStandsWithoutUnit) {
    for (const char* keyword : {"Larger", "LARGER", "x-large", "XX-SMALL", "x-Small", "small",
                                "medium", "large", "xx-large", "smaller"}) {
        PropertySet panel;
        SetChoice(panel.FontSize, keyword);
        panel.FontSizeUnit = "pt";
        EXPECT_EQ(Write(panel), LineList{std::string("; Font-size: ") + keyword + ";"}) << keyword;
        EXPECT_EQ(panel.FontSizeUnit, "") << keyword;
    }
}

TEST(DeclarationWriterFont, NumericSizeTakesTheUnitAndKeepsIt) {
    PropertySet panel;
    SetChoice(panel.FontSize, "12");
    panel.FontSizeUnit = "pt";
    EXPECT_EQ(Write(panel), LineList{"; Font-size: 12pt;"});
    EXPECT_EQ(panel.FontSizeUnit, "pt");
}

TEST(DeclarationWriterFont, SizeNotSetLeavesTheUnitCaptionAlone) {
    PropertySet panel;
    panel.FontSize.Text = "larger";
    panel.FontSize.Set = false;
    panel.FontSizeUnit = "pt";
    EXPECT_EQ(Write(panel), LineList{});
    EXPECT_EQ(panel.FontSizeUnit, "pt");
}

TEST(DeclarationWriterFont, WeightAloneAndSizeAloneShareLineTwo) {
    PropertySet weight;
    SetChoice(weight.FontWeight, "700");
    EXPECT_EQ(Write(weight), LineList{"; Font-weight: 700;"});

    PropertySet size;
    SetChoice(size.FontSize, "8");
    EXPECT_EQ(Write(size), LineList{"; Font-size: 8px;"});
}

// ---------------------------------------------------------------------------
// Colours

TEST(DeclarationWriterColors, UncheckedBoxesWriteNothingWhateverTheSwatch) {
    PropertySet panel;
    panel.FontColor = {0xFF, 0x00, 0x00};
    panel.BorderColor = {0x00, 0x00, 0xFF};
    panel.BackGroundColor = {0x00, 0x80, 0x00};
    EXPECT_EQ(Write(panel), LineList{});
}

TEST(DeclarationWriterColors, NamedAndUnnamedColoursOnTheirLines) {
    PropertySet panel;
    panel.BorderColorCheck = true;
    panel.BorderColor = {0x80, 0x80, 0x80};
    panel.BackGroundColorCheck = true;
    panel.BackGroundColor = {0xFF, 0x80, 0x00};
    EXPECT_EQ(Write(panel), (LineList{
                                "; Border-color: GRAY;",
                                "; BackGround-color: #FF8000;",
                            }));
}

TEST(DeclarationWriterColors, TransparentOverridesACheckedBackgroundColour) {
    PropertySet panel;
    panel.BackGroundColorCheck = true;
    panel.BackGroundColor = {0xFF, 0x00, 0x00};
    panel.BackGroundTransparent = true;
    EXPECT_EQ(Write(panel), LineList{"; BackGround-color: transparent;"});
}

TEST(DeclarationWriterColors, TransparentAloneIsWritten) {
    PropertySet panel;
    panel.BackGroundTransparent = true;
    EXPECT_EQ(Write(panel), LineList{"; BackGround-color: transparent;"});
}

// ---------------------------------------------------------------------------
// The background picture

TEST(DeclarationWriterPicture, PathIsWrittenExactlyAsHeld) {
    PropertySet panel;
    SetPicture(panel, "C:\\Img\\Back.GIF");
    EXPECT_EQ(Write(panel), LineList{"; BackGround-Image: url(C:\\Img\\Back.GIF);"});
}

TEST(DeclarationWriterPicture, QuotesAndCyrillicInThePathAreKept) {
    PropertySet panel;
    const std::string path = Utf8ToCp1251("\"Картинки/Фон.PNG\"");
    SetPicture(panel, path);
    EXPECT_EQ(Write(panel), LineList{"; BackGround-Image: url(" + path + ");"});
}

TEST(DeclarationWriterPicture, UncheckedPictureWritesNoneOfItsFourLines) {
    PropertySet panel;
    SetPicture(panel, "a.gif");
    panel.PressDown(K::BGrPosLT);
    panel.PressDown(K::BGrAttScroll);
    panel.PressDown(K::BGrRepNone);
    panel.BackGroundAttCheck = false;
    EXPECT_EQ(Write(panel), LineList{});

    // Checked again, the buttons that stayed down are written again.
    panel.BackGroundAttCheck = true;
    EXPECT_EQ(Write(panel), (LineList{
                                "; BackGround-Image: url(a.gif);",
                                "; BackGround-position: left top;",
                                "; BackGround-Attachment: scroll;",
                                "; BackGround-Repeat: no-repeat;",
                            }));
}

TEST(DeclarationWriterPicture, EmptyPathStillWritesTheImage) {
    PropertySet panel;
    SetPicture(panel, "");
    EXPECT_EQ(Write(panel), LineList{"; BackGround-Image: url();"});
}

} // namespace
} // namespace tesselo
