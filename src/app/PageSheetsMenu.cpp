#include "app/PageSheetsMenu.h"

#include "editor/Preview.h"
#include "panel/UiText.h"
#include "platform/PreviewBrowser.h"

#include <QToolButton>

namespace tesselo {

PageSheetsMenu::PageSheetsMenu(Preview& preview, PreviewBrowser& browser, QWidget* parent)
    : QMenu(parent), preview_(preview), button_(new QToolButton(parent)) {
    setObjectName(QStringLiteral("PageSheets"));
    button_->setObjectName(QStringLiteral("PageSheetsButton"));
    button_->setText(Tr("Таблицы страницы"));
    button_->setToolTip(Tr("Таблицы стилей, которые подключает страница"));
    button_->setStatusTip(Tr("Таблицы стилей страницы в просмотре: открыть другую из них"));
    button_->setMenu(this);
    button_->setPopupMode(QToolButton::InstantPopup);
    connect(&browser, &PreviewBrowser::DownloadComplete, this,
            [&browser] { browser.AskPageSheets(); });
    connect(&browser, &PreviewBrowser::PageSheetsFound, this,
            [this](const std::vector<PageSheet>& sheets) {
                preview_.PageSheetsFound(sheets);
                Render();
            });
    connect(this, &QMenu::aboutToShow, this, [this, &browser] {
        Render();
        browser.AskPageSheets();
    });
    Render();
}

void PageSheetsMenu::Render() {
    clear();
    const std::vector<PageSheetChoice> choices = preview_.PageSheetChoices();
    if (choices.empty()) {
        addAction(Tr("Страница не подключает таблиц стилей с диска"))->setEnabled(false);
        return;
    }
    for (const PageSheetChoice& choice : choices) {
        QAction* item = addAction(QString::fromStdString(choice.File));
        item->setCheckable(true);
        item->setChecked(choice.Open);
        // The one open here stays marked when chosen.
        if (choice.Open)
            connect(item, &QAction::triggered, item, [item] { item->setChecked(true); });
        else
            connect(item, &QAction::triggered, this,
                    [this, file = choice.File] { emit SheetChosen(file); });
    }
}

} // namespace tesselo
