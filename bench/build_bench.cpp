// Build speed against a plain copy: a generated project of 1000 files, 1 GiB in all, is built into
// a deployment folder, and the same source files are copied with `cp -r` in the same run. Each is
// timed six times (alternating, each after a sync, so both see the same cache state) and the best times are
// compared.
//
// Then the rebuild: a project of 1000 files, 256 MiB in all, built once, is built again unchanged
// (target: at most a tenth of `cp -r` of the same files), and once more after one file changed,
// which must copy that file alone.
//
//   bench_build_bench [folder] [--build-only|--rebuild-only]
//   (default folder: a fresh one under the system's temporary folder)
#include "core/kvIniFile.h"
#include "deploy/DeploymentBuild.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 1000;
constexpr std::uint64_t kTotalBytes = 1ull << 30;
constexpr std::uint64_t kRebuildBytes = 256ull << 20;

class TQuietUi final : public tv::IBuildUi {
public:
    int MessageDlg(const std::string& text, tv::TMsgDlgType type, unsigned) override {
        if (type != tv::TMsgDlgType::mtConfirmation)
            std::cerr << tv::MarkupToPlain(text) << "\n";
        return tv::mrYes;
    }
    void SetProgressState(int, int) override {}
    void SetCopyText(const std::string&) override {}
    void SetProgress(std::uint64_t, std::uint64_t, int, int) override {}
    void ProcessMessages() override {}
};

// Sizes that vary from a few KiB to about twice the mean and add up to totalBytes.
std::vector<std::uint64_t> FileSizes(std::uint64_t totalBytes) {
    std::mt19937_64 rng(42);
    std::vector<double> weights(kFiles);
    double sum = 0;
    for (double& w : weights) {
        w = 0.01 + std::uniform_real_distribution<double>(0, 2)(rng);
        sum += w;
    }
    std::vector<std::uint64_t> sizes;
    std::uint64_t given = 0;
    for (int i = 0; i < kFiles; ++i) {
        const std::uint64_t s = i + 1 == kFiles
                                    ? totalBytes - given
                                    : static_cast<std::uint64_t>(weights[i] / sum * double(totalBytes));
        sizes.push_back(s);
        given += s;
    }
    return sizes;
}

void Generate(const fs::path& src, std::uint64_t totalBytes, tv::TProject& project) {
    std::vector<char> block(1 << 20);
    std::mt19937_64 rng(7);
    for (std::size_t i = 0; i < block.size(); i += 8) {
        const std::uint64_t v = rng();
        std::memcpy(&block[i], &v, 8);
    }
    const std::vector<std::uint64_t> sizes = FileSizes(totalBytes);
    for (int i = 0; i < kFiles; ++i) {
        const std::string sub = "dir" + std::to_string(i % 10);
        const fs::path file = src / sub / ("file" + std::to_string(i) + ".bin");
        fs::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        std::uint64_t left = sizes[i];
        std::size_t offset = static_cast<std::size_t>(i * 4099) % block.size(); // files differ
        while (left > 0) {
            const std::size_t n =
                static_cast<std::size_t>(std::min<std::uint64_t>(left, block.size() - offset));
            out.write(block.data() + offset, static_cast<std::streamsize>(n));
            left -= n;
            offset = 0;
        }
        tv::TFileRecord rec;
        rec.FileName = file.string();
        rec.FilePath = "%InstallPath%\\" + sub;
        project.tbFiles.Append(rec);
    }
}

double CpuSeconds(int who) {
    rusage u{};
    ::getrusage(who, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct TTiming {
    double Wall = 0, Cpu = 0;
};

// Wall time, and the processor time of this process (who = RUSAGE_SELF) or of the programs it ran
// (RUSAGE_CHILDREN). On a machine shared with other work the processor time is the steadier one.
TTiming Time(int who, const std::function<void()>& run) {
    const double cpu = CpuSeconds(who);
    const auto start = std::chrono::steady_clock::now();
    run();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            CpuSeconds(who) - cpu};
}

// The source files an hour old, as a project's files are by the time it is rebuilt: a copy made
// within the clock tick of its source's last change is not trusted by a rebuild.
void AgeSources(const tv::TProject& project) {
    for (const tv::TFileRecord& rec : project.tbFiles.Records)
        fs::last_write_time(rec.FileName, fs::file_time_type::clock::now() - std::chrono::hours(1));
}

// An unchanged project rebuilt against `cp -r` of its files, then one changed file. True when every
// build did what it should.
bool RebuildBench(const fs::path& root) {
    const fs::path src = root / "rsrc", deploy = root / "rdeploy", copy = root / "rcopy";
    tv::TProject project;
    project.FileName = (root / "rebuild.tvx").string();
    project.MiscDeployment = deploy.string();
    std::cout << "Generating " << kFiles << " files, " << (kRebuildBytes >> 20) << " MiB in " << src << "\n";
    Generate(src, kRebuildBytes, project);
    AgeSources(project);

    TQuietUi ui;
    std::string script;
    tv::TBuildResult r = tv::Build(project, ui, script);
    bool ok = r.Outcome == tv::TBuildOutcome::Done && r.FilesCopied == kFiles;
    TTiming bestRebuild{1e9, 1e9}, bestCopy{1e9, 1e9};
    double bestFlush = 0; // of the best rebuild: waiting for the engine files to reach the disk
    for (int round = 0; round < 6; ++round) {
        fs::remove_all(copy);
        const std::string cmd = "cp -r '" + src.string() + "' '" + copy.string() + "'";
        TTiming c, b;
        double flush = 0;
        const auto runCopy = [&] {
            ::sync();
            c = Time(RUSAGE_CHILDREN, [&] { ok = ok && std::system(cmd.c_str()) == 0; });
        };
        const auto runRebuild = [&] {
            ::sync();
            const std::int64_t flushed = tv::iniio::FlushNanoseconds();
            b = Time(RUSAGE_SELF, [&] { r = tv::Build(project, ui, script); });
            flush = double(tv::iniio::FlushNanoseconds() - flushed) / 1e9;
        };
        if (round % 2 == 0) {
            runCopy();
            runRebuild();
        } else {
            runRebuild();
            runCopy();
        }
        ok = ok && r.Outcome == tv::TBuildOutcome::Done && r.FilesCopied == 0 && r.FilesKept == kFiles;
        std::cout << "round " << round + 1 << ": cp -r " << c.Wall << " s (cpu " << c.Cpu
                  << " s), unchanged rebuild " << b.Wall << " s (cpu " << b.Cpu
                  << " s, flushing the engine files " << flush << " s), " << r.FilesCopied << " copied, "
                  << r.FilesKept << " kept\n";
        if (b.Wall < bestRebuild.Wall)
            bestFlush = flush;
        bestRebuild = {std::min(bestRebuild.Wall, b.Wall), std::min(bestRebuild.Cpu, b.Cpu)};
        bestCopy = {std::min(bestCopy.Wall, c.Wall), std::min(bestCopy.Cpu, c.Cpu)};
    }
    std::cout << "best wall: cp -r " << bestCopy.Wall << " s, unchanged rebuild " << bestRebuild.Wall
              << " s, ratio " << bestRebuild.Wall / bestCopy.Wall << " (target <= 0.1); without the flush of "
              << "the engine files " << (bestRebuild.Wall - bestFlush) / bestCopy.Wall << "\n";
    std::cout << "best cpu:  cp -r " << bestCopy.Cpu << " s, unchanged rebuild " << bestRebuild.Cpu
              << " s, ratio " << bestRebuild.Cpu / bestCopy.Cpu << "\n";

    // One file changed: its copy alone is added.
    const std::string changed = project.tbFiles.Records[kFiles / 2].FileName;
    {
        std::fstream out(changed, std::ios::in | std::ios::out | std::ios::binary);
        out.put('!');
    }
    ::sync();
    const TTiming one = Time(RUSAGE_SELF, [&] { r = tv::Build(project, ui, script); });
    ok = ok && r.Outcome == tv::TBuildOutcome::Done && r.FilesCopied == 1 && r.FilesKept == kFiles - 1 &&
         r.BytesCopied == fs::file_size(changed);
    std::cout << "one changed file (" << (fs::file_size(changed) >> 10) << " KiB): rebuild " << one.Wall
              << " s (cpu " << one.Cpu << " s), " << r.FilesCopied << " copied, " << r.FilesKept << " kept\n";
    fs::remove_all(copy);
    fs::remove_all(deploy);
    fs::remove_all(src);
    if (!ok)
        std::cerr << "a copy or a rebuild failed or copied more than it should\n";
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    fs::path root;
    bool build = true, rebuild = true, given = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--build-only")
            rebuild = false;
        else if (arg == "--rebuild-only")
            build = false;
        else if (arg.rfind("-", 0) == 0) {
            std::cerr << "usage: bench_build_bench [folder] [--build-only|--rebuild-only]\n";
            return 2;
        } else {
            root = fs::absolute(arg); // the project resolves relative sources against its own folder
            given = true;
        }
    }
    if (!root.empty()) {
        fs::create_directories(root);
    } else {
        std::string pattern = (fs::temp_directory_path() / "tvbench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::cerr << "cannot make a temporary folder\n";
            return 1;
        }
        root = pattern;
    }
    bool ok = true;
    if (rebuild)
        ok = RebuildBench(root);
    if (!build) {
        if (!given)
            fs::remove_all(root);
        return ok ? 0 : 1;
    }
    const fs::path src = root / "src", deploy = root / "deploy", copy = root / "copy";

    tv::TProject project;
    project.FileName = (root / "bench.tvx").string();
    project.MiscDeployment = deploy.string();
    std::cout << "Generating " << kFiles << " files, " << (kTotalBytes >> 20) << " MiB in " << src << "\n";
    Generate(src, kTotalBytes, project);

    TQuietUi ui;
    TTiming bestBuild{1e9, 1e9}, bestCopy{1e9, 1e9};
    for (int round = 0; round < 6; ++round) {
        // Both start from nothing: the build's clearing of an old image is not what is compared.
        fs::remove_all(copy);
        fs::remove_all(deploy);
        const std::string cmd = "cp -r '" + src.string() + "' '" + copy.string() + "'";
        // Each run starts with nothing dirty, so neither pays for the other's write-back, and the
        // two take turns at going first.
        TTiming c, b;
        std::string script;
        tv::TBuildResult r;
        const auto runCopy = [&] {
            ::sync();
            c = Time(RUSAGE_CHILDREN, [&] { ok = ok && std::system(cmd.c_str()) == 0; });
        };
        const auto runBuild = [&] {
            ::sync();
            b = Time(RUSAGE_SELF, [&] { r = tv::Build(project, ui, script); });
        };
        if (round % 2 == 0) {
            runCopy();
            runBuild();
        } else {
            runBuild();
            runCopy();
        }
        ok = ok && r.Outcome == tv::TBuildOutcome::Done && r.FilesCopied == kFiles;
        std::cout << "round " << round + 1 << ": cp -r " << c.Wall << " s (cpu " << c.Cpu << " s), build "
                  << b.Wall << " s (cpu " << b.Cpu << " s), " << r.FilesCopied << " files, "
                  << (r.BytesCopied >> 20) << " MiB\n";
        bestBuild = {std::min(bestBuild.Wall, b.Wall), std::min(bestBuild.Cpu, b.Cpu)};
        bestCopy = {std::min(bestCopy.Wall, c.Wall), std::min(bestCopy.Cpu, c.Cpu)};
    }
    std::cout << "best wall: cp -r " << bestCopy.Wall << " s, build " << bestBuild.Wall << " s, ratio "
              << bestBuild.Wall / bestCopy.Wall << " (target <= 1.1)\n";
    std::cout << "best cpu:  cp -r " << bestCopy.Cpu << " s, build " << bestBuild.Cpu << " s, ratio "
              << bestBuild.Cpu / bestCopy.Cpu << "\n";
    if (!given)
        fs::remove_all(root);
    else {
        fs::remove_all(copy);
        fs::remove_all(deploy);
    }
    if (!ok)
        std::cerr << "a copy or the build failed\n";
    return ok ? 0 : 1;
}
