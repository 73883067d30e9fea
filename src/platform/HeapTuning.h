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

// Gives the system back what the heap holds free, once that is over 48 MiB. A change in
// a rule of megabytes leaves copies of it free in the heap; kept, a long session holds
// up to the trim size above for nothing. Giving back walks the whole heap (a quarter of
// a second after a change in a rule of 5 MB), so it is done when the user pauses, and
// below the limit nothing is done at all.
inline void GiveBackFreeHeap() {
#if defined(__GLIBC__)
    constexpr size_t kKept = size_t{48} << 20;
    if (mallinfo2().fordblks > kKept)
        malloc_trim(0);
#endif
}

} // namespace tesselo
