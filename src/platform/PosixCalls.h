#pragma once

// The system calls the atomic file replace makes, each a virtual method that makes the
// call itself: the program uses them as they are, a test puts a recorder in between to
// see which calls a write makes and in what order.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>

namespace tesselo {

class PosixCalls {
public:
    virtual ~PosixCalls() = default;

    // The calls as the system makes them, shared by every replace that is given none.
    static PosixCalls& System() {
        static PosixCalls calls;
        return calls;
    }

    virtual int Open(const char* path, int flags) { return ::open(path, flags | O_CLOEXEC); }
    virtual int MakeTemporary(char* pattern) { return ::mkstemp(pattern); }
    virtual int Close(int fd) { return ::close(fd); }
    virtual ssize_t Read(int fd, void* buffer, size_t size) { return ::read(fd, buffer, size); }
    virtual ssize_t Write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
    virtual int Sync(int fd) { return ::fsync(fd); }

    virtual int Stat(const char* path, struct stat* status) { return ::stat(path, status); }
    virtual int LinkStat(const char* path, struct stat* status) { return ::lstat(path, status); }
    virtual int FileStat(int fd, struct stat* status) { return ::fstat(fd, status); }
    virtual ssize_t ReadLink(const char* path, char* target, size_t size) {
        return ::readlink(path, target, size);
    }
    virtual int MayWrite(const char* path) { return ::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS); }

    virtual int ChangeOwner(int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); }
    virtual int ChangeMode(int fd, mode_t mode) { return ::fchmod(fd, mode); }
    virtual ssize_t ListAttributes(const char* path, char* names, size_t size) {
        return ::listxattr(path, names, size);
    }
    virtual ssize_t GetAttribute(const char* path, const char* name, void* value, size_t size) {
        return ::getxattr(path, name, value, size);
    }
    virtual int SetAttribute(int fd, const char* name, const void* value, size_t size) {
        return ::fsetxattr(fd, name, value, size, 0);
    }

    virtual int Rename(const char* from, const char* to) { return ::rename(from, to); }
    virtual int Unlink(const char* path) { return ::unlink(path); }
};

} // namespace tesselo
