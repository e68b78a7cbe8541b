// A rebuild keeps the copies whose sources did not change, and its tree is still exactly the one a
// build into an empty folder makes, whatever happened to the project or the image folder between.
#include "tests/support/BuildTestSupport.h"

#include "deploy/DeploymentBuild.h"
#include "deploy/FileUtils.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <set>

using namespace tv;
using namespace tvtest;

namespace {

// Everything below root: a folder as "/", a link as "->", a file as its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string rel = fs::relative(it->path(), root).generic_string();
        if (it->is_symlink())
            out[rel] = "->";
        else if (it->is_directory())
            out[rel] = "/";
        else
            out[rel] = ReadText(it->path());
    }
    return out;
}

// Sources get modification times an hour back, one second apart, so that each change is seen and
// every copy is younger than its source.
class TClock {
public:
    void Stamp(const fs::path& file) { fs::last_write_time(file, m_base + std::chrono::seconds(++m_tick)); }

private:
    fs::file_time_type m_base = fs::file_time_type::clock::now() - std::chrono::hours(1);
    int m_tick = 0;
};

TBuildResult BuildQuietly(const TProject& p, TBuildMode mode) {
    TRecordingUi ui;
    std::string script;
    return Build(p, ui, script, false, mode);
}

// Host paths below the image folder that the project's files make: folders and files apart.
bool FoldersAndFilesApart(const TProject& p) {
    std::set<std::string> folders, files;
    for (const TFileRecord& rec : p.tbFiles.Records) {
        std::string folder = rec.FilePath.substr(
            rec.FilePath.find('\\') == std::string::npos ? rec.FilePath.size() : rec.FilePath.find('\\') + 1);
        for (char& c : folder)
            if (c == '\\')
                c = '/';
        for (std::size_t at = folder.find('/'); at != std::string::npos; at = folder.find('/', at + 1))
            folders.insert(folder.substr(0, at));
        if (!folder.empty())
            folders.insert(folder);
        files.insert((folder.empty() ? "" : folder + "/") + ExtractFileName(rec.FileName));
    }
    for (const std::string& f : files)
        if (folders.count(f))
            return false;
    return true;
}

} // namespace

TEST(Rebuild, KeepsUnchangedCopiesAndCopiesWhatChanged) {
    TempDir dir;
    TClock clock;
    TProject p = SavedProject(dir);
    for (const char* name : {"a.exe", "b.dll", "c.hlp"}) {
        WriteText(dir.path() / "src" / name, std::string("content of ") + name);
        clock.Stamp(dir.path() / "src" / name);
        p.tbFiles.Append(FileRow(dir.str(std::string("src/") + name), "%InstallPath%\\bin"));
    }
    WriteText(dir.path() / "readme.txt", "read me");
    clock.Stamp(dir.path() / "readme.txt");
    p.AppReadme = dir.str("readme.txt");
    ASSERT_EQ(BuildQuietly(p, TBuildMode::Rebuild).FilesCopied, 4);
    const fs::path data = dir.path() / "deploy/demo/Data/bin";

    // Nothing changed: nothing is copied, and the progress still counts every file.
    TRecordingUi ui;
    std::string script;
    TBuildResult r = Build(p, ui, script);
    ASSERT_EQ(r.Outcome, TBuildOutcome::Done);
    EXPECT_EQ(r.FilesCopied, 0);
    EXPECT_EQ(r.FilesKept, 4);
    EXPECT_EQ(ui.FilesDone, 4);
    EXPECT_EQ(ui.BytesDone, ui.BytesTotal);
    EXPECT_EQ(ui.CopyTexts.size(), 4u); // the label names each file as before

    // One source rewritten at the same size: only that one is copied.
    WriteText(dir.path() / "src/b.dll", "CONTENT OF b.dll");
    clock.Stamp(dir.path() / "src/b.dll");
    r = BuildQuietly(p, TBuildMode::Rebuild);
    EXPECT_EQ(r.FilesCopied, 1);
    EXPECT_EQ(r.BytesCopied, 16u);
    EXPECT_EQ(ReadText(data / "b.dll"), "CONTENT OF b.dll");

    // A source changed within the clock tick of its copy looks unchanged by size and time: a copy
    // made no later than its source's time is not trusted.
    const auto future = fs::file_time_type::clock::now() + std::chrono::hours(1);
    fs::last_write_time(dir.path() / "src/c.hlp", future);
    EXPECT_EQ(BuildQuietly(p, TBuildMode::Rebuild).FilesCopied, 1);
    WriteText(dir.path() / "src/c.hlp", "CONTENT OF c.hlp");
    fs::last_write_time(dir.path() / "src/c.hlp", future);
    EXPECT_EQ(BuildQuietly(p, TBuildMode::Rebuild).FilesCopied, 1);
    EXPECT_EQ(ReadText(data / "c.hlp"), "CONTENT OF c.hlp");
    clock.Stamp(dir.path() / "src/c.hlp");
    BuildQuietly(p, TBuildMode::Rebuild);

    // A copy whose permission bits were changed is kept with the source's bits back.
    if (!kWindows) {
        fs::permissions(data / "a.exe", fs::perms::owner_read);
        EXPECT_EQ(BuildQuietly(p, TBuildMode::Rebuild).FilesCopied, 0);
        EXPECT_EQ(fs::status(data / "a.exe").permissions(),
                  fs::status(dir.path() / "src/a.exe").permissions());
    }

    // An engine file changed by hand, at its size, is written again; one left alone stays as it is.
    const fs::path settings = dir.path() / "deploy/demo/Presetup/TZNS.INI";
    const fs::path install = dir.path() / "deploy/demo/Presetup/APP.INS";
    const std::string written = ReadText(settings);
    std::string edited = written;
    edited[edited.size() / 2] ^= 1;
    WriteText(settings, edited);
    const auto installTime = fs::last_write_time(install);
    BuildQuietly(p, TBuildMode::Rebuild);
    EXPECT_EQ(ReadText(settings), written);
    EXPECT_EQ(fs::last_write_time(install), installTime);

    // A source that goes while the question stands open is looked for after it: the build is
    // refused and the image folder stays as it was.
    const auto before = Snapshot(dir.path() / "deploy/demo");
    TRecordingUi asking;
    asking.OnQuestion = [&] { fs::remove(dir.path() / "src/b.dll"); };
    r = Build(p, asking, script);
    EXPECT_EQ(r.Outcome, TBuildOutcome::Refused);
    EXPECT_THAT(r.Problems, ::testing::Contains(::testing::HasSubstr("b.dll\" does not exist")));
    EXPECT_EQ(Snapshot(dir.path() / "deploy/demo"), before);
    WriteText(dir.path() / "src/b.dll", "CONTENT OF b.dll");

    // The clean build copies everything again.
    r = BuildQuietly(p, TBuildMode::Clean);
    EXPECT_EQ(r.FilesCopied, 4);
    EXPECT_EQ(r.FilesKept, 0);
}

TEST(Rebuild, RandomEditsEndInTheTreeOfACleanBuild) {
    for (const unsigned seed : {1u, 2u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TempDir dir;
        TClock clock;
        std::mt19937 rng(seed);
        auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
        const std::vector<std::string> targets = {"%InstallPath%",       "%InstallPath%\\a",
                                                  "%InstallPath%\\a\\b", "%System%\\c",
                                                  "%InstallPath%\\node", "%InstallPath%\\a\\node"};
        // Outside the deployment folder: links and second names placed in the image folder lead here.
        WriteText(dir.path() / "outside/precious.txt", "precious");
        fs::create_directories(dir.path() / "outside/folder");
        WriteText(dir.path() / "outside/folder/inner.txt", "inner");
        const auto outside = Snapshot(dir.path() / "outside");

        TProject p = SavedProject(dir);
        int made = 0;
        // Sources named "node" make a file where other rows make a folder of that name.
        auto newSource = [&](bool node) {
            const std::string name = node ? "node" : "f" + std::to_string(made) + ".bin";
            const fs::path file = dir.path() / "src" / std::to_string(made++) / name;
            WriteText(file, std::string(pick(300), char('a' + pick(26))));
            clock.Stamp(file);
            return file.string();
        };
        while (p.tbFiles.Records.size() < 4) {
            p.tbFiles.Append(FileRow(newSource(pick(4) == 0), targets[pick(targets.size())]));
            if (!FoldersAndFilesApart(p) || !DestinationClashes(p).empty())
                p.tbFiles.Records.pop_back();
        }
        int kept = 0;

        for (int step = 0; step < 20; ++step) {
            const fs::path image = dir.path() / "deploy/demo";
            const TProject before = p;
            auto& rows = p.tbFiles.Records;
            const std::size_t edit = pick(11);
            std::string what;
            if (edit == 0 || rows.empty()) {
                what = "add";
                p.tbFiles.Append(FileRow(newSource(pick(4) == 0), targets[pick(targets.size())]));
            } else if (edit == 1) {
                what = "remove";
                rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(pick(rows.size())));
            } else if (edit == 2) {
                what = "retarget";
                rows[pick(rows.size())].FilePath = targets[pick(targets.size())];
            } else if (edit == 3) {
                what = "touch";
                clock.Stamp(rows[pick(rows.size())].FileName);
            } else if (edit == 4) {
                what = "same size, new bytes";
                const std::string source = rows[pick(rows.size())].FileName;
                std::string bytes = ReadText(source);
                for (char& c : bytes)
                    c = char('a' + (c - 'a' + 1) % 26);
                WriteText(source, bytes);
                clock.Stamp(source);
            } else if (edit == 5) {
                what = "resize";
                const std::string source = rows[pick(rows.size())].FileName;
                WriteText(source, ReadText(source) + std::string(1 + pick(50), 'z'));
                clock.Stamp(source);
            } else if (edit == 6 && fs::exists(image / "Data")) {
                what = "stray file and folder";
                WriteText(image / "Data/stray.txt", "stray");
                WriteText(image / "Data/a/strays/deep.txt", "stray");
            } else if (edit == 7 && fs::exists(image / "Data") && !kWindows) {
                what = "stray links";
                fs::create_symlink(dir.path() / "outside/precious.txt", image / "Data/link.txt");
                fs::create_directory_symlink(dir.path() / "outside/folder", image / "Presetup/linked");
            } else if (edit == 8 && !kWindows) {
                // A built file replaced by a link or a second name of a file outside: the build
                // must write neither through.
                what = "built file replaced by a link or a second name";
                for (auto it = fs::recursive_directory_iterator(image / "Data");
                     it != fs::recursive_directory_iterator(); ++it) {
                    if (!it->is_regular_file())
                        continue;
                    const fs::path built = it->path();
                    fs::remove(built);
                    if (pick(2))
                        fs::create_symlink(dir.path() / "outside/precious.txt", built);
                    else
                        fs::create_hard_link(dir.path() / "outside/precious.txt", built);
                    break;
                }
            } else if (edit == 9) {
                // Data/node: a folder becomes a file, or a file a folder.
                const std::string folder = "%InstallPath%\\node";
                const bool isFolder = std::any_of(rows.begin(), rows.end(),
                                                  [&](const TFileRecord& r) { return r.FilePath == folder; });
                what = isFolder ? "a folder replaced by a file" : "a file replaced by a folder";
                auto named = [&](const TFileRecord& r, const std::string& at) {
                    return r.FilePath == at && ExtractFileName(r.FileName) == "node";
                };
                if (isFolder) {
                    rows.erase(std::remove_if(rows.begin(), rows.end(),
                                              [&](const TFileRecord& r) { return named(r, folder); }),
                               rows.end());
                    for (TFileRecord& r : rows)
                        if (r.FilePath == folder)
                            r.FilePath = "%InstallPath%\\a";
                    p.tbFiles.Append(FileRow(newSource(true), "%InstallPath%"));
                } else {
                    rows.erase(
                        std::remove_if(rows.begin(), rows.end(),
                                       [&](const TFileRecord& r) { return named(r, "%InstallPath%"); }),
                        rows.end());
                    p.tbFiles.Append(FileRow(newSource(false), folder));
                }
            } else {
                what = "none";
            }
            // Rows may not make one name a file and a folder, or two sources one file: no build
            // could make such a tree, so that edit is taken back.
            if (!FoldersAndFilesApart(p) || !DestinationClashes(p).empty()) {
                p = before;
                what += " (taken back)";
            }
            SCOPED_TRACE("step " + std::to_string(step) + ": " + what);

            const TBuildResult r = BuildQuietly(p, TBuildMode::Rebuild);
            ASSERT_EQ(r.Outcome, TBuildOutcome::Done) << ::testing::PrintToString(r.Problems);
            kept += r.FilesKept;
            TProject clean = p;
            clean.MiscDeployment = dir.str("clean");
            fs::remove_all(dir.path() / "clean");
            ASSERT_EQ(BuildQuietly(clean, TBuildMode::Clean).Outcome, TBuildOutcome::Done);
            ASSERT_EQ(Snapshot(dir.path() / "deploy"), Snapshot(dir.path() / "clean"));
            ASSERT_EQ(Snapshot(dir.path() / "outside"), outside);
        }
        EXPECT_GT(kept, 0);
    }
}
