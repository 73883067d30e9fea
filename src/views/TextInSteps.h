#pragma once

// A read-only view's text. A short one goes in at once; a long one shows its first
// screens at once and takes the rest in steps between the window's events, so that the
// view of a big sheet is there as soon as it is asked for and the window answers while
// the rest comes. The text is kept in the sheet's bytes and each part is decoded as it
// goes in: a big sheet never lies decoded whole beside its view. A new text stops the
// one still coming.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace tesselo {

class TextInSteps final : public QObject {
public:
    // The text a part of the bytes shows as; parts end at line ends.
    using Decoder = std::function<QString(std::string_view)>;

    explicit TextInSteps(QPlainTextEdit& view);
    void Fill(std::string bytes, Decoder decode);
    // The whole text, that part of it still coming included.
    QString WholeText() const;
    // The text up to character `position` of the whole (and to its line's end) put in now.
    void ShowUpTo(qsizetype position);

private:
    void Step();
    // Puts the bytes up to `end` in after those in already.
    void Append(size_t end);
    // Where the part from `from` on, of about `size` bytes, ends: at a line's end.
    size_t PartEnd(size_t from, size_t size) const;
    bool Coming() const { return at_ < bytes_.size(); }

    QPlainTextEdit& view_;
    std::string bytes_;
    Decoder decode_;
    size_t at_ = 0; // the bytes in the view
    QTimer timer_;
};

} // namespace tesselo
