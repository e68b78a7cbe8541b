#pragma once
// Compile: hands the installer script of the last build to the engine's compiler (whatever program
// the desktop opens .TZN scripts with), waits for it while the window keeps breathing, and offers
// to run the setup program it made.

#include "deploy/BuildUi.h"

#include <functional>
#include <string>

namespace tv {

// MIME type of the engine's installer scripts (*.tzn), for the desktop's file associations.
extern const char* const kScriptMimeType; // "application/x-tamrin-script"
// Environment variable naming the compiler command; the script path is appended to it.
extern const char* const kCompilerEnvVar; // "TAMVELOX_COMPILER"

// Called again and again while waiting; returning false (a quit request) ends the wait.
using TBreathe = std::function<bool()>;

enum class TLaunchStatus {
    NotStarted,  // no program could be started for the file
    Exited,      // the program ran and ended; ExitCode holds its code
    NoProcess,   // the desktop took the file but gave no process to wait for
    Interrupted, // the wait was ended by a quit request; the program may still run
};
struct TLaunchResult {
    TLaunchStatus Status = TLaunchStatus::NotStarted;
    int ExitCode = -1;
    std::string Error; // why nothing was started
};

// Opens file with the program the desktop associates with it (or, for a .TZN script, the command
// in $TAMVELOX_COMPILER) and waits until that program ends. parameters are passed after the file;
// folder, when not empty, is the program's working folder (else it inherits the current one).
// Platform layer: CompileLauncher_posix.cpp / CompileLauncher_win.cpp.
TLaunchResult ShellOpenAndWait(const std::string& file, const std::string& parameters,
                               const std::string& folder, const TBreathe& breathe);

// The same with the plain result: the program's exit code, or -1 when nothing was started or the
// wait was interrupted.
int ExecuteAndWait(const std::string& file, const std::string& parameters, const std::string& folder,
                   const TBreathe& breathe);

// Waits ms milliseconds while calling breathe.
void Delay(int ms, const std::function<void()>& breathe);

struct TCompileOptions {
    int StartDelayMs = 1000; // pause before the compiler starts (lets the page repaint)
    int EndDelayMs = 500;    // pause after it ended, before the question
    bool OfferToRun = true;  // ask whether to run the setup program it made
};

enum class TCompileOutcome {
    Done,           // the compiler ran and the setup program is there
    FolderError,    // there is no script, or its folder is missing
    NotStarted,     // no program could be started for the script
    NoSetupProgram, // the compiler ran but the setup program did not appear
    Interrupted,    // a quit request ended the wait
};

struct TCompileResult {
    TCompileOutcome Outcome = TCompileOutcome::Done;
    std::string SetupExe;  // the setup program the compiler makes beside the script
    std::string Message;   // what was reported (plain ANSI text), empty when all went well
    bool RanSetup = false; // the user chose to run the setup program
};

// The Compile command on the script the last Build wrote (empty when there was none). The compile
// line lbC1 goes 1 -> 2 (3 when something failed); failures are reported through ui.
TCompileResult Compile(IBuildUi& ui, const std::string& scriptPath, const TCompileOptions& options = {});

} // namespace tv
