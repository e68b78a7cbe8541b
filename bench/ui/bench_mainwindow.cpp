// Start of the wizard: making the main window, starting it up (a new project) and painting it
// once. The first iteration also pays for the font and style set-up of the process.
#include "ui/main/MainUnit.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void MainWindowStartToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        tv::TMain window;
        window.show();
        QCoreApplication::processEvents(); // start-up runs queued after the first show
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        window.hide();
    }
}
BENCHMARK(MainWindowStartToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The window registers the project file type on every start: keep that out of the user's
    // own desktop files.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
