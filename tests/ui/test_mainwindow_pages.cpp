// The main window on each of its eight pages with the demo project loaded: every page shows its
// heading whole, and `make screenshots` keeps a picture of each.
#include "UiTestSupport.h"

#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MainUnit.h"

#include "TamveloxVersion.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv;

namespace {

// Copies a folder tree; false when any file could not be copied.
bool CopyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        ok = QFile::copy(source, target) && ok;
    }
    return ok;
}

struct TPageShot {
    const char* heading; // objectName of the page's heading label
    const char* text;
    const char* shot;
};
const TPageShot kPages[] = {
    {"lbStartHeading", "Welcome to Tamrin Installer Velox !!", "main_page0_start"},
    {"lbFull_WindowHeading", "Main Window", "main_page1_main_window"},
    {"lbDialogsHeading", "Dialog Windows", "main_page2_dialog_window"},
    {"lbFilesHeading", "Files & Shortcuts", "main_page3_files"},
    {"lbSystemHeading", "Registry & INI Changes", "main_page4_system"},
    {"lbRunHeading", "Run Application on Installation", "main_page5_run"},
    {"lbRunUninstallHeading", "Run Application on Uninstallation", "main_page6_run_uninstall"},
    {"lbBuildHeading", "Build Scripts", "main_page7_finish"},
};

} // namespace

class TestMainWindowPages final : public QObject {
    Q_OBJECT

private slots:
    void everyPageWithTheDemoLoaded() {
        const QString demoDir = QString(TAMVELOX_SOURCE_DIR) + "/examples/demo";
        if (!QFile::exists(demoDir + "/demo.tvx"))
            QSKIP("the demo project is not there");
        // A copy two levels down, so that the demo's deployment folder (../../out/demo-deploy)
        // lands in the temporary folder too and nothing touches the source tree.
        QTemporaryDir dir;
        QVERIFY(CopyTree(demoDir, dir.filePath("work/demo")));
        const QString demo = dir.filePath("work/demo/demo.tvx");

        tvtest::resetSeams();
        TMain w({demo});
        w.show();
        QCoreApplication::processEvents();
        QCOMPARE(w.windowTitle(), "Tamrin Installer Velox - " + QDir::toNativeSeparators(demo));
        QVERIFY(!w.Project().Modified);
        QVERIFY(TwzDialog::AskedTexts().isEmpty());

        auto* wiz = w.findChild<TwzWizardTree*>("wiz");
        auto* pages = w.findChild<QStackedWidget*>("wizPages");
        for (int i = 0; i < TMain::kPageCount; ++i) {
            QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(i).center());
            QCOMPARE(pages->currentIndex(), i);
            auto* heading = pages->currentWidget()->findChild<QLabel*>(kPages[i].heading);
            QVERIFY2(heading, kPages[i].heading);
            QCOMPARE(heading->text(), QString(kPages[i].text));
            // The heading is shown whole, inside its page.
            QVERIFY(heading->isVisible());
            QVERIFY(heading->width() >= heading->sizeHint().width());
            QVERIFY(heading->geometry().right() < pages->width());
            if (i == TMain::kPageCount - 1) {
                // The last page after building the demo.
                TwzDialog::ScriptAnswers({mrYes});
                w.findChild<QPushButton*>("btBuild")->click();
                QCOMPARE(TwzDialog::AskedTexts().size(), 1);
                QVERIFY(QFile::exists(dir.filePath("out/demo-deploy/demo.TZN")));
            }
            QVERIFY(tvtest::saveShot(&w, kPages[i].shot));
        }
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestMainWindowPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow_pages.moc"
