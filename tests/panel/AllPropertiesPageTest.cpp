// The catalogue's controls and the page of all the rule's properties over a real
// session: each change is one declaration of the rule as written, every other byte
// kept; each refusal writes nothing, shows the rule's value again and tells why.

#include "panel/AllPropertiesPage.h"
#include "panel/CatalogControls.h"
#include "support/CatalogSession.h"
#include "support/FindWidget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

using testing::CatalogSession;
using testing::Replaced;

// A rule with the declaration between two others, one to a line.
std::string Sheet(const std::string& declaration) {
    return ".a {\n  color: red;\n  " + declaration + ";\n  margin: 0;\n}\n";
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Replaces the field's text with `text` and presses Enter.
void Enter(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// The field of a control: a line edit, or the field of a drop-down.
QLineEdit* FieldOf(QWidget& root, std::string_view name) {
    if (auto* box = root.findChild<QComboBox*>(Q(name)))
        return box->lineEdit();
    return Control<QLineEdit>(root, name);
}

void Click(QWidget& root, std::string_view name) {
    QTest::mouseClick(Control<QWidget>(root, name), Qt::LeftButton);
}

// One control of the catalogue over the rule's property, shown again after each change
// as the page that holds it does.
struct ControlHost {
    ControlHost(CatalogSession& session, std::string property,
                std::optional<ControlActions> actions = std::nullopt)
        : s(session), name(std::move(property)) {
        control =
            MakeControl(*FindProperty(name), actions ? *actions : PropertyActions(s.editor, name),
                        s.services, &host);
        host.resize(400, 120);
        host.show();
        Render();
        s.OnChange = [this] { Render(); };
    }
    void Render() { control->Show(RuleProperties(s.Block()).Read(name)); }

    CatalogSession& s;
    std::string name;
    QWidget host;
    std::unique_ptr<PropertyControl> control;
};

using HostAct = std::function<void(ControlHost&)>;

HostAct Type(std::string_view field, const char* text) {
    return [=](ControlHost& h) { Enter(FieldOf(h.host, field), QString::fromUtf8(text)); };
}
HostAct Press(std::string_view button) {
    return [=](ControlHost& h) { Click(h.host, button); };
}
HostAct Key(std::string_view field, Qt::Key key) {
    return [=](ControlHost& h) { QTest::keyClick(Control<QLineEdit>(h.host, field), key); };
}
HostAct Unit(std::string_view button, const char* unit) {
    return [=](ControlHost& h) {
        for (QAction* action : Control<QToolButton>(h.host, button)->menu()->actions())
            if (action->text() == QString::fromUtf8(unit))
                action->trigger();
    };
}

struct WriteCase {
    const char* Name;
    std::string Before; // the declaration as the sheet has it
    std::string Property;
    HostAct Act;
    std::string After; // the declaration after the change; empty when it goes
};

const std::vector<WriteCase>& WriteCases() {
    static const std::vector<WriteCase> cases = {
        {"KeywordButtonSets", "display: block", "display", Press("DisplayFlex"), "display: flex"},
        {"ButtonDownRemoves", "display: flex", "display", Press("DisplayFlex"), ""},
        {"ChoiceTyped", "white-space: normal", "white-space", Type("WhiteSpace", "pre-line"),
         "white-space: pre-line"},
        {"NumberKeepsUnit", "gap: 10px", "gap", Type("Gap", "12"), "gap: 12px"},
        {"NumberWithUnit", "gap: 10px", "gap", Type("Gap", "1.5rem"), "gap: 1.5rem"},
        {"UnitChosen", "width: 10px", "width", Unit("Width_", "%"), "width: 10%"},
        {"VariableIntoLength", "width: 10px", "width", Type("Width", "var(--w)"),
         "width: var(--w)"},
        {"EmptyLengthRemoves", "width: 10px", "width", Type("Width", ""), ""},
        {"NumberStepsUp", "flex-grow: 1", "flex-grow", Key("FlexGrow", Qt::Key_Up), "flex-grow: 2"},
        {"OpacityStepsByTenths", "opacity: 0.5", "opacity", Key("Opacity", Qt::Key_Down),
         "opacity: 0.4"},
        {"IntegerStepsDown", "z-index: 0", "z-index", Key("ZIndex", Qt::Key_Down), "z-index: -1"},
        {"ColorChosenInRgb", "outline-color: rgb(255, 0, 0)", "outline-color",
         [](ControlHost& h) {
             h.s.choices.ColorChoices.push_back(Color{0, 128, 0, 128});
             Click(h.host, "OutlineColor");
         },
         "outline-color: rgba(0, 128, 0, 0.5)"},
        {"ColorAsText", "border-top-color: red", "border-top-color",
         Type("BorderTopColorText", "currentcolor"), "border-top-color: currentcolor"},
        {"PictureChosen", "background-image: none", "background-image",
         [](ControlHost& h) {
             h.s.choices.PictureChoices.push_back("/site/img/sky one.png");
             Click(h.host, "BackgroundImageOpen");
         },
         "background-image: url(\"../img/sky one.png\")"},
        {"TextKeptAsWritten", "box-shadow: none", "box-shadow",
         Type("BoxShadow", "0 1px 2px rgba(0,0,0,.2)"), "box-shadow: 0 1px 2px rgba(0,0,0,.2)"},
    };
    return cases;
}

class ControlWrites : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ControlWrites, OneDeclarationChangesAndEveryOtherByteStays) {
    const WriteCase& c = GetParam();
    CatalogSession s(Sheet(c.Before), 0, "/site/css/a.css");
    ControlHost h(s, c.Property);
    const std::string before = s.Block();
    c.Act(h);
    const std::string expected = c.After.empty() ? Replaced(before, "\n  " + c.Before + ";", "")
                                                 : Replaced(before, c.Before, c.After);
    EXPECT_EQ(s.Block(), expected);
    EXPECT_TRUE(s.dialogs.Shown.empty()) << s.dialogs.Shown.front().Text;
    EXPECT_EQ(s.changes, 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ControlWrites, ::testing::ValuesIn(WriteCases()),
                         [](const auto& row) { return std::string(row.param.Name); });

struct RefusalCase {
    const char* Name;
    std::string Before;
    std::string Property;
    std::string Field;
    const char* Typed;
    std::string Shown;   // what the field shows again
    std::string Message; // a part of the message
};

class TypedRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TypedRefusals, WriteNothingShowTheRuleAgainAndTell) {
    const RefusalCase& c = GetParam();
    CatalogSession s(Sheet(c.Before));
    ControlHost h(s, c.Property);
    const std::string before = s.Block();
    auto* field = FieldOf(h.host, c.Field);
    Enter(field, QString::fromUtf8(c.Typed));
    EXPECT_EQ(s.Block(), before);
    EXPECT_EQ(s.changes, 0);
    EXPECT_EQ(field->text(), Q(c.Shown));
    ASSERT_EQ(s.dialogs.Shown.size(), 1u);
    EXPECT_EQ(s.dialogs.Shown[0].Caption, "Tesselo");
    EXPECT_NE(s.dialogs.Shown[0].Text.find(c.Message), std::string::npos)
        << s.dialogs.Shown[0].Text;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TypedRefusals,
    ::testing::Values(
        RefusalCase{"BlankInLength", "gap: 10px", "gap", "Gap", "10 px", "10",
                    "Значение \"10 px\" не подходит для свойства gap"},
        RefusalCase{"UnitNotTaken", "border-spacing: 2px", "border-spacing", "BorderSpacing", "5%",
                    "2", "Значение \"5%\" не подходит для свойства border-spacing"},
        RefusalCase{"FractionForInteger", "z-index: 3", "z-index", "ZIndex", "1.5", "3",
                    "не подходит для свойства z-index"},
        RefusalCase{"UnknownKeyword", "text-transform: none", "text-transform", "TextTransform",
                    "sideways", "none", "не подходит для свойства text-transform"},
        RefusalCase{"NoColour", "color: blue", "color", "ColorText", "blu", "blue",
                    "не подходит для свойства color"},
        RefusalCase{"TextRunsOut", "box-shadow: none", "box-shadow", "BoxShadow",
                    "0 0 red; color: blue", "none", "нельзя записать в свойство box-shadow"}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST(ControlRefusedBySession, ShowsTheRuleAgainAndTells) {
    CatalogSession s(Sheet("display: block"));
    int asked = 0;
    ControlHost h(s, "display",
                  ControlActions{[&](const std::string&) { return ++asked, false; },
                                 [&] { return ++asked, false; }});
    auto* grid = Control<QToolButton>(h.host, "DisplayGrid");
    auto* block = Control<QToolButton>(h.host, "DisplayBlock");

    Click(h.host, "DisplayGrid");
    EXPECT_FALSE(grid->isChecked());
    EXPECT_TRUE(block->isChecked());
    Click(h.host, "DisplayBlock"); // down: asks to remove
    EXPECT_TRUE(block->isChecked());

    EXPECT_EQ(asked, 2);
    ASSERT_EQ(s.dialogs.Shown.size(), 2u);
    EXPECT_NE(s.dialogs.Shown[0].Text.find("\"grid\" не записано в свойство display"),
              std::string::npos);
    EXPECT_NE(s.dialogs.Shown[1].Text.find("display не удалено"), std::string::npos);
}

// Each kind of control shows a value and "not set"; none of it is a change.
struct ShowCase {
    std::string Property;
    std::string Value;
    std::string Field; // the part that shows the value as text; empty for buttons
    std::string Text;
};

TEST(ControlShow, ShowsValuesAndNotSetWithoutChanging) {
    const std::vector<ShowCase> cases = {
        {"justify-content", "center", "", ""},
        {"justify-content", "var(--j)", "JustifyContentText", "значение: var(--j)"},
        {"row-gap", "1.5em", "RowGap", "1.5"},
        {"order", "-2", "Order", "-2"},
        {"caret-color", "transparent", "CaretColorText", "transparent"},
        {"list-style-image", "url(a.png)", "ListStyleImage", "url(a.png)"},
        {"transform", "rotate(3deg)", "Transform", "rotate(3deg)"},
    };
    CatalogSession s(Sheet("color: blue"));
    int asked = 0;
    const ControlActions counting{[&](const std::string&) { return ++asked, true; },
                                  [&] { return ++asked, true; }};
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(c.Property + ": " + c.Value);
        QWidget host;
        auto control = MakeControl(*FindProperty(c.Property), counting, s.services, &host);
        host.show();
        control->Show(PropertyValue{c.Value});
        if (c.Field.empty()) {
            EXPECT_TRUE(Control<QToolButton>(host, ControlName(c.Property, c.Value))->isChecked());
        } else if (auto* label = host.findChild<QLabel*>(Q(c.Field))) {
            EXPECT_EQ(label->text(), Q(c.Text));
            EXPECT_TRUE(label->isVisibleTo(&host));
        } else {
            EXPECT_EQ(FieldOf(host, c.Field)->text(), Q(c.Text));
        }
        control->Show(std::nullopt);
        for (auto* field : host.findChildren<QLineEdit*>())
            EXPECT_TRUE(field->text().isEmpty());
        for (auto* button : host.findChildren<QToolButton*>()) {
            EXPECT_FALSE(button->isChecked());
            if (button->menu()) { // the unit button is blank
                EXPECT_TRUE(button->text().isEmpty());
            }
        }
        // Leaving a field it filled takes nothing either.
        for (auto* field : host.findChildren<QLineEdit*>())
            emit field->editingFinished();
    }
    EXPECT_EQ(asked, 0);
}

TEST(ControlShow, KeywordButtonsShowTheirPictureOrElseTheirKeyword) {
    CatalogSession s(Sheet("align-content: center"));
    ControlHost withPictures(s, "align-content");
    auto* center = Control<QToolButton>(withPictures.host, "AlignContentCenter");
    EXPECT_FALSE(center->icon().isNull());
    EXPECT_TRUE(center->text().isEmpty());
    ControlHost without(s, "float");
    EXPECT_EQ(Control<QToolButton>(without.host, "FloatLeft")->text(), QStringLiteral("left"));
}

TEST(ControlShow, ValueOfAShorthandNamesItsDeclaration) {
    CatalogSession s(Sheet("gap: 10px 2em"));
    ControlHost h(s, "column-gap");
    auto* field = Control<QLineEdit>(h.host, "ColumnGap");
    EXPECT_EQ(field->text(), QStringLiteral("2"));
    EXPECT_EQ(Control<QToolButton>(h.host, "ColumnGap_")->text(), QStringLiteral("em"));
    EXPECT_TRUE(field->toolTip().contains(QStringLiteral("Из объявления gap: 10px 2em")))
        << field->toolTip().toStdString();
}

TEST(ControlShow, FieldNarrowerThanItsTextShowsItWholeInTheToolTip) {
    const std::string shadow = "0 0 0 1px rgba(0, 0, 0, .1), 0 2px 4px rgba(0, 0, 0, .2)";
    CatalogSession s(Sheet("box-shadow: " + shadow));
    ControlHost h(s, "box-shadow");
    auto* field = Control<QLineEdit>(h.host, "BoxShadow");
    field->setFixedWidth(200);
    QApplication::processEvents();
    EXPECT_TRUE(field->toolTip().startsWith(Q(shadow)));
    field->setFixedWidth(390);
    h.Render();
    QApplication::processEvents();
    EXPECT_FALSE(field->toolTip().contains(Q(shadow)));
}

// ---------------------------------------------------------------------------
// The page of all the rule's properties

const std::string kRule = ".a {\n  display: -ms-flexbox;\n  display: flex;\n"
                          "  color: red !important;\n  --gap: 4px;\n  zoom: 1;\n}\n";

struct PageHost {
    explicit PageHost(CatalogSession& session) : s(session), page(s.services, nullptr) {
        page.resize(600, 400);
        page.show();
        page.Render();
        s.OnChange = [this] { page.Render(); };
    }
    template <typename W = QWidget> W* In(int row, std::string_view name) {
        return Control<W>(*Control<QWidget>(page, "Row" + std::to_string(row)), name);
    }
    CatalogSession& s;
    AllPropertiesPage page;
};

struct PageCase {
    const char* Name;
    std::function<void(PageHost&)> Act;
    std::string From; // in the block
    std::string To;
};

class PageEdits : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageEdits, WriteOneDeclarationAndAreTakenBack) {
    const PageCase& c = GetParam();
    CatalogSession s(kRule);
    PageHost p(s);
    const std::string before = s.Block();
    c.Act(p);
    EXPECT_TRUE(s.dialogs.Shown.empty()) << s.dialogs.Shown.front().Text;
    EXPECT_EQ(s.Block(), Replaced(before, c.From, c.To));
    s.UndoLast();
    EXPECT_EQ(s.Block(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageEdits,
    ::testing::Values(
        // The standard value after its fallback: the second row is the one edited.
        PageCase{"SecondOfTwoSameProperties",
                 [](PageHost& p) {
                     Enter(p.In<QComboBox>(1, "Display")->lineEdit(), QStringLiteral("grid"));
                 },
                 "display: flex;", "display: grid;"},
        PageCase{"FirstOfTwoSameProperties",
                 [](PageHost& p) {
                     Enter(p.In<QComboBox>(0, "Display")->lineEdit(), QStringLiteral("block"));
                 },
                 "display: -ms-flexbox;", "display: block;"},
        PageCase{"CustomPropertyAsText",
                 [](PageHost& p) { Enter(p.In<QLineEdit>(3, "Gap"), QStringLiteral("8px")); },
                 "--gap: 4px", "--gap: 8px"},
        PageCase{
            "ColourKeepsItsPriority",
            [](PageHost& p) { Enter(p.In<QLineEdit>(2, "ColorText"), QStringLiteral("blue")); },
            "color: red !important", "color: blue !important"},
        PageCase{"ImportantOff",
                 [](PageHost& p) { QTest::mouseClick(p.In(2, "Row2Important"), Qt::LeftButton); },
                 "color: red !important;", "color: red;"},
        PageCase{"ImportantOn",
                 [](PageHost& p) { QTest::mouseClick(p.In(1, "Row1Important"), Qt::LeftButton); },
                 "display: flex;", "display: flex !important;"},
        PageCase{"RowRemoved",
                 [](PageHost& p) { QTest::mouseClick(p.In(0, "Row0Remove"), Qt::LeftButton); },
                 "  display: -ms-flexbox;\n", ""},
        PageCase{"RowAdded",
                 [](PageHost& p) {
                     auto* name = Control<QComboBox>(p.page, "NewPropertyName");
                     name->setEditText(QStringLiteral("opacity"));
                     Enter(Control<QLineEdit>(p.page, "NewPropertyValue"), QStringLiteral("0.5"));
                 },
                 "  zoom: 1;\n", "  zoom: 1;\n  opacity: 0.5;\n"}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST(AllPropertiesPage, ShowsEachDeclarationInItsRow) {
    CatalogSession s(kRule);
    PageHost p(s);
    EXPECT_TRUE(p.page.isEnabled());
    // Each row holds its own declaration: the vendor's fallback, then the standard value,
    // in a drop-down of the keywords (a row of buttons would not fit a row).
    EXPECT_EQ(p.In<QComboBox>(0, "Display")->currentText(), QStringLiteral("-ms-flexbox"));
    EXPECT_EQ(p.In<QComboBox>(1, "Display")->currentText(), QStringLiteral("flex"));
    EXPECT_TRUE(p.In<QToolButton>(2, "Row2Important")->isChecked());
    EXPECT_FALSE(p.In<QToolButton>(1, "Row1Important")->isChecked());
    EXPECT_EQ(p.In<QLineEdit>(3, "Gap")->text(), QStringLiteral("4px"));
    EXPECT_EQ(p.page.findChild<QWidget*>(QStringLiteral("Row5")), nullptr);
}

// The element's facts mark the names of the declarations that cannot act on it.
TEST(AllPropertiesPage, TheElementMarksTheNamesOfWhatCannotAct) {
    CatalogSession s(".a {\n  display: block;\n  gap: 4px;\n}\n");
    std::optional<ElementFacts> facts = ElementFacts{"block", "static", "block"};
    s.services.Facts = [&] { return facts; };
    PageHost p(s);
    const auto italic = [&](int row) {
        return p.In<QLabel>(row, "Row" + std::to_string(row) + "Name")->font().italic();
    };
    EXPECT_TRUE(italic(1)) << "gap on a block";
    EXPECT_FALSE(italic(0)) << "display acts anywhere";
    facts = ElementFacts{"grid", "static", "block"};
    p.page.Render();
    EXPECT_FALSE(italic(1));
}

TEST(AllPropertiesPage, RowsAreMadeAgainOnlyWhenTheDeclarationsChange) {
    CatalogSession s(kRule);
    PageHost p(s);
    QPointer<QWidget> first = Control<QWidget>(p.page, "Row0");
    Enter(p.In<QLineEdit>(4, "Zoom"), QStringLiteral("2"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(first.data(), p.page.findChild<QWidget*>(QStringLiteral("Row0")));

    QTest::mouseClick(p.In(4, "Row4Remove"), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(p.page.findChild<QWidget*>(QStringLiteral("Row4")), nullptr);
    EXPECT_EQ(p.In<QLineEdit>(3, "Gap")->text(), QStringLiteral("4px"));
}

TEST(AllPropertiesPage, AddRefusesWhatIsNoDeclaration) {
    struct Case {
        const char* Name;
        const char* Value;
        std::string Message;
    };
    const std::vector<Case> cases = {
        {"", "1", "Введите имя свойства"},
        {"1width", "1px", "\"1width\" — не имя свойства CSS"},
        {"width", "10 px", "Значение \"10 px\" не подходит для свойства width"},
        {"--x", "a;b", "Значение \"a;b\" не подходит для свойства --x"},
    };
    CatalogSession s(kRule);
    PageHost p(s);
    const std::string before = s.Block();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        s.dialogs.Shown.clear();
        Control<QComboBox>(p.page, "NewPropertyName")->setEditText(QString::fromUtf8(c.Name));
        Control<QLineEdit>(p.page, "NewPropertyValue")->setText(QString::fromUtf8(c.Value));
        Click(p.page, "AddProperty");
        ASSERT_EQ(s.dialogs.Shown.size(), 1u);
        EXPECT_NE(s.dialogs.Shown[0].Text.find(c.Message), std::string::npos)
            << s.dialogs.Shown[0].Text;
    }
    EXPECT_EQ(s.Block(), before);
    EXPECT_EQ(s.changes, 0);
}

TEST(AllPropertiesPage, EmptyAndDisabledWithoutARuleOfItsOwn) {
    CatalogSession s(".a {\n  color: red;\n}\n.n {\n  color: red;\n  .b { color: blue; }\n}\n"
                     "@media print {\n  .c { color: red; }\n}\n");
    PageHost p(s);
    const auto rows = [&] {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return p.page.findChildren<QWidget*>(QStringLiteral("Row0")).size();
    };
    ASSERT_EQ(rows(), 1);
    for (int row : {1, 2}) { // nested rules, a group
        s.editor.Select(row);
        EXPECT_FALSE(p.page.isEnabled()) << row;
        EXPECT_EQ(rows(), 0) << row;
        s.editor.Select(0);
        EXPECT_TRUE(p.page.isEnabled());
        EXPECT_EQ(rows(), 1);
    }
}

TEST(AllPropertiesPage, ManyDeclarationsScroll) {
    std::string sheet = ".a {\n";
    for (int i = 0; i < 200; ++i)
        sheet += "  --v" + std::to_string(i) + ": " + std::to_string(i) + ";\n";
    CatalogSession s(sheet + "}\n");
    PageHost p(s);
    EXPECT_EQ(p.In<QLineEdit>(199, "V199")->text(), QStringLiteral("199"));
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_GT(p.page.findChild<QScrollArea*>()->verticalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace tesselo
