#include "deploy/DeploymentBuild.h"

#include "core/HostPath.h"
#include "core/ProjectFile.h"
#include "core/kvIniFile.h"
#include "deploy/DeployError.h"
#include "deploy/FileUtils.h"
#include "deploy/ProjectCheck.h"
#include "deploy/ScriptWriter.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <set>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

namespace tv {

const char* const kMsgNotSaved = "Script has some edited fields, /#please save before continue";
const char* const kMsgCannotDelete = "Can not delete ";
const char* const kMsgWarnings = "The setup will not do exactly what the project says:";
const char* const kMsgRefused = "The project cannot be built:";

namespace {

// The sub-path of a destination after its folder variable: "%InstallPath%\Help\x" gives "Help\x".
std::string DestinationSubPath(const std::string& filePath) {
    std::string rest = filePath;
    SplitFirst(rest, "\\");
    return rest;
}

std::string DataFolderOf(const TDeploymentPaths& paths, const std::string& filePath) {
    const std::string sub = EngineSubPathToHost(AnsiToHost(DestinationSubPath(filePath)));
    return sub.empty() ? paths.Data : JoinPath(paths.Data, sub);
}

// A project value (code page) in a message (UTF-8).
std::string Quoted(const std::string& value) {
    return "\"" + AnsiToUtf8(value) + "\"";
}

// A host path in a message.
std::string QuotedPath(const std::string& path) {
    return "\"" + HostPathShown(path) + "\"";
}

// Destination names as the engine's system compares them: folded in the code page.
std::string FoldedDestination(const std::string& host) {
    return FoldCase(HostToAnsi(host).value_or(host));
}

// One file the build copies, in build order.
struct TCopyJob {
    std::string Source;     // resolved host path
    std::string DestFolder; // host folder, made when missing
    std::string DestName;   // host name
    std::string Label;      // the name as the project writes it, for the copy label
    enum TKind { File, StaticBitmap, Text, TitleBitmap } Kind = File;
};

std::vector<TCopyJob> CopyJobs(const TProject& p, const TDeploymentPaths& paths) {
    std::vector<TCopyJob> jobs;
    auto add = [&](const std::string& source, const std::string& folder, const std::string& name,
                   TCopyJob::TKind kind) {
        jobs.push_back({ResolveProjectPath(p, source), folder, AnsiToHost(name), name, kind});
    };
    for (const TFileRecord& rec : p.tbFiles.Records)
        add(rec.FileName, DataFolderOf(paths, rec.FilePath), ExtractFileName(rec.FileName), TCopyJob::File);
    for (const TStaticBitmap& bitmap : p.StaticBitmaps)
        add(bitmap.File, paths.Presetup, ExtractFileName(bitmap.File), TCopyJob::StaticBitmap);
    if (!IsBlank(p.AppReadme))
        add(p.AppReadme, paths.Presetup, "readme.txt", TCopyJob::Text);
    if (!IsBlank(p.AppLicense))
        add(p.AppLicense, paths.Presetup, "license.txt", TCopyJob::Text);
    if (!IsBlank(p.DialogTitleBMP))
        add(p.DialogTitleBMP, paths.Presetup, "tzns.bmp", TCopyJob::TitleBitmap);
    return jobs;
}

// Normalises many paths, resolving each folder only once: a project's files mostly share a few.
class TPathResolver final {
public:
    explicit TPathResolver(TFileLooks& looks) : m_Looks(looks) {}

    std::string operator()(const std::string& path) {
        const std::string name = ExtractFileName(path);
        if (name.empty() || name == "." || name == ".." || m_Looks(path).Link)
            return NormalizedPath(path);
        const std::string folder = ExtractFilePath(path);
        auto it = m_Folders.find(folder);
        if (it == m_Folders.end())
            it = m_Folders.emplace(folder, NormalizedPath(folder.empty() ? "." : folder)).first;
        return JoinPath(it->second, name);
    }

private:
    TFileLooks& m_Looks;
    std::map<std::string, std::string> m_Folders;
};

// Why the build must not clear what is at the image folder's place: something that was not made by
// a build. A build's folder holds Presetup/TZNS.INI; an empty one (or one holding only dot entries,
// which clearing leaves alone) loses nothing. A link is judged by the folder it leads to, since
// clearing replaces it. Empty when the folder may go.
std::string ForeignImageFolder(const std::string& imageRoot) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path root = HostPath(imageRoot);
    const fs::file_status own = fs::symlink_status(root, ec);
    if (!fs::exists(own))
        return {};
    const std::string shown = QuotedPath(imageRoot);
    const fs::file_status target = fs::status(root, ec);
    if (fs::is_symlink(own) && !fs::exists(target))
        return {}; // a link that leads nowhere holds nothing
    if (!fs::is_directory(target))
        return "The image folder " + shown + " is taken by something that is not a folder.";
    bool empty = true;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = PathToHost(it->path().filename());
        if (!name.empty() && name[0] != '.') {
            empty = false;
            break;
        }
    }
    if (ec)
        return "The image folder " + shown + " cannot be read (" + ec.message() + "), so the build cannot " +
               "tell whether it may clear it.";
    if (empty)
        return {};
    const fs::file_status presetup = fs::symlink_status(root / "Presetup", ec);
    const fs::file_status settings = fs::symlink_status(root / "Presetup" / kSettingsFileName, ec);
    if (fs::is_directory(presetup) && fs::is_regular_file(settings))
        return {};
    return "The folder " + shown + " exists and was not made by a build (it has no Presetup/" +
           std::string(kSettingsFileName) + "); the build would clear it. Empty or remove it, or " +
           "choose another deployment folder or project file name.";
}

// What a build makes below the image folder, as paths relative to it: its folder names joined by
// "/", without empty or "." components, as the folder's own listing gives them.
struct TImagePlan {
    std::unordered_set<std::string> Folders;
    std::unordered_set<std::string> Files;
};

// The relative form of a path below imageRoot; empty for imageRoot itself.
std::string RelativeToImage(const std::string& imageRoot, const std::string& path) {
    std::string rel, part;
    const std::string rest = path.size() > imageRoot.size() ? path.substr(imageRoot.size()) : std::string();
    auto flush = [&] {
        if (!part.empty() && part != ".")
            rel += (rel.empty() ? "" : "/") + part;
        part.clear();
    };
    for (char c : rest) {
        if (c == kPathDelim || c == '/')
            flush();
        else
            part += c;
    }
    flush();
    return rel;
}

// A copy's key in the plan.
std::string CopyKey(const TDeploymentPaths& paths, const TCopyJob& job) {
    const std::string folder = RelativeToImage(paths.ImageRoot, job.DestFolder);
    return folder.empty() ? job.DestName : folder + "/" + job.DestName;
}

TImagePlan ImagePlan(const TDeploymentPaths& paths, const std::vector<TCopyJob>& jobs) {
    TImagePlan plan;
    auto addFolder = [&](const std::string& rel) {
        for (std::size_t at = rel.find('/'); at != std::string::npos; at = rel.find('/', at + 1))
            plan.Folders.insert(rel.substr(0, at));
        if (!rel.empty())
            plan.Folders.insert(rel);
    };
    addFolder(RelativeToImage(paths.ImageRoot, paths.Presetup));
    addFolder(RelativeToImage(paths.ImageRoot, paths.Data));
    for (const char* written : {kSettingsFileName, kInstallFileName})
        plan.Files.insert(RelativeToImage(paths.ImageRoot, JoinPath(paths.Presetup, written)));
    for (const TCopyJob& job : jobs) {
        addFolder(RelativeToImage(paths.ImageRoot, job.DestFolder));
        plan.Files.insert(CopyKey(paths, job));
    }
    return plan;
}

// Removes one entry of the image folder: a file or link (never followed), or a folder with what it
// holds.
void RemoveImageEntry(const std::string& path, std::vector<std::string>& failures) {
    if (DirectoryExists(path))
        DeleteDirectory(path, true, &failures);
    else if (!ForceDeleteFile(path))
        failures.push_back(path);
}

// What an earlier build left in the image folder: what this build does not make, to be removed,
// and the files it makes too, by their key in the plan, with what the listing found (the copy
// judges whether they can stay).
struct TImageSurvey {
    std::vector<std::string> Unmade;
    std::unordered_map<std::string, TFileLook> OldCopies;
};

// Walks the image folder without changing it. A file the plan makes is kept for the copy to judge;
// a link is never kept or followed; only folders of the plan are entered. Entries starting with "."
// are left alone, as clearing leaves them. A folder that cannot be read goes whole; the build makes
// it again.
void SurveyImageFolder(const std::string& folder, const std::string& rel, const TImagePlan& plan,
                       TImageSurvey& survey) {
    std::vector<std::pair<std::string, TFileLook>> entries;
    if (!ListFolder(folder, entries)) {
        survey.Unmade.push_back(folder);
        return;
    }
    for (const auto& [name, look] : entries) {
        if (name.empty() || name[0] == '.')
            continue;
        const std::string path = JoinPath(folder, name);
        std::string key = rel.empty() ? name : rel + "/" + name;
        // A junction may be listed as a folder: only a real one is entered.
        if (look.Kind == TFileKind::Folder && !look.Link && plan.Folders.count(key))
            SurveyImageFolder(path, key, plan, survey);
        else if (look.Kind == TFileKind::File && !look.Link && plan.Files.count(key))
            survey.OldCopies.emplace(std::move(key), look);
        else
            survey.Unmade.push_back(path);
    }
}

// What a build copies, and for a rebuild what the image folder holds already. Only looks: it runs
// while the build looks for errors, before it knows whether it may change anything.
struct TBuildPlan {
    std::vector<TCopyJob> Jobs;
    TImageSurvey Survey;
};

TBuildPlan PlanBuild(const TProject& p, const TDeploymentPaths& paths, TBuildMode mode) {
    TBuildPlan plan;
    plan.Jobs = CopyJobs(p, paths);
    // Without a deployment folder or a project name there is no image folder: the build refuses.
    if (mode == TBuildMode::Rebuild && !paths.Deploy.empty() && !paths.ProjectName.empty() &&
        !IsSymLink(paths.ImageRoot) && DirectoryExists(paths.ImageRoot))
        SurveyImageFolder(paths.ImageRoot, std::string(), ImagePlan(paths, plan.Jobs), plan.Survey);
    return plan;
}

} // namespace

std::string ProjectBaseFolder(const TProject& p) {
    return p.IsUntitled() ? std::string() : ExcludeTrailingPathDelimiter(ExtractFilePath(p.FileName));
}

std::string ResolveProjectPath(const TProject& p, const std::string& path) {
    return ResolvePath(ProjectBaseFolder(p), AnsiToHost(path));
}

std::string ClearFolderQuestion(const TDeploymentPaths& paths) {
    return "This process will clear the folder " + MarkupLiteral(HostPathShown(paths.ImageRoot)) +
           " if it already exists/#Continue ?";
}

TDeploymentPaths DeploymentPaths(const TProject& p) {
    TDeploymentPaths d;
    d.ProjectName = p.IsUntitled() ? std::string() : ProjectNameOf(p.FileName);
    d.Deploy = ExcludeTrailingPathDelimiter(ResolveProjectPath(p, p.MiscDeployment));
    // The script's path is handed to another process: it must not depend on our current folder.
    if (!d.Deploy.empty() && !IsAbsolutePath(d.Deploy))
        d.Deploy = JoinPath(GetCurrentDir(), d.Deploy);
    d.ImageRoot = JoinPath(d.Deploy, d.ProjectName);
    d.Presetup = JoinPath(d.ImageRoot, "Presetup");
    d.Data = JoinPath(d.ImageRoot, "Data");
    d.ScriptPath = JoinPath(d.Deploy, d.ProjectName + ".TZN");
    d.SetupExe = ChangeFileExt(d.ScriptPath, ".EXE");
    return d;
}

std::vector<std::string> BuildRefusals(const TProject& p) {
    TFileLooks looks;
    return BuildRefusals(p, looks);
}

std::vector<std::string> BuildRefusals(const TProject& p, TFileLooks& looks) {
    std::vector<std::string> refusals;
    if (IsBlank(p.MiscDeployment))
        refusals.push_back("The deployment folder is not set.");
    if (p.IsUntitled())
        refusals.push_back("The project has not been saved to a file yet.");
    else if (ProjectNameOf(p.FileName).empty())
        refusals.push_back("The project file name " + QuotedPath(ExtractFileName(p.FileName)) +
                           " gives no project name (it starts with \".\").");
    else if (!HostToAnsi(ProjectNameOf(p.FileName)))
        refusals.push_back("The project file name " + QuotedPath(ExtractFileName(p.FileName)) +
                           " holds characters the installer script cannot name.");

    for (const TFileRecord& rec : p.tbFiles.Records)
        if (HasParentComponent(DestinationSubPath(rec.FilePath)))
            refusals.push_back("The destination " + Quoted(rec.FilePath) + " of " + Quoted(rec.FileName) +
                               " climbs out of its folder with \"..\".");

    if (refusals.empty()) {
        // Clearing the image folder must not take the project's own files with it.
        const TDeploymentPaths paths = DeploymentPaths(p);
        TPathResolver normalize(looks);
        const std::string imageRoot = NormalizedPath(paths.ImageRoot);
        const std::string script = NormalizedPath(paths.ScriptPath), setup = NormalizedPath(paths.SetupExe);
        std::vector<std::string> own = {p.FileName}; // resolved host paths
        for (const std::string* value : {&p.AppReadme, &p.AppLicense, &p.DialogTitleBMP, &p.MainBGBitmap})
            if (!IsBlank(*value))
                own.push_back(ResolveProjectPath(p, *value));
        for (const TFileRecord& rec : p.tbFiles.Records)
            if (!IsBlank(rec.FileName))
                own.push_back(ResolveProjectPath(p, rec.FileName));
        for (const TStaticBitmap& bitmap : p.StaticBitmaps)
            if (!IsBlank(bitmap.File))
                own.push_back(ResolveProjectPath(p, bitmap.File));
        for (const std::string& resolved : own) {
            const std::string normal = normalize(resolved);
            if (IsNormalizedPathInside(normal, imageRoot))
                refusals.push_back(QuotedPath(resolved) + " lies inside the image folder " +
                                   QuotedPath(paths.ImageRoot) + ", which the build clears.");
            else if (IsNormalizedPathInside(normal, script) || IsNormalizedPathInside(normal, setup))
                refusals.push_back(QuotedPath(resolved) +
                                   " is the installer script or setup program, which the " +
                                   "build deletes.");
        }
        if (const std::string foreign = ForeignImageFolder(paths.ImageRoot); !foreign.empty())
            refusals.push_back(foreign);
    }

    for (const std::string& limit : CheckProjectLimits(p))
        refusals.push_back(limit);
    return refusals;
}

std::vector<std::string> DestinationClashes(const TProject& p) {
    std::vector<std::string> clashes;
    const TDeploymentPaths paths = DeploymentPaths(p);
    // The later copy replaces the earlier one, and the setup installs the same file twice. Names are
    // folded in the code page, as the engine's system ignores letter case in file names.
    std::unordered_map<std::string, std::string> placed; // folded destination -> source
    for (const char* reserved : {kSettingsFileName, kInstallFileName})
        placed[FoldedDestination(JoinPath(paths.Presetup, reserved))] = "the build itself";
    for (const TCopyJob& job : CopyJobs(p, paths)) {
        const std::string dest = JoinPath(job.DestFolder, job.DestName);
        const auto [it, added] = placed.emplace(FoldedDestination(dest), job.Source);
        if (!added && NormalizedPath(it->second) != NormalizedPath(job.Source))
            clashes.push_back(QuotedPath(job.Source) + " and " + QuotedPath(it->second) +
                              " are both written to " + QuotedPath(dest) + "; only one of them can be there.");
    }
    return clashes;
}

TBuildResult Build(const TProject& p, IBuildUi& ui, std::string& scriptPath, bool unsavedEdits,
                   TBuildMode mode) {
    TBuildResult result;
    if (p.Modified || unsavedEdits) {
        ui.MessageDlg(kMsgNotSaved, TMsgDlgType::mtInformation, mbOK);
        result.Outcome = TBuildOutcome::NotSaved;
        return result;
    }
    // What the setup would do other than typed is said before the question, which may still stop
    // the build; what it would lose or mangle stops it before anything is deleted. Only the errors
    // look at files, and only after the question, which may have stood open a while: one look at
    // each file then serves the errors, the progress total and the rebuild's comparison.
    {
        TFileLooks unused;
        result.Warnings = FindingTexts(CheckProject(p, TFindingKind::Warning, unused), TFindingKind::Warning);
    }
    if (!result.Warnings.empty())
        ui.MessageDlg(MarkupList(kMsgWarnings, result.Warnings), TMsgDlgType::mtWarning, mbOK);
    if (ui.MessageDlg(ClearFolderQuestion(DeploymentPaths(p)), TMsgDlgType::mtConfirmation, mbYes | mbNo) ==
        mrNo) {
        result.Outcome = TBuildOutcome::Cancelled;
        return result;
    }
    ui.ResetProgressLines();

    const TDeploymentPaths paths = DeploymentPaths(p);
    // The plan is made beside the search for errors: both only look, and they look at different
    // files (the sources, the image folder).
    std::future<TBuildPlan> planned;
    try {
        planned = std::async(std::launch::async, PlanBuild, std::cref(p), std::cref(paths), mode);
    } catch (const std::system_error&) {
        planned = std::async(std::launch::deferred, PlanBuild, std::cref(p), std::cref(paths), mode);
    }
    TFileLooks looks;
    std::vector<std::string> errors =
        FindingTexts(CheckProject(p, TFindingKind::Error, looks), TFindingKind::Error);
    TBuildPlan plan = planned.get();
    if (!errors.empty()) {
        ui.SetProgressState(lbB1, psFailed);
        ui.MessageDlg(MarkupList(kMsgRefused, errors), TMsgDlgType::mtError, mbOK);
        result.Outcome = TBuildOutcome::Refused;
        result.Problems = std::move(errors);
        return result;
    }

    ui.SetProgressState(lbB1, psRunning);
    bool stageFailed[5] = {false, false, false, false, false};
    std::vector<std::string> reported; // failures for the closing message
    auto failed = [&](int stage, const std::string& what) {
        stageFailed[stage] = true;
        result.Problems.push_back(what);
        reported.push_back(what);
    };
    auto stateOf = [&](int stage) { return stageFailed[stage] ? psFailed : psDone; };

    if (!ForceDirectories(paths.Deploy))
        failed(0, "Could not create the folder " + QuotedPath(paths.Deploy) + ".");
    const std::vector<TCopyJob>& jobs = plan.Jobs;
    if (IsSymLink(paths.ImageRoot)) {
        if (!ForceDeleteFile(paths.ImageRoot))
            failed(0, "Could not remove the link " + QuotedPath(paths.ImageRoot) + ".");
    } else {
        std::vector<std::string> leftovers;
        if (mode == TBuildMode::Clean)
            DeleteDirectory(paths.ImageRoot, true, &leftovers);
        for (const std::string& unmade : plan.Survey.Unmade)
            RemoveImageEntry(unmade, leftovers);
        for (const std::string& left : leftovers)
            failed(0, "Could not remove the old " + QuotedPath(left) + ".");
    }
    for (const std::string& folder : {paths.ImageRoot, paths.Presetup, paths.Data})
        if (!ForceDirectories(folder))
            failed(0, "Could not create the folder " + QuotedPath(folder) + ".");

    scriptPath = paths.ScriptPath;
    for (const std::string& old : {paths.ScriptPath, paths.SetupExe}) {
        if ((FileExists(old) || IsSymLink(old)) && !ForceDeleteFile(old)) {
            stageFailed[0] = true;
            result.Problems.push_back(kMsgCannotDelete + HostPathShown(old));
            ui.MessageDlg(kMsgCannotDelete + MarkupLiteral(HostPathShown(old)), TMsgDlgType::mtError, mbOK);
        }
    }

    ui.SetProgressState(lbB1, stateOf(0));
    ui.SetProgressState(lbB2, psRunning);
    ui.SetCopyText("");
    ui.ShowCopyText(true);

    std::uint64_t bytesTotal = 0;
    std::vector<std::uint64_t> sizes; // of the sources, in job order
    for (const TCopyJob& job : jobs) {
        const TFileLook& source = looks(job.Source);
        sizes.push_back(source.Kind == TFileKind::File ? source.Size : 0);
        bytesTotal += sizes.back();
    }
    const int filesTotal = static_cast<int>(jobs.size());
    std::uint64_t bytesBefore = 0; // of the files finished so far
    ui.SetProgress(0, bytesTotal, 0, filesTotal);

    const TCopyProgress progress = [&](const std::string&, const std::string&, std::uint64_t, std::uint64_t,
                                       std::uint64_t done) {
        ui.SetProgress(bytesBefore + done, bytesTotal, result.FilesCopied + result.FilesKept, filesTotal);
        ui.ProcessMessages();
        return true;
    };
    const std::string imageReal = NormalizedPath(paths.ImageRoot);
    std::map<std::string, bool> insideImage; // target folder -> lies inside the image folder
    std::set<std::string> made;              // target folders that exist
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const TCopyJob& job = jobs[i];
        if (job.Kind == TCopyJob::File)
            ui.SetCopyText(CopyingText(AnsiToUtf8(job.Label)));
        else if (job.Kind == TCopyJob::TitleBitmap)
            ui.ShowCopyText(false); // the label keeps the last file name
        ui.ProcessMessages();
        // Such a file would land under the name after its "\": not the file that is listed.
        if (job.Kind == TCopyJob::File || job.Kind == TCopyJob::StaticBitmap) {
            if (const std::string why = SourceNameProblem(job.Source); !why.empty()) {
                failed(1, "Could not copy " + QuotedPath(job.Source) + ": " + why + ".");
                continue;
            }
        }
        const std::string dest = JoinPath(job.DestFolder, job.DestName);
        // Clearing leaves dot entries alone, so a link named ".x" may have stayed: a folder made or
        // a copy written through it would land outside the deployment folder. Looked at before
        // any folder is made.
        auto inside = insideImage.find(job.DestFolder);
        if (inside == insideImage.end())
            inside = insideImage
                         .emplace(job.DestFolder,
                                  IsNormalizedPathInside(NormalizedPath(job.DestFolder), imageReal))
                         .first;
        if (!inside->second) {
            failed(1, "The folder " + QuotedPath(job.DestFolder) +
                          " leads out of the image folder through a link; nothing was copied into it.");
            continue;
        }
        if (!made.count(job.DestFolder)) {
            if (!ForceDirectories(job.DestFolder)) {
                failed(1, "Could not create the folder " + QuotedPath(job.DestFolder) + ".");
                continue;
            }
            made.insert(job.DestFolder);
        }
        const auto old = plan.Survey.OldCopies.find(CopyKey(paths, job));
        if (old != plan.Survey.OldCopies.end() &&
            ReuseUnchangedCopy(job.Source, looks(job.Source), dest, old->second)) {
            ++result.FilesKept;
            bytesBefore += sizes[i];
        } else {
            // A new file rather than the old one rewritten: that may be a second name of a file
            // outside the image folder.
            if (IsSymLink(dest) || FileExists(dest))
                ForceDeleteFile(dest);
            try {
                CopyFile(job.Source, dest, progress, false);
                ++result.FilesCopied;
                const std::uint64_t size = FileSize(dest);
                bytesBefore += size;
                result.BytesCopied += size;
            } catch (const EDeployError& e) {
                failed(1, std::string(e.what()) + ": " + e.Reason() + ".");
            }
        }
        ui.SetProgress(bytesBefore, bytesTotal, result.FilesCopied + result.FilesKept, filesTotal);
    }
    ui.ShowCopyText(false);

    // The writers: each failure names the file that could not be written.
    auto write = [&](int stage, const auto& writer) {
        ui.SetProgressState(lbB1 + stage - 1, stateOf(stage - 1));
        ui.SetProgressState(lbB1 + stage, psRunning);
        try {
            writer();
        } catch (const EDeployError& e) {
            failed(stage, e.Text());
        }
    };
    // A rebuild leaves an engine file alone that holds what it would write. Otherwise the old file
    // goes first: the store reads what is at its place, and an earlier build's keys would stay.
    auto writeEngineFile = [&](int stage, const char* name, std::string (*text)(const TProject&),
                               void (*writer)(const TProject&, const std::string&)) {
        write(stage, [&] {
            const std::string path = JoinPath(paths.Presetup, name);
            if (mode == TBuildMode::Rebuild && FileHolds(path, text(p)))
                return;
            if (IsSymLink(path) || FileExists(path))
                ForceDeleteFile(path);
            writer(p, paths.Presetup);
        });
    };
    writeEngineFile(2, kSettingsFileName, &SettingsFileText, &WriteSettingsFile);
    writeEngineFile(3, kInstallFileName, &InstallFileText, &WriteInstallFile);
    write(4, [&] { WriteScriptFile(p, paths.ScriptPath); });
    ui.SetProgressState(lbB5, stateOf(4));

    if (std::find(std::begin(stageFailed), std::end(stageFailed), true) != std::end(stageFailed)) {
        result.Outcome = TBuildOutcome::Failed;
        if (!reported.empty()) {
            // A screenful at most: a failed copy of a large tree would otherwise grow the message
            // past the screen and hide its OK button.
            ui.MessageDlg(MarkupList("The build is not complete:", reported), TMsgDlgType::mtError, mbOK);
        }
    }
    return result;
}

} // namespace tv
