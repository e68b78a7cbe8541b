#pragma once
// A project read back from an engine script and its image folder, with what the engine files hold
// that the project cannot keep. Made by the importer of the deployment layer; the document commands
// receive the importer as a function, so that the core does not depend on that layer.

#include "core/Project.h"
#include "core/TvError.h"

#include <functional>
#include <string>
#include <vector>

namespace tv {

struct TImportedScript {
    TProject Project;                // untitled
    std::string ProjectName;         // the script's ImagePath: the project file's name to build the same tree
    std::vector<std::string> Losses; // UTF-8, one text per thing the project does not keep
};

// Reads the script at a host path; throws ETvError (core/TvError.h) when it cannot be read or is
// no engine script.
using TScriptImporter = std::function<TImportedScript(const std::string& scriptPath)>;

} // namespace tv
