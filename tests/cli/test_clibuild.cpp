// End-to-end runs of tamvelox-cli's build, check and compile commands, also on projects in folders
// with non-ASCII names.
#include "tests/support/BuildTestSupport.h"

#include "core/ProjectFile.h"
#include "tests/support/EveryFinding.h"

#include <chrono>
#include <set>

using namespace tvtest;
using ::testing::HasSubstr;

namespace {

struct TRun {
    int Code = -1;
    std::string Out, Err;
};

TRun Cli(const TempDir& dir, const std::string& args) {
    const std::string out = dir.str("cli.out"), err = dir.str("cli.err");
    TRun r;
    r.Code = RunShell(ShellWord(TAMVELOX_CLI_PATH) + " " + args + " >" + ShellWord(out) + " 2>" + ShellWord(err));
    r.Out = FromConsole(ReadText(out));
    r.Err = FromConsole(ReadText(err));
    return r;
}

// The demo project copied into dir/demo, deploying to dir/deploy.
std::string CopiedDemo(const TempDir& dir) {
    fs::copy(fs::path(TAMVELOX_SOURCE_DIR) / "examples/demo", dir.path() / "demo",
             fs::copy_options::recursive);
    const fs::path tvx = dir.path() / "demo/demo.tvx";
    std::string text = ReadText(tvx);
    const std::size_t at = text.find("Misc.Deployment=");
    text.replace(at, text.find("\r\n", at) - at, "Misc.Deployment=" + dir.str("deploy"));
    WriteText(tvx, text);
    return tvx.string();
}

} // namespace

TEST(CliBuild, BuildsAndChecksTheDemo) {
    TempDir dir;
    const std::string demo = CopiedDemo(dir);
    const TRun check = Cli(dir, "check " + ShellWord(demo));
    EXPECT_EQ(check.Code, 0) << check.Out << check.Err;
    EXPECT_EQ(check.Out, "");

    const TRun build = Cli(dir, "build " + ShellWord(demo));
    ASSERT_EQ(build.Code, 0) << build.Err;
    EXPECT_EQ(build.Out, dir.str("deploy") + "\n"); // the product, nothing else, on stdout
    EXPECT_THAT(build.Err, HasSubstr("Creating Deployment Folder...\n"));
    EXPECT_THAT(build.Err, HasSubstr("(9 files, "));
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Data/Plugins/export.dll"));
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Presetup/logo.bmp"));
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo.TZN"));

    // Built again, the unchanged files stay; --clean copies them all anew. The sources are made an
    // hour old, so that no copy shares its source's clock tick.
    for (const auto& entry : fs::recursive_directory_iterator(dir.path() / "demo"))
        if (entry.is_regular_file())
            fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_EQ(Cli(dir, "build " + ShellWord(demo)).Code, 0);
    const TRun again = Cli(dir, "build " + ShellWord(demo));
    ASSERT_EQ(again.Code, 0) << again.Err;
    EXPECT_THAT(again.Err, HasSubstr("(0 files, 0 B, 9 unchanged)"));
    const TRun clean = Cli(dir, "build --clean " + ShellWord(demo));
    ASSERT_EQ(clean.Code, 0) << clean.Err;
    EXPECT_THAT(clean.Err, HasSubstr("(9 files, "));
    EXPECT_THAT(clean.Err, ::testing::Not(HasSubstr("unchanged")));
}

TEST(CliBuild, ProblemsRefusalsAndBadInputGiveTheirExitCodes) {
    TempDir dir;
    const std::string demo = CopiedDemo(dir);
    fs::remove(dir.path() / "demo/app/Help/DemoApp.hlp");
    const TRun check = Cli(dir, "check " + ShellWord(demo));
    EXPECT_EQ(check.Code, 1);
    EXPECT_THAT(check.Out, HasSubstr("DemoApp.hlp\" does not exist"));

    // A missing source is an error of Check: the build stops before it clears or writes anything.
    const TRun build = Cli(dir, "build " + ShellWord(demo));
    EXPECT_EQ(build.Code, 1);
    EXPECT_THAT(build.Err, HasSubstr("cannot be built"));
    EXPECT_THAT(build.Err, HasSubstr("DemoApp.hlp"));
    EXPECT_FALSE(fs::exists(dir.path() / "deploy"));

    std::string text = ReadText(demo);
    text.replace(text.find("%InstallPath%\\Help|"), 19, "%InstallPath%\\..\\x|");
    WriteText(demo, text);
    const TRun refused = Cli(dir, "build " + ShellWord(demo));
    EXPECT_EQ(refused.Code, 1);
    EXPECT_THAT(refused.Err, HasSubstr("climbs out of its folder"));

    EXPECT_EQ(Cli(dir, "build " + ShellWord(dir.str("none.tvx"))).Code, 2);
    EXPECT_EQ(Cli(dir, "check").Code, 2);
}

// One finding of every rule of Check, through the console: each line names its kind and rule; errors
// make check and build fail, warnings alone are printed and the build goes on.
TEST(CliBuild, CheckNamesEveryRuleAndBuildFollowsTheirKinds) {
    TempDir dir;
    tv::TProject p = ProjectWithEveryFinding(dir.path());
    const std::string tvx = dir.str("all.tvx");
    tv::SaveProject(p, tvx);

    const TRun check = Cli(dir, "check " + ShellWord(tvx));
    EXPECT_EQ(check.Code, 1);
    std::set<std::string> printed;
    std::istringstream lines(check.Out);
    for (std::string line; std::getline(lines, line);)
        printed.insert(line.substr(0, line.find("]:") + 1));
    std::set<std::string> expected;
    for (const tv::TCheckRule& rule : tv::CheckRules())
        if (!kWindows || rule.Name != std::string("source-name"))
            expected.insert(std::string(rule.Kind == tv::TFindingKind::Error ? "error [" : "warning [") + rule.Name +
                        "]");
    EXPECT_EQ(printed, expected) << check.Out;
    EXPECT_THAT(check.Err, HasSubstr(kWindows ? "7 errors, 7 warnings." : "8 errors, 7 warnings."));
    const TRun refused = Cli(dir, "build " + ShellWord(tvx));
    EXPECT_EQ(refused.Code, 1);
    EXPECT_THAT(refused.Err, HasSubstr("a=b.txt"));

    // Only the warnings left: check succeeds, build prints them and builds.
    tv::TProject w;
    w.MiscDeployment = dir.str("deploy");
    w.tbFiles.Append(FileRow(dir.str("src/app.exe"), "%InstallPath%"));
    w.tbShortcuts.Append(p.tbShortcuts.Records[0]);
    w.tbShortcuts.Records[0].Shortcuts = "App";
    w.DialogFont = "Comic Neue, 8";
    const std::string warned = dir.str("warned.tvx");
    tv::SaveProject(w, warned);
    const TRun warnCheck = Cli(dir, "check " + ShellWord(warned));
    EXPECT_EQ(warnCheck.Code, 0) << warnCheck.Out;
    EXPECT_THAT(warnCheck.Out, HasSubstr("warning [font]: The dialog font \"Comic Neue\""));
    EXPECT_THAT(warnCheck.Err, HasSubstr("0 errors, 3 warnings."));
    const TRun built = Cli(dir, "build " + ShellWord(warned));
    EXPECT_EQ(built.Code, 0) << built.Err;
    EXPECT_THAT(built.Err, HasSubstr("not do exactly what the project says"));
    EXPECT_THAT(built.Err, HasSubstr("Comic Neue"));
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/warned/Data/app.exe"));
}

// A project that keeps its paths relative moves with its folder: built in its new place, it makes
// the same deployment tree, byte for byte.
TEST(CliBuild, AProjectMovedWithItsFolderBuildsTheSameTree) {
    TempDir dir;
    fs::create_directories(dir.path() / "first");
    fs::copy(fs::path(TAMVELOX_SOURCE_DIR) / "examples/demo", dir.path() / "first/demo", fs::copy_options::recursive);
    const fs::path tvx = dir.path() / "first/demo/demo.tvx";
    std::string text = ReadText(tvx);
    const std::size_t at = text.find("Misc.Deployment=");
    text.replace(at, text.find("\r\n", at) - at, "Misc.Deployment=deploy");
    WriteText(tvx, text);
    ASSERT_EQ(Cli(dir, "build " + ShellWord(tvx.string())).Code, 0);

    fs::create_directories(dir.path() / "elsewhere/deeper");
    fs::rename(dir.path() / "first/demo", dir.path() / "elsewhere/deeper/demo");
    const fs::path moved = dir.path() / "elsewhere/deeper/demo";
    const fs::path firstTree = moved / "deploy"; // the first build moved along with the folder
    fs::rename(firstTree, dir.path() / "first-build");
    ASSERT_EQ(Cli(dir, "build " + ShellWord((moved / "demo.tvx").string())).Code, 0);

    const std::vector<std::string> tree = Tree(moved / "deploy");
    EXPECT_EQ(tree, Tree(dir.path() / "first-build"));
    EXPECT_GE(tree.size(), 10u);
    for (const std::string& entry : tree) {
        if (entry.back() != '/') {
            EXPECT_EQ(ReadText(moved / "deploy" / entry), ReadText(dir.path() / "first-build" / entry)) << entry;
        }
    }
}

TEST(CliBuild, CompileReportsWhetherTheSetupProgramAppeared) {
    XdgSandbox desk;
    const std::string demo = CopiedDemo(desk.dir());
    const TRun none = Cli(desk.dir(), "compile " + ShellWord(demo));
    EXPECT_EQ(none.Code, 1);
    EXPECT_THAT(none.Err, HasSubstr("No compiler could be started"));

    TEnvVar compiler(tv::kCompilerEnvVar, (ShellWord(FAKE_COMPILER_PATH) + " --lines 2").c_str());
    const TRun made = Cli(desk.dir(), "compile " + ShellWord(demo));
    EXPECT_EQ(made.Code, 0) << made.Err;
    // stdout carries the product only; what the compiler said goes to stderr, in its order.
    EXPECT_EQ(made.Out, desk.dir().str("deploy/demo.EXE") + "\n");
    EXPECT_THAT(made.Err, HasSubstr("line 1 to stdout\nline 2 to stderr\nfake compiler: made demo.EXE\n"));
    EXPECT_TRUE(fs::exists(desk.dir().path() / "deploy/demo.EXE"));
}

TEST(NonAsciiPaths, TheConsoleToolChecksAndBuildsAProjectInANonAsciiFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "host paths here are UTF-8 bytes; Windows takes them in the ANSI code page (HostPath and DeploymentBuild tests)";
#else
    TempDir dir;
    const fs::path project = dir.path() / "caf\xC3\xA9";
    fs::copy(fs::path(TAMVELOX_SOURCE_DIR) / "examples/demo", project, fs::copy_options::recursive);
    std::string text = ReadText(project / "demo.tvx");
    const std::size_t at = text.find("Misc.Deployment=");
    // The deployment folder is given in the project's code page: "déploiement", é as one byte.
    text.replace(at, text.find("\r\n", at) - at, "Misc.Deployment=../d\xE9ploiement");
    WriteText(project / "demo.tvx", text);

    // Run from the project's folder with a relative name, so the tool makes the path absolute itself.
    auto run = [&](const std::string& command) {
        return RunShell(ChangeFolderThen(project.string()) + ShellWord(TAMVELOX_CLI_PATH) + " " + command +
                        " demo.tvx >" + ShellWord(dir.str("cli.out")) + " 2>" + ShellWord(dir.str("cli.err")));
    };
    EXPECT_EQ(run("check"), 0) << ReadText(dir.path() / "cli.out");
    ASSERT_EQ(run("build"), 0) << ReadText(dir.path() / "cli.err");
    const fs::path deploy = fs::canonical(dir.path()) / "d\xC3\xA9ploiement";
    EXPECT_EQ(ReadText(dir.path() / "cli.out"), deploy.string() + "\n");
    EXPECT_TRUE(fs::exists(deploy / "demo/Presetup/readme.txt"));
    EXPECT_TRUE(fs::exists(deploy / "demo/Data/Plugins/export.dll"));
#endif
}

TEST(NonAsciiPaths, ConsoleMessagesAreUtf8WhateverTheirPartsCameFrom) {
#ifdef _WIN32
    GTEST_SKIP() << "host paths here are UTF-8 bytes; Windows takes them in the ANSI code page (HostPath and DeploymentBuild tests)";
#else
    TempDir dir;
    // A folder name Windows-1252 cannot hold, and a project value that uses a byte of that code page.
    const fs::path project = dir.path() / "\xD0\x96\xD1\x83\xD0\xBA"; // Cyrillic "Zhuk"
    fs::copy(fs::path(TAMVELOX_SOURCE_DIR) / "examples/demo", project, fs::copy_options::recursive);
    fs::remove(project / "app/Help/DemoApp.hlp");
    std::string text = ReadText(project / "demo.tvx");
    text.replace(text.find("%InstallPath%\\Help|"), 19, "%InstallPath%\\..\\\xE9|");
    WriteText(project / "demo.tvx", text);

    const TRun check = Cli(dir, "check " + ShellWord((project / "demo.tvx").string()));
    EXPECT_EQ(check.Code, 1);
    // The host path as it is, the project's "é" (one byte in the file) as UTF-8.
    EXPECT_THAT(check.Out, HasSubstr("\"" + (project / "app/Help/DemoApp.hlp").string() + "\" does not exist"));
    EXPECT_THAT(check.Out, HasSubstr("\"%InstallPath%\\..\\\xC3\xA9\" of"));
    EXPECT_EQ(check.Out.find("\xC3\x90"), std::string::npos) << "a host path converted again: " << check.Out;

    const TRun build = Cli(dir, "build " + ShellWord((project / "demo.tvx").string()));
    EXPECT_EQ(build.Code, 1);
    EXPECT_THAT(build.Err, HasSubstr("\"%InstallPath%\\..\\\xC3\xA9\" of \""));
#endif
}

TEST(CliImport, ReadsABuiltSetupListsWhatItCannotKeepAndRefusesWhatItCannotSave) {
    TempDir dir;
    const std::string demo = CopiedDemo(dir);
    ASSERT_EQ(Cli(dir, "build " + ShellWord(demo)).Code, 0);
    const std::string script = dir.str("deploy/demo.TZN");

    TRun r = Cli(dir, "import " + ShellWord(script) + " " + ShellWord(dir.str("demo.tvx")));
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out + r.Err, "");
    tv::TProject imported;
    tv::LoadProject(imported, dir.str("demo.tvx"));
    EXPECT_EQ(imported.AppName, "Demo Application 1.0");
    EXPECT_EQ(imported.tbFiles.Count(), 5);

    // A lossy import still writes the project; a name other than the setup's is pointed out.
    WriteText(dir.path() / "deploy/demo/Data/stray.txt", "not listed");
    r = Cli(dir, "import " + ShellWord(script) + " " + ShellWord(dir.str("other.tvx")));
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_THAT(r.Err, HasSubstr("Data/stray.txt is in the image folder"));
    EXPECT_THAT(r.Err, HasSubstr("a build of other.tvx names it \"other\""));
    EXPECT_TRUE(fs::exists(dir.path() / "other.tvx"));

    // A value the project file cannot store: nothing is written.
    WriteText(dir.path() / "hand/setup.TZN", "[Config]\r\nImagePath=setup\r\n");
    WriteText(dir.path() / "hand/setup/Presetup/APP.INS",
              "[Shortcuts]\r\nShort_AppFolder=%AppFolder%\r\n[Short_AppFolder]\r\nA|B=\"x.exe\",,\r\n");
    r = Cli(dir, "import " + ShellWord(dir.str("hand/setup.TZN")) + " " + ShellWord(dir.str("hand.tvx")));
    EXPECT_EQ(r.Code, 1) << r.Err;
    EXPECT_THAT(r.Err, HasSubstr("A|B"));
    EXPECT_FALSE(fs::exists(dir.path() / "hand.tvx"));

    r = Cli(dir, "import " + ShellWord(dir.str("none.TZN")) + " " + ShellWord(dir.str("none.tvx")));
    EXPECT_EQ(r.Code, 2);
    EXPECT_THAT(r.Err, HasSubstr("none.TZN"));
    EXPECT_FALSE(fs::exists(dir.path() / "none.tvx"));
}
