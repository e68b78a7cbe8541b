#pragma once
// Runs tamvelox-cli's command line in this process, as a test of the console tool does.
#include "cli/CliCommands.h"

#include <sstream>
#include <string>
#include <vector>

namespace tvtest {

struct TCliRun {
    int Code;
    std::string Out;
    std::string Err;
};

// args: the arguments after the program name.
inline TCliRun RunCliWith(const std::vector<std::string>& args) {
    std::vector<std::string> owned{"tamvelox-cli"};
    owned.insert(owned.end(), args.begin(), args.end());
    std::vector<const char*> argv;
    for (const auto& a : owned)
        argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = tv::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

} // namespace tvtest
