#pragma once
// The build, check and compile commands of tamvelox-cli.

#include "cli/CliOptions.h"

#include <iosfwd>

namespace tv {

// build [--clean] FILE.tvx: the whole build without questions; progress on err, the deployment
// folder on out. A file whose copy is still good is not copied again, unless --clean is given.
extern const char* const kFlagClean; // "--clean"
int RunBuild(const CliOptions& options, std::ostream& out, std::ostream& err);
extern const char* const kOptionFormat; // "--format": text or json
// check FILE.tvx [--format json]: every problem a build would meet, one per line on out, or as one
// JSON document.
int RunCheck(const CliOptions& options, std::ostream& out, std::ostream& err);
// compile [--clean] FILE.tvx: build, then the engine's compiler; the setup program's path on out.
int RunCompile(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace tv
