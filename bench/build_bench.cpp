// Build speed against a plain copy: a generated project of 1000 files, 1 GiB in all, is built into
// a deployment folder, and the same source files are copied with `cp -r` in the same run. Each is
// timed six times (alternating, each after a sync, so both see the same cache state) and the best times are
// compared.
//
//   bench_build_bench [folder]   (default: a fresh folder under the system's temporary folder)
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

// Sizes that vary from a few KiB to about 2 MiB and add up to kTotalBytes.
std::vector<std::uint64_t> FileSizes() {
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
                                    ? kTotalBytes - given
                                    : static_cast<std::uint64_t>(weights[i] / sum * double(kTotalBytes));
        sizes.push_back(s);
        given += s;
    }
    return sizes;
}

void Generate(const fs::path& src, tv::TProject& project) {
    std::vector<char> block(1 << 20);
    std::mt19937_64 rng(7);
    for (std::size_t i = 0; i < block.size(); i += 8) {
        const std::uint64_t v = rng();
        std::memcpy(&block[i], &v, 8);
    }
    const std::vector<std::uint64_t> sizes = FileSizes();
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

} // namespace

int main(int argc, char** argv) {
    fs::path root;
    if (argc > 1) {
        root = argv[1];
        fs::create_directories(root);
    } else {
        std::string pattern = (fs::temp_directory_path() / "tvbench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::cerr << "cannot make a temporary folder\n";
            return 1;
        }
        root = pattern;
    }
    const fs::path src = root / "src", deploy = root / "deploy", copy = root / "copy";

    tv::TProject project;
    project.FileName = (root / "bench.tvx").string();
    project.MiscDeployment = deploy.string();
    std::cout << "Generating " << kFiles << " files, " << (kTotalBytes >> 20) << " MiB in " << src << "\n";
    Generate(src, project);

    TQuietUi ui;
    TTiming bestBuild{1e9, 1e9}, bestCopy{1e9, 1e9};
    bool ok = true;
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
              << bestBuild.Wall / bestCopy.Wall << " (target <= 1.2)\n";
    std::cout << "best cpu:  cp -r " << bestCopy.Cpu << " s, build " << bestBuild.Cpu << " s, ratio "
              << bestBuild.Cpu / bestCopy.Cpu << "\n";
    if (argc <= 1)
        fs::remove_all(root);
    else {
        fs::remove_all(copy);
        fs::remove_all(deploy);
    }
    if (!ok)
        std::cerr << "a copy or the build failed\n";
    return ok ? 0 : 1;
}
