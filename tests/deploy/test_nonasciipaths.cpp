// Host paths with non-ASCII names through the path helpers.
#include "tests/support/BuildTestSupport.h"
#include "deploy/FileUtils.h"


using namespace tv;
using namespace tvtest;

TEST(NonAsciiPaths, NormalizedPathKeepsTheNameAndResolvesLinks) {
#ifdef _WIN32
    GTEST_SKIP() << "UTF-8 byte names and symbolic links";
#else
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
#endif
}
