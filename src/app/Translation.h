#pragma once

// The program's face in the user's language: the Russian texts are the sources, and an
// English translation, compiled into the program, is taken where the system speaks
// English or the user asks for it. Under any other language the program is Russian.

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QTranslator;

namespace tesselo {

enum class Language { Russian, English };

// The language: "--lang ru|en" on the command line first, then the setting ("ru", "en"),
// then the system's locale ("en_GB.UTF-8" and any "en_*" is English); Russian otherwise.
Language ChooseLanguage(std::optional<std::string_view> option,
                        std::optional<std::string_view> setting, std::string_view locale);

// The command line without "--lang X" (or "--lang=X"), and the X given; a "--lang" without
// a known language is left in as it was.
struct LanguageOption {
    std::optional<std::string> Language;
    std::vector<std::string> Rest;
};
LanguageOption TakeLanguageOption(const std::vector<std::string>& arguments);

// Loads the English translation into `translator` and installs it, or nothing for Russian.
// False when the translation could not be loaded.
bool UseLanguage(Language language, QTranslator& translator);

// A text of the program in the language in use; the Russian source when it has no
// translation.
QString Ui(std::string_view russian);

} // namespace tesselo
