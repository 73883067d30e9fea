#pragma once

// The real atomic replace, for tests that check what the editor leaves on disk, and a
// recorder of the system calls it makes, for tests of their order.

#include "platform/PosixFileReplacer.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tesselo::testing {

// It holds no state, so one serves every test.
inline FileReplacer& DiskFiles() {
    static PosixFileReplacer files;
    return files;
}

// Makes every call as the system does and writes down, in order, the ones that open,
// rename, remove or sync a file, as "CALL NAME" ("rename FROM TO"). A name is written
// relative to the folder given ("." for the folder itself); a temporary file of the
// replace is "temp" in its folder, the whole text beside a file written in place
// "whole". An fsync names what its descriptor was opened on.
class RecordingCalls : public PosixCalls {
public:
    explicit RecordingCalls(std::string folder) : folder_(std::move(folder)) {}

    int Open(const char* path, int flags) override {
        return Opened(PosixCalls::Open(path, flags), "open", path);
    }
    int MakeTemporary(char* pattern) override {
        return Opened(PosixCalls::MakeTemporary(pattern), "mkstemp", pattern);
    }
    int Close(int fd) override {
        open_.erase(fd);
        return PosixCalls::Close(fd);
    }
    int Sync(int fd) override {
        Calls.push_back("fsync " + open_[fd]);
        return PosixCalls::Sync(fd);
    }
    int Rename(const char* from, const char* to) override {
        Calls.push_back("rename " + Name(from) + " " + Name(to));
        return PosixCalls::Rename(from, to);
    }
    int Unlink(const char* path) override {
        Calls.push_back("unlink " + Name(path));
        return PosixCalls::Unlink(path);
    }

    // The calls written down whose name is one of those given, in order.
    std::vector<std::string> Only(std::vector<std::string_view> names) const {
        std::vector<std::string> kept;
        for (const std::string& call : Calls)
            for (std::string_view name : names)
                if (call.starts_with(std::string(name) + " "))
                    kept.push_back(call);
        return kept;
    }

    std::vector<std::string> Calls;

private:
    int Opened(int fd, const char* call, const char* path) {
        Calls.push_back(std::string(call) + " " + Name(path));
        if (fd >= 0)
            open_[fd] = Name(path);
        return fd;
    }
    std::string Name(std::string_view path) const {
        if (path == folder_ || path == folder_ + "/")
            return ".";
        if (path.starts_with(folder_ + "/"))
            path.remove_prefix(folder_.size() + 1);
        const size_t slash = path.rfind('/');
        const std::string_view base = slash == path.npos ? path : path.substr(slash + 1);
        if (!base.starts_with(".tesselo-"))
            return std::string(path);
        return std::string(path.substr(0, path.size() - base.size())) +
               (base.ends_with("whole") ? "whole" : "temp");
    }

    std::string folder_;
    std::map<int, std::string> open_;
};

} // namespace tesselo::testing
