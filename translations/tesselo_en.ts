<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Tesselo</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Стиль</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Создание новой таблицы стилей</source>
        <translation>Create a new style sheet</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Открыть файл на диске</source>
        <translation>Open a file on disk</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранение данных в текущем файле</source>
        <translation>Save to the current file</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Сохранение данных в файле с новым именем и/или местоположением</source>
        <translation>Save to a file with another name or in another place</translation>
    </message>
    <message>
        <source>Новый стиль</source>
        <translation>New Style</translation>
    </message>
    <message>
        <source>Вызов конструктора имени для нового стиля</source>
        <translation>Build the selector of a new style</translation>
    </message>
    <message>
        <source>Переименовать</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Переименовать текущий стиль</source>
        <translation>Rename the current style</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить текущий стиль</source>
        <translation>Delete the current style</translation>
    </message>
    <message>
        <source>Стиль вверх</source>
        <translation>Move Style Up</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Перемещение стиля вверх по списку. Можно просто перетащить.</source>
        <translation>Move the style up the list. You can also drag it.</translation>
    </message>
    <message>
        <source>Стиль вниз</source>
        <translation>Move Style Down</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Перемещение стиля вниз по списку. Можно просто перетащить.</source>
        <translation>Move the style down the list. You can also drag it.</translation>
    </message>
    <message>
        <source>Сортировка</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>Сортировать по алфавиту (осторожно, смена порядка наследования)</source>
        <translation>Sort alphabetically (careful: this changes the order of the cascade)</translation>
    </message>
    <message>
        <source>Подвижные панели</source>
        <translation>Floating Panels</translation>
    </message>
    <message>
        <source>Рабочая область занимает максимум площади окна, а панели становятся выдвижными</source>
        <translation>The work area takes most of the window and the panels slide out</translation>
    </message>
    <message>
        <source>Автообновление</source>
        <translation>Auto Refresh</translation>
    </message>
    <message>
        <source>Автообновление !!!</source>
        <translation>Auto Refresh</translation>
    </message>
    <message>
        <source>Окно просмотра обновляется сразу после изменения стиля !!!</source>
        <translation>The preview is refreshed as soon as a style changes</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Обновить окно просмотра и состояние панелей инструментов</source>
        <translation>Refresh the preview and the tool bars</translation>
    </message>
    <message>
        <source>Перезагружать страницу целиком</source>
        <translation>Reload the Whole Page</translation>
    </message>
    <message>
        <source>Обновление просмотра загружает страницу заново, а не только таблицу стилей</source>
        <translation>A refresh loads the page again, not only the style sheet</translation>
    </message>
    <message>
        <source>Выбрать элемент на странице</source>
        <translation>Pick an Element on the Page</translation>
    </message>
    <message>
        <source>Щёлкните элемент на странице просмотра: в списке выделится его стиль. Esc - отказ</source>
        <translation>Click an element on the preview page: its style is selected in the list. Esc cancels</translation>
    </message>
    <message>
        <source>Подсвечивать элементы стиля</source>
        <translation>Highlight the Style's Elements</translation>
    </message>
    <message>
        <source>Элементы страницы, к которым применяется текущий стиль, обведены рамкой</source>
        <translation>The page's elements the current style applies to are outlined</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Отменить последнее изменение</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Повторить отменённое изменение</source>
        <translation>Redo the change undone</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Вырезать выделенный фрагмент в буфер обмена</source>
        <translation>Cut the selection to the clipboard</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Копировать выделенный фрагмент в буфер обмена</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Вставить фрагмент из буфера обмена</source>
        <translation>Paste from the clipboard</translation>
    </message>
    <message>
        <source>Письмо автору</source>
        <translation>Write to the Author</translation>
    </message>
    <message>
        <source>Для разработчика обратная связь - лучший помощник и советчик. Пишите.</source>
        <translation>Feedback is the developer's best helper and adviser. Write to us.</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Очистить стиль</source>
        <translation>Clear Style</translation>
    </message>
    <message>
        <source>Домашняя страница</source>
        <translation>Home Page</translation>
    </message>
    <message>
        <source>Раскладка редактора</source>
        <translation>Editor's Layout</translation>
    </message>
    <message>
        <source>Текст стиля пишется заново в раскладке редактора: строки с ";", имена свойств с заглавной буквы, неподдерживаемые свойства под строкой-пометкой</source>
        <translation>The style's text is written anew in the editor's layout: lines starting with ";", property names capitalised, unsupported properties below a marker line</translation>
    </message>
    <message>
        <source>Открыть заново как UTF-8</source>
        <translation>Reopen as UTF-8</translation>
    </message>
    <message>
        <source>Прочитать файл заново в кодировке UTF-8</source>
        <translation>Read the file again as UTF-8</translation>
    </message>
    <message>
        <source>Открыть заново как Windows-1251</source>
        <translation>Reopen as Windows-1251</translation>
    </message>
    <message>
        <source>Прочитать файл заново в кодировке Windows-1251</source>
        <translation>Read the file again as Windows-1251</translation>
    </message>
    <message>
        <source>Фон и цвет</source>
        <translation>Background and Colour</translation>
    </message>
    <message>
        <source>Отступы</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>Блок</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Положение и размер</source>
        <translation>Position and Size</translation>
    </message>
    <message>
        <source>Раскладка</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Эффекты</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Все свойства</source>
        <translation>All Properties</translation>
    </message>
    <message>
        <source>Переменные</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>%1 в %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>изменение %1</source>
        <translation>change in %1</translation>
    </message>
    <message>
        <source>правка текста %1</source>
        <translation>text edit of %1</translation>
    </message>
    <message>
        <source>переименование %1</source>
        <translation>rename of %1</translation>
    </message>
    <message>
        <source>удаление %1</source>
        <translation>deletion of %1</translation>
    </message>
    <message>
        <source>перемещение стиля</source>
        <translation>move of a style</translation>
    </message>
    <message>
        <source>сортировка стилей</source>
        <translation>sort of the styles</translation>
    </message>
    <message>
        <source>новый стиль %1</source>
        <translation>new style %1</translation>
    </message>
    <message>
        <source>очистка %1</source>
        <translation>clearing of %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Редактор таблиц стилей</source>
        <translation>Style sheet editor</translation>
    </message>
    <message>
        <source>Запуск вашей почтовой программы</source>
        <translation>Opens your mail program</translation>
    </message>
    <message>
        <source>Информация об обновлениях и сопутствующие материалы</source>
        <translation>News of updates and related material</translation>
    </message>
</context>
</TS>
