// Files and shortcuts made in the window end in the project file exactly as the console tool saves
// the same project, and come back whole when it is loaded again.
#include "UiTestSupport.h"

#include "core/MsgDlg.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/pages/FileAddUnit.h"
#include "ui/pages/FileShortcutsUnit.h"
#include "ui/pages/FilesPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace tv;
using tvtest::OnNextModal;
using tvtest::ReadFile;
using tvtest::Touch;

class TestMainWindowFiles final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tvtest::isolateEnvironment(); }

    void filesAndShortcutsMadeInTheWindowSaveAsTheConsoleToolDoes() {
        QTemporaryDir dir;
        for (const char* name : {"app/Demo.exe", "app/bin/core.dll", "app/help/Demo.hlp"})
            QVERIFY(Touch(dir.filePath(name)));

        tvtest::resetSeams();
        TMain w;
        w.show();
        QCoreApplication::processEvents();
        w.findChild<QLineEdit*>("edMiscDeployment")->setText(dir.filePath("deploy"));
        for (int i = 0; i < 3; ++i)
            w.findChild<QPushButton*>("btWizNext")->click();
        auto* page = w.Page<TFilesPage>();
        QCOMPARE(w.findChild<QStackedWidget*>("wizPages")->currentWidget(), static_cast<QWidget*>(page));

        OnNextModal<TFileAdd>([&](TFileAdd* d) {
            QVERIFY(d->SetFolder(dir.filePath("app")));
            d->findChild<QComboBox*>("cbTarget")->setCurrentIndex(0);
            QTest::keyClicks(d->findChild<QLineEdit*>("edTargetPath"), "\\Demo");
            d->findChild<QCheckBox*>("cbNoVersionCheck")->click();
            d->findChild<QCheckBox*>("cbDontOverwrite")->click();
            QTest::mouseClick(d->findChild<QToolButton*>("btFolderAdd"), Qt::LeftButton);
            d->findChild<QPushButton*>("doOK")->click();
        });
        QTest::mouseClick(page->findChild<QToolButton*>("btFileAdd"), Qt::LeftButton);
        QCOMPARE(w.Project().tbFiles.Count(), 3);

        OnNextModal<TFileShortcuts>([&](TFileShortcuts* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>("edShortcut"), "Demo");
            QTest::keyClicks(d->findChild<QLineEdit*>("edArguments"), "/fast");
            d->findChild<QPushButton*>("doAdd")->click();
            d->findChild<QPushButton*>("doAddUninstaller")->click();
            d->findChild<QPushButton*>("doDone")->click();
        });
        QTest::mouseClick(page->findChild<QToolButton*>("btShortcutAdd"), Qt::LeftButton);
        QCOMPARE(w.Project().tbShortcuts.Count(), 2);
        QVERIFY(w.Project().Modified);

        const QString fromWindow = dir.filePath("window.tvx");
        TNameSeam::ScriptNames({fromWindow});
        w.findChild<QToolButton*>("btSave")->click();
        QVERIFY(!w.Project().Modified);
        const QByteArray saved = ReadFile(fromWindow);
        QVERIFY(
            saved.contains("File001=" + QDir::toNativeSeparators(dir.filePath("app/bin/core.dll")).toUtf8() +
                           "|%InstallPath%\\Demo\\bin|NO_VERSION_CHECK+DONT_OVERWRITE\r\n"));
        QVERIFY(saved.contains(
            "Shortcut000=%AppFolder%|Demo|%InstallPath%\\Demo\\Demo.exe|/fast|%InstallPath%\r\n"));

#ifdef TAMVELOX_CLI_PATH
        const QString cli = TAMVELOX_CLI_PATH;
#else
        const QString cli = QCoreApplication::applicationDirPath() + "/../../cli/tamvelox-cli";
#endif
        QVERIFY2(QFile::exists(cli), qPrintable(cli));
        const QString fromCli = dir.filePath("cli.tvx");
        QCOMPARE(QProcess::execute(cli, {"save", fromWindow, fromCli}), 0);
        QCOMPARE(ReadFile(fromCli), saved);

        // Loaded again, the lists show the same rows.
        const TProject before = w.Project();
        w.findChild<QToolButton*>("btNew")->click();
        QCOMPARE(page->findChild<QTableView*>("lvFiles")->model()->rowCount(), 0);
        TNameSeam::ScriptNames({fromWindow});
        TwzDialog::ScriptAnswers({mrYes}); // New left the project unsaved: discard it
        w.findChild<QToolButton*>("btLoad")->click();
        QCOMPARE(page->findChild<QTableView*>("lvFiles")->model()->rowCount(), 3);
        QCOMPARE(page->findChild<QTableView*>("lvShortcuts")->model()->rowCount(), 2);
        QCOMPARE(page->findChild<QTableView*>("lvFiles")->model()->index(2, 1).data().toString(),
                 QString("%InstallPath%\\Demo\\help"));
        QCOMPARE(w.Project().tbFiles.Records[1].FlagsText(), before.tbFiles.Records[1].FlagsText());

        // The project has its folder now: files added from inside it are kept by relative paths.
        QVERIFY(Touch(dir.filePath("more/extra.dll")));
        OnNextModal<TFileAdd>([&](TFileAdd* d) {
            QVERIFY(d->SetFolder(dir.filePath("more")));
            QTest::mouseClick(d->findChild<QToolButton*>("btFolderAdd"), Qt::LeftButton);
            d->findChild<QPushButton*>("doOK")->click();
        });
        QTest::mouseClick(page->findChild<QToolButton*>("btFileAdd"), Qt::LeftButton);
        QCOMPARE(w.Project().tbFiles.Count(), 4);
        QCOMPARE(QString::fromStdString(w.Project().tbFiles.Records[3].FileName),
                 QDir::toNativeSeparators("more/extra.dll"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestMainWindowFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow_files.moc"
