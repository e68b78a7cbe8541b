#pragma once
// The commands of tamvelox-cli that read or edit a project in place: get, set, add-file and
// remove-file. An edit is checked whole before anything is applied: a refused edit leaves the
// project file untouched. An accepted one is saved as the window saves (backup, atomic rename).

#include "cli/CliOptions.h"

#include <iosfwd>

namespace tv {

extern const char* const kOptionTarget; // "--target"
extern const char* const kOptionFlags;  // "--flags"

// get FILE.tvx [KEY...]: the values of the named settings, one per line; without keys every
// setting as KEY=VALUE. An unknown key is a bad argument.
int RunGet(const CliOptions& options, std::ostream& out, std::ostream& err);
// set FILE.tvx KEY=VALUE...: changes settings with the window's checks.
int RunSet(const CliOptions& options, std::ostream& out, std::ostream& err);
// add-file FILE.tvx SOURCE... [--target T] [--flags F,G]: adds files, and folders with everything
// below them, to the files table as the add dialog does.
int RunAddFile(const CliOptions& options, std::ostream& out, std::ostream& err);
// remove-file FILE.tvx SOURCE...: removes the rows of those sources, or of every source below a
// folder.
int RunRemoveFile(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace tv
