#pragma once

// The entry point libFuzzer calls; in the normal build ReplayMain calls it for each file
// of the seed corpus.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
