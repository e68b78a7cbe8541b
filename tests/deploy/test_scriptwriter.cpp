#include "deploy/DeployError.h"
#include "tests/support/BuildTestSupport.h"

#include "deploy/ScriptWriter.h"

#include <cerrno>
#include <system_error>

using namespace tv;
using namespace tvtest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

TContentsRecord Contents(std::string key, std::vector<std::string> lines) {
    return {std::move(key), std::move(lines)};
}

const std::vector<std::string> kInfo = {
    "Generator=Tamrin Installer Velox v1.0",
    "Homepage=https://tamvelox.example.org",
    "TZN Version=Tamrin Installer v1.6",
    "TZN Homepage=https://tamrin-installer.example.org",
};

} // namespace

TEST(ScriptWriter, ScriptFileNamesImageFolderSetupProgramAndPassword) {
    TempDir dir;
    TProject p = SavedProject(dir, "my.app.tvx");
    p.MiscPassword = "se=cret, \"x\"";
    const std::string script = dir.str("my.TZN");
    ASSERT_NO_THROW(WriteScriptFile(p, script));

    EXPECT_THAT(SectionNames(script), ElementsAre("Info", "Config"));
    EXPECT_THAT(SectionLines(script, "Info"), ElementsAreArray(kInfo));
    EXPECT_THAT(SectionLines(script, "Config"),
                ElementsAre("ImagePath=my", "ExeName=my", "Password=se=cret, \"x\""));
    // The store's layout: a blank line closes every section.
    EXPECT_EQ(ReadText(script).substr(0, 8), "[Info]\r\n");
    EXPECT_NE(ReadText(script).find("\r\n\r\n[Config]\r\n"), std::string::npos);
}

TEST(ScriptWriter, SettingsFileWithEverythingSet) {
    TempDir dir;
    TProject p = SavedProject(dir);
    p.AppName = "My App";
    p.AppInstFolder = "ProgramFiles";
    p.AppInstFolderName = "\\MyApp";
    p.AppGroupFolder = "ProgramsMenu";
    p.AppGroupFolderName = "\\My App";
    p.MiscPassword = "pw";
    p.Target2k = false;
    p.TargetOSMinVersion = "4.0";
    p.TargetExtraDiskSpace = -512;
    p.MiscReboot = false;
    p.TargetCheckWindow = "MyAppWnd";
    p.MiscLanguageAuto = false;
    p.MainGradientTop = 0x00FF8000;
    p.DialogPosX = 0;
    p.DialogPosY = 1;
    p.MainBGBitmap = "C:\\art\\back.bmp";
    p.AppReadmeBG = 0x00C0FFEE;
    p.DialogFinal = false;
    p.StaticBitmaps = {{"C:\\art\\logo.bmp", "10,20,0", "$00FF00FF"}, {"/home/me/art/side.bmp", "0,0,3", ""}};
    p.RunBefore = {{"%InstallPath%\\readme.exe", "", "%InstallPath%", "", "11"},
                   {"%System%\\tool.exe", "-x \"a\"", "", "Wait, please", "13"}};
    const std::string presetup = dir.str("Presetup");
    ASSERT_NO_THROW(WriteSettingsFile(p, presetup));
    const fs::path file = dir.path() / "Presetup" / "TZNS.INI";

    EXPECT_THAT(SectionNames(file), ElementsAre("Info", "Config", "Display", "StaticBitmap", "DialogBitmap",
                                                "PreRunApp", "Variables"));
    EXPECT_THAT(SectionLines(file, "Info"), ElementsAreArray(kInfo));
    EXPECT_THAT(SectionLines(file, "Config"),
                ElementsAre("PreInstallDialogSequence=DLG_README,DLG_WELCOME,DLG_LICENSE,DLG_DIR,DLG_GROUP,"
                            "DLG_PASSWORD,DLG_START",
                            "PostInstallDialogSequence=", "Languages=", "AutoSelectLanguage=0",
                            "InsFiles=App", "LogFile=%InstallPath%\\install.log", "Uninstall=1",
                            "CheckAdminRights=1", "SupportedOS=9x,nt4", "MinOSVersion=4.0", "NeedReboot=0",
                            "ExtraDiskSpace=-512", "CheckWindow=MyAppWnd",
                            "CheckMutex=", "RemoveOldReferences=1"));
    EXPECT_THAT(SectionLines(file, "Display"),
                ElementsAre("ShowMainWindow=1", "GradientTopColor=$00FF8000", "GradientBottomColor=$00000000",
                            "MainTitleFont=Times New Roman, 20, $000000, B", "MainTitleShadow=1",
                            "MainTitleShadowColor=$00808080",
                            "DialogTitleFont=Times New Roman, 20, $000000, B", "DialogTitleShadow=1",
                            "DialogTitleShadowColor=$00808080", "DialogFont=Tahoma, 8", "DialogPosition=0,1",
                            "BackgroundBitmap=C:\\art\\back.bmp", "LicenseBackColor=$00FFFFFF",
                            "ReadmeBackColor=$00C0FFEE", "ShowMainTitle=1", "ShowDialogTitle=1",
                            "ShowFinalDialog=0"));
    EXPECT_THAT(SectionLines(file, "StaticBitmap"),
                ElementsAre("Bitmap.01=logo.bmp,10,20,0,$00FF00FF", "Bitmap.02=side.bmp,0,0,3"));
    EXPECT_THAT(SectionLines(file, "DialogBitmap"),
                ElementsAre("DLG_LANGUAGE=", "DLG_LICENSE=", "DLG_WELCOME=", "DLG_README=", "DLG_DIR=",
                            "DLG_START=", "DLG_PROGRESS=", "DLG_FINISH=", "DLG_NOTFINISH=", "DLG_REBOOT=",
                            "DLG_PASSWORD=", "DLG_GROUP="));
    EXPECT_THAT(SectionLines(file, "PreRunApp"),
                ElementsAre("RunBefore000=\"%InstallPath%\\readme.exe\",\"\",\"%InstallPath%\",1,\"\",1",
                            "RunBefore001=\"%System%\\tool.exe\",\"-x \"a\"\",\"\",1,\"Wait, please\",3"));
    EXPECT_THAT(SectionLines(file, "Variables"),
                ElementsAre("InstallPath=%ProgramFiles%\\MyApp", "ProgramName=My App", "ProgramGroup=My App",
                            "AppFolder=%ProgramsMenu%\\%ProgramGroup%"));
}

TEST(ScriptWriter, SettingsFileLeavesOutEmptyListsAndFollowsTheSwitches) {
    TempDir dir;
    TProject p = SavedProject(dir);
    p.DlgReadme = p.DlgWelcome = p.DlgLicense = p.DlgDir = p.DlgGroup = p.DlgStart = false;
    p.Target9x = p.TargetNT = p.Target2k = false;
    p.AppGroupFolder = "Programs";
    p.AppGroupFolderName = "\\\\Tools";
    ASSERT_NO_THROW(WriteSettingsFile(p, dir.str()));
    const fs::path file = dir.path() / "TZNS.INI";
    EXPECT_THAT(SectionNames(file), ElementsAre("Info", "Config", "Display", "DialogBitmap", "Variables"));
    EXPECT_EQ(SectionLines(file, "Config")[0], "PreInstallDialogSequence=");
    EXPECT_EQ(SectionLines(file, "Config")[8], "SupportedOS=");
    EXPECT_EQ(SectionLines(file, "Variables")[2], "ProgramGroup=\\Tools");
    EXPECT_EQ(SectionLines(file, "Variables")[3], "AppFolder=%Programs%\\%ProgramGroup%");

    p.MiscPassword = "x";
    EXPECT_EQ(DialogSequence(p), "DLG_PASSWORD");
    p.DlgStart = p.DlgReadme = true;
    EXPECT_EQ(DialogSequence(p), "DLG_README,DLG_PASSWORD,DLG_START");
}

TEST(ScriptWriter, RowKeysAreCutToTheirWidthAndReplaceEarlierRows) {
    TempDir dir;
    TProject p = SavedProject(dir);
    for (int i = 1; i <= 100; ++i)
        p.StaticBitmaps.push_back({"b" + std::to_string(i) + ".bmp", "0,0,0", ""});
    for (int i = 0; i <= 1000; ++i)
        p.RunBefore.push_back({"r" + std::to_string(i) + ".exe", "", "", "", "0"});
    ASSERT_NO_THROW(WriteSettingsFile(p, dir.str()));
    const fs::path file = dir.path() / "TZNS.INI";

    const auto bitmaps = SectionLines(file, "StaticBitmap");
    ASSERT_EQ(bitmaps.size(), 99u);
    EXPECT_EQ(bitmaps[9], "Bitmap.10=b100.bmp,0,0,0");
    EXPECT_EQ(bitmaps[98], "Bitmap.99=b99.bmp,0,0,0");
    const auto runs = SectionLines(file, "PreRunApp");
    ASSERT_EQ(runs.size(), 1000u);
    EXPECT_EQ(runs[100], "RunBefore100=\"r1000.exe\",\"\",\"\",0,\"\",");
    EXPECT_EQ(runs[999], "RunBefore999=\"r999.exe\",\"\",\"\",0,\"\",");
}

TEST(ScriptWriter, InstallFileGroupsFilesShortcutsAndChanges) {
    TempDir dir;
    TProject p = SavedProject(dir);
    auto& f1 = p.tbFiles.Append(FileRow("/src/app.exe", "%InstallPath%"));
    f1.SharedFile = true;
    p.tbFiles.Append(FileRow("/src/sys.dll", "%System%"));
    auto& f3 = p.tbFiles.Append(FileRow("C:\\src\\app.hlp", "%InstallPath%\\Help"));
    f3.NoLog = true;
    p.tbFiles.Append(FileRow("/src/deep.txt", "%InstallPath%\\a\\b"));
    // Same name and destination (letter case aside): one key, the later flags win.
    auto& f5 = p.tbFiles.Append(FileRow("/other/APP.exe", "%InstallPath%\\"));
    f5.NoLog = f5.RegisterServer = f5.SharedFile = true;

    p.tbShortcuts.Append({"%AppFolder%", "My App", "%InstallPath%\\app.exe", "", "%InstallPath%"});
    p.tbShortcuts.Append({"%ProgramsMenu%\\Tools", "Tool", "%InstallPath%\\t.exe", "-a -b", ""});
    p.tbShortcuts.Append({"%AppFolder%", "", "%InstallPath%\\nameless.exe", "", ""}); // no name: left out

    p.tbRegAdd.Append(
        Contents("HKCU\\Software\\X", {"Path=%InstallPath%,REG_SZ,0", "", "=orphan,REG_SZ,0", "Flag"}));
    p.tbRegDel.Append(Contents("HKLM\\Software\\Old", {"Value=,,"}));
    p.tbINI.Append(Contents("Windows|\\my.ini|Options", {"Start=1", "Name=a=b"}));
    p.RunAfter = {{"%InstallPath%\\app.exe", "/first", "%InstallPath%", "Starting", "10"}};
    p.RunBeforeUn = {{"%InstallPath%\\stop.exe", "", "", "", "01"}};
    p.RunAfterUn = {{"%InstallPath%\\clean.exe", "", "", "", ""}};
    ASSERT_NO_THROW(WriteInstallFile(p, dir.str()));
    const fs::path file = dir.path() / "APP.INS";

    EXPECT_THAT(SectionNames(file),
                ElementsAre("Info", "CopyFiles", "Files_InstallPath", "Files_System", "Shortcuts",
                            "Short_AppFolder", "Short_ProgramsMenu", "AddReg", "RegAdd.HKCU\\Software\\X",
                            "DelReg", "RegDel.HKLM\\Software\\Old", "AddINI", "INI.Windows|\\my.ini|Options",
                            "RunApp", "Uninstall.PreRunApp", "Uninstall.RunApp"));
    EXPECT_THAT(SectionLines(file, "CopyFiles"),
                ElementsAre("Files_InstallPath=%InstallPath%", "Files_System=%System%"));
    EXPECT_THAT(SectionLines(file, "Files_InstallPath"),
                ElementsAre("APP.exe=APP.exe,NO_LOG+REGISTER_SERVER+SHARED_FILE",
                            "Help\\app.hlp=Help\\app.hlp,NO_LOG", "a\\b\\deep.txt=a\\b\\deep.txt"));
    EXPECT_THAT(SectionLines(file, "Files_System"), ElementsAre("sys.dll=sys.dll"));
    EXPECT_THAT(SectionLines(file, "Shortcuts"),
                ElementsAre("Short_AppFolder=%AppFolder%", "Short_ProgramsMenu=%ProgramsMenu%"));
    EXPECT_THAT(SectionLines(file, "Short_AppFolder"),
                ElementsAre("My App=\"%InstallPath%\\app.exe\",,%InstallPath%"));
    EXPECT_THAT(SectionLines(file, "Short_ProgramsMenu"),
                ElementsAre("Tool=\"%InstallPath%\\t.exe\",-a -b,"));
    EXPECT_THAT(SectionLines(file, "AddReg"), ElementsAre("RegAdd.HKCU\\Software\\X=HKCU\\Software\\X"));
    // Empty names are skipped instead of wiping the section; a line without "=" is name and value.
    EXPECT_THAT(SectionLines(file, "RegAdd.HKCU\\Software\\X"),
                ElementsAre("Path=%InstallPath%,REG_SZ,0", "Flag=Flag"));
    EXPECT_THAT(SectionLines(file, "DelReg"), ElementsAre("RegDel.HKLM\\Software\\Old=HKLM\\Software\\Old"));
    EXPECT_THAT(SectionLines(file, "RegDel.HKLM\\Software\\Old"), ElementsAre("Value=,,"));
    EXPECT_THAT(SectionLines(file, "AddINI"),
                ElementsAre("Windows|\\my.ini|Options=%Windows%\\my.ini,Options"));
    EXPECT_THAT(SectionLines(file, "INI.Windows|\\my.ini|Options"), ElementsAre("Start=1", "Name=a=b"));
    EXPECT_THAT(
        SectionLines(file, "RunApp"),
        ElementsAre("RunAfter000=\"%InstallPath%\\app.exe\",\"/first\",\"%InstallPath%\",1,\"Starting\",0"));
    EXPECT_THAT(SectionLines(file, "Uninstall.PreRunApp"),
                ElementsAre("RunBeforeUn000=\"%InstallPath%\\stop.exe\",\"\",\"\",0,\"\",1"));
    EXPECT_THAT(SectionLines(file, "Uninstall.RunApp"),
                ElementsAre("RunAfterUn000=\"%InstallPath%\\clean.exe\",\"\",\"\",,\"\","));
}

TEST(ScriptWriter, ContentsElementsHoldingLineBreaksAreWrittenAsSeparateLines) {
    TempDir dir;
    TProject p = SavedProject(dir);
    p.tbRegAdd.Append(Contents("HKCU\\Software\\X", {"A=1\r\nB=2\r\n", "C=3\nD=4", "E=5\rF=6"}));
    p.tbINI.Append(Contents("Windows|\\my.ini|Options", {"Start=1\n\n=orphan\nEnd=2"}));
    ASSERT_NO_THROW(WriteInstallFile(p, dir.str()));
    const fs::path file = dir.path() / "APP.INS";
    EXPECT_THAT(SectionLines(file, "RegAdd.HKCU\\Software\\X"),
                ElementsAre("A=1", "B=2", "C=3", "D=4", "E=5", "F=6"));
    EXPECT_THAT(SectionLines(file, "INI.Windows|\\my.ini|Options"), ElementsAre("Start=1", "End=2"));
}

TEST(ScriptWriter, InstallFileOfAnEmptyProjectHoldsOnlyTheInfoBlock) {
    TempDir dir;
    TProject p = SavedProject(dir);
    ASSERT_NO_THROW(WriteInstallFile(p, dir.str() + "/"));
    EXPECT_THAT(SectionNames(dir.path() / "APP.INS"), ElementsAre("Info"));
}

TEST(ScriptWriter, WriterReportsAFileItCannotWrite) {
    TempDir dir;
    TProject p = SavedProject(dir);
    fs::create_directories(dir.path() / "TZNS.INI"); // a folder where the file should go
    try {
        WriteSettingsFile(p, dir.str());
        ADD_FAILURE() << "no error";
    } catch (const EDeployError& e) {
        EXPECT_EQ(std::string(e.what()), "Could not write \"" + dir.str("TZNS.INI") + "\".");
        EXPECT_EQ(e.Reason(), "it is a folder");
    }
    // The store finds nothing to load under a file, and fails when it writes: the reason is the one
    // it met then.
    WriteText(dir.path() / "Presetup", "a file where the folder should be");
    try {
        WriteInstallFile(p, dir.str("Presetup"));
        ADD_FAILURE() << "no error";
    } catch (const ETvError& e) {
        EXPECT_NE(dynamic_cast<const EDeployError*>(&e), nullptr);
        // The system's own words: Windows finds no path there rather than a file in the way.
        const std::string failure = "Could not write \"" + dir.str("Presetup/APP.INS") + "\". (";
        EXPECT_EQ(e.Text().substr(0, failure.size()), failure);
        if (!kWindows) {
            EXPECT_EQ(e.Text(), failure + std::generic_category().message(ENOTDIR) + ")");
        }
    }
}

TEST(ScriptWriter, ProjectNameIsTheFileNameUpToItsFirstDot) {
    EXPECT_EQ(ProjectNameOf("/work/MyApp.TVX"), "MyApp");
    EXPECT_EQ(ProjectNameOf("/work/my.app.tvx"), "my");
    EXPECT_EQ(ProjectNameOf("C:\\Work\\MyApp.TVX"), "MyApp");
    EXPECT_EQ(ProjectNameOf("/work/.tvx"), "");
    EXPECT_EQ(ProjectNameOf("/work.d/noext"), "noext");
}
