#pragma once
// The project file (.TVX): the whole Project as INI-format text written through the keyed INI store,
// with a .BAK backup of the previous file before every save.

#include "core/Project.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tv {

// A project file that could not be saved or is not a project; the message names the file and, for
// a refused value, the value.
class EProjectFileError final : public std::runtime_error {
public:
    explicit EProjectFileError(const std::string& message) : std::runtime_error(message) {}
};

// Free texts of the [Info] section.
extern const char* const kInfoGenerator; // "Tamrin Installer Velox v1.0"
extern const char* const kInfoCopyright;
extern const char* const kInfoHomepage;
extern const char* const kInfoTznNeeded; // "Tamrin Installer v1.6"
extern const char* const kInfoTznCopyright;
extern const char* const kInfoTznHomepage;

// The name of the title bitmap that ships with the program.
extern const char* const kTitleBitmapName; // "tzns256.bmp"

// Writes project to path: first the format limits are checked (nothing is written or backed up when
// a value would not fit), then the previous file is moved to the .BAK, then the file is written.
// Clears Modified on success. Throws EProjectFileError (or EInOutError when an old file that could
// not be moved aside cannot be opened either); Modified then stays as it was. FileName is the
// caller's business.
void SaveProject(TProject& project, const std::string& path);

// Reads path into project and sets FileName to path; every key the file lacks takes its default.
// A missing file gives the defaults. Throws EInOutError ("Cannot open file <path>") when the file
// exists but cannot be opened, and EProjectFileError when it holds none of the sections [Start],
// [Main_Window] and [Dialog]; in both cases project is left exactly as it was.
void LoadProject(TProject& project, const std::string& path);

// The text SaveProject would write for project (CR LF lines), without touching the disk. Two
// projects with the same text store the same thing.
std::string ProjectFileText(const TProject& project);

// The values of a new project. Main_Window/Title, DialogPosX and DialogPosY keep their values; the
// title bitmap is programDataDir followed by the bundled title bitmap's name. Leaves the project
// untitled and Modified.
void NewProject(TProject& project, const std::string& programDataDir);

// The backup name: path with its extension replaced by ".BAK" (Setup.tvx -> Setup.BAK).
std::string BackupFileName(const std::string& path);

// Moves an existing project file aside: copies it to the backup name (replacing an earlier backup,
// keeping the modification time and permission bits), then deletes it. When the copy cannot be made
// the file is left alone and EProjectFileError says why. A missing file is fine.
void BackupProjectFile(const std::string& path);

// The lines of a record's contents as files store them: an element holding line breaks (CR LF, CR
// or LF) is several lines, and a final break adds no empty line.
std::vector<std::string> ContentsLines(const std::vector<std::string>& contents);

// What would keep the project from being stored faithfully: too many rows for the row numbering,
// "|" in a value of a "|"-joined row, "," in a static bitmap path, a line break outside the
// contents lines. One text per problem naming the value; empty when the project fits.
std::vector<std::string> CheckProjectLimits(const TProject& project);

} // namespace tv
