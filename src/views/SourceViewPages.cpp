#include "views/SourceViewPages.h"
#include "panel/UiText.h"

#include "editor/ForcedStates.h"
#include "editor/InactiveDeclarations.h"
#include "views/ElementRulesView.h"

#include "document/TextFile.h"
#include "document/UserDialogs.h"
#include "editor/DocumentCommands.h"
#include "editor/StyleEditor.h"
#include "mapping/CssChecks.h"
#include "mapping/DeclarationBlock.h"
#include "views/CssHighlighting.h"
#include "views/CssTextView.h"
#include "views/FindBar.h"
#include "views/SourceViews.h"
#include "views/TextInSteps.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <utility>

namespace tesselo {
namespace {

// A rule's text longer than this is not checked as it is typed.
constexpr qsizetype kCheckedMemo = 200'000;

CssTextView* MakeTextView(QWidget* parent, const char* name, bool readOnly) {
    auto* view = new CssTextView(parent);
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

    QWidget* memoPage = AddPage("CssMemoView", Tr("Текущий стиль"));
    memo_ = AddTextView(memoPage, "CSSMemo", false);
    memoColours_ = new ShownLinesColouring(*memo_, RuleTextStart());
    // The sheet's words for completion are gathered again after a change of its rules.
    gatherTimer_ = new QTimer(this);
    gatherTimer_->setInterval(0);
    connect(gatherTimer_, &QTimer::timeout, this, &SourceViewPages::GatherWords);
    gatherTimer_->start();
    // The engine is asked once the typing pauses, not at every key.
    engineTimer_ = new QTimer(this);
    engineTimer_->setSingleShot(true);
    engineTimer_->setInterval(300);
    connect(engineTimer_, &QTimer::timeout, this, &SourceViewPages::AskEngine);
    observer_ = editor_.Observe([this](const SessionChange& change) {
        using enum SessionChange::Kind;
        if (change.What == Select || change.What == Type || change.What == Disk)
            return;
        gathering_ = SheetVocabulary();
        gatheredRules_ = 0;
        gatherTimer_->start();
    });
    memo_->SetHintAt([this](int position) {
        for (const ShownMark& mark : memoColours_->Marks())
            if (position >= mark.Begin && position < std::max(mark.End, mark.Begin + 1))
                return mark.Hint;
        return QString();
    });
    hint_ = new QLabel(memoPage);
    hint_->setObjectName(QStringLiteral("MemoHint"));
    QPalette red = hint_->palette();
    red.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x00));
    hint_->setPalette(red);
    hint_->hide();
    choices_ = new QStringListModel(this);
    completer_ = new QCompleter(choices_, this);
    completer_->setObjectName(QStringLiteral("MemoCompleter"));
    completer_->setWidget(memo_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(12);
    memo_->SetCompleter(completer_, [this] { TakeChoice(); });
    update_ = new QPushButton(Tr("Обновить панели инструменов >>>"), memoPage);
    update_->setObjectName(QStringLiteral("BtnStyleUpdate"));
    QPalette blue = update_->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    update_->setPalette(blue);
    QFont bold = update_->font();
    bold.setBold(true);
    update_->setFont(bold);
    update_->hide();
    memoPage->layout()->addWidget(hint_);
    memoPage->layout()->addWidget(findBars_[CssMemoView]);
    memoPage->layout()->addWidget(update_);

    QWidget* cssPage = AddPage("CSSView", Tr("Текущий CSS"));
    composed_ = AddTextView(cssPage, "HCSSMemo", true);
    composedFill_ = new TextInSteps(*composed_);
    composedColours_ = new ShownLinesColouring(*composed_);

    QWidget* diskPage = AddPage("CssDiskView", Tr("Исходный CSS"));
    onDisk_ = AddTextView(diskPage, "HCssInDiskMemo", true);
    onDiskFill_ = new TextInSteps(*onDisk_);
    onDiskColours_ = new ShownLinesColouring(*onDisk_);

    preview_ = AddPage("PreView", Tr("Просмотр"));
    QWidget* elementPage = AddPage("ElementView", Tr("Стили элемента"));
    // The states that can be forced on the element picked, above its rules; a tool bar,
    // which folds what does not fit rather than widening the views.
    auto* states = new QToolBar(elementPage);
    states->setObjectName(QStringLiteral("ElementStates"));
    states->addWidget(new QLabel(Tr("Состояние:"), states));
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
        button->setToolTip(Tr("Показать выбранный элемент в этом состоянии"));
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
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
        CheckMemo();
        CSSMemoChange();
    });
    connect(memo_, &CssTextView::CompletionWanted, this, &SourceViewPages::Complete);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            [this] { TakeChoice(); });
    // The text pushed into the panel by the button; the property page following the caret.
    connect(update_, &QPushButton::clicked, this, [this] {
        editor_.PushTextToPanel();
        emit Changed();
    });
    connect(memo_, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        ShowHintAtCaret();
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

// A text view with its find bar under it, both on the page.
CssTextView* SourceViewPages::AddTextView(QWidget* page, const char* name, bool readOnly) {
    CssTextView* view = MakeTextView(page, name, readOnly);
    auto* bar = new FindBar(*view, page);
    findBars_[count() - 1] = bar;
    page->layout()->addWidget(view);
    if (readOnly)
        page->layout()->addWidget(bar);
    connect(view, &CssTextView::FindWanted, bar, &FindBar::OpenFind);
    connect(view, &CssTextView::GoToLineWanted, bar, &FindBar::OpenGoToLine);
    return view;
}

QPlainTextEdit* SourceViewPages::Memo() const {
    return memo_;
}

CssTextView* SourceViewPages::TextView(int page) const {
    return page == CssMemoView   ? memo_
           : page == CSSView     ? composed_
           : page == CssDiskView ? onDisk_
                                 : nullptr;
}

FindBar* SourceViewPages::FindBarOf(int page) const {
    return page >= 0 && page < 3 ? findBars_[page] : nullptr;
}

const ShownLinesColouring* SourceViewPages::Colouring(int page) const {
    return page == CSSView ? composedColours_ : page == CssDiskView ? onDiskColours_ : nullptr;
}

SourceViewPages::~SourceViewPages() {
    editor_.Forget(observer_);
}

// The checks of the rule's text, underlined where they mark and told on the caret's line.
void SourceViewPages::CheckMemo() {
    // A rule's text too big to check at each key is only coloured.
    if (memo_->document()->characterCount() > kCheckedMemo) {
        memoColours_->SetMarks({});
        ShowHintAtCaret();
        return;
    }
    const QString shown = text_.TextOf(*memo_->document());
    const Utf8Text text(shown);
    std::vector<ShownMark> marks;
    for (const TextMark& mark : CheckRuleText(text.View(), SheetEncoding::Utf8))
        marks.push_back({text.CharAt(mark.Begin), text.CharAt(mark.End), TrMessage(mark.Hint)});
    // Where the page's element for the rule is known, what cannot act on it.
    if (const auto facts = facts_ ? facts_() : std::nullopt) {
        for (const InactiveMark& mark : InactiveDeclarations(text.View(), *facts))
            marks.push_back(
                {text.CharAt(mark.Begin), text.CharAt(mark.End), TrMessage(mark.Reason)});
    }
    // What the engine said of this very text; another text is asked about anew.
    if (shown != engineText_) {
        engineMarks_.clear();
        engineText_.clear();
        if (engineAsk_ && !memo_->isReadOnly())
            engineTimer_->start();
    }
    marks.insert(marks.end(), engineMarks_.begin(), engineMarks_.end());
    std::sort(marks.begin(), marks.end(),
              [](const ShownMark& a, const ShownMark& b) { return a.Begin < b.Begin; });
    memoColours_->SetMarks(std::move(marks));
    ShowHintAtCaret();
}

// The values of the rule's text that nothing marked yet, asked of the page's engine: a
// plain property's value without var(), which the engine judges only where it is used.
void SourceViewPages::AskEngine() {
    if (!engineAsk_ || memo_->document()->characterCount() > kCheckedMemo)
        return;
    const QString shown = text_.TextOf(*memo_->document());
    const Utf8Text text(shown);
    const std::string_view block = text.View();
    std::vector<ValueCheck> values;
    engineAsked_.clear();
    for (const BlockDeclaration& d : ParseBlock(block).Declarations) {
        if (d.Property.empty() || d.Property.front() == '-' || d.ValueEnd <= d.ValueBegin)
            continue;
        const std::string_view value = block.substr(d.ValueBegin, d.ValueEnd - d.ValueBegin);
        if (LowerAscii(value).find("var(") != std::string::npos)
            continue;
        const int begin = text.CharAt(d.Begin);
        const int end = text.CharAt(d.ValueEnd);
        const bool marked =
            std::any_of(memoColours_->Marks().begin(), memoColours_->Marks().end(),
                        [&](const ShownMark& m) { return m.Begin < end && m.End > begin; });
        if (marked)
            continue;
        values.push_back({d.Property, std::string(value)});
        engineAsked_.push_back({text.CharAt(d.ValueBegin), end, QString::fromStdString(d.Property),
                                QString::fromUtf8(value.data(), qsizetype(value.size()))});
    }
    if (values.empty())
        return;
    engineText_ = shown;
    engineAsk_(++engineRequest_, values);
}

void SourceViewPages::EngineChecked(int request, const std::vector<bool>& taken) {
    // An answer about a text since changed, or a request since replaced, says nothing.
    if (request != engineRequest_ || taken.size() != engineAsked_.size() ||
        engineText_ != text_.TextOf(*memo_->document()))
        return;
    engineMarks_.clear();
    for (size_t i = 0; i < taken.size(); ++i)
        if (!taken[i])
            engineMarks_.push_back({engineAsked_[i].Begin, engineAsked_[i].End,
                                    TrFill("Браузер не принимает значение «%1» свойства %2",
                                           engineAsked_[i].Value, engineAsked_[i].Property)});
    if (!engineMarks_.empty())
        CheckMemo();
}

void SourceViewPages::ShowHintAtCaret() {
    const QTextBlock line = memo_->textCursor().block();
    const int begin = line.position();
    const int end = begin + line.length();
    QString hint;
    for (const ShownMark& mark : memoColours_->Marks()) {
        if (mark.Begin < end && std::max(mark.End, mark.Begin + 1) > begin) {
            hint = mark.Hint;
            break;
        }
    }
    hint_->setText(hint);
    hint_->setVisible(!hint.isEmpty());
}

// The choices where the caret stands. While typing the list opens once a word is begun
// or a value or a unit is due; Ctrl+Space opens it wherever there is something to offer.
void SourceViewPages::Complete(bool typed) {
    if (memo_->isReadOnly())
        return;
    const QString shown = memo_->toPlainText();
    const Utf8Text text(shown);
    const int caret = memo_->textCursor().position();
    const CompletionChoices found = CompleteAt(text.View(), text.ByteAt(caret), vocabulary_);
    choiceBegin_ = text.CharAt(found.Begin);
    choiceEnd_ = text.CharAt(found.End);
    choiceThen_ = QString::fromStdString(found.Then);
    const QChar before = caret > 0 ? shown.at(caret - 1) : QChar();
    const bool due = !typed || caret > choiceBegin_ || before == QLatin1Char(':') ||
                     before == QLatin1Char('(') || before.isDigit() ||
                     shown.mid(caret - 2, 2) == QStringLiteral(": ");
    const bool typedWhole =
        found.Choices.size() == 1 &&
        QString::fromStdString(found.Choices[0]) == shown.mid(choiceBegin_, caret - choiceBegin_);
    if (found.Choices.empty() || !due || typedWhole) {
        completer_->popup()->hide();
        return;
    }
    QStringList list;
    for (const std::string& choice : found.Choices)
        list.append(QString::fromStdString(choice));
    choices_->setStringList(list);
    QRect at = memo_->cursorRect();
    at.setWidth(completer_->popup()->sizeHintForColumn(0) +
                completer_->popup()->verticalScrollBar()->sizeHint().width() + 8);
    completer_->complete(at);
    completer_->popup()->setCurrentIndex(choices_->index(0));
}

// The words of the next rules of the sheet; the last step puts them in use.
void SourceViewPages::GatherWords() {
    constexpr int kRulesAStep = 5000;
    const StyleDocument& document = editor_.Document();
    const int end = std::min(document.StyleCount(), gatheredRules_ + kRulesAStep);
    for (; gatheredRules_ < end; ++gatheredRules_) {
        const StyleRecord& rule = document.Record(gatheredRules_);
        if (rule.IsGroup())
            continue;
        std::string block;
        for (const std::string& line : rule.Lines())
            block.append(line).push_back('\n');
        gathering_.AddRuleText(text_.Decode(block).toUtf8().toStdString());
    }
    if (gatheredRules_ >= document.StyleCount()) {
        vocabulary_ = std::move(gathering_);
        gathering_ = SheetVocabulary();
        gatherTimer_->stop();
    }
}

// The choice selected in the list replaces the word at the caret: one edit of the box.
void SourceViewPages::TakeChoice() {
    const QModelIndex selected = completer_->popup()->currentIndex();
    const QString choice =
        choices_->data(selected.isValid() ? selected : choices_->index(0)).toString();
    completer_->popup()->hide();
    if (choice.isEmpty())
        return;
    QTextCursor cursor = memo_->textCursor();
    cursor.setPosition(choiceBegin_);
    cursor.setPosition(std::max(choiceEnd_, cursor.position()), QTextCursor::KeepAnchor);
    cursor.insertText(choice + choiceThen_);
    memo_->setTextCursor(cursor);
    // After a name and its ": ", the property's values are due at once.
    if (!choiceThen_.isEmpty())
        Complete(true);
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
        FillComposedView();
    } else if (index == CssDiskView) {
        FillSourceView(true);
    }
    emit PageShown(index);
}

void SourceViewPages::FillComposedView() {
    editor_.ComposeCSS();
    // Laying out a big sheet again costs far more than comparing it: the view is
    // filled again only when the sheet or its encoding changed since.
    const StyleDocument& document = editor_.Document();
    if (!composedShown_ || *composedShown_ != document.SheetText ||
        composedEncoding_ != document.Encoding) {
        composedFill_->Fill(ShownText(document.SheetText, document.Encoding), ShownPart());
        composedShown_ = document.SheetText;
        composedEncoding_ = document.Encoding;
    }
}

namespace {

// Where the `nth` rule (from 0) with the selector starts in a sheet's text and where
// its "}" is: the selector where a rule can start, then "{". Nothing when not found.
std::optional<std::pair<qsizetype, qsizetype>> FindRule(const QString& text,
                                                        const QString& selector, int nth) {
    if (selector.isEmpty())
        return std::nullopt;
    for (qsizetype at = text.indexOf(selector); at >= 0; at = text.indexOf(selector, at + 1)) {
        const QChar before = at > 0 ? text.at(at - 1) : QLatin1Char('\n');
        if (!before.isSpace() && before != QLatin1Char('}') && before != QLatin1Char(';') &&
            before != QLatin1Char('/'))
            continue;
        qsizetype open = at + selector.size();
        while (open < text.size() && text.at(open).isSpace())
            ++open;
        if (open >= text.size() || text.at(open) != QLatin1Char('{') || nth-- > 0)
            continue;
        int depth = 0;
        for (qsizetype i = open; i < text.size(); ++i) {
            if (text.at(i) == QLatin1Char('{'))
                ++depth;
            else if (text.at(i) == QLatin1Char('}') && --depth == 0)
                return std::pair{at, i};
        }
        return std::pair{at, text.size()};
    }
    return std::nullopt;
}

} // namespace

void SourceViewPages::ShowRuleLines(int record) {
    const StyleDocument& document = editor_.Document();
    if (record < 0 || record >= document.StyleCount() || document.Record(record).IsGroup())
        return;
    const std::string_view written = document.Record(record).WrittenSelector();
    int nth = 0;
    for (int i = 0; i < record; ++i)
        nth += !document.Record(i).IsGroup() && document.Record(i).WrittenSelector() == written;
    const QString selector = text_.Decode(written).trimmed();
    FillComposedView();
    FillSourceView(false);
    for (auto [view, fill] :
         {std::pair{composed_, composedFill_}, std::pair{onDisk_, onDiskFill_}}) {
        const auto found = FindRule(fill->WholeText(), selector, nth);
        if (!found)
            continue;
        fill->ShowUpTo(found->second);
        QTextCursor cursor(view->document());
        cursor.setPosition(int(found->first));
        cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.setPosition(
            int(std::min<qsizetype>(found->second + 1, view->document()->characterCount() - 1)),
            QTextCursor::KeepAnchor);
        view->setTextCursor(cursor);
        view->centerCursor();
    }
}

// A read-only view's text: a very long line would cost the text box far more to lay
// out than it is worth reading there, so it is shown cut with a note of its length.
// The whole line stays in the sheet, and the current style's view shows a rule whole.
std::string SourceViewPages::ShownText(const SheetLines& sheet, SheetEncoding encoding) const {
    return TextCutForShowing(sheet, encoding, kShownLineLimit, [this](size_t characters) {
        return text_.Encode(TrMessage(CutLineNote(characters)));
    });
}

// A part of that text as the view shows it: no line or paragraph separator of the sheet's
// own ends its line in the text box.
std::function<QString(std::string_view)> SourceViewPages::ShownPart() const {
    return [text = text_](std::string_view bytes) { return text.ForTextBox(text.Decode(bytes)); };
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
        // The text as opened or saved, in the encoding the sheet was read in; its lines
        // go before the view takes the text.
        std::string shown = ShownText(content.Text, editor_.Document().Encoding);
        content = {};
        onDiskFill_->Fill(std::move(shown), ShownPart());
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
