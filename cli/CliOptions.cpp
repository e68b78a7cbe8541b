#include "cli/CliOptions.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>

namespace tv {

namespace {

// An argument that stands for several ("KEY...", "[KEY...]"), and whether it may be left out.
bool IsRepeated(const char* argument) {
    const std::string a = argument;
    return a.size() > 3 && a.find("...") != std::string::npos;
}
bool IsOptional(const char* argument) {
    return argument[0] == '[';
}
// The name the parser knows an argument by: without the brackets of an optional one.
std::string ParserName(const char* argument) {
    std::string name = argument;
    name.erase(std::remove_if(name.begin(), name.end(), [](char c) { return c == '[' || c == ']'; }),
               name.end());
    return name;
}

// What the parser fills for one command: its single arguments, the repeated last one, and its
// flags and options.
struct TParsedCommand {
    std::vector<std::string> Single;
    std::vector<std::string> Repeated;
    std::vector<CLI::Option*> Flags;
    std::vector<std::string> Values;
};

// The parser with every command.
std::unique_ptr<CLI::App> MakeParser(CliOptions& options, std::vector<TParsedCommand>& parsed) {
    auto app = std::make_unique<CLI::App>("Tamvelox console tool: builds, edits and converts .tvx projects "
                                          "without a window.",
                                          "tamvelox-cli");
    // On Windows the parser would take "/home/me/x.tvx" for an option; ours are "-" and "--" only.
    // Set before the commands are added, which take the setting from their parent.
    app->allow_windows_style_options(false);
    app->set_help_flag();
    app->add_flag("-h,--help", options.Help, "Print this help and exit");
    app->add_flag("--version", options.Version, "Print the version and exit");
    app->require_subcommand(0, 1);
    const auto& commands = CliCommandSyntax();
    parsed.assign(commands.size(), {});
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const auto& c = commands[i];
        TParsedCommand& p = parsed[i];
        auto* sub = app->add_subcommand(c.Name, c.Description);
        sub->set_help_flag();
        p.Single.resize(c.Arguments.size());
        p.Values.resize(c.Flags.size());
        for (std::size_t a = 0; a < c.Arguments.size(); ++a) {
            const std::string name = ParserName(c.Arguments[a]);
            const std::string help = "the " + name + " argument";
            if (IsRepeated(c.Arguments[a])) {
                auto* o = sub->add_option(name, p.Repeated, help);
                if (!IsOptional(c.Arguments[a]))
                    o->required();
            } else {
                sub->add_option(name, p.Single[a], help)->required();
            }
        }
        for (std::size_t f = 0; f < c.Flags.size(); ++f)
            p.Flags.push_back(c.Flags[f].Value
                                  ? sub->add_option(c.Flags[f].Name, p.Values[f], c.Flags[f].Description)
                                  : sub->add_flag(c.Flags[f].Name, c.Flags[f].Description));
    }
    return app;
}

} // namespace

CliOptions ParseCommandLine(int argc, const char* const* argv) {
    CliOptions options;
    std::vector<TParsedCommand> parsed;
    auto app = MakeParser(options, parsed);
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
        if (!app->got_subcommand(commands[i].Name))
            continue;
        const TParsedCommand& p = parsed[i];
        options.Command = commands[i].Name;
        for (std::size_t a = 0; a < commands[i].Arguments.size(); ++a) {
            if (IsRepeated(commands[i].Arguments[a]))
                options.Files.insert(options.Files.end(), p.Repeated.begin(), p.Repeated.end());
            else
                options.Files.push_back(p.Single[a]);
        }
        for (std::size_t f = 0; f < p.Flags.size(); ++f) {
            if (p.Flags[f]->count() == 0)
                continue;
            options.Flags.push_back(commands[i].Flags[f].Name);
            if (commands[i].Flags[f].Value)
                options.Values.emplace_back(commands[i].Flags[f].Name, p.Values[f]);
        }
    }
    if (options.Command.empty())
        options.Error = "no command given";
    return options;
}

bool CliOptions::Has(const std::string& flag) const {
    return std::find(Flags.begin(), Flags.end(), flag) != Flags.end();
}

std::string CliOptions::Value(const std::string& option, const std::string& fallback) const {
    for (const auto& [name, value] : Values)
        if (name == option)
            return value;
    return fallback;
}

namespace {

constexpr std::size_t kHelpColumn = 32;
constexpr std::size_t kHelpWidth = 100;

// head, then text from the help column, wrapped at word ends; head goes on a line of its own when
// it reaches the column.
std::string HelpEntry(std::string head, const std::string& text) {
    std::string out;
    if (head.size() + 2 > kHelpColumn) {
        out = head + "\n";
        head.clear();
    }
    head.resize(kHelpColumn, ' ');
    std::string line = head;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find(' ', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(pos, end - pos);
        if (line.size() > kHelpColumn && line.size() + 1 + word.size() > kHelpWidth) {
            out += line + "\n";
            line.assign(kHelpColumn, ' ');
        }
        line += (line.size() > kHelpColumn ? " " : "") + word;
        pos = end + 1;
    }
    return out + line + "\n";
}

} // namespace

std::string CliUsageText() {
    std::string text = "Usage: tamvelox-cli COMMAND FILE.tvx [ARGUMENT...] [OPTION...]\n"
                       "       tamvelox-cli --help | --version\n\nCommands:\n";
    for (const auto& c : CliCommandSyntax()) {
        std::string line = std::string("  ") + c.Name;
        for (const auto* a : c.Arguments)
            line += std::string(" ") + a;
        for (const TCliFlagSyntax& f : c.Flags)
            line += std::string(" [") + f.Name + (f.Value ? std::string(" ") + f.Value : std::string()) + "]";
        text += HelpEntry(line, c.Description);
        for (const TCliFlagSyntax& f : c.Flags)
            text += HelpEntry(std::string("      ") + f.Name +
                                  (f.Value ? std::string(" ") + f.Value : std::string()),
                              f.Description);
    }
    text += "\nSettings are named Section.Key as in the project file: Start.App.Name, Start.Target.OS,\n"
            "Main_Window.Title.Font, Dialog.DialogPosX ... (\"get FILE.tvx\" lists them all). Switches are\n"
            "1 or 0, colours $00BBGGRR, sets words joined by \",\".\n"
            "\nA release pipeline:\n"
            "  tamvelox-cli set setup.tvx \"Start.App.Name=MyApp ${TAG#v}\"\n"
            "  tamvelox-cli add-file setup.tvx build/out --target '%InstallPath%\\bin' --flags "
            "SHARED_FILE,NO_LOG\n"
            "  tamvelox-cli check --format=json setup.tvx > findings.json\n"
            "  tamvelox-cli build setup.tvx\n"
            "  tamvelox-cli compile setup.tvx\n"
            "\nExit codes: 0 done, 1 failed or refused (a refused edit changes nothing), 2 bad arguments\n"
            "(an unknown command, setting, flag or format) or unreadable project.\n";
    return text;
}

} // namespace tv
