#pragma once

// The style list: a row for each rule of the document, its tool bar, renaming in place
// and reordering by dragging. A row chosen by the user is told to the window, which
// selects it; the list shows the document's rows and its selected row when told.

#include "views/ViewText.h"

#include <QWidget>

class QAction;
class QDropEvent;
class QLineEdit;
class QListWidget;
class QToolBar;

namespace tesselo {

class ProgressReport;
class StyleEditor;
class StyleListCommands;

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

    QListWidget* List() const { return list_; }
    QLineEdit* RenameField() const { return rename_; }
    QToolBar* Tools() const { return tools_; }

    // The rows as the document has them; unchanged rows are not filled again.
    void Render();
    // The document's selected row, without it counting as chosen.
    void RenderRow();
    // Opens the rename field over the selected row.
    void StyleRenameExecute();

signals:
    // The user clicked a row, or moved to one: it is to be selected.
    void RowChosen(int row);
    // A command of the list changed the document: everything is to be shown again.
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool RenameFieldEvent(QEvent* event);
    bool StyleListDragEvent(QEvent* event);
    bool FromStyleList(const QDropEvent& event) const;
    void SortStyles();

    Actions actions_;

    const StyleEditor& editor_;
    StyleListCommands* commands_ = nullptr;
    ViewText text_;
    ProgressReport& progress_;
    bool rendering_ = false;
    bool rowChangedByPress_ = false;

    QToolBar* tools_ = nullptr;   // ToolBar5
    QListWidget* list_ = nullptr; // ListTag
    QLineEdit* rename_ = nullptr; // RenameField
};

} // namespace tesselo
