#include "app/EditCSS.h"

#include "app/About.h"
#include "app/ActionTable.h"
#include "dialogs/CreateSelectorDlg.h"
#include "document/TextFile.h"
#include "panel/PropertyPanel.h"
#include "platform/QtPanelDialogs.h"
#include "platform/QtProgressDialog.h"
#include "platform/QtText.h"
#include "platform/QtUserDialogs.h"
#include "platform/SheetCodec.h"
#include "platform/SystemServices.h"
#include "platform/WebEngineBrowser.h"
#include "views/SourceViews.h"
#include "views/StyleListCommands.h"
#include "views/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCollator>
#include <QCursor>
#include <QDir>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>
#include <ctime>
#include <optional>
#include <unistd.h>

// The pictures live in this library, which the linker would otherwise leave out. The
// resource's initialiser is declared outside any namespace.
static void InitIconResource() {
    Q_INIT_RESOURCE(icons);
}

namespace tesselo {
namespace {

// The style list's text for a selector. A row shows one line: a selector longer than
// any list is wide is cut, or laying out the row would take seconds.
QString ListItemText(const SheetCodec& codec, const std::string& selector) {
    constexpr size_t kShown = 400;
    if (selector.size() <= kShown)
        return codec.Decode(selector);
    return codec.Decode(std::string_view(selector).substr(0, kShown)) + QStringLiteral("…");
}

// For the start-up measurement (scripts/startup-time.sh): the wall-clock time of the
// first showing, and with "exit" the program ends right there.
void ReportFirstShow() {
    const QByteArray mode = qgetenv("TESSELO_REPORT_FIRST_SHOW");
    if (mode.isEmpty())
        return;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::fprintf(stderr, "first-shown %lld%09ld\n", static_cast<long long>(now.tv_sec),
                 now.tv_nsec);
    std::fflush(stderr);
    if (mode == "exit")
        ::_exit(0);
}

// Puts the text into the view as setPlainText does (the caret at the start, nothing
// left to undo), but when most of what the view shows stays, only the part between the
// same start and the same end is replaced: one declaration changed in a rule of a
// million lines does not lay out the million lines again. The line break of an empty
// last line, which a rule's text as read has and its text as written has not, goes or
// comes on its own.
void ShowText(QPlainTextEdit& view, const QString& shown, const QString& text) {
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
        view.setPlainText(ForTextBox(text));
        return;
    }
    QTextDocument* document = view.document();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    auto replace = [&](qsizetype from, qsizetype to, const QString& by) {
        cursor.setPosition(static_cast<int>(from));
        cursor.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
        cursor.insertText(ForTextBox(by));
    };
    // The end first: the positions in front of it stay what they are.
    if (shownEnd != shown.size() || textEnd != text.size())
        replace(shownEnd, shown.size(), text.mid(textEnd));
    replace(front, front + replaced, text.mid(front, textEnd - front - back));
    document->setUndoRedoEnabled(true);
    view.moveCursor(QTextCursor::Start);
}

constexpr int kClientWidth = 663;
constexpr int kClientHeight = 447;

// Our own pictures, not the desktop theme's: one coloured set whose disabled pictures
// the toolkit greys, where themes often draw every state in the same pale grey.
QIcon Picture(std::string_view ownName) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(FromUtf8(ownName)));
}

// Tool tip and status line text of a control.
void SetHint(QWidget* widget, std::string_view hint) {
    HintParts parts = SplitHint(hint);
    widget->setToolTip(FromUtf8(parts.Short));
    widget->setStatusTip(FromUtf8(parts.Long));
}

QToolButton* BrowserButton(QWidget* parent, const char* name, std::string_view hint,
                           std::string_view ownName) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(Picture(ownName));
    button->setAutoRaise(true);
    SetHint(button, hint);
    return button;
}

// The buttons a tool bar makes for its actions carry the action's name, so that they
// are found like every other control.
void NameActionButtons(const QWidget* window) {
    for (QToolBar* bar : window->findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            QWidget* button = bar->widgetForAction(action);
            if (button && button->objectName().isEmpty() && !action->objectName().isEmpty())
                button->setObjectName(action->objectName());
        }
    }
}

QPlainTextEdit* MakeTextView(QWidget* parent, const char* name, bool readOnly) {
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setReadOnly(readOnly);
    if (readOnly) {
        // The button-face colour tells a view that only shows from one that takes typing.
        QPalette palette = view->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        view->setPalette(palette);
    }
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFont(QStringLiteral("Monospace")));
    return view;
}

void InitPictures() {
    InitIconResource();
    // Without a desktop icon theme the freedesktop names still find Adwaita's.
    if ((QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) &&
        QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists())
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

} // namespace

TMainForm::TMainForm(MainFormServices services, QWidget* parent)
    : QMainWindow(parent), editor_(files_, services.FontFamilies), settings_(services.Settings),
      arguments_(std::move(services.Arguments)), panelChoices_(services.PanelChoices) {
    setObjectName(QStringLiteral("MainForm"));
    InitPictures();
    if (services.Dialogs) {
        dialogs_ = services.Dialogs;
    } else {
        ownDialogs_ = std::make_unique<QtUserDialogs>(this);
        dialogs_ = ownDialogs_.get();
    }
    if (services.Progress) {
        progress_ = services.Progress;
    } else {
        ownProgress_ = std::make_unique<QtProgressDialog>(this);
        progress_ = ownProgress_.get();
    }
    editor_.UseProgress(*progress_);
    if (!panelChoices_) {
        ownPanelChoices_ = std::make_unique<QtPanelDialogs>(this);
        panelChoices_ = ownPanelChoices_.get();
    }
    commands_ = std::make_unique<DocumentCommands>(editor_, *dialogs_, *settings_);
    commands_->UseLocks(services.Locks ? services.Locks : &ownLocks_);

    BuildActions();
    BuildRegions();
    BuildToolBar();
    BuildMenus();

    if (services.PreviewBrowser) {
        browser_ = services.PreviewBrowser;
    } else {
        webBrowser_ = new WebEngineBrowser(PreViewPage, dialogs_);
        webBrowser_->SetSheetFile([this] { return editor_.Document().FileName; });
        browser_ = webBrowser_;
        connect(webBrowser_, &WebEngineBrowser::DownloadComplete, this, [this] {
            preview_->PreBrowserDownloadComplete();
            RenderBrowserBar();
        });
        connect(webBrowser_, &WebEngineBrowser::CommandStateChange, this,
                [this](int command, bool enabled) {
                    preview_->PreBrowserCommandStateChange(command, enabled);
                    RenderBrowserBar();
                });
    }
    preview_ = std::make_unique<Preview>(editor_, *browser_, *dialogs_);
    BuildStyleList();
    BuildSourceViews();
    NameActionButtons(this);

    qApp->installEventFilter(this);
    InitMainForm();
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    // The panel's controls go while the editing session they forward to is still there:
    // closing the window takes the focus from a field, which is leaving it.
    delete PanelToolStyle;
    delete TABPANEL;
}

QAction* TMainForm::Action(ActionId id) const {
    return actions_[static_cast<std::size_t>(id)];
}

template <typename F> void TMainForm::Run(F&& command) {
    command();
    Render();
}

void TMainForm::BuildActions() {
    for (const ActionInfo& info : kActions) {
        auto* action = new QAction(Picture(info.OwnIcon), FromUtf8(info.Caption), this);
        action->setObjectName(FromUtf8(info.Name));
        HintParts hint = SplitHint(info.Hint);
        action->setToolTip(FromUtf8(hint.Short));
        action->setStatusTip(FromUtf8(hint.Long));
        action->setProperty("category", FromUtf8(info.Category));
        if (!info.Shortcut.empty())
            action->setShortcut(QKeySequence(FromUtf8(info.Shortcut)));
        action->setCheckable(info.Checkable);
        actions_[static_cast<std::size_t>(info.Id)] = action;
        addAction(action);
    }

    DocumentCommands& c = *commands_;
    connect(Action(ActionId::New), &QAction::triggered, this,
            [this, &c] { Run([&c] { c.NewExecute(); }); });
    connect(Action(ActionId::OpenFile), &QAction::triggered, this,
            [this, &c] { Run([&c] { c.OpenFileExecute(); }); });
    connect(Action(ActionId::Save), &QAction::triggered, this,
            [this, &c] { Run([&c] { c.SaveExecute(); }); });
    connect(Action(ActionId::SaveAs), &QAction::triggered, this,
            [this, &c] { Run([&c] { c.SaveAsExecute(); }); });
    connect(Action(ActionId::N25), &QAction::triggered, this,
            [this, &c] { Run([&c] { c.N25Click(); }); });
    connect(Action(ActionId::RefreshView), &QAction::triggered, this,
            [this] { RefreshViewExecute(); });
    connect(Action(ActionId::FloatPanel), &QAction::triggered, this,
            [this] { FloatPanelExecute(); });
    connect(Action(ActionId::AutoRefreshAction), &QAction::toggled, this,
            [this](bool checked) { preview_->AutoRefresh = checked; });
    // Cut and paste act on the current style's text, and only on its page.
    connect(Action(ActionId::EditCut), &QAction::triggered, this, [this] {
        if (Viewer->currentIndex() == CssMemoView)
            CSSMemo->cut();
    });
    connect(Action(ActionId::EditCopy), &QAction::triggered, this, [] {
        // The toolkit's copy of whichever text box has the focus.
        if (auto* edit = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget()))
            edit->copy();
        else if (auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            line->copy();
    });
    connect(Action(ActionId::EditPaste), &QAction::triggered, this, [this] {
        if (Viewer->currentIndex() == CssMemoView)
            CSSMemo->paste();
    });
    connect(Action(ActionId::SendMailToAutor), &QAction::triggered, this,
            [] { ShellOpen(TAboutBox::MailAddress()); });
    connect(Action(ActionId::N32), &QAction::triggered, this,
            [] { ShellOpen(TAboutBox::HomePageAddress()); });
    connect(Action(ActionId::HelpAbout), &QAction::triggered, this, [this] {
        if (aboutBox_)
            aboutBox_->exec();
    });
}

void TMainForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    // A null id stands for a separator.
    auto add = [bar](const QString& title, std::initializer_list<std::optional<ActionId>> items,
                     const TMainForm* self) {
        QMenu* menu = bar->addMenu(title);
        for (const std::optional<ActionId>& item : items) {
            if (item)
                menu->addAction(self->Action(*item));
            else
                menu->addSeparator();
        }
        return menu;
    };
    using enum ActionId;
    constexpr std::nullopt_t line = std::nullopt;
    add(QStringLiteral("Файл"), {New, line, OpenFile, Save, SaveAs}, this);
    add(QStringLiteral("Правка"), {EditCut, EditCopy, EditPaste, line, N25}, this);
    add(QStringLiteral("Вид"), {FloatPanel, AutoRefreshAction, line, RefreshView}, this);
    add(QStringLiteral("Стиль"),
        {NewStyle, StyleDelete, StyleRename, line, StyleUp, StyleDown, StyleSorted}, this);
    add(QStringLiteral("Помощь"), {SendMailToAutor, N32, line, HelpAbout}, this);
}

void TMainForm::BuildToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFixedHeight(29);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->addAction(Action(ActionId::New));
    ToolBar1->addAction(Action(ActionId::OpenFile));
    ToolBar1->addAction(Action(ActionId::Save));
    ToolBar1->addSeparator();
    ToolBar1->addAction(Action(ActionId::EditCut));
    ToolBar1->addAction(Action(ActionId::EditCopy));
    ToolBar1->addAction(Action(ActionId::EditPaste));
    ToolBar1->addSeparator();

    GotoBack = BrowserButton(ToolBar1, "GotoBack", "Назад", "back");
    GotoForward = BrowserButton(ToolBar1, "GotoForward", "Вперед", "forward");
    StopNavigate = BrowserButton(ToolBar1, "StopNavigate", "Стоп", "stop");
    GotoHomePage = BrowserButton(ToolBar1, "GotoHomePage", "На стартовую в Tesselo", "home");
    SaveHomePage = BrowserButton(ToolBar1, "SaveHomePage",
                                 "Сделать текущую стартовой в рамках Tesselo", "save-home");
    LocationView = new QLineEdit(QStringLiteral("about:blank"), ToolBar1);
    LocationView->setObjectName(QStringLiteral("LocationView"));
    LocationView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    ToolBar1->addWidget(GotoBack);
    ToolBar1->addWidget(GotoForward);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(StopNavigate);
    ToolBar1->addAction(Action(ActionId::RefreshView));
    ToolBar1->addSeparator();
    ToolBar1->addWidget(GotoHomePage);
    ToolBar1->addWidget(LocationView);
    ToolBar1->addWidget(SaveHomePage);
    ToolBar1->addSeparator();
    ToolBar1->addAction(Action(ActionId::FloatPanel));
    ToolButtonFullView =
        qobject_cast<QToolButton*>(ToolBar1->widgetForAction(Action(ActionId::FloatPanel)));
    ToolButtonFullView->setObjectName(QStringLiteral("ToolButtonFullView"));
    ToolBar1->addAction(Action(ActionId::AutoRefreshAction));

    connect(GotoBack, &QToolButton::clicked, this, [this] { preview_->GotoBackClick(); });
    connect(GotoForward, &QToolButton::clicked, this, [this] { preview_->GotoForwardClick(); });
    connect(StopNavigate, &QToolButton::clicked, this, [this] { preview_->StopNavigateClick(); });
    connect(GotoHomePage, &QToolButton::clicked, this, [this] { preview_->GotoHomePageClick(); });
    connect(SaveHomePage, &QToolButton::clicked, this, [this] { preview_->SaveHomePageClick(); });
    // The address box shows the preview's address; the user's typing goes straight to it.
    connect(LocationView, &QLineEdit::textEdited, this,
            [this](const QString& text) { preview_->LocationView = text.toStdString(); });
    connect(LocationView, &QLineEdit::returnPressed, this,
            [this] { preview_->LocationViewEnter(); });
}

void TMainForm::BuildRegions() {
    auto* central = new QWidget(this);
    auto* centralLayout = new QHBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    SplitterList = new QSplitter(Qt::Horizontal, central);
    SplitterList->setObjectName(QStringLiteral("SplitterList"));
    SplitterList->setHandleWidth(3);
    SplitterList->setChildrenCollapsible(false);
    centralLayout->addWidget(SplitterList);
    setCentralWidget(central);

    BuildStyleListPanel();

    // The work area.
    PanelALL = new QWidget(SplitterList);
    PanelALL->setObjectName(QStringLiteral("PanelALL"));
    PanelALL->setMinimumSize(300, 100);
    // Floating, the pointer over the margin around the views brings the panels in.
    PanelALL->setMouseTracking(true);
    TimerFloat = new QTimer(this);
    TimerFloat->setObjectName(QStringLiteral("TimerFloat"));
    TimerFloat->setInterval(600);
    connect(TimerFloat, &QTimer::timeout, this, [this] { TimerFloatTimer(QCursor::pos()); });
    auto* allLayout = new QVBoxLayout(PanelALL);
    allLayout->setContentsMargins(0, 0, 0, 0);
    allLayout->setSpacing(0);

    BuildPropertyPanel();
    allLayout->addWidget(PanelToolStyle);

    BuildViewsAndPages(*allLayout);

    SplitterList->addWidget(PanelList);
    SplitterList->addWidget(PanelALL);
    SplitterList->setStretchFactor(0, 0);
    SplitterList->setStretchFactor(1, 1);

    BuildStatusBar();
}

// Below the panel's tool bars: the views, and the property pages at their right.
void TMainForm::BuildViewsAndPages(QVBoxLayout& allLayout) {
    auto* lower = new QWidget(PanelALL);
    lower_ = lower;
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(1);
    allLayout.addWidget(lower, 1);

    // The focus sink sits behind the views: never seen, never reached by Tab.
    ZF = new QPushButton(QStringLiteral("ZF"), lower);
    ZF->setObjectName(QStringLiteral("ZF"));
    ZF->setFocusPolicy(Qt::ClickFocus);
    ZF->setGeometry(0, 0, 20, 20);
    panel_->SetFocusTarget(ZF);

    Viewer = new QTabWidget(lower);
    Viewer->setObjectName(QStringLiteral("Viewer"));
    Viewer->setTabPosition(QTabWidget::South);
    lowerLayout->addWidget(Viewer, 1);
    ZF->lower();

    BuildViewPages();

    TABPANEL = panel_->Pages();
    // Wide enough for its four tabs without scroll arrows.
    TABPANEL->setFixedWidth(std::max(171, TABPANEL->tabBar()->sizeHint().width() + 4));
    lowerLayout->addWidget(TABPANEL, 0, Qt::AlignTop);
    TABPANEL->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void TMainForm::BuildPropertyPanel() {
    // The property panel: its tool bars across the top, its pages at the right.
    panel_ = new PropertyPanel(editor_, *dialogs_, *panelChoices_, this);
    PanelToolStyle = panel_->ToolStyle();
    PanelToolStyle->setFixedHeight(84);
    ToolBar4 = PanelToolStyle->findChild<QToolBar*>(QStringLiteral("ToolBar4"));
    ToolBar3 = PanelToolStyle->findChild<QToolBar*>(QStringLiteral("ToolBar3"));
    ToolBar2 = PanelToolStyle->findChild<QToolBar*>(QStringLiteral("ToolBar2"));
    // The text view follows the panel's changes; the panel has drawn itself.
    editor_.Observe([this](const SessionChange& change) {
        if (change.What == SessionChange::Kind::Panel)
            RenderMemo(true);
    });
    // The panel shows and takes its texts through the sheet's codec, as the views do.
    panel_->SetTextCodec([this](std::string_view bytes) { return Codec().Decode(bytes); },
                         [this](const QString& text) { return Codec().Encode(text); });
}

void TMainForm::BuildStyleListPanel() {
    PanelList = new QWidget(SplitterList);
    PanelList->setObjectName(QStringLiteral("PanelList"));
    PanelList->setMinimumWidth(30);
    auto* listLayout = new QVBoxLayout(PanelList);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(0);
    ToolBar5 = new QToolBar(QStringLiteral("ToolBar5"), PanelList);
    ToolBar5->setObjectName(QStringLiteral("ToolBar5"));
    ToolBar5->setIconSize(QSize(16, 16));
    using enum ActionId;
    for (ActionId id : {NewStyle, StyleRename, StyleDelete, StyleUp, StyleDown, StyleSorted})
        ToolBar5->addAction(Action(id));
    listLayout->addWidget(ToolBar5);
    ListTag = new QListWidget(PanelList);
    ListTag->setObjectName(QStringLiteral("ListTag"));
    ListTag->setStyleSheet(QStringLiteral("QListWidget { background: silver; }"));
    ListTag->viewport()->setCursor(Qt::PointingHandCursor);
    // Rows of one line each: thousands of rules are laid out without measuring each.
    ListTag->setUniformItemSizes(true);
    SetHint(ListTag, "Список созданных селекторов (стилей)|Щелчок-открыть, двойной "
                     "щелчек-переименовать, перетаскивание-изменение номера в списке");
    listLayout->addWidget(ListTag);
    RenameField = new QLineEdit(PanelList);
    RenameField->setObjectName(QStringLiteral("RenameField"));
    RenameField->hide();
    SetHint(RenameField, "Переименование стиля");
    // A click selects even the row that is already selected (the view is then read
    // into the panel again); a click that changes the row selects once.
    connect(ListTag, &QListWidget::currentRowChanged, this, [this](int row) {
        if (rendering_ || row < 0)
            return;
        rowChangedByPress_ = QApplication::mouseButtons() != Qt::NoButton;
        ListTagClick(row);
    });
    connect(ListTag, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const bool changed = rowChangedByPress_;
        rowChangedByPress_ = false;
        if (!changed)
            ListTagClick(ListTag->row(item));
    });
}

void TMainForm::BuildViewPages() {
    // A page of the views whose content fills it.
    auto addPage = [this](const char* name, const QString& caption) {
        auto* page = new QWidget(Viewer);
        page->setObjectName(QString::fromLatin1(name));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        Viewer->addTab(page, caption);
        return page;
    };
    QWidget* memoPage = addPage("CssMemoView", QStringLiteral("Текущий стиль"));
    CSSMemo = MakeTextView(memoPage, "CSSMemo", false);
    BtnStyleUpdate = new QPushButton(memoPage);
    BtnStyleUpdate->setObjectName(QStringLiteral("BtnStyleUpdate"));
    BtnStyleUpdate->hide();
    memoPage->layout()->addWidget(CSSMemo);
    memoPage->layout()->addWidget(BtnStyleUpdate);
    connect(CSSMemo, &QPlainTextEdit::textChanged, this, [this] { CSSMemoChange(); });

    QWidget* cssPage = addPage("CSSView", QStringLiteral("Текущий CSS"));
    HCSSMemo = MakeTextView(cssPage, "HCSSMemo", true);
    cssPage->layout()->addWidget(HCSSMemo);

    QWidget* diskPage = addPage("CssDiskView", QStringLiteral("Исходный CSS"));
    HCssInDiskMemo = MakeTextView(diskPage, "HCssInDiskMemo", true);
    diskPage->layout()->addWidget(HCssInDiskMemo);

    PreViewPage = addPage("PreView", QStringLiteral("Просмотр"));
    connect(Viewer, &QTabWidget::currentChanged, this, [this](int index) {
        if (!rendering_)
            ViewerChange(index);
    });
}

void TMainForm::BuildStatusBar() {
    QStatusBar* status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setFixedHeight(21);
    status->setStyleSheet(
        QStringLiteral("QStatusBar { color: blue; font-family: Tahoma; font-size: 8pt; "
                       "font-weight: bold; }"));
    SetHint(status, "Это строка состояния. Читайте здесь подсказки.");
    encodingLabel_ = new QLabel(status);
    encodingLabel_->setObjectName(QStringLiteral("EncodingLabel"));
    status->addPermanentWidget(encodingLabel_);
}

void TMainForm::InitMainForm() {
    // At the first start every tab and tool button shows without scroll arrows.
    panelListWidth_ = std::max(panelListWidth_, ToolBar5->sizeHint().width() + 4);
    const int work = std::max({ToolBar4->sizeHint().width(), ToolBar3->sizeHint().width(),
                               ToolBar2->sizeHint().width(),
                               Viewer->tabBar()->sizeHint().width() + 8 + TABPANEL->width()});
    const int height = ToolBar1->height() + PanelToolStyle->height() +
                       TABPANEL->sizeHint().height() + statusBar()->height() + 16;
    QRect first(0, 0,
                std::max(kClientWidth, panelListWidth_ + SplitterList->handleWidth() + work + 8),
                std::max(kClientHeight, height) + menuBar()->sizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        first.moveCenter(screen->availableGeometry().center());
    PlaceWindow(first);
    rendering_ = true;
    Viewer->setCurrentIndex(CssDiskView);
    rendering_ = false;

    ReadWindowValues();
    preview_->HomePageAddress = preview_->LocationView;
    RenderBrowserBar();
    browser_->Navigate(preview_->HomePageAddress);

    editor_.StartBlank();
    commands_->OpenLastFileCSS(arguments_);
    Render();
    // The page shown at start shows what there is, quietly: the program chose it.
    if (Viewer->currentIndex() == CssDiskView)
        FillSourceView(false);
}

void TMainForm::ReadWindowValues() {
    std::optional<WindowValues> values = settings_->ReadWindowValues();
    if (!values)
        return;
    if (values->Left && values->Top && values->Width && values->Height)
        PlaceWindow(QRect(*values->Left, *values->Top, *values->Width, *values->Height));
    if (values->Maximized.value_or(false))
        setWindowState(windowState() | Qt::WindowMaximized);
    if (values->FloatPanel.value_or(false))
        FloatPanelExecute();
    if (values->AutoRefresh.value_or(false))
        Action(ActionId::AutoRefreshAction)->setChecked(true);
    rendering_ = true;
    if (values->Viewer && *values->Viewer >= 0 && *values->Viewer < Viewer->count())
        Viewer->setCurrentIndex(*values->Viewer);
    // Only the preview is restored; any other page opens as the current style.
    if (Viewer->currentIndex() < PreView)
        Viewer->setCurrentIndex(CssMemoView);
    rendering_ = false;
    if (values->HomePage)
        preview_->LocationView = *values->HomePage;
    if (values->PanelListWidth)
        panelListWidth_ = std::max(*values->PanelListWidth, PanelList->minimumWidth());
}

WindowValues TMainForm::CurrentWindowValues() const {
    WindowValues values;
    values.Maximized = isMaximized();
    values.FloatPanel = floating_.Floating();
    values.AutoRefresh = preview_->AutoRefresh;
    values.Viewer = Viewer->currentIndex();
    values.TabPanel = TABPANEL->currentIndex();
    values.HomePage = preview_->HomePageAddress;
    values.PanelListWidth = shown_ ? PanelList->width() : panelListWidth_;
    // Maximised, the place to come back to is the one before.
    const QRect normal = normalGeometry();
    if (normal.isValid()) {
        values.Left = normal.left();
        values.Top = normal.top();
        values.Width = normal.width();
        values.Height = normal.height();
    }
    return values;
}

void TMainForm::PlaceWindow(const QRect& wanted) {
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        setGeometry(wanted);
        return;
    }
    // The frame has to fit too; its size is known only once the window has been shown.
    const QRect outer = frameGeometry(), inner = geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect free = screen->availableGeometry();
    const QRect framed = wanted.marginsAdded(frame);
    const PanelBox fitted = FitToScreen({framed.x(), framed.y(), framed.width(), framed.height()},
                                        {free.x(), free.y(), free.width(), free.height()});
    setGeometry(QRect(fitted.Left, fitted.Top, fitted.Width, fitted.Height).marginsRemoved(frame));
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    panel_->Handlers().FormShow();
    panel_->Render();
    if (shown_)
        return;
    shown_ = true;
    if (!isMaximized())
        PlaceWindow(geometry());
    // The splitter lays out its panels only now; panels floating since the start get the
    // list's width here, and the splitter the sizes to dock back to.
    const int across = floating_.Floating() ? width() : SplitterList->width();
    const QList<int> sizes{panelListWidth_, std::max(1, across - panelListWidth_)};
    if (floating_.Floating()) {
        dockedSizes_ = sizes;
        PanelList->resize(panelListWidth_, PanelList->height());
        PlaceFloatingPanels();
    } else {
        SplitterList->setSizes(sizes);
    }
    ReportFirstShow();
    // The preview chosen at the last close shows the home page; a refresh would write
    // the sheet over the file before the user changed anything.
    if (Viewer->currentIndex() == PreView) {
        preview_->PreviewShowing = true;
        if (webBrowser_)
            webBrowser_->EnsureView();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!commands_->FormClose()) {
        Render();
        event->ignore();
        return;
    }
    settings_->WriteWindowValues(CurrentWindowValues());
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PanelALL && floating_.Floating()) {
        if (event->type() == QEvent::MouseMove)
            PanelALLMouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        else if (event->type() == QEvent::Resize)
            PlaceFloatingPanels();
    }
    if (listCommands_ && StyleListEvent(watched, event))
        return true;
    // The hints of the whole application, the dialogs' included, come here.
    if (event->type() == QEvent::StatusTip && qobject_cast<QWidget*>(watched)) {
        ApplicationEventsHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget &&
            widget->window() == this && widget == QApplication::focusWidget() &&
            widget != CSSMemo && widget != ListTag)
            FormKeyPress();
    }
    return QMainWindow::eventFilter(watched, event);
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

void TMainForm::ListTagClick(int row) {
    editor_.Select(row);
    RenderMemo();
}

void TMainForm::ViewerChange(int index) {
    preview_->PreviewShowing = index == PreView;
    switch (index) {
    case CSSView:
        editor_.ComposeCSS();
        HCSSMemo->setPlainText(
            ForTextBox(Codec().DecodeLines(editor_.Document().SheetText.ToLineList())));
        RenderMemo();
        break;
    case CssDiskView:
        FillSourceView(true);
        break;
    case PreView:
        if (webBrowser_)
            webBrowser_->EnsureView();
        preview_->PreviewShown();
        RenderMemo();
        break;
    default:
        break;
    }
}

void TMainForm::FillSourceView(bool reportMissing) {
    TextFileContent content;
    const std::string& file = editor_.Document().FileName;
    if (!file.empty() && !ReadTextFile(BackupCopyName(file), content)) {
        HCssInDiskMemo->setPlainText(ForTextBox(Codec().DecodeLines(content.Text.ToLineList())));
        return;
    }
    // Nothing saved to show: the view keeps what it showed and the user learns why.
    if (reportMissing)
        dialogs_->Show(
            {"Error", messages::SaveBeforeViewing(), MessageIcon::Error, MessageButtons::Ok});
}

void TMainForm::RefreshViewExecute() {
    preview_->RefreshViewExecute();
    RenderMemo();
}

void TMainForm::CSSMemoChange() {
    if (rendering_)
        return;
    // The raw text: the plain text would turn every no-break space into a space.
    editor_.TypeText(Codec().EncodeLines(TextOf(*CSSMemo->document())));
    BtnStyleUpdate->setVisible(editor_.Memo().Edited);
}

void TMainForm::RenderMemo(bool panelDrawn) {
    rendering_ = true;
    const QString text = Codec().DecodeLines(editor_.Memo().Lines);
    if (const QString shown = TextOf(*CSSMemo->document()); shown != text)
        ShowText(*CSSMemo, shown, text);
    BtnStyleUpdate->setVisible(editor_.Memo().Edited);
    // Without a current rule there is no record to keep what would be typed.
    CSSMemo->setReadOnly(!editor_.HasCurrentStyle());
    // A rule holding nested rules is edited as text only: the panel is out of use and
    // the status line says why.
    const bool nested = editor_.NestedCurrent();
    PanelToolStyle->setEnabled(!nested);
    TABPANEL->setEnabled(!nested);
    // The panel's own texts follow the sheet's encoding (open, new).
    editor_.UsePanelEncoding();
    if (!panelDrawn)
        panel_->Render();
    if (nested != nestedShown_) {
        nestedShown_ = nested;
        if (nested)
            statusBar()->showMessage(QString::fromStdString(NestedRulesHint()));
        else
            statusBar()->clearMessage();
    }
    const int row = editor_.Current();
    if (ListTag->currentRow() != row)
        ListTag->setCurrentRow(row);
    rendering_ = false;
}

void TMainForm::RenderBrowserBar() {
    GotoBack->setEnabled(preview_->BackEnabled);
    GotoForward->setEnabled(preview_->ForwardEnabled);
    LocationView->setText(QString::fromStdString(preview_->LocationView));
}

void TMainForm::Render() {
    rendering_ = true;
    setWindowTitle(QString::fromStdString(editor_.Caption()));
    encodingLabel_->setText(FromUtf8(EncodingName(editor_.Document().Encoding)));
    const std::vector<std::string> items = editor_.Document().ListItems();
    bool same = ListTag->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < ListTag->count(); ++i)
        same = ListTag->item(i)->text() == ListItemText(Codec(), items[static_cast<size_t>(i)]);
    if (!same) {
        constexpr size_t kRowsAStep = 4096;
        ProgressSpan filling(*progress_, progress::kFillingList, items.size(), kRowsAStep);
        ListTag->clear();
        for (size_t i = 0; i < items.size(); ++i) {
            filling.At(i);
            ListTag->addItem(ListItemText(Codec(), items[i]));
        }
    }
    rendering_ = false;
    RenderMemo();
    RenderBrowserBar();
}

// The style list's commands, renaming in place and reordering by dragging.
void TMainForm::BuildStyleList() {
    listCommands_ =
        std::make_unique<StyleListCommands>(editor_, *dialogs_, [this](std::string_view name) {
            return Codec().Decode(name).toStdString();
        });
    StyleListCommands& list = *listCommands_;
    connect(Action(ActionId::NewStyle), &QAction::triggered, this, [this, &list] {
        if (!createSelector_)
            return;
        const QString result = createSelector_->Execute(Codec().Decode(list.StyleNameList()));
        Run([&] { list.NewStyleExecute(Codec().Encode(result)); });
    });
    connect(Action(ActionId::StyleDelete), &QAction::triggered, this,
            [this, &list] { Run([&list] { list.StyleDeleteExecute(); }); });
    connect(Action(ActionId::StyleUp), &QAction::triggered, this,
            [this, &list] { Run([&list] { list.StyleUpExecute(); }); });
    connect(Action(ActionId::StyleDown), &QAction::triggered, this,
            [this, &list] { Run([&list] { list.StyleDownExecute(); }); });
    connect(Action(ActionId::StyleSorted), &QAction::triggered, this, [this, &list] {
        // The user's locale, without regard to case.
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        const SheetCodec codec = Codec();
        Run([&] {
            list.StyleSortedExecute([&](const std::string& a, const std::string& b) {
                return collator.compare(codec.Decode(a), codec.Decode(b)) < 0;
            });
        });
    });
    connect(Action(ActionId::StyleRename), &QAction::triggered, this,
            [this] { StyleRenameExecute(); });
    connect(ListTag, &QListWidget::itemDoubleClicked, this, [this] { StyleRenameExecute(); });
    RenameField->installEventFilter(this);

    // A drag that starts in the list moves the current style to the row it is dropped on.
    ListTag->setDragEnabled(true);
    ListTag->setAcceptDrops(true);
    ListTag->setDragDropMode(QAbstractItemView::DragDrop);
    ListTag->setDefaultDropAction(Qt::MoveAction);
    ListTag->viewport()->installEventFilter(this);
}

void TMainForm::StyleRenameExecute() {
    const int row = editor_.Current();
    QListWidgetItem* item = ListTag->item(row);
    if (!item)
        return;
    const QRect rect = ListTag->visualItemRect(item);
    RenameField->setGeometry(4, ListTag->geometry().top() + rect.top() + 2, ListTag->width() - 4,
                             ListTag->fontMetrics().height() + 3);
    RenameField->setText(Codec().Decode(editor_.Document().Record(row).Selector));
    RenameField->show();
    RenameField->raise();
    RenameField->setFocus();
}

// A drag of the style list's own rows: from the list itself, or, when the system does
// not tell where a drag comes from, carrying the list's own kind of data.
bool TMainForm::FromStyleList(const QDropEvent& event) const {
    if (event.source())
        return event.source() == ListTag;
    const QStringList own = ListTag->model()->mimeTypes();
    return event.mimeData() && !own.isEmpty() && event.mimeData()->hasFormat(own.first());
}

// The rename field: Return renames, Escape and leaving it give up; true when taken.
bool TMainForm::RenameFieldEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            RenameField->hide();
            ListTag->setFocus();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const std::string text = Codec().Encode(RenameField->text());
            bool taken = false;
            Run([&] { taken = listCommands_->RenameStyle(text); });
            if (taken) {
                RenameField->hide();
                ListTag->setFocus();
            } else {
                RenameField->show();
                RenameField->setFocus();
            }
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && RenameField->isVisible() &&
               QApplication::activeModalWidget() == nullptr) {
        RenameField->hide();
    }
    return false;
}

// A drag over the list and a drop on it; true when taken.
bool TMainForm::StyleListDragEvent(QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!FromStyleList(*drag)) {
            drag->ignore();
            return true;
        }
        // The row under the pointer shows as selected; the current style stays.
        rendering_ = true;
        const int row = ListTag->indexAt(drag->position().toPoint()).row();
        if (row >= 0)
            ListTag->setCurrentRow(row);
        rendering_ = false;
        drag->setDropAction(Qt::MoveAction);
        drag->accept();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!FromStyleList(*drop))
            return false;
        int row = ListTag->indexAt(drop->position().toPoint()).row();
        if (row < 0)
            row = ListTag->count(); // below the last row: nothing moves
        // The list is shown again from the document; the view itself moves nothing.
        drop->setDropAction(Qt::IgnoreAction);
        drop->accept();
        Run([&] { listCommands_->DropOnRow(row); });
        return true;
    }
    return false;
}

// Events of the rename field and of the list's drag and drop; true when taken.
bool TMainForm::StyleListEvent(QObject* watched, QEvent* event) {
    if (watched == ListTag && event->type() == QEvent::Resize) {
        // The rename field stays as wide as the list when the panel is resized.
        QRect field = RenameField->geometry();
        field.setWidth(static_cast<QResizeEvent*>(event)->size().width() - 4);
        RenameField->setGeometry(field);
        return false;
    }
    if (watched == RenameField)
        return RenameFieldEvent(event);
    return watched == ListTag->viewport() && StyleListDragEvent(event);
}

// The current style's text: pushed into the panel by its button, and the property page
// following the caret.
void TMainForm::BuildSourceViews() {
    BtnStyleUpdate->setText(QStringLiteral("Обновить панели инструменов >>>"));
    BtnStyleUpdate->setStyleSheet(
        QStringLiteral("QPushButton { color: blue; font-weight: bold; }"));
    connect(BtnStyleUpdate, &QPushButton::clicked, this,
            [this] { Run([this] { editor_.PushTextToPanel(); }); });
    connect(CSSMemo, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (rendering_)
            return;
        const int page = PropertyPageForLine(Codec().Encode(CSSMemo->textCursor().block().text()));
        if (page >= 0)
            TABPANEL->setCurrentIndex(page);
    });
}

// The floating layout takes the three panels out of the layouts and places them by
// hand; docking puts them back where they were, in the same order.
void TMainForm::FloatPanelExecute() {
    if (floating_.FloatPanelExecute())
        FloatLayout();
    else
        DockLayout();
    Action(ActionId::FloatPanel)->setChecked(floating_.Floating());
}

void TMainForm::FloatLayout() {
    dockedSizes_ = SplitterList->sizes();
    QWidget* central = centralWidget();
    PanelList->setParent(central);
    PanelALL->setParent(central);
    SplitterList->hide();
    central->layout()->addWidget(PanelALL);
    PanelALL->layout()->removeWidget(PanelToolStyle);
    lower_->layout()->removeWidget(TABPANEL);
    TABPANEL->setParent(PanelALL);
    PanelALL->layout()->setContentsMargins(FloatingPanels::kBand, FloatingPanels::kBand,
                                           FloatingPanels::kBand, 0);
    for (QWidget* panel : {PanelALL, PanelList, PanelToolStyle, static_cast<QWidget*>(TABPANEL)}) {
        // A panel slid in over the views hides what is below it.
        panel->setAutoFillBackground(true);
        panel->show();
        panel->raise();
    }
    PanelALL->layout()->activate();
    PlaceFloatingPanels();
}

void TMainForm::DockLayout() {
    centralWidget()->layout()->removeWidget(PanelALL);
    SplitterList->insertWidget(0, PanelList);
    SplitterList->insertWidget(1, PanelALL);
    SplitterList->show();
    PanelALL->layout()->setContentsMargins(0, 0, 0, 0);
    static_cast<QVBoxLayout*>(PanelALL->layout())->insertWidget(0, PanelToolStyle);
    TABPANEL->setParent(lower_);
    static_cast<QHBoxLayout*>(lower_->layout())->addWidget(TABPANEL, 0, Qt::AlignTop);
    for (QWidget* panel : {PanelList, PanelALL, PanelToolStyle, static_cast<QWidget*>(TABPANEL)})
        panel->show();
    SplitterList->setSizes(dockedSizes_);
}

FloatMeasures TMainForm::MeasureFloating() const {
    FloatMeasures m;
    m.PanelALL = {PanelALL->x(), PanelALL->y(), PanelALL->width(), PanelALL->height()};
    m.PanelListWidth = PanelList->width();
    m.ToolStyleHeight = PanelToolStyle->height();
    m.PagesWidth = TABPANEL->width();
    m.PagesHeight = TABPANEL->sizeHint().height();
    // Every page of the views is as tall as the preview's; only the one showing is laid out.
    m.PreViewHeight = Viewer->currentWidget()->height();
    return m;
}

void TMainForm::PlaceFloatingPanels() {
    if (floating_.Floating()) {
        const FloatPlaces places = floating_.Places(MeasureFloating());
        auto place = [](QWidget* widget, const PanelBox& box) {
            widget->setGeometry(box.Left, box.Top, box.Width, box.Height);
        };
        place(PanelList, places.PanelList);
        place(PanelToolStyle, places.PanelToolStyle);
        place(TABPANEL, places.TABPANEL);
    }
    if (floating_.TimerFloat() && !TimerFloat->isActive())
        TimerFloat->start();
    else if (!floating_.TimerFloat())
        TimerFloat->stop();
}

void TMainForm::PanelALLMouseMove(QPoint pointer) {
    const QPoint at = centralWidget()->mapFromGlobal(pointer);
    floating_.PanelALLMouseMove({at.x(), at.y()}, MeasureFloating());
    PlaceFloatingPanels();
}

void TMainForm::TimerFloatTimer(QPoint pointer) {
    const QPoint at = centralWidget()->mapFromGlobal(pointer);
    floating_.TimerFloatTimer({at.x(), at.y()}, MeasureFloating());
    PlaceFloatingPanels();
}

} // namespace tesselo
