// Today's CSS through the panel: every value kind is read into its control, the
// declaration that wins is the one shown, what is not changed is written back as it
// was read, and a change is the declaration that applies.

#include "mapping/DeclarationReader.h"
#include "mapping/DeclarationWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tesselo {
namespace {

using K = Keyword;
using L = Length;

const std::string kComment = "/* Properties without support of this version Tesselo */";

LineList ReadLines(PropertySet& panel, const std::string& text) {
    TextView memo;
    memo.Lines = {text};
    ReadDeclarations(panel, memo);
    return memo.Lines;
}

LineList Rewrite(PropertySet& panel, LineList lines) {
    TextView memo;
    memo.Lines = std::move(lines);
    WriteDeclarations(panel, memo);
    return memo.Lines;
}

struct ReadCase {
    const char* Name;
    const char* Text;
    LineList Lines; // after reading
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.Text;
}

// Reading gives these lines; reading them again gives the same lines and panel; and
// writing with nothing changed gives them too.
class ReadTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTable, TakenAsShownSettledAndWrittenBackUnchanged) {
    PropertySet panel;
    LineList lines = ReadLines(panel, GetParam().Text);
    EXPECT_EQ(lines, GetParam().Lines);
    PropertySet again;
    TextView memo;
    memo.Lines = lines;
    ReadDeclarations(again, memo);
    EXPECT_EQ(memo.Lines, lines);
    EXPECT_TRUE(again == panel);
    LineList written = lines;
    std::erase(written, std::string()); // the writer drops empty lines
    EXPECT_EQ(Rewrite(panel, lines), written);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ReadTable,
    ::testing::Values(
        ReadCase{"Rem",
                 "font-size: 1rem; margin-top: 1.5REM",
                 {"; Font-size: 1rem;", "; Margin-top: 1.5rem;"}},
        ReadCase{"Viewport",
                 "width: 100vw; height: 50vh; top: 1vmin; left: 2vmax",
                 {"; Top: 1vmin; Left: 2vmax;", "; Height: 50vh; Width: 100vw;"}},
        ReadCase{"OtherUnits",
                 "text-indent: 2ch; word-spacing: 1Q; letter-spacing: .1em; padding-left: 1dvh",
                 {"; Text-indent: 2ch;", "; Word-spacing: 1q; Letter-spacing: .1em;",
                  "; Padding-left: 1dvh;"}},
        ReadCase{"PlainNumberLineHeight", "line-height: 1.5", {"; Line-height: 1.5;"}},
        ReadCase{"Inch", "margin-left: 1in", {"; Margin-left: 1in;"}}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Keywords, ReadTable,
    ::testing::Values(
        ReadCase{
            "Auto", "margin-left: auto; width: auto", {"; Margin-left: auto;", "; Width: auto;"}},
        ReadCase{"Normal",
                 "line-height: normal; letter-spacing: normal",
                 {"; Line-height: normal;", "; Letter-spacing: normal;"}},
        ReadCase{
            "CssWide",
            "color: inherit; display: initial; float: unset; height: revert",
            {"; color: inherit;", "; Display: initial;", "; Float: unset;", "; Height: revert;"}},
        ReadCase{"ModernButtons",
                 "display: inline-flex; position: sticky",
                 {"; Display: inline-flex;", "; Position: sticky;"}},
        ReadCase{"NoButton",
                 "text-align: start; vertical-align: -.125em; float: none",
                 {"; Text-align: start; Vertical-align: -.125em;", "; Float: none;"}},
        ReadCase{"SeveralWords",
                 "text-decoration: underline dotted; overflow: hidden auto",
                 {"; Text-decoration: underline dotted;", "; Overflow: hidden auto;"}},
        ReadCase{"VendorValue", "display: -webkit-box", {"; Display: -webkit-box;"}},
        ReadCase{"Oblique", "font-style: oblique", {"; Font-style: oblique;"}}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Functions, ReadTable,
    ::testing::Values(
        ReadCase{"Calc", "width: calc(100% - 2rem)", {"; Width: calc(100% - 2rem);"}},
        ReadCase{"Var",
                 "padding-top: var(--Gap); font-size: var(--Size, 1rem)",
                 {"; Font-size: var(--Size, 1rem);", "; Padding-top: var(--Gap);"}},
        ReadCase{"MinMaxClamp",
                 "height: min(10px, 5vh); top: max(1px, 2%); font-size: clamp(1rem, 2vw, 3rem)",
                 {"; Font-size: clamp(1rem, 2vw, 3rem);", "; Top: max(1px, 2%);",
                  "; Height: min(10px, 5vh);"}},
        ReadCase{"Env",
                 "padding-bottom: env(safe-area-inset-bottom)",
                 {"; Padding-bottom: env(safe-area-inset-bottom);"}},
        ReadCase{
            "FamilyFromAVariable", "font-family: var(--Font)", {"; Font-Family: var(--Font);"}}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Colours, ReadTable,
    ::testing::Values(
        ReadCase{"Rgba", "color: rgba(0, 0, 0, .5)", {"; color: rgba(0, 0, 0, .5);"}},
        ReadCase{"RgbBlanks", "color: rgb(0 0 0 / 50%)", {"; color: rgb(0 0 0 / 50%);"}},
        ReadCase{"Hsl",
                 "background-color: hsl(120, 100%, 25%)",
                 {"; BackGround-color: hsl(120, 100%, 25%);"}},
        ReadCase{"ShortHexKept", "color: #FFF", {"; color: #FFF;"}},
        ReadCase{"HexWithAlpha",
                 "border-color: #0008; color: #11223344",
                 {"; color: #11223344; Border-color: #0008;"}},
        ReadCase{"ExtendedName", "color: rebeccapurple", {"; color: rebeccapurple;"}},
        ReadCase{"TableNameInUpperCase", "color: red", {"; color: RED;"}},
        ReadCase{"CurrentColor", "border-color: currentColor", {"; Border-color: currentColor;"}},
        ReadCase{"TransparentText", "color: transparent", {"; color: transparent;"}},
        ReadCase{"ColourVariable", "color: var(--Brand)", {"; color: var(--Brand);"}}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Importance, ReadTable,
    ::testing::Values(ReadCase{"Important",
                               "margin-top: 10px !important; text-align: left!important",
                               {"; Text-align: left !important;",
                                "; Margin-top: 10px !important;"}},
                      ReadCase{"ImportantWinsOverALaterOne",
                               "color: red !important; color: blue",
                               {"; color: RED !important; color: blue;"}}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Shorthands, ReadTable,
    ::testing::Values(
        ReadCase{"MarginTwoValues", "margin: 0 auto", {"; Margin: 0 auto;"}},
        ReadCase{"PaddingFour", "padding: 1px 2px 3px 4px", {"; Padding: 1px 2px 3px 4px;"}},
        ReadCase{
            "ShorthandThenSide", "margin: 0; margin-top: 5px", {"; Margin: 0; Margin-top: 5px;"}},
        ReadCase{"SideThenShorthand",
                 "padding-left: 1px; padding: 2px",
                 {"; Padding-left: 1px; Padding: 2px;"}},
        ReadCase{"VariableShorthand",
                 "margin: var(--M); margin-top: 1px",
                 {"; Margin: var(--M); Margin-top: 1px;"}},
        ReadCase{"BorderWithVariables",
                 "border: var(--w) solid var(--c)",
                 {"; Border: var(--w) solid var(--c);"}},
        ReadCase{
            "BorderOfOneVariableIsKept", "border: var(--b)", {kComment, "border:var(--b);", ""}},
        ReadCase{"InheritAmongOtherPartsIsKept",
                 "border-top: medium none inherit; background: inherit red",
                 {kComment, "border-top:medium none inherit;", "background:inherit red;", ""}},
        ReadCase{"Border", "border: 1px solid #dee2e6", {"; Border: 1px solid #dee2e6;"}},
        ReadCase{"BorderThenColour",
                 "border: 0; border-color: red",
                 {"; Border: 0; Border-color: red;"}},
        ReadCase{"BorderSideAfterTheBorder",
                 "border: 1px solid; border-bottom: 0",
                 {"; Border: 1px solid;", "; Border-bottom: 0;"}},
        ReadCase{"BorderSideInFrontOfTheBorderIsKept",
                 "border-top-color: red; border-color: blue",
                 {kComment, "border-top-color:red;", "border-color:blue;", ""}},
        ReadCase{"BorderSideLonghands",
                 "border-width: 1px; border-left-width: 2px; border-left-style: dashed",
                 {"; Border-width: 1px;", "; Border-left-width: 2px; Border-left-style: dashed;"}},
        ReadCase{"Font",
                 "font: italic bold 13px/1.4 Consolas, \"Courier New\", monospace",
                 {"; Font: italic bold 13px/1.4 Consolas, \"Courier New\", monospace;"}},
        ReadCase{"FontInherited", "font: inherit", {"; Font: inherit;"}},
        ReadCase{"FontThenItsWeight",
                 "font: 1rem / 2 serif; font-weight: 600",
                 {"; Font: 1rem / 2 serif; Font-weight: 600;"}},
        ReadCase{"SystemFontIsKept", "font: menu", {kComment, "font:menu;", ""}},
        ReadCase{"MarginInherited", "margin: inherit", {"; Margin: inherit;"}},
        ReadCase{"BorderSideInherited", "border-top: inherit", {"; Border-top: inherit;"}},
        ReadCase{"TextDecorationBesideSkipInk",
                 "text-decoration: underline dotted; text-decoration-skip-ink: none",
                 {"; Text-decoration: underline dotted;", kComment,
                  "text-decoration-skip-ink:none;", ""}},
        ReadCase{"TextDecorationBesideItsLonghand",
                 "text-decoration: underline; text-decoration-color: red",
                 {kComment, "text-decoration:underline;", "text-decoration-color:red;", ""}},
        ReadCase{"LogicalBorderSideKeepsTheBorder",
                 "border: 1px solid; border-inline-start: 0",
                 {kComment, "border:1px solid;", "border-inline-start:0;", ""}},
        ReadCase{"Background",
                 "background: #fff url(img/a.png) no-repeat center top",
                 {"; BackGround: #fff url(img/a.png) no-repeat center top;"}},
        ReadCase{"BackgroundResetsAKeptSize",
                 "background-size: cover; background: url(x.png)",
                 {kComment, "background-size:cover;", "background:url(x.png);", ""}},
        ReadCase{"BackgroundLayersAreKept",
                 "background: url(a.png), url(b.png)",
                 {kComment, "background:url(a.png), url(b.png);", ""}},
        ReadCase{"LogicalPropertyKeepsItsSides",
                 "margin: 0; margin-inline: auto",
                 {kComment, "margin:0;", "margin-inline:auto;", ""}},
        ReadCase{"LogicalPropertyLeavesOtherSides",
                 "margin-inline: auto; margin-top: 2px",
                 {"; Margin-top: 2px;", kComment, "margin-inline:auto;", ""}}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Fallbacks, ReadTable,
    ::testing::Values(ReadCase{"SameProperty",
                               "width: 100%; width: -webkit-fill-available",
                               {"; Width: 100%; Width: -webkit-fill-available;"}},
                      ReadCase{"ColourFallback",
                               "color: #fff; color: rgba(255, 255, 255, .8)",
                               {"; color: #fff; color: rgba(255, 255, 255, .8);"}}),
    [](const auto& row) { return std::string(row.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Opaque, ReadTable,
    ::testing::Values(ReadCase{"LongerName",
                               "-moz-border-radius-topleft: 3px",
                               {kComment, "-moz-border-radius-topleft:3px;", ""}},
                      ReadCase{"Hack", "*display: inline", {kComment, "*display:inline;", ""}},
                      ReadCase{"String",
                               "content: \"; margin-top:5px\"",
                               {kComment, "content:\"; margin-top:5px\";", ""}},
                      ReadCase{"Url",
                               "background-image: url(\"x;color:red;y.png\")",
                               {"; BackGround-Image: url(\"x;color:red;y.png\");"}},
                      ReadCase{"Comment",
                               "/* color: red; */ cursor: wait",
                               {kComment, "/* color:red;*/ cursor:wait;", ""}},
                      ReadCase{"DataUrl",
                               "background-image: url(data:image/png;base64,iVBO=)",
                               {"; BackGround-Image: url(data:image/png;base64,iVBO=);"}}),
    [](const auto& row) { return std::string(row.param.Name); });

// An author's comment stays with the declaration it follows, or stands in.
INSTANTIATE_TEST_SUITE_P(
    Comments, ReadTable,
    ::testing::Values(
        ReadCase{"AfterTheSemicolon",
                 "line-height: 1.15; /* 1 */ -webkit-text-size-adjust: 100%; /* 2 */",
                 {"; Line-height: 1.15; /* 1 */", kComment, "-webkit-text-size-adjust:100%;/* 2 */",
                  ""}},
        ReadCase{"InsideTheValue",
                 "color: #5f3f3f/*{fcError}*/; font-weight: normal /*{fw}*/",
                 {"; Font-weight: normal /*{fw}*/;", "; color: #5f3f3f/*{fcError}*/;"}},
        ReadCase{"InsideAShorthand",
                 "border: 1px solid #c5c5c5/*{border}*/",
                 {"; Border: 1px solid #c5c5c5/*{border}*/;"}},
        ReadCase{
            "CommentMarkersInAString", "font-family: \"/*x*/\"", {"; Font-Family: \"/*x*/\";"}},
        ReadCase{"OnlyCommentsInTheValue", "color: /*{fc}*/", {kComment, "color:/*{fc}*/;", ""}}),
    [](const auto& row) { return std::string(row.param.Name); });

// ---------------------------------------------------------------------------
// A change in the panel is the declaration that applies

struct ChangeCase {
    const char* Name;
    const char* Text;
    std::function<void(PropertySet&)> Change;
    LineList Lines; // after the change
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.Name;
}

class ChangeTable : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangeTable, WritesTheChangeInTheFormReadAndNothingThatOverridesIt) {
    PropertySet panel;
    LineList lines = ReadLines(panel, GetParam().Text);
    GetParam().Change(panel);
    EXPECT_EQ(Rewrite(panel, lines), GetParam().Lines);
}

void SetLengthTo(PropertySet& p, Length field, const char* text, const char* unit) {
    p[field].Text = text;
    p[field].Unit = unit;
    p[field].Set = true;
}

INSTANTIATE_TEST_SUITE_P(
    Panel, ChangeTable,
    ::testing::Values(ChangeCase{"FallbacksGoWithTheChange",
                                 "font-size: 14px; font-size: 1rem",
                                 [](PropertySet& p) {
                                     p.FontSize.Text = "20";
                                     p.FontSizeUnit = "px";
                                 },
                                 {"; Font-size: 20px;"}},
                      ChangeCase{"ImportantStays",
                                 "margin-top: 1rem !important",
                                 [](PropertySet& p) { SetLengthTo(p, L::MarginTop, "2", "rem"); },
                                 {"; Margin-top: 2rem !important;"}},
                      ChangeCase{"ShorthandPartChanged",
                                 "margin: 0 auto",
                                 [](PropertySet& p) { SetLengthTo(p, L::MarginTop, "5", "px"); },
                                 {"; Margin: 5px auto 0;"}},
                      ChangeCase{"VariableShorthandStaysAndTheChangeFollows",
                                 "padding: var(--y) var(--x)",
                                 [](PropertySet& p) { SetLengthTo(p, L::PaddingTop, "5", "px"); },
                                 {"; Padding: var(--y) var(--x); Padding-top: 5px;"}},
                      ChangeCase{"VariableBorderStaysAndTheChangeFollows",
                                 "border: var(--w) solid var(--c)",
                                 [](PropertySet& p) { p.PressDown(K::BorderDashed); },
                                 {"; Border: var(--w) solid var(--c); Border-style: dashed;"}},
                      ChangeCase{"FontPartChangedAfterTheFont",
                                 "font: 13px/1.4 serif",
                                 [](PropertySet& p) {
                                     p.FontSize.Text = "20";
                                     p.FontSizeUnit = "px";
                                 },
                                 {"; Font: 13px/1.4 serif; Font-size: 20px;"}},
                      ChangeCase{"FontPartClearedGivesTheOthers",
                                 "font: bold 13px/1.4 serif",
                                 [](PropertySet& p) { p[L::LineHeight].Set = false; },
                                 {"; Font-weight: bold; Font-size: 13px; Font-Family: serif;"}},
                      ChangeCase{"InheritedShorthandStaysAndTheChangeFollows",
                                 "margin: inherit",
                                 [](PropertySet& p) { SetLengthTo(p, L::MarginTop, "5", "px"); },
                                 {"; Margin: inherit; Margin-top: 5px;"}},
                      ChangeCase{"SideAfterTheShorthandChanged",
                                 "margin: 0; margin-top: 5px",
                                 [](PropertySet& p) { SetLengthTo(p, L::MarginTop, "7", "px"); },
                                 {"; Margin: 0; Margin-top: 7px;"}},
                      ChangeCase{"ShorthandPartCleared",
                                 "padding: 1px 2px",
                                 [](PropertySet& p) { p[L::PaddingTop].Set = false; },
                                 {"; Padding-right: 2px; Padding-bottom: 1px; Padding-left: 2px;"}},
                      ChangeCase{"BorderPartChanged",
                                 "border: 1px solid #dee2e6",
                                 [](PropertySet& p) { p.PressDown(K::BorderDashed); },
                                 {"; Border: 1px dashed #dee2e6;"}},
                      ChangeCase{"BorderPartAdded",
                                 "border: 1px solid",
                                 [](PropertySet& p) {
                                     p.BorderColorCheck = true;
                                     p.BorderColor = {255, 0, 0, 255};
                                 },
                                 {"; Border: 1px solid RED;"}},
                      ChangeCase{"SideBorderChangedOnItsSide",
                                 "border: 0; border-top: 1px solid #ccc",
                                 [](PropertySet& p) {
                                     p.ShowBorderSide(BorderSide::Top);
                                     p.PressDown(K::BorderDashed);
                                 },
                                 {"; Border: 0;", "; Border-top: 1px dashed #ccc;"}},
                      ChangeCase{"SideBorderAddedWhereNoneWas",
                                 "border: 1px solid",
                                 [](PropertySet& p) {
                                     p.ShowBorderSide(BorderSide::Bottom);
                                     SetLengthTo(p, L::BorderWidth, "3", "px");
                                     p.ShowBorderSide(BorderSide::All);
                                 },
                                 {"; Border: 1px solid;", "; Border-bottom-width: 3px;"}},
                      ChangeCase{"AllSidesChangedBesideASide",
                                 "border: 1px solid; border-left: 0",
                                 [](PropertySet& p) { p.PressDown(K::BorderDotted); },
                                 {"; Border: 1px dotted;", "; Border-left: 0 dotted;"}},
                      ChangeCase{"AllSidesChangedBesideAVariableSide",
                                 "border: 1px solid !important; border-top: var(--w) solid",
                                 [](PropertySet& p) { SetLengthTo(p, L::BorderWidth, "2", "px"); },
                                 {"; Border: 2px solid !important;",
                                  "; Border-top: var(--w) solid; Border-top-width: 2px;"}},
                      ChangeCase{"AllSidesChangedBesideASideWithoutThatPart",
                                 "border-width: 1px; border-top-color: red",
                                 [](PropertySet& p) { SetLengthTo(p, L::BorderWidth, "2", "px"); },
                                 {"; Border-width: 2px;", "; Border-top-color: RED;"}},
                      ChangeCase{"BorderPartAfterTheShorthandChanged",
                                 "border: 0; border-width: 1px",
                                 [](PropertySet& p) { SetLengthTo(p, L::BorderWidth, "2", "px"); },
                                 {"; Border: 0; Border-width: 2px;"}},
                      ChangeCase{"BackgroundPartChanged",
                                 "background: #fff url(a.png) no-repeat",
                                 [](PropertySet& p) { p.PressDown(K::BGrRepX); },
                                 {"; BackGround: #fff url(a.png) repeat-x;"}},
                      ChangeCase{"BackgroundPartCleared",
                                 "background: #fff url(a.png) border-box",
                                 [](PropertySet& p) { p.BackGroundColorCheck = false; },
                                 {"; BackGround: url(a.png) border-box;"}},
                      ChangeCase{"HexStaysHex",
                                 "color: #abc",
                                 [](PropertySet& p) {
                                     p.FontColor = {0x11, 0x22, 0x33, 255};
                                 },
                                 {"; color: #112233;"}},
                      ChangeCase{"RgbStaysRgb",
                                 "color: rgba(0, 0, 0, .5)",
                                 [](PropertySet& p) {
                                     p.FontColor = {255, 0, 0, 64};
                                 },
                                 {"; color: rgba(255, 0, 0, 0.25);"}},
                      ChangeCase{"HslStaysHsl",
                                 "background-color: hsl(0, 0%, 0%)",
                                 [](PropertySet& p) {
                                     p.BackGroundColor = {0, 128, 0, 255};
                                 },
                                 {"; BackGround-color: hsl(120, 100%, 25%);"}},
                      ChangeCase{"ButtonReplacesText",
                                 "text-align: start",
                                 [](PropertySet& p) {
                                     p.Text(KeywordGroup::TextAlign).clear();
                                     p.PressDown(K::TextAlignCenter);
                                 },
                                 {"; Text-align: center;"}},
                      ChangeCase{"CommentInTheValueFollowsTheChange",
                                 "color: #5f3f3f/*{fcError}*/; /* note */",
                                 [](PropertySet& p) {
                                     p.FontColor = {0x11, 0x22, 0x33, 255};
                                 },
                                 {"; color: #112233/*{fcError}*/; /* note */"}},
                      ChangeCase{"CommentOfAChangedShorthand",
                                 "margin: 0 auto /*m*/; /* centred */",
                                 [](PropertySet& p) { SetLengthTo(p, L::MarginTop, "5", "px"); },
                                 {"; Margin: 5px auto 0 /*m*/; /* centred */"}},
                      ChangeCase{"CommentOfAnExpandedShorthand",
                                 "padding: 1px 2px; /* p */",
                                 [](PropertySet& p) { p[L::PaddingTop].Set = false; },
                                 {"; Padding-right: 2px; /* p */ Padding-bottom: 1px; "
                                  "Padding-left: 2px;"}},
                      ChangeCase{"TextValueReplacedByANumber",
                                 "width: calc(100% - 1rem)",
                                 [](PropertySet& p) { SetLengthTo(p, L::BlockWidth, "50", "%"); },
                                 {"; Width: 50%;"}}),
    [](const auto& row) { return std::string(row.param.Name); });

// Nothing half-made is written: an empty number, a lone "-", a text that is no value.
TEST(NothingHalfMade, FieldWithoutAValueWritesNothing) {
    for (const char* text : {"", "-", ".", "abc", "1a2px"}) {
        PropertySet panel;
        panel[L::MarginBottom] = {text, true, "px", 0};
        panel.FontSize.Set = true;
        panel.FontSize.Text = text;
        EXPECT_EQ(Rewrite(panel, {}), LineList{}) << text;
    }
}

// The border controls show all four sides or one; the side chosen stays chosen while
// the rule is read again after each change.
TEST(BorderSides, EachSideShowsItsOwnBorderAndTheChoiceOutlivesReading) {
    const std::string rule =
        "border: 1px solid red; border-top: 2px dashed; border-left-color: blue";
    PropertySet p;
    ReadLines(p, rule);
    EXPECT_EQ(p[L::BorderWidth].Text, "1");
    EXPECT_TRUE(p.IsDown(K::BorderSolid) && p.BorderColorCheck);
    p.ShowBorderSide(BorderSide::Top);
    EXPECT_EQ(p[L::BorderWidth].Text, "2");
    EXPECT_TRUE(p.IsDown(K::BorderDashed) && !p.IsDown(K::BorderSolid));
    EXPECT_FALSE(p.BorderColorCheck);
    const LineList lines = ReadLines(p, rule);
    EXPECT_EQ(p.ShownBorderSide, BorderSide::Top);
    EXPECT_EQ(p[L::BorderWidth].Text, "2");
    EXPECT_EQ(lines, (LineList{"; Border: 1px solid red;", "; Border-top: 2px dashed;",
                               "; Border-left-color: BLUE;"}));
    p.ShowBorderSide(BorderSide::Left);
    EXPECT_TRUE(p.BorderColorCheck && !p[L::BorderWidth].Set);
    EXPECT_EQ(p.BorderColor, (Color{0, 0, 255, 255}));
    p.ShowBorderSide(BorderSide::All);
    EXPECT_EQ(p[L::BorderWidth].Text, "1");
}

// A picture path that would break url() is quoted; one read with quotes stays so.
TEST(PicturePaths, AreQuotedWhereUrlNeedsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"img/sky.jpg", "url(img/sky.jpg)"},
        {"img/my sky (1).jpg", "url(\"img/my sky (1).jpg\")"},
        {"it's \\x\".png", "url(\"it's \\\\x\\\".png\")"},
        {"C:\\Img\\Back.GIF", "url(C:\\Img\\Back.GIF)"},
        {"\"as read.png\"", "url(\"as read.png\")"},
    };
    for (const auto& [path, url] : cases) {
        PropertySet panel;
        panel.BackGroundAttCheck = true;
        panel.BackGroundAttPath = path;
        EXPECT_EQ(SlotValue(panel, Slot::BackGroundImage), url) << path;
    }
}

TEST(FontSize, ANumberTypedWithItsUnitKeepsIt) {
    PropertySet panel;
    panel.FontSize.Set = true;
    panel.FontSize.Text = "1.2rem";
    EXPECT_EQ(SlotValue(panel, Slot::FontSize), "1.2rem");
    panel.FontSize.Text = "1.2remm";
    EXPECT_EQ(SlotValue(panel, Slot::FontSize), std::nullopt);
}

TEST(Strings, BlanksInsideAStringAreNotFolded) {
    EXPECT_EQ(NormalizeDeclarationsKeepCase({"content:  \"a  ;  b\" ;  "}), "content:\"a  ;  b\";");
}

} // namespace
} // namespace tesselo
