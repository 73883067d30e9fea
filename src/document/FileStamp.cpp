#include "document/FileStamp.h"

#include <filesystem>
#include <system_error>

namespace tesselo {

std::optional<FileStamp> StampOf(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec)
        return std::nullopt;
    const auto time = fs::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    return FileStamp{size, static_cast<std::int64_t>(time.time_since_epoch().count())};
}

} // namespace tesselo
