// The Build page driven through the main window: the refusals, a build with its progress lines and
// files, problems listed before a build that would fail and reported after it, the lines kept or
// reset on arriving at the page, commands blocked while a build runs, and Compile with a stand-in
// compiler: its output in a view of its own, and waits that the author can stop.
#include "UiTestSupport.h"

#include "deploy/BuildUi.h"
#include "deploy/CompileLauncher.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/ProjectCheck.h"
#include "core/ProjectFile.h"
#include "tests/support/EveryFinding.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/wzDialogFormUnit.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/pages/BuildPage.h"
#include "ui/pages/CompilerOutputUnit.h"
#include "ui/main/MainUnit.h"
#ifdef FAKE_COMPILER_PATH
#include "tests/support/ProgramGate.h"
#endif

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <functional>
#include <memory>
#include <set>

using namespace tv;
using tvtest::WriteFile;

namespace {

// Stands in for the desktop's file manager: notes the folders it was asked to open.
class TUrlCatcher final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void open(const QUrl& url) { Opened.push_back(url); }
};

const QString kNotSaved = "Script has some edited fields, /#please save before continue";

} // namespace

class TestMainWindowBuild final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<TMain> m_Main;

    QString Path(const QString& name) const { return m_Dir->filePath(name); }
    template <class T = QWidget> T* Child(const char* name) const { return m_Main->findChild<T*>(name); }
    TBuildPage* Page() const { return m_Main->BuildPage(); }
    // States of lbB1..lbB5 and lbC1 as six digits.
    QString States() const {
        QString s;
        for (int line = 0; line < kProgressLineCount; ++line)
            s += QString::number(Page()->ProgressState(line));
        return s;
    }
    void Click(const char* name) { Child<QAbstractButton>(name)->click(); }
    // Build's question for the window's project, which names the folder it clears.
    QString ClearQuestion() const {
        return QString::fromStdString(ClearFolderQuestion(DeploymentPaths(m_Main->Project())));
    }

#ifdef FAKE_COMPILER_PATH
    // The saved project built, with the stand-in compiler (given these arguments) set to compile it.
    void BuildWithFakeCompiler(const QByteArray& arguments) {
        qputenv(kCompilerEnvVar, QByteArray("'") + FAKE_COMPILER_PATH + "' " + arguments);
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QCOMPARE(States(), QString("222220"));
        Page()->setCompileOptions({0, 0, true});
    }

    // Runs action inside the next Compile, once the page waits for the stand-in compiler and the
    // compiler has reached its gate.
    void WhenWaitingAtTheGate(const tvtest::TProgramGate& gate, std::function<void()> action) {
        QMetaObject::invokeMethod(
            qApp,
            [this, &gate, action] {
                if (Page()->Waiting() && gate.Reached())
                    action();
                else if (Page()->Busy())
                    WhenWaitingAtTheGate(gate, action);
            },
            Qt::QueuedConnection);
    }

    // What the compiler output view shows when the next command opens it; closes it.
    struct TViewSeen {
        QString Text;
        bool ReadOnly = false, FixedPitch = false, AtEnd = false;
    };
    void LookAtNextOutputView(TViewSeen& seen, const QString& shot = {}) {
        tvtest::OnNextModal<TCompilerOutputForm>([&seen, shot](TCompilerOutputForm* form) {
            QPlainTextEdit* text = form->findChild<QPlainTextEdit*>("meOutput");
            seen.Text = text->toPlainText();
            seen.ReadOnly = text->isReadOnly();
            seen.FixedPitch = QFontInfo(text->font()).fixedPitch();
            const QScrollBar* bar = text->verticalScrollBar();
            seen.AtEnd = bar->value() == bar->maximum();
            if (!shot.isEmpty())
                tvtest::saveShot(form, shot);
            form->findChild<QPushButton*>("btClose")->click();
        });
    }
#endif

    // A saved project with one application file, a readme and a title bitmap, shown on the
    // Finish page.
    void OpenSavedProject() {
        m_Main = std::make_unique<TMain>();
        m_Main->show();
        QCoreApplication::processEvents();
        QDir().mkpath(Path("src"));
        QVERIFY(WriteFile(Path("src/app.exe"), QByteArray(300 * 1024, 'x')));
        QVERIFY(WriteFile(Path("src/readme.txt"), "Read me"));
        QVERIFY(!tvtest::WriteBitmap(Path("src/title.bmp"), 4, 4, Qt::white, Qt::white).isEmpty());

        TProject& p = m_Main->Project();
        Child<QLineEdit>("edMiscDeployment")->setText(Path("deploy"));
        Child<QLineEdit>("edAppReadme")->setText(Path("src/readme.txt"));
        p.DialogTitleBMP = Path("src/title.bmp").toStdString();
        TFileRecord& file = p.tbFiles.Append();
        file.FileName = Path("src/app.exe").toStdString();
        file.FilePath = "%InstallPath%";
        QDir().mkpath(Path("proj"));
        TNameSeam::ScriptNames({Path("proj/My.tvx")});
        Click("btSave");
        QVERIFY(!p.Modified);
        Click("btWizFinish");
    }

    // Saves the project under its file name again, after a test changed the Project directly.
    void SaveAgain() {
        TNameSeam::ScriptNames({Path("proj/My.tvx")});
        Click("btSave");
        QVERIFY(!m_Main->Project().Modified);
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
    }

    void modifiedProjectIsRefusedAndNoLeavesTheLines() {
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TMain& w = *m_Main;
        Page()->SetProgressState(lbB1, psDone);
        w.Project().FieldChanged();
        TwzDialog::ScriptAnswers({mrOk});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{kNotSaved});
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtInformation);
        QCOMPARE(States(), QString("200000"));
        QVERIFY(!QFileInfo::exists(Path("deploy")));

        w.Project().Modified = false;
        TwzDialog::ScriptAnswers({mrNo});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts().last(), ClearQuestion());
        QCOMPARE(States(), QString("200000"));
        QVERIFY(!QFileInfo::exists(Path("deploy")));
    }

    void escapeOnTheClearQuestionDeletesNothing() {
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QCOMPARE(States(), QString("222220"));
        QVERIFY(WriteFile(Path("deploy/My/Data/kept.txt"), "kept"));

        // Nobody scripted: the real question opens, and the author presses Escape.
        tvtest::resetSeams(false);
        QString asked;
        tvtest::OnNextModal<TwzDialogForm>([&asked](TwzDialogForm* form) {
            asked = form->dlgText()->Caption();
            QTest::keyClick(form, Qt::Key_Escape);
        });
        Click("btBuild");
        QCOMPARE(asked, ClearQuestion());
        QVERIFY(QFileInfo::exists(Path("deploy/My/Data/kept.txt")));
        QVERIFY(QFileInfo::exists(Path("deploy/My/Data/app.exe")));
        QVERIFY(QFileInfo::exists(Path("deploy/My.TZN")));
        QVERIFY(!Page()->Busy());
    }

    void buildFillsTheDeploymentFolderAndTheLines() {
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TMain& w = *m_Main;
        // Looks at the page at every breath of the build until a file is being copied.
        QString copying, statesWhileCopying;
        std::function<void()> watch = [&] {
            auto* lbCopy = Child<QLabel>("lbCopy");
            if (lbCopy->isVisible() && !lbCopy->text().isEmpty()) {
                copying = lbCopy->text();
                statesWhileCopying = States();
                tvtest::saveShot(&w, "main_build_copying");
            } else if (Page()->Busy()) {
                QMetaObject::invokeMethod(qApp, watch, Qt::QueuedConnection);
            }
        };
        QMetaObject::invokeMethod(qApp, watch, Qt::QueuedConnection);
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QCOMPARE(copying, QString("Copying \"app.exe\"...\""));
        QCOMPARE(statesWhileCopying, QString("210000"));
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{ClearQuestion()});
        QCOMPARE(States(), QString("222220"));
        QCOMPARE(QString::fromStdString(w.ScriptPath()), Path("deploy/My.TZN"));
        QVERIFY(QFileInfo::exists(Path("deploy/My.TZN")));
        QCOMPARE(QFileInfo(Path("deploy/My/Data/app.exe")).size(), qint64(300 * 1024));
        QVERIFY(QFileInfo::exists(Path("deploy/My/Presetup/readme.txt")));
        QVERIFY(QFileInfo::exists(Path("deploy/My/Presetup/tzns.bmp")));
        QVERIFY(QFileInfo::exists(Path("deploy/My/Presetup/TZNS.INI")));
        QVERIFY(QFileInfo::exists(Path("deploy/My/Presetup/APP.INS")));
        QCOMPARE(Child<QProgressBar>("pbCopy")->value(), Child<QProgressBar>("pbCopy")->maximum());
        // The page says where the build went and what it copied; the link opens the folder.
        auto* built = Child<QLabel>("lbBuilt");
        QVERIFY(built->isVisible());
        QVERIFY(built->text().contains("(3 files, 30"));
        QCOMPARE(built->toolTip(), Path("deploy"));
        const auto href = QRegularExpression("href=\"([^\"]+)\"").match(built->text());
        QVERIFY(href.hasMatch());
        TUrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        emit built->linkActivated(href.captured(1));
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.Opened, QList<QUrl>{QUrl::fromLocalFile(Path("deploy"))});
        QVERIFY(!Child<QLabel>("lbCopy")->isVisible());
        QVERIFY(Child<QLabel>("lbCopy")->text().startsWith("Copying \""));
        tvtest::saveShot(&w, "main_build_done");

        // Back on the Finish page with nothing changed, the lines still show the build.
        Click("btWizPrev");
        Click("btWizFinish");
        QCOMPARE(States(), QString("222220"));
        // After an edit, arriving there again resets them.
        Click("btWizPrev");
        w.Project().FieldChanged();
        Click("btWizNext");
        QCOMPARE(States(), QString("000000"));
    }

    // An error of Check stops the build before anything is cleared; its warnings come before the
    // question; the Check button lists both without building.
    void theCleanBuildBoxReachesTheBuildAndIsRemembered() {
        QSettings().remove("Build/CleanBuild");
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        // Sources an hour old: no copy shares its source's clock tick, so unchanged copies stay.
        for (const char* name : {"src/app.exe", "src/readme.txt", "src/title.bmp"}) {
            QFile file(Path(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        }
        auto* clean = Child<QCheckBox>("cbCleanBuild");
        QVERIFY(clean && !clean->isChecked());
        TwzDialog::ScriptAnswers({mrYes, mrYes});
        Click("btBuild");
        Click("btBuild");
        QVERIFY(Child<QLabel>("lbBuilt")->text().contains("(0 files, 0 B, 3 unchanged)"));

        clean->click();
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QVERIFY(Child<QLabel>("lbBuilt")->text().contains("(3 files, 30"));
        QVERIFY(!Child<QLabel>("lbBuilt")->text().contains("unchanged"));

        // The next window starts with the choice of the last.
        m_Main = std::make_unique<TMain>();
        QVERIFY(Child<QCheckBox>("cbCleanBuild")->isChecked());
        Child<QCheckBox>("cbCleanBuild")->click();
        QVERIFY(!QSettings().value("Build/CleanBuild").toBool());
    }

    void checkErrorsStopTheBuildAndWarningsPrecedeItsQuestion() {
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TMain& w = *m_Main;
        QVERIFY(WriteFile(Path("src/a=b.txt"), "x"));
        TFileRecord& keyless = w.Project().tbFiles.Append();
        keyless.FileName = Path("src/a=b.txt").toStdString();
        keyless.FilePath = "%InstallPath%";
        w.Project().DialogFont = "Comic Neue, 8";
        SaveAgain(); // a build takes only what the project file holds

        // The real message, closed with Escape as a reader would.
        tvtest::resetSeams(false);
        QString listed;
        tvtest::OnNextModal<TwzDialogForm>([&listed](TwzDialogForm* form) {
            listed = form->dlgText()->Caption();
            tvtest::saveShot(form, "main_build_check");
            QTest::keyClick(form, Qt::Key_Escape);
        });
        Click("btCheck");
        QVERIFY(listed.startsWith("Errors: "));
        QVERIFY(listed.contains("a=b.txt"));
        QVERIFY(listed.contains("Warnings: "));
        QVERIFY(listed.contains("Comic Neue"));
        QVERIFY(!QFileInfo::exists(Path("deploy")));

        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrOk, mrYes, mrOk});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts().size(), 3);
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtWarning);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("Comic Neue"));
        QCOMPARE(TwzDialog::AskedTexts()[1], ClearQuestion());
        QCOMPARE(TwzDialog::AskedMessages()[2].type, TMsgDlgType::mtError);
        QVERIFY(TwzDialog::AskedTexts()[2].contains("a=b.txt"));
        QCOMPARE(States(), QString("300000"));
        QVERIFY(!QFileInfo::exists(Path("deploy")));

        // Without the error the warning still comes first, and the build goes on.
        w.Project().tbFiles.Records.pop_back();
        SaveAgain();
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrOk, mrYes});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts().size(), 2);
        QCOMPARE(TwzDialog::AskedTexts()[1], ClearQuestion());
        QCOMPARE(States(), QString("222220"));
    }

    // Every rule's finding reaches the author on the Build page, with its kind.
    void everyFindingOfCheckIsShownOnTheBuildPage() {
        m_Main = std::make_unique<TMain>();
        m_Main->show();
        TProject every = tvtest::ProjectWithEveryFinding(m_Dir->path().toStdString());
        const std::string file = Path("every.tvx").toStdString();
        SaveProject(every, file);
        TNameSeam::ScriptNames({Path("every.tvx")});
        Click("btLoad");
        QCOMPARE(m_Main->Project().FileName, file);
        Click("btWizFinish");
        TwzDialog::ScriptAnswers({mrOk});
        Click("btCheck");
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        const QString listed = TwzDialog::AskedTexts()[0];
        const qsizetype warningsAt = listed.indexOf("Warnings: ");
        QVERIFY(listed.startsWith("Errors: ") && warningsAt > 0);
        std::set<std::string> rules;
        for (const TFinding& f : CheckProject(m_Main->Project())) {
            const qsizetype at = listed.indexOf("/{" + QString::fromStdString(f.Text) + "/}");
            QVERIFY2(at > 0, f.Text.c_str());
            QCOMPARE(at > warningsAt, f.Kind == TFindingKind::Warning);
            rules.insert(f.Rule);
        }
        QCOMPARE(rules.size(), CheckRules().size() - (tvtest::kWindows ? 1 : 0)); // see EveryFinding.h
    }

    // What Check cannot foresee (a file gone while the build runs) is reported after the build,
    // which still does the rest.
    void failuresDuringTheBuildAreReportedAfterIt() {
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TMain& w = *m_Main;
        QVERIFY(WriteFile(Path("src/going.dll"), "soon gone"));
        TFileRecord& going = w.Project().tbFiles.Append();
        going.FileName = Path("src/going.dll").toStdString();
        going.FilePath = "%System%";
        SaveAgain();
        // The file goes once the copying has begun, after the build looked for errors.
        QTimer remover;
        QObject::connect(&remover, &QTimer::timeout, [&] {
            if (Page()->ProgressState(lbB2) == psRunning) {
                QFile::remove(Path("src/going.dll"));
                remover.stop();
            }
        });
        remover.start(0);
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrYes, mrOk});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts().size(), 2);
        QCOMPARE(TwzDialog::AskedTexts()[0], ClearQuestion());
        QCOMPARE(TwzDialog::AskedMessages()[1].type, TMsgDlgType::mtError);
        QVERIFY(TwzDialog::AskedTexts()[1].contains("going.dll"));
        QCOMPARE(States(), QString("232220"));
        QVERIFY(QFileInfo::exists(Path("deploy/My/Data/app.exe")));
        QVERIFY(QFileInfo::exists(Path("deploy/My.TZN")));
        tvtest::saveShot(&w, "main_build_failed");
    }

    void aLongListOfProblemsIsShortened() {
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        for (int i = 0; i < 40; ++i) {
            TFileRecord& missing = m_Main->Project().tbFiles.Append();
            missing.FileName = Path(QString("src/missing%1.dll").arg(i)).toStdString();
            missing.FilePath = "%System%";
        }
        SaveAgain();
        TwzDialog::ScriptAnswers({mrYes, mrOk});
        Click("btBuild");
        QCOMPARE(TwzDialog::AskedTexts().size(), 2);
        const QString text = TwzDialog::AskedTexts()[1];
        QVERIFY(text.contains("missing0.dll"));
        QVERIFY(!text.contains("missing39.dll"));
        QVERIFY(text.contains("/#... and 25 more"));
        QVERIFY(!QFileInfo::exists(Path("deploy")));
    }

    void commandsWaitWhileABuildRuns() {
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TMain& w = *m_Main;
        bool sawBusy = false;
        bool newEnabled = true, loadEnabled = true, saveEnabled = true, buildEnabled = true,
             compileEnabled = true;
        // Runs inside the build, at its first breath.
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                sawBusy = Page()->Busy();
                newEnabled = Child<QToolButton>("btNew")->isEnabled();
                loadEnabled = Child<QToolButton>("btLoad")->isEnabled();
                saveEnabled = Child<QToolButton>("btSave")->isEnabled();
                buildEnabled = Child<QPushButton>("btBuild")->isEnabled();
                compileEnabled = Child<QPushButton>("btCompile")->isEnabled();
                w.close();
            },
            Qt::QueuedConnection);
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QVERIFY(sawBusy);
        QVERIFY(!newEnabled && !loadEnabled && !saveEnabled && !buildEnabled && !compileEnabled);
        // The close waited for the build, which ran to its end.
        QCOMPARE(States(), QString("222220"));
        QVERIFY(w.isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!w.isVisible());
        QVERIFY(Child<QToolButton>("btNew")->isEnabled());
    }

    void longFileNamesFitTheCopyLine() {
        TProject project;
        TBuildPage page(project);
        page.resize(410, 327);
        auto* lbCopy = page.findChild<QLabel*>("lbCopy");
        const std::string text = "Copying \"" + std::string(120, 'n') + ".dll\"...\"";
        page.SetCopyText(text);
        // Both ends stay: what is being done and the file's extension.
        QVERIFY(lbCopy->text().startsWith("Copying \"nnn"));
        QVERIFY(lbCopy->text().endsWith("nnn.dll\"...\""));
        QVERIFY(lbCopy->fontMetrics().horizontalAdvance(lbCopy->text()) <= lbCopy->width());
        QCOMPARE(lbCopy->toolTip(), QString::fromStdString(text));
    }

    void compileBeforeAnyBuildIsReported() {
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TwzDialog::ScriptAnswers({mrOk, mrOk});
        Page()->setCompileOptions({0, 0, true});
        Click("btCompile");
        QVERIFY(!TwzDialog::AskedMessages().empty());
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);
        QVERIFY(Page()->ProgressState(lbC1) != psDone);
        QVERIFY(Child<QPushButton>("btCompile")->isEnabled());
    }

    void compileRunsTheCompilerAndOffersTheSetupProgram() {
#ifdef FAKE_COMPILER_PATH
        // The stand-in compiler checks the image folder and writes <ExeName>.EXE beside the
        // script, noting the folder it ran in.
        qputenv(kCompilerEnvVar, QByteArray("\"") + FAKE_COMPILER_PATH + "\"");
#else
        // Without it, a shell stand-in that does the same.
        const QString compiler = Path("compiler.sh");
        QVERIFY(WriteFile(compiler, "#!/bin/sh\n"
                                    "printf 'setup of %s\\ncwd=%s\\n' \"$(basename \"${1%.*}\")\" \"$(pwd)\" "
                                    "> \"${1%.*}.EXE\"\n"));
        QFile::setPermissions(compiler, QFile::permissions(compiler) | QFile::ExeOwner);
        qputenv(kCompilerEnvVar, ("\"" + compiler + "\"").toUtf8());
#endif
        OpenSavedProject();
        if (QTest::currentTestFailed())
            return;
        TwzDialog::ScriptAnswers({mrYes});
        Click("btBuild");
        QCOMPARE(States(), QString("222220"));

        const QString before = QDir::currentPath();
        Page()->setCompileOptions({0, 0, true});
        TwzDialog::ScriptAnswers({mrNo});
        Click("btCompile");
        QCOMPARE(Page()->ProgressState(lbC1), int(psDone));
        QFile exe(Path("deploy/My.EXE"));
        QVERIFY(exe.open(QIODevice::ReadOnly));
        const QString made = QString::fromUtf8(exe.readAll());
        QVERIFY2(made.startsWith("setup of My\n"), qPrintable(made));
        // The compiler ran in the script's folder; ours is back where it was.
        QVERIFY2(made.contains("cwd=" + QFileInfo(Path("deploy")).canonicalFilePath()), qPrintable(made));
        QCOMPARE(QDir::currentPath(), before);
        QCOMPARE(TwzDialog::AskedMessages().back().type, TMsgDlgType::mtConfirmation);
        QVERIFY(TwzDialog::AskedTexts().back().startsWith("Run \""));
        QVERIFY(TwzDialog::AskedTexts().back().contains(Path("deploy/My.EXE")));
        QVERIFY(!Page()->Busy());
        qunsetenv(kCompilerEnvVar);
    }

#ifdef FAKE_COMPILER_PATH
    void compilerOutputOpensReadOnlyAtItsEnd() {
        BuildWithFakeCompiler("--lines 80");
        if (QTest::currentTestFailed())
            return;
        auto* btOutput = Child<QPushButton>("btCompilerOutput");
        QVERIFY(btOutput->isVisible());
        QVERIFY(!btOutput->isEnabled()); // nothing compiled yet
        TwzDialog::ScriptAnswers({mrNo});
        Click("btCompile");
        QCOMPARE(Page()->ProgressState(lbC1), int(psDone));
        QVERIFY(btOutput->isEnabled());

        TViewSeen seen;
        LookAtNextOutputView(seen, "compiler_output");
        Click("btCompilerOutput");
        QVERIFY2(seen.Text.startsWith("line 1 to stdout\nline 2 to stderr\nline 3 to stdout\n"),
                 qPrintable(seen.Text));
        QVERIFY(seen.Text.endsWith("line 80 to stderr\nfake compiler: made My.EXE"));
        QVERIFY(seen.ReadOnly);
        QVERIFY(seen.FixedPitch);
        QVERIFY(seen.AtEnd);
    }

    void aFailedCompileOffersTheOutput() {
        BuildWithFakeCompiler("--fail");
        if (QTest::currentTestFailed())
            return;
        TViewSeen seen;
        LookAtNextOutputView(seen);
        TwzDialog::ScriptAnswers({mrYes});
        Click("btCompile");
        QCOMPARE(TwzDialog::AskedMessages().back().type, TMsgDlgType::mtError);
        QVERIFY(TwzDialog::AskedTexts().back().contains("did not make the setup program"));
        QVERIFY(TwzDialog::AskedTexts().back().endsWith("Show the compiler output ?"));
        QCOMPARE(seen.Text, QString("fake compiler: failing on request"));
        QCOMPARE(Page()->ProgressState(lbC1), int(psFailed));
        QVERIFY(!Page()->Busy());
        QVERIFY(Child<QPushButton>("btCompilerOutput")->isEnabled());
    }

    void theWaitIsShownAndCanBeStopped() {
        tvtest::TProgramGate gate(Path("gate").toStdString());
        QVERIFY(gate.Made());
        BuildWithFakeCompiler("--wait-for '" + Path("gate").toUtf8() + "'");
        if (QTest::currentTestFailed())
            return;
        QString waitingText;
        bool stopShown = false, othersOff = false;
        WhenWaitingAtTheGate(gate, [&] {
            waitingText = Child<QLabel>("lbWaiting")->isVisible() ? Child<QLabel>("lbWaiting")->text() : "";
            stopShown = Child<QPushButton>("btStopWaiting")->isVisible() &&
                        Child<QPushButton>("btStopWaiting")->isEnabled();
            othersOff = !Child<QPushButton>("btBuild")->isEnabled() &&
                        !Child<QPushButton>("btCompile")->isEnabled() &&
                        !Child<QPushButton>("btCompilerOutput")->isVisible() &&
                        !Child<QToolButton>("btLoad")->isEnabled();
            tvtest::saveShot(m_Main.get(), "main_build_waiting");
            Click("btStopWaiting");
        });
        Click("btCompile");
        QCOMPARE(waitingText, QString("Waiting for \"fake_compiler\" to end..."));
        QVERIFY(stopShown);
        QVERIFY(othersOff);
        // The command is over and says nothing; the compiler's fate is unknown.
        QVERIFY(!Page()->Busy());
        QVERIFY(!Page()->Waiting());
        QCOMPARE(Page()->ProgressState(lbC1), int(psIdle));
        QCOMPARE(TwzDialog::AskedTexts().size(), 1); // only the build's question
        QVERIFY(!Child<QLabel>("lbWaiting")->isVisible());
        QVERIFY(!Child<QPushButton>("btStopWaiting")->isVisible());
        QVERIFY(Child<QPushButton>("btCompilerOutput")->isVisible());
        QCOMPARE(QString::fromStdString(Page()->CompilerOutputText()), QString("fake compiler: waiting\n"));
        QVERIFY(Child<QPushButton>("btCompilerOutput")->isEnabled());
        // The compiler was left running at its gate.
        QVERIFY(gate.Send("quit\n"));
    }

    void closingDuringTheWaitAsksToStopIt() {
        tvtest::TProgramGate gate(Path("gate").toStdString());
        QVERIFY(gate.Made());
        BuildWithFakeCompiler("--wait-for '" + Path("gate").toUtf8() + "'");
        if (QTest::currentTestFailed())
            return;
        TMain& w = *m_Main;
        QString asked;
        bool keptWaiting = false;
        WhenWaitingAtTheGate(gate, [&] {
            // No (also Escape) goes on waiting; the window closes once the wait is over.
            TwzDialog::ScriptAnswers({mrNo});
            w.close();
            asked = QString::fromStdString(MarkupToPlain(TwzDialog::AskedTexts().last().toStdString()));
            keptWaiting = Page()->Waiting() && w.isVisible();
            TwzDialog::ScriptAnswers({mrYes});
            w.close();
        });
        Click("btCompile");
        QCOMPARE(asked, QString("Compile is waiting for \"fake_compiler\" to end.\nStop waiting and close ?"
                                "\n(The program goes on running.)"));
        QCOMPARE(TwzDialog::AskedMessages().back().type, TMsgDlgType::mtConfirmation);
        QVERIFY(keptWaiting);
        QCOMPARE(TwzDialog::AskedTexts().size(), 3); // the build's question and the two closes
        QVERIFY(!Page()->Busy());
        QCoreApplication::processEvents();
        QVERIFY(!w.isVisible());
        QVERIFY(gate.Send("quit\n"));
    }
#endif
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestMainWindowBuild test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow_build.moc"
