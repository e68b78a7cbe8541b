// POSIX file layer of the keyed INI store: reading without locks, and whole-file replacement by a
// flushed temporary file renamed over the target.
#include "core/kvIniFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tv::iniio {

namespace {

thread_local std::string g_LastError;
std::atomic<std::int64_t> g_FlushNanoseconds{0};

// Keeps the system's wording of errno for LastErrorText; returns failure for the caller.
bool Failed() {
    g_LastError = std::generic_category().message(errno);
    return false;
}

std::intptr_t FailedHandle() {
    Failed();
    return -1;
}

bool TimedSync(int fd) {
    const auto start = std::chrono::steady_clock::now();
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    g_FlushNanoseconds +=
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
            .count();
    return rc == 0 || Failed();
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteFully(int fd, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Failed();
        }
        if (n == 0) {
            errno = ENOSPC;
            return Failed();
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Only regular files are read: a FIFO or a device would block or never end.
bool IsRegularOpenFile(int fd, struct stat& st) {
    if (::fstat(fd, &st) != 0)
        return Failed();
    if (S_ISREG(st.st_mode))
        return true;
    g_LastError = "it is not a regular file";
    return false;
}

// A copy of path's bytes (read through a link) in the new file copy, with path's time and mode.
bool CopyInto(const std::string& path, const std::string& copy) {
    const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return Failed();
    struct stat st {};
    if (!IsRegularOpenFile(in, st)) {
        ::close(in);
        return false;
    }
    const int out = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0) {
        Failed();
        ::close(in);
        return false;
    }
    bool ok = true;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ok = Failed();
            break;
        }
        if (n == 0)
            break;
        if (!WriteFully(out, buffer, static_cast<std::size_t>(n))) {
            ok = false;
            break;
        }
    }
    if (ok) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ok = (::fchmod(out, st.st_mode & 07777) == 0 || Failed()) &&
             (::futimens(out, times) == 0 || Failed()) && TimedSync(out);
    }
    ::close(in);
    ::close(out);
    if (!ok) {
        const std::string reason = g_LastError;
        ::unlink(copy.c_str());
        g_LastError = reason;
    }
    return ok;
}

} // namespace

TPathKind PathKind(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        // Only a name that is really absent makes an empty store; anything else must fail to open.
        return errno == ENOENT || errno == ENOTDIR ? TPathKind::Missing : TPathKind::File;
    return S_ISDIR(st.st_mode) ? TPathKind::Folder : TPathKind::File;
}

std::intptr_t OpenForReading(const std::string& path) {
    // Non-blocking, so that a FIFO at the name cannot hold the program; regular files ignore it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return FailedHandle();
    struct stat st {};
    if (!IsRegularOpenFile(fd, st)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool ReadAll(std::intptr_t handle, std::string& out) {
    const int fd = static_cast<int>(handle);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return Failed();
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
            return Failed();
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return true;
}

std::intptr_t CreateTempBeside(const std::string& target, std::string& tempName) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // A hidden name of the target's, short enough for any file name limit.
    const std::string name = target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);
    struct stat st {};
    const bool existing = ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName =
            folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return FailedHandle();
        }
        if (existing && ::fchmod(fd, st.st_mode & 07777) != 0) {
            Failed();
            ::close(fd);
            ::unlink(tempName.c_str());
            return -1;
        }
        return fd;
    }
    return FailedHandle();
}

bool WriteAll(std::intptr_t handle, const std::string& data) {
    return WriteFully(static_cast<int>(handle), data.data(), data.size());
}

bool Flush(std::intptr_t handle) {
    return TimedSync(static_cast<int>(handle));
}

void Close(std::intptr_t handle) {
    if (handle >= 0)
        ::close(static_cast<int>(handle));
}

bool Replace(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 || Failed();
}

bool FlushFolderOf(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Failed();
    const bool ok = TimedSync(fd);
    ::close(fd);
    return ok;
}

bool Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || Failed();
}

bool LinkOrCopy(const std::string& path, const std::string& copy) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return Failed();
    // A second name of a regular file costs no bytes, so a full disk cannot spoil it.
    if (S_ISREG(st.st_mode) && ::link(path.c_str(), copy.c_str()) == 0)
        return true;
    return CopyInto(path, copy);
}

std::string LastErrorText() {
    return g_LastError.empty() ? std::generic_category().message(errno) : g_LastError;
}

std::int64_t FlushNanoseconds() {
    return g_FlushNanoseconds.load();
}

void CreateParentFolders(const std::string& path) {
    std::error_code ec;
    const auto parent = std::filesystem::path(path).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent, ec);
}

} // namespace tv::iniio
