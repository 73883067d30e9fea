#pragma once

// The atomic replace over POSIX: mkstemp beside the target, fchown and fchmod to the
// target's owner, group and permissions, fsync for durable writes, rename over the
// target. A symbolic link is written through to its target; a file with other hard
// links is written in place; a file the user may not write is refused.

#include "document/FileReplacer.h"

namespace tesselo {

class PosixFileReplacer final : public FileReplacer {
public:
    std::optional<std::string> ReplaceFiles(const std::vector<std::string>& paths,
                                            std::string_view bytes, WriteMode mode) override;
};

} // namespace tesselo
