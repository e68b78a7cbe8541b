// The document commands against a scripted window: start-up arguments, New, Load, Save, the close
// question, and the document state and caption each leaves behind.
#include "core/DocumentCommands.h"
#include "core/ProjectFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace tv;

namespace {

// A window that answers from scripts and records what it was asked.
class ScriptedUi final : public IDocumentUi {
public:
    struct Message {
        std::string text;
        TMsgDlgType type;
        unsigned buttons;
    };
    std::deque<int> answers;
    std::vector<Message> messages;
    std::vector<std::string> plainMessages;
    std::deque<std::optional<std::string>> openNames; // nullopt: cancelled
    std::deque<std::optional<std::string>> saveNames;
    std::vector<std::string> proposedNames;
    int openDialogs = 0;
    std::string title = "Tamrin Installer Velox";
    int firstPageShown = 0;
    int resets = 0;
    int refreshes = 0;

    int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) override {
        messages.push_back({text, type, buttons});
        if (answers.empty())
            return mrOk;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    void ShowPlainMessage(const std::string& text) override { plainMessages.push_back(text); }
    bool OpenFileName(std::string& path) override {
        ++openDialogs;
        if (openNames.empty()) {
            ADD_FAILURE() << "open dialog not scripted";
            return false;
        }
        auto n = openNames.front();
        openNames.pop_front();
        if (!n)
            return false;
        path = *n;
        return true;
    }
    bool SaveFileName(const std::string& proposed, std::string& path) override {
        proposedNames.push_back(proposed);
        if (saveNames.empty()) {
            ADD_FAILURE() << "save dialog not scripted";
            return false;
        }
        auto n = saveNames.front();
        saveNames.pop_front();
        if (!n)
            return false;
        path = *n;
        return true;
    }
    std::string WindowTitle() const override { return title; }
    void SetWindowTitle(const std::string& t) override { title = t; }
    void ShowFirstPage() override { ++firstPageShown; }
    void ResetProgressLines() override { ++resets; }
    void RefreshPages() override { ++refreshes; }
    void DocumentReplaced() override { ++replaced; }
    int replaced = 0;
};

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class DocumentCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_Dir = m_Temp.path();
        fs::create_directories(m_Dir / "data");
    }
    std::string DataDir() const { return (m_Dir / "data").string(); }
    std::string Path(const std::string& name) const { return (m_Dir / name).string(); }

    // A saved project file with a few recognisable values.
    std::string WriteProject(const std::string& name) {
        TProject p;
        p.MiscDeployment = Path("deploy");
        p.AppName = "Loaded App";
        p.tbFiles.Append().FileName = "/src/app.exe";
        SaveProject(p, Path(name));
        return Path(name);
    }

    tvtest::TempDir m_Temp;
    fs::path m_Dir;
    TProject m_Project;
    ScriptedUi m_Ui;
};

// An importer standing in for the deployment layer's: a script named bad.tzn cannot be read, any
// other gives a project named after it and one loss.
TImportedScript FakeImport(const std::string& path) {
    if (path.find("bad.tzn") != std::string::npos)
        throw ETvError("Cannot open file " + path, "it does not exist");
    TImportedScript imported;
    imported.Project.AppName = "Imported from " + fs::path(path).filename().string();
    imported.Project.FileName = "/not/kept.tvx";
    imported.Losses = {"[Custom] \"Key=1\" is not kept."};
    return imported;
}

} // namespace

TEST(StartupArguments, ExtensionDecidesAndPathsBecomeFull) {
    EXPECT_EQ(ParseStartupArguments({}, "/home/u").Action, TStartupAction::New);

    TStartupCommand c = ParseStartupArguments({"setup.tvx"}, "/home/u/work");
    EXPECT_EQ(c.Action, TStartupAction::Load);
    EXPECT_EQ(c.Path, tvtest::Native("/home/u/work/setup.tvx"));

    c = ParseStartupArguments({"../other/Setup.TvX", "ignored.tzn"}, "/home/u/work");
    EXPECT_EQ(c.Action, TStartupAction::Load);
    EXPECT_EQ(c.Path, tvtest::Native("/home/u/other/Setup.TvX"));

    c = ParseStartupArguments({"/abs/engine.TZN"}, "/home/u");
    EXPECT_EQ(c.Action, TStartupAction::ImportEngineScript);
    EXPECT_EQ(c.Path, tvtest::Native("/abs/engine.TZN"));

    EXPECT_EQ(ParseStartupArguments({"notes.txt"}, "/home/u").Action, TStartupAction::New);
    EXPECT_EQ(ParseStartupArguments({"README"}, "/home/u").Action, TStartupAction::New);
    // A dot in a folder name is no extension.
    EXPECT_EQ(ParseStartupArguments({"my.tvx/file"}, "/home/u").Action, TStartupAction::New);
}

TEST(WindowCaption, KeepsTheTextBeforeTheFirstHyphen) {
    EXPECT_EQ(RetitledCaption("Tamrin Installer Velox", "*UNTITLED"), "Tamrin Installer Velox - *UNTITLED");
    EXPECT_EQ(RetitledCaption("Tamrin Installer Velox - /a/old.tvx", "/tmp/x-y/new.tvx"),
              "Tamrin Installer Velox - /tmp/x-y/new.tvx");
    // The rule applied to its own result keeps the product title, even with a hyphen in the name.
    EXPECT_EQ(RetitledCaption(RetitledCaption("Tamrin Installer Velox", "/a-b.tvx"), "/c.tvx"),
              "Tamrin Installer Velox - /c.tvx");
}

TEST_F(DocumentCommandsTest, ProgramDataFolderIsTheFirstExistingCandidate) {
    EXPECT_EQ(FirstExistingFolder({Path("missing"), "", DataDir(), Path("")}), DataDir());
    EXPECT_EQ(FirstExistingFolder({Path("missing")}), "");
}

TEST_F(DocumentCommandsTest, AProgramInAPrefixUsesThatPrefixsDataFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "the <prefix>/bin and <prefix>/share layout is the POSIX one";
#else
    EXPECT_EQ(InstalledDataDir("/opt/tv/bin"), "/opt/tv/share/tamvelox");
    EXPECT_EQ(InstalledDataDir("/opt/tv/bin/"), "/opt/tv/share/tamvelox");
    EXPECT_EQ(InstalledDataDir("/opt/tv/./bin"), "/opt/tv/share/tamvelox");
    EXPECT_EQ(InstalledDataDir(""), "");

    // A tree installed elsewhere than the configured prefix finds its own data before any other.
    const std::string prefix = Path("prefix");
    std::filesystem::create_directories(prefix + "/bin");
    EXPECT_NE(ProgramDataDir(prefix + "/bin"), prefix + "/share/tamvelox");
    std::filesystem::create_directories(prefix + "/share/tamvelox");
    EXPECT_EQ(ProgramDataDir(prefix + "/bin"), prefix + "/share/tamvelox");
#endif
}

#ifdef _WIN32
TEST_F(DocumentCommandsTest, AWindowsProgramKeepsItsDataBesideIt) {
    // Folders that would win on a POSIX system mean nothing to a program copied to another machine.
    const std::string bin = Path("prefix\\bin");
    std::filesystem::create_directories(Path("prefix\\share\\tamvelox"));
    std::filesystem::create_directories(bin);
    EXPECT_EQ(ProgramDataDir(bin), bin);

    TProject p;
    NewProject(p, ProgramDataDir(bin));
    EXPECT_EQ(p.DialogTitleBMP, bin + "\\tzns256.bmp"); // one kind of separator
}
#endif

TEST_F(DocumentCommandsTest, CreateReportsAFailedRegistrationAndGoesOn) {
    m_Project.FileName = "/somewhere.tvx";
    m_Project.tbFiles.Append();
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());

    EXPECT_FALSE(cmd.Create([](std::string* e) {
        *e = "denied";
        return false;
    }));
    ASSERT_EQ(m_Ui.plainMessages.size(), 1u);
    EXPECT_EQ(m_Ui.plainMessages[0], "Can not set .TVX extension to Tamrin Installer Velox");
    EXPECT_EQ(m_Project.FileName, "*UNTITLED");
    EXPECT_TRUE(m_Project.tbFiles.Empty());

    EXPECT_TRUE(cmd.Create([](std::string*) { return true; }));
    EXPECT_EQ(m_Ui.plainMessages.size(), 1u);
}

TEST_F(DocumentCommandsTest, StartUpWithAProjectArgumentLoadsItUnderItsFullPath) {
    WriteProject("setup.tvx");
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    cmd.StartUp({"setup.tvx"}, m_Dir.string());

    EXPECT_EQ(m_Project.FileName, Path("setup.tvx"));
    EXPECT_EQ(m_Project.AppName, "Loaded App");
    EXPECT_FALSE(m_Project.Modified);
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox - " + Path("setup.tvx"));
    EXPECT_TRUE(m_Ui.messages.empty());

    // Start-up runs once: a later activation changes nothing.
    m_Project.AppName = "edited";
    cmd.StartUp({}, m_Dir.string());
    EXPECT_EQ(m_Project.AppName, "edited");
    EXPECT_EQ(m_Project.FileName, Path("setup.tvx"));
}

TEST_F(DocumentCommandsTest, StartUpWithAMissingProjectGivesDefaultsUnderThatName) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    cmd.StartUp({Path("nothere.tvx")}, "/");
    EXPECT_EQ(m_Project.FileName, Path("nothere.tvx"));
    EXPECT_FALSE(m_Project.Modified);
    EXPECT_EQ(m_Project.AppName, "My Application v1.0");
    EXPECT_TRUE(m_Ui.messages.empty());
}

TEST_F(DocumentCommandsTest, StartUpWithOtherArgumentsStartsNewOrImportsAnEngineScript) {
    {
        TProject p;
        ScriptedUi ui;
        TDocumentCommands cmd(p, ui, DataDir());
        cmd.StartUp({"notes.txt"}, m_Dir.string());
        EXPECT_EQ(p.FileName, "*UNTITLED");
        EXPECT_TRUE(p.Modified);
        EXPECT_EQ(ui.title, "Tamrin Installer Velox - *UNTITLED");
        EXPECT_EQ(ui.refreshes, 1);
    }
    {
        // An engine script becomes a new project; one that cannot be read leaves a new one.
        TProject p;
        ScriptedUi ui;
        TDocumentCommands cmd(p, ui, DataDir());
        cmd.SetScriptImporter(FakeImport);
        cmd.StartUp({"bad.tzn"}, m_Dir.string());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].type, TMsgDlgType::mtError);
        EXPECT_NE(ui.messages[0].text.find("bad.tzn"), std::string::npos);
        EXPECT_EQ(p.FileName, "*UNTITLED");
        EXPECT_TRUE(p.Modified);
        EXPECT_EQ(ui.title, "Tamrin Installer Velox - *UNTITLED");
    }
    {
        TProject p;
        ScriptedUi ui;
        TDocumentCommands cmd(p, ui, DataDir());
        cmd.SetScriptImporter(FakeImport);
        cmd.StartUp({"engine.tzn"}, m_Dir.string());
        EXPECT_EQ(p.AppName, "Imported from engine.tzn");
        EXPECT_EQ(p.FileName, "*UNTITLED");
        EXPECT_TRUE(p.Modified);
        EXPECT_TRUE(cmd.HasUnsavedWork());
        EXPECT_EQ(ui.title, "Tamrin Installer Velox - *UNTITLED");
        ASSERT_EQ(ui.messages.size(), 1u); // every loss in one message
        EXPECT_EQ(ui.messages[0].type, TMsgDlgType::mtWarning);
        EXPECT_EQ(MarkupToPlain(ui.messages[0].text),
                  std::string(kMsgImportLosses) + "\n[Custom] \"Key=1\" is not kept.");
    }
}

TEST_F(DocumentCommandsTest, NewDiscardsChangesWithoutAskingAndKeepsThreeSettings) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    m_Project.FileName = Path("old.tvx");
    m_Project.AppName = "changed";
    m_Project.MainTitle = false;
    m_Project.DialogPosX = 0;
    m_Project.DialogPosY = 1;
    m_Project.tbFiles.Append();
    m_Project.tbRegAdd.Append().Key = "HKLM\\x";
    m_Project.RunAfter.push_back({"a.exe", "", "", "", ""});
    m_Project.StaticBitmaps.push_back({"b.bmp", "", ""});
    m_Project.Modified = true;
    m_Ui.title = "Tamrin Installer Velox - " + Path("old.tvx");

    cmd.New();

    EXPECT_TRUE(m_Ui.messages.empty());
    EXPECT_EQ(m_Project.FileName, "*UNTITLED");
    EXPECT_TRUE(m_Project.Modified);
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox - *UNTITLED");
    EXPECT_EQ(m_Project.AppName, "");
    EXPECT_FALSE(m_Project.MainTitle);
    EXPECT_EQ(m_Project.DialogPosX, 0);
    EXPECT_EQ(m_Project.DialogPosY, 1);
    EXPECT_TRUE(m_Project.tbFiles.Empty());
    EXPECT_TRUE(m_Project.tbRegAdd.Empty());
    EXPECT_TRUE(m_Project.RunAfter.empty());
    EXPECT_TRUE(m_Project.StaticBitmaps.empty());
    EXPECT_EQ(m_Project.DialogTitleBMP, (fs::path(DataDir()) / "tzns256.bmp").string());
    EXPECT_EQ(m_Ui.firstPageShown, 1);
    EXPECT_EQ(m_Ui.resets, 1);
    EXPECT_EQ(m_Ui.refreshes, 1);
}

TEST_F(DocumentCommandsTest, LoadCancelledChangesNothing) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    m_Project.AppName = "keep";
    m_Ui.openNames.push_back(std::nullopt);
    cmd.Load();
    EXPECT_EQ(m_Project.AppName, "keep");
    EXPECT_EQ(m_Ui.refreshes, 0);
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox");
}

TEST_F(DocumentCommandsTest, LoadOfAProjectAndOfAnEngineScript) {
    const std::string file = WriteProject("one.tvx");
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    m_Project.tbShortcuts.Append();

    m_Ui.openNames.push_back(file);
    m_Ui.answers = {mrYes}; // the unsaved shortcut may go
    cmd.Load();
    ASSERT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_EQ(m_Ui.messages[0].text, "Script is not saved yet,/#Continue ?");
    m_Ui.messages.clear();
    EXPECT_EQ(m_Project.FileName, file);
    EXPECT_FALSE(m_Project.Modified);
    EXPECT_EQ(m_Project.AppName, "Loaded App");
    ASSERT_EQ(m_Project.tbFiles.Count(), 1);
    EXPECT_TRUE(m_Project.tbShortcuts.Empty());
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox - " + file);
    EXPECT_GE(m_Ui.resets, 1);

    // An engine script picked in the dialog becomes a new, untitled, modified project.
    cmd.SetScriptImporter(FakeImport);
    m_Ui.openNames.push_back(Path("engine.tzn"));
    cmd.Load();
    EXPECT_EQ(m_Project.FileName, "*UNTITLED");
    EXPECT_TRUE(m_Project.Modified);
    EXPECT_EQ(m_Project.AppName, "Imported from engine.tzn");
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox - *UNTITLED");
    ASSERT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_EQ(m_Ui.messages[0].type, TMsgDlgType::mtWarning);
    m_Ui.messages.clear();

    // One that cannot be read is reported and leaves the document as it was, as Load does.
    m_Ui.openNames.push_back(Path("bad.tzn"));
    m_Ui.answers = {mrYes}; // the imported project may go
    cmd.Load();
    ASSERT_EQ(m_Ui.messages.size(), 2u);
    EXPECT_EQ(m_Ui.messages[1].type, TMsgDlgType::mtError);
    EXPECT_EQ(m_Project.AppName, "Imported from engine.tzn");
    EXPECT_TRUE(m_Project.Modified);
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox - *UNTITLED");
}

TEST_F(DocumentCommandsTest, LoadOfAFileThatIsNoProjectIsReportedAndLeavesTheOpenProjectAsItWas) {
    const std::string file = WriteProject("open.tvx");
    std::ofstream(Path("notes.tvx")) << "[Other]\nKey=Value\n";
    fs::create_directories(Path("folder.tvx")); // exists but cannot be opened as a file
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    ASSERT_TRUE(cmd.LoadFile(file));
    EXPECT_EQ(m_Ui.replaced, 1);
    // Edits, one of them of a setting that leaves Modified clear.
    m_Project.AppName = "edited";
    m_Project.TargetCheckWindow = "Main Window";
    const std::string title = m_Ui.title;

    for (const std::string& name : {Path("notes.tvx"), Path("folder.tvx")}) {
        SCOPED_TRACE(name);
        m_Ui.messages.clear();
        m_Ui.openNames.push_back(name);
        m_Ui.answers = {mrYes}; // the edits may go, for a project that loads
        EXPECT_FALSE(cmd.Load());
        ASSERT_EQ(m_Ui.messages.size(), 2u);
        EXPECT_EQ(m_Ui.messages[1].type, TMsgDlgType::mtError);
        EXPECT_EQ(m_Ui.messages[1].buttons, unsigned(mbOK));
        // The message names the file, shielded from markup (a path's "/b" is no bold switch).
        EXPECT_EQ(m_Ui.messages[1].text.rfind("/{", 0), 0u);
        EXPECT_NE(m_Ui.messages[1].text.find(name), std::string::npos);
        // The document is the one that was open: its file, title, Modified state and edits.
        EXPECT_EQ(m_Project.FileName, file);
        EXPECT_FALSE(m_Project.Modified);
        EXPECT_EQ(m_Ui.title, title);
        EXPECT_EQ(m_Project.AppName, "edited");
        EXPECT_EQ(m_Project.TargetCheckWindow, "Main Window");
        EXPECT_EQ(m_Project.tbFiles.Count(), 1);
        EXPECT_TRUE(cmd.HasUnsavedWork()); // and still asks before it is dropped
        EXPECT_EQ(m_Ui.replaced, 1);
    }

    // From a new project too: it stays new and modified.
    cmd.New();
    EXPECT_EQ(m_Ui.replaced, 2);
    m_Project.AppName = "typed";
    m_Ui.openNames.push_back(Path("notes.tvx"));
    m_Ui.answers = {mrYes};
    EXPECT_FALSE(cmd.Load());
    EXPECT_EQ(m_Project.FileName, "*UNTITLED");
    EXPECT_TRUE(m_Project.Modified);
    EXPECT_EQ(m_Project.AppName, "typed");
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox - *UNTITLED");
    EXPECT_EQ(m_Ui.replaced, 2);
}

TEST_F(DocumentCommandsTest, SavedIntoAnotherFolderRelativePathsFollowWhenAsked) {
    fs::create_directories(Path("a"));
    fs::create_directories(Path("b/c"));
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    m_Project.FileName = Path("a/p.tvx");
    m_Project.MiscDeployment = "out/";
    m_Project.AppReadme = "docs/readme.txt";
    m_Project.AppLicense = "-"; // not set
    m_Project.DialogTitleBMP = "/abs/title.bmp";
    m_Project.tbFiles.Append().FileName = "../shared/app.exe";
    m_Project.StaticBitmaps.push_back({"side.bmp", "0,0,0", ""});
    m_Project.Modified = true;
    const TProject typed = m_Project;

    // No keeps them as typed: they now name files beside the new project file.
    m_Ui.saveNames.push_back(Path("b/c/p.tvx"));
    m_Ui.answers = {mrNo};
    ASSERT_TRUE(cmd.Save());
    ASSERT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_EQ(m_Ui.messages[0].type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(m_Ui.messages[0].buttons, unsigned(mbYes | mbNo));
    for (const char* listed : {"Deployment folder", "docs/readme.txt", "../shared/app.exe", "side.bmp"})
        EXPECT_NE(m_Ui.messages[0].text.find(listed), std::string::npos) << listed;
    EXPECT_EQ(m_Ui.messages[0].text.find("title.bmp"), std::string::npos);
    EXPECT_EQ(m_Project.AppReadme, typed.AppReadme);
    EXPECT_EQ(m_Project.FileName, Path("b/c/p.tvx"));

    // Yes rewrites them to name the same files from the new folder, in the file and the window.
    m_Project = typed;
    m_Ui.messages.clear();
    const int refreshes = m_Ui.refreshes;
    m_Ui.saveNames.push_back(Path("b/c/q.tvx"));
    m_Ui.answers = {mrYes};
    ASSERT_TRUE(cmd.Save());
    EXPECT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_EQ(m_Project.MiscDeployment, tvtest::Native("../../a/out/"));
    EXPECT_EQ(m_Project.AppReadme, tvtest::Native("../../a/docs/readme.txt"));
    EXPECT_EQ(m_Project.AppLicense, "-");
    EXPECT_EQ(m_Project.DialogTitleBMP, "/abs/title.bmp");
    EXPECT_EQ(m_Project.tbFiles.Records[0].FileName, tvtest::Native("../../shared/app.exe"));
    EXPECT_EQ(m_Project.StaticBitmaps[0].File, tvtest::Native("../../a/side.bmp"));
    EXPECT_FALSE(m_Project.Modified);
    EXPECT_FALSE(cmd.HasUnsavedWork());
    EXPECT_GT(m_Ui.refreshes, refreshes);
    TProject reloaded;
    LoadProject(reloaded, Path("b/c/q.tvx"));
    EXPECT_EQ(reloaded.AppReadme, tvtest::Native("../../a/docs/readme.txt"));

    // Within one folder nothing is asked.
    m_Ui.messages.clear();
    m_Ui.saveNames.push_back(Path("b/c/./r.tvx"));
    ASSERT_TRUE(cmd.Save());
    EXPECT_TRUE(m_Ui.messages.empty());

    // A save that fails leaves the paths as they were.
    m_Project = typed;
    std::ofstream(Path("plain")) << "x";
    m_Ui.saveNames.push_back(Path("plain/sub/p.tvx"));
    m_Ui.answers = {mrYes};
    EXPECT_FALSE(cmd.Save());
    EXPECT_EQ(m_Project.AppReadme, typed.AppReadme);
    EXPECT_EQ(m_Project.FileName, Path("a/p.tvx"));
}

// A first save offers full paths to files inside the project's folder as relative ones, so that the
// project can move with its folder; files outside keep their full paths.
TEST_F(DocumentCommandsTest, AFirstSaveOffersRelativePathsToFilesInsideTheProjectsFolder) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    cmd.New();
    const std::string outside = (m_Dir.parent_path() / "shared" / "app.exe").string();
    m_Project.MiscDeployment = Path("out");
    m_Project.AppReadme = Path("docs/readme.txt");
    m_Project.tbFiles.Append().FileName = outside;
    m_Project.tbFiles.Append().FileName = Path("bin/tool.exe");
    const TProject typed = m_Project;

    m_Ui.saveNames.push_back(Path("p.tvx"));
    m_Ui.answers = {mrNo};
    ASSERT_TRUE(cmd.Save());
    ASSERT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_EQ(m_Ui.messages[0].buttons, unsigned(mbYes | mbNo));
    for (const char* listed : {"Deployment folder", "docs", "tool.exe"})
        EXPECT_NE(m_Ui.messages[0].text.find(listed), std::string::npos) << listed;
    EXPECT_EQ(m_Ui.messages[0].text.find("app.exe"), std::string::npos);
    EXPECT_EQ(m_Project.AppReadme, typed.AppReadme); // No keeps them

    // Saved again in the same folder: not asked again.
    m_Project.Modified = true;
    m_Ui.saveNames.push_back(Path("p.tvx"));
    ASSERT_TRUE(cmd.Save());
    EXPECT_EQ(m_Ui.messages.size(), 1u);

    // Yes, on a save elsewhere: the paths inside the folder become relative in the file and the window.
    fs::create_directories(Path("sub"));
    m_Project = typed;
    m_Project.FileName = Path("sub/x.tvx"); // its paths are full: nothing to rebase
    m_Ui.messages.clear();
    m_Ui.saveNames.push_back(Path("q.tvx"));
    m_Ui.answers = {mrYes};
    ASSERT_TRUE(cmd.Save());
    EXPECT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_EQ(m_Project.MiscDeployment, "out");
    EXPECT_EQ(m_Project.AppReadme, tvtest::Native("docs/readme.txt"));
    EXPECT_EQ(m_Project.tbFiles.Records[0].FileName, outside);
    EXPECT_EQ(m_Project.tbFiles.Records[1].FileName, tvtest::Native("bin/tool.exe"));
    TProject reloaded;
    LoadProject(reloaded, Path("q.tvx"));
    EXPECT_EQ(reloaded.AppReadme, tvtest::Native("docs/readme.txt"));
    EXPECT_FALSE(cmd.HasUnsavedWork());
}

// A new project's title bitmap is the program's own; the first save offers a copy beside the
// project instead of a path into the program's installation.
TEST_F(DocumentCommandsTest, TheProgramsTitleBitmapIsOfferedAsACopyBesideTheProject) {
    std::ofstream(Path("data/tzns256.bmp"), std::ios::binary) << "BM the program's own";
    fs::create_directories(Path("yes"));
    fs::create_directories(Path("no"));
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    cmd.New();
    m_Project.MiscDeployment = (m_Dir.parent_path() / "deploy").string();
    const TProject fresh = m_Project;
    EXPECT_EQ(fs::path(m_Project.DialogTitleBMP), fs::path(DataDir()) / "tzns256.bmp");

    m_Ui.saveNames.push_back(Path("no/p.tvx"));
    m_Ui.answers = {mrNo};
    ASSERT_TRUE(cmd.Save());
    ASSERT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_NE(m_Ui.messages[0].text.find("Title bitmap (copied beside the project)"), std::string::npos);
    EXPECT_EQ(m_Project.DialogTitleBMP, fresh.DialogTitleBMP);
    EXPECT_FALSE(fs::exists(Path("no/tzns256.bmp")));

    m_Project = fresh;
    m_Project.FileName = "*UNTITLED";
    m_Ui.saveNames.push_back(Path("yes/p.tvx"));
    m_Ui.answers = {mrYes};
    ASSERT_TRUE(cmd.Save());
    EXPECT_EQ(m_Project.DialogTitleBMP, "tzns256.bmp");
    EXPECT_EQ(ReadAll(Path("yes/tzns256.bmp")), "BM the program's own");
}

TEST_F(DocumentCommandsTest, SaveRefusesABlankDeploymentFolder) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    m_Project.Modified = true;
    for (const char* blank : {"", "   ", " - "}) {
        m_Project.MiscDeployment = blank;
        m_Ui.messages.clear();
        EXPECT_FALSE(cmd.Save());
        ASSERT_EQ(m_Ui.messages.size(), 1u);
        EXPECT_EQ(m_Ui.messages[0].text,
                  "Deployment folder may not blank,/#setup will be build in that folder");
        EXPECT_EQ(m_Ui.messages[0].type, TMsgDlgType::mtError);
    }
    EXPECT_TRUE(m_Ui.proposedNames.empty()); // the save dialog never opened
    EXPECT_TRUE(m_Project.Modified);
}

TEST_F(DocumentCommandsTest, SaveProposesTheCurrentNameAndBacksUpTheOldFile) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    cmd.New();
    fs::create_directories(Path("proj")); // beside the program's data folder, not above it
    m_Project.MiscDeployment = (m_Dir.parent_path() / "deploy").string(); // outside: nothing to ask
    m_Project.AppName = "First";

    // A never-saved project proposes no name; cancelling leaves everything as it was.
    m_Ui.saveNames.push_back(std::nullopt);
    EXPECT_FALSE(cmd.Save());
    EXPECT_EQ(m_Ui.proposedNames.back(), "");
    EXPECT_TRUE(m_Project.Modified);
    EXPECT_EQ(m_Project.FileName, "*UNTITLED");

    const std::string file = Path("proj/Setup.tvx");
    m_Ui.saveNames.push_back(file);
    ASSERT_TRUE(cmd.Save());
    EXPECT_FALSE(m_Project.Modified);
    EXPECT_EQ(m_Project.FileName, file);
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox - " + file);
    const std::string first = ReadAll(file);
    EXPECT_NE(first.find("First"), std::string::npos);

    // Saving again proposes that file and keeps its previous content as Setup.BAK.
    m_Project.AppName = "Second";
    m_Project.Modified = true;
    m_Ui.saveNames.push_back(file);
    ASSERT_TRUE(cmd.Save());
    EXPECT_EQ(m_Ui.proposedNames.back(), file);
    EXPECT_EQ(ReadAll(Path("proj/Setup.BAK")), first);
    EXPECT_NE(ReadAll(file).find("Second"), std::string::npos);
    EXPECT_TRUE(m_Ui.messages.empty());
}

TEST_F(DocumentCommandsTest, SaveInPlaceAsksForANameOnlyWhenThereIsNone) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    cmd.New();
    fs::create_directories(Path("proj")); // beside the program's data folder, not above it
    m_Project.MiscDeployment = (m_Dir.parent_path() / "deploy").string();
    m_Project.AppName = "First";
    const std::string file = Path("proj/Setup.tvx");
    m_Ui.saveNames.push_back(file);
    ASSERT_TRUE(cmd.SaveInPlace()); // untitled: the dialog is asked
    EXPECT_EQ(m_Ui.proposedNames.size(), 1u);
    const std::string first = ReadAll(file);

    // Twice in place: no dialog, and the backup holds the first save's bytes.
    for (const char* name : {"Second", "Third"}) {
        m_Project.AppName = name;
        m_Project.Modified = true;
        ASSERT_TRUE(cmd.SaveInPlace());
        EXPECT_FALSE(m_Project.Modified);
        if (std::string(name) == "Second") {
            EXPECT_EQ(ReadAll(Path("proj/Setup.BAK")), first);
        }
    }
    EXPECT_EQ(m_Ui.proposedNames.size(), 1u);
    EXPECT_NE(ReadAll(Path("proj/Setup.BAK")).find("Second"), std::string::npos);
    EXPECT_NE(ReadAll(file).find("Third"), std::string::npos);
    EXPECT_EQ(m_Project.FileName, file);
    EXPECT_TRUE(m_Ui.messages.empty());

    // The blank deployment folder is refused here too.
    m_Project.MiscDeployment.clear();
    EXPECT_FALSE(cmd.SaveInPlace());
    EXPECT_EQ(m_Ui.messages.size(), 1u);
}

TEST_F(DocumentCommandsTest, FailedSaveKeepsTheDocumentStateAndSaysSo) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    m_Project.MiscDeployment = Path("deploy");
    m_Project.Modified = false;
    std::ofstream(Path("plain")) << "x";
    m_Ui.saveNames.push_back(Path("plain/sub/p.tvx")); // below a regular file: cannot be written

    EXPECT_FALSE(cmd.Save());
    ASSERT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_EQ(m_Ui.messages[0].type, TMsgDlgType::mtError);
    EXPECT_EQ(m_Project.FileName, "*UNTITLED");
    EXPECT_TRUE(m_Project.Modified);
    EXPECT_EQ(m_Ui.title, "Tamrin Installer Velox");
}

TEST_F(DocumentCommandsTest, CloseAsksOnlyWhenModifiedAndNoKeepsTheProject) {
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    EXPECT_TRUE(cmd.CloseQuery());
    EXPECT_TRUE(m_Ui.messages.empty());

    cmd.New(); // a new project is modified at once
    m_Project.AppName = "unsaved";
    m_Ui.answers = {mrNo};
    EXPECT_FALSE(cmd.CloseQuery());
    ASSERT_EQ(m_Ui.messages.size(), 1u);
    EXPECT_EQ(m_Ui.messages[0].text, "Script is not saved yet,/#Continue ?");
    EXPECT_EQ(m_Ui.messages[0].type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(m_Ui.messages[0].buttons, unsigned(mbYes | mbNo));
    EXPECT_EQ(m_Project.AppName, "unsaved");
    EXPECT_TRUE(m_Project.Modified);

    m_Ui.answers = {mrYes};
    EXPECT_TRUE(cmd.CloseQuery());
}

TEST_F(DocumentCommandsTest, EditsThatLeaveModifiedClearAreStillNotLostWithoutAQuestion) {
    const std::string file = WriteProject("kept.tvx");
    TDocumentCommands cmd(m_Project, m_Ui, DataDir());
    ASSERT_TRUE(cmd.LoadFile(file));
    EXPECT_FALSE(cmd.HasUnsavedWork());
    EXPECT_TRUE(cmd.CloseQuery());
    EXPECT_TRUE(cmd.ConfirmDiscard());
    EXPECT_TRUE(m_Ui.messages.empty());

    // These settings never set Modified, yet closing, New and Load must not drop them silently.
    m_Project.TargetCheckWindow = "Main Window";
    ASSERT_FALSE(m_Project.Modified);
    m_Ui.answers = {mrNo, mrNo};
    EXPECT_FALSE(cmd.CloseQuery());
    EXPECT_FALSE(cmd.ConfirmDiscard());
    m_Ui.openNames.push_back(file);
    m_Ui.answers = {mrNo};
    cmd.Load();
    EXPECT_EQ(m_Project.TargetCheckWindow, "Main Window");
    EXPECT_EQ(m_Ui.messages.size(), 3u);

    // Saved, the same project closes without a question again.
    m_Project.MiscDeployment = "/deploy";
    m_Ui.saveNames.push_back(Path("saved.tvx"));
    m_Ui.messages.clear();
    ASSERT_TRUE(cmd.Save());
    EXPECT_FALSE(cmd.HasUnsavedWork());
    EXPECT_TRUE(cmd.CloseQuery());
    EXPECT_TRUE(m_Ui.messages.empty());

    // A new project counts as unchanged until it is edited, though it is Modified.
    cmd.New();
    EXPECT_TRUE(m_Project.Modified);
    EXPECT_TRUE(cmd.ConfirmDiscard());
    EXPECT_TRUE(m_Ui.messages.empty());
}
