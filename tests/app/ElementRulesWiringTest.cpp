// "Стили элемента" and the page's sheets in the window, over the recording browser: the
// ancestors' sections below the element's own rules, the computed values asked for,
// answered or not, and another sheet of the page offered from the tool bar.

#include "app/EditCSS.h"
#include "support/FindWidget.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::TempDir;
using testing::WriteBytes;

class ElementRulesWiring : public ::testing::Test, protected testing::WindowServices {
protected:
    // The window over a sheet, its element picked and "Стили элемента" shown.
    testing::WindowUnderTest Picked(const PickedElement& element) {
        WriteBytes(dir.File("a.css"),
                   "p { margin: 0 }\ndiv { color: red; padding: 0 }\nbody { color: blue }\n");
        testing::WindowUnderTest form = Window({dir.File("a.css")});
        form->show();
        form->Action(ActionId::PickElement)->trigger();
        emit browser.ElementPicked(element);
        Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::ElementView);
        return form;
    }
    // The view's top rows, or the rows under the last of them (the computed values).
    static QStringList Rows(const TMainForm& form, bool computed = false) {
        auto* view = Control<QTreeWidget>(form, "ElementRules");
        QTreeWidgetItem* root = view->invisibleRootItem();
        if (computed)
            root = root->child(root->childCount() - 1);
        QStringList rows;
        for (int i = 0; i < root->childCount(); ++i)
            rows << root->child(i)->text(0);
        return rows;
    }
    static QTreeWidgetItem* Row(const TMainForm& form, int row) {
        return Control<QTreeWidget>(form, "ElementRules")->topLevelItem(row);
    }
    static void Click(const TMainForm& form, int row) {
        emit Control<QTreeWidget>(form, "ElementRules")->itemClicked(Row(form, row), 0);
    }

    TempDir dir;
};

TEST_F(ElementRulesWiring, AncestorsSectionsFollowTheElementsRules_AClickSelectsAnInheritedRule) {
    auto form = Picked({"p", "", {}, {0}, {}, {}, {{"div.card", {1}}, {"body", {2}}}});
    EXPECT_EQ(Rows(*form), (QStringList{"p", "Унаследовано от div.card", "div",
                                        "Унаследовано от body", "body", "Вычисленные значения"}));
    EXPECT_FALSE(Row(*form, 1)->flags() & Qt::ItemIsSelectable) << "a section is no rule";
    ASSERT_EQ(Row(*form, 2)->childCount(), 1) << "only what the element inherits";
    EXPECT_EQ(Row(*form, 2)->child(0)->text(0), QStringLiteral("color: red;"));
    EXPECT_FALSE(Row(*form, 2)->child(0)->font(0).strikeOut());
    EXPECT_TRUE(Row(*form, 4)->child(0)->font(0).strikeOut()) << "the nearer ancestor wins";

    Click(*form, 1);
    EXPECT_EQ(form->Editor().Current(), 0) << "a section's row selects nothing";
    Click(*form, 4);
    EXPECT_EQ(form->Editor().Current(), 2);
}

TEST_F(ElementRulesWiring, ComputedValuesAreAskedShownAndSaidMissingWhenThePageIsSilent) {
    auto form = Picked({"p", "", {}, {0}, {}, {}, {{"div", {1}}}});
    EXPECT_EQ(Rows(*form, true), QStringList{"Щёлкните, чтобы спросить у страницы"});
    Control<QAction>(*form, "AskComputedValues")->trigger();
    EXPECT_EQ(browser.Calls.back(), "computed 1");
    EXPECT_EQ(browser.Asked, (std::vector<std::string>{"margin", "color"}));
    EXPECT_EQ(Rows(*form, true), QStringList{"Ждём ответа страницы…"});
    auto* wait = Control<QTimer>(*form, "ComputedAnswer");
    EXPECT_TRUE(wait->isActive());
    emit browser.ComputedValuesFound(1, {{"margin", "0px"}, {"color", "rgb(255, 0, 0)"}});
    EXPECT_EQ(Rows(*form, true), (QStringList{"margin: 0px", "color: rgb(255, 0, 0)"}));
    EXPECT_FALSE(wait->isActive());

    // Asked again from its row; the page does not answer in time.
    Click(*form, Control<QTreeWidget>(*form, "ElementRules")->topLevelItemCount() - 1);
    EXPECT_EQ(browser.Calls.back(), "computed 2");
    ASSERT_TRUE(QMetaObject::invokeMethod(wait, "timeout"));
    EXPECT_EQ(Rows(*form, true), QStringList{"нет ответа (щёлкните, чтобы спросить снова)"});
    emit browser.ComputedValuesFound(2, {{"margin", "0px"}});
    EXPECT_EQ(Rows(*form, true).size(), 1) << "an answer after its time is not taken";
}

TEST_F(ElementRulesWiring, ThePagesSheetsAreListed_AnotherOneIsOfferedAndOpened) {
    WriteBytes(dir.File("b.css"), "h1 { margin: 0 }\n");
    WriteBytes(dir.File("a.css"), "p { margin: 0 }\n");
    auto form = Window({dir.File("a.css")});
    emit browser.DownloadComplete();
    EXPECT_EQ(browser.Calls.back(), "sheets") << "the page is asked after each load";
    auto* menu = Control<QMenu>(*form, "PageSheets");
    emit browser.PageSheetsFound({{dir.File("a.css"), 0}, {dir.File("b.css"), 0}});
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_FALSE(items[1]->isChecked());
    dialogs.Answers = {Answer::Yes};
    items[1]->trigger();
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_NE(dialogs.Shown[0].Text.find(dir.File("b.css")), std::string::npos);
    EXPECT_EQ(form->Editor().Document().FileName, dir.File("b.css"));
}

} // namespace
} // namespace tesselo
