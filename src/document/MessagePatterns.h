#pragma once

// The messages of the core that carry variable parts (a file's name, a count, a
// selector), as patterns with %1, %2 where the parts go. The core makes such a message
// in Russian; the window finds the pattern it was made from and shows it in the user's
// language with the same parts.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

std::span<const std::string_view> MessagePatterns();

// The parts of `text` that stand for %1, %2... of `pattern` (by number), or nothing when
// `text` is not `pattern` filled in. Each part is the shortest that lets the rest match.
std::optional<std::vector<std::string>> MatchPattern(std::string_view pattern,
                                                     std::string_view text);

} // namespace tesselo
