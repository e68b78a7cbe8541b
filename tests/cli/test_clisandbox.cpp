// No command of the console tool deletes, truncates or writes anything outside its deployment
// folder's own entries (image folder, script, setup program) and the project file it was given
// with its .BAK. Every command runs against a tree built to tempt it (links from the old image
// folder and the old script to files outside, a user's folder named like an image folder, a
// source that is a link), and a fingerprint of the whole tree before and after says what changed.
#include "tests/support/BuildTestSupport.h"

#ifndef _WIN32
#include "tests/support/SandboxTree.h"
#include <sys/wait.h>
#endif

using namespace tvtest;
using ::testing::IsEmpty;

#ifdef _WIN32
TEST(CliSandbox, NoCommandTouchesAnythingOutsideItsOwnFiles) {
    GTEST_SKIP() << "the tempting tree is made of symbolic links, and the commands run through sh";
}
#else
namespace {

// Runs tamvelox-cli in the tree's cwd/ with HOME and the desktop's folders inside the tree; returns
// the exit code (output goes to a file outside the tree).
int RunIn(const TSandboxTree& tree, const TempDir& logs, const std::string& args) {
    const std::string cmd = "cd '" + tree.str("cwd") + "' && HOME='" + tree.str("home") +
                            "' XDG_CONFIG_HOME='" + tree.str("home/.config") + "' XDG_DATA_HOME='" +
                            tree.str("home/.local/share") + "' TAMVELOX_COMPILER='\"" + FAKE_COMPILER_PATH +
                            "\"' '" + TAMVELOX_CLI_PATH + "' " + args + " >>'" + logs.str("out") + "' 2>>'" +
                            logs.str("err") + "'";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(CliSandbox, NoCommandTouchesAnythingOutsideItsOwnFiles) {
    TSandboxTree tree;
    TempDir logs;
    const std::string p = tree.str("project/p.tvx");
    struct TStep {
        std::string Args;
        int Code;
        std::vector<std::string> Allowed; // what the command may change
    };
    const std::vector<TStep> steps = {
        {"check '" + p + "'", 0, {}}, // the old image folder's links are no problem
        {"check '" + tree.str("project/Documents.tvx") + "'", 1, {}},
        {"build '" + tree.str("project/Documents.tvx") + "'", 1, {}}, // refused: the user's folder
        {"build '" + p + "'", 0, {"deploy/p"}},
        {"build '" + p + "'", 0, {"deploy/p"}}, // again, over its own earlier build
        {"build '" + tree.str("project/trap.tvx") + "'", 1, {"deploy/trap"}},
        {"compile '" + p + "'", 0, {"deploy/p"}},
        {"save '" + p + "' '" + tree.str("project/copy.tvx") + "'",
         0,
         {"project/copy.tvx", "project/copy.BAK"}},
        {"save '" + p + "' '" + tree.str("project/copy.tvx") + "'",
         0,
         {"project/copy.tvx", "project/copy.BAK"}},
        {"save --rebase '" + p + "' '" + tree.str("elsewhere/q.tvx") + "'",
         0,
         {"elsewhere/q.tvx", "elsewhere/q.BAK"}},
        {"save '" + p + "' '" + p + "'", 0, {"project/p.tvx", "project/p.BAK"}},
        {"new '" + tree.str("elsewhere/n.tvx") + "'", 0, {"elsewhere/n.tvx", "elsewhere/n.BAK"}},
        // The edits write the project they were given and its backup, and read the sources only.
        {"set '" + p + "' Start.App.Name=Sandboxed", 0, {"project/p.tvx", "project/p.BAK"}},
        {"set '" + p + "' Start.App.Name=Refused Start.Misc.Reboot=2", 1, {}},
        {"add-file '" + p + "' ../src ../deploy --target '%InstallPath%\\more'",
         0,
         {"project/p.tvx", "project/p.BAK"}},
        {"remove-file '" + p + "' ../src", 0, {"project/p.tvx", "project/p.BAK"}},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Args);
        const auto before = tree.Fingerprint();
        EXPECT_EQ(RunIn(tree, logs, step.Args), step.Code)
            << ReadText(logs.path() / "out") << ReadText(logs.path() / "err");
        EXPECT_THAT(TSandboxTree::ChangedOutside(before, tree.Fingerprint(), step.Allowed), IsEmpty());
    }
    // The commands did their work.
    EXPECT_EQ(ReadText(tree.dir().path() / "deploy/p/Data/app.exe").size(), 200000u);
    EXPECT_EQ(ReadText(tree.dir().path() / "deploy/p/Data/linked.dat"), "inner");
    EXPECT_TRUE(fs::exists(tree.dir().path() / "deploy/p.EXE"));
    EXPECT_FALSE(fs::is_symlink(tree.dir().path() / "deploy/p.TZN"));
    EXPECT_EQ(ReadText(tree.dir().path() / "outside/secret.txt"), "secret");
    EXPECT_TRUE(fs::exists(tree.dir().path() / "elsewhere/q.tvx"));
}
#endif
