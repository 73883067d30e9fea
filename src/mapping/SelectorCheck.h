#pragma once

// Whether a text the program writes into the sheet stays inside its place there: a
// selector or a group's condition in front of its "{", a rule's text between its braces.
// Read with the one scanner of CSS pieces, as the reader and the browser read the sheet:
// a brace, a quote, a comment, a parenthesis or a bracket left open there would take
// the rest of the sheet into it, and a "}" in a rule's text would end the rule early.

#include "document/SheetEncoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace tesselo {

// The first thing that breaks the text out of its place, and where it stands.
struct SheetBreak {
    enum class Kind {
        Brace,        // a "{" or "}" in a selector
        ClosingBrace, // a "}" in a rule's text that would end the rule
        OpenBrace,    // a "{" in a rule's text left open
        Quote,        // a string left open
        Comment,      // a comment left open
        Parenthesis,  // a "(" left open
        Bracket,      // a "[" left open
        Escape,       // a backslash at the very end, escaping what follows the text
    };
    Kind What = Kind::Brace;
    size_t At = 0; // the byte of the mark
    bool operator==(const SheetBreak&) const = default;
};

// A selector or a group's condition: no brace outside strings and comments, and every
// string, comment, parenthesis and bracket closed in it. None when it stands alone.
std::optional<SheetBreak> SelectorBreak(std::string_view selector);

// A rule's text between its braces, as it will be written: a nested block closed in it,
// no "}" that closes the rule, no comment left open, no string that runs into the rule's
// "}", every parenthesis and bracket closed. A string cut by its line end closes there,
// for the reader and the browser alike.
std::optional<SheetBreak> RuleTextBreak(std::string_view text);

// What breaks and where, for a message: "скобка ( (знак 22) не закрыта"; the line too
// when the text has more than one. Characters are counted in the sheet's encoding.
std::string DescribeBreak(const SheetBreak& found, std::string_view text, SheetEncoding encoding);

namespace messages {
// `name` is the text as the user sees it, in UTF-8; `why` comes from DescribeBreak.
std::string BadStyleName(const std::string& name, const std::string& why);
std::string BadGroupCondition(const std::string& name, const std::string& why);
std::string BadBuiltSelector(const std::string& name, const std::string& why);
std::string BadRuleText(const std::string& why);
} // namespace messages

} // namespace tesselo
