#include "views/StyleListCommands.h"

#include <algorithm>
#include <numeric>

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

StyleListCommands::StyleListCommands(StyleEditor& editor, Preview& preview, UserDialogs& dialogs,
                                     NameConverter nameInMessages)
    : editor_(editor), preview_(preview), dialogs_(dialogs),
      nameInMessages_(nameInMessages ? std::move(nameInMessages)
                                     : [](std::string_view name) { return std::string(name); }) {}

std::string StyleListCommands::StyleNameList() const {
    std::string list;
    for (int i = 0; i < editor_.Document.StyleCount(); ++i)
        list += " " + editor_.Document.Record(i).Selector;
    return list;
}

void StyleListCommands::NewStyleExecute(const std::string& selectorResult) {
    if (selectorResult.empty())
        return;
    std::string name = selectorResult;
    if (const size_t amp = name.find('&'); amp != std::string::npos)
        name.erase(amp, 1);
    StyleDocument& document = editor_.Document;
    int equal = -1;
    for (int i = 0; i < document.StyleCount(); ++i)
        if (SameStyleName(document.Record(i).Selector, name))
            equal = i;
    if (equal < 0) {
        document.AddStyleRecord(name);
        document.SelectedRow = document.StyleCount() - 1;
        document.Modified = true;
    } else {
        dialogs_.Show({"Tesselo V1.0 beta", messages::StyleExists(nameInMessages_(name)),
                       MessageIcon::None, MessageButtons::Ok});
        document.SelectedRow = equal;
    }
    editor_.ListTagClick();
}

bool StyleListCommands::RenameStyle(const std::string& text) {
    StyleDocument& document = editor_.Document;
    const int row = document.SelectedRow;
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
    document.SetSelector(row, text);
    Changed();
    return true;
}

void StyleListCommands::StyleDeleteExecute() {
    StyleDocument& document = editor_.Document;
    const int current = document.CurrentStyleIndex;
    if (document.StyleCount() <= 1 || current < 0 || current >= document.StyleCount())
        return;
    // The working text of the deleted style goes with it.
    document.RemoveRecord(current);
    SelectWithoutCommit(std::min(current, document.StyleCount() - 1));
    editor_.ListTagClick();
    Changed();
}

void StyleListCommands::StyleUpExecute() {
    const int current = editor_.Document.CurrentStyleIndex;
    if (current > 0)
        MoveCurrent(current - 1), Changed();
}

void StyleListCommands::StyleDownExecute() {
    const int current = editor_.Document.CurrentStyleIndex;
    if (current >= 0 && current + 1 < editor_.Document.StyleCount())
        MoveCurrent(current + 1), Changed();
}

void StyleListCommands::DropOnRow(int row) {
    StyleDocument& document = editor_.Document;
    const int current = document.CurrentStyleIndex;
    if (current < 0)
        return;
    if (row >= 0 && row < document.StyleCount() && row != current) {
        MoveCurrent(row);
        Changed(); // a new order is a change, as up and down are
    } else {
        document.SelectedRow = current;
    }
}

void StyleListCommands::StyleSortedExecute(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    StyleDocument& document = editor_.Document;
    std::vector<int> order(static_cast<size_t>(document.StyleCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return less(document.Record(a).Selector, document.Record(b).Selector);
    });
    const int current = document.CurrentStyleIndex;
    document.ApplyOrder(order);
    if (current >= 0) {
        const int now =
            static_cast<int>(std::find(order.begin(), order.end(), current) - order.begin());
        document.CurrentStyleIndex = document.SelectedRow = now;
    }
    Changed();
}

void StyleListCommands::SelectWithoutCommit(int row) {
    editor_.Document.CurrentStyleIndex = -1;
    editor_.Document.SelectedRow = row;
}

void StyleListCommands::MoveCurrent(int to) {
    StyleDocument& document = editor_.Document;
    // The working text stays in the view and follows its style.
    document.MoveRecord(document.CurrentStyleIndex, to);
    document.CurrentStyleIndex = document.SelectedRow = to;
}

void StyleListCommands::Changed() {
    editor_.Document.Modified = true;
    preview_.NotifyChange();
}

} // namespace tesselo
