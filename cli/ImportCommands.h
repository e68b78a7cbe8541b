#pragma once
// The import command of tamvelox-cli: an existing setup's engine script read into a project.

#include "cli/CliOptions.h"

#include <iosfwd>

namespace tv {

// import SCRIPT.TZN OUT.tvx: reads the script and its image folder, saves the project as OUT. What the
// project does not keep is listed on err and the project is still saved (exit 0); a project that
// cannot be saved exits 1, a script that cannot be read 2.
int RunImport(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace tv
