// File and folder operations on POSIX systems.
#include "deploy/FileUtils.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#ifdef __linux__
#include <linux/magic.h>
#include <sys/vfs.h>
#endif

namespace tv {

namespace {

std::string ErrnoText(int err) {
    return std::strerror(err);
}

// Closes a descriptor when it goes out of scope.
class TFd final {
public:
    explicit TFd(int fd = -1) : m_fd(fd) {}
    ~TFd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int get() const { return m_fd; }
    void reset(int fd) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Closes now and tells whether the close succeeded (a late write error shows here).
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

// In-kernel copies take bigger steps: fewer calls, and still a breath every mebibyte.
constexpr std::uint64_t kRangeChunk = 8 * kCopyChunk;

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool DirectoryExists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool IsSymLink(const std::string& path) {
    struct stat st;
    return !path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool CreateDir(const std::string& path) {
    return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
}

bool ForceDirectories(const std::string& path) {
    const std::string dir = ExcludeTrailingPathDelimiter(path);
    if (dir.empty())
        return false;
    if (DirectoryExists(dir))
        return true;
    const std::string parent = ExcludeTrailingPathDelimiter(ExtractFilePath(dir));
    if (!parent.empty() && parent != dir && !ForceDirectories(parent))
        return false;
    return CreateDir(dir) || DirectoryExists(dir);
}

bool ForceDeleteFile(const std::string& path) {
    struct stat st;
    if (path.empty() || ::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    // Unlinking does not depend on the file's own mode, but a read-only file is meant to go too.
    if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0)
        ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR);
    return ::unlink(path.c_str()) == 0;
}

namespace {

// Deletes the entries of dir; returns false when something stayed. keptDotEntries tells whether an
// entry was left alone for its leading dot (directly or in a sub-folder).
bool ClearFolder(const std::string& dir, bool removeSubfolders, std::vector<std::string>* failures,
                 bool& keptDotEntries) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) {
        if (failures)
            failures->push_back(dir);
        return false;
    }
    bool result = true;
    std::vector<std::string> names;
    while (dirent* e = ::readdir(d)) {
        if (e->d_name[0] == '.') {
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                keptDotEntries = true;
            continue;
        }
        names.emplace_back(e->d_name);
    }
    ::closedir(d);

    for (const std::string& name : names) {
        const std::string full = JoinPath(dir, name);
        struct stat st;
        if (::lstat(full.c_str(), &st) != 0)
            continue; // gone meanwhile
        if (S_ISDIR(st.st_mode)) {
            // A folder without write or search permission could not be emptied.
            if ((st.st_mode & (S_IRWXU)) != S_IRWXU)
                ::chmod(full.c_str(), (st.st_mode & 07777) | S_IRWXU);
            bool subKept = false;
            bool ok = ClearFolder(full, removeSubfolders, failures, subKept);
            if (removeSubfolders && ok && !subKept) {
                if (::rmdir(full.c_str()) != 0) {
                    ok = false;
                    if (failures)
                        failures->push_back(full);
                }
            }
            keptDotEntries = keptDotEntries || subKept;
            result = result && ok;
        } else if (!ForceDeleteFile(full)) {
            result = false;
            if (failures)
                failures->push_back(full);
        }
    }
    return result;
}

} // namespace

bool DeleteDirectory(const std::string& path, bool removeRoot, std::vector<std::string>* failures) {
    const std::string dir = ExcludeTrailingPathDelimiter(path);
    if (!DirectoryExists(dir))
        return false;
    if (IsSymLink(dir)) {
        // The link itself is what goes; its target is never touched.
        if (!removeRoot)
            return true;
        const bool ok = ::unlink(dir.c_str()) == 0;
        if (!ok && failures)
            failures->push_back(dir);
        return ok;
    }
    bool kept = false;
    bool result = ClearFolder(dir, removeRoot, failures, kept);
    if (removeRoot && result && !kept && dir != "/") {
        if (::rmdir(dir.c_str()) != 0) {
            result = false;
            if (failures)
                failures->push_back(dir);
        }
    }
    return result && !(removeRoot && kept);
}

std::uint64_t FileSize(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) ? static_cast<std::uint64_t>(st.st_size)
                                                                  : 0;
}

namespace {

// What kind of thing a non-regular file is, for a message.
std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "it is a folder";
    if (S_ISFIFO(mode))
        return "it is a FIFO, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a regular file";
    return "it is not a regular file";
}

// Files of /proc and /sys report a size of 0 (or a page) whatever they hold.
bool OnPseudoFileSystem(const std::string& path) {
#ifdef __linux__
    struct statfs fs;
    if (::statfs(path.c_str(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
#else
    (void)path;
    return false;
#endif
}

void Fill(TFileLook& look, const struct stat& st) {
    look.Kind = S_ISREG(st.st_mode)   ? TFileKind::File
                : S_ISDIR(st.st_mode) ? TFileKind::Folder
                                      : TFileKind::Other;
    look.Size = static_cast<std::uint64_t>(st.st_size);
    look.Modified = {static_cast<std::int64_t>(st.st_mtim.tv_sec), st.st_mtim.tv_nsec};
    look.Changed = {static_cast<std::int64_t>(st.st_ctim.tv_sec), st.st_ctim.tv_nsec};
    look.Mode = static_cast<std::uint32_t>(st.st_mode & 07777);
    look.Names = static_cast<std::uint32_t>(st.st_nlink);
}

// A look with links followed: one call for a file that is no link. onSystemFs(path, device) tells
// whether a regular file lies on a pseudo file system.
template <class TOnSystemFs> TFileLook FollowedLook(const std::string& path, TOnSystemFs&& onSystemFs) {
    TFileLook look;
    struct stat st;
    auto failed = [&look](int err) {
        look.Problem = ErrnoText(err);
        look.Absent = err == ENOENT;
        return look;
    };
    if (path.empty())
        return failed(ENOENT);
    if (::lstat(path.c_str(), &st) != 0)
        return failed(errno);
    if (S_ISLNK(st.st_mode)) {
        look.Link = true;
        if (::stat(path.c_str(), &st) != 0)
            return failed(errno);
    }
    Fill(look, st);
    if (!S_ISREG(st.st_mode))
        look.Problem = KindOf(st.st_mode);
    else if (onSystemFs(path, st.st_dev))
        look.Problem = "it is a pseudo file of the system (like those in /proc), not a regular file";
    return look;
}

} // namespace

std::string SourceFileProblem(const std::string& path) {
    return FollowedLook(path, [](const std::string& p, dev_t) { return OnPseudoFileSystem(p); }).Problem;
}

const TFileLook& TFileLooks::operator()(const std::string& path) {
    if (const auto it = m_Looks.find(path); it != m_Looks.end())
        return it->second;
    // Every file of one device lies on one file system: it is asked about once.
    TFileLook look = FollowedLook(path, [this](const std::string& p, dev_t device) {
        const auto [it, added] = m_SystemDevices.emplace(static_cast<std::uint64_t>(device), false);
        if (added)
            it->second = OnPseudoFileSystem(p);
        return it->second;
    });
    return m_Looks.emplace(path, std::move(look)).first->second;
}

bool ListFolder(const std::string& folder, std::vector<std::pair<std::string, TFileLook>>& entries) {
    DIR* d = ::opendir(folder.c_str());
    if (!d)
        return false;
    // Looked at through the open folder: the system walks no path per entry.
    const int fd = ::dirfd(d);
    bool ok = true;
    for (;;) {
        errno = 0;
        const dirent* e = ::readdir(d);
        if (!e) {
            ok = errno == 0;
            break;
        }
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        struct stat st;
        if (::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone meanwhile
        TFileLook look;
        if (S_ISLNK(st.st_mode)) {
            look.Link = true;
            look.Kind = TFileKind::Other;
        } else {
            Fill(look, st);
        }
        entries.emplace_back(e->d_name, look);
    }
    ::closedir(d);
    return ok;
}

bool fileio::CopyChunked(const std::string& source, const std::string& dest, const TCopyProgress& progress,
                         bool append, std::string* error) {
    auto fail = [error](const std::string& what) {
        if (error)
            *error = what;
        return false;
    };
    // Looked at before it is opened; O_NONBLOCK keeps a FIFO put in its place meanwhile from
    // blocking the open, and the second look refuses it.
    if (const std::string problem = SourceFileProblem(source); !problem.empty())
        return fail(problem);
    TFd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (in.get() < 0)
        return fail(ErrnoText(errno));
    struct stat st;
    if (::fstat(in.get(), &st) != 0)
        return fail(ErrnoText(errno));
    if (!S_ISREG(st.st_mode))
        return fail(KindOf(st.st_mode));
    const std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
    struct stat old;
    if (::stat(dest.c_str(), &old) == 0 && old.st_dev == st.st_dev && old.st_ino == st.st_ino)
        return fail("source and destination are the same file"); // opening it to write would cut it

    // A link in the destination's place is replaced, never written through.
    if (IsSymLink(dest))
        ::unlink(dest.c_str());
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? 0 : O_TRUNC);
    TFd out(::open(dest.c_str(), flags, 0666));
    if (out.get() < 0 && (errno == EACCES || errno == EPERM) && !append && ::unlink(dest.c_str()) == 0)
        out.reset(::open(dest.c_str(), flags, 0666)); // a read-only file was in the way
    if (out.get() < 0)
        return fail(ErrnoText(errno));
    off_t startSize = 0;
    if (append) {
        startSize = ::lseek(out.get(), 0, SEEK_END);
        if (startSize < 0)
            return fail(ErrnoText(errno));
    }
    // Undo a half-made copy: a cut file in the tree would look like a good one.
    auto abandon = [&](const std::string& why) {
        if (append) {
            if (::ftruncate(out.get(), startSize) != 0) {
                // nothing more to do: the reason below is what matters
            }
        } else {
            ::unlink(dest.c_str());
        }
        return fail(why);
    };

    std::uint64_t done = 0;
    bool useRange = true;
    std::vector<char> buffer;
    while (done < size) {
        const std::uint64_t chunk = useRange ? kRangeChunk : kCopyChunk;
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk, size - done));
        ssize_t n = -1;
        if (useRange) {
            n = ::copy_file_range(in.get(), nullptr, out.get(), nullptr, want, 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && done == 0 &&
                (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP ||
                 errno == EBADF)) {
                useRange = false;
                continue;
            }
            if (n < 0)
                return abandon(ErrnoText(errno));
        } else {
            if (buffer.empty())
                buffer.resize(kCopyChunk);
            n = ::read(in.get(), buffer.data(), want);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return abandon(ErrnoText(errno));
            if (n > 0 && !WriteAll(out.get(), buffer.data(), static_cast<std::size_t>(n)))
                return abandon(ErrnoText(errno ? errno : ENOSPC));
        }
        if (n == 0)
            return abandon("the file got shorter while it was copied");
        done += static_cast<std::uint64_t>(n);
        if (progress && !progress(source, dest, static_cast<std::uint64_t>(n), size, done))
            return abandon("cancelled");
    }

    const struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
    ::futimens(out.get(), times);
    ::fchmod(out.get(), st.st_mode & 07777);
    if (!out.close())
        return abandon(ErrnoText(errno));
    return true;
}

bool ReuseUnchangedCopy(const std::string&, const TFileLook& sourceLook, const std::string& dest,
                        const TFileLook& destLook) {
    if (!sourceLook.Problem.empty() || sourceLook.Kind != TFileKind::File || destLook.Link ||
        destLook.Kind != TFileKind::File || destLook.Names != 1 || destLook.Size != sourceLook.Size ||
        destLook.Modified != sourceLook.Modified || destLook.Changed <= sourceLook.Modified)
        return false;
    return destLook.Mode == sourceLook.Mode || ::chmod(dest.c_str(), sourceLook.Mode) == 0;
}

std::string GetCurrentDir() {
    std::vector<char> buf(PATH_MAX + 1);
    return ::getcwd(buf.data(), buf.size()) ? std::string(buf.data()) : std::string();
}

} // namespace tv
