#pragma once
// A project that meets every rule of Check once, for the console and window tests that show each
// finding the way an author sees it.

#include "core/Project.h"
#include "tests/support/TempDir.h"

namespace tvtest {

// The project's files are made below folder; it is not saved. Its deployment folder is blank (the
// build-settings rule): set one to leave the errors of the other rules only. On Windows a "\" is
// a folder's end, so the source-name rule finds nothing there.
inline tv::TProject ProjectWithEveryFinding(const fs::path& folder) {
    const fs::path src = folder / "src";
    for (const char* name : {"app.exe", "a=b.txt", "other/app.exe"})
        WriteText(src / name, "x");
    WriteText(src / "empty.bmp", "");
    auto row = [&](const std::string& source, const std::string& dest) {
        tv::TFileRecord r;
        r.FileName = (src / source).string();
        r.FilePath = dest;
        return r;
    };
    tv::TProject p;
    p.MiscDeployment = "";                                   // build-settings
    p.tbFiles.Append(row("app.exe", "%InstallPath%"));
    p.tbFiles.Append(row("other/app.exe", "%InstallPath%")); // same-destination
    p.tbFiles.Append(row("a=b.txt", "%InstallPath%"));       // file-name-key
    p.tbFiles.Append(row("gone.dll", "%System%"));           // missing-source
    if (!kWindows) {
        WriteText(src / "c\\d.txt", "x"); // a name, not a folder, on this system
        p.tbFiles.Append(row("c\\d.txt", "%InstallPath%")); // source-name
    }
    tv::TShortcutRecord s;
    s.ProgramGroup = "%ProgramsMenu%\\Tools"; // shortcut-group-folder
    s.Shortcuts = ";App";                    // shortcut-name-key
    s.Target = "%InstallPath%\\app.exe";
    s.Arguments = "a,b";                     // shortcut-commas
    p.tbShortcuts.Append(s);
    p.tbRegAdd.Append({"HKCU\\Software\\A", {"NoEquals"}}); // change-line
    p.tbRegAdd.Append({"HKCU\\Software\\B", {}});           // empty-registry-key
    p.MainBGBitmap = (src / "empty.bmp").string();          // bitmap-format
    p.RunAfter.push_back({"%InstallPath%\\\"x\".exe", "", "", "", "10"}); // run-quotes, run-not-installed
    p.AppInstFolderName = "App";                                       // install-folder
    p.DialogFont = "Comic Neue, 8";                                    // font
    return p;
}

} // namespace tvtest
