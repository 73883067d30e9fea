#include "DeclarationScan.h"

#include "document/ByteText.h"

namespace tesselo::dump {
namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string FoldBlanks(std::string_view text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (IsBlank(c)) {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

// The text without its comments, each comment turned into one blank.
std::string WithoutComments(std::string_view text) {
    std::string out;
    char quote = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            out += c;
            if (c == '\\' && i + 1 < text.size())
                out += text[++i];
            else if (c == quote)
                quote = 0;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t close = text.find("*/", i + 2);
            i = close == std::string::npos ? text.size() : close + 1;
            out += ' ';
        } else {
            if (c == '"' || c == '\'')
                quote = c;
            out += c;
        }
    }
    return out;
}

// Where the value starts: just past the first ":" outside comments.
size_t ValueStart(std::string_view written) {
    for (size_t i = 0; i < written.size(); ++i) {
        if (written[i] == ':')
            return i + 1;
        if (written[i] == '/' && i + 1 < written.size() && written[i + 1] == '*') {
            const size_t close = written.find("*/", i + 2);
            if (close == std::string_view::npos)
                break;
            i = close + 1;
        }
    }
    return written.size();
}

void AddDeclaration(std::string_view written, std::vector<ScannedDeclaration>& out) {
    const std::string stripped = WithoutComments(written);
    const std::string_view part = stripped;
    const size_t colon = part.find(':');
    if (colon == std::string_view::npos)
        return;
    std::string name = FoldBlanks(part.substr(0, colon));
    if (name.empty() || name.find(' ') != std::string::npos)
        return;
    ScannedDeclaration d;
    d.Property = LowerAscii(name);
    d.Value = FoldBlanks(part.substr(colon + 1));
    d.Written = d.Property + ": " + FoldBlanks(written.substr(ValueStart(written)));
    d.HasComment = stripped.size() != written.size();
    const size_t bang = d.Value.rfind('!');
    if (bang != std::string::npos) {
        std::string priority = LowerAscii(FoldBlanks(std::string_view(d.Value).substr(bang + 1)));
        if (priority == "important") {
            d.Important = true;
            d.Value = FoldBlanks(std::string_view(d.Value).substr(0, bang));
        }
    }
    out.push_back(std::move(d));
}

} // namespace

std::vector<ScannedDeclaration> ScanDeclarations(const LineList& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += '\n';
    }
    std::vector<ScannedDeclaration> out;
    char quote = 0;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ';';
        if (quote) {
            if (c == '\\')
                ++i;
            else if (c == quote || c == '\n')
                quote = 0;
            continue;
        }
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t close = text.find("*/", i + 2);
            i = close == std::string::npos ? text.size() - 1 : close + 1;
        } else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (c == ';' && (depth == 0 || i == text.size())) {
            AddDeclaration(std::string_view(text).substr(start, i - start), out);
            start = i + 1;
            depth = 0;
        }
    }
    return out;
}

std::vector<std::string_view> ValueParts(std::string_view value) {
    std::vector<std::string_view> parts;
    int depth = 0;
    char quote = 0;
    size_t start = 0;
    for (size_t i = 0; i <= value.size(); ++i) {
        if (i == value.size()) {
            if (i > start)
                parts.push_back(value.substr(start));
            break;
        }
        const char c = value[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '"' || c == '\'')
            quote = c;
        else if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (IsBlank(c) && depth == 0) {
            if (i > start)
                parts.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace tesselo::dump
