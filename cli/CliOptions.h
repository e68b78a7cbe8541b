#pragma once
// The command line of tamvelox-cli as a plain struct. Parsing is a pure function: it prints nothing
// and runs nothing, so it is tested on its own.

#include <string>
#include <utility>
#include <vector>

namespace tv {

// A flag a command takes ("--rebase") and its help line; with Value, an option that takes a value
// ("--target DIR"), given as "--target DIR" or "--target=DIR".
struct TCliFlagSyntax {
    const char* Name;
    const char* Description;
    const char* Value = nullptr; // the value's name in the help; nullptr for a flag
};

// One command's syntax: its name, the names of its arguments, its help line and its flags. The last
// argument may stand for several: "KEY..." takes one or more, "[KEY...]" none or more.
struct TCliCommandSyntax {
    const char* Name;
    std::vector<const char*> Arguments;
    const char* Description;
    std::vector<TCliFlagSyntax> Flags;
};

struct CliOptions {
    std::string Command;            // "save", "new", ...; empty for --help, --version or an error
    std::vector<std::string> Files; // the command's arguments, in order (all of a "KEY..." too)
    std::vector<std::string> Flags; // the command's flags and options that were given ("--rebase")
    std::vector<std::pair<std::string, std::string>> Values; // the options' values ("--target", DIR)
    bool Help = false;                                       // --help
    bool Version = false;                                    // --version
    std::string Error; // bad arguments: what is wrong (empty when the line is fine)

    bool Ok() const { return Error.empty(); }
    bool Has(const std::string& flag) const;
    // The value given to an option; fallback when it was not given.
    std::string Value(const std::string& option, const std::string& fallback = {}) const;
};

// The commands the parser knows, in help order (cli/CliCommandTable.cpp).
const std::vector<TCliCommandSyntax>& CliCommandSyntax();

CliOptions ParseCommandLine(int argc, const char* const* argv);

// The help text (--help), naming every command.
std::string CliUsageText();

} // namespace tv
