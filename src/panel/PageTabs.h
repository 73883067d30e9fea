#pragma once

// The property pages' container. Its tabs stand in rows of buttons above the pages, so
// that every caption shows whole however many pages there are; each page scrolls when
// it is taller than the room the window gives it. It stays a tab widget: the current
// page is chosen and read as in any other.

#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;

namespace tesselo {

// The tabs as rows of checkable buttons, at most four to a row, in the pages' order. The bar keeps
// the focus and the keys of a tab bar: Left and Right, Up and Down go to the page before and after.
class PageTabBar final : public QTabBar {
    Q_OBJECT
public:
    explicit PageTabBar(QWidget* parent = nullptr);

    QAbstractButton* Button(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void tabInserted(int index) override;
    void tabRemoved(int index) override;
    void tabLayoutChange() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The buttons take the pointer; the bar itself chooses nothing.
    bool event(QEvent* event) override;

private:
    // The buttons as the tabs are: one each, with its caption, hint and state.
    void Follow();
    std::vector<std::vector<QAbstractButton*>> Rows() const;
    int ButtonHeight() const;
    void PlaceButtons();
    void Step(int by);

    std::vector<QAbstractButton*> buttons_;
    QButtonGroup* group_ = nullptr;
    QSize hint_; // the size last told to the tab widget
};

// A page's place in its tab: the page as wide as the room and as tall as it needs,
// scrolled when the room is shorter. It asks for the page's whole size.
class PageScroll final : public QScrollArea {
    Q_OBJECT
public:
    explicit PageScroll(QWidget* parent = nullptr);
    QSize sizeHint() const override;
};

class PageTabs final : public QTabWidget {
    Q_OBJECT
public:
    explicit PageTabs(QWidget* parent = nullptr);

    // A tab with an empty holder named `name`: its page is placed in it once made.
    QWidget* AddPage(const QString& name, const QString& caption);
    void PlacePage(int index, QWidget* page);
    PageScroll* Scroll(int index) const;
    PageTabBar* Bar() const { return bar_; }

    // As wide as the tab rows and the widest page made so far; as tall as a tab widget.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // Ctrl+PageDown and Ctrl+PageUp turn the pages too, as Ctrl+Tab does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int Width() const;

    PageTabBar* bar_ = nullptr;
};

} // namespace tesselo
