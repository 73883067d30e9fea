#include "platform/QtPanelDialogs.h"
#include "panel/UiText.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace tesselo {

const char* QtPanelDialogs::PictureTitle() {
    return "Выбор фонового рисунка";
}

const char* QtPanelDialogs::PictureFilter() {
    return "Файлы  JPG, JPEG, GIF (*.jpg *.jpeg *.gif);;Файлы BMP ;-) (*.bmp);;Все файлы (*)";
}

std::optional<Color> QtPanelDialogs::ChooseColor(Color initial) {
    const QColor chosen =
        QColorDialog::getColor(QColor(initial.Red, initial.Green, initial.Blue, initial.Alpha),
                               parent_, QString(), QColorDialog::ShowAlphaChannel);
    if (!chosen.isValid())
        return std::nullopt;
    return Color{static_cast<uint8_t>(chosen.red()), static_cast<uint8_t>(chosen.green()),
                 static_cast<uint8_t>(chosen.blue()), static_cast<uint8_t>(chosen.alpha())};
}

std::optional<std::string> QtPanelDialogs::ChooseBackgroundPicture() {
    QFileDialog dialog(parent_, Tr(PictureTitle()));
    dialog.setNameFilters(Tr(PictureFilter()).split(QStringLiteral(";;")));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtPanelDialogs::AskName(const std::string& title,
                                                   const std::string& caption,
                                                   const std::string& initial) {
    bool ok = false;
    const QString name = QInputDialog::getText(parent_, QString::fromStdString(title),
                                               QString::fromStdString(caption), QLineEdit::Normal,
                                               QString::fromStdString(initial), &ok);
    if (!ok)
        return std::nullopt;
    return name.toStdString();
}

} // namespace tesselo
