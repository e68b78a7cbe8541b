// What a build may touch: only a folder an earlier build made is cleared, only regular files are
// copied (a FIFO, a device, a pseudo file or a loop of links is refused unopened), nothing is
// written through a link left in the image folder, and a full disk is reported as a failure.
#include "tests/support/BuildTestSupport.h"

#include "deploy/CompileLauncher.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/FileUtils.h"
#include "deploy/ScriptWriter.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <map>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tv;
using namespace tvtest;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

bool AnyContains(const std::vector<std::string>& texts, const std::string& part) {
    for (const std::string& t : texts)
        if (t.find(part) != std::string::npos)
            return true;
    return false;
}

// Everything below root with its content, for "nothing changed" checks.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string rel = fs::relative(it->path(), root).generic_string();
        if (it->is_symlink())
            out[rel] = "-> " + fs::read_symlink(it->path()).string();
        else if (it->is_regular_file())
            out[rel] = ReadText(it->path());
        else
            out[rel] = "/";
    }
    return out;
}

} // namespace

TEST(BuildSafety, ClearsOnlyAFolderAnEarlierBuildMade) {
    TempDir dir;
    // The deployment folder is a home folder and the project is named like one of its folders.
    TProject p = SavedProject(dir, "proj/Documents.tvx");
    p.MiscDeployment = dir.str("home");
    WriteText(dir.path() / "home/Documents/letter.txt", "dear");
    WriteText(dir.path() / "home/Documents/old/notes.txt", "notes");
    WriteText(dir.path() / "home/Documents/.config", "dot");
    WriteText(dir.path() / "home/Documents.EXE", "stays until a build may run");
    const auto before = Snapshot(dir.path() / "home");

    TRecordingUi ui;
    std::string script;
    const TBuildResult r = Build(p, ui, script);
    EXPECT_EQ(r.Outcome, TBuildOutcome::Refused);
    EXPECT_TRUE(AnyContains(r.Problems, "\"" + dir.str("home/Documents") + "\" exists and was not made"))
        << ::testing::PrintToString(r.Problems);
    EXPECT_TRUE(AnyContains(ui.ErrorTexts(), dir.str("home/Documents")));
    EXPECT_EQ(Snapshot(dir.path() / "home"), before);
    EXPECT_TRUE(script.empty());
    EXPECT_THAT(CheckTexts(p), Contains(HasSubstr("was not made by a build")));

    // Links need rights a Windows account seldom has; the rest holds there too.
    if (!kWindows) {
        // The same through a link to such a folder: neither the link nor its target goes.
        fs::rename(dir.path() / "home/Documents", dir.path() / "real");
        fs::create_directory_symlink(dir.path() / "real", dir.path() / "home/Documents");
        TRecordingUi viaLink;
        EXPECT_EQ(Build(p, viaLink, script).Outcome, TBuildOutcome::Refused);
        EXPECT_TRUE(fs::is_symlink(dir.path() / "home/Documents"));
        EXPECT_EQ(ReadText(dir.path() / "real/letter.txt"), "dear");

        // Something that is no folder at all in its place.
        fs::remove(dir.path() / "home/Documents");
        WriteText(dir.path() / "home/Documents", "a file");
        TRecordingUi file;
        EXPECT_EQ(Build(p, file, script).Outcome, TBuildOutcome::Refused);
        EXPECT_EQ(ReadText(dir.path() / "home/Documents"), "a file");

        // A marker that is a link does not make the folder a build's.
        fs::remove(dir.path() / "home/Documents");
        WriteText(dir.path() / "home/Documents/mine.txt", "mine");
        fs::create_directories(dir.path() / "home/Documents/Presetup");
        fs::create_symlink(dir.path() / "real/letter.txt", dir.path() / "home/Documents/Presetup/TZNS.INI");
        TRecordingUi fakeMarker;
        EXPECT_EQ(Build(p, fakeMarker, script).Outcome, TBuildOutcome::Refused);
        EXPECT_EQ(ReadText(dir.path() / "home/Documents/mine.txt"), "mine");
    }
    fs::remove_all(dir.path() / "home/Documents");
    WriteText(dir.path() / "home/Documents/mine.txt", "mine");
    TRecordingUi notEmpty;
    EXPECT_EQ(Build(p, notEmpty, script).Outcome, TBuildOutcome::Refused);
    EXPECT_EQ(ReadText(dir.path() / "home/Documents/mine.txt"), "mine");

    // Empty, or holding dot entries only (which clearing leaves alone): nothing is lost.
    fs::remove_all(dir.path() / "home/Documents");
    WriteText(dir.path() / "home/Documents/.keep", "dot");
    TRecordingUi dots;
    ASSERT_EQ(Build(p, dots, script).Outcome, TBuildOutcome::Done);
    EXPECT_EQ(ReadText(dir.path() / "home/Documents/.keep"), "dot");
    EXPECT_FALSE(fs::exists(dir.path() / "home/Documents.EXE")); // an old setup program goes

    // An earlier build's folder is cleared as always.
    WriteText(dir.path() / "home/Documents/Data/stale.txt", "stale");
    TRecordingUi again;
    ASSERT_EQ(Build(p, again, script).Outcome, TBuildOutcome::Done);
    EXPECT_FALSE(fs::exists(dir.path() / "home/Documents/Data/stale.txt"));
    EXPECT_THAT(CheckTexts(p), IsEmpty());
}

TEST(BuildSafety, SourcesThatAreNoRegularFilesAreRefusedUnopened) {
#ifdef _WIN32
    GTEST_SKIP() << "FIFOs, devices, sockets and pseudo files";
#else
    TempDir dir;
    TProject p = SavedProject(dir);
    const std::string fifo = dir.str("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink(dir.path() / "loop-b", dir.path() / "loop-a");
    fs::create_symlink(dir.path() / "loop-a", dir.path() / "loop-b");
    fs::create_symlink(dir.path() / "pipe", dir.path() / "to-pipe");
    const std::string socketPath = dir.str("sock");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const bool haveSocket = socketPath.size() < sizeof addr.sun_path;
    if (haveSocket) {
        std::strcpy(addr.sun_path, socketPath.c_str());
        ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    }
    WriteText(dir.path() / "good.exe", "good");
    p.tbFiles.Append(FileRow(fifo, "%InstallPath%"));
    p.tbFiles.Append(FileRow("/dev/zero", "%InstallPath%"));
    p.tbFiles.Append(FileRow("/proc/self/status", "%InstallPath%"));
    p.tbFiles.Append(FileRow("loop-a", "%InstallPath%"));
    p.tbFiles.Append(FileRow(dir.str("good.exe"), "%InstallPath%"));
    if (haveSocket)
        p.tbFiles.Append(FileRow(socketPath, "%InstallPath%"));
    p.AppReadme = "to-pipe";

    const auto problems = CheckTexts(p);
    EXPECT_THAT(problems, Contains(HasSubstr("\"" + fifo + "\" cannot be copied: it is a FIFO")));
    EXPECT_THAT(problems,
                Contains(HasSubstr("Readme \"" + dir.str("to-pipe") + "\" cannot be copied: it is a FIFO")));
    EXPECT_THAT(problems, Contains(HasSubstr("\"/dev/zero\" cannot be copied: it is a device")));
    EXPECT_THAT(problems, Contains(HasSubstr("\"/proc/self/status\" cannot be copied: it is a pseudo file")));
    EXPECT_THAT(problems,
                Contains(HasSubstr("loop-a\" cannot be copied: Too many levels of symbolic links")));
    if (haveSocket) {
        EXPECT_THAT(problems, Contains(HasSubstr("\"" + socketPath + "\" cannot be copied: it is a socket")));
    }
    EXPECT_EQ(problems.size(), haveSocket ? 6u : 5u) << ::testing::PrintToString(problems);

    // A writer stands ready at the FIFO for every open, so that a build that opens it goes on (and
    // is caught) instead of waiting for ever; the last open is let go at the end.
    std::atomic<bool> opened{false}, released{false};
    std::thread writer([&] {
        while (!released) {
            const int fd = ::open(fifo.c_str(), O_WRONLY);
            if (fd >= 0) {
                if (!released)
                    opened = true;
                ::close(fd);
            }
        }
    });
    // Check's errors stop the build before it writes anything.
    TRecordingUi ui;
    std::string script;
    const TBuildResult refused = Build(p, ui, script);
    EXPECT_EQ(refused.Outcome, TBuildOutcome::Refused);
    EXPECT_FALSE(fs::exists(dir.path() / "deploy"));

    // A FIFO put in a source's place after Check is refused by the copy itself, unopened.
    TProject swapped = SavedProject(dir);
    WriteText(dir.path() / "swap.exe", "regular at first");
    swapped.tbFiles.Append(FileRow(dir.str("swap.exe"), "%InstallPath%"));
    swapped.tbFiles.Append(FileRow(dir.str("good.exe"), "%InstallPath%"));
    TRecordingUi ui2;
    ui2.OnBreath = [&] {
        if (fs::is_regular_file(dir.path() / "swap.exe")) {
            fs::remove(dir.path() / "swap.exe");
            fs::create_symlink(fifo, dir.path() / "swap.exe");
        }
    };
    const TBuildResult r = Build(swapped, ui2, script);
    released = true;
    const int release = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(release);
    ::close(sock);

    EXPECT_FALSE(opened) << "the build opened the FIFO";
    EXPECT_EQ(r.Outcome, TBuildOutcome::Failed);
    EXPECT_EQ(r.FilesCopied, 1);
    const fs::path data = dir.path() / "deploy/demo/Data";
    EXPECT_EQ(ReadText(data / "good.exe"), "good");
    EXPECT_FALSE(fs::exists(data / "swap.exe"));
    EXPECT_TRUE(AnyContains(r.Problems, "it is a FIFO"));
    EXPECT_EQ(ui2.States[lbB2], psFailed);
#endif
}

TEST(BuildSafety, NothingIsWrittenThroughALinkLeftInTheImageFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links";
#else
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "src/app.cfg", "new");
    p.tbFiles.Append(FileRow(dir.str("src/app.cfg"), "%InstallPath%\\.cfg"));
    p.tbFiles.Append(FileRow(dir.str("src/app.cfg"), "%InstallPath%\\.cfg\\sub"));
    // An earlier build's folder, with a dot-named link that clearing leaves alone.
    WriteText(dir.path() / "deploy/demo/Presetup/TZNS.INI", "an earlier build's");
    WriteText(dir.path() / "outside/app.cfg", "precious");
    fs::create_directories(dir.path() / "deploy/demo/Data");
    fs::create_directory_symlink(dir.path() / "outside", dir.path() / "deploy/demo/Data/.cfg");

    TRecordingUi ui;
    std::string script;
    const TBuildResult r = Build(p, ui, script);
    EXPECT_EQ(ReadText(dir.path() / "outside/app.cfg"), "precious");
    EXPECT_FALSE(fs::exists(dir.path() / "outside/sub"));
    EXPECT_EQ(r.Outcome, TBuildOutcome::Failed);
    EXPECT_TRUE(AnyContains(r.Problems, "leads out of the image folder"));
#endif
}

TEST(BuildSafety, ASourceWhoseNameHoldsABackslashIsNeverInstalledUnderAnotherName) {
#ifdef _WIN32
    GTEST_SKIP() << "a backslash separates folders here";
#else
    // On Linux "\" may be part of a name; the setup would take the text after it for the name.
    EXPECT_EQ(SourceNameProblem("/src/we\\ird/ok.txt"), "");
    EXPECT_EQ(SourceNameProblem("/src/ok.txt"), "");
    EXPECT_EQ(SourceNameProblem("/src/a\\b.txt"), "its name \"a\\b.txt\" holds a \"\\\", which a Windows "
                                                  "file name cannot hold");
    EXPECT_NE(SourceNameProblem("a\\b.txt"), "");

    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "src/a\\b.txt", "a file named a\\b.txt");
    WriteText(dir.path() / "src/x\\y.bmp", "BM");
    WriteText(dir.path() / "src/we\\ird/ok.txt", "ok");
    p.tbFiles.Append(FileRow(dir.str("src/a\\b.txt"), "%InstallPath%"));
    p.tbFiles.Append(FileRow(dir.str("src/we\\ird/ok.txt"), "%InstallPath%"));
    p.StaticBitmaps.push_back({dir.str("src/x\\y.bmp"), "0,0,0", ""});

    TRecordingUi ui;
    std::string script;
    const TBuildResult r = Build(p, ui, script);
    EXPECT_NE(r.Outcome, TBuildOutcome::Done);
    EXPECT_TRUE(AnyContains(r.Problems, "a\\b.txt")) << ::testing::PrintToString(r.Problems);
    EXPECT_TRUE(AnyContains(r.Problems, "x\\y.bmp")) << ::testing::PrintToString(r.Problems);
    // Neither under the name after its "\" nor under its own name, which no Windows folder can hold.
    const fs::path image = dir.path() / "deploy/demo";
    if (fs::exists(image)) {
        const std::vector<std::string> tree = Tree(image);
        for (const char* name : {"Data/b.txt", "Data/a\\b.txt", "Presetup/y.bmp", "Presetup/x\\y.bmp"})
            EXPECT_THAT(tree, ::testing::Not(Contains(name))) << name;
        // A "\" in a folder's name is no concern: the name after the last "/" is the file's.
        if (r.Outcome == TBuildOutcome::Failed) {
            EXPECT_EQ(ReadText(image / "Data/ok.txt"), "ok");
        }
    }
#endif
}

#ifndef _WIN32
// The build in a child process whose files may not grow past limit bytes (SIGXFSZ ignored, as a
// full disk makes writes fail without a signal). Root is bound by the limit as well. Returns the
// outcome and the problems, one per line.
std::pair<int, std::string> BuildWithFileSizeLimit(const TProject& p, rlim_t limit) {
    int fds[2];
    if (::pipe(fds) != 0)
        return {-1, "no pipe"};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &rl);
        TRecordingUi ui;
        std::string script;
        const TBuildResult r = Build(p, ui, script);
        std::string report;
        for (const std::string& problem : r.Problems)
            report += problem + "\n";
        if (::write(fds[1], report.data(), report.size()) < 0) {
        }
        ::_exit(static_cast<int>(r.Outcome));
    }
    ::close(fds[1]);
    std::string report;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        report.append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, report};
}

#endif

TEST(BuildSafety, AFullDiskIsReportedAsAFailure) {
#ifdef _WIN32
    GTEST_SKIP() << "a file size limit in a child process (setrlimit, fork)";
#else
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "src/big.dat", std::string(3 * kCopyChunk + 17, 'b'));
    WriteText(dir.path() / "src/small.txt", "small");
    p.tbFiles.Append(FileRow(dir.str("src/big.dat"), "%InstallPath%"));
    p.tbFiles.Append(FileRow(dir.str("src/small.txt"), "%InstallPath%"));

    // Room for the small files, not for the big one: its copy fails and leaves no cut file.
    const auto [outcome, report] = BuildWithFileSizeLimit(p, 64 * 1024);
    EXPECT_EQ(outcome, static_cast<int>(TBuildOutcome::Failed)) << report;
    EXPECT_THAT(report, HasSubstr("big.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "deploy/demo/Data/big.dat"));
    EXPECT_EQ(ReadText(dir.path() / "deploy/demo/Data/small.txt"), "small");
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Presetup/TZNS.INI"));

    // No room at all: every file the build writes fails, and says so. From nothing, as a rebuild
    // would keep the small file.
    fs::remove_all(dir.path() / "deploy");
    const auto [none, why] = BuildWithFileSizeLimit(p, 0);
    EXPECT_EQ(none, static_cast<int>(TBuildOutcome::Failed)) << why;
    EXPECT_THAT(why, HasSubstr("small.txt"));
    EXPECT_THAT(why, HasSubstr(kSettingsFileName));
    EXPECT_THAT(why, HasSubstr(kInstallFileName));
    EXPECT_THAT(why, HasSubstr("demo.TZN"));
#endif
}

TEST(CompileLauncher, ACompilerCommandThatCannotRunIsNotStarted) {
    XdgSandbox desk;
    TProject p = SavedProject(desk.dir());
    TRecordingUi built;
    std::string script;
    ASSERT_EQ(Build(p, built, script).Outcome, TBuildOutcome::Done);

    const std::string missing = desk.dir().str("no/such-compiler");
    WriteText(desk.dir().path() / "plain.txt", "not a program");
    for (const std::string& command : {missing, desk.dir().str("plain.txt")}) {
        TEnvVar compiler(kCompilerEnvVar, (ShellWord(command) + " --quiet").c_str());
        TRecordingUi ui;
        const TCompileResult r = Compile(ui, script, {0, 0, true});
        EXPECT_EQ(r.Outcome, TCompileOutcome::NotStarted) << r.Message;
        ASSERT_EQ(ui.ErrorTexts().size(), 1u);
        EXPECT_THAT(ui.ErrorTexts()[0], HasSubstr("No compiler could be started for " + script));
        EXPECT_THAT(ui.ErrorTexts()[0], HasSubstr(command));
        EXPECT_EQ(ui.States[lbC1], psFailed);
    }
}
