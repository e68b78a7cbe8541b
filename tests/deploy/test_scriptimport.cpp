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
#include "tests/support/SandboxTree.h"

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
}
