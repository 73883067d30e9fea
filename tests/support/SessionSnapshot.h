#pragma once

// What an editing session shows and would write, taken without committing anything: its
// rules, the text after them, the current row and its text view. Taking a step back
// (or doing it again) must give back the snapshot taken where the step began (ended).

#include "editor/StyleEditor.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tesselo::testing {

struct SessionSnapshot {
    std::vector<StyleRecord> Rules;
    std::vector<std::string> Blocks; // each rule's block as it would be written
    std::string Tail;
    int Current = -1;
    TextView Memo;
    bool operator==(const SessionSnapshot&) const = default;
};

inline SessionSnapshot SnapshotOf(const StyleEditor& editor) {
    SessionSnapshot snapshot;
    const StyleDocument& document = editor.Document();
    for (int i = 0; i < document.StyleCount(); ++i) {
        snapshot.Rules.push_back(document.Record(i));
        snapshot.Blocks.push_back(document.Record(i).BlockText());
    }
    snapshot.Tail = document.Tail();
    snapshot.Current = editor.Current();
    snapshot.Memo = editor.Memo();
    return snapshot;
}

// Where the two differ first, for a failure's message.
inline std::string Difference(const SessionSnapshot& a, const SessionSnapshot& b) {
    for (size_t i = 0; i < std::min(a.Rules.size(), b.Rules.size()); ++i)
        if (!(a.Rules[i] == b.Rules[i]) || a.Blocks[i] != b.Blocks[i])
            return "rule " + std::to_string(i) + ": \"" + a.Blocks[i].substr(0, 100) + "\"";
    if (a.Rules.size() != b.Rules.size())
        return "the number of rules";
    if (a.Current != b.Current)
        return "the current rule";
    if (a.Tail != b.Tail)
        return "the tail";
    auto view = [](const TextView& memo) {
        std::string text = memo.Edited ? "(edited) " : "";
        for (const auto& line : memo.Lines)
            text += line + "|";
        return text;
    };
    return "the text view: \"" + view(a.Memo) + "\" against \"" + view(b.Memo) + "\"";
}

} // namespace tesselo::testing
