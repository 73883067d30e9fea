#pragma once

// One window per sheet: a lock beside the sheet tells the program's other windows that
// the sheet is open here, so two windows never write over each other's text and
// backup copy.

#include <string>

namespace tesselo {

enum class LockResult {
    Taken,         // held here now (or already)
    HeldElsewhere, // another window holds it
    NotPossible,   // no lock can be made there (a read-only folder): go on without
};

class SheetLocks {
public:
    virtual ~SheetLocks() = default;
    virtual LockResult Take(const std::string& sheet) = 0;
    virtual void Release(const std::string& sheet) = 0;
};

} // namespace tesselo
