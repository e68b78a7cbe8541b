#include "core/DocumentCommands.h"

#include "core/HostPath.h"
#include "core/PathRebase.h"
#include "core/ProjectFile.h"
#include "core/TextCodec.h"
#include "core/TvError.h"

#include "TamveloxVersion.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>

namespace tv {

const char* const kProductTitle = "Tamrin Installer Velox";
const char* const kMsgRegistrationFailed = "Can not set .TVX extension to Tamrin Installer Velox";
const char* const kMsgBlankDeployment =
    "Deployment folder may not blank,/#setup will be build in that folder";
const char* const kMsgCloseUnsaved = "Script is not saved yet,/#Continue ?";
const char* const kMsgRebaseQuestion = "Rewrite them so that they keep naming the same files ?";
const char* const kMsgImportLosses = "The project does not keep everything the engine files hold:";

namespace fs = std::filesystem;

namespace {

bool SameBytes(const fs::path& a, const fs::path& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb)
        return false;
    return std::equal(std::istreambuf_iterator<char>(fa), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(fb), std::istreambuf_iterator<char>());
}

} // namespace

std::string UpperFileExt(const std::string& path) {
    const std::size_t sep = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (sep != std::string::npos && dot < sep))
        return {};
    std::string ext = path.substr(dot);
    for (char& c : ext)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

std::string ExpandFileName(const std::string& path, const std::string& currentDir) {
    fs::path p = HostPath(path);
    if (!p.is_absolute())
        p = HostPath(currentDir) / p;
    return PathToHost(p.lexically_normal());
}

TStartupCommand ParseStartupArguments(const std::vector<std::string>& args, const std::string& currentDir) {
    TStartupCommand cmd;
    if (args.empty())
        return cmd;
    const std::string ext = UpperFileExt(args.front());
    if (ext == ".TVX")
        cmd.Action = TStartupAction::Load;
    else if (ext == ".TZN")
        cmd.Action = TStartupAction::ImportEngineScript;
    else
        return cmd;
    cmd.Path = ExpandFileName(args.front(), currentDir);
    return cmd;
}

std::string RetitledCaption(const std::string& currentCaption, const std::string& fileName) {
    std::string head = currentCaption.substr(0, currentCaption.find('-'));
    const std::size_t first = head.find_first_not_of(" \t");
    const std::size_t last = head.find_last_not_of(" \t");
    head = first == std::string::npos ? std::string() : head.substr(first, last - first + 1);
    return head + " - " + fileName;
}

std::string FirstExistingFolder(const std::vector<std::string>& candidates) {
    for (const std::string& dir : candidates) {
        std::error_code ec;
        if (!dir.empty() && fs::is_directory(HostPath(dir), ec))
            return dir;
    }
    return {};
}

std::string InstalledDataDir(const std::string& exeDir) {
    if (exeDir.empty())
        return {};
    // "<prefix>/bin/" and "<prefix>/bin" both have the prefix as the parent of their last folder.
    fs::path bin = HostPath(exeDir).lexically_normal();
    if (!bin.has_filename())
        bin = bin.parent_path();
    return PathToHost(bin.parent_path() / "share" / "tamvelox");
}

std::string ProgramDataDir(const std::string& exeDir) {
#ifdef _WIN32
    // A Windows program keeps its data beside it, wherever it was copied: no folder of the machine
    // it was built on means anything there.
    return exeDir;
#else
    // Beside the program first, so that a tree installed under another prefix than the configured
    // one (a package, a test install) still finds its own data.
    std::vector<std::string> candidates = {InstalledDataDir(exeDir), TAMVELOX_DATA_DIR};
#ifdef TAMVELOX_SOURCE_DIR
    candidates.push_back(std::string(TAMVELOX_SOURCE_DIR) + "/resources");
#endif
    candidates.push_back(exeDir);
    const std::string found = FirstExistingFolder(candidates);
    return found.empty() ? exeDir : found;
#endif
}

TDocumentCommands::TDocumentCommands(TProject& project, IDocumentUi& ui, std::string programDataDir)
    : m_Project(project), m_Ui(ui), m_ProgramDataDir(std::move(programDataDir)) {
    MarkSaved();
}

void TDocumentCommands::MarkSaved() {
    m_SavedText = ProjectFileText(m_Project);
}

bool TDocumentCommands::HasUnsavedWork() const {
    return ProjectFileText(m_Project) != m_SavedText;
}

bool TDocumentCommands::ConfirmDiscard() {
    if (!HasUnsavedWork())
        return true;
    return m_Ui.MessageDlg(kMsgCloseUnsaved, TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes;
}

bool TDocumentCommands::Create(const TRegisterFileType& registerFileType) {
    m_Project.FileName = "*UNTITLED";
    m_Project.tbRegAdd.Clear();
    m_Project.tbRegDel.Clear();
    m_Project.tbINI.Clear();
    m_Project.tbFiles.Clear();
    m_Project.tbShortcuts.Clear();
    MarkSaved();

    std::string error;
    const bool registered = registerFileType ? registerFileType(&error) : true;
    if (!registered)
        m_Ui.ShowPlainMessage(kMsgRegistrationFailed);
    return registered;
}

void TDocumentCommands::StartUp(const std::vector<std::string>& args, const std::string& currentDir) {
    if (m_StartedUp)
        return;
    m_StartedUp = true;
    const TStartupCommand cmd = ParseStartupArguments(args, currentDir);
    switch (cmd.Action) {
    case TStartupAction::New:
        New();
        break;
    case TStartupAction::Load:
        // A file that cannot be loaded leaves no half-made window behind: start a new project.
        if (!LoadFile(cmd.Path))
            New();
        break;
    case TStartupAction::ImportEngineScript:
        // As for a project file: a script that cannot be read leaves a new project, not a half-made one.
        if (!ImportEngineScript(cmd.Path))
            New();
        break;
    }
}

void TDocumentCommands::Retitle() {
    m_Ui.SetWindowTitle(RetitledCaption(m_Ui.WindowTitle(), m_Project.FileName));
}

void TDocumentCommands::Reset() {
    m_Project.FileName = "*UNTITLED";
    m_Project.Modified = true;
    m_Ui.ShowFirstPage();
    m_Ui.ResetProgressLines();
    Retitle();
    NewProject(m_Project, m_ProgramDataDir); // untitled and Modified
    MarkSaved();
    m_Ui.RefreshPages();
}

void TDocumentCommands::New() {
    Reset();
    m_Ui.DocumentReplaced();
}

bool TDocumentCommands::Load() {
    std::string path;
    return m_Ui.OpenFileName(path) && Open(path);
}

TDocumentCommands::TDocumentState TDocumentCommands::State() const {
    return {m_Project, m_Ui.WindowTitle(), m_SavedText};
}

void TDocumentCommands::Restore(TDocumentState state) {
    m_Project = std::move(state.Project);
    m_Ui.SetWindowTitle(state.Title);
    m_SavedText = std::move(state.SavedText);
}

bool TDocumentCommands::Open(const std::string& path) {
    if (!ConfirmDiscard())
        return false;
    if (UpperFileExt(path) != ".TVX") {
        ImportEngineScript(path);
        return false;
    }
    // New comes first as always; a file that turns out not to load brings back the project that
    // was open, edits and all, not the empty one New made.
    TDocumentState before = State();
    Reset();
    std::string error;
    if (TryLoad(path, error)) {
        m_Ui.DocumentReplaced();
        return true;
    }
    Restore(std::move(before));
    m_Ui.RefreshPages();
    m_Ui.MessageDlg(MarkupLiteral(error), TMsgDlgType::mtError, mbOK);
    return false;
}

bool TDocumentCommands::TryLoad(const std::string& path, std::string& error) {
    // Keep the document as it was, so that a file we could not read leaves neither its name nor
    // half of its contents behind (a later Save would otherwise overwrite that file).
    TDocumentState before = State();
    m_Project.FileName = path;
    m_Ui.ShowFirstPage();
    m_Ui.ResetProgressLines();
    Retitle();
    try {
        LoadProject(m_Project, path);
    } catch (const std::exception& e) {
        error = e.what();
        Restore(std::move(before));
        return false;
    }
    MarkSaved();
    m_Ui.RefreshPages();
    return true;
}

bool TDocumentCommands::LoadFile(const std::string& path) {
    std::string error;
    if (TryLoad(path, error)) {
        m_Ui.DocumentReplaced();
        return true;
    }
    m_Ui.RefreshPages();
    m_Ui.MessageDlg(MarkupLiteral(error), TMsgDlgType::mtError, mbOK);
    return false;
}

bool TDocumentCommands::ImportEngineScript(const std::string& path) {
    TImportedScript imported;
    try {
        if (!m_ScriptImporter)
            throw ETvError("Cannot open " + HostToUtf8(path) + ": engine scripts cannot be read here.");
        imported = m_ScriptImporter(path);
    } catch (const std::exception& e) {
        const auto* own = dynamic_cast<const ETvError*>(&e);
        m_Ui.MessageDlg(MarkupLiteral(own ? own->Text() : e.what()), TMsgDlgType::mtError, mbOK);
        return false;
    }
    // New's steps first, so that the window forgets the previous document as it does for New; the
    // saved text stays New's, so the imported project counts as unsaved work.
    Reset();
    m_Project = std::move(imported.Project);
    m_Project.FileName = "*UNTITLED";
    m_Project.Modified = true;
    m_Ui.RefreshPages();
    m_Ui.DocumentReplaced();
    if (!imported.Losses.empty())
        m_Ui.MessageDlg(MarkupList(kMsgImportLosses, imported.Losses), TMsgDlgType::mtWarning, mbOK);
    return true;
}

bool TDocumentCommands::Save() {
    if (IsBlank(m_Project.MiscDeployment)) {
        m_Ui.MessageDlg(kMsgBlankDeployment, TMsgDlgType::mtError, mbOK);
        return false;
    }
    const std::string proposed = m_Project.IsUntitled() ? std::string() : m_Project.FileName;
    std::string path;
    if (!m_Ui.SaveFileName(proposed, path) || path.empty())
        return false;
    return SaveTo(path);
}

bool TDocumentCommands::IsDefaultTitleBitmap(const std::string& value) const {
    if (IsBlank(value) || m_ProgramDataDir.empty())
        return false;
    const fs::path own = (HostPath(m_ProgramDataDir) / kTitleBitmapName).lexically_normal();
    return HostPath(AnsiToHost(value)).lexically_normal() == own;
}

bool TDocumentCommands::SaveInPlace() {
    if (m_Project.IsUntitled())
        return Save();
    if (IsBlank(m_Project.MiscDeployment)) {
        m_Ui.MessageDlg(kMsgBlankDeployment, TMsgDlgType::mtError, mbOK);
        return false;
    }
    return SaveTo(m_Project.FileName);
}

bool TDocumentCommands::SaveTo(const std::string& path) {
    // Relative host paths are taken from the project's folder: in another folder they would name
    // other files, unless the author wants them rewritten. Files inside the new folder named by a
    // full path can become relative, so that the project moves with its folder. One question for
    // both, on a first save or a save into another folder; the rewritten paths become the project's
    // only once the file was written.
    std::optional<TProject> rebased;
    const std::string oldFolder = FolderOfFile(m_Project.FileName), newFolder = FolderOfFile(path);
    if (oldFolder.empty() || !SameFolder(oldFolder, newFolder)) {
        TProject candidate = m_Project;
        std::vector<TRebasedPath> changes;
        if (!oldFolder.empty())
            changes = RebaseHostPaths(candidate, oldFolder, newFolder);
        for (TRebasedPath& inside : RelativizeHostPathsInside(candidate, newFolder))
            changes.push_back(std::move(inside));
        // A new project's title bitmap is the program's own, in its installation, which another
        // machine keeps elsewhere: a copy beside the project travels with it.
        std::string titleCopy; // where the copy goes, when the author agrees
        if (IsDefaultTitleBitmap(candidate.DialogTitleBMP)) {
            const fs::path beside = HostPath(newFolder) / kTitleBitmapName;
            std::error_code ec;
            const fs::path own = HostPath(m_ProgramDataDir) / kTitleBitmapName;
            // Without the program's own there is nothing to copy: Check names the missing bitmap.
            if (fs::is_regular_file(own, ec) && fs::is_directory(HostPath(newFolder), ec) &&
                (!fs::exists(beside, ec) || fs::equivalent(beside, own, ec) || SameBytes(beside, own))) {
                changes.push_back(
                    {"Title bitmap (copied beside the project)", candidate.DialogTitleBMP, kTitleBitmapName});
                candidate.DialogTitleBMP = kTitleBitmapName;
                titleCopy = PathToHost(beside);
            }
        }
        if (!changes.empty()) {
            const std::string question =
                MarkupList("The project is saved in " + MarkupLiteral(HostToUtf8(newFolder)) +
                               (oldFolder.empty()
                                    ? std::string()
                                    : ", its paths were taken from " + MarkupLiteral(HostToUtf8(oldFolder))) +
                               ". These paths can name the same files relative to the project's folder:",
                           RebaseReport(changes)) +
                "/#" + kMsgRebaseQuestion;
            if (m_Ui.MessageDlg(question, TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes) {
                std::error_code ec;
                const fs::path own = HostPath(m_ProgramDataDir) / kTitleBitmapName;
                if (!titleCopy.empty() && !fs::exists(HostPath(titleCopy), ec) &&
                    !fs::copy_file(own, HostPath(titleCopy), ec))
                    candidate.DialogTitleBMP = m_Project.DialogTitleBMP; // no copy: keep the full path
                rebased = std::move(candidate);
            }
        }
    }
    TProject& written = rebased ? *rebased : m_Project;

    // The file name changes only when the file was written: a failed save leaves the window
    // showing the file the project really belongs to.
    const std::string previousName = m_Project.FileName;
    written.FileName = path;
    try {
        SaveProject(written, path);
    } catch (const std::exception& e) {
        m_Project.FileName = previousName;
        m_Project.Modified = true;
        m_Ui.MessageDlg(MarkupLiteral(e.what()), TMsgDlgType::mtError, mbOK);
        return false;
    }
    if (rebased)
        m_Project = std::move(*rebased);
    m_Project.Modified = false;
    MarkSaved();
    Retitle();
    if (rebased)
        m_Ui.RefreshPages();
    return true;
}

bool TDocumentCommands::CloseQuery() {
    if (!m_Project.Modified && !HasUnsavedWork())
        return true;
    return m_Ui.MessageDlg(kMsgCloseUnsaved, TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes;
}

} // namespace tv
