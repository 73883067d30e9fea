#include "views/StyleListView.h"

#include "document/Progress.h"
#include "support/ViewsSession.h"

#include <QAction>
#include <QApplication>
#include <QDragMoveEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tesselo {
namespace {

// The list in a window of its own, wired as the main window wires it: a row chosen is
// selected, a change by the list shows it again.
class StyleListViewTest : public testing::ViewsSession {
protected:
    void Show(const std::string& sheet) {
        Open(sheet);
        for (auto*& action : actions)
            action = new QAction(&window);
        list = new StyleListView(
            editor, Text(), NoProgress(),
            {actions[0], actions[1], actions[2], actions[3], actions[4], actions[5]}, &window);
        list->UseCommands(commands);
        QObject::connect(list, &StyleListView::RowChosen, [this](int row) {
            chosen.push_back(row);
            editor.Select(row);
            list->RenderRow();
        });
        QObject::connect(list, &StyleListView::Changed, [this] {
            list->Render();
            list->RenderRow();
        });
        list->Render();
        list->RenderRow();
        window.resize(200, 300);
        list->resize(window.size());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QTreeView& Rows() const { return *list->List(); }
    QLineEdit& Field() const { return *list->RenameField(); }
    // The rows the list shows, open groups' rules indented.
    QStringList Items() const {
        QStringList items;
        for (QModelIndex i = Rows().model()->index(0, 0); i.isValid(); i = Rows().indexBelow(i)) {
            int depth = 0;
            for (QModelIndex p = i.parent(); p.isValid(); p = p.parent())
                ++depth;
            items << QString(2 * depth, QLatin1Char(' ')) + i.data().toString();
        }
        return items;
    }
    // The n-th row shown.
    QModelIndex Shown(int n) const {
        QModelIndex i = Rows().model()->index(0, 0);
        while (n-- > 0)
            i = Rows().indexBelow(i);
        return i;
    }
    QPoint OnRow(int n) const { return Rows().visualRect(Shown(n)).center(); }
    QString CurrentItem() const { return Rows().currentIndex().data().toString(); }
    void Drop(int from, int on) {
        Rows().setCurrentIndex(Shown(from));
        QMimeData data;
        data.setData(Rows().model()->mimeTypes().first(), QByteArray("1"));
        QDragEnterEvent enter(OnRow(on), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Rows().viewport(), &enter);
        QDropEvent drop(QPointF(OnRow(on)), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Rows().viewport(), &drop);
    }
    enum { NewStyle, Rename, Delete, Up, Down, Sorted };

    QWidget window;
    std::array<QAction*, 6> actions{};
    StyleListView* list = nullptr;
    std::vector<int> chosen;
};

TEST_F(StyleListViewTest, AClickChoosesItsRowOnceEvenTheSelectedOneAndShowingChoosesNothing) {
    Show("h1 { color: red }\np { color: blue }\n");
    EXPECT_EQ(Items(), (QStringList{"h1", "p"}));
    EXPECT_TRUE(chosen.empty()) << "showing the document's row is no choice";
    QTest::mouseClick(Rows().viewport(), Qt::LeftButton, {}, OnRow(1));
    EXPECT_EQ(chosen, (std::vector<int>{1})) << "a click that changes the row chooses once";
    QTest::mouseClick(Rows().viewport(), Qt::LeftButton, {}, OnRow(1));
    EXPECT_EQ(chosen, (std::vector<int>{1, 1})) << "the selected row is chosen again";
    Rows().setCurrentIndex(Shown(0));
    EXPECT_EQ(chosen, (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(list->Tools()->actions().size(), 6);
}

TEST_F(StyleListViewTest, RenameInPlaceWithEnterAndEscape) {
    Show("h1 { color: red }\np { x: y }\n");
    actions[Rename]->trigger();
    ASSERT_TRUE(Field().isVisible());
    EXPECT_EQ(Field().text(), QStringLiteral("h1"));
    Field().setText(QStringLiteral("P"));
    QTest::keyClick(&Field(), Qt::Key_Return);
    EXPECT_TRUE(Field().isVisible()) << "another style has that name";
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Caption, "Error");
    QTest::keyClick(&Field(), Qt::Key_Escape);
    EXPECT_FALSE(Field().isVisible());
    EXPECT_EQ(Items(), (QStringList{"h1", "p"}));

    actions[Rename]->trigger();
    EXPECT_EQ(Field().width(), Rows().width() - 4);
    list->resize(list->width() + 30, list->height());
    QApplication::processEvents();
    EXPECT_EQ(Field().width(), Rows().width() - 4) << "the field follows the list's width";
    Field().setText(QStringLiteral("h1.title"));
    QTest::keyClick(&Field(), Qt::Key_Return);
    EXPECT_FALSE(Field().isVisible());
    EXPECT_EQ(Items(), (QStringList{"h1.title", "p"}));
    EXPECT_EQ(editor.Document().Record(0).Selector, "h1.title");
}

TEST_F(StyleListViewTest, DraggingMovesTheCurrentStyleToTheRowDroppedOn) {
    Show("r0 { }\nr1 { }\nr2 { }\nr3 { }\nr4 { }\n");
    QWidget* viewport = Rows().viewport();
    QMimeData data;
    data.setData(Rows().model()->mimeTypes().first(), QByteArray());
    QDragEnterEvent enter(OnRow(3), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(OnRow(3), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(CurrentItem(), "r3") << "the row under the pointer is highlighted";
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(editor.Current(), 0);
    QDropEvent drop(QPointF(OnRow(3)), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(Items(), (QStringList{"r1", "r2", "r3", "r0", "r4"}));
    EXPECT_EQ(CurrentItem(), "r0");
    EXPECT_TRUE(editor.Document().Modified) << "the new order is to be saved";

    // Text dragged from elsewhere is refused.
    QMimeData text;
    text.setText(QStringLiteral("r9 { }"));
    QDragMoveEvent foreign(OnRow(3), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &foreign);
    EXPECT_FALSE(foreign.isAccepted());
}

TEST_F(StyleListViewTest, UpDownDeleteAndSortFromTheActions) {
    Show("b { }\nA { }\nc { }\n");
    actions[Sorted]->trigger();
    EXPECT_EQ(Items(), (QStringList{"A", "b", "c"}));
    EXPECT_EQ(CurrentItem(), "b") << "the current style, moved";
    actions[Down]->trigger();
    EXPECT_EQ(Items(), (QStringList{"A", "c", "b"}));
    actions[Up]->trigger();
    actions[Delete]->trigger();
    EXPECT_EQ(Items(), (QStringList{"A", "c"}));
    EXPECT_EQ(CurrentItem(), "c");
    EXPECT_TRUE(chosen.empty());
}

const std::string kGroups =
    "a { }\n"
    "@media (min-width: 576px) {\n  .col { x: 1 }\n  .row { color: red }\n}\n"
    "@media print {\n  .b { }\n  @supports (x) { .col-2 { } }\n}\n"
    "c { }\n";

// Groups start closed, show their whole selector as a tooltip; a click on a rule in a
// group selects it; a group's rules sort among themselves and a drag takes a rule to
// another group.
TEST_F(StyleListViewTest, GroupsHoldTheirRulesAsRows) {
    Show(kGroups);
    EXPECT_EQ(Items(), (QStringList{"a", "@media (min-width: 576px)", "@media print", "c"}));
    EXPECT_EQ(Shown(1).data(Qt::ToolTipRole).toString(), "@media (min-width: 576px)");
    Rows().expand(Shown(1));
    EXPECT_EQ(Items(), (QStringList{"a", "@media (min-width: 576px)", "  .col", "  .row",
                                    "@media print", "c"}));
    QTest::mouseClick(Rows().viewport(), Qt::LeftButton, {}, OnRow(3));
    EXPECT_EQ(editor.Current(), 3);
    EXPECT_TRUE(editor.Panel().FontColorCheck) << "the panel reads the rule in the group";

    actions[Sorted]->trigger();
    Drop(3, 4); // .row onto the group "@media print": into it, first
    Rows().expand(Shown(3));
    EXPECT_EQ(Items(), (QStringList{"a", "@media (min-width: 576px)", "  .col", "@media print",
                                    "  .row", "  .b", "  @supports (x)", "c"}));
    EXPECT_EQ(CurrentItem(), ".row");
    EXPECT_EQ(editor.Document().Record(editor.Current()).Depth(), 1);
}

// The filter shows the rules that hold the text, case aside, inside their groups; the
// current rule stays current through filtering and closing its group.
TEST_F(StyleListViewTest, TheFilterKeepsTheGroupsAndTheSelection) {
    Show(kGroups);
    editor.Select(2);
    list->RenderRow();
    EXPECT_EQ(Items(), (QStringList{"a", "@media (min-width: 576px)", "  .col", "  .row",
                                    "@media print", "c"}))
        << "the current rule's group opens";
    list->Filter()->setText(QStringLiteral("COL"));
    EXPECT_EQ(Items(), (QStringList{"@media (min-width: 576px)", "  .col", "@media print",
                                    "  @supports (x)", "    .col-2"}));
    EXPECT_EQ(CurrentItem(), ".col");
    QTest::keyClick(list->Filter(), Qt::Key_Escape);
    EXPECT_TRUE(list->Filter()->text().isEmpty());
    EXPECT_EQ(Items(), (QStringList{"a", "@media (min-width: 576px)", "  .col", "  .row",
                                    "@media print", "c"}))
        << "the groups open as before the filter";
    Rows().collapse(Shown(1));
    EXPECT_EQ(editor.Current(), 2);
    EXPECT_TRUE(chosen.empty());
}

} // namespace
} // namespace tesselo
