#pragma once
// The full-size project of the benchmarks and of the save fault tests: every table and run list at
// its 1000 rows, 99 static bitmaps.

#include "core/ProjectFile.h"

#include <string>

namespace tvbench {

inline tv::TProject FullSizeProject() {
    tv::TProject p;
    tv::NewProject(p, "/usr/share/tamvelox");
    p.MiscDeployment = "/srv/deploy/bench";
    p.AppName = "Benchmark Application 1.0";
    p.AppInstFolderName = "\\Bench";
    p.AppGroupFolderName = "\\Bench";
    for (int i = 0; i < tv::kMaxStaticBitmaps; ++i)
        p.StaticBitmaps.push_back(
            {"bitmaps/static" + std::to_string(i) + ".bmp", "10,20,TopLeft", "$00FF00FF"});
    for (int i = 0; i < tv::kMaxTableRows; ++i) {
        const std::string n = std::to_string(i);
        tv::TFileRecord f;
        f.FileName = "/home/author/project/release/files/module" + n + ".dll";
        f.FilePath = "\\Bin\\Modules";
        f.NoLog = i % 2 == 0;
        f.SharedFile = i % 3 == 0;
        p.tbFiles.Append(f);
        p.tbShortcuts.Append({"Bench Group", "Module " + n, "%InstallPath%\\module" + n + ".exe",
                              "--run " + n, "%InstallPath%"});
        p.tbRegAdd.Append(
            {"HKLM\\Software\\Bench\\Key" + n, {"Name=Value " + n + ",STRING", "Count=1,DWORD"}});
        p.tbRegDel.Append({"HKCU\\Software\\Bench\\Old" + n, {"Obsolete" + n}});
        p.tbINI.Append({"Windows|bench" + n + ".ini|Settings", {"key=value " + n, "other=1"}});
        for (tv::TRunList* list : {&p.RunBefore, &p.RunAfter, &p.RunBeforeUn, &p.RunAfterUn})
            list->push_back(
                {"tool" + n + ".exe", "/quiet " + n, "%InstallPath%", "Running tool " + n, "WAIT"});
    }
    return p;
}

} // namespace tvbench
