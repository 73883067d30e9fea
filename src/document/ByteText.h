#pragma once

// Byte strings as the document holds them (Windows-1251). Case mapping touches the
// letters a-z only, so Cyrillic text and every other byte pass unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

using LineList = std::vector<std::string>;

constexpr char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
constexpr char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

inline std::string UpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = UpperAscii(c);
    return out;
}

inline std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = LowerAscii(c);
    return out;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    return true;
}

// The word for `count` of something, by the Russian rules: one for 1, 21, 101...; few for
// 2-4, 22-24...; many for 0, 5-20, 25-30..., 11-14 included.
constexpr std::string_view PluralOf(long count, std::string_view one, std::string_view few,
                                    std::string_view many) {
    const long n = count < 0 ? -count : count;
    if (n % 100 >= 11 && n % 100 <= 14)
        return many;
    if (n % 10 == 1)
        return one;
    if (n % 10 >= 2 && n % 10 <= 4)
        return few;
    return many;
}

} // namespace tesselo
