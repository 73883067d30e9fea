#include "document/StyleDocument.h"

#include "document/SheetComposer.h"
#include "document/SheetReader.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using Items = std::vector<std::string>;

// A document holding the given records, made in the editor, each with one line
// naming it.
StyleDocument DocumentWith(const Items& selectors) {
    StyleDocument doc;
    doc.NewCSS();
    std::vector<StyleRecord> records;
    for (const auto& s : selectors)
        records.emplace_back(s, LineList{"line of " + s});
    doc.ReplaceRecords(records);
    return doc;
}

// A document as read from the text ("\n" line ends).
StyleDocument DocumentRead(std::string_view text) {
    StyleDocument doc;
    auto sheet = LoadStylesFromSheet(SheetLines::FromBytes(text));
    doc.ReplaceRecords(std::move(sheet.Records), std::move(sheet.Tail));
    doc.LineEnd = "\n";
    return doc;
}

std::string Composed(const StyleDocument& doc) {
    return ComposeSheet(doc).Text();
}

// The first line of each record, the selector when it has none.
Items FirstLines(const StyleDocument& doc) {
    Items out;
    for (int i = 0; i < doc.StyleCount(); ++i) {
        const auto& lines = doc.Record(i).Lines();
        out.push_back(lines.empty() ? doc.Record(i).Selector : lines[0]);
    }
    return out;
}

// ---------------------------------------------------------------------------
// The new document and adding records

TEST(StyleDocumentNew, HoldsTheSingleStyleBody) {
    StyleDocument doc = DocumentRead("h1 { x }\n/* tail */\n");
    doc.FileName = "/tmp/site/style.css";
    doc.Modified = true;

    doc.NewCSS();

    EXPECT_EQ(doc.ListItems(), Items{"Body"});
    EXPECT_EQ(doc.Record(0), (StyleRecord{"Body", {}}));
    EXPECT_TRUE(doc.Record(0).Edited());
    EXPECT_EQ(doc.FileName, "");
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(doc.Tail(), "");
    EXPECT_EQ(doc.LineEnd, "\r\n");
    EXPECT_EQ(ComposeSheet(doc).ToLineList(), (LineList{"Body {", "}"}));
    EXPECT_THROW(doc.Record(1), std::out_of_range);
}

TEST(WindowCaption, FollowsTheFileName) {
    EXPECT_EQ(WindowCaptionFor("/home/u/a.css"), "Tesselo 1.0 beta - /home/u/a.css");
}

TEST(StyleDocumentAdd, AppendsAnEditedRecordWithoutLines) {
    StyleDocument doc;
    doc.NewCSS();
    doc.AddStyleRecord("h1, h2");
    doc.AddStyleRecord("");
    doc.AddStyleRecord("Body");
    EXPECT_EQ(doc.ListItems(), (Items{"Body", "h1, h2", "", "Body"}));
    EXPECT_EQ(doc.Record(1), (StyleRecord{"h1, h2", {}}));
    EXPECT_TRUE(doc.Record(1).Edited());
    EXPECT_EQ(doc.Record(1).Source(), "");
    EXPECT_FALSE(doc.Modified);
}

TEST(StyleDocumentAdd, HasNoFixedCapacity) {
    StyleDocument doc;
    doc.NewCSS();
    for (int i = 1; i < 2500; ++i)
        doc.AddStyleRecord(std::to_string(i));
    EXPECT_EQ(doc.StyleCount(), 2500);
    EXPECT_EQ(doc.Record(2499).Selector, "2499");
}

// ---------------------------------------------------------------------------
// Reading, renaming and replacing

TEST(StyleDocumentAccess, RecordOutsideTheRecordsInUseThrowsOutOfRange) {
    StyleDocument doc = DocumentWith({"a", "b", "c"});
    EXPECT_NO_THROW(doc.Record(2));
    for (int i : {-1, 3, 1000})
        EXPECT_THROW(doc.Record(i), std::out_of_range) << i;
    EXPECT_THROW(doc.ReplaceLines(3, {}), std::out_of_range);
    EXPECT_THROW(doc.RemoveRecord(-1), std::out_of_range);
}

TEST(StyleDocumentAccess, RenamingMarksTheRecordEditedAndReplacingLinesDoesNot) {
    StyleDocument doc = DocumentRead("a { x }\nb { y }\n");
    doc.ReplaceLines(0, {"x: 1;", "", "  y: 2;"});
    EXPECT_EQ(doc.Record(0).Lines(), (LineList{"x: 1;", "", "  y: 2;"}));
    EXPECT_FALSE(doc.Record(0).Edited());
    EXPECT_EQ(Composed(doc), "a { x }\nb { y }\n");

    doc.SetSelector(1, "B:hover");
    EXPECT_EQ(doc.ListItems(), (Items{"a", "B:hover"}));
    EXPECT_TRUE(doc.Record(1).Edited());
    EXPECT_EQ(Composed(doc), "a { x }\nB:hover {\ny \n}\n");

    doc.MarkEdited(0);
    EXPECT_EQ(Composed(doc), "a {\nx: 1;\n\n  y: 2;\n}\nB:hover {\ny \n}\n");
}

// ---------------------------------------------------------------------------
// Reordering by the style list

struct ReorderCase {
    Items Before;
    Items List;
    Items After; // the first line of each record afterwards
};

class StyleDocumentReorder : public ::testing::TestWithParam<ReorderCase> {};

TEST_P(StyleDocumentReorder, RecordsFollowTheListWithTheirLines) {
    const ReorderCase& c = GetParam();
    StyleDocument doc;
    std::vector<StyleRecord> records;
    for (size_t i = 0; i < c.Before.size(); ++i)
        records.emplace_back(c.Before[i], LineList{std::to_string(i)});
    doc.ReplaceRecords(records);
    doc.ReorderStylesByList(c.List);
    EXPECT_EQ(doc.ListItems(), c.List);
    EXPECT_EQ(FirstLines(doc), c.After);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleDocumentReorder,
    ::testing::Values(ReorderCase{{"A", "B", "C"}, {"C", "A", "B"}, {"2", "0", "1"}},
                      ReorderCase{{"d", "b", "a", "c"}, {"a", "b", "c", "d"}, {"2", "1", "3", "0"}},
                      // Equal names keep their order, however they move.
                      ReorderCase{{"P", "P"}, {"P", "P"}, {"0", "1"}},
                      ReorderCase{{"P", "A", "P"}, {"A", "P", "P"}, {"1", "0", "2"}},
                      ReorderCase{{"A", "B", "A", "B"}, {"B", "B", "A", "A"}, {"1", "3", "0", "2"}},
                      // Names are compared with their case.
                      ReorderCase{{"p", "P"}, {"P", "p"}, {"1", "0"}}));

TEST(StyleDocumentReorderSources, SourcesTravelAndStayUnedited) {
    StyleDocument doc = DocumentRead("/* licence */\n\n/* a */\na { x }\n/* b */ b { y }\n");
    doc.ReorderStylesByList({"b", "a"});
    EXPECT_FALSE(doc.Record(0).Edited());
    // The header stays on top; a rule that now follows another starts on a new line.
    EXPECT_EQ(Composed(doc), "/* licence */\n\n\n/* b */ b { y }\n/* a */\na { x }\n");
}

// The sheet's header: its first comment, to the end of its line and on to the last
// blank line in front of the first rule.
struct HeaderCase {
    std::string Text;
    std::string Head;
    std::string Sorted; // the records in the order b, a
};

class StyleDocumentHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(StyleDocumentHeader, StaysOnTopWhenTheRulesMove) {
    const HeaderCase& c = GetParam();
    StyleDocument doc = DocumentRead(c.Text);
    EXPECT_EQ(doc.Head(), c.Head);
    EXPECT_EQ(Composed(doc), c.Text);
    doc.MoveRecord(1, 0);
    EXPECT_EQ(Composed(doc), c.Sorted);
    doc.ApplyOrder({1, 0});
    EXPECT_EQ(Composed(doc), c.Text);
    doc.ReorderStylesByList({"b", "a"});
    doc.MarkEdited(0);
    EXPECT_TRUE(Composed(doc).starts_with(c.Head)) << Composed(doc);
    doc.RemoveRecord(0);
    doc.RemoveRecord(0);
    EXPECT_TRUE(Composed(doc).starts_with(c.Head)) << Composed(doc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleDocumentHeader,
    ::testing::Values(
        HeaderCase{"/* licence */\na { x }\nb { y }\n", "/* licence */\n",
                   "/* licence */\n\nb { y }\na { x }\n"},
        // A note right above the first rule stays the rule's; blank lines end the header.
        HeaderCase{"/*! v1 */\n/* MIT */\n\n/* the links */\na { x }\nb { y }\n",
                   "/*! v1 */\n/* MIT */\n\n",
                   "/*! v1 */\n/* MIT */\n\n\nb { y }\n/* the links */\na { x }\n"},
        HeaderCase{"/* one */\n/* two */\na { x }\n\nb { y }\n", "/* one */\n",
                   "/* one */\n\n\nb { y }\n/* two */\na { x }\n"},
        // Minified: the comment in front of the first selector.
        HeaderCase{"/*! licence */a{x}b{y}\n", "/*! licence */", "/*! licence */\nb{y}\na{x}\n"},
        // No comment at the top, no header.
        HeaderCase{"\na { x }\n/* b */\nb { y }\n", "", "\n/* b */\nb { y }\na { x }\n"}));

// ---------------------------------------------------------------------------
// Removing records

TEST(StyleDocumentRemove, LaterRecordsMoveUpWithTheirLines) {
    StyleDocument doc = DocumentWith({"A", "B", "C", "D"});
    doc.RemoveRecord(1);
    EXPECT_EQ(FirstLines(doc), (Items{"line of A", "line of C", "line of D"}));
    doc.RemoveRecord(2);
    doc.RemoveRecord(0);
    EXPECT_EQ(doc.ListItems(), Items{"C"});
    doc.RemoveRecord(0);
    EXPECT_EQ(doc.StyleCount(), 0);
    EXPECT_TRUE(ComposeSheet(doc).empty());
}

TEST(StyleDocumentRemove, TheCommentsInFrontStayInFrontOfTheNextRule) {
    StyleDocument doc = DocumentRead("/* licence */\n\n/* a */ a { x }\n/* b */\nb { y }\n");
    doc.RemoveRecord(0);
    EXPECT_EQ(Composed(doc), "/* licence */\n\n/* a */ \n/* b */\nb { y }\n");
    EXPECT_FALSE(doc.Record(0).Edited());
    doc.MarkEdited(0);
    EXPECT_EQ(Composed(doc), "/* licence */\n\n/* a */ \n/* b */\nb {\ny \n}\n");
}

TEST(StyleDocumentRemove, TheCommentsInFrontOfTheLastRuleGoToTheTail) {
    StyleDocument doc = DocumentRead("a { x }\n/* b */\nb { y }\n/* end */\n");
    doc.RemoveRecord(1);
    EXPECT_EQ(doc.Tail(), "\n/* b */\n\n/* end */\n");
    EXPECT_EQ(Composed(doc), "a { x }\n/* b */\n\n/* end */\n");
}

TEST(StyleDocumentRemove, OntoARecordWithoutSourceTheCommentsBecomeItsSource) {
    StyleDocument doc = DocumentRead("a { x }\n/* b */\nb { y }\n");
    doc.RemoveRecord(0);
    doc.AddStyleRecord("new");
    doc.ReorderStylesByList({"new", "b"});
    doc.ReorderStylesByList({"b", "new"});
    doc.RemoveRecord(0);
    EXPECT_TRUE(doc.Record(0).Edited());
    EXPECT_EQ(doc.Record(0).Source(), "\n/* b */\n");
    EXPECT_EQ(Composed(doc), "/* b */\nnew {\n}\n");
}

} // namespace
} // namespace tesselo
