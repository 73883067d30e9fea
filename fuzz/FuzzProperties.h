#pragma once

#include <cstdio>
#include <cstdlib>

// A stated property that does not hold: report and stop, so that the fuzzer keeps the
// input and the corpus replay fails.
#define TESSELO_FUZZ_CHECK(condition)                                                              \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
