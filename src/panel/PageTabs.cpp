#include "panel/PageTabs.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tesselo {
namespace {

constexpr int kMargin = 2;        // around the rows, and between the buttons
constexpr size_t kMostInARow = 4; // the tabs of the panel's first four pages
constexpr int kPaneFrame = 4;     // the tab widget's frame around a page, both sides

} // namespace

PageTabBar::PageTabBar(QWidget* parent) : QTabBar(parent) {
    // The buttons show the captions; the bar's own tabs are never drawn.
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) { setCurrentIndex(index); });
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (QAbstractButton* button = Button(index))
            button->setChecked(true);
        update(); // the focus frame follows the page
    });
}

QAbstractButton* PageTabBar::Button(int index) const {
    return index >= 0 && index < static_cast<int>(buttons_.size())
               ? buttons_[static_cast<size_t>(index)]
               : nullptr;
}

void PageTabBar::Follow() {
    while (static_cast<int>(buttons_.size()) < count()) {
        auto* button = new QToolButton(this);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus); // the bar takes the focus, as a tab bar does
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        group_->addButton(button, static_cast<int>(buttons_.size()));
        buttons_.push_back(button);
        button->show();
    }
    while (static_cast<int>(buttons_.size()) > count()) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    for (int i = 0; i < count(); ++i) {
        QAbstractButton* button = buttons_[static_cast<size_t>(i)];
        button->setText(tabText(i));
        button->setToolTip(tabToolTip(i));
        button->setEnabled(isTabEnabled(i));
        button->setVisible(isTabVisible(i));
    }
    if (QAbstractButton* current = Button(currentIndex()))
        current->setChecked(true);
    PlaceButtons();
    // The tab widget lays itself out again only when the rows' size changed.
    if (const QSize hint = sizeHint(); hint != hint_) {
        hint_ = hint;
        updateGeometry();
    }
}

// The buttons shown, in rows of as even a count as can be and in the pages' order:
// six pages stand in two rows of three, seven in a row of four and one of three.
std::vector<std::vector<QAbstractButton*>> PageTabBar::Rows() const {
    std::vector<QAbstractButton*> shown;
    for (QAbstractButton* button : buttons_)
        if (button->isVisibleTo(this))
            shown.push_back(button);
    const size_t rows = (shown.size() + kMostInARow - 1) / kMostInARow;
    std::vector<std::vector<QAbstractButton*>> placed(rows);
    for (size_t i = 0; i < shown.size(); ++i)
        placed[i / ((shown.size() + rows - 1) / rows)].push_back(shown[i]);
    return placed;
}

int PageTabBar::ButtonHeight() const {
    int height = 0;
    for (const QAbstractButton* button : buttons_)
        height = std::max(height, button->sizeHint().height());
    return height;
}

// Each row as wide as the bar: the room left over goes to its buttons evenly.
void PageTabBar::PlaceButtons() {
    const int height = ButtonHeight();
    int top = kMargin;
    for (const auto& row : Rows()) {
        int spare = width() - 2 * kMargin - kMargin * static_cast<int>(row.size() - 1);
        for (const QAbstractButton* button : row)
            spare -= button->sizeHint().width();
        int left = kMargin;
        for (size_t i = 0; i < row.size(); ++i) {
            const int extra = spare / static_cast<int>(row.size() - i);
            spare -= extra;
            const int width = std::max(0, row[i]->sizeHint().width() + extra);
            row[i]->setGeometry(left, top, width, height);
            left += width + kMargin;
        }
        top += height + kMargin;
    }
}

QSize PageTabBar::sizeHint() const {
    const auto rows = Rows();
    int width = 0;
    for (const auto& row : rows) {
        int across = kMargin * static_cast<int>(row.size() - 1);
        for (const QAbstractButton* button : row)
            across += button->sizeHint().width();
        width = std::max(width, across);
    }
    const int count = static_cast<int>(rows.size());
    return {width + 2 * kMargin, count * ButtonHeight() + (count + 1) * kMargin};
}

QSize PageTabBar::minimumSizeHint() const {
    return sizeHint();
}

void PageTabBar::tabInserted(int index) {
    QTabBar::tabInserted(index);
    Follow();
}

void PageTabBar::tabRemoved(int index) {
    QTabBar::tabRemoved(index);
    Follow();
}

// A caption, a hint or a tab's state changed.
void PageTabBar::tabLayoutChange() {
    QTabBar::tabLayoutChange();
    Follow();
}

void PageTabBar::paintEvent(QPaintEvent*) {
    // The buttons draw themselves; the bar only shows where the keys are.
    QAbstractButton* current = Button(currentIndex());
    if (!hasFocus() || !current)
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = current->geometry().adjusted(-1, -1, 1, 1);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void PageTabBar::resizeEvent(QResizeEvent* event) {
    QTabBar::resizeEvent(event);
    PlaceButtons();
}

void PageTabBar::Step(int by) {
    for (int page = currentIndex() + by; page >= 0 && page < count(); page += by)
        if (isTabEnabled(page) && isTabVisible(page)) {
            setCurrentIndex(page);
            return;
        }
}

void PageTabBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        Step(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        Step(1);
        break;
    default:
        QTabBar::keyPressEvent(event);
    }
}

bool PageTabBar::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        event->ignore();
        return false;
    default:
        return QTabBar::event(event);
    }
}

PageScroll::PageScroll(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // Tab goes through the page's fields, not through the area around them.
    setFocusPolicy(Qt::NoFocus);
}

QSize PageScroll::sizeHint() const {
    return widget() ? widget()->sizeHint() : QSize(0, 0);
}

PageTabs::PageTabs(QWidget* parent) : QTabWidget(parent) {
    bar_ = new PageTabBar(this);
    setTabBar(bar_);
}

QWidget* PageTabs::AddPage(const QString& name, const QString& caption) {
    auto* holder = new QWidget(this);
    holder->setObjectName(name);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PageScroll(holder));
    addTab(holder, caption);
    return holder;
}

PageScroll* PageTabs::Scroll(int index) const {
    QWidget* holder = widget(index);
    return holder ? holder->findChild<PageScroll*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void PageTabs::PlacePage(int index, QWidget* page) {
    if (PageScroll* scroll = Scroll(index)) {
        scroll->setWidget(page);
        updateGeometry(); // a page wider than the rest widens the panel
    }
}

int PageTabs::Width() const {
    int width = bar_->sizeHint().width() + kPaneFrame;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (int i = 0; i < count(); ++i)
        if (const PageScroll* scroll = Scroll(i); scroll && scroll->widget())
            width = std::max(width,
                             scroll->widget()->minimumSizeHint().width() + scrollBar + kPaneFrame);
    return width;
}

QSize PageTabs::sizeHint() const {
    QSize size = QTabWidget::sizeHint();
    size.setWidth(Width());
    return size;
}

QSize PageTabs::minimumSizeHint() const {
    QSize size = QTabWidget::minimumSizeHint();
    size.setWidth(Width());
    return size;
}

void PageTabs::keyPressEvent(QKeyEvent* event) {
    const bool paging = event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp;
    if (!paging || !(event->modifiers() & Qt::ControlModifier) || count() < 2) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    // Round the pages, as Ctrl+Tab goes.
    const int by = event->key() == Qt::Key_PageDown ? 1 : -1;
    int page = currentIndex();
    for (int pass = 0; pass < count(); ++pass) {
        page = (page + by + count()) % count();
        if (isTabEnabled(page) && isTabVisible(page)) {
            setCurrentIndex(page);
            break;
        }
    }
}

} // namespace tesselo
