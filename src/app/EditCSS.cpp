#include "app/EditCSS.h"
#include "panel/UiText.h"

#include "app/About.h"
#include "app/ActionTable.h"
#include "app/FirstShowReport.h"
#include "app/FloatingLayout.h"
#include "app/PageSheetsMenu.h"
#include "app/PreviewTools.h"
#include "app/SessionHistory.h"
#include "app/WindowActions.h"
#include "app/WindowRegions.h"
#include "dialogs/CreateSelectorDlg.h"
#include "editor/ForcedStates.h"
#include "panel/PropertyPanel.h"
#include "platform/PreviewBrowser.h"
#include "platform/QtText.h"
#include "platform/SheetCodec.h"
#include "platform/SystemServices.h"
#include "views/BrowserBar.h"
#include "views/ElementRulesView.h"
#include "views/StyleListCommands.h"
#include "views/StyleListView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace tesselo {
namespace {

// How long the page has to say the element's computed values.
constexpr int kComputedAnswerMs = 3000;

} // namespace

TMainForm::TMainForm(const MainFormServices& services, StyleEditor& editor, QWidget* parent)
    : QMainWindow(parent), services_(services), editor_(editor),
      commands_(editor, services.Dialogs, services.Settings) {
    setObjectName(QStringLiteral("MainForm"));
    InitPictures();
    commands_.UseLocks(&services_.Locks);

    BuildActions();
    BuildHistory();
    BuildRegions();
    BuildToolBar();
    BuildMenus(*menuBar(), actions_);
    NameActionButtons(*this);

    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    // The session and the browser stay after the window; it hears from them no more,
    // not even from what its own controls do as they go.
    editor_.Forget(editorObserver_);
    services_.WebBrowser.disconnect(this);
}

QAction* TMainForm::Action(ActionId id) const {
    return actions_[static_cast<std::size_t>(id)];
}

const FloatingPanels& TMainForm::Floating() const {
    return floating_->State();
}

// A command shows its result once, when it is done.
template <typename F> void TMainForm::Run(F&& command) {
    const bool outer = !running_;
    running_ = true;
    command();
    if (!outer)
        return;
    running_ = false;
    Render();
}

// What the window shows of a change the session announced.
void TMainForm::Follow(const SessionChange& change) {
    using enum SessionChange::Kind;
    // Text half typed into a field is no longer what the field shows.
    if (change.What == Undo || change.What == Redo)
        panel_->Handlers().FormShow();
    // The text view's own undo ends where its text is stored: the window's takes over.
    if (change.What == Commit || change.What == PushText || change.What == Undo ||
        change.What == Redo)
        Viewer->Memo()->document()->clearUndoRedoStacks();
    if (change.What == Document)
        OpenSheetPage();
    if (running_)
        return;
    switch (change.What) {
    case Panel: // the panel has drawn itself
        RenderMemo(true);
        break;
    case Select:
        RenderMemo();
        browserBar_->Render(); // a width at which the rule applies
        RenderElementRules();
        break;
    case PushText:
    case Clear:
        RenderMemo();
        break;
    case Type:
    case Commit:
        break; // the text view holds what the rules now hold
    case Disk:
        setWindowTitle(QString::fromStdString(editor_.Caption()));
        break;
    default:
        Render();
        break;
    }
}

// The views show the sheet's bytes through its codec, as the panel does.
ViewText TMainForm::SheetText() const {
    return {
        .Decode = [this](std::string_view bytes) { return Codec().Decode(bytes); },
        .Encode = [this](const QString& text) { return Codec().Encode(text); },
        .DecodeLines = [this](const LineList& lines) { return Codec().DecodeLines(lines); },
        .EncodeLines = [this](const QString& text) { return Codec().EncodeLines(text); },
        .ForTextBox = ForTextBox,
        .TextOf = TextOf,
    };
}

// The undo history, with its two actions saying what they take back and do again.
void TMainForm::BuildHistory() {
    history_ = std::make_unique<SessionHistory>(editor_, SheetText().Decode, this);
    history_->Drive(*Action(ActionId::EditUndo), *Action(ActionId::EditRedo));
}

void TMainForm::BuildActions() {
    actions_ = MakeActions(*this);
    DocumentCommands& c = commands_;
    auto on = [this](ActionId id, auto&& handler) {
        connect(Action(id), &QAction::triggered, this, std::forward<decltype(handler)>(handler));
    };
    on(ActionId::New, [this, &c] { Run([&c] { c.NewExecute(); }); });
    on(ActionId::OpenFile, [this, &c] { Run([&c] { c.OpenFileExecute(); }); });
    on(ActionId::Save, [this, &c] { Run([&c] { c.SaveExecute(); }); });
    on(ActionId::SaveAs, [this, &c] { Run([&c] { c.SaveAsExecute(); }); });
    on(ActionId::N25, [this, &c] { Run([&c] { c.N25Click(); }); });
    on(ActionId::RefreshView, [this] { RefreshViewExecute(); });
    on(ActionId::FloatPanel, [this] { FloatPanelExecute(); });
    on(ActionId::EditUndo, [this] { Run([this] { history_->Undo(); }); });
    on(ActionId::EditRedo, [this] { Run([this] { history_->Redo(); }); });
    on(ActionId::EditCut, [this] { Viewer->Cut(); });
    on(ActionId::EditCopy, [] { CopyFromFocus(); });
    on(ActionId::EditPaste, [this] { Viewer->Paste(); });
    on(ActionId::SendMailToAutor, [] { ShellOpen(TAboutBox::MailAddress()); });
    on(ActionId::N32, [] { ShellOpen(TAboutBox::HomePageAddress()); });
    Action(ActionId::EditorLayoutAction)->setChecked(editor_.EditorLayout());
    connect(Action(ActionId::EditorLayoutAction), &QAction::toggled, this, [this](bool down) {
        Run([this, down] { editor_.UseEditorLayout(down); });
        // A switch refused (the typed text could not be stored) keeps the tick
        // where the layout is.
        if (editor_.EditorLayout() != down) {
            const QSignalBlocker quiet(Action(ActionId::EditorLayoutAction));
            Action(ActionId::EditorLayoutAction)->setChecked(editor_.EditorLayout());
        }
    });
    on(ActionId::HelpAbout, [this] {
        if (!aboutBox_ && makeAbout_)
            aboutBox_ = makeAbout_();
        if (aboutBox_)
            aboutBox_->exec();
    });
}

void TMainForm::BuildToolBar() {
    ToolBar1 = BuildMainToolBar(*this, actions_);
    // The preview's controls and, between them, refreshing and the floating panels.
    browserBar_ = new BrowserBar(*preview_, *ToolBar1,
                                 {.RefreshView = Action(ActionId::RefreshView),
                                  .FloatPanel = Action(ActionId::FloatPanel),
                                  .AutoRefresh = Action(ActionId::AutoRefreshAction),
                                  .PickElement = Action(ActionId::PickElement),
                                  .HighlightStyle = Action(ActionId::HighlightStyle)},
                                 Picture, this);
    // The page's other sheets, to open one: beside the tools that find the page's elements
    // and the rules in each other, ahead of the width box and its separator.
    auto* sheets = new PageSheetsMenu(*preview_, services_.WebBrowser, this);
    const QList<QAction*> items = ToolBar1->actions();
    const auto widthBox = std::find_if(items.begin(), items.end(), [this](QAction* item) {
        const QWidget* widget = ToolBar1->widgetForAction(item);
        return widget && widget->objectName() == QLatin1StringView("PreviewWidth");
    });
    ToolBar1->insertWidget(widthBox == items.begin() || widthBox == items.end() ? nullptr
                                                                                : *(widthBox - 1),
                           sheets->Button());
    connect(sheets, &PageSheetsMenu::SheetChosen, this, [this](const std::string& file) {
        Run([&] { OfferOtherSheet(file, OpenPageSheetQuestion(file)); });
    });
    // The rules that do not apply at the page's width are greyed in the list.
    connect(browserBar_, &BrowserBar::PageWidthChosen, this, [this](int width) {
        if (PanelList)
            PanelList->ShowPageWidth(width);
    });
    connect(&services_.WebBrowser, &PreviewBrowser::PageScaled, browserBar_,
            &BrowserBar::ShowScale);
}

void TMainForm::BuildRegions() {
    regions_ = std::make_unique<WindowRegions>(*this);
    // The list is made first, as it comes first on the screen: its controls lead the
    // order of the focus. Its commands follow once the preview is there.
    BuildStyleList();
    regions_->PlaceList(*PanelList);
    BuildPropertyPanel();
    regions_->PlaceToolStyle(*PanelToolStyle);
    panel_->SetFocusTarget(regions_->FocusSink());

    Viewer = new SourceViewPages(editor_, SheetText(), services_.Dialogs, regions_->Lower());
    TABPANEL = panel_->Pages();
    regions_->PlaceViews(*Viewer, *TABPANEL);
    connect(Viewer, &SourceViewPages::PageShown, this, [this](int page) { ViewerChange(page); });
    connect(Viewer, &SourceViewPages::PropertyPageWanted, TABPANEL, &QTabWidget::setCurrentIndex);
    // A double click on a rule's row also shows its lines in the views of the sheet.
    connect(PanelList->List(), &QTreeView::doubleClicked, this,
            [this] { Viewer->ShowRuleLines(editor_.Current()); });
    // A rule of the picked element chosen: selected, as a click in the list does.
    connect(Viewer->ElementRules(), &ElementRulesView::RuleChosen, this,
            [this](int record) { Run([this, record] { editor_.Select(record); }); });
    connect(Viewer->ElementRules(), &ElementRulesView::PropertyPageWanted, TABPANEL,
            &QTabWidget::setCurrentIndex);
    for (size_t i = 0; i < kForcedStates.size(); ++i)
        connect(Viewer->StateButtons()[i], &QToolButton::clicked, this, [this, i](bool on) {
            Run([this, i, on] { preview_->ForceState(std::string(kForcedStates[i]), on); });
        });

    BuildPreview();
    BuildStyleCommands();
    floating_ = regions_->Finish(this);
    encodingLabel_ = regions_->BuildStatusBar();
    BuildEncodingMenu();
}

namespace {

// The entries of the encoding's menu and the encoding each reads the file in.
constexpr std::array<std::pair<ActionId, SheetEncoding>, 2> kReopenActions = {
    {{ActionId::ReopenUtf8, SheetEncoding::Utf8},
     {ActionId::ReopenWindows1251, SheetEncoding::Windows1251}}};

} // namespace

void TMainForm::BuildEncodingMenu() {
    encodingMenu_ = new QMenu(this);
    encodingMenu_->setObjectName(QStringLiteral("EncodingMenu"));
    for (const auto& [id, encoding] : kReopenActions) {
        encodingMenu_->addAction(Action(id));
        connect(Action(id), &QAction::triggered, this, [this, encoding] {
            Run([&] {
                // The sheet's own encoding is the one checked: nothing to read again.
                if (encoding != editor_.Document().Encoding)
                    commands_.ReopenExecute(encoding);
            });
        });
    }
    encodingLabel_->setCursor(Qt::PointingHandCursor);
    encodingLabel_->setToolTip(
        Tr("Кодировка файла. Щёлкните, чтобы открыть его заново в другой кодировке"));
    encodingLabel_->installEventFilter(this);
}

void TMainForm::BuildPropertyPanel() {
    // The property panel: its tool bars across the top, its pages at the right.
    panel_ =
        new PropertyPanel(editor_, services_.Dialogs, services_.PanelChoices, this,
                          {.ToolStyle = regions_->ToolStyleParent(), .Pages = regions_->Lower()});
    PanelToolStyle = panel_->ToolStyle();
    editorObserver_ = editor_.Observe([this](const SessionChange& change) { Follow(change); });

    // The panel shows and takes its texts through the sheet's codec, as the views do.
    const ViewText text = SheetText();
    panel_->SetTextCodec(text.Decode, text.Encode);
}

// The browser goes into the preview page; its loads and its history show in the bar.
void TMainForm::BuildPreview() {
    PreviewBrowser& browser = services_.WebBrowser;
    browser.PlaceIn(*Viewer->PreviewPage());
    preview_ = std::make_unique<Preview>(editor_, browser, services_.Dialogs);
    Viewer->UseElementFacts([this] { return preview_->FactsForRule(editor_.Current()); });
    // The values typed are judged by the page's engine too, where its helper runs.
    Viewer->UseEngineCheck([&browser](int request, const std::vector<ValueCheck>& values) {
        browser.CheckValues(request, values);
    });
    connect(&browser, &PreviewBrowser::ValuesChecked, Viewer, &SourceViewPages::EngineChecked);
    panel_->UseElementFacts([this] { return preview_->FactsForRule(editor_.Current()); });
    browser.ReadSheetTextWith(SheetText().Decode);
    new PreviewTools(
        *preview_, browser,
        {.AutoRefresh = Action(ActionId::AutoRefreshAction),
         .FullReload = Action(ActionId::FullReloadAction),
         .PickElement = Action(ActionId::PickElement),
         .HighlightStyle = Action(ActionId::HighlightStyle)},
        *statusBar(), [this] { Viewer->ShowPage(PreView); }, [this] { browserBar_->Render(); },
        *this);
    // After the preview's tools have taken the pick in.
    connect(&browser, &PreviewBrowser::ElementPicked, this, [this] {
        RenderElementRules();
        // The rule picked is shown in the list, whatever the filter held.
        if (PanelList->ShowSelectedRow())
            statusBar()->showMessage(statusBar()->currentMessage() +
                                     Tr("; фильтр списка снят, чтобы показать стиль"));
        // The declarations that cannot act on the element are marked in its rule's text,
        // and their controls on the panel.
        Viewer->CheckAgain();
        panel_->Render();
        // The element's rules are all in another sheet of the page: the user may go there,
        // once the pick is over.
        if (preview_->RulesOfPick() == 0 && !preview_->OtherSheetsOfPick().empty())
            QMetaObject::invokeMethod(
                this,
                [this, other = preview_->OtherSheetsOfPick().front()] {
                    OfferOtherSheet(other.File, OpenOtherSheetQuestion(other));
                },
                Qt::QueuedConnection);
    });
    BuildComputedValues(browser);
    // The page previewed with a sheet is kept for it.
    connect(&browser, &PreviewBrowser::DownloadComplete, this, [this] { RememberSheetPage(); });
}

// The element's computed values, asked for from "Стили элемента": a page that does not
// answer in time leaves them "нет ответа".
void TMainForm::BuildComputedValues(PreviewBrowser& browser) {
    auto* wait = new QTimer(this);
    wait->setObjectName(QStringLiteral("ComputedAnswer"));
    wait->setSingleShot(true);
    wait->setInterval(kComputedAnswerMs);
    connect(wait, &QTimer::timeout, this, [this] {
        preview_->ComputedValuesTimedOut();
        RenderElementRules();
    });
    connect(Viewer->ElementRules(), &ElementRulesView::ComputedValuesWanted, this, [this, wait] {
        preview_->AskComputedValues();
        if (preview_->Computed().Now == ComputedAnswer::State::Asked)
            wait->start();
        RenderElementRules();
    });
    connect(&browser, &PreviewBrowser::ComputedValuesFound, this,
            [this, wait](int request, const std::vector<ComputedValue>& values) {
                preview_->ComputedValuesFound(request, values);
                if (preview_->Computed().Now != ComputedAnswer::State::Asked)
                    wait->stop();
                RenderElementRules();
            });
}

void TMainForm::OfferOtherSheet(const std::string& file, const std::string& question) {
    const Answer answer = services_.Dialogs.Show(
        {"Tesselo", question, MessageIcon::None, MessageButtons::YesNoCancel});
    if (answer == Answer::Yes) {
        if (commands_.AskSaveCSS())
            commands_.OpenCSSFile(file);
    } else if (answer == Answer::No) {
        QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                {QString::fromStdString(file)});
    }
}

// The style list: a row chosen is selected, a change by the list shows all again.
void TMainForm::BuildStyleList() {
    using enum ActionId;
    PanelList = new StyleListView(editor_, SheetText(), services_.Progress,
                                  {.NewStyle = Action(NewStyle),
                                   .Rename = Action(StyleRename),
                                   .Delete = Action(StyleDelete),
                                   .Up = Action(StyleUp),
                                   .Down = Action(StyleDown),
                                   .Sorted = Action(StyleSorted)},
                                  regions_->ListParent());
    connect(PanelList, &StyleListView::RowChosen, this, [this](int row) { editor_.Select(row); });
    // A command the list refused leaves its rows and row as the document has them.
    connect(PanelList, &StyleListView::Changed, PanelList, &StyleListView::Render);
}

// The style list's commands; a new style is named in the selector builder.
void TMainForm::BuildStyleCommands() {
    listCommands_ = std::make_unique<StyleListCommands>(
        editor_, services_.Dialogs,
        [this](std::string_view name) { return Codec().Decode(name).toStdString(); });
    PanelList->UseCommands(*listCommands_);
    connect(Action(ActionId::NewStyle), &QAction::triggered, this, [this] {
        if (!createSelector_ && makeSelector_)
            createSelector_ = makeSelector_();
        if (!createSelector_)
            return;
        const QString result =
            createSelector_->Execute(Codec().Decode(listCommands_->StyleNameList()));
        Run([&] { listCommands_->NewStyleExecute(Codec().Encode(result)); });
    });
}

void TMainForm::Start(const std::vector<std::string>& arguments) {
    // At the first start every tab and tool button shows without scroll arrows.
    place_.WidenList(PanelList->Tools()->sizeHint().width() + 4);
    place_.PlaceFirst(QRect(QPoint(), regions_->FirstSize(place_.ListWidth(), ToolBar1->height())));
    Viewer->ShowPage(CssDiskView);

    ReadWindowValues();
    preview_->HomePageAddress = preview_->LocationView;
    browserBar_->Render();
    services_.WebBrowser.Navigate(preview_->HomePageAddress);

    // Shown once, as the sheet it opens: not first as the blank one it starts from.
    Run([&] {
        editor_.StartBlank();
        commands_.OpenLastFileCSS(arguments);
    });
    // The page shown at start shows what there is, quietly: the program chose it.
    if (Viewer->currentIndex() == CssDiskView)
        Viewer->FillSourceView(false);
}

void TMainForm::ReadWindowValues() {
    const std::optional<WindowValues> values = services_.Settings.ReadWindowValues();
    if (!values)
        return;
    place_.Restore(*values, PanelList->minimumWidth());
    if (values->PanelListWidth)
        regions_->KeepList();
    if (values->FloatPanel.value_or(false))
        FloatPanelExecute();
    if (values->AutoRefresh.value_or(false))
        Action(ActionId::AutoRefreshAction)->setChecked(true);
    if (values->FullReload.value_or(false))
        Action(ActionId::FullReloadAction)->setChecked(true);
    if (values->EditorLayout)
        Action(ActionId::EditorLayoutAction)->setChecked(*values->EditorLayout);
    // Only the preview is restored; any other page opens as the current style.
    Viewer->ShowPage(values->Viewer == PreView ? PreView : CssMemoView);
    if (values->HomePage)
        preview_->LocationView = *values->HomePage;
    if (values->PreviewWidth) {
        preview_->SetPageWidth(*values->PreviewWidth);
        PanelList->ShowPageWidth(preview_->PageWidth());
    }
}

WindowValues TMainForm::CurrentWindowValues() const {
    WindowValues values;
    place_.Remember(values, PanelList->width());
    values.FloatPanel = Floating().Floating();
    values.AutoRefresh = preview_->AutoRefresh;
    values.FullReload = preview_->FullReload;
    values.EditorLayout = editor_.EditorLayout();
    values.Viewer = Viewer->currentIndex();
    values.TabPanel = TABPANEL->currentIndex();
    values.HomePage = preview_->HomePageAddress;
    values.PreviewWidth = preview_->PageWidth();
    return values;
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    panel_->Handlers().FormShow();
    panel_->Render();
    if (!place_.Shown())
        return;
    floating_->FirstShown(place_.ListWidth(), width());
    // The list as wide as its selectors, while its width is not the user's.
    regions_->FollowList([this] { return PanelList->RowsWidth(); });
    ReportFirstShow();
    // The preview chosen at the last close shows the home page; a refresh would write
    // the sheet over the file before the user changed anything.
    if (Viewer->currentIndex() == PreView) {
        preview_->PreviewShowing = true;
        services_.WebBrowser.EnsureView();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!commands_.FormClose()) {
        Render();
        event->ignore();
        return;
    }
    services_.Settings.WriteWindowValues(CurrentWindowValues());
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // A click on the encoding opens its menu above it.
    if (watched == encodingLabel_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QSize menu = encodingMenu_->sizeHint();
        encodingMenu_->popup(encodingLabel_->mapToGlobal(
            QPoint(encodingLabel_->width() - menu.width(), -menu.height())));
        return true;
    }
    // The hints of the whole application, the dialogs' included, come here.
    if (event->type() == QEvent::StatusTip && qobject_cast<QWidget*>(watched)) {
        ApplicationEventsHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    // Undo keys a text box would take go to the window's history when the box has no
    // typing of its own left to take back.
    if (event->type() == QEvent::ShortcutOverride && watched == QApplication::focusWidget() &&
        UndoIsTheWindows(*static_cast<QKeyEvent*>(event)))
        return true;
    // Enter ends the editing of a field; the text views and the list take it themselves.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget &&
            widget->window() == this && widget == QApplication::focusWidget() &&
            widget != Viewer->Memo() && widget != PanelList->List() &&
            widget != PanelList->RenameField())
            FormKeyPress();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::UndoIsTheWindows(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const bool undo = Action(ActionId::EditUndo)->shortcuts().contains(pressed);
    if (!undo && !Action(ActionId::EditRedo)->shortcuts().contains(pressed))
        return false;
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == this &&
           KeysAreTheSheets(undo, *focus, *Viewer->Memo(), {PanelToolStyle, TABPANEL});
}

void TMainForm::ApplicationEventsHint(const QString& hint) {
    if (createSelector_) {
        createSelector_->LabelHint()->setText(hint);
        if (createSelector_->isVisible())
            return;
    }
    statusBar()->showMessage(hint);
}

void TMainForm::FormKeyPress() {
    // Enter ends the editing of a field: the change is announced and the field left.
    panel_->Handlers().FormKeyPress(true, FocusOwner::Other);
    RenderMemo();
}

// A page the user turned to: the preview showing or not, and the views up to date.
void TMainForm::ViewerChange(int index) {
    preview_->PreviewShowing = index == PreView;
    if (index == PreView) {
        services_.WebBrowser.EnsureView();
        preview_->PreviewShown();
    }
    if (index == CSSView || index == PreView)
        RenderMemo();
    if (index == ElementView)
        RenderElementRules();
}

void TMainForm::RememberSheetPage() {
    const std::string& sheet = editor_.Document().FileName;
    const std::string& page = preview_->LocationView;
    if (sheet.empty() || page.empty() || page == "about:blank")
        return;
    if (std::pair(sheet, page) == sheetPage_)
        return;
    sheetPage_ = {sheet, page};
    services_.Settings.WriteSheetPage(sheet, page);
}

// A sheet opened shows the page last previewed with it.
void TMainForm::OpenSheetPage() {
    const std::string& sheet = editor_.Document().FileName;
    if (sheet.empty())
        return;
    const auto page = services_.Settings.ReadSheetPage(sheet);
    sheetPage_ = {sheet, page.value_or(std::string())};
    if (!page || *page == preview_->LocationView)
        return;
    preview_->LocationView = *page;
    services_.WebBrowser.Navigate(*page);
    browserBar_->Render();
}

// The picked element's rules, followed while their page shows.
void TMainForm::RenderElementRules() {
    const std::vector<std::string>& forced = preview_->ForcedStates();
    for (size_t i = 0; i < kForcedStates.size(); ++i) {
        QToolButton* button = Viewer->StateButtons()[i];
        button->setEnabled(preview_->HasPicked());
        button->setChecked(std::find(forced.begin(), forced.end(), kForcedStates[i]) !=
                           forced.end());
    }
    if (Viewer->currentIndex() == ElementView)
        Viewer->ElementRules()->Show(editor_.Document(), preview_->PickedCascade(),
                                     preview_->InheritedCascade(), preview_->Computed());
}

void TMainForm::RefreshViewExecute() {
    preview_->RefreshViewExecute();
    RenderMemo();
}

void TMainForm::RenderMemo(bool panelDrawn) {
    Viewer->RenderMemo();
    regions_->ShowTextOnly(editor_.NestedCurrent(),
                           editor_.GroupCurrent() ? GroupRowHint() : NestedRulesHint());
    regions_->GroupLabel()->setText(PanelList->GroupText());
    // The panel's own texts follow the sheet's encoding (open, new).
    editor_.UsePanelEncoding();
    if (!panelDrawn)
        panel_->Render();
    PanelList->RenderRow();
}

void TMainForm::Render() {
    setWindowTitle(QString::fromStdString(editor_.Caption()));
    const StyleDocument& document = editor_.Document();
    encodingLabel_->setText(FromUtf8(EncodingName(document.Encoding)));
    // A sheet not on disk yet has no bytes to read again.
    for (const auto& [id, encoding] : kReopenActions) {
        Action(id)->setChecked(encoding == document.Encoding);
        Action(id)->setEnabled(!document.FileName.empty());
    }
    PanelList->Render();
    regions_->FollowList([this] { return PanelList->RowsWidth(); });
    RenderMemo();
    browserBar_->Render();
    RenderElementRules();
}

// The floating layout: the switch, and the timer's tick.
void TMainForm::FloatPanelExecute() {
    Action(ActionId::FloatPanel)->setChecked(floating_->Switch());
}

void TMainForm::TimerFloatTimer(QPoint pointer) {
    floating_->TimerFloatTimer(pointer);
}

} // namespace tesselo
