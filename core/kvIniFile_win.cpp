// Windows file layer of the keyed INI store: reading shares the file with everyone, and a file is
// replaced by a flushed temporary file moved over it.
#include "core/kvIniFile.h"

#include "core/HostPath.h"
#include "core/WinError.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace tv::iniio {

namespace {

HANDLE AsHandle(std::intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}

std::intptr_t FromHandle(HANDLE h) {
    return h == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(h);
}

thread_local std::string g_LastError;
std::atomic<std::int64_t> g_FlushNanoseconds{0};

// Keeps the system's wording of the last error for LastErrorText; returns failure for the caller.
bool Failed() {
    g_LastError = WinErrorText(::GetLastError());
    return false;
}

std::intptr_t FailedHandle() {
    Failed();
    return -1;
}

} // namespace

TPathKind PathKind(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? TPathKind::Missing
                                                                              : TPathKind::File;
    }
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? TPathKind::Folder : TPathKind::File;
}

std::intptr_t OpenForReading(const std::string& path) {
    const HANDLE h =
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return FailedHandle();
    if (::GetFileType(h) != FILE_TYPE_DISK) {
        ::CloseHandle(h);
        g_LastError = "it is not a regular file";
        return -1;
    }
    return FromHandle(h);
}

std::intptr_t CreateTempBeside(const std::string& target, std::string& tempName) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = target.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = folder + "~" + name + "." + std::to_string(::GetCurrentProcessId()) + "-" +
                   std::to_string(counter++) + ".tmp";
        const HANDLE h = ::CreateFileA(tempName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE)
            return FromHandle(h);
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)
            return FailedHandle();
    }
    return FailedHandle();
}

bool ReadAll(std::intptr_t handle, std::string& out) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(AsHandle(handle), &size))
        return Failed();
    if (size.QuadPart > 0x7FFFFFFF) {
        g_LastError = "the file is too large";
        return false;
    }
    LARGE_INTEGER start{};
    if (!::SetFilePointerEx(AsHandle(handle), start, nullptr, FILE_BEGIN))
        return Failed();
    out.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < out.size()) {
        DWORD n = 0;
        if (!::ReadFile(AsHandle(handle), &out[done], static_cast<DWORD>(out.size() - done), &n, nullptr))
            return Failed();
        if (n == 0)
            break;
        done += n;
    }
    out.resize(done);
    return true;
}

bool WriteAll(std::intptr_t handle, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD n = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        if (!::WriteFile(AsHandle(handle), data.data() + done, chunk, &n, nullptr))
            return Failed();
        if (n == 0) {
            g_LastError = WinErrorText(ERROR_DISK_FULL);
            return false;
        }
        done += n;
    }
    return true;
}

bool Flush(std::intptr_t handle) {
    const auto start = std::chrono::steady_clock::now();
    const bool ok = ::FlushFileBuffers(AsHandle(handle)) != 0;
    g_FlushNanoseconds +=
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
            .count();
    return ok || Failed();
}

void Close(std::intptr_t handle) {
    if (handle >= 0)
        ::CloseHandle(AsHandle(handle));
}

bool Replace(const std::string& from, const std::string& to) {
    // A read-only mark on the old file would refuse the replacement.
    const DWORD attributes = ::GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ::SetFileAttributesA(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0 ||
           Failed();
}

// MOVEFILE_WRITE_THROUGH has flushed the rename already.
bool FlushFolderOf(const std::string&) {
    return true;
}

bool Remove(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != 0 || Failed();
}

bool LinkOrCopy(const std::string& path, const std::string& copy) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Failed();
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
        ::CreateHardLinkA(copy.c_str(), path.c_str(), nullptr))
        return true;
    // CopyFile keeps the time and the attributes; fail if copy exists, never replace.
    if (!::CopyFileA(path.c_str(), copy.c_str(), TRUE))
        return Failed();
    const HANDLE h =
        ::CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool flushed = h != INVALID_HANDLE_VALUE && Flush(FromHandle(h));
    if (h != INVALID_HANDLE_VALUE)
        ::CloseHandle(h);
    if (!flushed) {
        const std::string reason = LastErrorText();
        ::DeleteFileA(copy.c_str());
        g_LastError = reason;
    }
    return flushed;
}

std::string LastErrorText() {
    return g_LastError;
}

std::int64_t FlushNanoseconds() {
    return g_FlushNanoseconds.load();
}

void CreateParentFolders(const std::string& path) {
    std::error_code ec;
    const auto parent = HostPath(path).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent, ec);
}

} // namespace tv::iniio
