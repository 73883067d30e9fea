#include "document/StyleDocument.h"

#include "document/SheetComposer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using Items = std::vector<std::string>;

// A document holding the given records, each with one line naming it.
StyleDocument DocumentWith(const Items& selectors) {
    StyleDocument doc;
    doc.NewCSS();
    std::vector<StyleRecord> records;
    for (const auto& s : selectors)
        records.push_back({s, {"line of " + s}});
    doc.ReplaceRecords(records);
    return doc;
}

std::vector<StyleRecord> RecordsOf(const StyleDocument& doc) {
    std::vector<StyleRecord> records;
    for (int i = 0; i < doc.StyleCount(); ++i)
        records.push_back(doc.Record(i));
    return records;
}

// ---------------------------------------------------------------------------
// The new document

TEST(StyleDocumentNew, HoldsTheSingleSelectedStyleBody) {
    StyleDocument doc;
    doc.NewCSS();
    EXPECT_EQ(doc.StyleCount(), 1);
    EXPECT_EQ(doc.Record(0).Selector, "Body");
    EXPECT_TRUE(doc.Record(0).Lines.empty());
    EXPECT_EQ(doc.ListItems(), Items{"Body"});
    EXPECT_EQ(doc.SelectedRow, 0);
    EXPECT_EQ(doc.CurrentStyleIndex, 0);
    EXPECT_EQ(doc.FileName, "");
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(doc.Caption, "Tesselo 1.0 beta - NoName.css");
}

TEST(StyleDocumentNew, ResetsAnOpenDocument) {
    StyleDocument doc = DocumentWith({"h1", "p", "a:hover"});
    doc.FileName = "/tmp/site/style.css";
    doc.Modified = true;
    doc.CurrentStyleIndex = 2;
    doc.SelectedRow = 2;
    doc.Caption = "Tesselo 1.0 beta - /tmp/site/style.css";

    doc.NewCSS();

    EXPECT_EQ(doc.StyleCount(), 1);
    EXPECT_EQ(doc.Record(0), (StyleRecord{"Body", {}}));
    EXPECT_EQ(doc.SelectedRow, 0);
    EXPECT_EQ(doc.CurrentStyleIndex, 0);
    EXPECT_EQ(doc.FileName, "");
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(doc.Caption, "Tesselo 1.0 beta - NoName.css");
}

TEST(StyleDocumentNew, AfterFiftyRecordsTheOldRecordsAreNeitherShownNorComposed) {
    Items selectors;
    // Not "s" + std::to_string(i): GCC 12 warns falsely (-Wrestrict) on it at -O3.
    for (int i = 0; i < 50; ++i)
        selectors.push_back(std::string("s").append(std::to_string(i)));
    StyleDocument doc = DocumentWith(selectors);
    ASSERT_EQ(doc.StyleCount(), 50);

    doc.NewCSS();

    EXPECT_EQ(doc.StyleCount(), 1);
    EXPECT_EQ(doc.ListItems(), Items{"Body"});
    EXPECT_THROW(doc.Record(1), std::out_of_range);
    EXPECT_THROW(doc.Record(49), std::out_of_range);
    EXPECT_EQ(ComposeSheet(doc).ToLineList(), (LineList{"Body {", "}"}));
}

TEST(StyleDocumentNew, RecordAddedAfterwardsStartsWithoutOldLines) {
    StyleDocument doc = DocumentWith({"h1", "p", "div"});
    doc.NewCSS();
    ASSERT_TRUE(doc.AddStyleRecord("p"));
    EXPECT_EQ(doc.Record(1), (StyleRecord{"p", {}}));
}

TEST(WindowCaption, FollowsTheFileName) {
    EXPECT_EQ(WindowCaptionFor("/home/u/a.css"), "Tesselo 1.0 beta - /home/u/a.css");
}

// ---------------------------------------------------------------------------
// Adding records

TEST(StyleDocumentAdd, AppendsARecordWithoutLinesAndLeavesTheSelectionAlone) {
    StyleDocument doc;
    doc.NewCSS();
    doc.Modified = false;
    ASSERT_TRUE(doc.AddStyleRecord("h1, h2"));
    EXPECT_EQ(doc.StyleCount(), 2);
    EXPECT_EQ(doc.Record(1), (StyleRecord{"h1, h2", {}}));
    EXPECT_EQ(doc.ListItems(), (Items{"Body", "h1, h2"}));
    EXPECT_EQ(doc.SelectedRow, 0);
    EXPECT_EQ(doc.CurrentStyleIndex, 0);
    EXPECT_FALSE(doc.Modified);
}

TEST(StyleDocumentAdd, AcceptsEmptyAndDuplicateSelectors) {
    StyleDocument doc;
    doc.NewCSS();
    ASSERT_TRUE(doc.AddStyleRecord(""));
    ASSERT_TRUE(doc.AddStyleRecord("Body"));
    ASSERT_TRUE(doc.AddStyleRecord("body"));
    EXPECT_EQ(doc.ListItems(), (Items{"Body", "", "Body", "body"}));
}

TEST(StyleDocumentAdd, FillsTheTableUpTo1001Records) {
    StyleDocument doc;
    doc.NewCSS();
    for (int i = 1; i < kStyleCapacity; ++i)
        ASSERT_TRUE(doc.AddStyleRecord(std::string("s").append(std::to_string(i)))) << i;
    EXPECT_EQ(doc.StyleCount(), 1001);
    EXPECT_EQ(doc.Record(1000).Selector, "s1000");
}

TEST(StyleDocumentAdd, RefusesThe1002ndRecordAndChangesNothing) {
    StyleDocument doc;
    doc.NewCSS();
    for (int i = 1; i < kStyleCapacity; ++i)
        ASSERT_TRUE(doc.AddStyleRecord(std::string("s").append(std::to_string(i))));
    doc.ReplaceLines(1000, {"kept"});
    const Items before = doc.ListItems();

    EXPECT_FALSE(doc.AddStyleRecord("one too many"));

    EXPECT_EQ(doc.StyleCount(), 1001);
    EXPECT_EQ(doc.ListItems(), before);
    EXPECT_EQ(doc.Record(1000), (StyleRecord{"s1000", {"kept"}}));
    EXPECT_THROW(doc.Record(1001), std::out_of_range);
}

// ---------------------------------------------------------------------------
// Reading, renaming and replacing

TEST(StyleDocumentAccess, RecordOutsideTheRecordsInUseThrowsOutOfRange) {
    StyleDocument doc = DocumentWith({"a", "b", "c"});
    EXPECT_NO_THROW(doc.Record(0));
    EXPECT_NO_THROW(doc.Record(2));
    EXPECT_THROW(doc.Record(-1), std::out_of_range);
    EXPECT_THROW(doc.Record(3), std::out_of_range);
    EXPECT_THROW(doc.Record(1000), std::out_of_range);
    EXPECT_THROW(doc.Record(1001), std::out_of_range);
}

TEST(StyleDocumentAccess, SetSelectorRenamesRecordAndListItem) {
    StyleDocument doc = DocumentWith({"a", "b"});
    doc.SetSelector(1, "B:hover");
    EXPECT_EQ(doc.Record(1), (StyleRecord{"B:hover", {"line of b"}}));
    EXPECT_EQ(doc.ListItems(), (Items{"a", "B:hover"}));
    doc.SetSelector(0, "");
    EXPECT_EQ(doc.ListItems(), (Items{"", "B:hover"}));
}

TEST(StyleDocumentAccess, ReplaceLinesReplacesTheWholeList) {
    StyleDocument doc = DocumentWith({"a", "b"});
    doc.ReplaceLines(0, {"x: 1;", "", "  y: 2;"});
    EXPECT_EQ(doc.Record(0).Lines, (LineList{"x: 1;", "", "  y: 2;"}));
    doc.ReplaceLines(0, {});
    EXPECT_TRUE(doc.Record(0).Lines.empty());
    EXPECT_EQ(doc.Record(1).Lines, LineList{"line of b"});
}

TEST(StyleDocumentAccess, ReplaceRecordsTakesTheGivenRecordsInOrder) {
    StyleDocument doc = DocumentWith({"a", "b", "c", "d", "e"});
    const std::vector<StyleRecord> fresh = {{"x", {"1"}}, {"", {}}, {"x", {"2", ""}}};
    doc.ReplaceRecords(fresh);
    EXPECT_EQ(doc.StyleCount(), 3);
    EXPECT_EQ(RecordsOf(doc), fresh);
    EXPECT_EQ(doc.ListItems(), (Items{"x", "", "x"}));
    EXPECT_THROW(doc.Record(3), std::out_of_range);
}

TEST(StyleDocumentAccess, ReplaceRecordsWithNoneLeavesAnEmptyDocument) {
    StyleDocument doc = DocumentWith({"a", "b"});
    doc.ReplaceRecords({});
    EXPECT_EQ(doc.StyleCount(), 0);
    EXPECT_TRUE(doc.ListItems().empty());
    EXPECT_THROW(doc.Record(0), std::out_of_range);
    EXPECT_TRUE(ComposeSheet(doc).empty());
}

TEST(StyleDocumentAccess, ReplaceRecordsAcceptsAFullTable) {
    std::vector<StyleRecord> records(kStyleCapacity);
    for (int i = 0; i < kStyleCapacity; ++i)
        records[i] = {std::string("r").append(std::to_string(i)), {std::to_string(i)}};
    StyleDocument doc;
    doc.ReplaceRecords(records);
    EXPECT_EQ(doc.StyleCount(), kStyleCapacity);
    EXPECT_EQ(doc.Record(1000), records[1000]);
}

// ---------------------------------------------------------------------------
// Reordering by the style list

TEST(StyleDocumentReorder, MovedItemsCarryTheirLines) {
    StyleDocument doc = DocumentWith({"A", "B", "C"});
    doc.ReorderStylesByList({"C", "A", "B"});
    EXPECT_EQ(RecordsOf(doc),
              (std::vector<StyleRecord>{
                  {"C", {"line of C"}}, {"A", {"line of A"}}, {"B", {"line of B"}}}));
    EXPECT_EQ(doc.ListItems(), (Items{"C", "A", "B"}));
}

TEST(StyleDocumentReorder, ReversedAndSortedOrders) {
    StyleDocument doc = DocumentWith({"d", "b", "a", "c"});
    doc.ReorderStylesByList({"a", "b", "c", "d"});
    EXPECT_EQ(RecordsOf(doc), (std::vector<StyleRecord>{{"a", {"line of a"}},
                                                        {"b", {"line of b"}},
                                                        {"c", {"line of c"}},
                                                        {"d", {"line of d"}}}));
    doc.ReorderStylesByList({"d", "c", "b", "a"});
    EXPECT_EQ(doc.ListItems(), (Items{"d", "c", "b", "a"}));
    EXPECT_EQ(doc.Record(0).Lines, LineList{"line of d"});
    EXPECT_EQ(doc.Record(3).Lines, LineList{"line of a"});
}

TEST(StyleDocumentReorder, UnchangedListKeepsDuplicatesInTheirOrder) {
    StyleDocument doc;
    doc.ReplaceRecords({{"P", {"x"}}, {"P", {"y"}}});
    doc.ReorderStylesByList({"P", "P"});
    EXPECT_EQ(RecordsOf(doc), (std::vector<StyleRecord>{{"P", {"x"}}, {"P", {"y"}}}));
}

TEST(StyleDocumentReorder, MovingAroundDuplicatesKeepsTheirOrder) {
    StyleDocument doc;
    doc.ReplaceRecords({{"P", {"x"}}, {"A", {"a"}}, {"P", {"y"}}});
    doc.ReorderStylesByList({"A", "P", "P"});
    EXPECT_EQ(RecordsOf(doc), (std::vector<StyleRecord>{{"A", {"a"}}, {"P", {"x"}}, {"P", {"y"}}}));
}

TEST(StyleDocumentReorder, SelectorsAreComparedCaseSensitively) {
    StyleDocument doc;
    doc.ReplaceRecords({{"p", {"lower"}}, {"P", {"upper"}}});
    doc.ReorderStylesByList({"P", "p"});
    EXPECT_EQ(RecordsOf(doc), (std::vector<StyleRecord>{{"P", {"upper"}}, {"p", {"lower"}}}));
}

TEST(StyleDocumentReorder, LeavesSelectionAndCurrentStyleAlone) {
    StyleDocument doc = DocumentWith({"A", "B", "C"});
    doc.SelectedRow = 1;
    doc.CurrentStyleIndex = 1;
    doc.Modified = false;
    doc.ReorderStylesByList({"B", "C", "A"});
    EXPECT_EQ(doc.SelectedRow, 1);
    EXPECT_EQ(doc.CurrentStyleIndex, 1);
    EXPECT_FALSE(doc.Modified);
}

// ---------------------------------------------------------------------------
// Removing records

TEST(StyleDocumentRemove, LaterRecordsMoveUpWithTheirLines) {
    StyleDocument doc = DocumentWith({"A", "B", "C", "D"});
    doc.RemoveRecord(1);
    EXPECT_EQ(doc.StyleCount(), 3);
    EXPECT_EQ(RecordsOf(doc),
              (std::vector<StyleRecord>{
                  {"A", {"line of A"}}, {"C", {"line of C"}}, {"D", {"line of D"}}}));
}

TEST(StyleDocumentRemove, FirstAndLastRecords) {
    StyleDocument doc = DocumentWith({"A", "B", "C"});
    doc.RemoveRecord(2);
    EXPECT_EQ(doc.ListItems(), (Items{"A", "B"}));
    doc.RemoveRecord(0);
    EXPECT_EQ(RecordsOf(doc), (std::vector<StyleRecord>{{"B", {"line of B"}}}));
    doc.RemoveRecord(0);
    EXPECT_EQ(doc.StyleCount(), 0);
    EXPECT_TRUE(ComposeSheet(doc).empty());
}

TEST(StyleDocumentRemove, RemovesTheGivenOneOfTwoDuplicates) {
    StyleDocument doc;
    doc.ReplaceRecords({{"P", {"x"}}, {"P", {"y"}}, {"Q", {"q"}}});
    doc.RemoveRecord(0);
    EXPECT_EQ(RecordsOf(doc), (std::vector<StyleRecord>{{"P", {"y"}}, {"Q", {"q"}}}));
}

TEST(StyleDocumentRemove, RemovedRecordIsGoneAfterAddingAgain) {
    StyleDocument doc = DocumentWith({"A", "B", "C"});
    doc.RemoveRecord(0);
    ASSERT_TRUE(doc.AddStyleRecord("A"));
    EXPECT_EQ(RecordsOf(doc),
              (std::vector<StyleRecord>{{"B", {"line of B"}}, {"C", {"line of C"}}, {"A", {}}}));
}

} // namespace
} // namespace tesselo
