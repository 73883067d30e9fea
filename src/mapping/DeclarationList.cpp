#include "mapping/DeclarationList.h"

#include "document/ByteText.h"

namespace tesselo {
namespace {

// The index of the next ";" outside strings, comments and parentheses, and of the
// first ":" outside them before it (npos when there is none).
struct PartEnds {
    size_t Semicolon;
    size_t Colon;
};

PartEnds ScanPart(std::string_view text, size_t from) {
    size_t colon = std::string_view::npos;
    int depth = 0;
    char quote = 0;
    for (size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '\\') {
            ++i;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            size_t close = text.find("*/", i + 2);
            if (close == std::string_view::npos)
                return {text.size(), colon};
            i = close + 1;
        } else if (c == '(' || c == '[') {
            ++depth;
        } else if ((c == ')' || c == ']') && depth > 0) {
            --depth;
        } else if (depth == 0 && c == ':' && colon == std::string_view::npos) {
            colon = i;
        } else if (depth == 0 && IsCssBlank(c) && colon != std::string_view::npos) {
            // A line that ended without ";" runs into the next one after a blank: a name
            // and ":" there begin the next declaration.
            size_t k = i + 1;
            while (k < text.size() && IsCssNameChar(text[k]))
                ++k;
            if (k > i + 1 && k < text.size() && text[k] == ':')
                return {i, colon};
        } else if (depth == 0 && c == ';') {
            return {i, colon};
        }
    }
    return {text.size(), colon};
}

// Blanks and comments from `at` on.
size_t SkipBlanksAndComments(std::string_view text, size_t at, size_t end) {
    while (at < end) {
        if (IsCssBlank(text[at])) {
            ++at;
        } else if (text.substr(at, 2) == "/*") {
            size_t close = text.find("*/", at + 2);
            at = close == std::string_view::npos ? end : close + 2;
        } else {
            break;
        }
    }
    return at;
}

std::string_view TrimEnd(std::string_view text) {
    while (!text.empty() && IsCssBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<Declaration> ParseDeclarations(std::string_view text) {
    std::vector<Declaration> out;
    size_t at = 0;
    while (at < text.size()) {
        const PartEnds part = ScanPart(text, at);
        const size_t end = part.Semicolon < text.size() ? part.Semicolon + 1 : text.size();
        const size_t nameBegin = SkipBlanksAndComments(text, at, part.Semicolon);
        if (part.Colon != std::string_view::npos && nameBegin < part.Colon) {
            std::string_view name = TrimEnd(text.substr(nameBegin, part.Colon - nameBegin));
            bool valid = !name.empty();
            for (char c : name)
                valid = valid && IsCssNameChar(c);
            if (valid) {
                Declaration d;
                d.Begin = nameBegin;
                d.End = end;
                d.Name = name;
                d.Property = LowerAscii(name);
                std::string_view value =
                    text.substr(part.Colon + 1, part.Semicolon - part.Colon - 1);
                while (!value.empty() && IsCssBlank(value.front()))
                    value.remove_prefix(1);
                value = TrimEnd(value);
                // "!important", also with blanks after the "!".
                size_t bang = value.rfind('!');
                if (bang != std::string_view::npos) {
                    std::string_view word = value.substr(bang + 1);
                    while (!word.empty() && IsCssBlank(word.front()))
                        word.remove_prefix(1);
                    if (EqualsIgnoringAsciiCase(word, "important")) {
                        d.Important = true;
                        d.Priority = value.substr(bang);
                        value = TrimEnd(value.substr(0, bang));
                    }
                }
                d.Value = value;
                out.push_back(std::move(d));
            }
        }
        at = end;
    }
    return out;
}

} // namespace tesselo
