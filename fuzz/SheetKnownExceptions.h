#pragma once

// Texts on which writing every rule anew, reading and writing again does not settle,
// known and accepted.

#include "document/SheetReader.h"
#include "document/StyleDocument.h"

#include <string>

namespace tesselo::fuzz {

// A selector that reads otherwise once written on one line, in front of " {": line
// ends that closed its strings are blanks there, and a "/" and a "*" that a stray "}"
// or a dropped byte kept apart meet. So a quote left open, a brace outside its strings
// or a "/*" outside them.
inline bool SelectorReadsOtherwiseOnOneLine(const StyleDocument& document) {
    for (int i = 0; i < document.StyleCount(); ++i) {
        const std::string& selector = document.Record(i).Selector;
        char quote = 0;
        for (size_t p = 0; p < selector.size(); ++p) {
            const char c = selector[p];
            if (c == '\\')
                ++p;
            else if (quote)
                quote = c == quote ? 0 : quote;
            else if (c == '"' || c == '\'')
                quote = c;
            else if (c == '{' || c == '}' ||
                     (c == '/' && p + 1 < selector.size() && selector[p + 1] == '*'))
                return true;
        }
        if (quote)
            return true;
    }
    return false;
}

// A rule left open at the end of the text whose lines end inside a nested block or a
// comment: the "}" written after its lines closes the nested block, or stays in the
// comment, not closing the rule, so every writing adds one more line "}" to it.
inline bool LinesLeaveTheBlockOpen(const StyleDocument& document) {
    for (int i = 0; i < document.StyleCount(); ++i) {
        const LineNesting nesting = ScanNesting(document.Record(i).Lines());
        if (nesting.OpenBlocks > 0 || nesting.InComment)
            return true;
    }
    return false;
}

} // namespace tesselo::fuzz
