#include "mapping/SelectorCheck.h"

#include "mapping/DeclarationBlock.h"

#include <algorithm>
#include <vector>

namespace tesselo {
namespace {

using Kind = SheetBreak::Kind;
using Piece = CssPiece::Kind;

enum class Place { Selector, RuleText };

// An unquoted url is one piece to the browser, but the reader knows no url: a brace, a
// quote or a comment opener inside it counts, so such a url is read as text.
bool ReaderMarksIn(std::string_view url) {
    return url.find_first_of("{}\"'") != std::string_view::npos ||
           url.find("/*") != std::string_view::npos;
}

struct Opener {
    char Mark;
    size_t At;
};

Kind KindOf(char opener) {
    switch (opener) {
    case '(':
        return Kind::Parenthesis;
    case '[':
        return Kind::Bracket;
    default:
        return Kind::OpenBrace;
    }
}

std::optional<SheetBreak> Scan(std::string_view text, Place place) {
    // The browser's blocks, "(", "[" and "{", innermost last: a closer ends the innermost
    // one only when it is its own, and is a plain byte inside any other. The reader
    // counts the braces alone.
    std::vector<Opener> open;
    std::vector<size_t> braces;
    for (size_t at = 0; at < text.size();) {
        const CssPiece piece = NextCssPiece(text, at);
        if (piece.What == Piece::Comment && !piece.Closed)
            return SheetBreak{Kind::Comment, at};
        // A string cut short by its line end closes there; in a rule's text only one
        // that runs to the end would take in what is written after it, the rule's "}".
        if (piece.What == Piece::String && !piece.Closed &&
            (place == Place::Selector || piece.End == text.size()))
            return SheetBreak{Kind::Quote, at};
        if (piece.What == Piece::Url &&
            (!piece.Closed || ReaderMarksIn(text.substr(at, piece.End - at)))) {
            ++at; // its "(" and what follows are read one by one
            continue;
        }
        if (piece.What == Piece::Byte) {
            const char c = text[at];
            if (c == '\\' && piece.End == text.size())
                return SheetBreak{Kind::Escape, at};
            if ((c == '{' || c == '}') && place == Place::Selector)
                return SheetBreak{Kind::Brace, at};
            if (c == '{') {
                braces.push_back(at);
                open.push_back({c, at});
            } else if (c == '}') {
                if (braces.empty())
                    return SheetBreak{Kind::ClosingBrace, at};
                braces.pop_back();
                if (!open.empty() && open.back().Mark == '{')
                    open.pop_back();
            } else if (c == '(' || c == '[') {
                open.push_back({c, at});
            } else if (!open.empty() && ((c == ')' && open.back().Mark == '(') ||
                                         (c == ']' && open.back().Mark == '['))) {
                open.pop_back();
            }
        }
        at = piece.End;
    }
    if (!braces.empty())
        return SheetBreak{Kind::OpenBrace, braces.back()};
    if (!open.empty())
        return SheetBreak{KindOf(open.back().Mark), open.back().At};
    return std::nullopt;
}

// How many characters the bytes are: a UTF-8 character counts at its first byte.
size_t CharactersIn(std::string_view text, SheetEncoding encoding) {
    if (encoding != SheetEncoding::Utf8)
        return text.size();
    size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

std::string WhereIn(std::string_view text, size_t at, SheetEncoding encoding) {
    const size_t lineStart = at == 0 ? 0 : text.rfind('\n', at - 1) + 1; // npos + 1 is 0
    const std::string character =
        "знак " +
        std::to_string(CharactersIn(text.substr(lineStart, at - lineStart), encoding) + 1);
    if (text.find('\n') == std::string_view::npos)
        return character;
    const size_t lines = static_cast<size_t>(
        std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    return "строка " + std::to_string(lines + 1) + ", " + character;
}

// The rule every selector and condition keeps, said after the reason.
std::string SelectorRule(std::string_view where) {
    return std::string(where) +
           " не должно быть фигурных скобок, а кавычки, комментарии, круглые и квадратные "
           "скобки должны закрываться в нем самом: иначе остальная таблица стилей стала бы "
           "его частью.";
}

} // namespace

std::optional<SheetBreak> SelectorBreak(std::string_view selector) {
    return Scan(selector, Place::Selector);
}

std::optional<SheetBreak> RuleTextBreak(std::string_view text) {
    return Scan(text, Place::RuleText);
}

std::string DescribeBreak(const SheetBreak& found, std::string_view text, SheetEncoding encoding) {
    const std::string where = " (" + WhereIn(text, found.At, encoding) + ")";
    const std::string mark =
        found.At < text.size() ? std::string(1, text[found.At]) : std::string();
    switch (found.What) {
    case Kind::Brace:
        return "в нем фигурная скобка " + mark + where;
    case Kind::ClosingBrace:
        return "фигурная скобка }" + where + " закрыла бы правило";
    case Kind::OpenBrace:
        return "фигурная скобка {" + where + " не закрыта";
    case Kind::Quote:
        return "кавычка " + mark + where + " не закрыта";
    case Kind::Comment:
        return "комментарий /*" + where + " не закрыт";
    case Kind::Parenthesis:
        return "скобка (" + where + " не закрыта";
    case Kind::Bracket:
        return "скобка [" + where + " не закрыта";
    case Kind::Escape:
        return "обратная косая черта \\" + where + " стоит в самом конце";
    }
    return {};
}

namespace messages {

std::string BadStyleName(const std::string& name, const std::string& why) {
    return "Имя стиля " + name + " недопустимо: " + why + ".\r" + SelectorRule("В имени");
}

std::string BadGroupCondition(const std::string& name, const std::string& why) {
    return "Условие группы " + name + " недопустимо: " + why + ".\r" + SelectorRule("В условии");
}

std::string BadBuiltSelector(const std::string& name, const std::string& why) {
    return "Селектор " + name + " недопустим: " + why + ".\r" + SelectorRule("В селекторе");
}

std::string BadRuleText(const std::string& why) {
    return "Текст стиля не записан: " + why +
           ".\rСкобки, кавычки и комментарии должны закрываться в тексте стиля, а фигурная "
           "скобка } не должна закрывать правило раньше его конца: иначе остальная таблица "
           "стилей стала бы частью правила или новыми правилами. Набранный текст остался в "
           "окне \"Текущий стиль\".";
}

} // namespace messages

} // namespace tesselo
