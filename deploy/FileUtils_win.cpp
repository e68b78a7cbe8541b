// File and folder operations on Windows (ANSI paths, as the project stores them).
#include "deploy/FileUtils.h"

#include "core/WinError.h"

#include <algorithm>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef CopyFile // ours is tv::CopyFile, not the Windows macro

namespace tv {

namespace {

class THandle final {
public:
    explicit THandle(HANDLE h = INVALID_HANDLE_VALUE) : m_h(h) {}
    ~THandle() { close(); }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    HANDLE get() const { return m_h; }
    bool valid() const { return m_h != INVALID_HANDLE_VALUE && m_h != nullptr; }
    bool close() {
        const bool ok = !valid() || CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_h;
};

DWORD Attributes(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}

} // namespace

bool DirectoryExists(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsSymLink(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool CreateDir(const std::string& path) {
    return !path.empty() && CreateDirectoryA(path.c_str(), nullptr);
}

bool ForceDirectories(const std::string& path) {
    const std::string dir = ExcludeTrailingPathDelimiter(path);
    if (dir.empty())
        return false;
    if (DirectoryExists(dir))
        return true;
    const std::string parent = ExcludeTrailingPathDelimiter(ExtractFilePath(dir));
    if (!parent.empty() && parent != dir && !(parent.size() == 2 && parent[1] == ':') &&
        !ForceDirectories(parent))
        return false;
    return CreateDir(dir) || DirectoryExists(dir);
}

bool ForceDeleteFile(const std::string& path) {
    if (path.empty())
        return false;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileA(path.c_str()) != 0;
}

namespace {

bool ClearFolder(const std::string& dir, bool removeSubfolders, std::vector<std::string>* failures,
                 bool& kept) {
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(JoinPath(dir, "*.*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    bool result = true;
    do {
        const std::string name = fd.cFileName;
        if (name[0] == '.') {
            if (name != "." && name != "..")
                kept = true;
            continue;
        }
        const std::string full = JoinPath(dir, name);
        const DWORD a = fd.dwFileAttributes;
        if ((a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT)) {
            bool subKept = false;
            bool ok = ClearFolder(full, removeSubfolders, failures, subKept);
            if (removeSubfolders && ok && !subKept) {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (!RemoveDirectoryA(full.c_str())) {
                    ok = false;
                    if (failures)
                        failures->push_back(full);
                }
            }
            kept = kept || subKept;
            result = result && ok;
        } else if (a & FILE_ATTRIBUTE_DIRECTORY) {
            // A junction or folder link: remove the link, never what it points to.
            if (!RemoveDirectoryA(full.c_str())) {
                result = false;
                if (failures)
                    failures->push_back(full);
            }
        } else if (!ForceDeleteFile(full)) {
            result = false;
            if (failures)
                failures->push_back(full);
        }
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    return result;
}

} // namespace

bool DeleteDirectory(const std::string& path, bool removeRoot, std::vector<std::string>* failures) {
    const std::string dir = ExcludeTrailingPathDelimiter(path);
    if (!DirectoryExists(dir))
        return false;
    if (IsSymLink(dir)) {
        if (!removeRoot)
            return true;
        const bool ok = RemoveDirectoryA(dir.c_str()) != 0;
        if (!ok && failures)
            failures->push_back(dir);
        return ok;
    }
    bool kept = false;
    bool result = ClearFolder(dir, removeRoot, failures, kept);
    const bool bareDrive = dir.size() <= 3 && dir.size() >= 2 && dir[1] == ':';
    if (removeRoot && result && !kept && !bareDrive) {
        if (!RemoveDirectoryA(dir.c_str())) {
            result = false;
            if (failures)
                failures->push_back(dir);
        }
    }
    return result && !(removeRoot && kept);
}

std::uint64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string SourceFileProblem(const std::string& path) {
    const DWORD a = Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES)
        return WinErrorText(path.empty() ? ERROR_FILE_NOT_FOUND : GetLastError());
    if (a & FILE_ATTRIBUTE_DIRECTORY)
        return "it is a folder";
    if (a & FILE_ATTRIBUTE_DEVICE)
        return "it is a device, not a regular file";
    return {};
}

bool fileio::CopyChunked(const std::string& source, const std::string& dest, const TCopyProgress& progress,
                         bool append, std::string* error) {
    auto fail = [error](const std::string& what) {
        if (error)
            *error = what;
        return false;
    };
    if (const std::string problem = SourceFileProblem(source); !problem.empty())
        return fail(problem);
    THandle in(CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.valid())
        return fail(WinErrorText(GetLastError()));
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(in.get(), &info))
        return fail(WinErrorText(GetLastError()));
    if (GetFileType(in.get()) != FILE_TYPE_DISK)
        return fail("it is not a regular file");
    const std::uint64_t size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    {
        // Opening the source itself to write would cut it.
        THandle probe(CreateFileA(dest.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
        BY_HANDLE_FILE_INFORMATION other;
        if (probe.valid() && GetFileInformationByHandle(probe.get(), &other) &&
            other.dwVolumeSerialNumber == info.dwVolumeSerialNumber &&
            other.nFileIndexHigh == info.nFileIndexHigh && other.nFileIndexLow == info.nFileIndexLow)
            return fail("source and destination are the same file");
    }

    if (!append) {
        const DWORD old = Attributes(dest);
        if (old != INVALID_FILE_ATTRIBUTES &&
            (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
            SetFileAttributesA(dest.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    THandle out(CreateFileA(dest.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid())
        return fail(WinErrorText(GetLastError()));
    LARGE_INTEGER start = {};
    if (append && !SetFilePointerEx(out.get(), LARGE_INTEGER{}, &start, FILE_END))
        return fail(WinErrorText(GetLastError()));
    auto abandon = [&](const std::string& why) {
        if (append) {
            SetFilePointerEx(out.get(), start, nullptr, FILE_BEGIN);
            SetEndOfFile(out.get());
        } else {
            out.close();
            DeleteFileA(dest.c_str());
        }
        return fail(why);
    };

    std::vector<char> buffer(kCopyChunk);
    std::uint64_t done = 0;
    while (done < size) {
        const DWORD want = static_cast<DWORD>(std::min<std::uint64_t>(kCopyChunk, size - done));
        DWORD got = 0;
        if (!ReadFile(in.get(), buffer.data(), want, &got, nullptr))
            return abandon(WinErrorText(GetLastError()));
        if (got == 0)
            return abandon("the file got shorter while it was copied");
        DWORD written = 0;
        if (!WriteFile(out.get(), buffer.data(), got, &written, nullptr))
            return abandon(WinErrorText(GetLastError()));
        if (written != got)
            return abandon("the disk is full");
        done += got;
        if (progress && !progress(source, dest, got, size, done))
            return abandon("cancelled");
    }
    SetFileTime(out.get(), nullptr, nullptr, &info.ftLastWriteTime);
    if (!out.close())
        return abandon(WinErrorText(GetLastError()));
    SetFileAttributesA(dest.c_str(), info.dwFileAttributes & ~FILE_ATTRIBUTE_DIRECTORY);
    return true;
}

const TFileLook& TFileLooks::operator()(const std::string& path) {
    if (const auto it = m_Looks.find(path); it != m_Looks.end())
        return it->second;
    TFileLook look;
    look.Problem = SourceFileProblem(path);
    look.Link = IsSymLink(path);
    if (Attributes(path) == INVALID_FILE_ATTRIBUTES) {
        const DWORD err = path.empty() ? ERROR_FILE_NOT_FOUND : GetLastError();
        look.Absent = err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND;
    } else if (look.Problem.empty()) {
        look.Kind = TFileKind::File;
        look.Size = FileSize(path);
    } else if (DirectoryExists(path)) {
        look.Kind = TFileKind::Folder;
    } else if (FileExists(path)) {
        look.Kind = TFileKind::Other;
    }
    return m_Looks.emplace(path, std::move(look)).first->second;
}

bool ListFolder(const std::string& folder, std::vector<std::pair<std::string, TFileLook>>& entries) {
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA(JoinPath(folder, "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        TFileLook look;
        look.Link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        look.Kind = look.Link                                            ? TFileKind::Other
                    : (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? TFileKind::Folder
                                                                         : TFileKind::File;
        look.Size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        look.Mode = data.dwFileAttributes;
        entries.emplace_back(name, look);
    } while (FindNextFileA(find, &data));
    const bool ok = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(find);
    return ok;
}

// A folder listing holds no link count and no change time here: the two files are opened instead.
bool ReuseUnchangedCopy(const std::string& source, const TFileLook&, const std::string& dest,
                        const TFileLook&) {
    THandle in(CreateFileA(source.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    // The copy itself is looked at, never what a link in its place leads to.
    THandle out(CreateFileA(dest.c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION src, dst;
    FILE_BASIC_INFO basic;
    if (!in.valid() || !out.valid() || !GetFileInformationByHandle(in.get(), &src) ||
        !GetFileInformationByHandle(out.get(), &dst) ||
        !GetFileInformationByHandleEx(out.get(), FileBasicInfo, &basic, sizeof basic))
        return false;
    const DWORD notFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
    if ((src.dwFileAttributes & notFile) || (dst.dwFileAttributes & notFile) || dst.nNumberOfLinks != 1 ||
        src.nFileSizeHigh != dst.nFileSizeHigh || src.nFileSizeLow != dst.nFileSizeLow ||
        CompareFileTime(&src.ftLastWriteTime, &dst.ftLastWriteTime) != 0)
        return false;
    ULARGE_INTEGER written;
    written.LowPart = src.ftLastWriteTime.dwLowDateTime;
    written.HighPart = src.ftLastWriteTime.dwHighDateTime;
    if (static_cast<ULONGLONG>(basic.ChangeTime.QuadPart) <= written.QuadPart)
        return false;
    out.close();
    if (dst.dwFileAttributes != src.dwFileAttributes &&
        !SetFileAttributesA(dest.c_str(), src.dwFileAttributes))
        return false;
    return true;
}

std::string GetCurrentDir() {
    char buf[MAX_PATH + 1];
    const DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

} // namespace tv
