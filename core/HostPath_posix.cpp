#include "core/HostPath.h"

namespace tv {

// The host's file names are the bytes the path object holds.
std::filesystem::path HostPath(const std::string& host) {
    return std::filesystem::path(host);
}

std::string PathToHost(const std::filesystem::path& path) {
    return path.string();
}

} // namespace tv
