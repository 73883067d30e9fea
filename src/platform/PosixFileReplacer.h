#pragma once

// The atomic replace over POSIX: mkstemp beside the target, fchown and fchmod to the
// target's owner, group and permissions, fsync for durable writes, rename over the
// target. A symbolic link is written through to its target; a file with other hard
// links is written in place, its whole new text kept beside it until it is done; a
// file the user may not write is refused.

#include "document/FileReplacer.h"

namespace tesselo {

// Where a write in place stops as if the program had ended there: what a crash
// leaves on the disk, for the tests of the next opening.
enum class InPlaceStop { Never, CopyBeside, FileCut };

class PosixFileReplacer final : public FileReplacer {
public:
    explicit PosixFileReplacer(InPlaceStop stop = InPlaceStop::Never) : stop_(stop) {}

    std::optional<std::string> ReplaceFiles(const std::vector<std::string>& paths,
                                            std::string_view bytes, WriteMode mode) override;

private:
    InPlaceStop stop_;
};

} // namespace tesselo
