#pragma once

// What a change did to one rule where it stands, kept small for the undo history: its
// selector, its block and its lines in the editor's layout as the changed middle of
// each, and its marks. A panel's change of one value in a rule of megabytes keeps that
// value, where a copy of the rule before and after would keep the megabytes twice.

#include "document/StyleDocument.h"
#include "document/TextSplice.h"

#include <optional>
#include <string>

namespace tesselo {

class RecordChange {
public:
    // None when the two differ in more than their selector, texts and marks (their
    // source, depth or place as read), or are no rules: such records are kept whole.
    static std::optional<RecordChange> Between(const StyleRecord& before, const StyleRecord& after);

    // Takes the change back in the record as the change left it, or does it again in
    // the record as the change found it: the record is then the one before (after) byte
    // for byte.
    void Undo(StyleRecord& record) const;
    void Redo(StyleRecord& record) const;

    // The record after is not the one before.
    bool Changes() const;
    // What the change holds, itself included.
    size_t Bytes() const;

private:
    // The marks that say which of its texts a record is written from.
    struct Marks {
        bool Edited = false;
        bool BlockReplaced = false;
        bool LinesSet = false;
        bool operator==(const Marks&) const = default;
    };
    void Apply(StyleRecord& record, const Marks& to, bool redo) const;

    TextSplice<std::string> selector_;
    TextSplice<std::string> block_; // the block as BlockText gives it
    TextSplice<LineList> lines_;    // the lines set in the editor's layout; none when cut
    Marks before_;
    Marks after_;
};

} // namespace tesselo
