#pragma once

// The atomic replace of whole files, the one write the editor makes to a style sheet,
// its backup copy and the preview's working file. The platform implements it; the
// document and the editor stay free of system calls.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// Saves wait until the data is on the disk; the preview's frequent rewrites of the
// working file rely on the rename alone.
enum class WriteMode { Durable, Quick };

class FileReplacer {
public:
    virtual ~FileReplacer() = default;

    // Gives every path the same bytes. Each is written to a temporary file beside its
    // target and only when all are written are they renamed over their targets, so an
    // interrupted or failed write leaves every target as it was. A target keeps its
    // permissions. Returns the system's reason on failure.
    virtual std::optional<std::string> ReplaceFiles(const std::vector<std::string>& paths,
                                                    std::string_view bytes, WriteMode mode) = 0;
};

} // namespace tesselo
