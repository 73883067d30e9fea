#pragma once

// How two texts differ line by line: the lines of the second that stand where the first
// has other text, when both have as many lines.

#include <sstream>
#include <string>
#include <vector>

namespace tesselo::testing {

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The changed lines of `after`; every line of it when a line was added or taken away.
inline std::vector<std::string> ChangedLines(const std::string& before, const std::string& after) {
    const auto a = SplitLines(before);
    const auto b = SplitLines(after);
    if (a.size() != b.size())
        return b;
    std::vector<std::string> changed;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            changed.push_back(b[i]);
    return changed;
}

} // namespace tesselo::testing
