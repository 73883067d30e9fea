#pragma once

// A user who answers the panel's colour and picture dialogs from a script, and a
// windowless editing session with the panel's handlers on it, watched for the three
// effects of a change: the document modified, the text rewritten, the notification.

#include "panel/PanelHandlers.h"
#include "support/Fakes.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tesselo::testing {

class FakePanelDialogs : public PanelDialogs {
public:
    std::optional<Color> ChooseColor(Color initial) override {
        ColorDialogInitial.push_back(initial);
        return Take(ColorChoices);
    }
    std::optional<std::string> ChooseBackgroundPicture() override {
        ++PictureDialogs;
        return Take(PictureChoices);
    }

    std::deque<std::optional<Color>> ColorChoices; // nullopt cancels; empty cancels too
    std::deque<std::optional<std::string>> PictureChoices;
    std::vector<Color> ColorDialogInitial;
    int PictureDialogs = 0;

private:
    template <typename T> static std::optional<T> Take(std::deque<std::optional<T>>& choices) {
        if (choices.empty())
            return std::nullopt;
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

// What one handler call did.
struct PanelEffects {
    bool Modified = false;
    bool Rewrote = false; // the writer ran
    int Notified = 0;
    bool RecordEdited = false;
    bool operator==(const PanelEffects&) const = default;
};

inline constexpr const char* kStaleWriterLine = "; stale: line;";

struct PanelSession {
    PanelSession() : handlers(editor, dialogs, choices) {
        handlers.OnNotifyChange = [this] { ++notified; };
        handlers.OnFocusAway = [this] { ++focusMoves; };
        // One rule as read from a file: written as read until something edits it.
        std::vector<StyleRecord> records;
        records.push_back(StyleRecord::FromSource("Body", "Body {}", 0, 6, 6));
        editor.Document.ReplaceRecords(std::move(records));
        editor.Document.CurrentStyleIndex = 0;
    }

    // Runs `act` on a saved, untouched document and reports what it changed. A writer
    // line the panel does not hold shows whether the writer ran: it drops it.
    template <typename Act> PanelEffects Observe(Act act) {
        editor.Document.Modified = false;
        editor.CSSMemo.Lines.insert(editor.CSSMemo.Lines.begin(), kStaleWriterLine);
        notified = 0;
        act();
        PanelEffects effects;
        effects.Modified = editor.Document.Modified;
        effects.Rewrote =
            editor.CSSMemo.Lines.empty() || editor.CSSMemo.Lines[0] != kStaleWriterLine;
        effects.Notified = notified;
        effects.RecordEdited = editor.Document.Record(0).Edited();
        if (!effects.Rewrote)
            editor.CSSMemo.Lines.erase(editor.CSSMemo.Lines.begin());
        return effects;
    }

    LineList Memo() const { return editor.CSSMemo.Lines; }
    PropertySet& Panel() { return editor.Panel; }

    FakeFiles files;
    StyleEditor editor{files, {"DejaVu Sans", "Verdana"}};
    FakeDialogs dialogs;
    FakePanelDialogs choices;
    PanelHandlers handlers;
    int notified = 0;
    int focusMoves = 0;
};

} // namespace tesselo::testing
