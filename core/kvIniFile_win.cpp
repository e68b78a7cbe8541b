// Windows file layer of the keyed INI store: share modes keep other writers out while a store
// holds its file; readers of other programs are let in.
#include "core/kvIniFile.h"

#include "core/HostPath.h"
#include "core/WinError.h"

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

std::intptr_t OpenExisting(const std::string& path, bool readOnly) {
    if (readOnly)
        return FromHandle(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return FromHandle(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::intptr_t OpenForWrite(const std::string& path) {
    return FromHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ReadAll(std::intptr_t handle, std::string& out) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(AsHandle(handle), &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    LARGE_INTEGER start{};
    if (!::SetFilePointerEx(AsHandle(handle), start, nullptr, FILE_BEGIN))
        return false;
    out.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < out.size()) {
        DWORD n = 0;
        if (!::ReadFile(AsHandle(handle), &out[done], static_cast<DWORD>(out.size() - done), &n, nullptr))
            return false;
        if (n == 0)
            break;
        done += n;
    }
    out.resize(done);
    return true;
}

bool WriteAll(std::intptr_t handle, const std::string& data) {
    LARGE_INTEGER start{};
    if (!::SetFilePointerEx(AsHandle(handle), start, nullptr, FILE_BEGIN))
        return false;
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD n = 0;
        if (!::WriteFile(AsHandle(handle), data.data() + done, static_cast<DWORD>(data.size() - done), &n,
                         nullptr) ||
            n == 0)
            return false;
        done += n;
    }
    return ::SetEndOfFile(AsHandle(handle)) != 0;
}

void Close(std::intptr_t handle) {
    if (handle >= 0)
        ::CloseHandle(AsHandle(handle));
}

std::string LastErrorText() {
    return WinErrorText(GetLastError());
}

void CreateParentFolders(const std::string& path) {
    std::error_code ec;
    const auto parent = HostPath(path).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent, ec);
}

} // namespace tv::iniio
