#include "app/About.h"
#include "app/ActionTable.h"
#include "app/EditCSS.h"
#include "dialogs/CreateSelectorDlg.h"
#include "document/TextFile.h"
#include "editor/DocumentCommands.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtText.h"
#include "support/Fakes.h"
#include "support/FindWidget.h"
#include "support/Session.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QWidgetAction>
#include <gtest/gtest.h>

#include <filesystem>

namespace tesselo {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

class MainWindowFixture : public ::testing::Test, protected testing::WindowServices {
protected:
    testing::WindowUnderTest Make(const std::vector<std::string>& arguments = {},
                                  SettingsStore* store = nullptr) {
        return Window(arguments, store);
    }

    std::string Sheet(const std::string& name, const std::string& text) {
        const std::string path = dir.File(name);
        WriteBytes(path, text);
        return path;
    }

    static QStringList Items(const TMainForm& form) {
        QStringList items;
        for (int i = 0; i < Control<QTreeView>(form, "ListTag")->model()->rowCount(); ++i)
            items << Control<QTreeView>(form, "ListTag")->model()->index(i, 0).data().toString();
        return items;
    }

    TempDir dir;
};

class MainWindow : public MainWindowFixture {};

TEST_F(MainWindow, FirstRun_ShowsTheNewDocumentOnTheSourcePage) {
    auto form = Make();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tesselo 1.0 beta - "));
    EXPECT_EQ(Items(*form), QStringList{"Body"});
    EXPECT_EQ(Control<QTreeView>(*form, "ListTag")->currentIndex().row(), 0);
    EXPECT_EQ(Control<QTabWidget>(*form, "Viewer")->currentIndex(), TMainForm::CssDiskView);
    EXPECT_EQ(Control<QLineEdit>(*form, "LocationView")->text(), QStringLiteral("about:blank"));
    EXPECT_EQ(form->PreviewState().HomePageAddress, "about:blank");
    EXPECT_EQ(browser.Calls, (std::vector<std::string>{"navigate about:blank"}));
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(MainWindow, CommandLineFile_IsOpenedBeforeTheWindowShowsAndItsFirstRuleSelected) {
    const std::string path = Sheet("site.css", "h1 { color: red }\r\np { margin-top: 1in }\r\n");
    settings.File = FileValues{"1.0beta", Sheet("other.css", "b { }"), "b", "test"};
    auto form = Make({path});
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QString::fromStdString("Tesselo 1.0 beta - " + path));
    EXPECT_EQ(Items(*form), (QStringList{"h1", "p"}));
    EXPECT_EQ(Control<QTreeView>(*form, "ListTag")->currentIndex().row(), 0);
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText(),
              QStringLiteral("; color: RED;"));
    EXPECT_TRUE(FileExists(path + ".ORIGINAL"));
    EXPECT_EQ(settings.File->PathToLastFile, path);
}

TEST_F(MainWindow, RememberedStyle_IsSelectedByExactCase) {
    const std::string path = Sheet("a.css", "H1 { x: 1 }\nh1 { color: red }\n");
    settings.File = FileValues{"1.0beta", path, "h1", "test"};
    auto form = Make();
    EXPECT_EQ(Control<QTreeView>(*form, "ListTag")->currentIndex().row(), 1);
    EXPECT_EQ(form->Editor().Current(), 1);
}

TEST_F(MainWindow, BackupCopyAtStartUp_AsksFirstAndCancelKeepsTheNewDocument) {
    const std::string path = Sheet("a.css", "h1 { }\n");
    WriteBytes(path + ".ORIGINAL", "h1 { }\r\n");
    dialogs.Answers = {Answer::Cancel};
    auto form = Make({path});
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Caption, "ВНИМАНИЕ!");
    EXPECT_EQ(Items(*form), QStringList{"Body"});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tesselo 1.0 beta - "));
}

TEST_F(MainWindow, ViewerSetting_OnlyThePreviewPageIsRestored) {
    for (auto [stored, shown] : {std::pair{1, 0}, std::pair{2, 0}, std::pair{3, 3}}) {
        settings.Window = WindowValues{.Viewer = stored};
        auto form = Make();
        EXPECT_EQ(Control<QTabWidget>(*form, "Viewer")->currentIndex(), shown)
            << "stored " << stored;
    }
}

TEST_F(MainWindow, PreviewPageAtStartUp_ShowsThePageWithoutWritingTheFile) {
    // Without a line break at its end the composed sheet would differ from the file.
    const std::string text = "h1 { color: red }";
    const std::string path = Sheet("a.css", text);
    settings.Window = WindowValues{.Viewer = TMainForm::PreView};
    auto form = Make({path});
    const auto before = std::filesystem::last_write_time(path);
    form->show();
    EXPECT_EQ(Control<QTabWidget>(*form, "Viewer")->currentIndex(), TMainForm::PreView);
    EXPECT_EQ(ReadBytes(path), text);
    EXPECT_EQ(std::filesystem::last_write_time(path), before);
    // Showing the page is not a refresh; the next one shows the sheet.
    EXPECT_EQ(browser.Calls, (std::vector<std::string>{"navigate about:blank"}));
    EXPECT_TRUE(form->PreviewState().PreviewShowing);
}

TEST_F(MainWindow, WindowSettings_AreAppliedAtStart) {
    settings.Window = WindowValues{.AutoRefresh = true,
                                   .FullReload = true,
                                   .HomePage = std::string("file:///tmp/index.html"),
                                   .PanelListWidth = 220};
    auto form = Make();
    form->show();
    EXPECT_TRUE(form->Action(ActionId::AutoRefreshAction)->isChecked());
    EXPECT_TRUE(form->PreviewState().AutoRefresh);
    EXPECT_TRUE(form->PreviewState().FullReload);
    EXPECT_EQ(Control<QLineEdit>(*form, "LocationView")->text(),
              QStringLiteral("file:///tmp/index.html"));
    EXPECT_EQ(form->PreviewState().HomePageAddress, "file:///tmp/index.html");
    EXPECT_EQ(Control<QSplitter>(*form, "SplitterList")->sizes().first(), 220);
    EXPECT_EQ(browser.Calls.front(), "navigate file:///tmp/index.html");
}

TEST_F(MainWindow, WindowPlace_IsRememberedAndAlwaysFitsTheScreen) {
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* Name;
        QRect Stored;
        QRect Expected; // of the frame, where the window's own place is not kept
    };
    for (const Case& c : {Case{"inside", QRect(100, 80, 700, 500), QRect()},
                          Case{"too large", free.adjusted(-50, -50, 400, 300), free},
                          Case{"on a screen that is gone", QRect(-3000, 90, 700, 500),
                               QRect(free.left(), 90, 700, 500)}}) {
        SCOPED_TRACE(c.Name);
        settings.Window = WindowValues{.Left = c.Stored.left(),
                                       .Top = c.Stored.top(),
                                       .Width = c.Stored.width(),
                                       .Height = c.Stored.height()};
        auto form = Make();
        form->show();
        const QRect shown = form->geometry();
        EXPECT_TRUE(free.contains(form->frameGeometry()));
        if (c.Expected.isNull())
            EXPECT_EQ(shown, c.Stored);
        else if (c.Expected == free)
            EXPECT_EQ(form->frameGeometry(), free);
        else
            EXPECT_EQ(form->frameGeometry().left(), free.left());
        EXPECT_TRUE(form->close());
        ASSERT_TRUE(settings.Window.has_value());
        EXPECT_EQ(QRect(settings.Window->Left.value_or(0), settings.Window->Top.value_or(0),
                        settings.Window->Width.value_or(0), settings.Window->Height.value_or(0)),
                  shown);
    }
}

TEST_F(MainWindow, WindowPlace_OfAMaximisedWindowIsTheOneToComeBackTo) {
    settings.Window =
        WindowValues{.Maximized = true, .Left = 100, .Top = 80, .Width = 700, .Height = 500};
    auto form = Make();
    form->show();
    EXPECT_TRUE(form->isMaximized());
    EXPECT_TRUE(form->close());
    EXPECT_EQ(settings.Window->Maximized, true);
    EXPECT_EQ(QRect(*settings.Window->Left, *settings.Window->Top, *settings.Window->Width,
                    *settings.Window->Height),
              QRect(100, 80, 700, 500));
}

TEST_F(MainWindow, FirstStart_IsCentredOnTheScreen) {
    auto form = Make();
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(free.contains(form->geometry()));
    EXPECT_LE(std::abs(form->geometry().center().x() - free.center().x()), 1);
}

TEST_F(MainWindow, Close_WritesTheWindowValuesThroughTheRealStore) {
    const QString ini = QString::fromStdString(dir.File("Tesselo.conf"));
    {
        QtSettingsStore store(ini);
        auto form = Make({}, &store);
        form->show();
        Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CSSView);
        Control<QTabWidget>(*form, "TABPANEL")->setCurrentIndex(2);
        form->Action(ActionId::AutoRefreshAction)->setChecked(true);
        form->Action(ActionId::FullReloadAction)->setChecked(true);
        EXPECT_TRUE(form->close());
    }
    QtSettingsStore store(ini);
    auto values = store.ReadWindowValues();
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->Maximized, false);
    EXPECT_EQ(values->FloatPanel, false);
    EXPECT_EQ(values->AutoRefresh, true);
    EXPECT_EQ(values->FullReload, true);
    EXPECT_EQ(values->Viewer, 1);
    EXPECT_EQ(values->TabPanel, 2);
    EXPECT_EQ(values->HomePage, "about:blank");
    EXPECT_TRUE(values->PanelListWidth.has_value());
}

TEST_F(MainWindow, CloseWithChangesAnsweredCancel_StaysOpenAndWritesNothing) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    form->show();
    testing::Modify(form->Editor());
    dialogs.Answers = {Answer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(settings.WindowWrites, 0);
    EXPECT_TRUE(FileExists(path + ".ORIGINAL"));
    ASSERT_FALSE(dialogs.Shown.empty());
    EXPECT_EQ(dialogs.Shown.back().Text, "Текущий файл изменен. Сохранить изменения?");
}

TEST_F(MainWindow, CloseWithoutChanges_RemovesTheBackupCopy) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(FileExists(path + ".ORIGINAL"));
    EXPECT_EQ(settings.WindowWrites, 1);
}

TEST_F(MainWindow, ClickingARule_LoadsItAndTypedTextSurvivesTheSwitch) {
    const std::string path = Sheet("a.css", "h1 { color: red }\np { color: blue }\n");
    auto form = Make({path});
    form->show();
    Control<QPlainTextEdit>(*form, "CSSMemo")->setPlainText(QStringLiteral("cursor: wait;"));
    ChooseRow(*Control<QTreeView>(*form, "ListTag"), 1);
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText(),
              QStringLiteral("; color: BLUE;"));
    EXPECT_EQ(form->Editor().Document().Record(0).Lines(), (LineList{"cursor: wait;"}));
    ChooseRow(*Control<QTreeView>(*form, "ListTag"), 0);
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText(),
              QStringLiteral("/* Properties without support of this version Tesselo */\n"
                             "cursor:wait;\n"));
}

// A group is a row without text, with the panel out of use; its rules are rows under it,
// the panel theirs, and the status line names their group while they are current.
TEST_F(MainWindow, GroupRow_HasNoTextAndItsRulesAreThePanels) {
    const std::string text = "@media print {\n  h1 { color: red }\n}\np { color: blue }\n"
                             "@keyframes k { 0% { top: 0 } }\n";
    const std::string path = Sheet("a.css", text);
    auto form = Make({path});
    form->show();
    auto* memo = Control<QPlainTextEdit>(*form, "CSSMemo");
    auto* list = Control<QTreeView>(*form, "ListTag");
    auto* group = Control<QLabel>(*form, "StyleGroup");
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_FALSE(Control<QTabWidget>(*form, "TABPANEL")->isEnabled());
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(QStringLiteral("F2")));
    EXPECT_EQ(group->text(), QStringLiteral("В группе 1 стиль"));

    list->setCurrentIndex(list->model()->index(0, 0, list->model()->index(0, 0)));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("; color: RED;"));
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_TRUE(Control<QTabWidget>(*form, "TABPANEL")->isEnabled());
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
    form->statusBar()->showMessage(QStringLiteral("a hint"));
    EXPECT_EQ(group->text(), QStringLiteral("Группа: @media print"));
    EXPECT_TRUE(group->isVisible()) << "a hint leaves the group in view";

    // A rule holding nested blocks is still edited as text.
    list->setCurrentIndex(list->model()->index(2, 0));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("0% { top: 0 } "));
    EXPECT_FALSE(Control<QTabWidget>(*form, "TABPANEL")->isEnabled());
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(QStringLiteral("вложенные правила")));
    EXPECT_TRUE(group->text().isEmpty());
    form->Action(ActionId::Save)->trigger();
    EXPECT_EQ(ReadBytes(path), text) << "selecting changed nothing";
}

// On Bootstrap 5, a rule inside @media is found by a few letters of its name, edited
// with the panel and saved: only its own lines change in the file.
TEST_F(MainWindow, RuleInsideMedia_IsFoundEditedAndSavedAlone) {
    const std::string bootstrap = "/usr/share/javascript/bootstrap5/css/bootstrap.css";
    if (!std::filesystem::exists(bootstrap))
        GTEST_SKIP() << "no Bootstrap 5 on this machine";
    const std::string text = ReadBytes(bootstrap);
    const std::string path = Sheet("bootstrap.css", text);
    auto form = Make({path});
    form->show();
    auto* list = Control<QTreeView>(*form, "ListTag");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(Control<QLineEdit>(*form, "StyleFilter")->hasFocus());
    QTest::keyClicks(Control<QLineEdit>(*form, "StyleFilter"), QStringLiteral("MT-SM-3"));
    QModelIndex found;
    for (QModelIndex i = list->model()->index(0, 0); i.isValid(); i = list->indexBelow(i))
        if (i.data().toString() == QStringLiteral(".mt-sm-3"))
            found = i;
    ASSERT_TRUE(found.isValid());
    EXPECT_EQ(found.parent().data().toString(), QStringLiteral("@media (min-width: 576px)"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(found).center());
    EXPECT_EQ(Control<QLabel>(*form, "StyleGroup")->text(),
              QStringLiteral("Группа: @media (min-width: 576px)"));
    QTest::mouseClick(Control<QToolButton>(*form, "FontBold"), Qt::LeftButton);
    form->Action(ActionId::Save)->trigger();

    // The lines before and after the rule are the file's own.
    const std::string saved = ReadBytes(path);
    const std::string rule = "\n  .mt-sm-3 {", next = "\n  .mt-sm-4 {";
    const size_t at = text.find(rule), savedAt = saved.find(rule);
    const size_t end = text.find(next), savedEnd = saved.find(next);
    ASSERT_TRUE(at != std::string::npos && savedAt == at && savedEnd != std::string::npos);
    EXPECT_TRUE(saved.compare(0, at, text, 0, at) == 0) << "the text before the rule";
    // To the last byte: a last line without its line break stays so.
    EXPECT_TRUE(saved.compare(savedEnd, std::string::npos, text, end) == 0)
        << "the text after the rule";
    const std::string rewritten = saved.substr(at, savedEnd - at);
    EXPECT_NE(rewritten.find("Font-weight: bold"), std::string::npos) << rewritten;
}

TEST_F(MainWindow, CyrillicText_IsShownThroughTheCodePage) {
    const std::string path = Sheet("a.css", "p { content: \"\xCF\xF0\xE8\xE2\xE5\xF2\"; }\n");
    auto form = Make({path});
    EXPECT_TRUE(Control<QPlainTextEdit>(*form, "CSSMemo")
                    ->toPlainText()
                    .contains(QStringLiteral("\"Привет\"")));
}

TEST_F(MainWindow, CurrentCssPage_ShowsTheComposedSheet) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CSSView);
    // A rule only selected is written as it was read.
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "HCSSMemo")->toPlainText(),
              QStringLiteral("h1 { color: red }"));
    Control<QPlainTextEdit>(*form, "CSSMemo")->setPlainText(QStringLiteral("color: blue;"));
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CssMemoView);
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CSSView);
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "HCSSMemo")->toPlainText(),
              QStringLiteral("h1 {\ncolor: blue;\n}"));
}

TEST_F(MainWindow, SourcePage_ShowsTheBackupCopy) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CSSView);
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CssDiskView);
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "HCssInDiskMemo")->toPlainText(),
              QStringLiteral("h1 { color: red }"));
}

TEST_F(MainWindow, SourcePage_NeverSavedDocument_ReportsIt_ViewKeepsItsText) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    form->show();
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CSSView);
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CssDiskView);
    ASSERT_EQ(Control<QPlainTextEdit>(*form, "HCssInDiskMemo")->toPlainText(),
              QStringLiteral("h1 { color: red }"));
    ASSERT_TRUE(dialogs.Shown.empty());

    form->Action(ActionId::New)->trigger();
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CSSView);
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CssDiskView);

    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Caption, "Error");
    EXPECT_EQ(dialogs.Shown[0].Text, "Для возможности просмотра файл должен быть "
                                     "предварительно сохранен на диске.\r"
                                     "Используйте команду меню \"Файл-Сохранить\"");
    EXPECT_EQ(dialogs.Shown[0].Icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.Shown[0].Buttons, MessageButtons::Ok);
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "HCssInDiskMemo")->toPlainText(),
              QStringLiteral("h1 { color: red }"));
}

TEST_F(MainWindow, ReadOnlyViews_HaveTheButtonFaceColour) {
    auto form = Make();
    const QColor face = form->palette().color(QPalette::Button);
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "HCSSMemo")->palette().color(QPalette::Base), face);
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "HCssInDiskMemo")->palette().color(QPalette::Base),
              face);
    EXPECT_NE(Control<QPlainTextEdit>(*form, "CSSMemo")->palette().color(QPalette::Base), face);
    // The first run shows the source page of a new document without a message.
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(MainWindow, Refresh_RewritesTheFileAndShowsItOnlyWhenThePreviewShows) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    form->show();
    Control<QPlainTextEdit>(*form, "CSSMemo")->setPlainText(QStringLiteral("color: blue;"));
    browser.Calls.clear();
    form->Action(ActionId::RefreshView)->trigger();
    // The typed text is committed as typed and stays in the view as the user left it.
    EXPECT_EQ(ReadBytes(path), "h1 {\ncolor: blue;\n}\n");
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText(),
              QStringLiteral("color: blue;"));
    EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), "h1 { color: red }\n");
    EXPECT_TRUE(browser.Calls.empty());

    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::PreView);
    EXPECT_EQ(browser.Calls, (std::vector<std::string>{"sheet " + path}));
    form->Action(ActionId::RefreshView)->trigger();
    EXPECT_EQ(browser.Calls.back(), "sheet " + path);
    EXPECT_TRUE(form->Editor().Document().Modified);
}

TEST_F(MainWindow, TypingIntoTheStyleView_IsAChangeThatClosingAsksAbout) {
    const std::string text = "h1 { color: red }\n";
    const std::string path = Sheet("a.css", text);
    auto form = Make({path});
    form->show();
    ASSERT_FALSE(Control<QPlainTextEdit>(*form, "CSSMemo")->isReadOnly());
    QTest::keyClicks(Control<QPlainTextEdit>(*form, "CSSMemo"), "x");
    EXPECT_TRUE(form->Editor().Document().Modified);

    dialogs.Answers = {Answer::Cancel};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Text, "Текущий файл изменен. Сохранить изменения?");
    EXPECT_EQ(ReadBytes(path), text);
}

// A UTF-8 sheet seen through the code page: typing elsewhere in the rule leaves its
// no-break spaces (C2 A0) as they were.
TEST_F(MainWindow, TypingInTheStyleView_KeepsNoBreakSpacesItDidNotTouch) {
    const std::string path = Sheet("a.css", "h1 { content: \"\xC2\xA0\xC2\xA0\" }\n");
    auto form = Make({path});
    form->show();
    QTest::keyClicks(Control<QPlainTextEdit>(*form, "CSSMemo"), "x");
    std::string typed;
    for (const auto& line : form->Editor().Memo().Lines)
        typed += line + "\n";
    EXPECT_NE(typed.find("\"\xC2\xA0\xC2\xA0\""), std::string::npos) << typed;
    EXPECT_EQ(typed.find("\xC2 "), std::string::npos) << typed;
}

TEST_F(MainWindow, SheetWithoutRules_StyleViewTakesNoTyping_SaveKeepsTheFile) {
    const std::string text = "@import url(base.css);\n";
    const std::string path = Sheet("a.css", text);
    auto form = Make({path});
    form->show();
    EXPECT_TRUE(Control<QPlainTextEdit>(*form, "CSSMemo")->isReadOnly());
    QTest::keyClicks(Control<QPlainTextEdit>(*form, "CSSMemo"), "color: red;");
    EXPECT_TRUE(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText().isEmpty());
    EXPECT_FALSE(form->Editor().Document().Modified);
    form->Action(ActionId::Save)->trigger();
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(ReadBytes(path), text);
}

TEST_F(MainWindow, AddressBox_EnterNavigatesAndTheHomeButtonsUseIt) {
    auto form = Make();
    form->show();
    QLineEdit* box = Control<QLineEdit>(*form, "LocationView");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "file:///tmp/page.html");
    // The window is drawn again meanwhile: what the user typed stays in the box.
    form->Action(ActionId::N25)->trigger();
    EXPECT_EQ(box->text(), QStringLiteral("file:///tmp/page.html"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(browser.Calls.back(), "navigate file:///tmp/page.html");
    // Enter also ends the editing: the focus goes to the hidden sink.
    EXPECT_FALSE(Control<QLineEdit>(*form, "LocationView")->hasFocus());
    Control<QToolButton>(*form, "SaveHomePage")->click();
    EXPECT_EQ(form->PreviewState().HomePageAddress, "file:///tmp/page.html");
    Control<QToolButton>(*form, "GotoHomePage")->click();
    EXPECT_EQ(browser.Calls.back(), "navigate file:///tmp/page.html");
    Control<QToolButton>(*form, "GotoBack")->click();
    Control<QToolButton>(*form, "GotoForward")->click();
    Control<QToolButton>(*form, "StopNavigate")->click();
    EXPECT_EQ(std::vector<std::string>(browser.Calls.end() - 3, browser.Calls.end()),
              (std::vector<std::string>{"back", "forward", "stop"}));
}

TEST_F(MainWindow, PageWidth_ChosenOnTheBarGreysTheRulesThatDoNotApplyAndIsKept) {
    const std::string path =
        Sheet("a.css", "p { color: red }\n"
                       "@media (min-width: 768px) {\n  .wide { color: blue }\n}\n");
    auto form = Make({path});
    form->resize(2400, 700); // the whole tool bar in view
    form->show();
    auto* width = Control<QComboBox>(*form, "PreviewWidth");
    auto* list = Control<QTreeView>(*form, "ListTag");
    const QModelIndex group = list->model()->index(1, 0);
    const QModelIndex wide = list->model()->index(0, 0, group);
    ASSERT_EQ(wide.data().toString(), QStringLiteral(".wide"));
    const QVariant plain = wide.data(Qt::ForegroundRole);

    width->setCurrentIndex(width->findText(QStringLiteral("Телефон 375")));
    emit width->activated(width->currentIndex());
    EXPECT_EQ(browser.Calls.back(), "width 375");
    EXPECT_NE(wide.data(Qt::ForegroundRole), plain);
    EXPECT_TRUE(wide.data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral(
                        "Не действует при ширине 375 пикселей: @media (min-width: 768px)")));
    EXPECT_EQ(list->model()->index(0, 0).data(Qt::ForegroundRole), plain) << "p applies";

    // The rule selected, the bar offers a width at which it applies.
    auto* fit = Control<QToolButton>(*form, "FitPageWidth");
    EXPECT_FALSE(fit->isVisibleTo(form.get()));
    list->setCurrentIndex(wide);
    // The bar lays out its controls when the events are run.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fit->isVisibleTo(form.get()); }, 2000));
    EXPECT_EQ(fit->text(), QStringLiteral("Ширина 768"));
    fit->click();
    EXPECT_EQ(browser.Calls.back(), "width 768");
    EXPECT_EQ(wide.data(Qt::ForegroundRole), plain);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fit->isVisibleTo(form.get()); }, 2000));
    EXPECT_EQ(width->currentText(), QStringLiteral("Планшет 768"));

    // A width typed; then the window closes and keeps it.
    width->lineEdit()->setFocus();
    width->lineEdit()->selectAll();
    QTest::keyClicks(width->lineEdit(), "1024");
    QTest::keyClick(width->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(browser.Calls.back(), "width 1024");
    form->close();
    ASSERT_TRUE(settings.Window);
    EXPECT_EQ(settings.Window->PreviewWidth, 1024);
}

TEST_F(MainWindow, SheetPage_ThePagePreviewedWithASheetComesBackWhenItIsOpened) {
    const std::string first = Sheet("a.css", "p { color: red }\n");
    const std::string second = Sheet("b.css", "h1 { color: blue }\n");
    auto form = Make({first});
    form->show();
    browser.Current = "file:///site/index.html";
    emit browser.DownloadComplete();
    EXPECT_EQ(settings.Pages[first], "file:///site/index.html");
    emit browser.DownloadComplete(); // the same page again writes nothing new
    EXPECT_EQ(settings.Pages.size(), 1u);

    // Another sheet without a page keeps the page shown; back to the first, its page.
    const size_t calls = browser.Calls.size();
    ASSERT_TRUE(form->Commands().OpenCSSFile(second));
    EXPECT_EQ(browser.Calls.size(), calls);
    browser.Current = "file:///other/page.html";
    emit browser.DownloadComplete();
    EXPECT_EQ(settings.Pages[second], "file:///other/page.html");
    ASSERT_TRUE(form->Commands().OpenCSSFile(first));
    EXPECT_EQ(browser.Calls.back(), "navigate file:///site/index.html");
    EXPECT_EQ(Control<QLineEdit>(*form, "LocationView")->text(),
              QStringLiteral("file:///site/index.html"));
}

TEST_F(MainWindow, PickedRule_HiddenByTheListsFilter_IsShownWithTheFilterEmptied) {
    auto form = Make({Sheet("a.css", "p { color: red }\nh1 { color: blue }\n")});
    form->show();
    auto* filter = Control<QLineEdit>(*form, "StyleFilter");
    filter->setText(QStringLiteral("h1"));
    form->Action(ActionId::PickElement)->trigger();
    emit browser.ElementPicked(PickedElement{"p", "", {}, {0}, {}, {}, {}});
    EXPECT_EQ(form->Editor().Current(), 0);
    EXPECT_TRUE(filter->text().isEmpty());
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(QStringLiteral("фильтр списка снят")));
    // A rule the filter shows leaves it as it is.
    filter->setText(QStringLiteral("h1"));
    form->Action(ActionId::PickElement)->trigger();
    emit browser.ElementPicked(PickedElement{"h1", "", {}, {1}, {}, {}, {}});
    EXPECT_EQ(filter->text(), QStringLiteral("h1"));
}

TEST_F(MainWindow, ForcedStates_AreToggledAfterAPickAndDroppedByTheNext) {
    auto form = Make({Sheet("a.css", "a { color: red }\na:hover { color: green }\n")});
    form->show();
    auto* hover = Control<QToolButton>(*form, "ForceHover");
    EXPECT_FALSE(hover->isEnabled()) << "nothing picked";
    form->Action(ActionId::PickElement)->trigger();
    emit browser.ElementPicked(PickedElement{"a", "", {}, {0, 1}, {}, {}, {}});
    ASSERT_TRUE(hover->isEnabled());
    hover->click();
    EXPECT_EQ(browser.Calls.back(), "force hover");
    EXPECT_EQ(browser.ForcedSheet, "a[data-tesselo-hover] { color: green }\n");
    Control<QToolButton>(*form, "ForceFocusVisible")->click();
    EXPECT_EQ(browser.Calls.back(), "force hover focus-visible");
    hover->click();
    EXPECT_EQ(browser.Calls.back(), "force focus-visible");

    form->Action(ActionId::PickElement)->trigger();
    emit browser.ElementPicked(PickedElement{"a", "", {}, {0}, {}, {}, {}});
    EXPECT_FALSE(Control<QToolButton>(*form, "ForceFocusVisible")->isChecked());
    EXPECT_TRUE(form->PreviewState().ForcedStates().empty());
}

TEST_F(MainWindow, Actions_CarryTheirCaptionsHintsAndShortcuts) {
    auto form = Make();
    for (const ActionInfo& info : kActions) {
        QAction* action = form->Action(info.Id);
        ASSERT_NE(action, nullptr) << info.Name;
        EXPECT_EQ(action->text(), QString::fromUtf8(info.Caption));
        EXPECT_FALSE(action->icon().isNull()) << info.Name;
    }
    EXPECT_EQ(form->Action(ActionId::New)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(form->Action(ActionId::NewStyle)->shortcut(), QKeySequence(Qt::Key_Insert));
    EXPECT_EQ(form->Action(ActionId::StyleDelete)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Del")));
    EXPECT_EQ(form->Action(ActionId::RefreshView)->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(form->Action(ActionId::HelpAbout)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form->Action(ActionId::New)->toolTip(), QStringLiteral("Новый"));
    EXPECT_EQ(form->Action(ActionId::New)->statusTip(),
              QStringLiteral("Создание новой таблицы стилей"));
    // A hint without "|" is both.
    EXPECT_EQ(form->Action(ActionId::StyleSorted)->statusTip(),
              form->Action(ActionId::StyleSorted)->toolTip());
    EXPECT_TRUE(form->Action(ActionId::FloatPanel)->isCheckable());
    EXPECT_TRUE(form->Action(ActionId::AutoRefreshAction)->isCheckable());
}

TEST_F(MainWindow, MenusAndToolBar_HoldTheirItemsInOrder) {
    auto form = Make();
    QStringList menus;
    QStringList style;
    for (QAction* menu : form->menuBar()->actions()) {
        menus << menu->text();
        if (menu->text() == QStringLiteral("Стиль"))
            for (QAction* item : menu->menu()->actions())
                style << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    }
    EXPECT_EQ(menus, (QStringList{"Файл", "Правка", "Вид", "Стиль", "Помощь"}));
    EXPECT_EQ(style, (QStringList{"NewStyle", "StyleDelete", "StyleRename", "-", "StyleUp",
                                  "StyleDown", "StyleSorted"}));
    QStringList bar;
    for (QAction* item : Control<QToolBar>(*form, "ToolBar1")->actions()) {
        if (item->isSeparator())
            bar << "-";
        else if (QWidget* widget = Control<QToolBar>(*form, "ToolBar1")->widgetForAction(item);
                 widget && !qobject_cast<QToolButton*>(widget) == false &&
                 !widget->objectName().isEmpty() && item->objectName().isEmpty())
            bar << widget->objectName();
        else if (!item->objectName().isEmpty())
            bar << item->objectName();
        else
            bar << Control<QToolBar>(*form, "ToolBar1")->widgetForAction(item)->objectName();
    }
    EXPECT_EQ(bar, (QStringList{"New",
                                "OpenFile",
                                "Save",
                                "-",
                                "EditUndo",
                                "EditRedo",
                                "EditCut",
                                "EditCopy",
                                "EditPaste",
                                "-",
                                "GotoBack",
                                "GotoForward",
                                "-",
                                "StopNavigate",
                                "RefreshView",
                                "-",
                                "GotoHomePage",
                                "LocationView",
                                "SaveHomePage",
                                "-",
                                "FloatPanel",
                                "AutoRefreshAction",
                                "-",
                                "PickElement",
                                "HighlightStyle",
                                "PageSheetsButton",
                                "-",
                                "PreviewWidth",
                                "PreviewScale",
                                "FitPageWidth"}));
}

TEST_F(MainWindow, ToolButtonsOfActions_AreFoundByTheActionsName) {
    auto form = Make();
    int buttons = 0;
    for (QToolBar* bar : form->findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (action->isSeparator() || qobject_cast<QWidgetAction*>(action))
                continue;
            SCOPED_TRACE(action->objectName().toStdString());
            ++buttons;
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
            ASSERT_NE(button, nullptr);
            // The full-view button keeps the name the window has always given it.
            EXPECT_EQ(button->objectName(),
                      button == Control<QToolButton>(*form, "ToolButtonFullView")
                          ? QStringLiteral("ToolButtonFullView")
                          : action->objectName());
        }
    }
    EXPECT_GE(buttons, 15);
    EXPECT_EQ(
        form->findChild<QToolButton*>(QStringLiteral("StyleSorted")),
        Control<QToolBar>(*form, "ToolBar5")->widgetForAction(form->Action(ActionId::StyleSorted)));
}

TEST_F(MainWindow, Messages_BreakTheirLinesOnlyBetweenSentences) {
    // A break inside a sentence is one followed by a word in lower case.
    for (const std::string& text :
         {messages::Recovery(), messages::SaveBeforeViewing(), messages::AskSave(),
          messages::ChangedOnDisk("/tmp/a.css"), messages::CannotRead("/tmp/a.css", "Нет"),
          messages::CannotWrite("/tmp/a.css", "Нет"), messages::CannotWriteSettings("Нет")}) {
        const QString shown = QString::fromStdString(text);
        for (qsizetype at = shown.indexOf(QLatin1Char('\r')); at >= 0;
             at = shown.indexOf(QLatin1Char('\r'), at + 1))
            EXPECT_FALSE(at + 1 < shown.size() && shown[at + 1].isLower())
                << shown.mid(std::max<qsizetype>(0, at - 20), 40).toStdString();
    }
    EXPECT_NE(messages::Recovery().find("завершен или файл открыт в другом окне Tesselo (не "
                                        "рекомендуется)\r"),
              std::string::npos);
}

TEST_F(MainWindow, SelectorBuilder_FitsTheWindowWithEveryControlReadable) {
    auto form = Make();
    form->show();
    TCreateSelector builder(form.get());
    builder.show();
    EXPECT_LE(builder.width(), form->width());
    EXPECT_LE(builder.height(), form->height());
    auto* pages = builder.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    EXPECT_LE(pages->tabBar()->sizeHint().width(), pages->width()) << "no scroll arrows";
    for (QAbstractButton* button : builder.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || !button->isVisible())
            continue;
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 8)
            << button->text().toStdString();
    }
    for (QWidget* box : builder.findChildren<QComboBox*>())
        EXPECT_GE(box->width(), 80) << box->objectName().toStdString();
    // Every tag of the longest page shows whole in one of its columns.
    auto* all = builder.findChild<QListWidget*>(QStringLiteral("ListTagHTML"));
    for (int i = 0; i < all->count(); ++i)
        EXPECT_GE(all->visualItemRect(all->item(i)).width(),
                  all->fontMetrics().horizontalAdvance(all->item(i)->text()))
            << all->item(i)->text().toStdString();
    builder.hide();
}

// Some pixel is clearly coloured: neither grey nor close to transparent.
bool Coloured(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 128 && c.hsvSaturation() > 100)
                return true;
        }
    return false;
}

TEST_F(MainWindow, ToolBarPictures_AreColouredAndGreyedWhenDisabled) {
    auto form = Make();
    std::vector<std::pair<QString, QIcon>> pictures;
    for (QToolBar* bar :
         {Control<QToolBar>(*form, "ToolBar1"), Control<QToolBar>(*form, "ToolBar5")})
        for (QAction* action : bar->actions())
            if (!action->isSeparator() && !qobject_cast<QWidgetAction*>(action))
                pictures.emplace_back(action->objectName(), action->icon());
    for (QToolButton* button :
         {Control<QToolButton>(*form, "GotoBack"), Control<QToolButton>(*form, "GotoForward"),
          Control<QToolButton>(*form, "StopNavigate"), Control<QToolButton>(*form, "GotoHomePage"),
          Control<QToolButton>(*form, "SaveHomePage")})
        pictures.emplace_back(button->objectName(), button->icon());
    EXPECT_EQ(pictures.size(), 24u);
    for (const auto& [name, icon] : pictures) {
        SCOPED_TRACE(name.toStdString());
        const QImage normal = icon.pixmap(16, QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(16, QIcon::Disabled).toImage();
        EXPECT_TRUE(Coloured(normal));
        EXPECT_FALSE(Coloured(disabled));
    }
}

TEST_F(MainWindow, Regions_HaveTheirSizesAndPages) {
    auto form = Make();
    form->show();
    EXPECT_EQ(Control<QToolBar>(*form, "ToolBar1")->height(), 29);
    EXPECT_EQ(Control<QWidget>(*form, "PanelToolStyle")->height(), 84);
    EXPECT_GE(Control<QTabWidget>(*form, "TABPANEL")->width(), 171);
    EXPECT_EQ(form->statusBar()->height(), 21);
    EXPECT_GE(Control<QSplitter>(*form, "SplitterList")->sizes().first(), 145);
    EXPECT_EQ(Control<QTabWidget>(*form, "Viewer")->tabPosition(), QTabWidget::South);
    QStringList pages;
    for (int i = 0; i < Control<QTabWidget>(*form, "Viewer")->count(); ++i)
        pages << Control<QTabWidget>(*form, "Viewer")->tabText(i);
    EXPECT_EQ(pages, (QStringList{"Текущий стиль", "Текущий CSS", "Исходный CSS", "Просмотр",
                                  "Стили элемента"}));
    EXPECT_EQ(Control<QTabWidget>(*form, "TABPANEL")->count(), 8);
    EXPECT_EQ(Control<QPushButton>(*form, "ZF")->focusPolicy(), Qt::ClickFocus);
}

TEST_F(MainWindow, FirstStart_ShowsEveryTabAndToolButtonWithoutScrollArrows) {
    auto form = Make();
    form->show();
    for (QTabWidget* tabs :
         {Control<QTabWidget>(*form, "Viewer"), Control<QTabWidget>(*form, "TABPANEL")})
        EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width())
            << tabs->objectName().toStdString();
    for (QToolBar* bar :
         {Control<QToolBar>(*form, "ToolBar1"), Control<QToolBar>(*form, "ToolBar5"),
          Control<QToolBar>(*form, "ToolBar4"), Control<QToolBar>(*form, "ToolBar3"),
          Control<QToolBar>(*form, "ToolBar2")})
        EXPECT_LE(bar->sizeHint().width(), bar->width()) << bar->objectName().toStdString();
    for (int i = 0; i < Control<QTabWidget>(*form, "TABPANEL")->count(); ++i) {
        Control<QTabWidget>(*form, "TABPANEL")->setCurrentIndex(i);
        QWidget* page = Control<QTabWidget>(*form, "TABPANEL")->widget(i);
        EXPECT_LE(page->sizeHint().height(), page->height()) << page->objectName().toStdString();
    }
}

TEST_F(MainWindow, Hints_GoToTheStatusLineOrToTheBuildersHintLine) {
    auto form = Make();
    TCreateSelector builder(form.get());
    form->SetSelectorBuilder(&builder);
    form->show();
    QWidget* newStyleButton =
        Control<QToolBar>(*form, "ToolBar5")->widgetForAction(form->Action(ActionId::NewStyle));
    QStatusTipEvent tip(form->Action(ActionId::NewStyle)->statusTip());
    QApplication::sendEvent(newStyleButton, &tip);
    EXPECT_EQ(form->statusBar()->currentMessage(),
              QStringLiteral("Вызов конструктора имени для нового стиля"));
    EXPECT_EQ(builder.LabelHint()->text(),
              QStringLiteral("Вызов конструктора имени для нового стиля"));

    builder.show();
    QStatusTipEvent builderTip(QStringLiteral("Завершение работы мастера"));
    QApplication::sendEvent(builder.LabelHint(), &builderTip);
    EXPECT_EQ(builder.LabelHint()->text(), QStringLiteral("Завершение работы мастера"));
    EXPECT_EQ(builder.LabelHint()->textFormat(), Qt::PlainText);
    EXPECT_EQ(form->statusBar()->currentMessage(),
              QStringLiteral("Вызов конструктора имени для нового стиля"));
    builder.hide();
}

TEST_F(MainWindow, SavedHomePage_IsTheFirstPageAfterARestart) {
    {
        auto form = Make();
        form->show();
        Control<QLineEdit>(*form, "LocationView")->selectAll();
        QTest::keyClicks(Control<QLineEdit>(*form, "LocationView"), "file:///tmp/site/index.html");
        Control<QToolButton>(*form, "SaveHomePage")->click();
        EXPECT_TRUE(form->close());
    }
    browser.Calls.clear();
    auto again = Make();
    EXPECT_EQ(Control<QLineEdit>(*again, "LocationView")->text(),
              QStringLiteral("file:///tmp/site/index.html"));
    EXPECT_EQ(browser.Calls.front(), "navigate file:///tmp/site/index.html");
}

TEST_F(MainWindow, SaveAndNewActions_RunTheFileCommandsAndShowTheResult) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    form->show();
    Control<QPlainTextEdit>(*form, "CSSMemo")->setPlainText(QStringLiteral("color: blue;"));
    testing::Modify(form->Editor());
    form->Action(ActionId::Save)->trigger();
    EXPECT_EQ(ReadBytes(path), "h1 {\ncolor: blue;\n}\n");
    EXPECT_EQ(ReadBytes(path + ".ORIGINAL"), ReadBytes(path));
    EXPECT_FALSE(form->Editor().Document().Modified);

    testing::Modify(form->Editor());
    dialogs.Answers = {Answer::No};
    form->Action(ActionId::New)->trigger();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tesselo 1.0 beta - NoName.css"));
    EXPECT_EQ(Items(*form), QStringList{"Body"});
    EXPECT_TRUE(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText().isEmpty());
    EXPECT_FALSE(FileExists(path + ".ORIGINAL"));
}

TEST_F(MainWindow, ClearStyle_EmptiesTheViewWithoutMarkingTheDocument) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    form->Action(ActionId::N25)->trigger();
    EXPECT_TRUE(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText().isEmpty());
    EXPECT_FALSE(form->Editor().Document().Modified);
    EXPECT_FALSE(form->Editor().Panel().FontColorCheck);
}

TEST(AboutBox, ShowsTheProgramAndItsLinks) {
    TAboutBox about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
    EXPECT_TRUE(about.MailLink()->text().contains(QStringLiteral("e-mail: tesselo@velmor.org")));
    EXPECT_EQ(about.MailLink()->toolTip(), QStringLiteral("Запуск вашей почтовой программы"));
    EXPECT_TRUE(
        about.HomePageLink()->text().contains(QStringLiteral("https://velmor.org/tesselo")));
    EXPECT_EQ(TAboutBox::MailAddress(), "mailto:tesselo@velmor.org?subject=Tesselo");
    EXPECT_EQ(TAboutBox::HomePageAddress(), "https://velmor.org/tesselo");
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    auto* name = about.findChild<QLabel*>(QStringLiteral("ProductName"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("Tesselo"));
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// ---------------------------------------------------------------------------
// The style list's commands in the window

class FloatingWindow : public MainWindowFixture {
protected:
    testing::WindowUnderTest Shown() {
        auto form = Make();
        form->resize(900, 600);
        form->show();
        Settle();
        return form;
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    // The pointer moves over the work area, at a point given in `widget`'s frame.
    static void MoveOver(TMainForm& form, QWidget* widget, QPoint at) {
        const QPoint global = widget->mapToGlobal(at);
        QMouseEvent move(QEvent::MouseMove,
                         Control<QWidget>(form, "PanelALL")->mapFromGlobal(QPointF(global)),
                         QPointF(global), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Control<QWidget>(form, "PanelALL"), &move);
        Settle();
    }
    static std::vector<QRect> Docked(const TMainForm& form) {
        return {Control<QWidget>(form, "PanelList")->geometry(),
                Control<QSplitter>(form, "SplitterList")->geometry(),
                Control<QWidget>(form, "PanelALL")->geometry(),
                Control<QWidget>(form, "PanelToolStyle")->geometry(),
                Control<QTabWidget>(form, "TABPANEL")->geometry(),
                QRect(Control<QTabWidget>(form, "Viewer")
                          ->mapTo(Control<QWidget>(form, "PanelALL"), QPoint(0, 0)),
                      Control<QTabWidget>(form, "Viewer")->size())};
    }
};

TEST_F(FloatingWindow, SwitchingTwiceRestoresTheDockedLayoutExactly) {
    auto form = Shown();
    const std::vector<QRect> docked = Docked(*form);
    // The views end one pixel left of the property pages.
    EXPECT_EQ(docked[5].right() + 2, docked[4].left());
    QAction* action = form->Action(ActionId::FloatPanel);
    action->trigger();
    Settle();
    EXPECT_TRUE(action->isChecked());
    EXPECT_TRUE(Control<QToolButton>(*form, "ToolButtonFullView")->isChecked());
    EXPECT_TRUE(form->Floating().Floating());
    EXPECT_FALSE(Control<QSplitter>(*form, "SplitterList")->isVisible());
    // The views fill the work area but for a margin; the panels wait outside it.
    const QRect all = Control<QWidget>(*form, "PanelALL")->rect();
    EXPECT_EQ(QRect(Control<QTabWidget>(*form, "Viewer")
                        ->mapTo(Control<QWidget>(*form, "PanelALL"), QPoint(0, 0)),
                    Control<QTabWidget>(*form, "Viewer")->size()),
              all.adjusted(6, 6, -6, 0));
    EXPECT_EQ(Control<QWidget>(*form, "PanelList")->geometry().right(), -1);
    EXPECT_EQ(Control<QTabWidget>(*form, "TABPANEL")->x(), all.width());
    EXPECT_EQ(Control<QWidget>(*form, "PanelToolStyle")->geometry().bottom(), -1);
    action->trigger();
    Settle();
    EXPECT_FALSE(Control<QToolButton>(*form, "ToolButtonFullView")->isChecked());
    EXPECT_TRUE(Control<QSplitter>(*form, "SplitterList")->isVisible());
    EXPECT_EQ(
        Control<QSplitter>(*form, "SplitterList")->indexOf(Control<QWidget>(*form, "PanelList")),
        0);
    EXPECT_EQ(
        Control<QSplitter>(*form, "SplitterList")->indexOf(Control<QWidget>(*form, "PanelALL")), 1);
    EXPECT_EQ(Docked(*form), docked);
}

TEST_F(FloatingWindow, EachBandSlidesItsPanelInAndATickElsewhereSlidesAllOut) {
    auto form = Shown();
    form->Action(ActionId::FloatPanel)->trigger();
    Settle();
    QWidget* all = Control<QWidget>(*form, "PanelALL");
    const int listWidth = Control<QWidget>(*form, "PanelList")->width();
    struct Band {
        const char* Name;
        QPoint At; // in the work area
        QWidget* Panel;
        QRect In; // where the panel comes, in its parent
    };
    const std::vector<Band> bands{
        {"top", QPoint(Control<QWidget>(*form, "PanelToolStyle")->x() + 10, 3),
         Control<QWidget>(*form, "PanelToolStyle"), QRect(listWidth, 0, all->width(), 84)},
        {"right", QPoint(all->width() - 3, Control<QTabWidget>(*form, "TABPANEL")->y() + 10),
         Control<QTabWidget>(*form, "TABPANEL"),
         QRect(all->width() - Control<QTabWidget>(*form, "TABPANEL")->width(),
               Control<QTabWidget>(*form, "TABPANEL")->y(),
               Control<QTabWidget>(*form, "TABPANEL")->width(),
               Control<QTabWidget>(*form, "TABPANEL")->height())},
        {"left", QPoint(3, Control<QWidget>(*form, "PanelList")->y() + 10),
         Control<QWidget>(*form, "PanelList"),
         QRect(0, Control<QWidget>(*form, "PanelList")->y(), listWidth,
               Control<QTabWidget>(*form, "Viewer")->currentWidget()->height())},
    };
    const QPoint views = Control<QTabWidget>(*form, "Viewer")->rect().center();
    // The list comes as tall as the pages of the views, whichever is showing.
    EXPECT_GT(bands[2].In.height(), Control<QTabWidget>(*form, "Viewer")->height() / 2);
    for (const Band& band : bands) {
        SCOPED_TRACE(band.Name);
        const QRect out = band.Panel->geometry();
        MoveOver(*form, all, band.At);
        EXPECT_EQ(band.Panel->geometry(), band.In);
        EXPECT_TRUE(Control<QTimer>(*form, "TimerFloat")->isActive());
        EXPECT_EQ(Control<QTimer>(*form, "TimerFloat")->interval(), 600);
        // On the panel it stays; elsewhere a tick takes it out and stops the timer.
        form->TimerFloatTimer(band.Panel->mapToGlobal(QPoint(5, 5)));
        EXPECT_EQ(band.Panel->geometry(), band.In);
        form->TimerFloatTimer(Control<QTabWidget>(*form, "Viewer")->mapToGlobal(views));
        EXPECT_EQ(band.Panel->geometry().topLeft(), out.topLeft());
        EXPECT_FALSE(Control<QTimer>(*form, "TimerFloat")->isActive());
    }
    // Over the views nothing comes in.
    MoveOver(*form, Control<QTabWidget>(*form, "Viewer"), views);
    EXPECT_FALSE(Control<QTimer>(*form, "TimerFloat")->isActive());
}

TEST_F(FloatingWindow, TheSettingIsRestoredAtStartAndWrittenAtClose) {
    settings.Window = WindowValues{.FloatPanel = true, .PanelListWidth = 200};
    auto form = Make();
    form->show();
    Settle();
    EXPECT_TRUE(form->Action(ActionId::FloatPanel)->isChecked());
    EXPECT_FALSE(Control<QSplitter>(*form, "SplitterList")->isVisible());
    EXPECT_EQ(Control<QWidget>(*form, "PanelList")->geometry(),
              QRect(-200, 6, 200, Control<QWidget>(*form, "PanelALL")->height()));
    form->Action(ActionId::FloatPanel)->trigger();
    Settle();
    EXPECT_EQ(Control<QSplitter>(*form, "SplitterList")->sizes().first(), 200);
    form->Action(ActionId::FloatPanel)->trigger();
    EXPECT_TRUE(form->close());
    ASSERT_TRUE(settings.Window.has_value());
    EXPECT_EQ(settings.Window->FloatPanel, true);
    EXPECT_EQ(settings.Window->PanelListWidth, 200);
}

class StyleListWindow : public MainWindowFixture {};

TEST_F(StyleListWindow, NewStyleThroughTheBuilderAddsAndSelectsIt) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    TCreateSelector builder(form.get());
    form->SetSelectorBuilder(&builder);
    form->show();
    QTimer::singleShot(0, [&] {
        auto* tags = builder.findChild<QListWidget*>(QStringLiteral("ListTagHTML"));
        ASSERT_NE(tags, nullptr);
        tags->setCurrentRow(tags->row(tags->findItems(QStringLiteral("H2"), Qt::MatchExactly)[0]));
        emit tags->itemClicked(tags->currentItem());
        builder.findChild<QPushButton*>(QStringLiteral("Ok"))->click();
    });
    form->Action(ActionId::NewStyle)->trigger();
    EXPECT_EQ(Items(*form), (QStringList{"h1", "H2"}));
    EXPECT_EQ(Control<QTreeView>(*form, "ListTag")->currentIndex().row(), 1);
    EXPECT_TRUE(form->Editor().Document().Modified);
    form->Editor().MarkSaved();
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

class SourceViewsWindow : public MainWindowFixture {};

// The edit actions reach the current style's text (which page they act on the views
// decide themselves).
TEST_F(SourceViewsWindow, CutAndPasteActionsActOnTheCurrentStylesText) {
    const std::string path = Sheet("a.css", "h1 { color: red }\n");
    auto form = Make({path});
    form->show();
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CssMemoView);
    Control<QPlainTextEdit>(*form, "CSSMemo")->selectAll();
    form->Action(ActionId::EditCut)->trigger();
    EXPECT_TRUE(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText().isEmpty());
    form->Action(ActionId::EditPaste)->trigger();
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText(),
              QStringLiteral("; color: RED;"));
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

class EncodingWindow : public MainWindowFixture {
protected:
    // Types the text at the end of the current style's view and stores it by saving.
    std::string TypeAndSave(TMainForm& form, const std::string& path, const QString& typed) {
        Control<QTabWidget>(form, "Viewer")->setCurrentIndex(TMainForm::CssMemoView);
        Control<QPlainTextEdit>(form, "CSSMemo")->setFocus();
        Control<QPlainTextEdit>(form, "CSSMemo")->moveCursor(QTextCursor::End);
        // Each character as a key of its own, Cyrillic and arrows included.
        for (const QChar c : typed) {
            if (c == '\n') {
                QTest::keyClick(Control<QPlainTextEdit>(form, "CSSMemo"), Qt::Key_Return);
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(Control<QPlainTextEdit>(form, "CSSMemo"), &press);
        }
        form.Action(ActionId::Save)->trigger();
        return ReadBytes(path);
    }
};

TEST_F(EncodingWindow, AUtf8SheetIsShownAndWrittenAsUtf8) {
    // A mark, a Cyrillic class name, an emoji and a no-break space in a string.
    const std::string text =
        "\xEF\xBB\xBF.\xD0\xBA\xD0\xBD { content: \"\xF0\x9F\x98\x80\xC2\xA0\" }\n"
        "p { color: red }\n";
    const std::string path = Sheet("u.css", text);
    auto form = Make({path});
    form->show();
    EXPECT_EQ(Items(*form), (QStringList{".кн", "p"}));
    // A message names a style in its own letters.
    form->Action(ActionId::StyleRename)->trigger();
    Control<QLineEdit>(*form, "RenameField")->setText(QStringLiteral("P"));
    QTest::keyClick(Control<QLineEdit>(*form, "RenameField"), Qt::Key_Return);
    QTest::keyClick(Control<QLineEdit>(*form, "RenameField"), Qt::Key_Escape);
    ChooseRow(*Control<QTreeView>(*form, "ListTag"), 1);
    form->Action(ActionId::StyleRename)->trigger();
    Control<QLineEdit>(*form, "RenameField")->setText(QStringLiteral(".КН"));
    QTest::keyClick(Control<QLineEdit>(*form, "RenameField"), Qt::Key_Return);
    QTest::keyClick(Control<QLineEdit>(*form, "RenameField"), Qt::Key_Escape);
    ASSERT_EQ(dialogs.Shown.size(), 1u) << "Cyrillic letters are not folded: .КН is new";
    EXPECT_EQ(Items(*form), (QStringList{".кн", ".КН"}));
    EXPECT_NE(dialogs.Shown[0].Text.find("\"P\""), std::string::npos);
    ChooseRow(*Control<QTreeView>(*form, "ListTag"), 0);
    EXPECT_TRUE(
        Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText().contains(QStringLiteral("😀")));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("EncodingLabel"))->text(),
              QStringLiteral("UTF-8"));
    const std::string saved = TypeAndSave(*form, path, QStringLiteral("\nquotes: \"ё\";"));
    EXPECT_EQ(saved, "\xEF\xBB\xBF.\xD0\xBA\xD0\xBD {\ncontent:\"\xF0\x9F\x98\x80\xC2\xA0\";\n\n"
                     "quotes: \"\xD1\x91\";\n}\n.\xD0\x9A\xD0\x9D {\n; color: RED;\n}\n");
}

TEST_F(EncodingWindow, AWindows1251SheetEscapesWhatItCannotHold) {
    // "Привет" in a comment, in Windows-1251.
    const std::string path = Sheet("w.css", "/* \xCF\xF0\xE8\xE2\xE5\xF2 */\np { color: red }\n");
    auto form = Make({path});
    form->show();
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("EncodingLabel"))->text(),
              QStringLiteral("Windows-1251"));
    const std::string saved = TypeAndSave(*form, path, QStringLiteral("\ncontent: \"→\";"));
    EXPECT_EQ(saved,
              "/* \xCF\xF0\xE8\xE2\xE5\xF2 */\np {\n; color: RED;\ncontent: \"\\2192 \";\n}\n");
}

TEST_F(EncodingWindow, StrayBytesSurviveAHandEditElsewhereInTheLine) {
    // A UTF-8 sheet (it has the mark) with a byte that is no UTF-8.
    const std::string path = Sheet("s.css", "\xEF\xBB\xBFp { content: \"\xD0\xB1\xFF\"; }\n");
    auto form = Make({path});
    form->show();
    Control<QTabWidget>(*form, "Viewer")->setCurrentIndex(TMainForm::CssMemoView);
    // The content line: the marker line stands above it.
    QTextCursor cursor(Control<QPlainTextEdit>(*form, "CSSMemo")->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    Control<QPlainTextEdit>(*form, "CSSMemo")->setTextCursor(cursor);
    QTest::keyClicks(Control<QPlainTextEdit>(*form, "CSSMemo"), " zoom: 1;");
    form->Action(ActionId::Save)->trigger();
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBFp {\ncontent:\"\xD0\xB1\xFF\"; zoom: 1;\n}\n");
}

} // namespace
} // namespace tesselo
