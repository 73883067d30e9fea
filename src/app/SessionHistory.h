#pragma once

// The undo history of the open sheet: every step the editing session announces, on a
// QUndoStack. A gesture on one property of one rule (a held spinner, keys typed into a
// field, clicks in a quick run) is one step; undoing back to the text as last saved
// leaves nothing to save, and opening or a new document starts an empty history.

#include "editor/StyleEditor.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <string_view>

namespace tesselo {

class SessionHistory final : public QObject {
    Q_OBJECT
public:
    // `decode` turns a selector, in the sheet's bytes, into the text the labels show.
    using Decoder = std::function<QString(std::string_view)>;
    SessionHistory(StyleEditor& editor, Decoder decode, QObject* parent = nullptr);
    ~SessionHistory() override;
    SessionHistory(const SessionHistory&) = delete;
    SessionHistory& operator=(const SessionHistory&) = delete;

    // Text typed into the view and not yet stored is stored first: it is taken back too.
    void Undo();
    void Redo();

    QUndoStack& Stack() { return stack_; }

private:
    void Follow(const SessionChange& change);

    StyleEditor& editor_;
    Decoder decode_;
    QUndoStack stack_;
    int observer_ = 0;
    bool applying_ = false; // a step is being taken back or done again
};

// What a step is called after "Отменить: " and "Повторить: ", for example
// "Font-size в .btn".
QString StepLabel(const EditStep& step, const SessionHistory::Decoder& decode);

} // namespace tesselo
