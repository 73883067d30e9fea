#pragma once

// The atomic replace over POSIX: mkstemp beside the target, fchmod to the target's
// permissions, fsync for durable writes, rename over the target.

#include "document/FileReplacer.h"

namespace tesselo {

class PosixFileReplacer final : public FileReplacer {
public:
    std::optional<std::string> ReplaceFiles(const std::vector<std::string>& paths,
                                            std::string_view bytes, WriteMode mode) override;
};

} // namespace tesselo
