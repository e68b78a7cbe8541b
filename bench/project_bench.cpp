// Load plus Save of a full project: 1000 rows in every table and run list, 99 static bitmaps.
#include "core/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

tv::TProject FullProject() {
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

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        m_Path = fs::temp_directory_path() / ("tamvelox-bench-" + std::to_string(rd()));
        fs::create_directories(m_Path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(m_Path, ec);
    }
    std::string File(const char* name) const { return (m_Path / name).string(); }

private:
    fs::path m_Path;
};

// A full project saved in dir; returns its path.
std::string SavedFullProject(const TempFolder& dir) {
    const auto path = dir.File("full.tvx");
    tv::TProject seed = FullProject();
    tv::SaveProject(seed, path);
    return path;
}

void BM_LoadAndSaveFullProject(benchmark::State& state) {
    TempFolder dir;
    const auto path = SavedFullProject(dir);
    for (auto _ : state) {
        tv::TProject p;
        tv::LoadProject(p, path);
        tv::SaveProject(p, path);
        benchmark::DoNotOptimize(p.tbFiles.Count());
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
}
BENCHMARK(BM_LoadAndSaveFullProject)->Unit(benchmark::kMillisecond);

void BM_LoadFullProject(benchmark::State& state) {
    TempFolder dir;
    const auto path = SavedFullProject(dir);
    for (auto _ : state) {
        tv::TProject p;
        tv::LoadProject(p, path);
        benchmark::DoNotOptimize(p.tbFiles.Count());
    }
}
BENCHMARK(BM_LoadFullProject)->Unit(benchmark::kMillisecond);

void BM_SaveFullProject(benchmark::State& state) {
    TempFolder dir;
    const auto path = dir.File("full.tvx");
    tv::TProject p = FullProject();
    for (auto _ : state)
        tv::SaveProject(p, path);
}
BENCHMARK(BM_SaveFullProject)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
