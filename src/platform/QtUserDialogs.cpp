#include "platform/QtUserDialogs.h"
#include "panel/UiText.h"

#include "platform/QtText.h"

#include <QFileDialog>
#include <QMessageBox>

namespace tesselo {
namespace {

QString Filter() {
    return Tr("Каскадные таблицы стилей CSS (*.css)");
}

} // namespace

Answer QtUserDialogs::Show(const Message& message) {
    QMessageBox box(owner_);
    box.setWindowTitle(TrMessage(message.Caption));
    // Messages carry file names and selectors: shown as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    // Messages break their lines with a single CR.
    const QString text = message.Verbatim ? FromUtf8(message.Text) : TrMessage(message.Text);
    box.setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    switch (message.Icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (message.Buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

std::optional<std::string> QtUserDialogs::ChooseFileToOpen(const std::string& initialPath) {
    QFileDialog dialog(owner_, QString(), FromPath(initialPath), Filter());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ToPath(dialog.selectedFiles().first());
}

std::optional<std::string> QtUserDialogs::ChooseFileToSave(const std::string& initialPath) {
    QFileDialog dialog(owner_, Tr("Сохранить как..."), FromPath(initialPath), Filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("css"));
    // The command asks its own question about replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ToPath(dialog.selectedFiles().first());
}

} // namespace tesselo
