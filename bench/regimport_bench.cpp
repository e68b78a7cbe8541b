// Import of a large registry export: the file read into keys, then added to an empty project (whose
// list stops at its row limit). The time must grow with the number of keys, not with its square.
#include "core/RegFileImport.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A REGEDIT4 export of keys keys, each with a string and a dword value.
std::string LargeExport(int keys) {
    std::string text = "REGEDIT4\r\n\r\n";
    for (int i = 0; i < keys; ++i) {
        const std::string n = std::to_string(i);
        text += "[HKEY_CURRENT_USER\\Software\\Bench\\Key" + n + "]\r\n";
        text += "\"Name\"=\"value " + n + "\"\r\n";
        text += "\"Count\"=dword:0000002a\r\n\r\n";
    }
    return text;
}

void BM_ParseRegFile(benchmark::State& state) {
    const std::string bytes = LargeExport(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        tv::TRegImport import;
        std::string error;
        benchmark::DoNotOptimize(tv::ParseRegFile(bytes, import, error));
    }
}
BENCHMARK(BM_ParseRegFile)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_ParseAndApplyRegFile(benchmark::State& state) {
    const std::string bytes = LargeExport(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        tv::TRegImport import;
        std::string error;
        tv::ParseRegFile(bytes, import, error);
        tv::TProject project;
        benchmark::DoNotOptimize(tv::ApplyRegImport(project, import, true).Added);
    }
}
BENCHMARK(BM_ParseAndApplyRegFile)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
