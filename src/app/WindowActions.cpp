#include "app/WindowActions.h"

#include "app/Translation.h"
#include "panel/LazyIcon.h"

#include "platform/QtText.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <optional>

// The pictures live in this library, which the linker would otherwise leave out. The
// resource's initialiser is declared outside any namespace.
static void InitIconResource() {
    Q_INIT_RESOURCE(icons);
}

namespace tesselo {

void InitPictures() {
    InitIconResource();
    if ((QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) &&
        QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists())
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

QIcon Picture(std::string_view ownName) {
    return LazyIcon(
        [file = QStringLiteral(":/icons/%1.svg").arg(FromUtf8(ownName))] { return QIcon(file); });
}

WindowActions MakeActions(QWidget& window) {
    WindowActions actions{};
    for (const ActionInfo& info : kActions) {
        auto* action = new QAction(Picture(info.OwnIcon), Ui(info.Caption), &window);
        action->setObjectName(FromUtf8(info.Name));
        const HintParts hint = SplitHint(info.Hint);
        action->setToolTip(Ui(hint.Short));
        action->setStatusTip(Ui(hint.Long));
        action->setProperty("category", FromUtf8(info.Category));
        if (!info.Shortcut.empty())
            action->setShortcuts(QKeySequence::listFromString(FromUtf8(info.Shortcut)));
        action->setCheckable(info.Checkable);
        actions[static_cast<std::size_t>(info.Id)] = action;
        window.addAction(action);
    }
    return actions;
}

void BuildMenus(QMenuBar& bar, const WindowActions& actions) {
    bar.setObjectName(QStringLiteral("MainMenu"));
    // A null id stands for a separator.
    auto add = [&](const QString& title, std::initializer_list<std::optional<ActionId>> items) {
        QMenu* menu = bar.addMenu(title);
        for (const std::optional<ActionId>& item : items) {
            if (item)
                menu->addAction(actions[static_cast<std::size_t>(*item)]);
            else
                menu->addSeparator();
        }
    };
    using enum ActionId;
    constexpr std::nullopt_t line = std::nullopt;
    add(Ui("Файл"), {New, line, OpenFile, Save, SaveAs});
    add(Ui("Правка"), {EditUndo, EditRedo, line, EditCut, EditCopy, EditPaste, line, N25});
    add(Ui("Вид"), {FloatPanel, AutoRefreshAction, FullReloadAction, EditorLayoutAction, line,
                    RefreshView, line, PickElement, HighlightStyle});
    add(Ui("Стиль"), {NewStyle, StyleDelete, StyleRename, line, StyleUp, StyleDown, StyleSorted});
    add(Ui("Помощь"), {SendMailToAutor, N32, line, HelpAbout});
}

QToolBar* BuildMainToolBar(QMainWindow& window, const WindowActions& actions) {
    QToolBar* bar = window.addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFixedHeight(29);
    bar->setIconSize(QSize(16, 16));
    using enum ActionId;
    constexpr std::nullopt_t none = std::nullopt; // a separator
    for (const std::optional<ActionId> id : std::initializer_list<std::optional<ActionId>>{
             New, OpenFile, Save, none, EditUndo, EditRedo, EditCut, EditCopy, EditPaste, none}) {
        if (id)
            bar->addAction(actions[static_cast<std::size_t>(*id)]);
        else
            bar->addSeparator();
    }
    return bar;
}

void CopyFromFocus() {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget()))
        edit->copy();
    else if (auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        line->copy();
}

void NameActionButtons(const QWidget& window) {
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            QWidget* button = bar->widgetForAction(action);
            if (button && button->objectName().isEmpty() && !action->objectName().isEmpty())
                button->setObjectName(action->objectName());
        }
    }
}

} // namespace tesselo
