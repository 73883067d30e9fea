#pragma once

// The real atomic replace, for tests that check what the editor leaves on disk.

#include "platform/PosixFileReplacer.h"

namespace tesselo::testing {

// It holds no state, so one serves every test.
inline FileReplacer& DiskFiles() {
    static PosixFileReplacer files;
    return files;
}

} // namespace tesselo::testing
