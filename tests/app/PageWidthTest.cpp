// The pages built from the catalogue fit the panel as the classic pages make it: turned
// to, they neither widen it nor scroll sideways, with a rule open that fills them.

#include "app/ActionTable.h"
#include "app/EditCSS.h"
#include "panel/PageTabs.h"
#include "support/FindWidget.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <string>

namespace tesselo {
namespace {

class PageWidth : public ::testing::Test, protected testing::WindowServices {
protected:
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    testing::TempDir dir;
};

TEST_F(PageWidth, TheBuiltPagesFitThePanelsDefaultWidth) {
    auto form = Window();
    form->show();
    form->resize(1920, 1080);
    Settle();
    const std::string path = dir.File("sheet.css");
    testing::WriteBytes(path, ".box {\n  background: linear-gradient(to top right, rgba(0, 0, 0, "
                              ".5) 0%, #fff 100%) no-repeat, url(a.png) center / cover #eee;\n"
                              "  transition: border-bottom-right-radius .3s cubic-bezier(0.25, "
                              "0.1, 0.25, 1);\n  list-style-type: decimal-leading-zero;\n}\n");
    dialogs.OpenChoices.push_back(path);
    form->Action(ActionId::OpenFile)->trigger();
    Settle();
    auto* pages = Control<PageTabs>(*form, "TABPANEL");
    const int width = pages->width();
    for (const char* name : {"Layout", "Effects"}) {
        SCOPED_TRACE(name);
        pages->setCurrentWidget(Control<QWidget>(*form, name));
        Settle();
        EXPECT_EQ(pages->width(), width) << "the page widens the panel";
        auto* scroll = Control<QScrollArea>(*form, std::string(name) + "Scroll");
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
        EXPECT_LE(scroll->widget()->minimumSizeHint().width(), scroll->viewport()->width());
    }
}

} // namespace
} // namespace tesselo
