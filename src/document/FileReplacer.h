#pragma once

// The atomic replace of whole files, the one write the editor makes to a style sheet,
// its backup copy and the preview's working file, and the removal and the move of a
// backup copy. The platform implements them; the document and the editor stay free of
// system calls.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo {

// Saves wait until the data and the new name are on the disk (the file and its folder
// synced); the preview's frequent rewrites of the working file rely on the rename alone.
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

    // Both wait until the folder holds the change on the disk, as a durable write does:
    // the next step of the backup copy's protocol may rely on it. A folder is never
    // removed; a file moves over a file, never into a folder. Return the system's reason
    // on failure.
    virtual std::optional<std::string> RemoveFile(const std::string& path) = 0;
    virtual std::optional<std::string> MoveFile(const std::string& from, const std::string& to) = 0;
};

} // namespace tesselo
