#pragma once

// The commands of the style list: a new style from the selector builder, renaming in
// place, deleting, moving up and down, dragging to another row and sorting. Rows and
// records always move together; a record's source and edited mark travel with it, so
// moving a rule never rewrites it.

#include "document/UserDialogs.h"
#include "editor/StyleEditor.h"

#include <functional>
#include <string>
#include <vector>

namespace tesselo {

class StyleListCommands {
public:
    // Messages are UTF-8; `nameInMessages` turns a style's name, in the sheet's bytes,
    // into UTF-8 for them.
    using NameConverter = std::function<std::string(std::string_view)>;
    StyleListCommands(StyleEditor& editor, UserDialogs& dialogs, NameConverter nameInMessages = {});

    // What the selector builder is given: a space in front of every row's name.
    std::string StyleNameList() const;
    // Ends the new-style command with the builder's result (empty: cancelled); a name
    // that would break out of its place is refused with a message.
    void NewStyleExecute(const std::string& selectorResult);

    // Renames the selected row to the text as typed; refuses, with the error message,
    // a name another row already has, and a name or a group's condition that would
    // break out of its place in the sheet (SelectorBreak). Returns whether the name was
    // taken.
    bool RenameStyle(const std::string& text);

    void StyleDeleteExecute();
    void StyleUpExecute();
    void StyleDownExecute();
    // A drag dropped on a row: the current style moves to exactly that row. A row past
    // the last moves nothing.
    void DropOnRow(int row);
    // Sorts by name, `less` ordering two names as the user's locale does without
    // regard to case; names it finds equal keep their order.
    void
    StyleSortedExecute(const std::function<bool(const std::string&, const std::string&)>& less);

private:
    // Tells why the text may not stand as a style's name or a group's condition, if so.
    bool Refused(const std::string& text, bool groupCondition) const;
    // The last of `rows` that is a rule named `name` (but not `except`); -1 for none.
    int SameNameAmong(const std::vector<int>& rows, std::string_view name, int except = -1) const;
    // The rows of the group that holds `row`.
    std::vector<int> Siblings(int row) const;

    StyleEditor& editor_;
    UserDialogs& dialogs_;
    NameConverter nameInMessages_;
};

// Name equality of the duplicate checks: ASCII letters without regard to case, every
// other byte exactly.
bool SameStyleName(std::string_view a, std::string_view b);

namespace messages {
std::string StyleExists(const std::string& name);
std::string RenameExists(const std::string& name);
std::string NotAGroup(const std::string& name);
std::string DeleteGroup(const std::string& name, int rules);
} // namespace messages

} // namespace tesselo
