#include "platform/PosixFileReplacer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesselo {

namespace {

// The whole file's bytes; false when it cannot be read.
bool ReadBytes(const std::string& path, std::string& bytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

// Writes the text to a new temporary file beside the target, with the target's
// permissions when it exists. On success `temp` names the file.
std::optional<std::string> WriteBeside(const std::string& path, std::string_view text,
                                       WriteMode mode, std::string& temp) {
    // A short name of its own in the target's folder: a target whose name is as long
    // as the system allows still gets one.
    const size_t slash = path.rfind('/');
    temp = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
           ".tesselo-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return std::string(std::strerror(errno));
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return std::optional<std::string>(std::strerror(err));
    };
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (mode == WriteMode::Durable && ::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return std::string(std::strerror(err));
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> PosixFileReplacer::ReplaceFiles(const std::vector<std::string>& paths,
                                                           std::string_view bytes, WriteMode mode) {
    // A folder in a target's place would refuse the rename after the others were done.
    for (const auto& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            return std::string(std::strerror(EISDIR));
    }
    std::vector<std::string> temps;
    auto discard = [&temps](size_t from) {
        for (size_t i = from; i < temps.size(); ++i)
            ::unlink(temps[i].c_str());
    };
    for (const auto& path : paths) {
        std::string temp;
        if (auto error = WriteBeside(path, bytes, mode, temp)) {
            discard(0);
            return error;
        }
        temps.push_back(temp);
    }
    // Until the last rename is done, the targets already replaced can be put back.
    std::vector<std::optional<std::string>> previous;
    if (paths.size() > 1) {
        for (size_t i = 0; i + 1 < paths.size(); ++i) {
            std::string old;
            previous.push_back(ReadBytes(paths[i], old) ? std::optional(old) : std::nullopt);
        }
    }
    for (size_t i = 0; i < paths.size(); ++i) {
        if (::rename(temps[i].c_str(), paths[i].c_str()) != 0) {
            int err = errno;
            discard(i);
            for (size_t j = 0; j < i; ++j) {
                std::string temp;
                if (!previous[j])
                    ::unlink(paths[j].c_str());
                else if (!WriteBeside(paths[j], *previous[j], mode, temp))
                    ::rename(temp.c_str(), paths[j].c_str());
            }
            return std::string(std::strerror(err));
        }
    }
    return std::nullopt;
}

} // namespace tesselo
