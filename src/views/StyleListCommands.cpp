#include "views/StyleListCommands.h"

namespace tesselo {

namespace messages {

std::string StyleExists(const std::string& name) {
    return "Стиль с именем " + name + " уже существует.";
}

std::string RenameExists(const std::string& name) {
    return "Секундочку! Такой селектор (стиль) уже существует.\rЗамените имя \"" + name +
           "\" на другое.";
}

std::string BadSelector(const std::string& name) {
    return "Имя стиля " + name +
           " недопустимо.\rВ нем не должно быть фигурных скобок, незакрытой кавычки и "
           "незакрытого комментария: остальная таблица стилей стала бы его частью.";
}

} // namespace messages

namespace {

// Whether a selector ends where it begins: no brace outside strings and comments, and
// every string and comment closed, so it cannot swallow the rest of the sheet.
bool SelectorStandsAlone(std::string_view text) {
    char quote = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            if (++i == text.size())
                return false; // escapes the end of the selector
            continue;
        }
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '\n' || c == '\r' || c == '\f')
                return false;
            continue;
        }
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t close = text.find("*/", i + 2);
            if (close == std::string_view::npos)
                return false;
            i = close + 1;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '{' || c == '}') {
            return false;
        }
    }
    return quote == 0;
}

} // namespace

bool SameStyleName(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase(a, b);
}

StyleListCommands::StyleListCommands(StyleEditor& editor, UserDialogs& dialogs,
                                     NameConverter nameInMessages)
    : editor_(editor), dialogs_(dialogs),
      nameInMessages_(nameInMessages ? std::move(nameInMessages)
                                     : [](std::string_view name) { return std::string(name); }) {}

std::string StyleListCommands::StyleNameList() const {
    std::string list;
    const StyleDocument& document = editor_.Document();
    for (int i = 0; i < document.StyleCount(); ++i)
        list += " " + document.Record(i).Selector;
    return list;
}

void StyleListCommands::NewStyleExecute(const std::string& selectorResult) {
    if (selectorResult.empty())
        return;
    std::string name = selectorResult;
    if (const size_t amp = name.find('&'); amp != std::string::npos)
        name.erase(amp, 1);
    const StyleDocument& document = editor_.Document();
    int equal = -1;
    for (int i = 0; i < document.StyleCount(); ++i)
        if (SameStyleName(document.Record(i).Selector, name))
            equal = i;
    if (equal < 0) {
        editor_.AddRule(name);
        return;
    }
    dialogs_.Show({"Tesselo V1.0 beta", messages::StyleExists(nameInMessages_(name)),
                   MessageIcon::None, MessageButtons::Ok});
    editor_.Select(equal);
}

bool StyleListCommands::RenameStyle(const std::string& text) {
    const StyleDocument& document = editor_.Document();
    const int row = editor_.Current();
    if (row < 0 || row >= document.StyleCount())
        return false;
    if (!SelectorStandsAlone(text)) {
        dialogs_.Show({"Error", messages::BadSelector(nameInMessages_(text)), MessageIcon::Error,
                       MessageButtons::Ok});
        return false;
    }
    for (int i = 0; i < document.StyleCount(); ++i) {
        if (i != row && SameStyleName(document.Record(i).Selector, text)) {
            dialogs_.Show({"Error", messages::RenameExists(nameInMessages_(text)),
                           MessageIcon::Error, MessageButtons::Ok});
            return false;
        }
    }
    editor_.Rename(row, text);
    return true;
}

void StyleListCommands::StyleDeleteExecute() {
    editor_.RemoveCurrent();
}

void StyleListCommands::StyleUpExecute() {
    if (editor_.Current() > 0)
        editor_.MoveCurrent(editor_.Current() - 1);
}

void StyleListCommands::StyleDownExecute() {
    if (editor_.HasCurrentStyle())
        editor_.MoveCurrent(editor_.Current() + 1);
}

// A new order is a change, as up and down are; a row past the last moves nothing.
void StyleListCommands::DropOnRow(int row) {
    editor_.MoveCurrent(row);
}

void StyleListCommands::StyleSortedExecute(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    editor_.Sort(less);
}

} // namespace tesselo
