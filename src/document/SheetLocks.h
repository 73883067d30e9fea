#pragma once

// One window per sheet: a lock tells the program's other windows that the sheet is open
// here, so two windows never write over each other's text and backup copy. A lock is
// the sheet's, whatever name it is reached by: a symbolic link, another hard link or a
// path through other folders finds the lock that its file already has.

#include <string>

namespace tesselo {

enum class LockResult {
    Taken,         // held here now (or already, by this name or another)
    HeldElsewhere, // another window holds it
    NotPossible,   // no lock can be made there (a read-only folder): go on without
};

class SheetLocks {
public:
    virtual ~SheetLocks() = default;
    // Each Take that answers Taken is one hold, given back by one Release of the same
    // name; the lock goes with the last hold on the sheet.
    virtual LockResult Take(const std::string& sheet) = 0;
    virtual void Release(const std::string& sheet) = 0;
};

} // namespace tesselo
