#pragma once

// A hint text "short|long": the short text is the tool tip, the long one goes to the
// status line (or the selector builder's hint line). Without a "|" both are the whole.

#include <string_view>

namespace tesselo {

struct HintParts {
    std::string_view Short;
    std::string_view Long;
};

constexpr HintParts SplitHint(std::string_view hint) {
    auto bar = hint.find('|');
    if (bar == std::string_view::npos)
        return {hint, hint};
    return {hint.substr(0, bar), hint.substr(bar + 1)};
}

} // namespace tesselo
