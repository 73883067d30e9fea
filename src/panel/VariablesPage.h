#pragma once

// The page "Переменные": every custom property the sheet defines, under the rule that
// defines it (inside its groups' conditions), with its value in an editor of its kind — a
// swatch for a colour, a number with its unit for a length — and how many rules read it.
// A change is made in the defining rule as its author wrote it and is one step; a
// variable renamed is renamed in every rule, its var() too, in one step.

#include "mapping/SheetVariables.h"
#include "panel/CatalogControls.h"

#include <QWidget>
#include <string>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace tesselo {

class VariablesPage final : public QWidget {
    Q_OBJECT
public:
    // The tree's columns.
    enum Column { NameColumn = 0, ValueColumn = 1, UsesColumn = 2 };
    // What a variable's item holds, besides its texts.
    enum Role { RowRole = Qt::UserRole + 1, IndexRole, KindRole, NameRole };

    // `services` outlive the page.
    VariablesPage(PageServices& services, QWidget* parent);

    // Shows the sheet's variables as they are now; the item chosen and the filter stay.
    void Render();

    // What the user does with a variable's item; the tests call these as the mouse does.
    // Its value edited: a colour through the colour dialog, the rest typed into the cell.
    void EditValue(QTreeWidgetItem* item);
    // The value typed for the variable; false when it is not written (refused, told why).
    bool TakeValue(QTreeWidgetItem* item, const QString& typed);
    // Asks for a new name, says how many places change, and renames.
    void Rename(QTreeWidgetItem* item);
    // The rules that read the variable, to choose one to select.
    void ShowUses(QTreeWidgetItem* item);
    // Selects the rule that defines the variable.
    void GoToDefinition(QTreeWidgetItem* item);

    QTreeWidget* Tree() const { return tree_; }
    // The value column's editors, counted while open: the tree is not built again under them.
    void EditorOpened() { ++openEditors_; }
    void EditorClosed() { --openEditors_; }
    // The keywords a variable of one word may take: those of the properties reading it.
    QStringList KeywordChoices(const QString& name) const;

private:
    void Filter();
    void ContextMenu(const QPoint& at);
    const SheetVariables& Variables() const;

    PageServices& services_;
    QLineEdit* filter_ = nullptr; // VariablesFilter
    QTreeWidget* tree_ = nullptr; // VariablesTree
    bool rendering_ = false;
    bool nameWidthChosen_ = false; // the user moved the names' edge
    unsigned shownGeneration_ = 0; // of the variables the tree shows
    int openEditors_ = 0;
};

} // namespace tesselo
