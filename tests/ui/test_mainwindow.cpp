// The main window: its frame, wizard navigation, the document buttons (new, load, save, exit) with
// the states and captions they leave, the start-up argument, the close question and About.
#include "UiTestSupport.h"

#include "core/DocumentCommands.h"
#include "core/ProjectFile.h"
#include "deploy/ScriptWriter.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/wzAboutFormUnit.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/pages/BuildPage.h"
#include "ui/main/MainUnit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace tv;
using tvtest::ReadFile;

namespace {

const QString kBlankMessage = "Deployment folder may not blank,/#setup will be build in that folder";
const QString kCloseQuestion = "Script is not saved yet,/#Continue ?";

QString Title(const QString& name) {
    return QString("Tamrin Installer Velox - ") + name;
}

// The plain message boxes the window showed.
QStringList PlainMessages() {
    QStringList texts;
    for (const TwzDialog::TAsked& asked : TwzDialog::AskedMessages())
        if (asked.plain)
            texts << asked.text;
    return texts;
}

} // namespace

class TestMainWindow final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    std::unique_ptr<TMain> m_Main;

    QString Path(const QString& name) const { return m_Dir.filePath(name); }

    // A window as the program makes it, started up with arguments.
    TMain& Open(const QStringList& arguments = {}) {
        m_Main.reset();
        tvtest::resetSeams();
        m_Main = std::make_unique<TMain>(arguments);
        m_Main->show();
        QCoreApplication::processEvents(); // the queued start-up
        return *m_Main;
    }
    template <class T = QWidget> T* Child(const char* name) const {
        T* w = m_Main->findChild<T*>(name);
        if (!w)
            qWarning("no child %s", name);
        return w;
    }
    int Page() const { return Child<QStackedWidget>("wizPages")->currentIndex(); }
    int Step() const { return Child<TwzWizardTree>("wiz")->ItemIndex(); }
    // Previous, Next, Finish enabled, as a three-letter pattern ("-NF" for step 0).
    QString Buttons() const {
        return QString(Child<QPushButton>("btWizPrev")->isEnabled() ? "P" : "-") +
               (Child<QPushButton>("btWizNext")->isEnabled() ? "N" : "-") +
               (Child<QPushButton>("btWizFinish")->isEnabled() ? "F" : "-");
    }
    void Click(const char* name) { Child<QAbstractButton>(name)->click(); }
    void TypeAppName(const QString& text) {
        auto* edit = Child<QLineEdit>("edAppName");
        edit->setFocus();
        // Key by key, so that characters beyond ASCII arrive as typed text too.
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    // A project file written by core with a few recognisable values.
    QString WriteProject(const QString& name, const QString& appName) {
        TProject p;
        p.MiscDeployment = Path("deploy").toStdString();
        p.AppName = appName.toStdString();
        SaveProject(p, Path(name).toStdString());
        return Path(name);
    }

    // The engine files a build of a project named name writes, beside the script name.TZN.
    QString WriteEngineScript(const QString& name, const QString& appName) {
        TProject p;
        p.FileName = Path(name + ".tvx").toStdString();
        p.AppName = appName.toStdString();
        WriteScriptFile(p, Path(name + ".TZN").toStdString());
        WriteSettingsFile(p, Path(name + "/Presetup").toStdString());
        WriteInstallFile(p, Path(name + "/Presetup").toStdString());
        return Path(name + ".TZN");
    }

private slots:
    void initTestCase() {
        QVERIFY(m_Dir.isValid());
        QCoreApplication::setOrganizationName("TamveloxTests");
        QCoreApplication::setApplicationName("mainwindow");
    }
    void cleanup() {
        m_Main.reset();
        tvtest::resetSeams(false);
    }

    void frameAndStartState() {
        TMain& w = Open();
        QCOMPARE(w.size(), QSize(562, 359));
        // The designed size is the smallest; the window can grow and be maximised.
        QCOMPARE(w.minimumSize(), QSize(562, 359));
        QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(Child<QStackedWidget>("wizPages")->count(), 8);
        QCOMPARE(Child<TwzWizardTree>("wiz")->Items(),
                 QStringList({"Start", "Main Window", "Dialog Window", "Files & Shortcuts", "System Changes",
                              "Run App Install", "Run App Uninstall", "Finish"}));
        const QStringList pageNames = {"Start",  "Full_Window", "Dialogs",      "Files",
                                       "System", "Run",         "RunUninstall", "Build"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(Child<QStackedWidget>("wizPages")->widget(i)->objectName(), pageNames[i]);
        QCOMPARE(Child<QToolButton>("btSave")->toolTip(),
                 QString("Save Tamrin Installer Velox Script (*.tvx)"));
        QCOMPARE(Child<QToolButton>("btExit")->toolTip(), QString("Close Tamrin Installer Velox"));

        // Start-up without an argument runs New: untitled, modified, first page.
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));
        QVERIFY(w.Project().Modified);
        QCOMPARE(Page(), 0);
        QCOMPARE(Buttons(), QString("-NF"));
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
        QVERIFY(PlainMessages().isEmpty()); // the file type was registered
        tvtest::saveShot(&w, "main_frame");
    }

    void failedRegistrationIsShownAndStartUpGoesOn() {
        // The data home below a regular file: nothing can be written there.
        QFile blocker(Path("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", Path("blocker/data").toUtf8());
        TMain& w = Open();
        qputenv("XDG_DATA_HOME", dataHome);
        QCOMPARE(PlainMessages(), QStringList{"Can not set .TVX extension to Tamrin Installer Velox"});
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));
        QCOMPARE(Page(), 0);
    }

    void nextPreviousAndFinish() {
        Open();
        for (int i = 1; i <= 6; ++i)
            Click("btWizNext");
        QCOMPARE(Page(), 6);
        QCOMPARE(Buttons(), QString("PNF"));
        Click("btWizNext");
        QCOMPARE(Page(), 7);
        QCOMPARE(Step(), 7);
        QCOMPARE(Buttons(), QString("P--"));
        Click("btWizPrev");
        QCOMPARE(Page(), 6);
        QCOMPARE(Buttons(), QString("PNF"));
        for (int i = 0; i < 7; ++i)
            Click("btWizPrev"); // the extra presses stay on step 0
        QCOMPARE(Page(), 0);
        QCOMPARE(Buttons(), QString("-NF"));

        // Finish jumps from the first step to the last.
        Click("btWizFinish");
        QCOMPARE(Page(), 7);
        QCOMPARE(Step(), 7);
        QCOMPARE(Buttons(), QString("P--"));
    }

    void clickingStepsInTheList() {
        Open();
        auto* wiz = Child<TwzWizardTree>("wiz");
        Click("btWizNext");
        QCOMPARE(Page(), 1);
        QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(4).center());
        QCOMPARE(Page(), 4);
        QCOMPARE(Step(), 4);
        QCOMPARE(Buttons(), QString("PNF"));
        QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(4).center());
        QCOMPARE(Page(), 4);
        QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(7).center());
        QCOMPARE(Page(), 7);
        QCOMPARE(Buttons(), QString("P--"));
        QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(0).center());
        QCOMPARE(Page(), 0);
        QCOMPARE(Buttons(), QString("-NF"));
    }

    void newAsksBeforeDiscardingChanges() {
        TMain& w = Open();
        TypeAppName("Changed");
        QCOMPARE(QString::fromStdString(w.Project().AppName), QString("Changed"));
        w.Project().tbFiles.Append().FileName = "/src/a.exe";
        Click("btWizFinish");
        w.BuildPage()->SetProgressState(lbB3, psDone);

        // No keeps every edit where it was.
        TwzDialog::ScriptAnswers({mrNo});
        Click("btNew");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{"Script is not saved yet,/#Continue ?"});
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString("Changed"));
        QCOMPARE(w.Project().tbFiles.Count(), 1);
        QCOMPARE(Page(), 7);

        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrYes});
        Click("btNew");
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));
        QVERIFY(w.Project().Modified);
        QVERIFY(w.Project().tbFiles.Empty());
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString());
        QCOMPARE(Page(), 0);
        QCOMPARE(Buttons(), QString("-NF"));
        QCOMPARE(w.BuildPage()->ProgressState(lbB3), int(psIdle));

        // A project with nothing to lose is replaced without a question.
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        Click("btNew");
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
    }

    void loadAProjectAnEngineScriptOrNothing() {
        TMain& w = Open();
        const QString file = WriteProject("loaded.tvx", "Loaded App");

        TNameSeam::ScriptNames({QString()}); // cancelled
        TypeAppName("Kept");
        Click("btLoad");
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString("Kept"));
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));

        Click("btWizNext");
        TNameSeam::ScriptNames({file});
        TwzDialog::ScriptAnswers({mrYes}); // "Kept" was typed and never saved
        Click("btLoad");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{"Script is not saved yet,/#Continue ?"});
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        QCOMPARE(TNameSeam::Asked().back().dialog, QString("OpenDialog1"));
        QCOMPARE(w.windowTitle(), Title(file));
        QVERIFY(!w.Project().Modified);
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString("Loaded App"));
        QCOMPARE(Page(), 0);
        QCOMPARE(Buttons(), QString("-NF"));

        // An engine script becomes a new, untitled, modified project that the pages show.
        TNameSeam::ScriptNames({WriteEngineScript("picked", "Imported App")});
        Click("btLoad");
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));
        QVERIFY(w.Project().Modified);
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString("Imported App"));
        QVERIFY(TwzDialog::AskedTexts().isEmpty()); // nothing lost: no message
        // Builds name their scripts in capitals; a dialog that tells letter case apart still lists them.
        QVERIFY(w.findChild<QFileDialog*>("OpenDialog1")->nameFilters().join(' ').contains("*.TZN"));
    }

    void loadOfAFileThatIsNoProjectIsReported() {
        TMain& w = Open();
        QFile f(Path("other.tvx"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Something]\r\nKey=1\r\n");
        f.close();
        TwzDialog::ScriptAnswers({mrOk});
        TNameSeam::ScriptNames({Path("other.tvx")});
        Click("btLoad");
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("other.tvx"));
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));
        QVERIFY(w.Project().Modified);
    }

    void saveRefusesBlankDeploymentThenSavesWithBackup() {
        TMain& w = Open();
        TypeAppName("Saved App");
        w.Project().MiscDeployment = "-";
        TwzDialog::ScriptAnswers({mrOk});
        Click("btSave");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{kBlankMessage});
        QVERIFY(TNameSeam::Asked().empty());
        QVERIFY(w.Project().Modified);

        auto* deployment = Child<QLineEdit>("edMiscDeployment");
        deployment->setText(Path("deploy"));
        const QString file = Path("Saved.tvx");
        TNameSeam::ScriptNames({QString(), file});
        Click("btSave"); // cancelled
        QVERIFY(w.Project().Modified);
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));
        // The deployment folder lies inside the project's folder: offered as a relative path.
        TwzDialog::ScriptAnswers({mrNo});
        Click("btSave");
        QCOMPARE(TwzDialog::AskedTexts().size(), 2);
        QVERIFY(TwzDialog::AskedTexts()[1].contains("relative to the project's folder"));
        QCOMPARE(TNameSeam::Asked().size(), size_t(2));
        QCOMPARE(TNameSeam::Asked()[1].dialog, QString("SaveDialog1"));
        QCOMPARE(TNameSeam::Asked()[1].proposed, QString()); // never saved: no name proposed
        QVERIFY(!w.Project().Modified);
        QCOMPARE(w.windowTitle(), Title(file));
        const QByteArray first = ReadFile(file);
        QVERIFY(first.contains("Saved App"));

        // A second save proposes the file and keeps the old content as the backup.
        TypeAppName(" 2");
        TNameSeam::ScriptNames({file});
        Click("btSave");
        QCOMPARE(TNameSeam::Asked()[2].proposed, file);
        QCOMPARE(ReadFile(Path("Saved.BAK")), first);
        QVERIFY(ReadFile(file).contains("Saved App 2"));
        QCOMPARE(TwzDialog::AskedTexts().size(), 2); // nothing more asked in the same folder
    }

    // Ctrl+S saves a named project where it is; Ctrl+Shift+S and the button ask, and only another
    // existing file than the project's own brings the replace question.
    void ctrlSSavesInPlaceAndSaveAsAsksOnlyForAnotherFile() {
        TMain& w = Open();
        const QString file = WriteProject("Kept.tvx", "Kept");
        TNameSeam::ScriptNames({file});
        Click("btLoad");
        const QByteArray loaded = ReadFile(file);

        tvtest::resetSeams(true); // any name or message question now fails the step below
        TypeAppName(" 1");
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(TNameSeam::Asked().empty());
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
        QVERIFY(!w.Project().Modified);
        const QByteArray first = ReadFile(file);
        QVERIFY(first.contains("Kept 1"));
        TypeAppName("2");
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(ReadFile(file).contains("Kept 12"));
        QCOMPARE(ReadFile(Path("Kept.BAK")), first);
        QVERIFY(first != loaded);

        // Save As onto the same file: no question.
        tvtest::resetSeams(true);
        TypeAppName("3");
        TNameSeam::ScriptNames({file});
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(TNameSeam::Asked().size(), size_t(1));
        QCOMPARE(TNameSeam::Asked()[0].proposed, file);
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
        QVERIFY(ReadFile(file).contains("Kept 123"));

        // Onto another project's file: asked, and No keeps both files as they were.
        const QString other = WriteProject("Other.tvx", "Other");
        TypeAppName("4");
        TNameSeam::ScriptNames({other});
        TwzDialog::ScriptAnswers({mrNo});
        Click("btSave");
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(TwzDialog::AskedTexts()[0].endsWith("already exists./#Do you want to replace it?"));
        QVERIFY(ReadFile(other).contains("Other"));
        QVERIFY(w.Project().Modified);
        QCOMPARE(QString::fromStdString(w.Project().FileName), file);
    }

    // Once the project has a folder, a file picked inside it is kept by a relative path, so the
    // project can move with its folder; one outside, and the background bitmap (handed to the engine
    // as typed), keep their full paths.
    void filesPickedInsideTheProjectsFolderAreKeptRelative() {
        TMain& w = Open();
        QDir().mkpath(Path("proj/docs"));
        Child<QLineEdit>("edMiscDeployment")->setText(Path("deploy"));
        TNameSeam::ScriptNames({Path("proj/p.tvx")});
        Click("btSave");
        QVERIFY(!w.Project().Modified);

        TNameSeam::ScriptNames({Path("proj/docs/readme.txt"), Path("licence.txt")});
        Click("edAppReadmeBtn");
        Click("edAppLicenseBtn");
        QCOMPARE(QString::fromStdString(w.Project().AppReadme), QDir::toNativeSeparators("docs/readme.txt"));
        QCOMPARE(QString::fromStdString(w.Project().AppLicense), QDir::toNativeSeparators(Path("licence.txt")));

        TNameSeam::ScriptNames({Path("proj/title.bmp"), Path("proj/back.bmp")});
        Child<QAbstractButton>("edTznsBMPBtn")->click();
        Child<QAbstractButton>("edMainBackBMPBtn")->click();
        QCOMPARE(QString::fromStdString(w.Project().DialogTitleBMP), QString("title.bmp"));
        QCOMPARE(QString::fromStdString(w.Project().MainBGBitmap), QDir::toNativeSeparators(Path("proj/back.bmp")));

        TNameSeam::ScriptNames({Path("proj")}); // the project's folder itself stays a full path
        Child<QAbstractButton>("edMiscDeploymentBtn")->click();
        QCOMPARE(QString::fromStdString(w.Project().MiscDeployment), QDir::toNativeSeparators(Path("proj")));
    }

    void failedSaveIsReportedAndKeepsTheProjectModified() {
        TMain& w = Open();
        TypeAppName("Not Written");
        Child<QLineEdit>("edMiscDeployment")->setText(Path("deploy"));
        // A regular file where the project's folder should be: nothing can be written there.
        QFile blocker(Path("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TwzDialog::ScriptAnswers({mrOk});
        TNameSeam::ScriptNames({Path("not-a-folder/project.tvx")});
        Click("btSave");
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("project.tvx"));
        QVERIFY(w.Project().Modified);
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));
        // Closing still asks, so the unsaved edit is not lost silently.
        TwzDialog::ScriptAnswers({mrNo});
        QVERIFY(!w.close());
        QCOMPARE(TwzDialog::AskedTexts().last(), kCloseQuestion);
    }

    void savedFileEqualsTheConsoleToolsSave() {
        TMain& w = Open();
        TypeAppName("Same Bytes \u00e9");
        Child<QLineEdit>("edMiscDeployment")->setText(Path("deploy"));
        w.Project().tbFiles.Append().FileName = Path("src/app.exe").toStdString();
        w.Project().RunAfter.push_back({"%InstallPath%\\app.exe", "-x", "", "Run it", "NOWAIT"});
        const QString fromWindow = Path("window.tvx");
        TNameSeam::ScriptNames({fromWindow});
        Click("btSave");
        QVERIFY(!w.Project().Modified);

#ifdef TAMVELOX_CLI_PATH
        const QString cli = TAMVELOX_CLI_PATH;
#else
        const QString cli = QCoreApplication::applicationDirPath() + "/../../cli/tamvelox-cli";
#endif
        QVERIFY2(QFile::exists(cli), qPrintable(cli));
        const QString fromCli = Path("cli.tvx");
        QCOMPARE(QProcess::execute(cli, {"save", fromWindow, fromCli}), 0);
        QCOMPARE(ReadFile(fromCli), ReadFile(fromWindow));
    }

    void closeQuestion() {
        TMain& w = Open();
        TypeAppName("Unsaved");
        TwzDialog::ScriptAnswers({mrNo});
        Click("btExit");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{kCloseQuestion});
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtConfirmation);
        QVERIFY(w.isVisible());
        QCOMPARE(QString::fromStdString(w.Project().AppName), QString("Unsaved"));
        QVERIFY(w.Project().Modified);

        TwzDialog::ScriptAnswers({mrYes});
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());

        // An unchanged project closes without a question.
        TMain& loaded = Open({WriteProject("quiet.tvx", "Quiet")});
        QVERIFY(!loaded.Project().Modified);
        Click("btExit");
        QVERIFY(!loaded.isVisible());
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
    }

    void documentCommandsFromTheKeyboard() {
        // The document commands are reachable by key while typing.
        TMain& w = Open();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* edit = Child<QLineEdit>("edMiscDeployment");
        edit->setFocus();
        QTest::keyClicks(edit, Path("deploy"));

        TNameSeam::ScriptNames({QString()});
        QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(TNameSeam::Asked().size(), size_t(1));
        QCOMPARE(TNameSeam::Asked().back().dialog, QString("OpenDialog1"));

        const QString file = Path("keys.tvx");
        TNameSeam::ScriptNames({file});
        TwzDialog::ScriptAnswers({mrYes}); // the deployment folder, relative to the project's folder
        QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(TNameSeam::Asked().back().dialog, QString("SaveDialog1"));
        QCOMPARE(w.windowTitle(), Title(file));
        QVERIFY(!w.Project().Modified);
        QCOMPARE(QString::fromStdString(w.Project().MiscDeployment), QString("deploy"));
        TwzDialog::ClearScript();

        // New asks before it discards unsaved work, like its button.
        TypeAppName("Kept");
        TwzDialog::ScriptAnswers({mrNo});
        QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{kCloseQuestion});
        QCOMPARE(w.windowTitle(), Title(file));
        QCOMPARE(QString::fromStdString(w.Project().AppName), QString("Kept"));

        // Quitting asks first, like the Exit button.
        TwzDialog::ScriptAnswers({mrNo});
        QTest::keyClick(Child<QLineEdit>("edAppName"), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(TwzDialog::AskedTexts(), QStringList({kCloseQuestion, kCloseQuestion}));
        QVERIFY(w.isVisible());
    }

    void toolbarAndWizardButtonsFromTheKeyboard() {
        TMain& w = Open();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));

        // Tab reaches every toolbar button.
        Child<QLineEdit>("edAppName")->setFocus();
        QStringList reached;
        for (int i = 0; i < 80 && reached.size() < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString name = QApplication::focusWidget()->objectName();
            if (QStringList({"btAbout", "btNew", "btLoad", "btSave", "btExit"}).contains(name) &&
                !reached.contains(name))
                reached << name;
        }
        QCOMPARE(reached.size(), 5);

        // Enter presses the focused button, a wizard button or a toolbar button.
        Child<QWidget>("btWizNext")->setFocus();
        QTest::keyClick(Child<QWidget>("btWizNext"), Qt::Key_Return);
        QCOMPARE(Page(), 1);
        bool aboutOpened = false;
        tvtest::OnNextModal<TwzAboutForm>([&aboutOpened](TwzAboutForm* about) {
            aboutOpened = true;
            about->accept();
        });
        Child<QWidget>("btAbout")->setFocus();
        QTest::keyClick(Child<QWidget>("btAbout"), Qt::Key_Enter);
        QVERIFY(aboutOpened);

        // About has its key too (F1 is the manual's).
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        aboutOpened = false;
        tvtest::OnNextModal<TwzAboutForm>([&aboutOpened](TwzAboutForm* about) {
            aboutOpened = true;
            about->accept();
        });
        QTest::keyClick(Child<QWidget>("btWizNext"), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(aboutOpened);

        // The wizard buttons keep their captions, with a letter to press.
        QCOMPARE(Child<QPushButton>("btWizFinish")->text(), QString("&Finish"));
        QCOMPARE(Child<QPushButton>("btWizPrev")->text(), QString("<< &Previous"));
        QCOMPARE(Child<QPushButton>("btWizNext")->text(), QString("&Next >>"));
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(Child<QWidget>("btWizNext"), Qt::Key_P, Qt::AltModifier);
        // A mnemonic presses the button and releases it shortly after.
        QVERIFY(Child<QPushButton>("btWizPrev")->isDown());
    }

    void startUpArguments() {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_Dir.path());
        WriteProject("setup.tvx", "From Argument");

        TMain& w = Open({"setup.tvx"});
        QCOMPARE(QString::fromStdString(w.Project().FileName), Path("setup.tvx"));
        QCOMPARE(w.windowTitle(), Title(Path("setup.tvx")));
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString("From Argument"));
        QVERIFY(!w.Project().Modified);

        TMain& txt = Open({"notes.txt"});
        QCOMPARE(txt.windowTitle(), Title("*UNTITLED"));
        QVERIFY(txt.Project().Modified);

        // A file that is no project is reported, and the window starts a new project instead of
        // staying half made.
        QFile other(Path("notes.tvx"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("[Something]\r\nKey=1\r\n");
        other.close();
        TMain& refused = Open({"notes.tvx"});
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);
        QCOMPARE(refused.windowTitle(), Title("*UNTITLED"));
        QVERIFY(refused.Project().Modified);

        // An engine script is read into a new project; one that cannot be read is reported, and a
        // new project is started.
        WriteEngineScript("argument", "Script Argument");
        TMain& tzn = Open({"argument.TZN"});
        QCOMPARE(tzn.windowTitle(), Title("*UNTITLED"));
        QVERIFY(tzn.Project().Modified);
        QCOMPARE(QString::fromStdString(tzn.Project().AppName), QString("Script Argument"));
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
        TwzDialog::ScriptAnswers({mrOk});
        TMain& missing = Open({"engine.tzn"});
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);
        QCOMPARE(missing.windowTitle(), Title("*UNTITLED"));
        QVERIFY(missing.Project().AppName.empty());

        QDir::setCurrent(previous);
    }

    void windowPlacementIsRemembered() {
        TMain& w = Open({WriteProject("placed.tvx", "Placed")});
        w.move(123, 87);
        QCOMPARE(w.pos(), QPoint(123, 87));
        QVERIFY(w.close());
        TMain& again = Open();
        QCOMPARE(again.pos(), QPoint(123, 87));
    }

    void aboutShowsTheProgramDescription() {
        Open();
        QString notes;
        QTimer::singleShot(0, qApp, [&notes] {
            auto* about = qobject_cast<TwzAboutForm*>(QApplication::activeModalWidget());
            QVERIFY(about);
            notes = about->Notes()->Caption();
            about->accept();
        });
        Click("btAbout");
        QVERIFY(notes.startsWith("Tamvelox is a wizard-style script generator for Tamrin Installer 1.6/#"));
        QVERIFY(notes.contains("/c{clblue}"));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow.moc"
