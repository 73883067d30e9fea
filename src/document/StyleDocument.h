#pragma once

// The one open style sheet: its style records in sheet order, the text after the last
// rule, the file it belongs to, the modified flag and the whole-sheet line buffer.
// The style list shows the selectors of the records, so the list and the table cannot
// disagree.

#include "document/ByteText.h"
#include "document/FileStamp.h"
#include "document/SheetEncoding.h"
#include "document/SheetLines.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

class RecordChange;

// A conditional group rule, whose block holds rules of their own: "@media",
// "@supports", "@layer", "@container", "@document" and their kin, in any case.
bool IsGroupPrelude(std::string_view selector);

// One rule. A rule read from a file keeps its source, the sheet's text from just
// after the previous rule's "}" up to and including its own "}" (line breaks as
// "\n"), and is written back as that source until the user edits it. Its declaration
// lines are cut from the source when first asked for.
//
// A group (an @media block and its kin) is a record too: its selector is the prelude,
// its source ends with its "{", and its rules follow it as records one level deeper.
// The text after its last rule, up to and including its "}", is its close.
class StyleRecord {
public:
    StyleRecord() = default;
    // A record made in the editor: no source, edited.
    StyleRecord(std::string selector, LineList lines);
    // A record as read: the selector's first byte and the block text (after "{", up
    // to its "}" or the end of the source) are positions in the source.
    static StyleRecord FromSource(std::string selector, std::string source, size_t selectorStart,
                                  size_t blockStart, size_t blockEnd);
    // A group as read: its source runs up to and including its "{".
    static StyleRecord GroupFromSource(std::string prelude, std::string source,
                                       size_t selectorStart);

    bool IsGroup() const { return group_; }
    // How many groups the record stands in: 0 at the top of the sheet.
    int Depth() const { return depth_; }
    void SetDepth(int depth) { depth_ = depth; }
    // A group's text after its last rule, up to and including its "}"; empty for a
    // group left open at the end of the sheet.
    const std::string& Close() const { return close_; }
    void SetClose(std::string close) { close_ = std::move(close); }
    // The blanks in front of the selector on its own line, as read; none when it
    // shares its line with other text.
    std::string_view Indent() const;

    std::string Selector;

    const LineList& Lines() const;
    // The lines in the editor's layout: the rule is written anew from them when edited.
    void SetLines(LineList lines);

    // The text between the rule's braces: as read, as last replaced, or for a record
    // made in the editor its lines joined. Empty for a group.
    std::string BlockText() const;
    // The rule's text as its author writes it: an edited rule is its source with this
    // block in place of the one read (and a new selector in place of the old), so
    // that nothing else of it changes.
    void ReplaceBlock(std::string block);
    // The block was replaced since the record was read or its lines were set.
    bool BlockReplaced() const { return blockReplaced_; }
    // The source with the replaced block (and selector) spliced in; for a rule read
    // from the sheet only.
    std::string SplicedSource() const;
    // The record was read from the sheet as a rule: its source holds its selector and
    // block.
    bool HasRuleSource() const { return fromSource_ && !group_; }

    // Changed by the user since it was read; a record without a source always is.
    bool Edited() const { return edited_; }
    void MarkEdited() { edited_ = true; }

    const std::string& Source() const { return source_; }
    // The source in front of the selector's first byte: the comments and blanks that
    // stand before the rule.
    std::string_view FrontPart() const {
        return std::string_view(source_).substr(0, selectorStart_);
    }
    // The selector as the composer writes it: as in the source, with its comments and
    // line breaks, unless it was renamed since.
    std::string_view WrittenSelector() const;
    // Puts text in front of the source, as the front part of a removed record.
    void PrependSource(std::string_view text);
    // Takes the first `bytes` of the front part out of the source.
    void DropFront(size_t bytes);

    // Where the record stood in the sheet as read, from 1; 0 for a record made in the
    // editor. A rule that no longer follows the one it followed may need a line break.
    size_t ReadPosition() const { return readPosition_; }
    // A group's close followed the record at this read position.
    size_t CloseAfter() const { return closeAfter_; }

    // Records compare by what they show and write: selector, lines, source, edited.
    bool operator==(const StyleRecord& other) const;
    // The memory the record holds, itself included.
    size_t Bytes() const;

private:
    friend class StyleDocument;
    friend class RecordChange;

    std::string source_;
    std::string selectorRead_; // the selector as read from the source
    size_t selectorStart_ = 0;
    size_t blockStart_ = 0;
    size_t blockEnd_ = 0;
    std::string close_;
    size_t readPosition_ = 0;
    size_t closeAfter_ = 0;
    int depth_ = 0;
    bool group_ = false;
    bool edited_ = true;
    bool fromSource_ = false;
    bool blockReplaced_ = false;
    std::string block_;     // the replaced block
    bool linesSet_ = false; // the lines were given in the editor's layout
    mutable bool linesCut_ = true;
    mutable LineList lines_;
};

class StyleDocument {
public:
    StyleDocument();

    int StyleCount() const { return static_cast<int>(records_.size()); }

    // Record i, 0 <= i < StyleCount; anything else throws std::out_of_range.
    const StyleRecord& Record(int i) const;

    // The items of the style list: the selectors of the records.
    std::vector<std::string> ListItems() const;

    // The new-document state: the single style "Body".
    void NewCSS();

    // Appends a record with no lines and no source.
    void AddStyleRecord(const std::string& selector);
    // Puts a record with no lines and no source at row `at`, `depth` groups deep.
    void InsertStyleRecord(int at, const std::string& selector, int depth);

    // The tree of groups over the rows. A row's rows are those that follow it one level
    // deeper; a rule has none.
    // The first row after `i` and the rows in it.
    int SubtreeEnd(int i) const;
    // The group that holds row `i`; -1 at the top.
    int ParentOf(int i) const;
    // The rows directly in `group` (-1: the top of the sheet), in order.
    std::vector<int> ChildrenOf(int group) const;

    // Permutes the records so that record i carries the selector of items[i]; lines
    // and sources travel with their selector. Equal names keep their order.
    void ReorderStylesByList(const std::vector<std::string>& items);

    // Moves record `from` so that it ends at position `to`; the others keep their order.
    void MoveRecord(int from, int to);
    // Puts the records in the given order: record i becomes record order[i]. The order
    // must hold every index once.
    void ApplyOrder(const std::vector<int>& order);

    // Renaming: the record is edited from then on.
    void SetSelector(int i, const std::string& selector);
    // The write-back of the text view; whether the record counts as edited is the
    // caller's to say.
    void ReplaceLines(int i, LineList lines);
    // The write-back of a rule's block as its author's text.
    void ReplaceBlock(int i, std::string block);
    void MarkEdited(int i);
    // The record leaves the table, a group with its rules; the comments in front of it
    // stay, in front of the next record of its group, in its group's close or in the
    // tail.
    void RemoveRecord(int i);
    // Shifts the depth of `count` rows from `at` on by `by`.
    void ShiftDepth(int at, int count, int by);
    // Puts `records` in place of the `count` records from `at` on, as they stood
    // before a change: taking a change back.
    void ReplaceRange(int at, int count, std::vector<StyleRecord> records);
    void SetTail(std::string tail) { tail_ = std::move(tail); }
    // Takes back, or does again, a change of record i that the undo history keeps as
    // what changed in it.
    void UndoChange(int i, const RecordChange& change);
    void RedoChange(int i, const RecordChange& change);

    // Replaces the records and the tail by those of a sheet just read. The sheet's
    // header, the comment at the very top (a licence, a title), is taken out of the
    // first record's front part: it stays on top whatever order the rules take.
    void ReplaceRecords(std::vector<StyleRecord> records, std::string tail = {});

    // The header in front of the first rule ("\n" line breaks): the sheet's first
    // comment, up to the end of its line, and further up to the last blank line in
    // front of the first rule; empty when the sheet does not start with a comment.
    const std::string& Head() const { return head_; }
    // What follows the last rule's "}" in the text as read ("\n" line breaks).
    const std::string& Tail() const { return tail_; }
    // How many rules the sheet as read held: the tail followed the last of them.
    size_t RecordsRead() const { return recordsRead_; }

    std::string FileName; // empty for a new, never saved document
    bool Modified = false;
    // A preview refresh wrote the file since it was read or saved: until then the
    // file is the text as read, afterwards only the backup copy is.
    bool FileRewritten = false;
    // The file as the editor last read or wrote it; none for a new document.
    std::optional<FileStamp> DiskStamp;
    SheetLines SheetText;       // the file as read, or the last composed sheet
    std::string LineEnd{kCrLf}; // the line end the sheet is written with
    bool ByteOrderMark = false; // the sheet starts with a UTF-8 byte-order mark
    bool FinalLineEnd = true;   // its last line ends with a line break, as most do
    SheetEncoding Encoding = SheetEncoding::Utf8;

private:
    StyleRecord& At(int i);

    std::vector<StyleRecord> records_;
    std::string head_;
    std::string tail_;
    size_t recordsRead_ = 0;
};

std::string WindowCaptionFor(const std::string& fileName);

} // namespace tesselo
