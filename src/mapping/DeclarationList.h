#pragma once

// A rule's declaration text cut into its declarations. A declaration begins where a
// name stands at the start of the text or after a ";", and ends at the next ";" that
// stands outside strings, comments and parentheses: a name inside a longer name, a
// string, a url() or a comment is no declaration of its own.

#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// The characters of CSS's blanks and of its names (non-ASCII bytes count as name
// characters, as CSS counts every non-ASCII character).
constexpr bool IsCssBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
// The text without CSS blanks at either end.
constexpr std::string_view TrimCssBlanks(std::string_view text) {
    while (!text.empty() && IsCssBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsCssBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
constexpr bool IsCssNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

struct Declaration {
    size_t Begin = 0;       // where its name starts in the text
    size_t End = 0;         // just past its ";", or the end of the text
    std::string_view Name;  // as written
    std::string Property;   // the name in lower case
    std::string_view Value; // as written, without the blanks around it and the priority
    bool Important = false;
    std::string_view Priority; // "!important" as written, or empty
};

// Comments and blanks in front of a declaration are no part of it. A part without a
// ":", or whose name is no identifier ("*display", a hack for old browsers), is no
// declaration and is passed over.
std::vector<Declaration> ParseDeclarations(std::string_view text);

} // namespace tesselo
