#include "deploy/DesktopEntry.h"

#include "deploy/FileUtils.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tv {

namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string Home() {
    return Env("HOME");
}

std::vector<std::string> SplitList(const std::string& text, char sep) {
    std::vector<std::string> items;
    std::stringstream ss(text);
    std::string item;
    while (std::getline(ss, item, sep))
        if (!item.empty())
            items.push_back(item);
    return items;
}

std::string Trim(const std::string& s) {
    const std::size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos)
        return {};
    const std::size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

// Values of key in group of an INI-like desktop file ("" when absent).
std::string ReadKey(const std::string& file, const std::string& group, const std::string& key) {
    std::ifstream in(file);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        if (line.front() == '[') {
            inGroup = line == "[" + group + "]";
            continue;
        }
        if (!inGroup)
            continue;
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && Trim(line.substr(0, eq)) == key)
            return Trim(line.substr(eq + 1));
    }
    return {};
}

// The first listed id of a "mime=a.desktop;b.desktop;" value that has an entry.
std::string FirstExisting(const std::string& ids) {
    for (const std::string& id : SplitList(ids, ';'))
        if (!FindDesktopFile(Trim(id)).empty())
            return Trim(id);
    return {};
}

} // namespace

std::vector<std::string> XdgConfigDirs() {
    std::vector<std::string> dirs;
    const std::string home = Env("XDG_CONFIG_HOME");
    dirs.push_back(!home.empty() ? home : JoinPath(Home(), ".config"));
    const std::string rest = Env("XDG_CONFIG_DIRS");
    for (const std::string& d : SplitList(rest.empty() ? "/etc/xdg" : rest, ':'))
        dirs.push_back(d);
    return dirs;
}

std::vector<std::string> XdgDataDirs() {
    std::vector<std::string> dirs;
    const std::string home = Env("XDG_DATA_HOME");
    dirs.push_back(!home.empty() ? home : JoinPath(Home(), ".local/share"));
    const std::string rest = Env("XDG_DATA_DIRS");
    for (const std::string& d : SplitList(rest.empty() ? "/usr/local/share:/usr/share" : rest, ':'))
        dirs.push_back(d);
    return dirs;
}

std::string FindDesktopFile(const std::string& desktopId) {
    if (desktopId.empty() || desktopId.find('/') != std::string::npos)
        return {};
    for (const std::string& data : XdgDataDirs()) {
        const std::string apps = JoinPath(data, "applications");
        const std::string direct = JoinPath(apps, desktopId);
        if (FileExists(direct))
            return direct;
        // "vendor-app.desktop" may be applications/vendor/app.desktop (or deeper).
        std::string nested = desktopId;
        for (std::size_t p = nested.find('-'); p != std::string::npos; p = nested.find('-', p + 1)) {
            nested[p] = '/';
            if (FileExists(JoinPath(apps, nested)))
                return JoinPath(apps, nested);
        }
    }
    return {};
}

std::string DefaultDesktopIdFromLists(const std::string& mimeType) {
    std::vector<std::string> lists;
    for (const std::string& d : XdgConfigDirs())
        lists.push_back(JoinPath(d, "mimeapps.list"));
    for (const std::string& d : XdgDataDirs())
        lists.push_back(JoinPath(d, "applications/mimeapps.list"));
    for (const char* group : {"Default Applications", "Added Associations"})
        for (const std::string& list : lists)
            if (const std::string id = FirstExisting(ReadKey(list, group, mimeType)); !id.empty())
                return id;
    for (const std::string& d : XdgDataDirs())
        if (const std::string id =
                FirstExisting(ReadKey(JoinPath(d, "applications/mimeinfo.cache"), "MIME Cache", mimeType));
            !id.empty())
            return id;
    return {};
}

std::string ReadDesktopExec(const std::string& desktopFile) {
    const std::string raw = ReadKey(desktopFile, "Desktop Entry", "Exec");
    // The general escapes of string values.
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            const char n = raw[++i];
            switch (n) {
            case 's':
                value += ' ';
                break;
            case 'n':
                value += '\n';
                break;
            case 't':
                value += '\t';
                break;
            case 'r':
                value += '\r';
                break;
            case '\\':
                value += '\\';
                break;
            default:
                value += '\\';
                value += n;
                break;
            }
        } else {
            value += raw[i];
        }
    }
    return value;
}

std::vector<std::string> DesktopExecArguments(const std::string& exec, const std::string& file,
                                              const std::string& desktopFile) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, inQuotes = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (inQuotes) {
            if (c == '\\' && i + 1 < exec.size() &&
                std::string("\"`$\\").find(exec[i + 1]) != std::string::npos)
                word += exec[++i];
            else if (c == '"')
                inQuotes = false;
            else
                word += c;
        } else if (c == '"') {
            inQuotes = inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);

    std::vector<std::string> args;
    bool fileUsed = false;
    for (const std::string& in : words) {
        if (in == "%i" || in == "%c" || in == "%k") {
            if (in == "%k" && !desktopFile.empty())
                args.push_back(desktopFile);
            continue;
        }
        std::string out;
        bool dropped = false;
        for (std::size_t i = 0; i < in.size(); ++i) {
            if (in[i] != '%' || i + 1 >= in.size()) {
                out += in[i];
                continue;
            }
            const char code = in[++i];
            switch (code) {
            case '%':
                out += '%';
                break;
            case 'f':
            case 'F':
            case 'u':
            case 'U':
                out += file;
                fileUsed = true;
                break;
            case 'k':
                out += desktopFile;
                break;
            default:
                dropped = dropped || in.size() == 2;
                break; // %i %c %d %D %n %N %v %m
            }
        }
        if (!(dropped && out.empty()))
            args.push_back(out);
    }
    if (!fileUsed && !args.empty())
        args.push_back(file);
    return args;
}

} // namespace tv
