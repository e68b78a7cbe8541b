#pragma once
// Build: turns the saved Project into the deployment folder the engine compiles (image folder with
// Presetup and Data, the copied files, the three engine files). Check: every problem a build would
// meet, found without touching the disk.

#include "core/Project.h"
#include "deploy/BuildUi.h"
#include "deploy/FileUtils.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tv {

extern const char* const kMsgNotSaved; // "Script has some edited fields, /#please save before continue"
extern const char* const kMsgCannotDelete; // "Can not delete "
extern const char* const kMsgWarnings;     // heads the list of Check's warnings
extern const char* const kMsgRefused;      // heads the list of errors that stop a build

// Where a build of a project goes. Host paths, resolved against the project file's folder.
struct TDeploymentPaths {
    std::string ProjectName; // project file name up to its first "."
    std::string Deploy;      // deployment folder, no trailing delimiter
    std::string ImageRoot;   // Deploy/ProjectName
    std::string Presetup;    // ImageRoot/Presetup
    std::string Data;        // ImageRoot/Data
    std::string ScriptPath;  // Deploy/ProjectName.TZN
    std::string SetupExe;    // Deploy/ProjectName.EXE
};
TDeploymentPaths DeploymentPaths(const TProject& project);
// Build's question before it clears the image folder, naming it.
std::string ClearFolderQuestion(const TDeploymentPaths& paths);

// The folder relative host paths of a project are taken from (the project file's folder).
std::string ProjectBaseFolder(const TProject& project);
// A host path of the project (source, readme, bitmap ...) as the build uses it.
std::string ResolveProjectPath(const TProject& project, const std::string& path);

// Why the project must not be built at all: blank deployment folder, no project name, a
// destination climbing out with "..", an image folder that holds the project's own files or that
// an earlier build did not make, rows beyond the file format's limits. Empty when a build may start.
std::vector<std::string> BuildRefusals(const TProject& project);
// The same with the looks at files taken so far (TFileLooks).
std::vector<std::string> BuildRefusals(const TProject& project, TFileLooks& looks);

// Different sources that the build would copy to one place, one text each naming both and the place.
std::vector<std::string> DestinationClashes(const TProject& project);

enum class TBuildOutcome {
    Done,      // everything built
    NotSaved,  // the project has unsaved changes: nothing done
    Cancelled, // the user answered No: nothing done
    Refused,   // an error of Check (BuildRefusals among them): nothing deleted or written
    Failed,    // the build ran to its end but something could not be created, copied or written
};

// How Build reaches its tree. Both end with the same files; Rebuild only copies what changed.
enum class TBuildMode {
    Rebuild, // keeps copies whose sources are unchanged (ReuseUnchangedCopy), removes what is not made
    Clean,   // clears the image folder and copies every file again
};

struct TBuildResult {
    TBuildOutcome Outcome = TBuildOutcome::Done;
    std::vector<std::string> Problems; // refusals or failures, one UTF-8 text each
    std::vector<std::string> Warnings; // what Check warned of before the question
    int FilesCopied = 0;
    std::uint64_t BytesCopied = 0;
    int FilesKept = 0; // copies of an earlier build that were still good (Rebuild)
};

// How many failures the closing message of a build names; the rest are counted.
constexpr std::size_t kMaxListedFailures = kMaxListedItems;

// The Build command. Shows Check's warnings, asks to confirm through ui (anything but No goes on),
// refuses on any error of Check before deleting anything, then builds to the end,
// reporting failures in one error message at the end; the failing stage's line shows psFailed.
// scriptPath receives the installer script's path for Compile once the build has got that far.
// unsavedEdits: the project differs from what was last loaded or saved although Modified is clear
// (some settings do not set it); it is refused as a modified one is.
// Either mode ends with the tree a build into an empty folder makes (entries whose name starts with
// "." and that the project does not make are left alone, as clearing leaves them).
TBuildResult Build(const TProject& project, IBuildUi& ui, std::string& scriptPath, bool unsavedEdits = false,
                   TBuildMode mode = TBuildMode::Rebuild);

} // namespace tv
