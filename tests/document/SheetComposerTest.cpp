#include "document/SheetComposer.h"

#include "SheetKnownExceptions.h"
#include "document/SheetReader.h"
#include "document/TextFile.h"
#include "support/Fakes.h"
#include "support/LiteralSheetScan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::EscapeBytes;
using testing::RandomSheetBytes;
using Rules = std::vector<StyleRecord>;

StyleDocument DocumentOf(const Rules& records) {
    StyleDocument doc;
    doc.ReplaceRecords(records);
    return doc;
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
// Composing

TEST(SheetComposer, NewDocumentComposesToBodyAndItsBraces) {
    StyleDocument doc;
    doc.NewCSS();
    EXPECT_EQ(Compose(doc), (LineList{"Body {", "}"}));
}

TEST(SheetComposer, RecordsFollowEachOtherWithoutEmptyLinesBetween) {
    const StyleDocument doc = DocumentOf({{"h1", {"color: red;", ""}}, {"p", {}}});
    const LineList sheet = Compose(doc);
    EXPECT_EQ(sheet, (LineList{"h1 {", "color: red;", "", "}", "p {", "}"}));
    EXPECT_EQ(JoinLinesCrLf(sheet), "h1 {\r\ncolor: red;\r\n\r\n}\r\np {\r\n}\r\n");
}

TEST(SheetComposer, WrittenToAFileEveryLineEndsInCrLf) {
    testing::FakeFiles files;
    const StyleDocument doc = DocumentOf({{"h1", {"color: red;", ""}}, {"p", {}}});
    ASSERT_FALSE(WriteSheetText(files, "out.css", ComposeSheet(doc)).has_value());
    ASSERT_EQ(files.Writes.size(), 1u);
    EXPECT_EQ(files.Writes[0].Paths, std::vector<std::string>{"out.css"});
    EXPECT_EQ(files.Writes[0].Bytes, "h1 {\r\ncolor: red;\r\n\r\n}\r\np {\r\n}\r\n");
}

TEST(SheetComposer, LinesAreWrittenUnchanged) {
    const StyleDocument doc =
        DocumentOf({{"a", {"  indented;", "", "\t", "x: \xC0\xFF;", "/* c */", "  "}}});
    EXPECT_EQ(Compose(doc),
              (LineList{"a {", "  indented;", "", "\t", "x: \xC0\xFF;", "/* c */", "  ", "}"}));
}

TEST(SheetComposer, SelectorsAreWrittenUnchanged) {
    const StyleDocument doc = DocumentOf(
        {{"@import url(base.css);body", {" "}}, {"", {""}}, {"*, *::before", {}}, {"H1, h2 ", {}}});
    EXPECT_EQ(Compose(doc), (LineList{"@import url(base.css);body {", " ", "}", " {", "", "}",
                                      "*, *::before {", "}", "H1, h2  {", "}"}));
}

TEST(SheetComposer, MarkerLineIsRemovedInAnyCase) {
    const StyleDocument doc =
        DocumentOf({{"x", {"COLOR:RED;", LowerAscii(kMarker), "CURSOR:POINTER;"}},
                    {"y", {kMarker, "A:B;"}},
                    {"z", {UpperAscii(kMarker)}}});
    EXPECT_EQ(Compose(doc), (LineList{"x {", "COLOR:RED;", "CURSOR:POINTER;", "}", "y {", "A:B;",
                                      "}", "z {", "}"}));
}

TEST(SheetComposer, ConsecutiveMarkerLinesAreAllRemoved) {
    const StyleDocument doc = DocumentOf({{"x", {kMarker, kMarker, LowerAscii(kMarker), "a;"}}});
    EXPECT_EQ(Compose(doc), (LineList{"x {", "a;", "}"}));
}

TEST(SheetComposer, MarkerWithExtraTextStays) {
    const StyleDocument doc = DocumentOf({{"x", {kMarker + " ", " " + kMarker, "a;"}}});
    EXPECT_EQ(Compose(doc), (LineList{"x {", kMarker + " ", " " + kMarker, "a;", "}"}));
}

TEST(SheetComposer, OnlyRecordsInUseAreComposed) {
    StyleDocument doc = DocumentOf({{"a", {"1"}}, {"b", {"2"}}, {"c", {"3"}}});
    doc.RemoveRecord(1);
    EXPECT_EQ(Compose(doc), (LineList{"a {", "1", "}", "c {", "3", "}"}));
    doc.ReplaceRecords({{"only", {}}});
    EXPECT_EQ(Compose(doc), (LineList{"only {", "}"}));
}

TEST(SheetComposer, EmptyDocumentComposesToAnEmptySheet) {
    EXPECT_TRUE(ComposeSheet(StyleDocument()).empty());
    EXPECT_TRUE(Compose(DocumentOf({})).empty());
    EXPECT_EQ(ComposeSheet(DocumentOf({})).CrLfText(), "");
}

TEST(SheetComposer, DoesNotTouchTheDocument) {
    StyleDocument doc = DocumentOf({{"a", {"1"}}});
    doc.SheetText = SheetLines::FromLines({"old"});
    doc.Modified = true;
    (void)ComposeSheet(doc);
    EXPECT_EQ(doc.SheetText.ToLineList(), LineList{"old"});
    EXPECT_TRUE(doc.Modified);
}

// ---------------------------------------------------------------------------
// Reading a composed sheet again

Rules ReadComposed(const StyleDocument& doc) {
    // Through the bytes of a file, as saving and opening again would.
    return LoadStylesFromSheet(SplitLines(ComposeSheet(doc).CrLfText()));
}

TEST(SheetRoundTrip, ReadingAComposedSheetGivesTheSameSelectorsAndLines) {
    const Rules records = {{"h1", {"color: red;", "font-size: 12px;", ""}},
                           {"a:hover, a:focus", {"x: 1;", ""}},
                           {"@import url(base.css);body", {"margin: 0;", ""}},
                           {"p", {" ", "content: \"\xC0\";", ""}},
                           {"div > p", {"/* a comment */", ""}}};
    EXPECT_EQ(ReadComposed(DocumentOf(records)), records);
}

TEST(SheetRoundTrip, LeadingBlanksAreLostAndARecordWithoutLinesGetsOneEmptyLine) {
    const Rules records = {{"h1", {"   color: red;", "\tmargin: 0;", ""}}, {"p", {}}};
    EXPECT_EQ(ReadComposed(DocumentOf(records)),
              (Rules{{"h1", {"color: red;", "margin: 0;", ""}}, {"p", {""}}}));
}

TEST(SheetRoundTrip, LastLineWithTextIsFollowedByAnEmptyLineOnceRead) {
    // The reader's one-line block "a { x }" comes back from its own line.
    const Rules records = {{"a", {"x "}}};
    EXPECT_EQ(ReadComposed(DocumentOf(records)), (Rules{{"a", {"x ", ""}}}));
}

TEST(SheetRoundTrip, StarsAndSlashesInSelectorsSurvive) {
    const Rules records = {{"*", {""}},
                           {".row > *", {""}},
                           {"*, *::before", {""}},
                           {"[class*=\"col-\"]", {""}},
                           {"@import url(a/b.css);body", {""}},
                           {"a*/b", {""}}};
    EXPECT_EQ(ReadComposed(DocumentOf(records)), records);
}

// The file that saving writes after opening a file of these bytes.
std::string ReadAndCompose(std::string_view bytes) {
    return ComposeSheet(DocumentOf(LoadStylesFromSheet(SheetLines::FromBytes(bytes)))).CrLfText();
}

std::string LinesForMessage(std::string_view bytes) {
    std::string out;
    for (const auto& line : SplitLines(bytes))
        out += "    \"" + EscapeBytes(line) + "\"\n";
    return out;
}

// Composing, reading the composed sheet and composing again changes nothing further.
::testing::AssertionResult SettlesAfterOneRoundTrip(std::string_view bytes) {
    const std::string first = ReadAndCompose(bytes);
    const std::string second = ReadAndCompose(first);
    const std::string third = ReadAndCompose(second);
    if (second == third)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "input: \"" << EscapeBytes(bytes) << "\"\nfirst:\n"
                                         << LinesForMessage(first) << "second:\n"
                                         << LinesForMessage(second) << "third:\n"
                                         << LinesForMessage(third);
}

// A "/" that ends a line and a "*" that starts the next are both selector bytes, and
// once the selector is composed on one line they open a comment. The generated texts
// for the round trip leave that out: a space goes in front of such a "*".
std::string WithoutSlashStarAcrossLineEnd(std::string text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] != '/')
            continue;
        size_t j = i + 1;
        while (j < text.size() && (text[j] == '\r' || text[j] == '\n'))
            ++j;
        if (j > i + 1 && j < text.size() && text[j] == '*') {
            out.append(text, i + 1, j - i - 1);
            out += ' ';
            i = j - 1;
        }
    }
    return out;
}

TEST(SheetRoundTrip, SlashStarGuardOfTheGeneratedTexts) {
    EXPECT_EQ(WithoutSlashStarAcrossLineEnd("a/\n*b"), "a/\n *b");
    EXPECT_EQ(WithoutSlashStarAcrossLineEnd("a/\r\n\r*b/\r"), "a/\r\n\r *b/\r");
    EXPECT_EQ(WithoutSlashStarAcrossLineEnd("a/*b\n/ *"), "a/*b\n/ *");
}

TEST(SheetRoundTrip, SettlesAfterOneRoundTripOnHandPickedSheets) {
    for (std::string_view text : {
             "body { color: red }",
             "h1 {\n  color: red;\n}\np { }",
             "@media print { h1 { color: red } }\np { }",
             "a { x: 1; /* } */ y: 2 }",
             "a { /* }\nb { }",
             "/* never closed { a }",
             "{{}}",
             "}}{",
             "x { y",
             "*.note { }",
             "a*/b { }",
             "a /* x\n y */ b {}",
             "\xC7\xE0\xE3 h1 { \xCF\xF0\xE8: 1 }",
         })
        EXPECT_TRUE(SettlesAfterOneRoundTrip(text));
}

TEST(SheetRoundTrip, CommentLeftOpenByABlock_IsTheKnownExceptionThatDoesNotSettle) {
    // The "}" inside a's comment ends a's block, so the comment stays open past it; the
    // file closes it in the text before the next "{", which the selector loses. The
    // selector "b */ c" keeps its own "*/", and in the composed sheet that "*/" closes
    // the comment still open from a's line, so "b " vanishes on the next reading.
    const std::string text = "a { /* } */ b */ c { }";
    StyleDocument read = DocumentOf(LoadStylesFromSheet(SheetLines::FromBytes(text)));
    EXPECT_TRUE(fuzz::LeavesCommentOpen(read));
    EXPECT_FALSE(SettlesAfterOneRoundTrip(text));
}

TEST(SheetRoundTrip, SettlesAfterOneRoundTripOnGeneratedSheets) {
    int failures = 0;
    for (unsigned seed : {5u, 6u}) {
        std::mt19937 rng(seed);
        for (int i = 0; i < 1500 && failures < 5; ++i) {
            const std::string text = WithoutSlashStarAcrossLineEnd(RandomSheetBytes(rng, 160));
            if (fuzz::LeavesCommentOpen(
                    DocumentOf(LoadStylesFromSheet(SheetLines::FromBytes(text)))))
                continue;
            const auto result = SettlesAfterOneRoundTrip(text);
            if (!result) {
                ++failures;
                ADD_FAILURE() << "seed " << seed << ", text " << i << "\n" << result.message();
            }
        }
    }
}

} // namespace
} // namespace tesselo
