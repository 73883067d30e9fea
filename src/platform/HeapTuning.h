#pragma once

// How the C library's allocator keeps large buffers. By itself it raises the size from
// which a buffer gets pages of its own only up to 32 MiB, and gives the top of its heap
// back past twice that: every buffer of a sheet over about 30 MB (its text, its
// records, the composed sheet) then takes fresh pages from the system each time it is
// made and returns them when it goes, and reading or composing such a sheet again
// costs about twice as much a byte as a smaller one. With both sizes fixed at 256 MiB
// the buffers are reused from the heap; the price is that up to 256 MiB left free by
// a closed sheet stay with the program.

#include <cstddef> // says which C library this is

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tesselo {

// Other C libraries keep their own ways; only glibc's are set.
inline void KeepLargeBuffersInHeap() {
#if defined(__GLIBC__)
    constexpr int kBytes = 256 << 20;
    mallopt(M_MMAP_THRESHOLD, kBytes);
    mallopt(M_TRIM_THRESHOLD, kBytes);
#endif
}

} // namespace tesselo
