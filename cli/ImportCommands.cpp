#include "cli/ImportCommands.h"

#include "cli/CliCommands.h"
#include "core/DocumentCommands.h"
#include "core/HostPath.h"
#include "core/ProjectFile.h"
#include "core/TextCodec.h"
#include "core/TvError.h"
#include "deploy/FileUtils.h"
#include "deploy/ScriptImport.h"
#include "deploy/ScriptWriter.h"

#include <filesystem>
#include <ostream>

namespace tv {

int RunImport(const CliOptions& options, std::ostream&, std::ostream& err) {
    std::error_code ec;
    const auto absolute = [&](const std::string& file) {
        const auto full = std::filesystem::absolute(HostPath(file), ec);
        return ec ? file : PathToHost(full.lexically_normal());
    };
    const std::string script = absolute(options.Files.at(0));
    const std::string target = absolute(options.Files.at(1));
    TImportedScript imported;
    try {
        imported = ImportEngineScript(script);
    } catch (const ETvError& e) {
        err << "tamvelox-cli: " << e.Text() << "\n";
        return kExitBadInput;
    }
    if (!imported.Losses.empty()) {
        err << "tamvelox-cli: note: " << kMsgImportLosses << "\n";
        for (const std::string& loss : imported.Losses)
            err << "  " << loss << "\n";
    }
    TProject& project = imported.Project;
    project.FileName = target;
    try {
        SaveProject(project, target);
    } catch (const std::exception& e) {
        err << "tamvelox-cli: " << e.what() << "\n";
        return kExitFailed;
    }
    // The image folder and the setup program are named after the project file.
    const std::string name = ProjectNameOf(target);
    if (HostToAnsi(name).value_or(name) != imported.ProjectName)
        err << "tamvelox-cli: note: the setup was named \"" << AnsiToUtf8(imported.ProjectName)
            << "\"; a build of " << HostToUtf8(ExtractFileName(target)) << " names it \"" << HostToUtf8(name)
            << "\".\n";
    return kExitOk;
}

} // namespace tv
