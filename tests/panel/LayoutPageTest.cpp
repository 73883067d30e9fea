// The page "Раскладка" over a real session: it shows the rule's flex and grid values,
// each click or typed value is one declaration of the rule as written, the container
// boxes grey out when the rule's display makes no such container, and the alignment
// pictures turn with a column.

#include "panel/LayoutPage.h"
#include "support/CatalogSession.h"
#include "support/FindWidget.h"
#include "support/Pictures.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTransform>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::Replaced;

// The page over a sheet's rule, shown again after each change as the panel does.
struct PageHost {
    explicit PageHost(std::string_view sheet, int row = 0) : s(sheet, row) {
        s.OnChange = [this] { page.Render(); };
        page.Render();
    }
    QAbstractButton* Button(std::string_view property, std::string_view keyword) {
        return Control<QAbstractButton>(page, ControlName(property, keyword));
    }
    bool Usable(std::string_view name) { return Control<QWidget>(page, name)->isEnabled(); }
    QString Tip(std::string_view name) { return Control<QWidget>(page, name)->toolTip(); }
    // The property's buttons that are down.
    std::vector<std::string> Down(std::string_view property) {
        std::vector<std::string> down;
        for (std::string_view keyword : ButtonKeywords(*FindProperty(property)))
            if (Button(property, keyword)->isChecked())
                down.emplace_back(keyword);
        return down;
    }

    testing::CatalogSession s;
    LayoutPage page{s.services, nullptr};
};

std::string Box(const std::string& declarations) {
    return ".box {\n" + declarations + "  color: red;\n}\n";
}

TEST(LayoutPage, TheRulesValuesPressTheirButtons) {
    struct Case {
        std::string Declarations, Property;
        std::vector<std::string> Down;
    } const cases[] = {
        {"  flex-direction: row-reverse;\n", "flex-direction", {"row-reverse"}},
        {"  flex-flow: column wrap;\n", "flex-direction", {"column"}},
        {"  flex-flow: column wrap;\n", "flex-wrap", {"wrap"}},
        {"  justify-content: space-between;\n", "justify-content", {"space-between"}},
        {"  ALIGN-ITEMS: Center;\n", "align-items", {"center"}},
        {"  align-items: center !important;\n  align-items: baseline;\n",
         "align-items",
         {"center"}},
        {"  place-content: center;\n", "align-content", {"center"}},
        {"  align-content: normal;\n", "align-content", {}},
        {"", "justify-content", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageHost(Box(c.Declarations)).Down(c.Property), c.Down) << c.Declarations;
}

TEST(LayoutPage, AClickIsOneDeclarationThatAClickOrUndoTakesAway) {
    PageHost host(Box("  display: flex;\n"));
    const std::string before = host.s.Block();
    QAbstractButton* center = host.Button("align-items", "center");
    QTest::mouseClick(center, Qt::LeftButton);
    EXPECT_EQ(host.s.Block(), Replaced(before, "red;", "red;\n  align-items: center;"));
    EXPECT_EQ(host.Down("align-items"), std::vector<std::string>{"center"});
    QTest::mouseClick(center, Qt::LeftButton);
    EXPECT_EQ(host.s.Block(), before);
    EXPECT_TRUE(host.Down("align-items").empty());

    PageHost dense(".box{display:flex ; justify-content:center}\n");
    const std::string written = dense.s.Block();
    QTest::mouseClick(dense.Button("justify-content", "space-evenly"), Qt::LeftButton);
    ASSERT_NE(dense.s.Block(), written);
    dense.s.UndoLast();
    EXPECT_EQ(dense.s.Block(), written);
    EXPECT_EQ(dense.Down("justify-content"), std::vector<std::string>{"center"});
}

TEST(LayoutPage, TypedValuesGoIntoTheirDeclarationOrShorthand) {
    struct Case {
        std::string Declarations, Field;
        QString Typed;
        std::string From, To;
    } const cases[] = {
        {"  display: flex;\n", "Gap", "1rem", "red;", "red;\n  gap: 1rem;"},
        {"  flex: 1 1 0%;\n", "FlexGrow", "2", "flex: 1 1 0%", "flex: 2 1 0%"},
        {"  gap: 4px 8px;\n", "ColumnGap", "1em", "gap: 4px 8px", "gap: 4px 1em"},
    };
    for (const Case& c : cases) {
        PageHost host(Box(c.Declarations));
        const std::string before = host.s.Block();
        auto* field = Control<QLineEdit>(host.page, c.Field);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, c.Typed);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(host.s.Block(), Replaced(before, c.From, c.To)) << c.Field;
    }
}

TEST(LayoutPage, TheContainerBoxesWorkOnlyForTheirDisplay) {
    const QString flexWhy = "Свойства гибкого контейнера действуют, когда display: flex или "
                            "inline-flex. У этого стиля display: ";
    struct Case {
        std::string Display;
        bool Flex, Gap, Grid;
        QString FlexTip;
    } const cases[] = {
        {"", true, true, true, ""},
        {"flex", true, true, false, ""},
        {"inline-flex", true, true, false, ""},
        {"block", false, false, false, flexWhy + "block"},
        {"table-cell !important", false, false, false, flexWhy + "table-cell"},
        {"grid", false, true, true, flexWhy + "grid"},
        {"inline grid", false, true, true, flexWhy + "inline grid"},
        {"inline-grid", false, true, true, flexWhy + "inline-grid"},
        {"var(--shown)", true, true, true, ""},
        {"inherit", true, true, true, ""},
    };
    for (const Case& c : cases) {
        PageHost host(Box(c.Display.empty() ? "" : "  display: " + c.Display + ";\n"));
        SCOPED_TRACE(c.Display);
        EXPECT_EQ(host.Usable("FlexDirection"), c.Flex);
        // Gaps and the alignment of items and lines work in a grid too.
        EXPECT_EQ(host.Usable("JustifyContentCenter"), c.Gap);
        EXPECT_EQ(host.Usable("AlignItemsCenter"), c.Gap);
        EXPECT_EQ(host.Usable("Gap"), c.Gap);
        EXPECT_EQ(host.Usable("RowGap"), c.Gap);
        EXPECT_EQ(host.Usable("GridTemplateColumns"), c.Grid);
        EXPECT_EQ(host.Usable("JustifyItemsCenter"), c.Grid);
        EXPECT_EQ(host.Tip("FlexContainerBox"), c.FlexTip);
        EXPECT_EQ(host.Usable("FlexContainerBox"), c.Flex || c.Gap);
        EXPECT_TRUE(host.Usable("FlexGrow")) << "the item's box works for any display";
        EXPECT_TRUE(host.Usable("ZIndex"));
    }
}

TEST(LayoutPage, AContainerBoxWorksAgainWhenTheDisplayGoes) {
    PageHost host(Box("  display: block;\n"));
    ASSERT_FALSE(host.Usable("FlexWrap"));
    ASSERT_TRUE(host.s.editor.RemoveProperty("display"));
    EXPECT_TRUE(host.Usable("FlexWrap"));
    EXPECT_TRUE(host.Usable("FlexContainerBox"));
    EXPECT_TRUE(host.Tip("FlexContainerBox").isEmpty());
    EXPECT_TRUE(host.Tip("FlexWrap").isEmpty());
}

// What the page computes for the rule's element marks the captions of the declarations
// that cannot act on it; a property the rule does not declare is never marked, and the
// caption's own tip comes back with the mark gone.
TEST(LayoutPage, TheElementMarksTheDeclarationsThatCannotActOnIt) {
    PageHost host(Box("  gap: 4px;\n  flex: 1;\n  z-index: 2;\n"));
    std::optional<ElementFacts> facts;
    host.s.services.Facts = [&] { return facts; };
    const auto marked = [&](std::string_view name) {
        const auto* label = Control<QLabel>(host.page, std::string(name) + "Label");
        const bool on = label->font().italic();
        EXPECT_EQ(on, label->toolTip().startsWith(QStringLiteral("Не действует здесь: "))) << name;
        return on;
    };
    const QString ownTip = Control<QLabel>(host.page, "FlexGrowLabel")->toolTip();
    const struct {
        ElementFacts Facts;
        bool Gap, FlexGrow, ZIndex;
    } cases[] = {
        {{"block", "static", "block"}, true, true, true},
        {{"flex", "static", "flex"}, false, false, false},
        {{"grid", "relative", "block"}, false, true, false},
        {{"", "", ""}, false, false, false}, // nothing known
    };
    for (const auto& c : cases) {
        facts = c.Facts;
        host.page.Render();
        SCOPED_TRACE(c.Facts.Display + "/" + c.Facts.ParentDisplay);
        EXPECT_EQ(marked("Gap"), c.Gap);
        EXPECT_EQ(marked("RowGap"), c.Gap) << "read from the shorthand gap";
        EXPECT_EQ(marked("FlexGrow"), c.FlexGrow) << "read from the shorthand flex";
        EXPECT_EQ(marked("ZIndex"), c.ZIndex);
        EXPECT_FALSE(marked("FlexWrap")) << "not declared";
        EXPECT_FALSE(marked("JustifyContent")) << "not declared";
    }
    EXPECT_EQ(Control<QLabel>(host.page, "FlexGrowLabel")->toolTip(), ownTip);
    facts.reset();
    host.page.Render();
    EXPECT_FALSE(marked("Gap"));
}

TEST(LayoutPage, NoRuleNestedRulesOrAGroupLeaveThePageOutOfUse) {
    struct Case {
        std::string Sheet;
        int Row;
        bool Usable;
    } const cases[] = {
        {"", 0, false},
        {".a {\n  color: red;\n  .b { top: 0; }\n}\n", 0, false},
        {"@media print {\n  .a { display: flex; }\n}\n", 0, false},
        {"@media print {\n  .a { display: flex; }\n}\n", 1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageHost(c.Sheet, c.Row).Usable("LayoutContent"), c.Usable) << c.Sheet;
}

// Whether the button shows the keyword's picture as turned, the turn made here apart
// from the page's own.
bool ShowsTurned(QAbstractButton* button, PictureTurn turn, std::string_view property,
                 std::string_view keyword) {
    auto image = [](const QIcon& icon) {
        return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    QImage expected = image(QIcon(KeywordPicture(property, keyword)));
    if (turn == PictureTurn::Transposed)
        expected = expected.transformed(QTransform().rotate(90)).mirrored(true, false);
    else if (turn == PictureTurn::CounterClockwise)
        expected = expected.transformed(QTransform().rotate(-90));
    const QImage shown = image(button->icon());
    return shown.size() == expected.size() && testing::PixelsApart(shown, expected, 0) == 0;
}

TEST(LayoutPage, AColumnTurnsTheAlignmentPictures) {
    const std::pair<std::string, PictureTurn> cases[] = {
        {"", PictureTurn::None},
        {"  flex-direction: row-reverse;\n", PictureTurn::None},
        {"  flex-direction: column;\n", PictureTurn::Transposed},
        {"  flex-flow: wrap column;\n", PictureTurn::Transposed},
        {"  flex-direction: column-reverse;\n", PictureTurn::CounterClockwise},
    };
    const std::pair<std::string_view, std::string_view> turned[] = {
        {"justify-content", "flex-start"},
        {"align-items", "flex-end"},
        {"align-content", "space-around"},
        {"align-self", "baseline"}};
    for (const auto& [direction, turn] : cases) {
        PageHost host(Box("  display: flex;\n" + direction));
        SCOPED_TRACE(direction);
        for (auto [property, keyword] : turned)
            EXPECT_TRUE(ShowsTurned(host.Button(property, keyword), turn, property, keyword));
        EXPECT_TRUE(
            ShowsTurned(host.Button("flex-wrap", "wrap"), PictureTurn::None, "flex-wrap", "wrap"));
    }

    // And back as the direction changes.
    PageHost host(Box("  flex-direction: column;\n"));
    QAbstractButton* start = host.Button("justify-content", "flex-start");
    QTest::mouseClick(host.Button("flex-direction", "column-reverse"), Qt::LeftButton);
    EXPECT_TRUE(ShowsTurned(start, PictureTurn::CounterClockwise, "justify-content", "flex-start"));
    QTest::mouseClick(host.Button("flex-direction", "row"), Qt::LeftButton);
    EXPECT_TRUE(ShowsTurned(start, PictureTurn::None, "justify-content", "flex-start"));
    EXPECT_FALSE(ShowsTurned(start, PictureTurn::Transposed, "justify-content", "flex-start"))
        << "the picture reads apart from its turn";
}

TEST(LayoutPage, TheBoxesFollowTheCatalogueAndEveryButtonHasItsPicture) {
    PageHost host(Box(""));
    QStringList captions;
    for (const PropertySpec& spec : PropertyCatalog()) {
        if (spec.Page != CatalogPage::Layout)
            continue;
        const QString box = QString::fromUtf8(spec.Box.data(), qsizetype(spec.Box.size()));
        if (!captions.contains(box))
            captions << box;
        if (spec.Control != ControlKind::KeywordButtons)
            continue;
        for (std::string_view keyword : ButtonKeywords(spec)) {
            const std::string path = ":/panel-icons/layout/" + std::string(spec.Name) + "-" +
                                     std::string(keyword) + ".svg";
            EXPECT_TRUE(QFile::exists(QString::fromStdString(path))) << path;
            EXPECT_FALSE(host.Button(spec.Name, keyword)->icon().isNull()) << path;
        }
    }
    QStringList boxes;
    for (QGroupBox* box : host.page.findChildren<QGroupBox*>()) {
        boxes << box->title();
        EXPECT_FALSE(box->objectName().isEmpty()) << "a box the page has no role for";
    }
    EXPECT_EQ(boxes, captions);
}

} // namespace
} // namespace tesselo
