#include "views/StyleListView.h"

#include "document/Progress.h"
#include "support/ViewsSession.h"

#include <QAction>
#include <QApplication>
#include <QDragMoveEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QToolBar>
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
    QListWidget& Rows() const { return *list->List(); }
    QLineEdit& Field() const { return *list->RenameField(); }
    QStringList Items() const {
        QStringList items;
        for (int i = 0; i < Rows().count(); ++i)
            items << Rows().item(i)->text();
        return items;
    }
    QPoint OnRow(int row) const { return Rows().visualItemRect(Rows().item(row)).center(); }
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
    Rows().setCurrentRow(0);
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
    EXPECT_EQ(Rows().currentRow(), 3) << "the row under the pointer is highlighted";
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(editor.Current(), 0);
    QDropEvent drop(QPointF(OnRow(3)), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(Items(), (QStringList{"r1", "r2", "r3", "r0", "r4"}));
    EXPECT_EQ(Rows().currentRow(), 3);
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
    EXPECT_EQ(Rows().currentRow(), 1) << "the current style b, moved";
    actions[Down]->trigger();
    EXPECT_EQ(Items(), (QStringList{"A", "c", "b"}));
    actions[Up]->trigger();
    actions[Delete]->trigger();
    EXPECT_EQ(Items(), (QStringList{"A", "c"}));
    EXPECT_EQ(Rows().currentRow(), 1);
    EXPECT_TRUE(chosen.empty());
}

} // namespace
} // namespace tesselo
