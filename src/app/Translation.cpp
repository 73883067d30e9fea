#include "app/Translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tesselo {

Language ChooseLanguage(std::optional<std::string_view> option,
                        std::optional<std::string_view> setting, std::string_view locale) {
    for (const auto& chosen : {option, setting}) {
        if (chosen == "en")
            return Language::English;
        if (chosen == "ru")
            return Language::Russian;
    }
    const bool english = locale.substr(0, 2) == "en" && (locale.size() == 2 || locale[2] == '_' ||
                                                         locale[2] == '.' || locale[2] == '@');
    return english ? Language::English : Language::Russian;
}

LanguageOption TakeLanguageOption(const std::vector<std::string>& arguments) {
    LanguageOption taken;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::optional<std::string> value;
        bool pair = false;
        if (argument == "--lang" && i + 1 < arguments.size()) {
            value = arguments[i + 1];
            pair = true;
        } else if (argument.starts_with("--lang=")) {
            value = argument.substr(7);
        }
        if (value && (*value == "ru" || *value == "en")) {
            taken.Language = value;
            i += pair ? 1 : 0;
            continue;
        }
        taken.Rest.push_back(argument);
    }
    return taken;
}

bool UseLanguage(Language language, QTranslator& translator) {
    if (language == Language::Russian)
        return true;
    if (!translator.load(QStringLiteral(":/translations/tesselo_en.qm")))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}

QString Ui(std::string_view russian) {
    const std::string source(russian);
    return QCoreApplication::translate("Tesselo", source.c_str());
}

} // namespace tesselo
