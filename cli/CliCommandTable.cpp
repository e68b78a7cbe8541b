#include "cli/BuildCommands.h"
#include "cli/CliCommands.h"
#include "cli/ImportCommands.h"

namespace tv {

const std::vector<TCliCommand>& CliCommandTable() {
    static const std::vector<TCliCommand> table = {
        {{"save",
          {"IN.tvx", "OUT.tvx"},
          "Load IN.tvx and save it as OUT.tvx (an existing OUT is kept as .BAK)",
          {{kFlagRebase, "rewrite paths relative to IN's folder so that they name the same files from "
                         "OUT's folder"}}},
         &RunSave},
        {{"new", {"OUT.tvx"}, "Save a new project as OUT.tvx", {}}, &RunNew},
        {{"build", {"FILE.tvx"}, "Build the deployment folder of FILE.tvx", {}}, &RunBuild},
        {{"check", {"FILE.tvx"}, "List every problem a build of FILE.tvx would meet", {}}, &RunCheck},
        {{"compile", {"FILE.tvx"}, "Build FILE.tvx, then run the engine's compiler on its script", {}},
         &RunCompile},
        {{"import",
          {"SCRIPT.TZN", "OUT.tvx"},
          "Read an engine script and its image folder into a new project saved as OUT.tvx",
          {}},
         &RunImport},
    };
    return table;
}

const std::vector<TCliCommandSyntax>& CliCommandSyntax() {
    static const std::vector<TCliCommandSyntax> syntax = [] {
        std::vector<TCliCommandSyntax> s;
        for (const auto& c : CliCommandTable())
            s.push_back(c.Syntax);
        return s;
    }();
    return syntax;
}

} // namespace tv
