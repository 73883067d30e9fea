#pragma once

// What the commands ask of the user: questions in message boxes and the choice of a
// file. The window answers through real dialogs, the tests through a fake. Texts are
// UTF-8; a line break inside a message is a single CR.

#include <optional>
#include <string>

namespace tesselo {

enum class MessageIcon { None, Exclamation, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    std::string Caption;
    std::string Text;
    MessageIcon Icon = MessageIcon::None;
    MessageButtons Buttons = MessageButtons::Ok;
    bool Verbatim = false; // a text of the page's own: shown as it is, never translated
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual Answer Show(const Message& message) = 0;
    // The open dialog: an existing style sheet, starting at initialPath.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& initialPath) = 0;
    // The save dialog: default extension "css", no overwrite question of its own.
    virtual std::optional<std::string> ChooseFileToSave(const std::string& initialPath) = 0;
};

} // namespace tesselo
