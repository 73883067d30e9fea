#include "app/About.h"

#include "app/Translation.h"

#include "app/ActionTable.h"
#include "platform/QtText.h"
#include "platform/SystemServices.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace tesselo {
namespace {

// A label that opens its address on a click, as a link does.
QLabel* MakeLink(QWidget* parent, const QString& name, const QString& caption, const QString& hint,
                 std::string address) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(hint);
    label->setStatusTip(hint);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color: blue;\">%2</a>")
                       .arg(QString::fromStdString(address), caption.toHtmlEscaped()));
    label->setOpenExternalLinks(false);
    QObject::connect(label, &QLabel::linkActivated, label, [address] { ShellOpen(address); });
    return label;
}

} // namespace

std::string TAboutBox::MailAddress() {
    return "mailto:" + std::string(kAuthorMail) + "?subject=Tesselo";
}

std::string TAboutBox::HomePageAddress() {
    return std::string(kHomePage);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(Ui("О программе"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/tesselo.svg")).pixmap(48, 48));

    auto* title = new QLabel(Ui("Редактор таблиц стилей"), this);
    auto* productName = new QLabel(QStringLiteral("Tesselo"), this);
    productName->setObjectName(QStringLiteral("ProductName"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    productName->setFont(bold);

    label2_ =
        MakeLink(this, QStringLiteral("Label2"), QStringLiteral("e-mail: ") + FromUtf8(kAuthorMail),
                 Ui("Запуск вашей почтовой программы"), MailAddress());
    auto* label4 = new QLabel(QStringLiteral("Home Page Tesselo"), this);
    label4->setObjectName(QStringLiteral("Label4"));
    label3_ =
        MakeLink(this, QStringLiteral("Label3"), FromUtf8(kHomePage),
                 Ui("Информация об обновлениях и сопутствующие материалы"), HomePageAddress());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1, 1, 2);
    layout->addWidget(productName, 1, 1, 1, 2);
    layout->addWidget(label2_, 2, 0, 1, 3);
    layout->addWidget(label4, 3, 0);
    layout->addWidget(label3_, 3, 1, 1, 2);
    layout->addWidget(ok, 4, 1, 1, 1, Qt::AlignHCenter);
}

} // namespace tesselo
