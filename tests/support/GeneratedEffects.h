#pragma once

// Rules of shadows, transitions, transforms and filters as today's sheets write them,
// made from a seed: box-shadow of one to three layers (inset anywhere, the colour first
// or last, var() in a layer), text-shadow, transition of several layers with
// cubic-bezier(), steps() and a delay, transform functions in every unit of angle, and
// filter functions up to drop-shadow().

#include <cstdint>
#include <string>

namespace tesselo::testing {

// `rules` rules, the i-th with the selector ".g" + i.
std::string GenerateEffects(uint32_t seed, int rules);

} // namespace tesselo::testing
