// The page "Переменные" over a real session: the sheet's variables under the rules that
// define them, each edited in its rule as written (one line, one step), renamed over the
// sheet after saying how many places change; and what the catalogue's controls show of a
// var(): the colour it stands for, a mark where it leads nowhere, the menu of variables.

#include "panel/VariablesPage.h"
#include "panel/AllPropertiesPage.h"
#include "panel/PanelControls.h"
#include "panel/VariableHints.h"
#include "support/CatalogSession.h"
#include "support/FindWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

using testing::Replaced;
using Page = VariablesPage;

const char* const kSheet = ":root {\n"
                           "  --brand: #0d6efd;\n"
                           "  --brand-rgb: 13, 110, 253;\n"
                           "  --radius: .375rem;\n"
                           "  --ease: .15s;\n"
                           "  --spare: 1px;\n"
                           "  --line: solid;\n"
                           "}\n"
                           "@media (min-width: 768px) {\n"
                           "  :root { --radius: 1rem; }\n"
                           "}\n"
                           ".btn {\n"
                           "  color: var(--brand);\n"
                           "  background: rgba(var(--brand-rgb), .5);\n"
                           "  border-radius: var(--radius);\n"
                           "  transition: color var(--ease);\n"
                           "  outline-color: var(--nowhere);\n"
                           "  border-style: var(--line);\n"
                           "}\n";

struct PageHost {
    explicit PageHost(std::string_view sheet = kSheet, int row = 3) : s(sheet, row) {
        s.OnChange = [this] { page.Render(); };
        page.Render();
    }
    QTreeWidgetItem* Item(const QString& name, int rule = -1) {
        QTreeWidget* tree = page.Tree();
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            for (int k = 0; k < tree->topLevelItem(i)->childCount(); ++k)
                if (QTreeWidgetItem* item = tree->topLevelItem(i)->child(k);
                    item->text(Page::NameColumn) == name && (rule < 0 || rule == i))
                    return item;
        ADD_FAILURE() << "no variable " << name.toStdString();
        return nullptr;
    }
    std::string Sheet() const {
        std::string text;
        for (int i = 0; i < s.editor.Document().StyleCount(); ++i)
            text += s.editor.Document().Record(i).BlockText();
        return text;
    }

    testing::CatalogSession s;
    Page page{s.services, nullptr};
};

TEST(VariablesPage, ListsEachRulesVariablesWithTheirKindUsesAndSwatches) {
    PageHost host;
    QTreeWidget* tree = host.page.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), ":root");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "@media (min-width: 768px) › :root");
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 6);
    const QStringList lines = host.page.KeywordChoices("--line");
    EXPECT_TRUE(lines.contains("dashed") && lines.contains("solid")) << "border-style's keywords";
    QTreeWidgetItem* brand = host.Item("--brand");
    EXPECT_EQ(brand->text(Page::ValueColumn), "#0d6efd");
    EXPECT_FALSE(brand->icon(Page::ValueColumn).isNull()) << "a colour shows its swatch";
    EXPECT_FALSE(host.Item("--brand-rgb")->icon(Page::ValueColumn).isNull());
    EXPECT_TRUE(host.Item("--radius", 0)->icon(Page::ValueColumn).isNull());
    EXPECT_EQ(host.Item("--radius", 0)->text(Page::UsesColumn), "1");
    EXPECT_EQ(host.Item("--spare")->text(Page::UsesColumn), "нет");
    EXPECT_TRUE(host.Item("--spare")->toolTip(Page::UsesColumn).startsWith("Не используется"));

    Control<QLineEdit>(host.page, "VariablesFilter")->setText("RADI");
    EXPECT_TRUE(brand->isHidden());
    EXPECT_FALSE(host.Item("--radius", 1)->isHidden());
    Control<QLineEdit>(host.page, "VariablesFilter")->setText("#0d6");
    EXPECT_FALSE(brand->isHidden()) << "the filter looks into values too";
    EXPECT_TRUE(tree->topLevelItem(1)->isHidden());
}

TEST(VariablesPage, AValueIsChangedInItsRuleAsOneStepOfOneLine) {
    PageHost host;
    const std::string before = host.Sheet();
    host.s.choices.ColorChoices.push_back(Color{255, 0, 0, 255});
    host.page.EditValue(host.Item("--brand"));
    ASSERT_EQ(host.s.choices.ColorDialogInitial.size(), 1u);
    EXPECT_EQ(host.s.choices.ColorDialogInitial[0], (Color{0x0d, 0x6e, 0xfd, 255}));
    EXPECT_EQ(host.Sheet(), Replaced(before, "--brand: #0d6efd;", "--brand: #ff0000;"));
    EXPECT_EQ(host.s.editor.Current(), 3) << "the current rule stays";

    host.s.choices.ColorChoices.push_back(Color{1, 2, 3, 255});
    host.page.EditValue(host.Item("--brand-rgb"));
    EXPECT_NE(host.Sheet().find("--brand-rgb: 1, 2, 3;"), std::string::npos);

    EXPECT_TRUE(host.page.TakeValue(host.Item("--radius", 1), "2rem"));
    EXPECT_NE(host.Sheet().find(" --radius: 2rem; "), std::string::npos);
    host.s.UndoLast();
    EXPECT_NE(host.Sheet().find(" --radius: 1rem; "), std::string::npos);

    // A value of another kind, or one that runs out of its declaration, is refused.
    const std::string kept = host.Sheet();
    const struct {
        const char* Name;
        const char* Typed;
    } refused[] = {{"--radius", "red"}, {"--ease", "12px"}, {"--spare", "1px; color: red"}};
    for (const auto& r : refused) {
        const size_t told = host.s.dialogs.Shown.size();
        EXPECT_FALSE(host.page.TakeValue(host.Item(r.Name, 0), r.Typed)) << r.Typed;
        EXPECT_EQ(host.s.dialogs.Shown.size(), told + 1) << r.Typed;
    }
    EXPECT_EQ(host.Sheet(), kept);
    EXPECT_TRUE(host.page.TakeValue(host.Item("--radius", 0), "calc(1rem + 2px)"));
}

// A length or a time is edited as a number with its unit: the number typed alone keeps
// the unit chosen; calc() is edited as text.
TEST(VariablesPage, LengthsAndTimesAreEditedAsANumberWithItsUnit) {
    PageHost host;
    host.page.show();
    const struct {
        const char* Name;
        int Rule;
        const char* Number;
        const char* Unit;
        const char* Typed;
        const char* Written;
    } cases[] = {
        {"--radius", 0, ".375", "rem", "2", "--radius: 2rem;"},
        {"--ease", 0, ".15", "s", "300", "--ease: 300s;"},
        {"--spare", 0, "1", "px", "1.5", "--spare: 1.5px;"},
    };
    for (const auto& c : cases) {
        QTreeWidgetItem* item = host.Item(c.Name, c.Rule);
        host.page.EditValue(item);
        // The editor just opened: those of the cases before are gone once deleted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* number = host.page.Tree()->findChild<QLineEdit*>("VariableNumber");
        auto* unit = host.page.Tree()->findChild<QComboBox*>("VariableUnit");
        ASSERT_TRUE(number && unit) << c.Name;
        EXPECT_EQ(number->text(), c.Number) << c.Name;
        EXPECT_EQ(unit->currentText(), c.Unit) << c.Name;
        number->setText(c.Typed);
        QTest::keyClick(number, Qt::Key_Return);
        EXPECT_NE(host.Sheet().find(c.Written), std::string::npos)
            << host.Sheet() << host.s.dialogs.Shown.size()
            << (host.s.dialogs.Shown.empty() ? "" : host.s.dialogs.Shown.back().Text);
    }
}

TEST(VariablesPage, RenameSaysHowManyPlacesAndRenamesEveryDefinitionAndVar) {
    PageHost host;
    host.s.choices.NameChoices = {"--main", "bad name", "--spare"};
    host.s.dialogs.Answers = {Answer::Yes};
    host.page.Rename(host.Item("--radius", 0));
    ASSERT_FALSE(host.s.dialogs.Shown.empty());
    EXPECT_NE(host.s.dialogs.Shown.back().Text.find("мест в таблице стилей: 3"), std::string::npos);
    const std::string sheet = host.Sheet();
    EXPECT_EQ(sheet.find("--radius"), std::string::npos);
    EXPECT_NE(sheet.find(" --main: 1rem; "), std::string::npos);
    EXPECT_NE(sheet.find("border-radius: var(--main);"), std::string::npos);
    host.s.UndoLast();
    EXPECT_EQ(host.Sheet().find("--main"), std::string::npos) << "one step takes all back";

    for (int i = 0; i < 2; ++i) { // not a name; a name the sheet has
        const size_t told = host.s.dialogs.Shown.size();
        host.page.Rename(host.Item("--brand"));
        EXPECT_EQ(host.s.dialogs.Shown.size(), told + 1);
        EXPECT_EQ(host.s.dialogs.Shown.back().Icon, MessageIcon::Error);
    }
    EXPECT_NE(host.Sheet().find("--brand: #0d6efd"), std::string::npos);
}

TEST(VariableHints, ControlsShowWhatAVarStandsForAndOfferFittingVariables) {
    testing::CatalogSession s(kSheet, 3);
    const SheetVariables& vars = s.variables.Get();
    const ResolvedValue brand = ResolveForControl(vars, "var(--brand)");
    EXPECT_TRUE(brand.HoldsVar);
    EXPECT_EQ(brand.Value, "#0d6efd");
    EXPECT_EQ(brand.Tip, "var(--brand) = #0d6efd");
    const ResolvedValue nowhere = ResolveForControl(vars, "var(--nowhere)");
    EXPECT_EQ(nowhere.Undefined, std::vector<std::string>{"--nowhere"});
    EXPECT_NE(nowhere.Tip.find("--nowhere нигде"), std::string::npos);
    EXPECT_FALSE(ResolveForControl(vars, "red").HoldsVar);

    EXPECT_EQ(FittingVariables(vars, {VariableKind::Color}), std::vector<std::string>{"--brand"});
    EXPECT_EQ(FittingVariables(vars, {VariableKind::Length}),
              (std::vector<std::string>{"--radius", "--spare"}));

    QMenu menu;
    std::string used;
    AddVariableActions(
        menu, vars, {VariableKind::Color}, "var(--brand)", [&](const std::string& v) { used = v; },
        s.editor);
    auto* sub = menu.findChild<QMenu*>("UseVariableMenu");
    ASSERT_TRUE(sub);
    ASSERT_EQ(sub->actions().size(), 1);
    sub->actions()[0]->trigger();
    EXPECT_EQ(used, "var(--brand)");
    auto* go = menu.findChild<QAction*>("GoToVariable");
    ASSERT_TRUE(go);
    go->trigger();
    EXPECT_EQ(s.editor.Current(), 0) << "the rule that defines it";
    // The cache follows a change of the sheet.
    s.editor.SetDeclarationOf(0, 0, "#000000");
    EXPECT_EQ(s.variables.Get().Resolve("var(--brand)"), "#000000");
}

// A colour control holding var() shows the colour it stands for in its swatch and the
// value greyed in its field; a var() that leads nowhere is marked there.
TEST(VariableHints, ACatalogueControlShowsTheValueOfItsVar) {
    testing::CatalogSession s(kSheet, 3);
    QWidget parent;
    auto control = MakeControl(*FindProperty("outline-color"),
                               PropertyActions(s.editor, "outline-color"), s.services, &parent);
    const struct {
        const char* Value;
        QColor Swatch;
        const char* Label; // nullptr: no label shown
    } cases[] = {
        {"var(--brand)", QColor(0x0d, 0x6e, 0xfd), "= #0d6efd"},
        {"var(--nowhere)", QColor(0, 0, 0, 0), "не задана"},
        {"var(--nowhere, red)", QColor(255, 0, 0), "= red"},
        {"#00ff00", QColor(0, 255, 0), nullptr},
    };
    for (const auto& c : cases) {
        control->Show(PropertyValue{c.Value});
        EXPECT_EQ(Control<ColorSwatchFrame>(parent, "OutlineColor")->Color(), c.Swatch) << c.Value;
        auto* label = parent.findChild<QLabel*>("OutlineColorTextVar");
        if (!c.Label) {
            EXPECT_TRUE(!label || label->isHidden()) << c.Value;
            continue;
        }
        ASSERT_TRUE(label) << c.Value;
        EXPECT_FALSE(label->isHidden()) << c.Value;
        EXPECT_EQ(label->text(), QString::fromUtf8(c.Label)) << c.Value;
    }
}

// The page of all the rule's properties marks the declaration whose var() leads nowhere,
// and shows the value of the others.
TEST(VariableHints, TheListOfTheRulesPropertiesMarksAVarThatLeadsNowhere) {
    testing::CatalogSession s(kSheet, 3);
    AllPropertiesPage page(s.services, nullptr);
    page.Render();
    QStringList marks;
    for (const QLabel* label : page.findChildren<QLabel*>())
        if (label->objectName().endsWith("Var") && !label->isHidden())
            marks << label->text();
    marks.sort();
    EXPECT_EQ(marks, (QStringList{"= #0d6efd", "= .375rem", "= color .15s",
                                  "= rgba(13, 110, 253, .5)", "= solid", "не задана"}));
}

} // namespace
} // namespace tesselo
