// Pages 5 and 6, the programs run around installation and uninstallation, driven through the main
// window: the rows the run entry dialog makes, its defaults and suggestions, Remove, Clear list and
// the Delete key, the change notification, the refusals, and a round trip through Save and Build
// that the console tool must match byte for byte.
#include "UiTestSupport.h"

#include "ui/editors/AnsiInput.h"

#include "TamveloxVersion.h"
#include "core/MsgDlg.h"
#include "core/Project.h"
#include "core/TextCodec.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MainUnit.h"
#include "ui/main/WizardPage.h"
#include "ui/pages/FileRunUnit.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace tv;
using tvtest::OnNextModal;
using tvtest::FileLines;
using tvtest::In;
using tvtest::ReadFile;
using tvtest::Retype;

namespace {

// One program as the author describes it in the run entry dialog.
struct TEntry {
    QString appFolder = "InstallPath", appName, arguments, workFolder = "InstallPath", workName, message;
    int windowMode = 1, waiting = 1;
};

void Fill(TFileRun* d, const TEntry& e) {
    for (const auto& [name, text] :
         {std::pair{"cbAppFolder", e.appFolder}, std::pair{"cbWorkFolder", e.workFolder}})
        In<QComboBox>(d, name)->setCurrentIndex(In<QComboBox>(d, name)->findText(text));
    Retype(In<QComboBox>(d, "cbAppName")->lineEdit(), e.appName);
    Retype(In<QLineEdit>(d, "edArguments"), e.arguments);
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

// A row's columns joined by "|", from the Project and from the view.
QString Row(const TRunList& list, std::size_t i) {
    if (i >= list.size())
        return "(no row)";
    const TRunRecord& r = list[i];
    return QString::fromStdString(AnsiToUtf8(r.Application + "|" + r.Argument + "|" + r.WorkingDirectory +
                                             "|" + r.Message + "|" + r.Flag));
}
QString RowShown(QTableView* view, int row) {
    QStringList texts;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        texts << view->model()->index(row, c).data().toString();
    return texts.join('|');
}

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
    void PressDelete(const char* view) {
        View(view)->setFocus();
        QTest::keyClick(View(view), Qt::Key_Delete);
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

    void addAppendsTheRowTheDialogDescribes() {
        Open(5);
        InDialog("btRunBeforeAdd", [&](TFileRun* d) {
            QCOMPARE(d->size(), QSize(484, 190));
            QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
            for (const char* name : {"cbAppFolder", "cbWorkFolder"}) {
                const QStringList items = Items(In<QComboBox>(d, name));
                QCOMPARE(items.size(), 28);
                QCOMPARE(items.first() + items[18] + items.last(),
                         QString("InstallPathProgramFilesOffice2000"));
            }
            QCOMPARE(Items(In<QComboBox>(d, "cbWindowMode")).size(), 5);
            QVERIFY(Items(In<QComboBox>(d, "cbWindowMode")).last().isEmpty());
            // No files on the files page: no suggestions. Confirmed at once: the defaults.
            QCOMPARE(In<QComboBox>(d, "cbAppName")->count(), 0);
            ClickOK(d);
        });
        QCOMPARE(Row(Project().RunBefore, 0), QString("%InstallPath%\\||%InstallPath%||11"));
        QVERIFY(Project().Modified);

        // The backslash follows the application's folder variable, never the working folder's.
        TEntry setup;
        setup.appName = "setup.exe";
        AddEntry("btRunBeforeAdd", setup);
        QCOMPARE(Row(Project().RunBefore, 1), QString("%InstallPath%\\setup.exe||%InstallPath%||11"));
        TEntry other{"Windows",
                     "bin\\notepad.exe",
                     "\"%InstallPath%\\read me.txt\" /p",
                     "System",
                     "sub",
                     "Caf\u00e9, please wait",
                     4,
                     0}; // the empty fifth window mode
        AddEntry("btRunBeforeAdd", other);
        const QString expected = "%Windows%\\bin\\notepad.exe|\"%InstallPath%\\read me.txt\" "
                                 "/p|%System%sub|Caf\u00e9, please wait|40";
        QCOMPARE(Row(Project().RunBefore, 2), expected);
        QCOMPARE(RowShown(View("lvRunBefore"), 2), expected);
        QVERIFY(!View("lvRunBefore")->model()->index(2, 0).data(Qt::DecorationRole).value<QIcon>().isNull());

        // Each list has its own button.
        AddEntry("btRunAfterAdd", setup);
        ShowStep(6);
        setup.windowMode = 0;
        AddEntry("btRunBeforeUnAdd", setup);
        AddEntry("btRunAfterUnAdd", other);
        QCOMPARE(Project().RunBefore.size(), std::size_t(3));
        QCOMPARE(Project().RunAfter.size(), std::size_t(1));
        QCOMPARE(Row(Project().RunBeforeUn, 0), QString("%InstallPath%\\setup.exe||%InstallPath%||01"));
        QCOMPARE(Row(Project().RunAfterUn, 0), expected);

        // Cancel and Escape add nothing and leave the project unchanged; Enter confirms.
        Project().Modified = false;
        InDialog("btRunAfterUnAdd", [&](TFileRun* d) {
            Retype(In<QComboBox>(d, "cbAppName")->lineEdit(), "cancelled.exe");
            QTest::mouseClick(In<TjdFlatButton>(d, "doCancel"), Qt::LeftButton);
        });
        InDialog("btRunAfterUnAdd", [&](TFileRun* d) {
            QTest::keyClick(In<QComboBox>(d, "cbAppName")->lineEdit(), Qt::Key_Escape);
        });
        QCOMPARE(Project().RunAfterUn.size(), std::size_t(1));
        QVERIFY(!Project().Modified);
        InDialog("btRunAfterUnAdd", [&](TFileRun* d) {
            Retype(In<QComboBox>(d, "cbAppName")->lineEdit(), "entered.exe");
            QTest::keyClick(In<QComboBox>(d, "cbAppName")->lineEdit(), Qt::Key_Return);
        });
        QCOMPARE(Row(Project().RunAfterUn, 1), QString("%InstallPath%\\entered.exe||%InstallPath%||11"));
    }

    void suggestionsAreTheNamesOfTheProjectsFiles() {
        Open(5);
        for (const char* source : {"C:\\Src\\app.exe", "D:\\x\\readme.txt", "/home/author/bin/tool.sh",
                                   "/home/author/other/app.exe", "plain.dll"}) {
            TFileRecord f;
            f.FileName = source;
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
            ClickOK(d);
        });
        QCOMPARE(Project().RunAfter[0].Application, std::string("%InstallPath%\\readme.txt"));
    }

    void removeClearAndTheDeleteKey() {
        Open(5);
        for (TRunList* list :
             {&Project().RunBefore, &Project().RunAfter, &Project().RunBeforeUn, &Project().RunAfterUn})
            for (const char* name : {"a", "b", "c", "d"})
                list->push_back({name, "", "", "", "11"});
        for (TWizardPage* page : m_Main->Pages())
            page->LoadFromProject();
        QVERIFY(!Project().Modified);

        // Remove without a selected row does nothing.
        Click("btRunBeforeDel");
        QCOMPARE(Project().RunBefore.size(), std::size_t(4));
        QVERIFY(!Project().Modified);
        // The row that takes the removed one's place is selected: Remove goes on down the list.
        ClickRow("lvRunBefore", 1);
        Click("btRunBeforeDel");
        Click("btRunBeforeDel");
        QCOMPARE(Project().RunBefore.size(), std::size_t(2));
        QCOMPARE(RowShown(View("lvRunBefore"), 1), QString("d||||11"));
        QVERIFY(Project().Modified);

        // The Delete key removes every selected row.
        ClickRow("lvRunAfter", 0);
        ClickRow("lvRunAfter", 2, Qt::ControlModifier);
        PressDelete("lvRunAfter");
        QCOMPARE(Row(Project().RunAfter, 0) + Row(Project().RunAfter, 1), QString("b||||11d||||11"));

        // Clear list empties its own list only.
        Click("btRunBeforeClear");
        QCOMPARE(View("lvRunBefore")->model()->rowCount(), 0);
        QCOMPARE(Project().RunAfter.size() + Project().RunBeforeUn.size() + Project().RunAfterUn.size(),
                 std::size_t(10));
        ShowStep(6);
        Click("btRunAfterUnClear");
        QVERIFY(Project().RunAfterUn.empty());
        ClickRow("lvRunBeforeUn", 3);
        PressDelete("lvRunBeforeUn");
        PressDelete("lvRunBeforeUn");
        QCOMPARE(Row(Project().RunBeforeUn, 1), QString("b||||11"));
        QCOMPARE(Project().RunBeforeUn.size(), std::size_t(2));
    }

    // Load shows the saved lists without marking them changed; merely selecting a row of a run list
    // then marks the project as changed. New empties the lists.
    void loadShowsTheListsAndSelectingMarksChanged() {
        Open(5);
        Project().MiscDeployment = "deploy";
        Project().RunBefore.push_back({"%InstallPath%\\a.exe", "", "%InstallPath%", "", "11"});
        Project().RunAfterUn.push_back({"%Windows%\\b.exe", "/x", "%Windows%", "Bye", "01"});
        const QString file = Path("saved.tvx");
        TNameSeam::ScriptNames({file});
        Click("btSave");

        Open(6, {file});
        QVERIFY(!Project().Modified);
        QCOMPARE(RowShown(View("lvRunAfterUn"), 0), QString("%Windows%\\b.exe|/x|%Windows%|Bye|01"));
        QCOMPARE(View("lvRunBefore")->model()->rowCount(), 1);
        ClickRow("lvRunAfterUn", 0);
        QVERIFY(Project().Modified);

        TwzDialog::ScriptAnswers({mrYes, mrYes});
        Click("btNew");
        for (const char* view : {"lvRunBefore", "lvRunAfter", "lvRunBeforeUn", "lvRunAfterUn"})
            QCOMPARE(View(view)->model()->rowCount(), 0);
    }

    void refusalsWhereEntered() {
        Open(5);
        // A full list opens no dialog and says so.
        Project().RunAfter.assign(std::size_t(kMaxTableRows), {"%InstallPath%\\x.exe", "", "", "", "11"});
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
            const int asked = int(TwzDialog::AskedTexts().size());
            QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(QChar(0x0416)), Qt::NoModifier);
            QCoreApplication::processEvents();
            QCOMPARE(name->text(), QString("ab"));
            QVERIFY(RefusalShown(name).contains(QChar(0x0416))); // beside the box, no window
            QCOMPARE(int(TwzDialog::AskedTexts().size()), asked);
            ClickOK(d);
        });
        QCOMPARE(Row(Project().RunBefore, 0), QString("%InstallPath%\\ab|ab|%InstallPath%ab|ab|11"));
    }

    // Entries made in the window are saved as the console tool saves them, and the window's build
    // writes them into the engine's files as the console build does.
    void roundTripMatchesTheConsoleTool() {
#ifndef TAMVELOX_CLI_PATH
        QSKIP("the console tool's path is not known");
#else
        Open(5);
        Project().MiscDeployment = QDir::toNativeSeparators(Path("deploy")).toStdString();
        // No title bitmap: where the program's own lies depends on how this test was built.
        Project().DialogTitleBMP.clear();
        AddEntry("btRunBeforeAdd",
                 {"InstallPath", "setup.exe", "/silent", "InstallPath", "", "Preparing", 1, 1});
        AddEntry("btRunBeforeAdd", {"InstallPath", "readme.exe", "", "InstallPath", "", "", 3, 0});
        AddEntry("btRunAfterAdd",
                 {"ProgramFiles", "App\\app.exe", "", "ProgramFiles", "\\App", "Caf\u00e9", 1, 1});
        ShowStep(6);
        AddEntry("btRunBeforeUnAdd", {"InstallPath", "cleanup.exe", "--all", "InstallPath", "", "", 1, 1});
        AddEntry("btRunAfterUnAdd", {"Windows", "notepad.exe", "", "InstallPath", "", "", 2, 1});

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
        const QByteArray settingsFromWindow = ReadFile(tzns), installFromWindow = ReadFile(ins);
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
            Fill(d, {"Windows", "notepad.exe", "%InstallPath%\\uninstall.txt", "InstallPath", "\\Docs",
                     "Showing the uninstall notes", 1, 0});
            QVERIFY(tvtest::saveShot(d, "run_filerun"));
        });
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestRunPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_runpages.moc"
