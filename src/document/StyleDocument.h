#pragma once

// The one open style sheet: a table of style records in sheet order, the file it
// belongs to, the modified flag and the whole-sheet line buffer. The style list
// shows the selectors of records 0 to StyleCount - 1, so the list and the table
// cannot disagree.

#include "document/ByteText.h"
#include "document/SheetLines.h"

#include <array>
#include <string>
#include <vector>

namespace tesselo {

inline constexpr int kStyleCapacity = 1001;

struct StyleRecord {
    std::string Selector;
    LineList Lines;
    bool operator==(const StyleRecord&) const = default;
};

class StyleDocument {
public:
    StyleDocument();

    int StyleCount() const { return styleCount_; }

    // Record i, 0 <= i < StyleCount; anything else throws std::out_of_range.
    const StyleRecord& Record(int i) const;

    // The items of the style list: the selectors of the records in use.
    std::vector<std::string> ListItems() const;

    // The new-document state: the single style "Body", selected and current.
    void NewCSS();

    // Appends a record with no lines. Refuses (returns false, changes nothing) when
    // the table is full.
    bool AddStyleRecord(const std::string& selector);

    // Permutes the records so that record i carries the selector of items[i]; lines
    // travel with their selector. With duplicates the first remaining record of a
    // name is taken, so equal names keep their order.
    void ReorderStylesByList(const std::vector<std::string>& items);

    void SetSelector(int i, const std::string& selector);
    void ReplaceLines(int i, const LineList& lines);
    void RemoveRecord(int i);

    // Replaces the records in use by the given ones (at most kStyleCapacity); slots
    // past them keep what they held.
    void ReplaceRecords(std::vector<StyleRecord> records);

    std::string FileName; // empty for a new, never saved document
    bool Modified = false;
    int CurrentStyleIndex = -1; // the record whose lines are in CSSMemo
    int SelectedRow = -1;       // the style list's selected item, -1 for none
    SheetLines SheetText;       // the file as read, or the last composed sheet
    std::string Caption;        // the main window's caption

private:
    std::vector<StyleRecord> records_; // kStyleCapacity slots
    int styleCount_ = 0;
};

std::string WindowCaptionFor(const std::string& fileName);

} // namespace tesselo
