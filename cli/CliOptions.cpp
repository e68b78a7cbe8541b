#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>

namespace tv {

namespace {

// The parser with every command; files receives the arguments of the command that was named, flags
// each command's flag options.
std::unique_ptr<CLI::App> MakeParser(CliOptions& options, std::vector<std::vector<std::string>>& files,
                                     std::vector<std::vector<CLI::Option*>>& flags) {
    auto app = std::make_unique<CLI::App>("Tamvelox console tool: builds and converts .tvx projects without "
                                          "a window.",
                                          "tamvelox-cli");
    // On Windows the parser would take "/home/me/x.tvx" for an option; ours are "-" and "--" only.
    // Set before the commands are added, which take the setting from their parent.
    app->allow_windows_style_options(false);
    app->set_help_flag();
    app->add_flag("-h,--help", options.Help, "Print this help and exit");
    app->add_flag("--version", options.Version, "Print the version and exit");
    app->require_subcommand(0, 1);
    const auto& commands = CliCommandSyntax();
    files.assign(commands.size(), {});
    flags.assign(commands.size(), {});
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const auto& c = commands[i];
        auto* sub = app->add_subcommand(c.Name, c.Description);
        sub->set_help_flag();
        files[i].resize(c.Arguments.size());
        for (std::size_t a = 0; a < c.Arguments.size(); ++a)
            sub->add_option(c.Arguments[a], files[i][a], std::string("the ") + c.Arguments[a] + " file")
                ->required();
        for (const TCliFlagSyntax& f : c.Flags)
            flags[i].push_back(sub->add_flag(f.Name, f.Description));
    }
    return app;
}

} // namespace

CliOptions ParseCommandLine(int argc, const char* const* argv) {
    CliOptions options;
    std::vector<std::vector<std::string>> files;
    std::vector<std::vector<CLI::Option*>> flags;
    auto app = MakeParser(options, files, flags);
    try {
        app->parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        options.Error = e.what();
        return options;
    }
    if (options.Help || options.Version)
        return options;
    const auto& commands = CliCommandSyntax();
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (app->got_subcommand(commands[i].Name)) {
            options.Command = commands[i].Name;
            options.Files = files[i];
            for (std::size_t f = 0; f < flags[i].size(); ++f)
                if (flags[i][f]->count() > 0)
                    options.Flags.push_back(commands[i].Flags[f].Name);
        }
    }
    if (options.Command.empty())
        options.Error = "no command given";
    return options;
}

bool CliOptions::Has(const std::string& flag) const {
    return std::find(Flags.begin(), Flags.end(), flag) != Flags.end();
}

std::string CliUsageText() {
    std::string text = "Usage: tamvelox-cli COMMAND FILE...\n"
                       "       tamvelox-cli --help | --version\n\nCommands:\n";
    for (const auto& c : CliCommandSyntax()) {
        std::string line = std::string("  ") + c.Name;
        for (const auto* a : c.Arguments)
            line += std::string(" ") + a;
        for (const TCliFlagSyntax& f : c.Flags)
            line += std::string(" [") + f.Name + "]";
        if (line.size() < 32)
            line.resize(32, ' ');
        else
            line += "  ";
        text += line + c.Description + "\n";
        for (const TCliFlagSyntax& f : c.Flags) {
            std::string flag = std::string("      ") + f.Name;
            flag.resize(std::max<std::size_t>(flag.size() + 2, 32), ' ');
            text += flag + f.Description + "\n";
        }
    }
    text += "\nExit codes: 0 done, 1 failed or refused, 2 bad arguments or unreadable project.\n";
    return text;
}

} // namespace tv
