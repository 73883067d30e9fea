// The background's layers on the page "Эффекты": the shorthand edited as written, or
// background-image with the other longhands' lists; a gradient's stops dragged, added,
// taken away and coloured on the strip, its angle typed. Each change is one declaration's
// value with only its part changed.

#include "mapping/Gradient.h"
#include "support/EffectsHost.h"
#include "support/MouseDrag.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

using testing::BoxInner;
using testing::BoxRule;
using testing::EffectsHost;

constexpr const char* kTwoLayers =
    "linear-gradient(to right, #000 0%, #fff 100%) no-repeat,\n    url(a.png) center / cover #eee";

TEST(BackgroundLayers, TheShorthandsLayersAreRowsAndKeepTheirTextWhenOneChanges) {
    EffectsHost host(BoxRule(std::string("  background: ") + kTwoLayers + ";\n"));
    EXPECT_EQ(host.Rows("Background"),
              (QStringList{"linear-gradient(to right, #000 0%, #fff 100%) no-repeat",
                           "url(a.png) center / cover #eee"}));
    const std::string before = host.s.Block();
    struct Step {
        int Row;
        const char* Control;
        QString Text; // typed, or picked from the drop-down
        std::string From, To;
    } const steps[] = {
        {1, "BackgroundLayerPosition", "left top", "url(a.png) center", "url(a.png) left top"},
        {1, "BackgroundLayerSize", "contain", "/ cover", "/ contain"},
        {0, "BackgroundLayerSize", "cover", "100%) no-repeat", "100%) 0 0 / cover no-repeat"},
        {0, "BackgroundLayerRepeat", "repeat-x", "no-repeat,", "repeat-x,"},
        {1, "BackgroundLayerAttachment", "fixed", "cover #eee", "cover fixed #eee"},
        {1, "BackgroundLayerClip", "content-box", "cover #eee",
         "cover padding-box content-box #eee"},
        {0, "BackgroundLayerImage", "url(b.png)", "linear-gradient(to right, #000 0%, #fff 100%)",
         "url(b.png)"},
        {1, "BackgroundAngle", "", "", ""}, // a picture has no angle: nothing to type
    };
    for (const Step& step : steps) {
        host.Choose("Background", step.Row);
        if (step.From.empty()) {
            EXPECT_FALSE(Control<QWidget>(host.page, step.Control)->isEnabled());
            continue;
        }
        if (auto* field = host.page.findChild<QLineEdit*>(QLatin1String(step.Control));
            field && !qobject_cast<QComboBox*>(field->parent()))
            host.Type(step.Control, step.Text);
        else
            host.Pick(step.Control, step.Text);
        EXPECT_EQ(host.s.Block(), testing::Replaced(before, step.From, step.To)) << step.Control;
        host.s.UndoLast();
        ASSERT_EQ(host.s.Block(), before) << step.Control;
    }
}

TEST(BackgroundLayers, LayersAreAddedMovedAndRemovedInTheDeclarationTheAuthorWrote) {
    const std::string added =
        "linear-gradient(to bottom, rgba(255, 255, 255, 0.5), rgba(255, 255, 255, 0))";
    struct Case {
        std::string Declarations;
        const char* Button;
        int Row;
        std::string Want;
    } const cases[] = {
        {"", "BackgroundAdd", 0, "  background-image: " + added + ";\n"},
        {"  background-image: url(a.png);\n", "BackgroundAdd", 0,
         "  background-image: url(a.png), " + added + ";\n"},
        {"  background: url(a.png) no-repeat,\n    url(b.png);\n", "BackgroundDown", 0,
         "  background: url(b.png),\n    url(a.png) no-repeat;\n"},
        {"  background: url(a.png) no-repeat, url(b.png);\n", "BackgroundRemove", 0,
         "  background: url(b.png);\n"},
        // The colour stays in the last layer: a new layer goes before it, and it is not
        // moved up.
        {"  background: url(a.png), #fff;\n", "BackgroundAdd", 0,
         "  background: url(a.png), " + added + ", #fff;\n"},
        {"  background: url(a.png), url(b.png) #fff;\n", "BackgroundUp", 1,
         "  background: url(a.png), url(b.png) #fff;\n"},
        // The longhand written after the shorthand is the one that applies.
        {"  background: #fff;\n  background-image: url(a.png);\n", "BackgroundAdd", 0,
         "  background: #fff;\n  background-image: url(a.png), " + added + ";\n"},
    };
    for (const Case& c : cases) {
        EffectsHost host(BoxRule(c.Declarations));
        host.Choose("Background", c.Row);
        host.Click(c.Button);
        EXPECT_EQ(host.s.Block(), BoxInner(c.Want)) << c.Declarations << c.Button;
    }
    // A var() for the whole value stays whole.
    EffectsHost variable(BoxRule("  background: var(--bs-bg);\n"));
    EXPECT_EQ(variable.Rows("Background"), QStringList{"var(--bs-bg)"});
    EXPECT_FALSE(Control<QAbstractButton>(variable.page, "BackgroundAdd")->isEnabled());
    EXPECT_FALSE(Control<QWidget>(variable.page, "BackgroundLayerImage")->isEnabled());
}

TEST(BackgroundLayers, TheLonghandsControlsAreGreyedWhileTheShorthandHoldsThemInLayers) {
    struct Case {
        std::string Declarations;
        bool Usable;
    } const cases[] = {
        {std::string("  background: ") + kTwoLayers + ";\n", false},
        {"  background-image: url(a.png), url(b.png);\n  background-size: cover, 10px;\n", true},
        {"", true},
    };
    for (const Case& c : cases) {
        EffectsHost host(BoxRule(c.Declarations));
        for (const char* name : {"BackgroundSize", "BackgroundClip", "BackgroundOrigin"})
            EXPECT_EQ(Control<QWidget>(host.page, name)->isEnabled(), c.Usable)
                << name << " " << c.Declarations;
    }
}

TEST(BackgroundLayers, ALayersPartGoesIntoItsLonghandsListInItsPlace) {
    struct Case {
        std::string Declarations;
        int Row;
        const char* Control;
        QString Picked;
        std::string Want;
    } const cases[] = {
        {"  background-image: url(a.png), url(b.png);\n  background-repeat: no-repeat, repeat;\n",
         1, "BackgroundLayerRepeat", "repeat-y",
         "  background-image: url(a.png), url(b.png);\n  background-repeat: no-repeat, "
         "repeat-y;\n"},
        // A list shorter than the layers is written out for each.
        {"  background-image: url(a.png), url(b.png);\n  background-size: cover;\n", 1,
         "BackgroundLayerSize", "contain",
         "  background-image: url(a.png), url(b.png);\n  background-size: cover, contain;\n"},
        {"  background-image: url(a.png);\n", 0, "BackgroundLayerAttachment", "fixed",
         "  background-image: url(a.png);\n  background-attachment: fixed;\n"},
    };
    for (const Case& c : cases) {
        EffectsHost host(BoxRule(c.Declarations));
        host.Choose("Background", c.Row);
        host.Pick(c.Control, c.Picked);
        EXPECT_EQ(host.s.Block(), BoxInner(c.Want)) << c.Declarations;
    }
}

struct StripHost : EffectsHost {
    explicit StripHost(const std::string& gradient)
        : EffectsHost(BoxRule("  background-image: " + gradient + ";\n")) {
        bar = Control<GradientStopBar>(page, "BackgroundStops");
        bar->resize(212, 34); // a strip of 200 pixels from x = 6
    }
    std::string Value() const {
        const std::string block = s.Block();
        const size_t from = block.find("background-image: ") + 18;
        return block.substr(from, block.find(";\n", from) - from);
    }
    GradientStopBar* bar = nullptr;
};

TEST(BackgroundLayers, AStopDraggedOnTheStripMovesItsPosition) {
    StripHost host("linear-gradient(90deg, red, 30%, blue 80%)");
    ASSERT_EQ(host.bar->Stops().size(), 2u);
    EXPECT_DOUBLE_EQ(host.bar->Stops()[1].At, 0.8);
    const QPoint from = host.bar->HandlePoint(0);
    testing::Drag(host.bar, from, {from + QPoint(20, 0), host.bar->StripPoint(0.25)});
    EXPECT_EQ(host.Value(), "linear-gradient(90deg, red 25%, 30%, blue 80%)");
    // Dragged past its end the stop stays on the strip.
    const QPoint second = host.bar->HandlePoint(1);
    testing::Drag(host.bar, second, {second + QPoint(500, 0)});
    EXPECT_EQ(host.Value(), "linear-gradient(90deg, red 25%, 30%, blue 100%)");
}

TEST(BackgroundLayers, TheStripAddsRemovesAndColoursStops) {
    StripHost host("linear-gradient(#000 0%, #fff 100%)");
    QTest::mouseClick(host.bar, Qt::LeftButton, Qt::NoModifier, host.bar->StripPoint(0.25));
    EXPECT_EQ(host.Value(), "linear-gradient(#000 0%, #404040 25%, #fff 100%)");
    EXPECT_EQ(host.bar->Selected(), 1) << "the new stop is the one selected";

    host.s.choices.ColorChoices.push_back(Color{255, 0, 0, 128});
    QTest::mouseClick(Control<QWidget>(host.page, "BackgroundStopColor"), Qt::LeftButton);
    EXPECT_EQ(host.Value(), "linear-gradient(#000 0%, #ff000080 25%, #fff 100%)")
        << "in the stop's notation, with its alpha";
    ASSERT_EQ(host.s.choices.ColorDialogInitial.size(), 1u);
    EXPECT_EQ(host.s.choices.ColorDialogInitial[0], (Color{0x40, 0x40, 0x40, 255}));

    host.Type("BackgroundStopColorText", "var(--accent)");
    EXPECT_EQ(host.Value(), "linear-gradient(#000 0%, var(--accent) 25%, #fff 100%)");
    host.Click("BackgroundStopRemove");
    EXPECT_EQ(host.Value(), "linear-gradient(#000 0%, #fff 100%)");
    EXPECT_FALSE(Control<QAbstractButton>(host.page, "BackgroundStopRemove")->isEnabled())
        << "two stops stay";
}

TEST(BackgroundLayers, TheAngleIsTypedWithItsUnitOrInDegrees) {
    struct Case {
        std::string Gradient;
        QString Typed;
        std::string Want;
    } const cases[] = {
        {"linear-gradient(to top right, red, blue)", "90", "linear-gradient(90deg, red, blue)"},
        {"linear-gradient(45deg, red, blue)", ".25turn", "linear-gradient(.25turn, red, blue)"},
        {"conic-gradient(red, blue)", "1rad", "conic-gradient(from 1rad, red, blue)"},
        {"linear-gradient(45deg, red, blue)", "wide", "linear-gradient(45deg, red, blue)"},
    };
    for (const Case& c : cases) {
        StripHost host(c.Gradient);
        host.Type("BackgroundAngle", c.Typed);
        EXPECT_EQ(host.Value(), c.Want) << c.Gradient;
    }
    StripHost radial("radial-gradient(circle, red, blue)");
    EXPECT_FALSE(Control<QWidget>(radial.page, "BackgroundAngle")->isEnabled());
}

} // namespace
} // namespace tesselo
