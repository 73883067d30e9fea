#include "views/BrowserBar.h"
#include "panel/UiText.h"

#include "editor/Preview.h"
#include "views/WidgetHint.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

namespace tesselo {

BrowserBar::BrowserBar(Preview& preview, QToolBar& bar, const Actions& actions,
                       const Pictures& picture, QObject* parent)
    : QObject(parent), preview_(preview) {
    auto button = [&](const char* name, std::string_view hint, std::string_view ownName,
                      void (Preview::*click)()) {
        auto* made = new QToolButton(&bar);
        made->setObjectName(QString::fromLatin1(name));
        made->setIcon(picture(ownName));
        made->setAutoRaise(true);
        SetHint(made, hint);
        connect(made, &QToolButton::clicked, this, [this, click] { (preview_.*click)(); });
        return made;
    };
    back_ = button("GotoBack", "Назад", "back", &Preview::GotoBackClick);
    forward_ = button("GotoForward", "Вперед", "forward", &Preview::GotoForwardClick);
    QToolButton* stop = button("StopNavigate", "Стоп", "stop", &Preview::StopNavigateClick);
    QToolButton* home =
        button("GotoHomePage", "На стартовую в Tesselo", "home", &Preview::GotoHomePageClick);
    QToolButton* saveHome = button("SaveHomePage", "Сделать текущую стартовой в рамках Tesselo",
                                   "save-home", &Preview::SaveHomePageClick);
    location_ = new QLineEdit(QStringLiteral("about:blank"), &bar);
    location_->setObjectName(QStringLiteral("LocationView"));
    location_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(location_, &QLineEdit::textEdited, this,
            [this](const QString& text) { preview_.LocationView = text.toStdString(); });
    connect(location_, &QLineEdit::returnPressed, this, [this] { preview_.LocationViewEnter(); });

    bar.addWidget(back_);
    bar.addWidget(forward_);
    bar.addSeparator();
    bar.addWidget(stop);
    bar.addAction(actions.RefreshView);
    bar.addSeparator();
    bar.addWidget(home);
    bar.addWidget(location_);
    bar.addWidget(saveHome);
    bar.addSeparator();
    bar.addAction(actions.FloatPanel);
    bar.widgetForAction(actions.FloatPanel)->setObjectName(QStringLiteral("ToolButtonFullView"));
    bar.addAction(actions.AutoRefresh);
    bar.addSeparator();
    bar.addAction(actions.PickElement);
    bar.addAction(actions.HighlightStyle);

    // The page's width: a screen's, chosen or typed.
    bar.addSeparator();
    width_ = new QComboBox(&bar);
    width_->setObjectName(QStringLiteral("PreviewWidth"));
    width_->setEditable(true);
    width_->setInsertPolicy(QComboBox::NoInsert);
    width_->setCompleter(nullptr);
    for (const Width& width : Widths())
        width_->addItem(Tr(width.Caption), width.Pixels);
    width_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    SetHint(width_, "Ширина страницы в просмотре, в пикселях: как на экране телефона, планшета "
                    "или ноутбука");
    connect(width_, &QComboBox::activated, this,
            [this](int index) { ChooseWidth(width_->itemData(index).toInt()); });
    // A typed width is its number; text without one is the preview's own width.
    connect(width_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        const auto number =
            QRegularExpression(QStringLiteral("[0-9]+")).match(width_->currentText());
        ChooseWidth(number.hasMatch() ? number.captured().left(5).toInt() : 0);
    });
    bar.addWidget(width_);
    scale_ = new QLabel(&bar);
    scale_->setObjectName(QStringLiteral("PreviewScale"));
    SetHint(scale_, "Страница шире просмотра и показана уменьшенной");
    scaleAction_ = bar.addWidget(scale_);
    scaleAction_->setVisible(false);
    fit_ = new QToolButton(&bar);
    fit_->setObjectName(QStringLiteral("FitPageWidth"));
    fit_->setAutoRaise(true);
    connect(fit_, &QToolButton::clicked, this, [this] {
        if (auto width = preview_.WidthForCurrentRule())
            ChooseWidth(*width);
    });
    fitAction_ = bar.addWidget(fit_);
    fitAction_->setVisible(false);
}

const std::vector<BrowserBar::Width>& BrowserBar::Widths() {
    static const std::vector<Width> widths = {
        {0, "Во всю ширину"}, {375, "Телефон 375"}, {768, "Планшет 768"}, {1280, "Ноутбук 1280"}};
    return widths;
}

void BrowserBar::ChooseWidth(int width) {
    preview_.SetPageWidth(width);
    Render();
    emit PageWidthChosen(preview_.PageWidth());
}

void BrowserBar::ShowScale(double scale) {
    scale_->setText(QStringLiteral("%1 %").arg(std::lround(scale * 100)));
    scaleAction_->setVisible(scale < 1);
}

void BrowserBar::Render() {
    back_->setEnabled(preview_.BackEnabled);
    forward_->setEnabled(preview_.ForwardEnabled);
    location_->setText(QString::fromStdString(preview_.LocationView));
    const int width = preview_.PageWidth();
    const int item = width_->findData(width);
    const QString shown = item >= 0 ? width_->itemText(item) : QString::number(width);
    if (width_->currentText() != shown && !width_->lineEdit()->hasFocus()) {
        if (item >= 0)
            width_->setCurrentIndex(item);
        else
            width_->setEditText(shown);
    }
    const auto fit = preview_.WidthForCurrentRule();
    fitAction_->setVisible(fit.has_value());
    if (fit) {
        fit_->setText(Tr("Ширина %1").arg(*fit));
        SetHint(fit_, TrFillText("Текущее правило действует при ширине %1 пикселей: показать "
                                 "страницу такой ширины",
                                 std::to_string(*fit)));
    }
}

} // namespace tesselo
