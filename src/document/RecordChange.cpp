#include "document/RecordChange.h"

namespace tesselo {
namespace {

// The lines a record gives when they are not its own: cut from its block, when asked.
const LineList& NoLines() {
    static const LineList none;
    return none;
}

} // namespace

std::optional<RecordChange> RecordChange::Between(const StyleRecord& before,
                                                  const StyleRecord& after) {
    // A rule's lines, when not set, are cut from its source or its block again when
    // asked: no record of the history needs to keep them.
    auto rule = [](const StyleRecord& r) {
        return !r.group_ && (r.fromSource_ || r.linesSet_ || r.blockReplaced_);
    };
    if (!rule(before) || !rule(after) || before.fromSource_ != after.fromSource_ ||
        before.depth_ != after.depth_ || before.selectorStart_ != after.selectorStart_ ||
        before.blockStart_ != after.blockStart_ || before.blockEnd_ != after.blockEnd_ ||
        before.readPosition_ != after.readPosition_ || before.closeAfter_ != after.closeAfter_ ||
        before.close_ != after.close_ || before.selectorRead_ != after.selectorRead_ ||
        before.source_ != after.source_)
        return std::nullopt;
    RecordChange change;
    change.selector_ = TextSplice<std::string>::Between(before.Selector, after.Selector);
    change.block_ = TextSplice<std::string>::Between(before.BlockText(), after.BlockText());
    change.lines_ = TextSplice<LineList>::Between(before.linesSet_ ? before.lines_ : NoLines(),
                                                  after.linesSet_ ? after.lines_ : NoLines());
    change.before_ = {before.edited_, before.blockReplaced_, before.linesSet_};
    change.after_ = {after.edited_, after.blockReplaced_, after.linesSet_};
    return change;
}

void RecordChange::Undo(StyleRecord& record) const {
    Apply(record, before_, false);
}

void RecordChange::Redo(StyleRecord& record) const {
    Apply(record, after_, true);
}

void RecordChange::Apply(StyleRecord& record, const Marks& to, bool redo) const {
    // A text that is not as the change left (found) it stays as it is.
    auto put = [redo](const auto& splice, auto& text) {
        if (redo)
            splice.Redo(text);
        else
            splice.Undo(text);
    };
    // The block first: one not replaced is read from the marks and lines as they are.
    if (to.BlockReplaced) {
        if (!record.blockReplaced_)
            record.block_ = record.BlockText();
        put(block_, record.block_);
    } else {
        record.block_ = std::string();
    }
    if (to.LinesSet) {
        if (!record.linesSet_)
            record.lines_ = LineList();
        put(lines_, record.lines_);
        record.linesCut_ = true;
    } else {
        record.lines_ = LineList();
        record.linesCut_ = false;
    }
    put(selector_, record.Selector);
    record.edited_ = to.Edited;
    record.blockReplaced_ = to.BlockReplaced;
    record.linesSet_ = to.LinesSet;
}

bool RecordChange::Changes() const {
    return !selector_.Empty() || !block_.Empty() || !lines_.Empty() || !(before_ == after_);
}

size_t RecordChange::Bytes() const {
    return sizeof(RecordChange) + selector_.Bytes() + block_.Bytes() + lines_.Bytes() -
           sizeof(selector_) - sizeof(block_) - sizeof(lines_);
}

} // namespace tesselo
