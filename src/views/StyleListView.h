#pragma once

// The style list: a tree with a row for each rule of the document, a group's rules
// under it; its tool bar, a filter box above it, renaming in place and reordering by
// dragging. A row chosen by the user is told to the window, which selects it; the
// list shows the document's rows and its selected row when told.

#include "views/ViewText.h"

#include <QWidget>

#include <QSet>
#include <QString>

class QAction;
class QDropEvent;
class QLineEdit;
class QModelIndex;
class QToolBar;
class QTreeView;
class QVBoxLayout;

namespace tesselo {

class ProgressReport;
class StyleEditor;
class StyleListCommands;
class StyleFilterModel;
class StyleTreeModel;

class StyleListView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StyleListView)
public:
    // The actions of the list's tool bar, in their order. A new style comes from the
    // selector builder, which the window has; the others are the list's own.
    struct Actions {
        QAction* NewStyle = nullptr;
        QAction* Rename = nullptr;
        QAction* Delete = nullptr;
        QAction* Up = nullptr;
        QAction* Down = nullptr;
        QAction* Sorted = nullptr;
    };
    StyleListView(const StyleEditor& editor, ViewText text, ProgressReport& progress,
                  const Actions& actions, QWidget* parent = nullptr);
    // The commands that the actions, renaming and dropping run; until given, the list
    // only shows.
    void UseCommands(StyleListCommands& commands);

    QTreeView* List() const { return list_; }
    QLineEdit* RenameField() const { return rename_; }
    QLineEdit* Filter() const { return filter_; }
    QToolBar* Tools() const { return tools_; }

    // The rows as the document has them; unchanged rows are not filled again.
    void Render();
    // The document's selected row, without it counting as chosen.
    void RenderRow();
    // The width that shows the rows' selectors whole, those of the open groups too.
    int RowsWidth() const;
    // Where the current row stands, for the status line while it is current: the groups
    // that hold it, or how many rules a current group holds.
    QString GroupText() const;
    // Opens the rename field over the selected row.
    void StyleRenameExecute();
    // Shows only the rules whose selector holds `text`, with their groups.
    void FilterRows(const QString& text);
    // The filter emptied when it hides the selected row; true when it did.
    bool ShowSelectedRow();
    // Greys the rules that do not apply at the preview's page width (0: none chosen).
    void ShowPageWidth(int width);

signals:
    // The user clicked a row, or moved to one: it is to be selected.
    void RowChosen(int row);
    // A command of the list changed the document: everything is to be shown again.
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFilter(QVBoxLayout& layout);
    // A row chosen by a click or a key, and the groups the user opens and closes.
    void ConnectList();
    bool RenameFieldEvent(QEvent* event);
    bool StyleListDragEvent(QEvent* event);
    bool FromStyleList(const QDropEvent& event) const;
    void SortStyles();
    // The document's row of a row of the view, and back.
    int RowAt(const QModelIndex& index) const;
    QModelIndex IndexOf(int row) const;
    // The groups the user opened are open again once the rows are shown anew.
    void RestoreExpanded();
    void Expand(const QModelIndex& index);

    Actions actions_;

    const StyleEditor& editor_;
    StyleListCommands* commands_ = nullptr;
    ViewText text_;
    ProgressReport& progress_;
    bool rendering_ = false;
    bool rowChangedByPress_ = false;

    QSet<QString> expanded_; // the keys of the groups open

    StyleTreeModel* model_ = nullptr;
    StyleFilterModel* filterModel_ = nullptr;
    QToolBar* tools_ = nullptr;   // ToolBar5
    QLineEdit* filter_ = nullptr; // StyleFilter
    QTreeView* list_ = nullptr;   // ListTag
    QLineEdit* rename_ = nullptr; // RenameField
};

} // namespace tesselo
