#pragma once

// A text view of CSS: a plain text box with the line numbers in a margin, the bracket
// at the caret and its partner shown, the hint of a mark under the mouse as its tool
// tip, and the keys that find a text (Ctrl+F), go to a line (Ctrl+G) and complete
// (Ctrl+Space) taken here before the window's shortcuts see them.

#include <QPlainTextEdit>
#include <functional>

class QCompleter;

namespace tesselo {

class CssTextView final : public QPlainTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CssTextView)
public:
    explicit CssTextView(QWidget* parent = nullptr);

    // The margin with the line numbers.
    QWidget* LineNumbers() const { return lineNumbers_; }
    // The hint of the mark at a character position, or an empty text.
    void SetHintAt(std::function<QString(int)> hintAt) { hintAt_ = std::move(hintAt); }
    // The completer whose list Enter and Tab take a choice from while it is open.
    void SetCompleter(QCompleter* completer, std::function<void()> takeChoice);
    // The positions of the bracket at the caret and of its partner; -1 without.
    std::pair<int, int> MatchedBrackets() const { return brackets_; }

    void PaintLineNumbers(QPaintEvent* event);
    int LineNumbersWidth() const;

signals:
    void FindWanted();
    void GoToLineWanted();
    // A character typed (`typed`) or Ctrl+Space (not `typed`): the choices may change.
    void CompletionWanted(bool typed);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void MatchBrackets();
    void UpdateLineNumbers(const QRect& rect, int dy);

    QWidget* lineNumbers_ = nullptr;
    std::function<QString(int)> hintAt_;
    QCompleter* completer_ = nullptr;
    std::function<void()> takeChoice_;
    std::pair<int, int> brackets_{-1, -1};
};

} // namespace tesselo
