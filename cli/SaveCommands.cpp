// The document commands of the console tool, and the dispatcher every command goes through.
#include "cli/CliCommands.h"

#include "TamveloxVersion.h"
#include "core/DocumentCommands.h"
#include "core/HostPath.h"
#include "core/PathRebase.h"
#include "core/ProjectFile.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace tv {

namespace {

// The folder of the running program (host text, as ProgramDataDir reads it); empty when it cannot be told.
std::string ProgramFolder() {
#ifdef _WIN32
    wchar_t buf[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, buf, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return {};
    return PathToHost(std::filesystem::path(std::wstring(buf, n)).parent_path());
#else
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : PathToHost(exe.parent_path());
#endif
}

} // namespace

std::string CliProgramDataDir() {
    if (const char* dir = std::getenv("TAMVELOX_DATA_DIR"); dir && *dir) {
#ifdef _WIN32
        // The bitmap's path is joined with "\\": the folder uses that separator throughout too.
        return PathToHost(HostPath(dir).make_preferred());
#else
        return dir;
#endif
    }
    // The same search as the window's: installed data, the source tree's resources, the program's folder.
    return ProgramDataDir(ProgramFolder());
}

bool LoadCommandProject(const std::string& file, TProject& project, std::ostream& err) {
    // The file is looked at and read by the name as given: a relative name works also where the
    // current folder's full path is too long for the system.
    std::error_code ec;
    const std::filesystem::path given = HostPath(file);
    const auto status = std::filesystem::status(given, ec);
    if (!std::filesystem::exists(status)) {
        err << "tamvelox-cli: " << HostToUtf8(file) << ": no such project file";
        if (ec && ec != std::errc::no_such_file_or_directory)
            err << " (" << HostToUtf8(ec.message()) << ")";
        err << "\n";
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        err << "tamvelox-cli: " << HostToUtf8(file) << ": not a regular file\n";
        return false;
    }
    try {
        LoadProject(project, file);
    } catch (const std::exception& e) {
        err << "tamvelox-cli: " << e.what() << "\n";
        return false;
    }
    // The project's own name is its full path (relative paths in it are taken from its folder).
    const auto full = std::filesystem::absolute(given, ec);
    if (!ec)
        project.FileName = PathToHost(full.lexically_normal());
    return true;
}

namespace {

int SaveCommandProject(TProject& project, const std::string& file, std::ostream& err) {
    try {
        SaveProject(project, file);
    } catch (const std::exception& e) {
        err << "tamvelox-cli: " << e.what() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

const char* const kFlagRebase = "--rebase";

int RunSave(const CliOptions& options, std::ostream&, std::ostream& err) {
    TProject project;
    if (!LoadCommandProject(options.Files.at(0), project, err))
        return kExitBadInput;
    const std::string oldFolder = FolderOfFile(project.FileName);
    const std::string newFolder = FolderOfFile(options.Files.at(1));
    const bool moved = !SameFolder(oldFolder, newFolder);
    if (!options.Has(kFlagRebase)) {
        if (moved && !RelativeHostPaths(project).empty()) {
            // Kept as typed, as asked; the author should know they now name other files.
            err << "tamvelox-cli: note: these paths stay relative, now to " << HostToUtf8(newFolder)
                << " (--rebase keeps them naming the same files):\n";
            for (const TRelativePath& rel : RelativeHostPaths(project))
                err << "  " << rel.What << " \"" << AnsiToUtf8(*rel.Value) << "\"\n";
        }
        return SaveCommandProject(project, options.Files.at(1), err);
    }
    // As the window offers it: relative paths keep naming their files, and files inside the new
    // folder named by a full path become relative, so the project moves with its folder.
    std::vector<TRebasedPath> rebased;
    if (moved)
        rebased = RebaseHostPaths(project, oldFolder, newFolder);
    for (TRebasedPath& inside : RelativizeHostPathsInside(project, newFolder))
        rebased.push_back(std::move(inside));
    const int code = SaveCommandProject(project, options.Files.at(1), err);
    if (code == kExitOk && !rebased.empty()) {
        err << "tamvelox-cli: rewrote the paths for " << HostToUtf8(newFolder) << ":\n";
        for (const std::string& line : RebaseReport(rebased))
            err << "  " << line << "\n";
    }
    return code;
}

int RunNew(const CliOptions& options, std::ostream&, std::ostream& err) {
    TProject project;
    NewProject(project, CliProgramDataDir());
    return SaveCommandProject(project, options.Files.at(0), err);
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
