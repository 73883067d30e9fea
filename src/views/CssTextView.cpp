#include "views/CssTextView.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBlock>
#include <QToolTip>

namespace tesselo {
namespace {

// How far the partner of a bracket is looked for: a bracket that far away is no use to
// see, and a big sheet is not read through for it.
constexpr int kBracketReach = 20'000;

class LineNumberArea final : public QWidget {
public:
    explicit LineNumberArea(CssTextView& view) : QWidget(&view), view_(view) {
        setObjectName(QStringLiteral("LineNumbers"));
    }
    QSize sizeHint() const override { return {view_.LineNumbersWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { view_.PaintLineNumbers(event); }

private:
    CssTextView& view_;
};

bool IsOpening(QChar c) {
    return c == QLatin1Char('{') || c == QLatin1Char('(') || c == QLatin1Char('[');
}
bool IsClosing(QChar c) {
    return c == QLatin1Char('}') || c == QLatin1Char(')') || c == QLatin1Char(']');
}
QChar Partner(QChar c) {
    switch (c.unicode()) {
    case '{':
        return QLatin1Char('}');
    case '(':
        return QLatin1Char(')');
    case '[':
        return QLatin1Char(']');
    case '}':
        return QLatin1Char('{');
    case ')':
        return QLatin1Char('(');
    default:
        return QLatin1Char('[');
    }
}

bool IsKey(const QKeyEvent& key, Qt::Key which) {
    return key.key() == which && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

} // namespace

CssTextView::CssTextView(QWidget* parent) : QPlainTextEdit(parent) {
    lineNumbers_ = new LineNumberArea(*this);
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            [this] { setViewportMargins(LineNumbersWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, &CssTextView::UpdateLineNumbers);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CssTextView::MatchBrackets);
    setViewportMargins(LineNumbersWidth(), 0, 0, 0);
}

void CssTextView::SetCompleter(QCompleter* completer, std::function<void()> takeChoice) {
    completer_ = completer;
    takeChoice_ = std::move(takeChoice);
}

int CssTextView::LineNumbersWidth() const {
    int digits = 1;
    for (int lines = std::max(1, blockCount()); lines >= 10; lines /= 10)
        ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(digits, 3);
}

void CssTextView::UpdateLineNumbers(const QRect& rect, int dy) {
    if (dy != 0)
        lineNumbers_->scroll(0, dy);
    else
        lineNumbers_->update(0, rect.y(), lineNumbers_->width(), rect.height());
}

void CssTextView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect inside = contentsRect();
    lineNumbers_->setGeometry(inside.left(), inside.top(), LineNumbersWidth(), inside.height());
}

void CssTextView::PaintLineNumbers(QPaintEvent* event) {
    QPainter painter(lineNumbers_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int height = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(0, top, lineNumbers_->width() - 4, height, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top = bottom;
    }
}

// The bracket just after the caret, or else just before it, and its partner.
void CssTextView::MatchBrackets() {
    QTextDocument* text = document();
    const int caret = textCursor().position();
    int at = -1;
    for (int candidate : {caret, caret - 1}) {
        const QChar c = candidate >= 0 ? text->characterAt(candidate) : QChar();
        if (IsOpening(c) || IsClosing(c)) {
            at = candidate;
            break;
        }
    }
    QList<QTextEdit::ExtraSelection> shown;
    brackets_ = {-1, -1};
    if (at >= 0) {
        const QChar bracket = text->characterAt(at);
        const QChar partner = Partner(bracket);
        const int step = IsOpening(bracket) ? 1 : -1;
        const int end = text->characterCount();
        int depth = 0;
        int found = -1;
        for (int i = at; i >= 0 && i < end && std::abs(i - at) < kBracketReach; i += step) {
            const QChar c = text->characterAt(i);
            if (c == bracket)
                ++depth;
            else if (c == partner && --depth == 0) {
                found = i;
                break;
            }
        }
        brackets_ = {at, found};
        for (int position : {at, found}) {
            if (position < 0)
                continue;
            QTextEdit::ExtraSelection selection;
            selection.cursor = QTextCursor(text);
            selection.cursor.setPosition(position);
            selection.cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
            selection.format.setBackground(found >= 0 ? QColor(0xb4, 0xe6, 0xb4)
                                                      : QColor(0xf4, 0xb4, 0xb4));
            shown.append(selection);
        }
    }
    setExtraSelections(shown);
}

bool CssTextView::event(QEvent* event) {
    // These keys are the view's while it has the focus, ahead of the window's shortcuts
    // (Ctrl+F finds a style in the list elsewhere).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsKey(*key, Qt::Key_F) || IsKey(*key, Qt::Key_G) || IsKey(*key, Qt::Key_Space)) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void CssTextView::keyPressEvent(QKeyEvent* event) {
    if (IsKey(*event, Qt::Key_F)) {
        emit FindWanted();
        return;
    }
    if (IsKey(*event, Qt::Key_G)) {
        emit GoToLineWanted();
        return;
    }
    if (IsKey(*event, Qt::Key_Space)) {
        if (!isReadOnly())
            emit CompletionWanted(false);
        return;
    }
    const bool listOpen = completer_ && completer_->popup()->isVisible();
    if (listOpen) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
            takeChoice_();
            return;
        case Qt::Key_Escape:
            completer_->popup()->hide();
            return;
        default:
            break;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
    const QString typed = event->text();
    if (isReadOnly() || !completer_)
        return;
    if (!typed.isEmpty() && typed.at(0).isPrint())
        emit CompletionWanted(true);
    else if (listOpen && event->key() == Qt::Key_Backspace)
        emit CompletionWanted(true);
}

bool CssTextView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && hintAt_) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintAt_(cursorForPosition(help->pos()).position());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, viewport());
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
}

} // namespace tesselo
