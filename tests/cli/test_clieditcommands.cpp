// The console's edits of a project (get, set, add-file, remove-file) and check's JSON: a refused
// edit leaves the file as it was, byte for byte; an accepted one is what the window would store.
#include "cli/CliCommands.h"
#include "cli/JsonText.h"
#include "core/ProjectFile.h"
#include "core/TextCodec.h"
#include "tests/support/CliRun.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace tv;
using ::testing::HasSubstr;
using ::testing::Not;
using tvtest::ReadBytes;
using tvtest::TempDir;
using tvtest::WriteBytes;

namespace fs = std::filesystem;

namespace {

using TRun = tvtest::TCliRun;

TRun Cli(const std::vector<std::string>& args) {
    return tvtest::RunCliWith(args);
}

// A saved project deploying to dir/deploy with one file row.
std::string SavedProject(const TempDir& dir) {
    TProject p;
    NewProject(p, "/data/tv");
    p.MiscDeployment = dir.str("deploy");
    p.AppName = "Old";
    p.tbFiles.Append({"app.exe", "%InstallPath%", true});
    const std::string tvx = dir.str("p.tvx");
    SaveProject(p, tvx);
    return tvx;
}

// A word of the command line as the system hands it over: UTF-8 here, the code page on Windows.
std::string CommandLineText(const std::string& utf8) {
    return tvtest::kWindows ? Utf8ToAnsi(utf8).value_or(utf8) : utf8;
}

TProject Loaded(const std::string& tvx) {
    TProject p;
    LoadProject(p, tvx);
    return p;
}

} // namespace

TEST(CliEdit, SetChecksEveryValueBeforeItChangesAnything) {
    TempDir dir;
    const std::string tvx = SavedProject(dir);
    const std::string bytes = ReadBytes(tvx);
    const std::string backup = dir.str("p.BAK");

    // One good value beside each bad one: the file stays byte for byte, no backup appears.
    for (const std::string bad : {
             "Main_Window.Title.Font=Arial, big, $000000, B", // size no number
             "Dialog.Font=Tahoma",                            // no size at all
             "Start.App.ReadmeBG=$01000000",                  // not $00BBGGRR
             "Start.App.LicenseBG=white", "Start.Misc.Reboot=yes please",
             "Start.Target.ExtraDiskSpace=100000", // above the box's range
             "Start.Target.ExtraDiskSpace=-1", "Start.Target.ExtraDiskSpace=1e3", "Dialog.DialogPosX=3",
             "Start.Target.OS=9x,me",
             "Start.App.Install=%Nowhere%\\App", // no folder of the list
             "Start.App.Install=ProgramFiles\\App",
             "Start.App.Name=Caf\xC3\xA9 \xE4\xB8\xAD", // a character Windows-1252 lacks
             "Start.App.Name=two\nlines",
             "Start.Misc.Deployment= ", // the window's Save refuses a blank deployment folder
         }) {
        SCOPED_TRACE(bad);
        if (tvtest::kWindows && bad.find('\xE4') != std::string::npos)
            continue; // a Windows command line in the code page cannot carry the character
        const TRun r = Cli({"set", tvx, "Start.App.Name=New", bad});
        EXPECT_EQ(r.Code, 1);
        EXPECT_THAT(r.Err, HasSubstr(bad.substr(0, bad.find('='))));
        EXPECT_THAT(r.Err, Not(HasSubstr("Start.App.Name=New")));
        EXPECT_EQ(ReadBytes(tvx), bytes);
        EXPECT_FALSE(fs::exists(backup));
    }
    // Keys the table does not know, and words without "=", are bad arguments.
    EXPECT_EQ(Cli({"set", tvx, "Start.App.Name=New", "Start.App.Version=2.4.1"}).Code, 2);
    EXPECT_EQ(Cli({"set", tvx, "Start.App.Name"}).Code, 2);
    EXPECT_EQ(Cli({"get", tvx, "App.Name"}).Code, 2); // the name without its section
    EXPECT_EQ(ReadBytes(tvx), bytes);

    // Accepted values go in as the file writes them; keys are matched as the file matches them.
    const TRun set = Cli({"set", tvx, CommandLineText("start.app.name=Caf\xC3\xA9 2.4.1"),
                          "Dialog.DialogPosX=right", "Start.App.ReadmeBG=0xFF", "Start.Target.OS=NT4, 9X",
                          "Start.Misc.Reboot=false", "Start.App.Group=%programsmenu%\\Demo", "Dialog.Dialogs=",
                          "Main_Window.Title.Font=Arial, 12, $0000FF, BI"});
    ASSERT_EQ(set.Code, 0) << set.Err;
    EXPECT_EQ(ReadBytes(backup), bytes);
    const TProject p = Loaded(tvx);
    EXPECT_EQ(p.AppName, "Caf\xE9 2.4.1");
    EXPECT_EQ(p.DialogPosX, 2);
    EXPECT_EQ(p.AppReadmeBG, 0xFFu);
    EXPECT_TRUE(p.Target9x && p.TargetNT && !p.Target2k);
    EXPECT_FALSE(p.MiscReboot);
    EXPECT_EQ(p.AppGroupText(), "%ProgramsMenu%\\Demo");
    EXPECT_FALSE(p.DlgReadme || p.DlgWelcome || p.DlgLicense || p.DlgDir || p.DlgGroup || p.DlgStart);
    const TRun get = Cli({"get", tvx, "Start.App.Name", "Start.App.ReadmeBG", "Start.Target.OS",
                          "Dialog.Dialogs", "Main_Window.Title.Font"});
    EXPECT_EQ(get.Code, 0) << get.Err;
    EXPECT_EQ(get.Out, "Caf\xC3\xA9 2.4.1\n$000000FF\n9x,nt4\n\nArial, 12, $0000FF, BI\n");
}

// The folder add of the window (FilesPage tests: wholeFolderKeepsItsShape) and the console's take the
// same files, in the same order, into the same targets, and leave out the same entries.
TEST(CliEdit, AddFileTakesAFolderAsTheWindowDoesAndRemoveFileTakesItOut) {
#ifdef _WIN32
    GTEST_SKIP() << "the tree holds symbolic links and names Windows refuses";
#else
    TempDir dir;
    const std::string tvx = SavedProject(dir);
    const fs::path app = dir.path() / "app";
    for (const char* name : {"app/main.exe", "app/a/one.dll", "app/a/b/two.dat", "app/.git/config",
                             "app/a/.cache/x", "elsewhere/linked.txt"}) {
        fs::create_directories(fs::path(dir.str(name)).parent_path());
        WriteBytes(dir.str(name), "x");
    }
    fs::create_directory_symlink(dir.path() / "elsewhere", app / "link");
    fs::create_symlink(dir.path() / "elsewhere/linked.txt", app / "a/filelink.txt");
    WriteBytes(dir.str("app/a=b.txt"), "x");

    const TRun add =
        Cli({"add-file", tvx, app.string(), "--target", "%commonfiles%\\Demo", "--flags=SHARED_FILE+no_log"});
    ASSERT_EQ(add.Code, 0) << add.Err;
    for (const char* left : {"app/.git: its name begins", "a/.cache: its name begins",
                             "app/link: it is a link to a folder", "app/a=b.txt: the name holds \"=\""})
        EXPECT_THAT(add.Err, HasSubstr(left));
    std::vector<std::string> got;
    for (const TFileRecord& r : Loaded(tvx).tbFiles.Records)
        got.push_back(r.FileName + " -> " + r.FilePath + " " + r.FlagsText());
    // Inside the project's folder, sources are stored relative to it.
    EXPECT_EQ(got, (std::vector<std::string>{
                       "app.exe -> %InstallPath% NO_LOG",
                       "app/main.exe -> %CommonFiles%\\Demo NO_LOG+SHARED_FILE",
                       "app/a/filelink.txt -> %CommonFiles%\\Demo\\a NO_LOG+SHARED_FILE",
                       "app/a/one.dll -> %CommonFiles%\\Demo\\a NO_LOG+SHARED_FILE",
                       "app/a/b/two.dat -> %CommonFiles%\\Demo\\a\\b NO_LOG+SHARED_FILE",
                   }));

    // Refused adds change nothing: a named file the project cannot take, a target with "|", an
    // unknown target variable, more files than the row limit leaves room for.
    const std::string bytes = ReadBytes(tvx);
    std::string many;
    {
        TProject full = Loaded(tvx);
        while (full.tbFiles.Count() < kMaxTableRows - 1)
            full.tbFiles.Append({"f.txt", "%InstallPath%"});
        SaveProject(full, dir.str("full.tvx"));
    }
    const std::string fullBytes = ReadBytes(dir.str("full.tvx"));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"add-file", tvx, dir.str("app/a=b.txt")},
             {"add-file", tvx, dir.str("app/main.exe"), dir.str("missing.txt")},
             {"add-file", tvx, dir.str("app/main.exe"), "--target", "%InstallPath%\\a|b"},
             {"add-file", tvx, dir.str("app/main.exe"), "--target", "%Nowhere%\\x"},
             {"add-file", dir.str("full.tvx"), dir.str("app/main.exe"), dir.str("app/a/one.dll")},
             {"remove-file", tvx, dir.str("app/a"), dir.str("elsewhere")}, // names no row
         }) {
        SCOPED_TRACE(args[2]);
        const TRun r = Cli(args);
        EXPECT_EQ(r.Code, 1) << r.Err;
        EXPECT_THAT(r.Err, HasSubstr("nothing was changed"));
        EXPECT_EQ(ReadBytes(tvx), bytes);
        EXPECT_EQ(ReadBytes(dir.str("full.tvx")), fullBytes);
    }
    EXPECT_EQ(Cli({"add-file", tvx, dir.str("app/main.exe"), "--flags", "NO_LOG,SHARED"}).Code, 2);
    EXPECT_EQ(ReadBytes(tvx), bytes);

    // A folder takes out every row below it; the file rows of other folders stay.
    const TRun removed = Cli({"remove-file", tvx, dir.str("app/a")});
    ASSERT_EQ(removed.Code, 0) << removed.Err;
    got.clear();
    for (const TFileRecord& r : Loaded(tvx).tbFiles.Records)
        got.push_back(r.FileName);
    EXPECT_EQ(got, (std::vector<std::string>{"app.exe", "app/main.exe"}));
#endif
}

TEST(CliEdit, JsonStringsEscapeWhatJsonReserves) {
    EXPECT_EQ(JsonString("say \"hi\" to C:\\dir"), "\"say \\\"hi\\\" to C:\\\\dir\"");
    EXPECT_EQ(JsonString("a\nb\tc\rd\x01\x1f"), "\"a\\nb\\tc\\rd\\u0001\\u001f\"");
    EXPECT_EQ(JsonString(std::string("nul\0", 4)), "\"nul\\u0000\"");
    // Text beyond ASCII stays as it is; bytes that are no UTF-8 become U+FFFD.
    EXPECT_EQ(JsonString("Gr\xC3\xBC\xC3\x9F"
                         "e \xE2\x82\xAC \xF0\x9F\x98\x80"),
              "\"Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC \xF0\x9F\x98\x80\"");
    EXPECT_EQ(JsonString("a\xFF"
                         "b\xC3"),
              "\"a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""); // a surrogate
}

TEST(CliEdit, CheckAsJsonNamesKindRuleRowOrKeyAndMessage) {
    TempDir dir;
    TProject p;
    NewProject(p, "");
    p.MiscDeployment = dir.str("deploy");
    p.DialogTitleBMP.clear();
    WriteBytes(dir.str("ok.txt"), "x");
    p.tbFiles.Append({dir.str("ok.txt"), "%InstallPath%"});
    p.tbFiles.Append({dir.str("gone.txt"), "%InstallPath%"});
    p.DialogFont = "Comic Neue, 8";
    const std::string tvx = dir.str("p.tvx");
    SaveProject(p, tvx);

    const TRun text = Cli({"check", tvx});
    const TRun json = Cli({"check", "--format=json", tvx});
    EXPECT_EQ(json.Code, 1);
    EXPECT_EQ(json.Code, text.Code);
    EXPECT_EQ(json.Err, text.Err);
    const std::string quoted = JsonString(dir.str("gone.txt")); // its separators escaped on Windows
    EXPECT_EQ(json.Out,
              "{\"project\":" + JsonString(tvx) + ",\"errors\":1,\"warnings\":1,\"findings\":[\n" +
                  "{\"kind\":\"error\",\"rule\":\"missing-source\",\"table\":\"Files\",\"row\":2," +
                  "\"message\":\"Source file \\\"" + quoted.substr(1, quoted.size() - 2) +
                  "\\\" does not exist.\"},\n" +
                  "{\"kind\":\"warning\",\"rule\":\"font\",\"key\":\"Dialog.Font\",\"message\":" +
                  "\"The dialog font \\\"Comic Neue\\\" is not on every Windows system; where it is " +
                  "missing, the setup shows another font.\"}\n]}\n");
    EXPECT_EQ(Cli({"check", "--format", "xml", tvx}).Code, 2);

    // No finding: an empty list.
    p.tbFiles.Records.pop_back();
    p.DialogFont = "Tahoma, 8";
    SaveProject(p, tvx);
    const TRun clean = Cli({"check", "--format", "json", tvx});
    EXPECT_EQ(clean.Code, 0) << clean.Out;
    EXPECT_EQ(clean.Out,
              "{\"project\":" + JsonString(tvx) + ",\"errors\":0,\"warnings\":0,\"findings\":[]}\n");
}
