#pragma once
// Compile: hands the installer script of the last build to the engine's compiler (whatever program
// the desktop opens .TZN scripts with), waits for it while the window keeps breathing, and offers
// to run the setup program it made.

#include "deploy/BuildUi.h"

#include <cstddef>
#include <functional>
#include <string>

namespace tv {

// MIME type of the engine's installer scripts (*.tzn), for the desktop's file associations.
extern const char* const kScriptMimeType; // "application/x-tamrin-script"
// Environment variable naming the compiler command; the script path is appended to it.
extern const char* const kCompilerEnvVar; // "TAMVELOX_COMPILER"

// Called again and again while waiting; returning false (a quit request, or the user no longer
// wanting to wait) ends the wait.
using TBreathe = std::function<bool()>;

// What a wait tells its caller on the way. Every member may be empty.
struct TWaitHooks {
    // The program was started and is waited for; its name as the user knows it (file name only).
    std::function<void(const std::string& program)> Started;
    TBreathe Breathe;
    // When set, the program's standard output and error are captured (where the platform starts the
    // program itself) and handed over piece by piece as they arrive, in the order written, with a
    // breath after each piece of at most 256 KiB. When the wait is stopped after the program has
    // ended, of what was not handed over yet only the last kMaxCompilerOutput bytes are. When not
    // set, or not captured, they go to our standard error.
    std::function<void(const std::string& text)> Output;
};

enum class TLaunchStatus {
    NotStarted,  // no program could be started for the file
    Exited,      // the program ran and ended; ExitCode holds its code
    NoProcess,   // the desktop took the file but gave no process to wait for
    Interrupted, // the wait was ended early; the program is left running
};
struct TLaunchResult {
    TLaunchStatus Status = TLaunchStatus::NotStarted;
    int ExitCode = -1;
    std::string Error;           // why nothing was started
    std::string Program;         // name of the program started (for messages), when one was
    bool OutputCaptured = false; // its output went to the Output hook
};

// Whether this platform captures the output of a program it opens a file with. On Linux we start
// the program ourselves; on Windows the shell does, and its output cannot be had.
bool CanCaptureProgramOutput();

// Opens file with the program the desktop associates with it (or, for a .TZN script, the command
// in $TAMVELOX_COMPILER) and waits until that program ends. parameters are passed after the file;
// folder, when not empty, is the program's working folder (else it inherits the current one).
// Platform layer: CompileLauncher_posix.cpp / CompileLauncher_win.cpp.
TLaunchResult ShellOpenAndWait(const std::string& file, const std::string& parameters,
                               const std::string& folder, const TWaitHooks& hooks);
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
    bool OfferOutput = true; // a failure message offers the compiler's captured output
};

// The most of the compiler's output kept; beyond it the oldest lines are left out.
constexpr std::size_t kMaxCompilerOutput = 4u << 20;

enum class TCompileOutcome {
    Done,           // the compiler ran and the setup program is there
    FolderError,    // there is no script, or its folder is missing
    NotStarted,     // no program could be started for the script
    NoSetupProgram, // the compiler ran but the setup program did not appear
    Interrupted,    // the wait for the compiler was stopped; it is left running
};

struct TCompileResult {
    TCompileOutcome Outcome = TCompileOutcome::Done;
    std::string SetupExe;  // the setup program the compiler makes beside the script
    std::string Message;   // what was reported (plain ANSI text), empty when all went well
    bool RanSetup = false; // the user chose to run the setup program
    // The compiler's standard output and error as it wrote them (UTF-8 or the host's text), when
    // they could be captured; with a note at the top when the oldest part was left out.
    bool OutputCaptured = false;
    std::string Output;
    bool ShowOutput = false; // the user asked, from a failure message, to see that output
};

// The Compile command on the script the last Build wrote (empty when there was none). The compile
// line lbC1 goes 1 -> 2 (3 when something failed, 0 when the wait was stopped); failures are
// reported through ui, and so is what it waits for.
TCompileResult Compile(IBuildUi& ui, const std::string& scriptPath, const TCompileOptions& options = {});

} // namespace tv
