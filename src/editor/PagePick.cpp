#include "editor/PagePick.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

namespace tesselo {
namespace {

// States an element has only under the pointer, the keyboard or the history, and the
// old one-colon pseudo-elements.
constexpr std::array<std::string_view, 11> kStates = {
    "hover",  "focus",  "active", "focus-visible", "focus-within", "visited",
    "target", "before", "after",  "first-line",    "first-letter"};

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Where a compound selector ends or begins: nothing, a combinator, a comma, a bracket.
bool IsBoundary(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '>' || c == '+' ||
           c == '~' || c == ',' || c == '(' || c == ')';
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The end of the part "(...)" that starts at `at`, quotes and nesting followed.
size_t AfterParentheses(std::string_view text, size_t at) {
    int depth = 0;
    char quote = 0;
    for (size_t i = at; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;
        } else if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            return i + 1;
        }
    }
    return text.size();
}

} // namespace

PageSelector SelectorForPage(std::string_view selector) {
    PageSelector result;
    std::string& out = result.Text;
    int depth = 0;
    char quote = 0;
    for (size_t i = 0; i < selector.size();) {
        const char c = selector[i];
        if (c == '\\' && i + 1 < selector.size()) {
            out.append(selector.substr(i, 2));
            i += 2;
            continue;
        }
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == '[') {
            ++depth;
        } else if ((c == ')' || c == ']') && depth > 0) {
            --depth;
        } else if (c == ':' && depth == 0) {
            const bool element = i + 1 < selector.size() && selector[i + 1] == ':';
            const size_t start = i + (element ? 2 : 1);
            size_t end = start;
            while (end < selector.size() && IsNameChar(selector[end]))
                ++end;
            const std::string name = Lower(selector.substr(start, end - start));
            if (element || std::find(kStates.begin(), kStates.end(), name) != kStates.end()) {
                if (end < selector.size() && selector[end] == '(')
                    end = AfterParentheses(selector, end);
                result.StatesLeftOut = true;
                // A compound of states alone: any element in that state.
                const bool before = out.empty() || IsBoundary(out.back());
                const bool after = end >= selector.size() || IsBoundary(selector[end]);
                if (before && after)
                    out += '*';
                i = end;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return result;
}

bool NamesElements(std::string_view selector) {
    const size_t start = selector.find_first_not_of(" \t\r\n\f");
    return start != std::string_view::npos && selector[start] != '@';
}

std::vector<PickTarget> PickTargets(const StyleDocument& document) {
    std::vector<PickTarget> targets;
    std::vector<std::string> groups; // the conditions of the groups row i stands in
    for (int i = 0; i < document.StyleCount(); ++i) {
        const StyleRecord& record = document.Record(i);
        groups.resize(static_cast<size_t>(record.Depth()));
        if (record.IsGroup()) {
            groups.push_back(record.Selector);
            continue;
        }
        if (!NamesElements(record.Selector))
            continue;
        std::string conditions;
        for (const std::string& group : groups)
            conditions += (conditions.empty() ? "" : "\n") + group;
        targets.push_back({i, SelectorForPage(record.Selector), std::move(conditions)});
    }
    return targets;
}

std::string ElementName(std::string_view tag, std::string_view id,
                        const std::vector<std::string>& classes) {
    std::string name = Lower(tag);
    if (!id.empty())
        name.append("#").append(id);
    for (const std::string& c : classes)
        name.append(".").append(c);
    return name;
}

std::string PickedText(std::string_view element, int matching, bool statesLeftOut) {
    std::string text = "Элемент " + std::string(element) + ": ";
    if (matching <= 0)
        return text + "ни один стиль не подходит";
    text += PluralOf(matching, "подходит ", "подходят ", "подходят ");
    text += std::to_string(matching) + " ";
    text += PluralOf(matching, "стиль", "стиля", "стилей");
    if (statesLeftOut)
        text += " (состояния :hover и подобные не учтены)";
    return text;
}

namespace {

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The same file, however the paths spell it: a link, "..", "./".
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    return std::filesystem::path(a).lexically_normal() ==
           std::filesystem::path(b).lexically_normal();
}

} // namespace

std::vector<PageSheet> OtherSheetsOfPick(const std::vector<PageSheet>& sheets,
                                         const std::string& file) {
    std::vector<PageSheet> others;
    for (const PageSheet& sheet : sheets)
        if (sheet.Rules > 0 && (file.empty() || !SameFile(sheet.File, file)))
            others.push_back(sheet);
    return others;
}

std::string OtherSheetsText(const std::vector<PageSheet>& others) {
    if (others.empty())
        return {};
    std::string text = "; в других таблицах страницы: ";
    for (size_t i = 0; i < others.size(); ++i)
        text +=
            (i ? ", " : "") + FileNameOf(others[i].File) + " — " + std::to_string(others[i].Rules);
    return text;
}

std::string OpenOtherSheetQuestion(const PageSheet& other) {
    return "Ни один стиль этой таблицы не подходит к элементу, а в таблице стилей " +
           FileNameOf(other.File) + ", которую подключает страница, " +
           std::string(PluralOf(other.Rules, "подходит ", "подходят ", "подходят ")) +
           std::to_string(other.Rules) + " " +
           std::string(PluralOf(other.Rules, "стиль", "стиля", "стилей")) + ".\rОткрыть " +
           other.File + "?\r\rДа — открыть в этом окне, Нет — в новом окне.";
}

std::vector<PageSheetChoice> PageSheetChoices(const std::vector<PageSheet>& sheets,
                                              const std::string& file) {
    std::vector<PageSheetChoice> choices;
    for (const PageSheet& sheet : sheets) {
        if (std::any_of(choices.begin(), choices.end(), [&](const PageSheetChoice& choice) {
                return SameFile(choice.File, sheet.File);
            }))
            continue;
        choices.push_back({sheet.File, !file.empty() && SameFile(sheet.File, file)});
    }
    return choices;
}

std::string OpenPageSheetQuestion(const std::string& sheet) {
    return "Открыть таблицу стилей " + sheet +
           ", которую подключает страница?\r\rДа — открыть в этом окне, Нет — в новом окне.";
}

std::string ElementsShownText(int count, int outlined) {
    if (count < 0)
        return "Браузер не понимает селектор этого стиля";
    if (count == 0)
        return "Стиль не применяется ни к одному элементу страницы";
    std::string text = "Стиль применяется к " + std::to_string(count) + " " +
                       std::string(PluralOf(count, "элементу", "элементам", "элементам"));
    if (outlined < count)
        text += " (обведены первые " + std::to_string(outlined) + ")";
    return text;
}

} // namespace tesselo
