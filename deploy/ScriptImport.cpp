#include "deploy/ScriptImport.h"

#include "core/CaseFold.h"
#include "core/HostPath.h"
#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"
#include "deploy/FileUtils.h"
#include "deploy/ScriptWriter.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <unordered_set>

namespace tv {

namespace {

namespace fs = std::filesystem;

// Every line as written: comments, lines without "=" and blanks are kept, so that nothing the files
// hold can slip past the comparison with what the writers would write.
TIniParseOptions RawLines() {
    TIniParseOptions o;
    o.SkipComments = false;
    o.RequireEquals = false;
    o.TrimAroundEquals = false;
    o.Unquote = false;
    o.TrimTrailing = false;
    return o;
}

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlankOrTab(s[b]))
        ++b;
    while (e > b && IsBlankOrTab(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

struct TKeyValue {
    std::string Key;
    std::string Value;
};

// A line as a key and its value. The writers put nothing around "=", so a value is taken as written;
// only a hand-written "key = value" loses the blanks that set it apart.
TKeyValue SplitLine(const std::string& line) {
    const std::size_t eq = line.find('=');
    const std::string rawKey = line.substr(0, eq);
    std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
    if (!rawKey.empty() && IsBlankOrTab(rawKey.back())) {
        std::size_t b = 0;
        while (b < value.size() && IsBlankOrTab(value[b]))
            ++b;
        value.erase(0, b);
    }
    return {Trimmed(rawKey), value};
}

// A line the engine reads as an entry: a comment or a line without "=" is none (the comparison with
// what the writers make lists them).
bool IsEntry(const std::string& line) {
    return !line.empty() && line[0] != ';' && line.find('=') != std::string::npos;
}

// A line for a message (UTF-8, quoted).
std::string Shown(const std::string& ansi) {
    return "\"" + AnsiToUtf8(ansi) + "\"";
}

// One engine file as the import reads it.
class TEngineText final {
public:
    explicit TEngineText(std::string label) : m_Label(std::move(label)) {}

    // Throws EInOutError when the bytes cannot be read (a NUL byte, a UTF-8 file the code page
    // cannot hold). A second section of one name is not read by anyone: it is listed.
    void Load(const std::string& bytes, const std::string& fileName, std::vector<std::string>& losses) {
        m_Ini.SetOnDuplicateSection(
            [&](const std::string& name, const std::vector<std::string>&, const std::vector<std::string>&) {
                losses.push_back(m_Label + ": the section [" + AnsiToUtf8(name) +
                                 "] appears twice; only the first is read.");
                return true;
            });
        m_Ini.LoadText(bytes, fileName);
        m_Ini.SetOnDuplicateSection(nullptr);
        m_Loaded = true;
    }
    bool Loaded() const { return m_Loaded; }
    const std::string& Label() const { return m_Label; }
    const TSectionList& Sections() const { return m_Ini.Sections(); }

    const std::vector<std::string>& Lines(const std::string& section) const {
        static const std::vector<std::string> none;
        const int i = m_Ini.Sections().IndexFrom(section, 0);
        return i < 0 ? none : m_Ini.Sections()[i].Lines;
    }
    std::optional<std::string> Value(const std::string& section, const std::string& key) const {
        for (const std::string& line : Lines(section)) {
            TKeyValue kv = SplitLine(line);
            if (SameText(kv.Key, key))
                return std::move(kv.Value);
        }
        return std::nullopt;
    }
    void Text(const std::string& section, const std::string& key, std::string& target) const {
        if (auto v = Value(section, key))
            target = std::move(*v);
    }

private:
    std::string m_Label;
    TkvIniFile m_Ini{"", true, RawLines()};
    bool m_Loaded = false;
};

// Files of a folder found by name, exactly or else without regard to letter case.
class TFolderFiles final {
public:
    TFolderFiles(std::string folder, const std::vector<std::string>& names) : m_Folder(std::move(folder)) {
        for (const std::string& n : names) {
            m_Exact.insert(n);
            m_Folded.emplace(FoldCase(n), n);
        }
    }
    // The name as it is in the folder; empty when there is no such file.
    std::string Find(const std::string& name) const {
        if (m_Exact.count(name))
            return name;
        const auto it = m_Folded.find(FoldCase(name));
        return it == m_Folded.end() ? std::string() : it->second;
    }
    // The file's host path, marking it as taken; its expected path when it is missing.
    std::string Take(const std::string& name, bool& found) {
        const std::string actual = Find(name);
        found = !actual.empty();
        if (found)
            m_Taken.insert(actual);
        std::string relative = found ? actual : name; // "/"-separated
        std::replace(relative.begin(), relative.end(), '/', kPathDelim);
        return JoinPath(m_Folder, relative);
    }
    void MarkTaken(const std::string& name) {
        if (const std::string actual = Find(name); !actual.empty())
            m_Taken.insert(actual);
    }
    std::vector<std::string> Untaken() const {
        std::vector<std::string> out;
        for (const auto& [folded, name] : m_Folded)
            if (!m_Taken.count(name))
                out.push_back(name);
        for (const std::string& name : m_Exact) // names that differ only in case share a folded slot
            if (!m_Taken.count(name) && m_Folded.at(FoldCase(name)) != name)
                out.push_back(name);
        return out;
    }

private:
    std::string m_Folder;
    std::set<std::string> m_Exact;
    std::map<std::string, std::string> m_Folded;
    std::set<std::string> m_Taken;
};

class TImport final {
public:
    TImport(const TEngineFiles& files, TImportedScript& out)
        : m_Files(files), m_Out(out), m_P(out.Project), m_Losses(out.Losses),
          m_Presetup(files.Presetup, files.PresetupFiles), m_Data(files.Data, files.DataFiles) {}

    void Run();

private:
    const TEngineFiles& m_Files;
    TImportedScript& m_Out;
    TProject& m_P;
    std::vector<std::string>& m_Losses;
    TFolderFiles m_Presetup, m_Data;
    TEngineText m_Script{HostToUtf8(ExtractFileName(m_Files.ScriptPath))};
    TEngineText m_Settings{kSettingsFileName};
    TEngineText m_Install{kInstallFileName};
    bool m_HostNamesLost = false;

    // A host path as a project value; a path the code page cannot name is listed once.
    std::string Ansi(const std::string& host) {
        if (auto a = HostToAnsi(host))
            return *a;
        if (!m_HostNamesLost)
            m_Losses.push_back("The path " + HostPathShown(host) +
                               " holds characters the project's code page cannot hold; such paths are "
                               "kept as they are and will not name their files.");
        m_HostNamesLost = true;
        return host;
    }
    // A file of Presetup named by an engine value, as a project value; a missing one is listed.
    std::string PresetupFile(const std::string& ansiName, const std::string& what) {
        bool found = false;
        const std::string path = m_Presetup.Take(AnsiToHost(ansiName), found);
        if (!found)
            m_Losses.push_back(what + " " + Shown(ansiName) + " is not in the image folder's Presetup.");
        return Ansi(path);
    }

    void LoadPresetup(TEngineText& text, const std::optional<std::string>& bytes, const char* name);
    void ReadScript();
    void ReadSettings();
    void ReadInstall();
    void ReadRunList(const TEngineText& text, const std::string& section, TRunList& list);
    void ApplyLimits();
    void ListUntakenFiles();
    void Compare(const TEngineText& original, const std::string& rewritten);
};

// `"<app>","<arg>","<dir>",<mode>,"<message>",<wait>` as the five texts of a run row. A value of
// another form is taken whole as the program, and the comparison lists it.
TRunRecord ParseRunEntry(const std::string& v) {
    TRunRecord r;
    const auto npos = std::string::npos;
    const std::size_t p1 = v.size() > 1 && v[0] == '"' ? v.find("\",\"", 1) : npos;
    const std::size_t p2 = p1 == npos ? npos : v.find("\",\"", p1 + 3);
    const std::size_t p3 = p2 == npos ? npos : v.find("\",", p2 + 3);
    const std::size_t p4 = p3 == npos ? npos : v.find(",\"", p3 + 2);
    const std::size_t p5 = p4 == npos ? npos : v.rfind("\",");
    if (p5 == npos || p5 < p4 + 2) {
        r.Application = v;
        return r;
    }
    r.Application = v.substr(1, p1 - 1);
    r.Argument = v.substr(p1 + 3, p2 - p1 - 3);
    r.WorkingDirectory = v.substr(p2 + 3, p3 - p2 - 3);
    r.Flag = v.substr(p3 + 2, p4 - p3 - 2);
    r.Message = v.substr(p4 + 2, p5 - p4 - 2);
    r.Flag += v.substr(p5 + 2);
    return r;
}

void TImport::LoadPresetup(TEngineText& text, const std::optional<std::string>& bytes, const char* name) {
    m_Presetup.MarkTaken(name);
    if (!bytes) {
        m_Losses.push_back(std::string("The image folder has no Presetup/") + name +
                           ": the project lacks everything it would hold.");
        return;
    }
    try {
        text.Load(*bytes, JoinPath(m_Files.Presetup, name), m_Losses);
    } catch (const ETvError& e) {
        m_Losses.push_back(e.Text() + "; nothing of it is kept.");
    }
}

void TImport::Run() {
    try {
        m_Script.Load(m_Files.Script, m_Files.ScriptPath, m_Losses);
    } catch (const ETvError& e) {
        throw ETvError("Cannot read the engine script " + HostPathShown(m_Files.ScriptPath), e.Text());
    }
    const auto imagePath = m_Script.Value("Config", "ImagePath");
    if (!imagePath || imagePath->empty())
        throw ETvError(HostPathShown(m_Files.ScriptPath) +
                       " is no engine script: it names no image folder ([Config] ImagePath).");
    m_Out.ProjectName = *imagePath;

    // The settings the engine files do not hold take a new project's values.
    NewProject(m_P, std::string());
    m_P.DialogTitleBMP.clear();
    m_P.MiscDeployment = Ansi(ExcludeTrailingPathDelimiter(ExtractFilePath(m_Files.ScriptPath)));
    ReadScript();

    if (!m_Files.ImageFound) {
        m_Losses.push_back("The image folder " + HostPathShown(m_Files.ImageRoot) +
                           " that the script names does not exist: the project holds only what the script "
                           "itself holds.");
    } else {
        LoadPresetup(m_Settings, m_Files.Settings, kSettingsFileName);
        LoadPresetup(m_Install, m_Files.Install, kInstallFileName);
        ReadSettings();
        ReadInstall();
    }
    ApplyLimits();
    if (m_Files.ImageFound)
        ListUntakenFiles();
    for (const std::string& problem : CheckProjectLimits(m_P))
        m_Losses.push_back(problem);

    // The proof that nothing else is lost: what the writers make of the project, line by line.
    TProject named = m_P;
    named.FileName = JoinPath(ExtractFilePath(m_Files.ScriptPath), AnsiToHost(*imagePath) + ".tvx");
    const TEngineTexts again = EngineFileTexts(named);
    Compare(m_Script, again.Script);
    if (m_Settings.Loaded())
        Compare(m_Settings, again.Settings);
    if (m_Install.Loaded())
        Compare(m_Install, again.Install);
}

void TImport::ReadScript() {
    m_Script.Text("Config", "Password", m_P.MiscPassword);
}

void TImport::ReadSettings() {
    const TEngineText& s = m_Settings;
    const std::string cfg = "Config";
    if (const auto seq = s.Value(cfg, "PreInstallDialogSequence")) {
        std::set<std::string> words;
        std::string rest = *seq;
        while (!rest.empty())
            words.insert(Trimmed(SplitFirst(rest, ",")));
        m_P.DlgReadme = words.count("DLG_README") > 0;
        m_P.DlgWelcome = words.count("DLG_WELCOME") > 0;
        m_P.DlgLicense = words.count("DLG_LICENSE") > 0;
        m_P.DlgDir = words.count("DLG_DIR") > 0;
        m_P.DlgGroup = words.count("DLG_GROUP") > 0;
        m_P.DlgStart = words.count("DLG_START") > 0;
    }
    // The settings the writer takes from the project as they are, read as the project file reads
    // them.
    for (const TSettingsFileKey& k : SettingsFileKeys())
        if (const auto v = k.Setting ? s.Value(k.Section, k.Key) : std::nullopt)
            SetSettingText(m_P, *k.Setting, *v, SettingText(m_P, *k.Setting));
    if (auto pos = s.Value("Display", "DialogPosition")) {
        // Only the three positions a project can choose; another stays as a new project has it.
        const std::string x = SplitFirst(*pos, ",");
        std::int32_t px = 0, py = 0;
        if (TryStrToInt(x, px) && px >= 0 && px <= 2)
            m_P.DialogPosX = px;
        if (TryStrToInt(*pos, py) && py >= 0 && py <= 2)
            m_P.DialogPosY = py;
    }

    for (const std::string& line : s.Lines("StaticBitmap")) {
        if (!IsEntry(line))
            continue;
        // name, then x, y and corner, always three fields as the project file keeps them; whatever
        // follows the fourth comma is the transparent colour.
        std::string rest = SplitLine(line).Value;
        const std::string name = SplitFirst(rest, ",");
        TStaticBitmap bitmap;
        bitmap.Coord = SplitFirst(rest, ",");
        bitmap.Coord += "," + SplitFirst(rest, ",");
        bitmap.Coord += "," + SplitFirst(rest, ",");
        bitmap.Transparency = rest;
        bitmap.File = PresetupFile(name, "The static bitmap");
        m_P.StaticBitmaps.push_back(std::move(bitmap));
    }

    ReadRunList(s, "PreRunApp", m_P.RunBefore);

    const std::string var = "Variables";
    if (const auto install = s.Value(var, "InstallPath"))
        SetSettingText(m_P, *FindSetting("App.Install"), *install, *install);
    s.Text(var, "ProgramName", m_P.AppName);
    // The group's folder variable is in AppFolder, its path in ProgramGroup (without the leading "\"
    // the project's sub-path starts with).
    std::string groupPath = m_P.AppGroupFolderName;
    if (const auto group = s.Value(var, "ProgramGroup"))
        groupPath = group->empty() ? std::string() : "\\" + *group;
    std::string groupVariable = m_P.AppGroupFolder;
    if (const auto folder = s.Value(var, "AppFolder"); folder && folder->size() > 1 && (*folder)[0] == '%')
        groupVariable = folder->substr(1, folder->find('%', 1) - 1);
    const std::string groupText = "%" + groupVariable + "%" + groupPath;
    SetSettingText(m_P, *FindSetting("App.Group"), groupText, groupText);

    // Support files the build copies under fixed names.
    bool found = false;
    const std::string readme = m_Presetup.Take("readme.txt", found);
    if (found)
        m_P.AppReadme = Ansi(readme);
    const std::string license = m_Presetup.Take("license.txt", found);
    if (found)
        m_P.AppLicense = Ansi(license);
    const std::string title = m_Presetup.Take("tzns.bmp", found);
    if (found)
        m_P.DialogTitleBMP = Ansi(title);
}

void TImport::ReadRunList(const TEngineText& text, const std::string& section, TRunList& list) {
    for (const std::string& line : text.Lines(section))
        if (IsEntry(line))
            list.push_back(ParseRunEntry(SplitLine(line).Value));
}

void TImport::ReadInstall() {
    const TEngineText& s = m_Install;
    for (const std::string& group : s.Lines("CopyFiles")) {
        if (!IsEntry(group))
            continue;
        const TKeyValue g = SplitLine(group);
        for (const std::string& line : s.Lines(g.Key)) {
            const TKeyValue kv = SplitLine(line);
            const std::string& rel = kv.Key;
            if (!IsEntry(line) || rel.empty())
                continue;
            const std::size_t slash = rel.rfind('\\');
            TFileRecord rec;
            rec.FilePath = slash == std::string::npos ? g.Value : g.Value + "\\" + rel.substr(0, slash);
            const bool plain = kv.Value.compare(0, rel.size(), rel) == 0 &&
                               (kv.Value.size() == rel.size() || kv.Value[rel.size()] == ',');
            rec.SetFlagsFromText(
                plain ? std::string_view(kv.Value).substr(std::min(rel.size() + 1, kv.Value.size()))
                      : std::string_view(kv.Value));
            bool found = false;
            // Data's files are listed "/"-separated on every system.
            std::string relative = AnsiToHost(rel);
            std::replace(relative.begin(), relative.end(), '\\', '/');
            const std::string source = m_Data.Take(relative, found);
            if (!found)
                m_Losses.push_back(
                    "APP.INS lists " + Shown(rel) +
                    ", which is not in the image folder's Data: its row names a missing file.");
            rec.FileName = Ansi(source);
            m_P.tbFiles.Records.push_back(std::move(rec));
        }
    }

    for (const std::string& group : s.Lines("Shortcuts")) {
        if (!IsEntry(group))
            continue;
        const TKeyValue g = SplitLine(group);
        for (const std::string& line : s.Lines(g.Key)) {
            if (!IsEntry(line))
                continue;
            const TKeyValue kv = SplitLine(line);
            TShortcutRecord rec;
            rec.ProgramGroup = g.Value;
            rec.Shortcuts = kv.Key;
            // "<target>",<arguments>,<work directory>: arguments and folder are told apart at the
            // last comma; the writers join them again with one, whichever comma it was.
            const std::string& v = kv.Value;
            const std::size_t close = v.size() > 1 && v[0] == '"' ? v.find("\",", 1) : std::string::npos;
            if (close == std::string::npos) {
                rec.Target = v;
            } else {
                rec.Target = v.substr(1, close - 1);
                const std::string rest = v.substr(close + 2);
                const std::size_t comma = rest.rfind(',');
                rec.Arguments = comma == std::string::npos ? rest : rest.substr(0, comma);
                rec.WorkDirectory = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
            }
            m_P.tbShortcuts.Records.push_back(std::move(rec));
        }
    }

    auto contents = [&](const std::string& section) {
        std::vector<std::string> lines;
        for (const std::string& line : s.Lines(section))
            if (IsEntry(line))
                lines.push_back(line);
        return lines;
    };
    for (const std::string& line : s.Lines("AddReg")) {
        if (!IsEntry(line))
            continue;
        const std::string key = SplitLine(line).Value;
        m_P.tbRegAdd.Records.push_back({key, contents("RegAdd." + key)});
    }
    for (const std::string& line : s.Lines("DelReg")) {
        if (!IsEntry(line))
            continue;
        const std::string key = SplitLine(line).Value;
        m_P.tbRegDel.Records.push_back({key, contents("RegDel." + key)});
    }
    for (const std::string& line : s.Lines("AddINI")) {
        if (!IsEntry(line))
            continue;
        const std::string key = SplitLine(line).Key;
        m_P.tbINI.Records.push_back({key, contents("INI." + key)});
    }

    ReadRunList(s, "RunApp", m_P.RunAfter);
    ReadRunList(s, "Uninstall.PreRunApp", m_P.RunBeforeUn);
    ReadRunList(s, "Uninstall.RunApp", m_P.RunAfterUn);
}

void TImport::ApplyLimits() {
    auto cut = [&](auto& rows, std::size_t limit, const std::string& what) {
        if (rows.size() <= limit)
            return;
        m_Losses.push_back("The engine files hold " + std::to_string(rows.size()) + " " + what +
                           "; a project holds " + std::to_string(limit) + ", so the last " +
                           std::to_string(rows.size() - limit) + " are left out.");
        rows.resize(limit);
    };
    const auto rows = static_cast<std::size_t>(kMaxTableRows);
    cut(m_P.tbFiles.Records, rows, "files");
    cut(m_P.tbShortcuts.Records, rows, "shortcuts");
    cut(m_P.tbRegAdd.Records, rows, "registry keys to add");
    cut(m_P.tbRegDel.Records, rows, "registry keys to delete");
    cut(m_P.tbINI.Records, rows, "INI file sections");
    cut(m_P.StaticBitmaps, static_cast<std::size_t>(kMaxStaticBitmaps), "static bitmaps");
    cut(m_P.RunBefore, rows, "programs run before installation");
    cut(m_P.RunAfter, rows, "programs run after installation");
    cut(m_P.RunBeforeUn, rows, "programs run before uninstallation");
    cut(m_P.RunAfterUn, rows, "programs run after uninstallation");
    for (auto* table : {&m_P.tbRegAdd, &m_P.tbRegDel, &m_P.tbINI})
        table->Current = table->Empty() ? -1 : 0;
    m_P.tbFiles.Current = m_P.tbFiles.Empty() ? -1 : 0;
    m_P.tbShortcuts.Current = m_P.tbShortcuts.Empty() ? -1 : 0;
}

void TImport::ListUntakenFiles() {
    for (const std::string& name : m_Data.Untaken())
        m_Losses.push_back("Data/" + HostToUtf8(name) + " is in the image folder, but " + kInstallFileName +
                           " does not list it: it is left out.");
    for (const std::string& name : m_Presetup.Untaken())
        m_Losses.push_back(
            "Presetup/" + HostToUtf8(name) +
            " is in the image folder, but nothing the project keeps names it: it is left out.");
}

void TImport::Compare(const TEngineText& original, const std::string& rewritten) {
    std::vector<std::string> ignored;
    TEngineText again(original.Label());
    again.Load(rewritten, std::string(), ignored);
    const TSectionList& sections = original.Sections();
    for (int i = 0; i < sections.Count(); ++i) {
        const std::string& name = sections[i].Name;
        const std::vector<std::string>& written = again.Lines(name);
        const std::unordered_set<std::string> same(written.begin(), written.end());
        for (const std::string& line : sections[i].Lines) {
            if (Trimmed(line).empty() || same.count(line))
                continue;
            const std::string key = SplitLine(line).Key;
            const std::string where = original.Label() + " [" + AnsiToUtf8(name) + "]: " + Shown(line);
            auto it = std::find_if(written.begin(), written.end(),
                                   [&](const std::string& w) { return SameText(SplitLine(w).Key, key); });
            if (it == written.end())
                m_Losses.push_back(where + " is not kept.");
            else
                m_Losses.push_back(where + " becomes " + Shown(*it) + ".");
        }
    }
}

// The path below folder of a "/"-separated relative path, each name found exactly or else without
// regard to letter case; names that are not there are taken as given.
std::string FindBelow(const std::string& folder, const std::string& relative) {
    fs::path at = HostPath(folder);
    std::string rest = relative;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string name = rest.substr(0, slash);
        rest = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
        if (name.empty())
            continue;
        std::error_code ec;
        fs::path next = at / HostPath(name);
        if (!fs::exists(fs::symlink_status(next, ec))) {
            for (fs::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec))
                if (SameText(PathToHost(it->path().filename()), name)) {
                    next = it->path();
                    break;
                }
        }
        at = next;
    }
    return PathToHost(at);
}

std::optional<std::string> ReadFileIfAny(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(HostPath(path), ec))
        return std::nullopt;
    const std::intptr_t handle = iniio::OpenForReading(path);
    if (handle < 0)
        throw ETvError("Cannot open file " + HostPathShown(path), iniio::LastErrorText());
    std::string bytes;
    const bool read = iniio::ReadAll(handle, bytes);
    const std::string reason = read ? std::string() : iniio::LastErrorText();
    iniio::Close(handle);
    if (!read)
        throw ETvError("Cannot read file " + HostPathShown(path), reason);
    return bytes;
}

} // namespace

TImportedScript ImportEngineFiles(const TEngineFiles& files) {
    TImportedScript out;
    TImport(files, out).Run();
    out.Project.FileName = "*UNTITLED";
    out.Project.Modified = true;
    return out;
}

TImportedScript ImportEngineScript(const std::string& scriptPath) {
    TEngineFiles f;
    f.ScriptPath = scriptPath;
    std::error_code ec;
    const fs::file_status status = fs::status(HostPath(scriptPath), ec);
    if (!fs::exists(status))
        throw ETvError("Cannot open file " + HostPathShown(scriptPath), "it does not exist");
    if (!fs::is_regular_file(status))
        throw ETvError("Cannot open file " + HostPathShown(scriptPath), "it is not a file");
    f.Script = *ReadFileIfAny(scriptPath);

    // Where the image folder is; ImportEngineFiles refuses a script that names none.
    std::vector<std::string> ignored;
    TEngineText script(std::string{});
    try {
        script.Load(f.Script, scriptPath, ignored);
    } catch (const ETvError&) {
        return ImportEngineFiles(f);
    }
    const auto imagePath = script.Value("Config", "ImagePath");
    if (!imagePath || imagePath->empty())
        return ImportEngineFiles(f);
    const std::string folder = ExcludeTrailingPathDelimiter(ExtractFilePath(scriptPath));
    f.ImageRoot = FindBelow(folder, EngineSubPathToHost(AnsiToHost(*imagePath)));
    f.Presetup = FindBelow(f.ImageRoot, "Presetup");
    f.Data = FindBelow(f.ImageRoot, "Data");
    f.ImageFound = fs::is_directory(HostPath(f.ImageRoot), ec);
    if (f.ImageFound) {
        f.Settings = ReadFileIfAny(FindBelow(f.Presetup, kSettingsFileName));
        f.Install = ReadFileIfAny(FindBelow(f.Presetup, kInstallFileName));
        for (fs::directory_iterator it(HostPath(f.Presetup), ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec))
                f.PresetupFiles.push_back(PathToHost(it->path().filename()));
        const fs::path data = HostPath(f.Data);
        for (fs::recursive_directory_iterator it(data, ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec)) {
                std::string rel = PathToHost(it->path().lexically_relative(data));
#ifdef _WIN32
                std::replace(rel.begin(), rel.end(), '\\', '/');
#endif
                f.DataFiles.push_back(std::move(rel));
            }
    }
    return ImportEngineFiles(f);
}

} // namespace tv
