#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace tv {

namespace {

// The parser with every command; files receives the arguments of the command that was named.
std::unique_ptr<CLI::App> MakeParser(CliOptions& options, std::vector<std::vector<std::string>>& files) {
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
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const auto& c = commands[i];
        auto* sub = app->add_subcommand(c.Name, c.Description);
        sub->set_help_flag();
        files[i].resize(c.Arguments.size());
        for (std::size_t a = 0; a < c.Arguments.size(); ++a)
            sub->add_option(c.Arguments[a], files[i][a], std::string("the ") + c.Arguments[a] + " file")
                ->required();
    }
    return app;
}

} // namespace

CliOptions ParseCommandLine(int argc, const char* const* argv) {
    CliOptions options;
    std::vector<std::vector<std::string>> files;
    auto app = MakeParser(options, files);
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
        }
    }
    if (options.Command.empty())
        options.Error = "no command given";
    return options;
}

std::string CliUsageText() {
    std::string text = "Usage: tamvelox-cli COMMAND FILE...\n"
                       "       tamvelox-cli --help | --version\n\nCommands:\n";
    for (const auto& c : CliCommandSyntax()) {
        std::string line = std::string("  ") + c.Name;
        for (const auto* a : c.Arguments)
            line += std::string(" ") + a;
        if (line.size() < 32)
            line.resize(32, ' ');
        else
            line += "  ";
        text += line + c.Description + "\n";
    }
    text += "\nExit codes: 0 done, 1 failed or refused, 2 bad arguments or unreadable project.\n";
    return text;
}

} // namespace tv
