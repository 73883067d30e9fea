#include "app/ActionTable.h"
#include "app/EditCSS.h"
#include "mapping/PropertySet.h"
#include "panel/PageTabs.h"
#include "support/FindWidget.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tesselo {
namespace {

// The real window at full HD size, or as low as `height`.
class PanelGrowth : public ::testing::Test, protected testing::WindowServices {
protected:
    testing::WindowUnderTest Shown(int height = 1080) {
        auto form = Window();
        form->show();
        form->resize(1920, height);
        Settle();
        return form;
    }
    // Opens a sheet of these bytes through the open command, as the user does.
    void Open(TMainForm& form, const std::string& bytes) {
        const std::string path = dir.File("sheet" + std::to_string(++opened_) + ".css");
        testing::WriteBytes(path, bytes);
        dialogs.OpenChoices.push_back(path);
        form.Action(ActionId::OpenFile)->trigger();
        Settle();
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    static PageTabs* Pages(const TMainForm& form) { return Control<PageTabs>(form, "TABPANEL"); }
    static int Bottom(const TMainForm& form, const QWidget& widget) {
        return widget.mapTo(&form, QPoint(0, widget.height() - 1)).y();
    }
    static int ListWidth(const TMainForm& form) {
        return Control<QSplitter>(form, "SplitterList")->sizes().first();
    }

    testing::TempDir dir;
    int opened_ = 0;
};

TEST_F(PanelGrowth, EveryPageCaptionShowsWholeFromEightToNinePages) {
    auto form = Shown();
    PageTabs* pages = Pages(*form);
    for (const char* coming : {"", "Ещё одна"}) {
        if (*coming) // added at the end and never shown
            pages->AddPage(QString(), QString::fromUtf8(coming));
        Settle();
        SCOPED_TRACE(pages->count());
        std::set<int> rows;
        for (int i = 0; i < pages->count(); ++i) {
            const QAbstractButton* button = pages->Bar()->Button(i);
            EXPECT_EQ(button->text(), pages->tabText(i));
            EXPECT_TRUE(button->isVisible());
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
            EXPECT_LE(button->mapTo(pages, QPoint(button->width(), 0)).x(), pages->width());
            rows.insert(button->y());
        }
        // Two rows for the program's pages; a ninth may take a third.
        EXPECT_LE(rows.size(), *coming ? 3u : 2u);
        EXPECT_GE(rows.size(), 2u);
        EXPECT_LT(pages->width(), form->width() / 4) << "the views keep the room";
    }
}

TEST_F(PanelGrowth, ClicksAndTheKeysOfATabWidgetChooseThePage) {
    auto form = Shown();
    PageTabs* pages = Pages(*form);
    QTest::mouseClick(pages->Bar()->Button(1), Qt::LeftButton);
    EXPECT_EQ(pages->currentIndex(), 1);
    const int last = pages->count() - 1;
    struct Case {
        bool FromBar; // or from a field of the page shown
        int From;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int To;
    };
    const Case cases[] = {
        {false, 1, Qt::Key_PageDown, Qt::ControlModifier, 2},
        {false, 0, Qt::Key_PageUp, Qt::ControlModifier, last},
        {false, last, Qt::Key_PageDown, Qt::ControlModifier, 0},
        {false, 1, Qt::Key_Tab, Qt::ControlModifier, 2},
        {false, 1, Qt::Key_PageDown, Qt::NoModifier, 1},
        {true, 0, Qt::Key_Right, Qt::NoModifier, 1},
        {true, 1, Qt::Key_Up, Qt::NoModifier, 0},
        {true, 0, Qt::Key_Left, Qt::NoModifier, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.Key | c.Modifiers).toString().toStdString());
        pages->setCurrentIndex(c.From);
        Settle();
        auto* field = pages->currentWidget()->findChild<QLineEdit*>();
        QTest::keyClick(c.FromBar || !field ? static_cast<QWidget*>(pages->tabBar()) : field, c.Key,
                        c.Modifiers);
        EXPECT_EQ(pages->currentIndex(), c.To);
        EXPECT_TRUE(pages->Bar()->Button(c.To)->isChecked());
    }
}

TEST_F(PanelGrowth, PagesReachTheStatusLineAndScrollWhenTallerThanTheRoom) {
    const std::pair<const char*, std::string> firstPages[] = {
        {"BBColor", "BackGroundAttCheck"},
        {"MarginPadding", std::string(Info(Length::PaddingRight).Name)},
        {"DisplayVis", std::string(Info(Length::ClipRight).Name)},
        {"PositionFloat", std::string(Info(Length::BlockWidth).Name)},
    };
    for (int height : {1080, 420}) {
        SCOPED_TRACE(height);
        auto form = Shown(height);
        PageTabs* pages = Pages(*form);
        const int bottom = Bottom(*form, *form->centralWidget());
        EXPECT_NEAR(Bottom(*form, *pages->currentWidget()), bottom, 4);
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            Settle();
            EXPECT_FALSE(pages->Scroll(i)->horizontalScrollBar()->isVisible()) << i;
        }
        for (const auto& [name, foot] : firstPages) {
            SCOPED_TRACE(name);
            pages->setCurrentWidget(Control<QWidget>(*form, name));
            Settle();
            PageScroll* scroll = pages->Scroll(pages->currentIndex());
            EXPECT_EQ(scroll->verticalScrollBar()->isVisible(), height < 1080);
            QWidget* last = Control<QWidget>(*scroll, foot);
            scroll->ensureWidgetVisible(last);
            EXPECT_TRUE(scroll->viewport()->rect().contains(
                QRect(last->mapTo(scroll->viewport(), QPoint(0, 0)), last->size())));
        }
        // Docked again after floating, the pages reach down as before.
        form->Action(ActionId::FloatPanel)->trigger();
        form->Action(ActionId::FloatPanel)->trigger();
        Settle();
        EXPECT_NEAR(Bottom(*form, *pages), bottom, 4);
    }
}

TEST_F(PanelGrowth, TheListFollowsItsLongestSelectorUntilTheUserSetsItsWidth) {
    const std::string longest = ".navbar-expand-lg .navbar-nav .dropdown-menu-end[data-bs-popper]";
    {
        auto form = Shown();
        const int start = ListWidth(*form);
        Open(*form, "a { }\n");
        EXPECT_EQ(ListWidth(*form), start);
        Open(*form, "a { }\n" + longest + " { }\n");
        const QTreeView* list = Control<QTreeView>(*form, "ListTag");
        EXPECT_GE(list->viewport()->width(),
                  list->fontMetrics().horizontalAdvance(QString::fromStdString(longest)) +
                      list->indentation());
        Open(*form, std::string(600, 'x') + " { }\n");
        EXPECT_EQ(ListWidth(*form), form->width() / 4) << "a quarter of the window at most";
        Open(*form, "a { }\n");
        EXPECT_EQ(ListWidth(*form), form->width() / 4) << "never narrowed";
    }
    {
        auto form = Shown();
        QWidget* handle = Control<QSplitter>(*form, "SplitterList")->handle(1);
        const int before = ListWidth(*form);
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(1, 10));
        QTest::mouseMove(handle, QPoint(41, 10));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(41, 10));
        const int dragged = ListWidth(*form);
        EXPECT_NEAR(dragged, before + 40, 2);
        Open(*form, longest + " { }\n");
        EXPECT_EQ(ListWidth(*form), dragged);
        EXPECT_TRUE(form->close());
        EXPECT_EQ(settings.Window->PanelListWidth, dragged);
    }
    auto form = Shown(); // with the width kept from before
    Open(*form, longest + " { }\n");
    EXPECT_EQ(ListWidth(*form), *settings.Window->PanelListWidth);
}

TEST_F(PanelGrowth, ALengthFieldTooNarrowShowsItsWholeValueInItsToolTip) {
    auto form = Shown();
    Open(*form, "h1 { text-indent: var(--bs-btn-font-size); line-height: 2px;"
                " margin-top: var(--bs-btn-font-size) }\n");
    Pages(*form)->setCurrentWidget(Control<QWidget>(*form, "MarginPadding"));
    Settle();
    const QString value = QStringLiteral("var(--bs-btn-font-size)");
    // The variable is defined nowhere in the sheet: each tip says so on a line of its own.
    const QString nowhere = QStringLiteral("\nПеременная --bs-btn-font-size нигде в таблице "
                                           "стилей не задана, и запасного значения у var() нет: "
                                           "браузер не применит это объявление.");
    auto* indent = Control<QLineEdit>(*form, Info(Length::TextIndent).Name); // on a tool bar
    auto* lineHeight = Control<QLineEdit>(*form, Info(Length::LineHeight).Name);
    auto* margin = Control<QLineEdit>(*form, Info(Length::MarginTop).Name); // on a page
    EXPECT_EQ(indent->text(), value);
    EXPECT_EQ(indent->toolTip(), QStringLiteral("Отступ первой строки: ") + value + nowhere);
    EXPECT_EQ(lineHeight->toolTip(), QStringLiteral("Расстояние между строками (интерлиньяж)"));
    // On the page the field widens to show the value, and needs no tool tip for it.
    EXPECT_EQ(margin->text(), value);
    EXPECT_GT(margin->width(), margin->fontMetrics().horizontalAdvance(value));
    EXPECT_EQ(margin->toolTip(), nowhere.mid(1));
    margin->setMaximumWidth(40);
    Settle();
    EXPECT_EQ(margin->toolTip(), value + nowhere);
}

} // namespace
} // namespace tesselo
