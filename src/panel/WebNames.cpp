#include "panel/WebNames.h"

#include <array>
#include <filesystem>

namespace tesselo {
namespace {

bool IsNameStart(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
}
bool IsNameCharacter(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-';
}

bool IsIdentifier(std::string_view word) {
    size_t i = 0;
    if (i < word.size() && word[i] == '-')
        ++i;
    if (i >= word.size() || !IsNameStart(static_cast<unsigned char>(word[i])))
        return false;
    for (; i < word.size(); ++i)
        if (!IsNameCharacter(static_cast<unsigned char>(word[i])))
            return false;
    return true;
}

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// A family of one of these names would be the keyword, not the font.
constexpr std::array<std::string_view, 19> kReserved = {
    "serif",     "sans-serif", "cursive",       "fantasy",      "monospace",
    "system-ui", "ui-serif",   "ui-sans-serif", "ui-monospace", "ui-rounded",
    "emoji",     "math",       "fangsong",      "inherit",      "initial",
    "unset",     "revert",     "revert-layer",  "default"};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string CssFamilyName(std::string_view typed) {
    const std::string_view name = Trim(typed);
    if (name.empty())
        return {};
    if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
        name.back() == name.front())
        return std::string(name);
    bool identifiers = true;
    size_t start = 0;
    while (identifiers && start <= name.size()) {
        size_t end = name.find(' ', start);
        if (end == std::string_view::npos)
            end = name.size();
        identifiers = IsIdentifier(name.substr(start, end - start));
        start = end + 1;
    }
    const std::string lower = LowerAscii(name);
    for (auto reserved : kReserved)
        identifiers = identifiers && lower != reserved;
    if (identifiers)
        return std::string(name);
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::string PicturePathForSheet(std::string_view picture, std::string_view sheetFile) {
    namespace fs = std::filesystem;
    const fs::path target = fs::path(picture).lexically_normal();
    if (sheetFile.empty())
        return target.generic_string();
    const fs::path folder = fs::path(sheetFile).lexically_normal().parent_path();
    if (!target.is_absolute() || !folder.is_absolute() || target.root_name() != folder.root_name())
        return target.generic_string();
    const fs::path relative = target.lexically_relative(folder);
    if (relative.empty())
        return target.generic_string();
    return relative.generic_string();
}

} // namespace tesselo
