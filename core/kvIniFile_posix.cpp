// POSIX file layer of the keyed INI store: open descriptors with an advisory lock (flock), so that
// two stores never write one file at the same time.
#include "core/kvIniFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tv::iniio {

namespace {

std::intptr_t LockOrClose(int fd) {
    if (fd < 0)
        return -1;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int reason = errno;
        ::close(fd);
        errno = reason;
        return -1;
    }
    return fd;
}

} // namespace

TPathKind PathKind(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        // Only a name that is really absent makes an empty store; anything else must fail to open.
        return errno == ENOENT || errno == ENOTDIR ? TPathKind::Missing : TPathKind::File;
    return S_ISDIR(st.st_mode) ? TPathKind::Folder : TPathKind::File;
}

std::intptr_t OpenExisting(const std::string& path, bool readOnly) {
    if (readOnly)
        return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return LockOrClose(::open(path.c_str(), O_RDWR | O_CLOEXEC));
}

std::intptr_t OpenForWrite(const std::string& path) {
    return LockOrClose(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
}

bool ReadAll(std::intptr_t handle, std::string& out) {
    const int fd = static_cast<int>(handle);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    out.clear();
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == out.size())
            out.resize(out.size() + 4096); // the file may have grown since fstat
        const ssize_t n = ::pread(fd, &out[done], out.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return true;
}

bool WriteAll(std::intptr_t handle, const std::string& data) {
    const int fd = static_cast<int>(handle);
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::pwrite(fd, data.data() + done, data.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return ::ftruncate(fd, static_cast<off_t>(data.size())) == 0;
}

void Close(std::intptr_t handle) {
    if (handle >= 0)
        ::close(static_cast<int>(handle));
}

std::string LastErrorText() {
    return std::generic_category().message(errno);
}

void CreateParentFolders(const std::string& path) {
    std::error_code ec;
    const auto parent = std::filesystem::path(path).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent, ec);
}

} // namespace tv::iniio
