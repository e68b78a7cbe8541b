#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <initializer_list>

using tv::CliOptions;
using tv::ParseCommandLine;

namespace {

CliOptions Parse(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"tamvelox-cli"};
    argv.insert(argv.end(), args.begin(), args.end());
    return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

} // namespace

TEST(CliOptions, CommandsTakeTheirFiles) {
    const auto save = Parse({"save", "in.tvx", "out dir/out.tvx"});
    EXPECT_TRUE(save.Ok()) << save.Error;
    EXPECT_EQ(save.Command, "save");
    EXPECT_EQ(save.Files, (std::vector<std::string>{"in.tvx", "out dir/out.tvx"}));

    EXPECT_FALSE(save.Has("--rebase"));
    const auto rebase = Parse({"save", "--rebase", "in.tvx", "out.tvx"});
    EXPECT_TRUE(rebase.Ok()) << rebase.Error;
    EXPECT_TRUE(rebase.Has("--rebase"));
    EXPECT_EQ(rebase.Files, (std::vector<std::string>{"in.tvx", "out.tvx"}));

    const auto created = Parse({"new", "fresh.tvx"});
    EXPECT_TRUE(created.Ok()) << created.Error;
    EXPECT_EQ(created.Command, "new");
    EXPECT_EQ(created.Files, (std::vector<std::string>{"fresh.tvx"}));

    // A last argument that stands for several takes them all; options take their values either way.
    const auto add = Parse({"add-file", "p.tvx", "a.exe", "--target", "%InstallPath%\\bin", "out dir",
                            "--flags=NO_LOG,SHARED_FILE"});
    EXPECT_TRUE(add.Ok()) << add.Error;
    EXPECT_EQ(add.Files, (std::vector<std::string>{"p.tvx", "a.exe", "out dir"}));
    EXPECT_EQ(add.Value("--target"), "%InstallPath%\\bin");
    EXPECT_EQ(add.Value("--flags"), "NO_LOG,SHARED_FILE");
    EXPECT_EQ(add.Value("--format", "text"), "text");
    const auto get = Parse({"get", "p.tvx"});
    EXPECT_TRUE(get.Ok()) << get.Error;
    EXPECT_EQ(get.Files, (std::vector<std::string>{"p.tvx"}));

    // A path that starts with "/" is a file on every system, never a Windows-style option.
    const auto rooted = Parse({"check", "/home/me/x.tvx"});
    EXPECT_TRUE(rooted.Ok()) << rooted.Error;
    EXPECT_EQ(rooted.Files, (std::vector<std::string>{"/home/me/x.tvx"}));
    const auto named = Parse({"save", "/help", "/version"});
    EXPECT_TRUE(named.Ok()) << named.Error;
    EXPECT_FALSE(named.Help || named.Version);
    EXPECT_EQ(named.Files, (std::vector<std::string>{"/help", "/version"}));
}

TEST(CliOptions, HelpAndVersion) {
    const auto help = Parse({"--help"});
    EXPECT_TRUE(help.Ok());
    EXPECT_TRUE(help.Help);
    EXPECT_TRUE(help.Command.empty());
    EXPECT_TRUE(Parse({"-h"}).Help);
    const auto version = Parse({"--version"});
    EXPECT_TRUE(version.Ok());
    EXPECT_TRUE(version.Version);

    const std::string usage = tv::CliUsageText();
    for (const auto& c : tv::CliCommandSyntax())
        EXPECT_NE(usage.find(c.Name), std::string::npos) << c.Name;
}

TEST(CliOptions, BadCommandLinesAreErrors) {
    for (const auto& args : std::vector<std::vector<const char*>>{
             {},                                         // nothing
             {"save", "only-one.tvx"},                   // missing OUT
             {"new"},                                    // missing OUT
             {"new", "a.tvx", "b.tvx"},                  // one too many
             {"frobnicate", "a.tvx"},                    // unknown command
             {"--colour"},                               // unknown option
             {"new", "--rebase", "a.tvx"},               // a flag of another command
             {"save", "a.tvx", "b.tvx", "new", "c.tvx"}, // two commands
             {"set", "a.tvx"},                           // nothing to set
             {"remove-file", "a.tvx"},                   // nothing to remove
             {"check", "a.tvx", "--format"},             // an option without its value
             {"check", "a.tvx", "--target", "x"},        // an option of another command
         }) {
        std::vector<const char*> argv{"tamvelox-cli"};
        argv.insert(argv.end(), args.begin(), args.end());
        const auto o = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_FALSE(o.Ok()) << "accepted: " << (args.empty() ? "(nothing)" : args[0]) << " ..."
                             << args.size();
    }
}
