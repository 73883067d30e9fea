#pragma once

// The atomic replace over POSIX: mkstemp beside the target, fchown and fchmod to the
// target's owner, group and permissions, rename over the target; a durable write syncs
// the file before the rename and its folder after it. A symbolic link is written
// through to its target; a file with other hard links is written in place, its whole
// new text kept beside it until it is done; a file the user may not write is refused.

#include "document/FileReplacer.h"
#include "platform/PosixCalls.h"

namespace tesselo {

// Where a write in place stops as if the program had ended there: what a crash
// leaves on the disk, for the tests of the next opening.
enum class InPlaceStop { Never, CopyBeside, FileCut };

class PosixFileReplacer final : public FileReplacer {
public:
    explicit PosixFileReplacer(InPlaceStop stop = InPlaceStop::Never,
                               PosixCalls& calls = PosixCalls::System())
        : stop_(stop), sys_(calls) {}

    std::optional<std::string> ReplaceFiles(const std::vector<std::string>& paths,
                                            std::string_view bytes, WriteMode mode) override;
    std::optional<std::string> RemoveFile(const std::string& path) override;
    std::optional<std::string> MoveFile(const std::string& from, const std::string& to) override;

private:
    InPlaceStop stop_;
    PosixCalls& sys_;
};

} // namespace tesselo
