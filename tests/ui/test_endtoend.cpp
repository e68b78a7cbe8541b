// An author's whole session in the window, from New to a compiled setup: an application's folder
// added with its sub-folders and flags, shortcuts, programs to run, the Start page filled, the
// project saved, built and compiled. The deployment folder must be the one the console tool builds
// from the same project file, byte for byte.
#include "UiTestSupport.h"

#include "core/MsgDlg.h"
#include "deploy/CompileLauncher.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/pages/BuildPage.h"
#include "ui/pages/FileAddUnit.h"
#include "ui/pages/FileRunUnit.h"
#include "ui/pages/FileShortcutsUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace tv;
using tvtest::OnNextModal;
using tvtest::WriteFile;

namespace {

// Every file and folder below root by relative path: a file's bytes, "<folder>" for a folder.
QMap<QString, QByteArray> Tree(const QString& root) {
    QMap<QString, QByteArray> tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            tree[rel] = "<folder>";
        } else {
            QFile f(path);
            tree[rel] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
        }
    }
    return tree;
}

// The first difference of two trees, or "" when they are equal.
QString Difference(const QMap<QString, QByteArray>& a, const QMap<QString, QByteArray>& b) {
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (!b.contains(it.key()))
            return "only in the window's: " + it.key();
        else if (b.value(it.key()) != it.value())
            return "differs: " + it.key();
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        if (!a.contains(it.key()))
            return "only in the console's: " + it.key();
    return {};
}

} // namespace

class TestEndToEnd final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<TMain> m_Main;

    QString Path(const QString& name) const { return m_Dir->filePath(name); }
    template <class T = QWidget> T* Child(const char* name) const {
        T* w = m_Main->findChild<T*>(name);
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
    void Click(const char* name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }
    void Type(const char* name, const QString& text) { QTest::keyClicks(Child<QLineEdit>(name), text); }
    int Step() const { return Child<QStackedWidget>("wizPages")->currentIndex(); }

    // The files of an application as its author keeps them: sub-folders, a name beyond ASCII, a
    // version-control folder and a link to a folder elsewhere, which are no part of the setup.
    void MakeApplication() {
        const QString app = Path("work/app/");
        QVERIFY(WriteFile(app + "Demo.exe", QByteArray(70 * 1024, 'x')));
        QVERIFY(WriteFile(app + "bin/core.dll", "core"));
        QVERIFY(WriteFile(app + "bin/plugins/paint.dll", "paint"));
        QVERIFY(WriteFile(app + "lang/de/messages.txt", "Hallo"));
        QVERIFY(WriteFile(app + "lang/fr/messages.txt", "Bonjour"));
        QVERIFY(WriteFile(app + QString("docs/Caf\u00e9 menu.txt"), "menu"));
        QVERIFY(WriteFile(app + ".svn/entries", "not for the setup"));
        QVERIFY(WriteFile(Path("elsewhere/big.dat"), "not for the setup either"));
        QVERIFY(QFile::link(Path("elsewhere"), app + "linked"));
        QVERIFY(WriteFile(Path("work/readme.txt"), "Read me first"));
        QVERIFY(WriteFile(Path("work/license.txt"), "Licence terms"));
    }

    void AddRunEntry(const char* button, const QString& appName, const QString& arguments, int waiting) {
        bool opened = false;
        OnNextModal<TFileRun>([&](TFileRun* d) {
            opened = true;
            QTest::keyClicks(d->findChild<QComboBox*>("cbAppName")->lineEdit(), appName);
            QTest::keyClicks(d->findChild<QLineEdit*>("edArguments"), arguments);
            d->findChild<QComboBox*>("cbWaiting")->setCurrentIndex(waiting);
            QTest::mouseClick(d->findChild<QWidget*>("doOK"), Qt::LeftButton);
            if (d->isVisible())
                d->reject();
        });
        Click(button);
        QVERIFY2(opened, button);
    }

private slots:
    void initTestCase() { tvtest::isolateEnvironment(); }
    void init() {
        m_Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dir->isValid());
        tvtest::resetSeams();
    }
    void cleanup() {
        m_Main.reset();
        m_Dir.reset();
        tvtest::resetSeams(false);
        qunsetenv(kCompilerEnvVar);
    }

    void fromNewToACompiledSetupAsTheConsoleToolBuildsIt() {
#if !defined(TAMVELOX_CLI_PATH) || !defined(FAKE_COMPILER_PATH)
        QSKIP("the console tool or the stand-in compiler is not built");
#else
        MakeApplication();
        if (QTest::currentTestFailed())
            return;
        m_Main = std::make_unique<TMain>();
        m_Main->show();
        QCoreApplication::processEvents();
        // Someone worked here before: New starts over.
        m_Main->Project().AppName = "left over";
        m_Main->Project().FieldChanged();
        TwzDialog::ScriptAnswers({mrYes});
        Click("btNew");
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        QCOMPARE(m_Main->Project().AppName, std::string());

        // Start page: what the setup is called, where it goes, its texts, where the build goes
        // (relative to the project file).
        QCOMPARE(Step(), 0);
        Type("edAppName", "Demo Application 2.0");
        Type("edAppInstFolderName", "\\Demo");
        Type("edAppGroupFolderName", "\\Demo Group");
        TNameSeam::ScriptNames({Path("work/readme.txt"), Path("work/license.txt")});
        Click("edAppReadmeBtn");
        Click("edAppLicenseBtn");
        Type("edMiscDeployment", "deploy");
        QCOMPARE(QString::fromStdString(m_Main->Project().AppReadme),
                 QDir::toNativeSeparators(Path("work/readme.txt")));

        // Files & Shortcuts: the application's folder, below %InstallPath%\Demo, never overwriting
        // and without the version check.
        for (int i = 0; i < 3; ++i)
            Click("btWizNext");
        QCOMPARE(Step(), 3);
        bool added = false;
        OnNextModal<TFileAdd>([&](TFileAdd* d) {
            QVERIFY(d->SetFolder(Path("work/app")));
            d->findChild<QComboBox*>("cbTarget")->setCurrentIndex(0);
            QTest::keyClicks(d->findChild<QLineEdit*>("edTargetPath"), "\\Demo");
            d->findChild<QCheckBox*>("cbNoVersionCheck")->click();
            d->findChild<QCheckBox*>("cbDontOverwrite")->click();
            QTest::mouseClick(d->findChild<QToolButton*>("btFolderAdd"), Qt::LeftButton);
            added = d->SelectedFiles().size() == 6;
            d->findChild<QPushButton*>("doOK")->click();
        });
        Click("btFileAdd");
        QVERIFY(added);
        // The version-control folder is left out, and the author is told.
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(TwzDialog::AskedTexts()[0].contains(".svn: its name begins with"));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtWarning);
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        QCOMPARE(m_Main->Project().tbFiles.Count(), 6);
        QCOMPARE(Child<QTableView>("lvFiles")->model()->rowCount(), 6);

        OnNextModal<TFileShortcuts>([&](TFileShortcuts* d) {
            auto* target = d->findChild<QComboBox*>("cbObjectPath");
            target->setCurrentIndex(target->findText("%InstallPath%\\Demo\\Demo.exe"));
            QTest::keyClicks(d->findChild<QLineEdit*>("edShortcut"), "Demo");
            d->findChild<QPushButton*>("doAdd")->click();
            target->setCurrentIndex(
                target->findText(QString("%InstallPath%\\Demo\\docs\\Caf\u00e9 menu.txt")));
            QTest::keyClicks(d->findChild<QLineEdit*>("edShortcut"), "Menu");
            d->findChild<QPushButton*>("doAdd")->click();
            d->findChild<QPushButton*>("doAddUninstaller")->click();
            d->findChild<QPushButton*>("doDone")->click();
        });
        Click("btShortcutAdd");
        QCOMPARE(m_Main->Project().tbShortcuts.Count(), 3);

        // Programs to run after installing and before uninstalling.
        Click("btWizNext");
        Click("btWizNext");
        QCOMPARE(Step(), 5);
        AddRunEntry("btRunAfterAdd", "Demo\\Demo.exe", "/first-run", 0);
        Click("btWizNext");
        AddRunEntry("btRunBeforeUnAdd", "Demo\\Demo.exe", "/cleanup", 1);
        QCOMPARE(m_Main->Project().RunAfter.size(), std::size_t(1));
        QCOMPARE(m_Main->Project().RunBeforeUn.size(), std::size_t(1));

        const QString projectFile = Path("work/Demo.tvx");
        TNameSeam::ScriptNames({projectFile});
        TwzDialog::ScriptAnswers({mrYes}); // paths inside the project's folder become relative
        Click("btSave");
        QVERIFY(!m_Main->Project().Modified);
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("relative to the project's folder"));
        TwzDialog::ClearScript();

        // Build: only the question whether to clear the folder, then every line done.
        Click("btWizFinish");
        TBuildPage* page = m_Main->BuildPage();
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        for (int line = 0; line < kProgressLineCount - 1; ++line)
            QCOMPARE(page->ProgressState(line), int(psDone));

        // Compile with the stand-in compiler; the setup program is not run.
        qputenv(kCompilerEnvVar, QByteArray("'") + FAKE_COMPILER_PATH + "'");
        page->setCompileOptions({0, 0, true});
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrNo});
        Click("btCompile");
        QCOMPARE(page->ProgressState(lbC1), int(psDone));
        QVERIFY(TwzDialog::AskedTexts().back().startsWith("Run \""));
        QVERIFY(QFileInfo::exists(Path("work/deploy/Demo.EXE")));

        // The console tool builds from the same file into the same place.
        const QMap<QString, QByteArray> fromWindow = Tree(Path("work/deploy"));
        QVERIFY(QDir(Path("work/deploy")).rename(Path("work/deploy"), Path("work/window-deploy")));
        QProcess cli;
        cli.start(TAMVELOX_CLI_PATH, {"build", projectFile});
        QVERIFY(cli.waitForFinished(-1));
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        QMap<QString, QByteArray> fromConsole = Tree(Path("work/deploy"));
        QVERIFY(!fromWindow.isEmpty());
        QMap<QString, QByteArray> windowBuild = fromWindow;
        QVERIFY(windowBuild.remove("Demo.EXE") == 1); // what Compile added
        QCOMPARE(Difference(windowBuild, fromConsole), QString());

        // What the author asked for is in it: the application's tree without the folders that were
        // no part of it, and the texts.
        QStringList data;
        for (auto it = fromWindow.cbegin(); it != fromWindow.cend(); ++it)
            if (it.key().startsWith("Demo/Data/") && it.value() != "<folder>")
                data << it.key().mid(QString("Demo/Data/").size());
        QCOMPARE(data, (QStringList{"Demo/Demo.exe", "Demo/bin/core.dll", "Demo/bin/plugins/paint.dll",
                                    QString("Demo/docs/Caf\u00e9 menu.txt"), "Demo/lang/de/messages.txt",
                                    "Demo/lang/fr/messages.txt"}));
        QCOMPARE(fromWindow.value("Demo/Data/Demo/bin/plugins/paint.dll"), QByteArray("paint"));
        QCOMPARE(fromWindow.value("Demo/Presetup/readme.txt"), QByteArray("Read me first"));
        QCOMPARE(fromWindow.value("Demo/Presetup/license.txt"), QByteArray("Licence terms"));
        QVERIFY(fromWindow.value("Demo/Presetup/APP.INS")
                    .contains("RunAfter000=\"%InstallPath%\\Demo\\Demo.exe\",\"/"
                              "first-run\",\"%InstallPath%\",1,\"\",0"));
#endif
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_endtoend.moc"
