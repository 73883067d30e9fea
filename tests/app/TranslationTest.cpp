// The program's English face: the language chosen from the command line, the setting and
// the system's locale; the translation complete for every text given to it; the window,
// its pages, the selector builder and the core's messages in English when it is in use,
// and in Russian, byte for byte, otherwise.

#include "app/Translation.h"
#include "app/ActionTable.h"
#include "app/EditCSS.h"
#include "dialogs/CreateSelectorDlg.h"
#include "dialogs/SelectorBuilder.h"
#include "document/Hint.h"
#include "document/MessagePatterns.h"
#include "document/SheetLines.h"
#include "editor/DocumentCommands.h"
#include "editor/InactiveDeclarations.h"
#include "editor/MediaWidth.h"
#include "editor/PagePick.h"
#include "editor/StyleEditor.h"
#include "mapping/CssChecks.h"
#include "mapping/PropertyCatalog.h"
#include "mapping/SelectorCheck.h"
#include "mapping/SheetVariables.h"
#include "panel/PanelLayout.h"
#include "panel/UiText.h"
#include "platform/QtUserDialogs.h"
#include "support/WindowServices.h"
#include "views/StyleListCommands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace tesselo {
namespace {

TEST(Translation, TheLanguageComesFromTheOptionTheSettingAndTheLocale) {
    using L = Language;
    const struct {
        std::optional<std::string_view> Option, Setting;
        std::string_view Locale;
        Language Chosen;
    } cases[] = {
        {std::nullopt, std::nullopt, "en_GB", L::English},
        {std::nullopt, std::nullopt, "en_US.UTF-8", L::English},
        {std::nullopt, std::nullopt, "en", L::English},
        {std::nullopt, std::nullopt, "ru_RU", L::Russian},
        {std::nullopt, std::nullopt, "de_DE", L::Russian},
        {std::nullopt, std::nullopt, "C", L::Russian},
        {std::nullopt, std::nullopt, "eno_XX", L::Russian},
        {std::nullopt, "en", "ru_RU", L::English},
        {std::nullopt, "ru", "en_GB", L::Russian},
        {"ru", "en", "en_GB", L::Russian},
        {"en", "ru", "ru_RU", L::English},
        {std::nullopt, "fr", "en_GB", L::English}, // an unknown setting is no choice
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseLanguage(c.Option, c.Setting, c.Locale), c.Chosen)
            << c.Locale << " " << c.Setting.value_or("-");
}

TEST(Translation, TheLanguageOptionLeavesTheFilesOnTheCommandLine) {
    const struct {
        std::vector<std::string> Arguments;
        std::optional<std::string> Language;
        std::vector<std::string> Rest;
    } cases[] = {
        {{"--lang", "en", "a.css"}, "en", {"a.css"}},
        {{"a.css", "--lang=ru"}, "ru", {"a.css"}},
        {{"--lang", "de", "a.css"}, std::nullopt, {"--lang", "de", "a.css"}},
        {{"--lang"}, std::nullopt, {"--lang"}},
        {{"en"}, std::nullopt, {"en"}},
    };
    for (const auto& c : cases) {
        const LanguageOption taken = TakeLanguageOption(c.Arguments);
        EXPECT_EQ(taken.Language, c.Language);
        EXPECT_EQ(taken.Rest, c.Rest);
    }
}

struct Translation {
    QStringList Sources, Untranslated;
};

Translation ReadTranslation() {
    Translation read;
    QFile file(QStringLiteral(TESSELO_TRANSLATIONS "/tesselo_en.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("source")) {
            source = xml.readElementText();
            read.Sources << source;
        } else if (xml.name() == QStringLiteral("translation")) {
            const bool unfinished =
                xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
            if (unfinished || xml.readElementText().trimmed().isEmpty())
                read.Untranslated << source;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return read;
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool HasRussian(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

// The English translation installed for as long as it lives.
class InEnglish {
public:
    InEnglish() { EXPECT_TRUE(UseLanguage(Language::English, translator_)); }
    ~InEnglish() { QCoreApplication::removeTranslator(&translator_); }

private:
    QTranslator translator_;
};

// The literals the sources give to the translation: Tr("..."), TrHint("a|b"), Ui("...")
// and their kin, adjacent literals joined and hints split.
QStringList LiteralsGivenToTheTranslation() {
    static const QRegularExpression call(QStringLiteral(
        R"re(\b(Tr|TrHint|TrFill|TrFillText|TrMessage|Ui)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    static const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QStringList found;
    QDirIterator files(QStringLiteral(TESSELO_SOURCES),
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& m : call.globalMatch(text)) {
            QString literal;
            for (const auto& p : piece.globalMatch(m.captured(2)))
                literal += p.captured(1);
            literal.replace(QStringLiteral("\\\""), QStringLiteral("\""))
                .replace(QStringLiteral("\\r"), QStringLiteral("\r"))
                .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                .replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
            found << (m.captured(1) == QStringLiteral("TrHint") ? literal.split(QLatin1Char('|'))
                                                                : QStringList{literal});
        }
    }
    return found;
}

// Every message of the translation is translated, and every text the program gives it is
// among them: the literals of the sources, the tables of the window and the panel, the
// catalogue and the patterns of the core's messages.
TEST(Translation, TheEnglishTranslationCoversEveryTextGivenToIt) {
    const Translation translation = ReadTranslation();
    EXPECT_TRUE(translation.Untranslated.isEmpty())
        << translation.Untranslated.join(", ").toStdString();
    QStringList missing;
    auto need = [&](const QString& text) {
        if (!text.isEmpty() && !translation.Sources.contains(text) && !missing.contains(text))
            missing << text;
    };
    auto needHint = [&](std::string_view hint) {
        need(FromView(SplitHint(hint).Short));
        need(FromView(SplitHint(hint).Long));
    };
    const QStringList literals = LiteralsGivenToTheTranslation();
    EXPECT_GT(literals.size(), 150);
    for (const QString& literal : literals)
        need(literal);
    for (const ActionInfo& action : kActions) {
        need(FromView(action.Caption));
        needHint(action.Hint);
    }
    for (const auto& row : PageRows())
        need(FromView(row.Caption));
    for (const auto& row : KeywordButtonRows())
        needHint(row.Hint);
    for (const auto& row : LengthFieldRows()) {
        need(FromView(row.Label));
        needHint(row.Hint);
    }
    for (const auto& row : GroupBoxRows()) {
        need(FromView(row.Caption));
        needHint(row.Hint);
    }
    for (const PropertySpec& spec : PropertyCatalog()) {
        need(FromView(spec.Box));
        needHint(spec.Hint);
    }
    for (const TagList& list : TagLists()) {
        need(FromView(list.Page));
        for (std::string_view tag : list.Tags)
            need(FromView(TagHelp(tag)));
    }
    for (std::string_view pattern : MessagePatterns())
        need(FromView(pattern));
    EXPECT_TRUE(missing.isEmpty()) << missing.join(" | ").toStdString();
}

// The core's messages, made by the core, shown in English by their patterns with their
// parts; without the translation exactly as made.
TEST(Translation, TheCoresMessagesShowInEnglishWithTheirParts) {
    const SheetBreak brace = *SelectorBreak("a { b");
    const std::string messages[] = {
        messages::CannotRead("/home/u/site.css", "Permission denied"),
        messages::ChangedOnDisk("/home/u/site.css"),
        messages::FileGoneOriginal("/home/u/site.css"),
        messages::BackupNameTaken("/home/u/site.css", "/home/u/site.css.ORIGINAL"),
        messages::BadStyleName("a { b", DescribeBreak(brace, "a { b", SheetEncoding::Utf8)),
        messages::BadRuleText(DescribeBreak(*RuleTextBreak("color: red; }\nx"), "color: red; }\nx",
                                            SheetEncoding::Utf8)),
        messages::DeleteGroup("@media print", 3),
        messages::UndefinedVariable("--main"),
        PickedText("div.note", 2, true) + OtherSheetsText({{"/s/base.css", 4}}),
        PickedText("p", 0, false),
        OpenOtherSheetQuestion({"/s/base.css", 5}),
        ElementsShownText(120, 100),
        NotAtWidthText("(min-width: 768px)", 375),
        InactiveReason("gap", {"block", "static", "block"}),
        InactiveReason("width", {"inline", "static", "block"}),
        CheckRuleText("colr: red;\nwidth: 10zz;", SheetEncoding::Utf8).front().Hint,
        NestedRulesHint(),
        CutLineNote(10485760),
    };
    for (const std::string& message : messages)
        EXPECT_EQ(TrMessage(message), QString::fromStdString(message));
    const InEnglish english;
    for (const std::string& message : messages)
        EXPECT_FALSE(HasRussian(TrMessage(message))) << message;
    EXPECT_EQ(TrMessage(messages[0]),
              QStringLiteral("Could not read the file /home/u/site.css\rPermission denied"));
    EXPECT_EQ(TrMessage(messages[8]),
              QStringLiteral("Element div.note: matching styles: 2 (states such as :hover are "
                             "not taken into account); in the page's other sheets: base.css — 4"));
    EXPECT_EQ(TrMessage(messages[std::size(messages) - 1]),
              QStringLiteral(" … [line cut: 10 485 760 characters]"));
    EXPECT_EQ(TrMessage(messages[12]),
              QStringLiteral("No effect at a width of 375 pixels: (min-width: 768px)"));
    // A message the program does not make stays as it is.
    EXPECT_EQ(TrMessage("Нет такого сообщения"), QStringLiteral("Нет такого сообщения"));
}

// The text of the box the dialogs show for `message`, answered at once.
QString BoxText(QtUserDialogs& dialogs, const Message& message) {
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        shown = box->text();
        box->done(QMessageBox::Ok);
    });
    dialogs.Show(message);
    return shown;
}

// The message boxes show the core's messages in English, and a page's own text as it is,
// though it reads like one of the program's.
TEST(Translation, TheMessageBoxesTranslateTheProgramsMessagesAndNotThePages) {
    QtUserDialogs dialogs;
    const Message changed{"Tesselo", messages::ChangedOnDisk("/s/a.css")};
    const Message page{"Сообщение страницы", "знак зодиака", MessageIcon::None, MessageButtons::Ok,
                       true};
    EXPECT_EQ(BoxText(dialogs, changed).toStdString(),
              "Файл /s/a.css изменен другой программой.\nЗаписать поверх него?");
    const InEnglish english;
    EXPECT_EQ(BoxText(dialogs, changed),
              QStringLiteral("The file /s/a.css was changed by another program.\nOverwrite it?"));
    EXPECT_EQ(BoxText(dialogs, page), QStringLiteral("знак зодиака"));
    EXPECT_EQ(BoxText(dialogs, {"Tesselo", "знак зодиака"}), QStringLiteral("character зодиака"));
}

// The texts a window of widgets shows: captions, tips, place holders and items.
QStringList ShownTexts(const QWidget& root) {
    QStringList texts;
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        texts << w->toolTip() << w->statusTip() << w->windowTitle();
        if (auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        else if (auto* group = qobject_cast<const QGroupBox*>(w))
            texts << group->title();
        else if (auto* edit = qobject_cast<const QLineEdit*>(w))
            texts << edit->placeholderText();
        else if (auto* box = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
        else if (auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        for (const QAction* action : w->actions())
            texts << action->text() << action->toolTip() << action->statusTip();
    }
    return texts;
}

QStringList Russian(const QStringList& texts) {
    QStringList russian;
    for (const QString& text : texts)
        if (HasRussian(text) && !russian.contains(text))
            russian << text;
    return russian;
}

// Every page of the panel built, the window and the selector builder show no Russian under
// the English translation; without it they are as they were.
TEST(Translation, TheWindowItsPagesAndTheSelectorBuilderShowNoRussianInEnglish) {
    testing::WindowServices services;
    auto builtWindow = [&] {
        auto window = services.Window({});
        auto* pages = window->findChild<QTabWidget*>(QStringLiteral("TABPANEL"));
        EXPECT_TRUE(pages);
        for (int i = 0; pages && i < pages->count(); ++i)
            pages->setCurrentIndex(i);
        return window;
    };
    {
        auto russian = builtWindow();
        const QStringList texts = ShownTexts(*russian);
        for (const char* text : {"Текущий стиль", "Управление границей", "Гибкий контейнер",
                                 "Тень блока", "Найти переменную по имени или значению"})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
        TCreateSelector dialog;
        EXPECT_TRUE(ShownTexts(dialog).contains(QStringLiteral("Итоговый селектор")));
    }
    const InEnglish english;
    auto window = builtWindow();
    const QStringList texts = ShownTexts(*window);
    EXPECT_TRUE(texts.contains(QStringLiteral("Current Style")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Flex container")));
    EXPECT_EQ(Russian(texts), QStringList()) << Russian(texts).join(" | ").toStdString();
    TCreateSelector dialog;
    EXPECT_EQ(Russian(ShownTexts(dialog)), QStringList())
        << Russian(ShownTexts(dialog)).join(" | ").toStdString();
}

QStringList MenuTitles(QMainWindow& window) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

TEST(Translation, TheWindowSpeaksEnglishWhenTheTranslationIsInUse) {
    testing::WindowServices services;
    {
        auto russian = services.Window({});
        EXPECT_EQ(MenuTitles(*russian), (QStringList{"Файл", "Правка", "Вид", "Стиль", "Помощь"}));
    }
    const InEnglish inEnglish;
    auto english = services.Window({});
    EXPECT_EQ(MenuTitles(*english), (QStringList{"File", "Edit", "View", "Style", "Help"}));
    EXPECT_EQ(english->Action(ActionId::SaveAs)->text(), QStringLiteral("Save As..."));
    auto* pages = english->findChild<QTabWidget*>(QStringLiteral("TABPANEL"));
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->tabText(pages->count() - 1), QStringLiteral("Variables"));
    // The undo command names the step as desktop programs do.
    english->Editor().SetProperty("color", "red");
    EXPECT_EQ(english->Action(ActionId::EditUndo)->text(), QStringLiteral("Undo color in Body"));
    // The size box's own entry shows in English and switches the size off as in Russian.
    english->show();
    english->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(english.get()));
    auto* size = english->findChild<QComboBox*>(QStringLiteral("FontSize"));
    ASSERT_TRUE(size);
    QTest::mouseClick(size->lineEdit(), Qt::LeftButton);
    QTest::keyClick(size->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(size->lineEdit(), QStringLiteral("12"));
    QTest::keyClick(size->lineEdit(), Qt::Key_Return);
    if (size->currentIndex() == 0)
        QTest::keyClick(size, Qt::Key_Down);
    for (int i = 0; i < 30 && size->currentIndex() != 0; ++i)
        QTest::keyClick(size, Qt::Key_Up);
    EXPECT_EQ(size->itemText(0), QStringLiteral("off"));
    EXPECT_EQ(size->lineEdit()->text(), QStringLiteral("Font size"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return size->lineEdit()->text() == "Size"; }, 5000))
        << size->lineEdit()->text().toStdString();
    EXPECT_EQ(english->findChild<QPlainTextEdit*>(QStringLiteral("CSSMemo"))->toPlainText(),
              QStringLiteral("; color: RED;"));
}

} // namespace
} // namespace tesselo
