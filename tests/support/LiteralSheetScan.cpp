#include "support/LiteralSheetScan.h"

#include <cctype>
#include <cstdio>
#include <iterator>

namespace tesselo::testing {
namespace {

// A blank is any byte below 33; a selector byte is one from 32 to 126.
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) < 33;
}
bool IsSelectorByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 32 && b <= 126;
}
bool IsTrimmedFromSelector(char c) {
    return c == ' ' || static_cast<unsigned char>(c) > 127;
}

} // namespace

std::string LiteralTrimSelector(std::string_view text) {
    std::string s(text);
    // Delete the first character while it is a space or a byte above 127.
    while (!s.empty() && IsTrimmedFromSelector(s.front()))
        s.erase(0, 1);
    // Delete the last character while it is one of them and not the only one left.
    while (s.size() > 1 && IsTrimmedFromSelector(s.back()))
        s.erase(s.size() - 1, 1);
    return s;
}

std::optional<LiteralRule> LiteralParseCSSRule(const LineList& sheet, int n) {
    // The scanning state, reset for every extraction and carried across line ends.
    int ruleNumber = -1;
    bool inBlock = false;
    bool inComment = false;
    std::string selectorAccumulator;

    bool ruleExists = false;
    LiteralRule result;

    for (const std::string& line : sheet) {
        std::string buffer; // emptied at the start of every line
        const size_t length = line.size();
        // Position of the "*" that closed a comment on this line; 0 for none. The
        // "/" right after it belongs to the comment's end and not to the selector.
        size_t commentClosedAt = 0;

        // Positions are counted from 1; character p is line[p - 1].
        for (size_t p = 1; p <= length; ++p) {
            const char c = line[p - 1];
            const bool isLastPosition = p == length;
            const char next = isLastPosition ? '\0' : line[p];

            // Step 1.
            if (ruleNumber == n && inBlock)
                buffer += c;

            // Step 2.
            const bool selectorMayTakeIt = IsSelectorByte(c) && !inBlock && !inComment;
            switch (c) {
            case '*':
                if (!isLastPosition && next == '/' && inComment) {
                    inComment = false;
                    commentClosedAt = p;
                } else if (selectorMayTakeIt) {
                    selectorAccumulator += c;
                }
                break;
            case '/':
                if (!isLastPosition && next == '*') {
                    inComment = true;
                } else if (commentClosedAt != 0 && commentClosedAt == p - 1) {
                    // The end of "*/": not a selector byte.
                } else if (selectorMayTakeIt) {
                    selectorAccumulator += c;
                }
                break;
            case '{': {
                const std::string trimmed = LiteralTrimSelector(selectorAccumulator);
                inBlock = true;
                ruleNumber += 1;
                if (ruleNumber == n) {
                    ruleExists = true;
                    result.Selector = trimmed;
                }
                selectorAccumulator.clear();
                break;
            }
            case '}':
                inBlock = false;
                break;
            default:
                if (selectorMayTakeIt)
                    selectorAccumulator += c;
                break;
            }

            // Step 3.
            if (ruleNumber == n && inBlock) {
                // (a) Strip the buffer's front: j = 1; while j < length and char j is
                // a blank, delete char j and add one to j.
                size_t j = 1;
                while (j < buffer.size() && IsBlank(buffer[j - 1])) {
                    buffer.erase(j - 1, 1);
                    j += 1;
                }
                // (b) Remove the last line.
                if (!result.Lines.empty())
                    result.Lines.pop_back();
                // (c) Append the buffer.
                result.Lines.push_back(buffer);
                // (d) At the line's last position a non-empty buffer is followed by an
                // empty line.
                if (isLastPosition && !buffer.empty())
                    result.Lines.emplace_back();
            }
        }
    }

    if (!ruleExists)
        return std::nullopt;
    return result;
}

std::vector<LiteralRule> LiteralLoadStyles(const LineList& sheet) {
    std::vector<LiteralRule> rules;
    for (int n = 0;; ++n) {
        auto rule = LiteralParseCSSRule(sheet, n);
        if (!rule)
            break;
        rules.push_back(std::move(*rule));
    }
    return rules;
}

std::string RandomSheetBytes(std::mt19937& rng, size_t maxLength) {
    auto pick = [&rng](size_t count) { return static_cast<size_t>(rng() % count); };

    // clang-format off
    static constexpr std::string_view kTokens[] = {
        // braces and comment marks, several times for weight
        "{", "{", "{", "}", "}", "}", "/*", "/*", "*/", "*/", "*", "*", "/", "/",
        "*/*", "/*/", "/* c */", "{}", "}{", "{{", "}}",
        // line ends and blanks
        "\r", "\n", "\r\n", "\r\n", "\n\r", "\t", " ", " ", "  ", "   ", " \t ",
        // comment marks split by a line end
        "/\n*", "*\n/", "/\r*",
        // selector words
        "h1", "p", "body", ".note", "#main", "a:hover", "H2", ",", ", ", ";", ":",
        "*.note", ".row > *", "[class*=\"col-\"]", "url(a/b.css)", "@import url(a/b.css);",
        // declarations and whole or broken rules
        "color: red;", "margin: 0", "font-size: 12px;", " color:red ",
        "@media x { a { } }", "x { y", "h1 { color: red }", "p {\r\n  x: 1;\r\n}\r\n",
        // Cyrillic in Windows-1251, signs, DEL
        "\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA", "\xA8\xB8\xB9", "\x7F",
    };
    // clang-format on
    static constexpr std::string_view kSelectors[] = {
        "h1", "p.note", "*", "a:hover, a:focus", ".row > *", "", "@font-face", "ul li",
    };
    static constexpr std::string_view kDeclarations[] = {
        "color: red;",
        "  margin: 0 auto;",
        "\tfont: 12px/1.5 serif;",
        "/* note */",
        "background: url(a/b.png);",
        "   ",
        "",
        "content: \"*/\";",
    };
    static constexpr std::string_view kBreaks[] = {"\r\n", "\n", "\r", " "};

    const size_t target = pick(maxLength + 1);
    std::string out;
    while (out.size() < target) {
        const size_t kind = pick(200);
        if (kind < 120) {
            out += kTokens[pick(std::size(kTokens))];
        } else if (kind < 138) {
            out += static_cast<char>(127 + pick(129)); // 127 to 255
        } else if (kind < 148) {
            out += static_cast<char>(1 + pick(31)); // control bytes, tab, CR, LF
        } else if (kind < 149) {
            out += '\0';
        } else if (kind < 170) {
            out += static_cast<char>(32 + pick(95)); // printable ASCII
        } else {
            // A whole rule, sometimes without its closing brace.
            out += kSelectors[pick(std::size(kSelectors))];
            out += pick(2) ? " {" : "{";
            const size_t declarations = pick(4);
            for (size_t i = 0; i < declarations; ++i) {
                out += kBreaks[pick(std::size(kBreaks))];
                out += kDeclarations[pick(std::size(kDeclarations))];
            }
            if (pick(6) != 0) {
                out += kBreaks[pick(std::size(kBreaks))];
                out += '}';
            }
            out += kBreaks[pick(std::size(kBreaks))];
        }
    }
    if (out.size() > maxLength)
        out.resize(maxLength);
    return out;
}

bool StartsAGroup(std::string_view text, size_t at) {
    size_t end = at + 1;
    while (end < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-'))
        ++end;
    return IsGroupPrelude(text.substr(at, end - at));
}

std::string FlatSheetBytes(std::mt19937& rng, size_t maxLength) {
    std::string out = RandomSheetBytes(rng, maxLength);
    // Each byte is kept or made a blank, decided on the text kept so far, so no mark
    // forms that was not there; line ends change nothing here.
    bool comment = false, block = false;
    for (size_t i = 0; i < out.size(); ++i) {
        char& c = out[i];
        const char before = i > 0 ? out[i - 1] : ' ';
        const bool shares = i > 1 && ((out[i - 2] == '/' && before == '*' && c == '/') ||
                                      (out[i - 2] == '*' && before == '/' && c == '*'));
        const bool quote = c == '"' || c == '\'' || c == '\\' || (c == '@' && StartsAGroup(out, i));
        const bool brace = c == '{' || c == '}';
        if (shares || (comment && brace) || (!comment && (quote || (block && c == '{')))) {
            c = ' ';
        } else if (comment) {
            comment = !(before == '*' && c == '/');
        } else if (before == '/' && c == '*') {
            comment = true;
        } else if (brace) {
            block = c == '{';
        }
    }
    return out;
}

std::string EscapeBytes(std::string_view bytes) {
    std::string out;
    bool afterHex = false;
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        const bool hexDigit =
            (b >= '0' && b <= '9') || (b >= 'a' && b <= 'f') || (b >= 'A' && b <= 'F');
        switch (ch) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        default:
            if (b < 32 || b > 126) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", b);
                out += hex;
                afterHex = true;
                continue;
            }
            // A hex digit right after a \x escape would join it; split the literal.
            if (afterHex && hexDigit)
                out += "\" \"";
            out += ch;
            break;
        }
        afterHex = false;
    }
    return out;
}

std::vector<LiteralRule> RulesOf(const std::vector<StyleRecord>& records) {
    std::vector<LiteralRule> rules;
    for (const auto& record : records)
        rules.push_back({record.Selector, record.Lines()});
    return rules;
}

std::string DescribeRules(const std::vector<LiteralRule>& rules) {
    std::string out;
    for (size_t i = 0; i < rules.size(); ++i) {
        out += "  rule " + std::to_string(i) + " selector \"" + EscapeBytes(rules[i].Selector) +
               "\"\n";
        for (const auto& line : rules[i].Lines)
            out += "    line \"" + EscapeBytes(line) + "\"\n";
    }
    if (rules.empty())
        out += "  (no rules)\n";
    return out;
}

} // namespace tesselo::testing
