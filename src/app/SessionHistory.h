#pragma once

// The undo history of the open sheet: every step the editing session announces, on a
// QUndoStack. A gesture on one property of one rule (a held spinner, keys typed into a
// field, clicks in a quick run) is one step; undoing back to the text as last saved
// leaves nothing to save, and opening or a new document starts an empty history. The
// steps hold what they changed, up to a budget of memory: past it the oldest steps go,
// and where the text as last saved went with them, nothing takes the sheet back to it.

#include "editor/StyleEditor.h"

#include <QAction>
#include <QObject>
#include <QPlainTextEdit>
#include <QString>
#include <QTimer>
#include <QUndoStack>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string_view>

namespace tesselo {

// The memory the steps of a history may hold.
constexpr size_t kHistoryBudget = size_t{256} << 20;

class SessionHistory final : public QObject {
    Q_OBJECT
public:
    // `decode` turns a selector, in the sheet's bytes, into the text the labels show.
    using Decoder = std::function<QString(std::string_view)>;
    SessionHistory(StyleEditor& editor, Decoder decode, QObject* parent = nullptr,
                   size_t budget = kHistoryBudget);
    ~SessionHistory() override;
    SessionHistory(const SessionHistory&) = delete;
    SessionHistory& operator=(const SessionHistory&) = delete;

    // Text typed into the view and not yet stored is stored first: it is taken back too.
    // Text the session refuses to store stays in the view, and no step is taken.
    void Undo();
    void Redo();
    // The two actions say what they would take back and do again, and are in use only
    // when there is something.
    void Drive(QAction& undo, QAction& redo);

    QUndoStack& Stack() { return stack_; }
    // How long after the last step the heap's free memory is given back.
    static constexpr int kPauseMs = 2000;
    // What the steps on the stack hold, in bytes.
    size_t Bytes() const { return bytes_; }

private:
    void Follow(const SessionChange& change);
    // Over the budget, the oldest steps done go: the stack is made again of the others,
    // where the session stands, nothing taken back or done again.
    void Trim();

    StyleEditor& editor_;
    Decoder decode_;
    size_t budget_;
    size_t bytes_ = 0;
    QUndoStack stack_;
    QTimer pause_; // a while after the last step
    int observer_ = 0;
    bool applying_ = false;   // a step is being taken back or done again
    bool rebuilding_ = false; // the stack is being made again
};

// Whether Ctrl+Z (`undo`) or the keys that redo, pressed with the focus in `focus`, take
// back the sheet's steps rather than the typing of a text box: the style's text view
// (`memo`) keeps its own until its text is stored; the fields of the panel (inside
// `panel`) store their text at each key, while a font box holds what was typed until
// it is confirmed; other boxes keep their own.
bool KeysAreTheSheets(bool undo, const QWidget& focus, const QPlainTextEdit& memo,
                      std::initializer_list<const QWidget*> panel);

} // namespace tesselo
