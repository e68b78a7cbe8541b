#include "deploy/FileUtils.h"

#include "core/HostPath.h"
#include "deploy/DeployError.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace tv {

namespace fs = std::filesystem;

std::string IncludeTrailingBackslash(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path : path + '\\';
}

std::string ExcludeTrailingBackslash(const std::string& path) {
    return !path.empty() && path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
}

std::string StripFirstLast(const std::string& text) {
    return text.size() < 3 ? std::string() : text.substr(1, text.size() - 2);
}

bool HasParentComponent(const std::string& subPath) {
    std::size_t start = 0;
    while (start <= subPath.size()) {
        std::size_t end = subPath.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = subPath.size();
        if (subPath.compare(start, end - start, "..") == 0 && end - start == 2)
            return true;
        start = end + 1;
    }
    return false;
}

void CopyFile(const std::string& source, const std::string& dest, const TCopyProgress& progress,
              bool append) {
    std::string why;
    if (!fileio::CopyChunked(source, dest, progress, append, &why))
        throw EDeployError(
            "Could not copy \"" + HostPathShown(source) + "\" to \"" + HostPathShown(dest) + "\"", why);
}

bool FileHolds(const std::string& path, const std::string& bytes) {
    // Looked at before it is opened: a FIFO or a device in its place is never read.
    TFileLooks looks;
    const TFileLook& look = looks(path);
    if (look.Link || !look.Problem.empty() || look.Size != bytes.size())
        return false;
    std::ifstream in(path, std::ios::binary);
    std::string held(bytes.size(), '\0');
    return in.read(held.data(), static_cast<std::streamsize>(held.size())) && in.peek() == EOF &&
           held == bytes;
}

std::string HostPathShown(const std::string& host) {
    return HostToUtf8(host);
}

bool IsPathDelimiter(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/' || c == '\\';
#endif
}

std::string SourceNameProblem(const std::string& hostPath) {
#ifdef _WIN32
    (void)hostPath;
    return {};
#else
    const std::size_t slash = hostPath.rfind('/');
    const std::string name = slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
    if (name.find('\\') == std::string::npos)
        return {};
    return "its name \"" + HostPathShown(name) + "\" holds a \"\\\", which a Windows file name cannot hold";
#endif
}

namespace {

std::size_t LastDelimiter(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsPathDelimiter(path[i - 1]))
            return i - 1;
    return std::string::npos;
}

bool IsRoot(const std::string& path) {
#ifdef _WIN32
    return path.size() == 1 ? IsPathDelimiter(path[0])
                            : path.size() == 3 && path[1] == ':' && IsPathDelimiter(path[2]);
#else
    return path == "/";
#endif
}

} // namespace

std::string ExtractFileName(const std::string& path) {
    const std::size_t p = LastDelimiter(path);
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string ExtractFilePath(const std::string& path) {
    const std::size_t p = LastDelimiter(path);
    return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const std::size_t dot = path.rfind('.');
    const std::size_t delim = LastDelimiter(path);
    if (dot == std::string::npos || (delim != std::string::npos && dot < delim))
        return path + ext;
    return path.substr(0, dot) + ext;
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    return !path.empty() && IsPathDelimiter(path.back()) ? path : path + kPathDelim;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
    if (path.empty() || !IsPathDelimiter(path.back()) || IsRoot(path))
        return path;
    return path.substr(0, path.size() - 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    return IncludeTrailingPathDelimiter(folder) + name;
}

bool IsAbsolutePath(const std::string& path) {
#ifdef _WIN32
    if (path.size() >= 2 && (path[0] == '\\' || path[0] == '/'))
        return true;
    return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
#else
    return !path.empty() && path[0] == '/';
#endif
}

std::string ResolvePath(const std::string& baseFolder, const std::string& path) {
    if (path.empty() || IsAbsolutePath(path) || baseFolder.empty())
        return path;
    return JoinPath(baseFolder, path);
}

std::string EngineSubPathToHost(const std::string& subPath) {
    std::string host = subPath;
    for (char& c : host)
        if (c == '\\' || c == '/')
            c = kPathDelim;
    while (!host.empty() && host.back() == kPathDelim)
        host.pop_back();
    return host;
}

std::string NormalizedPath(const std::string& path) {
    std::error_code ec;
    const fs::path host = HostPath(path);
    fs::path p = fs::absolute(host, ec);
    if (ec)
        p = host;
    fs::path canonical = fs::weakly_canonical(p, ec);
    if (ec)
        canonical = p.lexically_normal();
    std::string result = PathToHost(canonical);
    return ExcludeTrailingPathDelimiter(result);
}

bool IsPathInside(const std::string& path, const std::string& folder) {
    return IsNormalizedPathInside(NormalizedPath(path), NormalizedPath(folder));
}

bool IsNormalizedPathInside(const std::string& p, const std::string& f) {
    if (p.size() < f.size())
        return false;
#ifdef _WIN32
    auto eq = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    if (!std::equal(f.begin(), f.end(), p.begin(), eq))
        return false;
#else
    if (p.compare(0, f.size(), f) != 0)
        return false;
#endif
    return p.size() == f.size() || IsPathDelimiter(p[f.size()]) || IsRoot(f);
}

} // namespace tv
