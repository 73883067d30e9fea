#include "document/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesselo {

LineList SplitLines(std::string_view bytes) { return SheetLines::FromBytes(bytes).ToLineList(); }

std::string JoinLinesCrLf(const LineList& lines) {
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<ReadFailure> ReadTextFile(const std::string& path, TextFileContent& out) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ReadFailure{std::strerror(errno)};
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return ReadFailure{std::strerror(EISDIR)};
    }
    std::string bytes;
    if (st.st_size > 0)
        bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            return ReadFailure{std::strerror(err)};
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    ::close(fd);
    out.Bytes = bytes.size();
    out.Text = SheetLines::FromBytes(bytes);
    return std::nullopt;
}

std::optional<std::string> WriteTextFile(const std::string& path, const LineList& lines,
                                         WriteMode mode) {
    return WriteSheetText(path, SheetLines::FromLines(lines), mode);
}

namespace {

// Writes the text to a new temporary file beside the target, with the target's
// permissions when it exists. On success `temp` names the file.
std::optional<std::string> WriteBeside(const std::string& path, const std::string& text,
                                       WriteMode mode, std::string& temp) {
    temp = path + ".XXXXXX";
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

std::optional<std::string> WriteSheetFiles(const std::vector<std::string>& paths,
                                           const SheetLines& lines, WriteMode mode) {
    std::vector<std::string> temps;
    auto discard = [&temps](size_t from) {
        for (size_t i = from; i < temps.size(); ++i)
            ::unlink(temps[i].c_str());
    };
    for (const auto& path : paths) {
        std::string temp;
        if (auto error = WriteBeside(path, lines.CrLfText(), mode, temp)) {
            discard(0);
            return error;
        }
        temps.push_back(temp);
    }
    for (size_t i = 0; i < paths.size(); ++i) {
        if (::rename(temps[i].c_str(), paths[i].c_str()) != 0) {
            int err = errno;
            discard(i);
            return std::string(std::strerror(err));
        }
    }
    return std::nullopt;
}

std::optional<std::string> WriteSheetText(const std::string& path, const SheetLines& lines,
                                          WriteMode mode) {
    return WriteSheetFiles({path}, lines, mode);
}

void DeleteFile(const std::string& path) { ::unlink(path.c_str()); }

void RenameFile(const std::string& from, const std::string& to) {
    ::rename(from.c_str(), to.c_str());
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string BackupCopyName(const std::string& path) { return path + ".ORIGINAL"; }

} // namespace tesselo
