#pragma once
// The three files the installer engine reads, written from the Project through TkvIniFile:
// the installer script <ProjectName>.TZN, and in the image folder's Presetup folder the setup
// settings file TZNS.INI and the install list file APP.INS.

#include "core/Project.h"
#include "core/ProjectSettings.h"

#include <string>
#include <vector>

namespace tv {

class TkvIniFile;

extern const char* const kSettingsFileName; // "TZNS.INI"
extern const char* const kInstallFileName;  // "APP.INS"

// The project file's name without its folder, up to its first "." (my.app.tvx gives "my").
std::string ProjectNameOf(const std::string& projectFileName);

// Writes the [Info] block into an open store.
void WriteInfoBlock(TkvIniFile& ini);

// Each writer throws EDeployError (deploy/DeployError.h) naming its file when the file cannot be
// opened or written completely.
void WriteScriptFile(const TProject& project, const std::string& scriptPath);
void WriteSettingsFile(const TProject& project, const std::string& presetupFolder);
void WriteInstallFile(const TProject& project, const std::string& presetupFolder);

// The bytes each writer would write, made without touching the disk.
struct TEngineTexts {
    std::string Script;   // <ProjectName>.TZN
    std::string Settings; // TZNS.INI
    std::string Install;  // APP.INS
};
TEngineTexts EngineFileTexts(const TProject& project);
std::string SettingsFileText(const TProject& project);
std::string InstallFileText(const TProject& project);

// The keys of the settings file's [Config] and [Display] sections, in the order they are written.
// Each is a project setting written as the project file writes it (Setting), a value the writer
// makes and the import reads itself (Made), or a fixed text (Fixed).
struct TSettingsFileKey {
    const char* Section;
    const char* Key;
    const TSetting* Setting = nullptr;
    std::string (*Made)(const TProject&) = nullptr;
    const char* Fixed = "";
};
const std::vector<TSettingsFileKey>& SettingsFileKeys();

// Pieces of the writers, shared with the checks and the tests.
std::string DialogSequence(const TProject& project);
// One run-list row as `"<app>","<arg>","<dir>",<mode>,"<message>",<wait>`.
std::string RunEntryValue(const TRunRecord& run);
// One static bitmap row as name,x,y,corner[,transparent colour].
std::string StaticBitmapValue(const TStaticBitmap& bitmap);

} // namespace tv
