// The background's layers in the real window, as the program starts it (the rules are
// their authors' text): a stop added on the strip, a stop dragged, a stop's alpha, a
// layer added. Each is one line of the file and one step of the window's undo.

#include "app/ActionTable.h"
#include "app/EditCSS.h"
#include "panel/EffectsPage.h"
#include "support/FindWidget.h"
#include "support/LineDiff.h"
#include "support/MouseDrag.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

class BackgroundWiring : public ::testing::Test, protected testing::WindowServices {
protected:
    void SetUp() override {
        EditorLayout = false;
        testing::WriteBytes(Path(), kSheet);
        form = Window({Path()});
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        Control<QTabWidget>(*form, "TABPANEL")
            ->setCurrentWidget(Control<QWidget>(*form, "Effects"));
        QApplication::processEvents();
        bar = Control<GradientStopBar>(*form, "BackgroundStops");
    }
    std::string Path() const { return dir.File("a.css"); }
    std::string Saved() {
        form->Action(ActionId::Save)->trigger();
        return testing::ReadBytes(Path());
    }
    void Undo() {
        auto* list = Control<QTreeView>(*form, "ListTag");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    }
    QString Memo() const { return Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText(); }

    static constexpr const char* kSheet =
        ".hero {\n    color: red;\n"
        "    background: linear-gradient(90deg, #000 0%, #fff 100%) no-repeat, url(a.png);\n"
        "    margin: 0;\n}\n";
    testing::TempDir dir;
    testing::WindowUnderTest form;
    GradientStopBar* bar = nullptr;
};

TEST_F(BackgroundWiring, EachChangeIsOneLineOfTheFileAndOneStep) {
    const QString before = Memo();
    const std::string line = "    background: ";
    struct Case {
        const char* What;
        std::function<void()> Act;
        std::string Line; // the one line changed
    };
    const std::vector<Case> cases = {
        {"a stop added on the strip",
         [this] { QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->StripPoint(0.25)); },
         line + "linear-gradient(90deg, #000 0%, #404040 25%, #fff 100%) no-repeat, url(a.png);"},
        {"a stop dragged through several places",
         [this] {
             const QPoint from = bar->HandlePoint(1);
             testing::Drag(bar, from,
                           {bar->StripPoint(0.9), bar->StripPoint(0.8), bar->StripPoint(0.6)});
         },
         line + "linear-gradient(90deg, #000 0%, #fff 60%) no-repeat, url(a.png);"},
        {"a stop's alpha",
         [this] {
             choices.ColorChoices = {Color{0, 0, 0, 0x80}};
             QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->HandlePoint(0));
             QTest::mouseClick(Control<QWidget>(*form, "BackgroundStopColor"), Qt::LeftButton);
         },
         line + "linear-gradient(90deg, #00000080 0%, #fff 100%) no-repeat, url(a.png);"},
        {"a layer added",
         [this] {
             QTest::mouseClick(Control<QToolButton>(*form, "BackgroundAdd"), Qt::LeftButton);
         },
         line + "linear-gradient(90deg, #000 0%, #fff 100%) no-repeat, url(a.png), "
                "linear-gradient(to bottom, rgba(255, 255, 255, 0.5), rgba(255, 255, 255, 0));"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Control<QListWidget>(*form, "Background")->setCurrentRow(0);
        c.Act();
        EXPECT_EQ(testing::ChangedLines(kSheet, Saved()), std::vector<std::string>{c.Line});
        Undo();
        EXPECT_EQ(Memo(), before) << "one step takes it all back";
    }
    EXPECT_EQ(Saved(), kSheet);
}

} // namespace
} // namespace tesselo
