// Values the panel cannot hold exactly are left in the rule as they were written:
// selecting a rule must never change what the rule says.

#include "mapping/DeclarationReader.h"

#include "document/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

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

ReadResult ReadWith(PropertySet panel, const LineList& lines) {
    ReadResult result{std::move(panel), {}};
    TextView memo;
    memo.Lines = lines;
    ReadDeclarations(result.Panel, memo);
    result.Lines = memo.Lines;
    return result;
}

ReadResult Read(const LineList& lines) {
    return ReadWith(PropertySet(), lines);
}

// Reading the view that a read produced gives the same lines and the same panel.
void ExpectSettled(const ReadResult& first) {
    ReadResult again = ReadWith(first.Panel, first.Lines);
    EXPECT_EQ(again.Lines, first.Lines);
    EXPECT_TRUE(again.Panel == first.Panel);
}

// Only the unsupported part: the marker and the given lines.
LineList Kept(std::initializer_list<std::string> lines) {
    LineList out{kComment};
    out.insert(out.end(), lines.begin(), lines.end());
    return out;
}

// ---------------------------------------------------------------------------
// Lengths: only a number with a CSS unit is taken

struct TakenLengthCase {
    const char* Value;
    const char* Number;
    const char* Unit;
};

class LengthValueTaken : public ::testing::TestWithParam<TakenLengthCase> {};

TEST_P(LengthValueTaken, NumberAsWrittenAndUnitInLowerCase) {
    const auto& c = GetParam();
    ReadResult r = Read({std::string("margin-top: ") + c.Value});
    EXPECT_TRUE(r.Panel[L::MarginTop].Set);
    EXPECT_EQ(r.Panel[L::MarginTop].Text, c.Number);
    EXPECT_EQ(r.Panel[L::MarginTop].Unit, c.Unit);
    EXPECT_EQ(r.Lines, LineList{std::string("; Margin-top: ") + c.Number + c.Unit + ";"});
    ExpectSettled(r);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LengthValueTaken,
    ::testing::Values(TakenLengthCase{"12px", "12", "px"}, TakenLengthCase{"1Px", "1", "px"},
                      TakenLengthCase{"1in", "1", "in"}, TakenLengthCase{"2.5IN", "2.5", "in"},
                      TakenLengthCase{"3pt", "3", "pt"}, TakenLengthCase{"4pc", "4", "pc"},
                      TakenLengthCase{"5mm", "5", "mm"}, TakenLengthCase{"6cm", "6", "cm"},
                      TakenLengthCase{"7em", "7", "em"}, TakenLengthCase{"8ex", "8", "ex"},
                      TakenLengthCase{"9%", "9", "%"}, TakenLengthCase{"0", "0", ""},
                      TakenLengthCase{"-0", "-0", ""}, TakenLengthCase{"-1.5em", "-1.5", "em"},
                      TakenLengthCase{"10.", "10.", ""}, TakenLengthCase{".9", ".9", ""},
                      TakenLengthCase{"-.5EX", "-.5", "ex"}, TakenLengthCase{"007", "007", ""}));

struct RefusedLengthCase {
    const char* Value;
    const char* KeptLine;
};

class LengthValueRefused : public ::testing::TestWithParam<RefusedLengthCase> {};

TEST_P(LengthValueRefused, FieldKeepsItsResetStateAndTheDeclarationIsKept) {
    PropertySet panel;
    panel[L::MarginTop] = {"3", true, "em", 3};
    ReadResult r = ReadWith(panel, {std::string("margin-top: ") + GetParam().Value + ";"});
    EXPECT_FALSE(r.Panel[L::MarginTop].Set);
    EXPECT_EQ(r.Panel[L::MarginTop].Text, "");
    EXPECT_EQ(r.Panel[L::MarginTop].Unit, "em");
    EXPECT_EQ(r.Panel[L::MarginTop].Whole, 3);
    EXPECT_EQ(r.Lines, Kept({GetParam().KeptLine, ""}));
    ExpectSettled(r);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LengthValueRefused,
    ::testing::Values(
        RefusedLengthCase{"1ih", "margin-top:1ih;"}, RefusedLengthCase{"5 px", "margin-top:5 px;"},
        RefusedLengthCase{"1e3px", "margin-top:1e3px;"}, RefusedLengthCase{"-", "margin-top:-;"},
        RefusedLengthCase{".", "margin-top:.;"}, RefusedLengthCase{"", "margin-top:;"},
        RefusedLengthCase{"1.2.3px", "margin-top:1.2.3px;"},
        RefusedLengthCase{"1pxx", "margin-top:1pxx;"}, RefusedLengthCase{"px", "margin-top:px;"},
        RefusedLengthCase{"--1", "margin-top:--1;"}, RefusedLengthCase{"1 2", "margin-top:1 2;"},
        RefusedLengthCase{"fit-content", "margin-top:fit-content;"}));

TEST(LengthValues, WholeValueFollowsOnlyAWholeNumber) {
    PropertySet panel;
    panel[L::PaddingTop].Whole = 42;
    ReadResult fraction = ReadWith(panel, {"padding-top: 10."});
    EXPECT_EQ(fraction.Panel[L::PaddingTop].Whole, 42);
    ReadResult whole = ReadWith(panel, {"padding-top: -0"});
    EXPECT_EQ(whole.Panel[L::PaddingTop].Whole, 0);
    ReadResult inches = ReadWith(panel, {"padding-top: 2IN"});
    EXPECT_EQ(inches.Panel[L::PaddingTop].Whole, 2);
}

// ---------------------------------------------------------------------------
// Colours: only what the colour table can hold is taken

// ---------------------------------------------------------------------------
// Clip: four parts, each "auto" or a length

TEST(ClipValues, BlanksAtTheEndsOfThePartsAreAllowed) {
    for (const char* text : {"clip: rect(10px, auto, auto, 5px)", "clip: rect(10px,auto,auto,5px)",
                             "clip: rect( 10PX , auto ,AUTO, 5px )"}) {
        ReadResult r = Read({text});
        EXPECT_TRUE(r.Panel[L::ClipTop].Set) << text;
        EXPECT_EQ(r.Panel[L::ClipTop].Text, "10") << text;
        EXPECT_EQ(r.Panel[L::ClipTop].Unit, "px") << text;
        EXPECT_FALSE(r.Panel[L::ClipRight].Set) << text;
        EXPECT_FALSE(r.Panel[L::ClipBottom].Set) << text;
        EXPECT_EQ(r.Panel[L::ClipLeft].Text, "5") << text;
        EXPECT_EQ(r.Lines, LineList{"; clip: rect(10px, auto, auto, 5px);"}) << text;
        ExpectSettled(r);
    }
}

TEST(ClipValues, PartsAreLengthsAsWritten) {
    ReadResult r = Read({"clip: rect(1.5em, 10., .9IN, -2)"});
    EXPECT_EQ(r.Panel[L::ClipTop].Text, "1.5");
    EXPECT_EQ(r.Panel[L::ClipTop].Unit, "em");
    EXPECT_EQ(r.Panel[L::ClipRight].Text, "10.");
    EXPECT_EQ(r.Panel[L::ClipRight].Unit, "");
    EXPECT_EQ(r.Panel[L::ClipBottom].Text, ".9");
    EXPECT_EQ(r.Panel[L::ClipBottom].Unit, "in");
    EXPECT_EQ(r.Panel[L::ClipLeft].Text, "-2");
    EXPECT_EQ(r.Panel[L::ClipLeft].Unit, "");
    // "10." is no CSS number: the panel writes it as 10, so the rule keeps its text.
    EXPECT_EQ(r.Lines, LineList{"; clip: rect(1.5em, 10., .9IN, -2);"});
    ExpectSettled(r);
}

TEST(ClipValues, UnclosedRectIsKeptWithTheRestOnOneLine) {
    ReadResult r = Read({"clip: rect(10px, auto, auto, 5px;", "cursor: wait;"});
    EXPECT_FALSE(r.Panel[L::ClipTop].Set);
    EXPECT_EQ(r.Lines, Kept({"clip:rect(10px, auto, auto, 5px;cursor:wait;"}));
    ExpectSettled(r);
}

TEST(ClipValues, AllFourAutoIsTakenAndSetsNoEdge) {
    ReadResult r = Read({"clip: rect(auto, auto, auto, auto)"});
    for (Length edge : {L::ClipTop, L::ClipRight, L::ClipBottom, L::ClipLeft})
        EXPECT_FALSE(r.Panel[edge].Set);
    EXPECT_EQ(r.Lines, LineList{});
}

// ---------------------------------------------------------------------------
// What is kept keeps its case

TEST(OriginalCase, UnsupportedDeclarationsKeepTheirCase) {
    ReadResult r = Read(
        {"Cursor: Pointer; Color: Red; Filter: Alpha(Opacity=50);", "Margin-Top: 1PX; Z-Index: 3"});
    EXPECT_EQ(r.Lines, (LineList{"; Margin-top: 1px;", "; color: RED;", kComment, "Cursor:Pointer;",
                                 "Filter:Alpha(Opacity=50);", "Z-Index:3;", ""}));
    ExpectSettled(r);
}

TEST(OriginalCase, CyrillicAndMixedCaseBytesAreKeptExactly) {
    const std::string line = Utf8ToCp1251("Content:\"Привет, Мир\";");
    ReadResult r = Read({line, "color: Red;"});
    EXPECT_EQ(r.Lines, (LineList{"; color: RED;", kComment, line, ""}));
    ExpectSettled(r);
}

TEST(OriginalCase, MarkerInAnyCaseAndLeadingSemicolonsGoFromBothTexts) {
    ReadResult r = Read({";;", "/* properties without support of this version tesselo */",
                         "Cursor: Wait;", "Text-Align: Left;", kComment, "Zoom: Normal"});
    EXPECT_TRUE(r.Panel.IsDown(K::TextAlignLeft));
    EXPECT_EQ(r.Lines,
              (LineList{"; Text-align: left;", kComment, "Cursor:Wait;", "Zoom:Normal;", ""}));
    ExpectSettled(r);
}

// ---------------------------------------------------------------------------
// The picture path

TEST(PictureValues, PathKeepsItsCaseAndIsWrittenAsHeld) {
    ReadResult r = Read({"background-image: url(Img/A.png)"});
    EXPECT_TRUE(r.Panel.BackGroundAttCheck);
    EXPECT_EQ(r.Panel.BackGroundAttPath, "Img/A.png");
    EXPECT_EQ(r.Panel.BackGroundAttCaption, "Img/A.png");
    EXPECT_EQ(r.Lines, LineList{"; BackGround-Image: url(Img/A.png);"});
    ExpectSettled(r);

    ReadResult windows = Read({"background-image: url(C:\\Img\\Back.GIF);"});
    EXPECT_EQ(windows.Panel.BackGroundAttPath, "C:\\Img\\Back.GIF");
    EXPECT_EQ(windows.Panel.BackGroundAttCaption, "Back.GIF");
    EXPECT_EQ(windows.Lines, LineList{"; BackGround-Image: url(C:\\Img\\Back.GIF);"});
    ExpectSettled(windows);
}

TEST(PictureValues, QuotedPathKeepsItsQuotes) {
    ReadResult r = Read({"background-image: url(\"Img/A.png\")"});
    EXPECT_EQ(r.Panel.BackGroundAttPath, "\"Img/A.png\"");
    EXPECT_EQ(r.Lines, LineList{"; BackGround-Image: url(\"Img/A.png\");"});
    ExpectSettled(r);
}

TEST(PictureValues, EmptyUrlIsAnEmptyPath) {
    ReadResult r = Read({"background-image: url()"});
    EXPECT_TRUE(r.Panel.BackGroundAttCheck);
    EXPECT_EQ(r.Panel.BackGroundAttPath, "");
    EXPECT_EQ(r.Lines, LineList{"; BackGround-Image: url();"});
    ExpectSettled(r);
}

TEST(PictureValues, UnclosedUrlIsKeptWithTheRestOnOneLine) {
    ReadResult r = Read({"background-image: url(a.png;", "background-position: left top;"});
    EXPECT_FALSE(r.Panel.BackGroundAttCheck);
    EXPECT_FALSE(r.Panel.IsDown(K::BGrPosLT));
    EXPECT_EQ(r.Lines, Kept({"background-image:url(a.png;background-position:left top;"}));
    ExpectSettled(r);
}

// ---------------------------------------------------------------------------
// Inches

TEST(InchUnit, InIsReadAndWrittenIhIsKept) {
    ReadResult in = Read({"text-indent: 1in; width: .5IN"});
    EXPECT_EQ(in.Panel[L::TextIndent].Unit, "in");
    EXPECT_EQ(in.Panel[L::BlockWidth].Unit, "in");
    EXPECT_EQ(in.Lines, (LineList{"; Text-indent: 1in;", "; Width: .5in;"}));
    ExpectSettled(in);

    ReadResult ih = Read({"text-indent: 1ih; width: .5IH"});
    EXPECT_FALSE(ih.Panel[L::TextIndent].Set);
    EXPECT_FALSE(ih.Panel[L::BlockWidth].Set);
    EXPECT_EQ(ih.Lines, Kept({"text-indent:1ih;", "width:.5IH;", ""}));
    ExpectSettled(ih);
}

// ---------------------------------------------------------------------------
// Unsupported lines end only at a ";" outside strings, comments and parentheses

TEST(UnsupportedLines, DataUrlStringStaysOnOneLine) {
    ReadResult r =
        Read({"background: url(\"data:image/gif;base64,R0lGODlh\") no-repeat;", "cursor: pointer"});
    EXPECT_EQ(r.Lines, (LineList{"; BackGround: url(\"data:image/gif;base64,R0lGODlh\") no-repeat;",
                                 kComment, "cursor:pointer;", ""}));
    ExpectSettled(r);
}

TEST(UnsupportedLines, CommentsAndParenthesesHoldTheirSemicolons) {
    ReadResult r = Read({"/* a; b */ zoom: 1;", "filter: progid(a=1; b=2);", "quotes: ';' ')';"});
    EXPECT_EQ(r.Lines,
              Kept({"/* a;b */ zoom:1;", "filter:progid(a=1;b=2);", "quotes:';' ')';", ""}));
    ExpectSettled(r);
}

struct SplitCase {
    const char* Name;
    const char* Rest;
    LineList Lines;
};

class SplitUnsupportedCase : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitUnsupportedCase, SplitsWhereADeclarationEnds) {
    EXPECT_EQ(SplitUnsupported(GetParam().Rest), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rests, SplitUnsupportedCase,
    ::testing::Values(
        SplitCase{"Plain", "a:b;c:d;", {"a:b;", "c:d;", ""}},
        SplitCase{"NoFinalSemicolon", "a:b;c:d", {"a:b;", "c:d"}},
        SplitCase{"LoneSemicolon", ";", {";", ""}},
        SplitCase{"DoubleQuotedString",
                  "background:url(\"data:image/gif;base64,R0lG\") no-repeat;x:y;",
                  {"background:url(\"data:image/gif;base64,R0lG\") no-repeat;", "x:y;", ""}},
        SplitCase{"SingleQuotedString", "content:'a;b';x:y;", {"content:'a;b';", "x:y;", ""}},
        SplitCase{
            "OtherQuoteInsideString", "content:\"it's;\";x:y;", {"content:\"it's;\";", "x:y;", ""}},
        SplitCase{"Comment", "/* a;b */x:y;z:w;", {"/* a;b */x:y;", "z:w;", ""}},
        SplitCase{"QuotesAndParenthesesInComment",
                  "/* it's (;*/x:y;z:w;",
                  {"/* it's (;*/x:y;", "z:w;", ""}},
        SplitCase{"CommentNotClosedByItsOwnStar", "/*/;x*/a:b;", {"/*/;x*/a:b;", ""}},
        SplitCase{"CommentInsideString", "content:\"/*\";x:y;", {"content:\"/*\";", "x:y;", ""}},
        SplitCase{"Parentheses",
                  "filter:progid(a=1;b=2);zoom:1;",
                  {"filter:progid(a=1;b=2);", "zoom:1;", ""}},
        SplitCase{"NestedParentheses", "a:f(g(;);h;);b:c;", {"a:f(g(;);h;);", "b:c;", ""}},
        SplitCase{"ParenthesisInsideString", "content:\"(\";x:y;", {"content:\"(\";", "x:y;", ""}},
        SplitCase{"StringInsideParentheses", "a:url('x;y');b:c;", {"a:url('x;y');", "b:c;", ""}},
        SplitCase{
            "ClosingParenthesisAtDepthZero", "a:b));(c;)d;e;", {"a:b));", "(c;)d;", "e;", ""}},
        SplitCase{"EscapedSemicolon", "a:b\\;c;d:e;", {"a:b\\;c;", "d:e;", ""}},
        SplitCase{"EscapedQuoteInsideString",
                  "content:\"a\\\"b;c\";x:y;",
                  {"content:\"a\\\"b;c\";", "x:y;", ""}},
        SplitCase{"EscapedQuoteOutsideString", "a:\\\";b:c;", {"a:\\\";", "b:c;", ""}},
        SplitCase{"EscapedBackslashInsideString",
                  "content:\"a\\\\\";x:y;",
                  {"content:\"a\\\\\";", "x:y;", ""}},
        SplitCase{"EscapedParenthesis", "a:\\(;b:c;", {"a:\\(;", "b:c;", ""}},
        SplitCase{"BackslashAtTheEnd", "a:b\\", {"a:b\\"}},
        SplitCase{"UnclosedQuote", "a:b;content:\"x;y:z;", {"a:b;", "content:\"x;y:z;"}},
        SplitCase{"UnclosedComment", "a:b;/* x;y:z;", {"a:b;", "/* x;y:z;"}},
        SplitCase{"UnclosedParenthesis", "a:b;f:g(x;y:z;", {"a:b;", "f:g(x;y:z;"}}),
    [](const ::testing::TestParamInfo<SplitCase>& row) { return std::string(row.param.Name); });

// ---------------------------------------------------------------------------
// A value at the very end of the working text

TEST(ValuesAtTheEnd, ColourOfALineWithoutSemicolonIsReadWhole) {
    ReadResult r = Read({"color: red", "font-size: 12px"});
    EXPECT_TRUE(r.Panel.FontColorCheck);
    EXPECT_EQ(r.Panel.FontColor, kRed);
    EXPECT_EQ(r.Panel.FontSize.Text, "12");
    EXPECT_EQ(r.Panel.FontSizeUnit, "px");
    EXPECT_EQ(r.Lines, (LineList{"; Font-size: 12px;", "; color: RED;"}));
    ExpectSettled(r);
}

TEST(ValuesAtTheEnd, LengthsAreReadWhole) {
    ReadResult margin = Read({"margin-top: 10px", "font-size: 12px"});
    EXPECT_EQ(margin.Panel[L::MarginTop].Text, "10");
    EXPECT_EQ(margin.Panel[L::MarginTop].Unit, "px");
    EXPECT_EQ(margin.Panel[L::MarginTop].Whole, 10);
    ExpectSettled(margin);

    ReadResult width = Read({"width: 10", "height: 20"});
    EXPECT_EQ(width.Panel[L::BlockWidth].Text, "10");
    EXPECT_EQ(width.Panel[L::BlockHeight].Text, "20");
    EXPECT_EQ(width.Lines, LineList{"; Height: 20; Width: 10;"});
    ExpectSettled(width);

    ReadResult top = Read({"top: 5px", "margin-left: 0"});
    EXPECT_EQ(top.Panel[L::BlockTop].Text, "5");
    EXPECT_EQ(top.Panel[L::BlockTop].Unit, "px");
    EXPECT_EQ(top.Panel[L::MarginLeft].Text, "0");
    ExpectSettled(top);
}

TEST(ValuesAtTheEnd, WeightIsReadWhole) {
    ReadResult r = Read({"font-weight: bold", "font-family: serif"});
    EXPECT_EQ(r.Panel.FontWeight.Text, "bold");
    EXPECT_TRUE(r.Panel.FontBold);
    EXPECT_EQ(r.Panel.FontType.Text, "serif");
    EXPECT_EQ(r.Lines, (LineList{"; Font-Family: serif;", "; Font-weight: bold;"}));
    ExpectSettled(r);
}

TEST(ValuesAtTheEnd, BackgroundClipAndPictureAreReadWhole) {
    ReadResult transparent = Read({"background-color: transparent", "margin-top: 1px"});
    EXPECT_TRUE(transparent.Panel.BackGroundTransparent);
    ExpectSettled(transparent);

    ReadResult clip = Read({"clip: rect(1px, auto, auto, 2px)", "margin-top: 0"});
    EXPECT_EQ(clip.Panel[L::ClipTop].Text, "1");
    EXPECT_EQ(clip.Panel[L::ClipLeft].Text, "2");
    EXPECT_EQ(clip.Panel[L::ClipLeft].Unit, "px");
    ExpectSettled(clip);

    ReadResult picture = Read({"background-image: url(Img/A.gif)", "margin-top: 0"});
    EXPECT_EQ(picture.Panel.BackGroundAttPath, "Img/A.gif");
    ExpectSettled(picture);
}

// ---------------------------------------------------------------------------
// The value tests on their own

struct ParsedLengthCase {
    const char* Text;
    const char* Number;
    const char* Unit;
};

class ParseLengthTaken : public ::testing::TestWithParam<ParsedLengthCase> {};

TEST_P(ParseLengthTaken, GivesNumberAsWrittenAndUnitInLowerCase) {
    auto parts = ParseLength(GetParam().Text);
    ASSERT_TRUE(parts.has_value()) << GetParam().Text;
    EXPECT_EQ(parts->Number, GetParam().Number);
    EXPECT_EQ(parts->Unit, GetParam().Unit);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ParseLengthTaken,
    ::testing::Values(ParsedLengthCase{"12PX", "12", "px"},
                      ParsedLengthCase{"-1.5EM", "-1.5", "em"}, ParsedLengthCase{"10.", "10.", ""},
                      ParsedLengthCase{".9", ".9", ""}, ParsedLengthCase{"-.5", "-.5", ""},
                      ParsedLengthCase{"1IN", "1", "in"}, ParsedLengthCase{"50%", "50", "%"},
                      ParsedLengthCase{"0", "0", ""}, ParsedLengthCase{"3PT", "3", "pt"},
                      ParsedLengthCase{"2PC", "2", "pc"}, ParsedLengthCase{"4MM", "4", "mm"},
                      ParsedLengthCase{"5CM", "5", "cm"}, ParsedLengthCase{"6EX", "6", "ex"},
                      ParsedLengthCase{"007", "007", ""},
                      ParsedLengthCase{"-10.PX", "-10.", "px"}));

TEST(ParseLength, RefusesEverythingElse) {
    for (const char* text :
         {"",     "-",    ".",  "-.",     "AUTO", "1IH", "1REM",   "1 PX",
          " 1PX", "1PX ", "+1", "1.2.3",  "--1",  "1E3", "1PXX",   "PX",
          "1P",   "1,5",  "1-", "1.5.PX", "%",    "1%%", "NORMAL", "1PX!IMPORTANT"})
        EXPECT_FALSE(ParseLength(text).has_value()) << "\"" << text << "\"";
}

TEST(IsColorValue, TakesNamesAndHexForms) {
    for (const char* text : {"RED", "TEAL", "FUCHSIA", "#F00", "#FF0000", "FF0000", "#ABCDEF",
                             "ABC123", "123456", "#000"})
        EXPECT_TRUE(IsColorValue(text)) << text;
}

TEST(IsColorValue, RefusesEverythingElse) {
    for (const char* text : {"ORANGE",  "TRANSPARENT",     "INHERIT", "",         "#",
                             "#FF",     "#FF00",           "#FF000",  "#FF00000", "#GGG",
                             "GGGGGG",  "RGB(255,0,0)",    "FF000",   "FF00000",  "RED ",
                             " RED",    "#F00 !IMPORTANT", "red",     "ff0000",   "#ff0000",
                             "#12345G", "##12345"})
        EXPECT_FALSE(IsColorValue(text)) << "\"" << text << "\"";
}

TEST(NumberChars, KeepsMinusPointAndDigitsInOrder) {
    EXPECT_EQ(NumberChars("-1.5EM"), "-1.5");
    EXPECT_EQ(NumberChars("1PX 2PX"), "12");
    EXPECT_EQ(NumberChars("AUTO"), "");
    EXPECT_EQ(NumberChars(""), "");
    EXPECT_EQ(NumberChars("1-2.3.4"), "1-2.3.4");
    EXPECT_EQ(NumberChars("+7,5"), "75");
}

TEST(UnitChars, KeepsUnitLettersInLowerCaseWithoutLimit) {
    EXPECT_EQ(UnitChars("12PX"), "px");
    EXPECT_EQ(UnitChars("50%"), "%");
    EXPECT_EQ(UnitChars("1IH"), "ih");
    EXPECT_EQ(UnitChars("1IN"), "i");
    EXPECT_EQ(UnitChars("AUTO"), "t");
    EXPECT_EQ(UnitChars("PXPTEM"), "pxptem");
    EXPECT_EQ(UnitChars("%CEHIMPTX"), "%cehimptx");
    EXPECT_EQ(UnitChars("ABDFGJKLNOQRSUVWYZ0123456789-."), "");
    EXPECT_EQ(UnitChars(""), "");
}

} // namespace
} // namespace tesselo
