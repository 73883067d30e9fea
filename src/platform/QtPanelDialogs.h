#pragma once

#include "panel/PanelDialogs.h"

class QWidget;

namespace tesselo {

// The toolkit's colour dialog and the file dialog of the background picture.
class QtPanelDialogs final : public PanelDialogs {
public:
    explicit QtPanelDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetOwner(QWidget* owner) { parent_ = owner; }
    std::optional<Color> ChooseColor(Color initial) override;
    std::optional<std::string> ChooseBackgroundPicture() override;
    std::optional<std::string> AskName(const std::string& title, const std::string& caption,
                                       const std::string& initial) override;

    // The picture dialog's title and filter.
    static const char* PictureTitle();
    static const char* PictureFilter();

private:
    QWidget* parent_;
};

} // namespace tesselo
