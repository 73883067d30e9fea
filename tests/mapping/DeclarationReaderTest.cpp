#include "mapping/DeclarationReader.h"

#include "document/Cp1251.h"
#include "mapping/ClearPanel.h"
#include "mapping/DeclarationWriter.h"
#include "support/GeneratedRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {
namespace {

using K = Keyword;
using L = Length;

const std::string kComment = "/* Properties without support of this version Tesselo */";
constexpr Color kBlack{0x00, 0x00, 0x00};
constexpr Color kGray{0x80, 0x80, 0x80};
constexpr Color kWhite{0xFF, 0xFF, 0xFF};
constexpr Color kRed{0xFF, 0x00, 0x00};

struct ReadResult {
    PropertySet Panel;
    LineList Lines;
};

ReadResult Read(const LineList& lines, const LineList& families = {}) {
    ReadResult result{PropertySet(families), {}};
    TextView memo;
    memo.Lines = lines;
    ReadDeclarations(result.Panel, memo);
    result.Lines = memo.Lines;
    return result;
}

LineList ReadInto(PropertySet& panel, const LineList& lines) {
    TextView memo;
    memo.Lines = lines;
    ReadDeclarations(panel, memo);
    return memo.Lines;
}

size_t ButtonsDown(const PropertySet& panel) {
    size_t n = 0;
    for (bool down : panel.Down)
        n += down ? 1 : 0;
    return n;
}

void ExpectLength(const PropertySet& panel, Length field, const std::string& text,
                  const std::string& unit) {
    SCOPED_TRACE(std::string(Info(field).Name));
    EXPECT_TRUE(panel[field].Set);
    EXPECT_EQ(panel[field].Text, text);
    EXPECT_EQ(panel[field].Unit, unit);
}

// A panel with something in every field, to see what the reset and the reader change.
PropertySet FullPanel(const LineList& families = {}) {
    PropertySet panel(families);
    panel.FontType = {"serif", true, 1};
    panel.FontType2 = {"monospace", true, 5};
    panel.FontType2Enabled = true;
    panel.FontWeight = {"bold", true, 2};
    panel.FontSize = {"12", true, 3};
    panel.FontSizeUnit = "pt";
    panel.FontBold = true;
    for (size_t i = 0; i < kKeywordCount; ++i)
        panel.Down[i] = true;
    int whole = 1;
    for (auto& field : panel.Lengths) {
        field.Text = std::string("9"); // GCC 12 warns falsely (-Wrestrict) on = "9" at -O3
        field.Set = true;
        field.Unit = "em";
        field.Whole = whole++;
    }
    panel.FontColorCheck = true;
    panel.FontColor = {1, 2, 3};
    panel.BorderColorCheck = true;
    panel.BorderColor = {4, 5, 6};
    panel.BackGroundColorCheck = true;
    panel.BackGroundColor = {7, 8, 9};
    panel.BackGroundTransparent = true;
    panel.BackGroundAttCheck = true;
    panel.BackGroundAttEnabled = true;
    panel.BackGroundAttPath = "C:\\Img\\Back.GIF";
    panel.BackGroundAttCaption = "Back.GIF";
    return panel;
}

// ---------------------------------------------------------------------------
// Normalisation

TEST(NormalizeDeclarations, BlanksAroundColonsAndSemicolonsVanish) {
    EXPECT_EQ(NormalizeDeclarations({" color : red ;  font-size:12px"}),
              " COLOR:RED;FONT-SIZE:12PX;");
    EXPECT_EQ(NormalizeDeclarations({"a  :  b  ;  c"}), "A:B;C;");
}

// A line end separates like a blank; where blanks go, it goes too.
TEST(NormalizeDeclarations, LinesAreJoinedWithOneBlank) {
    EXPECT_EQ(NormalizeDeclarations({"color: red", "font-size: 12px"}),
              "COLOR:RED FONT-SIZE:12PX;");
    EXPECT_EQ(NormalizeDeclarations({"color: red;", "", "font-size: 12px;"}),
              "COLOR:RED;FONT-SIZE:12PX;");
    EXPECT_EQ(NormalizeDeclarations({"width: calc(16px", "+ 1em);"}), "WIDTH:CALC(16PX + 1EM);");
    EXPECT_EQ(NormalizeDeclarations({"a:", "b", ";"}), "A:B;");
}

TEST(NormalizeDeclarations, AlwaysEndsWithExactlyOneSemicolon) {
    EXPECT_EQ(NormalizeDeclarations({}), ";");
    EXPECT_EQ(NormalizeDeclarations({""}), ";");
    EXPECT_EQ(NormalizeDeclarations({"a:b;"}), "A:B;");
    EXPECT_EQ(NormalizeDeclarations({"a:b;;  ;"}), "A:B;");
}

TEST(NormalizeDeclarations, RunsOfSemicolonsShrinkToOne) {
    EXPECT_EQ(NormalizeDeclarations({"a:b;;; ;c:d"}), "A:B;C:D;");
    EXPECT_EQ(NormalizeDeclarations({";;a:b"}), ";A:B;");
    EXPECT_EQ(NormalizeDeclarations({";", ";", "a:b"}), ";A:B;");
}

TEST(NormalizeDeclarations, ControlBytesBecomeBlanks) {
    EXPECT_EQ(NormalizeDeclarations({"a\tb", std::string("\x01", 1) + "c\x1F" + "d\r\n"}),
              "A B C D;");
    EXPECT_EQ(NormalizeDeclarations({"x:\t1px\t;"}), "X:1PX;");
    EXPECT_EQ(NormalizeDeclarations({std::string("a\0b", 3)}), "A B;");
}

TEST(NormalizeDeclarations, BlanksInsideValuesAndBesideCommasStayAsOne) {
    EXPECT_EQ(NormalizeDeclarations({"font-family: Arial ,   Helvetica"}),
              "FONT-FAMILY:ARIAL , HELVETICA;");
    EXPECT_EQ(NormalizeDeclarations({"border: 1px    solid"}), "BORDER:1PX SOLID;");
}

TEST(NormalizeDeclarations, SingleBlankAtTheStartStays) {
    EXPECT_EQ(NormalizeDeclarations({"   color: red"}), " COLOR:RED;");
    EXPECT_EQ(NormalizeDeclarations({"\t", "\t", "x:y"}), " X:Y;");
}

TEST(NormalizeDeclarations, OnlyLettersAToZAreUpperCased) {
    EXPECT_EQ(NormalizeDeclarations({"azAZ09-_%#()\"'\"\\/*!,."}), "AZAZ09-_%#()\"'\"\\/*!,.;");
}

TEST(NormalizeDeclarations, BytesFrom127UpAreNeitherBlanksNorLetters) {
    const std::string cyrillic = Utf8ToCp1251("шрифт: Ариал ; ЯЁ");
    EXPECT_EQ(NormalizeDeclarations({cyrillic}), Utf8ToCp1251("шрифт:Ариал;ЯЁ;"));
    // A no-break space and DEL are not blanks: nothing around them is removed.
    EXPECT_EQ(NormalizeDeclarations({"a\xA0:b\x7F ;"}), "A\xA0:B\x7F;");
    EXPECT_EQ(NormalizeDeclarations({"\xFF\xA0\x80"}), "\xFF\xA0\x80;");
}

TEST(NormalizeDeclarations, KeepCaseVariantDiffersOnlyInCase) {
    EXPECT_EQ(NormalizeDeclarationsKeepCase({" Color : Red ;  Font-Size:12Px"}),
              " Color:Red;Font-Size:12Px;");
    const LineList lines = {"Cursor :  Pointer", ";;", "\tUrl(Img/A.png)"};
    EXPECT_EQ(NormalizeDeclarations(lines), UpperAscii(NormalizeDeclarationsKeepCase(lines)));
}

// The scan as the normalisation describes it, one character pair at a time.
std::string LiteralNormalize(const LineList& lines) {
    std::string s;
    for (size_t i = 0; i < lines.size(); ++i)
        s += (i ? " " : "") + lines[i];
    s += ';';
    for (char& c : s)
        if (static_cast<unsigned char>(c) <= 32)
            c = ' ';
    size_t i = 0;
    while (i + 1 < s.size()) {
        const char c = s[i];
        const char n = s[i + 1];
        if (c == ' ' && n == ' ')
            s.erase(i + 1, 1);
        else if (c == ' ' && (n == ';' || n == ':'))
            s.erase(i, 1);
        else if (c == ':' && n == ' ')
            s.erase(i + 1, 1);
        else if (c == ';' && (n == ' ' || n == ';'))
            s.erase(i + 1, 1);
        else
            ++i;
    }
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

TEST(NormalizeDeclarations, AgreesWithThePairwiseScanOnGeneratedTexts) {
    // Without quotes: inside a string nothing is folded (tested on its own).
    std::string alphabet = " \t\r\n:;,-aZ9(";
    alphabet += '\0';
    alphabet += "\x01\x1F\x7F\xA0\xC0\xFF";
    std::mt19937 random(20240611);
    for (int round = 0; round < 5000; ++round) {
        LineList lines(random() % 4);
        for (auto& line : lines) {
            const size_t length = random() % 10;
            for (size_t k = 0; k < length; ++k)
                line += alphabet[random() % alphabet.size()];
        }
        ASSERT_EQ(NormalizeDeclarations(lines), LiteralNormalize(lines))
            << ::testing::PrintToString(lines);
    }
}

// ---------------------------------------------------------------------------
// The empty view and the layout of what is read

TEST(DeclarationReader, EmptyViewResetsThePanelWithDefaultSwatches) {
    PropertySet panel = FullPanel();
    PropertySet expected = panel;
    ClearPanel(expected);
    expected.FontColor = kBlack;
    expected.BorderColor = kGray;
    expected.BackGroundColor = kWhite;
    for (BorderSide side : kBorderSides)
        expected.BorderSides[static_cast<size_t>(side)].Swatch = kGray;
    expected.AllSidesWritten = expected.BorderControls();

    EXPECT_EQ(ReadInto(panel, {}), LineList{});
    EXPECT_EQ(panel, expected);
    EXPECT_EQ(ReadInto(panel, {"", "  ", ";"}), LineList{});
    EXPECT_EQ(panel, expected);
}

TEST(DeclarationReader, UnsupportedDeclarationsFollowTheMarkerLine) {
    EXPECT_EQ(Read({"cursor: pointer; color: red"}).Lines, (LineList{
                                                               "; color: RED;",
                                                               kComment,
                                                               "cursor:pointer;",
                                                               "",
                                                           }));
}

TEST(DeclarationReader, EveryCopyOfTheMarkerIsReplacedByOne) {
    EXPECT_EQ(Read({kComment, "cursor: wait;", kComment,
                    "/* PROPERTIES WITHOUT SUPPORT OF THIS VERSION TESSELO */", "zoom: 1;"})
                  .Lines,
              (LineList{kComment, "cursor:wait;", "zoom:1;", ""}));
}

TEST(DeclarationReader, MarkerAloneLeavesNothing) {
    EXPECT_EQ(Read({kComment}).Lines, LineList{});
    EXPECT_EQ(Read({"; Float: left;", kComment}).Lines, LineList{"; Float: left;"});
}

TEST(DeclarationReader, HidesTheRefreshButton) {
    PropertySet panel;
    TextView memo;
    memo.Lines = {"color: red"};
    memo.Edited = true;
    ReadDeclarations(panel, memo);
    EXPECT_FALSE(memo.Edited);
}

// ---------------------------------------------------------------------------
// Keys found inside longer names

TEST(DeclarationReaderOrder, MarginTopAndPaddingTopBeforeTop) {
    ReadResult r = Read({"margin-top: 5px; padding-top: 2em; top: 3px"});
    ExpectLength(r.Panel, L::MarginTop, "5", "px");
    ExpectLength(r.Panel, L::PaddingTop, "2", "em");
    ExpectLength(r.Panel, L::BlockTop, "3", "px");
    EXPECT_EQ(r.Lines, (LineList{"; Margin-top: 5px;", "; Padding-top: 2em;", "; Top: 3px;"}));
}

TEST(DeclarationReaderOrder, BorderWidthBeforeWidth) {
    ReadResult r = Read({"border-width: 2px; width: 50%"});
    ExpectLength(r.Panel, L::BorderWidth, "2", "px");
    ExpectLength(r.Panel, L::BlockWidth, "50", "%");
    EXPECT_EQ(r.Lines, (LineList{"; Border-width: 2px;", "; Width: 50%;"}));
}

TEST(DeclarationReaderOrder, LineHeightBeforeHeight) {
    ReadResult r = Read({"line-height: 1.5; height: 10em"});
    ExpectLength(r.Panel, L::LineHeight, "1.5", "");
    ExpectLength(r.Panel, L::BlockHeight, "10", "em");
    EXPECT_EQ(r.Lines, (LineList{"; Line-height: 1.5;", "; Height: 10em;"}));
}

TEST(DeclarationReaderOrder, MarginsBeforeOffsets) {
    ReadResult r = Read({"margin-left: 1px; margin-right: 2px; margin-bottom: 3px; left: 4px; "
                         "right: 5px; bottom: 6px"});
    ExpectLength(r.Panel, L::MarginLeft, "1", "px");
    ExpectLength(r.Panel, L::MarginRight, "2", "px");
    ExpectLength(r.Panel, L::MarginBottom, "3", "px");
    ExpectLength(r.Panel, L::BlockLeft, "4", "px");
    ExpectLength(r.Panel, L::BlockRight, "5", "px");
    ExpectLength(r.Panel, L::BlockBottom, "6", "px");
}

TEST(DeclarationReaderOrder, BackgroundAndBorderColourBeforeTextColour) {
    ReadResult r = Read({"color: blue; border-color: red; background-color: lime"});
    EXPECT_TRUE(r.Panel.FontColorCheck);
    EXPECT_EQ(r.Panel.FontColor, (Color{0x00, 0x00, 0xFF}));
    EXPECT_TRUE(r.Panel.BorderColorCheck);
    EXPECT_EQ(r.Panel.BorderColor, kRed);
    EXPECT_TRUE(r.Panel.BackGroundColorCheck);
    EXPECT_EQ(r.Panel.BackGroundColor, (Color{0x00, 0xFF, 0x00}));
    EXPECT_EQ(r.Lines,
              (LineList{"; color: BLUE; Border-color: RED;", "; BackGround-color: LIME;"}));
}

// ---------------------------------------------------------------------------
// Fonts

TEST(DeclarationReaderFont, InstalledFamilyTakesTheListSpelling) {
    ReadResult r = Read({"font-family: Arial, Helvetica, sans-serif"}, {"Arial"});
    EXPECT_EQ(r.Panel.FontType.Text, "Arial");
    EXPECT_TRUE(r.Panel.FontType.Set);
    EXPECT_EQ(r.Panel.FontType2.Text, "HELVETICA, SANS-SERIF");
    EXPECT_TRUE(r.Panel.FontType2.Set);
    EXPECT_EQ(r.Lines, LineList{"; Font-Family: Arial, HELVETICA, SANS-SERIF;"});
}

TEST(DeclarationReaderFont, SingleFamilyLeavesTheAlternativeNotSet) {
    ReadResult r = Read({"font-family: serif"});
    EXPECT_EQ(r.Panel.FontType.Text, "serif");
    EXPECT_TRUE(r.Panel.FontType.Set);
    EXPECT_FALSE(r.Panel.FontType2.Set);
    EXPECT_EQ(r.Panel.FontType2.Text, r.Panel.Items.FontType2[0]);
    EXPECT_EQ(r.Lines, LineList{"; Font-Family: serif;"});
}

TEST(DeclarationReaderFont, EachFamilyIsLookedUpInItsOwnList) {
    ReadResult r = Read({"font-family: times new roman, MONOSPACE"}, {"Times New Roman"});
    EXPECT_EQ(r.Panel.FontType.Text, "Times New Roman");
    EXPECT_EQ(r.Panel.FontType2.Text, "monospace");

    ReadResult unknownFirst = Read({"font-family: Courier,Cursive"});
    EXPECT_EQ(unknownFirst.Panel.FontType.Text, "COURIER");
    EXPECT_EQ(unknownFirst.Panel.FontType2.Text, "cursive");
}

TEST(DeclarationReaderFont, FirstMatchingEntryGivesTheSpelling) {
    ReadResult r = Read({"font-family: SERIF"}, {"Serif"});
    EXPECT_EQ(r.Panel.FontType.Text, "serif");
}

TEST(DeclarationReaderFont, AlternativeFamilyLeavesTheBoxEnabledStateAlone) {
    for (bool enabled : {false, true}) {
        PropertySet panel;
        panel.FontType2Enabled = enabled;
        ReadInto(panel, {"font-family: serif, monospace"});
        EXPECT_EQ(panel.FontType2Enabled, enabled);
        ReadInto(panel, {});
        EXPECT_EQ(panel.FontType2Enabled, enabled);
    }
}

TEST(DeclarationReaderFont, BoldWeightPutsTheBoldButtonDown) {
    for (const char* text : {"font-weight: bold", "FONT-WEIGHT : Bold ;"}) {
        ReadResult r = Read({text});
        EXPECT_EQ(r.Panel.FontWeight.Text, "bold") << text;
        EXPECT_TRUE(r.Panel.FontWeight.Set) << text;
        EXPECT_TRUE(r.Panel.FontBold) << text;
        EXPECT_EQ(r.Lines, LineList{"; Font-weight: bold;"}) << text;
    }
}

TEST(DeclarationReaderFont, SizeKeywordIsShownInLowerCaseWithoutUnit) {
    PropertySet panel;
    panel.FontSizeUnit = "pt";
    EXPECT_EQ(ReadInto(panel, {"font-size: X-Large"}), LineList{"; Font-size: x-large;"});
    EXPECT_EQ(panel.FontSize.Text, "x-large");
    EXPECT_TRUE(panel.FontSize.Set);
    EXPECT_EQ(panel.FontSizeUnit, "");
}

TEST(DeclarationReaderFont, SizeNumberTakesItsUnit) {
    ReadResult percent = Read({"font-size: 120%"});
    EXPECT_EQ(percent.Panel.FontSize.Text, "120");
    EXPECT_TRUE(percent.Panel.FontSize.Set);
    EXPECT_EQ(percent.Panel.FontSizeUnit, "%");
    EXPECT_EQ(percent.Lines, LineList{"; Font-size: 120%;"});

    ReadResult points = Read({"font-size: 10.5pt"});
    EXPECT_EQ(points.Panel.FontSize.Text, "10.5");
    EXPECT_EQ(points.Panel.FontSizeUnit, "pt");
}

TEST(DeclarationReaderFont, NoSizeLeavesTheSizeOffAndItsUnitAlone) {
    PropertySet panel;
    ReadInto(panel, {"font-size: 12pt"});
    ASSERT_EQ(panel.FontSizeUnit, "pt");
    ReadInto(panel, {"color: red"});
    EXPECT_EQ(panel.FontSize.Text, captions::FontSizeOff());
    EXPECT_FALSE(panel.FontSize.Set);
    EXPECT_EQ(panel.FontSizeUnit, "pt");
}

// ---------------------------------------------------------------------------
// Length fields

struct LengthKeyCase {
    const char* Declaration;
    Length Field;
};

class DeclarationReaderLengthKey : public ::testing::TestWithParam<LengthKeyCase> {};

TEST_P(DeclarationReaderLengthKey, PropertyGoesIntoItsField) {
    ReadResult r = Read({GetParam().Declaration});
    ExpectLength(r.Panel, GetParam().Field, "-3", "pt");
    EXPECT_EQ(r.Panel[GetParam().Field].Whole, -3);
    for (size_t i = 0; i < kLengthCount; ++i) {
        if (i != static_cast<size_t>(GetParam().Field)) {
            EXPECT_FALSE(r.Panel.Lengths[i].Set) << LengthTable()[i].Name;
        }
    }
    ASSERT_EQ(r.Lines.size(), 1u);
    EXPECT_EQ(r.Lines[0].substr(0, 1), ";");
}

INSTANTIATE_TEST_SUITE_P(AllFields, DeclarationReaderLengthKey,
                         ::testing::Values(LengthKeyCase{"text-indent: -3pt", L::TextIndent},
                                           LengthKeyCase{"line-height: -3pt", L::LineHeight},
                                           LengthKeyCase{"word-spacing: -3pt", L::WordSpacing},
                                           LengthKeyCase{"letter-spacing: -3pt", L::LetterSpacing},
                                           LengthKeyCase{"margin-top: -3pt", L::MarginTop},
                                           LengthKeyCase{"margin-right: -3pt", L::MarginRight},
                                           LengthKeyCase{"margin-bottom: -3pt", L::MarginBottom},
                                           LengthKeyCase{"margin-left: -3pt", L::MarginLeft},
                                           LengthKeyCase{"padding-top: -3pt", L::PaddingTop},
                                           LengthKeyCase{"padding-right: -3pt", L::PaddingRight},
                                           LengthKeyCase{"padding-bottom: -3pt", L::PaddingBottom},
                                           LengthKeyCase{"padding-left: -3pt", L::PaddingLeft},
                                           LengthKeyCase{"border-width: -3pt", L::BorderWidth},
                                           LengthKeyCase{"top: -3pt", L::BlockTop},
                                           LengthKeyCase{"right: -3pt", L::BlockRight},
                                           LengthKeyCase{"bottom: -3pt", L::BlockBottom},
                                           LengthKeyCase{"left: -3pt", L::BlockLeft},
                                           LengthKeyCase{"height: -3pt", L::BlockHeight},
                                           LengthKeyCase{"width: -3pt", L::BlockWidth}),
                         [](const ::testing::TestParamInfo<LengthKeyCase>& row) {
                             return std::string(Info(row.param.Field).Name);
                         });

TEST(DeclarationReaderLength, FractionKeepsTheWholeValue) {
    PropertySet panel;
    panel[L::MarginTop].Whole = 42;
    ReadInto(panel, {"margin-top: -1.5em"});
    ExpectLength(panel, L::MarginTop, "-1.5", "em");
    EXPECT_EQ(panel[L::MarginTop].Whole, 42);
}

TEST(DeclarationReaderLength, WholeNumberBecomesTheWholeValue) {
    PropertySet panel;
    panel[L::MarginTop].Whole = 42;
    EXPECT_EQ(ReadInto(panel, {"margin-top: 12px"}), LineList{"; Margin-top: 12px;"});
    ExpectLength(panel, L::MarginTop, "12", "px");
    EXPECT_EQ(panel[L::MarginTop].Whole, 12);

    ReadInto(panel, {"margin-top: 0"});
    ExpectLength(panel, L::MarginTop, "0", "");
    EXPECT_EQ(panel[L::MarginTop].Whole, 0);
}

TEST(DeclarationReaderLength, WholeValueOnlyWithinThirtyTwoBits) {
    PropertySet panel;
    ReadInto(panel, {"width: 2147483647px"});
    EXPECT_EQ(panel[L::BlockWidth].Whole, INT32_MAX);
    ReadInto(panel, {"width: -2147483648px"});
    EXPECT_EQ(panel[L::BlockWidth].Whole, INT32_MIN);
    ReadInto(panel, {"width: 2147483648px"});
    EXPECT_EQ(panel[L::BlockWidth].Text, "2147483648");
    EXPECT_EQ(panel[L::BlockWidth].Whole, INT32_MIN);
    ReadInto(panel, {"width: -99999999999"});
    EXPECT_EQ(panel[L::BlockWidth].Text, "-99999999999");
    EXPECT_EQ(panel[L::BlockWidth].Whole, INT32_MIN);
}

TEST(DeclarationReaderLength, FieldsNotNamedKeepUnitAndWholeValue) {
    PropertySet panel;
    panel[L::PaddingLeft] = {"4", true, "mm", 4};
    ReadInto(panel, {"margin-top: 1px"});
    EXPECT_FALSE(panel[L::PaddingLeft].Set);
    EXPECT_EQ(panel[L::PaddingLeft].Text, "");
    EXPECT_EQ(panel[L::PaddingLeft].Unit, "mm");
    EXPECT_EQ(panel[L::PaddingLeft].Whole, 4);
}

// ---------------------------------------------------------------------------
// Keyword declarations

struct KeywordReadCase {
    const char* Declaration;
    Keyword Button;
};

class DeclarationReaderKeyword : public ::testing::TestWithParam<KeywordReadCase> {};

TEST_P(DeclarationReaderKeyword, DeclarationPutsItsButtonDown) {
    ReadResult r = Read({GetParam().Declaration});
    EXPECT_TRUE(r.Panel.IsDown(GetParam().Button));
    EXPECT_EQ(ButtonsDown(r.Panel), 1u);
    ASSERT_EQ(r.Lines.size(), 1u);
    EXPECT_EQ(r.Lines[0].substr(0, 2), "; ");
}

INSTANTIATE_TEST_SUITE_P(
    AllButtons, DeclarationReaderKeyword,
    ::testing::Values(KeywordReadCase{"font-style: normal", K::FontStyleNormal},
                      KeywordReadCase{"font-style: italic", K::FontStyleItalic},
                      KeywordReadCase{"font-variant: normal", K::FontVariantNormal},
                      KeywordReadCase{"font-variant: small-caps", K::FontVariantSmallCaps},
                      KeywordReadCase{"text-decoration: underline", K::TextDecorUnderLine},
                      KeywordReadCase{"text-decoration: line-through", K::TextDecorLineThrough},
                      KeywordReadCase{"text-decoration: overline", K::TextDecorOverLine},
                      KeywordReadCase{"text-decoration: blink", K::TextDecorBlink},
                      KeywordReadCase{"text-decoration: none", K::TextDecorNone},
                      KeywordReadCase{"text-align: left", K::TextAlignLeft},
                      KeywordReadCase{"text-align: right", K::TextAlignRight},
                      KeywordReadCase{"text-align: center", K::TextAlignCenter},
                      KeywordReadCase{"text-align: justify", K::TextAlignJustify},
                      KeywordReadCase{"vertical-align: bottom", K::TextVerticalAlignBottom},
                      KeywordReadCase{"vertical-align: text-bottom",
                                      K::TextVerticalAlignTextBottom},
                      KeywordReadCase{"vertical-align: sub", K::TextVerticalAlignSub},
                      KeywordReadCase{"vertical-align: baseline", K::TextVerticalAlignBaseline},
                      KeywordReadCase{"vertical-align: middle", K::TextVerticalAlignMiddle},
                      KeywordReadCase{"vertical-align: super", K::TextVerticalAlignSuper},
                      KeywordReadCase{"vertical-align: text-top", K::TextVerticalAlignTextTop},
                      KeywordReadCase{"vertical-align: top", K::TextVerticalAlignTop},
                      KeywordReadCase{"border-style: solid", K::BorderSolid},
                      KeywordReadCase{"border-style: dotted", K::BorderDotted},
                      KeywordReadCase{"border-style: dashed", K::BorderDashed},
                      KeywordReadCase{"border-style: outset", K::BorderOutSet},
                      KeywordReadCase{"border-style: ridge", K::BorderRidge},
                      KeywordReadCase{"border-style: double", K::BorderDouble},
                      KeywordReadCase{"border-style: inset", K::BorderInSet},
                      KeywordReadCase{"border-style: groove", K::BorderGroove},
                      KeywordReadCase{"border-style: none", K::BorderNone},
                      KeywordReadCase{"display: block", K::DisplayBlock},
                      KeywordReadCase{"display: inline", K::DisplayInLine},
                      KeywordReadCase{"display: list-item", K::DisplayListItem},
                      KeywordReadCase{"display: marker", K::DisplayMarker},
                      KeywordReadCase{"display: none", K::DisplayNone},
                      KeywordReadCase{"display: table", K::DisplayTable},
                      KeywordReadCase{"display: inline-table", K::DisplayInLineTable},
                      KeywordReadCase{"display: table-caption", K::DisplayTableCaption},
                      KeywordReadCase{"display: table-header-group", K::DisplayTableHeaderGroup},
                      KeywordReadCase{"display: table-footer-group", K::DisplayTableFooterGroup},
                      KeywordReadCase{"display: table-cell", K::DisplayTableCell},
                      KeywordReadCase{"display: table-row", K::DisplayTableRow},
                      KeywordReadCase{"display: table-row-group", K::DisplayTableRowGroup},
                      KeywordReadCase{"display: table-column", K::DisplayTableColumn},
                      KeywordReadCase{"display: table-column-group", K::DisplayTableColumnGroup},
                      KeywordReadCase{"visibility: visible", K::VisibilityVisible},
                      KeywordReadCase{"visibility: hidden", K::VisibilityHidden},
                      KeywordReadCase{"visibility: collapse", K::VisibilityCollapse},
                      KeywordReadCase{"overflow: visible", K::OverflowVisible},
                      KeywordReadCase{"overflow: hidden", K::OverflowHidden},
                      KeywordReadCase{"overflow: scroll", K::OverflowScroll},
                      KeywordReadCase{"overflow: auto", K::OverflowAuto},
                      KeywordReadCase{"position: static", K::PositionStatic},
                      KeywordReadCase{"position: relative", K::PositionRelative},
                      KeywordReadCase{"position: absolute", K::PositionAbsolute},
                      KeywordReadCase{"position: fixed", K::PositionFixed},
                      KeywordReadCase{"float: left", K::FloatLeft},
                      KeywordReadCase{"float: right", K::FloatRight}),
    [](const ::testing::TestParamInfo<KeywordReadCase>& row) {
        return std::string(Info(row.param.Button).Name);
    });

TEST(DeclarationReaderKeywords, BlanksAndCaseDoNotMatter) {
    ReadResult r = Read({"TEXT-ALIGN : Left ;"});
    EXPECT_TRUE(r.Panel.IsDown(K::TextAlignLeft));
    EXPECT_EQ(r.Lines, LineList{"; Text-align: left;"});
}

// ---------------------------------------------------------------------------
// Colours

TEST(DeclarationReaderColors, BlanksInFrontOfTheTextAreNoDeclaration) {
    // The single blank that normalisation keeps at the start goes with the clean-up.
    for (const LineList& lines : {LineList{" color : red ;"}, LineList{" ", "color:red;", ""}}) {
        ReadResult r = Read(lines);
        EXPECT_TRUE(r.Panel.FontColorCheck);
        EXPECT_EQ(r.Panel.FontColor, kRed);
        EXPECT_EQ(r.Lines, LineList{"; color: RED;"});
    }
}

TEST(DeclarationReaderColors, SwatchesTakeTheirDefaultsWhenNotNamed) {
    PropertySet panel = FullPanel();
    ReadInto(panel, {"margin-top: 1px"});
    EXPECT_FALSE(panel.FontColorCheck);
    EXPECT_EQ(panel.FontColor, kBlack);
    EXPECT_FALSE(panel.BorderColorCheck);
    EXPECT_EQ(panel.BorderColor, kGray);
    EXPECT_FALSE(panel.BackGroundColorCheck);
    EXPECT_EQ(panel.BackGroundColor, kWhite);
    EXPECT_FALSE(panel.BackGroundTransparent);
}

TEST(DeclarationReaderColors, TransparentBackgroundDisablesTheColourBox) {
    ReadResult r = Read({"background-color: transparent"});
    EXPECT_TRUE(r.Panel.BackGroundTransparent);
    EXPECT_FALSE(r.Panel.BackGroundColorCheck);
    EXPECT_FALSE(r.Panel.BackGroundColorCheckEnabled());
    EXPECT_EQ(r.Panel.BackGroundColor, kWhite);
    EXPECT_EQ(r.Lines, LineList{"; BackGround-color: transparent;"});
}

// ---------------------------------------------------------------------------
// The background picture

// A sprite's rule places the picture another rule sets: left unread, a kept
// "background-position" would override the position chosen once a picture is set.
TEST(DeclarationReaderPicture, PositionWithoutAPictureIsShownAndItsButtonsEnabled) {
    ReadResult r = Read({"background-position: left top; background-repeat: no-repeat; "
                         "background-attachment: fixed"});
    EXPECT_EQ(ButtonsDown(r.Panel), 3u);
    EXPECT_FALSE(r.Panel.BackGroundAttCheck);
    EXPECT_TRUE(r.Panel.PictureButtonsEnabled());
    EXPECT_EQ(r.Lines,
              (LineList{"; BackGround-position: left top;", "; BackGround-Attachment: fixed;",
                        "; BackGround-Repeat: no-repeat;"}));
    EXPECT_FALSE(Read({"color: red"}).Panel.PictureButtonsEnabled());
}

TEST(DeclarationReaderPicture, PictureEnablesItsButtonsAndReadsThem) {
    ReadResult r = Read({"background-image: url(img/a.gif);", "background-position: left top;",
                         "background-repeat: repeat; background-attachment: scroll"});
    EXPECT_TRUE(r.Panel.BackGroundAttCheck);
    EXPECT_TRUE(r.Panel.BackGroundAttEnabled);
    EXPECT_TRUE(r.Panel.PictureButtonsEnabled());
    EXPECT_EQ(r.Panel.BackGroundAttPath, "img/a.gif");
    EXPECT_EQ(r.Panel.BackGroundAttCaption, "img/a.gif");
    EXPECT_TRUE(r.Panel.IsDown(K::BGrPosLT));
    EXPECT_TRUE(r.Panel.IsDown(K::BGrRepXY));
    EXPECT_TRUE(r.Panel.IsDown(K::BGrAttScroll));
    EXPECT_EQ(r.Lines,
              (LineList{"; BackGround-Image: url(img/a.gif);", "; BackGround-position: left top;",
                        "; BackGround-Attachment: scroll;", "; BackGround-Repeat: repeat;"}));
}

TEST(DeclarationReaderPicture, EveryPictureKeywordIsRead) {
    const std::pair<const char*, Keyword> cases[] = {
        {"background-position: left top", K::BGrPosLT},
        {"background-position: center top", K::BGrPosCT},
        {"background-position: right top", K::BGrPosRT},
        {"background-position: right center", K::BGrPosRC},
        {"background-position: right bottom", K::BGrPosRB},
        {"background-position: center bottom", K::BGrPosCB},
        {"background-position: left bottom", K::BGrPosLB},
        {"background-position: left center", K::BGrPosLC},
        {"background-position: center center", K::BGrPosCC},
        {"background-attachment: fixed", K::BGrAttFixed},
        {"background-attachment: scroll", K::BGrAttScroll},
        {"background-repeat: repeat", K::BGrRepXY},
        {"background-repeat: repeat-x", K::BGrRepX},
        {"background-repeat: repeat-y", K::BGrRepY},
        {"background-repeat: no-repeat", K::BGrRepNone},
    };
    for (const auto& [text, button] : cases) {
        ReadResult r = Read({"background-image: url(a.gif);", text});
        EXPECT_TRUE(r.Panel.IsDown(button)) << text;
        EXPECT_EQ(ButtonsDown(r.Panel), 1u) << text;
        EXPECT_EQ(r.Lines.size(), 2u) << text;
    }
}

TEST(DeclarationReaderPicture, CaptionIsTheTextAfterTheLastBackslashOrColon) {
    ReadResult windows = Read({"background-image: url(C:\\Img\\Back.GIF)"});
    EXPECT_EQ(windows.Panel.BackGroundAttPath, "C:\\Img\\Back.GIF");
    EXPECT_EQ(windows.Panel.BackGroundAttCaption, "Back.GIF");

    ReadResult drive = Read({"background-image: url(D:Fon.jpg)"});
    EXPECT_EQ(drive.Panel.BackGroundAttCaption, "Fon.jpg");
}

TEST(DeclarationReaderPicture, NoPictureShowsTheNoPictureCaption) {
    PropertySet panel = FullPanel();
    ReadInto(panel, {"color: red"});
    EXPECT_FALSE(panel.BackGroundAttCheck);
    EXPECT_FALSE(panel.BackGroundAttEnabled);
    EXPECT_EQ(panel.BackGroundAttCaption, Utf8ToCp1251("Рисунок не выбран"));
    EXPECT_EQ(panel.BackGroundAttPath, "C:\\Img\\Back.GIF");
}

// ---------------------------------------------------------------------------
// Clip

TEST(DeclarationReaderClip, AutoPartsAreLeftNotSet) {
    ReadResult r = Read({"clip: rect(10px, auto, auto, 5px)"});
    ExpectLength(r.Panel, L::ClipTop, "10", "px");
    ExpectLength(r.Panel, L::ClipLeft, "5", "px");
    EXPECT_FALSE(r.Panel[L::ClipRight].Set);
    EXPECT_FALSE(r.Panel[L::ClipBottom].Set);
    EXPECT_EQ(r.Lines, LineList{"; clip: rect(10px, auto, auto, 5px);"});
}

TEST(DeclarationReaderClip, FourEdgesInTheirOrder) {
    ReadResult r = Read({"clip: rect(1px,2em,3%,4)"});
    ExpectLength(r.Panel, L::ClipTop, "1", "px");
    ExpectLength(r.Panel, L::ClipRight, "2", "em");
    ExpectLength(r.Panel, L::ClipBottom, "3", "%");
    ExpectLength(r.Panel, L::ClipLeft, "4", "");
    EXPECT_EQ(r.Lines, LineList{"; clip: rect(1px, 2em, 3%, 4);"});
}

// ---------------------------------------------------------------------------
// The panel reset

TEST(ClearPanel, EveryPropertyIsNotSet) {
    PropertySet panel = FullPanel({"Arial"});
    ClearPanel(panel);

    for (const TextChoiceField* field : {&panel.FontType, &panel.FontType2, &panel.FontWeight})
        EXPECT_FALSE(field->Set);
    EXPECT_EQ(panel.FontType.Text, Utf8ToCp1251("Шрифт выкл."));
    EXPECT_EQ(panel.FontType.ItemIndex, 0);
    EXPECT_EQ(panel.FontType2.Text, Utf8ToCp1251("Шрифт выкл."));
    EXPECT_EQ(panel.FontType2.ItemIndex, 0);
    EXPECT_EQ(panel.FontWeight.Text, Utf8ToCp1251("Толщина не задана"));
    EXPECT_EQ(panel.FontWeight.ItemIndex, 0);
    EXPECT_EQ(panel.FontSize.Text, Utf8ToCp1251("выкл."));
    EXPECT_FALSE(panel.FontSize.Set);
    EXPECT_FALSE(panel.FontBold);
    EXPECT_EQ(ButtonsDown(panel), 0u);
    for (const auto& info : LengthTable()) {
        EXPECT_FALSE(panel[info.Field].Set) << info.Name;
        EXPECT_EQ(panel[info.Field].Text, "") << info.Name;
    }
    EXPECT_FALSE(panel.FontColorCheck);
    EXPECT_EQ(panel.FontColor, kBlack);
    EXPECT_FALSE(panel.BorderColorCheck);
    EXPECT_EQ(panel.BorderColor, kButtonFaceColor);
    EXPECT_FALSE(panel.BackGroundColorCheck);
    EXPECT_EQ(panel.BackGroundColor, kWhite);
    EXPECT_FALSE(panel.BackGroundTransparent);
    EXPECT_TRUE(panel.BackGroundColorCheckEnabled());
    EXPECT_FALSE(panel.BackGroundAttCheck);
    EXPECT_FALSE(panel.BackGroundAttEnabled);
    EXPECT_FALSE(panel.PictureButtonsEnabled());
    EXPECT_EQ(panel.BackGroundAttCaption, Utf8ToCp1251("Рисунок не выбран"));
}

TEST(ClearPanel, LeavesUnitsWholeValuesAlternativeBoxAndPicturePathAlone) {
    const PropertySet before = FullPanel({"Arial"});
    PropertySet panel = before;
    ClearPanel(panel);
    for (size_t i = 0; i < kLengthCount; ++i) {
        EXPECT_EQ(panel.Lengths[i].Unit, "em") << LengthTable()[i].Name;
        EXPECT_EQ(panel.Lengths[i].Whole, before.Lengths[i].Whole) << LengthTable()[i].Name;
    }
    EXPECT_EQ(panel.FontSizeUnit, "pt");
    EXPECT_TRUE(panel.FontType2Enabled);
    EXPECT_EQ(panel.BackGroundAttPath, "C:\\Img\\Back.GIF");
    EXPECT_EQ(panel.Items, before.Items);
}

TEST(ClearPanel, SizeBoxShowsOffButKeepsTheEntryLastChosen) {
    PropertySet panel;
    panel.FontSize = {"14", true, 4};
    ClearPanel(panel);
    EXPECT_EQ(panel.FontSize.Text, captions::FontSizeOff());
    EXPECT_FALSE(panel.FontSize.Set);
    EXPECT_EQ(panel.FontSize.ItemIndex, 4);
}

TEST(ClearPanel, WriterThenWritesNoLineOfItsOwn) {
    PropertySet panel = FullPanel();
    ClearPanel(panel);
    TextView memo;
    memo.Lines = {"; Font-weight: bold;", kComment, "CURSOR:POINTER;"};
    WriteDeclarations(panel, memo);
    EXPECT_EQ(memo.Lines, (LineList{kComment, "CURSOR:POINTER;"}));
}

TEST(ClearPanel, SecondResetChangesNothing) {
    PropertySet panel = FullPanel();
    ClearPanel(panel);
    const PropertySet once = panel;
    ClearPanel(panel);
    EXPECT_EQ(panel, once);
}

// ---------------------------------------------------------------------------
// Reading what the reader wrote

struct RoundTripCase {
    const char* Name;
    LineList Lines;
    LineList Families;
};

class DeclarationReaderRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(DeclarationReaderRoundTrip, ReadingTheWrittenViewGivesTheSamePanelAndLines) {
    const RoundTripCase& c = GetParam();
    ReadResult first = Read(c.Lines, c.Families);
    ReadResult second = Read(first.Lines, c.Families);
    EXPECT_EQ(second.Lines, first.Lines);
    EXPECT_TRUE(second.Panel == first.Panel);

    // Read again into the same panel: nothing carries over that would change it.
    PropertySet panel = first.Panel;
    EXPECT_EQ(ReadInto(panel, first.Lines), first.Lines);
    EXPECT_TRUE(panel == first.Panel);
}

LineList EverythingWritten() {
    return {
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
        kComment,
        "cursor:hand;",
        "",
    };
}

INSTANTIATE_TEST_SUITE_P(
    RealisticRules, DeclarationReaderRoundTrip,
    ::testing::Values(
        RoundTripCase{
            "FontStack",
            {"font-family: Arial, Helvetica, sans-serif;", "font-size: 12px;", "color: #333333;"},
            {"Arial", "Verdana"}},
        RoundTripCase{
            "Shorthands", {"margin: 0;", "padding-top: 10px;", "border: 1px solid #ccc;"}, {}},
        RoundTripCase{"DataUrl",
                      {"background: url(\"data:image/gif;base64,R0lGODlhAQABAIAAAP\") "
                       "no-repeat;",
                       "color: white;"},
                      {}},
        RoundTripCase{"Picture",
                      {"background-image: url(Img/Back.png);", "background-repeat: repeat-x;",
                       "background-position: center top;"},
                      {}},
        RoundTripCase{
            "Box", {"display: block;", "float: left;", "width: 50%;", "height: auto;"}, {}},
        RoundTripCase{
            "Positioned", {"position: absolute;", "top: 0;", "left: -10px;", "z-index: 10;"}, {}},
        RoundTripCase{"Text",
                      {"text-align: center;", "vertical-align: middle;", "text-decoration: none;",
                       "cursor: pointer;"},
                      {}},
        RoundTripCase{"Typography",
                      {"font-weight: bold;", "font-style: oblique;", "font-variant: small-caps;",
                       "line-height: 1.5;", "letter-spacing: .1em;", "word-spacing: 10.;"},
                      {}},
        RoundTripCase{
            "Clipped",
            {"clip: rect(0, auto, 10px, auto);", "overflow: hidden;", "visibility: hidden;"},
            {}},
        RoundTripCase{"Border",
                      {"border-style: dashed;", "border-width: 2px;", "border-color: red;",
                       "background-color: transparent;"},
                      {}},
        RoundTripCase{
            "Centred", {"margin-left: auto;", "margin-right: auto;", "max-width: 960px;"}, {}},
        RoundTripCase{
            "Important", {"color: inherit !important;", "font-size: 1.2rem;", "top: 1ih;"}, {}},
        RoundTripCase{"StringsAndComments",
                      {"/* note; here */", "content: \"a;b\";", "quotes: '(' ')';"},
                      {}},
        RoundTripCase{
            "Cyrillic", {Utf8ToCp1251("content: \"Привет; мир\";"), "font-family: Tahoma;"}, {}},
        RoundTripCase{
            "Filter",
            {"filter: progid:DXImageTransform.Microsoft.gradient(startColorstr='#80000000',"
             " endColorstr='#80000000');",
             "zoom: 1;"},
            {}},
        RoundTripCase{
            "QuotedFamily",
            {"font-family: \"Times New Roman\", serif;", "font-weight: 700;", "text-indent: 2em;"},
            {}},
        RoundTripCase{"JoinedLines", {"color: red", "font-size: 12px;"}, {}},
        RoundTripCase{"EverythingWritten", EverythingWritten(), {}},
        RoundTripCase{"Nothing", {}, {}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& row) { return std::string(row.param.Name); });

TEST(DeclarationReaderRoundTrip, EverythingWrittenIsReadBackWhole) {
    ReadResult r = Read(EverythingWritten());
    EXPECT_EQ(r.Lines, EverythingWritten());
}

// A panel as the controls can leave it: at most one button down per group, the
// picture's buttons only with a picture, the alternative family only with a first.
PropertySet GeneratedPanel(std::mt19937& random) {
    auto pick = [&random](const auto& options) { return options[random() % std::size(options)]; };
    auto chance = [&random](unsigned percent) { return random() % 100 < percent; };
    static const char* const kNumbers[] = {"0", "12", "-3", "1.5", "10", ".9", "-0.25", "100"};
    static const char* const kUnits[] = {"px", "pt", "pc", "mm", "cm", "em", "ex", "in", "%", ""};
    static const char* const kFamilies[] = {
        "serif", "sans-serif", "cursive", "fantasy", "monospace", "ARIAL", "\"TIMES NEW ROMAN\""};
    static const char* const kAlternatives[] = {"serif", "monospace", "HELVETICA, SANS-SERIF"};
    static const char* const kWeights[] = {"normal", "bold", "bolder", "lighter",
                                           "100",    "400",  "700",    "900"};
    static const char* const kSizes[] = {"8",      "12",     "1.5",     "xx-small",
                                         "medium", "larger", "smaller", "x-large"};
    static const char* const kPaths[] = {"a.gif", "Img/Back.PNG", "C:\\Img\\Back.GIF", "\"q.png\"",
                                         ""};

    PropertySet panel;
    panel.BackGroundAttCheck = chance(30);
    panel.BackGroundAttEnabled = panel.BackGroundAttCheck;
    if (panel.BackGroundAttCheck)
        panel.BackGroundAttPath = pick(kPaths);
    for (KeywordGroup group : kKeywordGroups) {
        const bool pictureGroup = group == KeywordGroup::PicturePosition ||
                                  group == KeywordGroup::PictureAttachment ||
                                  group == KeywordGroup::PictureRepeat;
        if ((pictureGroup && !panel.BackGroundAttCheck) || !chance(40))
            continue;
        std::vector<Keyword> buttons;
        for (const auto& info : KeywordTable())
            if (info.Group == group)
                buttons.push_back(info.Button);
        panel.PressDown(buttons[random() % buttons.size()]);
    }
    for (auto& field : panel.Lengths) {
        if (!chance(30))
            continue;
        field.Set = true;
        field.Text = pick(kNumbers);
        field.Unit = pick(kUnits);
    }
    if (chance(50)) {
        panel.FontType = {pick(kFamilies), true, -1};
        if (chance(50))
            panel.FontType2 = {pick(kAlternatives), true, -1};
    }
    if (chance(50)) {
        panel.FontWeight = {pick(kWeights), true, -1};
        panel.FontBold = panel.FontWeight.Text == "bold";
    }
    if (chance(50)) {
        panel.FontSize = {pick(kSizes), true, -1};
        panel.FontSizeUnit = pick(kUnits);
    }
    auto colour = [&random]() {
        return Color{static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                     static_cast<uint8_t>(random())};
    };
    panel.FontColorCheck = chance(40);
    panel.FontColor = colour();
    panel.BorderColorCheck = chance(40);
    panel.BorderColor = colour();
    panel.BackGroundColorCheck = chance(40);
    panel.BackGroundColor = colour();
    panel.BackGroundTransparent = chance(15);
    return panel;
}

TEST(DeclarationReaderRoundTrip, GeneratedPanelsAreReadBackAsWritten) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        PropertySet written = GeneratedPanel(random);
        TextView memo;
        memo.Lines = {"cursor: wait;"};
        WriteDeclarations(written, memo);
        const LineList lines = memo.Lines;

        PropertySet read;
        ReadDeclarations(read, memo);
        SCOPED_TRACE(::testing::PrintToString(lines));
        ASSERT_EQ(memo.Lines.size(), lines.size() + 2);
        EXPECT_EQ(LineList(memo.Lines.begin(), memo.Lines.end() - 3),
                  LineList(lines.begin(), lines.end() - 1));
        EXPECT_EQ(memo.Lines.end()[-3], kComment);
        EXPECT_EQ(read.Down, written.Down);
        for (size_t i = 0; i < kLengthCount; ++i) {
            SCOPED_TRACE(std::string(LengthTable()[i].Name));
            ASSERT_EQ(read.Lengths[i].Set, written.Lengths[i].Set);
            if (written.Lengths[i].Set) {
                EXPECT_EQ(read.Lengths[i].Text, written.Lengths[i].Text);
                EXPECT_EQ(read.Lengths[i].Unit, written.Lengths[i].Unit);
            }
        }
        EXPECT_EQ(read.FontBold, written.FontBold);
        if (written.FontSize.Set) {
            EXPECT_EQ(read.FontSize.Text, written.FontSize.Text);
            EXPECT_EQ(read.FontSizeUnit, written.FontSizeUnit);
        }
        EXPECT_EQ(read.BackGroundAttCheck, written.BackGroundAttCheck);
        if (written.BackGroundAttCheck) {
            EXPECT_EQ(read.BackGroundAttPath, written.BackGroundAttPath);
        }
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// ---------------------------------------------------------------------------
// What the panel takes is written in front of what it keeps, so a declaration that a
// kept one in front of it overrides in part stays where it is.

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// ---------------------------------------------------------------------------
// Generated panels: the fonts and the colours read back as written

TEST(DeclarationReaderRoundTrip, GeneratedPanelsKeepTheirFontsAndColours) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        PropertySet written = GeneratedPanel(random);
        TextView memo;
        WriteDeclarations(written, memo);
        SCOPED_TRACE(::testing::PrintToString(memo.Lines));
        PropertySet read;
        ReadDeclarations(read, memo);

        EXPECT_EQ(read.FontType.Set, written.FontType.Set);
        if (written.FontType.Set) {
            EXPECT_EQ(read.FontType.Text, written.FontType.Text);
            EXPECT_EQ(read.FontType2.Set, written.FontType2.Set);
            if (written.FontType2.Set) {
                EXPECT_EQ(read.FontType2.Text, written.FontType2.Text);
            }
        }
        EXPECT_EQ(read.FontWeight.Set, written.FontWeight.Set);
        if (written.FontWeight.Set) {
            EXPECT_EQ(read.FontWeight.Text, written.FontWeight.Text);
        }
        EXPECT_EQ(read.FontSize.Set, written.FontSize.Set);
        EXPECT_EQ(read.FontColorCheck, written.FontColorCheck);
        if (written.FontColorCheck) {
            EXPECT_EQ(read.FontColor, written.FontColor);
        }
        EXPECT_EQ(read.BorderColorCheck, written.BorderColorCheck);
        if (written.BorderColorCheck) {
            EXPECT_EQ(read.BorderColor, written.BorderColor);
        }
        // A transparent background is written as such, whatever colour the box holds.
        EXPECT_EQ(read.BackGroundTransparent, written.BackGroundTransparent);
        if (!written.BackGroundTransparent) {
            EXPECT_EQ(read.BackGroundColorCheck, written.BackGroundColorCheck);
            if (written.BackGroundColorCheck) {
                EXPECT_EQ(read.BackGroundColor, written.BackGroundColor);
            }
        }
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// ---------------------------------------------------------------------------
// A declaration the panel cannot take that sets a panel property in part (a logical
// property, a longhand of it, "all") holds back that property's declarations, wherever
// they stand; the panel's other properties are taken.

struct Probe {
    const char* Declaration;
    std::function<bool(const PropertySet&)> Taken;
};

Probe LengthProbe(const char* declaration, Length field) {
    return {declaration, [field](const PropertySet& p) { return p[field].Set; }};
}

Probe ButtonProbe(const char* declaration, Keyword button) {
    return {declaration, [button](const PropertySet& p) { return p.IsDown(button); }};
}

const Probe kTop = LengthProbe("top: 1px;", L::BlockTop);
const Probe kRight = LengthProbe("right: 2px;", L::BlockRight);
const Probe kBottom = LengthProbe("bottom: 3px;", L::BlockBottom);
const Probe kLeft = LengthProbe("left: 4px;", L::BlockLeft);
const Probe kWidth = LengthProbe("width: 5px;", L::BlockWidth);
const Probe kHeight = LengthProbe("height: 6px;", L::BlockHeight);
const Probe kMarginTop = LengthProbe("margin-top: 7px;", L::MarginTop);
const Probe kOverflow = ButtonProbe("overflow: hidden;", K::OverflowHidden);
const Probe kVariant = ButtonProbe("font-variant: small-caps;", K::FontVariantSmallCaps);
const Probe kStyle = ButtonProbe("font-style: italic;", K::FontStyleItalic);
const Probe kPosition = ButtonProbe("background-position: left top;", K::BGrPosLT);
const Probe kColor{"color: red;", [](const PropertySet& p) { return p.FontColorCheck; }};

struct CoverCase {
    const char* Kept;
    std::vector<Probe> HeldBack;
    std::vector<Probe> Taken;
};

TEST(DeclarationReaderCover, APropertySetInPartIsHeldBackAndTheOthersTaken) {
    const std::vector<CoverCase> cases = {
        {"inset: 0;", {kTop, kRight, kBottom, kLeft}, {kWidth, kMarginTop}},
        // A logical side is either physical one, as the writing direction decides.
        {"inset-block: 0;", {kTop, kBottom}, {kLeft, kRight}},
        {"inset-block-start: 0;", {kTop, kBottom}, {kLeft, kRight}},
        {"inset-inline: 0;", {kLeft, kRight}, {kTop, kBottom}},
        {"inset-inline-end: 0;", {kLeft, kRight}, {kTop, kBottom}},
        {"inline-size: 1px;", {kWidth}, {kHeight, kTop}},
        {"block-size: 1px;", {kHeight}, {kWidth, kTop}},
        {"overflow-x: auto;", {kOverflow}, {kWidth}},
        {"overflow-y: scroll;", {kOverflow}, {kHeight}},
        {"overflow-inline: clip;", {kOverflow}, {kWidth}},
        {"overflow-block: auto;", {kOverflow}, {kTop}},
        {"font-variant-caps: all-small-caps;", {kVariant}, {kStyle, kColor}},
        {"font-variant-numeric: tabular-nums;", {kVariant}, {kStyle}},
        {"background-position-x: 10px;", {kPosition}, {kColor, kWidth}},
        {"background-position-y: bottom;", {kPosition}, {kColor}},
        {"all: unset;",
         {kTop, kWidth, kMarginTop, kOverflow, kVariant, kStyle, kPosition, kColor},
         {}},
        // Names that only begin alike hold nothing back.
        {"insetx: 0;", {}, {kTop, kLeft}},
        {"inline-sizes: 1px;", {}, {kWidth}},
        {"allow: x;", {}, {kColor, kTop}},
        {"overflow-wrap: anywhere;", {}, {kOverflow}},
        {"overflow-anchor: none;", {}, {kOverflow}},
        {"overflow-clip-margin: 2px;", {}, {kOverflow}},
    };
    for (const CoverCase& c : cases) {
        for (const bool keptFirst : {true, false}) {
            LineList lines;
            for (const auto* probes : {&c.HeldBack, &c.Taken})
                for (const Probe& probe : *probes)
                    lines.push_back(probe.Declaration);
            lines.insert(keptFirst ? lines.begin() : lines.end(), c.Kept);
            SCOPED_TRACE(::testing::PrintToString(lines));
            const ReadResult r = Read(lines);
            const auto marker = std::find(r.Lines.begin(), r.Lines.end(), kComment);
            ASSERT_NE(marker, r.Lines.end());
            const LineList kept(marker + 1, r.Lines.end());
            // Kept lines lose the blank after the colon.
            auto keptAsWritten = [&kept](std::string declaration) {
                declaration.erase(declaration.find(": ") + 1, 1);
                return std::find(kept.begin(), kept.end(), declaration) != kept.end();
            };
            EXPECT_TRUE(keptAsWritten(c.Kept));
            for (const Probe& probe : c.HeldBack) {
                EXPECT_FALSE(probe.Taken(r.Panel)) << probe.Declaration;
                EXPECT_TRUE(keptAsWritten(probe.Declaration)) << probe.Declaration;
            }
            for (const Probe& probe : c.Taken) {
                EXPECT_TRUE(probe.Taken(r.Panel)) << probe.Declaration;
                EXPECT_FALSE(keptAsWritten(probe.Declaration)) << probe.Declaration;
            }
        }
    }
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// ---------------------------------------------------------------------------
// The declaration that applies: the last one, the last "!important" before any other

struct WinnerCase {
    LineList Lines;
    Color FontColor;
    const char* MarginTop;
    bool Important; // the colour's winning declaration
};

TEST(DeclarationReaderWinner, TheLastImportantOrElseTheLastDeclarationApplies) {
    constexpr Color kBlue{0x00, 0x00, 0xFF};
    const std::vector<WinnerCase> cases = {
        {{"color: red;", "color: blue;", "margin-top: 1px;", "margin-top: 2px;"},
         kBlue,
         "2",
         false},
        {{"color: red;", "color: blue !important;", "margin-top: 1px;",
          "margin-top: 2px !important;"},
         kBlue,
         "2",
         true},
        {{"color: red !important;", "color: blue;", "margin-top: 1px !important;",
          "margin-top: 2px;"},
         kRed,
         "1",
         true},
        {{"color: red !important;", "color: blue !important;", "margin-top: 1px !important;",
          "margin-top: 2px !important;"},
         kBlue,
         "2",
         true},
        // Through a shorthand, either way round.
        {{"color: blue;", "margin: 1px;", "margin-top: 2px !important;"}, kBlue, "2", false},
        {{"color: blue;", "margin-top: 2px !important;", "margin: 1px;"}, kBlue, "2", false},
        {{"color: blue;", "margin: 1px !important;", "margin-top: 2px;"}, kBlue, "1", false},
    };
    for (const WinnerCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Lines));
        const ReadResult r = Read(c.Lines);
        EXPECT_TRUE(r.Panel.FontColorCheck);
        EXPECT_EQ(r.Panel.FontColor, c.FontColor);
        EXPECT_EQ(r.Panel.Origins[Slot::FontColor].Important, c.Important);
        EXPECT_EQ(r.Panel[L::MarginTop].Text, c.MarginTop);
    }
}

// ---------------------------------------------------------------------------
// Read, written, read again: the same lines and the same panel. A rule selected again
// (after an undo, in the editor's own layout) is then the text it was.

LineList LinesOfText(std::string_view text) {
    LineList lines;
    for (size_t at = 0;;) {
        const size_t end = text.find('\n', at);
        lines.emplace_back(text.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos)
            return lines;
        at = end + 1;
    }
}

void ExpectSettlesInOneRead(const LineList& lines) {
    const ReadResult first = Read(lines);
    const ReadResult second = Read(first.Lines);
    EXPECT_EQ(second.Lines, first.Lines) << ::testing::PrintToString(lines);
    EXPECT_TRUE(second.Panel == first.Panel) << ::testing::PrintToString(lines);
}

// Every block of generated rules, and every text on the way to it as it is typed: with
// strings, comments and parentheses not closed yet, and values not begun.
TEST(DeclarationReaderSettles, OnGeneratedRulesAndOnEveryTextTypedOnTheWay) {
    const std::string sheet = testing::GenerateRules(20240611, 150);
    size_t blocks = 0;
    for (size_t open = sheet.find('{'); open != std::string::npos; open = sheet.find('{', open)) {
        const size_t close = sheet.find('}', open);
        ASSERT_NE(close, std::string::npos);
        const std::string block = sheet.substr(open + 1, close - open - 1);
        for (size_t end = 1; end < block.size(); end += 3)
            ExpectSettlesInOneRead(LinesOfText(block.substr(0, end)));
        ExpectSettlesInOneRead(LinesOfText(block));
        ASSERT_FALSE(HasFailure()) << block;
        ++blocks;
        open = close;
    }
    EXPECT_EQ(blocks, 150u);
}

struct SettledCase {
    const char* Name;
    LineList Lines;
    LineList Read; // the text view after the first read
};

TEST(DeclarationReaderSettles, WhatRunsToTheEndOfTheTextStaysWhereItIs) {
    const std::vector<SettledCase> cases = {
        // A comment not closed takes in the rest: written first, it would take in the
        // panel's lines too.
        {"UnclosedCommentInAValue", {"r;color:RED/*"}, {kComment, "r;", "color:RED/*;"}},
        {"UnclosedCommentAfterAValue",
         {"color: red; /* note"},
         {kComment, "color:red;", "/* note;"}},
        {"UnclosedString", {"font-family: 'Arial"}, {kComment, "font-family:'Arial"}},
        {"UnclosedParenthesis",
         {"width: calc(1px + (2px); top: 1px"},
         {kComment, "width:calc(1px + (2px);top:1px;"}},
        // Nothing to write back: it would be gone.
        {"NoValue",
         {"background-repeat:; top: 1px"},
         {"; Top: 1px;", kComment, "background-repeat:;", ""}},
        // An escaped quote opens no string.
        {"EscapedQuote", {"a:\\'b; color: red"}, {"; color: RED;", kComment, "a:\\'b;", ""}},
        // A comment in front of the first declaration stays below the marker, not after the
        // panel's last line.
        {"CommentInFront", {"/* lead */ height: 0"}, {"; Height: 0;", kComment, "/* lead */;", ""}},
        {"CommentRightAfterASemicolon", {"x;/**/top"}, {kComment, "x;/**/", "top;", ""}},
    };
    for (const SettledCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Read(c.Lines).Lines, c.Read);
        ExpectSettlesInOneRead(c.Lines);
    }
}

// Typed text of every kind, the signs that open and close strings, comments and
// parentheses among them, put together at random.
TEST(DeclarationReaderSettles, OnTextsPutTogetherFromTheTrickyParts) {
    const std::vector<std::string> parts = {
        ";",      ":",          " ",      "/*",         "*/",         "\"",    "'",
        "\\",     "(",          ")",      "color",      "RED",        "r",     "!important",
        "margin", "0",          "5px",    "auto",       "url(a)",     "font",  "bold",
        "top",    "1em",        "border", "1px solid",  "background", "#fff",  "\n",
        "-",      "12px Arial", "center", "text-align", "2px 3px",    kComment};
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int n = 1 + static_cast<int>(random() % 12); n > 0; --n)
            text += parts[random() % parts.size()];
        ExpectSettlesInOneRead(LinesOfText(text));
        ASSERT_FALSE(HasFailure()) << "round " << round;
    }
}

TEST(NormalizeDeclarations, AStringNotClosedTakesNoSemicolonAndAnEscapedQuoteOpensNone) {
    EXPECT_EQ(NormalizeDeclarations({"content: 'a; b"}), "CONTENT:'A; B");
    EXPECT_EQ(NormalizeDeclarations({"a: \\'  b ;"}), "A:\\' B;");
    EXPECT_EQ(NormalizeDeclarations({"a: \\\"", "b: c"}), "A:\\\" B:C;");
}

} // namespace
} // namespace tesselo
