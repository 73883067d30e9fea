// The program's English face: the language chosen from the command line, the setting and
// the system's locale; the translation complete for every text given to it; the window's
// menus and pages in English when it is in use, and in Russian otherwise.

#include "app/Translation.h"
#include "app/ActionTable.h"
#include "app/EditCSS.h"
#include "document/Hint.h"
#include "panel/PanelLayout.h"
#include "support/WindowServices.h"

#include <QCoreApplication>
#include <QFile>
#include <QMenuBar>
#include <QTabWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

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

// Every message of the translation is translated, and every text of the window's actions,
// menus and pages is among them.
TEST(Translation, TheEnglishTranslationCoversEveryTextGivenToIt) {
    QFile file(QStringLiteral(TESSELO_TRANSLATIONS "/tesselo_en.ts"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList sources, untranslated;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("source")) {
            source = xml.readElementText();
            sources << source;
        } else if (xml.name() == QStringLiteral("translation")) {
            const bool unfinished =
                xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
            if (unfinished || xml.readElementText().trimmed().isEmpty())
                untranslated << source;
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(", ").toStdString();
    QStringList missing;
    auto need = [&](std::string_view text) {
        if (!text.empty() &&
            !sources.contains(QString::fromUtf8(text.data(), qsizetype(text.size()))))
            missing << QString::fromUtf8(text.data(), qsizetype(text.size()));
    };
    for (const ActionInfo& action : kActions) {
        need(action.Caption);
        need(SplitHint(action.Hint).Short);
        need(SplitHint(action.Hint).Long);
    }
    for (const auto& row : PageRows())
        need(row.Caption);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(" | ").toStdString();
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
    QTranslator translator;
    ASSERT_TRUE(UseLanguage(Language::English, translator));
    auto english = services.Window({});
    EXPECT_EQ(MenuTitles(*english), (QStringList{"File", "Edit", "View", "Style", "Help"}));
    EXPECT_EQ(english->Action(ActionId::SaveAs)->text(), QStringLiteral("Save As..."));
    auto* pages = english->findChild<QTabWidget*>(QStringLiteral("TABPANEL"));
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->tabText(pages->count() - 1), QStringLiteral("Variables"));
    // The undo command names the step as desktop programs do.
    english->Editor().SetProperty("color", "red");
    EXPECT_EQ(english->Action(ActionId::EditUndo)->text(), QStringLiteral("Undo color in Body"));
    QCoreApplication::removeTranslator(&translator);
}

} // namespace
} // namespace tesselo
