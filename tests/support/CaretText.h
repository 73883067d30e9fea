#pragma once

// A typed text with its caret marked by "|", as the tables of the text views' tests
// write it: the text without the mark and where the caret stands.

#include <string>
#include <string_view>
#include <utility>

namespace tesselo::testing {

inline std::pair<std::string, size_t> CaretText(std::string_view marked) {
    const size_t caret = marked.find('|');
    if (caret == std::string_view::npos)
        return {std::string(marked), marked.size()};
    std::string text(marked.substr(0, caret));
    text += marked.substr(caret + 1);
    return {text, caret};
}

} // namespace tesselo::testing
