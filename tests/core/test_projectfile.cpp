#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"
#include "core/kvIniFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace tv;
using tvtest::ReadBytes;
using tvtest::TempDir;
using tvtest::WriteBytes;
namespace fs = std::filesystem;

namespace {

// Every setting away from its defaults, every table and list filled with rows rows.
TProject FullProject(int rows, int bitmaps) {
    TProject p;
    p.FileName = "/somewhere/full.tvx";
    p.MiscDeployment = "/srv/deploy";
    p.AppName = "Full \xE9 App 2.0";
    p.AppInstFolder = "CommonFiles";
    p.AppInstFolderName = "\\Vendor\\Full";
    p.AppGroupFolder = "IIS-WWWRoot";
    p.AppGroupFolderName = "\\Group";
    p.AppReadme = "docs/readme.txt";
    p.AppReadmeBG = 0x00123456;
    p.AppLicense = "docs/license.txt";
    p.AppLicenseBG = 0x00ABCDEF;
    p.Target9x = false;
    p.TargetOSMinVersion = "4.0.1381";
    p.TargetExtraDiskSpace = 12345;
    p.MiscUninstaller = false;
    p.MiscReboot = true;
    p.MiscPassword = "secret";
    p.TargetCheckWindow = "FullWnd";
    p.TargetCheckMutex = "FullMutex";
    p.TargetRemoveOldReferences = false;
    p.MiscLanguageAuto = false;
    p.MainShow = true;
    p.MainTitle = false;
    p.MainTitleFont = "Arial, 12, $000000FF, BI";
    p.MainTitleShadow = false;
    p.MainTitleShadowColor = 0x00010203;
    p.MainGradientTop = 0x00040506;
    p.MainGradientBot = 0x00070809;
    p.MainBGBitmap = "back.bmp";
    p.MainBGAppTitle = false;
    p.DialogFont = "Verdana, 9";
    p.DialogTitle = false;
    p.DialogTitleFont = "Courier New, 14, $00FF00FF, U";
    p.DialogTitleFontShadow = false;
    p.DialogTitleFontShadowColor = 0x000A0B0C;
    p.DialogTitleBMP = "title.bmp";
    p.DlgWelcome = p.DlgGroup = false;
    p.DialogFinal = false;
    p.DialogPosX = 0;
    p.DialogPosY = 1;
    for (int i = 0; i < bitmaps; ++i)
        p.StaticBitmaps.push_back(
            {"bmp" + std::to_string(i) + ".bmp", "10,20,TopLeft", i % 2 ? "$00FF00FF" : ""});
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i);
        TFileRecord f;
        f.FileName = "/src/app/file" + n + ".dll";
        f.FilePath = "\\Bin\\" + n;
        f.NoLog = i % 2 == 0;
        f.SharedFile = i % 3 == 0;
        f.RegisterFont = i % 5 == 0;
        p.tbFiles.Append(f);
        p.tbShortcuts.Append(
            {"Group " + n, "Shortcut " + n, "%InstallPath%\\app" + n + ".exe", "-a " + n, "%InstallPath%"});
        p.tbRegAdd.Append(
            {"HKLM\\Software\\Full\\Add" + n, {"Name=Value " + n + ",STRING", "Other=1,DWORD"}});
        p.tbRegDel.Append({"HKCU\\Software\\Full\\Del" + n, {"Old" + n}});
        p.tbINI.Append({"Windows|full" + n + ".ini|Section", {"key=value " + n}});
        for (TRunList* list : {&p.RunBefore, &p.RunAfter, &p.RunBeforeUn, &p.RunAfterUn})
            list->push_back({"run" + n + ".exe", "/arg " + n, "%InstallPath%", "Message " + n, "WAIT"});
    }
    return p;
}

void ExpectSameRuns(const TRunList& a, const TRunList& b, const char* what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].Application, b[i].Application) << what << " " << i;
        EXPECT_EQ(a[i].Argument, b[i].Argument) << what << " " << i;
        EXPECT_EQ(a[i].WorkingDirectory, b[i].WorkingDirectory) << what << " " << i;
        EXPECT_EQ(a[i].Message, b[i].Message) << what << " " << i;
        EXPECT_EQ(a[i].Flag, b[i].Flag) << what << " " << i;
    }
}

void ExpectSameContents(const TRecordTable<TContentsRecord>& a, const TRecordTable<TContentsRecord>& b) {
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        EXPECT_EQ(a.Records[i].Key, b.Records[i].Key);
        EXPECT_EQ(a.Records[i].Contents, b.Records[i].Contents);
    }
}

void ExpectSameProject(const TProject& a, const TProject& b) {
    for (const TSetting& setting : ProjectSettings())
        EXPECT_EQ(SettingText(a, setting), SettingText(b, setting)) << setting.Name();
    ASSERT_EQ(a.tbFiles.Count(), b.tbFiles.Count());
    for (int i = 0; i < a.tbFiles.Count(); ++i) {
        EXPECT_EQ(a.tbFiles.Records[i].FileName, b.tbFiles.Records[i].FileName);
        EXPECT_EQ(a.tbFiles.Records[i].FilePath, b.tbFiles.Records[i].FilePath);
        EXPECT_EQ(a.tbFiles.Records[i].FlagsText(), b.tbFiles.Records[i].FlagsText());
    }
    ASSERT_EQ(a.tbShortcuts.Count(), b.tbShortcuts.Count());
    for (int i = 0; i < a.tbShortcuts.Count(); ++i) {
        const auto &x = a.tbShortcuts.Records[i], &y = b.tbShortcuts.Records[i];
        EXPECT_EQ(x.ProgramGroup, y.ProgramGroup);
        EXPECT_EQ(x.Shortcuts, y.Shortcuts);
        EXPECT_EQ(x.Target, y.Target);
        EXPECT_EQ(x.Arguments, y.Arguments);
        EXPECT_EQ(x.WorkDirectory, y.WorkDirectory);
    }
    ExpectSameContents(a.tbRegAdd, b.tbRegAdd);
    ExpectSameContents(a.tbRegDel, b.tbRegDel);
    ExpectSameContents(a.tbINI, b.tbINI);
    ASSERT_EQ(a.StaticBitmaps.size(), b.StaticBitmaps.size());
    for (std::size_t i = 0; i < a.StaticBitmaps.size(); ++i) {
        EXPECT_EQ(a.StaticBitmaps[i].File, b.StaticBitmaps[i].File) << i;
        EXPECT_EQ(a.StaticBitmaps[i].Coord, b.StaticBitmaps[i].Coord) << i;
        EXPECT_EQ(a.StaticBitmaps[i].Transparency, b.StaticBitmaps[i].Transparency) << i;
    }
    ExpectSameRuns(a.RunBefore, b.RunBefore, "run before");
    ExpectSameRuns(a.RunAfter, b.RunAfter, "run after");
    ExpectSameRuns(a.RunBeforeUn, b.RunBeforeUn, "run before uninstall");
    ExpectSameRuns(a.RunAfterUn, b.RunAfterUn, "run after uninstall");
}

} // namespace

TEST(ProjectFile, EverySettingTableAndListSurvivesSaveAndLoad) {
    TempDir dir;
    const auto path = dir.str("full.tvx");
    TProject saved = FullProject(kMaxTableRows, kMaxStaticBitmaps);
    saved.tbFiles.Records[3].FileName = std::string(300, 'n') + ".dll"; // longer than the field: kept whole
    saved.Modified = true;
    SaveProject(saved, path);
    EXPECT_FALSE(saved.Modified);

    TProject loaded;
    loaded.DialogFinal = true;
    LoadProject(loaded, path);
    EXPECT_EQ(loaded.FileName, path);
    EXPECT_FALSE(loaded.Modified);
    ExpectSameProject(saved, loaded);
    EXPECT_EQ(loaded.tbFiles.Current, 0);

    // Saving what was loaded writes the same bytes again.
    const std::string first = ReadBytes(path);
    const auto again = dir.str("again.tvx");
    SaveProject(loaded, again);
    EXPECT_EQ(ReadBytes(again), first);
}

namespace {

// A value of the setting's kind that Load cannot have made up: not what a missing key gives (or,
// for a setting a missing key leaves alone, not its start-up value), and not its New value where
// the kind allows (a boolean whose Missing and New differ has no third value).
std::string OtherValue(const TSetting& setting) {
    std::vector<std::string> candidates;
    switch (setting.Kind) {
    case TSettingKind::Text:
        candidates = {std::string("Caf\xE9 ") + setting.Key};
        break;
    case TSettingKind::Boolean:
    case TSettingKind::Position:
        candidates = {"0", "1"};
        break;
    case TSettingKind::Integer:
        candidates = {"-7", "123456"};
        break;
    case TSettingKind::Colour:
        candidates = {"$00123456"};
        break;
    case TSettingKind::FolderPair:
        candidates = {"%Windows%\\Sub\\Folder"};
        break;
    case TSettingKind::Set:
        candidates = {std::string(setting.Words.back().Written), ""};
        break;
    }
    const std::string missing = setting.Missing ? setting.Missing : SettingText(TProject(), setting);
    for (bool strict : {true, false})
        for (const std::string& c : candidates) {
            TProject p;
            SetSettingText(p, setting, c, c);
            const std::string text = SettingText(p, setting);
            if (text != missing && (!strict || text != setting.New))
                return c;
        }
    ADD_FAILURE() << "no other value for " << setting.Name();
    return {};
}

} // namespace

TEST(ProjectSettings, EveryRowSurvivesSaveAndLoadWithAValueOfItsOwn) {
    TempDir dir;
    const auto path = dir.str("row.tvx");
    for (const TSetting& setting : ProjectSettings()) {
        TProject saved;
        NewProject(saved, "/opt/tv");
        const std::string value = OtherValue(setting);
        SetSettingText(saved, setting, value, value);
        SaveProject(saved, path);
        EXPECT_NE(ReadBytes(path).find("\r\n" + std::string(setting.Key) + "=" + value + "\r\n"),
                  std::string::npos)
            << setting.Name();
        TProject loaded;
        LoadProject(loaded, path);
        EXPECT_EQ(SettingText(loaded, setting), value) << setting.Name();
        ExpectSameProject(saved, loaded);
    }
}

TEST(ProjectSettings, TheTableNamesEverySettingOnceWithItsDefaults) {
    std::set<std::string> names;
    for (const TSetting& setting : ProjectSettings())
        EXPECT_TRUE(names.insert(FoldCase(setting.Name())).second) << setting.Name() << " twice";
    EXPECT_EQ(names.size(), 37u);
    ASSERT_NE(FindSetting("Misc.Reboot"), nullptr);
    EXPECT_STREQ(FindSetting("Misc.Reboot")->Missing, "0");
    EXPECT_STREQ(FindSetting("Misc.Reboot")->New, "1");
    EXPECT_EQ(FindSetting("Dialog/DialogFinal")->Missing, nullptr) << "a missing key keeps the value";
    EXPECT_TRUE(FindSetting("Main_Window/Title")->NewKeeps);
    EXPECT_EQ(FindSetting("Reboot"), nullptr);

    // At start-up every setting holds its New value; those New leaves alone included.
    const TProject startUp;
    for (const TSetting& setting : ProjectSettings()) {
        if (!setting.NewInDataFolder) {
            EXPECT_EQ(SettingText(startUp, setting), setting.New) << setting.Name();
        }
    }
    EXPECT_TRUE(startUp.MiscReboot);
    EXPECT_EQ(startUp.DialogPosX, 2);
    EXPECT_EQ(startUp.DialogTitleBMP, "");
}

TEST(ProjectFile, SectionsKeysAndRowsAreWrittenInOrder) {
    TempDir dir;
    TProject p;
    NewProject(p, "/opt/tv/data/");
    p.MiscDeployment = "c:\\out";
    p.AppName = "App";
    p.AppInstFolderName = "\\App";
    p.Target2k = false;
    p.DlgLicense = false;
    TFileRecord f1;
    f1.FileName = "a.exe";
    f1.FilePath = "\\Bin";
    f1.NoLog = true;
    p.tbFiles.Append(f1);
    TFileRecord f2;
    f2.FileName = "b.dll";
    f2.FilePath = "\\";
    p.tbFiles.Append(f2);
    p.tbShortcuts.Append({"Grp", "App", "%InstallPath%\\a.exe", "", "%InstallPath%"});
    p.tbRegDel.Append({"HKCU\\X", {"one", "two\r\nthree\r\n"}});
    p.tbINI.Append({"Windows|w.ini|Sec", {"k=v"}});
    p.StaticBitmaps.push_back({"s.bmp", "1,2,TopLeft", "$00FFFFFF"});
    p.RunAfterUn.push_back({"clean.exe", "", "", "", ""});
    const auto path = dir.str("order.tvx");
    SaveProject(p, path);
    EXPECT_EQ(ReadBytes(path),
              "[Info]\r\n"
              "Generator=Tamrin Installer Velox v1.0\r\n"
              "Copyright=Copyright (c) 2000 Tamvelox developers\r\n"
              "Homepage=https://tamvelox.example.org\r\n"
              "TZN Needed=Tamrin Installer v1.6\r\n"
              "TZN Copyright=The Tamrin Installer author\r\n"
              "TZN Homepage=https://tamrin-installer.example.org\r\n\r\n"
              "[Start]\r\n"
              "Misc.Deployment=c:\\out\r\nApp.Name=App\r\nApp.Install=%ProgramFiles%\\App\r\n"
              "App.Group=%ProgramsMenu%\r\nApp.Readme=\r\nApp.ReadmeBG=$00FFFFFF\r\n"
              "App.License=\r\nApp.LicenseBG=$00FFFFFF\r\nTarget.OS=9x,nt4\r\n"
              "Target.OSMinVersion=\r\nTarget.ExtraDiskSpace=0\r\nMisc.Uninstaller=1\r\n"
              "Misc.Reboot=1\r\nMisc.Password=\r\nTarget.CheckWindow=\r\nTarget.CheckMutex=\r\n"
              "Target.RemoveOldReferences=1\r\nMisc.LanguageAuto=1\r\n\r\n"
              "[Main_Window]\r\n"
              "Show=1\r\nTitle=1\r\nTitle.Font=Times New Roman, 20, $000000, B\r\n"
              "Title.Shadow=1\r\nTitle.ShadowColor=$00808080\r\nBG.GradientTop=$00FF0000\r\n"
              "BG.GradientBot=$00000000\r\nBG.Bitmap=\r\nBG.AppTitle=1\r\nBitmap=1\r\n"
              "Bitmap.01=s.bmp,1,2,TopLeft,$00FFFFFF\r\n\r\n"
              "[Dialog]\r\n"
              "Font=Tahoma, 8\r\nTitle=1\r\nTitle.Font=Times New Roman, 20, $000000, B\r\n"
              "Title.FontShadow=1\r\nTitle.FontShadowColor=$00808080\r\n"
              "Title.BMP=/opt/tv/data/tzns256.bmp\r\n"
              "Dialogs=DLG_README,DLG_WELCOME,DLG_DIR,DLG_GROUP,DLG_START\r\n"
              "DialogFinal=1\r\nDialogPosX=2\r\nDialogPosY=2\r\n\r\n"
              "[Files]\r\nFiles=2\r\nFile000=a.exe|\\Bin|NO_LOG\r\nFile001=b.dll|\\|\r\n\r\n"
              "[Shortcuts]\r\nShortcuts=1\r\n"
              "Shortcut000=Grp|App|%InstallPath%\\a.exe||%InstallPath%\r\n\r\n"
              "[Registry.Add]\r\nRegistries=0\r\n\r\n"
              "[Registry.Del]\r\nRegistries=1\r\nRegDel000=HKCU\\X\r\n\r\n"
              "[Registry.Del.HKCU\\X]\r\nItems=3\r\nItem000=one\r\nItem001=two\r\n"
              "Item002=three\r\n\r\n"
              "[INIChanges]\r\nChanges=1\r\nChanges000=Windows|w.ini|Sec\r\n\r\n"
              "[INIChanges.Windows|w.ini|Sec]\r\nItems=1\r\nItem000=k=v\r\n\r\n"
              "[Run.Before]\r\nRunBefore=0\r\n\r\n"
              "[Run.After]\r\nRunAfter=0\r\n\r\n"
              "[Run.BeforeUn]\r\nRunBeforeUn=0\r\n\r\n"
              "[Run.AfterUn]\r\nRunAfterUn=1\r\nRunAfterUn000=clean.exe||||\r\n\r\n");
}

TEST(ProjectFile, MissingKeysTakeTheirDefaults) {
    TempDir dir;
    // A missing file: all defaults, titled with the path, not Modified.
    TProject p = FullProject(2, 2);
    p.Modified = true;
    p.DialogFinal = false;
    const auto missing = dir.str("missing.tvx");
    LoadProject(p, missing);
    EXPECT_EQ(p.FileName, missing);
    EXPECT_FALSE(p.Modified);
    EXPECT_EQ(p.MiscDeployment, "c:\\deploy");
    EXPECT_EQ(p.AppName, "My Application v1.0");
    EXPECT_EQ(p.AppInstFolder, "ProgramFiles");
    EXPECT_EQ(p.AppInstFolderName, "\\My Application Folder");
    EXPECT_EQ(p.AppGroupFolder, "ProgramsMenu");
    EXPECT_EQ(p.AppGroupFolderName, "\\My Application");
    EXPECT_EQ(p.AppReadme, "Readme.txt");
    EXPECT_EQ(p.AppLicense, "License.txt");
    EXPECT_EQ(p.AppReadmeBG, 0x00FFFFFFu);
    EXPECT_EQ(p.TargetOSText(), "9x,nt4");
    EXPECT_EQ(p.TargetExtraDiskSpace, 0);
    EXPECT_TRUE(p.MiscUninstaller);
    EXPECT_FALSE(p.MiscReboot);
    EXPECT_TRUE(p.TargetRemoveOldReferences);
    EXPECT_TRUE(p.MiscLanguageAuto);
    EXPECT_FALSE(p.MainShow);
    EXPECT_TRUE(p.MainTitle);
    EXPECT_EQ(p.MainTitleFont, "Times New Roman, 20, $000000, B");
    EXPECT_EQ(p.MainTitleShadowColor, 0x00808080u);
    EXPECT_EQ(p.MainGradientTop, 0x00FF0000u);
    EXPECT_EQ(p.MainGradientBot, 0u);
    EXPECT_EQ(p.MainBGBitmap, "bricks.bmp");
    EXPECT_EQ(p.DialogFont, "Tahoma, 8");
    EXPECT_EQ(p.DialogTitleBMP, "");
    EXPECT_EQ(p.DialogsText(), "DLG_README,DLG_WELCOME,DLG_LICENSE,DLG_DIR,DLG_GROUP,DLG_START");
    EXPECT_FALSE(p.DialogFinal) << "a missing DialogFinal keeps the current value";
    EXPECT_EQ(p.DialogPosX, 2);
    EXPECT_EQ(p.DialogPosY, 2);
    EXPECT_TRUE(p.tbFiles.Empty());
    EXPECT_TRUE(p.tbRegAdd.Empty());
    EXPECT_TRUE(p.StaticBitmaps.empty());
    EXPECT_TRUE(p.RunBefore.empty());
}

TEST(ProjectFile, LoadReadsHandWrittenValuesLikeTheFormatSays) {
    TempDir dir;
    const auto path = dir.str("hand.tvx");
    WriteBytes(path, "[Start]\r\n"
                     "App.Install=%programfiles%\\Here\r\n"
                     "App.Group=%NoSuchFolder%\\There\r\n"
                     "Target.OS=9X,NT4\r\n"
                     "App.ReadmeBG=grey\r\n"
                     "App.LicenseBG=0xFF\r\n"
                     "[Main_Window]\r\n"
                     "Bitmap=3\r\n"
                     "Bitmap.01=a.bmp,1,2,BottomRight,$00FF0000\r\n"
                     "Bitmap.03=c.bmp,5,6,TopLeft,\r\n"
                     "[Dialog]\r\n"
                     "Dialogs=\r\n"
                     "DialogPosX=7\r\n"
                     "DialogPosY=0x1\r\n"
                     "[Files]\r\nFiles=3\r\nFile000=a.exe|\\|NO_LOG+SHARED_FILE\r\nFile002=c.exe|\\C|\r\n"
                     "[Registry.Add]\r\nRegistries=2\r\nRegAdd000=HKLM\\A\r\n"
                     "[Registry.Add.HKLM\\A]\r\nItems=2\r\nItem001=second\r\n"
                     "[Run.Before]\r\nRunBefore=2\r\nRunBefore000=a|b|c|d|e|f\r\n");
    TProject p;
    LoadProject(p, path);
    EXPECT_EQ(p.AppInstFolder, "ProgramFiles");
    EXPECT_EQ(p.AppInstFolderName, "\\Here");
    EXPECT_EQ(p.AppGroupFolder, "ProgramFiles") << "an unknown variable selects the first entry";
    EXPECT_EQ(p.AppGroupFolderName, "\\There");
    EXPECT_TRUE(p.Target9x && p.TargetNT);
    EXPECT_FALSE(p.Target2k);
    EXPECT_EQ(p.AppReadmeBG, 0u) << "a present colour that is no number reads as black";
    EXPECT_EQ(p.AppLicenseBG, 0xFFu);
    ASSERT_EQ(p.StaticBitmaps.size(), 3u);
    EXPECT_EQ(p.StaticBitmaps[0].File, "a.bmp");
    EXPECT_EQ(p.StaticBitmaps[0].Coord, "1,2,BottomRight");
    EXPECT_EQ(p.StaticBitmaps[0].Transparency, "$00FF0000");
    EXPECT_EQ(p.StaticBitmaps[1].File, "");
    EXPECT_EQ(p.StaticBitmaps[1].Coord, ",,") << "a missing row has its five fields, empty";
    EXPECT_EQ(p.StaticBitmaps[2].Transparency, "");
    EXPECT_EQ(p.DialogsText(), "") << "present but empty clears all six";
    EXPECT_EQ(p.DialogPosX, 2) << "out of range: the default position";
    EXPECT_EQ(p.DialogPosY, 1);
    ASSERT_EQ(p.tbFiles.Count(), 2) << "the missing File001 is skipped";
    EXPECT_EQ(p.tbFiles.Records[0].FlagsText(), "NO_LOG+SHARED_FILE");
    EXPECT_EQ(p.tbFiles.Records[1].FileName, "c.exe");
    ASSERT_EQ(p.tbRegAdd.Count(), 2);
    EXPECT_EQ(p.tbRegAdd.Records[0].Contents, (std::vector<std::string>{"", "second"}));
    EXPECT_EQ(p.tbRegAdd.Records[1].Key, "");
    ASSERT_EQ(p.RunBefore.size(), 2u) << "run lists keep empty rows";
    EXPECT_EQ(p.RunBefore[0].Flag, "e|f");
    EXPECT_EQ(p.RunBefore[1].Application, "");

    WriteBytes(path, "[Start]\r\nApp.Install=%windows%NoSlash\r\nApp.Group=C:\r\nTarget.OS=2000\r\n"
                     "Misc.Reboot=-1\r\n[Main_Window]\r\nBitmap=100000000\r\n[Files]\r\nFiles=5000\r\n"
                     "[Dialog]\r\nDialogPosX=-1\r\nDialogPosY=3\r\n");
    LoadProject(p, path);
    EXPECT_TRUE(p.MiscReboot) << "any number but 0 is true";
    EXPECT_EQ(p.DialogPosX, 2) << "below the range: the default position";
    EXPECT_EQ(p.DialogPosY, 2);
    EXPECT_EQ(p.TargetOSText(), "");
    EXPECT_EQ(p.AppInstFolder, "Windows");
    EXPECT_EQ(p.AppInstFolderName, "NoSlash") << "the text after the variable is kept as written";
    EXPECT_EQ(p.AppGroupFolder, "ProgramFiles");
    EXPECT_EQ(p.AppGroupFolderName, "\\");
    EXPECT_EQ(p.StaticBitmaps.size(), 99u) << "rows past the numbering are never read";
    EXPECT_EQ(p.tbFiles.Count(), 0);
}

TEST(ProjectFile, SaveKeepsTheOldFileAsBackupWithItsTimeAndMode) {
    TempDir dir;
    const auto path = dir.str("Setup.tvx");
    const auto bak = dir.str("Setup.BAK");
    EXPECT_EQ(BackupFileName(path), bak);
    EXPECT_EQ(BackupFileName("/a.b/noext"), "/a.b/noext.BAK");
    WriteBytes(bak, "an older backup");
    WriteBytes(path, "previous content");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto oldTime = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(path, oldTime);
    const auto storedTime = fs::last_write_time(path); // as precise as the file system keeps it

    TProject p = FullProject(1, 1);
    SaveProject(p, path);
    EXPECT_EQ(ReadBytes(bak), "previous content");
    EXPECT_EQ(fs::last_write_time(bak), storedTime);
    if (!tvtest::kWindows) { // Windows keeps only a read-only attribute
        EXPECT_EQ(fs::status(bak).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
    TProject loaded;
    LoadProject(loaded, path);
    EXPECT_EQ(loaded.AppName, p.AppName);
}

TEST(ProjectFile, FailuresAreReportedAndKeepModified) {
    TempDir dir;
    TProject p = FullProject(2, 1);

    // The file cannot be written: a path below a regular file.
    WriteBytes(dir.str("plain"), "x");
    p.Modified = true;
    try {
        SaveProject(p, dir.str("plain/p.tvx"));
        FAIL() << "no error";
    } catch (const EProjectFileError& e) {
        EXPECT_NE(std::string(e.what()).find(dir.str("plain/p.tvx")), std::string::npos) << e.what();
    }
    EXPECT_TRUE(p.Modified);

    // The backup cannot be made (a folder holds its name): the old file stays, nothing is written.
    const auto path = dir.str("keep.tvx");
    WriteBytes(path, "old");
    fs::create_directories(dir.str("keep.BAK/inside"));
    EXPECT_THROW(SaveProject(p, path), EProjectFileError);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_TRUE(p.Modified);

    // A folder where the project file should be.
    fs::create_directory(dir.str("folder.tvx"));
    EXPECT_ANY_THROW(SaveProject(p, dir.str("folder.tvx")));
    EXPECT_TRUE(fs::is_directory(dir.str("folder.tvx")));
}

#ifndef _WIN32
TEST(ProjectFile, AWriteCutShortIsAnErrorAndLeavesTheFileAndBackupWhole) {
    TempDir dir;
    const auto path = dir.str("Setup.tvx");
    WriteBytes(path, "[Start]\r\nApp.Name=Previous\r\n");
    WriteBytes(dir.str("Setup.BAK"), "[Start]\r\nApp.Name=Older\r\n");
    TProject p = FullProject(50, 5);
    p.Modified = true;

    // A file size limit (a full disk that root cannot pass) cuts the new content short.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 2048;
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

    EXPECT_NE(error.find(path), std::string::npos) << "no error naming the file: " << error;
    EXPECT_NE(error.find("File too large"), std::string::npos) << "no reason: " << error;
    EXPECT_TRUE(p.Modified);
    EXPECT_EQ(ReadBytes(path), "[Start]\r\nApp.Name=Previous\r\n");
    EXPECT_EQ(ReadBytes(dir.str("Setup.BAK")), "[Start]\r\nApp.Name=Older\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
        << "a temporary file was left behind";
}
#endif

TEST(ProjectFile, ValuesTheFormatCannotHoldAreRefusedBeforeAnythingIsWritten) {
    TempDir dir;
    const auto path = dir.str("p.tvx");
    WriteBytes(path, "old");
    auto refused = [&](TProject p, const std::string& expectedInMessage) {
        p.Modified = true;
        EXPECT_EQ(CheckProjectLimits(p).size(), 1u) << ::testing::PrintToString(CheckProjectLimits(p));
        try {
            SaveProject(p, path);
            ADD_FAILURE() << "saved although " << expectedInMessage;
        } catch (const EProjectFileError& e) {
            EXPECT_NE(std::string(e.what()).find(expectedInMessage), std::string::npos) << e.what();
        }
        EXPECT_TRUE(p.Modified);
        EXPECT_EQ(ReadBytes(path), "old");
        EXPECT_FALSE(fs::exists(dir.str("p.BAK")));
    };
    const TProject base = FullProject(3, 2);
    EXPECT_TRUE(CheckProjectLimits(base).empty());
    EXPECT_TRUE(CheckProjectLimits(FullProject(kMaxTableRows, kMaxStaticBitmaps)).empty());

    TProject tooMany = base;
    tooMany.tbFiles.Records.resize(kMaxTableRows + 1);
    refused(tooMany, "1001 rows");
    TProject tooManyRuns = base;
    tooManyRuns.RunAfterUn.resize(kMaxTableRows + 1);
    refused(tooManyRuns, "run-after-uninstall");
    TProject tooManyBitmaps = base;
    tooManyBitmaps.StaticBitmaps.resize(kMaxStaticBitmaps + 1);
    refused(tooManyBitmaps, "100 rows");
    TProject pipe = base;
    pipe.tbFiles.Records[1].FilePath = "\\a|b";
    refused(pipe, "\\a|b");
    TProject pipeRun = base;
    pipeRun.RunBefore[0].Argument = "x|y";
    refused(pipeRun, "x|y");
    TProject comma = base;
    comma.StaticBitmaps[1].File = "a,b.bmp";
    refused(comma, "a,b.bmp");
    TProject lineBreak = base;
    lineBreak.AppName = "two\nlines";
    refused(lineBreak, "App.Name");
    TProject keyBreak = base;
    keyBreak.tbRegAdd.Records[0].Key = "HKLM\\A\r\nB";
    refused(keyBreak, "line break");
    TProject longContents = base;
    longContents.tbINI.Records[0].Contents.assign(kMaxTableRows + 1, "k=v");
    refused(longContents, "1001 rows");
}

TEST(ProjectFile, FilesThatAreNoProjectsOrCannotBeOpenedLeaveTheProjectAlone) {
    TempDir dir;
    const TProject before = FullProject(2, 2);
    const auto notProject = dir.str("notes.tvx");
    WriteBytes(notProject, "[Info]\r\nGenerator=x\r\n[Other]\r\na=1\r\n");
    TProject p = before;
    p.Modified = true;
    EXPECT_THROW(LoadProject(p, notProject), EProjectFileError);
    EXPECT_EQ(p.FileName, before.FileName);
    EXPECT_TRUE(p.Modified);
    ExpectSameProject(before, p);

    WriteBytes(notProject, "");
    EXPECT_THROW(LoadProject(p, notProject), EProjectFileError);

    // One of the three sections is enough.
    WriteBytes(notProject, "[dialog]\r\nFont=Arial, 9\r\n");
    LoadProject(p, notProject);
    EXPECT_EQ(p.DialogFont, "Arial, 9");

#ifndef _WIN32
    // What cannot be opened is named with the system's reason: a link loop, and a FIFO (which
    // must not hold the program either).
    const auto loop = dir.str("loop.tvx");
    fs::create_symlink(loop, loop);
    const auto fifo = dir.str("fifo.tvx");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const auto& [file, reason] : {std::pair{loop, "Too many levels of symbolic links"},
                                       std::pair{fifo, "it is not a regular file"}}) {
        TProject q = before;
        try {
            LoadProject(q, file);
            ADD_FAILURE() << "no error for " << file;
        } catch (const EProjectFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + file + ": " + reason);
        }
        ExpectSameProject(before, q);
    }
#endif
}

TEST(ProjectFile, NewProjectValues) {
    TProject p = FullProject(3, 3);
    p.FileName = "/x/y.tvx";
    p.Modified = false;
    p.MainTitle = false;
    p.DialogPosX = 0;
    p.DialogPosY = 1;
    NewProject(p, tvtest::Native("/usr/share/tamvelox"));
    EXPECT_TRUE(p.IsUntitled());
    EXPECT_EQ(p.FileName, "*UNTITLED");
    EXPECT_TRUE(p.Modified);
    EXPECT_FALSE(p.MainTitle);
    EXPECT_EQ(p.DialogPosX, 0);
    EXPECT_EQ(p.DialogPosY, 1);
    EXPECT_EQ(p.DialogTitleBMP, tvtest::Native("/usr/share/tamvelox/tzns256.bmp"));
    EXPECT_EQ(p.AppInstFolder, "ProgramFiles");
    EXPECT_EQ(p.AppGroupFolder, "ProgramsMenu");
    EXPECT_EQ(p.AppName, "");
    EXPECT_EQ(p.MiscDeployment, "");
    EXPECT_EQ(p.TargetOSText(), "9x,nt4,2k");
    EXPECT_TRUE(p.MiscReboot);
    EXPECT_TRUE(p.MainShow);
    EXPECT_EQ(p.MainBGBitmap, "");
    EXPECT_EQ(p.DialogFont, "Tahoma, 8");
    EXPECT_TRUE(p.DialogFinal);
    EXPECT_EQ(p.DialogsText(), "DLG_README,DLG_WELCOME,DLG_LICENSE,DLG_DIR,DLG_GROUP,DLG_START");
    EXPECT_TRUE(p.tbFiles.Empty() && p.tbShortcuts.Empty() && p.tbRegAdd.Empty() && p.tbRegDel.Empty() &&
                p.tbINI.Empty());
    EXPECT_TRUE(p.StaticBitmaps.empty() && p.RunBefore.empty() && p.RunAfter.empty() &&
                p.RunBeforeUn.empty() && p.RunAfterUn.empty());

    // A new project saved and loaded again is the same project (empty sub-paths stay empty).
    TempDir dir;
    SaveProject(p, dir.str("new.tvx"));
    TProject loaded;
    LoadProject(loaded, dir.str("new.tvx"));
    ExpectSameProject(p, loaded);

    // The data folder is a host path (UTF-8, or the ANSI code page on Windows); the project keeps
    // the code page's bytes.
    NewProject(p, tvtest::Native(tvtest::kWindows ? "/opt/caf\xE9" : "/opt/caf\xC3\xA9"));
    EXPECT_EQ(p.DialogTitleBMP, tvtest::Native("/opt/caf\xE9/tzns256.bmp"));
}
