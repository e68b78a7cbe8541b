// One undo and one redo in the window holding the full-size project: a file row removed on the
// Files page, and a typed name on the Start page, each put back and done again with its page shown
// and its row selected. Also what recording an edit costs there (the history compares the project
// with its picture of it on every edit).
#include "bench/FullSizeProject.h"
#include "core/ProjectFile.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/main/UndoHistory.h"
#include "ui/pages/FilesPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

struct TFullWindow {
    QTemporaryDir dir;
    tv::TMain window;
    TFullWindow() {
        tv::TwzDialog::RefuseUnscripted(true);
        tv::TNameSeam::RefuseUnscripted(true);
        const QString path = dir.filePath("full.tvx");
        tv::TProject seed = tvbench::FullSizeProject();
        tv::SaveProject(seed, path.toStdString());
        window.show();
        QCoreApplication::processEvents();
        window.LoadRecent(path);
    }
};

// Times undo (or redo) of the one edit made by edit; the other direction runs untimed.
void TimeUndoRedo(benchmark::State& state, const std::function<void(tv::TMain&)>& edit, bool timeRedo) {
    TFullWindow full;
    tv::TMain& w = full.window;
    edit(w);
    if (w.UndoStack().count() != 1) {
        state.SkipWithError("the edit was not recorded as one command");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        w.Undo();
        const qint64 undo = clock.nsecsElapsed();
        clock.restart();
        w.Redo();
        const qint64 redo = clock.nsecsElapsed();
        state.SetIterationTime(double(timeRedo ? redo : undo) / 1e9);
    }
}

void RemoveFileRow(tv::TMain& w) {
    auto* page = w.Page<tv::TFilesPage>();
    auto* view = page->findChild<QTableView*>("lvFiles");
    view->selectionModel()->setCurrentIndex(view->model()->index(500, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    page->btFileDelClick();
}

void TypeName(tv::TMain& w) {
    w.findChild<QLineEdit*>("edAppName")->setText("Typed name");
}

void UndoFileRowRemoval(benchmark::State& state) {
    TimeUndoRedo(state, RemoveFileRow, false);
}
void RedoFileRowRemoval(benchmark::State& state) {
    TimeUndoRedo(state, RemoveFileRow, true);
}
void UndoTypedField(benchmark::State& state) {
    TimeUndoRedo(state, TypeName, false);
}
void RedoTypedField(benchmark::State& state) {
    TimeUndoRedo(state, TypeName, true);
}
BENCHMARK(UndoFileRowRemoval)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(RedoFileRowRemoval)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(UndoTypedField)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(RedoTypedField)->Unit(benchmark::kMillisecond)->UseManualTime();

// An edit that changes nothing the history keeps: the whole comparison, no command.
void RecordUnchangedProject(benchmark::State& state) {
    TFullWindow full;
    for (auto _ : state)
        full.window.History().Record(nullptr, false, false);
}
BENCHMARK(RecordUnchangedProject)->Unit(benchmark::kMicrosecond);

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
