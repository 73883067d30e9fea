#include "dialogs/SelectorBuilder.h"

#include "mapping/SelectorCheck.h"

#include <algorithm>
#include <utility>

namespace tesselo {
namespace {

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The text before the first of the given characters.
std::string Before(const std::string& text, std::string_view stops) {
    return text.substr(0, std::min(text.size(), text.find_first_of(stops)));
}

const std::vector<std::pair<std::string_view, std::string_view>>& HelpRows() {
    static const std::vector<std::pair<std::string_view, std::string_view>> rows = {
        {"[none]", "селектор не выбран, выбирайте для \"чистых\" классов или ID"},
        {"A", "якорь (гиперссылка), лучше описывать с псевдоклассами"},
        {"ABBR", "сокращенная форма (например, WWW, HTTP и т.д.)"},
        {"ACRONYM", "акроним (например, WAC, радар и т.д.)"},
        {"ADDRESS", "информация об авторе"},
        {"APPLET", "апплет Java"},
        {"AREA", "область клиентского изображения-карты"},
        {"B", "полужирный текст"},
        {"BASE", "базовый URI документа"},
        {"BASEFONT", "базовый размер шрифта"},
        {"BDO", "I18N BiDi over-ride"},
        {"BIG", "большой текст"},
        {"BLOCKQUOTE", "цитата"},
        {"BODY", "тело документа"},
        {"BR", "жесткий перевод строки"},
        {"BUTTON", "кнопка"},
        {"CAPTION", "заголовок таблицы"},
        {"CENTER", "сокращение для DIV align=center"},
        {"CITE", "цитата"},
        {"CODE", "фрагмент компьютерного кода"},
        {"COL", "столбец таблицы"},
        {"COLGROUP", "группа столбцов таблицы"},
        {"DD", "описание определения"},
        {"DEL", "удаленный текст"},
        {"DFN", "определение экземпляра"},
        {"DIR", "список каталогов"},
        {"DIV", "общий контейнер языка/стиля"},
        {"DL", "список определений"},
        {"DT", "определяемый термин"},
        {"EM", "выделение"},
        {"FIELDSET", "группа управляющих элементов формы"},
        {"FONT", "локальное изменение шрифта"},
        {"FORM", "интерактивная форма"},
        {"FRAME", "вложенное окно"},
        {"FRAMESET", "разделение окна"},
        {"H1", "заголовок1"},
        {"H2", "заголовок2"},
        {"H3", "заголовок3"},
        {"H4", "заголовок4"},
        {"H5", "заголовок5"},
        {"H6", "заголовок6"},
        {"HEAD", "заголовок документа"},
        {"HR", "горизонтальный разделитель"},
        {"HTML", "корневой элемент документа"},
        {"I", "курсив"},
        {"IFRAME", "встроенное окно"},
        {"IMG", "внедренное изображение"},
        {"INPUT", "управляющий элемент формы"},
        {"INS", "вставленный текст"},
        {"ISINDEX", "запрос из одной строки"},
        {"KBD", "текст, вводимый пользователем"},
        {"LABEL", "текст метки поля формы"},
        {"LEGEND", "описание набора полей"},
        {"LI", "элемент списка"},
        {"LINK", "не зависящая от устройства ссылка"},
        {"MAP", "клиентское изображение-карта"},
        {"MENU", "список меню"},
        {"META", "общая метаинформация"},
        {"NOFRAMES", "альтерн. контейнер для представления без фреймов"},
        {"NOSCRIPT", "альтерн. контейнер для представления без скриптов"},
        {"OBJECT", "общий внедренный объект"},
        {"OL", "упорядоченный список"},
        {"OPTGROUP", "группа опций"},
        {"OPTION", "выбираемый элемент"},
        {"P", "абзац"},
        {"PARAM", "значение именованного свойства"},
        {"PRE", "форматированный текст"},
        {"Q", "короткая встроенная цитата"},
        {"S", "перечеркнутый текст"},
        {"SAMP", "пример вывода программы, скрипта и т.д."},
        {"SCRIPT", "выражения скрипта"},
        {"SELECT", "выбор варианта"},
        {"SMALL", "мелкий текст"},
        {"SPAN", "общий контейнер языка/стиля"},
        {"STRIKE", "перечеркнутый текст"},
        {"STRONG", "усиленное выделение"},
        {"STYLE", "инфомрация о стиле"},
        {"SUB", "нижний индекс"},
        {"SUP", "верхний индекс"},
        {"TABLE", "таблица"},
        {"TBODY", "тело таблицы"},
        {"TD", "ячейка данных таблицы"},
        {"TEXTAREA", "текстовое поле из нескольких строк"},
        {"TFOOT", "сноска таблицы"},
        {"TH", "заголовок ячейки таблицы"},
        {"THEAD", "заголовок таблицы"},
        {"TITLE", "название документа"},
        {"TR", "строка таблицы"},
        {"TT", "шрифт пишущей машинки (моноширинный)"},
        {"U", "подчеркнутый текст"},
        {"UL", "неупорядоченный список"},
        {"VAR", "экземпляр переменной или аргумента программы"},
        {"main", "основное содержимое страницы"},
        {"nav", "блок навигации (меню, ссылки по сайту)"},
        {"section", "раздел документа"},
        {"article", "самостоятельная статья, запись, публикация"},
        {"header", "шапка страницы или раздела"},
        {"footer", "подвал страницы или раздела"},
        {"aside", "дополнительное содержимое сбоку от основного"},
        {"figure", "иллюстрация с подписью"},
        {"figcaption", "подпись к иллюстрации"},
        {"picture", "изображение с вариантами для разных экранов"},
        {"source", "вариант источника для picture, video или audio"},
        {"dialog", "диалоговое окно"},
        {"details", "раскрывающийся блок"},
        {"summary", "заголовок раскрывающегося блока details"},
        {"template", "шаблон разметки, на странице не показывается"},
        {"slot", "место для содержимого в веб-компоненте"},
        {"mark", "выделенный (подсвеченный) текст"},
        {"time", "дата или время"},
        {"output", "результат вычисления или действия"},
        {"progress", "индикатор выполнения"},
        {"meter", "шкала значения в известных пределах"},
        {"video", "видео"},
        {"audio", "звук"},
        {"canvas", "область для рисования скриптом"},
        {"svg", "векторный рисунок SVG"},
    };
    return rows;
}

} // namespace

// The tags of HTML 4 in capitals, as they always were, and those of today's HTML in
// small letters, as they are written now (and as an svg element is matched: in small
// letters only).
const std::vector<TagList>& TagLists() {
    static const std::vector<TagList> lists = {
        {"Все",
         {"A",          "ABBR",       "ACRONYM",  "ADDRESS",  "APPLET",   "AREA",     "article",
          "aside",      "audio",      "B",        "BASE",     "BASEFONT", "BDO",      "BIG",
          "BLOCKQUOTE", "BODY",       "BR",       "BUTTON",   "canvas",   "CAPTION",  "CENTER",
          "CITE",       "CODE",       "COL",      "COLGROUP", "DD",       "DEL",      "details",
          "DFN",        "dialog",     "DIR",      "DIV",      "DL",       "DT",       "EM",
          "FIELDSET",   "figcaption", "figure",   "FONT",     "footer",   "FORM",     "FRAME",
          "FRAMESET",   "H1",         "H2",       "H3",       "H4",       "H5",       "H6",
          "HEAD",       "header",     "HR",       "HTML",     "I",        "IFRAME",   "IMG",
          "INPUT",      "INS",        "ISINDEX",  "KBD",      "LABEL",    "LEGEND",   "LI",
          "LINK",       "main",       "MAP",      "mark",     "MENU",     "META",     "meter",
          "nav",        "NOFRAMES",   "NOSCRIPT", "OBJECT",   "OL",       "OPTGROUP", "OPTION",
          "output",     "P",          "PARAM",    "picture",  "PRE",      "progress", "Q",
          "S",          "SAMP",       "SCRIPT",   "section",  "SELECT",   "slot",     "SMALL",
          "source",     "SPAN",       "STRIKE",   "STRONG",   "STYLE",    "SUB",      "summary",
          "SUP",        "svg",        "TABLE",    "TBODY",    "TD",       "template", "TEXTAREA",
          "TFOOT",      "TH",         "THEAD",    "time",     "TITLE",    "TR",       "TT",
          "U",          "UL",         "VAR",      "video"}},
        {"Текст",
         {"BODY",       "P",    "A",      "H1",     "H2",   "H3",     "H4",  "H5",    "H6",
          "BR",         "HR",   "LI",     "OL",     "UL",   "CENTER", "B",   "I",     "U",
          "Q",          "S",    "STRIKE", "STRONG", "SUB",  "SUP",    "BIG", "SMALL", "ADDRESS",
          "BLOCKQUOTE", "CITE", "CODE",   "SAMP",   "mark", "time"}},
        {"Таблица",
         {"TABLE", "TBODY", "TD", "TR", "THEAD", "TFOOT", "CAPTION", "COL", "COLGROUP", "TH",
          "DD"}},
        {"Объект", {"IMG",      "MAP",    "MENU",     "OBJECT",  "APPLET", "AREA",   "BUTTON",
                    "FIELDSET", "FORM",   "INPUT",    "ISINDEX", "LABEL",  "LEGEND", "LINK",
                    "OPTGROUP", "OPTION", "VAR",      "picture", "source", "video",  "audio",
                    "canvas",   "svg",    "progress", "meter",   "output"}},
        {"Блок", {"DIV",    "SPAN",  "FRAME",    "FRAMESET",   "IFRAME",  "NOFRAMES", "IMG",
                  "MAP",    "AREA",  "TEXTAREA", "CITE",       "CODE",    "DD",       "DEL",
                  "DFN",    "DIR",   "DL",       "DT",         "SAMP",    "STYLE",    "TITLE",
                  "HTML",   "META",  "main",     "nav",        "section", "article",  "header",
                  "footer", "aside", "figure",   "figcaption", "dialog",  "details",  "summary"}},
        {"Специальное",
         {"ABBR",  "ACRONYM", "ADDRESS", "BDO",      "DD",       "DEL", "DFN",     "DIR",
          "DL",    "DT",      "EM",      "HEAD",     "HTML",     "INS", "ISINDEX", "KBD",
          "LABEL", "LEGEND",  "LINK",    "NOSCRIPT", "PARAM",    "PRE", "SCRIPT",  "SELECT",
          "STYLE", "TITLE",   "TT",      "VAR",      "template", "slot"}},
    };
    return lists;
}

std::string_view PseudoHelp(std::string_view part) {
    static const std::vector<std::pair<std::string_view, std::string_view>> rows = {
        {"[none]", "не выбран"},
        {"::first-letter", "первая буква текста элемента"},
        {"::first-line", "первая строка текста элемента"},
        {"::before", "содержимое перед содержимым элемента (свойство content)"},
        {"::after", "содержимое после содержимого элемента (свойство content)"},
        {"::marker", "маркер или номер элемента списка"},
        {"::placeholder", "текст-подсказка в пустом поле ввода"},
        {"::selection", "часть текста, выделенная пользователем"},
        {"::backdrop", "фон под модальным диалогом или элементом во весь экран"},
        {":active", "элемент в момент нажатия (щелчка)"},
        {":focus", "элемент, получивший фокус ввода"},
        {":hover", "элемент под указателем мыши"},
        {":link", "непосещенная ссылка"},
        {":visited", "посещенная ссылка"},
        {":focus-visible", "элемент в фокусе, когда фокус надо показать (получен с клавиатуры)"},
        {":focus-within", "элемент, в котором фокус у него самого или у его потомка"},
        {":is()", "любой из селекторов в скобках, например :is(h1, h2)"},
        {":where()", "как :is(), но без веса селекторов в скобках"},
        {":not()", "элемент, не подходящий под селекторы в скобках, например :not(.hidden)"},
        {":has()", "элемент, в котором есть подходящий под селектор в скобках, например :has(img)"},
        {":nth-child()", "элемент по номеру среди соседей, например :nth-child(2n+1)"},
    };
    for (const auto& [name, text] : rows)
        if (name == part)
            return text;
    return "Нет справки";
}

std::string_view TagHelp(std::string_view tag) {
    std::string_view help = "Нет справки";
    for (const auto& [name, text] : HelpRows())
        if (name == tag)
            help = text; // the last row of a tag counts
    return help;
}

void SelectorBuilder::FormShow(const std::string& styleNameList) {
    IdOffers.clear();
    ClassOffers.clear();
    // Two accumulators, inactive until "#" or "." starts them; a letter or digit goes
    // to every active one, anything else ends both.
    bool idActive = false, classActive = false;
    std::string id, cls;
    for (char c : styleNameList + ";") {
        if (c == '#') {
            idActive = true;
            id.clear();
        } else if (c == '.') {
            classActive = true;
            cls.clear();
        } else if (IsAsciiAlnum(c)) {
            if (idActive)
                id += c;
            if (classActive)
                cls += c;
        } else {
            if (idActive)
                Offer(IdOffers, id);
            if (classActive)
                Offer(ClassOffers, cls);
            idActive = classActive = false;
        }
    }
    SelectorResult.clear();
    CurrentSelector.clear();
    Itog.clear();
    ItogRow = -1;
    PseudoElementRow = PseudoClassRow = 0;
    IdText.clear();
    ClassText.clear();
}

void SelectorBuilder::Offer(std::vector<std::string>& offers, const std::string& text) {
    if (!text.empty() && std::find(offers.begin(), offers.end(), text) == offers.end())
        offers.insert(offers.begin(), text);
}

void SelectorBuilder::TagClick(std::string_view tag) {
    CurrentSelector = tag == kNoTag ? std::string() : std::string(tag);
    IdText.clear();
    ClassText.clear();
    PseudoElementRow = PseudoClassRow = 0;
}

void SelectorBuilder::TagDoubleClick(std::string_view tag) {
    TagClick(tag);
    AddElementClick();
}

void SelectorBuilder::ComboIDChange(const std::string& text) {
    IdText = text;
    ComboChange('#', text, ClassText);
}

void SelectorBuilder::ComboClassChange(const std::string& text) {
    ClassText = text;
    ComboChange('.', text, IdText);
}

void SelectorBuilder::ComboChange(char mark, const std::string& text, std::string& other) {
    const std::string base = Before(Before(Before(CurrentSelector, ":"), "."), "#");
    if (!text.empty()) {
        CurrentSelector = base + mark + text;
        // An ID and a class never stand together in one simple selector.
        other.clear();
    } else {
        CurrentSelector = base;
    }
    ApplyPseudoParts();
}

void SelectorBuilder::ApplyPseudoParts() {
    if (PseudoElementRow != 0)
        PseudoElementClick(PseudoElementRow);
    if (PseudoClassRow != 0)
        PseudoClassClick(PseudoClassRow);
}

void SelectorBuilder::PseudoElementClick(int row) {
    const std::string base = Before(CurrentSelector, ":");
    PseudoElementRow = row;
    PseudoClassRow = 0;
    const std::string_view part = kPseudoElements.at(static_cast<size_t>(row));
    CurrentSelector = part != kNoTag && !base.empty() ? base + std::string(part) : base;
}

void SelectorBuilder::PseudoClassClick(int row) {
    const std::string base = Before(CurrentSelector, ":");
    PseudoClassRow = row;
    PseudoElementRow = 0;
    const std::string_view part = kPseudoClasses.at(static_cast<size_t>(row));
    CurrentSelector = part != kNoTag && !base.empty() ? base + std::string(part) : base;
}

void SelectorBuilder::AddElementClick() {
    if (CurrentSelector.empty())
        return;
    Itog.push_back(CurrentSelector);
    ItogRow = static_cast<int>(Itog.size()) - 1;
}

void SelectorBuilder::AddPotomokClick() {
    if (ItogRow >= 0)
        Itog[static_cast<size_t>(ItogRow)] += " " + CurrentSelector;
}

void SelectorBuilder::AddSosedClick() {
    if (ItogRow >= 0)
        Itog[static_cast<size_t>(ItogRow)] += "+" + CurrentSelector;
}

void SelectorBuilder::DelClick() {
    if (ItogRow < 0)
        return;
    Itog.erase(Itog.begin() + ItogRow);
    if (Itog.empty())
        ItogRow = -1;
    else
        ItogRow = std::max(ItogRow - 1, 0);
}

void SelectorBuilder::CutAtLast(char separator) {
    if (ItogRow < 0)
        return;
    std::string& row = Itog[static_cast<size_t>(ItogRow)];
    // From the second-to-last character leftwards, the first position from which the
    // rest holds the separator: the rest goes. A separator at the very end is found
    // together with the character before it.
    if (row.size() < 2)
        return;
    if (row.back() == separator) {
        row.erase(row.size() - 2);
        return;
    }
    if (const size_t at = row.rfind(separator); at != std::string::npos)
        row.erase(at);
}

void SelectorBuilder::DelPotomokClick() {
    CutAtLast(' ');
}

void SelectorBuilder::DelSosedClick() {
    CutAtLast('+');
}

void SelectorBuilder::UpClick() {
    if (ItogRow > 0) {
        std::swap(Itog[static_cast<size_t>(ItogRow)], Itog[static_cast<size_t>(ItogRow - 1)]);
        --ItogRow;
    }
}

void SelectorBuilder::DownClick() {
    if (ItogRow >= 0 && ItogRow + 1 < static_cast<int>(Itog.size())) {
        std::swap(Itog[static_cast<size_t>(ItogRow)], Itog[static_cast<size_t>(ItogRow + 1)]);
        ++ItogRow;
    }
}

void SelectorBuilder::OkClick() {
    std::string result = Itog.empty() ? CurrentSelector : std::string();
    for (size_t i = 0; i < Itog.size(); ++i)
        result += (i ? ", " : "") + Itog[i];
    SelectorResult.clear();
    Refusal.clear();
    if (const std::optional<SheetBreak> found = SelectorBreak(result)) {
        Refusal =
            messages::BadBuiltSelector(result, DescribeBreak(*found, result, SheetEncoding::Utf8));
        return;
    }
    SelectorResult = std::move(result);
}

void SelectorBuilder::TagHover(std::string_view tag) {
    LabelHint = "Назначение тега в HTML: " + std::string(TagHelp(tag));
}

void SelectorBuilder::PseudoElementHover(std::string_view part) {
    LabelHint = "Псевдоэлемент " + std::string(part) + ": " + std::string(PseudoHelp(part));
}

void SelectorBuilder::PseudoClassHover(std::string_view part) {
    LabelHint = "Псевдокласс " + std::string(part) + ": " + std::string(PseudoHelp(part));
}

} // namespace tesselo
