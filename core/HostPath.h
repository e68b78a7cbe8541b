#pragma once
// std::filesystem::path from and to host text. Host paths are UTF-8 on POSIX systems and bytes of the
// ANSI code page on Windows (the program calls the narrow Windows API). The narrow constructor and
// string() of std::filesystem::path do not agree with that on every Windows runtime (some take
// narrow text as UTF-8), so a host path goes into a path object through HostPath and comes back
// through PathToHost, never through the narrow constructor or string().

#include <filesystem>
#include <string>

namespace tv {

std::filesystem::path HostPath(const std::string& host);

// On Windows a character the ANSI code page cannot hold comes back as "?", which no file name may
// hold, so such a path names no file rather than a look-alike one.
std::string PathToHost(const std::filesystem::path& path);

} // namespace tv
