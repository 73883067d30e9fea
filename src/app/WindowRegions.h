#pragma once

// The main window's regions as they lie on the screen: the style list at the left of a
// splitter, the work area at its right with the property panel's tool bars across its
// top and, below them, the views with the property pages at their right; the status
// line under all. The window makes what goes into the regions and hands it over in the
// order the regions come on the screen, which is also the order of the focus.

#include <QSize>
#include <functional>
#include <string>

class QHBoxLayout;
class QLabel;
class QMainWindow;
class QObject;
class QPushButton;
class QSplitter;
class QTabWidget;
class QToolBar;
class QVBoxLayout;
class QWidget;

namespace tesselo {

class FloatingLayout;

class WindowRegions {
public:
    // The central widget: the splitter that holds the list and the work area.
    explicit WindowRegions(QMainWindow& window);

    // The style list's region, the splitter's left part: what goes there is made with
    // this parent, before the rest, and then placed.
    QWidget* ListParent() const;
    // The list takes its place; the work area is made at its right.
    void PlaceList(QWidget& list);
    // The property panel's tool bars across the top of the work area, and under them
    // the lower part, with the focus sink behind where the views will be.
    void PlaceToolStyle(QWidget& toolStyle);
    QWidget* Lower() const { return lower_; }
    // Where the panel's tool bars are made, above Lower().
    QWidget* ToolStyleParent() const { return PanelALL; }
    QWidget* FocusSink() const;
    // The views in the lower part, the property pages at their right.
    void PlaceViews(QTabWidget& views, QTabWidget& pages);
    // The list and the work area in the splitter, and the floating layout over them.
    FloatingLayout* Finish(QObject* parent);
    // Until the user moves the splitter, or a width kept from before is restored, the
    // list widens to the `wanted` width of its rows, up to a quarter of the window.
    void FollowList(const std::function<int()>& wanted);
    void KeepList() { listKept_ = true; }
    // The status line; the label for the sheet's encoding at its right end.
    QLabel* BuildStatusBar();
    QLabel* GroupLabel() const { return group_; }
    // A rule holding nested rules is edited as text only: the panel's regions are out
    // of use, and the status line says why.
    // The panel out of use while the current row's text is edited as text only, with
    // the reason in the status line.
    void ShowTextOnly(bool textOnly, const std::string& reason);

    // The window's size at the first start, with every tab and tool button shown
    // without scroll arrows: the list `listWidth` wide, the main tool bar
    // `toolBarHeight` high.
    QSize FirstSize(int listWidth, int toolBarHeight) const;

private:
    QMainWindow& window_;
    QWidget* central_ = nullptr;
    QWidget* list_ = nullptr;
    QVBoxLayout* allLayout_ = nullptr;
    QWidget* lower_ = nullptr; // the views and the property pages, below the tool bars
    QHBoxLayout* lowerLayout_ = nullptr;
    QTabWidget* views_ = nullptr;
    std::string textOnlyShown_; // the reason shown, empty while the panel is in use
    bool listKept_ = false;     // the list's width is the user's
    QLabel* group_ = nullptr;   // StyleGroup

    // Named as the rest of the program knows them (and as their object names).
    QSplitter* SplitterList = nullptr;
    QWidget* PanelALL = nullptr;
    QWidget* PanelToolStyle = nullptr;
    QToolBar* ToolBar4 = nullptr;
    QToolBar* ToolBar3 = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QTabWidget* TABPANEL = nullptr;
    QPushButton* ZF = nullptr;
};

} // namespace tesselo
