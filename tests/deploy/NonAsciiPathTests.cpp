// Host paths with non-ASCII names through the path helpers and the console tool.
#include "BuildTestSupport.h"
#include "deploy/FileUtils.h"

#include <sys/wait.h>

using namespace tv;
using namespace tvtest;

TEST(NonAsciiPaths, NormalizedPathKeepsTheNameAndResolvesLinks) {
    TempDir dir;
    const fs::path base = fs::canonical(dir.path());
    const std::string folder = (base / "caf\xC3\xA9").string();
    const std::string raw = (base / "caf\xE9").string(); // not valid UTF-8, still a name
    fs::create_directory(folder);
    fs::create_directory(raw);
    fs::create_directory_symlink(folder, base / "lien");

    EXPECT_EQ(NormalizedPath(folder + "/sub/../x.bmp"), folder + "/x.bmp");
    EXPECT_EQ(NormalizedPath(raw + "/./"), raw);
    EXPECT_EQ(NormalizedPath((base / "lien/x.bmp").string()), folder + "/x.bmp");
    EXPECT_TRUE(IsPathInside((base / "lien/x.bmp").string(), folder));
    EXPECT_FALSE(IsPathInside(raw + "/x.bmp", folder));
}

TEST(NonAsciiPaths, TheConsoleToolChecksAndBuildsAProjectInANonAsciiFolder) {
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
        const std::string cmd = "cd '" + project.string() + "' && '" + TAMVELOX_CLI_PATH + "' " + command +
                                " demo.tvx >'" + dir.str("cli.out") + "' 2>'" + dir.str("cli.err") + "'";
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("check"), 0) << ReadText(dir.path() / "cli.out");
    ASSERT_EQ(run("build"), 0) << ReadText(dir.path() / "cli.err");
    const fs::path deploy = fs::canonical(dir.path()) / "d\xC3\xA9ploiement";
    EXPECT_EQ(ReadText(dir.path() / "cli.out"), deploy.string() + "\n");
    EXPECT_TRUE(fs::exists(deploy / "demo/Presetup/readme.txt"));
    EXPECT_TRUE(fs::exists(deploy / "demo/Data/Plugins/export.dll"));
}
