#include "cli/CliCommands.h"
#include "core/ProjectFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace tv;
using tvtest::ReadBytes;
using tvtest::TempDir;
using tvtest::WriteBytes;

namespace {

struct TRun {
    int Code;
    std::string Out;
    std::string Err;
};

TRun Cli(std::initializer_list<std::string> args) {
    std::vector<std::string> owned{"tamvelox-cli"};
    owned.insert(owned.end(), args.begin(), args.end());
    std::vector<const char*> argv;
    for (const auto& a : owned)
        argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
}

// Runs the real binary; stdout and stderr land in files of dir.
TRun Binary(const TempDir& dir, const std::string& args) {
    const auto out = dir.str("stdout.txt"), err = dir.str("stderr.txt");
    tvtest::TEnvVar data("TAMVELOX_DATA_DIR", "/data/tv");
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
