// Pages 5 and 6, the programs run around installation and uninstallation, driven through the main
// window: the rows the run entry dialog makes, its defaults and suggestions, Remove, Clear list and
// the Delete key, the change notification, the refusals, and a round trip through Save and Build
// that the console tool must match byte for byte.
#include "UiTestSupport.h"

#include "TamveloxVersion.h"

#include "core/MsgDlg.h"
#include "core/Project.h"
#include "core/TextCodec.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MainUnit.h"
#include "ui/pages/FileRunUnit.h"
#include "ui/pages/RunInstallPage.h"
#include "ui/pages/RunUninstallPage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace tv;
using tvtest::OnNextModal;

namespace {

template <class T = QWidget> T* In(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(name);
    if (!w)
        qWarning("no control %s", name);
    return w;
}

// Types text key by key; unlike QTest::keyClicks it takes characters beyond ASCII.
void TypeText(QWidget* w, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
}

void Choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}

// One program as the author describes it in the run entry dialog.
struct TEntry {
    QString appFolder = "InstallPath";
    QString appName;
    QString arguments;
    QString workFolder = "InstallPath";
    QString workName;
    QString message;
    int windowMode = 1;
    int waiting = 1;
};

void Fill(TFileRun* d, const TEntry& e) {
    Choose(In<QComboBox>(d, "cbAppFolder"), e.appFolder);
    Retype(In<QComboBox>(d, "cbAppName")->lineEdit(), e.appName);
    Retype(In<QLineEdit>(d, "edArguments"), e.arguments);
    Choose(In<QComboBox>(d, "cbWorkFolder"), e.workFolder);
    Retype(In<QLineEdit>(d, "edWorkName"), e.workName);
    Retype(In<QLineEdit>(d, "edMessage"), e.message);
    In<QComboBox>(d, "cbWindowMode")->setCurrentIndex(e.windowMode);
    In<QComboBox>(d, "cbWaiting")->setCurrentIndex(e.waiting);
}

void ClickOK(QWidget* dialog) {
    QTest::mouseClick(In<TjdFlatButton>(dialog, "doOK"), Qt::LeftButton);
}

QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The texts of one row of a run list as its view shows them.
QStringList RowShown(QTableView* view, int row) {
    QStringList texts;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        texts << view->model()->index(row, c).data().toString();
    return texts;
}

TRunRecord Record(const char* app, const char* arg, const char* dir, const char* msg, const char* flag) {
    return {app, arg, dir, msg, flag};
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList FileLines(const QString& path) {
    QStringList lines;
    for (QByteArray line : ReadFile(path).split('\n'))
        lines << QString::fromStdString(AnsiToUtf8(line.replace("\r", "").toStdString()));
    return lines;
}

bool operator==(const TRunRecord& a, const TRunRecord& b) {
    return a.Application == b.Application && a.Argument == b.Argument &&
           a.WorkingDirectory == b.WorkingDirectory && a.Message == b.Message && a.Flag == b.Flag;
}

char* RecordText(const TRunRecord& r) {
    return QTest::toString(QString::fromStdString(r.Application + "|" + r.Argument + "|" +
                                                  r.WorkingDirectory + "|" + r.Message + "|" + r.Flag));
}

#define COMPARE_RECORD(actual, expected) QVERIFY2((actual) == (expected), RecordText(actual))

} // namespace

class TestRunPages final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<TMain> m_Main;

    QString Path(const QString& name) const { return m_Dir->filePath(name); }
    template <class T = QWidget> T* Child(const char* name) const { return In<T>(m_Main.get(), name); }
    TProject& Project() const { return m_Main->Project(); }
    QTableView* View(const char* name) const { return Child<QTableView>(name); }
    void Click(const char* name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }
    void ClickRow(const char* view, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTableView* v = View(view);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, modifiers,
                          v->visualRect(v->model()->index(row, 1)).center());
    }

    // The window with the project of arguments, on step (5 or 6), with no unsaved edits yet.
    TMain& Open(int step, const QStringList& arguments = {}) {
        m_Main.reset();
        tvtest::resetSeams();
        m_Main = std::make_unique<TMain>(arguments);
        m_Main->show();
        QCoreApplication::processEvents(); // the queued start-up
        ShowStep(step);
        Project().Modified = false;
        return *m_Main;
    }
    void ShowStep(int step) {
        auto* wiz = Child<TwzWizardTree>("wiz");
        QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(step).center());
        QCOMPARE(Child<QStackedWidget>("wizPages")->currentIndex(), step);
    }
    // Shows the Project's lists as after a Load.
    void Reload() {
        for (TWizardPage* page : m_Main->Pages())
            page->LoadFromProject();
    }

    // Opens the run entry dialog with button and runs act in it.
    void InDialog(const char* button, std::function<void(TFileRun*)> act) {
        bool opened = false;
        OnNextModal<TFileRun>([&](TFileRun* d) {
            opened = true;
            act(d);
            // A failed check inside act leaves the window open: close it so the test can go on.
            if (d->isVisible())
                d->reject();
        });
        Click(button);
        QVERIFY2(opened, button);
    }
    void AddEntry(const char* button, const TEntry& entry) {
        InDialog(button, [&](TFileRun* d) {
            Fill(d, entry);
            ClickOK(d);
        });
    }

private slots:
    void initTestCase() { tvtest::isolateEnvironment(); }
    void init() {
        m_Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dir->isValid());
    }
    void cleanup() {
        m_Main.reset();
        tvtest::resetSeams(false);
    }

    void dialogOpensWithItsDefaults() {
        Open(5);
        InDialog("btRunBeforeAdd", [&](TFileRun* d) {
            QCOMPARE(d->size(), QSize(484, 190));
            QCOMPARE(d->windowTitle(), QString("Run Application"));
            QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(In<QTabWidget>(d, "PageControl1")->tabText(0), QString("Run Application"));
            QCOMPARE(In<TjdFlatButton>(d, "doOK")->size(), QSize(65, 25));
            for (const char* name : {"cbAppFolder", "cbWorkFolder"}) {
                const QStringList items = Items(In<QComboBox>(d, name));
                QCOMPARE(items.size(), 28);
                QCOMPARE(items.first(), QString("InstallPath"));
                QCOMPARE(items[18], QString("ProgramFiles"));
                QCOMPARE(items.last(), QString("Office2000"));
                QCOMPARE(In<QComboBox>(d, name)->currentIndex(), 0);
                QVERIFY(!In<QComboBox>(d, name)->isEditable());
            }
            QCOMPARE(
                Items(In<QComboBox>(d, "cbWindowMode")),
                (QStringList{"0 - don't show window", "1 - display window in normal size",
                             "2 - display window as a maximized", "3 - display window as a minimized", ""}));
            QCOMPARE(Items(In<QComboBox>(d, "cbWaiting")),
                     (QStringList{"0 - Do not wait running application",
                                  "1 - Wait until running application finished"}));
            QCOMPARE(In<QComboBox>(d, "cbWindowMode")->currentIndex(), 1);
            QCOMPARE(In<QComboBox>(d, "cbWaiting")->currentIndex(), 1);
            // No files on the files page: no suggestions, and a name can still be typed.
            QCOMPARE(In<QComboBox>(d, "cbAppName")->count(), 0);
            QVERIFY(In<QComboBox>(d, "cbAppName")->currentText().isEmpty());
            // Confirmed at once.
            ClickOK(d);
        });
        QCOMPARE(Project().RunBefore.size(), std::size_t(1));
        COMPARE_RECORD(Project().RunBefore[0], Record("%InstallPath%\\", "", "%InstallPath%", "", "11"));
    }

    void addAppendsTheRowTheDialogDescribes() {
        Open(5);
        QSignalSpy edited(Child<TRunInstallPage>("Run"), &TWizardPage::projectEdited);
        TEntry setup;
        setup.appName = "setup.exe";
        AddEntry("btRunBeforeAdd", setup);
        QVERIFY(Project().Modified);
        QVERIFY(!edited.isEmpty());
        // The backslash follows the application's folder variable, never the working folder's.
        COMPARE_RECORD(Project().RunBefore[0],
                       Record("%InstallPath%\\setup.exe", "", "%InstallPath%", "", "11"));
        QCOMPARE(RowShown(View("lvRunBefore"), 0),
                 (QStringList{"%InstallPath%\\setup.exe", "", "%InstallPath%", "", "11"}));

        TEntry other;
        other.appFolder = "Windows";
        other.appName = "bin\\notepad.exe";
        other.arguments = "\"%InstallPath%\\read me.txt\" /p";
        other.workFolder = "System";
        other.workName = "sub";
        other.message = "Caf\u00e9, please wait";
        other.windowMode = 4; // the empty fifth choice
        other.waiting = 0;
        AddEntry("btRunBeforeAdd", other);
        COMPARE_RECORD(Project().RunBefore[1],
                       Record("%Windows%\\bin\\notepad.exe", "\"%InstallPath%\\read me.txt\" /p",
                              "%System%sub", "Caf\xE9, please wait", "40"));
        QCOMPARE(RowShown(View("lvRunBefore"), 1)[4], QString("40"));
        QCOMPARE(RowShown(View("lvRunBefore"), 1)[3], QString("Caf\u00e9, please wait"));
        QVERIFY(!View("lvRunBefore")->model()->index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(View("lvRunBefore")->model()->headerData(2, Qt::Horizontal).toString(),
                 QString("Working Directory"));

        // Every list has its own button; the others stay as they are.
        TEntry after;
        after.appName = "after.exe";
        AddEntry("btRunAfterAdd", after);
        QCOMPARE(Project().RunAfter.size(), std::size_t(1));
        ShowStep(6);
        after.appName = "un1.exe";
        AddEntry("btRunBeforeUnAdd", after);
        after.appName = "un2.exe";
        after.windowMode = 0;
        AddEntry("btRunAfterUnAdd", after);
        COMPARE_RECORD(Project().RunBeforeUn[0],
                       Record("%InstallPath%\\un1.exe", "", "%InstallPath%", "", "11"));
        COMPARE_RECORD(Project().RunAfterUn[0],
                       Record("%InstallPath%\\un2.exe", "", "%InstallPath%", "", "01"));
        QCOMPARE(Project().RunBefore.size(), std::size_t(2));

        // Cancel, and Escape, add nothing and leave the project unchanged.
        Project().Modified = false;
        InDialog("btRunAfterUnAdd", [&](TFileRun* d) {
            Retype(In<QComboBox>(d, "cbAppName")->lineEdit(), "cancelled.exe");
            QTest::mouseClick(In<TjdFlatButton>(d, "doCancel"), Qt::LeftButton);
        });
        InDialog("btRunAfterUnAdd", [&](TFileRun* d) {
            Retype(In<QComboBox>(d, "cbAppName")->lineEdit(), "escaped.exe");
            QTest::keyClick(In<QComboBox>(d, "cbAppName")->lineEdit(), Qt::Key_Escape);
        });
        QCOMPARE(Project().RunAfterUn.size(), std::size_t(1));
        QVERIFY(!Project().Modified);
        // Enter in the name box confirms, without adding the name to the suggestions.
        InDialog("btRunAfterUnAdd", [&](TFileRun* d) {
            Retype(In<QComboBox>(d, "cbAppName")->lineEdit(), "entered.exe");
            QTest::keyClick(In<QComboBox>(d, "cbAppName")->lineEdit(), Qt::Key_Return);
            QCOMPARE(In<QComboBox>(d, "cbAppName")->count(), 0);
        });
        QCOMPARE(Project().RunAfterUn.back().Application, std::string("%InstallPath%\\entered.exe"));
    }

    void suggestionsAreTheNamesOfTheProjectsFiles() {
        Open(5);
        for (const char* source : {"C:\\Src\\app.exe", "D:\\x\\readme.txt", "/home/author/bin/tool.sh",
                                   "/home/author/other/app.exe", "plain.dll"}) {
            TFileRecord f;
            f.FileName = source;
            f.FilePath = "%InstallPath%";
            Project().tbFiles.Append(f);
        }
        InDialog("btRunAfterAdd", [&](TFileRun* d) {
            auto* name = In<QComboBox>(d, "cbAppName");
            // In table order, repeated names kept; the box itself starts empty.
            QCOMPARE(Items(name), (QStringList{"app.exe", "readme.txt", "tool.sh", "app.exe", "plain.dll"}));
            QVERIFY(name->currentText().isEmpty());
            name->setFocus();
            QTest::keyClick(name, Qt::Key_Down);
            QTest::keyClick(name, Qt::Key_Down);
            QCOMPARE(name->currentText(), QString("readme.txt"));
            ClickOK(d);
        });
        QCOMPARE(Project().RunAfter[0].Application, std::string("%InstallPath%\\readme.txt"));
    }

    void removeClearAndTheDeleteKey() {
        Open(5);
        for (TRunList* list :
             {&Project().RunBefore, &Project().RunAfter, &Project().RunBeforeUn, &Project().RunAfterUn})
            for (const char* name : {"a.exe", "b.exe", "c.exe", "d.exe"})
                list->push_back(Record(name, "", "%InstallPath%", "", "11"));
        Reload();
        QVERIFY(!Project().Modified);

        // Remove without a selected row does nothing.
        Click("btRunBeforeDel");
        QCOMPARE(Project().RunBefore.size(), std::size_t(4));
        QVERIFY(!Project().Modified);

        ClickRow("lvRunBefore", 1);
        Click("btRunBeforeDel");
        QCOMPARE(Project().RunBefore.size(), std::size_t(3));
        QCOMPARE(Project().RunBefore[1].Application, std::string("c.exe"));
        QCOMPARE(View("lvRunBefore")->model()->rowCount(), 3);
        // The row that took the removed one's place is selected: Remove goes on down the list.
        Click("btRunBeforeDel");
        QCOMPARE(Project().RunBefore[1].Application, std::string("d.exe"));

        // The Delete key removes every selected row.
        ClickRow("lvRunAfter", 0);
        ClickRow("lvRunAfter", 2, Qt::ControlModifier);
        View("lvRunAfter")->setFocus();
        QTest::keyClick(View("lvRunAfter"), Qt::Key_Delete);
        QCOMPARE(Project().RunAfter.size(), std::size_t(2));
        QCOMPARE(Project().RunAfter[0].Application, std::string("b.exe"));
        QCOMPARE(Project().RunAfter[1].Application, std::string("d.exe"));

        // Clear list empties its own list only.
        Click("btRunBeforeClear");
        QVERIFY(Project().RunBefore.empty());
        QCOMPARE(View("lvRunBefore")->model()->rowCount(), 0);
        QCOMPARE(Project().RunAfter.size(), std::size_t(2));
        QCOMPARE(Project().RunBeforeUn.size(), std::size_t(4));
        QCOMPARE(Project().RunAfterUn.size(), std::size_t(4));

        ShowStep(6);
        Project().Modified = false;
        Click("btRunAfterUnClear");
        QVERIFY(Project().RunAfterUn.empty());
        QVERIFY(Project().Modified);
        QCOMPARE(Project().RunBeforeUn.size(), std::size_t(4));
        ClickRow("lvRunBeforeUn", 3);
        View("lvRunBeforeUn")->setFocus();
        QTest::keyClick(View("lvRunBeforeUn"), Qt::Key_Delete);
        QTest::keyClick(View("lvRunBeforeUn"), Qt::Key_Delete);
        QCOMPARE(Project().RunBeforeUn.size(), std::size_t(2));
        QCOMPARE(Project().RunBeforeUn[1].Application, std::string("b.exe"));
    }

    // Load shows the saved lists without marking them changed; merely selecting a row of a run list
    // then marks the project as changed.
    void loadShowsTheListsAndSelectingMarksChanged() {
        Open(5);
        Project().MiscDeployment = "deploy";
        Project().RunBefore.push_back(Record("%InstallPath%\\a.exe", "", "%InstallPath%", "", "11"));
        Project().RunAfterUn.push_back(Record("%Windows%\\b.exe", "/x", "%Windows%", "Bye", "01"));
        const QString file = Path("saved.tvx");
        TNameSeam::ScriptNames({file});
        Click("btSave");
        QVERIFY(!Project().Modified);

        Open(6, {file});
        QVERIFY(!Project().Modified);
        QCOMPARE(RowShown(View("lvRunAfterUn"), 0),
                 (QStringList{"%Windows%\\b.exe", "/x", "%Windows%", "Bye", "01"}));
        QCOMPARE(View("lvRunBefore")->model()->rowCount(), 1);
        QVERIFY(View("lvRunAfterUn")->selectionModel()->selectedRows().isEmpty());
        ClickRow("lvRunAfterUn", 0);
        QVERIFY(Project().Modified);

        // New empties all four lists.
        TwzDialog::ScriptAnswers({mrYes, mrYes});
        Click("btNew");
        for (const char* view : {"lvRunBefore", "lvRunAfter", "lvRunBeforeUn", "lvRunAfterUn"})
            QCOMPARE(View(view)->model()->rowCount(), 0);
    }

    void refusalsWhereEntered() {
        Open(5);
        // A full list opens no dialog and says so.
        Project().RunAfter.assign(std::size_t(kMaxTableRows),
                                  Record("%InstallPath%\\x.exe", "", "", "", "11"));
        Reload();
        TwzDialog::ScriptAnswers({mrOk});
        Click("btRunAfterAdd");
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("1000"));
        QCOMPARE(Project().RunAfter.size(), std::size_t(kMaxTableRows));
        QVERIFY(!Project().Modified);

        // "|" separates the columns in the project file: refused at OK with the field named, the
        // window staying open on that field.
        InDialog("btRunBeforeAdd", [&](TFileRun* d) {
            const std::pair<QLineEdit*, QString> fields[] = {
                {In<QComboBox>(d, "cbAppName")->lineEdit(), "Application name"},
                {In<QLineEdit>(d, "edArguments"), "Arguments"},
                {In<QLineEdit>(d, "edWorkName"), "Working directory"},
                {In<QLineEdit>(d, "edMessage"), "Message"}};
            for (const auto& [edit, field] : fields) {
                Retype(edit, "a|b");
                TwzDialog::ScriptAnswers({mrOk});
                ClickOK(d);
                QVERIFY(d->isVisible());
                QVERIFY2(TwzDialog::AskedTexts().last().startsWith(field), qPrintable(field));
                QCOMPARE(TwzDialog::AskedMessages().back().type, TMsgDlgType::mtError);
                QVERIFY(d->focusWidget() == edit || d->focusWidget() == edit->parentWidget());
                Retype(edit, "ab");
            }
            // A character Windows-1252 cannot hold is refused where it is typed.
            auto* name = In<QComboBox>(d, "cbAppName")->lineEdit();
            TwzDialog::ScriptAnswers({mrOk});
            TypeText(name, QString(QChar(0x0416)));
            QCoreApplication::processEvents(); // the message comes once the key press is over
            QCOMPARE(name->text(), QString("ab"));
            QVERIFY(TwzDialog::AskedTexts().last().contains(QChar(0x0416)));
            ClickOK(d);
        });
        QCOMPARE(Project().RunBefore.size(), std::size_t(1));
        COMPARE_RECORD(Project().RunBefore[0],
                       Record("%InstallPath%\\ab", "ab", "%InstallPath%ab", "ab", "11"));
    }

    // Entries made in the window are saved as the console tool saves them, and the window's build
    // writes them into the engine's files as the console build does.
    void roundTripMatchesTheConsoleTool() {
#ifndef TAMVELOX_CLI_PATH
        QSKIP("the console tool's path is not known");
#else
        Open(5);
        Project().MiscDeployment = QDir::toNativeSeparators(Path("deploy")).toStdString();
        TEntry e;
        e.appName = "setup.exe";
        e.arguments = "/silent";
        e.message = "Preparing";
        AddEntry("btRunBeforeAdd", e);
        e = {};
        e.appName = "readme.exe";
        e.windowMode = 3;
        e.waiting = 0;
        AddEntry("btRunBeforeAdd", e);
        e = {};
        e.appFolder = "ProgramFiles";
        e.appName = "App\\app.exe";
        e.workFolder = "ProgramFiles";
        e.workName = "\\App";
        e.message = "Caf\u00e9";
        AddEntry("btRunAfterAdd", e);
        ShowStep(6);
        e = {};
        e.appName = "cleanup.exe";
        e.arguments = "--all";
        AddEntry("btRunBeforeUnAdd", e);
        e = {};
        e.appFolder = "Windows";
        e.appName = "notepad.exe";
        e.windowMode = 2;
        AddEntry("btRunAfterUnAdd", e);
        QVERIFY(Project().Modified);

        QDir().mkpath(Path("proj"));
        const QString fromWindow = Path("proj/rt.tvx");
        TNameSeam::ScriptNames({fromWindow});
        Click("btSave");
        QVERIFY(!Project().Modified);
        const QString fromCli = Path("proj/cli.tvx");
        QCOMPARE(QProcess::execute(TAMVELOX_CLI_PATH, {"save", fromWindow, fromCli}), 0);
        QCOMPARE(ReadFile(fromCli), ReadFile(fromWindow));
        const QStringList saved = FileLines(fromWindow);
        for (const char* line :
             {"RunBefore=2", "RunBefore000=%InstallPath%\\setup.exe|/silent|%InstallPath%|Preparing|11",
              "RunBefore001=%InstallPath%\\readme.exe||%InstallPath%||30",
              "RunAfter000=%ProgramFiles%\\App\\app.exe||%ProgramFiles%\\App|Caf\u00e9|11",
              "RunBeforeUn000=%InstallPath%\\cleanup.exe|--all|%InstallPath%||11",
              "RunAfterUn000=%Windows%\\notepad.exe||%InstallPath%||21"})
            QVERIFY2(saved.contains(line), line);

        Click("btWizFinish");
        TwzDialog::ScriptAnswers({mrYes, mrYes});
        Click("btBuild");
        const QString tzns = Path("deploy/rt/Presetup/TZNS.INI");
        const QString ins = Path("deploy/rt/Presetup/APP.INS");
        const QByteArray settingsFromWindow = ReadFile(tzns);
        const QByteArray installFromWindow = ReadFile(ins);
        QVERIFY2(!installFromWindow.isEmpty(), qPrintable(TwzDialog::AskedTexts().join(" | ")));
        QVERIFY(FileLines(tzns).contains(
            "RunBefore000=\"%InstallPath%\\setup.exe\",\"/silent\",\"%InstallPath%\",1,\"Preparing\",1"));
        QVERIFY(FileLines(ins).contains(
            "RunAfterUn000=\"%Windows%\\notepad.exe\",\"\",\"%InstallPath%\",2,\"\",1"));
        QCOMPARE(QProcess::execute(TAMVELOX_CLI_PATH, {"build", fromWindow}), 0);
        QCOMPARE(ReadFile(tzns), settingsFromWindow);
        QCOMPARE(ReadFile(ins), installFromWindow);
#endif
    }

    void screenshots() {
        const QString demo = QString(TAMVELOX_SOURCE_DIR) + "/examples/demo/demo.tvx";
        if (!QFile::exists(demo))
            QSKIP("the demo project is not there");
        TMain& w = Open(5, {demo});
        // The demo has programs in every run list.
        for (const char* view : {"lvRunBefore", "lvRunAfter", "lvRunBeforeUn", "lvRunAfterUn"})
            QVERIFY2(View(view)->model()->rowCount() > 0, view);
        ClickRow("lvRunAfter", 0);
        QVERIFY(tvtest::saveShot(&w, "run_install_selected_row"));
        ShowStep(6);
        QVERIFY(tvtest::saveShot(&w, "run_uninstall"));
        InDialog("btRunAfterUnAdd", [&](TFileRun* d) {
            TEntry e;
            e.appFolder = "Windows";
            e.appName = "notepad.exe";
            e.arguments = "%InstallPath%\\uninstall.txt";
            e.workFolder = "InstallPath";
            e.workName = "\\Docs";
            e.message = "Showing the uninstall notes";
            e.windowMode = 1;
            e.waiting = 0;
            Fill(d, e);
            QVERIFY(tvtest::saveShot(d, "run_filerun"));
            d->reject();
        });
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestRunPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_runpages.moc"
