#pragma once

// A temporary directory under /tmp that is removed with everything in it when the
// object goes out of scope, and two helpers for files as raw bytes.

#include <string>
#include <string_view>

namespace tesselo::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path() const { return path_; }
    // The full path of a file inside the directory.
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

// Writes the bytes exactly as given, replacing the file; throws on failure.
void WriteBytes(const std::string& path, std::string_view bytes);
// The whole file as bytes; throws when it cannot be read.
std::string ReadBytes(const std::string& path);

} // namespace tesselo::testing
