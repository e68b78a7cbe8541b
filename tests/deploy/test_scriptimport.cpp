// Opening an existing setup: a built deployment folder read back into a project builds the same
// tree again, the imported project is a fixed point of save and load, and whatever the engine files
// hold that the project cannot keep is listed.
#include "bench/FullSizeProject.h"
#include "core/ProjectFile.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/FileUtils.h"
#include "deploy/ScriptImport.h"
#include "deploy/ScriptWriter.h"
#include "tests/support/BuildTestSupport.h"
#include "tests/support/EveryFinding.h"
#ifndef _WIN32 // links, and the POSIX calls of the sandbox tree
#include "tests/support/SandboxTree.h"
#endif

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

using namespace tv;
using namespace tvtest;
using ::testing::HasSubstr;

namespace {

// The script and the image folder of a deployment as names and bytes (a folder as "/"). Names that
// start with "." are left out: clearing leaves them, and no build makes them.
std::map<std::string, std::string> Deployment(const fs::path& deploy, const std::string& name) {
    std::map<std::string, std::string> out;
    out[name + ".TZN"] = ReadText(deploy / (name + ".TZN"));
    const fs::path image = deploy / name;
    for (auto it = fs::recursive_directory_iterator(image); it != fs::recursive_directory_iterator(); ++it) {
        const std::string rel = fs::relative(it->path(), deploy).generic_string();
        if (it->path().filename().string()[0] == '.') {
            if (it->is_directory() && !it->is_symlink())
                it.disable_recursion_pending();
            continue;
        }
        out[rel] = it->is_directory() ? "/" : ReadText(it->path());
    }
    return out;
}

bool Built(const TProject& p) {
    TRecordingUi ui;
    std::string script;
    TBuildResult r = Build(p, ui, script);
    r.Problems.resize(std::min<std::size_t>(r.Problems.size(), 3));
    EXPECT_EQ(r.Outcome, TBuildOutcome::Done) << ::testing::PrintToString(r.Problems);
    return r.Outcome == TBuildOutcome::Done;
}

// Builds p as dir/a/<name>.tvx into dir/a/deploy, imports the script, builds the import as
// dir/b/<name>.tvx into dir/b/deploy: both deployments must be the same, and nothing is lost. The
// import saved, loaded and saved again gives the same file.
void ExpectRoundTrip(TProject p, const TempDir& dir, const std::string& name) {
    SCOPED_TRACE(name);
    fs::create_directories(dir.path() / "a");
    fs::create_directories(dir.path() / "b");
    p.FileName = dir.str("a/" + name + ".tvx");
    p.MiscDeployment = dir.str("a/deploy");
    p.Modified = false;
    if (!Built(p))
        return;

    const TImportedScript imported = ImportEngineScript(dir.str("a/deploy/" + name + ".TZN"));
    EXPECT_THAT(imported.Losses, ::testing::IsEmpty());
    EXPECT_EQ(imported.ProjectName, name);
    EXPECT_EQ(imported.Project.FileName, "*UNTITLED");
    EXPECT_TRUE(imported.Project.Modified);
    EXPECT_EQ(imported.Project.MiscDeployment, dir.str("a/deploy"));

    TProject again = imported.Project;
    again.FileName = dir.str("b/" + name + ".tvx");
    again.MiscDeployment = dir.str("b/deploy");
    again.Modified = false;
    if (!Built(again))
        return;
    EXPECT_TRUE(Deployment(dir.path() / "a/deploy", name) == Deployment(dir.path() / "b/deploy", name));

    SaveProject(again, again.FileName);
    const std::string saved = ReadText(again.FileName);
    TProject loaded;
    LoadProject(loaded, again.FileName);
    SaveProject(loaded, dir.str("b/again.tvx"));
    EXPECT_EQ(ReadText(dir.str("b/again.tvx")), saved);
}

} // namespace

TEST(ScriptImport, BuildImportBuildGivesTheSameDeploymentForEveryKindOfProject) {
    {
        TempDir dir;
        fs::copy(fs::path(TAMVELOX_SOURCE_DIR) / "examples/demo", dir.path() / "a",
                 fs::copy_options::recursive);
        TProject demo;
        LoadProject(demo, dir.str("a/demo.tvx"));
        ExpectRoundTrip(demo, dir, "demo");
    }
    {
        // Every table and list at its limit.
        TempDir dir;
        TProject full = tvbench::FullSizeProject();
        for (TFileRecord& rec : full.tbFiles.Records) {
            rec.FileName = dir.str("src/" + ExtractFileName(rec.FileName));
            WriteText(rec.FileName, rec.FileName);
        }
        for (int i = 0; i < kMaxStaticBitmaps; ++i)
            WriteText(dir.path() / "a/bitmaps" / ("static" + std::to_string(i) + ".bmp"), BmpBytes(1 + i, 1));
        for (TContentsRecord& rec : full.tbRegAdd.Records)
            rec.Contents = {"Name=" + rec.Key + ",0", "Count=1,1"};
        for (TContentsRecord& rec : full.tbRegDel.Records)
            rec.Contents = {"Obsolete=0,0"};
        full.DialogTitleBMP = dir.str("title.bmp");
        WriteText(full.DialogTitleBMP, BmpBytes(4, 4));
        ExpectRoundTrip(full, dir, "full");
    }
    {
        // What a setup does other than typed (Check's warnings) is what its files hold: the import
        // of those files builds them again.
        TempDir dir;
        TProject odd = ProjectWithEveryFinding(dir.path());
        odd.tbFiles.Records.resize(1); // the others are errors: clashes, missing or unreadable names
        odd.tbShortcuts.Records[0].Shortcuts = "App";
        odd.tbRegAdd.Records.erase(odd.tbRegAdd.Records.begin());
        odd.MainBGBitmap = "";
        ExpectRoundTrip(odd, dir, "odd");
    }
#ifndef _WIN32
    {
        // A project with a linked source, and an earlier build in the way whose dot-named link
        // survives the clearing.
        TSandboxTree tree;
        TProject p;
        LoadProject(p, tree.str("project/p.tvx"));
        TempDir dir;
        fs::create_directory_symlink(tree.dir().path() / "src", dir.path() / "src"); // its "../src"
        fs::create_directories(dir.path() / "a/deploy");
        fs::copy(tree.dir().path() / "deploy/p", dir.path() / "a/deploy/p",
                 fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        ExpectRoundTrip(p, dir, "p");
    }
#endif
}

namespace {

// The one loss that holds text; fails when none or several do.
std::string LossWith(const TImportedScript& imported, const std::string& text) {
    std::vector<std::string> hits;
    for (const std::string& loss : imported.Losses)
        if (loss.find(text) != std::string::npos)
            hits.push_back(loss);
    EXPECT_EQ(hits.size(), 1u) << "\"" << text << "\" in " << ::testing::PrintToString(imported.Losses);
    return hits.empty() ? std::string() : hits.front();
}

} // namespace

TEST(ScriptImport, WhatTheProjectCannotKeepIsListedAndTheRestIsImported) {
    TEngineFiles f;
    f.ScriptPath = Native("/setups/setup.TZN");
    f.Script = "[Config]\r\nImagePath=setup\r\nExeName=other\r\nPassword=pw\r\n[Custom]\r\nKey=1\r\n";
    f.ImageFound = true;
    f.ImageRoot = Native("/setups/setup");
    f.Presetup = Native("/setups/setup/Presetup");
    f.Data = Native("/setups/setup/Data");
    f.Settings = "[Config]\r\nLanguages=English\r\n[Display]\r\nDialogPosition=5,1\r\n"
                 "[Variables]\r\nProgramName=Hand Made\r\n";
    std::string install =
        "[CopyFiles]\r\nFiles_InstallPath=%InstallPath%\r\n"
        "[Files_InstallPath]\r\n;note\r\nbin\\app.exe=bin\\app.exe,NO_LOG\r\ngone.dll=gone.dll\r\n"
        "[Shortcuts]\r\nShort_AppFolder=%AppFolder%\r\n"
        "[Short_AppFolder]\r\nA|B=\"%InstallPath%\\bin\\app.exe\",,%InstallPath%\r\n"
        "[RunApp]\r\n";
    for (int i = 0; i <= kMaxTableRows; ++i)
        install += "RunAfter" + std::to_string(i) + "=\"x.exe\",\"\",\"\",1,\"\",0\r\n";
    f.Install = install;
    f.PresetupFiles = {"TZNS.INI", "APP.INS", "notes.doc"};
    f.DataFiles = {"bin/app.exe", "stray.txt"};

    const TImportedScript imported = ImportEngineFiles(f);
    const TProject& p = imported.Project;
    EXPECT_EQ(p.MiscPassword, "pw");
    EXPECT_EQ(p.AppName, "Hand Made");
    EXPECT_EQ(p.DialogPosX, 2); // a position the project cannot choose
    EXPECT_EQ(p.DialogPosY, 1);
    ASSERT_EQ(p.tbFiles.Count(), 2);
    EXPECT_EQ(p.tbFiles.Records[0].FileName, Native("/setups/setup/Data/bin/app.exe"));
    EXPECT_EQ(p.tbFiles.Records[0].FilePath, "%InstallPath%\\bin");
    EXPECT_TRUE(p.tbFiles.Records[0].NoLog);
    EXPECT_EQ(p.RunAfter.size(), static_cast<std::size_t>(kMaxTableRows));

    EXPECT_THAT(LossWith(imported, "ExeName=other"), HasSubstr("becomes \"ExeName=setup\""));
    EXPECT_THAT(LossWith(imported, "[Custom]"), HasSubstr("\"Key=1\" is not kept"));
    EXPECT_THAT(LossWith(imported, "Languages=English"), HasSubstr("becomes \"Languages=\""));
    EXPECT_THAT(LossWith(imported, "DialogPosition=5,1"), HasSubstr("becomes \"DialogPosition=2,1\""));
    EXPECT_THAT(LossWith(imported, "\";note\""), HasSubstr("is not kept"));
    EXPECT_THAT(LossWith(imported, "\"gone.dll\""), HasSubstr("not in the image folder's Data"));
    EXPECT_THAT(LossWith(imported, "Data/stray.txt"), HasSubstr("left out"));
    EXPECT_THAT(LossWith(imported, "Presetup/notes.doc"), HasSubstr("left out"));
    EXPECT_THAT(LossWith(imported, "1001 programs run after installation"),
                HasSubstr("the last 1 are left out"));
    EXPECT_THAT(LossWith(imported, "RunAfter1000="), HasSubstr("is not kept"));
    LossWith(imported, "A|B"); // a "|" the project file cannot store
}

TEST(ScriptImport, AScriptThatCannotBeReadIsRefusedAndAMissingImageFolderIsListed) {
    TempDir dir;
    EXPECT_THROW(ImportEngineScript(dir.str("none.TZN")), ETvError);
    fs::create_directories(dir.path() / "folder.TZN");
    EXPECT_THROW(ImportEngineScript(dir.str("folder.TZN")), ETvError);
    WriteText(dir.path() / "notes.TZN", "[Start]\r\nApp.Name=a project, not a script\r\n");
    EXPECT_THROW(ImportEngineScript(dir.str("notes.TZN")), ETvError);

    // Letter case of the image folder's names is not insisted on.
    WriteText(dir.path() / "lone.TZN", "[Config]\r\nImagePath=lone\r\nExeName=lone\r\nPassword=pw\r\n");
    TImportedScript lone = ImportEngineScript(dir.str("lone.TZN"));
    EXPECT_EQ(lone.Project.MiscPassword, "pw");
    EXPECT_THAT(LossWith(lone, "does not exist"), HasSubstr(dir.str("lone")));
    EXPECT_EQ(lone.Losses.size(), 1u);

    WriteText(dir.path() / "LONE/presetup/tzns.ini", "[Variables]\r\nProgramName=Found\r\n");
    WriteText(dir.path() / "LONE/presetup/app.ins", "");
    lone = ImportEngineScript(dir.str("lone.TZN"));
    EXPECT_EQ(lone.Project.AppName, "Found");
}
