#pragma once

// Generated style sheets of a given number of rules, shaped like real ones: a few
// selectors per rule, a mix of declarations the panel maps and ones it keeps.

#include "document/ByteText.h"

#include <string>

namespace tesselo::bench {

inline std::string GenerateSheetText(int rules) {
    static const char* const kDeclarations[] = {
        "  color: #336699;",      "  margin-top: 10px;",
        "  padding-left: 1.5em;", "  font-family: Arial, sans-serif;",
        "  font-size: 12px;",     "  text-align: center;",
        "  display: block;",      "  border-style: solid;",
        "  border-width: 1px;",   "  background-color: white;",
        "  cursor: pointer;",     "  -webkit-box-sizing: border-box;",
        "  width: 100%;",         "  flex: 0 0 auto;",
        "  line-height: 1.2;",
    };
    std::string text;
    for (int i = 0; i < rules; ++i) {
        text += ".rule-" + std::to_string(i) + ", .rule-" + std::to_string(i) + " > a:hover {\n";
        for (int d = 0; d < 5; ++d)
            text += std::string(kDeclarations[(i * 7 + d * 3) % 15]) + "\n";
        text += "}\n";
        if (i % 10 == 0)
            text += "/* section " + std::to_string(i) + " */\n";
    }
    return text;
}

// The big sheets users open: many generated rules, or one rule of about `bytes` bytes
// whose size is in its declaration block or in its selector.
enum class BigSheet { ManyRules, HugeBlock, HugeSelector };

inline std::string GenerateBigSheet(BigSheet kind, int rules = 200000,
                                    size_t bytes = 28u * 1024 * 1024) {
    std::string text;
    switch (kind) {
    case BigSheet::ManyRules:
        return GenerateSheetText(rules);
    case BigSheet::HugeBlock:
        // A sheet of design tokens: a few declarations of the panel's, then custom
        // properties, each on its line.
        text = ":root {\n  color: #336699;\n  margin-top: 10px;\n";
        for (int i = 0; text.size() < bytes; ++i)
            text += "  --token-" + std::to_string(i) + ": " + std::to_string(i % 97) + "px;\n";
        text += "}\n";
        return text;
    case BigSheet::HugeSelector:
        for (int i = 0; text.size() < bytes; ++i)
            text += ".s" + std::to_string(i) + " a:hover,\n";
        text += ".last {\n  color: red;\n}\n";
        return text;
    }
    return text;
}

} // namespace tesselo::bench
