// The wizard's window: making it, starting it up (a new project) and painting it once; the program
// itself started and timed until its window has been painted; and loading the full-size project
// into the window, every page refreshed, until the page shown is painted again; and the window
// resized from its smallest size to a full HD screen; and an unchanged project of 1000 files rebuilt
// through the window's Build button, its progress shown.
#include "bench/FullSizeProject.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MainUnit.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

QString g_home; // the benchmark's own XDG folders

// In-process: the first iteration also pays for the font and style set-up of the process.
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

#ifdef TAMVELOX_GUI_PATH
// The whole program: from starting the process until it says its window has been painted.
void ProgramStartToFirstPaint(benchmark::State& state) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TAMVELOX_FIRST_PAINT_PROBE", "1");
    env.insert("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen"));
    env.insert("XDG_DATA_HOME", g_home + "/data");
    env.insert("XDG_CONFIG_HOME", g_home + "/config");
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        program.start(TAMVELOX_GUI_PATH, {});
        QByteArray said;
        while (!said.contains("painted") && program.waitForReadyRead(10000))
            said += program.readAllStandardOutput();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        program.waitForFinished(10000);
        if (!said.contains("painted")) {
            state.SkipWithError("the program did not report its first paint");
            break;
        }
    }
}
BENCHMARK(ProgramStartToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime();
#endif

// The full-size project saved in dir, for the window to load.
QString SavedFullProject(const QTemporaryDir& dir) {
    const QString path = dir.filePath("full.tvx");
    tv::TProject project = tvbench::FullSizeProject();
    tv::SaveProject(project, path.toStdString());
    return path;
}

// The window shown, with the project at path loaded through its Load button. A question would
// wait for a person: none is expected, and any is answered at once.
void ShowLoaded(tv::TMain& window, const QString& path) {
    window.show();
    QCoreApplication::processEvents();
    tv::TwzDialog::RefuseUnscripted(true);
    tv::TNameSeam::RefuseUnscripted(true);
    tv::TNameSeam::ScriptNames({path});
    window.findChild<QToolButton*>("btLoad")->click();
}

// Load of the full-size project through the window's Load button: the file read, every page
// refreshed from it, the page shown painted again.
void LoadFullProjectIntoWindow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = SavedFullProject(dir);
    tv::TMain window;
    window.show();
    QCoreApplication::processEvents();
    auto* load = window.findChild<QToolButton*>("btLoad");
    // A question would wait for a person: none is expected, and any is answered at once.
    tv::TwzDialog::RefuseUnscripted(true);
    tv::TNameSeam::RefuseUnscripted(true);
    for (auto _ : state) {
        tv::TNameSeam::ScriptNames({path});
        load->click();
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    if (window.Project().tbFiles.Count() != tv::kMaxTableRows || window.Project().RunAfterUn.size() != 1000u)
        state.SkipWithError("the project was not loaded");
}
BENCHMARK(LoadFullProjectIntoWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window dragged from its smallest size to a full HD screen on the Files page with the
// full-size project: the relayout of every level and, with argument 1, the paint that shows it.
void ResizeWindowToFullHd(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = SavedFullProject(dir);
    tv::TMain window;
    ShowLoaded(window, path);
    for (int i = 0; i < 3; ++i)
        window.findChild<QPushButton*>("btWizNext")->click();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.resize(tv::TMain::kWidth, tv::TMain::kHeight);
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        window.resize(1920, 1080);
        QCoreApplication::processEvents(); // the layouts' posted requests
        if (state.range(0)) {
            const QPixmap painted = window.grab();
            benchmark::DoNotOptimize(painted.cacheKey());
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    if (window.Project().tbFiles.Count() != tv::kMaxTableRows || window.width() != 1920)
        state.SkipWithError("the project was not loaded or the window did not grow");
}
BENCHMARK(ResizeWindowToFullHd)->Unit(benchmark::kMillisecond)->UseManualTime()->Arg(1);
// The same without the paint: the relayout alone.
BENCHMARK(ResizeWindowToFullHd)->Name("RelayoutWindowToFullHd")->Unit(benchmark::kMillisecond)->UseManualTime()->Arg(0);

// An unchanged project of 1000 small files in 10 folders rebuilt through the Build button: the
// core's rebuild with the window's share on top (a copy line and the bar per file, the lines'
// states, the events between). The files are an hour old, as a project's are when it is rebuilt.
void RebuildUnchangedThroughWindow(benchmark::State& state) {
    QTemporaryDir dir;
    tv::TProject project;
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    for (int i = 0; i < 1000; ++i) {
        const QString folder = dir.filePath(QString("src/dir%1").arg(i % 10));
        QDir().mkpath(folder);
        QFile file(folder + QString("/file%1.bin").arg(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(4096, char('a' + i % 26))) != 4096) {
            state.SkipWithError("the sources could not be written");
            return;
        }
        file.setFileTime(old, QFileDevice::FileModificationTime);
        project.tbFiles.Append(
            {file.fileName().toStdString(), "%InstallPath%\\" + std::to_string(i % 10), false});
    }
    project.MiscDeployment = dir.filePath("deploy").toStdString();
    const QString path = dir.filePath("rebuild.tvx");
    tv::SaveProject(project, path.toStdString());

    tv::TMain window;
    ShowLoaded(window, path);
    window.findChild<QPushButton*>("btWizFinish")->click();
    auto* build = window.findChild<QPushButton*>("btBuild");
    tv::TwzDialog::ScriptAnswers({tv::mrYes});
    build->click(); // the first build copies everything
    for (auto _ : state) {
        tv::TwzDialog::ScriptAnswers({tv::mrYes}); // the question before the folder is touched
        build->click();
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    if (tv::TwzDialog::ScriptedAnswersLeft() != 0 ||
        !QFile::exists(dir.filePath("deploy/rebuild/Data/9/file999.bin")))
        state.SkipWithError("the project was not built");
}
BENCHMARK(RebuildUnchangedThroughWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    // The window registers the project file type on every start: keep that out of the user's
    // own desktop files.
    QTemporaryDir home;
    g_home = home.path();
    qputenv("XDG_DATA_HOME", (g_home + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (g_home + "/config").toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
