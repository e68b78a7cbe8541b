#include "core/HostPath.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace tv {

// Through the wide form, converted with the ANSI code page: the one the narrow file API uses.
std::filesystem::path HostPath(const std::string& host) {
    if (host.empty())
        return {};
    const int size = static_cast<int>(host.size());
    const int n = ::MultiByteToWideChar(CP_ACP, 0, host.data(), size, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, host.data(), size, wide.data(), n);
    return std::filesystem::path(wide);
}

std::string PathToHost(const std::filesystem::path& path) {
    const std::wstring wide = path.wstring();
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    // No best-fit mapping: a character turned into a similar one could name another, existing file.
    const int n =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return {};
    std::string host(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, host.data(), n, nullptr, nullptr);
    return host;
}

} // namespace tv
