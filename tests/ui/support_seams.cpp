#include "UiTestSupport.h"

#include "core/Project.h"
#include "core/ProjectFile.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"

#include <string>

namespace tvtest {

void resetSeams(bool refuseUnscripted) {
    tv::TwzDialog::ClearScript();
    tv::TNameSeam::ClearScript();
    tv::TwzDialog::RefuseUnscripted(refuseUnscripted);
    tv::TNameSeam::RefuseUnscripted(refuseUnscripted);
}

void fillFullSizeProject(tv::TProject& p) {
    using namespace tv;
    p.MiscDeployment = "/srv/deploy/full";
    p.AppName = "Full Application \xE9 1.0";
    p.AppInstFolder = "CommonFiles";
    p.AppInstFolderName = "\\Full";
    p.AppGroupFolder = "StartMenu";
    p.AppGroupFolderName = "\\Full Group";
    p.AppReadme = "docs/readme.txt";
    p.AppReadmeBG = 0x00E0FFFF;
    p.AppLicense = "docs/license.txt";
    p.AppLicenseBG = 0x00FFE0E0;
    p.Target9x = false;
    p.TargetOSMinVersion = "4.0.1381";
    p.TargetExtraDiskSpace = 2048;
    p.MiscUninstaller = false;
    p.MiscReboot = false;
    p.MiscPassword = "secret";
    p.TargetCheckWindow = "Full Window";
    p.TargetCheckMutex = "FullMutex";
    p.TargetRemoveOldReferences = false;
    p.MiscLanguageAuto = false;
    p.MainShow = false;
    p.MainTitle = false;
    p.MainTitleFont = "Arial,12,$000000FF,BI";
    p.MainTitleShadow = false;
    p.MainTitleShadowColor = 0x00404040;
    p.MainGradientTop = 0x00008000;
    p.MainGradientBot = 0x00800000;
    p.MainBGBitmap = "bitmaps/back.bmp";
    p.MainBGAppTitle = false;
    p.DialogFont = "Arial,9";
    p.DialogTitle = false;
    p.DialogTitleFont = "Arial,14,$00FF0000,U";
    p.DialogTitleFontShadow = false;
    p.DialogTitleFontShadowColor = 0x00202020;
    p.DialogTitleBMP = "bitmaps/title.bmp";
    p.DlgReadme = p.DlgLicense = p.DlgStart = false;
    p.DialogFinal = false;
    p.DialogPosX = 0;
    p.DialogPosY = 1;
    for (int i = 0; i < kMaxStaticBitmaps; ++i)
        p.StaticBitmaps.push_back({"bitmaps/static" + std::to_string(i) + ".bmp", "10,20,0", "$00FF00FF"});
    for (int i = 0; i < kMaxTableRows; ++i) {
        const std::string n = std::to_string(i);
        TFileRecord f;
        f.FileName = "/home/author/full/files/module" + n + ".dll";
        f.FilePath = "%InstallPath%\\Modules";
        f.NoLog = i % 2 == 0;
        f.SharedFile = i % 3 == 0;
        p.tbFiles.Append(f);
        p.tbShortcuts.Append({"Full Group", "Module " + n, "%InstallPath%\\module" + n + ".exe", "--run " + n,
                              "%InstallPath%"});
        p.tbRegAdd.Append({"HKLM\\Software\\Full\\Key" + n, {"Name=Value " + n + ",STRING"}});
        p.tbRegDel.Append({"HKCU\\Software\\Full\\Old" + n, {"Obsolete" + n}});
        p.tbINI.Append({"Windows|full" + n + ".ini|Settings", {"key=value " + n}});
        for (TRunList* list : {&p.RunBefore, &p.RunAfter, &p.RunBeforeUn, &p.RunAfterUn})
            list->push_back({"%InstallPath%\\tool" + n + ".exe", "/quiet", "%InstallPath%", "Tool " + n, "11"});
    }
}

} // namespace tvtest
