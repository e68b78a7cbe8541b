#pragma once
// Opening an existing setup: an engine script, and in the image folder its [Config] ImagePath names
// Presetup/TZNS.INI, Presetup/APP.INS and the files beside them, read back into a Project, the
// inverse of the writers (deploy/ScriptWriter.h). What the files hold that the project cannot keep
// is listed: every line of the three files the writers would not write again as it stands, every
// file of the image folder no row names, every row past the project's limits.

#include "core/ImportedScript.h"
#include "core/TvError.h"

#include <optional>
#include <string>
#include <vector>

namespace tv {

// The engine files and what the image folder holds, as the import reads them. Host paths.
struct TEngineFiles {
    std::string ScriptPath; // the script
    std::string Script;     // its bytes
    bool ImageFound = false;
    std::string ImageRoot;                  // the folder ImagePath names
    std::string Presetup;                   // ImageRoot/Presetup
    std::string Data;                       // ImageRoot/Data
    std::optional<std::string> Settings;    // the bytes of Presetup/TZNS.INI; none when missing
    std::optional<std::string> Install;     // the bytes of Presetup/APP.INS
    std::vector<std::string> PresetupFiles; // names of the files in Presetup
    std::vector<std::string> DataFiles;     // files below Data, "/"-separated relative paths
};

// The import of files already read. Throws ETvError when the script cannot be read or names no
// image folder (it is no engine script).
TImportedScript ImportEngineFiles(const TEngineFiles& files);

// Reads the script at scriptPath and its image folder from the disk, then ImportEngineFiles. Letter
// case of the image folder's names is not insisted on (the engine's own system ignores it).
TImportedScript ImportEngineScript(const std::string& scriptPath);

} // namespace tv
