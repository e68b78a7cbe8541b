#include "cli/CliCommands.h"
#include "core/ProjectFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tv;
using tvtest::ReadBytes;
using tvtest::TempDir;
using tvtest::WriteBytes;

namespace {

using TRun = tvtest::TCliRun;

TRun Cli(const std::vector<std::string>& args) {
    return tvtest::RunCliWith(args);
}

// Runs the real binary; stdout and stderr land in files of dir.
// Runs the real program; dataDir is its TAMVELOX_DATA_DIR (none when null).
TRun Binary(const TempDir& dir, const std::string& args, const char* dataDir = "/data/tv") {
    const auto out = dir.str("stdout.txt"), err = dir.str("stderr.txt");
    tvtest::TEnvVar data("TAMVELOX_DATA_DIR", dataDir);
    const int code = tvtest::RunShell(tvtest::ShellWord(TAMVELOX_CLI_PATH) + " " + args + " >" +
                                      tvtest::ShellWord(out) + " 2>" + tvtest::ShellWord(err));
    return {code, tvtest::FromConsole(ReadBytes(out)), tvtest::FromConsole(ReadBytes(err))};
}

// What Save writes after Load, in this process.
std::string ResavedInProcess(const std::string& in, const std::string& out) {
    TProject p;
    LoadProject(p, in);
    SaveProject(p, out);
    return ReadBytes(out);
}

} // namespace

TEST(CliCommands, SaveRewritesProjectsExactlyAsSaveDoes) {
    TempDir dir;
    // A file this program wrote comes out byte for byte the same.
    TProject p;
    NewProject(p, "/data/tv");
    p.AppName = "Written";
    p.AppInstFolderName = "\\W";
    p.tbFiles.Append({"a.exe", "\\", true});
    p.tbRegAdd.Append({"HKLM\\Soft", {"A=1,DWORD", "B=x,STRING"}});
    p.RunBefore.push_back({"setup.exe", "/q", "", "Installing", "WAIT"});
    const auto written = dir.str("written.tvx");
    SaveProject(p, written);
    const auto copy = dir.str("copy.tvx");
    auto r = Cli({"save", written, copy});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(ReadBytes(copy), ReadBytes(written));

    // A hand-written file with the store's oddities: what comes out is what Load then Save writes.
    const auto hand = dir.str("hand.tvx");
    WriteBytes(hand, "; written by hand\r\n"
                     "stray=before any section\r\n"
                     "[Start]\r\n"
                     "App.Name   =   \"Quoted Name\"  \r\n"
                     "  App.License=a leading blank keeps the key apart\r\n"
                     "app.name=second one loses\r\n"
                     "Target.ExtraDiskSpace=0x20\r\n"
                     "[Main_Window]   \r\n"
                     "Show=$1\r\n"
                     "[Dialog]\n"
                     "DialogPosY='0'\r\n"
                     "[START]\r\n"
                     "App.Readme=duplicate section is dropped\r\n"
                     "[Files]\r\nFiles=1\r\nFile000 = 'prog.exe|\\|NO_LOG'\r\n");
    const auto handOut = dir.str("hand-out.tvx");
    r = Cli({"save", hand, handOut});
    EXPECT_EQ(r.Code, 0) << r.Err;
    const std::string expected = ResavedInProcess(hand, dir.str("expected.tvx"));
    EXPECT_EQ(ReadBytes(handOut), expected);
    EXPECT_NE(expected.find("App.Name=Quoted Name\r\n"), std::string::npos);
    EXPECT_NE(expected.find("App.Readme=Readme.txt\r\n"), std::string::npos);
    EXPECT_NE(expected.find("App.License=License.txt\r\n"), std::string::npos);
    EXPECT_NE(expected.find("Target.ExtraDiskSpace=32\r\n"), std::string::npos);
    EXPECT_NE(expected.find("File000=prog.exe|\\|NO_LOG\r\n"), std::string::npos);

    // Saving over an existing file keeps it as the backup.
    r = Cli({"save", hand, copy});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(ReadBytes(dir.str("copy.BAK")), ReadBytes(written));
}

TEST(CliCommands, SaveIntoAnotherFolderRebasesRelativePathsOnlyWhenAsked) {
    TempDir dir;
    std::filesystem::create_directories(dir.str("a"));
    std::filesystem::create_directories(dir.str("b"));
    TProject p;
    NewProject(p, "/data/tv");
    p.MiscDeployment = "out";
    p.AppReadme = "docs/r.txt";
    p.AppLicense = "/abs/licence.txt";
    p.tbFiles.Append().FileName = "../shared/app.exe";
    SaveProject(p, dir.str("a/p.tvx"));
    auto has = [](const std::string& file, const std::string& line) {
        return ReadBytes(file).find(line + "\r\n") != std::string::npos;
    };

    // Without --rebase they are kept as typed, and the tool says they now name other files.
    auto r = Cli({"save", dir.str("a/p.tvx"), dir.str("b/p.tvx")});
    EXPECT_EQ(r.Code, kExitOk) << r.Err;
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("--rebase"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("Readme \"docs/r.txt\""), std::string::npos) << r.Err;
    EXPECT_EQ(r.Err.find("licence"), std::string::npos) << r.Err;
    EXPECT_TRUE(has(dir.str("b/p.tvx"), "App.Readme=docs/r.txt"));

    // With it they name the same files from the new folder, and each rewrite is reported.
    for (const auto& args :
         {std::vector<std::string>{"save", "--rebase", dir.str("a/p.tvx"), dir.str("b/q.tvx")},
          std::vector<std::string>{"save", dir.str("a/p.tvx"), dir.str("b/q.tvx"), "--rebase"}}) {
        std::vector<const char*> argv{"tamvelox-cli"};
        for (const auto& a : args)
            argv.push_back(a.c_str());
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(static_cast<int>(argv.size()), argv.data(), out, err), kExitOk) << err.str();
        EXPECT_EQ(out.str(), "");
        // Rewritten paths take the system's separator.
        using tvtest::Native;
        EXPECT_NE(err.str().find("Readme \"docs/r.txt\" -> \"" + Native("../a/docs/r.txt") + "\""),
                  std::string::npos)
            << err.str();
        EXPECT_NE(err.str().find("Source file \"../shared/app.exe\" -> \"" + Native("../shared/app.exe") + "\""),
                  std::string::npos);
        EXPECT_TRUE(has(dir.str("b/q.tvx"), "App.Readme=" + Native("../a/docs/r.txt")));
        EXPECT_TRUE(has(dir.str("b/q.tvx"), "Misc.Deployment=" + Native("../a/out")));
        EXPECT_TRUE(has(dir.str("b/q.tvx"), "App.License=/abs/licence.txt"));
    }

    // Within one folder there is nothing to rewrite or say.
    r = Cli({"save", "--rebase", dir.str("a/p.tvx"), dir.str("a/copy.tvx")});
    EXPECT_EQ(r.Code, kExitOk);
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(ReadBytes(dir.str("a/copy.tvx")), ReadBytes(dir.str("a/p.tvx")));

    // A full path to a file inside the folder saved into becomes relative with --rebase, only then.
    TProject full;
    NewProject(full, "/data/tv");
    full.MiscDeployment = dir.str("a/out");
    full.AppReadme = dir.str("b/docs/r.txt");
    SaveProject(full, dir.str("full.tvx"));
    r = Cli({"save", dir.str("full.tvx"), dir.str("b/plain.tvx")});
    EXPECT_TRUE(has(dir.str("b/plain.tvx"), "App.Readme=" + dir.str("b/docs/r.txt")));
    r = Cli({"save", "--rebase", dir.str("full.tvx"), dir.str("b/full.tvx")});
    EXPECT_EQ(r.Code, kExitOk) << r.Err;
    EXPECT_NE(r.Err.find("-> \"" + tvtest::Native("docs/r.txt") + "\""), std::string::npos) << r.Err;
    EXPECT_TRUE(has(dir.str("b/full.tvx"), "App.Readme=" + tvtest::Native("docs/r.txt")));
    EXPECT_TRUE(has(dir.str("b/full.tvx"), "Misc.Deployment=" + dir.str("a/out")));
}

TEST(CliCommands, ExitCodesAndMessages) {
    TempDir dir;
    auto r = Cli({"save", dir.str("absent.tvx"), dir.str("out.tvx")});
    EXPECT_EQ(r.Code, kExitBadInput);
    EXPECT_NE(r.Err.find(dir.str("absent.tvx")), std::string::npos) << r.Err;
    EXPECT_EQ(r.Out, "");
    EXPECT_FALSE(std::filesystem::exists(dir.str("out.tvx")));

    WriteBytes(dir.str("notes.tvx"), "[Notes]\r\na=1\r\n");
    r = Cli({"save", dir.str("notes.tvx"), dir.str("out.tvx")});
    EXPECT_EQ(r.Code, kExitBadInput);
    EXPECT_NE(r.Err.find("notes.tvx"), std::string::npos) << r.Err;

    WriteBytes(dir.str("plain"), "x");
    r = Cli({"new", dir.str("plain/new.tvx")});
    EXPECT_EQ(r.Code, kExitFailed);
    EXPECT_NE(r.Err.find(dir.str("plain/new.tvx")), std::string::npos) << r.Err;

    r = Cli({"save", "just-one.tvx"});
    EXPECT_EQ(r.Code, kExitBadInput);
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("Usage"), std::string::npos);

    r = Cli({"--help"});
    EXPECT_EQ(r.Code, kExitOk);
    EXPECT_NE(r.Out.find("save IN.tvx OUT.tvx"), std::string::npos);
    EXPECT_NE(r.Out.find("--rebase"), std::string::npos);
    EXPECT_NE(r.Out.find("import SCRIPT.TZN OUT.tvx"), std::string::npos);
    EXPECT_EQ(r.Err, "");
}

TEST(CliBinary, NewVersionAndErrorsThroughTheRealProgram) {
    TempDir dir;
    const auto out = dir.str("new.tvx");
    auto r = Binary(dir, "new " + tvtest::ShellWord(out));
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "");
    TProject p;
    NewProject(p, tvtest::Native("/data/tv"));
    SaveProject(p, dir.str("expected.tvx"));
    EXPECT_EQ(ReadBytes(out), ReadBytes(dir.str("expected.tvx")));

    r = Binary(dir, "--version");
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out.rfind("tamvelox-cli ", 0), 0u) << r.Out;

    r = Binary(dir, "save " + tvtest::ShellWord(dir.str("missing.tvx")) + " " + tvtest::ShellWord(out));
    EXPECT_EQ(r.Code, 2);
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("missing.tvx"), std::string::npos) << r.Err;
}

#ifdef _WIN32
// A Windows program takes its data from beside itself, wherever it was copied: no folder of the
// machine it was built on is compiled in, and the path has one kind of separator.
TEST(CliBinary, OnWindowsTheDataFolderIsBesideTheProgram) {
    TempDir dir;
    const auto out = dir.str("new.tvx");
    const TRun r = Binary(dir, "new " + tvtest::ShellWord(out), nullptr);
    ASSERT_EQ(r.Code, 0) << r.Err;
    TProject p;
    LoadProject(p, out);
    const std::string tail =
        "\\" + std::filesystem::path(TAMVELOX_CLI_PATH).parent_path().filename().string() + "\\tzns256.bmp";
    ASSERT_GT(p.DialogTitleBMP.size(), tail.size());
    EXPECT_EQ(p.DialogTitleBMP.substr(p.DialogTitleBMP.size() - tail.size()), tail) << p.DialogTitleBMP;
    EXPECT_EQ(p.DialogTitleBMP.find('/'), std::string::npos) << p.DialogTitleBMP;
}
#endif

// A project found by a relative name loads however long the current folder's full path is, and one
// holding a NUL byte is refused before anything is built or saved from it.
TEST(CliCommands, ProjectsAreReadByTheNameGivenAndBadOnesRefused) {
    TempDir dir;
#ifndef _WIN32 // a folder deeper than PATH_MAX is reached through chdir
    const std::string segment(200, 'd');
    const int home = ::open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(home, 0);
    ASSERT_EQ(::chdir(dir.str().c_str()), 0);
    for (int i = 0; i < 25; ++i) // 5000 characters below the test folder: more than PATH_MAX
        ASSERT_TRUE(::mkdir(segment.c_str(), 0700) == 0 && ::chdir(segment.c_str()) == 0);
    const auto made = Cli({"new", "p.tvx"});
    const auto saved = Cli({"save", "p.tvx", "q.tvx"});
    const bool written = ::access("q.tvx", F_OK) == 0;
    ASSERT_EQ(::fchdir(home), 0);
    ::close(home);
    std::system(("rm -rf " + tvtest::ShellWord(dir.str(segment))).c_str()); // deeper than the library removes
    EXPECT_EQ(made.Code, 0) << made.Err;
    EXPECT_EQ(saved.Code, 0) << saved.Err;
    EXPECT_TRUE(written);
#endif

    const auto bad = dir.str("nulbyte.tvx");
    const auto victim = dir.str("victim");
    WriteBytes(victim, "keep");
    WriteBytes(bad, "[Start]\r\nMisc.Deployment=" + victim + std::string(1, '\0') + "/sub\r\n");
    for (const char* command : {"build", "check"}) {
        const auto r = Cli({command, bad});
        EXPECT_EQ(r.Code, 2) << command;
        EXPECT_EQ(r.Err, "tamvelox-cli: Cannot read file " + bad + ": line 2 holds a NUL byte\n");
    }
    EXPECT_EQ(Cli({"save", bad, dir.str("out.tvx")}).Code, 2);
    EXPECT_EQ(ReadBytes(victim), "keep");
    EXPECT_FALSE(std::filesystem::exists(dir.str("out.tvx")));
}
