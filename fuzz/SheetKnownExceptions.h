#pragma once

// Texts on which composing, reading and composing again does not settle, known and
// accepted: both come from how the reader cuts rules and selectors.

#include "document/StyleDocument.h"

#include <string>

namespace tesselo::fuzz {

// A selector split over two lines with "/" ending the first and "*" starting the
// second keeps both; written on one line they open a comment. Known and accepted.
inline bool HasSplitCommentOpener(const StyleDocument& document) {
    for (int i = 0; i < document.StyleCount(); ++i)
        if (document.Record(i).Selector.find("/*") != std::string::npos)
            return true;
    return false;
}

// A "}" inside a comment inside a block ends the block, as the reader cuts rules, and
// leaves the comment open past it; the selectors after it then depend on where the
// composed text puts the comment's end. Known and reported. The comment marks are
// followed as the reader follows them, line by line.
inline bool LeavesCommentOpen(const StyleDocument& document) {
    for (int i = 0; i < document.StyleCount(); ++i) {
        bool open = false;
        for (const auto& line : document.Record(i).Lines) {
            for (size_t p = 0; p + 1 < line.size(); ++p) {
                if (line[p] == '*' && line[p + 1] == '/' && open)
                    open = false;
                else if (line[p] == '/' && line[p + 1] == '*')
                    open = true;
            }
        }
        if (open)
            return true;
    }
    return false;
}

} // namespace tesselo::fuzz
