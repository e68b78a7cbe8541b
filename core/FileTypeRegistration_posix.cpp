#include "core/FileTypeRegistration.h"

#include "core/DocumentCommands.h"

#include "TamveloxVersion.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tv {

namespace fs = std::filesystem;

const char* const kProjectMimeType = "application/x-tamvelox-project";
const char* const kDesktopEntryId = "org.tamvelox.tamvelox.desktop";

namespace {

std::string XmlEscaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// One argument of an Exec line: quoted, with the characters the quoting reserves escaped, then
// escaped once more as a desktop-entry string value; a literal % is doubled.
std::string ExecArgument(const std::string& arg) {
    std::string quoted = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string out;
    for (char c : quoted) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '%')
            out += "%%";
        else
            out += c;
    }
    return out;
}

// A desktop-entry string value: no line breaks allowed.
std::string EntryValue(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

bool ReadWhole(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes text to path unless the file already holds exactly that. The new content goes to a
// temporary file first and replaces the old one in one step. *changed tells whether it wrote.
bool WriteIfDifferent(const fs::path& path, const std::string& text, bool* changed, std::string* error) {
    *changed = false;
    std::string current;
    if (ReadWhole(path, current) && current == text)
        return true;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (ec) {
        if (error)
            *error = "Cannot create folder " + path.parent_path().u8string() + ": " + ec.message();
        return false;
    }
    const fs::path temp = path.u8string() + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            if (error)
                *error = "Cannot write file " + temp.u8string();
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        if (error)
            *error = "Cannot write file " + path.u8string() + ": " + ec.message();
        fs::remove(temp, ec);
        return false;
    }
    *changed = true;
    return true;
}

// Runs a desktop database tool when it is installed; its outcome does not matter to us (the
// files are in place either way, the tool only refreshes caches).
void RunQuietly(const char* tool, const std::string& arg) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string toolName = tool;
    std::string argument = arg;
    char* argv[] = {toolName.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, tool, &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

std::string XdgDataHome() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data && fs::path(data).is_absolute())
        return data;
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.local/share";
    return {};
}

std::string MimePackagePath(const std::string& dataHome) {
    return dataHome + "/mime/packages/tamvelox.xml";
}

std::string DesktopEntryPath(const std::string& dataHome) {
    return dataHome + "/applications/" + kDesktopEntryId;
}

std::string SystemDesktopEntry() {
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    const std::string list = dirs && *dirs ? dirs : "/usr/local/share/:/usr/share/";
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string dir = list.substr(start, end - start);
        start = end + 1;
        if (dir.empty() || dir.front() != '/')
            continue;
        std::error_code ec;
        const fs::path entry = fs::u8path(dir) / "applications" / kDesktopEntryId;
        if (fs::is_regular_file(entry, ec))
            return entry.u8string();
    }
    return {};
}

std::string MimePackageXml(const TFileTypeInfo& info) {
    std::ostringstream s;
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      << "  <mime-type type=\"" << kProjectMimeType << "\">\n"
      << "    <comment>" << XmlEscaped(info.TypeDescription) << "</comment>\n"
      << "    <sub-class-of type=\"text/plain\"/>\n"
      // Above the default weight: the extension decides over other types' looser rules.
      << "    <glob pattern=\"*" << XmlEscaped(info.Extension) << "\" weight=\"60\"/>\n"
      << "  </mime-type>\n"
      << "</mime-info>\n";
    return s.str();
}

std::string DesktopEntryText(const TFileTypeInfo& info) {
    std::ostringstream s;
    s << "[Desktop Entry]\n"
      << "Type=Application\n"
      << "Name=" << EntryValue(info.FileDescription) << "\n"
      << "Comment=" << EntryValue(info.TypeDescription) << "\n"
      << "Exec=" << ExecArgument(info.ExecutablePath)
      << " %f\n"
      // Without the program (uninstalled, or a build tree removed) the desktop hides the entry.
      << "TryExec=" << EntryValue(info.ExecutablePath) << "\n"
      << "Icon=" << EntryValue(info.Icon) << "\n"
      << "MimeType=" << kProjectMimeType << ";\n"
      << "Terminal=false\n"
      << "Categories=Development;\n";
    return s.str();
}

std::string DesktopIcon(const std::string& exeDir) {
    const std::string name = "tamvelox";
    std::error_code ec;
    const std::string prefixData = InstalledDataDir(exeDir);
    if (!prefixData.empty() &&
        fs::exists(fs::u8path(prefixData).parent_path() / "icons/hicolor/scalable/apps" / (name + ".svg"),
                   ec))
        return name;
#ifdef TAMVELOX_SOURCE_DIR
    // A development build run from its tree shows the icon of the sources.
    const fs::path source = fs::u8path(TAMVELOX_SOURCE_DIR) / "resources/icons" / (name + ".svg");
    if (fs::exists(source, ec))
        return source.u8string();
#endif
    return name;
}

namespace {

// Whether the file at path is one this program wrote: its entries begin as ours do, and name our
// MIME type. A file the user made or edited differently is left alone.
bool WrittenByUs(const fs::path& path, const std::string& beginning) {
    std::string text;
    return ReadWhole(path, text) && text.compare(0, beginning.size(), beginning) == 0 &&
           text.find(kProjectMimeType) != std::string::npos;
}

// Removes the user's copies this program wrote: the desktop entry under its ID and under the name
// earlier versions used, and the MIME package.
bool RemoveOwnCopies(const std::string& dataHome, std::string* error) {
    const TFileTypeInfo defaults;
    // What every version writes before the program's own path and the glob.
    const auto before = [](const std::string& text, const char* marker) {
        return text.substr(0, text.find(marker));
    };
    const std::string entryStart = before(DesktopEntryText(defaults), "Exec=");
    const std::string mimeStart = before(MimePackageXml(defaults), "<glob");
    const fs::path entries[] = {fs::u8path(DesktopEntryPath(dataHome)),
                                fs::u8path(dataHome + "/applications/tamvelox.desktop")};
    bool entryGone = false, mimeGone = false;
    for (const fs::path& entry : entries) {
        if (!WrittenByUs(entry, entryStart))
            continue;
        std::error_code ec;
        if (!fs::remove(entry, ec) && ec) {
            if (error)
                *error = "Cannot remove " + entry.u8string() + ": " + ec.message();
            return false;
        }
        entryGone = true;
    }
    const fs::path mime = fs::u8path(MimePackagePath(dataHome));
    if (WrittenByUs(mime, mimeStart)) {
        std::error_code ec;
        if (!fs::remove(mime, ec) && ec) {
            if (error)
                *error = "Cannot remove " + mime.u8string() + ": " + ec.message();
            return false;
        }
        mimeGone = true;
    }
    if (mimeGone)
        RunQuietly("update-mime-database", dataHome + "/mime");
    if (entryGone)
        RunQuietly("update-desktop-database", dataHome + "/applications");
    return true;
}

} // namespace

bool UnregisterFileType(std::string* error) {
    const std::string dataHome = XdgDataHome();
    if (dataHome.empty()) {
        if (error)
            *error = "Neither XDG_DATA_HOME nor HOME is set";
        return false;
    }
    return RemoveOwnCopies(dataHome, error);
}

bool RegisterFileType(const TFileTypeInfo& info, std::string* error) {
    const std::string dataHome = XdgDataHome();
    if (dataHome.empty()) {
        if (error)
            *error = "Neither XDG_DATA_HOME nor HOME is set";
        return false;
    }
    // An installed package registers the type for everyone; a copy of ours would only hide its entry.
    if (!SystemDesktopEntry().empty()) {
        return RemoveOwnCopies(dataHome, error);
    }
    if (info.ExecutablePath.empty()) {
        if (error)
            *error = "The program's path is unknown";
        return false;
    }
    bool mimeChanged = false;
    if (!WriteIfDifferent(fs::u8path(MimePackagePath(dataHome)), MimePackageXml(info), &mimeChanged, error))
        return false;
    if (mimeChanged)
        RunQuietly("update-mime-database", dataHome + "/mime");
    bool entryChanged = false;
    if (!WriteIfDifferent(fs::u8path(DesktopEntryPath(dataHome)), DesktopEntryText(info), &entryChanged,
                          error))
        return false;
    if (entryChanged)
        RunQuietly("update-desktop-database", dataHome + "/applications");
    return true;
}

} // namespace tv
