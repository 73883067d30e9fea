#include "views/FindBar.h"
#include "panel/UiText.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

namespace tesselo {
namespace {

QToolButton* Button(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

QHBoxLayout* Row(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(4);
    return layout;
}

} // namespace

FindBar::FindBar(QPlainTextEdit& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("FindBar"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    findRow_ = new QWidget(this);
    QHBoxLayout* find = Row(findRow_);
    find->addWidget(new QLabel(Tr("Найти:"), findRow_));
    findText_ = new QLineEdit(findRow_);
    findText_->setObjectName(QStringLiteral("FindText"));
    findText_->setClearButtonEnabled(true);
    find->addWidget(findText_, 1);
    QToolButton* previous =
        Button(findRow_, "FindPrevious", QStringLiteral("▲"), Tr("Предыдущее (Shift+Enter)"));
    QToolButton* next = Button(findRow_, "FindNext", QStringLiteral("▼"), Tr("Следующее (Enter)"));
    find->addWidget(previous);
    find->addWidget(next);
    count_ = new QLabel(findRow_);
    count_->setObjectName(QStringLiteral("FindCount"));
    find->addWidget(count_);
    QToolButton* close = Button(findRow_, "FindClose", QStringLiteral("✕"), Tr("Закрыть (Esc)"));
    find->addWidget(close);
    layout->addWidget(findRow_);

    lineRow_ = new QWidget(this);
    QHBoxLayout* line = Row(lineRow_);
    line->addWidget(new QLabel(Tr("Перейти к строке:"), lineRow_));
    lineText_ = new QLineEdit(lineRow_);
    lineText_->setObjectName(QStringLiteral("GoToLine"));
    lineText_->setValidator(new QIntValidator(1, 1 << 30, lineText_));
    line->addWidget(lineText_, 1);
    QToolButton* lineClose =
        Button(lineRow_, "GoToLineClose", QStringLiteral("✕"), Tr("Закрыть (Esc)"));
    line->addWidget(lineClose);
    layout->addWidget(lineRow_);

    findText_->installEventFilter(this);
    lineText_->installEventFilter(this);
    connect(findText_, &QLineEdit::textEdited, this, [this] {
        // Typing looks again from where the match being typed starts.
        QTextCursor cursor = view_.textCursor();
        cursor.setPosition(cursor.selectionStart());
        view_.setTextCursor(cursor);
        Find();
    });
    connect(next, &QToolButton::clicked, this, [this] { Find(); });
    connect(previous, &QToolButton::clicked, this, [this] { Find(true); });
    connect(close, &QToolButton::clicked, this, &FindBar::Close);
    connect(lineClose, &QToolButton::clicked, this, &FindBar::Close);
    connect(lineText_, &QLineEdit::returnPressed, this, [this] {
        if (GoToLine(lineText_->text().toInt()))
            Close();
    });
    hide();
}

void FindBar::OpenFind() {
    lineRow_->hide();
    findRow_->show();
    show();
    const QString selected = view_.textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        findText_->setText(selected);
    findText_->setFocus();
    findText_->selectAll();
    ShowCount();
}

void FindBar::OpenGoToLine() {
    findRow_->hide();
    lineRow_->show();
    show();
    lineText_->setText(QString::number(view_.textCursor().blockNumber() + 1));
    lineText_->setFocus();
    lineText_->selectAll();
}

bool FindBar::Find(bool backwards) {
    const QString wanted = findText_->text();
    if (wanted.isEmpty()) {
        ShowCount();
        return false;
    }
    QTextDocument* text = view_.document();
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextCursor found = text->find(wanted, view_.textCursor(), flags);
    if (found.isNull()) // round from the other end
        found = text->find(wanted, backwards ? text->characterCount() - 1 : 0, flags);
    if (!found.isNull()) {
        view_.setTextCursor(found);
        view_.centerCursor();
    }
    ShowCount();
    return !found.isNull();
}

bool FindBar::GoToLine(int line) {
    const QTextBlock block = view_.document()->findBlockByNumber(line - 1);
    if (line < 1 || !block.isValid())
        return false;
    view_.setTextCursor(QTextCursor(block));
    view_.centerCursor();
    view_.setFocus();
    return true;
}

QString FindBar::CountText() const {
    return count_->text();
}

void FindBar::ShowCount() {
    const QString wanted = findText_->text();
    if (wanted.isEmpty()) {
        count_->clear();
        return;
    }
    if (searchedRevision_ != view_.document()->revision() || searched_.isEmpty()) {
        searched_ = view_.document()->toPlainText();
        searchedRevision_ = view_.document()->revision();
    }
    const QTextCursor at = view_.textCursor();
    int all = 0;
    int current = 0;
    for (qsizetype i = searched_.indexOf(wanted, 0, Qt::CaseInsensitive); i >= 0;
         i = searched_.indexOf(wanted, i + wanted.size(), Qt::CaseInsensitive)) {
        ++all;
        if (at.hasSelection() && i == at.selectionStart())
            current = all;
    }
    count_->setText(all == 0       ? Tr("не найдено")
                    : current == 0 ? Tr("%1 всего").arg(all)
                                   : Tr("%1 из %2").arg(current).arg(all));
}

void FindBar::Close() {
    hide();
    view_.setFocus();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            Close();
            return true;
        }
        if (watched == findText_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            Find(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tesselo
