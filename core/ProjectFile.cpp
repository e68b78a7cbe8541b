#include "core/ProjectFile.h"

#include "core/HostPath.h"
#include "core/ProjectSettings.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tv {

const char* const kInfoGenerator = "Tamrin Installer Velox v1.0";
const char* const kInfoCopyright = "Copyright (c) 2000 Tamvelox developers";
const char* const kInfoHomepage = "https://tamvelox.example.org";
const char* const kInfoTznNeeded = "Tamrin Installer v1.6";
const char* const kInfoTznCopyright = "The Tamrin Installer author";
const char* const kInfoTznHomepage = "https://tamrin-installer.example.org";
const char* const kTitleBitmapName = "tzns256.bmp";

namespace {

// A run list with its section and row key.
struct TRunSection {
    const char* Section;
    const char* Key;
    TRunList TProject::*List;
};
const TRunSection kRunSections[] = {
    {"Run.Before", "RunBefore", &TProject::RunBefore},
    {"Run.After", "RunAfter", &TProject::RunAfter},
    {"Run.BeforeUn", "RunBeforeUn", &TProject::RunBeforeUn},
    {"Run.AfterUn", "RunAfterUn", &TProject::RunAfterUn},
};

// A contents table with its list section, count key, row key and the prefix of its record sections.
struct TContentsSection {
    const char* Section;
    const char* CountKey;
    const char* RowKey;
    const char* RecordPrefix;
    TRecordTable<TContentsRecord> TProject::*Table;
};
const TContentsSection kContentsSections[] = {
    {"Registry.Add", "Registries", "RegAdd", "Registry.Add.", &TProject::tbRegAdd},
    {"Registry.Del", "Registries", "RegDel", "Registry.Del.", &TProject::tbRegDel},
    {"INIChanges", "Changes", "Changes", "INIChanges.", &TProject::tbINI},
};

// First carriage return or line feed at or after pos (find_first_of is slow for this).
std::size_t FindLineBreak(const std::string& s, std::size_t pos = 0) {
    for (std::size_t i = pos; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) <= '\r' && (s[i] == '\r' || s[i] == '\n'))
            return i;
    return std::string::npos;
}

std::string Row(int n) {
    return ZeroPad(n, 3);
}

// Row counts of a loaded file: row numbers beyond the format's range would only read earlier rows
// again (the numbers are cut to their width), so they are not read.
int RowCount(std::int32_t count, int limit) {
    return std::clamp<std::int32_t>(count, 0, limit);
}

std::string JoinRow(std::initializer_list<const std::string*> fields) {
    std::string row;
    bool first = true;
    for (const auto* f : fields) {
        if (!first)
            row += '|';
        row += *f;
        first = false;
    }
    return row;
}

// ---- Load helpers

void ReadProjectFile(TProject& p, TkvIniFile& ini) {
    for (const TSetting& setting : ProjectSettings()) {
        // A setting without a Missing value keeps what it holds when the file lacks it.
        const std::string fallback = setting.Missing ? std::string(setting.Missing) : SettingText(p, setting);
        SetSettingText(p, setting, ini.ReadString(setting.Section, setting.Key, fallback), fallback);
    }

    // Static bitmaps: path, three placement fields, transparent colour.
    p.StaticBitmaps.clear();
    const int bitmaps = RowCount(ini.ReadInteger("Main_Window", "Bitmap", 0), kMaxStaticBitmaps);
    for (int i = 1; i <= bitmaps; ++i) {
        std::string text = ini.ReadString("Main_Window", "Bitmap." + ZeroPad(i, 2), "");
        // A short or missing row gets all five fields, so that it is written back as it reads.
        TStaticBitmap bitmap;
        bitmap.File = SplitFirst(text, ",");
        bitmap.Coord = SplitFirst(text, ",");
        bitmap.Coord += "," + SplitFirst(text, ",");
        bitmap.Coord += "," + SplitFirst(text, ",");
        bitmap.Transparency = text;
        p.StaticBitmaps.push_back(std::move(bitmap));
    }

    // Files
    p.tbFiles.Clear();
    const int files = RowCount(ini.ReadInteger("Files", "Files", -1), kMaxTableRows);
    for (int i = 0; i < files; ++i) {
        std::string text = ini.ReadString("Files", "File" + Row(i), "");
        if (text.empty())
            continue;
        TFileRecord r;
        r.FileName = SplitFirst(text, "|");
        r.FilePath = SplitFirst(text, "|");
        r.SetFlagsFromText(text);
        p.tbFiles.Append(std::move(r));
    }
    p.tbFiles.Current = p.tbFiles.Empty() ? -1 : 0;

    // Shortcuts
    p.tbShortcuts.Clear();
    const int shortcuts = RowCount(ini.ReadInteger("Shortcuts", "Shortcuts", -1), kMaxTableRows);
    for (int i = 0; i < shortcuts; ++i) {
        std::string text = ini.ReadString("Shortcuts", "Shortcut" + Row(i), "");
        if (text.empty())
            continue;
        TShortcutRecord r;
        r.ProgramGroup = SplitFirst(text, "|");
        r.Shortcuts = SplitFirst(text, "|");
        r.Target = SplitFirst(text, "|");
        r.Arguments = SplitFirst(text, "|");
        r.WorkDirectory = text;
        p.tbShortcuts.Append(std::move(r));
    }
    p.tbShortcuts.Current = p.tbShortcuts.Empty() ? -1 : 0;

    // Registry and INI changes: the keys first, then each record's own section.
    for (const auto& cs : kContentsSections) {
        auto& table = p.*cs.Table;
        table.Clear();
        const int count = RowCount(ini.ReadInteger(cs.Section, cs.CountKey, 0), kMaxTableRows);
        for (int i = 0; i < count; ++i) {
            TContentsRecord r;
            r.Key = ini.ReadString(cs.Section, cs.RowKey + Row(i), "");
            table.Records.push_back(std::move(r));
        }
        for (auto& r : table.Records) {
            const std::string section = cs.RecordPrefix + r.Key;
            const int items = RowCount(ini.ReadInteger(section, "Items", 0), kMaxTableRows);
            r.Contents.reserve(static_cast<std::size_t>(items));
            for (int i = 0; i < items; ++i)
                r.Contents.push_back(ini.ReadString(section, "Item" + Row(i), ""));
        }
        table.Current = table.Empty() ? -1 : 0;
    }

    // Run lists: every row number gives a row, also an empty one.
    for (const auto& rs : kRunSections) {
        auto& list = p.*rs.List;
        list.clear();
        const int count = RowCount(ini.ReadInteger(rs.Section, rs.Key, -1), kMaxTableRows);
        for (int i = 0; i < count; ++i) {
            std::string text = ini.ReadString(rs.Section, rs.Key + Row(i), "");
            TRunRecord r;
            r.Application = SplitFirst(text, "|");
            r.Argument = SplitFirst(text, "|");
            r.WorkingDirectory = SplitFirst(text, "|");
            r.Message = SplitFirst(text, "|");
            r.Flag = text;
            list.push_back(std::move(r));
        }
    }
}

// ---- Save helpers

// The store writes values as they are; Put writes each in the form that reads back unchanged, so
// that blanks at either end and surrounding quotes survive a save and a load.
class TProjectWriter final {
    static bool NeedsQuotes(const std::string& value) {
        if (value.empty())
            return false;
        const auto front = static_cast<unsigned char>(value.front());
        const auto back = static_cast<unsigned char>(value.back());
        return front == ' ' || front == '\t' || front == '"' || front == '\'' || back < 33;
    }

public:
    explicit TProjectWriter(TkvIniFile& ini) : m_Ini(ini) {}
    void Put(const std::string& section, const std::string& key, const std::string& value) {
        if (NeedsQuotes(value))
            m_Ini.WriteString(section, key, ValueReadBackAs(value));
        else
            m_Ini.WriteString(section, key, value);
    }
    void PutInteger(const std::string& section, const std::string& key, std::int32_t value) {
        m_Ini.WriteInteger(section, key, value);
    }

private:
    TkvIniFile& m_Ini;
};

void WriteProjectFile(const TProject& p, TkvIniFile& store) {
    TProjectWriter ini(store);
    ini.Put("Info", "Generator", kInfoGenerator);
    ini.Put("Info", "Copyright", kInfoCopyright);
    ini.Put("Info", "Homepage", kInfoHomepage);
    ini.Put("Info", "TZN Needed", kInfoTznNeeded);
    ini.Put("Info", "TZN Copyright", kInfoTznCopyright);
    ini.Put("Info", "TZN Homepage", kInfoTznHomepage);

    for (const TSetting& setting : ProjectSettings())
        ini.Put(setting.Section, setting.Key, SettingText(p, setting));
    // The static bitmaps follow the settings of their section.
    ini.PutInteger("Main_Window", "Bitmap", static_cast<std::int32_t>(p.StaticBitmaps.size()));
    for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i) {
        const TStaticBitmap& b = p.StaticBitmaps[i];
        ini.Put("Main_Window", "Bitmap." + ZeroPad(static_cast<long long>(i) + 1, 2),
                b.File + "," + b.Coord + "," + b.Transparency);
    }

    ini.PutInteger("Files", "Files", p.tbFiles.Count());
    for (int i = 0; i < p.tbFiles.Count(); ++i) {
        const TFileRecord& r = p.tbFiles.Records[static_cast<std::size_t>(i)];
        const std::string flags = r.FlagsText();
        ini.Put("Files", "File" + Row(i), JoinRow({&r.FileName, &r.FilePath, &flags}));
    }

    ini.PutInteger("Shortcuts", "Shortcuts", p.tbShortcuts.Count());
    for (int i = 0; i < p.tbShortcuts.Count(); ++i) {
        const TShortcutRecord& r = p.tbShortcuts.Records[static_cast<std::size_t>(i)];
        ini.Put("Shortcuts", "Shortcut" + Row(i),
                JoinRow({&r.ProgramGroup, &r.Shortcuts, &r.Target, &r.Arguments, &r.WorkDirectory}));
    }

    for (const auto& cs : kContentsSections) {
        const auto& table = p.*cs.Table;
        ini.PutInteger(cs.Section, cs.CountKey, table.Count());
        for (int i = 0; i < table.Count(); ++i)
            ini.Put(cs.Section, cs.RowKey + Row(i), table.Records[static_cast<std::size_t>(i)].Key);
        std::vector<std::string> split;
        for (const auto& r : table.Records) {
            const std::string section = cs.RecordPrefix + r.Key;
            const bool breaks =
                std::any_of(r.Contents.begin(), r.Contents.end(),
                            [](const std::string& line) { return FindLineBreak(line) != std::string::npos; });
            if (breaks)
                split = ContentsLines(r.Contents);
            const auto& lines = breaks ? split : r.Contents;
            ini.PutInteger(section, "Items", static_cast<std::int32_t>(lines.size()));
            for (std::size_t i = 0; i < lines.size(); ++i)
                ini.Put(section, "Item" + Row(static_cast<int>(i)), lines[i]);
        }
    }

    for (const auto& rs : kRunSections) {
        const auto& list = p.*rs.List;
        ini.PutInteger(rs.Section, rs.Key, static_cast<std::int32_t>(list.size()));
        for (std::size_t i = 0; i < list.size(); ++i) {
            const TRunRecord& r = list[i];
            ini.Put(rs.Section, rs.Key + Row(static_cast<int>(i)),
                    JoinRow({&r.Application, &r.Argument, &r.WorkingDirectory, &r.Message, &r.Flag}));
        }
    }
}

// ---- Limits

// Collects the problems; the description of a value is only composed when it has a problem.
class TLimitCheck {
public:
    std::vector<std::string> Problems;

    template <class F> void Count(F what, std::size_t n, std::size_t limit) {
        if (n > limit)
            Problems.push_back(what() + " has " + std::to_string(n) + " rows; at most " +
                               std::to_string(limit) + " can be stored");
    }
    template <class F> void NoLineBreak(F what, const std::string& value) { NoChar(what, value, '\n'); }
    // A NUL byte would end the value wherever it reaches the system.
    template <class F> void NoNul(F what, const std::string& value) {
        if (value.find('\0') != std::string::npos)
            Problems.push_back(what() + " contains a NUL byte: \"" + Shown(value) + "\"");
    }
    // Line breaks, NUL bytes and c, in one pass over the value.
    template <class F> void NoChar(F what, const std::string& value, char c) {
        bool lineBreak = false, nul = false, reserved = false;
        for (const char ch : value) {
            if (static_cast<unsigned char>(ch) <= '\r') {
                lineBreak |= ch == '\r' || ch == '\n';
                nul |= ch == '\0';
            }
            reserved |= ch == c;
        }
        if (lineBreak)
            Problems.push_back(what() + " contains a line break: \"" + Shown(value) + "\"");
        if (nul)
            Problems.push_back(what() + " contains a NUL byte: \"" + Shown(value) + "\"");
        if (reserved && c != '\n')
            Problems.push_back(what() + " contains \"" + std::string(1, c) + "\": \"" + Shown(value) + "\"");
    }

private:
    // A project value in a message: UTF-8, line breaks shown as the escapes a reader recognises.
    static std::string Shown(const std::string& value) {
        std::string s;
        for (char c : AnsiToUtf8(value)) {
            if (c == '\0')
                s += "\\0";
            else if (c == '\r')
                s += "\\r";
            else if (c == '\n')
                s += "\\n";
            else
                s += c;
        }
        return s;
    }
};

std::string Nth(const char* what, std::size_t i) {
    return std::string(what) + " " + std::to_string(i + 1);
}

std::size_t ContentsLineCount(const std::vector<std::string>& contents) {
    std::size_t n = 0;
    for (const auto& text : contents) {
        if (FindLineBreak(text) == std::string::npos)
            ++n;
        else
            n += ContentsLines({text}).size();
    }
    return n;
}

} // namespace

std::vector<std::string> ContentsLines(const std::vector<std::string>& contents) {
    std::vector<std::string> lines;
    lines.reserve(contents.size());
    for (const auto& text : contents) {
        if (FindLineBreak(text) == std::string::npos) {
            lines.push_back(text);
            continue;
        }
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = FindLineBreak(text, pos);
            if (end == std::string::npos) {
                lines.push_back(text.substr(pos));
                break;
            }
            lines.push_back(text.substr(pos, end - pos));
            pos = end + 1;
            if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
                ++pos;
        }
    }
    return lines;
}

std::vector<std::string> CheckProjectLimits(const TProject& p) {
    TLimitCheck c;
    for (const TSetting& setting : ProjectSettings())
        if (setting.RefuseLineBreaks)
            c.NoLineBreak([&] { return setting.Name(); }, SettingText(p, setting));

    c.Count([] { return std::string("The static bitmap list"); }, p.StaticBitmaps.size(), kMaxStaticBitmaps);
    for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i) {
        const TStaticBitmap& b = p.StaticBitmaps[i];
        c.NoChar([&] { return "The path of " + Nth("static bitmap", i); }, b.File, ',');
        c.NoLineBreak([&] { return "The placement of " + Nth("static bitmap", i); }, b.Coord);
        c.NoLineBreak([&] { return "The transparent colour of " + Nth("static bitmap", i); }, b.Transparency);
    }

    c.Count([] { return std::string("The file list"); }, p.tbFiles.Records.size(), kMaxTableRows);
    for (std::size_t i = 0; i < p.tbFiles.Records.size(); ++i) {
        const auto& r = p.tbFiles.Records[i];
        c.NoChar([&] { return "The source of " + Nth("file", i); }, r.FileName, '|');
        c.NoChar([&] { return "The target folder of " + Nth("file", i); }, r.FilePath, '|');
    }

    c.Count([] { return std::string("The shortcut list"); }, p.tbShortcuts.Records.size(), kMaxTableRows);
    for (std::size_t i = 0; i < p.tbShortcuts.Records.size(); ++i) {
        const auto& r = p.tbShortcuts.Records[i];
        const std::pair<const char*, const std::string*> fields[] = {
            {"The program group of ", &r.ProgramGroup},
            {"The name of ", &r.Shortcuts},
            {"The target of ", &r.Target},
            {"The arguments of ", &r.Arguments},
            {"The work directory of ", &r.WorkDirectory}};
        for (const auto& [field, value] : fields)
            c.NoChar([&, f = field] { return f + Nth("shortcut", i); }, *value, '|');
    }

    const std::pair<const char*, const TRecordTable<TContentsRecord>*> tables[] = {
        {"registry addition", &p.tbRegAdd}, {"registry deletion", &p.tbRegDel}, {"INI change", &p.tbINI}};
    for (const auto& [name, table] : tables) {
        const std::string tableName = name;
        c.Count([&] { return "The " + tableName + " list"; }, table->Records.size(), kMaxTableRows);
        // Keys equal but for letter case name one section of the file, which can hold one contents.
        TFoldedIndex sections(table, [](const void* owner, int i) {
            return std::string_view(static_cast<const TRecordTable<TContentsRecord>*>(owner)
                                        ->Records[static_cast<std::size_t>(i)]
                                        .Key);
        });
        sections.Reserve(table->Records.size());
        for (std::size_t i = 0; i < table->Records.size(); ++i) {
            const auto& r = table->Records[i];
            c.NoLineBreak([&] { return "The key of " + tableName + " " + std::to_string(i + 1); }, r.Key);
            c.Count([&] { return "The contents of " + tableName + " \"" + AnsiToUtf8(r.Key) + "\""; },
                    ContentsLineCount(r.Contents), kMaxTableRows);
            for (const auto& line : r.Contents)
                c.NoNul([&] { return "The contents of " + tableName + " " + std::to_string(i + 1); }, line);
            if (sections.Insert(r.Key, static_cast<int>(i)))
                continue;
            const auto earlier = static_cast<std::size_t>(sections.Find(r.Key));
            if (ContentsLines(table->Records[earlier].Contents) != ContentsLines(r.Contents))
                c.Problems.push_back("The keys of " + tableName + " " + std::to_string(earlier + 1) +
                                     " and " + std::to_string(i + 1) + " (\"" + AnsiToUtf8(r.Key) +
                                     "\") differ only in letter case, or not at all, but their contents do");
        }
    }

    const std::pair<const char*, const TRunList*> runLists[] = {{"run-before-install", &p.RunBefore},
                                                                {"run-after-install", &p.RunAfter},
                                                                {"run-before-uninstall", &p.RunBeforeUn},
                                                                {"run-after-uninstall", &p.RunAfterUn}};
    for (const auto& [name, list] : runLists) {
        const std::string listName = name;
        c.Count([&] { return "The " + listName + " list"; }, list->size(), kMaxTableRows);
        for (std::size_t i = 0; i < list->size(); ++i) {
            const TRunRecord& r = (*list)[i];
            const std::pair<const char*, const std::string*> fields[] = {
                {"application", &r.Application},
                {"argument", &r.Argument},
                {"working directory", &r.WorkingDirectory},
                {"message", &r.Message},
                {"flag", &r.Flag}};
            for (const auto& [field, value] : fields)
                c.NoChar(
                    [&, f = field] {
                        return std::string("The ") + f + " of " + listName + " entry " +
                               std::to_string(i + 1);
                    },
                    *value, '|');
        }
    }
    return c.Problems;
}

std::string BackupFileName(const std::string& path) {
    const auto nameStart = path.find_last_of("/\\");
    const auto dot = path.rfind('.');
    if (dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart))
        return path.substr(0, dot) + ".BAK";
    return path + ".BAK";
}

namespace {

[[noreturn]] void CannotWrite(const std::string& path, const std::string& reason) {
    throw EProjectFileError("Cannot write file " + HostToUtf8(path) + ": " + reason);
}

} // namespace

void BackupProjectFile(const std::string& path) {
    std::error_code ec;
    const fs::path file = HostPath(path);
    const auto status = fs::status(file, ec);
    if (!fs::exists(status))
        return;
    const std::string backupName = BackupFileName(path);
    auto fail = [&](const std::string& why) {
        throw EProjectFileError("Cannot make the backup " + HostToUtf8(backupName) + " of " +
                                HostToUtf8(path) + ": " + why);
    };
    if (fs::equivalent(file, HostPath(backupName), ec))
        return; // the file is its own backup name: the save replaces it
    if (!fs::is_regular_file(status))
        fail("it is not a regular file");
    // The previous content goes under a new name first and then replaces the old backup, so the old
    // backup stays whole until a new one is; a link at the backup's name is replaced, not followed.
    std::string temp;
    const std::intptr_t reserved = iniio::CreateTempBeside(backupName, temp);
    if (reserved < 0)
        fail(iniio::LastErrorText());
    iniio::Close(reserved);
    iniio::Remove(temp);
    if (!iniio::LinkOrCopy(path, temp))
        fail(iniio::LastErrorText());
    if (!iniio::Replace(temp, backupName)) {
        const std::string reason = iniio::LastErrorText();
        iniio::Remove(temp);
        fail(reason);
    }
    // A rename between two names of one file does nothing and leaves both: that happens when a save
    // running at the same time has just made the backup from the same project file.
    fs::remove(HostPath(temp), ec);
}

void SaveProject(TProject& project, const std::string& path) {
    const auto problems = CheckProjectLimits(project);
    if (!problems.empty()) {
        std::string message = "Cannot save " + HostToUtf8(path) + ": " + problems.front();
        if (problems.size() > 1)
            message += " (and " + std::to_string(problems.size() - 1) + " more problems)";
        throw EProjectFileError(message);
    }
    if (path.find('\0') != std::string::npos)
        CannotWrite(path, "the name holds a NUL byte");
    if (iniio::PathKind(path) == iniio::TPathKind::Folder)
        CannotWrite(path, "it is a folder");
    // Written from the project alone: whatever the file holds meanwhile is never read into it.
    const std::string text = ProjectFileText(project);
    iniio::CreateParentFolders(path);
    TReplacementFile file(path);
    try {
        file.Write(text);
        BackupProjectFile(path);
        file.Commit();
    } catch (const EInOutError& e) {
        CannotWrite(path, e.Reason());
    }
    project.Modified = false;
}

std::string ProjectFileText(const TProject& project) {
    TkvIniFile ini(std::string(), false); // no file name: nothing is read or written
    WriteProjectFile(project, ini);
    return ini.ContentText();
}

namespace {

// Load from a store that has read the file (or its bytes).
template <class F> void LoadProjectWith(TProject& project, const std::string& path, F read) {
    TProject loaded = project;
    try {
        TkvIniFile ini(std::string(), true);
        const bool exists = read(ini);
        const auto& sections = ini.Sections();
        if (exists && sections.IndexFrom("Start", 0) < 0 && sections.IndexFrom("Main_Window", 0) < 0 &&
            sections.IndexFrom("Dialog", 0) < 0)
            throw EProjectFileError(HostToUtf8(path) +
                                    " is not a project file: it has none of the sections [Start], "
                                    "[Main_Window] and [Dialog]");
        ReadProjectFile(loaded, ini);
    } catch (const EInOutError& e) {
        throw EProjectFileError(std::string(e.what()) + ": " + e.Reason());
    }
    loaded.FileName = path;
    loaded.Modified = false;
    project = std::move(loaded);
}

} // namespace

void LoadProject(TProject& project, const std::string& path) {
    LoadProjectWith(project, path, [&](TkvIniFile& ini) {
        ini.SetFileName(path);
        return iniio::PathKind(path) == iniio::TPathKind::File;
    });
}

void LoadProjectText(TProject& project, const std::string& bytes, const std::string& path) {
    LoadProjectWith(project, path, [&](TkvIniFile& ini) {
        ini.LoadText(bytes, path);
        return true;
    });
}

void NewProject(TProject& p, const std::string& programDataDir) {
    p.FileName = "*UNTITLED";
    p.Modified = true;

    // The data folder is a host path; the project holds code-page text. The file name joins it with
    // the system's own separator, so that a Windows path does not end up with two kinds.
    std::string folder = HostToAnsi(programDataDir).value_or(programDataDir);
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += separator;
    for (const TSetting& setting : ProjectSettings()) {
        if (setting.NewKeeps)
            continue;
        const std::string value = setting.NewInDataFolder ? folder + setting.New : std::string(setting.New);
        SetSettingText(p, setting, value, value);
    }

    p.StaticBitmaps.clear();
    p.tbFiles.Clear();
    p.tbShortcuts.Clear();
    p.tbRegAdd.Clear();
    p.tbRegDel.Clear();
    p.tbINI.Clear();
    p.RunBefore.clear();
    p.RunAfter.clear();
    p.RunBeforeUn.clear();
    p.RunAfterUn.clear();
}

} // namespace tv
