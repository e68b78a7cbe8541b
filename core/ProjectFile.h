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
// a value would not fit); then the new text goes to a temporary file beside path and is flushed,
// the previous file becomes the .BAK, and the temporary file is renamed over path. path is at every
// moment the old file or the new one, whole; a link at path or at the .BAK is replaced, never
// written through. Clears Modified on success. Throws EProjectFileError with the system's reason;
// path, the .BAK and Modified then stay as they were and no temporary file is left. FileName is the
// caller's business.
void SaveProject(TProject& project, const std::string& path);

// Reads path into project and sets FileName to path; every key the file lacks takes its default.
// A missing file gives the defaults. Reading needs no write access. Throws EProjectFileError when
// the file exists but cannot be read ("Cannot open file <path>: <reason>"), when a line holds a NUL
// byte or (in a UTF-8 file) a character the code page cannot hold, naming the line, and when it
// holds none of the sections [Start], [Main_Window] and [Dialog]; project is then left as it was.
void LoadProject(TProject& project, const std::string& path);
// LoadProject of a file named path that holds bytes, without touching the disk.
void LoadProjectText(TProject& project, const std::string& bytes, const std::string& path);

// The text SaveProject would write for project (CR LF lines), without touching the disk. Two
// projects with the same text store the same thing.
std::string ProjectFileText(const TProject& project);

// The values of a new project. Main_Window/Title, DialogPosX and DialogPosY keep their values; the
// title bitmap is programDataDir followed by the bundled title bitmap's name. Leaves the project
// untitled and Modified.
void NewProject(TProject& project, const std::string& programDataDir);

// The backup name: path with its extension replaced by ".BAK" (Setup.tvx -> Setup.BAK).
std::string BackupFileName(const std::string& path);

// Makes the backup name hold the existing project file's content, with its modification time and
// permission bits: a second link to the file (or a flushed copy) made under a new name, then renamed
// over any earlier backup, which stays whole when this fails. The project file is left in place.
// Throws EProjectFileError saying why. A missing file is fine.
void BackupProjectFile(const std::string& path);

// The lines of a record's contents as files store them: an element holding line breaks (CR LF, CR
// or LF) is several lines, and a final break adds no empty line.
std::vector<std::string> ContentsLines(const std::vector<std::string>& contents);

// What would keep the project from being stored faithfully: too many rows for the row numbering,
// "|" in a value of a "|"-joined row, "," in a static bitmap path, a line break outside the
// contents lines, a NUL byte anywhere, two records of one table whose keys name one section but
// whose contents differ. One text per problem naming the value; empty when the project fits.
std::vector<std::string> CheckProjectLimits(const TProject& project);

} // namespace tv
