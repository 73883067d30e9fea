#pragma once

// Style rules as today's sheets write them, made from a seed: lengths in every unit,
// keywords and the CSS-wide keywords, calc(), var(), min(), max(), clamp(), colours in
// every notation, !important, each shorthand the panel shows, fallbacks (the same
// property twice), strings and url()s holding ";" and ":", comments between and inside
// declarations and inside selector lists, and longer names that end in a panel
// property. The same seed gives the same text.

#include <cstdint>
#include <string>

namespace tesselo::testing {

std::string GenerateRules(uint32_t seed, int rules);

} // namespace tesselo::testing
