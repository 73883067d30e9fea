#pragma once

// What the editor remembers of its file on disk after reading or writing it: when the
// file no longer matches, another program changed it meanwhile.

#include <cstdint>
#include <optional>
#include <string>

namespace tesselo {

struct FileStamp {
    std::uintmax_t Size = 0;
    std::int64_t Modified = 0; // modification time, in the file system's own ticks
    bool operator==(const FileStamp&) const = default;
};

// Nothing when the file does not exist or cannot be examined.
std::optional<FileStamp> StampOf(const std::string& path);

} // namespace tesselo
