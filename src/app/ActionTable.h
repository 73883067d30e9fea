#pragma once

// The actions of the main window: name, caption, hint ("short|long"), shortcut,
// category and picture. Texts are UTF-8.

#include "document/Hint.h"

#include <array>
#include <string_view>

namespace tesselo {

struct ActionInfo {
    std::string_view Name;
    std::string_view Category;
    std::string_view Caption;
    std::string_view Hint;
    std::string_view Shortcut; // in the toolkit's portable form, empty for none
    std::string_view OwnIcon;  // our own picture: one coloured set, whatever the desktop's theme
    bool Checkable = false;
};

inline constexpr std::array<ActionInfo, 20> kActions = {{
    {"New", "File", "Новый", "Новый|Создание новой таблицы стилей", "Ctrl+N", "new"},
    {"OpenFile", "File", "Открыть...", "Открыть|Открыть файл на диске", "Ctrl+O", "open"},
    {"Save", "File", "Сохранить", "Сохранить|Сохранение данных в текущем файле", "Ctrl+S", "save"},
    {"SaveAs", "File", "Сохранить как...",
     "Сохранить как...|Сохранение данных в файле с новым именем и/или местоположением", "",
     "save-as"},
    {"NewStyle", "Style", "Новый стиль", "Новый стиль|Вызов конструктора имени для нового стиля",
     "Ins", "new-style"},
    {"StyleRename", "Style", "Переименовать", "Переименовать|Переименовать текущий стиль", "F2",
     "rename"},
    {"StyleDelete", "Style", "Удалить", "Удалить|Удалить текущий стиль", "Ctrl+Del", "delete"},
    {"StyleUp", "Style", "Стиль вверх",
     "Вверх|Перемещение стиля вверх по списку. Можно просто перетащить.", "", "up"},
    {"StyleDown", "Style", "Стиль вниз",
     "Вниз|Перемещение стиля вниз по списку. Можно просто перетащить.", "", "down"},
    {"StyleSorted", "Style", "Сортировка",
     "Сортировать по алфавиту (осторожно, смена порядка наследования)", "", "sort"},
    {"FloatPanel", "View", "Подвижные панели",
     "Подвижные панели|Рабочая область занимает максимум площади окна, а панели становятся "
     "выдвижными",
     "F11", "float-panel", true},
    {"AutoRefreshAction", "View", "Автообновление",
     "Автообновление !!!|Окно просмотра обновляется сразу после изменения стиля !!!", "",
     "auto-refresh", true},
    {"RefreshView", "View", "Обновить",
     "Обновить|Обновить окно просмотра и состояние панелей инструментов", "F5", "refresh"},
    {"EditCut", "Edit", "Вырезать", "Вырезать|Вырезать выделенный фрагмент в буфер обмена",
     "Ctrl+X", "cut"},
    {"EditCopy", "Edit", "Копировать", "Копировать|Копировать выделенный фрагмент в буфер обмена",
     "Ctrl+C", "copy"},
    {"EditPaste", "Edit", "Вставить", "Вставить|Вставить фрагмент из буфера обмена", "Ctrl+V",
     "paste"},
    {"SendMailToAutor", "Help", "Письмо автору",
     "Письмо автору|Для разработчика обратная связь - лучший помощник и советчик. Пишите.", "",
     "mail"},
    {"HelpAbout", "Help", "О программе...", "О программе...", "F1", "about"},
    // Menu items with commands of their own.
    {"N25", "Edit", "Очистить стиль", "Очистить стиль", "", "clear-style"},
    {"N32", "Help", "Домашняя страница", "Домашняя страница", "", "web"},
}};

// Our addresses.
inline constexpr std::string_view kAuthorMail = "tesselo@velmor.org";
inline constexpr std::string_view kHomePage = "https://velmor.org/tesselo";

} // namespace tesselo
