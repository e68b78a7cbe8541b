// Saves under faults a user or the system can cause: a kill at any moment, a full disk, two saves at
// once, links where the backup or the project file should be, files that must be refused on Load.
#include "bench/FullSizeProject.h"
#include "core/ProjectFile.h"
#include "core/kvIniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <set>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tv;
using tvtest::ReadBytes;
using tvtest::TempDir;
using tvtest::WriteBytes;
namespace fs = std::filesystem;

namespace {

// Only the POSIX fault tests use it.
[[maybe_unused]] std::set<std::string> FolderNames(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path()))
        names.insert(e.path().filename().string());
    return names;
}

std::string LoadError(const std::string& path, TProject& p) {
    try {
        LoadProject(p, path);
    } catch (const EProjectFileError& e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(ProjectFileLoad, ValuesWithANulByteAreRefusedNamingTheLine) {
    TempDir dir;
    const auto path = dir.str("nulbyte.tvx");
    const std::string deployment = "Misc.Deployment=" + dir.str("existing") + std::string(1, '\0') + "/sub";
    WriteBytes(path, "[Start]\r\nApp.Name=x\r\n" + deployment + "\r\n");
    TProject p;
    p.AppName = "before";
    EXPECT_EQ(LoadError(path, p), "Cannot read file " + path + ": line 3 holds a NUL byte");
    EXPECT_EQ(p.AppName, "before");

    // Dropped lines never reach a value: a NUL byte in a comment is no reason to refuse.
    const char comment[] = "[Start]\r\n;note\0\r\nApp.Name=y\r\n";
    WriteBytes(path, std::string(comment, sizeof comment - 1));
    EXPECT_EQ(LoadError(path, p), "");
    EXPECT_EQ(p.AppName, "y");

    // What the program itself holds is refused by Save before it reaches a file.
    p.tbRegAdd.Append({"HKLM\\A", {std::string("k=v\0w", 5)}});
    EXPECT_FALSE(CheckProjectLimits(p).empty());
    EXPECT_THROW(SaveProject(p, dir.str("out.tvx")), EProjectFileError);
    EXPECT_FALSE(fs::exists(dir.str("out.tvx")));
}

TEST(ProjectFileLoad, AUtf8MarkIsReadAsUtf8AndUtf16IsRefused) {
    TempDir dir;
    const auto path = dir.str("bom.tvx");
    WriteBytes(path,
               "\xEF\xBB\xBF[Start]\r\nApp.Name=Caf\xC3\xA9 \xE2\x82\xAC\r\n[Dialog]\r\nFont=Arial, 9\r\n");
    TProject p;
    EXPECT_EQ(LoadError(path, p), "");
    EXPECT_EQ(p.AppName, "Caf\xE9 \x80") << "[Start] is found and its text is in the code page";
    EXPECT_EQ(p.DialogFont, "Arial, 9");

    WriteBytes(path, "\xEF\xBB\xBF[Start]\r\nApp.Name=ok\r\nApp.Readme=\xE4\xB8\xAD.txt\r\n");
    p.AppName = "kept";
    EXPECT_EQ(LoadError(path, p),
              "Cannot read file " + path +
                  ": line 3 holds a character the code page cannot hold (or is no UTF-8 text)");
    EXPECT_EQ(p.AppName, "kept");

    const std::string utf16("\xFF\xFE[\0S\0t\0a\0r\0t\0]\0\r\0\n\0", 20);
    WriteBytes(path, utf16);
    EXPECT_NE(LoadError(path, p).find("is not a project file"), std::string::npos);
}

TEST(ProjectFileSave, SaveLoadSaveIsAFixedPoint) {
    TempDir dir;
    TProject p = tvbench::FullSizeProject();
    p.MiscPassword = " secret ";
    p.AppName = "\"quoted\"";
    p.TargetCheckWindow = "tab\t";
    p.TargetCheckMutex = "'single'";
    p.AppInstFolderName = "\\Folder ";
    p.tbRegAdd.Records[0].Contents = {"  leading", "trailing  ", "\"both\"", "\"", ""};
    p.RunBefore[0].Flag = "W ";
    p.tbFiles.Records[0].FileName = " spaced.dll";
    const auto path = dir.str("p.tvx");
    SaveProject(p, path);
    const std::string first = ReadBytes(path);

    TProject loaded;
    LoadProject(loaded, path);
    EXPECT_EQ(loaded.MiscPassword, " secret ");
    EXPECT_EQ(loaded.AppName, "\"quoted\"");
    EXPECT_EQ(loaded.TargetCheckWindow, "tab\t");
    EXPECT_EQ(loaded.TargetCheckMutex, "'single'");
    EXPECT_EQ(loaded.AppInstFolderName, "\\Folder ");
    EXPECT_EQ(loaded.tbRegAdd.Records[0].Contents, p.tbRegAdd.Records[0].Contents);
    EXPECT_EQ(loaded.RunBefore[0].Flag, "W ");
    EXPECT_EQ(loaded.tbFiles.Records[0].FileName, " spaced.dll");
    SaveProject(loaded, path);
    EXPECT_EQ(ReadBytes(path), first);
    EXPECT_NE(first.find("Misc.Password=\" secret \"\r\n"), std::string::npos);
    EXPECT_NE(first.find("Misc.Deployment=/srv/deploy/bench\r\n"), std::string::npos)
        << "ordinary values are written as ever";

    // A static bitmap row that is missing or short comes back with its five fields, and stays so.
    WriteBytes(path, "[Main_Window]\r\nBitmap=2\r\nBitmap.02=a.bmp\r\n");
    LoadProject(loaded, path);
    SaveProject(loaded, path);
    const std::string once = ReadBytes(path);
    EXPECT_NE(once.find("Bitmap.01=,,,,\r\nBitmap.02=a.bmp,,,,\r\n"), std::string::npos) << once;
    LoadProject(loaded, path);
    SaveProject(loaded, path);
    EXPECT_EQ(ReadBytes(path), once);

    // Two records whose keys name one section cannot both keep their contents: refused.
    TProject twins = tvbench::FullSizeProject();
    twins.tbINI.Records[1].Key = "windows|BENCH0.INI|settings";
    EXPECT_NE(CheckProjectLimits(twins).front().find("differ only in letter case"), std::string::npos);
    twins.tbINI.Records[1].Contents = twins.tbINI.Records[0].Contents;
    EXPECT_TRUE(CheckProjectLimits(twins).empty()) << "the same contents are stored faithfully";
}

TEST(ProjectFileLoad, DuplicateSectionsLoadInLinearTimeWithTheFirstWinning) {
    // 1.6 MB of repeated sections: one pass, not one pass per duplicate.
    std::string text = "[Start]\r\nApp.Name=first\r\n";
    for (int i = 0; i < 160000; ++i)
        text += i % 2 ? "[start]\r\nk=v\r\n" : "[Other]\r\nk=v\r\n";
    TkvIniFile ini(std::string(), true);
    ini.ParseText(text);
    ASSERT_EQ(ini.Sections().Count(), 2);
    EXPECT_EQ(ini.ReadString("START", "App.Name", ""), "first");
    EXPECT_EQ(ini.ReadString("Start", "k", "none"), "none") << "later sections are dropped, not merged";
    EXPECT_EQ(ini.ReadString("Other", "k", ""), "v");
}

TEST(ProjectFileLoad, ReadOnlyAndLockedFilesLoad) {
    TempDir dir;
    const auto path = dir.str("shared.tvx");
    WriteBytes(path, "[Start]\r\nApp.Name=Shared\r\n");
    tvtest::MakeReadOnly(path);
#ifndef _WIN32
    // Another program holds an exclusive lock on it.
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
#endif
    TProject p;
    EXPECT_EQ(LoadError(path, p), "");
    EXPECT_EQ(p.AppName, "Shared");
#ifndef _WIN32
    ::close(fd);
#endif
}

#ifdef _WIN32
// What these tests do needs POSIX: links, a file size limit, tracing a child, fork.
TEST(ProjectFileSave, LinksAtTheBackupOrProjectNameAreReplacedNotWrittenThrough) {
    GTEST_SKIP() << "symbolic links";
}
TEST(ProjectFileSave, ABackupThatCannotBeWrittenWholeKeepsThePreviousOne) {
    GTEST_SKIP() << "a file size limit (setrlimit) and a link";
}
TEST(ProjectFileSave, AKillAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
    GTEST_SKIP() << "a traced child process (fork, ptrace)";
}
TEST(ProjectFileSave, TwoSavesAtOnceEndWithOneProjectWhole) {
    GTEST_SKIP() << "child processes (fork)";
}
#else

TEST(ProjectFileSave, LinksAtTheBackupOrProjectNameAreReplacedNotWrittenThrough) {
    TempDir dir;
    const auto victim = dir.str("victim.txt");
    WriteBytes(victim, "not yours");
    fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write);
    const auto path = dir.str("proj.tvx");
    WriteBytes(path, "[Start]\r\nApp.Name=Old\r\n");
    fs::create_symlink(victim, dir.str("proj.BAK"));
    TProject p;
    SaveProject(p, path);
    EXPECT_EQ(ReadBytes(victim), "not yours");
    EXPECT_EQ(fs::status(victim).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::is_symlink(dir.str("proj.BAK")));
    EXPECT_EQ(ReadBytes(dir.str("proj.BAK")), "[Start]\r\nApp.Name=Old\r\n");

    // The project file itself a link: the link is replaced, its target keeps the old content, and the
    // backup holds a copy of what the link showed.
    const auto linked = dir.str("linked.tvx");
    fs::create_symlink(victim, linked);
    SaveProject(p, linked);
    EXPECT_FALSE(fs::is_symlink(linked));
    EXPECT_EQ(ReadBytes(victim), "not yours");
    EXPECT_EQ(ReadBytes(dir.str("linked.BAK")), "not yours");
    EXPECT_EQ(ReadBytes(linked), ProjectFileText(p));
}

// The backup must be a copy when the project file is a link; a full disk while copying keeps the
// previous backup whole, leaves the project file alone and says why.
TEST(ProjectFileSave, ABackupThatCannotBeWrittenWholeKeepsThePreviousOne) {
    TempDir dir;
    const auto target = dir.str("big.txt");
    WriteBytes(target, "[Start]\r\nApp.Name=" + std::string(64 * 1024, 'x') + "\r\n");
    const auto path = dir.str("p.tvx");
    fs::create_symlink(target, path);
    WriteBytes(dir.str("p.BAK"), "previous backup");
    TProject p;
    const auto before = FolderNames(dir);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 16 * 1024; // the new project fits, the copy of the old one does not
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    std::string error;
    try {
        SaveProject(p, path);
    } catch (const EProjectFileError& e) {
        error = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, "Cannot make the backup " + dir.str("p.BAK") + " of " + path + ": File too large");
    EXPECT_EQ(ReadBytes(dir.str("p.BAK")), "previous backup");
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(FolderNames(dir), before) << "a temporary file was left behind";
}

namespace {

// Saves project to path in a child process, stopped by a tracer at the kill-th system call of the
// save and killed there. Returns false when the save ended before that call; skips when the system
// does not let this process trace its child.
bool SaveKilledAt(const TProject& project, const std::string& path, int kill, bool& traced) {
    const pid_t child = ::fork();
    if (child == 0) {
        // The copy is made before tracing starts: the system calls counted are the save's alone,
        // not the allocator's, whose number depends on what earlier tests left on the heap.
        TProject p = project;
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        try {
            SaveProject(p, path);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    traced = WIFSTOPPED(status);
    if (!traced) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return false;
    }
    // Each system call stops the child twice, on entry and on exit.
    for (int stop = 0; stop < 2 * kill; ++stop) {
        ::ptrace(PTRACE_SYSCALL, child, nullptr, nullptr);
        ::waitpid(child, &status, 0);
        if (WIFEXITED(status))
            return false;
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return true;
}

} // namespace

TEST(ProjectFileSave, AKillAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
    TempDir dir;
    const auto path = dir.str("full.tvx");
    TProject oldProject = tvbench::FullSizeProject();
    oldProject.AppName = "Old";
    TProject newProject = tvbench::FullSizeProject();
    newProject.AppName = "New";
    const std::string oldText = ProjectFileText(oldProject);
    const std::string newText = ProjectFileText(newProject);

    int killed = 0, sawNew = 0;
    for (int at = 0;; ++at) {
        for (const auto& e : fs::directory_iterator(dir.path()))
            fs::remove(e.path());
        WriteBytes(path, oldText);
        bool traced = false;
        const bool wasKilled = SaveKilledAt(newProject, path, at, traced);
        if (!traced)
            GTEST_SKIP() << "this system does not let a test trace its child process";
        const std::string now = ReadBytes(path);
        EXPECT_TRUE(now == oldText || now == newText)
            << "killed at system call " << at << ": " << now.size() << " bytes";
        if (!wasKilled) {
            EXPECT_EQ(now, newText);
            EXPECT_EQ(ReadBytes(dir.str("full.BAK")), oldText);
            break;
        }
        ++killed;
        sawNew += now == newText;
        ASSERT_LT(at, 1000) << "the save never ends";
    }
    EXPECT_GT(killed, 5) << "too few points were tried";
    std::cerr << "killed at " << killed << " points, " << sawNew << " after the rename\n";
    EXPECT_GT(sawNew, 0) << "the kill never came after the rename";
}

TEST(ProjectFileSave, TwoSavesAtOnceEndWithOneProjectWhole) {
    TempDir dir;
    const auto path = dir.str("out.tvx");
    TProject a = tvbench::FullSizeProject();
    a.AppName = "A";
    TProject b = tvbench::FullSizeProject();
    b.AppName = "B";
    b.tbFiles.Records.resize(10); // different sections and lengths
    const std::string textA = ProjectFileText(a), textB = ProjectFileText(b);
    WriteBytes(path, "[Start]\r\nApp.Name=Initial\r\n[Extra]\r\nk=v\r\n");

    auto saver = [&](TProject project) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < 10; ++i) {
                try {
                    SaveProject(project, path);
                } catch (...) {
                    ++failures;
                }
            }
            ::_exit(failures);
        }
        return pid;
    };
    const pid_t first = saver(a), second = saver(b);
    for (pid_t pid : {first, second}) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    const std::string result = ReadBytes(path);
    EXPECT_TRUE(result == textA || result == textB) << "a mixed file of " << result.size() << " bytes";
    const std::string backup = ReadBytes(dir.str("out.BAK"));
    EXPECT_TRUE(backup == textA || backup == textB);
    EXPECT_EQ(FolderNames(dir), (std::set<std::string>{"out.BAK", "out.tvx"}));
}

#endif
