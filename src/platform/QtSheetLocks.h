#pragma once

// The sheet locks over QLockFile: a hidden ".NAME.lock" beside the sheet holds the
// window's process; a lock whose process is gone is taken over.

#include "document/SheetLocks.h"

#include <map>
#include <memory>

class QLockFile;

namespace tesselo {

class QtSheetLocks final : public SheetLocks {
public:
    QtSheetLocks();
    ~QtSheetLocks() override;
    LockResult Take(const std::string& sheet) override;
    void Release(const std::string& sheet) override;

private:
    std::map<std::string, std::unique_ptr<QLockFile>> held_;
};

} // namespace tesselo
