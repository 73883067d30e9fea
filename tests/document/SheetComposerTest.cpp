#include "document/SheetComposer.h"

#include "document/SheetReader.h"
#include "document/TextFile.h"
#include "support/Fakes.h"
#include "support/LiteralSheetScan.h"
#include "support/SheetText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::EscapeBytes;
using testing::LiteralRule;
using testing::RandomSheetBytes;
using testing::RulesOf;
using Rules = std::vector<LiteralRule>;

// A document of records made in the editor: no sources, all edited.
StyleDocument DocumentOf(const Rules& rules) {
    StyleDocument doc;
    std::vector<StyleRecord> records;
    for (const auto& rule : rules)
        records.emplace_back(rule.Selector, rule.Lines);
    doc.ReplaceRecords(records);
    return doc;
}

// A document as read from the bytes, in their line end.
using testing::DocumentRead;

void EditAll(StyleDocument& doc) {
    for (int i = 0; i < doc.StyleCount(); ++i)
        doc.MarkEdited(i);
}

const std::string kMarker(kUnsupportedComment);

LineList Compose(const StyleDocument& doc) {
    return ComposeSheet(doc).ToLineList();
}

// ---------------------------------------------------------------------------
// The marker line

TEST(UnsupportedComment, MatchesTheMarkerInAnyAsciiCase) {
    EXPECT_TRUE(IsUnsupportedComment("/* Properties without support of this version Tesselo */"));
    EXPECT_TRUE(IsUnsupportedComment(UpperAscii(kMarker)));
    EXPECT_TRUE(IsUnsupportedComment(LowerAscii(kMarker)));
    EXPECT_TRUE(IsUnsupportedComment("/* pROPERTIES WITHOUT support OF this VERSION tesselo */"));
}

TEST(UnsupportedComment, OnlyTheWholeLineMatches) {
    EXPECT_FALSE(IsUnsupportedComment(kMarker + " "));
    EXPECT_FALSE(IsUnsupportedComment(" " + kMarker));
    EXPECT_FALSE(IsUnsupportedComment(kMarker + "x"));
    EXPECT_FALSE(IsUnsupportedComment(kMarker.substr(0, kMarker.size() - 1)));
    EXPECT_FALSE(IsUnsupportedComment("/* Properties  without support of this version Tesselo */"));
    EXPECT_FALSE(IsUnsupportedComment("/* Properties without support of this version Tesselo*/"));
    EXPECT_FALSE(IsUnsupportedComment(""));
}

TEST(UnsupportedComment, CaseFoldingTouchesLettersOnly) {
    // Bytes that differ from the marker's by 32 like a letter's two cases, but are
    // not letters, do not match.
    std::string spaceAsNul = kMarker;
    spaceAsNul[2] = '\0';
    EXPECT_FALSE(IsUnsupportedComment(spaceAsNul));
    std::string slashShifted = kMarker;
    slashShifted[0] = '\x0F';
    EXPECT_FALSE(IsUnsupportedComment(slashShifted));
    std::string starShifted = kMarker;
    starShifted[1] = '\x0A';
    EXPECT_FALSE(IsUnsupportedComment(starShifted));
}

// ---------------------------------------------------------------------------
// Records made or edited in the editor: selector line, lines, "}"

TEST(SheetComposerEdited, NewDocumentComposesToBodyAndItsBraces) {
    StyleDocument doc;
    doc.NewCSS();
    EXPECT_EQ(Compose(doc), (LineList{"Body {", "}"}));
    EXPECT_EQ(ComposeSheet(doc).Bytes(), "Body {\r\n}\r\n");
}

// A last line of blanks is the line of the "}", which the reader gives back as one; an
// empty selector has nothing in front of its "{".
TEST(SheetComposerEdited, RecordsFollowEachOtherWithLinesAndSelectorsUnchanged) {
    EXPECT_EQ(Compose(DocumentOf({{"h1", {"color: red;", ""}}, {"p", {}}})),
              (LineList{"h1 {", "color: red;", "}", "p {", "}"}));
    EXPECT_EQ(Compose(DocumentOf({{"a", {"  indented;", "", "\t", "x: \xC0\xFF;", "  "}}})),
              (LineList{"a {", "  indented;", "", "\t", "x: \xC0\xFF;", "}"}));
    EXPECT_EQ(
        Compose(DocumentOf({{"@import url(base.css); body", {" "}}, {"", {""}}, {"H1 ", {}}})),
        (LineList{"@import url(base.css); body {", "}", "{", "}", "H1  {", "}"}));
}

TEST(SheetComposerEdited, TheMarkerLineIsRemovedInAnyCaseAndOnlyWhole) {
    const StyleDocument doc =
        DocumentOf({{"x", {"COLOR:RED;", LowerAscii(kMarker), "CURSOR:POINTER;"}},
                    {"y", {kMarker, kMarker, UpperAscii(kMarker), "A:B;"}},
                    {"z", {kMarker + " ", " " + kMarker}}});
    EXPECT_EQ(Compose(doc), (LineList{"x {", "COLOR:RED;", "CURSOR:POINTER;", "}", "y {", "A:B;",
                                      "}", "z {", kMarker + " ", " " + kMarker, "}"}));
}

TEST(SheetComposerEdited, EmptyDocumentComposesToAnEmptySheet) {
    EXPECT_TRUE(ComposeSheet(StyleDocument()).empty());
    EXPECT_EQ(ComposeSheet(DocumentOf({})).Bytes(), "");
}

// ---------------------------------------------------------------------------
// What the user did not change is written as it was read

TEST(SheetComposerAsRead, UneditedRecordsWriteTheTextAsRead) {
    for (std::string_view text : {
             "/* licence */\n\n.a,\n.b {\n  color: red;\n}\n\n/* end */\n",
             "@media print {\n  h1 { color: red }\n}\r\n/* crlf after the first line */\r\n",
             "a{x}b{y}",
             "a { font: 1px/*{ffDefault}*/ }\n.x { content: \"}\" }",
             "@import 'x.css';\n",
             "a { unclosed\n",
             "\n\n\n",
         }) {
        const StyleDocument doc = DocumentRead(text);
        const SheetLines read = SheetLines::FromBytes(text);
        EXPECT_EQ(ComposeSheet(doc), read) << EscapeBytes(text);
        EXPECT_EQ(ComposeSheet(doc).Bytes(), read.Bytes()) << EscapeBytes(text);
    }
}

// Its line ends, and a last line without one, as the file had them.
TEST(SheetComposerAsRead, SavingWritesTheFileBackWithItsOwnLineEnds) {
    for (const std::string text :
         {"a {\n  x: 1;\n}\n", "a {\r\n  x: 1;\r\n}\r\n", "a {\r  x: 1;\r}\r", "a { x }\nb { y }",
          "a { x }\r\nb { y }", "a { x }\r\n\r\n", "a { x }\n/* end */",
          "\xEF\xBB\xBF"
          "a { x }"}) {
        testing::FakeFiles files;
        ASSERT_FALSE(WriteSheetText(files, "out.css", ComposeSheet(DocumentRead(text))));
        ASSERT_EQ(files.Writes.size(), 1u);
        EXPECT_EQ(files.Writes[0].Bytes, text) << EscapeBytes(text);
    }
}

struct EditedCase {
    std::string Text;
    std::vector<int> Edited;
    std::string Composed; // with "\n" line ends
};

TEST(SheetComposerAsRead, OnlyTheEditedRulesAreWrittenAnew) {
    const std::vector<EditedCase> cases = {
        // The blank lines and comments in front stay; a comment on the selector's line
        // stays on it.
        {"/* licence */\n\n/* a */  a {\n  x: 1;\n}\nb { y }\n",
         {0},
         "/* licence */\n\n/* a */ a {\nx: 1;\n}\nb { y }\n"},
        {"a { x }\n\n  /* b */ b { y }\nc { z }\n",
         {1},
         "a { x }\n\n/* b */ b {\ny \n}\nc { z }\n"},
        {"a { x }\n\n\n/* b */\n  \n/* more */\nb { y }",
         {1},
         "a { x }\n\n\n/* b */\n  \n/* more */\nb {\ny \n}\n"},
        {"a { x }\n\n/* b */\nb { y }\n\nc { z }\n",
         {0, 1, 2},
         "a {\nx \n}\n\n/* b */\nb {\ny \n}\n\nc {\nz \n}\n"},
        // The selector as written: its comments and line breaks stay.
        {"h1, /* big */\nh2 { x }", {0}, "h1, /* big */\nh2 {\nx \n}\n"},
        {"a,\n/* links */\na:hover\n{ x }", {0}, "a,\n/* links */\na:hover {\nx \n}\n"},
        {"p /* note */ { x }\n", {0}, "p /* note */ {\nx \n}\n"},
        {"@import url(a.css);\nbody\t{ x }", {0}, "@import url(a.css);\nbody {\nx \n}\n"},
        // Minified: what follows an edited rule starts on a line of its own.
        {"a{x}b{y}", {0}, "a {\nx\n}\nb{y}\n"},
        {"a{x}b{y}", {1}, "a{x}\nb {\ny\n}\n"},
        {"a{x}b{y}/*t*/", {0, 1}, "a {\nx\n}\nb {\ny\n}\n/*t*/\n"},
        // The last rule edited: no line is added at the end.
        {"a { x }\n", {0}, "a {\nx \n}\n"},
        {"a { x }\n\n/* end */\n", {0}, "a {\nx \n}\n\n/* end */\n"},
        // Nothing is put in front of the first rule.
        {"a { x }", {0}, "a {\nx \n}\n"},
        // A group's condition is written anew, its rules as they stand; a rule inside
        // a group anew with the group's indentation, or two blanks a level.
        {"@media print {\n  h1 { color: red }\n}\n",
         {0},
         "@media print {\n  h1 { color: red }\n}\n"},
        {"@media print {\n  h1 { color: red }\n  p { x }\n}\n",
         {1},
         "@media print {\n  h1 {\n    color: red \n  }\n  p { x }\n}\n"},
        {"@media a { @media b { h1 { x } } }",
         {2},
         "@media a { @media b {\n    h1 {\n      x \n    }\n } }\n"},
        {"@media a {\n\th1 { x }\n}", {1}, "@media a {\n\th1 {\n\t  x \n\t}\n}\n"},
    };
    for (const auto& c : cases) {
        StyleDocument doc = DocumentRead(c.Text);
        for (int i : c.Edited)
            doc.MarkEdited(i);
        EXPECT_EQ(ComposeSheet(doc).Text(), c.Composed) << EscapeBytes(c.Text);
    }
}

TEST(SheetComposerAsRead, ARenamedSelectorIsWrittenAsTyped) {
    StyleDocument doc = DocumentRead("h1, /* big */\r\nh2 { x }\r\np,\r\nq { y }\r\n");
    doc.SetSelector(0, "h3");
    doc.SetSelector(1, "p, q"); // the name it has: the selector stays as written
    EXPECT_EQ(ComposeSheet(doc).Bytes(), "h3 {\r\nx \r\n}\r\np,\r\nq {\r\ny \r\n}\r\n");
}

TEST(SheetComposerAsRead, MarkerLinesStayInUneditedSources) {
    const std::string text = "a {\n" + kMarker + "\n}\n";
    StyleDocument doc = DocumentRead(text);
    EXPECT_EQ(ComposeSheet(doc).Text(), text);
    doc.MarkEdited(0);
    EXPECT_EQ(ComposeSheet(doc).Text(), "a {\n}\n");
}

TEST(SheetComposerAsRead, GeneratedSheetsComeBackExactly) {
    std::mt19937 rng(11);
    for (int i = 0; i < 2000; ++i) {
        const std::string text = RandomSheetBytes(rng, 300);
        ASSERT_EQ(ComposeSheet(DocumentRead(text)), SheetLines::FromBytes(text))
            << "text " << i << ": \"" << EscapeBytes(text) << "\"";
    }
}

// ---------------------------------------------------------------------------
// Reading a sheet written anew

// Written anew and read through the bytes of a file, as saving and opening again do.
Rules ReadComposed(const StyleDocument& doc) {
    return RulesOf(LoadStylesFromSheet(SplitLines(ComposeSheet(doc).Bytes())).Records);
}

TEST(SheetRoundTrip, ReadingAComposedSheetGivesTheSameSelectorsAndLines) {
    const Rules records = {{"h1", {"color: red;", "font-size: 12px;", ""}},
                           {"a:hover, a:focus", {"x: 1;", ""}},
                           {"@import url(a/b.css); body", {"margin: 0;", ""}},
                           {"p", {" ", "content: \"\xC0{\";", ""}},
                           {"div > p", {"/* a } comment */", ""}},
                           {"@keyframes k", {"0% { top: 0 }", ""}},
                           {"*, *::before, [class*=\"col-\"], a*/b", {""}}};
    EXPECT_EQ(ReadComposed(DocumentOf(records)), records);
}

TEST(SheetRoundTrip, LeadingBlanksAreLostAndARecordWithoutLinesGetsOneEmptyLine) {
    EXPECT_EQ(ReadComposed(DocumentOf({{"h1", {"   color: red;", "\tmargin: 0;", ""}}, {"p", {}}})),
              (Rules{{"h1", {"color: red;", "margin: 0;", ""}}, {"p", {""}}}));
    EXPECT_EQ(ReadComposed(DocumentOf({{"a", {"x "}}})), (Rules{{"a", {"x ", ""}}}));
}

std::string LinesForMessage(const SheetLines& lines) {
    std::string out;
    for (const auto& line : lines)
        out += "    \"" + EscapeBytes(line) + "\"\n";
    return out;
}

// Written anew, read and written anew again: nothing changes, and no rule is lost or
// gained.
::testing::AssertionResult SettlesWhenWrittenAnew(std::string_view bytes) {
    StyleDocument first = DocumentRead(bytes);
    EditAll(first);
    const SheetLines once = ComposeSheet(first);
    StyleDocument second = DocumentRead(once.Bytes());
    EditAll(second);
    const SheetLines twice = ComposeSheet(second);
    if (twice == once && second.StyleCount() == first.StyleCount())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "input: \"" << EscapeBytes(bytes) << "\"\nonce:\n"
                                         << LinesForMessage(once) << "twice:\n"
                                         << LinesForMessage(twice);
}

TEST(SheetRoundTrip, SettlesWhenWrittenAnewOnHandPickedSheets) {
    for (std::string_view text : {
             "body { color: red }",
             "/* licence */\nh1 {\n  color: red;\n}\np { }",
             "@media print { h1 { color: red } }\np { }",
             "a { x: 1; /* } */ y: 2 }",
             "/* never closed { a }",
             "{{}}",
             "}}{",
             "x { y",
             "*.note { }",
             "a/\n*b { }",
             "a /* x\n y */ b {}",
             "a[title=\"{\"] { content: '}' }",
             "\xC7\xE0\xE3 h1 { \xCF\xF0\xE8: 1 }",
             // Strings closed by line ends, and rules left open at the end.
             "a[x=\"y\n] { z }",
             "a/}*b { c }",
             "a[x=\"y\n{\n\"] { z }",
             "\"\\\r\r{ }",
             "{\"\\\r\r\"}",
             "a { x { b: c",
             "a { b: c /* d",
         })
        EXPECT_TRUE(SettlesWhenWrittenAnew(text));
}

TEST(SheetRoundTrip, SettlesWhenWrittenAnewOnGeneratedSheets) {
    int failures = 0;
    for (unsigned seed : {5u, 6u}) {
        std::mt19937 rng(seed);
        for (int i = 0; i < 1500 && failures < 5; ++i) {
            const std::string text = RandomSheetBytes(rng, 160);
            const auto result = SettlesWhenWrittenAnew(text);
            if (!result) {
                ++failures;
                ADD_FAILURE() << "seed " << seed << ", text " << i << "\n" << result.message();
            }
        }
    }
}

} // namespace
} // namespace tesselo
