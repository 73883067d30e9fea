#pragma once

// Rules of gradients and background layers as today's sheets write them, made from a
// seed: the background shorthand of one to three layers, or background-image with the
// other longhands, with every form of gradient (linear, radial, conic, repeating, the
// old prefixed one), stops with none, one or two positions, hints and var().

#include <cstdint>
#include <string>

namespace tesselo::testing {

// `rules` rules, the i-th with the selector ".g" + i.
std::string GenerateBackgrounds(uint32_t seed, int rules);

} // namespace tesselo::testing
