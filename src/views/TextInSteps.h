#pragma once

// A read-only view's text. A short one goes in at once; a long one shows its first
// screens at once and takes the rest in steps between the window's events, so that the
// view of a big sheet is there as soon as it is asked for and the window answers while
// the rest comes. A new text stops the one still coming.

#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;

namespace tesselo {

class TextInSteps final : public QObject {
public:
    explicit TextInSteps(QPlainTextEdit& view);
    void Fill(QString text);
    // The whole text, that part of it still coming included.
    QString WholeText() const;
    // The text up to `position` (and to its line's end) put in now.
    void ShowUpTo(qsizetype position);

private:
    void Step();
    // Where the part from `from` on, of about `size` characters, ends: at a line's end.
    qsizetype PartEnd(qsizetype from, qsizetype size) const;

    QPlainTextEdit& view_;
    QString text_;
    qsizetype at_ = 0;
    QTimer timer_;
};

} // namespace tesselo
