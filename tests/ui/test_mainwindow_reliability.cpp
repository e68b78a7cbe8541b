// The window's document and build commands where they used to lose or misplace work: a Load that
// fails keeps the open project, New and Load forget the last build's script, Build refuses edits
// that never reached the project file, Save into another folder asks about relative paths, and no
// command of the window touches anything outside its deployment folder and its project file.
#include "UiTestSupport.h"

#include "core/ProjectFile.h"
#include "deploy/BuildUi.h"
#include "deploy/CompileLauncher.h"
#include "tests/support/SandboxTree.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/pages/BuildPage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace tv;

namespace {

const QString kNotSaved = "Script has some edited fields, /#please save before continue";
const QString kCloseQuestion = "Script is not saved yet,/#Continue ?";

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestMainWindowReliability final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<TMain> m_Main;

    QString Path(const QString& name) const { return m_Dir->filePath(name); }
    template <class T = QWidget> T* Child(const char* name) const { return m_Main->findChild<T*>(name); }
    void Click(const char* name) { Child<QAbstractButton>(name)->click(); }
    void Type(const char* field, const QString& text) {
        auto* edit = Child<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    TMain& Open() {
        m_Main = std::make_unique<TMain>();
        m_Main->show();
        QCoreApplication::processEvents(); // the queued start-up
        return *m_Main;
    }
    // Loads a project file through the Load button.
    void Load(const QString& file) {
        TNameSeam::ScriptNames({file});
        Click("btLoad");
    }
    // Saves through the Save button under file; answers are for the questions it asks.
    void Save(const QString& file, std::vector<int> answers = {}) {
        TwzDialog::ScriptAnswers(std::move(answers));
        TNameSeam::ScriptNames({file});
        Click("btSave");
    }
    // A project file with an application file, deploying to deploy/ beside it (relative paths).
    QString WriteProject(const QString& name) {
        if (!WriteFile(Path("proj/app/app.exe"), "app") || !WriteFile(Path("proj/docs/readme.txt"), "readme"))
            return {};
        TProject p;
        NewProject(p, Path("data").toStdString());
        p.AppName = "Written";
        p.MiscDeployment = "deploy";
        p.AppReadme = "docs/readme.txt";
        p.AppLicense = "-";
        p.DialogTitleBMP = "-";
        TFileRecord& file = p.tbFiles.Append();
        file.FileName = "app/app.exe";
        file.FilePath = "%InstallPath%";
        SaveProject(p, Path(name).toStdString());
        return Path(name);
    }

private slots:
    void init() {
        m_Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dir->isValid());
        tvtest::resetSeams();
        qunsetenv(kCompilerEnvVar);
    }
    void cleanup() {
        m_Main.reset();
        m_Dir.reset();
        tvtest::resetSeams(false);
        qunsetenv(kCompilerEnvVar);
    }

    void aFailedLoadLeavesTheOpenProjectAsItWas() {
        TMain& w = Open();
        const QString file = WriteProject("proj/p.tvx");
        Load(file);
        QCOMPARE(w.windowTitle(), "Tamrin Installer Velox - " + file);
        Type("edAppName", "Edited");
        Type("edCheckWindow", "Main Window"); // an edit that leaves Modified as it is
        QVERIFY(w.Project().Modified);
        QVERIFY(WriteFile(Path("notes.tvx"), "just some text\r\n"));

        // Yes: the edits may go for a project; OK on "... is not a project file".
        TwzDialog::ScriptAnswers({mrYes, mrOk});
        Load(Path("notes.tvx"));
        const QStringList asked = TwzDialog::AskedTexts();
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0], kCloseQuestion);
        QVERIFY(asked[1].contains("notes.tvx"));
        QCOMPARE(w.windowTitle(), "Tamrin Installer Velox - " + file);
        QCOMPARE(QString::fromStdString(w.Project().FileName), file);
        QVERIFY(w.Project().Modified);
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString("Edited"));
        QCOMPARE(Child<QLineEdit>("edCheckWindow")->text(), QString("Main Window"));
        QCOMPARE(QString::fromStdString(w.Project().AppName), QString("Edited"));
        QCOMPARE(w.Project().tbFiles.Count(), 1);

        // The edits are still unsaved work: closing asks.
        TwzDialog::ClearScript();
        TwzDialog::ScriptAnswers({mrNo});
        w.close();
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{kCloseQuestion});
        QVERIFY(w.isVisible());
    }

    void newAndLoadForgetTheLastBuild() {
        TMain& w = Open();
        const QString file = WriteProject("proj/p.tvx");
        QVERIFY(QDir().mkpath(Path("proj/folder.tvx")));
        w.BuildPage()->setCompileOptions({0, 0, true});
        for (const QString command : {"btNew", "btLoad"}) {
            TwzDialog::ClearScript();
            TwzDialog::RefuseUnscripted(true);
            Load(file);
            Click("btWizFinish");
            TwzDialog::ScriptAnswers({mrYes});
            Click("btBuild");
            QCOMPARE(QString::fromStdString(w.ScriptPath()), Path("proj/deploy/p.TZN"));

            // A Load that fails changes nothing, the build's script included.
            TwzDialog::ScriptAnswers({mrOk});
            Load(Path("proj/folder.tvx"));
            QCOMPARE(QString::fromStdString(w.ScriptPath()), Path("proj/deploy/p.TZN"));

            if (command == "btLoad")
                Load(file);
            else
                Click("btNew");
            QVERIFY2(w.ScriptPath().empty(), qPrintable(command));
            Click("btWizFinish");
            TwzDialog::ClearScript();
            TwzDialog::RefuseUnscripted(true);
            TwzDialog::ScriptAnswers({mrOk});
            Click("btCompile");
            const QStringList asked = TwzDialog::AskedTexts();
            QCOMPARE(asked.size(), 1);
            QVERIFY2(asked[0].contains("build the project first"), qPrintable(asked[0]));
            QVERIFY(!asked[0].contains("p.TZN"));
            QCOMPARE(w.BuildPage()->ProgressState(lbC1), int(psFailed));
        }
    }

    void buildRefusesEditsThatNeverReachedTheProjectFile() {
        TMain& w = Open();
        const QString file = WriteProject("proj/p.tvx");
        Load(file);
        Type("edCheckMutex", "AppMutex");
        QVERIFY(!w.Project().Modified);
        Click("btWizFinish");
        TwzDialog::ScriptAnswers({mrOk});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{kNotSaved});
        QVERIFY(!QFileInfo::exists(Path("proj/deploy")));

        // Saved, it builds.
        Save(file);
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(ReadFile(Path("proj/deploy/p.TZN")).size() > 0);
        QVERIFY(ReadFile(Path("proj/deploy/p/Presetup/TZNS.INI")).contains("AppMutex"));
    }

    void saveIntoAnotherFolderAsksAboutRelativePaths() {
        TMain& w = Open();
        const QString file = WriteProject("proj/p.tvx");
        Load(file);
        QDir().mkpath(Path("moved/deeper"));

        // No keeps them as typed.
        Save(Path("moved/kept.tvx"), {mrNo});
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
        const QString question = TwzDialog::AskedTexts()[0];
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtConfirmation);
        QVERIFY(question.contains("docs/readme.txt"));
        QVERIFY(question.contains("app/app.exe"));
        QVERIFY(question.contains("Deployment folder"));
        QCOMPARE(Child<QLineEdit>("edAppReadme")->text(), QString("docs/readme.txt"));
        QVERIFY(ReadFile(Path("moved/kept.tvx")).contains("App.Readme=docs/readme.txt\r\n"));

        // Yes rewrites them from the new folder: the fields show it, the file holds it, and a build
        // of the moved project finds the same files.
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        Load(file);
        Save(Path("moved/deeper/p.tvx"), {mrYes});
        QCOMPARE(w.windowTitle(), "Tamrin Installer Velox - " + Path("moved/deeper/p.tvx"));
        QCOMPARE(Child<QLineEdit>("edAppReadme")->text(), QString("../../proj/docs/readme.txt"));
        QCOMPARE(Child<QLineEdit>("edMiscDeployment")->text(), QString("../../proj/deploy"));
        QVERIFY(!w.Project().Modified);
        QVERIFY(ReadFile(Path("moved/deeper/p.tvx")).contains("File000=../../proj/app/app.exe|"));
        Click("btWizFinish");
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QCOMPARE(ReadFile(Path("proj/deploy/p/Data/app.exe")), QByteArray("app"));
        QCOMPARE(ReadFile(Path("proj/deploy/p/Presetup/readme.txt")), QByteArray("readme"));
    }

    void noWindowCommandTouchesAnythingOutsideItsOwnFiles() {
#ifdef FAKE_COMPILER_PATH
        qputenv(kCompilerEnvVar, QByteArray("\"") + FAKE_COMPILER_PATH + "\"");
#endif
        tvtest::TSandboxTree tree;
        const QString root = QString::fromStdString(tree.str());
        TMain& w = Open();
        auto step = [&](const char* what, const std::vector<std::string>& allowed, auto&& command) {
            const auto before = tree.Fingerprint();
            TwzDialog::ClearScript();
            TwzDialog::RefuseUnscripted(true);
            command();
            const auto changed = tvtest::TSandboxTree::ChangedOutside(before, tree.Fingerprint(), allowed);
            QVERIFY2(changed.empty(),
                     qPrintable(QString(what) + ": " +
                                QString::fromStdString(changed.empty() ? "" : changed.front())));
        };
        step("load", {}, [&] { Load(root + "/project/p.tvx"); });
        QCOMPARE(QString::fromStdString(w.Project().AppName), QString("Sandbox"));
        Click("btWizFinish");
        step("build", {"deploy/p"}, [&] {
            TwzDialog::ScriptAnswers({mrYes});
            Click("btBuild");
        });
        QCOMPARE(w.BuildPage()->ProgressState(lbB5), int(psDone));
        step("compile", {"deploy/p"}, [&] {
            w.BuildPage()->setCompileOptions({0, 0, true});
            TwzDialog::ScriptAnswers({mrNo});
            Click("btCompile");
        });
        step("save to another folder", {"elsewhere/q.tvx", "elsewhere/q.BAK"},
             [&] { Save(root + "/elsewhere/q.tvx", {mrYes}); });
        step("save over it", {"elsewhere/q.tvx", "elsewhere/q.BAK"},
             [&] { Save(root + "/elsewhere/q.tvx"); });
        step("load the trap", {}, [&] { Load(root + "/project/trap.tvx"); });
        step("build the trap", {"deploy/trap"}, [&] {
            TwzDialog::ScriptAnswers({mrYes, mrYes, mrOk});
            Click("btBuild");
        });
        step("load and build into the user's folder", {}, [&] {
            Load(root + "/project/Documents.tvx");
            TwzDialog::ScriptAnswers({mrYes, mrOk});
            Click("btBuild");
        });
        QVERIFY(TwzDialog::AskedTexts().last().contains("was not made by a build"));
        step("new", {}, [&] { Click("btNew"); });
#ifdef FAKE_COMPILER_PATH
        QVERIFY(QFileInfo::exists(root + "/deploy/p.EXE"));
#endif
        QCOMPARE(ReadFile(root + "/outside/secret.txt"), QByteArray("secret"));
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestMainWindowReliability test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow_reliability.moc"
