#include "app/EditCSS.h"
#include "mapping/LayeredValue.h"
#include "mapping/PropertySet.h"
#include "panel/EffectsPage.h"
#include "panel/LazyIcon.h"
#include "panel/PanelControls.h"
#include "panel/PanelLayout.h"
#include "panel/PropertyPanel.h"
#include "panel/VariablesPage.h"
#include "support/Fakes.h"
#include "support/FindWidget.h"
#include "support/MouseDrag.h"
#include "support/PanelFakes.h"
#include "support/Pictures.h"
#include "support/TempDir.h"
#include "support/WindowServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragMoveEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace tesselo {
namespace {

// The real window with the panel in it, its dialogs answered by fakes.
class PanelWiring : public ::testing::Test, protected testing::WindowServices {
protected:
    void SetUp() override { Start({}); }

    void Start(std::vector<std::string> arguments) {
        form.reset();
        form = Window(arguments);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // The window opened on a sheet with these bytes, its first rule selected.
    void Open(const std::string& bytes) {
        testing::WriteBytes(SheetPath(), bytes);
        Start({SheetPath()});
    }
    std::string SheetPath() const { return dir.File("a.css"); }
    std::string Saved() {
        form->Action(ActionId::Save)->trigger();
        return testing::ReadBytes(SheetPath());
    }
    // Replaces the text of a field or box with keys typed, as a user does.
    static void Retype(QWidget* widget, const QString& keys) {
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : keys) {
            // Each character as the key that types it, Cyrillic letters included.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }

    template <typename W = QWidget> W* Find(const QString& name) {
        auto* widget = form->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    void ShowPage(const char* name) {
        Control<QTabWidget>(*form, "TABPANEL")->setCurrentWidget(Find(QString::fromLatin1(name)));
    }
    QString Memo() const { return Control<QPlainTextEdit>(*form, "CSSMemo")->toPlainText(); }
    std::string JoinedMemoLines() const {
        std::string text;
        const LineList& lines = form->Editor().Memo().Lines;
        for (size_t i = 0; i < lines.size(); ++i)
            text += (i ? "\n" : "") + lines[i];
        return text;
    }

    testing::TempDir dir;
    testing::WindowUnderTest form;
};

TEST_F(PanelWiring, EveryControlIsThereUnderItsName) {
    // A page's controls are there once it was shown.
    for (const char* page : {"MarginPadding", "DisplayVis", "PositionFloat", "BBColor"})
        ShowPage(page);
    for (const auto& row : KeywordButtonRows()) {
        auto* button = Find<QToolButton>(QString::fromUtf8(Info(row.Button).Name));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isCheckable());
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        EXPECT_TRUE(button->text().isEmpty() ||
                    button->toolButtonStyle() == Qt::ToolButtonIconOnly);
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    }
    for (const auto& info : LengthTable()) {
        const QString name = QString::fromUtf8(info.Name);
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
        EXPECT_EQ(Find<QToolBar>(QString::fromLatin1(name))->parentWidget(),
                  Control<QWidget>(*form, "PanelToolStyle"));
    QStringList pages;
    for (int i = 0; i < Control<QTabWidget>(*form, "TABPANEL")->count(); ++i)
        pages << Control<QTabWidget>(*form, "TABPANEL")->widget(i)->objectName();
    EXPECT_EQ(pages, (QStringList{"BBColor", "MarginPadding", "DisplayVis", "PositionFloat",
                                  "Layout", "Effects", "AllProperties", "Variables"}));
    EXPECT_EQ(Find<QToolButton>(QStringLiteral("Z_2"))->text(), QStringLiteral("in"));
    EXPECT_FALSE(Find<QComboBox>(QStringLiteral("FontType2"))->isEnabled());
    auto* families = Find<QComboBox>(QStringLiteral("FontType"));
    families->showPopup(); // the list as it drops down
    EXPECT_EQ(families->itemText(5), QStringLiteral("monospace"));
    families->hidePopup();
}

// The page "Фон и цвет" on a rule that reads its colours through var(): each swatch in the
// colour the variable stands for, its tip naming the variable; a var() that leads nowhere
// keeps the hatching and says why.
TEST_F(PanelWiring, SwatchesShowTheColourAVarStandsFor) {
    Open("h1 { color: var(--ink); background-color: var(--nowhere) }\n"
         ":root { --ink: #0d6efd; --gap: 12px }\n");
    auto* ink = Find<ColorSwatchFrame>(QStringLiteral("FontColor"));
    EXPECT_EQ(ink->Color(), QColor(0x0d, 0x6e, 0xfd));
    EXPECT_TRUE(ink->toolTip().contains(QStringLiteral("var(--ink) = #0d6efd")));
    auto* nowhere = Find<ColorSwatchFrame>(QStringLiteral("BackGroundColor"));
    EXPECT_EQ(nowhere->ValueText(), QStringLiteral("var(--nowhere)"));
    EXPECT_TRUE(nowhere->toolTip().contains(QStringLiteral("--nowhere нигде")));
    // A length field holding var() says in its tip what it stands for.
    ShowPage("MarginPadding");
    auto* margin = Find<QLineEdit>(QStringLiteral("MarginTop"));
    margin->setText(QStringLiteral("var(--gap)"));
    EXPECT_TRUE(margin->toolTip().contains(QStringLiteral("var(--gap) = 12px")))
        << margin->toolTip().toStdString();

    // The swatch's right button puts one of the sheet's colours in.
    ShowPage("BBColor");
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        auto* colours = menu->findChild<QMenu*>(QStringLiteral("UseVariableMenu"));
        ASSERT_TRUE(colours);
        ASSERT_EQ(colours->actions().size(), 1) << "--ink alone is a colour";
        colours->actions().front()->trigger();
        menu->close();
    });
    emit nowhere->customContextMenuRequested(QPoint(2, 2));
    QApplication::processEvents();
    EXPECT_TRUE(Memo().contains(QStringLiteral("var(--ink)")));
    EXPECT_EQ(nowhere->Color(), QColor(0x0d, 0x6e, 0xfd)) << "the background is --ink now";

    // The page of variables shows its own change at once: the window leaves a change of
    // the panel's to the panel.
    ShowPage("Variables");
    auto* variables = Control<VariablesPage>(*form, "VariablesPage");
    auto gap = [variables] {
        const auto found = variables->Tree()->findItems(QStringLiteral("--gap"),
                                                        Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    };
    ASSERT_TRUE(gap());
    EXPECT_TRUE(variables->TakeValue(gap(), QStringLiteral("2rem")));
    ASSERT_TRUE(gap());
    EXPECT_EQ(gap()->text(VariablesPage::ValueColumn), QStringLiteral("2rem"));
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
    EXPECT_TRUE(form->Editor().Document().Modified);
}

// Closing the window takes the focus from a field, which is leaving it, while the
// session is still there; what was typed is what the close saves.
TEST_F(PanelWiring, ClosingWithALengthFieldFocusedSavesWhatWasTyped) {
    Open("h1 { }\r\n");
    ShowPage("MarginPadding");
    auto* edit = Find<QLineEdit>(QStringLiteral("MarginTop"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("2"));
    ASSERT_EQ(QApplication::focusWidget(), edit);
    dialogs.Answers = {Answer::Yes};
    EXPECT_TRUE(form->close());
    form.reset();
    EXPECT_EQ(testing::ReadBytes(SheetPath()), "h1 {\r\n; Margin-top: 2px;\r\n}\r\n");
}

TEST_F(PanelWiring, EnterInAFieldLeavesItAndNormalisesIt) {
    auto* edit = Find<QLineEdit>(QStringLiteral("LineHeight"));
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->setText(QStringLiteral("3,75")); // pasted, past the key filter
    emit edit->textEdited(edit->text());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Control<QPushButton>(*form, "ZF"));
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

TEST_F(PanelWiring, TheChoosersCaptionsStandClearOfTheirEdges) {
    auto* chooser = Find<QFrame>(QStringLiteral("Z_Select"));
    for (QToolButton* button : chooser->findChildren<QToolButton*>()) {
        const int text = button->fontMetrics().horizontalAdvance(button->text());
        EXPECT_GE(button->width() - text, 10) << button->text().toStdString();
        EXPECT_GE(button->height() - button->fontMetrics().height(), 6);
    }
}

TEST_F(PanelWiring, ADownKeywordButtonLooksClearlyDifferent) {
    auto* button = Find<QToolButton>(QStringLiteral("TextAlignCenter"));
    const QImage up = button->grab().toImage();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseMove(Control<QPushButton>(*form, "ZF")); // no hover effect in the picture
    const QImage down = button->grab().toImage();
    ASSERT_EQ(up.size(), down.size());
    const int changed = testing::PixelsApart(up, down, 60);
    EXPECT_GT(changed, up.width() * up.height() / 2) << "the whole face changes";
}

TEST_F(PanelWiring, TheEightVerticalAlignPicturesDifferFromEachOther) {
    const char* names[] = {"TextVerticalAlignBottom",  "TextVerticalAlignTextBottom",
                           "TextVerticalAlignSub",     "TextVerticalAlignBaseline",
                           "TextVerticalAlignMiddle",  "TextVerticalAlignSuper",
                           "TextVerticalAlignTextTop", "TextVerticalAlignTop"};
    std::vector<QImage> pictures;
    for (const char* name : names)
        pictures.push_back(Find<QToolButton>(QString::fromLatin1(name))
                               ->icon()
                               .pixmap(16, 16)
                               .toImage()
                               .convertToFormat(QImage::Format_ARGB32));
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j) {
            int differ = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    differ += std::abs(qAlpha(pictures[i].pixel(x, y)) -
                                       qAlpha(pictures[j].pixel(x, y))) > 100;
            EXPECT_GE(differ, 20) << names[i] << " and " << names[j];
        }
}

TEST_F(PanelWiring, SwitchingTheSizeOffShowsSizeInTheBox) {
    auto* size = Find<QComboBox>(QStringLiteral("FontSize"));
    Retype(size->lineEdit(), QStringLiteral("12"));
    QTest::keyClick(size->lineEdit(), Qt::Key_Return);
    ASSERT_EQ(Memo(), QStringLiteral("; Font-size: 12px;"));
    size->setFocus();
    if (size->currentIndex() == 0)
        QTest::keyClick(size, Qt::Key_Down);
    for (int i = 0; i < 20 && size->currentIndex() != 0; ++i)
        QTest::keyClick(size, Qt::Key_Up); // up to the first entry, "выкл."
    EXPECT_EQ(size->lineEdit()->text(), QStringLiteral("Размер шрифта"));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return size->lineEdit()->text() == QStringLiteral("Размер"); }, 5000))
        << size->lineEdit()->text().toStdString();
    QTest::qWait(200); // and it stays so
    EXPECT_EQ(size->lineEdit()->text(), QStringLiteral("Размер"));
    EXPECT_EQ(Memo(), QString());
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
    EXPECT_EQ(QApplication::focusWidget(), Control<QPushButton>(*form, "ZF"));
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

// The view takes only the part of the text that changed, yet ends as a view filled
// anew: the rule's text exactly, the caret at the start, nothing to undo.
TEST_F(PanelWiring, AClickShowsTheRulesTextAsIfWrittenAnew) {
    Open("p {\n  color: red;\n  --a: 1;\n  --b: 2;\n  --c: 3;\n}\n");
    const QString read = Memo();
    auto* bold = Find<QToolButton>(QStringLiteral("FontBold"));
    for (int click = 0; click < 3; ++click) {
        Control<QPlainTextEdit>(*form, "CSSMemo")->moveCursor(QTextCursor::End);
        QTest::mouseClick(bold, Qt::LeftButton);
        EXPECT_EQ(Memo(), QString::fromStdString(JoinedMemoLines())) << click;
        EXPECT_EQ(Control<QPlainTextEdit>(*form, "CSSMemo")->textCursor().position(), 0) << click;
        EXPECT_FALSE(Control<QPlainTextEdit>(*form, "CSSMemo")->document()->isUndoAvailable())
            << click;
    }
    EXPECT_NE(Memo(), read);
    EXPECT_TRUE(Memo().contains(QStringLiteral("Font-weight: bold")));
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
    form->Editor().TypeText({"margin-top: 5mm;", "text-align: right;"});
    form->Editor().Select(0); // commits the text and reads it back into the panel
    form->Render();
    // The page first shown now shows the rule as it stands.
    ShowPage("MarginPadding");
    auto* margin = Find<QLineEdit>(QStringLiteral("MarginTop"));
    EXPECT_EQ(margin->text(), QStringLiteral("5"));
    EXPECT_EQ(margin->palette().color(QPalette::Base), QColor(Qt::white)) << "the set mark";
    EXPECT_EQ(Find<QToolButton>(QStringLiteral("MarginTop_"))->text(), QStringLiteral("mm"));
    EXPECT_TRUE(Find<QToolButton>(QStringLiteral("TextAlignRight"))->isChecked());
    EXPECT_NE(Find<QLineEdit>(QStringLiteral("MarginLeft"))->palette().color(QPalette::Base),
              QColor(Qt::white));
}

TEST_F(PanelWiring, APageShownLaterHasItsFieldsInTheTabOrderWhereThePageStands) {
    ShowPage("MarginPadding");
    std::vector<QString> order;
    QWidget* start = Find(QStringLiteral("FontType"));
    for (QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain())
        order.push_back(w->objectName());
    auto at = [&](const char* name) {
        return std::find(order.begin(), order.end(), QString::fromLatin1(name)) - order.begin();
    };
    EXPECT_LT(at("TextIndent"), at("MarginTop")) << "after the tool bars' fields";
    EXPECT_LT(at("MarginTop"), at("MarginBottom"));
    EXPECT_LT(at("MarginBottom"), at("CSSMemo")) << "before the views";
}

TEST(NameChoiceBox, TheNamesComeInWhenTheBoxIsReachedAndKeepTheTextShown) {
    QWidget window;
    auto* box = new NameChoiceBox(&window);
    box->setEditable(true);
    auto* elsewhere = new QLineEdit(&window);
    elsewhere->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    elsewhere->setFocus();
    for (int round = 0; round < 2; ++round) { // and again when the names change
        SCOPED_TRACE(round);
        const QString last = round ? QStringLiteral("fantasy") : QStringLiteral("monospace");
        box->SetNames({QStringLiteral("serif"), QStringLiteral("sans-serif"), last});
        box->SetChosen(2);
        box->lineEdit()->setText(QStringLiteral("Typed"));
        EXPECT_EQ(box->count(), round ? 3 : 0) << "not in yet, or the ones before";
        box->setFocus(); // as a click in its field gives it
        QApplication::processEvents();
        EXPECT_EQ(box->count(), 3);
        EXPECT_EQ(box->itemText(2), last);
        EXPECT_EQ(box->currentIndex(), 2);
        EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("Typed"));
        elsewhere->setFocus();
    }
}

TEST(NameChoiceBox, DropsDownAsWideAsItsLongestNameWhateverItsWidth) {
    NameChoiceBox box(nullptr);
    box.setEditable(true);
    box.resize(60, 24);
    box.show();
    const QString longest = QStringLiteral("A family name far longer than its box");
    for (int round = 0; round < 2; ++round) { // measured again when the names change
        box.SetNames({QStringLiteral("serif"), round ? longest + longest : longest});
        box.showPopup();
        EXPECT_GT(box.view()->width(),
                  box.view()->fontMetrics().horizontalAdvance(box.itemText(1)));
        box.hidePopup();
    }
}

TEST_F(PanelWiring, ARemSizeShowsItsUnitAndATypedUnitIsTaken) {
    Open("p { font-size: 1rem }\n");
    // Every key refreshes and reads the rule back: a half-typed "1.2v" must not lose it.
    form->Action(ActionId::AutoRefreshAction)->setChecked(true);
    auto* size = Find<QComboBox>(QStringLiteral("FontSize"));
    auto* unit = Find<QToolButton>(QStringLiteral("FontSize_"));
    EXPECT_EQ(size->lineEdit()->text(), QStringLiteral("1"));
    EXPECT_EQ(unit->text(), QStringLiteral("rem"));
    Retype(size->lineEdit(), QStringLiteral("1.2vw"));
    EXPECT_EQ(size->lineEdit()->text(), QStringLiteral("1.2vw")) << "shown as typed";
    EXPECT_EQ(unit->text(), QStringLiteral("vw"));
    EXPECT_TRUE(Memo().contains(QStringLiteral("Font-size: 1.2vw;"))) << Memo().toStdString();
    QTest::keyClick(size->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(size->lineEdit()->text(), QStringLiteral("1.2"));
    const std::string saved = Saved();
    EXPECT_NE(saved.find("Font-size: 1.2vw;"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("1rem"), std::string::npos) << saved;
}

struct AlphaCase {
    const char* Sheet;
    const char* Written;
};

class PanelColourWiring : public PanelWiring, public ::testing::WithParamInterface<AlphaCase> {};

TEST_P(PanelColourWiring, AColourWithAlphaIsWrittenInTheNotationRead) {
    Open(GetParam().Sheet);
    choices.ColorChoices = {Color{0xFF, 0, 0, 0x80}};
    QTest::mouseClick(Find(QStringLiteral("FontColor")), Qt::LeftButton);
    EXPECT_TRUE(Memo().contains(QStringLiteral("color: %1;").arg(GetParam().Written)))
        << Memo().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Notations, PanelColourWiring,
                         ::testing::Values(AlphaCase{"p { margin: 0 }\n", "rgba(255, 0, 0, 0.5)"},
                                           AlphaCase{"p { color: #00ff00 }\n", "#FF000080"},
                                           AlphaCase{"p { color: rgb(0, 0, 9) }\n",
                                                     "rgba(255, 0, 0, 0.5)"}));

TEST_F(PanelWiring, AChangedSideOfAMarginShorthandIsWrittenIntoIt) {
    Open("p { margin: 0 auto }\n");
    ShowPage("MarginPadding");
    auto* top = Find<QLineEdit>(QStringLiteral("MarginTop"));
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("MarginRight"))->text(), QStringLiteral("auto"));
    Retype(top, QStringLiteral("5"));
    QTest::keyClick(top, Qt::Key_Return);
    EXPECT_EQ(Memo(), QStringLiteral("; Margin: 5px auto 0;"));
}

TEST_F(PanelWiring, ATypedWebFontIsWrittenOnEnter) {
    auto* family = Find<QComboBox>(QStringLiteral("FontType"));
    Retype(family->lineEdit(), QStringLiteral("Inter"));
    QTest::keyClick(family->lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Memo().isEmpty(); }, 5000));
    EXPECT_EQ(Memo(), QStringLiteral("; Font-Family: Inter;"));
    EXPECT_EQ(family->lineEdit()->text(), QStringLiteral("Inter"));
    EXPECT_TRUE(Find<QComboBox>(QStringLiteral("FontType2"))->isEnabled());
}

TEST_F(PanelWiring, ALoneMinusStepped_TellsOnceAndNothingStepsBehindTheBox) {
    ShowPage("MarginPadding");
    auto* edit = Find<QLineEdit>(QStringLiteral("MarginTop"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("-"));
    ASSERT_EQ(edit->text(), QStringLiteral("-"));
    auto* up = Find(QStringLiteral("MarginTopUpDown"))->findChildren<QToolButton*>().first();
    int boxes = 0;
    // The box's own loop runs for a while, as a user reads the message.
    dialogs.OnShow = [&] {
        ++boxes;
        QTest::qWait(600);
    };
    QTest::mousePress(up, Qt::LeftButton);
    QTest::qWait(600); // the button is still held after the box
    QTest::mouseRelease(up, Qt::LeftButton);
    QTest::qWait(200);
    EXPECT_EQ(boxes, 1);
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Icon, MessageIcon::Error);
}

TEST_F(PanelWiring, ACyrillicFamilyOfAUtf8SheetIsShownAndWrittenInUtf8) {
    Open("p { font-family: Шрифт }\n");
    auto* family = Find<QComboBox>(QStringLiteral("FontType"));
    EXPECT_EQ(family->lineEdit()->text(), QStringLiteral("Шрифт"));
    Retype(family->lineEdit(), QStringLiteral("Гарнитура"));
    QTest::keyClick(family->lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Memo().contains(QStringLiteral("Font-Family: Гарнитура;")); }, 5000))
        << Memo().toStdString();
    const std::string saved = Saved();
    EXPECT_NE(saved.find("Font-Family: Гарнитура;"), std::string::npos) << "UTF-8 bytes";
    EXPECT_EQ(saved.find("Шрифт"), std::string::npos);
}

TEST_F(PanelWiring, TheBorderSideButtonsChooseTheSideTheControlsShow) {
    form->Editor().TypeText({"border: 1px solid; border-bottom: 3px dashed;"});
    form->Editor().Select(0);
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

namespace tesselo {
namespace {

// The window's history: Ctrl+Z takes back a keyword button, a rename and a drag, each
// with its rule shown, and Ctrl+Shift+Z and Ctrl+Y do them again.
TEST_F(PanelWiring, UndoAndRedoKeysTakeBackAndRedoTheWindowsChanges) {
    Open("h1 { color: red }\np { x: y }\n");
    const QString read = Memo();
    auto* bold = Find<QToolButton>(QStringLiteral("FontBold"));
    QTest::mouseClick(bold, Qt::LeftButton);
    EXPECT_EQ(form->Action(ActionId::EditUndo)->text(),
              QStringLiteral("Отменить: Font-weight в h1"));
    form->Action(ActionId::StyleRename)->trigger();
    auto* field = Control<QLineEdit>(*form, "RenameField");
    field->setText(QStringLiteral("h2"));
    QTest::keyClick(field, Qt::Key_Return);
    // Dragged onto the next row.
    auto* list = Control<QTreeView>(*form, "ListTag");
    const QPoint next = list->visualRect(list->model()->index(1, 0)).center();
    QMimeData rows;
    rows.setData(list->model()->mimeTypes().first(), QByteArray());
    QDragEnterEvent enter(next, Qt::MoveAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDragMoveEvent move(next, Qt::MoveAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QDropEvent drop(QPointF(next), Qt::MoveAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
    ASSERT_EQ(form->Editor().Document().ListItems(), (std::vector<std::string>{"p", "h2"}));

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->Editor().Document().ListItems(), (std::vector<std::string>{"h2", "p"}));
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->Editor().Document().ListItems(), (std::vector<std::string>{"h1", "p"}));
    EXPECT_EQ(Control<QTreeView>(*form, "ListTag")->model()->index(0, 0).data().toString(),
              QStringLiteral("h1"));
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Memo(), read) << "the rule as read, shown again";
    EXPECT_FALSE(form->Editor().Document().Modified);
    EXPECT_FALSE(form->Action(ActionId::EditUndo)->isEnabled());

    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Memo().contains(QStringLiteral("Font-weight: bold")));
    QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->Editor().Document().ListItems(), (std::vector<std::string>{"h2", "p"}));
    EXPECT_TRUE(form->Editor().Document().Modified);
    EXPECT_EQ(form->Action(ActionId::EditRedo)->text(),
              QStringLiteral("Повторить: перемещение стиля"));
}

// Typing in the style's text is the box's to take back until the text is stored.
TEST_F(PanelWiring, UndoInTheStyleTextBelongsToItUntilItsTextIsStored) {
    Open("h1 { color: red }\np { x: y }\n");
    QTest::mouseClick(Find<QToolButton>(QStringLiteral("FontBold")), Qt::LeftButton);
    const QString bold = Memo();
    auto* memo = Control<QPlainTextEdit>(*form, "CSSMemo");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, "zoom: 2;");
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Memo(), bold) << "the box took back its own typing";
    EXPECT_TRUE(form->Action(ActionId::EditUndo)->isEnabled());
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Memo().contains(QStringLiteral("Font-weight"))) << "then the window's history";
    EXPECT_FALSE(form->Editor().Document().Modified);
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// A picture is made when first drawn, once for every copy of its icon, and draws as the
// icon it stands for.
TEST(LazyIconTest, IsMadeWhenFirstDrawn_OnceForAllCopies) {
    int made = 0;
    const QIcon icon = LazyIcon([&made] {
        ++made;
        return QIcon(QStringLiteral(":/icons/tesselo.svg"));
    });
    const QIcon copy = icon;
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(made, 0);
    const QImage drawn = copy.pixmap(32, 32).toImage();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(icon.pixmap(32, 32).toImage(), drawn);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(drawn, QIcon(QStringLiteral(":/icons/tesselo.svg")).pixmap(32, 32).toImage());
    EXPECT_FALSE(drawn.isNull());
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// The window as the program starts it: the rules are their authors' text.
class AuthoredWiring : public PanelWiring {
protected:
    void SetUp() override {
        EditorLayout = false;
        PanelWiring::SetUp();
    }
    static constexpr const char* kSheet = ".btn {\n    color: red;\n    margin-top: 5px;\n}\n";
};

TEST_F(AuthoredWiring, TheTextShowsAsWrittenAndAButtonAddsOneLineInItsIndentation) {
    Open(kSheet);
    EXPECT_EQ(Memo(), QStringLiteral("    color: red;\n    margin-top: 5px;"));
    QTest::mouseClick(Find<QToolButton>(QStringLiteral("TextAlignCenter")), Qt::LeftButton);
    EXPECT_EQ(Memo(),
              QStringLiteral("    color: red;\n    margin-top: 5px;\n    text-align: center;"));
    EXPECT_EQ(Saved(),
              ".btn {\n    color: red;\n    margin-top: 5px;\n    text-align: center;\n}\n");
}

// The pages made from the catalogue in the real window: a click is one line of the rule,
// the text view follows, and the window's undo keys take it back.
TEST_F(AuthoredWiring, TheLayoutAndAllPropertiesPagesEditTheRuleThroughTheWindowsUndo) {
    Open(".row {\n    display: flex;\n}\n");
    ShowPage("Layout");
    QTest::mouseClick(Find<QToolButton>(QStringLiteral("AlignItemsCenter")), Qt::LeftButton);
    EXPECT_EQ(Memo(), QStringLiteral("    display: flex;\n    align-items: center;"));
    EXPECT_EQ(form->Action(ActionId::EditUndo)->text(),
              QStringLiteral("Отменить: align-items в .row"));

    ShowPage("AllProperties");
    auto* remove = Find<QToolButton>(QStringLiteral("Row0Remove"));
    ASSERT_NE(remove, nullptr);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(Memo(), QStringLiteral("    align-items: center;"));

    auto* list = Control<QTreeView>(*form, "ListTag");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Memo(), QStringLiteral("    display: flex;\n    align-items: center;"));
    // The page shows the rule taken back: its first row is the display again.
    EXPECT_NE(Find<QWidget>(QStringLiteral("Row1")), nullptr);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Memo(), QStringLiteral("    display: flex;"));
    EXPECT_EQ(Saved(), ".row {\n    display: flex;\n}\n");
}

// The page "Эффекты" in the real window: a shadow layer added, moved, its colour's alpha
// changed, each is one line of the rule and one step of the window's undo; a drag of a
// curve's handle writes as it goes and is one step too.
TEST_F(AuthoredWiring, TheEffectsPageChangesALayerInOneLineAndOneStep) {
    const std::string sheet = ".btn {\n    box-shadow: 0 1px 2px red, inset 0 0 1px blue;\n"
                              "    transition: opacity .2s ease;\n}\n";
    Open(sheet);
    ShowPage("Effects");
    const QString before = Memo();
    const QString transition = QStringLiteral("\n    transition: opacity .2s ease;");
    auto undo = [this] {
        auto* list = Control<QTreeView>(*form, "ListTag");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    };
    auto* layers = Find<QListWidget>(QStringLiteral("BoxShadow"));
    ASSERT_EQ(layers->count(), 2);

    QTest::mouseClick(Find<QToolButton>(QStringLiteral("BoxShadowAdd")), Qt::LeftButton);
    EXPECT_EQ(Memo(), QStringLiteral("    box-shadow: 0 1px 2px red, inset 0 0 1px blue, 0 2px 4px "
                                     "rgba(0, 0, 0, 0.2);") +
                          transition);
    EXPECT_EQ(Saved(), ".btn {\n    box-shadow: 0 1px 2px red, inset 0 0 1px blue, 0 2px 4px "
                       "rgba(0, 0, 0, 0.2);\n    transition: opacity .2s ease;\n}\n");
    undo();
    EXPECT_EQ(Memo(), before);

    layers->setCurrentRow(0);
    QTest::mouseClick(Find<QToolButton>(QStringLiteral("BoxShadowDown")), Qt::LeftButton);
    EXPECT_EQ(Memo(),
              QStringLiteral("    box-shadow: inset 0 0 1px blue, 0 1px 2px red;") + transition);
    undo();
    EXPECT_EQ(Memo(), before);

    layers->setCurrentRow(0);
    choices.ColorChoices = {Color{0xFF, 0, 0, 0x80}};
    QTest::mouseClick(Find<QWidget>(QStringLiteral("BoxShadowColor")), Qt::LeftButton);
    EXPECT_EQ(Memo(), QStringLiteral(
                          "    box-shadow: 0 1px 2px rgba(255, 0, 0, 0.5), inset 0 0 1px blue;") +
                          transition);
    undo();
    EXPECT_EQ(Memo(), before);

    auto* curve = Find<BezierCurveEditor>(QStringLiteral("TransitionCurve"));
    const QPoint from = curve->HandlePoint(1);
    testing::Drag(curve, from,
                  {from + QPoint(-10, 5), from + QPoint(-20, 10), from + QPoint(-30, 15)});
    EXPECT_EQ(Memo(), QStringLiteral("    box-shadow: 0 1px 2px red, inset 0 0 1px blue;\n"
                                     "    transition: opacity .2s ") +
                          QString::fromStdString(CubicBezierText(curve->Handles())) +
                          QStringLiteral(";"));
    undo();
    EXPECT_EQ(Memo(), before);

    // A drag of the opacity slider: every position written, one step.
    auto* slider = Find<QSlider>(QStringLiteral("OpacitySlider"));
    for (int value : {90, 70, 50})
        slider->setValue(value);
    EXPECT_EQ(Memo(), before + QStringLiteral("\n    opacity: 0.5;"));
    undo();
    EXPECT_EQ(Memo(), before);
    EXPECT_EQ(Saved(), sheet);
}

TEST_F(AuthoredWiring, AFieldClearedTakesItsLineAway) {
    Open(kSheet);
    ShowPage("MarginPadding");
    auto* edit = Find<QLineEdit>(QStringLiteral("MarginTop"));
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(Memo(), QStringLiteral("    color: red;"));
    EXPECT_EQ(Saved(), ".btn {\n    color: red;\n}\n");
}

TEST_F(AuthoredWiring, TheEditorsLayoutIsAChoiceOfTheViewMenuKeptInTheSettings) {
    Open(kSheet);
    QAction* layout = form->Action(ActionId::EditorLayoutAction);
    EXPECT_FALSE(layout->isChecked());
    layout->trigger();
    EXPECT_EQ(Memo(), QStringLiteral("; Margin-top: 5px;\n; color: RED;"));
    form->close();
    form.reset();
    ASSERT_TRUE(settings.Window);
    EXPECT_EQ(settings.Window->EditorLayout, true);
    // The next start takes the choice from the settings.
    Start({SheetPath()});
    EXPECT_TRUE(form->Action(ActionId::EditorLayoutAction)->isChecked());
    EXPECT_EQ(Memo(), QStringLiteral("; Margin-top: 5px;\n; color: RED;"));
    form->Action(ActionId::EditorLayoutAction)->trigger();
    EXPECT_EQ(Memo(), QStringLiteral("    color: red;\n    margin-top: 5px;"));
}

TEST_F(AuthoredWiring, ASwitchOfLayoutRefusedForTheTypedTextKeepsItsTickAndTheText) {
    Open(kSheet);
    auto* memo = Control<QPlainTextEdit>(*form, "CSSMemo");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, " } .evil { color: blue;");
    QAction* layout = form->Action(ActionId::EditorLayoutAction);
    layout->trigger();
    EXPECT_FALSE(layout->isChecked());
    EXPECT_FALSE(form->Editor().EditorLayout());
    EXPECT_TRUE(Memo().endsWith(QStringLiteral(".evil { color: blue;")));
    EXPECT_FALSE(dialogs.Shown.empty());
    EXPECT_EQ(Saved(), kSheet);
}

} // namespace
} // namespace tesselo

namespace tesselo {
namespace {

// ---------------------------------------------------------------------------
// Small faults of the panel as a web author meets them

TEST_F(PanelWiring, ANumberTypedIntoASizeOrWeightBoxStaysAsTyped) {
    for (const char* name : {"FontSize", "FontWeight"}) {
        SCOPED_TRACE(name);
        auto* box = Find<QComboBox>(QString::fromLatin1(name));
        box->showPopup(); // the entries are in: "20" and "200" start with "2"
        box->hidePopup();
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box->lineEdit(), QStringLiteral("2"));
        EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("2"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("2"));
    }
    EXPECT_TRUE(Memo().contains(QStringLiteral("Font-size: 2px;"))) << Memo().toStdString();
}

// Tab leaves the field as Enter does: the rule, the file and the page follow.
TEST_F(PanelWiring, ANumberTypedIntoALengthFieldIsAppliedWhenTheFieldIsLeftWithTab) {
    Open("h1 { }\n");
    form->Action(ActionId::AutoRefreshAction)->setChecked(true);
    ShowPage("MarginPadding");
    auto* edit = Find<QLineEdit>(QStringLiteral("MarginTop"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("7"));
    ASSERT_EQ(testing::ReadBytes(SheetPath()), "h1 { }\n") << "not while typing";
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), edit);
    EXPECT_EQ(testing::ReadBytes(SheetPath()), "h1 {\n; Margin-top: 7px;\n}\n");
    EXPECT_TRUE(form->Editor().Document().Modified);
}

TEST_F(PanelWiring, TheColourDialogOpensAtTheColourOfTheSwatchClicked) {
    Open("p { color: #336699; background-color: #FFCC00 }\n");
    choices.ColorChoices = {std::nullopt, std::nullopt};
    QTest::mouseClick(Find(QStringLiteral("FontColor")), Qt::LeftButton);
    QTest::mouseClick(Find(QStringLiteral("BackGroundColor")), Qt::LeftButton);
    EXPECT_EQ(choices.ColorDialogInitial,
              (std::vector<Color>{{0x33, 0x66, 0x99}, {0xFF, 0xCC, 0x00}}));
}

// One change through a field or a font box is one step: Ctrl+Z takes it back whole and
// leaves no empty step behind.
TEST_F(PanelWiring, AFieldTypedIntoOrAFontChosenIsOneStepOfTheHistory) {
    const std::vector<std::pair<const char*, std::function<void()>>> gestures = {
        {"field",
         [&] {
             ShowPage("MarginPadding");
             auto* edit = Find<QLineEdit>(QStringLiteral("MarginTop"));
             QTest::mouseClick(edit, Qt::LeftButton);
             QTest::keyClicks(edit, QStringLiteral("5"));
             QTest::keyClick(edit, Qt::Key_Tab);
         }},
        {"font",
         [&] {
             auto* box = Find<QComboBox>(QStringLiteral("FontType"));
             box->setFocus();
             QTest::keyClick(box, Qt::Key_Down);
             ASSERT_TRUE(
                 QTest::qWaitFor([&] { return Memo().contains(QStringLiteral("serif")); }, 5000));
         }},
    };
    for (const auto& [name, gesture] : gestures) {
        SCOPED_TRACE(name);
        Open("h1 { color: red }\n");
        const QString read = Memo();
        gesture();
        ASSERT_NE(Memo(), read);
        auto* list = Control<QTreeView>(*form, "ListTag");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Memo(), read);
        EXPECT_FALSE(form->Action(ActionId::EditUndo)->isEnabled()) << "a second, empty step";
        EXPECT_FALSE(form->Editor().Document().Modified);
    }
}

// ---------------------------------------------------------------------------
// The sheet's encoding: UTF-8 unless the bytes say otherwise, and a choice of the
// status line

class EncodingChoice : public PanelWiring {
protected:
    QLabel* Label() { return Find<QLabel>(QStringLiteral("EncodingLabel")); }
    // A click on the label, and the entry chosen in the menu it opens.
    void Choose(ActionId id) {
        QTest::mouseClick(Label(), Qt::LeftButton);
        auto* menu = Find<QMenu>(QStringLiteral("EncodingMenu"));
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
        QAction* entry = form->Action(id);
        ASSERT_TRUE(menu->actions().contains(entry));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        EXPECT_FALSE(menu->isVisible());
    }
    // "Отчёт" in UTF-8, which is valid Windows-1251 too ("РћС‚С‡С‘С‚").
    static constexpr const char* kSheet =
        "p { content: \"\xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82\" }\n";
};

TEST_F(EncodingChoice, ANewSheetAndAnAsciiSheetAreUtf8AndCyrillicIsWrittenInUtf8) {
    EXPECT_EQ(Label()->text(), QStringLiteral("UTF-8")) << "the new sheet";
    EXPECT_FALSE(form->Action(ActionId::ReopenWindows1251)->isEnabled()) << "no file to read";
    Open("p { color: red }\n");
    EXPECT_EQ(Label()->text(), QStringLiteral("UTF-8"));
    EXPECT_TRUE(form->Action(ActionId::ReopenUtf8)->isChecked());
    auto* family = Find<QComboBox>(QStringLiteral("FontType"));
    Retype(family->lineEdit(), QStringLiteral("Шрифт"));
    QTest::keyClick(family->lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Memo().contains(QStringLiteral("Шрифт")); }, 5000));
    const std::string saved = Saved();
    EXPECT_NE(saved.find("Font-Family: \xD0\xA8\xD1\x80\xD0\xB8\xD1\x84\xD1\x82;"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("@charset"), std::string::npos);
}

TEST_F(EncodingChoice, TheFileIsReadAgainInTheEncodingChosenAfterTheQuestionToSave) {
    Open(kSheet);
    EXPECT_TRUE(Memo().contains(QStringLiteral("Отчёт")));
    QTest::mouseClick(Find<QToolButton>(QStringLiteral("FontBold")), Qt::LeftButton);
    ASSERT_TRUE(form->Editor().Document().Modified);

    // Cancelled at the question: nothing changes.
    dialogs.Answers = {Answer::Cancel};
    Choose(ActionId::ReopenWindows1251);
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown.back().Text, messages::AskSave());
    EXPECT_EQ(Label()->text(), QStringLiteral("UTF-8"));
    EXPECT_TRUE(Memo().contains(QStringLiteral("Font-weight: bold")));

    // The changes thrown away, the file is read as Windows-1251.
    dialogs.Answers = {Answer::No};
    Choose(ActionId::ReopenWindows1251);
    EXPECT_EQ(Label()->text(), QStringLiteral("Windows-1251"));
    EXPECT_TRUE(form->Action(ActionId::ReopenWindows1251)->isChecked());
    EXPECT_FALSE(form->Action(ActionId::ReopenUtf8)->isChecked());
    EXPECT_TRUE(Memo().contains(QStringLiteral("РћС‚С‡С‘С‚"))) << Memo().toStdString();
    EXPECT_FALSE(Memo().contains(QStringLiteral("Font-weight")));
    EXPECT_FALSE(form->Editor().Document().Modified);
    EXPECT_EQ(testing::ReadBytes(SheetPath()), kSheet) << "the file as it was";

    // The choice holds for the file while it is open: opened again, it stays.
    ASSERT_TRUE(form->Commands().OpenCSSFile(SheetPath()));
    form->Render();
    EXPECT_EQ(Label()->text(), QStringLiteral("Windows-1251"));
    // Saved, it is written as read, byte for byte.
    EXPECT_EQ(Saved(), kSheet);

    // Nothing to save: read again at once, as UTF-8.
    const size_t asked = dialogs.Shown.size();
    Choose(ActionId::ReopenUtf8);
    EXPECT_EQ(dialogs.Shown.size(), asked);
    EXPECT_EQ(Label()->text(), QStringLiteral("UTF-8"));
    EXPECT_TRUE(Memo().contains(QStringLiteral("Отчёт")));
}

TEST_F(EncodingChoice, TheChoiceEndsWithTheFileAndTheSheetsOwnEncodingIsNoChoice) {
    Open(kSheet);
    Choose(ActionId::ReopenUtf8); // the sheet's own: nothing is read again
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(Label()->text(), QStringLiteral("UTF-8"));
    EXPECT_TRUE(form->Action(ActionId::ReopenUtf8)->isChecked());
    Choose(ActionId::ReopenWindows1251);
    ASSERT_EQ(Label()->text(), QStringLiteral("Windows-1251"));
    form->Action(ActionId::New)->trigger();
    EXPECT_EQ(Label()->text(), QStringLiteral("UTF-8"));
    ASSERT_TRUE(form->Commands().OpenCSSFile(SheetPath()));
    form->Render();
    EXPECT_EQ(Label()->text(), QStringLiteral("UTF-8")) << "as its bytes say, once closed";
}

} // namespace
} // namespace tesselo
