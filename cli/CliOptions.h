#pragma once
// The command line of tamvelox-cli as a plain struct. Parsing is a pure function: it prints nothing
// and runs nothing, so it is tested on its own.

#include <string>
#include <vector>

namespace tv {

// A flag a command takes ("--rebase") and its help line.
struct TCliFlagSyntax {
    const char* Name;
    const char* Description;
};

// One command's syntax: its name, the names of its file arguments, its help line and its flags.
struct TCliCommandSyntax {
    const char* Name;
    std::vector<const char*> Arguments;
    const char* Description;
    std::vector<TCliFlagSyntax> Flags;
};

struct CliOptions {
    std::string Command;            // "save", "new", ...; empty for --help, --version or an error
    std::vector<std::string> Files; // the command's file arguments, in order
    std::vector<std::string> Flags; // the command's flags that were given ("--rebase")
    bool Help = false;              // --help
    bool Version = false;           // --version
    std::string Error;              // bad arguments: what is wrong (empty when the line is fine)

    bool Ok() const { return Error.empty(); }
    bool Has(const std::string& flag) const;
};

// The commands the parser knows, in help order (cli/CliCommandTable.cpp).
const std::vector<TCliCommandSyntax>& CliCommandSyntax();

CliOptions ParseCommandLine(int argc, const char* const* argv);

// The help text (--help), naming every command.
std::string CliUsageText();

} // namespace tv
