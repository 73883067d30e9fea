#pragma once

// A user who answers the panel's colour and picture dialogs from a script, and a
// windowless editing session with the panel's handlers on it, watched for the three
// effects of a change: the document modified, the text rewritten, the refresh.

#include "panel/PanelHandlers.h"
#include "support/EditorLayout.h"
#include "support/Fakes.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
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

    std::optional<std::string> AskName(const std::string&, const std::string&,
                                       const std::string& initial) override {
        NameAsked.push_back(initial);
        return Take(NameChoices);
    }

    std::deque<std::optional<Color>> ColorChoices; // nullopt cancels; empty cancels too
    std::deque<std::optional<std::string>> NameChoices;
    std::vector<std::string> NameAsked;
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
struct HandlerEffects {
    bool Modified = false;
    bool Rewrote = false; // the writer ran
    int Notified = 0;
    bool RecordEdited = false;
    bool operator==(const HandlerEffects&) const = default;
};

// Message boxes that can act inside their own loop, as a held spinner's repeat does.
class PanelFakeDialogs : public FakeDialogs {
public:
    Answer Show(const Message& message) override {
        if (OnShow)
            OnShow();
        return FakeDialogs::Show(message);
    }
    std::function<void()> OnShow;
};

struct PanelSession {
    PanelSession() : handlers(editor, dialogs, choices) {
        handlers.OnFocusAway = [this] { ++focusMoves; };
        editor.Observe([this](const SessionChange& change) {
            notified += change.Refreshes ? 1 : 0;
            rewrites += change.TextWritten ? 1 : 0;
        });
        // One rule as read from a file: written as read until something edits it.
        Take(StyleRecord::FromSource("Body", "Body {}", 0, 6, 6));
    }

    // The one rule of the document, current, and the sheet's file.
    void Take(StyleRecord rule, const std::string& file = {}) {
        StyleDocument document;
        std::vector<StyleRecord> records;
        records.push_back(std::move(rule));
        document.ReplaceRecords(std::move(records));
        document.FileName = file;
        editor.TakeDocument(std::move(document));
        editor.Select(0);
    }

    // Runs `act` on a saved, untouched document and reports what it changed.
    template <typename Act> HandlerEffects Observe(Act act) {
        editor.MarkSaved();
        notified = 0;
        rewrites = 0;
        act();
        HandlerEffects effects;
        effects.Modified = editor.Document().Modified;
        effects.Rewrote = rewrites > 0;
        effects.Notified = notified;
        effects.RecordEdited = editor.Document().Record(0).Edited();
        return effects;
    }

    LineList Memo() const { return editor.Memo().Lines; }
    const PropertySet& Panel() const { return editor.Panel(); }
    // Puts the panel into a state to start from, as shown and not yet announced.
    void Prepare(const StyleEditor::PanelEdit& edit) { editor.ShowInPanel(edit); }

    FakeFiles files;
    LayoutEditor editor{files, {"DejaVu Sans", "Verdana"}};
    PanelFakeDialogs dialogs;
    FakePanelDialogs choices;
    PanelHandlers handlers;
    int notified = 0;
    int rewrites = 0;
    int focusMoves = 0;
};

// Keys typed into a length field as its widget passes them on, each released.
inline void TypeInto(PanelSession& s, Length field, std::string_view keys) {
    for (char key : keys) {
        KeyVerdict verdict = s.handlers.TEditKeyPress(field, key);
        if (verdict.Accepted)
            s.handlers.TEditTextEdited(field, s.handlers.ShownText(field) + verdict.Key);
        s.handlers.TEditKeyUp(field);
    }
}

// A text put into a field (typed or pasted) and the field left.
inline bool Leave(PanelSession& s, Length field, const std::string& text) {
    s.handlers.TEditTextEdited(field, text);
    return s.handlers.TEditExit(field);
}

} // namespace tesselo::testing
