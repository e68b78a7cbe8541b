// Check's rules: what the setup would lose (errors, which stop a build before it writes anything)
// and what it would do other than typed (warnings, shown before the build's question).
#include "tests/support/BuildTestSupport.h"

#include "core/kvIniFile.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/ProjectCheck.h"
#include "deploy/ScriptWriter.h"

#include <set>

using namespace tv;
using namespace tvtest;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

// The rules that found something, with the kind each was reported as.
std::multiset<std::string> RulesOf(const TFindings& findings) {
    std::multiset<std::string> rules;
    for (const TFinding& f : findings)
        rules.insert(std::string(f.Kind == TFindingKind::Error ? "E " : "W ") + f.Rule);
    return rules;
}

// Files made in dir/src, one file row each, installed to dest.
void AddSources(TProject& p, const TempDir& dir, const std::vector<std::string>& names,
                const std::string& dest = "%InstallPath%") {
    fs::create_directories(dir.path() / "src");
    for (const std::string& name : names) {
        WriteText(dir.path() / "src" / name, name);
        p.tbFiles.Append(FileRow(dir.str("src") + "/" + name, dest));
    }
}

} // namespace

// The names an install-list line cannot hold as its key: written anyway, the store's own reader (which
// reads as the engine does) gets other keys back, or none.
TEST(ProjectCheck, NamesTheInstallListCannotHoldAreErrorsAndAreMisreadWhenWritten) {
    TempDir dir;
    TProject p = SavedProject(dir);
    AddSources(p, dir, {"a=b.txt", ";start.txt", "trail.txt ", " lead.txt", "[x.txt", "good.txt"});
    p.tbFiles.Append(FileRow(dir.str("src") + "/good.txt", "%InstallPath%\\ sub"));
    TShortcutRecord shortcut;
    shortcut.ProgramGroup = "%AppFolder%";
    shortcut.Shortcuts = "Run=fast";
    shortcut.Target = "%InstallPath%\\good.txt";
    p.tbShortcuts.Append(shortcut);

    WriteInstallFile(p, dir.str("pre"));
    TkvIniFile ini(dir.str("pre/APP.INS"), true);
    std::vector<std::string> keys;
    ini.ReadSection("Files_InstallPath", keys);
    // Our reader drops trailing blanks only; the engine's drops leading ones too.
    EXPECT_THAT(keys, ElementsAre("a", "trail.txt", " lead.txt", "[x.txt", "good.txt", " sub\\good.txt"));
    keys.clear();
    ini.ReadSection("Short_AppFolder", keys);
    EXPECT_THAT(keys, ElementsAre("Run"));

    const TFindings findings = CheckProject(p);
    EXPECT_EQ(RulesOf(findings),
              (std::multiset<std::string>{"E file-name-key", "E file-name-key", "E file-name-key",
                                          "E file-name-key", "E file-name-key", "E file-name-key",
                                          "E shortcut-name-key"}));
    const auto texts = FindingTexts(findings, TFindingKind::Error);
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("\"a=b.txt\""), HasSubstr("row 1"), HasSubstr("\"=\""))));
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("\";start.txt\""), HasSubstr("comment"))));
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("\" sub\\good.txt\""), HasSubstr("row 7"))));
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("Shortcut \"Run=fast\""), HasSubstr("row 1"))));
}

TEST(ProjectCheck, ChangeLinesTheSetupCannotReadAreErrors) {
    TempDir dir;
    TProject p = SavedProject(dir);
    p.tbRegAdd.Append({"HKCU\\Software\\X", {"Good=1,1", "", "NoEquals", "=x,0", "Tab=a\tb,0"}});
    p.tbRegDel.Append({"HKCU\\Software\\Y", {"Count=,1"}});
    p.tbINI.Append({"Windows|\\a.ini|S", {"Key=v", "=v", "Bell=\a"}});

    const auto texts = FindingTexts(CheckProject(p), TFindingKind::Error);
    EXPECT_EQ(texts.size(), 6u) << ::testing::PrintToString(texts);
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("\"HKCU\\Software\\X\""), HasSubstr("\"NoEquals\""))));
    EXPECT_THAT(texts, Contains(HasSubstr("\"=x,0\"")));
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("Tab="), HasSubstr("control character"))));
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("to remove"), HasSubstr("\"Count=,1\""))));
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("INI change"), HasSubstr("\"=v\""))));
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("Bell="), HasSubstr("control character"))));
}

TEST(ProjectCheck, BitmapsMustBeReadableBmpFiles) {
    TempDir dir;
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "good.bmp", BmpBytes(3, 2));
    WriteText(dir.path() / "empty.bmp", "");
    WriteText(dir.path() / "cut.bmp", BmpBytes(3, 2, 1));
    WriteText(dir.path() / "photo.bmp", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(64, '\0'));
    p.DialogTitleBMP = "good.bmp"; // relative to the project's folder
    p.MainBGBitmap = dir.str("empty.bmp");
    p.StaticBitmaps = {{dir.str("cut.bmp"), "0,0,0", ""},
                       {dir.str("photo.bmp"), "0,0,0", ""},
                       {dir.str("good.bmp"), "5,5,0", ""}};
    EXPECT_THAT(CheckTexts(p), ElementsAre(AllOf(HasSubstr("Background bitmap"), HasSubstr("empty")),
                                           AllOf(HasSubstr("cut.bmp"), HasSubstr("cut short")),
                                           AllOf(HasSubstr("photo.bmp"), HasSubstr("does not begin"))));

    // A missing bitmap the build copies is named once, as missing.
    p.DialogTitleBMP = "gone.bmp";
    p.MainBGBitmap.clear();
    p.StaticBitmaps.clear();
    EXPECT_THAT(CheckTexts(p), ElementsAre(HasSubstr("gone.bmp\" does not exist")));
}

TEST(ProjectCheck, WhatTheSetupWouldDoOtherThanTypedAreWarnings) {
    TempDir dir;
    TProject p = SavedProject(dir);
    AddSources(p, dir, {"app.exe"});
    AddSources(p, dir, {"tool.exe"}, "%InstallPath%\\bin");
    p.AppInstFolder = "ProgramFiles";
    p.AppInstFolderName = "Example";
    p.MainTitleFont = "Nimbus Sans, 20, $000000, B";
    p.DialogFont = "tahoma, 8"; // letter case does not matter
    TShortcutRecord s;
    s.ProgramGroup = "%ProgramsMenu%\\Photon Editor";
    s.Shortcuts = "Photon";
    s.Target = "%InstallPath%\\app.exe";
    s.Arguments = "-a,b";
    p.tbShortcuts.Append(s);
    p.RunAfter.push_back({"%InstallPath%\\tool.exe", "say \"hi\"", "", "", "10"}); // installed to bin\ only
    p.RunAfter.push_back({"%InstallPath%\\APP.EXE", "", "", "", "10"});
    p.RunBeforeUn.push_back({"%InstallPath%\\bin\\tool.exe", "", "", "", "10"});
    p.RunBefore.push_back({"%InstallPath%\\old.exe", "", "", "", "10"}); // not installed yet: fine
    p.tbRegAdd.Append({"HKCU\\Software\\Empty", {}});

    const TFindings findings = CheckProject(p);
    EXPECT_FALSE(HasErrors(findings));
    EXPECT_EQ(RulesOf(findings),
              (std::multiset<std::string>{"W run-quotes", "W shortcut-commas", "W run-not-installed",
                                          "W shortcut-group-folder", "W install-folder", "W font",
                                          "W empty-registry-key"}));
    const auto texts = FindingTexts(findings, TFindingKind::Warning);
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("\"%InstallPath%\\tool.exe\""), HasSubstr("not among"))));
    EXPECT_THAT(texts, Contains(HasSubstr("\"%ProgramFiles%Example\"")));
    EXPECT_THAT(texts, Contains(HasSubstr("\"Nimbus Sans\"")));
    EXPECT_THAT(texts, Contains(AllOf(HasSubstr("\"Photon\""), HasSubstr("\"%ProgramsMenu%\""))));

    // Build shows them before its question and goes on.
    TRecordingUi ui;
    std::string script;
    const TBuildResult r = Build(p, ui, script);
    EXPECT_EQ(r.Outcome, TBuildOutcome::Done);
    EXPECT_EQ(r.Warnings, texts);
    ASSERT_GE(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0].Type, TMsgDlgType::mtWarning);
    EXPECT_THAT(ui.Messages[0].Text, HasSubstr("Photon"));
    EXPECT_EQ(ui.Messages[1].Text, ClearFolderQuestion(DeploymentPaths(p)));
}

TEST(ProjectCheck, AnErrorStopsTheBuildBeforeItWritesAnything) {
    TempDir dir;
    TProject p = SavedProject(dir);
    AddSources(p, dir, {"a=b.txt"});
    p.tbFiles.Append(FileRow(dir.str("src/missing.dll"), "%System%"));
    TRecordingUi ui;
    std::string script;
    const TBuildResult r = Build(p, ui, script);
    EXPECT_EQ(r.Outcome, TBuildOutcome::Refused);
    EXPECT_THAT(r.Problems, ElementsAre(HasSubstr("missing.dll\" does not exist"), HasSubstr("\"a=b.txt\"")));
    EXPECT_FALSE(fs::exists(dir.path() / "deploy"));
    ASSERT_FALSE(ui.ErrorTexts().empty());
    EXPECT_THAT(ui.ErrorTexts().back(), AllOf(HasSubstr("cannot be built"), HasSubstr("a=b.txt")));
}

// The system's own reason, the same one the build would give: a name too long is not "missing".
TEST(ProjectCheck, ASourceThatCannotBeLookedAtGivesTheSystemsReason) {
    if (kWindows)
        GTEST_SKIP() << "the name length limit is the POSIX one";
    TempDir dir;
    TProject p = SavedProject(dir);
    p.tbFiles.Append(FileRow(dir.str("src/") + std::string(5000, 'x') + ".dll", "%InstallPath%"));
    EXPECT_THAT(CheckTexts(p),
                ElementsAre(AllOf(HasSubstr("cannot be copied: "), Not(HasSubstr("does not exist")))));
}

TEST(ProjectCheck, EveryRuleIsInTheTableOnceAndTheCommonFontsAreKnown) {
    std::set<std::string> names;
    for (const TCheckRule& rule : CheckRules()) {
        EXPECT_TRUE(names.insert(rule.Name).second) << rule.Name;
        EXPECT_NE(std::string(rule.Summary), "");
    }
    EXPECT_TRUE(IsCommonWindowsFont("Times New Roman"));
    EXPECT_TRUE(IsCommonWindowsFont("ms sans serif"));
    EXPECT_FALSE(IsCommonWindowsFont("Liberation Serif"));
}
