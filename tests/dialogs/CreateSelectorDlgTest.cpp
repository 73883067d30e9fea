// The selector builder's real widgets, driven as a user drives them.

#include "dialogs/CreateSelectorDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tesselo {
namespace {

template <typename T> T* Find(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void ClickRow(QListWidget* list, const QString& text, bool twice = false) {
    QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr) << text.toStdString();
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) // the second press of a double click, as the system sends it
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

TEST(CreateSelectorDialog, AWholeCompositionThroughTheWidgetsGivesTheGroup) {
    TCreateSelector dialog;
    bool acted = false;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(Find<QComboBox>(dialog, "ComboClass")->itemText(0), QStringLiteral("intro"));
        Find<QTabWidget>(dialog, "PageControl1")->setCurrentIndex(0);
        auto* tags = Find<QListWidget>(dialog, "ListTagHTML");
        ClickRow(tags, "DIV");
        Find<QPushButton>(dialog, "AddElement")->click();
        ClickRow(tags, "P");
        Find<QPushButton>(dialog, "AddPotomok")->click();
        ClickRow(tags, "SPAN");
        Find<QPushButton>(dialog, "AddSosed")->click();
        ClickRow(tags, "H1", true);
        ClickRow(tags, "A");
        QTest::keyClicks(Find<QComboBox>(dialog, "ComboClass"), "link");
        ClickRow(Find<QListWidget>(dialog, "psevdoclass"), ":hover");
        EXPECT_EQ(Find<QLineEdit>(dialog, "CurrentSelector")->text(),
                  QStringLiteral("A.link:hover"));
        Find<QPushButton>(dialog, "AddElement")->click();
        EXPECT_EQ(Find<QListWidget>(dialog, "Itog")->count(), 3);
        Find<QPushButton>(dialog, "Ok")->click();
        acted = true;
    });
    const QString result = dialog.Execute(QStringLiteral(" P.intro"));
    EXPECT_TRUE(acted);
    EXPECT_EQ(result, QStringLiteral("DIV P+SPAN, H1, A.link:hover"));
}

TEST(CreateSelectorDialog, CancelGivesNothingAndHoveringATagExplainsIt) {
    TCreateSelector dialog;
    QTimer::singleShot(0, [&] {
        auto* tags = Find<QListWidget>(dialog, "ListBox1");
        ClickRow(tags, "P");
        QListWidgetItem* h1 = tags->findItems(QStringLiteral("H1"), Qt::MatchExactly).value(0);
        QTest::mouseMove(tags->viewport(), tags->visualItemRect(h1).center());
        emit tags->itemEntered(h1); // offscreen, the pointer's move does not always arrive
        EXPECT_EQ(dialog.LabelHint()->text(), QStringLiteral("Назначение тега в HTML: заголовок1"));
        EXPECT_EQ(Find<QLineEdit>(dialog, "CurrentSelector")->text(), QStringLiteral("P"));
        Find<QPushButton>(dialog, "Cancel")->click();
    });
    EXPECT_EQ(dialog.Execute(QString()), QString());
}

// A selector that would break the sheet: the message box says why, and the builder stays
// open with what was typed, to be put right.
TEST(CreateSelectorDialog, ARefusedSelectorKeepsTheDialogAndTheTyping) {
    TCreateSelector dialog;
    QString told;
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* box = Find<QLineEdit>(dialog, "CurrentSelector");
        QTest::keyClicks(box, ".note /* draft");
        QTimer::singleShot(0, [&] {
            auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(message, nullptr);
            told = message->text();
            message->accept();
        });
        Find<QPushButton>(dialog, "Ok")->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(box->text(), QStringLiteral(".note /* draft"));
        QTest::keyClicks(box, " */");
        Find<QPushButton>(dialog, "Ok")->click();
        acted = true;
    });
    EXPECT_EQ(dialog.Execute(QString()), QStringLiteral(".note /* draft */"));
    EXPECT_TRUE(acted);
    EXPECT_TRUE(told.startsWith(
        QStringLiteral("Селектор .note /* draft недопустим: комментарий /* (знак 7) не закрыт.\n")))
        << told.toStdString();
}

} // namespace
} // namespace tesselo
