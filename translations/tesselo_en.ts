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
    <message>
        <source>Текущий файл изменен. Сохранить изменения?</source>
        <translation>The current file has changed. Save the changes?</translation>
    </message>
    <message>
        <source>При попытке открытия файла обнаружена его начальная версия. &#xd;Это означает, что в предыдущий сеанс работы был аварийно завершен или файл открыт в другом окне Tesselo (не рекомендуется)&#xd;&#xd;Хотите редактировать незавершенный файл?&#xd;&#xd;ДА-будет открыт запрошенный файл с последними изменениями&#xd;НЕТ-файл будет восстановлен из обнаруженной начальной версии&#xd;ОТМЕНА - прервать операцию</source>
        <translation>An original version of the file was found while opening it. &#xd;This means the previous session ended abnormally or the file is open in another Tesselo window (not recommended)&#xd;&#xd;Do you want to edit the unfinished file?&#xd;&#xd;YES - open the requested file with its latest changes&#xd;NO - restore the file from the original version found&#xd;CANCEL - stop</translation>
    </message>
    <message>
        <source>Такой файл уже существует.Заменить его?</source>
        <translation>This file already exists. Replace it?</translation>
    </message>
    <message>
        <source>Это не обычный файл, а устройство, канал или сокет: открываются только таблицы стилей.</source>
        <translation>This is not a regular file but a device, pipe or socket: only style sheets can be opened.</translation>
    </message>
    <message>
        <source>Файл больше 64 МБ: это не таблица стилей.</source>
        <translation>The file is larger than 64 MB: it is not a style sheet.</translation>
    </message>
    <message>
        <source>Файл содержит нулевые байты (текст UTF-16 или двоичные данные): это не таблица стилей.</source>
        <translation>The file holds null bytes (UTF-16 text or binary data): it is not a style sheet.</translation>
    </message>
    <message>
        <source>Для возможности просмотра файл должен быть предварительно сохранен на диске.&#xd;Используйте команду меню &quot;Файл-Сохранить&quot;</source>
        <translation>To preview the file, save it to disk first.&#xd;Use the menu command &quot;File - Save&quot;</translation>
    </message>
    <message>
        <source>ВНИМАНИЕ!</source>
        <translation>WARNING!</translation>
    </message>
    <message>
        <source>Строчный элемент (display: inline): его размеры задаёт содержимое, свойство не действует</source>
        <translation>Inline element (display: inline): its size comes from its content, the property has no effect</translation>
    </message>
    <message>
        <source>Элемент не позиционирован (position: static): смещение не действует</source>
        <translation>The element is not positioned (position: static): the offset has no effect</translation>
    </message>
    <message>
        <source>Элемент не позиционирован (position: static) и не flex- или grid-элемент: z-index не действует</source>
        <translation>The element is not positioned (position: static) and is no flex or grid item: z-index has no effect</translation>
    </message>
    <message>
        <source>Браузер не понимает селектор этого стиля</source>
        <translation>The browser does not understand this style&apos;s selector</translation>
    </message>
    <message>
        <source>Стиль не применяется ни к одному элементу страницы</source>
        <translation>The style applies to no element of the page</translation>
    </message>
    <message>
        <source>Стиль содержит вложенные правила (@keyframes, вложенные селекторы и подобные): его текст редактируется только в окне стиля</source>
        <translation>The style holds nested rules (@keyframes, nested selectors and the like): its text is edited in the style&apos;s window only</translation>
    </message>
    <message>
        <source>Группа правил: ее стили - строки под ней. F2 - изменить условие группы</source>
        <translation>Group of rules: its styles are the rows under it. F2 changes the group&apos;s condition</translation>
    </message>
    <message>
        <source>Просмотр страницы</source>
        <translation>Page Preview</translation>
    </message>
    <message>
        <source>Страница показывает сообщение за сообщением.&#xd;Больше не показывать сообщений этой страницы?</source>
        <translation>The page shows one message after another.&#xd;Stop showing this page&apos;s messages?</translation>
    </message>
    <message>
        <source>Сообщение страницы</source>
        <translation>Page Message</translation>
    </message>
    <message>
        <source>Вопрос страницы</source>
        <translation>Page Question</translation>
    </message>
    <message>
        <source>Выбор фонового рисунка</source>
        <translation>Choose Background Picture</translation>
    </message>
    <message>
        <source>Файлы  JPG, JPEG, GIF (*.jpg *.jpeg *.gif);;Файлы BMP ;-) (*.bmp);;Все файлы (*)</source>
        <translation>JPG, JPEG, GIF files (*.jpg *.jpeg *.gif);;BMP files (*.bmp);;All files (*)</translation>
    </message>
    <message>
        <source>не удалось записать файл настроек</source>
        <translation>could not write the settings file</translation>
    </message>
    <message>
        <source>Каскадные таблицы стилей CSS (*.css)</source>
        <translation>CSS style sheets (*.css)</translation>
    </message>
    <message>
        <source>Просмотр страницы завершился аварийно; при следующем обновлении он будет запущен снова</source>
        <translation>The page preview crashed; it will start again at the next refresh</translation>
    </message>
    <message>
        <source>Страница показана в отдельном окне «Просмотр страницы»</source>
        <translation>The page is shown in a separate window, &quot;Page Preview&quot;</translation>
    </message>
    <message>
        <source>Просмотр страницы не ответил; при следующем обновлении он будет запущен снова</source>
        <translation>The page preview did not answer; it will start again at the next refresh</translation>
    </message>
    <message>
        <source>Не удалось открыть канал к просмотру страницы: %1</source>
        <translation>Could not open a channel to the page preview: %1</translation>
    </message>
    <message>
        <source>Не удалось запустить просмотр страницы (%1): %2</source>
        <translation>Could not start the page preview (%1): %2</translation>
    </message>
    <message>
        <source>Программа просмотра страницы другой версии, чем редактор: установите Tesselo заново</source>
        <translation>The page preview program is of another version than the editor: reinstall Tesselo</translation>
    </message>
    <message>
        <source>Просмотр страницы запущен снова</source>
        <translation>The page preview started again</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперед</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>На стартовую в Tesselo</source>
        <translation>Go to the Tesselo start page</translation>
    </message>
    <message>
        <source>Сделать текущую стартовой в рамках Tesselo</source>
        <translation>Make the current page the Tesselo start page</translation>
    </message>
    <message>
        <source>Ширина страницы в просмотре, в пикселях: как на экране телефона, планшета или ноутбука</source>
        <translation>Page width in the preview, in pixels: as on a phone, tablet or laptop screen</translation>
    </message>
    <message>
        <source>Страница шире просмотра и показана уменьшенной</source>
        <translation>The page is wider than the preview and is shown scaled down</translation>
    </message>
    <message>
        <source>Во всю ширину</source>
        <translation>Full width</translation>
    </message>
    <message>
        <source>Телефон 375</source>
        <translation>Phone 375</translation>
    </message>
    <message>
        <source>Планшет 768</source>
        <translation>Tablet 768</translation>
    </message>
    <message>
        <source>Ноутбук 1280</source>
        <translation>Laptop 1280</translation>
    </message>
    <message>
        <source>Ширина %1</source>
        <translation>Width %1</translation>
    </message>
    <message>
        <source>Текущее правило действует при ширине %1 пикселей: показать страницу такой ширины</source>
        <translation>The current rule applies at a width of %1 pixels: show the page at that width</translation>
    </message>
    <message>
        <source>Выберите элемент на странице (Ctrl+Shift+C): здесь будут правила, которые его оформляют</source>
        <translation>Pick an element in the page (Ctrl+Shift+C): the rules that style it will be listed here</translation>
    </message>
    <message>
        <source>Не действует: его перекрывает другое объявление</source>
        <translation>No effect: another declaration overrides it</translation>
    </message>
    <message>
        <source>Найти:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Предыдущее (Shift+Enter)</source>
        <translation>Previous (Shift+Enter)</translation>
    </message>
    <message>
        <source>Следующее (Enter)</source>
        <translation>Next (Enter)</translation>
    </message>
    <message>
        <source>Закрыть (Esc)</source>
        <translation>Close (Esc)</translation>
    </message>
    <message>
        <source>Перейти к строке:</source>
        <translation>Go to line:</translation>
    </message>
    <message>
        <source>не найдено</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>%1 всего</source>
        <translation>%1 in all</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Текущий стиль</source>
        <translation>Current Style</translation>
    </message>
    <message>
        <source>Обновить панели инструменов &gt;&gt;&gt;</source>
        <translation>Update the tool bars &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Текущий CSS</source>
        <translation>Current CSS</translation>
    </message>
    <message>
        <source>Исходный CSS</source>
        <translation>Original CSS</translation>
    </message>
    <message>
        <source>Просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Стили элемента</source>
        <translation>Element Styles</translation>
    </message>
    <message>
        <source>Состояние:</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>Показать выбранный элемент в этом состоянии</source>
        <translation>Show the picked element in this state</translation>
    </message>
    <message>
        <source>Список созданных селекторов (стилей)</source>
        <translation>List of selectors (styles)</translation>
    </message>
    <message>
        <source>Щелчок-открыть, двойной щелчек-переименовать, перетаскивание-изменение номера в списке</source>
        <translation>Click to open, double-click to rename, drag to change the place in the list</translation>
    </message>
    <message>
        <source>Переименование стиля</source>
        <translation>Rename the style</translation>
    </message>
    <message>
        <source>Найти стиль (Ctrl+F)</source>
        <translation>Find a style (Ctrl+F)</translation>
    </message>
    <message>
        <source>Поиск стиля</source>
        <translation>Find a style</translation>
    </message>
    <message>
        <source>Показывает только стили, в селекторе которых есть набранный текст; Esc - показать все</source>
        <translation>Shows only the styles whose selector holds the typed text; Esc shows all</translation>
    </message>
    <message>
        <source>Найти стиль</source>
        <translation>Find a Style</translation>
    </message>
    <message>
        <source>Группа: </source>
        <translation>Group: </translation>
    </message>
    <message>
        <source>Кодировка файла. Щёлкните, чтобы открыть его заново в другой кодировке</source>
        <translation>The file&apos;s encoding. Click to open the file again in another encoding</translation>
    </message>
    <message>
        <source>; фильтр списка снят, чтобы показать стиль</source>
        <translation>; the list&apos;s filter was cleared to show the style</translation>
    </message>
    <message>
        <source>Щёлкните элемент на странице, чтобы выбрать его стиль; Esc - отказ</source>
        <translation>Click an element in the page to select its style; Esc cancels</translation>
    </message>
    <message>
        <source>Это строка состояния. Читайте здесь подсказки.</source>
        <translation>This is the status line. Read the hints here.</translation>
    </message>
    <message>
        <source>%1; в других таблицах страницы: %2</source>
        <translation>%1; in the page&apos;s other sheets: %2</translation>
    </message>
    <message>
        <source>%1 (состояния :hover и подобные не учтены)</source>
        <translation>%1 (states such as :hover are not taken into account)</translation>
    </message>
    <message>
        <source>%1 (обведены первые %2)</source>
        <translation>%1 (the first %2 outlined)</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1&#xd;%2</source>
        <translation>Could not read the file %1&#xd;%2</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1&#xd;%2</source>
        <translation>Could not write the file %1&#xd;%2</translation>
    </message>
    <message>
        <source>Файл %1 изменен другой программой.&#xd;Записать поверх него?</source>
        <translation>The file %1 was changed by another program.&#xd;Overwrite it?</translation>
    </message>
    <message>
        <source>Файл %1 изменен другой программой.&#xd;Вернуть в него начальную версию, открытую или сохраненную в Tesselo?&#xd;&#xd;ДА-начальная версия будет записана поверх текста другой программы&#xd;НЕТ-файл останется с текстом другой программы&#xd;ОТМЕНА - прервать операцию</source>
        <translation>The file %1 was changed by another program.&#xd;Put back the original version, as opened or saved in Tesselo?&#xd;&#xd;YES - the original version overwrites the other program&apos;s text&#xd;NO - the file keeps the other program&apos;s text&#xd;CANCEL - stop</translation>
    </message>
    <message>
        <source>Начальная версия файла %1 (%2) не найдена.&#xd;Файл остается с последними изменениями.</source>
        <translation>The original version of the file %1 (%2) was not found.&#xd;The file keeps its latest changes.</translation>
    </message>
    <message>
        <source>Файл %1 уже открыт в другом окне Tesselo.&#xd;Продолжите работу с ним там или закройте то окно.</source>
        <translation>The file %1 is already open in another Tesselo window.&#xd;Go on working with it there or close that window.</translation>
    </message>
    <message>
        <source>Имя начальной версии файла %1 занято: %2 не обычный файл (ссылка, канал, устройство или папка).&#xd;Файл не открыт. Уберите или переименуйте %2 и откройте файл снова.</source>
        <translation>The name of the original version of the file %1 is taken: %2 is not a regular file (a link, pipe, device or folder).&#xd;The file was not opened. Remove or rename %2 and open the file again.</translation>
    </message>
    <message>
        <source>Файл %1 не найден: другая программа удалила или переместила его.&#xd;Записать его снова с текстом, открытым в Tesselo?</source>
        <translation>The file %1 was not found: another program deleted or moved it.&#xd;Write it again with the text open in Tesselo?</translation>
    </message>
    <message>
        <source>Файл %1 не найден: другая программа удалила или переместила его.&#xd;Записать его снова с начальной версией, открытой или сохраненной в Tesselo?&#xd;&#xd;ДА-файл будет записан снова&#xd;НЕТ-файла не будет&#xd;ОТМЕНА - прервать операцию</source>
        <translation>The file %1 was not found: another program deleted or moved it.&#xd;Write it again with the original version, as opened or saved in Tesselo?&#xd;&#xd;YES - the file is written again&#xd;NO - there will be no file&#xd;CANCEL - stop</translation>
    </message>
    <message>
        <source>Не удалось сохранить настройки Tesselo&#xd;%1</source>
        <translation>Could not save the Tesselo settings&#xd;%1</translation>
    </message>
    <message>
        <source>Нельзя сохранить владельца и группу файла (%1)</source>
        <translation>Cannot keep the file&apos;s owner and group (%1)</translation>
    </message>
    <message>
        <source>Имя стиля %1 недопустимо: %2.&#xd;%3</source>
        <translation>The style name %1 is not allowed: %2.&#xd;%3</translation>
    </message>
    <message>
        <source>Условие группы %1 недопустимо: %2.&#xd;%3</source>
        <translation>The group condition %1 is not allowed: %2.&#xd;%3</translation>
    </message>
    <message>
        <source>Селектор %1 недопустим: %2.&#xd;%3</source>
        <translation>The selector %1 is not allowed: %2.&#xd;%3</translation>
    </message>
    <message>
        <source>%1 не должно быть фигурных скобок, а кавычки, комментарии, круглые и квадратные скобки должны закрываться в нем самом: иначе остальная таблица стилей стала бы его частью.</source>
        <translation>%1 there must be no curly braces, and quotes, comments, parentheses and square brackets must close within it: otherwise the rest of the style sheet would become part of it.</translation>
    </message>
    <message>
        <source>Текст стиля не записан: %1.&#xd;Скобки, кавычки и комментарии должны закрываться в тексте стиля, а фигурная скобка } не должна закрывать правило раньше его конца: иначе остальная таблица стилей стала бы частью правила или новыми правилами. Набранный текст остался в окне &quot;Текущий стиль&quot;.</source>
        <translation>The style&apos;s text was not stored: %1.&#xd;Brackets, quotes and comments must close within the style&apos;s text, and a curly brace } must not close the rule before its end: otherwise the rest of the style sheet would become part of the rule or new rules. The typed text stays in the &quot;Current Style&quot; window.</translation>
    </message>
    <message>
        <source>в нем фигурная скобка %1 (%2)</source>
        <translation>it holds a curly brace %1 (%2)</translation>
    </message>
    <message>
        <source>фигурная скобка } (%1) закрыла бы правило</source>
        <translation>the curly brace } (%1) would close the rule</translation>
    </message>
    <message>
        <source>фигурная скобка { (%1) не закрыта</source>
        <translation>the curly brace { (%1) is not closed</translation>
    </message>
    <message>
        <source>кавычка %1 (%2) не закрыта</source>
        <translation>the quote %1 (%2) is not closed</translation>
    </message>
    <message>
        <source>комментарий /* (%1) не закрыт</source>
        <translation>the comment /* (%1) is not closed</translation>
    </message>
    <message>
        <source>скобка ( (%1) не закрыта</source>
        <translation>the parenthesis ( (%1) is not closed</translation>
    </message>
    <message>
        <source>скобка [ (%1) не закрыта</source>
        <translation>the bracket [ (%1) is not closed</translation>
    </message>
    <message>
        <source>обратная косая черта \ (%1) стоит в самом конце</source>
        <translation>the backslash \ (%1) stands at the very end</translation>
    </message>
    <message>
        <source>строка %1, знак %2</source>
        <translation>line %1, character %2</translation>
    </message>
    <message>
        <source>знак %1</source>
        <translation>character %1</translation>
    </message>
    <message>
        <source>Стиль с именем %1 уже существует.</source>
        <translation>A style named %1 already exists.</translation>
    </message>
    <message>
        <source>Секундочку! Такой селектор (стиль) уже существует.&#xd;Замените имя &quot;%1&quot; на другое.</source>
        <translation>Just a moment! This selector (style) already exists.&#xd;Replace the name &quot;%1&quot; with another one.</translation>
    </message>
    <message>
        <source>Условие группы %1 недопустимо.&#xd;Оно должно начинаться с @media, @supports, @layer, @container или @document.</source>
        <translation>The group condition %1 is not allowed.&#xd;It must begin with @media, @supports, @layer, @container or @document.</translation>
    </message>
    <message>
        <source>Удалить группу %1?&#xd;%2, они будут удалены вместе с ней.</source>
        <translation>Delete the group %1?&#xd;%2, they will be deleted with it.</translation>
    </message>
    <message>
        <source>В группе %1 стиль</source>
        <translation>Styles in the group: %1</translation>
    </message>
    <message>
        <source>В группе %1 стиля</source>
        <translation>Styles in the group: %1</translation>
    </message>
    <message>
        <source>В группе %1 стилей</source>
        <translation>Styles in the group: %1</translation>
    </message>
    <message>
        <source>Не действует при ширине %1 пикселей: %2</source>
        <translation>No effect at a width of %1 pixels: %2</translation>
    </message>
    <message>
        <source>Переменная %1 нигде в таблице стилей не задана, и запасного значения у var() нет: браузер не применит это объявление.</source>
        <translation>The variable %1 is defined nowhere in the style sheet, and the var() has no fallback: the browser will not apply this declaration.</translation>
    </message>
    <message>
        <source>Пропущено двоеточие после имени свойства «%1»</source>
        <translation>Missing colon after the property name «%1»</translation>
    </message>
    <message>
        <source>Неизвестное свойство «%1»</source>
        <translation>Unknown property «%1»</translation>
    </message>
    <message>
        <source>Пропущена точка с запятой перед «%1»</source>
        <translation>Missing semicolon before «%1»</translation>
    </message>
    <message>
        <source>Свойство «%1» не принимает значение «%2»</source>
        <translation>The property «%1» does not take the value «%2»</translation>
    </message>
    <message>
        <source>Элемент не flex- и не grid-контейнер (display: %1): свойство на него не действует</source>
        <translation>The element is neither a flex nor a grid container (display: %1): the property has no effect on it</translation>
    </message>
    <message>
        <source>Элемент не flex-контейнер (display: %1): свойство на него не действует</source>
        <translation>The element is not a flex container (display: %1): the property has no effect on it</translation>
    </message>
    <message>
        <source>Элемент не grid-контейнер (display: %1): свойство на него не действует</source>
        <translation>The element is not a grid container (display: %1): the property has no effect on it</translation>
    </message>
    <message>
        <source>Родитель элемента не flex-контейнер (display: %1): свойство на элемент не действует</source>
        <translation>The element&apos;s parent is not a flex container (display: %1): the property has no effect on the element</translation>
    </message>
    <message>
        <source>Родитель элемента не flex- и не grid-контейнер (display: %1): свойство на элемент не действует</source>
        <translation>The element&apos;s parent is neither a flex nor a grid container (display: %1): the property has no effect on the element</translation>
    </message>
    <message>
        <source>Родитель элемента не grid-контейнер (display: %1): свойство на элемент не действует</source>
        <translation>The element&apos;s parent is not a grid container (display: %1): the property has no effect on the element</translation>
    </message>
    <message>
        <source>Элемент %1: ни один стиль не подходит</source>
        <translation>Element %1: no style matches</translation>
    </message>
    <message>
        <source>Элемент %1: подходит %2 стиль</source>
        <translation>Element %1: matching styles: %2</translation>
    </message>
    <message>
        <source>Элемент %1: подходят %2 стиля</source>
        <translation>Element %1: matching styles: %2</translation>
    </message>
    <message>
        <source>Элемент %1: подходят %2 стилей</source>
        <translation>Element %1: matching styles: %2</translation>
    </message>
    <message>
        <source>Ни один стиль этой таблицы не подходит к элементу, а в таблице стилей %1, которую подключает страница, подходит %2 стиль.&#xd;Открыть %3?&#xd;&#xd;Да — открыть в этом окне, Нет — в новом окне.</source>
        <translation>No style of this sheet matches the element, but the style sheet %1, which the page links, has matching styles: %2.&#xd;Open %3?&#xd;&#xd;Yes - open it in this window, No - in a new window.</translation>
    </message>
    <message>
        <source>Ни один стиль этой таблицы не подходит к элементу, а в таблице стилей %1, которую подключает страница, подходят %2 стиля.&#xd;Открыть %3?&#xd;&#xd;Да — открыть в этом окне, Нет — в новом окне.</source>
        <translation>No style of this sheet matches the element, but the style sheet %1, which the page links, has matching styles: %2.&#xd;Open %3?&#xd;&#xd;Yes - open it in this window, No - in a new window.</translation>
    </message>
    <message>
        <source>Ни один стиль этой таблицы не подходит к элементу, а в таблице стилей %1, которую подключает страница, подходят %2 стилей.&#xd;Открыть %3?&#xd;&#xd;Да — открыть в этом окне, Нет — в новом окне.</source>
        <translation>No style of this sheet matches the element, but the style sheet %1, which the page links, has matching styles: %2.&#xd;Open %3?&#xd;&#xd;Yes - open it in this window, No - in a new window.</translation>
    </message>
    <message>
        <source>Стиль применяется к %1 элементу</source>
        <translation>Elements the style applies to: %1</translation>
    </message>
    <message>
        <source>Стиль применяется к %1 элементам</source>
        <translation>Elements the style applies to: %1</translation>
    </message>
    <message>
        <source>Число «%1» вне допустимых пределов (от -32768 до 32767).&#xd;Текст поля оставлен как был.</source>
        <translation>The number «%1» is out of range (-32768 to 32767).&#xd;The field&apos;s text stays as it was.</translation>
    </message>
    <message>
        <source>«%1» — не целое число.&#xd;Текст поля оставлен как был.</source>
        <translation>«%1» is not a whole number.&#xd;The field&apos;s text stays as it was.</translation>
    </message>
    <message>
        <source>Назначение тега в HTML: %1</source>
        <translation>What the tag is for in HTML: %1</translation>
    </message>
    <message>
        <source>Псевдоэлемент %1: %2</source>
        <translation>Pseudo-element %1: %2</translation>
    </message>
    <message>
        <source>Псевдокласс %1: %2</source>
        <translation>Pseudo-class %1: %2</translation>
    </message>
    <message>
        <source>Открытие файла…</source>
        <translation>Opening the file…</translation>
    </message>
    <message>
        <source>Чтение файла…</source>
        <translation>Reading the file…</translation>
    </message>
    <message>
        <source>Заполнение списка стилей…</source>
        <translation>Filling the list of styles…</translation>
    </message>
    <message>
        <source>Сборка таблицы стилей…</source>
        <translation>Composing the style sheet…</translation>
    </message>
    <message>
        <source>Сохранение файла…</source>
        <translation>Saving the file…</translation>
    </message>
    <message>
        <source>Гибкий контейнер</source>
        <translation>Flex container</translation>
    </message>
    <message>
        <source>Гибкий элемент</source>
        <translation>Flex item</translation>
    </message>
    <message>
        <source>Сетка</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Ячейка сетки</source>
        <translation>Grid item</translation>
    </message>
    <message>
        <source>Размеры</source>
        <translation>Sizes</translation>
    </message>
    <message>
        <source>Углы</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>Тени</source>
        <translation>Shadows</translation>
    </message>
    <message>
        <source>Прозрачность и мышь</source>
        <translation>Opacity and mouse</translation>
    </message>
    <message>
        <source>Переходы</source>
        <translation>Transitions</translation>
    </message>
    <message>
        <source>Преобразования</source>
        <translation>Transforms</translation>
    </message>
    <message>
        <source>Фильтры</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Контур</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Фон слоями</source>
        <translation>Background layers</translation>
    </message>
    <message>
        <source>Текст и списки</source>
        <translation>Text and lists</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Насыщенность шрифта</source>
        <translation>Font weight</translation>
    </message>
    <message>
        <source>Размер шрифта</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>Начертание шрифта</source>
        <translation>Font style</translation>
    </message>
    <message>
        <source>Вариант шрифта</source>
        <translation>Font variant</translation>
    </message>
    <message>
        <source>Шрифт одной записью</source>
        <translation>Font in one declaration</translation>
    </message>
    <message>
        <source>Декорация текста</source>
        <translation>Text decoration</translation>
    </message>
    <message>
        <source>Выравнивание текста</source>
        <translation>Text alignment</translation>
    </message>
    <message>
        <source>Вертикальное выравнивание</source>
        <translation>Vertical alignment</translation>
    </message>
    <message>
        <source>Отступ первой строки</source>
        <translation>First line indent</translation>
    </message>
    <message>
        <source>Высота строки</source>
        <translation>Line height</translation>
    </message>
    <message>
        <source>Расстояние между словами</source>
        <translation>Space between words</translation>
    </message>
    <message>
        <source>Расстояние между буквами</source>
        <translation>Space between letters</translation>
    </message>
    <message>
        <source>Регистр букв</source>
        <translation>Letter case</translation>
    </message>
    <message>
        <source>Пробелы и переносы строк</source>
        <translation>White space and line breaks</translation>
    </message>
    <message>
        <source>Перенос внутри слов</source>
        <translation>Breaking inside words</translation>
    </message>
    <message>
        <source>Перенос длинных слов</source>
        <translation>Breaking long words</translation>
    </message>
    <message>
        <source>Перенос длинных слов (старое имя)</source>
        <translation>Breaking long words (old name)</translation>
    </message>
    <message>
        <source>Текст, не вместившийся в блок</source>
        <translation>Text that does not fit its box</translation>
    </message>
    <message>
        <source>Линия декорации текста</source>
        <translation>Text decoration line</translation>
    </message>
    <message>
        <source>Вид линии декорации</source>
        <translation>Decoration line style</translation>
    </message>
    <message>
        <source>Цвет линии декорации</source>
        <translation>Decoration line colour</translation>
    </message>
    <message>
        <source>Толщина линии декорации</source>
        <translation>Decoration line thickness</translation>
    </message>
    <message>
        <source>Отступ подчеркивания</source>
        <translation>Underline offset</translation>
    </message>
    <message>
        <source>Тень текста</source>
        <translation>Text shadow</translation>
    </message>
    <message>
        <source>Направление письма</source>
        <translation>Writing direction</translation>
    </message>
    <message>
        <source>Переносы слов</source>
        <translation>Hyphenation</translation>
    </message>
    <message>
        <source>Кавычки</source>
        <translation>Quotes</translation>
    </message>
    <message>
        <source>Цвет текста</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>Цвет фона</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Фоновый рисунок</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Положение фонового рисунка</source>
        <translation>Background picture position</translation>
    </message>
    <message>
        <source>Прокрутка фонового рисунка</source>
        <translation>Background picture scrolling</translation>
    </message>
    <message>
        <source>Повтор фонового рисунка</source>
        <translation>Background picture repeat</translation>
    </message>
    <message>
        <source>Размер фонового рисунка</source>
        <translation>Background picture size</translation>
    </message>
    <message>
        <source>Докуда рисуется фон</source>
        <translation>How far the background is painted</translation>
    </message>
    <message>
        <source>От чего отсчитывается фоновый рисунок</source>
        <translation>What the background picture is placed from</translation>
    </message>
    <message>
        <source>Фон одной записью</source>
        <translation>Background in one declaration</translation>
    </message>
    <message>
        <source>Вид границы</source>
        <translation>Border style</translation>
    </message>
    <message>
        <source>Толщина границ</source>
        <translation>Border width</translation>
    </message>
    <message>
        <source>Цвет границы</source>
        <translation>Border colour</translation>
    </message>
    <message>
        <source>Граница одной записью</source>
        <translation>Border in one declaration</translation>
    </message>
    <message>
        <source>Верхняя граница</source>
        <translation>Top border</translation>
    </message>
    <message>
        <source>Правая граница</source>
        <translation>Right border</translation>
    </message>
    <message>
        <source>Нижняя граница</source>
        <translation>Bottom border</translation>
    </message>
    <message>
        <source>Левая граница</source>
        <translation>Left border</translation>
    </message>
    <message>
        <source>Толщина верхней границы</source>
        <translation>Top border width</translation>
    </message>
    <message>
        <source>Толщина правой границы</source>
        <translation>Right border width</translation>
    </message>
    <message>
        <source>Толщина нижней границы</source>
        <translation>Bottom border width</translation>
    </message>
    <message>
        <source>Толщина левой границы</source>
        <translation>Left border width</translation>
    </message>
    <message>
        <source>Вид верхней границы</source>
        <translation>Top border style</translation>
    </message>
    <message>
        <source>Вид правой границы</source>
        <translation>Right border style</translation>
    </message>
    <message>
        <source>Вид нижней границы</source>
        <translation>Bottom border style</translation>
    </message>
    <message>
        <source>Вид левой границы</source>
        <translation>Left border style</translation>
    </message>
    <message>
        <source>Цвет верхней границы</source>
        <translation>Top border colour</translation>
    </message>
    <message>
        <source>Цвет правой границы</source>
        <translation>Right border colour</translation>
    </message>
    <message>
        <source>Цвет нижней границы</source>
        <translation>Bottom border colour</translation>
    </message>
    <message>
        <source>Цвет левой границы</source>
        <translation>Left border colour</translation>
    </message>
    <message>
        <source>Скругление углов</source>
        <translation>Rounded corners</translation>
    </message>
    <message>
        <source>Скругление верхнего левого угла</source>
        <translation>Top left corner radius</translation>
    </message>
    <message>
        <source>Скругление верхнего правого угла</source>
        <translation>Top right corner radius</translation>
    </message>
    <message>
        <source>Скругление нижнего правого угла</source>
        <translation>Bottom right corner radius</translation>
    </message>
    <message>
        <source>Скругление нижнего левого угла</source>
        <translation>Bottom left corner radius</translation>
    </message>
    <message>
        <source>Общие границы ячеек таблицы</source>
        <translation>Shared borders of table cells</translation>
    </message>
    <message>
        <source>Расстояние между ячейками таблицы</source>
        <translation>Space between table cells</translation>
    </message>
    <message>
        <source>Контур одной записью</source>
        <translation>Outline in one declaration</translation>
    </message>
    <message>
        <source>Толщина контура</source>
        <translation>Outline width</translation>
    </message>
    <message>
        <source>Вид контура</source>
        <translation>Outline style</translation>
    </message>
    <message>
        <source>Цвет контура</source>
        <translation>Outline colour</translation>
    </message>
    <message>
        <source>Отступ контура</source>
        <translation>Outline offset</translation>
    </message>
    <message>
        <source>Тень блока</source>
        <translation>Box shadow</translation>
    </message>
    <message>
        <source>Непрозрачность</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Отступы границ от края блока</source>
        <translation>Margins around the border</translation>
    </message>
    <message>
        <source>Отступ сверху</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>Отступ справа</source>
        <translation>Right margin</translation>
    </message>
    <message>
        <source>Отступ снизу</source>
        <translation>Bottom margin</translation>
    </message>
    <message>
        <source>Отступ слева</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>Отступы контента от границ</source>
        <translation>Padding inside the border</translation>
    </message>
    <message>
        <source>Поле сверху</source>
        <translation>Top padding</translation>
    </message>
    <message>
        <source>Поле справа</source>
        <translation>Right padding</translation>
    </message>
    <message>
        <source>Поле снизу</source>
        <translation>Bottom padding</translation>
    </message>
    <message>
        <source>Поле слева</source>
        <translation>Left padding</translation>
    </message>
    <message>
        <source>Тип блока</source>
        <translation>Box type</translation>
    </message>
    <message>
        <source>Видимость</source>
        <translation>Visibility</translation>
    </message>
    <message>
        <source>Переполнение</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Обрезка</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>Позиционирование</source>
        <translation>Positioning</translation>
    </message>
    <message>
        <source>Обтекание</source>
        <translation>Float</translation>
    </message>
    <message>
        <source>Запрет обтекания</source>
        <translation>Clear floats</translation>
    </message>
    <message>
        <source>Отступы от краев контейнера</source>
        <translation>Offsets from the container&apos;s edges</translation>
    </message>
    <message>
        <source>Отступ от верха контейнера</source>
        <translation>Offset from the container&apos;s top</translation>
    </message>
    <message>
        <source>Отступ от правого края контейнера</source>
        <translation>Offset from the container&apos;s right edge</translation>
    </message>
    <message>
        <source>Отступ от низа контейнера</source>
        <translation>Offset from the container&apos;s bottom</translation>
    </message>
    <message>
        <source>Отступ от левого края контейнера</source>
        <translation>Offset from the container&apos;s left edge</translation>
    </message>
    <message>
        <source>Высота блока</source>
        <translation>Box height</translation>
    </message>
    <message>
        <source>Ширина блока</source>
        <translation>Box width</translation>
    </message>
    <message>
        <source>Отступ в начале строки</source>
        <translation>Margin at the line&apos;s start</translation>
    </message>
    <message>
        <source>Отступ в конце строки</source>
        <translation>Margin at the line&apos;s end</translation>
    </message>
    <message>
        <source>Отступы в начале и в конце строки</source>
        <translation>Margins at the line&apos;s start and end</translation>
    </message>
    <message>
        <source>Отступ перед блоком</source>
        <translation>Margin before the box</translation>
    </message>
    <message>
        <source>Отступ после блока</source>
        <translation>Margin after the box</translation>
    </message>
    <message>
        <source>Отступы перед блоком и после него</source>
        <translation>Margins before and after the box</translation>
    </message>
    <message>
        <source>Поле в начале строки</source>
        <translation>Padding at the line&apos;s start</translation>
    </message>
    <message>
        <source>Поле в конце строки</source>
        <translation>Padding at the line&apos;s end</translation>
    </message>
    <message>
        <source>Поля в начале и в конце строки</source>
        <translation>Padding at the line&apos;s start and end</translation>
    </message>
    <message>
        <source>Поле перед содержимым</source>
        <translation>Padding before the content</translation>
    </message>
    <message>
        <source>Поле после содержимого</source>
        <translation>Padding after the content</translation>
    </message>
    <message>
        <source>Поля перед содержимым и после него</source>
        <translation>Padding before and after the content</translation>
    </message>
    <message>
        <source>Толщина границы в начале строки</source>
        <translation>Border width at the line&apos;s start</translation>
    </message>
    <message>
        <source>Толщина границы в конце строки</source>
        <translation>Border width at the line&apos;s end</translation>
    </message>
    <message>
        <source>Правила переноса строк</source>
        <translation>Line breaking rules</translation>
    </message>
    <message>
        <source>Направление главной оси: элементы идут в строку или в столбец</source>
        <translation>Main axis direction: items run in a row or in a column</translation>
    </message>
    <message>
        <source>Перенос элементов, не вместившихся в одну линию</source>
        <translation>Wrapping of items that do not fit in one line</translation>
    </message>
    <message>
        <source>Направление и перенос одной записью</source>
        <translation>Direction and wrapping in one declaration</translation>
    </message>
    <message>
        <source>Расстановка элементов вдоль главной оси</source>
        <translation>Placing of items along the main axis</translation>
    </message>
    <message>
        <source>Выравнивание элементов поперек главной оси</source>
        <translation>Alignment of items across the main axis</translation>
    </message>
    <message>
        <source>Расстановка линий элементов, когда их несколько</source>
        <translation>Placing of the lines of items when there are several</translation>
    </message>
    <message>
        <source>Промежуток между строками</source>
        <translation>Gap between rows</translation>
    </message>
    <message>
        <source>Промежуток между столбцами</source>
        <translation>Gap between columns</translation>
    </message>
    <message>
        <source>Промежуток между элементами: строки и столбцы</source>
        <translation>Gap between items: rows and columns</translation>
    </message>
    <message>
        <source>Доля свободного места, которую забирает элемент</source>
        <translation>Share of the free space the item takes</translation>
    </message>
    <message>
        <source>Насколько элемент сжимается, когда места не хватает</source>
        <translation>How much the item shrinks when there is not enough room</translation>
    </message>
    <message>
        <source>Размер элемента до раздачи свободного места</source>
        <translation>Item size before the free space is shared out</translation>
    </message>
    <message>
        <source>Рост, сжатие и исходный размер одной записью</source>
        <translation>Grow, shrink and base size in one declaration</translation>
    </message>
    <message>
        <source>Порядок элемента среди соседей</source>
        <translation>Order of the item among its siblings</translation>
    </message>
    <message>
        <source>Выравнивание самого элемента поперек главной оси</source>
        <translation>Alignment of the item itself across the main axis</translation>
    </message>
    <message>
        <source>Столбцы сетки: repeat(3, 1fr), 200px 1fr</source>
        <translation>Grid columns: repeat(3, 1fr), 200px 1fr</translation>
    </message>
    <message>
        <source>Строки сетки: auto 1fr auto</source>
        <translation>Grid rows: auto 1fr auto</translation>
    </message>
    <message>
        <source>Области сетки: &quot;head head&quot; &quot;side main&quot;</source>
        <translation>Grid areas: &quot;head head&quot; &quot;side main&quot;</translation>
    </message>
    <message>
        <source>Куда идут элементы без места в сетке</source>
        <translation>Where items without a place in the grid go</translation>
    </message>
    <message>
        <source>Размер столбцов, добавленных сеткой</source>
        <translation>Size of the columns the grid adds</translation>
    </message>
    <message>
        <source>Размер строк, добавленных сеткой</source>
        <translation>Size of the rows the grid adds</translation>
    </message>
    <message>
        <source>Выравнивание элементов в ячейках по горизонтали</source>
        <translation>Horizontal alignment of items in their cells</translation>
    </message>
    <message>
        <source>Строки, столбцы и области сетки одной записью</source>
        <translation>Rows, columns and areas of the grid in one declaration</translation>
    </message>
    <message>
        <source>Сетка одной записью</source>
        <translation>Grid in one declaration</translation>
    </message>
    <message>
        <source>Выравнивание элементов одной записью</source>
        <translation>Alignment of items in one declaration</translation>
    </message>
    <message>
        <source>Расстановка содержимого одной записью</source>
        <translation>Placing of the content in one declaration</translation>
    </message>
    <message>
        <source>Выравнивание элемента одной записью</source>
        <translation>Alignment of the item in one declaration</translation>
    </message>
    <message>
        <source>Линия начала по столбцам</source>
        <translation>Start line by columns</translation>
    </message>
    <message>
        <source>Линия конца по столбцам</source>
        <translation>End line by columns</translation>
    </message>
    <message>
        <source>Линия начала по строкам</source>
        <translation>Start line by rows</translation>
    </message>
    <message>
        <source>Линия конца по строкам</source>
        <translation>End line by rows</translation>
    </message>
    <message>
        <source>Столбцы, которые занимает элемент: 1 / 3, span 2</source>
        <translation>Columns the item takes: 1 / 3, span 2</translation>
    </message>
    <message>
        <source>Строки, которые занимает элемент: 1 / 3, span 2</source>
        <translation>Rows the item takes: 1 / 3, span 2</translation>
    </message>
    <message>
        <source>Область сетки элемента: ее имя или линии</source>
        <translation>The item&apos;s grid area: its name or lines</translation>
    </message>
    <message>
        <source>Выравнивание элемента в ячейке по горизонтали</source>
        <translation>Horizontal alignment of the item in its cell</translation>
    </message>
    <message>
        <source>Что входит в ширину и высоту: только содержимое или и поля с границей</source>
        <translation>What width and height hold: the content only, or padding and border too</translation>
    </message>
    <message>
        <source>Наименьшая ширина</source>
        <translation>Minimum width</translation>
    </message>
    <message>
        <source>Наибольшая ширина</source>
        <translation>Maximum width</translation>
    </message>
    <message>
        <source>Наименьшая высота</source>
        <translation>Minimum height</translation>
    </message>
    <message>
        <source>Наибольшая высота</source>
        <translation>Maximum height</translation>
    </message>
    <message>
        <source>Соотношение сторон: 16 / 9</source>
        <translation>Aspect ratio: 16 / 9</translation>
    </message>
    <message>
        <source>Как картинка или видео заполняет свой блок</source>
        <translation>How a picture or video fills its box</translation>
    </message>
    <message>
        <source>Положение картинки в ее блоке</source>
        <translation>Position of the picture in its box</translation>
    </message>
    <message>
        <source>Порядок наложения: больший ближе к зрителю</source>
        <translation>Stacking order: a greater one is nearer the viewer</translation>
    </message>
    <message>
        <source>Переполнение по горизонтали</source>
        <translation>Horizontal overflow</translation>
    </message>
    <message>
        <source>Переполнение по вертикали</source>
        <translation>Vertical overflow</translation>
    </message>
    <message>
        <source>Маркер списка одной записью</source>
        <translation>List marker in one declaration</translation>
    </message>
    <message>
        <source>Вид маркера списка</source>
        <translation>List marker type</translation>
    </message>
    <message>
        <source>Место маркера списка</source>
        <translation>List marker position</translation>
    </message>
    <message>
        <source>Картинка маркера списка</source>
        <translation>List marker picture</translation>
    </message>
    <message>
        <source>Курсор мыши</source>
        <translation>Mouse cursor</translation>
    </message>
    <message>
        <source>Отвечает ли элемент на мышь</source>
        <translation>Whether the element answers the mouse</translation>
    </message>
    <message>
        <source>Можно ли выделить текст</source>
        <translation>Whether the text can be selected</translation>
    </message>
    <message>
        <source>Содержимое ::before и ::after</source>
        <translation>Content of ::before and ::after</translation>
    </message>
    <message>
        <source>Сброс счетчика</source>
        <translation>Counter reset</translation>
    </message>
    <message>
        <source>Приращение счетчика</source>
        <translation>Counter increment</translation>
    </message>
    <message>
        <source>Расчет ширины столбцов таблицы</source>
        <translation>Table column width calculation</translation>
    </message>
    <message>
        <source>Место подписи таблицы</source>
        <translation>Table caption position</translation>
    </message>
    <message>
        <source>Пустые ячейки таблицы</source>
        <translation>Empty table cells</translation>
    </message>
    <message>
        <source>Может ли пользователь менять размер</source>
        <translation>Whether the user may resize it</translation>
    </message>
    <message>
        <source>Вид элемента формы</source>
        <translation>Form control appearance</translation>
    </message>
    <message>
        <source>Сдвиг отдельным свойством: 10px 20px</source>
        <translation>Translation as a property of its own: 10px 20px</translation>
    </message>
    <message>
        <source>Поворот отдельным свойством: 45deg</source>
        <translation>Rotation as a property of its own: 45deg</translation>
    </message>
    <message>
        <source>Масштаб отдельным свойством: 1.5 или 2 1</source>
        <translation>Scale as a property of its own: 1.5 or 2 1</translation>
    </message>
    <message>
        <source>Точка, вокруг которой идут преобразования</source>
        <translation>Point the transforms turn around</translation>
    </message>
    <message>
        <source>Плавные переходы</source>
        <translation>Smooth transitions</translation>
    </message>
    <message>
        <source>Что меняется плавно</source>
        <translation>What changes smoothly</translation>
    </message>
    <message>
        <source>Длительность перехода</source>
        <translation>Transition duration</translation>
    </message>
    <message>
        <source>Ход перехода во времени</source>
        <translation>Transition timing</translation>
    </message>
    <message>
        <source>Задержка перехода</source>
        <translation>Transition delay</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Фильтры того, что под блоком</source>
        <translation>Filters of what lies under the box</translation>
    </message>
    <message>
        <source>Смешение с тем, что под блоком</source>
        <translation>Blending with what lies under the box</translation>
    </message>
    <message>
        <source>Отдельный слой наложения</source>
        <translation>Separate stacking layer</translation>
    </message>
    <message>
        <source>Что скоро изменится</source>
        <translation>What is about to change</translation>
    </message>
    <message>
        <source>Форма обрезки</source>
        <translation>Clip shape</translation>
    </message>
    <message>
        <source>Плавная прокрутка</source>
        <translation>Smooth scrolling</translation>
    </message>
    <message>
        <source>Жесты касания</source>
        <translation>Touch gestures</translation>
    </message>
    <message>
        <source>Заливка рисунка SVG</source>
        <translation>SVG picture fill</translation>
    </message>
    <message>
        <source>Обводка рисунка SVG</source>
        <translation>SVG picture stroke</translation>
    </message>
    <message>
        <source>Цвет флажков и переключателей</source>
        <translation>Colour of check boxes and radio buttons</translation>
    </message>
    <message>
        <source>Цвет текстового курсора</source>
        <translation>Text caret colour</translation>
    </message>
    <message>
        <source>Колонки текста</source>
        <translation>Text columns</translation>
    </message>
    <message>
        <source>Число колонок текста</source>
        <translation>Number of text columns</translation>
    </message>
    <message>
        <source>Ширина колонки текста</source>
        <translation>Text column width</translation>
    </message>
    <message>
        <source>Ширина табуляции</source>
        <translation>Tab width</translation>
    </message>
    <message>
        <source>Рисунок не выбран</source>
        <translation>No picture chosen</translation>
    </message>
    <message>
        <source>В имени</source>
        <translation>In the name</translation>
    </message>
    <message>
        <source>В условии</source>
        <translation>In the condition</translation>
    </message>
    <message>
        <source>В селекторе</source>
        <translation>In the selector</translation>
    </message>
    <message>
        <source>Список тегов HTML</source>
        <translation>HTML tags</translation>
    </message>
    <message>
        <source>Текущий селектор</source>
        <translation>Current selector</translation>
    </message>
    <message>
        <source>Допускается автосоздание или ввод с клавиатуры</source>
        <translation>Built automatically or typed</translation>
    </message>
    <message>
        <source>и его детализация</source>
        <translation>and its details</translation>
    </message>
    <message>
        <source>ID-селектор. Часто используют в документах блочной структуры</source>
        <translation>ID selector. Often used in documents built of blocks</translation>
    </message>
    <message>
        <source>Имя класса. Практически любой элемент может быть классифицирован.</source>
        <translation>Class name. Almost any element can be given a class.</translation>
    </message>
    <message>
        <source>Псевдоэлемент используют для различного описания отдельных частей селектора</source>
        <translation>A pseudo-element describes a separate part of the selector</translation>
    </message>
    <message>
        <source>Псевдокласс используют для различного описания состояний селектора</source>
        <translation>A pseudo-class describes a state of the selector</translation>
    </message>
    <message>
        <source>Псевдоэлемент</source>
        <translation>Pseudo-element</translation>
    </message>
    <message>
        <source>Псевдокласс</source>
        <translation>Pseudo-class</translation>
    </message>
    <message>
        <source>Итоговый селектор</source>
        <translation>Resulting selector</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Добавление в итоговый селектор</source>
        <translation>Add to the resulting selector</translation>
    </message>
    <message>
        <source>...потомка</source>
        <translation>...descendant</translation>
    </message>
    <message>
        <source>Потомок - это элемент, созданный внутри предка</source>
        <translation>A descendant is an element inside its ancestor</translation>
    </message>
    <message>
        <source>.....соседа</source>
        <translation>.....sibling</translation>
    </message>
    <message>
        <source>Сосед - это сестринский элемент (идущий на одном уровне вложенности)</source>
        <translation>A sibling is an element at the same level of nesting</translation>
    </message>
    <message>
        <source>Удаление текущего селектора</source>
        <translation>Delete the current selector</translation>
    </message>
    <message>
        <source>Удаление потомка в текущем селекторе</source>
        <translation>Delete the descendant in the current selector</translation>
    </message>
    <message>
        <source>Удаление соседа в текущем селекторе</source>
        <translation>Delete the sibling in the current selector</translation>
    </message>
    <message>
        <source>Готово</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Завершение работы мастера</source>
        <translation>Finish the builder</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Отменить создание</source>
        <translation>Cancel the new style</translation>
    </message>
    <message>
        <source>селектор не выбран, выбирайте для &quot;чистых&quot; классов или ID</source>
        <translation>no tag chosen; choose it for &quot;pure&quot; classes or IDs</translation>
    </message>
    <message>
        <source>якорь (гиперссылка), лучше описывать с псевдоклассами</source>
        <translation>anchor (hyperlink), best described with pseudo-classes</translation>
    </message>
    <message>
        <source>сокращенная форма (например, WWW, HTTP и т.д.)</source>
        <translation>abbreviation (for example WWW, HTTP etc.)</translation>
    </message>
    <message>
        <source>акроним (например, WAC, радар и т.д.)</source>
        <translation>acronym (for example WAC, radar etc.)</translation>
    </message>
    <message>
        <source>информация об авторе</source>
        <translation>information about the author</translation>
    </message>
    <message>
        <source>апплет Java</source>
        <translation>Java applet</translation>
    </message>
    <message>
        <source>область клиентского изображения-карты</source>
        <translation>area of a client-side image map</translation>
    </message>
    <message>
        <source>полужирный текст</source>
        <translation>bold text</translation>
    </message>
    <message>
        <source>базовый URI документа</source>
        <translation>base URI of the document</translation>
    </message>
    <message>
        <source>базовый размер шрифта</source>
        <translation>base font size</translation>
    </message>
    <message>
        <source>большой текст</source>
        <translation>big text</translation>
    </message>
    <message>
        <source>цитата</source>
        <translation>quotation</translation>
    </message>
    <message>
        <source>тело документа</source>
        <translation>document body</translation>
    </message>
    <message>
        <source>жесткий перевод строки</source>
        <translation>forced line break</translation>
    </message>
    <message>
        <source>кнопка</source>
        <translation>button</translation>
    </message>
    <message>
        <source>заголовок таблицы</source>
        <translation>table caption</translation>
    </message>
    <message>
        <source>сокращение для DIV align=center</source>
        <translation>shorthand for DIV align=center</translation>
    </message>
    <message>
        <source>фрагмент компьютерного кода</source>
        <translation>fragment of computer code</translation>
    </message>
    <message>
        <source>столбец таблицы</source>
        <translation>table column</translation>
    </message>
    <message>
        <source>группа столбцов таблицы</source>
        <translation>group of table columns</translation>
    </message>
    <message>
        <source>описание определения</source>
        <translation>definition description</translation>
    </message>
    <message>
        <source>удаленный текст</source>
        <translation>deleted text</translation>
    </message>
    <message>
        <source>определение экземпляра</source>
        <translation>defining instance</translation>
    </message>
    <message>
        <source>список каталогов</source>
        <translation>directory list</translation>
    </message>
    <message>
        <source>общий контейнер языка/стиля</source>
        <translation>generic language/style container</translation>
    </message>
    <message>
        <source>список определений</source>
        <translation>definition list</translation>
    </message>
    <message>
        <source>определяемый термин</source>
        <translation>defined term</translation>
    </message>
    <message>
        <source>выделение</source>
        <translation>emphasis</translation>
    </message>
    <message>
        <source>группа управляющих элементов формы</source>
        <translation>group of form controls</translation>
    </message>
    <message>
        <source>локальное изменение шрифта</source>
        <translation>local font change</translation>
    </message>
    <message>
        <source>интерактивная форма</source>
        <translation>interactive form</translation>
    </message>
    <message>
        <source>вложенное окно</source>
        <translation>subwindow</translation>
    </message>
    <message>
        <source>разделение окна</source>
        <translation>window subdivision</translation>
    </message>
    <message>
        <source>заголовок1</source>
        <translation>heading 1</translation>
    </message>
    <message>
        <source>заголовок2</source>
        <translation>heading 2</translation>
    </message>
    <message>
        <source>заголовок3</source>
        <translation>heading 3</translation>
    </message>
    <message>
        <source>заголовок4</source>
        <translation>heading 4</translation>
    </message>
    <message>
        <source>заголовок5</source>
        <translation>heading 5</translation>
    </message>
    <message>
        <source>заголовок6</source>
        <translation>heading 6</translation>
    </message>
    <message>
        <source>заголовок документа</source>
        <translation>document head</translation>
    </message>
    <message>
        <source>горизонтальный разделитель</source>
        <translation>horizontal rule</translation>
    </message>
    <message>
        <source>корневой элемент документа</source>
        <translation>root element of the document</translation>
    </message>
    <message>
        <source>курсив</source>
        <translation>italic text</translation>
    </message>
    <message>
        <source>встроенное окно</source>
        <translation>inline subwindow</translation>
    </message>
    <message>
        <source>внедренное изображение</source>
        <translation>embedded image</translation>
    </message>
    <message>
        <source>управляющий элемент формы</source>
        <translation>form control</translation>
    </message>
    <message>
        <source>вставленный текст</source>
        <translation>inserted text</translation>
    </message>
    <message>
        <source>запрос из одной строки</source>
        <translation>single-line prompt</translation>
    </message>
    <message>
        <source>текст, вводимый пользователем</source>
        <translation>text typed by the user</translation>
    </message>
    <message>
        <source>текст метки поля формы</source>
        <translation>form field label text</translation>
    </message>
    <message>
        <source>описание набора полей</source>
        <translation>fieldset caption</translation>
    </message>
    <message>
        <source>элемент списка</source>
        <translation>list item</translation>
    </message>
    <message>
        <source>не зависящая от устройства ссылка</source>
        <translation>device-independent link</translation>
    </message>
    <message>
        <source>клиентское изображение-карта</source>
        <translation>client-side image map</translation>
    </message>
    <message>
        <source>список меню</source>
        <translation>menu list</translation>
    </message>
    <message>
        <source>общая метаинформация</source>
        <translation>generic metainformation</translation>
    </message>
    <message>
        <source>альтерн. контейнер для представления без фреймов</source>
        <translation>alternative content when frames are not shown</translation>
    </message>
    <message>
        <source>альтерн. контейнер для представления без скриптов</source>
        <translation>alternative content when scripts do not run</translation>
    </message>
    <message>
        <source>общий внедренный объект</source>
        <translation>generic embedded object</translation>
    </message>
    <message>
        <source>упорядоченный список</source>
        <translation>ordered list</translation>
    </message>
    <message>
        <source>группа опций</source>
        <translation>group of options</translation>
    </message>
    <message>
        <source>выбираемый элемент</source>
        <translation>selectable choice</translation>
    </message>
    <message>
        <source>абзац</source>
        <translation>paragraph</translation>
    </message>
    <message>
        <source>значение именованного свойства</source>
        <translation>named property value</translation>
    </message>
    <message>
        <source>форматированный текст</source>
        <translation>preformatted text</translation>
    </message>
    <message>
        <source>короткая встроенная цитата</source>
        <translation>short inline quotation</translation>
    </message>
    <message>
        <source>перечеркнутый текст</source>
        <translation>strike-through text</translation>
    </message>
    <message>
        <source>пример вывода программы, скрипта и т.д.</source>
        <translation>sample output of a program, script etc.</translation>
    </message>
    <message>
        <source>выражения скрипта</source>
        <translation>script statements</translation>
    </message>
    <message>
        <source>выбор варианта</source>
        <translation>option selector</translation>
    </message>
    <message>
        <source>мелкий текст</source>
        <translation>small text</translation>
    </message>
    <message>
        <source>усиленное выделение</source>
        <translation>strong emphasis</translation>
    </message>
    <message>
        <source>инфомрация о стиле</source>
        <translation>style information</translation>
    </message>
    <message>
        <source>нижний индекс</source>
        <translation>subscript</translation>
    </message>
    <message>
        <source>верхний индекс</source>
        <translation>superscript</translation>
    </message>
    <message>
        <source>таблица</source>
        <translation>table</translation>
    </message>
    <message>
        <source>тело таблицы</source>
        <translation>table body</translation>
    </message>
    <message>
        <source>ячейка данных таблицы</source>
        <translation>table data cell</translation>
    </message>
    <message>
        <source>текстовое поле из нескольких строк</source>
        <translation>multi-line text field</translation>
    </message>
    <message>
        <source>сноска таблицы</source>
        <translation>table footer</translation>
    </message>
    <message>
        <source>заголовок ячейки таблицы</source>
        <translation>table header cell</translation>
    </message>
    <message>
        <source>название документа</source>
        <translation>document title</translation>
    </message>
    <message>
        <source>строка таблицы</source>
        <translation>table row</translation>
    </message>
    <message>
        <source>шрифт пишущей машинки (моноширинный)</source>
        <translation>teletype (monospaced) font</translation>
    </message>
    <message>
        <source>подчеркнутый текст</source>
        <translation>underlined text</translation>
    </message>
    <message>
        <source>неупорядоченный список</source>
        <translation>unordered list</translation>
    </message>
    <message>
        <source>экземпляр переменной или аргумента программы</source>
        <translation>instance of a variable or program argument</translation>
    </message>
    <message>
        <source>основное содержимое страницы</source>
        <translation>main content of the page</translation>
    </message>
    <message>
        <source>блок навигации (меню, ссылки по сайту)</source>
        <translation>navigation block (menu, site links)</translation>
    </message>
    <message>
        <source>раздел документа</source>
        <translation>section of the document</translation>
    </message>
    <message>
        <source>самостоятельная статья, запись, публикация</source>
        <translation>self-contained article, entry, post</translation>
    </message>
    <message>
        <source>шапка страницы или раздела</source>
        <translation>header of the page or section</translation>
    </message>
    <message>
        <source>подвал страницы или раздела</source>
        <translation>footer of the page or section</translation>
    </message>
    <message>
        <source>дополнительное содержимое сбоку от основного</source>
        <translation>extra content beside the main one</translation>
    </message>
    <message>
        <source>иллюстрация с подписью</source>
        <translation>figure with a caption</translation>
    </message>
    <message>
        <source>подпись к иллюстрации</source>
        <translation>figure caption</translation>
    </message>
    <message>
        <source>изображение с вариантами для разных экранов</source>
        <translation>image with variants for different screens</translation>
    </message>
    <message>
        <source>вариант источника для picture, video или audio</source>
        <translation>source variant for picture, video or audio</translation>
    </message>
    <message>
        <source>диалоговое окно</source>
        <translation>dialog box</translation>
    </message>
    <message>
        <source>раскрывающийся блок</source>
        <translation>disclosure block</translation>
    </message>
    <message>
        <source>заголовок раскрывающегося блока details</source>
        <translation>summary of a details block</translation>
    </message>
    <message>
        <source>шаблон разметки, на странице не показывается</source>
        <translation>markup template, not shown in the page</translation>
    </message>
    <message>
        <source>место для содержимого в веб-компоненте</source>
        <translation>slot for content in a web component</translation>
    </message>
    <message>
        <source>выделенный (подсвеченный) текст</source>
        <translation>marked (highlighted) text</translation>
    </message>
    <message>
        <source>дата или время</source>
        <translation>date or time</translation>
    </message>
    <message>
        <source>результат вычисления или действия</source>
        <translation>result of a calculation or action</translation>
    </message>
    <message>
        <source>индикатор выполнения</source>
        <translation>progress indicator</translation>
    </message>
    <message>
        <source>шкала значения в известных пределах</source>
        <translation>gauge of a value within known limits</translation>
    </message>
    <message>
        <source>видео</source>
        <translation>video</translation>
    </message>
    <message>
        <source>звук</source>
        <translation>sound</translation>
    </message>
    <message>
        <source>область для рисования скриптом</source>
        <translation>area for drawing by script</translation>
    </message>
    <message>
        <source>векторный рисунок SVG</source>
        <translation>SVG vector picture</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Объект</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Специальное</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>не выбран</source>
        <translation>none chosen</translation>
    </message>
    <message>
        <source>первая буква текста элемента</source>
        <translation>first letter of the element&apos;s text</translation>
    </message>
    <message>
        <source>первая строка текста элемента</source>
        <translation>first line of the element&apos;s text</translation>
    </message>
    <message>
        <source>содержимое перед содержимым элемента (свойство content)</source>
        <translation>content before the element&apos;s content (the content property)</translation>
    </message>
    <message>
        <source>содержимое после содержимого элемента (свойство content)</source>
        <translation>content after the element&apos;s content (the content property)</translation>
    </message>
    <message>
        <source>маркер или номер элемента списка</source>
        <translation>marker or number of a list item</translation>
    </message>
    <message>
        <source>текст-подсказка в пустом поле ввода</source>
        <translation>hint text in an empty input field</translation>
    </message>
    <message>
        <source>часть текста, выделенная пользователем</source>
        <translation>part of the text selected by the user</translation>
    </message>
    <message>
        <source>фон под модальным диалогом или элементом во весь экран</source>
        <translation>backdrop under a modal dialog or a full-screen element</translation>
    </message>
    <message>
        <source>элемент в момент нажатия (щелчка)</source>
        <translation>element while being pressed (clicked)</translation>
    </message>
    <message>
        <source>элемент, получивший фокус ввода</source>
        <translation>element that has the input focus</translation>
    </message>
    <message>
        <source>элемент под указателем мыши</source>
        <translation>element under the mouse pointer</translation>
    </message>
    <message>
        <source>непосещенная ссылка</source>
        <translation>unvisited link</translation>
    </message>
    <message>
        <source>посещенная ссылка</source>
        <translation>visited link</translation>
    </message>
    <message>
        <source>элемент в фокусе, когда фокус надо показать (получен с клавиатуры)</source>
        <translation>focused element when the focus should be shown (came from the keyboard)</translation>
    </message>
    <message>
        <source>элемент, в котором фокус у него самого или у его потомка</source>
        <translation>element that holds the focus itself or in a descendant</translation>
    </message>
    <message>
        <source>любой из селекторов в скобках, например :is(h1, h2)</source>
        <translation>any of the selectors in brackets, for example :is(h1, h2)</translation>
    </message>
    <message>
        <source>как :is(), но без веса селекторов в скобках</source>
        <translation>as :is(), but without the weight of the selectors in brackets</translation>
    </message>
    <message>
        <source>элемент, не подходящий под селекторы в скобках, например :not(.hidden)</source>
        <translation>element not matching the selectors in brackets, for example :not(.hidden)</translation>
    </message>
    <message>
        <source>элемент, в котором есть подходящий под селектор в скобках, например :has(img)</source>
        <translation>element holding one that matches the selector in brackets, for example :has(img)</translation>
    </message>
    <message>
        <source>элемент по номеру среди соседей, например :nth-child(2n+1)</source>
        <translation>element by its number among its siblings, for example :nth-child(2n+1)</translation>
    </message>
    <message>
        <source>Нет справки</source>
        <translation>No help</translation>
    </message>
    <message>
        <source>Строка подсказки</source>
        <translation>Hint line</translation>
    </message>
    <message>
        <source>свойство</source>
        <translation>property</translation>
    </message>
    <message>
        <source>Имя нового свойства</source>
        <translation>Name of the new property</translation>
    </message>
    <message>
        <source>Имя свойства, которое добавляется в конец правила; любое имя CSS, и переменная --имя тоже</source>
        <translation>Name of the property added at the end of the rule; any CSS name, and a --name variable too</translation>
    </message>
    <message>
        <source>значение</source>
        <translation>value</translation>
    </message>
    <message>
        <source>Значение нового свойства</source>
        <translation>Value of the new property</translation>
    </message>
    <message>
        <source>Добавить объявление в конец правила</source>
        <translation>Add the declaration at the end of the rule</translation>
    </message>
    <message>
        <source>Важное объявление (!important)</source>
        <translation>Important declaration (!important)</translation>
    </message>
    <message>
        <source>Важное объявление (!important) берет верх над обычными</source>
        <translation>An important declaration (!important) wins over ordinary ones</translation>
    </message>
    <message>
        <source>Удалить объявление</source>
        <translation>Delete the declaration</translation>
    </message>
    <message>
        <source>Объявление %1 не удалено: правка задела бы другие объявления правила.&#xd;Правило не изменено.</source>
        <translation>The declaration %1 was not deleted: the edit would touch other declarations of the rule.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Переменная</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Переменная (пользовательское свойство): значение пишется как введено</source>
        <translation>Variable (custom property): the value is written as typed</translation>
    </message>
    <message>
        <source>Свойство не из каталога</source>
        <translation>Property not in the catalogue</translation>
    </message>
    <message>
        <source>Свойство, которого панель не знает: значение пишется как введено</source>
        <translation>A property the panel does not know: the value is written as typed</translation>
    </message>
    <message>
        <source>Приоритет объявления %1 не изменен: правка задела бы другие объявления правила.&#xd;Правило не изменено.</source>
        <translation>The priority of the declaration %1 was not changed: the edit would touch other declarations of the rule.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Введите имя свойства, которое нужно добавить.</source>
        <translation>Type the name of the property to add.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; — не имя свойства CSS.&#xd;Правило не изменено.</source>
        <translation>&quot;%1&quot; is not a CSS property name.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Введите значение свойства %1.</source>
        <translation>Type the value of the property %1.</translation>
    </message>
    <message>
        <source>Значение &quot;%1&quot; не подходит для свойства %2.&#xd;Правило не изменено.</source>
        <translation>The value &quot;%1&quot; does not fit the property %2.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Объявление %1: %2 не добавлено: правка задела бы другие объявления правила.&#xd;Правило не изменено.</source>
        <translation>The declaration %1: %2 was not added: the edit would touch other declarations of the rule.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>значение: </source>
        <translation>value: </translation>
    </message>
    <message>
        <source>Единица измерения</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Нажмите, чтобы выбрать единицу измерения</source>
        <translation>Click to choose the unit</translation>
    </message>
    <message>
        <source>Выбрать рисунок</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>Выбор файла рисунка; путь к нему пишется относительно таблицы стилей</source>
        <translation>Choose a picture file; its path is written relative to the style sheet</translation>
    </message>
    <message>
        <source>в нем &quot;;&quot;, &quot;{&quot; или &quot;}&quot; вне кавычек либо незакрытая скобка, кавычка или комментарий</source>
        <translation>it holds &quot;;&quot;, &quot;{&quot; or &quot;}&quot; outside quotes, or an unclosed bracket, quote or comment</translation>
    </message>
    <message>
        <source>не задана</source>
        <translation>not defined</translation>
    </message>
    <message>
        <source>Значение %1 не записано в свойство %2: правка задела бы другие объявления правила.&#xd;Правило не изменено.</source>
        <translation>The value %1 was not written to the property %2: the edit would touch other declarations of the rule.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Свойство %1 не удалено: правка задела бы другие объявления правила.&#xd;Правило не изменено.</source>
        <translation>The property %1 was not deleted: the edit would touch other declarations of the rule.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Значение %1 не подходит для свойства %2.&#xd;Правило не изменено.</source>
        <translation>The value %1 does not fit the property %2.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Значение %1 нельзя записать в свойство %2: %3.&#xd;Правило не изменено.</source>
        <translation>The value %1 cannot be written to the property %2: %3.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Из объявления </source>
        <translation>From the declaration </translation>
    </message>
    <message>
        <source>Все углы</source>
        <translation>All corners</translation>
    </message>
    <message>
        <source>Верхний левый</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>Верхний правый</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>Нижний правый</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>Нижний левый</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>Смешение</source>
        <translation>Blending</translation>
    </message>
    <message>
        <source>Курсор</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Мышь</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Точка опоры</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>Сдвиг</source>
        <translation>Translate</translation>
    </message>
    <message>
        <source>Поворот</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Масштаб</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Под блоком</source>
        <translation>Under the box</translation>
    </message>
    <message>
        <source>Запись outline</source>
        <translation>outline shorthand</translation>
    </message>
    <message>
        <source>Толщина</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Отступ</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Слои</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Докуда</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>Отсчет</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>Регистр</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Пробелы</source>
        <translation>White space</translation>
    </message>
    <message>
        <source>Не вместилось</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Перенос в словах</source>
        <translation>Word breaking</translation>
    </message>
    <message>
        <source>Длинные слова</source>
        <translation>Long words</translation>
    </message>
    <message>
        <source>Запись list-style</source>
        <translation>list-style shorthand</translation>
    </message>
    <message>
        <source>Маркер</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Место маркера</source>
        <translation>Marker position</translation>
    </message>
    <message>
        <source>Картинка маркера</source>
        <translation>Marker picture</translation>
    </message>
    <message>
        <source>: от 0 (прозрачный) до 1</source>
        <translation>: from 0 (transparent) to 1</translation>
    </message>
    <message>
        <source>: один слой в строке</source>
        <translation>: one layer per line</translation>
    </message>
    <message>
        <source>Добавить слой</source>
        <translation>Add a layer</translation>
    </message>
    <message>
        <source>Убрать выбранный слой</source>
        <translation>Remove the selected layer</translation>
    </message>
    <message>
        <source>Выше: слой рисуется раньше</source>
        <translation>Up: the layer is painted earlier</translation>
    </message>
    <message>
        <source>Ниже: слой рисуется позже</source>
        <translation>Down: the layer is painted later</translation>
    </message>
    <message>
        <source>Значение целиком: </source>
        <translation>Whole value: </translation>
    </message>
    <message>
        <source>Сдвиг X</source>
        <translation>Offset X</translation>
    </message>
    <message>
        <source>Сдвиг Y</source>
        <translation>Offset Y</translation>
    </message>
    <message>
        <source>Размытие</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Растяжение</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>Цвет тени, с прозрачностью</source>
        <translation>Shadow colour, with alpha</translation>
    </message>
    <message>
        <source>Цвет тени</source>
        <translation>Shadow colour</translation>
    </message>
    <message>
        <source>Внутренняя (inset)</source>
        <translation>Inset</translation>
    </message>
    <message>
        <source>Тень внутри блока, а не снаружи</source>
        <translation>The shadow is inside the box, not outside</translation>
    </message>
    <message>
        <source>в тени два-четыре размера подряд, цвет и inset</source>
        <translation>a shadow holds two to four lengths in a row, a colour and inset</translation>
    </message>
    <message>
        <source>Сдвиг по X</source>
        <translation>Translate X</translation>
    </message>
    <message>
        <source>Сдвиг по Y</source>
        <translation>Translate Y</translation>
    </message>
    <message>
        <source>Масштаб по X</source>
        <translation>Scale X</translation>
    </message>
    <message>
        <source>Масштаб по Y</source>
        <translation>Scale Y</translation>
    </message>
    <message>
        <source>Наклон</source>
        <translation>Skew</translation>
    </message>
    <message>
        <source>Наклон по X</source>
        <translation>Skew X</translation>
    </message>
    <message>
        <source>Наклон по Y</source>
        <translation>Skew Y</translation>
    </message>
    <message>
        <source>Яркость</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Контраст</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Оттенки серого</source>
        <translation>Greyscale</translation>
    </message>
    <message>
        <source>Сепия</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Насыщенность</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Сдвиг оттенка</source>
        <translation>Hue rotation</translation>
    </message>
    <message>
        <source>Инверсия</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Тень по контуру</source>
        <translation>Drop shadow</translation>
    </message>
    <message>
        <source>: одна функция в строке, по порядку</source>
        <translation>: one function per line, in order</translation>
    </message>
    <message>
        <source>Добавить функцию</source>
        <translation>Add a function</translation>
    </message>
    <message>
        <source>Убрать выбранную функцию</source>
        <translation>Remove the selected function</translation>
    </message>
    <message>
        <source>Раньше в списке</source>
        <translation>Earlier in the list</translation>
    </message>
    <message>
        <source>Позже в списке</source>
        <translation>Later in the list</translation>
    </message>
    <message>
        <source>Значение функции</source>
        <translation>Function value</translation>
    </message>
    <message>
        <source>%1() правится как текст</source>
        <translation>%1() is edited as text</translation>
    </message>
    <message>
        <source>значение функции не может быть пустым или содержать запятую и скобку вне своих скобок</source>
        <translation>a function&apos;s value cannot be empty or hold a comma or bracket outside its own brackets</translation>
    </message>
    <message>
        <source>Свойство, которое меняется плавно; all — все</source>
        <translation>The property that changes smoothly; all for all of them</translation>
    </message>
    <message>
        <source>Свойство</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Длительность</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Длительность перехода: .3s, 200ms</source>
        <translation>Transition duration: .3s, 200ms</translation>
    </message>
    <message>
        <source>Ход</source>
        <translation>Timing</translation>
    </message>
    <message>
        <source>Кривая cubic-bezier(): перетащите точки</source>
        <translation>cubic-bezier() curve: drag the points</translation>
    </message>
    <message>
        <source>Задержка</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Задержка перед переходом: 0s, 100ms</source>
        <translation>Delay before the transition: 0s, 100ms</translation>
    </message>
    <message>
        <source>Переход записан и свойством transition, и отдельными свойствами: правьте его в тексте правила</source>
        <translation>The transition is written both with the transition property and with separate properties: edit it in the rule&apos;s text</translation>
    </message>
    <message>
        <source>Переходы записаны отдельными свойствами transition-*: слои добавляются и переставляются в тексте правила</source>
        <translation>The transitions are written with separate transition-* properties: layers are added and moved in the rule&apos;s text</translation>
    </message>
    <message>
        <source>в переходе свойство, длительность, ход и задержка</source>
        <translation>a transition holds a property, duration, timing and delay</translation>
    </message>
    <message>
        <source>Свойство %1 не изменено: правка задела бы другие объявления правила.&#xd;Правило не изменено.</source>
        <translation>The property %1 was not changed: the edit would touch other declarations of the rule.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>Рисунок слоя: url(...) или градиент</source>
        <translation>Layer picture: url(...) or a gradient</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Точки градиента: перетащите точку, щелкните по полосе, чтобы добавить точку</source>
        <translation>Gradient stops: drag a stop, click the strip to add a stop</translation>
    </message>
    <message>
        <source>Градиент</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Цвет выбранной точки, с прозрачностью</source>
        <translation>Colour of the selected stop, with alpha</translation>
    </message>
    <message>
        <source>Цвет выбранной точки</source>
        <translation>Colour of the selected stop</translation>
    </message>
    <message>
        <source>Убрать выбранную точку</source>
        <translation>Remove the selected stop</translation>
    </message>
    <message>
        <source>Точка</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Угол градиента: 45deg, .25turn, 1rad</source>
        <translation>Gradient angle: 45deg, .25turn, 1rad</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Положение слоя: center, left 10px top, 50% 0</source>
        <translation>Layer position: center, left 10px top, 50% 0</translation>
    </message>
    <message>
        <source>Положение</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Размер слоя: cover, contain, auto или длины</source>
        <translation>Layer size: cover, contain, auto or lengths</translation>
    </message>
    <message>
        <source>Повтор</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Повтор слоя</source>
        <translation>Layer repeat</translation>
    </message>
    <message>
        <source>Прокрутка</source>
        <translation>Scrolling</translation>
    </message>
    <message>
        <source>Прокрутка слоя</source>
        <translation>Layer scrolling</translation>
    </message>
    <message>
        <source>От чего отсчитывается положение слоя</source>
        <translation>What the layer&apos;s position is measured from</translation>
    </message>
    <message>
        <source>Докуда рисуется слой</source>
        <translation>How far the layer is painted</translation>
    </message>
    <message>
        <source>Части этого слоя не разобрать: правьте его в тексте правила</source>
        <translation>The parts of this layer cannot be read: edit it in the rule&apos;s text</translation>
    </message>
    <message>
        <source>в слое фона рисунок, положение / размер, повтор, прокрутка, области и цвет последнего слоя</source>
        <translation>a background layer holds a picture, position / size, repeat, scrolling, areas and, in the last layer, a colour</translation>
    </message>
    <message>
        <source>рисунок слоя: url(...), градиент или none</source>
        <translation>layer picture: url(...), a gradient or none</translation>
    </message>
    <message>
        <source>В градиенте остаются хотя бы две точки.&#xd;Правило не изменено.</source>
        <translation>A gradient keeps at least two stops.&#xd;The rule is unchanged.</translation>
    </message>
    <message>
        <source>цвет точки градиента</source>
        <translation>colour of a gradient stop</translation>
    </message>
    <message>
        <source>угол: число с deg, turn, rad или grad</source>
        <translation>angle: a number with deg, turn, rad or grad</translation>
    </message>
    <message>
        <source>Все углы одним значением; отожмите, чтобы задать каждый угол</source>
        <translation>All corners with one value; release to set each corner</translation>
    </message>
    <message>
        <source>Фон записан свойством background: это часть каждого слоя выше</source>
        <translation>The background is written with the background property: this is part of each layer above</translation>
    </message>
    <message>
        <source>Направление</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Перенос</source>
        <translation>Wrap</translation>
    </message>
    <message>
        <source>По главной оси</source>
        <translation>Along the main axis</translation>
    </message>
    <message>
        <source>Поперек оси</source>
        <translation>Across the axis</translation>
    </message>
    <message>
        <source>Линии</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Между строками</source>
        <translation>Between rows</translation>
    </message>
    <message>
        <source>Между столбцами</source>
        <translation>Between columns</translation>
    </message>
    <message>
        <source>Промежуток</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Рост</source>
        <translation>Grow</translation>
    </message>
    <message>
        <source>Сжатие</source>
        <translation>Shrink</translation>
    </message>
    <message>
        <source>Основа</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Запись flex</source>
        <translation>flex shorthand</translation>
    </message>
    <message>
        <source>Порядок</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Сам элемент</source>
        <translation>The item itself</translation>
    </message>
    <message>
        <source>Шаблон столбцов</source>
        <translation>Column template</translation>
    </message>
    <message>
        <source>Шаблон строк</source>
        <translation>Row template</translation>
    </message>
    <message>
        <source>Области</source>
        <translation>Areas</translation>
    </message>
    <message>
        <source>Заполнение</source>
        <translation>Auto flow</translation>
    </message>
    <message>
        <source>Новые столбцы</source>
        <translation>New columns</translation>
    </message>
    <message>
        <source>Новые строки</source>
        <translation>New rows</translation>
    </message>
    <message>
        <source>В ячейках</source>
        <translation>In cells</translation>
    </message>
    <message>
        <source>Столбцы</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Строки</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Область</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>В ячейке</source>
        <translation>In its cell</translation>
    </message>
    <message>
        <source>Модель размера</source>
        <translation>Box sizing</translation>
    </message>
    <message>
        <source>Мин. ширина</source>
        <translation>Min. width</translation>
    </message>
    <message>
        <source>Макс. ширина</source>
        <translation>Max. width</translation>
    </message>
    <message>
        <source>Мин. высота</source>
        <translation>Min. height</translation>
    </message>
    <message>
        <source>Макс. высота</source>
        <translation>Max. height</translation>
    </message>
    <message>
        <source>Пропорции</source>
        <translation>Aspect ratio</translation>
    </message>
    <message>
        <source>Вписывание</source>
        <translation>Object fit</translation>
    </message>
    <message>
        <source>Слой</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Переполнение X</source>
        <translation>Overflow X</translation>
    </message>
    <message>
        <source>Переполнение Y</source>
        <translation>Overflow Y</translation>
    </message>
    <message>
        <source>. У этого стиля display: </source>
        <translation>. This style has display: </translation>
    </message>
    <message>
        <source>Свойства гибкого контейнера действуют, когда display: flex или inline-flex</source>
        <translation>Flex container properties act when display is flex or inline-flex</translation>
    </message>
    <message>
        <source>Свойства сетки действуют, когда display: grid или inline-grid</source>
        <translation>Grid properties act when display is grid or inline-grid</translation>
    </message>
    <message>
        <source>Промежутки и выравнивание действуют, когда display: flex, inline-flex, grid или inline-grid</source>
        <translation>Gaps and alignment act when display is flex, inline-flex, grid or inline-grid</translation>
    </message>
    <message>
        <source>Управление границей</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>Управление картинкой фона</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>Отступ границ от края блока</source>
        <translation>Margins around the border</translation>
    </message>
    <message>
        <source>Отступ контента от границ</source>
        <translation>Padding inside the border</translation>
    </message>
    <message>
        <source>Тип и видимость блока</source>
        <translation>Box type and visibility</translation>
    </message>
    <message>
        <source>Обрезка при переполнении</source>
        <translation>Clipping of overflow</translation>
    </message>
    <message>
        <source>Позиционирование в потоке</source>
        <translation>Positioning in the flow</translation>
    </message>
    <message>
        <source>Положение и размер </source>
        <translation>Position and size </translation>
    </message>
    <message>
        <source>Прямое начертание шрифта</source>
        <translation>Upright font style</translation>
    </message>
    <message>
        <source>Курсив</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Подчеркивание</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Зачеркивание</source>
        <translation>Strike-through</translation>
    </message>
    <message>
        <source>Надчеркивание</source>
        <translation>Overline</translation>
    </message>
    <message>
        <source>Мигание (не рекомендуется)</source>
        <translation>Blink (not recommended)</translation>
    </message>
    <message>
        <source>Нет декорации шрифта</source>
        <translation>No text decoration</translation>
    </message>
    <message>
        <source>Обычный вариант шрифта</source>
        <translation>Normal font variant</translation>
    </message>
    <message>
        <source>вариант &quot;капитель&quot; (уменьшенные прописные буквы)</source>
        <translation>&quot;small caps&quot; variant (smaller capital letters)</translation>
    </message>
    <message>
        <source>Выравнивание &quot;влево&quot;</source>
        <translation>Align &quot;left&quot;</translation>
    </message>
    <message>
        <source>Выравнивание &quot;по центру&quot;</source>
        <translation>Align &quot;center&quot;</translation>
    </message>
    <message>
        <source>Выравнивание &quot;вправо&quot;</source>
        <translation>Align &quot;right&quot;</translation>
    </message>
    <message>
        <source>Выравнивание &quot;по ширине&quot;</source>
        <translation>Align &quot;justify&quot;</translation>
    </message>
    <message>
        <source>Выровнять по низу линейный блок</source>
        <translation>Align to the bottom of the line box</translation>
    </message>
    <message>
        <source>Выровнять по низу текста</source>
        <translation>Align to the bottom of the text</translation>
    </message>
    <message>
        <source>Нижний индекс</source>
        <translation>Subscript</translation>
    </message>
    <message>
        <source>Выровнять по базовой линии (рекомендуется)</source>
        <translation>Align to the baseline (recommended)</translation>
    </message>
    <message>
        <source>Выровнять по центру (вертикально)</source>
        <translation>Align to the middle (vertically)</translation>
    </message>
    <message>
        <source>Верхний индекс</source>
        <translation>Superscript</translation>
    </message>
    <message>
        <source>Выровнять по верху текста</source>
        <translation>Align to the top of the text</translation>
    </message>
    <message>
        <source>Выровнять по верху линейный блок</source>
        <translation>Align to the top of the line box</translation>
    </message>
    <message>
        <source>Непрерывная граница</source>
        <translation>Solid border</translation>
    </message>
    <message>
        <source>Пунктирная граница</source>
        <translation>Dotted border</translation>
    </message>
    <message>
        <source>Штрих-пунктирная граница</source>
        <translation>Dashed border</translation>
    </message>
    <message>
        <source>Вдавленный блок</source>
        <translation>Inset box</translation>
    </message>
    <message>
        <source>Выпуклый блок</source>
        <translation>Outset box</translation>
    </message>
    <message>
        <source>Выпуклая граница</source>
        <translation>Ridge border</translation>
    </message>
    <message>
        <source>Двойная граница</source>
        <translation>Double border</translation>
    </message>
    <message>
        <source>Вдавленная граница</source>
        <translation>Groove border</translation>
    </message>
    <message>
        <source>Нет границы</source>
        <translation>No border</translation>
    </message>
    <message>
        <source>Положение фонового рисунка </source>
        <translation>Background picture position </translation>
    </message>
    <message>
        <source>Неподвижный фоновый рисунок</source>
        <translation>Fixed background picture</translation>
    </message>
    <message>
        <source>Подвижный фоновый рисунок</source>
        <translation>Scrolling background picture</translation>
    </message>
    <message>
        <source>Копирование фонового рисунка во все направления</source>
        <translation>Repeat the background picture in all directions</translation>
    </message>
    <message>
        <source>Нет копирования фонового рисунка</source>
        <translation>Do not repeat the background picture</translation>
    </message>
    <message>
        <source>Копирование фонового рисунка по вертикали</source>
        <translation>Repeat the background picture vertically</translation>
    </message>
    <message>
        <source>Копирование фонового рисунка по горизонтали</source>
        <translation>Repeat the background picture horizontally</translation>
    </message>
    <message>
        <source>Главный структурный блок</source>
        <translation>Block box</translation>
    </message>
    <message>
        <source>Строковый блок</source>
        <translation>Inline box</translation>
    </message>
    <message>
        <source>Список в главном структурном блоке</source>
        <translation>List item in a block box</translation>
    </message>
    <message>
        <source>Блок и его потомки НЕ СОЗДАЮТСЯ</source>
        <translation>The box and its descendants are NOT MADE</translation>
    </message>
    <message>
        <source>Таблица уровня блока</source>
        <translation>Block-level table</translation>
    </message>
    <message>
        <source>Таблица уровня строки</source>
        <translation>Inline-level table</translation>
    </message>
    <message>
        <source>Заголовок таблицы</source>
        <translation>Table caption</translation>
    </message>
    <message>
        <source>Верхняя шапка таблицы</source>
        <translation>Table header group</translation>
    </message>
    <message>
        <source>Нижняя шапка таблицы</source>
        <translation>Table footer group</translation>
    </message>
    <message>
        <source>Ячейка таблицы</source>
        <translation>Table cell</translation>
    </message>
    <message>
        <source>Строка таблицы</source>
        <translation>Table row</translation>
    </message>
    <message>
        <source>Группа строк таблицы</source>
        <translation>Table row group</translation>
    </message>
    <message>
        <source>Столбец таблицы</source>
        <translation>Table column</translation>
    </message>
    <message>
        <source>Группа столбцов таблицы</source>
        <translation>Table column group</translation>
    </message>
    <message>
        <source>Блок внутри строки</source>
        <translation>Block inside a line</translation>
    </message>
    <message>
        <source>Гибкий контейнер (flex) уровня блока</source>
        <translation>Block-level flex container</translation>
    </message>
    <message>
        <source>Гибкий контейнер (flex) уровня строки</source>
        <translation>Inline-level flex container</translation>
    </message>
    <message>
        <source>Сетка (grid) уровня блока</source>
        <translation>Block-level grid</translation>
    </message>
    <message>
        <source>Сетка (grid) уровня строки</source>
        <translation>Inline-level grid</translation>
    </message>
    <message>
        <source>Блок со своим потоком (плавающие потомки не выходят наружу)</source>
        <translation>Block with its own flow (floating descendants stay inside)</translation>
    </message>
    <message>
        <source>Блок НЕ СОЗДАЕТСЯ, его потомки остаются</source>
        <translation>The box is NOT MADE, its descendants stay</translation>
    </message>
    <message>
        <source>Блок видим</source>
        <translation>The box is visible</translation>
    </message>
    <message>
        <source>Блок невидим, но существует</source>
        <translation>The box is invisible but exists</translation>
    </message>
    <message>
        <source>Элемент таблицы невидим</source>
        <translation>The table element is invisible</translation>
    </message>
    <message>
        <source>Обрезание блока запрещено</source>
        <translation>Clipping of the box is off</translation>
    </message>
    <message>
        <source>Обрезание блока разрешено</source>
        <translation>Clipping of the box is on</translation>
    </message>
    <message>
        <source>Обрезание блока разрешено и включен скроллинг</source>
        <translation>Clipping of the box is on, with scrolling</translation>
    </message>
    <message>
        <source>Авто (решение принимает браузер)</source>
        <translation>Auto (the browser decides)</translation>
    </message>
    <message>
        <source>Обычное положение в блока потоке</source>
        <translation>Normal position in the flow</translation>
    </message>
    <message>
        <source>Блок смещен в потоке</source>
        <translation>The box is shifted in the flow</translation>
    </message>
    <message>
        <source>Абсолютное положение блока</source>
        <translation>Absolute position of the box</translation>
    </message>
    <message>
        <source>Абсолютное положение и фиксация блока</source>
        <translation>Absolute position, fixed to the window</translation>
    </message>
    <message>
        <source>Блок в потоке, при прокрутке прилипает к краю</source>
        <translation>In the flow, sticks to the edge when scrolled</translation>
    </message>
    <message>
        <source>Параметры вырезания клипа из контента блока</source>
        <translation>The clip cut out of the box&apos;s content</translation>
    </message>
    <message>
        <source>Установите кнопками или введите с клавиатуры любое число. Двойной щелчек стирает параметр.</source>
        <translation>Set with the buttons or type any number. A double click clears the value.</translation>
    </message>
    <message>
        <source>Расстояние между строками (интерлиньяж)</source>
        <translation>Space between lines (leading)</translation>
    </message>
    <message>
        <source>Сверху</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Снизу</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Слева</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Справа</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Параметры обрезки от края блока</source>
        <translation>Clipping from the box&apos;s edges</translation>
    </message>
    <message>
        <source>Высота</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Ширина</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Отступы границ от края блока (средние отступы)</source>
        <translation>Margins around the border (middle spacing)</translation>
    </message>
    <message>
        <source>Отступ контента от границ (самые внутренние)</source>
        <translation>Padding inside the border (innermost spacing)</translation>
    </message>
    <message>
        <source>Параметры отступов края блока от контейнера (внешние отступы)</source>
        <translation>Offsets of the box&apos;s edges from its container (outer spacing)</translation>
    </message>
    <message>
        <source>Цвет границ</source>
        <translation>Border colour</translation>
    </message>
    <message>
        <source>Тип шрифта</source>
        <translation>Font family</translation>
    </message>
    <message>
        <source>Выбор используемой гарнитуры шрифта</source>
        <translation>Choose the typeface in use</translation>
    </message>
    <message>
        <source>Альтернативый тип шрифта</source>
        <translation>Alternative font family</translation>
    </message>
    <message>
        <source>Этот тип шрифта будет использован если первый тип недоступен</source>
        <translation>This font family is used when the first one is not available</translation>
    </message>
    <message>
        <source>Толщина шрифта</source>
        <translation>Font weight</translation>
    </message>
    <message>
        <source>Выбор &quot;жирности&quot; начертания шрифта. Только Normal и Bold поддерживают все браузеры </source>
        <translation>Choose how &quot;bold&quot; the font is. Only Normal and Bold work in every browser </translation>
    </message>
    <message>
        <source>Выбор или ввод с клавиатуры размера шрифта</source>
        <translation>Choose or type the font size</translation>
    </message>
    <message>
        <source>Полужирный</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Полужирное начертание шрифт    (Font-weight: bold;)</source>
        <translation>Bold font style    (Font-weight: bold;)</translation>
    </message>
    <message>
        <source>Все стороны</source>
        <translation>All sides</translation>
    </message>
    <message>
        <source>Граница всех четырех сторон    (Border)</source>
        <translation>Border of all four sides    (Border)</translation>
    </message>
    <message>
        <source>Верх</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Граница только верхней стороны    (Border-top)</source>
        <translation>Border of the top side only    (Border-top)</translation>
    </message>
    <message>
        <source>Право</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Граница только правой стороны    (Border-right)</source>
        <translation>Border of the right side only    (Border-right)</translation>
    </message>
    <message>
        <source>Низ</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Граница только нижней стороны    (Border-bottom)</source>
        <translation>Border of the bottom side only    (Border-bottom)</translation>
    </message>
    <message>
        <source>Лево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Граница только левой стороны    (Border-left)</source>
        <translation>Border of the left side only    (Border-left)</translation>
    </message>
    <message>
        <source>Фон</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Прозрачный</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Прозрачный фон</source>
        <translation>Transparent background</translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>пиксель (экранная точка)</source>
        <translation>pixel (screen dot)</translation>
    </message>
    <message>
        <source>точка (1/72 дюйма)</source>
        <translation>point (1/72 inch)</translation>
    </message>
    <message>
        <source>пики (12 pt)</source>
        <translation>picas (12 pt)</translation>
    </message>
    <message>
        <source>дюйм (2.54 cm)</source>
        <translation>inch (2.54 cm)</translation>
    </message>
    <message>
        <source>миллиметр</source>
        <translation>millimetre</translation>
    </message>
    <message>
        <source>сантиметр</source>
        <translation>centimetre</translation>
    </message>
    <message>
        <source>четверть миллиметра</source>
        <translation>quarter millimetre</translation>
    </message>
    <message>
        <source>коэффициент от текущего размера</source>
        <translation>factor of the current size</translation>
    </message>
    <message>
        <source>коэффициент от единичного размера</source>
        <translation>factor of the x-height</translation>
    </message>
    <message>
        <source>коэффициент от ширины цифры &quot;0&quot; текущего шрифта</source>
        <translation>factor of the width of the digit &quot;0&quot; in the current font</translation>
    </message>
    <message>
        <source>коэффициент от размера шрифта корневого элемента</source>
        <translation>factor of the root element&apos;s font size</translation>
    </message>
    <message>
        <source>процент ширины окна</source>
        <translation>percent of the window width</translation>
    </message>
    <message>
        <source>процент высоты окна</source>
        <translation>percent of the window height</translation>
    </message>
    <message>
        <source>процент меньшей стороны окна</source>
        <translation>percent of the window&apos;s smaller side</translation>
    </message>
    <message>
        <source>процент большей стороны окна</source>
        <translation>percent of the window&apos;s larger side</translation>
    </message>
    <message>
        <source>процент</source>
        <translation>percent</translation>
    </message>
    <message>
        <source>Оставить старую единицу</source>
        <translation>Keep the old unit</translation>
    </message>
    <message>
        <source>без размера (не рекомендуется)</source>
        <translation>no unit (not recommended)</translation>
    </message>
    <message>
        <source>%1: значение не определить — переменные ссылаются друг на друга по кругу</source>
        <translation>%1: the value cannot be found — the variables refer to each other in a circle</translation>
    </message>
    <message>
        <source>Подставить переменную</source>
        <translation>Insert Variable</translation>
    </message>
    <message>
        <source>Перейти к определению </source>
        <translation>Go to the definition of </translation>
    </message>
    <message>
        <source>цвет</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>цвет тремя числами для rgb()</source>
        <translation>colour as three numbers for rgb()</translation>
    </message>
    <message>
        <source>длина</source>
        <translation>length</translation>
    </message>
    <message>
        <source>время</source>
        <translation>time</translation>
    </message>
    <message>
        <source>число</source>
        <translation>number</translation>
    </message>
    <message>
        <source>тень</source>
        <translation>shadow</translation>
    </message>
    <message>
        <source>ключевое слово</source>
        <translation>keyword</translation>
    </message>
    <message>
        <source>текст</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Найти переменную по имени или значению</source>
        <translation>Find a variable by name or value</translation>
    </message>
    <message>
        <source>Показывает только переменные, в имени или значении которых есть набранный текст</source>
        <translation>Shows only the variables whose name or value holds the typed text</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Используют</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>Переменные таблицы стилей. Двойной щелчок по значению изменяет его, по числу использований — показывает стили, которые её читают; правая кнопка — переименование</source>
        <translation>The style sheet&apos;s variables. A double click on a value changes it, on the count of uses shows the styles that read it; the right button renames</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Не используется: ни одно var() таблицы стилей не читает эту переменную</source>
        <translation>Not used: no var() of the style sheet reads this variable</translation>
    </message>
    <message>
        <source>Сколько раз var() читает переменную; двойной щелчок покажет стили</source>
        <translation>How many times var() reads the variable; a double click shows the styles</translation>
    </message>
    <message>
        <source>
Перекрыта следующим объявлением этого же стиля</source>
        <translation>
Overridden by a later declaration of the same style</translation>
    </message>
    <message>
        <source>Значение переменной %1 не записано: «%2» — не %3.</source>
        <translation>The value of the variable %1 was not written: «%2» is not a %3.</translation>
    </message>
    <message>
        <source>Значение переменной %1 не записано: оно вышло бы за пределы своего объявления (точка с запятой, фигурная скобка или незакрытая кавычка).</source>
        <translation>The value of the variable %1 was not written: it would run out of its declaration (a semicolon, curly brace or unclosed quote).</translation>
    </message>
    <message>
        <source>Переименование переменной</source>
        <translation>Rename Variable</translation>
    </message>
    <message>
        <source>Новое имя переменной %1:</source>
        <translation>New name of the variable %1:</translation>
    </message>
    <message>
        <source>«%1» — не имя переменной: оно начинается с двух дефисов, за которыми идут буквы, цифры, дефисы или подчёркивания (--main-color).</source>
        <translation>«%1» is not a variable name: it begins with two hyphens followed by letters, digits, hyphens or underscores (--main-color).</translation>
    </message>
    <message>
        <source>Переменная %1 уже есть в таблице стилей: переименование слило бы две переменные в одну.</source>
        <translation>The variable %1 is already in the style sheet: renaming would merge two variables into one.</translation>
    </message>
    <message>
        <source>Переименовать %1 в %2? Изменится мест в таблице стилей: %3 (определения и var()).</source>
        <translation>Rename %1 to %2? Places that change in the style sheet: %3 (definitions and var()).</translation>
    </message>
    <message>
        <source>Ни один стиль не читает эту переменную</source>
        <translation>No style reads this variable</translation>
    </message>
    <message>
        <source>Изменить значение</source>
        <translation>Change Value</translation>
    </message>
    <message>
        <source>Переименовать…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>Где используется…</source>
        <translation>Where Used…</translation>
    </message>
    <message>
        <source>Перейти к стилю, где задана</source>
        <translation>Go to the Style That Defines It</translation>
    </message>
    <message>
        <source>I18N BiDi over-ride</source>
        <translation>bidirectional text override</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Шрифт выкл.</source>
        <translation>Font off</translation>
    </message>
    <message>
        <source>Толщина не задана</source>
        <translation>Weight not set</translation>
    </message>
    <message>
        <source>выкл.</source>
        <translation>off</translation>
    </message>
    <message>
        <source> … [строка сокращена: %1 символ]</source>
        <translation> … [line cut: %1 characters]</translation>
    </message>
    <message>
        <source> … [строка сокращена: %1 символа]</source>
        <translation> … [line cut: %1 characters]</translation>
    </message>
    <message>
        <source> … [строка сокращена: %1 символов]</source>
        <translation> … [line cut: %1 characters]</translation>
    </message>
    <message>
        <source>Не действует здесь: </source>
        <translation>Has no effect here: </translation>
    </message>
    <message>
        <source>Браузер не принимает значение «%1» свойства %2</source>
        <translation>The browser does not take the value “%1” of %2</translation>
    </message>
    <message>
        <source>Таблицы страницы</source>
        <translation>Page Sheets</translation>
    </message>
    <message>
        <source>Таблицы стилей, которые подключает страница</source>
        <translation>The style sheets the page links</translation>
    </message>
    <message>
        <source>Таблицы стилей страницы в просмотре: открыть другую из них</source>
        <translation>The style sheets of the page in the preview: open another of them</translation>
    </message>
    <message>
        <source>Страница не подключает таблиц стилей с диска</source>
        <translation>The page links no style sheets from disk</translation>
    </message>
    <message>
        <source>Вычисленные значения</source>
        <translation>Computed Values</translation>
    </message>
    <message>
        <source>Спросить у страницы значения свойств элемента, как их вычисляет браузер</source>
        <translation>Ask the page for the element's values as the browser computes them</translation>
    </message>
    <message>
        <source>Унаследовано от %1</source>
        <translation>Inherited from %1</translation>
    </message>
    <message>
        <source>Щёлкните, чтобы спросить у страницы</source>
        <translation>Click to ask the page</translation>
    </message>
    <message>
        <source>Ждём ответа страницы…</source>
        <translation>Waiting for the page…</translation>
    </message>
    <message>
        <source>нет ответа (щёлкните, чтобы спросить снова)</source>
        <translation>no answer (click to ask again)</translation>
    </message>
    <message>
        <source>Щёлкните, чтобы спросить снова</source>
        <translation>Click to ask again</translation>
    </message>
    <message>
        <source>Правила элемента не объявляют свойств</source>
        <translation>The element's rules declare no properties</translation>
    </message>
    <message>
        <source>Элемента больше нет на странице</source>
        <translation>The element is no longer on the page</translation>
    </message>
</context>
</TS>
