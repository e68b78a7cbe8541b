#pragma once
// The document commands of the main window: creating the window's document, start-up with an
// optional command-line argument, New, Load, Save and the question asked before closing. No GUI
// here: what the commands ask or show goes through IDocumentUi, which the main window implements
// with its dialogs and the tests with scripted answers.
//
// Texts crossing IDocumentUi (messages, window titles, paths) are UTF-8; paths are host paths.

#include "core/ImportedScript.h"
#include "core/MsgDlg.h"
#include "core/Project.h"

#include <functional>
#include <string>
#include <vector>

namespace tv {

// The product title at the head of the main window's caption.
extern const char* const kProductTitle; // "Tamrin Installer Velox"

// Message texts the commands show (tests compare against them).
extern const char* const kMsgRegistrationFailed; // file type could not be registered
extern const char* const kMsgBlankDeployment;    // Save refused: deployment folder is blank
extern const char* const kMsgCloseUnsaved;       // close question
extern const char* const kMsgRebaseQuestion;     // Save to another folder: keep relative paths' files?
extern const char* const kMsgImportLosses;       // heads the list of what an imported script loses

class IDocumentUi {
public:
    virtual ~IDocumentUi() = default;

    // The program's message dialog; returns the result code (mrOk, mrYes ...).
    virtual int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) = 0;
    // A plain message box, for the one message shown while the window is still being made.
    virtual void ShowPlainMessage(const std::string& text) = 0;
    // The open dialog; false when it was cancelled.
    virtual bool OpenFileName(std::string& path) = 0;
    // The save dialog, proposing `proposed` (empty: no name); false when it was cancelled.
    virtual bool SaveFileName(const std::string& proposed, std::string& path) = 0;

    virtual std::string WindowTitle() const = 0;
    virtual void SetWindowTitle(const std::string& title) = 0;
    // First wizard step and page, the wizard buttons of step 0, and the first tab of every page
    // that has tabs.
    virtual void ShowFirstPage() = 0;
    virtual void ResetProgressLines() = 0;
    // Every page shows the Project again (after New and Load).
    virtual void RefreshPages() = 0;
    // The Project was replaced by a new or loaded one: what the window kept of the previous one
    // (the script of its last build) no longer applies.
    virtual void DocumentReplaced() {}
};

// What the command-line argument asks for at start-up.
enum class TStartupAction {
    New,                // no argument, or a file of another type
    Load,               // a .TVX project file
    ImportEngineScript, // a .TZN engine script, read into a new project
};
struct TStartupCommand {
    TStartupAction Action = TStartupAction::New;
    std::string Path; // full path of the argument for Load and ImportEngineScript
};

// args are the program's arguments without the program name; relative paths are taken from
// currentDir.
TStartupCommand ParseStartupArguments(const std::vector<std::string>& args, const std::string& currentDir);

// Upper-cased extension of a host path, with its dot (".TVX"); empty when the name has none.
std::string UpperFileExt(const std::string& path);
// path made absolute against currentDir and cleaned of "." and ".." components.
std::string ExpandFileName(const std::string& path, const std::string& currentDir);

// The caption after New, Load and Save: the text of the current caption before its first "-",
// trimmed, then " - " and the file name.
std::string RetitledCaption(const std::string& currentCaption, const std::string& fileName);

// The first of candidates that is an existing folder; empty when none is.
std::string FirstExistingFolder(const std::vector<std::string>& candidates);
// <prefix>/share/tamvelox for a program in <prefix>/bin; empty for an empty exeDir.
std::string InstalledDataDir(const std::string& exeDir);
// The folder of the program's data (the dialog title bitmap tzns256.bmp): the data folder of the
// prefix the program runs from, else the configured installed data folder, else (in development
// builds) the source tree's resources folder, else the executable's folder; the first that exists.
// On Windows always the executable's folder.
std::string ProgramDataDir(const std::string& exeDir);

class TDocumentCommands final {
public:
    // Registers the .tvx file type; false (with a reason in *error) when that failed.
    using TRegisterFileType = std::function<bool(std::string* error)>;

    TDocumentCommands(TProject& project, IDocumentUi& ui, std::string programDataDir);

    // The window was created: untitled, empty tables, file type registered (a failure is shown as
    // a plain message and start-up goes on). Returns whether the registration succeeded.
    bool Create(const TRegisterFileType& registerFileType);
    // The window became active for the first time; later calls do nothing.
    void StartUp(const std::vector<std::string>& args, const std::string& currentDir);
    bool StartedUp() const { return m_StartedUp; }

    // A new project, without asking even when the current one has changes.
    void New();
    // Asks for a file, then Open(it). True when a project file was loaded.
    bool Load();
    // Asks before unsaved work is dropped; New, then loads path (a .TVX) or hands it to
    // ImportEngineScript. True when a project file was loaded (not for an imported script). A file that
    // cannot be loaded leaves the document as it was before (Project with its edits, Modified, file name and
    // title).
    bool Open(const std::string& path);
    // Loads a project file into the Project under path. On failure the error is shown and the
    // document is left as it was before (Project, file name and title). True on success.
    bool LoadFile(const std::string& path);
    // Engine scripts are read by the importer given here (none: they cannot be opened).
    void SetScriptImporter(TScriptImporter importer) { m_ScriptImporter = std::move(importer); }
    // Reads an engine script and its image folder into a new, untitled and Modified project, then
    // lists in one message what the project could not keep. A script that cannot be read is reported
    // and leaves the document as it was. True when a project was made.
    bool ImportEngineScript(const std::string& path);
    // Asks for a file name and saves. True when the project was written. Saved into another
    // folder, a project with host paths relative to its folder asks whether they should keep
    // naming the same files (Yes rewrites them, No keeps them as typed).
    bool Save();
    // Saves under the project's file name without asking for one (Save when it has none yet).
    bool SaveInPlace();
    // May the window close? Asks when the project is Modified or holds edits that were never saved.
    bool CloseQuery();
    // Before New or Load replace the project: asks "Script is not saved yet,/#Continue ?" when the
    // project holds anything that was not saved; true when it may be replaced.
    bool ConfirmDiscard();
    // The project differs from what was last created, loaded or saved. Some settings do not set
    // Modified when edited; this still sees them, so no edit is lost without a question.
    bool HasUnsavedWork() const;

    const std::string& ProgramDataFolder() const { return m_ProgramDataDir; }

private:
    // What a failed Load puts back.
    struct TDocumentState {
        TProject Project;
        std::string Title;
        std::string SavedText;
    };
    TDocumentState State() const;
    void Restore(TDocumentState state);
    // New's steps, without telling the window that the document was replaced.
    void Reset();
    // Loads path; on failure the document is as it was at the call (pages not refreshed) and
    // error says why.
    bool TryLoad(const std::string& path, std::string& error);
    void Retitle();
    void MarkSaved();
    // Save's steps once the file name is known.
    bool SaveTo(const std::string& path);
    // value names the title bitmap in the program's own data folder (a new project's).
    bool IsDefaultTitleBitmap(const std::string& value) const;

    TProject& m_Project;
    IDocumentUi& m_Ui;
    std::string m_ProgramDataDir;
    bool m_StartedUp = false;
    std::string m_SavedText; // ProjectFileText at the last create, new, load or save
    TScriptImporter m_ScriptImporter;
};

} // namespace tv
