#include "views/SourceViewPages.h"

#include "platform/QtText.h"
#include "support/ViewsSession.h"
#include "views/SourceViews.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <vector>

namespace tesselo {
namespace {

// The views in a window of their own, shown again after a change as the main window
// shows them.
class SourceViewPagesTest : public testing::ViewsSession {
protected:
    void Show(const std::string& sheet) {
        Open(sheet);
        views = new SourceViewPages(editor, Text(), dialogs, &window);
        QObject::connect(views, &SourceViewPages::Changed, [this] { views->RenderMemo(); });
        QObject::connect(views, &SourceViewPages::PropertyPageWanted,
                         [this](int page) { pages.push_back(page); });
        views->RenderMemo();
        window.resize(400, 300);
        views->resize(window.size());
        window.show();
    }
    QPlainTextEdit& Memo() const { return *views->Memo(); }
    QPushButton& Update() const {
        return *views->findChild<QPushButton*>(QStringLiteral("BtnStyleUpdate"));
    }

    QWidget window;
    SourceViewPages* views = nullptr;
    std::vector<int> pages;
};

TEST_F(SourceViewPagesTest, AHandEditIsPushedIntoThePanelWithTheButton) {
    Show("h1 { color: red }\n");
    EXPECT_FALSE(Update().isVisible());
    EXPECT_EQ(Update().text(), QStringLiteral("Обновить панели инструменов >>>"));
    Memo().setFocus();
    Memo().selectAll();
    QTest::keyClicks(&Memo(), "margin-top : 5px");
    EXPECT_TRUE(Update().isVisible());
    QTest::mouseClick(&Update(), Qt::LeftButton);
    EXPECT_FALSE(Update().isVisible());
    EXPECT_EQ(Memo().toPlainText(), QStringLiteral("; Margin-top: 5px;"));
    EXPECT_TRUE(editor.Document().Modified);
}

TEST_F(SourceViewPagesTest, TheCaretAsksForThePropertyPageOfItsLine) {
    Show("h1 { color: red; margin-top: 1px; width: 3px; cursor: wait }\n");
    const QStringList lines = Memo().toPlainText().split('\n');
    ASSERT_GE(lines.size(), 3);
    std::vector<int> expected;
    for (int i = 0; i < lines.size(); ++i) {
        QTextCursor cursor(Memo().document()->findBlockByNumber(i));
        cursor.movePosition(QTextCursor::EndOfBlock);
        Memo().setTextCursor(cursor);
        if (const int page = PropertyPageForLine(ToDocumentText(lines[i])); page >= 0)
            expected.push_back(page);
    }
    EXPECT_GE(expected.size(), 2u);
    EXPECT_EQ(pages, expected);
    pages.clear();
    views->RenderMemo();
    EXPECT_TRUE(pages.empty()) << "the text shown anew moves the caret quietly";
}

TEST_F(SourceViewPagesTest, CutAndPasteActOnlyOnTheCurrentStylesPage) {
    Show("h1 { color: red }\n");
    views->setCurrentIndex(SourceViewPages::CssMemoView);
    Memo().selectAll();
    views->setCurrentIndex(SourceViewPages::CSSView);
    views->Cut();
    views->setCurrentIndex(SourceViewPages::CssMemoView);
    EXPECT_FALSE(Memo().toPlainText().isEmpty());
    Memo().selectAll();
    views->Cut();
    EXPECT_TRUE(Memo().toPlainText().isEmpty());
    EXPECT_TRUE(Update().isVisible());
    views->Paste();
    EXPECT_EQ(Memo().toPlainText(), QStringLiteral("; color: RED;"));
}

TEST_F(SourceViewPagesTest, TheComposedSheetShowsALongLineCutAndIsFilledOnlyWhenItChanged) {
    const std::string value(5000, 'a');
    Show("h1 { color: red; --long: " + value + " }\n");
    auto& composed = *views->findChild<QPlainTextEdit*>(QStringLiteral("HCSSMemo"));
    views->setCurrentIndex(SourceViewPages::CSSView);
    const QString line = composed.document()->firstBlock().text();
    const QString note = QStringLiteral(" … [строка сокращена: 5 027 символов]");
    EXPECT_EQ(line.size(), 4000 + note.size()) << line.right(60).toStdString();
    EXPECT_TRUE(line.endsWith(note));
    EXPECT_NE(editor.Document().SheetText.Text().find(value), std::string::npos);
    EXPECT_TRUE(Memo().toPlainText().contains(QString::fromStdString(value)));
    // Turning back to an unchanged sheet leaves the view as it is; a change fills it.
    composed.setPlainText(QStringLiteral("as left"));
    views->setCurrentIndex(SourceViewPages::CssMemoView);
    views->setCurrentIndex(SourceViewPages::CSSView);
    EXPECT_EQ(composed.toPlainText(), QStringLiteral("as left"));
    views->setCurrentIndex(SourceViewPages::CssMemoView);
    Memo().setFocus();
    Memo().selectAll();
    QTest::keyClicks(&Memo(), "margin-top : 5px");
    QTest::mouseClick(&Update(), Qt::LeftButton);
    views->setCurrentIndex(SourceViewPages::CSSView);
    EXPECT_TRUE(composed.toPlainText().contains(QStringLiteral("Margin-top: 5px")));
}

TEST_F(SourceViewPagesTest, TheBackupCopyIsReadAgainOnlyWhenItChangedOnDisk) {
    Show("h1 { color: red }\n");
    const std::string backup = dir.File("a.css") + ".ORIGINAL";
    testing::WriteBytes(backup, "h1 { color: red }\n");
    auto& onDisk = *views->findChild<QPlainTextEdit*>(QStringLiteral("HCssInDiskMemo"));
    views->setCurrentIndex(SourceViewPages::CssDiskView);
    EXPECT_EQ(onDisk.toPlainText(), QStringLiteral("h1 { color: red }"));
    onDisk.setPlainText(QStringLiteral("as left"));
    views->setCurrentIndex(SourceViewPages::CssMemoView);
    views->setCurrentIndex(SourceViewPages::CssDiskView);
    EXPECT_EQ(onDisk.toPlainText(), QStringLiteral("as left"));
    testing::WriteBytes(backup, "h1 { color: blue }\n"); // saved meanwhile: another size
    views->setCurrentIndex(SourceViewPages::CssMemoView);
    views->setCurrentIndex(SourceViewPages::CssDiskView);
    EXPECT_EQ(onDisk.toPlainText(), QStringLiteral("h1 { color: blue }"));
}

// A big backup copy shows its first lines at once and the rest in steps, without the view
// moving; another text asked for meanwhile stops the one still coming.
TEST_F(SourceViewPagesTest, ABigTextShowsItsBeginningAtOnceAndTheRestInSteps) {
    Show("h1 { color: red }\n");
    std::string big;
    for (int i = 0; i < 40000; ++i)
        big += ".rule-" + std::to_string(i) + " { color: red }\n";
    const std::string backup = dir.File("a.css") + ".ORIGINAL";
    testing::WriteBytes(backup, big);
    auto& onDisk = *views->findChild<QPlainTextEdit*>(QStringLiteral("HCssInDiskMemo"));
    views->setCurrentIndex(SourceViewPages::CssDiskView);
    const int first = onDisk.document()->blockCount();
    EXPECT_GT(first, 100);
    EXPECT_LT(first, 40000);
    EXPECT_EQ(onDisk.document()->firstBlock().text(), ".rule-0 { color: red }");
    EXPECT_EQ(onDisk.document()->findBlockByNumber(first - 1).text(),
              QStringLiteral(".rule-%1 { color: red }").arg(first - 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return onDisk.document()->blockCount() == 40000; }, 20000));
    QTest::qWait(20);
    EXPECT_EQ(onDisk.toPlainText() + QLatin1Char('\n'), QString::fromStdString(big));
    EXPECT_EQ(onDisk.verticalScrollBar()->value(), 0);
    EXPECT_EQ(onDisk.textCursor().position(), 0);

    testing::WriteBytes(backup, big + big);
    views->setCurrentIndex(SourceViewPages::CssMemoView);
    views->setCurrentIndex(SourceViewPages::CssDiskView);
    testing::WriteBytes(backup, "h1 { color: blue }\n");
    views->setCurrentIndex(SourceViewPages::CssMemoView);
    views->setCurrentIndex(SourceViewPages::CssDiskView);
    QTest::qWait(100);
    EXPECT_EQ(onDisk.toPlainText(), QStringLiteral("h1 { color: blue }"));
}

} // namespace
} // namespace tesselo
