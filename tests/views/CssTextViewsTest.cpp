// The text views read as CSS: completion and checks in the current style's text, the
// find bar and the line to go to, the colours of a big sheet put only on what is shown.

#include "views/CssHighlighting.h"
#include "views/CssTextView.h"
#include "views/FindBar.h"
#include "views/SourceViewPages.h"

#include "support/TextFormats.h"
#include "support/ViewsSession.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace tesselo {
namespace {

using testing::FormatAt;
using testing::Underlined;

class CssTextViewsTest : public testing::ViewsSession {
protected:
    void Show(const std::string& sheet) {
        editor.UseDialogs(dialogs);
        Open(sheet);
        views = new SourceViewPages(editor, Text(), dialogs, &window);
        QObject::connect(views, &SourceViewPages::Changed, [this] { views->RenderMemo(); });
        views->RenderMemo();
        window.resize(500, 400);
        views->resize(window.size());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // The current style's text replaced by typing; a line end closes the list of choices
    // first, as Enter would take a choice.
    void Type(const char* typed) {
        Memo().setFocus();
        Memo().selectAll();
        const QStringList lines = QString::fromUtf8(typed).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(&Memo(), Qt::Key_Escape);
                QTest::keyClick(&Memo(), Qt::Key_Return);
            }
            QTest::keyClicks(&Memo(), lines[i].toUtf8().constData());
        }
    }
    QPlainTextEdit& Memo() const { return *views->Memo(); }
    QStringList Offered() const {
        QStringList list;
        const QAbstractItemModel& model = *views->Completer()->model();
        for (int row = 0; row < model.rowCount(); ++row)
            list.append(model.index(row, 0).data().toString());
        return list;
    }
    bool ListOpen() const { return views->Completer()->popup()->isVisible(); }
    QString Hint() const {
        auto* hint = views->findChild<QLabel*>(QStringLiteral("MemoHint"));
        return hint->isVisible() ? hint->text() : QString();
    }
    CssTextView& View(int page) const { return *views->TextView(page); }

    QWidget window;
    SourceViewPages* views = nullptr;
};

TEST_F(CssTextViewsTest, TypingANameOffersPropertiesAndTabTakesTheFirst) {
    Show("h1 { color: red }\np { margin: 0 auto }\n");
    Type("col");
    ASSERT_TRUE(ListOpen());
    ASSERT_FALSE(Offered().isEmpty());
    EXPECT_EQ(Offered().first(), QStringLiteral("color"));
    QTest::keyClick(&Memo(), Qt::Key_Tab);
    EXPECT_EQ(Memo().toPlainText(), QStringLiteral("color: "));
    EXPECT_TRUE(Memo().document()->isUndoAvailable()) << "the box's own step";
    // The name's values are offered at once, and the one taken ends the declaration.
    ASSERT_TRUE(ListOpen());
    const QString value = Offered().first();
    EXPECT_EQ(value.toLower(), QStringLiteral("red")) << "the sheet's own value first";
    QTest::keyClick(&Memo(), Qt::Key_Tab);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(Memo().toPlainText(), QStringLiteral("color: ") + value);
}

// After the name the property's values, the sheet's first; Enter takes the one selected.
TEST_F(CssTextViewsTest, AfterTheColonTheValuesTheSheetUsesComeFirst) {
    Show("h1 { color: red }\np { margin: 0 auto }\n");
    Type("margin: ");
    ASSERT_TRUE(ListOpen());
    EXPECT_EQ(Offered().first(), QStringLiteral("0 auto"));
    QTest::keyClick(&Memo(), Qt::Key_Return);
    EXPECT_EQ(Memo().toPlainText(), QStringLiteral("margin: 0 auto"));
    // A value stored into a rule is offered once the sheet's words are gathered again.
    Type("margin: 7px");
    QTest::keyClick(&Memo(), Qt::Key_Escape);
    QTest::mouseClick(views->findChild<QPushButton*>(QStringLiteral("BtnStyleUpdate")),
                      Qt::LeftButton);
    QTest::qWait(50);
    Type("margin: ");
    EXPECT_TRUE(Offered().contains(QStringLiteral("7px")));
}

TEST_F(CssTextViewsTest, CtrlSpaceOffersWhatATypedWordWouldNot) {
    Show("h1 { color: red }\n");
    Type("width: 12");
    QTest::keyClick(&Memo(), Qt::Key_Escape);
    EXPECT_FALSE(ListOpen());
    QTest::keyClick(&Memo(), Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(ListOpen());
    EXPECT_EQ(Offered().first(), QStringLiteral("px"));
    QTest::keyClick(&Memo(), Qt::Key_Tab);
    EXPECT_EQ(Memo().toPlainText(), QStringLiteral("width: 12px"));
}

TEST_F(CssTextViewsTest, WhatIsWrongIsUnderlinedAndItsHintShownOnItsLine) {
    Show("h1 { color: red }\n");
    const struct {
        const char* Typed;
        int Marked; // a character underlined, or -1 for none
        const char* Hint;
    } cases[] = {
        {"colr: red", 1, "Неизвестное свойство «colr»"},
        {"display: red", 10, "Свойство «display» не принимает значение «red»"},
        {"color: red;\n  margin: 0", -1, ""},
        {"color: red\n  margin: 0", 15, "Пропущена точка с запятой перед «margin»"},
        {"width: calc(1px", 11, "скобка ( (знак 12) не закрыта"},
    };
    for (const auto& c : cases) {
        Type(c.Typed);
        QTest::keyClick(&Memo(), Qt::Key_Escape);
        if (c.Marked < 0) {
            EXPECT_TRUE(views->MemoMarks().Marks().empty()) << c.Typed;
            for (int at = 0; at < Memo().document()->characterCount(); ++at)
                EXPECT_FALSE(Underlined(Memo(), at)) << c.Typed << " at " << at;
            EXPECT_EQ(Hint(), QString()) << c.Typed;
            continue;
        }
        EXPECT_TRUE(Underlined(Memo(), c.Marked)) << c.Typed;
        // The hint on the caret's line, and as the tool tip of the mark.
        QTextCursor caret(Memo().document());
        caret.setPosition(c.Marked);
        Memo().setTextCursor(caret);
        EXPECT_EQ(Hint(), QString::fromUtf8(c.Hint)) << c.Typed;
    }
}

// The values nothing else marked go to the page's engine once the typing pauses; what it
// refuses is underlined with its hint, until the text changes. A late answer, about a
// text since changed, marks nothing.
TEST_F(CssTextViewsTest, TheEnginesWordOnAValueIsUnderlined) {
    Show("h1 { color: red }\n");
    std::vector<std::pair<int, std::vector<ValueCheck>>> asked;
    views->UseEngineCheck([&](int request, const std::vector<ValueCheck>& values) {
        asked.emplace_back(request, values);
    });
    Type("colr: red; margin: 1px; gap: 1e; color: var(--x)");
    QTest::keyClick(&Memo(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !asked.empty(); }, 3000));
    ASSERT_EQ(asked.size(), 1u) << "asked once the typing paused";
    // Not the unknown name, which is marked already, nor a value with var().
    EXPECT_EQ(asked[0].second, (std::vector<ValueCheck>{{"margin", "1px"}, {"gap", "1e"}}));
    views->EngineChecked(asked[0].first, {true, false});
    const int value = static_cast<int>(Memo().toPlainText().indexOf(QStringLiteral("1e")));
    EXPECT_TRUE(Underlined(Memo(), value));
    EXPECT_FALSE(Underlined(Memo(), value - 8)) << "margin's value is taken";
    EXPECT_EQ(Hint().toStdString(), "Неизвестное свойство «colr»") << "the first on the line";

    Type("gap: 2e");
    QTest::keyClick(&Memo(), Qt::Key_Escape);
    views->EngineChecked(asked[0].first, {true, false}); // about the text before
    EXPECT_FALSE(Underlined(Memo(), 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked.size() == 2; }, 3000));
    views->EngineChecked(asked[1].first, {false});
    EXPECT_TRUE(Underlined(Memo(), 5));
    EXPECT_EQ(Hint(), QStringLiteral("Браузер не принимает значение «2e» свойства gap"));
}

TEST_F(CssTextViewsTest, AClosingBraceIsRefusedWithTheTypingKept) {
    Show("h1 { color: red }\n");
    const LineList before = editor.Document().Record(0).Lines();
    Type("color: blue; } p { color: red");
    EXPECT_FALSE(Hint().isEmpty());
    auto& update = *views->findChild<QPushButton*>(QStringLiteral("BtnStyleUpdate"));
    dialogs.Shown.clear();
    QTest::mouseClick(&update, Qt::LeftButton);
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_NE(dialogs.Shown[0].Text.find("закрыла бы правило"), std::string::npos);
    EXPECT_EQ(Memo().toPlainText(), QStringLiteral("color: blue; } p { color: red"));
    EXPECT_EQ(editor.Document().Record(0).Lines(), before);
}

TEST_F(CssTextViewsTest, CtrlFFindsTheMatchesOfTheComposedSheetInTurn) {
    Show("h1 { color: red }\np { color: blue }\na { background-color: green }\n");
    views->setCurrentIndex(SourceViewPages::CSSView);
    CssTextView& composed = View(SourceViewPages::CSSView);
    composed.setFocus();
    QTest::keyClick(&composed, Qt::Key_F, Qt::ControlModifier);
    FindBar& bar = *views->FindBarOf(SourceViewPages::CSSView);
    ASSERT_TRUE(bar.isVisible());
    auto& text = *bar.findChild<QLineEdit*>(QStringLiteral("FindText"));
    EXPECT_TRUE(text.hasFocus());
    QTest::keyClicks(&text, "COLOR");
    const QString sheet = composed.toPlainText();
    EXPECT_EQ(composed.textCursor().selectionStart(), sheet.indexOf(QStringLiteral("color")));
    EXPECT_EQ(bar.CountText(), QStringLiteral("1 из 3"));
    QTest::keyClick(&text, Qt::Key_Return);
    EXPECT_EQ(composed.textCursor().selectionStart(),
              sheet.indexOf(QStringLiteral("color"), sheet.indexOf(QStringLiteral("color")) + 1));
    EXPECT_EQ(bar.CountText(), QStringLiteral("2 из 3"));
    QTest::keyClick(&text, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(bar.CountText(), QStringLiteral("1 из 3"));
    QTest::keyClick(&text, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(bar.CountText(), QStringLiteral("3 из 3")) << "round from the end";
    QTest::keyClicks(&text, "x");
    EXPECT_EQ(bar.CountText(), QStringLiteral("не найдено"));
    QTest::keyClick(&text, Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_TRUE(composed.hasFocus());
}

TEST_F(CssTextViewsTest, CtrlGTakesTheCaretToTheLineTyped) {
    Show("h1 {\n  color: red;\n}\np {\n  margin: 0;\n}\n");
    views->setCurrentIndex(SourceViewPages::CSSView);
    CssTextView& composed = View(SourceViewPages::CSSView);
    composed.setFocus();
    QTest::keyClick(&composed, Qt::Key_G, Qt::ControlModifier);
    FindBar& bar = *views->FindBarOf(SourceViewPages::CSSView);
    auto& line = *bar.findChild<QLineEdit*>(QStringLiteral("GoToLine"));
    ASSERT_TRUE(line.isVisible());
    line.selectAll();
    QTest::keyClicks(&line, "5");
    QTest::keyClick(&line, Qt::Key_Return);
    EXPECT_EQ(composed.textCursor().blockNumber(), 4);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_FALSE(bar.GoToLine(0));
    EXPECT_FALSE(bar.GoToLine(1000));
    EXPECT_EQ(composed.textCursor().blockNumber(), 4);
}

TEST_F(CssTextViewsTest, TheBracketAtTheCaretShowsItsPartner) {
    Show("h1 { color: rgb(1, 2, 3) }\n");
    views->setCurrentIndex(SourceViewPages::CSSView);
    CssTextView& composed = View(SourceViewPages::CSSView);
    const QString sheet = composed.toPlainText();
    const struct {
        int Caret;
        std::pair<int, int> Brackets;
    } cases[] = {
        {int(sheet.indexOf('{')), {int(sheet.indexOf('{')), int(sheet.indexOf('}'))}},
        {int(sheet.indexOf(')')) + 1, {int(sheet.indexOf(')')), int(sheet.indexOf('('))}},
        {1, {-1, -1}},
    };
    for (const auto& c : cases) {
        QTextCursor caret(composed.document());
        caret.setPosition(c.Caret);
        composed.setTextCursor(caret);
        EXPECT_EQ(composed.MatchedBrackets(), c.Brackets) << c.Caret;
    }
    EXPECT_GT(composed.LineNumbers()->width(), 0);
}

// The backup copy of a big sheet: the lines in view coloured, those further down only
// once they are scrolled to.
TEST_F(CssTextViewsTest, ABigSheetIsColouredWhereItIsShown) {
    Show("h1 { color: red }\n");
    std::string big = "/* a comment\n   over lines */\n";
    for (int i = 0; i < 20000; ++i)
        big += ".rule-" + std::to_string(i) + " { color: red; margin: 0 }\n";
    testing::WriteBytes(dir.File("a.css") + ".ORIGINAL", big);
    views->setCurrentIndex(SourceViewPages::CssDiskView);
    CssTextView& onDisk = View(SourceViewPages::CssDiskView);
    const ShownLinesColouring& colours = *views->Colouring(SourceViewPages::CssDiskView);
    ASSERT_TRUE(QTest::qWaitFor([&] { return colours.ColouredLines() > 0; }, 5000));
    EXPECT_LT(colours.ColouredLines(), 200);
    const QTextBlock second = onDisk.document()->findBlockByNumber(1);
    EXPECT_TRUE(FormatAt(onDisk, second.position() + 3)->fontItalic()) << "still the comment";
    const QTextBlock rule = onDisk.document()->findBlockByNumber(2);
    const int red = int(rule.position() + rule.text().indexOf(QStringLiteral("red")));
    EXPECT_EQ(FormatAt(onDisk, red)->background().color(), QColor(Qt::red));

    ASSERT_TRUE(QTest::qWaitFor([&] { return onDisk.document()->blockCount() > 20000; }, 20000));
    const QTextBlock last = onDisk.document()->findBlockByNumber(20000);
    EXPECT_FALSE(FormatAt(onDisk, last.position()).has_value()) << "not shown yet";
    onDisk.verticalScrollBar()->setValue(onDisk.verticalScrollBar()->maximum());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return FormatAt(onDisk, last.position()).has_value(); }, 5000));
    EXPECT_EQ(FormatAt(onDisk, last.position())->fontWeight(), QFont::Bold) << "a selector";
    EXPECT_LT(colours.ColouredLines(), 400);
}

// Bytes of UTF-8 and the characters of the text box: a letter of two bytes, a sign of
// four (two characters of the box), and the colour after them put on its own letters.
TEST_F(CssTextViewsTest, ColoursAndMarksStandWhereTheirCharactersAreAfterNonAsciiText) {
    const Utf8Text text(QStringLiteral("/* Цвет 😀 */ colr: red"));
    const struct {
        size_t Byte;
        int Char;
    } cases[] = {{0, 0}, {3, 3}, {5, 4}, {11, 7}, {12, 8}, {16, 10}, {29, 23}};
    for (const auto& c : cases) {
        EXPECT_EQ(text.CharAt(c.Byte), c.Char) << c.Byte;
        EXPECT_EQ(text.ByteAt(c.Char), c.Byte) << c.Char;
    }
    Show("h1 { color: red }\n");
    // Put in whole: the test's keys are ASCII only.
    Memo().setPlainText(QStringLiteral("/* Цвет 😀 */ color: red;\ncolr: blue"));
    const QString typed = Memo().toPlainText();
    const int red = int(typed.indexOf(QStringLiteral("red")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return FormatAt(Memo(), red).has_value(); }, 5000));
    EXPECT_EQ(FormatAt(Memo(), red)->background().color(), QColor(Qt::red));
    EXPECT_EQ(FormatAt(Memo(), red + 2)->background().color(), QColor(Qt::red));
    EXPECT_EQ(FormatAt(Memo(), red + 3)->background().style(), Qt::NoBrush) << "the semicolon";
    const int colr = int(typed.indexOf(QStringLiteral("colr")));
    EXPECT_TRUE(Underlined(Memo(), colr));
    EXPECT_TRUE(Underlined(Memo(), colr + 3));
    EXPECT_FALSE(Underlined(Memo(), colr + 4));
}

// A rule's text too big to check at each key is coloured where it is shown and not
// checked; a small one after it is checked again.
TEST_F(CssTextViewsTest, ABigRuleIsColouredWhereShownAndNotChecked) {
    std::string big = ".tokens {\n  colr: red;\n";
    for (int i = 0; big.size() < 300'000; ++i)
        big += "  --token-" + std::to_string(i) + ": " + std::to_string(i % 97) + "px;\n";
    big += "}\nh1 { colr: red }\n";
    Show(big);
    ASSERT_GT(Memo().document()->characterCount(), 200'000);
    EXPECT_TRUE(views->MemoMarks().Marks().empty());
    const int colr = int(Memo().toPlainText().indexOf(QStringLiteral("colr")));
    ASSERT_GE(colr, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return FormatAt(Memo(), colr).has_value(); }, 5000));
    EXPECT_FALSE(Underlined(Memo(), colr + 1));
    const QTextBlock last = Memo().document()->lastBlock();
    EXPECT_FALSE(FormatAt(Memo(), last.position() + 4).has_value()) << "not shown";

    editor.Select(1);
    views->RenderMemo();
    EXPECT_EQ(views->MemoMarks().Marks().size(), 1u);
    const int small = int(Memo().toPlainText().indexOf(QStringLiteral("colr")));
    EXPECT_TRUE(Underlined(Memo(), small + 1));
}

// A rule's lines in the composed sheet and the backup copy, selected; a selector that
// stands twice is found the second time for the second rule.
TEST_F(CssTextViewsTest, ARulesLinesAreShownInTheSheetAndItsCopy) {
    const std::string sheet = "h1 { color: red }\n\np,\na {\n  margin: 0;\n}\n@media print {\n"
                              "  h1 { color: black }\n}\nbh1 { }\n";
    Show(sheet);
    testing::WriteBytes(dir.File("a.css") + ".ORIGINAL", sheet);
    const struct {
        int Record;
        int FirstLine; // from 0
        int LastLine;
    } cases[] = {{0, 0, 0}, {1, 2, 5}, {3, 7, 7}, {4, 9, 9}};
    ASSERT_EQ(editor.Document().StyleCount(), 5);
    for (const auto& c : cases) {
        views->ShowRuleLines(c.Record);
        for (int page : {SourceViewPages::CSSView, SourceViewPages::CssDiskView}) {
            const QTextCursor shown = View(page).textCursor();
            QTextCursor first = shown;
            first.setPosition(shown.selectionStart());
            QTextCursor last = shown;
            last.setPosition(shown.selectionEnd());
            EXPECT_EQ(first.blockNumber(), c.FirstLine) << c.Record << " on page " << page;
            EXPECT_EQ(last.blockNumber(), c.LastLine) << c.Record << " on page " << page;
        }
    }
}

// A sheet too big to go in at once, with letters of two bytes before its last rule: the
// rule's lines are put in and shown where they are, counted in characters, not bytes.
TEST_F(CssTextViewsTest, ARulesLinesFarDownABigSheetAreShownThere) {
    std::string sheet;
    constexpr int kRules = 12000;
    for (int i = 0; i < kRules; ++i) {
        sheet += ".r";
        sheet += std::to_string(i);
        sheet += " { content: \"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\" }\n";
    }
    Show(sheet);
    testing::WriteBytes(dir.File("a.css") + ".ORIGINAL", sheet);
    for (const int record : {kRules - 1, 7000}) {
        views->ShowRuleLines(record);
        for (int page : {SourceViewPages::CSSView, SourceViewPages::CssDiskView}) {
            const QTextCursor shown = View(page).textCursor();
            EXPECT_EQ(shown.block().blockNumber(), record) << "on page " << page;
            EXPECT_TRUE(shown.block().text().startsWith(
                QStringLiteral(".r%1 { content: \"\u00e9").arg(record)))
                << shown.block().text().toStdString();
        }
    }
}

} // namespace
} // namespace tesselo
