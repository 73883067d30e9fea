#pragma once

// The small bar under a text view that finds a text in it (Ctrl+F: next and previous,
// and which of how many the match is, "2 из 5") or takes the caret to a line
// (Ctrl+G). Esc or its cross closes it and gives the keys back to the view.

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace tesselo {

class FindBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindBar)
public:
    FindBar(QPlainTextEdit& view, QWidget* parent);

    // The bar opened to find, with the view's selection to look for when it has one.
    void OpenFind();
    void OpenGoToLine();
    // The next match after the caret (or before it), selected; false when none.
    bool Find(bool backwards = false);
    bool GoToLine(int line);
    // "2 из 5": the match selected among all; "не найдено" without any.
    QString CountText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close();
    void ShowCount();

    QPlainTextEdit& view_;
    QWidget* findRow_ = nullptr;
    QLineEdit* findText_ = nullptr;
    QLabel* count_ = nullptr;
    QWidget* lineRow_ = nullptr;
    QLineEdit* lineText_ = nullptr;
    // The view's text as last searched, read again only when the view's text changed.
    QString searched_;
    int searchedRevision_ = -1;
};

} // namespace tesselo
