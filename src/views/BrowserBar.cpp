#include "views/BrowserBar.h"

#include "editor/Preview.h"
#include "views/WidgetHint.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

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
}

void BrowserBar::Render() {
    back_->setEnabled(preview_.BackEnabled);
    forward_->setEnabled(preview_.ForwardEnabled);
    location_->setText(QString::fromStdString(preview_.LocationView));
}

} // namespace tesselo
