// Load plus Save of a full project: 1000 rows in every table and run list, 99 static bitmaps.
#include "bench/FullProject.h"
#include "core/ProjectFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;

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
    tv::TProject seed = tvbench::FullProject();
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
    tv::TProject p = tvbench::FullProject();
    for (auto _ : state)
        tv::SaveProject(p, path);
}
BENCHMARK(BM_SaveFullProject)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
