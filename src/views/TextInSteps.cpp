#include "views/TextInSteps.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace tesselo {
namespace {

// What goes in at once: many screens of a sheet, laid out in a few hundredths of a second.
constexpr size_t kFirstPart = 200'000;
// What goes in at each step after: short enough that the window answers between steps.
constexpr size_t kStep = 100'000;

} // namespace

TextInSteps::TextInSteps(QPlainTextEdit& view) : QObject(&view), view_(view) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &TextInSteps::Step);
}

size_t TextInSteps::PartEnd(size_t from, size_t size) const {
    if (from + size >= bytes_.size())
        return bytes_.size();
    const size_t end = bytes_.find('\n', from + size);
    return end == std::string::npos ? bytes_.size() : end;
}

void TextInSteps::Fill(std::string bytes, Decoder decode) {
    timer_.stop();
    bytes_ = std::move(bytes);
    decode_ = std::move(decode);
    at_ = PartEnd(0, kFirstPart);
    view_.setPlainText(decode_(std::string_view(bytes_).substr(0, at_)));
    if (Coming())
        timer_.start();
    else
        bytes_.clear();
}

QString TextInSteps::WholeText() const {
    return Coming() ? decode_(bytes_) : view_.toPlainText();
}

void TextInSteps::Append(size_t end) {
    // A cursor of its own puts the part in without moving the view or its caret; the
    // part starts with the line break that ends the text before it.
    QTextCursor cursor(view_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(decode_(std::string_view(bytes_).substr(at_, end - at_)));
    at_ = end;
    if (!Coming()) {
        timer_.stop();
        bytes_.clear();
        bytes_.shrink_to_fit();
    }
}

void TextInSteps::ShowUpTo(qsizetype position) {
    if (!Coming())
        return;
    // The characters in the view, then the bytes of the rest until `position` is reached:
    // a part's characters are known only decoded.
    qsizetype shown = view_.document()->characterCount() - 1;
    size_t end = at_;
    while (shown <= position && end < bytes_.size()) {
        const size_t next = PartEnd(end + 1, kStep);
        shown += decode_(std::string_view(bytes_).substr(end, next - end)).size();
        end = next;
    }
    if (end > at_)
        Append(end);
}

void TextInSteps::Step() {
    Append(PartEnd(at_, kStep));
}

} // namespace tesselo
