#pragma once

// "Таблицы страницы" on the preview's tool bar: the local sheets the page links, the one
// open here checked. The page is asked for them after each load and each time the menu
// opens; its answer fills the menu, open or not. Choosing another sheet asks to open it.

#include <QMenu>
#include <string>

class QToolButton;

namespace tesselo {

class Preview;
class PreviewBrowser;

class PageSheetsMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageSheetsMenu)
public:
    PageSheetsMenu(Preview& preview, PreviewBrowser& browser, QWidget* parent);
    // The button that opens it, for a tool bar.
    QToolButton* Button() const { return button_; }

signals:
    // A sheet other than the one open here.
    void SheetChosen(const std::string& file);

private:
    void Render();

    Preview& preview_;
    QToolButton* button_;
};

} // namespace tesselo
