// End-to-end runs of tamvelox-cli's build, check and compile commands.
#include "BuildTestSupport.h"

#include <sys/wait.h>

using namespace tvtest;
using ::testing::HasSubstr;

namespace {

struct TRun {
    int Code = -1;
    std::string Out, Err;
};

TRun Cli(const TempDir& dir, const std::string& args) {
    const std::string out = dir.str("cli.out"), err = dir.str("cli.err");
    const std::string cmd =
        std::string("'") + TAMVELOX_CLI_PATH + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(cmd.c_str());
    TRun r;
    r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Out = ReadText(out);
    r.Err = ReadText(err);
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
    const TRun check = Cli(dir, "check '" + demo + "'");
    EXPECT_EQ(check.Code, 0) << check.Out << check.Err;
    EXPECT_EQ(check.Out, "");

    const TRun build = Cli(dir, "build '" + demo + "'");
    ASSERT_EQ(build.Code, 0) << build.Err;
    EXPECT_EQ(build.Out, dir.str("deploy") + "\n"); // the product, nothing else, on stdout
    EXPECT_THAT(build.Err, HasSubstr("Creating Deployment Folder...\n"));
    EXPECT_THAT(build.Err, HasSubstr("(9 files, "));
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Data/Plugins/export.dll"));
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Presetup/logo.bmp"));
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo.TZN"));
}

TEST(CliBuild, ProblemsRefusalsAndBadInputGiveTheirExitCodes) {
    TempDir dir;
    const std::string demo = CopiedDemo(dir);
    fs::remove(dir.path() / "demo/app/Help/DemoApp.hlp");
    const TRun check = Cli(dir, "check '" + demo + "'");
    EXPECT_EQ(check.Code, 1);
    EXPECT_THAT(check.Out, HasSubstr("DemoApp.hlp\" does not exist"));

    const TRun build = Cli(dir, "build '" + demo + "'");
    EXPECT_EQ(build.Code, 1);
    EXPECT_THAT(build.Err, HasSubstr("Copying presetup & data files: failed"));
    EXPECT_THAT(build.Err, HasSubstr("DemoApp.hlp"));

    std::string text = ReadText(demo);
    text.replace(text.find("%InstallPath%\\Help|"), 19, "%InstallPath%\\..\\x|");
    WriteText(demo, text);
    const TRun refused = Cli(dir, "build '" + demo + "'");
    EXPECT_EQ(refused.Code, 1);
    EXPECT_THAT(refused.Err, HasSubstr("climbs out of its folder"));

    EXPECT_EQ(Cli(dir, "build '" + dir.str("none.tvx") + "'").Code, 2);
    EXPECT_EQ(Cli(dir, "check").Code, 2);
}

TEST(CliBuild, CompileReportsWhetherTheSetupProgramAppeared) {
    XdgSandbox desk;
    const std::string demo = CopiedDemo(desk.dir());
    const TRun none = Cli(desk.dir(), "compile '" + demo + "'");
    EXPECT_EQ(none.Code, 1);
    EXPECT_THAT(none.Err, HasSubstr("No compiler could be started"));

    TEnvVar compiler(tv::kCompilerEnvVar, FAKE_COMPILER_PATH);
    const TRun made = Cli(desk.dir(), "compile '" + demo + "'");
    EXPECT_EQ(made.Code, 0) << made.Err;
    EXPECT_EQ(made.Out, desk.dir().str("deploy/demo.EXE") + "\n");
    EXPECT_TRUE(fs::exists(desk.dir().path() / "deploy/demo.EXE"));
}
