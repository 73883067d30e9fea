#include "app/WindowRegions.h"

#include "app/FloatingLayout.h"
#include "editor/StyleEditor.h"
#include "views/WidgetHint.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace tesselo {
namespace {

// The smallest client area of the window at the first start.
constexpr int kClientWidth = 663;
constexpr int kClientHeight = 447;

} // namespace

WindowRegions::WindowRegions(QMainWindow& window) : window_(window) {
    central_ = new QWidget(&window);
    auto* centralLayout = new QHBoxLayout(central_);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    SplitterList = new QSplitter(Qt::Horizontal, central_);
    SplitterList->setObjectName(QStringLiteral("SplitterList"));
    SplitterList->setHandleWidth(3);
    SplitterList->setChildrenCollapsible(false);
    // Moved by the user, the list keeps the width given to it.
    QObject::connect(SplitterList, &QSplitter::splitterMoved, SplitterList,
                     [this] { listKept_ = true; });
    centralLayout->addWidget(SplitterList);
    window.setCentralWidget(central_);
}

QWidget* WindowRegions::ListParent() const {
    return SplitterList;
}

void WindowRegions::PlaceList(QWidget& list) {
    list_ = &list;
    PanelALL = new QWidget(SplitterList);
    PanelALL->setObjectName(QStringLiteral("PanelALL"));
    PanelALL->setMinimumSize(300, 100);
    allLayout_ = new QVBoxLayout(PanelALL);
    allLayout_->setContentsMargins(0, 0, 0, 0);
    allLayout_->setSpacing(0);
    // Made now, placed below the tool bars when they come: what goes in it is made there.
    lower_ = new QWidget(PanelALL);
    lowerLayout_ = new QHBoxLayout(lower_);
    lowerLayout_->setContentsMargins(0, 0, 0, 0);
    lowerLayout_->setSpacing(1);
}

void WindowRegions::PlaceToolStyle(QWidget& toolStyle) {
    PanelToolStyle = &toolStyle;
    PanelToolStyle->setFixedHeight(84);
    ToolBar4 = PanelToolStyle->findChild<QToolBar*>(QStringLiteral("ToolBar4"));
    ToolBar3 = PanelToolStyle->findChild<QToolBar*>(QStringLiteral("ToolBar3"));
    ToolBar2 = PanelToolStyle->findChild<QToolBar*>(QStringLiteral("ToolBar2"));
    allLayout_->addWidget(PanelToolStyle);
    allLayout_->addWidget(lower_, 1);
    // The focus sink sits behind the views: never seen, never reached by Tab.
    ZF = new QPushButton(QStringLiteral("ZF"), lower_);
    ZF->setObjectName(QStringLiteral("ZF"));
    ZF->setFocusPolicy(Qt::ClickFocus);
    ZF->setGeometry(0, 0, 20, 20);
}

QWidget* WindowRegions::FocusSink() const {
    return ZF;
}

void WindowRegions::PlaceViews(QTabWidget& views, QTabWidget& pages) {
    views_ = &views;
    lowerLayout_->addWidget(views_, 1);
    ZF->lower();
    TABPANEL = &pages;
    // As wide as the pages ask, their tabs' captions whole; as tall as the room, down to
    // the status line.
    TABPANEL->setMinimumWidth(171);
    TABPANEL->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    lowerLayout_->addWidget(TABPANEL);
}

FloatingLayout* WindowRegions::Finish(QObject* parent) {
    SplitterList->addWidget(list_);
    SplitterList->addWidget(PanelALL);
    SplitterList->setStretchFactor(0, 0);
    SplitterList->setStretchFactor(1, 1);
    return new FloatingLayout({.Central = central_,
                               .Splitter = SplitterList,
                               .List = list_,
                               .WorkArea = PanelALL,
                               .ToolStyle = PanelToolStyle,
                               .Pages = TABPANEL,
                               .Lower = lower_,
                               .Views = views_},
                              parent);
}

void WindowRegions::FollowList(const std::function<int()>& wanted) {
    // Floating, the list keeps its width: it comes back to the splitter with it.
    if (listKept_ || !SplitterList->isVisible())
        return;
    const QList<int> sizes = SplitterList->sizes();
    const int width = std::min(wanted(), window_.width() / 4);
    if (sizes.size() < 2 || sizes[0] >= width)
        return;
    SplitterList->setSizes({width, sizes[0] + sizes[1] - width});
}

QLabel* WindowRegions::BuildStatusBar() {
    QStatusBar* status = window_.statusBar();
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setFixedHeight(21);
    QPalette blue = status->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    status->setPalette(blue);
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setBold(true);
    status->setFont(font);
    SetHint(status, "Это строка состояния. Читайте здесь подсказки.");
    // The current rule's group stays in view while hints come and go. The labels at the
    // right keep the window's own letters: the blue bold ones are the hints'.
    QFont plain = window_.font();
    plain.setFamily(plain.family());
    plain.setPointSizeF(plain.pointSizeF());
    plain.setBold(false);
    QPalette black = window_.palette();
    black.setColor(QPalette::WindowText, black.color(QPalette::WindowText));
    const auto label = [status, plain, black](const char* name) {
        auto* made = new QLabel(status);
        made->setObjectName(QLatin1StringView(name));
        made->setFont(plain);
        made->setPalette(black);
        status->addPermanentWidget(made);
        return made;
    };
    group_ = label("StyleGroup");
    return label("EncodingLabel");
}

void WindowRegions::ShowTextOnly(bool textOnly, const std::string& reason) {
    PanelToolStyle->setEnabled(!textOnly);
    TABPANEL->setEnabled(!textOnly);
    const std::string shown = textOnly ? reason : std::string();
    if (shown == textOnlyShown_)
        return;
    textOnlyShown_ = shown;
    if (textOnly)
        window_.statusBar()->showMessage(TrMessage(reason));
    else
        window_.statusBar()->clearMessage();
}

QSize WindowRegions::FirstSize(int listWidth, int toolBarHeight) const {
    const int work = std::max(
        {ToolBar4->sizeHint().width(), ToolBar3->sizeHint().width(), ToolBar2->sizeHint().width(),
         views_->tabBar()->sizeHint().width() + 8 +
             std::max(TABPANEL->minimumWidth(), TABPANEL->sizeHint().width())});
    const int height = toolBarHeight + PanelToolStyle->height() + TABPANEL->sizeHint().height() +
                       window_.statusBar()->height() + 16;
    return {std::max(kClientWidth, listWidth + SplitterList->handleWidth() + work + 8),
            std::max(kClientHeight, height) + window_.menuBar()->sizeHint().height()};
}

} // namespace tesselo
