#pragma once

#include "document/UserDialogs.h"

class QWidget;

namespace tesselo {

// Message boxes and the open and save dialogs of the toolkit.
class QtUserDialogs final : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    Answer Show(const Message& message) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& initialPath) override;
    std::optional<std::string> ChooseFileToSave(const std::string& initialPath) override;

private:
    QWidget* owner_;
};

} // namespace tesselo
