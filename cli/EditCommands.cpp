#include "cli/EditCommands.h"

#include "cli/CliCommands.h"
#include "core/CaseFold.h"
#include "core/FolderVariables.h"
#include "core/HostPath.h"
#include "core/PathRebase.h"
#include "core/ProjectFile.h"
#include "core/SettingEdit.h"
#include "core/TextCodec.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/FileAddRules.h"
#include "deploy/FileUtils.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>

namespace tv {

const char* const kOptionTarget = "--target";
const char* const kOptionFlags = "--flags";

namespace {

namespace fs = std::filesystem;

const char* const kPrefix = "tamvelox-cli: ";

// Tells err about the problems of a refused edit; nothing was changed.
int Refuse(std::ostream& err, const std::string& file, const std::vector<std::string>& problems) {
    err << kPrefix << HostToUtf8(file) << ": nothing was changed:\n";
    for (const std::string& p : problems)
        err << "  " << p << "\n";
    return kExitFailed;
}

// Saves an edited project over its file as the window's Save does, which refuses a blank deployment
// folder. Unchanged text is not written again.
int SaveEdited(TProject& project, const std::string& before, const std::string& file, std::ostream& err) {
    if (ProjectFileText(project) == before) {
        err << kPrefix << HostToUtf8(file) << ": already so, nothing to save\n";
        return kExitOk;
    }
    if (IsBlank(project.MiscDeployment))
        return Refuse(err, file,
                      {"Start.Misc.Deployment: the deployment folder may not be blank, the setup "
                       "is built in it"});
    try {
        SaveProject(project, file);
    } catch (const std::exception& e) {
        err << kPrefix << e.what() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

// "NO_LOG", "NO_VERSION_CHECK" ...: the flag words as the files store them, in table order.
std::vector<std::string> FlagWords() {
    TFileRecord all;
    all.SetFlagsFromText("NO_LOG+NO_VERSION_CHECK+REGISTER_SERVER+REGISTER_FONT+DONT_ASK_USER+DONT_OVERWRITE+"
                         "EXTERNAL_FILE+SHARED_FILE");
    std::vector<std::string> words;
    std::string text = all.FlagsText();
    while (!text.empty())
        words.push_back(SplitFirst(text, "+"));
    return words;
}

// A source given on the command line as a full, clean host path.
std::string FullSourcePath(const std::string& given) {
    std::error_code ec;
    const fs::path full = fs::absolute(HostPath(given), ec);
    return PathToHost((ec ? HostPath(given) : full).lexically_normal());
}

bool Exists(const std::string& host) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(HostPath(host), ec));
}

} // namespace

int RunGet(const CliOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<const TSetting*> settings;
    std::vector<std::string> unknown;
    for (std::size_t i = 1; i < options.Files.size(); ++i) {
        const TSetting* s = FindSettingByFileName(options.Files[i]);
        if (!s)
            unknown.push_back(options.Files[i]);
        settings.push_back(s);
    }
    if (!unknown.empty()) {
        for (const std::string& key : unknown)
            err << kPrefix << "no such setting: " << key << "\n";
        err << "  (settings are named Section.Key as in the project file; \"get FILE.tvx\" lists them)\n";
        return kExitBadInput;
    }
    TProject project;
    if (!LoadCommandProject(options.Files.at(0), project, err))
        return kExitBadInput;
    if (settings.empty()) {
        for (const TSetting& s : ProjectSettings())
            out << SettingFileName(s) << "=" << AnsiToUtf8(SettingText(project, s)) << "\n";
        return kExitOk;
    }
    for (const TSetting* s : settings)
        out << AnsiToUtf8(SettingText(project, *s)) << "\n";
    return kExitOk;
}

int RunSet(const CliOptions& options, std::ostream&, std::ostream& err) {
    const std::string& file = options.Files.at(0);
    struct TEdit {
        const TSetting* Setting;
        std::string Value; // UTF-8, as given
    };
    std::vector<TEdit> edits;
    std::vector<std::string> bad;
    for (std::size_t i = 1; i < options.Files.size(); ++i) {
        const std::string& arg = options.Files[i];
        const auto eq = arg.find('=');
        const TSetting* s = eq == std::string::npos ? nullptr : FindSettingByFileName(arg.substr(0, eq));
        if (eq == std::string::npos)
            bad.push_back(arg + ": not KEY=VALUE");
        else if (!s)
            bad.push_back("no such setting: " + arg.substr(0, eq));
        else
            edits.push_back({s, arg.substr(eq + 1)});
    }
    if (!bad.empty()) {
        for (const std::string& b : bad)
            err << kPrefix << b << "\n";
        err << "  (settings are named Section.Key as in the project file; \"get FILE.tvx\" lists them)\n";
        return kExitBadInput;
    }
    TProject project;
    if (!LoadCommandProject(file, project, err))
        return kExitBadInput;
    const std::string before = ProjectFileText(project);
    // Every value is checked before any is applied: a refused one leaves the project as it was.
    std::vector<std::string> problems;
    std::vector<std::string> texts;
    for (const TEdit& e : edits) {
        // The command line is host text: UTF-8 on POSIX systems, the ANSI code page on Windows.
        const std::string utf8 = HostToUtf8(e.Value);
        const TSettingValue v = ParseSettingValue(*e.Setting, utf8);
        if (!v.Problem.empty())
            problems.push_back(SettingFileName(*e.Setting) + "=" + utf8 + ": " + v.Problem);
        texts.push_back(v.Text);
    }
    if (!problems.empty())
        return Refuse(err, file, problems);
    for (std::size_t i = 0; i < edits.size(); ++i)
        SetSettingText(project, *edits[i].Setting, texts[i], texts[i]);
    return SaveEdited(project, before, file, err);
}

int RunAddFile(const CliOptions& options, std::ostream&, std::ostream& err) {
    const std::string& file = options.Files.at(0);
    // The flags: words of the files' flags text, joined by "," or "+".
    const std::vector<std::string> words = FlagWords();
    std::string flags;
    {
        std::string rest = options.Value(kOptionFlags);
        for (char& c : rest)
            c = c == '+' ? ',' : c;
        std::vector<std::string> unknown;
        while (!rest.empty()) {
            std::string word = SplitFirst(rest, ",");
            word.erase(0, word.find_first_not_of(' '));
            word.erase(word.find_last_not_of(' ') + 1);
            if (word.empty())
                continue;
            const auto it = std::find_if(words.begin(), words.end(),
                                         [&](const std::string& w) { return SameText(w, word); });
            if (it == words.end())
                unknown.push_back(word);
            else
                flags += (flags.empty() ? "" : "+") + *it;
        }
        if (!unknown.empty()) {
            for (const std::string& u : unknown)
                err << kPrefix << "no such flag: " << u << "\n";
            std::string all;
            for (const std::string& w : words)
                all += (all.empty() ? "" : ", ") + w;
            err << "  (the flags are " << all << ")\n";
            return kExitBadInput;
        }
    }
    TProject project;
    if (!LoadCommandProject(file, project, err))
        return kExitBadInput;

    std::vector<std::string> problems;
    // The target, as the dialog composes it: a folder variable of its list and the rest.
    std::string target;
    {
        const std::string given = options.Value(kOptionTarget, "%InstallPath%");
        const auto ansi = Utf8ToAnsi(HostToUtf8(given));
        const std::string text = ansi.value_or(std::string());
        const std::vector<std::string> variables = FolderVariables(TFolderList::FileTarget);
        const auto close = text.size() > 1 && text[0] == '%' ? text.find('%', 1) : std::string::npos;
        const std::string name = close == std::string::npos ? std::string() : text.substr(1, close - 1);
        const auto it = std::find_if(variables.begin(), variables.end(),
                                     [&](const std::string& v) { return SameText(v, name); });
        if (!ansi)
            problems.push_back(
                "--target: \"" + FirstUnencodable(HostToUtf8(given)) +
                "\" cannot be used: the project keeps its texts in the Windows-1252 character set");
        else if (ansi->find('|') != std::string::npos)
            problems.push_back(
                "--target: the target path may not contain \"|\": the project file separates its "
                "fields with it");
        else if (std::any_of(ansi->begin(), ansi->end(),
                             [](char c) { return static_cast<unsigned char>(c) < 32; }))
            problems.push_back("--target: the target holds a line break or another control character");
        else if (it == variables.end()) {
            std::string all;
            for (const std::string& v : variables)
                all += (all.empty() ? "" : ", ") + v;
            problems.push_back("--target: the target begins with a folder variable between \"%\", one of " +
                               all);
        } else
            target = "%" + *it + "%" + text.substr(close + 1);
    }

    // The sources: a file is taken or refused; a folder brings its files, and what the window's
    // folder add leaves out is left out here too and listed.
    std::vector<TChosenSource> chosen;
    std::vector<TLeftOutSource> leftOut;
    for (std::size_t i = 1; i < options.Files.size(); ++i) {
        const std::string path = FullSourcePath(options.Files[i]);
        const std::string shown = HostToUtf8(options.Files[i]);
        if (DirectoryExists(path)) {
            std::vector<TChosenSource> found;
            if (!CollectFolderFiles(path, found, leftOut, kMaxTableRows)) {
                problems.push_back(shown + ": holds more than " + std::to_string(kMaxTableRows) +
                                   " files, more than a project can take");
                continue;
            }
            LeaveOutRefused(found, leftOut);
            if (found.empty())
                problems.push_back(shown + ": holds no file the project can take");
            chosen.insert(chosen.end(), found.begin(), found.end());
        } else if (!Exists(path)) {
            problems.push_back(shown + ": no such file or folder");
        } else if (const std::string problem = ChosenFileProblem(path); !problem.empty()) {
            problems.push_back(shown + ": " + problem);
        } else {
            chosen.push_back({path, std::string()});
        }
    }
    // Never one source twice in one add, as in the dialog's list.
    {
        std::set<std::string> keys;
        std::vector<TChosenSource> unique;
        for (TChosenSource& c : chosen)
            if (keys.insert(SourcePathKey(c.Path)).second)
                unique.push_back(std::move(c));
        chosen = std::move(unique);
    }
    const int room = kMaxTableRows - project.tbFiles.Count();
    if (static_cast<int>(chosen.size()) > room)
        problems.push_back("a project holds at most " + std::to_string(kMaxTableRows) +
                           " files: there is room for " + std::to_string(std::max(room, 0)) + " more, and " +
                           std::to_string(chosen.size()) + " were chosen");
    if (!problems.empty())
        return Refuse(err, file, problems);

    const std::string before = ProjectFileText(project);
    const std::string folder = FolderOfFile(project.FileName);
    for (const TChosenSource& c : chosen) {
        TFileRecord& rec = project.tbFiles.Append();
        // Files inside the project's folder are kept relative to it, so that the project travels.
        rec.FileName = HostToAnsi(PathInsideFolder(c.Path, folder)).value_or(std::string());
        rec.FilePath = TargetWithSubFolder(target, HostToAnsi(c.SubFolder).value_or(std::string()));
        rec.SetFlagsFromText(flags);
    }
    const int code = SaveEdited(project, before, file, err);
    if (code != kExitOk)
        return code;
    err << "Added " << chosen.size() << (chosen.size() == 1 ? " file" : " files") << " to "
        << HostToUtf8(file) << "\n";
    if (!leftOut.empty()) {
        err << kPrefix
            << (leftOut.size() == 1 ? std::string("this was left out:")
                                    : "these " + std::to_string(leftOut.size()) + " were left out:")
            << "\n";
        for (const TLeftOutSource& l : leftOut)
            err << "  " << HostToUtf8(l.Path) << ": " << l.Reason << "\n";
    }
    return kExitOk;
}

int RunRemoveFile(const CliOptions& options, std::ostream&, std::ostream& err) {
    const std::string& file = options.Files.at(0);
    TProject project;
    if (!LoadCommandProject(file, project, err))
        return kExitBadInput;
    // Each row's source as the build takes it, compared by the host's rules.
    const auto& records = project.tbFiles.Records;
    std::vector<std::string> rowKeys;
    for (const TFileRecord& rec : records)
        rowKeys.push_back(SourcePathKey(ResolveProjectPath(project, rec.FileName)));
    std::vector<bool> remove(records.size(), false);
    std::vector<std::string> problems;
    for (std::size_t i = 1; i < options.Files.size(); ++i) {
        const std::string key = SourcePathKey(FullSourcePath(options.Files[i]));
        bool found = false;
        for (std::size_t r = 0; r < rowKeys.size(); ++r) {
            const std::string& row = rowKeys[r];
            // The source itself, or any source below it when it names a folder.
            if (row == key || (row.size() > key.size() && row.compare(0, key.size(), key) == 0 &&
                               (IsPathDelimiter(row[key.size()]) || IsPathDelimiter(key.back())))) {
                remove[r] = true;
                found = true;
            }
        }
        if (!found)
            problems.push_back(HostToUtf8(options.Files[i]) +
                               ": no file of the project is this source or lies below it");
    }
    if (!problems.empty())
        return Refuse(err, file, problems);
    const std::string before = ProjectFileText(project);
    std::vector<TFileRecord> kept;
    for (std::size_t r = 0; r < records.size(); ++r)
        if (!remove[r])
            kept.push_back(records[r]);
    const std::size_t removed = records.size() - kept.size();
    project.tbFiles.Records = std::move(kept);
    project.tbFiles.Current = project.tbFiles.Empty() ? -1 : 0;
    const int code = SaveEdited(project, before, file, err);
    if (code == kExitOk)
        err << "Removed " << removed << (removed == 1 ? " file" : " files") << " from " << HostToUtf8(file)
            << "\n";
    return code;
}

} // namespace tv
