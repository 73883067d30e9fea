#include "app/EditCSS.h"
#include "mapping/PropertySet.h"
#include "panel/PanelLayout.h"
#include "panel/PropertyPanel.h"
#include "support/Fakes.h"
#include "support/PanelFakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tesselo {
namespace {

using testing::FakeBrowser;
using testing::FakeDialogs;
using testing::FakePanelDialogs;
using testing::FakeSettings;

// The real window with the panel in it, its dialogs answered by fakes.
class PanelWiring : public ::testing::Test {
protected:
    void SetUp() override {
        MainFormServices services;
        services.Settings = &settings;
        services.Dialogs = &dialogs;
        services.PreviewBrowser = &browser;
        services.PanelChoices = &choices;
        form = std::make_unique<TMainForm>(std::move(services));
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename W = QWidget> W* Find(const QString& name) {
        auto* widget = form->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void ShowPage(const char* name) {
        form->TABPANEL->setCurrentWidget(Find(QString::fromLatin1(name)));
    }
    QString Memo() const { return form->CSSMemo->toPlainText(); }

    FakeDialogs dialogs;
    FakeSettings settings;
    FakeBrowser browser;
    FakePanelDialogs choices;
    std::unique_ptr<TMainForm> form;
};

TEST_F(PanelWiring, EveryControlIsThereUnderItsName) {
    for (const auto& row : KeywordButtonRows()) {
        auto* button = Find<QToolButton>(
            QString::fromUtf8(Info(row.Button).Name.data(), Info(row.Button).Name.size()));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isCheckable());
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        EXPECT_TRUE(button->text().isEmpty() ||
                    button->toolButtonStyle() == Qt::ToolButtonIconOnly);
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    }
    for (const auto& info : LengthTable()) {
        const QString name = QString::fromUtf8(info.Name.data(), info.Name.size());
        Find<QLineEdit>(name);
        Find(name + QStringLiteral("UpDown"));
        EXPECT_EQ(Find<QToolButton>(name + QStringLiteral("_"))->text(), QStringLiteral("px"));
    }
    for (const char* name : {"FontType", "FontType2", "FontWeight", "FontSize"})
        Find<QComboBox>(QString::fromLatin1(name));
    for (const char* name : {"FontSize_", "FontBold", "Z_1", "Z_2", "Z_3", "Z_4", "Z_5", "Z_6",
                             "Z_7", "Z_8", "Z_9", "Z_cancel", "Z_off"})
        Find<QToolButton>(QString::fromLatin1(name));
    for (const char* name : {"FontColorCheck", "BackGroundColorCheck", "BorderColorCheck",
                             "BackGroundTransparent", "BackGroundAttCheck"})
        Find<QCheckBox>(QString::fromLatin1(name));
    for (const char* name : {"FontColor", "BackGroundColor", "BorderColor", "Z_Select"})
        Find<QFrame>(QString::fromLatin1(name));
    for (const char* name : {"OpenBackGround", "ZF"})
        Find<QPushButton>(QString::fromLatin1(name));
    for (const char* name : {"ToolBar4", "ToolBar3", "ToolBar2"})
        EXPECT_EQ(Find<QToolBar>(QString::fromLatin1(name))->parentWidget(), form->PanelToolStyle);
    QStringList pages;
    for (int i = 0; i < form->TABPANEL->count(); ++i)
        pages << form->TABPANEL->widget(i)->objectName();
    EXPECT_EQ(pages, (QStringList{"BBColor", "MarginPadding", "DisplayVis", "PositionFloat"}));
    EXPECT_EQ(Find<QToolButton>(QStringLiteral("Z_2"))->text(), QStringLiteral("in"));
    EXPECT_FALSE(Find<QComboBox>(QStringLiteral("FontType2"))->isEnabled());
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("FontType"))->itemText(5),
              QStringLiteral("monospace"));
}

TEST_F(PanelWiring, TypingIntoALengthFieldRewritesTheStyle) {
    ShowPage("MarginPadding");
    auto* edit = Find<QLineEdit>(QStringLiteral("MarginTop"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("1,5"));
    EXPECT_EQ(edit->text(), QStringLiteral("1.5"));
    EXPECT_EQ(Memo(), QStringLiteral("; Margin-top: 1.5px;"));
    QTest::keyClicks(edit, QStringLiteral("-"));
    EXPECT_EQ(edit->text(), QStringLiteral("-1.5"));
    EXPECT_TRUE(form->Editor().Document.Modified);
}

TEST_F(PanelWiring, EnterInAFieldLeavesItAndNormalisesIt) {
    auto* edit = Find<QLineEdit>(QStringLiteral("LineHeight"));
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->setText(QStringLiteral("3,75")); // pasted, past the key filter
    emit edit->textEdited(edit->text());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form->ZF);
    EXPECT_EQ(edit->text(), QStringLiteral("3.75"));
    EXPECT_EQ(Memo(), QStringLiteral("; Line-height: 3.75px;"));
}

TEST_F(PanelWiring, ASpinnerStepsWhileHeldAndWritesWhenLetGo) {
    auto* spinner = Find(QStringLiteral("TextIndentUpDown"));
    auto* up = spinner->findChildren<QToolButton*>().first();
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("TextIndent"))->text(), QStringLiteral("1"));
    EXPECT_EQ(Memo(), QString()) << "not written per step";
    auto* edit = Find<QLineEdit>(QStringLiteral("TextIndent"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->text().toInt() > 2; }, 5000)) << "repeats";
    EXPECT_EQ(Memo(), QString()) << "still not written while held";
    QTest::mouseRelease(up, Qt::LeftButton);
    const int steps = Find<QLineEdit>(QStringLiteral("TextIndent"))->text().toInt();
    EXPECT_GT(steps, 1);
    EXPECT_EQ(Memo(), QStringLiteral("; Text-indent: %1px;").arg(steps));
}

TEST_F(PanelWiring, TheUnitChooserAppliesAUnitOrClosesByItself) {
    ShowPage("MarginPadding");
    auto* unit = Find<QToolButton>(QStringLiteral("MarginTop_"));
    auto* chooser = Find<QFrame>(QStringLiteral("Z_Select"));
    QTest::mousePress(unit, Qt::LeftButton);
    QTest::mouseRelease(unit, Qt::LeftButton);
    ASSERT_TRUE(chooser->isVisible());
    EXPECT_GT(chooser->width(), 81) << "room for every unit";
    EXPECT_TRUE(form->rect().contains(chooser->geometry()));
    QTest::mouseClick(Find<QToolButton>(QStringLiteral("Z_4")), Qt::LeftButton);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(unit->text(), QStringLiteral("mm"));

    auto* timer = form->Panel().findChild<QTimer*>(QStringLiteral("Z_Timer"));
    ASSERT_NE(timer, nullptr);
    QTest::mousePress(unit, Qt::LeftButton);
    QTest::mouseRelease(unit, Qt::LeftButton);
    EXPECT_EQ(Find<QToolButton>(QStringLiteral("Z_cancel"))->text(), QStringLiteral("Отмена"));
    // The countdown, quicker; each tick's caption is seen after the panel's own handler.
    QStringList captions;
    QObject::connect(timer, &QTimer::timeout, form.get(),
                     [&] { captions << Find<QToolButton>(QStringLiteral("Z_cancel"))->text(); });
    timer->setInterval(20);
    timer->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !chooser->isVisible(); }, 5000));
    EXPECT_EQ(captions, (QStringList{"(5)", "(4)", "(3)", "(2)", "(1)", "(1)"}));
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(unit->text(), QStringLiteral("mm"));
}

TEST_F(PanelWiring, AFontChosenFromTheListIsWrittenAfterTheTimer) {
    auto* box = Find<QComboBox>(QStringLiteral("FontType"));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down); // "serif"
    EXPECT_EQ(box->currentText(), QStringLiteral("serif"));
    EXPECT_TRUE(Find<QComboBox>(QStringLiteral("FontType2"))->isEnabled());
    EXPECT_EQ(Memo(), QString()) << "written at the timer's tick";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Memo().isEmpty(); }, 5000));
    EXPECT_EQ(Memo(), QStringLiteral("; Font-Family: serif;"));
    EXPECT_EQ(QApplication::focusWidget(), form->ZF);
}

TEST_F(PanelWiring, AColourComesFromTheColourDialog) {
    choices.ColorChoices = {Color{0xFF, 0, 0}};
    QTest::mouseClick(Find(QStringLiteral("FontColor")), Qt::LeftButton);
    EXPECT_TRUE(Find<QCheckBox>(QStringLiteral("FontColorCheck"))->isChecked());
    EXPECT_EQ(Memo(), QStringLiteral("; color: RED;"));
    QTest::mouseClick(Find<QCheckBox>(QStringLiteral("FontColorCheck")), Qt::LeftButton);
    EXPECT_EQ(Memo(), QString());
}

TEST_F(PanelWiring, AKeywordButtonPressedTwiceIsUpAgain) {
    auto* center = Find<QToolButton>(QStringLiteral("TextAlignCenter"));
    QTest::mouseClick(center, Qt::LeftButton);
    EXPECT_TRUE(center->isChecked());
    EXPECT_EQ(Memo(), QStringLiteral("; Text-align: center;"));
    QTest::mouseClick(center, Qt::LeftButton);
    EXPECT_FALSE(center->isChecked());
    EXPECT_EQ(Memo(), QString());
}

TEST_F(PanelWiring, ThePictureButtonsFollowThePicture) {
    choices.PictureChoices = {"/tmp/Sky.JPG"};
    auto* repeat = Find<QToolButton>(QStringLiteral("BGrRepX"));
    EXPECT_FALSE(repeat->isEnabled());
    QTest::mouseClick(Find<QPushButton>(QStringLiteral("OpenBackGround")), Qt::LeftButton);
    EXPECT_TRUE(repeat->isEnabled());
    EXPECT_EQ(Find<QCheckBox>(QStringLiteral("BackGroundAttCheck"))->text(),
              QStringLiteral("Sky.JPG"));
    EXPECT_EQ(Memo(), QStringLiteral("; BackGround-Image: url(/tmp/Sky.JPG);"));
}

TEST_F(PanelWiring, ASelectedRuleShowsInThePanel) {
    form->Editor().CSSMemo.Lines = {"margin-top: 5mm;", "text-align: right;"};
    form->Editor().CSSMemo.Edited = true;
    form->Editor().SelectRow(0); // commits the text and reads it back into the panel
    form->Render();
    auto* margin = Find<QLineEdit>(QStringLiteral("MarginTop"));
    EXPECT_EQ(margin->text(), QStringLiteral("5"));
    EXPECT_EQ(margin->palette().color(QPalette::Base), QColor(Qt::white)) << "the set mark";
    EXPECT_EQ(Find<QToolButton>(QStringLiteral("MarginTop_"))->text(), QStringLiteral("mm"));
    EXPECT_TRUE(Find<QToolButton>(QStringLiteral("TextAlignRight"))->isChecked());
    EXPECT_NE(Find<QLineEdit>(QStringLiteral("MarginLeft"))->palette().color(QPalette::Base),
              QColor(Qt::white));
}

TEST_F(PanelWiring, TheBorderSideButtonsChooseTheSideTheControlsShow) {
    form->Editor().CSSMemo.Lines = {"border: 1px solid; border-bottom: 3px dashed;"};
    form->Editor().CSSMemo.Edited = true;
    form->Editor().SelectRow(0);
    form->Render();
    ShowPage("BBColor");
    auto* width = Find<QLineEdit>(QStringLiteral("BorderWidth"));
    auto* bottom = Find<QToolButton>(QStringLiteral("BorderSideBottom"));
    EXPECT_TRUE(Find<QToolButton>(QStringLiteral("BorderSideAll"))->isChecked());
    EXPECT_EQ(width->text(), QStringLiteral("1"));
    EXPECT_TRUE(bottom->font().bold()) << "a side with a border of its own";
    EXPECT_FALSE(Find<QToolButton>(QStringLiteral("BorderSideTop"))->font().bold());
    QTest::mouseClick(bottom, Qt::LeftButton);
    EXPECT_TRUE(bottom->isChecked());
    EXPECT_EQ(width->text(), QStringLiteral("3"));
    EXPECT_TRUE(Find<QToolButton>(QStringLiteral("BorderDashed"))->isChecked());
    QTest::mouseClick(Find<QToolButton>(QStringLiteral("BorderDotted")), Qt::LeftButton);
    EXPECT_EQ(Memo(), QStringLiteral("; Border: 1px solid;\n; Border-bottom: 3px dotted;"));
}

} // namespace
} // namespace tesselo
