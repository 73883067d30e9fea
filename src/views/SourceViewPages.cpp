#include "views/SourceViewPages.h"

#include "editor/ForcedStates.h"
#include "views/ElementRulesView.h"

#include "document/TextFile.h"
#include "document/UserDialogs.h"
#include "editor/DocumentCommands.h"
#include "editor/StyleEditor.h"
#include "views/SourceViews.h"
#include "views/TextInSteps.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tesselo {
namespace {

QPlainTextEdit* MakeTextView(QWidget* parent, const char* name, bool readOnly) {
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setReadOnly(readOnly);
    if (readOnly) {
        // The button-face colour tells a view that only shows from one that takes typing.
        QPalette palette = view->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        view->setPalette(palette);
        // Nothing is typed there to take back: a text put in keeps no undo steps.
        view->document()->setUndoRedoEnabled(false);
    }
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFont(QStringLiteral("Monospace")));
    return view;
}

// Puts the text into the view as setPlainText does (the caret at the start, nothing
// left to undo), but when most of what the view shows stays, only the part between the
// same start and the same end is replaced: one declaration changed in a rule of a
// million lines does not lay out the million lines again. The line break of an empty
// last line, which a rule's text as read has and its text as written has not, goes or
// comes on its own.
void ShowText(QPlainTextEdit& view, const ViewText& boxes, const QString& shown,
              const QString& text) {
    qsizetype shownEnd = shown.size();
    qsizetype textEnd = text.size();
    if (shownEnd > 0 && textEnd > 0 && shown.back() != text.back()) {
        if (shown.back() == QLatin1Char('\n'))
            --shownEnd;
        else if (text.back() == QLatin1Char('\n'))
            --textEnd;
    }
    const qsizetype common = std::min(shownEnd, textEnd);
    qsizetype front = 0;
    while (front < common && shown[front] == text[front])
        ++front;
    qsizetype back = 0;
    while (back < common - front && shown[shownEnd - 1 - back] == text[textEnd - 1 - back])
        ++back;
    const qsizetype replaced = shownEnd - front - back;
    if (front + back < replaced) {
        view.setPlainText(boxes.ForTextBox(text));
        return;
    }
    QTextDocument* document = view.document();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    auto replace = [&](qsizetype from, qsizetype to, const QString& by) {
        cursor.setPosition(static_cast<int>(from));
        cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
        cursor.insertText(boxes.ForTextBox(by));
    };
    // The end first: the positions in front of it stay what they are.
    if (shownEnd != shown.size() || textEnd != text.size())
        replace(shownEnd, shown.size(), text.mid(textEnd));
    replace(front, front + replaced, text.mid(front, textEnd - front - back));
    document->setUndoRedoEnabled(true);
    view.moveCursor(QTextCursor::Start);
}

} // namespace

SourceViewPages::SourceViewPages(StyleEditor& editor, ViewText text, UserDialogs& dialogs,
                                 QWidget* parent)
    : QTabWidget(parent), editor_(editor), text_(std::move(text)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("Viewer"));
    setTabPosition(QTabWidget::South);

    QWidget* memoPage = AddPage("CssMemoView", QStringLiteral("Текущий стиль"));
    memo_ = MakeTextView(memoPage, "CSSMemo", false);
    update_ = new QPushButton(QStringLiteral("Обновить панели инструменов >>>"), memoPage);
    update_->setObjectName(QStringLiteral("BtnStyleUpdate"));
    QPalette blue = update_->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    update_->setPalette(blue);
    QFont bold = update_->font();
    bold.setBold(true);
    update_->setFont(bold);
    update_->hide();
    memoPage->layout()->addWidget(memo_);
    memoPage->layout()->addWidget(update_);

    QWidget* cssPage = AddPage("CSSView", QStringLiteral("Текущий CSS"));
    composed_ = MakeTextView(cssPage, "HCSSMemo", true);
    composedFill_ = new TextInSteps(*composed_);
    cssPage->layout()->addWidget(composed_);

    QWidget* diskPage = AddPage("CssDiskView", QStringLiteral("Исходный CSS"));
    onDisk_ = MakeTextView(diskPage, "HCssInDiskMemo", true);
    onDiskFill_ = new TextInSteps(*onDisk_);
    diskPage->layout()->addWidget(onDisk_);

    preview_ = AddPage("PreView", QStringLiteral("Просмотр"));
    QWidget* elementPage = AddPage("ElementView", QStringLiteral("Стили элемента"));
    // The states that can be forced on the element picked, above its rules; a tool bar,
    // which folds what does not fit rather than widening the views.
    auto* states = new QToolBar(elementPage);
    states->setObjectName(QStringLiteral("ElementStates"));
    states->addWidget(new QLabel(QStringLiteral("Состояние:"), states));
    for (const std::string_view state : kForcedStates) {
        auto* button = new QToolButton(states);
        QString name = QStringLiteral("Force");
        for (const QString& word :
             QString::fromLatin1(state.data(), std::ssize(state)).split(QLatin1Char('-')))
            name += word.left(1).toUpper() + word.mid(1);
        button->setObjectName(name);
        button->setText(QLatin1Char(':') + QString::fromLatin1(state.data(), std::ssize(state)));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setToolTip(QStringLiteral("Показать выбранный элемент в этом состоянии"));
        states->addWidget(button);
        stateButtons_.push_back(button);
    }
    elementPage->layout()->addWidget(states);
    elementRules_ = new ElementRulesView(text_, elementPage);
    elementPage->layout()->addWidget(elementRules_);

    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (!rendering_)
            ViewerChange(index);
    });
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { CSSMemoChange(); });
    // The text pushed into the panel by the button; the property page following the caret.
    connect(update_, &QPushButton::clicked, this, [this] {
        editor_.PushTextToPanel();
        emit Changed();
    });
    connect(memo_, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (rendering_)
            return;
        const int page = PropertyPageForLine(text_.Encode(memo_->textCursor().block().text()));
        if (page >= 0)
            emit PropertyPageWanted(page);
    });
}

// A page whose content fills it.
QWidget* SourceViewPages::AddPage(const char* name, const QString& caption) {
    auto* page = new QWidget(this);
    page->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    addTab(page, caption);
    return page;
}

void SourceViewPages::RenderMemo() {
    rendering_ = true;
    const QString text = text_.DecodeLines(editor_.Memo().Lines);
    if (const QString shown = text_.TextOf(*memo_->document()); shown != text)
        ShowText(*memo_, text_, shown, text);
    update_->setVisible(editor_.Memo().Edited);
    // Without a current rule there is no record to keep what would be typed; a group
    // has no text of its own.
    memo_->setReadOnly(!editor_.HasCurrentStyle() || editor_.GroupCurrent());
    rendering_ = false;
}

void SourceViewPages::ShowPage(int page) {
    rendering_ = true;
    setCurrentIndex(page);
    rendering_ = false;
}

void SourceViewPages::ViewerChange(int index) {
    if (index == CSSView) {
        editor_.ComposeCSS();
        // Laying out a big sheet again costs far more than comparing it: the view is
        // filled again only when the sheet or its encoding changed since.
        const StyleDocument& document = editor_.Document();
        if (!composedShown_ || *composedShown_ != document.SheetText ||
            composedEncoding_ != document.Encoding) {
            composedFill_->Fill(ShownText(document.SheetText, document.Encoding));
            composedShown_ = document.SheetText;
            composedEncoding_ = document.Encoding;
        }
    } else if (index == CssDiskView) {
        FillSourceView(true);
    }
    emit PageShown(index);
}

// A read-only view's text: a very long line would cost the text box far more to lay
// out than it is worth reading there, so it is shown cut with a note of its length.
// The whole line stays in the sheet, and the current style's view shows a rule whole.
QString SourceViewPages::ShownText(const SheetLines& sheet, SheetEncoding encoding) const {
    const LineList lines =
        LinesCutForShowing(sheet, encoding, kShownLineLimit, [this](size_t characters) {
            return text_.Encode(QString::fromUtf8(CutLineNote(characters)));
        });
    return text_.ForTextBox(text_.DecodeLines(lines));
}

void SourceViewPages::FillSourceView(bool reportMissing) {
    TextFileContent content;
    const std::string& file = editor_.Document().FileName;
    const std::string backup = file.empty() ? std::string() : BackupCopyName(file);
    // A backup copy unchanged on disk since it was shown is not read and laid out again.
    const std::optional<FileStamp> stamp = backup.empty() ? std::nullopt : StampOf(backup);
    if (stamp && diskShown_ && diskShown_->first == backup && diskShown_->second == *stamp)
        return;
    if (!backup.empty() && !ReadTextFile(backup, content)) {
        // The text as opened or saved, in the encoding the sheet was read in.
        onDiskFill_->Fill(ShownText(content.Text, editor_.Document().Encoding));
        if (stamp)
            diskShown_.emplace(backup, *stamp);
        return;
    }
    // Nothing saved to show: the view keeps what it showed and the user learns why.
    if (reportMissing)
        dialogs_.Show(
            {"Error", messages::SaveBeforeViewing(), MessageIcon::Error, MessageButtons::Ok});
}

void SourceViewPages::CSSMemoChange() {
    if (rendering_)
        return;
    // The raw text: the plain text would turn every no-break space into a space.
    editor_.TypeText(text_.EncodeLines(text_.TextOf(*memo_->document())));
    update_->setVisible(editor_.Memo().Edited);
}

void SourceViewPages::Cut() {
    if (currentIndex() == CssMemoView)
        memo_->cut();
}

void SourceViewPages::Paste() {
    if (currentIndex() == CssMemoView)
        memo_->paste();
}

} // namespace tesselo
