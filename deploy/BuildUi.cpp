#include "deploy/BuildUi.h"

#include <array>
#include <sstream>

namespace tv {

namespace {

const std::array<std::string, kProgressLineCount> kCaptions = {
    "/im{0}/oh{4} Creating Deployment Folder",      "/im{0}/oh{4} Copying presetup && data files",
    "/im{0}/oh{4} Building TZNS ini file",          "/im{0}/oh{4} Building installation files",
    "/im{0}/oh{4} Building Tamrin Installer setup", "/im{0}/oh{4} Compiling Tamrin Installer setup",
};

constexpr std::size_t kStateDigit = 4; // "/im{" then the digit

} // namespace

const std::string& ProgressCaption(int line) {
    static const std::string none;
    return line >= 0 && line < kProgressLineCount ? kCaptions[line] : none;
}

std::string ProgressCaption(int line, int state) {
    std::string caption = ProgressCaption(line);
    if (caption.size() > kStateDigit && state >= 0 && state <= 9)
        caption[kStateDigit] = static_cast<char>('0' + state);
    return caption;
}

std::string ProgressText(int line) {
    std::string text = ProgressCaption(line);
    const std::size_t start = text.find("} ");
    text = start == std::string::npos ? text : text.substr(start + 2);
    // "&&" is the markup's escaped ampersand.
    for (std::size_t p = text.find("&&"); p != std::string::npos; p = text.find("&&", p + 1))
        text.erase(p, 1);
    return text;
}

std::string SizeText(std::uint64_t bytes) {
    std::ostringstream s;
    s.setf(std::ios::fixed);
    s.precision(1);
    if (bytes >= (1u << 30))
        s << bytes / double(1u << 30) << " GiB";
    else if (bytes >= (1u << 20))
        s << bytes / double(1u << 20) << " MiB";
    else if (bytes >= 1024)
        s << bytes / 1024.0 << " KiB";
    else
        s << bytes << " B";
    return s.str();
}

std::string CopiedText(int files, std::uint64_t bytes, int kept) {
    return std::to_string(files) + (files == 1 ? " file, " : " files, ") + SizeText(bytes) +
           (kept > 0 ? ", " + std::to_string(kept) + " unchanged" : std::string());
}

std::string CopyingText(const std::string& fileName) {
    return "Copying \"" + fileName + "\"...\"";
}

} // namespace tv
