#include "deploy/DeployError.h"
#include "tests/support/BuildTestSupport.h"

#include "deploy/FileUtils.h"

#include <numeric>

using namespace tv;
using namespace tvtest;
using ::testing::ElementsAre;

TEST(PathHelpers, EnginePathsKeepTheirBackslashes) {
    EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
    EXPECT_EQ(IncludeTrailingBackslash("%InstallPath%\\Help"), "%InstallPath%\\Help\\");
    EXPECT_EQ(IncludeTrailingBackslash("a\\"), "a\\");
    EXPECT_EQ(ExcludeTrailingBackslash("a\\\\"), "a\\");
    EXPECT_EQ(StripFirstLast("%InstallPath%"), "InstallPath");
    EXPECT_EQ(StripFirstLast("%%"), "");
    EXPECT_TRUE(HasParentComponent("..\\x"));
    EXPECT_TRUE(HasParentComponent("a\\..\\..\\b"));
    EXPECT_TRUE(HasParentComponent("a/.."));
    EXPECT_FALSE(HasParentComponent("a\\..b\\c.."));
    EXPECT_FALSE(HasParentComponent(""));
}

TEST(PathHelpers, HostPathsSplitAtEitherSlash) {
    EXPECT_EQ(ExtractFileName("/src/app.exe"), "app.exe");
    EXPECT_EQ(ExtractFileName("C:\\src\\app.exe"), "app.exe");
    EXPECT_EQ(ExtractFilePath("/deploy/demo.TZN"), "/deploy/");
    EXPECT_EQ(ExtractFilePath("demo.TZN"), "");
    EXPECT_EQ(ChangeFileExt("/deploy/demo.TZN", ".EXE"), "/deploy/demo.EXE");
    EXPECT_EQ(ChangeFileExt("/de.ploy/demo", ".EXE"), "/de.ploy/demo.EXE");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/deploy/"), "/deploy");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/deploy\\"), "/deploy");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath(Native("/a"), "b"), Native("/a/b"));
    EXPECT_EQ(ResolvePath(Native("/proj"), Native("files/app.exe")), Native("/proj/files/app.exe"));
    EXPECT_EQ(ResolvePath("/proj", "/abs/app.exe"), "/abs/app.exe");
    EXPECT_EQ(ResolvePath("/proj", ""), "");
    EXPECT_EQ(EngineSubPathToHost("a\\b\\"), Native("a/b"));
    EXPECT_TRUE(IsPathInside("/x/img/../img/f", "/x/img"));
    EXPECT_TRUE(IsPathInside("/x/img", "/x/img/"));
    EXPECT_FALSE(IsPathInside("/x/image/f", "/x/img"));
    EXPECT_FALSE(IsPathInside("/x/f", "/x/img"));
}

TEST(FileHelpers, ExistenceAndFolderCreation) {
    TempDir dir;
    WriteText(dir.path() / "f.txt", "x");
    EXPECT_TRUE(FileExists(dir.str("f.txt")));
    EXPECT_FALSE(FileExists(dir.str()));
    EXPECT_TRUE(DirectoryExists(dir.str()));
    EXPECT_FALSE(DirectoryExists(dir.str("f.txt")));

    EXPECT_FALSE(CreateDir(dir.str("a/b"))); // parent missing
    EXPECT_TRUE(CreateDir(dir.str("a")));
    EXPECT_FALSE(CreateDir(dir.str("a"))); // exists
    EXPECT_TRUE(ForceDirectories(dir.str("x/y/z/")));
    EXPECT_TRUE(DirectoryExists(dir.str("x/y/z")));
    EXPECT_TRUE(ForceDirectories(dir.str("x/y/z")));
    EXPECT_FALSE(ForceDirectories(dir.str("f.txt/sub"))); // a file in the way

    WriteText(dir.path() / "ro.txt", "x");
    MakeReadOnly(dir.path() / "ro.txt");
    EXPECT_TRUE(ForceDeleteFile(dir.str("ro.txt")));
    EXPECT_FALSE(fs::exists(dir.path() / "ro.txt"));
    EXPECT_FALSE(ForceDeleteFile(dir.str("ro.txt")));
    EXPECT_FALSE(ForceDeleteFile(dir.str("a"))); // folders are not files
}

TEST(FileHelpers, CopyKeepsContentTimeAndModeAcrossChunks) {
#ifdef _WIN32
    GTEST_SKIP() << "Unix file modes";
#else
    TempDir dir;
    std::string data(20 * kCopyChunk + 123, '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7 + i / 1000);
    WriteText(dir.path() / "src.bin", data);
    ::chmod(dir.str("src.bin").c_str(), 0750);
    const auto stamp = fs::last_write_time(dir.path() / "src.bin") - std::chrono::hours(30);
    fs::last_write_time(dir.path() / "src.bin", stamp);

    std::vector<std::uint64_t> chunks;
    std::uint64_t lastDone = 0;
    const TCopyProgress progress = [&](const std::string&, const std::string&, std::uint64_t chunk,
                                       std::uint64_t total, std::uint64_t done) {
        EXPECT_EQ(total, data.size());
        chunks.push_back(chunk);
        lastDone = done;
        return true;
    };
    ASSERT_NO_THROW(CopyFile(dir.str("src.bin"), dir.str("dst.bin"), progress));
    EXPECT_EQ(ReadText(dir.path() / "dst.bin"), data);
    EXPECT_EQ(fs::last_write_time(dir.path() / "dst.bin"), stamp);
    EXPECT_EQ(fs::status(dir.path() / "dst.bin").permissions() & fs::perms::all,
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    ASSERT_FALSE(chunks.empty());
    EXPECT_EQ(std::accumulate(chunks.begin(), chunks.end(), std::uint64_t(0)), data.size());
    EXPECT_EQ(lastDone, data.size());

    // Replacing: a longer old file is cut, a read-only one is replaced.
    WriteText(dir.path() / "small.txt", "new");
    ::chmod(dir.str("dst.bin").c_str(), 0444);
    ASSERT_NO_THROW(CopyFile(dir.str("small.txt"), dir.str("dst.bin")));
    EXPECT_EQ(ReadText(dir.path() / "dst.bin"), "new");

    // An empty file copies too.
    WriteText(dir.path() / "empty", "");
    ASSERT_NO_THROW(CopyFile(dir.str("empty"), dir.str("empty.copy")));
    EXPECT_TRUE(FileExists(dir.str("empty.copy")));
#endif
}

TEST(FileHelpers, CopyAppendsAndUndoesAFailedCopy) {
    TempDir dir;
    WriteText(dir.path() / "a.txt", "head-");
    WriteText(dir.path() / "b.txt", "tail");
    ASSERT_NO_THROW(CopyFile(dir.str("b.txt"), dir.str("a.txt"), {}, true));
    EXPECT_EQ(ReadText(dir.path() / "a.txt"), "head-tail");
    ASSERT_NO_THROW(CopyFile(dir.str("b.txt"), dir.str("new.txt"), {}, true));
    EXPECT_EQ(ReadText(dir.path() / "new.txt"), "tail");

    // A cancelled copy leaves neither a cut file nor a longer one behind.
    const TCopyProgress stop = [](const std::string&, const std::string&, std::uint64_t, std::uint64_t,
                                  std::uint64_t) { return false; };
    EXPECT_THROW(CopyFile(dir.str("b.txt"), dir.str("c.txt"), stop, false), EDeployError);
    EXPECT_FALSE(fs::exists(dir.path() / "c.txt"));
    EXPECT_THROW(CopyFile(dir.str("b.txt"), dir.str("a.txt"), stop, true), EDeployError);
    EXPECT_EQ(ReadText(dir.path() / "a.txt"), "head-tail");

    try {
        CopyFile(dir.str("missing"), dir.str("d.txt"));
        ADD_FAILURE() << "copied a missing file";
    } catch (const EDeployError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Could not copy \"" + dir.str("missing") + "\" to \"" + dir.str("d.txt") + "\"");
        EXPECT_FALSE(e.Reason().empty());
    }
    EXPECT_FALSE(fs::exists(dir.path() / "d.txt"));
    EXPECT_THROW(CopyFile(dir.str(), dir.str("e.txt")), EDeployError); // a folder is no source
    EXPECT_THROW(CopyFile(dir.str("b.txt"), dir.str("./b.txt")),
                 EDeployError); // onto itself: refused, not cut
    EXPECT_EQ(ReadText(dir.path() / "b.txt"), "tail");
    EXPECT_THROW(CopyFile(dir.str("b.txt"), dir.str("no/such/folder/b.txt")), EDeployError);
}

TEST(FileHelpers, CopyReplacesALinkInsteadOfWritingThroughIt) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links";
#else
    TempDir dir;
    WriteText(dir.path() / "outside.txt", "keep");
    fs::create_symlink(dir.path() / "outside.txt", dir.path() / "link.txt");
    WriteText(dir.path() / "src.txt", "new");
    ASSERT_NO_THROW(CopyFile(dir.str("src.txt"), dir.str("link.txt")));
    EXPECT_EQ(ReadText(dir.path() / "outside.txt"), "keep");
    EXPECT_FALSE(fs::is_symlink(dir.path() / "link.txt"));
    EXPECT_EQ(ReadText(dir.path() / "link.txt"), "new");
#endif
}

TEST(FileHelpers, DeleteDirectoryKeepsDotEntriesAndNeverFollowsLinks) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links and Unix folder modes";
#else
    TempDir dir;
    const fs::path root = dir.path() / "img";
    WriteText(root / "a.txt", "x");
    WriteText(root / "sub" / "b.txt", "x");
    WriteText(root / "sub" / "deeper" / "c.txt", "x");
    WriteText(root / ".keep", "x");
    WriteText(root / "ro" / "r.txt", "x");
    ::chmod((root / "ro" / "r.txt").c_str(), 0444);
    ::chmod((root / "ro").c_str(), 0555);
    WriteText(dir.path() / "outside" / "precious.txt", "x");
    fs::create_directory_symlink(dir.path() / "outside", root / "dirlink");
    fs::create_symlink(dir.path() / "outside" / "precious.txt", root / "filelink");

    std::vector<std::string> failures;
    // The dot file keeps the root: the result tells that not everything went.
    EXPECT_FALSE(DeleteDirectory(root.string(), true, &failures));
    EXPECT_TRUE(failures.empty());
    EXPECT_THAT(Tree(root), ElementsAre(".keep"));
    EXPECT_TRUE(fs::exists(dir.path() / "outside" / "precious.txt"));

    fs::remove(root / ".keep");
    WriteText(root / "s" / "t.txt", "x");
    EXPECT_TRUE(DeleteDirectory(root.string(), false));
    EXPECT_TRUE(fs::exists(root)); // without removeRoot its sub-folders stay, emptied
    EXPECT_THAT(Tree(root), ElementsAre("s/"));
    EXPECT_TRUE(DeleteDirectory(root.string() + "/", true));
    EXPECT_FALSE(fs::exists(root));
    EXPECT_FALSE(DeleteDirectory(root.string(), true)); // nothing there
#endif
}

TEST(FileHelpers, CurrentFolder) {
    EXPECT_EQ(GetCurrentDir(), fs::current_path().string());
}
