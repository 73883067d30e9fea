#pragma once

// The sheet locks over QLockFile. A hidden ".NAME.lock" beside the file behind the
// sheet's links holds the window's process, for every name that leads there and for
// every user; for a file with other hard links a second lock in the user's runtime
// folder, named after the file's device and inode, holds it for those names too. A lock
// whose process is gone is taken over.

#include "document/SheetLocks.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tesselo {

class QtSheetLocks final : public SheetLocks {
public:
    // The locks by device and inode go to the folder given, by default the user's
    // runtime folder; none are made where it is empty.
    explicit QtSheetLocks(std::optional<std::string> inodeFolder = std::nullopt);
    ~QtSheetLocks() override;
    LockResult Take(const std::string& sheet) override;
    void Release(const std::string& sheet) override;

private:
    struct Held;
    QString InodeFolder();

    std::vector<std::unique_ptr<Held>> held_;
    std::optional<QString> inodeFolder_; // asked for once, when first needed
};

} // namespace tesselo
