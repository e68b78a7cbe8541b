#include "cli/BuildCommands.h"
#include "cli/CliCommands.h"
#include "cli/EditCommands.h"
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
        {{"build",
          {"FILE.tvx"},
          "Build the deployment folder of FILE.tvx, copying only the files that changed",
          {{kFlagClean, "clear the image folder and copy every file again"}}},
         &RunBuild},
        {{"check",
          {"FILE.tvx"},
          "List every problem a build of FILE.tvx would meet",
          {{kOptionFormat, "text (one line per finding, the default) or json", "FORMAT"}}},
         &RunCheck},
        {{"compile",
          {"FILE.tvx"},
          "Build FILE.tvx, then run the engine's compiler on its script",
          {{kFlagClean, "build as build --clean does"}}},
         &RunCompile},
        {{"get",
          {"FILE.tvx", "[KEY...]"},
          "Print the values of settings named Section.Key (Start.App.Name, Main_Window.Title.Font), one "
          "per line; without KEY every setting as KEY=VALUE",
          {}},
         &RunGet},
        {{"set",
          {"FILE.tvx", "KEY=VALUE..."},
          "Change settings with the window's checks and save FILE.tvx (the old one kept as .BAK); a "
          "refused value changes nothing",
          {}},
         &RunSet},
        {{"add-file",
          {"FILE.tvx", "SOURCE..."},
          "Add files, and folders with every file below them, to the files of FILE.tvx",
          {{kOptionTarget,
            "where they are installed (default %InstallPath%); a folder's sub-folders are "
            "added below it",
            "TARGET"},
           {kOptionFlags,
            "their flags, joined by \",\": NO_LOG, NO_VERSION_CHECK, REGISTER_SERVER, "
            "REGISTER_FONT, DONT_ASK_USER, DONT_OVERWRITE, EXTERNAL_FILE, SHARED_FILE",
            "FLAGS"}}},
         &RunAddFile},
        {{"remove-file",
          {"FILE.tvx", "SOURCE..."},
          "Remove the files of those sources (or of every source below a folder) from FILE.tvx",
          {}},
         &RunRemoveFile},
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
