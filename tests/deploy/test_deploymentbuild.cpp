#include "tests/support/BuildTestSupport.h"

#include "core/HostPath.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/ScriptWriter.h"


using namespace tv;
using namespace tvtest;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

TBuildResult RunBuild(const TProject& p, TRecordingUi& ui, std::string& script) {
    return Build(p, ui, script);
}

const std::vector<int> kAllDone = {psDone, psDone, psDone, psDone, psDone, -1};

bool AnyContains(const std::vector<std::string>& texts, const std::string& part) {
    for (const std::string& t : texts)
        if (t.find(part) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(DeploymentBuild, EmptyProjectMakesTheBareTree) {
    TempDir dir;
    const TProject p = SavedProject(dir);
    TRecordingUi ui;
    std::string script;
    const TBuildResult r = RunBuild(p, ui, script);

    EXPECT_EQ(r.Outcome, TBuildOutcome::Done);
    EXPECT_THAT(r.Problems, IsEmpty());
    EXPECT_EQ(script, dir.str("deploy/demo.TZN"));
    EXPECT_THAT(Tree(dir.path() / "deploy"), ElementsAre("demo.TZN", "demo/", "demo/Data/", "demo/Presetup/",
                                                         "demo/Presetup/APP.INS", "demo/Presetup/TZNS.INI"));
    ASSERT_EQ(ui.Messages.size(), 1u); // only the question
    EXPECT_EQ(ui.Messages[0].Text, ClearFolderQuestion(DeploymentPaths(p)));
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("clear the folder /{" + dir.str("deploy/demo") + "/}"));
    EXPECT_EQ(ui.Messages[0].Type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(ui.Messages[0].Buttons, unsigned(mbYes | mbNo));
    EXPECT_EQ(ui.LineStates(), (std::vector<int>{psDone, psDone, psDone, psDone, psDone, psIdle}));
    // Reset first, then each stage runs and finishes in order.
    EXPECT_EQ(ui.StateLog.front(), std::make_pair(int(lbB1), int(psIdle)));
    EXPECT_EQ(ui.StateLog.back(), std::make_pair(int(lbB5), int(psDone)));
}

TEST(DeploymentBuild, DeploymentNameAndProjectNameVariants) {
    TempDir dir;
    TProject p = SavedProject(dir, "my.app.tvx");
    p.MiscDeployment = dir.str("deploy") + "/";
    TRecordingUi ui;
    std::string script;
    EXPECT_EQ(RunBuild(p, ui, script).Outcome, TBuildOutcome::Done);
    EXPECT_EQ(script, dir.str("deploy/my.TZN"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "deploy" / "my" / "Presetup"));
    EXPECT_THAT(SectionLines(script, "Config"), ElementsAre("ImagePath=my", "ExeName=my", "Password="));

    // Relative host paths are taken from the project file's folder, whatever the current folder.
    TProject rel = SavedProject(dir, "proj/rel.tvx");
    rel.MiscDeployment = "../out/deep/er";
    WriteText(dir.path() / "proj" / "files" / "app.exe", "app");
    rel.tbFiles.Append(FileRow("files/app.exe", "%InstallPath%\\bin\\x64"));
    TRecordingUi ui2;
    EXPECT_EQ(RunBuild(rel, ui2, script).Outcome, TBuildOutcome::Done);
    EXPECT_EQ(ReadText(dir.path() / "out/deep/er/rel/Data/bin/x64/app.exe"), "app");
}

TEST(DeploymentBuild, CopiesFilesSupportFilesAndReportsProgress) {
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "src/app.exe", std::string(300000, 'a'));
    WriteText(dir.path() / "src/help/app.hlp", "help");
    WriteText(dir.path() / "src/sys/system.dll", "system copy");
    WriteText(dir.path() / "src/shared.dll", "install copy");
    WriteText(dir.path() / "art/logo.bmp", BmpBytes(4, 3));
    WriteText(dir.path() / "notes.rtf", "readme");
    WriteText(dir.path() / "lic.txt", "licence");
    WriteText(dir.path() / "title.bmp", BmpBytes(5, 2));
    p.tbFiles.Append(FileRow(dir.str("src/app.exe"), "%InstallPath%"));
    p.tbFiles.Append(FileRow(dir.str("src/help/app.hlp"), "%InstallPath%\\Help"));
    p.tbFiles.Append(FileRow(dir.str("src/shared.dll"), "%InstallPath%"));
    p.tbFiles.Append(FileRow(dir.str("src/sys/system.dll"), "%System%"));
    p.StaticBitmaps.push_back({dir.str("art/logo.bmp"), "1,2,0", ""});
    p.AppReadme = dir.str("notes.rtf");
    p.AppLicense = "lic.txt";
    p.DialogTitleBMP = dir.str("title.bmp");
    TRecordingUi ui;
    std::string script;
    const TBuildResult r = RunBuild(p, ui, script);

    ASSERT_EQ(r.Outcome, TBuildOutcome::Done) << ::testing::PrintToString(r.Problems);
    const fs::path img = dir.path() / "deploy" / "demo";
    EXPECT_THAT(Tree(img),
                ElementsAre("Data/", "Data/Help/", "Data/Help/app.hlp", "Data/app.exe", "Data/shared.dll",
                            "Data/system.dll", "Presetup/", "Presetup/APP.INS", "Presetup/TZNS.INI", "Presetup/license.txt",
                            "Presetup/logo.bmp", "Presetup/readme.txt", "Presetup/tzns.bmp"));
    // Files of every folder variable land in Data.
    EXPECT_EQ(ReadText(img / "Data/system.dll"), "system copy");
    EXPECT_EQ(ReadText(img / "Presetup/readme.txt"), "readme");
    EXPECT_EQ(ReadText(img / "Data/app.exe").size(), 300000u);

    EXPECT_THAT(ui.CopyTexts, ElementsAre("", "Copying \"app.exe\"...\"", "Copying \"app.hlp\"...\"",
                                          "Copying \"shared.dll\"...\"", "Copying \"system.dll\"...\""));
    EXPECT_THAT(ui.CopyShown, ElementsAre(true, false, false));
    EXPECT_EQ(r.FilesCopied, 8);
    EXPECT_EQ(ui.FilesDone, 8);
    EXPECT_EQ(ui.FilesTotal, 8);
    EXPECT_EQ(ui.BytesDone, ui.BytesTotal);
    EXPECT_EQ(ui.BytesTotal, 300000u + 4 + 11 + 12 + BmpBytes(4, 3).size() + 6 + 7 + BmpBytes(5, 2).size());
    // Before each of the eight files and after each of their chunks.
    EXPECT_GE(ui.Breaths, 8 + 8);
    EXPECT_EQ(ui.LineStates(), (std::vector<int>{psDone, psDone, psDone, psDone, psDone, psIdle}));

    // A readme of "-" counts as none.
    p.AppReadme = " - ";
    TRecordingUi ui2;
    EXPECT_EQ(RunBuild(p, ui2, script).Outcome, TBuildOutcome::Done);
    EXPECT_FALSE(fs::exists(img / "Presetup/readme.txt"));
}

TEST(DeploymentBuild, ProjectTextNamesHostFilesInTheHostEncoding) {
#ifdef _WIN32
    GTEST_SKIP() << "host names here are UTF-8; the Windows variant uses the ANSI code page";
#else
    TempDir dir;
    // Project values are ANSI ("\xE9" is e acute); the files on disk carry UTF-8 names.
    TProject p = SavedProject(dir, "proj\xC3\xA9t.tvx");
    p.MiscDeployment = "d\xE9ploiement";
    WriteText(dir.path() / "caf\xC3\xA9/th\xC3\xA9.exe", "tea");
    WriteText(dir.path() / "lisez-moi \xC3\xA9.txt", "readme");
    p.tbFiles.Append(FileRow("caf\xE9/th\xE9.exe", "%InstallPath%\\Caf\xE9"));
    p.AppReadme = "lisez-moi \xE9.txt";
    EXPECT_THAT(CheckTexts(p), IsEmpty());

    TRecordingUi ui;
    std::string script;
    const TBuildResult r = RunBuild(p, ui, script);
    ASSERT_EQ(r.Outcome, TBuildOutcome::Done) << ::testing::PrintToString(r.Problems);
    const fs::path img = dir.path() / "d\xC3\xA9ploiement" / "proj\xC3\xA9t";
    EXPECT_EQ(ReadText(img / "Data/Caf\xC3\xA9/th\xC3\xA9.exe"), "tea");
    EXPECT_EQ(ReadText(img / "Presetup/readme.txt"), "readme");
    EXPECT_EQ(script, dir.str("d\xC3\xA9ploiement/proj\xC3\xA9t.TZN"));
    // The engine's files hold the same names in the code page; the copy label, a message, in UTF-8.
    EXPECT_THAT(SectionLines(script, "Config"),
                ElementsAre("ImagePath=proj\xE9t", "ExeName=proj\xE9t", "Password="));
    EXPECT_THAT(SectionLines(img / "Presetup/APP.INS", "Files_InstallPath"),
                ElementsAre("Caf\xE9\\th\xE9.exe=Caf\xE9\\th\xE9.exe"));
    EXPECT_THAT(ui.CopyTexts, Contains("Copying \"th\xC3\xA9.exe\"...\""));

    // Messages are UTF-8: the host path as it is, a project value converted.
    p.StaticBitmaps.push_back({"\xE9t\xE9.bmp", "0,0,0", ""});
    EXPECT_THAT(CheckTexts(p), ElementsAre(HasSubstr("/\xC3\xA9t\xC3\xA9.bmp\" does not exist")));
    TProject climbing = p;
    climbing.tbFiles.Records[0].FilePath = "%InstallPath%\\..\\Caf\xE9";
    EXPECT_THAT(BuildRefusals(climbing),
                ElementsAre(HasSubstr("\"%InstallPath%\\..\\Caf\xC3\xA9\" of \"caf\xC3\xA9/th\xC3\xA9.exe\"")));
    // A support file that would take the place of one the build writes is found in such a folder too.
    WriteText(dir.path() / "art/tzns.ini", "x");
    p.StaticBitmaps = {{"art/tzns.ini", "0,0,0", ""}};
    EXPECT_THAT(CheckTexts(p), Contains(HasSubstr("are both written to")));

    // A project file name the code page cannot hold cannot be the image folder's name in the script.
    const TProject cyrillic = SavedProject(dir, "\xD0\xBF.tvx");
    EXPECT_THAT(BuildRefusals(cyrillic), ElementsAre(HasSubstr("cannot name")));
#endif
}

#ifdef _WIN32
TEST(DeploymentBuild, ProjectTextNamesHostFilesInTheAnsiCodePage) {
    // On Windows project values and host names are the same ANSI bytes ("\xE9" is e acute); the
    // names are put together as host text, never through the narrow path constructor.
    TempDir dir;
    const auto host = [&](const std::string& rel) { return dir.str() + "\\" + rel; };
    TProject p = SavedProject(dir);
    p.FileName = host("proj\xE9t.tvx");
    p.MiscDeployment = "d\xE9ploiement";
    fs::create_directories(HostPath(host("caf\xE9")));
    WriteBytes(host("caf\xE9\\th\xE9.exe"), "tea");
    p.tbFiles.Append(FileRow("caf\xE9\\th\xE9.exe", "%InstallPath%\\Caf\xE9"));
    EXPECT_THAT(CheckTexts(p), IsEmpty());

    TRecordingUi ui;
    std::string script;
    const TBuildResult r = RunBuild(p, ui, script);
    ASSERT_EQ(r.Outcome, TBuildOutcome::Done) << ::testing::PrintToString(r.Problems);
    EXPECT_EQ(ReadBytes(host("d\xE9ploiement\\proj\xE9t\\Data\\Caf\xE9\\th\xE9.exe")), "tea");
    EXPECT_EQ(script, host("d\xE9ploiement\\proj\xE9t.TZN"));
}
#endif

TEST(DeploymentBuild, SecondBuildRemovesStaleFilesButKeepsDotFiles) {
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "src/a.txt", "a");
    WriteText(dir.path() / "src/b.txt", "b");
    p.tbFiles.Append(FileRow(dir.str("src/a.txt"), "%InstallPath%"));
    p.tbFiles.Append(FileRow(dir.str("src/b.txt"), "%InstallPath%\\old"));
    TRecordingUi ui;
    std::string script;
    ASSERT_EQ(RunBuild(p, ui, script).Outcome, TBuildOutcome::Done);

    const fs::path deploy = dir.path() / "deploy";
    WriteText(deploy / "demo/.svn/entries", "kept");
    WriteText(deploy / "demo/Data/.hidden", "kept");
    WriteText(deploy / "demo.EXE", "old setup");
    WriteText(deploy / "unrelated.txt", "other project");
    MakeReadOnly(deploy / "demo/Data/a.txt");
    MakeReadOnly(deploy / "demo.TZN");
    WriteText(deploy / "demo/Presetup/extra.bmp", "stale");

    p.tbFiles.Records.pop_back();
    WriteText(dir.path() / "src/a.txt", "a2");
    TRecordingUi ui2;
    const TBuildResult r = RunBuild(p, ui2, script);
    EXPECT_EQ(r.Outcome, TBuildOutcome::Done) << ::testing::PrintToString(r.Problems);
    EXPECT_THAT(Tree(deploy),
                ElementsAre("demo.TZN", "demo/", "demo/.svn/", "demo/.svn/entries", "demo/Data/",
                            "demo/Data/.hidden", "demo/Data/a.txt", "demo/Presetup/", "demo/Presetup/APP.INS",
                            "demo/Presetup/TZNS.INI", "unrelated.txt"));
    EXPECT_EQ(ReadText(deploy / "demo/Data/a.txt"), "a2");
    EXPECT_THAT(SectionLines(script, "Config"), ElementsAre("ImagePath=demo", "ExeName=demo", "Password="));
    EXPECT_EQ(ui2.ErrorTexts().size(), 0u);
}

TEST(DeploymentBuild, UnsavedOrDeclinedBuildDoesNothing) {
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "deploy/demo/Presetup/TZNS.INI", "an earlier build's");
    WriteText(dir.path() / "deploy/demo/Data/old.txt", "old");
    p.Modified = true;
    TRecordingUi ui;
    std::string script = "previous";
    EXPECT_EQ(RunBuild(p, ui, script).Outcome, TBuildOutcome::NotSaved);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, kMsgNotSaved);
    EXPECT_EQ(ui.Messages[0].Type, TMsgDlgType::mtInformation);

    p.Modified = false;
    TRecordingUi no;
    no.Answers = {mrNo};
    EXPECT_EQ(RunBuild(p, no, script).Outcome, TBuildOutcome::Cancelled);
    EXPECT_TRUE(no.StateLog.empty());
    EXPECT_EQ(script, "previous");
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Data/old.txt"));

    // Anything but No goes on.
    TRecordingUi cancel;
    cancel.Answers = {mrCancel};
    EXPECT_EQ(RunBuild(p, cancel, script).Outcome, TBuildOutcome::Done);
    EXPECT_FALSE(fs::exists(dir.path() / "deploy/demo/Data/old.txt"));
}

TEST(DeploymentBuild, RefusesBeforeDeletingAnything) {
    TempDir dir;
    WriteText(dir.path() / "deploy/demo/Data/marker", "must survive");
    WriteText(dir.path() / "src/app.exe", "x");
    auto refusedWith = [&](const TProject& p, const std::string& part) {
        TRecordingUi ui;
        std::string script;
        const TBuildResult r = RunBuild(p, ui, script);
        EXPECT_EQ(r.Outcome, TBuildOutcome::Refused) << part;
        EXPECT_TRUE(AnyContains(r.Problems, part)) << ::testing::PrintToString(r.Problems);
        EXPECT_TRUE(AnyContains(ui.ErrorTexts(), part)) << part;
        EXPECT_EQ(ui.States[lbB1], psFailed);
        EXPECT_TRUE(script.empty());
        EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Data/marker")) << part;
        EXPECT_THAT(CheckTexts(p), Contains(HasSubstr(part)));
    };

    TProject blank = SavedProject(dir);
    blank.MiscDeployment = "  ";
    refusedWith(blank, "deployment folder is not set");
    blank.MiscDeployment = " - "; // the "not set" mark that saving refuses too
    refusedWith(blank, "deployment folder is not set");

    TProject untitled = SavedProject(dir);
    untitled.FileName = "*UNTITLED";
    refusedWith(untitled, "not been saved");

    TProject dotName = SavedProject(dir, ".tvx");
    refusedWith(dotName, "gives no project name");

    TProject climbing = SavedProject(dir);
    climbing.tbFiles.Append(FileRow(dir.str("src/app.exe"), "%InstallPath%\\..\\..\\etc"));
    refusedWith(climbing, "climbs out of its folder");

    TProject inside = SavedProject(dir);
    inside.tbFiles.Append(FileRow(dir.str("deploy/demo/Data/marker"), "%InstallPath%"));
    refusedWith(inside, "lies inside the image folder");

#ifndef _WIN32 // no symbolic links for an unprivileged Windows user
    // The same file reached through a link from outside.
    fs::create_directory_symlink(dir.path() / "deploy/demo/Data", dir.path() / "alias");
    TProject linked = SavedProject(dir);
    linked.AppReadme = "alias/marker";
    refusedWith(linked, "lies inside the image folder");
#endif

    // The project file itself below the image folder (deployment folder "..").
    TProject self = SavedProject(dir, "deploy/demo/Data/demo.tvx");
    self.MiscDeployment = "../..";
    refusedWith(self, "demo.tvx\" lies inside the image folder");

    TProject oldSetup = SavedProject(dir);
    WriteText(dir.path() / "deploy/demo.EXE", "the last setup");
    oldSetup.tbFiles.Append(FileRow(dir.str("deploy/demo.EXE"), "%InstallPath%"));
    refusedWith(oldSetup, "which the build deletes");

    TProject tooMany = SavedProject(dir);
    for (int i = 0; i <= kMaxTableRows; ++i)
        tooMany.RunAfter.push_back({"x.exe", "", "", "", "00"});
    TRecordingUi ui;
    std::string script;
    EXPECT_EQ(RunBuild(tooMany, ui, script).Outcome, TBuildOutcome::Refused);
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Data/marker"));
}

// What Check cannot foresee: a copy whose folder cannot be made, a script that cannot be written.
TEST(DeploymentBuild, RunsToTheEndAndReportsWhatFailed) {
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "src/Help", "a file named like a folder");
    WriteText(dir.path() / "src/app.hlp", "help");
    WriteText(dir.path() / "src/good.exe", "good");
    p.tbFiles.Append(FileRow(dir.str("src/Help"), "%InstallPath%"));
    p.tbFiles.Append(FileRow(dir.str("src/app.hlp"), "%InstallPath%\\Help")); // Data/Help is a file by now
    p.tbFiles.Append(FileRow(dir.str("src/good.exe"), "%InstallPath%"));
    // A folder where the script goes: it can be neither deleted nor written.
    fs::create_directories(dir.path() / "deploy/demo.TZN/x");
    TRecordingUi ui;
    std::string script;
    const TBuildResult r = RunBuild(p, ui, script);

    EXPECT_EQ(r.Outcome, TBuildOutcome::Failed);
    EXPECT_EQ(ReadText(dir.path() / "deploy/demo/Data/good.exe"), "good"); // the rest was built
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Presetup/APP.INS"));
    const auto errors = ui.ErrorTexts();
    ASSERT_EQ(errors.size(), 1u); // one closing message listing everything
    EXPECT_THAT(errors[0],
                HasSubstr("Could not create the folder \"" + dir.str("deploy/demo/Data/Help") + "\""));
    EXPECT_THAT(errors[0], HasSubstr(dir.str("deploy/demo.TZN")));
    EXPECT_EQ(r.Problems.size(), 2u);
    EXPECT_EQ(ui.LineStates(), (std::vector<int>{psDone, psFailed, psDone, psDone, psFailed, psIdle}));
}

TEST(DeploymentBuild, TheClosingMessageStaysAScreenfulWhenManyFilesFail) {
    TempDir dir;
    TProject p = SavedProject(dir);
    for (int i = 0; i < 40; ++i)
        p.tbFiles.Append(FileRow(dir.str("src/gone" + std::to_string(i) + ".exe"), "%InstallPath%"));
    TRecordingUi ui;
    std::string script;
    const TBuildResult r = RunBuild(p, ui, script);

    EXPECT_EQ(r.Problems.size(), 40u); // the result keeps every failure
    const auto errors = ui.ErrorTexts();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr("gone14.exe"));
    EXPECT_THAT(errors[0], Not(HasSubstr("gone15.exe")));
    EXPECT_THAT(errors[0], HasSubstr("... and 25 more"));
}

TEST(DeploymentBuild, ClearingRemovesLinksNotTheirTargets) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links";
#else
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "elsewhere/precious.txt", "keep");
    WriteText(dir.path() / "deploy/demo/Presetup/TZNS.INI", "an earlier build's");
    WriteText(dir.path() / "deploy/demo/Data/x.txt", "x");
    fs::create_directory_symlink(dir.path() / "elsewhere", dir.path() / "deploy/demo/Data/link");
    // A link to nothing where the old setup program was: a stale build's, removed like a file.
    fs::create_symlink(dir.path() / "nowhere.EXE", dir.path() / "deploy/demo.EXE");
    TRecordingUi ui;
    std::string script;
    ASSERT_EQ(RunBuild(p, ui, script).Outcome, TBuildOutcome::Done);
    EXPECT_EQ(ReadText(dir.path() / "elsewhere/precious.txt"), "keep");
    EXPECT_FALSE(fs::exists(dir.path() / "deploy/demo/Data/link"));
    EXPECT_FALSE(fs::is_symlink(dir.path() / "deploy/demo.EXE"));

    // The image folder itself a link to an earlier build: the link goes, a real folder takes its
    // place, and what the link led to stays.
    fs::remove_all(dir.path() / "deploy/demo");
    WriteText(dir.path() / "elsewhere/Presetup/TZNS.INI", "an earlier build's");
    fs::create_directory_symlink(dir.path() / "elsewhere", dir.path() / "deploy/demo");
    TRecordingUi ui2;
    ASSERT_EQ(RunBuild(p, ui2, script).Outcome, TBuildOutcome::Done);
    EXPECT_EQ(ReadText(dir.path() / "elsewhere/precious.txt"), "keep");
    EXPECT_EQ(ReadText(dir.path() / "elsewhere/Presetup/TZNS.INI"), "an earlier build's");
    EXPECT_FALSE(fs::is_symlink(dir.path() / "deploy/demo"));
    EXPECT_TRUE(fs::exists(dir.path() / "deploy/demo/Presetup/TZNS.INI"));
#endif
}

TEST(DeploymentBuild, CheckFindsProblemsWithoutTouchingTheDisk) {
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "a/x.dll", "1");
    WriteText(dir.path() / "b/X.DLL", "2");
    p.tbFiles.Append(FileRow(dir.str("a/x.dll"), "%InstallPath%"));
    p.tbFiles.Append(FileRow(dir.str("b/X.DLL"), "%System%"));
    p.tbFiles.Append(FileRow("gone.exe", "%InstallPath%"));
    p.AppReadme = "readme.txt";
    p.AppLicense = "-";
    p.DialogTitleBMP = dir.str("title.bmp");
    p.StaticBitmaps.push_back({dir.str("art/side.bmp"), "0,0,0", ""});
    const auto problems = CheckTexts(p);
    EXPECT_EQ(problems.size(), 5u) << ::testing::PrintToString(problems);
    EXPECT_THAT(problems, Contains(HasSubstr("Source file \"" + dir.str("gone.exe") + "\" does not exist")));
    EXPECT_THAT(problems, Contains(HasSubstr("Readme \"" + dir.str("readme.txt"))));
    EXPECT_THAT(problems, Contains(HasSubstr("Title bitmap")));
    EXPECT_THAT(problems, Contains(HasSubstr("Static bitmap")));
    EXPECT_THAT(problems, Contains(HasSubstr("are both written to")));
    EXPECT_FALSE(fs::exists(dir.path() / "deploy"));

    TProject fine = SavedProject(dir);
    fine.tbFiles.Append(FileRow(dir.str("a/x.dll"), "%InstallPath%"));
    fine.tbFiles.Append(FileRow(dir.str("a/x.dll"), "%InstallPath%")); // the same file twice is no clash
    EXPECT_THAT(CheckTexts(fine), IsEmpty());
}

TEST(BuildUiTexts, CaptionsCarryTheStateAndMessagesKeepPathsLiteral) {
    EXPECT_EQ(ProgressCaption(lbB2), "/im{0}/oh{4} Copying presetup && data files");
    EXPECT_EQ(ProgressCaption(lbB2, psFailed), "/im{3}/oh{4} Copying presetup && data files");
    EXPECT_EQ(ProgressCaption(lbC1, psDone).substr(0, 6), "/im{2}");
    EXPECT_EQ(ProgressText(lbB2), "Copying presetup & data files");
    EXPECT_EQ(CopyingText("app.exe"), "Copying \"app.exe\"...\"");
    // "/b" in a path is no bold token and "/#" inside it no line break.
    const std::string path = "/home/build/a/#1";
    EXPECT_EQ(MarkupToPlain("Can not delete " + MarkupLiteral(path) + "/#next"),
              "Can not delete " + path + "\nnext");
}
