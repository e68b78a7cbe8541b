// Host paths in and out of std::filesystem::path, and the core functions that take host paths
// through it. On POSIX systems a host path is a byte string the file system takes as it is, so no
// byte may change on the way, whatever the encoding.
#include "core/DocumentCommands.h"
#include "core/HostPath.h"
#include "core/ProjectFile.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tv;
namespace fs = std::filesystem;

namespace {

// UTF-8 "café", the same name as one Windows-1252 byte (not valid UTF-8), and other non-ASCII text.
const char* const kNames[] = {"caf\xC3\xA9", "caf\xE9", "\xE2\x82\xAC \xF0\x9F\x93\x81", "a\x81\x8D\xFF"};

} // namespace

TEST(HostPath, EveryByteSurvivesTheRoundTrip) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX paths are bytes kept as they are; Windows converts through the ANSI code page";
#else
    for (const std::string name : kNames) {
        SCOPED_TRACE(name);
        const std::string full = "/tmp/" + name + "/p.tvx";
        EXPECT_EQ(HostPath(full).native(), full);
        EXPECT_EQ(PathToHost(HostPath(full)), full);
        EXPECT_EQ(PathToHost(HostPath(full).parent_path()), "/tmp/" + name);
        EXPECT_EQ(PathToHost(HostPath(full).filename()), "p.tvx");
        EXPECT_EQ(PathToHost(HostPath("/tmp") / HostPath(name)), "/tmp/" + name);
    }
    EXPECT_EQ(PathToHost(HostPath("")), "");
    EXPECT_TRUE(HostPath("").empty());
#endif
}

TEST(HostPath, NonAsciiFoldersAreFoundExpandedAndBackedUp) {
    for (const std::string name : kNames) {
        SCOPED_TRACE(name);
        tvtest::TempDir dir;
        const std::string base = dir.path().string();
        const std::string folder = base + tvtest::Native("/") + name;
        ASSERT_TRUE(fs::create_directory(HostPath(folder)));

        EXPECT_EQ(FirstExistingFolder({base + "/missing", folder}), folder);
        const std::string file = folder + tvtest::Native("/p.tvx");
        EXPECT_EQ(ExpandFileName(name + "/../" + name + "/./p.tvx", base), file);
        EXPECT_EQ(ExpandFileName(file, "/elsewhere"), file);
        // A second save keeps the first file as the backup, next to it in the same folder.
        TProject project;
        project.AppName = "First";
        SaveProject(project, file);
        project.AppName = "Second";
        SaveProject(project, file);
        ASSERT_TRUE(fs::is_regular_file(HostPath(folder + "/p.BAK")));
        TProject backup;
        LoadProject(backup, folder + "/p.BAK");
        EXPECT_EQ(backup.AppName, "First");
    }
}
