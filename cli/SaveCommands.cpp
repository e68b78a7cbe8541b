// The document commands of the console tool, and the dispatcher every command goes through.
#include "cli/CliCommands.h"

#include "TamveloxVersion.h"
#include "core/DocumentCommands.h"
#include "core/ProjectFile.h"
#include "core/kvIniFile.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace tv {

std::string CliProgramDataDir() {
    if (const char* dir = std::getenv("TAMVELOX_DATA_DIR"); dir && *dir)
        return dir;
    // The same search as the window's: installed data, the source tree's resources, the program's folder.
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ProgramDataDir(ec ? std::string() : exe.parent_path().string());
}

int RunSave(const CliOptions& options, std::ostream&, std::ostream& err) {
    const std::string& in = options.Files.at(0);
    const std::string& out = options.Files.at(1);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(in, ec)) {
        err << "tamvelox-cli: " << in << ": no such project file\n";
        return kExitBadInput;
    }
    TProject project;
    try {
        LoadProject(project, in);
    } catch (const std::exception& e) {
        err << "tamvelox-cli: " << e.what() << "\n";
        return kExitBadInput;
    }
    try {
        SaveProject(project, out);
    } catch (const std::exception& e) {
        err << "tamvelox-cli: " << e.what() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

int RunNew(const CliOptions& options, std::ostream&, std::ostream& err) {
    const std::string& out = options.Files.at(0);
    TProject project;
    NewProject(project, CliProgramDataDir());
    try {
        SaveProject(project, out);
    } catch (const std::exception& e) {
        err << "tamvelox-cli: " << e.what() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const CliOptions options = ParseCommandLine(argc, argv);
    if (!options.Ok()) {
        err << "tamvelox-cli: " << options.Error << "\n" << CliUsageText();
        return kExitBadInput;
    }
    if (options.Help) {
        out << CliUsageText();
        return kExitOk;
    }
    if (options.Version) {
        out << "tamvelox-cli " << TAMVELOX_VERSION << "\n";
        return kExitOk;
    }
    for (const auto& c : CliCommandTable())
        if (options.Command == c.Syntax.Name)
            return c.Run(options, out, err);
    err << "tamvelox-cli: unknown command " << options.Command << "\n";
    return kExitBadInput;
}

} // namespace tv
