#include "views/TextInSteps.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace tesselo {
namespace {

// What goes in at once: many screens of a sheet, laid out in a few hundredths of a second.
constexpr qsizetype kFirstPart = 200'000;
// What goes in at each step after: short enough that the window answers between steps.
constexpr qsizetype kStep = 100'000;

} // namespace

TextInSteps::TextInSteps(QPlainTextEdit& view) : QObject(&view), view_(view) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &TextInSteps::Step);
}

qsizetype TextInSteps::PartEnd(qsizetype from, qsizetype size) const {
    if (from + size >= text_.size())
        return text_.size();
    const qsizetype end = text_.indexOf(QLatin1Char('\n'), from + size);
    return end < 0 ? text_.size() : end;
}

void TextInSteps::Fill(QString text) {
    timer_.stop();
    text_ = std::move(text);
    at_ = PartEnd(0, kFirstPart);
    view_.setPlainText(at_ == text_.size() ? text_ : text_.left(at_));
    if (at_ < text_.size())
        timer_.start();
    else
        text_.clear();
}

QString TextInSteps::WholeText() const {
    return at_ < text_.size() ? text_ : view_.toPlainText();
}

void TextInSteps::ShowUpTo(qsizetype position) {
    if (at_ >= text_.size() || position < at_)
        return;
    QTextCursor cursor(view_.document());
    cursor.movePosition(QTextCursor::End);
    const qsizetype end = PartEnd(position, 0);
    cursor.insertText(QStringView(text_).sliced(at_, end - at_).toString());
    at_ = end;
    if (at_ == text_.size()) {
        timer_.stop();
        text_.clear();
    }
}

void TextInSteps::Step() {
    const qsizetype end = PartEnd(at_, kStep);
    // A cursor of its own puts the part in without moving the view or its caret; the
    // part starts with the line break that ends the text before it.
    QTextCursor cursor(view_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringView(text_).sliced(at_, end - at_).toString());
    at_ = end;
    if (at_ == text_.size()) {
        timer_.stop();
        text_.clear();
    }
}

} // namespace tesselo
