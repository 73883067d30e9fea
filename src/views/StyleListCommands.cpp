#include "views/StyleListCommands.h"

#include "mapping/SelectorCheck.h"

#include <algorithm>

namespace tesselo {

namespace messages {

std::string StyleExists(const std::string& name) {
    return "Стиль с именем " + name + " уже существует.";
}

std::string RenameExists(const std::string& name) {
    return "Секундочку! Такой селектор (стиль) уже существует.\rЗамените имя \"" + name +
           "\" на другое.";
}

std::string NotAGroup(const std::string& name) {
    return "Условие группы " + name +
           " недопустимо.\rОно должно начинаться с @media, @supports, @layer, @container "
           "или @document.";
}

std::string DeleteGroup(const std::string& name, int rules) {
    return "Удалить группу " + name + "?\r" + GroupRulesText(rules) +
           ", они будут удалены вместе с ней.";
}

} // namespace messages

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
        if (!document.Record(i).IsGroup())
            list += " " + document.Record(i).Selector;
    return list;
}

int StyleListCommands::SameNameAmong(const std::vector<int>& rows, std::string_view name,
                                     int except) const {
    int equal = -1;
    for (int row : rows)
        if (row != except && !editor_.Document().Record(row).IsGroup() &&
            SameStyleName(editor_.Document().Record(row).Selector, name))
            equal = row;
    return equal;
}

std::vector<int> StyleListCommands::Siblings(int row) const {
    return editor_.Document().ChildrenOf(editor_.Document().ParentOf(row));
}

bool StyleListCommands::Refused(const std::string& text, bool groupCondition) const {
    const std::optional<SheetBreak> found = SelectorBreak(text);
    if (!found)
        return false;
    const std::string name = nameInMessages_(text);
    const std::string why = DescribeBreak(*found, text, editor_.Document().Encoding);
    dialogs_.Show({"Error",
                   groupCondition ? messages::BadGroupCondition(name, why)
                                  : messages::BadStyleName(name, why),
                   MessageIcon::Error, MessageButtons::Ok});
    return true;
}

void StyleListCommands::NewStyleExecute(const std::string& selectorResult) {
    if (selectorResult.empty())
        return;
    std::string name = selectorResult;
    if (const size_t amp = name.find('&'); amp != std::string::npos)
        name.erase(amp, 1);
    if (Refused(name, false))
        return;
    // Names are told apart within the group the rule goes into.
    const StyleDocument& document = editor_.Document();
    const int current = editor_.Current();
    const int group = editor_.GroupCurrent()      ? current
                      : editor_.HasCurrentStyle() ? document.ParentOf(current)
                                                  : -1;
    const int equal = SameNameAmong(document.ChildrenOf(group), name);
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
    if (Refused(text, document.Record(row).IsGroup()))
        return false;
    if (document.Record(row).IsGroup()) {
        // Only the group's condition changes; it stays a group.
        if (!IsGroupPrelude(TrimSelectorText(text))) {
            dialogs_.Show({"Error", messages::NotAGroup(nameInMessages_(text)), MessageIcon::Error,
                           MessageButtons::Ok});
            return false;
        }
    } else if (SameNameAmong(Siblings(row), text, row) >= 0) {
        dialogs_.Show({"Error", messages::RenameExists(nameInMessages_(text)), MessageIcon::Error,
                       MessageButtons::Ok});
        return false;
    }
    editor_.Rename(row, text);
    return true;
}

void StyleListCommands::StyleDeleteExecute() {
    const StyleDocument& document = editor_.Document();
    const int row = editor_.Current();
    // The sheet keeps one row at least: a group that holds all there is stays.
    if (editor_.HasCurrentStyle() && document.SubtreeEnd(row) - row >= document.StyleCount())
        return;
    if (editor_.GroupCurrent()) {
        const int rules = RulesInGroup(document, row);
        if (document.SubtreeEnd(row) > row + 1 &&
            dialogs_.Show(
                {"Tesselo V1.0 beta",
                 messages::DeleteGroup(nameInMessages_(document.Record(row).Selector), rules),
                 MessageIcon::Exclamation, MessageButtons::YesNo}) != Answer::Yes)
            return;
    }
    editor_.RemoveCurrent();
}

// Up and down move a row among the rows of its group.
void StyleListCommands::StyleUpExecute() {
    if (!editor_.HasCurrentStyle())
        return;
    const std::vector<int> rows = Siblings(editor_.Current());
    const auto at = std::find(rows.begin(), rows.end(), editor_.Current());
    if (at != rows.begin() && at != rows.end())
        editor_.MoveCurrent(*(at - 1));
}

void StyleListCommands::StyleDownExecute() {
    if (!editor_.HasCurrentStyle())
        return;
    const std::vector<int> rows = Siblings(editor_.Current());
    const auto at = std::find(rows.begin(), rows.end(), editor_.Current());
    if (at != rows.end() && at + 1 != rows.end())
        editor_.MoveCurrent(*(at + 1));
}

// A new order is a change, as up and down are; a row past the last moves nothing. A
// row dropped on a group goes into it.
void StyleListCommands::DropOnRow(int row) {
    if (row >= 0 && row < editor_.Document().StyleCount() &&
        editor_.Document().Record(row).IsGroup())
        editor_.MoveCurrentInto(row);
    else
        editor_.MoveCurrent(row);
}

void StyleListCommands::StyleSortedExecute(
    const std::function<bool(const std::string&, const std::string&)>& less) {
    editor_.Sort(less);
}

} // namespace tesselo
