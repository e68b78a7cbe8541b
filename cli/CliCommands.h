#pragma once
// The commands of tamvelox-cli. Each writes what it produces to out and its messages to err and
// returns the exit code: 0 done, 1 failed or refused, 2 bad arguments or unreadable project.

#include "cli/CliOptions.h"
#include "core/Project.h"

#include <iosfwd>
#include <string>

namespace tv {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitBadInput = 2;

using TCliCommandFunc = int (*)(const CliOptions&, std::ostream& out, std::ostream& err);

// Adding a command: write its function, then add one line with its syntax and function to the table
// in cli/CliCommandTable.cpp.
struct TCliCommand {
    TCliCommandSyntax Syntax;
    TCliCommandFunc Run;
};
const std::vector<TCliCommand>& CliCommandTable();

// save [--rebase] IN.tvx OUT.tvx: load IN, save it to OUT (backup included). With --rebase, paths
// relative to IN's folder are rewritten to name the same files from OUT's; without it, they are
// kept as typed and a note says which of them now name other files.
extern const char* const kFlagRebase; // "--rebase"
int RunSave(const CliOptions& options, std::ostream& out, std::ostream& err);
// new OUT.tvx: save a new project.
int RunNew(const CliOptions& options, std::ostream& out, std::ostream& err);

// Loads a command's project file into project under its full path; false, having told err why,
// when it is missing or cannot be read as a project (the command then exits with kExitBadInput).
bool LoadCommandProject(const std::string& file, TProject& project, std::ostream& err);

// Parses the command line and runs the command; the whole of main().
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Folder of the program's data files (the title bitmap): $TAMVELOX_DATA_DIR when set, else the
// folder the window would use.
std::string CliProgramDataDir();

} // namespace tv
