#include "editor/ForcedStates.h"

#include "document/ByteText.h"
#include "editor/PagePick.h"
#include "mapping/DeclarationList.h"

#include <algorithm>

namespace tesselo {
std::string WithForcedStates(std::string_view selector, const std::vector<std::string>& states) {
    std::string out;
    out.reserve(selector.size());
    for (size_t i = 0; i < selector.size();) {
        const char c = selector[i];
        if (c == '"' || c == '\'') {
            size_t end = i + 1;
            while (end < selector.size() && selector[end] != c)
                end += selector[end] == '\\' ? size_t{2} : size_t{1};
            end = std::min(end + 1, selector.size());
            out.append(selector.substr(i, end - i));
            i = end;
            continue;
        }
        if (c == '\\' && i + 1 < selector.size()) {
            out.append(selector.substr(i, 2));
            i += 2;
            continue;
        }
        // A pseudo-class, not a pseudo-element, and not a function.
        if (c == ':' && (i == 0 || selector[i - 1] != ':') &&
            (i + 1 >= selector.size() || selector[i + 1] != ':')) {
            size_t end = i + 1;
            while (end < selector.size() && IsCssNameChar(selector[end]))
                ++end;
            const std::string name = LowerAscii(selector.substr(i + 1, end - i - 1));
            const bool function = end < selector.size() && selector[end] == '(';
            if (!function && std::find(states.begin(), states.end(), name) != states.end()) {
                out += "[data-tesselo-";
                out += name;
                out += ']';
                i = end;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

std::string ForcedStateSheet(const StyleDocument& document, const std::vector<std::string>& states,
                             const std::function<std::string(int row)>& blockOf) {
    std::string sheet;
    if (states.empty())
        return sheet;
    for (int row = 0; row < document.StyleCount(); ++row) {
        const StyleRecord& record = document.Record(row);
        if (record.IsGroup() || !NamesElements(record.Selector))
            continue;
        const std::string selector = WithForcedStates(record.Selector, states);
        if (selector == record.Selector)
            continue;
        std::vector<int> groups;
        for (int group = document.ParentOf(row); group >= 0; group = document.ParentOf(group))
            groups.push_back(group);
        for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
            sheet += document.Record(*group).Selector;
            sheet += " {\n";
        }
        sheet += selector;
        sheet += " {";
        sheet += blockOf ? blockOf(row) : record.BlockText();
        sheet += "}\n";
        for (size_t i = 0; i < groups.size(); ++i)
            sheet += "}\n";
    }
    return sheet;
}

} // namespace tesselo
