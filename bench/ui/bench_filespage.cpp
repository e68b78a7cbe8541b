// The Files & Shortcuts page: one run of the add dialog bringing 1000 files (picked in the file list,
// or a whole folder), model and view included up to the repainted page; and showing a project whose
// file and shortcut tables are full.
#include "core/MsgDlg.h"
#include "core/Project.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/pages/FileAddUnit.h"
#include "ui/pages/FilesPage.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QListView>
#include <QPixmap>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

QString g_folder; // 1000 files

struct TPageHost {
    tv::TProject project;
    QWidget host;
    tv::TFilesPage* page;
    TPageHost() : page(new tv::TFilesPage(project, &host)) {
        host.resize(410, 327);
        page->setGeometry(0, 0, 410, 327);
        host.show();
    }
};

void WaitListed(tv::TFileAdd& dialog) {
    if (dialog.FolderListed())
        return;
    QEventLoop loop;
    QObject::connect(&dialog, &tv::TFileAdd::folderListed, &loop, &QEventLoop::quit);
    loop.exec();
}

// The author selects all 1000 files of the list, adds them, presses OK; the page appends them and
// is painted again.
void AddThousandPickedFiles(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TPageHost h;
        tv::TFileAdd dialog(nullptr, tv::kMaxTableRows, g_folder);
        WaitListed(dialog);
        QCoreApplication::processEvents();
        auto* list = dialog.findChild<QListView*>("foList");
        state.ResumeTiming();

        list->selectAll();
        dialog.findChild<QToolButton*>("btFileAdd")->click();
        h.page->AddFilesFrom(dialog);
        const QPixmap painted = h.host.grab();
        benchmark::DoNotOptimize(painted.cacheKey());

        state.PauseTiming();
        if (h.project.tbFiles.Count() != 1000)
            state.SkipWithError("not all files were added");
        state.ResumeTiming();
    }
}
BENCHMARK(AddThousandPickedFiles)->Unit(benchmark::kMillisecond);

// The same through "add a whole folder": the folder is walked on disk, the count question answered.
void AddThousandFilesAsFolder(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TPageHost h;
        tv::TFileAdd dialog(nullptr, tv::kMaxTableRows, g_folder);
        tv::TwzDialog::ScriptAnswers({tv::mrYes});
        state.ResumeTiming();

        dialog.findChild<QToolButton*>("btFolderAdd")->click();
        h.page->AddFilesFrom(dialog);
        const QPixmap painted = h.host.grab();
        benchmark::DoNotOptimize(painted.cacheKey());

        state.PauseTiming();
        if (h.project.tbFiles.Count() != 1000)
            state.SkipWithError("not all files were added");
        state.ResumeTiming();
    }
}
BENCHMARK(AddThousandFilesAsFolder)->Unit(benchmark::kMillisecond);

// A project with 1000 files (half of them missing) and 1000 shortcuts shown on the page.
void ShowFullTables(benchmark::State& state) {
    TPageHost h;
    for (int i = 0; i < tv::kMaxTableRows; ++i) {
        const QString name =
            i % 2 ? QString("missing%1.dll").arg(i) : QString("f%1.dat").arg(i, 4, 10, QChar('0'));
        h.project.tbFiles.Records.push_back(
            {QDir(g_folder).filePath(name).toStdString(), "%InstallPath%\\bin"});
        h.project.tbShortcuts.Records.push_back(
            {"%AppFolder%", "Shortcut", "%InstallPath%\\a.exe", "", "%InstallPath%"});
    }
    for (auto _ : state) {
        h.page->LoadFromProject();
        const QPixmap painted = h.host.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(ShowFullTables)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    QApplication app(argc, argv);
    QTemporaryDir files;
    g_folder = files.path();
    for (int i = 0; i < tv::kMaxTableRows; ++i) {
        QFile f(QDir(g_folder).filePath(QString("f%1.dat").arg(i, 4, 10, QChar('0'))));
        if (!f.open(QIODevice::WriteOnly))
            return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
