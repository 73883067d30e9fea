#pragma once

// The actions of the main window: name, caption, hint ("short|long"), shortcut,
// category and picture. Texts are UTF-8.

#include "document/Hint.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tesselo {

// Every action of the window, in the order of kActions.
enum class ActionId : std::size_t {
    New,
    OpenFile,
    Save,
    SaveAs,
    NewStyle,
    StyleRename,
    StyleDelete,
    StyleUp,
    StyleDown,
    StyleSorted,
    FloatPanel,
    AutoRefreshAction,
    RefreshView,
    FullReloadAction,
    PickElement,
    HighlightStyle,
    EditUndo,
    EditRedo,
    EditCut,
    EditCopy,
    EditPaste,
    SendMailToAutor,
    HelpAbout,
    N25,
    N32,
    EditorLayoutAction,
    ReopenUtf8,
    ReopenWindows1251,
};

struct ActionInfo {
    ActionId Id;
    std::string_view Name;
    std::string_view Category;
    std::string_view Caption;
    std::string_view Hint;
    // In the toolkit's portable form, empty for none; "; " between keys that do the same.
    std::string_view Shortcut;
    std::string_view OwnIcon; // our own picture: one coloured set, whatever the desktop's theme
    bool Checkable = false;
};

inline constexpr std::size_t kActionCount = 28;

inline constexpr std::array<ActionInfo, kActionCount> kActions = {{
    {ActionId::New, "New", "File", "Новый", "Новый|Создание новой таблицы стилей", "Ctrl+N", "new"},
    {ActionId::OpenFile, "OpenFile", "File", "Открыть...", "Открыть|Открыть файл на диске",
     "Ctrl+O", "open"},
    {ActionId::Save, "Save", "File", "Сохранить", "Сохранить|Сохранение данных в текущем файле",
     "Ctrl+S", "save"},
    {ActionId::SaveAs, "SaveAs", "File", "Сохранить как...",
     "Сохранить как...|Сохранение данных в файле с новым именем и/или местоположением", "",
     "save-as"},
    {ActionId::NewStyle, "NewStyle", "Style", "Новый стиль",
     "Новый стиль|Вызов конструктора имени для нового стиля", "Ins", "new-style"},
    {ActionId::StyleRename, "StyleRename", "Style", "Переименовать",
     "Переименовать|Переименовать текущий стиль", "F2", "rename"},
    {ActionId::StyleDelete, "StyleDelete", "Style", "Удалить", "Удалить|Удалить текущий стиль",
     "Ctrl+Del", "delete"},
    {ActionId::StyleUp, "StyleUp", "Style", "Стиль вверх",
     "Вверх|Перемещение стиля вверх по списку. Можно просто перетащить.", "", "up"},
    {ActionId::StyleDown, "StyleDown", "Style", "Стиль вниз",
     "Вниз|Перемещение стиля вниз по списку. Можно просто перетащить.", "", "down"},
    {ActionId::StyleSorted, "StyleSorted", "Style", "Сортировка",
     "Сортировать по алфавиту (осторожно, смена порядка наследования)", "", "sort"},
    {ActionId::FloatPanel, "FloatPanel", "View", "Подвижные панели",
     "Подвижные панели|Рабочая область занимает максимум площади окна, а панели становятся "
     "выдвижными",
     "F11", "float-panel", true},
    {ActionId::AutoRefreshAction, "AutoRefreshAction", "View", "Автообновление",
     "Автообновление !!!|Окно просмотра обновляется сразу после изменения стиля !!!", "",
     "auto-refresh", true},
    {ActionId::RefreshView, "RefreshView", "View", "Обновить",
     "Обновить|Обновить окно просмотра и состояние панелей инструментов", "F5", "refresh"},
    {ActionId::FullReloadAction, "FullReloadAction", "View", "Перезагружать страницу целиком",
     "Перезагружать страницу целиком|Обновление просмотра загружает страницу заново, а не "
     "только таблицу стилей",
     "", "full-reload", true},
    {ActionId::PickElement, "PickElement", "View", "Выбрать элемент на странице",
     "Выбрать элемент на странице|Щёлкните элемент на странице просмотра: в списке выделится "
     "его стиль. Esc - отказ",
     "Ctrl+Shift+C", "pick", true},
    {ActionId::HighlightStyle, "HighlightStyle", "View", "Подсвечивать элементы стиля",
     "Подсвечивать элементы стиля|Элементы страницы, к которым применяется текущий стиль, "
     "обведены рамкой",
     "", "highlight", true},
    {ActionId::EditUndo, "EditUndo", "Edit", "Отменить", "Отменить|Отменить последнее изменение",
     "Ctrl+Z", "undo"},
    {ActionId::EditRedo, "EditRedo", "Edit", "Повторить",
     "Повторить|Повторить отменённое изменение", "Ctrl+Shift+Z; Ctrl+Y", "redo"},
    {ActionId::EditCut, "EditCut", "Edit", "Вырезать",
     "Вырезать|Вырезать выделенный фрагмент в буфер обмена", "Ctrl+X", "cut"},
    {ActionId::EditCopy, "EditCopy", "Edit", "Копировать",
     "Копировать|Копировать выделенный фрагмент в буфер обмена", "Ctrl+C", "copy"},
    {ActionId::EditPaste, "EditPaste", "Edit", "Вставить",
     "Вставить|Вставить фрагмент из буфера обмена", "Ctrl+V", "paste"},
    {ActionId::SendMailToAutor, "SendMailToAutor", "Help", "Письмо автору",
     "Письмо автору|Для разработчика обратная связь - лучший помощник и советчик. Пишите.", "",
     "mail"},
    {ActionId::HelpAbout, "HelpAbout", "Help", "О программе...", "О программе...", "F1", "about"},
    // Menu items with commands of their own.
    {ActionId::N25, "N25", "Edit", "Очистить стиль", "Очистить стиль", "", "clear-style"},
    {ActionId::N32, "N32", "Help", "Домашняя страница", "Домашняя страница", "", "web"},
    {ActionId::EditorLayoutAction, "EditorLayoutAction", "View", "Раскладка редактора",
     "Раскладка редактора|Текст стиля пишется заново в раскладке редактора: строки с \";\", "
     "имена свойств с заглавной буквы, неподдерживаемые свойства под строкой-пометкой",
     "", "editor-layout", true},
    // The menu of the encoding at the status line's right end; the sheet's own is checked.
    {ActionId::ReopenUtf8, "ReopenUtf8", "File", "Открыть заново как UTF-8",
     "Открыть заново как UTF-8|Прочитать файл заново в кодировке UTF-8", "", "open", true},
    {ActionId::ReopenWindows1251, "ReopenWindows1251", "File", "Открыть заново как Windows-1251",
     "Открыть заново как Windows-1251|Прочитать файл заново в кодировке Windows-1251", "", "open",
     true},
}};

// Each entry sits at its own id's place, so Action(id) is an index.
inline constexpr bool ActionsInOrder() {
    for (std::size_t i = 0; i < kActions.size(); ++i)
        if (static_cast<std::size_t>(kActions[i].Id) != i)
            return false;
    return true;
}
static_assert(ActionsInOrder());

// Our addresses.
inline constexpr std::string_view kAuthorMail = "tesselo@velmor.org";
inline constexpr std::string_view kHomePage = "https://velmor.org/tesselo";

} // namespace tesselo
