#pragma once

// The about box: the program's picture and name, the mail link and the home page link.

#include <QDialog>

class QLabel;

namespace tesselo {

class TAboutBox final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAboutBox)
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* MailLink() const { return label2_; }
    QLabel* HomePageLink() const { return label3_; }

    static std::string MailAddress(); // "mailto:" link with the subject
    static std::string HomePageAddress();

private:
    QLabel* label2_;
    QLabel* label3_;
};

} // namespace tesselo
