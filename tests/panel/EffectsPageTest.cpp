// The page "Эффекты" over a real session: shadows, transitions and transforms shown as
// lists, each change written in the rule's text with only its part changed, one step
// that the session takes back; the corners linked while they are the same.

#include "panel/EffectsPage.h"
#include "mapping/LayeredValue.h"
#include "support/EffectsHost.h"
#include "support/FindWidget.h"
#include "support/MouseDrag.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

using testing::Replaced;

using PageHost = testing::EffectsHost;
using testing::BoxInner;
using testing::BoxRule;

TEST(EffectsPage, AShadowsLayersAreAddedMovedAndRemovedOneStepEach) {
    PageHost host(BoxRule("  box-shadow: 0 1px 2px RED,inset 0 0 0 1px #fff;\n"));
    const std::string before = host.s.Block();
    EXPECT_EQ(host.Rows("BoxShadow"), (QStringList{"0 1px 2px RED", "inset 0 0 0 1px #fff"}));
    EXPECT_TRUE(Control<QCheckBox>(host.page, "BoxShadowInset")->isEnabled());

    struct Step {
        const char* Button;
        int Row;
        std::string Value;
    } const steps[] = {
        {"BoxShadowAdd", 0, "0 1px 2px RED,inset 0 0 0 1px #fff,0 2px 4px rgba(0, 0, 0, 0.2)"},
        {"BoxShadowDown", 0, "inset 0 0 0 1px #fff,0 1px 2px RED"},
        {"BoxShadowUp", 1, "inset 0 0 0 1px #fff,0 1px 2px RED"},
        {"BoxShadowRemove", 1, "0 1px 2px RED"},
    };
    for (const Step& step : steps) {
        host.Choose("BoxShadow", step.Row);
        host.Click(step.Button);
        EXPECT_EQ(host.s.Block(),
                  Replaced(before, "0 1px 2px RED,inset 0 0 0 1px #fff", step.Value))
            << step.Button;
        host.s.UndoLast();
        EXPECT_EQ(host.s.Block(), before) << step.Button;
    }

    // A var() for the whole value shows as one row; a layer would replace it.
    PageHost variable(BoxRule("  box-shadow: var(--bs-box-shadow);\n"));
    EXPECT_EQ(variable.Rows("BoxShadow"), QStringList{"var(--bs-box-shadow)"});
    EXPECT_FALSE(Control<QAbstractButton>(variable.page, "BoxShadowAdd")->isEnabled());
    EXPECT_FALSE(Control<QWidget>(variable.page, "BoxShadowY")->isEnabled());

    PageHost one(BoxRule("  box-shadow: 0 1px 2px red;\n"));
    one.Click("BoxShadowRemove");
    EXPECT_EQ(one.s.Block(), BoxInner(""));
    one.Click("BoxShadowAdd");
    EXPECT_EQ(one.s.Block(), BoxInner("  box-shadow: 0 2px 4px rgba(0, 0, 0, 0.2);\n"));
}

TEST(EffectsPage, ALayersPartIsWrittenInItsPlace) {
    struct Case {
        std::string Value;
        int Row;
        const char* Field;
        QString Typed;
        std::string Want;
    } const cases[] = {
        {"0 1px red, 0 2px 4px blue", 1, "BoxShadowY", "3", "0 1px red, 0 3px 4px blue"},
        {"0 1px red, 0 2px 4px blue", 0, "BoxShadowBlur", "5px", "0 1px 5px red, 0 2px 4px blue"},
        {"red 0 1px", 0, "BoxShadowColorText", "#000", "#000 0 1px"},
        {"var(--x) 2px 4px red", 0, "BoxShadowSpread", "1em", "var(--x) 2px 4px 1em red"},
    };
    for (const Case& c : cases) {
        PageHost host(BoxRule("  box-shadow: " + c.Value + ";\n"));
        host.Choose("BoxShadow", c.Row);
        host.Type(c.Field, c.Typed);
        EXPECT_EQ(host.s.Block(), BoxInner("  box-shadow: " + c.Want + ";\n")) << c.Field;
    }
    // A text no shadow takes is refused, and nothing is written.
    PageHost host(BoxRule("  text-shadow: 1px 1px red;\n"));
    const std::string before = host.s.Block();
    host.Type("TextShadowX", QStringLiteral("blue"));
    EXPECT_EQ(host.s.Block(), before);
    EXPECT_EQ(host.s.dialogs.Shown.size(), 1u);
    EXPECT_EQ(host.page.findChild<QCheckBox*>(QStringLiteral("TextShadowInset")), nullptr);
}

TEST(EffectsPage, TheSwatchChangesTheColoursAlphaInTheLayersNotation) {
    PageHost host(BoxRule("  box-shadow: 0 0 0 .25rem rgba(13, 110, 253, .25), 0 1px red;\n"));
    host.s.choices.ColorChoices.push_back(Color{13, 110, 253, 128});
    QTest::mouseClick(Control<QWidget>(host.page, "BoxShadowColor"), Qt::LeftButton);
    ASSERT_EQ(host.s.choices.ColorDialogInitial.size(), 1u);
    EXPECT_EQ(host.s.choices.ColorDialogInitial[0].Alpha, 64);
    EXPECT_EQ(host.s.Block(),
              BoxInner("  box-shadow: 0 0 0 .25rem rgba(13, 110, 253, 0.5), 0 1px red;\n"));
}

TEST(EffectsPage, TheOpacitySliderAndFieldShowOneValue) {
    PageHost host(BoxRule("  opacity: .65;\n"));
    auto* slider = Control<QSlider>(host.page, "OpacitySlider");
    EXPECT_EQ(slider->value(), 65);
    slider->setValue(30);
    EXPECT_EQ(host.s.Block(), BoxInner("  opacity: 0.3;\n"));
    EXPECT_EQ(Control<QLineEdit>(host.page, "Opacity")->text(), QStringLiteral("0.3"));
    host.Type("Opacity", QStringLiteral("50%"));
    EXPECT_EQ(host.s.Block(), BoxInner("  opacity: 50%;\n"));
    EXPECT_EQ(slider->value(), 50);
}

TEST(EffectsPage, TransitionsAreEditedInTheShorthandOrInTheLonghandsAsWritten) {
    PageHost shorthand(BoxRule("  transition: color .15s ease-in-out, border-color .15s;\n"));
    EXPECT_EQ(shorthand.Rows("Transition"),
              (QStringList{"color .15s ease-in-out", "border-color .15s"}));
    shorthand.Choose("Transition", 1);
    shorthand.Type("TransitionDelay", QStringLiteral("1s"));
    EXPECT_EQ(shorthand.s.Block(),
              BoxInner("  transition: color .15s ease-in-out, border-color .15s 1s;\n"));

    PageHost longhands(BoxRule("  transition-property: opacity, transform;\n"
                               "  transition-duration: .3s;\n"));
    EXPECT_EQ(longhands.Rows("Transition"), (QStringList{"opacity .3s", "transform .3s"}));
    EXPECT_FALSE(Control<QAbstractButton>(longhands.page, "TransitionAdd")->isEnabled());
    longhands.Choose("Transition", 1);
    auto* timing = Control<QComboBox>(longhands.page, "TransitionTiming");
    timing->activated(timing->findText(QStringLiteral("linear")));
    EXPECT_EQ(longhands.s.Block(), BoxInner("  transition-property: opacity, transform;\n"
                                            "  transition-duration: .3s;\n"
                                            "  transition-timing-function: ease, linear;\n"));
}

TEST(EffectsPage, DraggingACurveHandleWritesTheCubicBezierOfTheLayer) {
    PageHost host(BoxRule("  transition: opacity .2s ease;\n"));
    auto* curve = Control<BezierCurveEditor>(host.page, "TransitionCurve");
    curve->resize(140, 140);
    EXPECT_EQ(curve->Handles(), (std::array<double, 4>{0.25, 0.1, 0.25, 1}));
    const QPoint from = curve->HandlePoint(0);
    testing::Drag(curve, from, {from + QPoint(20, 0), from + QPoint(40, 0)});
    const auto handles = curve->Handles();
    EXPECT_GT(handles[0], 0.25);
    EXPECT_EQ(host.s.Block(),
              BoxInner("  transition: opacity .2s " + CubicBezierText(handles) + ";\n"));
}

TEST(EffectsPage, TransformFunctionsAreAddedAndTheirArgumentsEditedInPlace) {
    PageHost host(BoxRule("  transform: translateX(-50%)  matrix(1, 0, 0, 1, 0, 0);\n"));
    EXPECT_EQ(host.Rows("Transform"),
              (QStringList{"translateX(-50%)", "matrix(1, 0, 0, 1, 0, 0)"}));
    host.Type("TransformArg0", QStringLiteral("10px"));
    EXPECT_EQ(host.s.Block(),
              BoxInner("  transform: translateX(10px)  matrix(1, 0, 0, 1, 0, 0);\n"));
    host.Choose("Transform", 1);
    EXPECT_TRUE(Control<QLineEdit>(host.page, "TransformArg0")->isHidden()) << "a matrix is text";
    EXPECT_FALSE(Control<QLabel>(host.page, "TransformNote")->text().isEmpty());
    Control<QAction>(host.page, "TransformAdd_rotate")->trigger();
    EXPECT_EQ(host.s.Block(),
              BoxInner("  transform: translateX(10px)  matrix(1, 0, 0, 1, 0, 0) rotate(0deg);\n"));
    host.Type("TransformArg0", QStringLiteral("30"));
    EXPECT_EQ(host.s.Block(),
              BoxInner("  transform: translateX(10px)  matrix(1, 0, 0, 1, 0, 0) rotate(30deg);\n"))
        << "a number alone turns in degrees";
    host.Type("TransformArg0", QStringLiteral(".25turn"));
    EXPECT_EQ(
        host.s.Block(),
        BoxInner("  transform: translateX(10px)  matrix(1, 0, 0, 1, 0, 0) rotate(.25turn);\n"));

    PageHost none(BoxRule("  filter: none;\n"));
    Control<QAction>(none.page, "FilterAdd_grayscale")->trigger();
    EXPECT_EQ(none.s.Block(), BoxInner("  filter: grayscale(1);\n"));
}

TEST(EffectsPage, TheCornersAreLinkedWhileTheyAreTheSame) {
    struct Case {
        std::string Declarations;
        bool Linked;
        QString Shown;
    } const cases[] = {
        {"", true, ""},
        {"  border-radius: 4px;\n", true, "4"},
        {"  border-radius: 4px 0 0 4px;\n", false, "4px 0 0 4px"},
        {"  border-radius: 10px / 20px;\n", false, "10px / 20px"},
    };
    for (const Case& c : cases) {
        PageHost host(BoxRule(c.Declarations));
        EXPECT_EQ(Control<QAbstractButton>(host.page, "BorderRadiusLinked")->isChecked(), c.Linked)
            << c.Declarations;
        EXPECT_EQ(Control<QWidget>(host.page, "BorderTopLeftRadiusLabel")->isHidden(), c.Linked);
        EXPECT_EQ(Control<QLineEdit>(host.page, "BorderRadius")->text(), c.Shown);
    }
    PageHost host(BoxRule("  border-radius: 4px;\n"));
    host.Click("BorderRadiusLinked");
    EXPECT_FALSE(Control<QWidget>(host.page, "BorderTopLeftRadiusLabel")->isHidden());
    host.Type("BorderBottomLeftRadius", QStringLiteral("2em"));
    EXPECT_EQ(host.s.Block(), BoxInner("  border-radius: 4px 4px 4px 2em;\n"));
}

} // namespace
} // namespace tesselo
