#include "document/MessagePatterns.h"

#include <algorithm>
#include <cctype>

namespace tesselo {

namespace {

struct Piece {
    std::string_view Literal; // the text before the part, or the whole tail when Part is 0
    int Part = 0;             // 1 for %1, ...; 0 for none
};

std::vector<Piece> Pieces(std::string_view pattern) {
    std::vector<Piece> pieces;
    size_t from = 0;
    for (size_t at = 0; at + 1 < pattern.size(); ++at) {
        if (pattern[at] != '%' || !std::isdigit(static_cast<unsigned char>(pattern[at + 1])))
            continue;
        pieces.push_back({pattern.substr(from, at - from), pattern[at + 1] - '0'});
        from = at + 2;
        ++at;
    }
    pieces.push_back({pattern.substr(from), 0});
    return pieces;
}

// Matches pieces[i...] against text[at...], the part before piece i already taken.
bool MatchFrom(const std::vector<Piece>& pieces, size_t i, std::string_view text, size_t at,
               std::vector<std::string>& parts) {
    const Piece& piece = pieces[i];
    if (text.compare(at, piece.Literal.size(), piece.Literal) != 0)
        return false;
    at += piece.Literal.size();
    if (piece.Part == 0)
        return at == text.size();
    const std::string_view next = pieces[i + 1].Literal;
    const size_t part = static_cast<size_t>(piece.Part - 1);
    if (pieces[i + 1].Part == 0) { // the last part runs up to the tail
        if (text.size() < at + 1 + next.size())
            return false;
        parts[part] = std::string(text.substr(at, text.size() - next.size() - at));
        return MatchFrom(pieces, i + 1, text, text.size() - next.size(), parts);
    }
    for (size_t end = text.find(next, at + 1); end != std::string_view::npos;
         end = text.find(next, end + 1)) {
        parts[part] = std::string(text.substr(at, end - at));
        if (MatchFrom(pieces, i + 1, text, end, parts))
            return true;
    }
    return false;
}

} // namespace

std::optional<std::vector<std::string>> MatchPattern(std::string_view pattern,
                                                     std::string_view text) {
    const std::vector<Piece> pieces = Pieces(pattern);
    if (pieces.size() == 1)
        return std::nullopt;
    int count = 0;
    for (const Piece& piece : pieces)
        count = std::max(count, piece.Part);
    std::vector<std::string> parts(static_cast<size_t>(count));
    if (!MatchFrom(pieces, 0, text, 0, parts))
        return std::nullopt;
    return parts;
}

std::span<const std::string_view> MessagePatterns() {
    static constexpr std::string_view patterns[] = {
        // Made of other messages: tried first, the parts are shown each by its own pattern.
        "%1; в других таблицах страницы: %2",
        "%1 (состояния :hover и подобные не учтены)",
        "%1 (обведены первые %2)",
        // Files.
        "Не удалось прочитать файл %1\r%2",
        "Не удалось записать файл %1\r%2",
        "Файл %1 изменен другой программой.\rЗаписать поверх него?",
        "Файл %1 изменен другой программой.\r"
        "Вернуть в него начальную версию, открытую или сохраненную в Tesselo?\r"
        "\r"
        "ДА-начальная версия будет записана поверх текста другой программы\r"
        "НЕТ-файл останется с текстом другой программы\r"
        "ОТМЕНА - прервать операцию",
        "Начальная версия файла %1 (%2) не найдена.\rФайл остается с последними изменениями.",
        "Файл %1 уже открыт в другом окне Tesselo.\r"
        "Продолжите работу с ним там или закройте то окно.",
        "Имя начальной версии файла %1 занято: %2 не обычный файл (ссылка, канал, устройство или "
        "папка).\rФайл не открыт. Уберите или переименуйте %2 и откройте файл снова.",
        "Файл %1 не найден: другая программа удалила или переместила его.\r"
        "Записать его снова с текстом, открытым в Tesselo?",
        "Файл %1 не найден: другая программа удалила или переместила его.\r"
        "Записать его снова с начальной версией, открытой или сохраненной в Tesselo?\r"
        "\r"
        "ДА-файл будет записан снова\r"
        "НЕТ-файла не будет\r"
        "ОТМЕНА - прервать операцию",
        "Не удалось сохранить настройки Tesselo\r%1",
        "Нельзя сохранить владельца и группу файла (%1)",
        // Selectors, conditions and the text of a rule that would break the sheet.
        "Имя стиля %1 недопустимо: %2.\r%3",
        "Условие группы %1 недопустимо: %2.\r%3",
        "Селектор %1 недопустим: %2.\r%3",
        "%1 не должно быть фигурных скобок, а кавычки, комментарии, круглые и квадратные скобки "
        "должны закрываться в нем самом: иначе остальная таблица стилей стала бы его частью.",
        "Текст стиля не записан: %1.\rСкобки, кавычки и комментарии должны закрываться в тексте "
        "стиля, а фигурная скобка } не должна закрывать правило раньше его конца: иначе остальная "
        "таблица стилей стала бы частью правила или новыми правилами. Набранный текст остался в "
        "окне \"Текущий стиль\".",
        "в нем фигурная скобка %1 (%2)",
        "фигурная скобка } (%1) закрыла бы правило",
        "фигурная скобка { (%1) не закрыта",
        "кавычка %1 (%2) не закрыта",
        "комментарий /* (%1) не закрыт",
        "скобка ( (%1) не закрыта",
        "скобка [ (%1) не закрыта",
        "обратная косая черта \\ (%1) стоит в самом конце",
        "строка %1, знак %2",
        "знак %1",
        // The style list.
        "Стиль с именем %1 уже существует.",
        "Секундочку! Такой селектор (стиль) уже существует.\rЗамените имя \"%1\" на другое.",
        "Условие группы %1 недопустимо.\rОно должно начинаться с @media, @supports, @layer, "
        "@container или @document.",
        "Удалить группу %1?\r%2, они будут удалены вместе с ней.",
        "В группе %1 стиль",
        "В группе %1 стиля",
        "В группе %1 стилей",
        "Не действует при ширине %1 пикселей: %2",
        // The text of a rule: its marks.
        "Переменная %1 нигде в таблице стилей не задана, и запасного значения у var() нет: браузер "
        "не применит это объявление.",
        "Пропущено двоеточие после имени свойства «%1»",
        "Неизвестное свойство «%1»",
        "Пропущена точка с запятой перед «%1»",
        "Свойство «%1» не принимает значение «%2»",
        "Элемент не flex- и не grid-контейнер (display: %1): свойство на него не действует",
        "Элемент не flex-контейнер (display: %1): свойство на него не действует",
        "Элемент не grid-контейнер (display: %1): свойство на него не действует",
        "Родитель элемента не flex-контейнер (display: %1): свойство на элемент не действует",
        "Родитель элемента не flex- и не grid-контейнер (display: %1): свойство на элемент не "
        "действует",
        "Родитель элемента не grid-контейнер (display: %1): свойство на элемент не действует",
        // The element picked in the page.
        "Элемент %1: ни один стиль не подходит",
        "Элемент %1: подходит %2 стиль",
        "Элемент %1: подходят %2 стиля",
        "Элемент %1: подходят %2 стилей",
        "Ни один стиль этой таблицы не подходит к элементу, а в таблице стилей %1, которую "
        "подключает страница, подходит %2 стиль.\rОткрыть %3?\r\rДа — открыть в этом окне, Нет — в "
        "новом окне.",
        "Ни один стиль этой таблицы не подходит к элементу, а в таблице стилей %1, которую "
        "подключает страница, подходят %2 стиля.\rОткрыть %3?\r\rДа — открыть в этом окне, Нет — в "
        "новом окне.",
        "Ни один стиль этой таблицы не подходит к элементу, а в таблице стилей %1, которую "
        "подключает страница, подходят %2 стилей.\rОткрыть %3?\r\rДа — открыть в этом окне, Нет — "
        "в "
        "новом окне.",
        "Стиль применяется к %1 элементу",
        "Стиль применяется к %1 элементам",
        // The panel's number fields and the selector builder's hint line.
        "Число «%1» вне допустимых пределов (от -32768 до 32767).\rТекст поля оставлен как был.",
        "«%1» — не целое число.\rТекст поля оставлен как был.",
        // The note after a line cut for showing.
        " \u2026 [строка сокращена: %1 символ]",
        " \u2026 [строка сокращена: %1 символа]",
        " \u2026 [строка сокращена: %1 символов]",
        "Назначение тега в HTML: %1",
        "Псевдоэлемент %1: %2",
        "Псевдокласс %1: %2",
    };
    return patterns;
}

} // namespace tesselo
