// Undo and redo of the window's edits: typed, clicked and list edits through the window's keys and
// the lists' context menus, Modified following the history back to the saved state, and a long
// random session on the full-size project undone and redone to the byte.
#include "UiTestSupport.h"

#include "core/MsgDlg.h"
#include "core/ProjectFile.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/main/UndoHistory.h"
#include "ui/pages/FilesPage.h"
#include "ui/pages/MainWindowPage.h"
#include "ui/pages/RunInstallPage.h"
#include "ui/pages/RunUninstallPage.h"
#include "ui/pages/StartPage.h"
#include "ui/pages/SystemPage.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <random>

using namespace tv;

namespace {

QAction* ContextAction(QWidget* view, const char* name) {
    for (QAction* a : view->actions())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

QWidget* CurrentPage(TMain& w) {
    return w.findChild<QStackedWidget*>("wizPages")->currentWidget();
}

// A small saved project loaded into the window: three files, the rest as New makes it.
QString SaveSmallProject(const QTemporaryDir& dir) {
    TProject p;
    NewProject(p, dir.path().toStdString());
    p.MiscDeployment = "deploy";
    for (const char* name : {"a.exe", "b.dll", "c.hlp"}) {
        TFileRecord f;
        f.FileName = std::string("/src/") + name;
        f.FilePath = "%InstallPath%";
        f.SharedFile = name[0] == 'b';
        p.tbFiles.Append(f);
    }
    const QString path = dir.filePath("small.tvx");
    SaveProject(p, path.toStdString());
    return path;
}

} // namespace

class TestUndo final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tvtest::isolateEnvironment(); }
    void init() { tvtest::resetSeams(); }

    // A person types, clicks and removes a row, and takes each back with the keys or the menu.
    void editsAreUndoneAndRedoneThroughTheWindow() {
        QTemporaryDir dir;
        const QString path = SaveSmallProject(dir);
        TMain w;
        w.show();
        QCoreApplication::processEvents();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.LoadRecent(path);
        QCOMPARE(w.Project().tbFiles.Count(), 3);
        QVERIFY(!w.Project().Modified);
        QCOMPARE(w.UndoStack().count(), 0);
        const std::string loaded = ProjectFileText(w.Project());

        // Typing is one edit per field; Ctrl+Z in the box is the window's undo, not the box's own.
        auto* name = w.findChild<QLineEdit*>("edAppName");
        tvtest::Retype(name, "Demo");
        QCOMPARE(w.Project().AppName, std::string("Demo"));
        QVERIFY(w.Project().Modified);
        QCOMPARE(w.UndoStack().count(), 1);
        QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.UndoStack().index(), 0); // undone, and still there to redo
        QCOMPARE(w.UndoStack().count(), 1);
        QCOMPARE(name->text(), QString());
        QCOMPARE(w.Project().AppName, std::string());
        // Back at the loaded text: not Modified, nothing unsaved, Build would go ahead.
        QVERIFY(!w.Project().Modified);
        QVERIFY(!w.Commands().HasUnsavedWork());
        QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(name->text(), QString("Demo"));
        QVERIFY(w.Project().Modified);
        QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); // nothing to redo
        QCOMPARE(name->text(), QString("Demo"));

        // A click, undone with the focus elsewhere in the window.
        auto* reboot = w.findChild<QCheckBox*>("cbMiscReboot");
        const bool rebootWas = w.Project().MiscReboot;
        reboot->click();
        QCOMPARE(w.Project().MiscReboot, !rebootWas);
        reboot->setFocus();
        QTest::keyClick(reboot, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.Project().MiscReboot, rebootWas);
        QCOMPARE(reboot->isChecked(), rebootWas);
        // Ctrl+Z typed in a text box undoes the window's last edit, whichever field it was.
        reboot->click();
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(reboot->isChecked(), rebootWas);
        QCOMPARE(name->text(), QString("Demo"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(reboot)); // what changed has the focus

        // A row removed on the Files page comes back where it was, selected, with every field,
        // and the undo shows the Files page.
        auto* files = w.Page<TFilesPage>();
        auto* lvFiles = files->findChild<QTableView*>("lvFiles");
        for (int i = 0; i < 3; ++i)
            w.findChild<QPushButton*>("btWizNext")->click();
        QCOMPARE(CurrentPage(w), static_cast<QWidget*>(files));
        const TFileRecord removed = w.Project().tbFiles.Records[1];
        lvFiles->selectionModel()->setCurrentIndex(
            lvFiles->model()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        lvFiles->setFocus();
        QTest::keyClick(lvFiles, Qt::Key_Delete);
        QCOMPARE(w.Project().tbFiles.Count(), 2);
        w.findChild<QPushButton*>("btWizPrev")->click(); // wherever the author went since
        QAction* undo = ContextAction(lvFiles, "acUndo");
        QVERIFY(undo && undo->isEnabled());
        undo->trigger();
        QCOMPARE(CurrentPage(w), static_cast<QWidget*>(files));
        QCOMPARE(w.Project().tbFiles.Count(), 3);
        QCOMPARE(w.Project().tbFiles.Records[1].FileName, removed.FileName);
        QCOMPARE(w.Project().tbFiles.Records[1].FlagsText(), removed.FlagsText());
        QCOMPARE(w.Project().tbFiles.Current, 1);
        QCOMPARE(lvFiles->selectionModel()->selectedRows().value(0).row(), 1);
        QCOMPARE(lvFiles->model()->rowCount(), 3);
        ContextAction(lvFiles, "acRedo")->trigger();
        QCOMPARE(w.Project().tbFiles.Count(), 2);
        QCOMPARE(lvFiles->model()->rowCount(), 2);

        // Every list of every page offers both (the registry lists are combo boxes).
        QWidgetList lists = {w.findChild<QWidget*>("edRegAddKey"), w.findChild<QWidget*>("edRegDelKey")};
        for (QTableView* view : w.findChildren<QTableView*>())
            if (view->window() == &w)
                lists << view;
        QCOMPARE(lists.size(), 2 + 8);
        for (QWidget* list : lists)
            QVERIFY2(list && ContextAction(list, "acUndo") && ContextAction(list, "acRedo"),
                     qPrintable(list ? list->objectName() : QString("registry list")));

        // Saving marks the state to come back to; undo past it and back again.
        TNameSeam::ScriptNames({path});
        w.findChild<QToolButton*>("btSave")->click();
        QVERIFY(!w.Project().Modified);
        w.Undo();
        QVERIFY(w.Project().Modified);
        w.Redo();
        QVERIFY(!w.Project().Modified);
        while (w.UndoStack().canUndo())
            w.Undo();
        QCOMPARE(ProjectFileText(w.Project()), loaded);

        // New starts a new history, and a new project stays Modified however far it is undone.
        TwzDialog::ScriptAnswers({mrYes});
        w.findChild<QToolButton*>("btNew")->click();
        QCOMPARE(w.UndoStack().count(), 0);
        tvtest::Retype(name, "X");
        w.Undo();
        QVERIFY(w.Project().Modified);
        // and Load too.
        w.Redo();
        TwzDialog::ScriptAnswers({mrYes});
        w.LoadRecent(path);
        QCOMPARE(w.UndoStack().count(), 0);
        QVERIFY(!w.Project().Modified);
    }

    // 1000 random edits of the full-size project, page by page, then all undone: the loaded text
    // again, byte for byte; then all redone: the edited text.
    void thousandEditsUndoToTheLoadedBytes() {
        QTemporaryDir dir;
        TProject full;
        tvtest::fillFullSizeProject(full);
        const QString path = dir.filePath("full.tvx");
        SaveProject(full, path.toStdString());
        TMain w;
        w.LoadRecent(path);
        QCOMPARE(w.Project().tbFiles.Count(), kMaxTableRows);
        const std::string loaded = ProjectFileText(w.Project());

        std::mt19937 random(19);
        const auto pick = [&](int n) { return int(random() % unsigned(n)); };
        std::vector<QLineEdit*> edits;
        std::vector<QCheckBox*> boxes;
        std::vector<QComboBox*> combos;
        for (TWizardPage* page : w.Pages()) {
            for (QLineEdit* e : page->findChildren<QLineEdit*>())
                if (!qobject_cast<QAbstractSpinBox*>(e->parent()) && !qobject_cast<QComboBox*>(e->parent()))
                    edits.push_back(e);
            for (QCheckBox* b : page->findChildren<QCheckBox*>())
                boxes.push_back(b);
            for (QComboBox* c : page->findChildren<QComboBox*>())
                if (c->count() > 1 && page != w.Page<TSystemPage>()) // the key lists only pick
                    combos.push_back(c);
        }
        auto* filesPage = w.Page<TFilesPage>();
        auto* systemPage = w.Page<TSystemPage>();
        TWizardPage* runIn = w.Page<TRunInstallPage>();
        TWizardPage* runUn = w.Page<TRunUninstallPage>();
        TWizardPage* bitmapsPage = w.Page<TMainWindowPage>();

        // A list edit as a page makes it: the rows changed, then the page's change notification.
        const auto rowEdit = [&](auto& rows, TWizardPage* page, auto change, int limit = kMaxTableRows) {
            using R = typename std::decay_t<decltype(rows)>::value_type;
            const int n = int(rows.size());
            switch (pick(6)) {
            case 4: // remove a few rows here and there (a selection)
                for (int k = 0; k < 3 && n > 3; ++k)
                    rows.erase(rows.begin() + pick(n - k));
                break;
            case 5: // edit a few rows here and there
                for (int k = 0; k < 3 && n > 0; ++k)
                    change(rows[std::size_t(pick(n))]);
                break;
            case 0: // remove
                if (n > 0)
                    rows.erase(rows.begin() + pick(n));
                break;
            case 1: // add a copy somewhere (the lists are full: room comes from removals)
                if (n > 0 && n < limit) {
                    R copy = rows[std::size_t(pick(n))];
                    change(copy);
                    rows.insert(rows.begin() + pick(n + 1), copy);
                }
                break;
            case 2: // edit in place (Properties, the editors)
                if (n > 0)
                    change(rows[std::size_t(pick(n))]);
                break;
            default: // drag one row to another place
                if (n > 1) {
                    const int from = pick(n), to = pick(n);
                    R row = rows[std::size_t(from)];
                    rows.erase(rows.begin() + from);
                    rows.insert(rows.begin() + to, row);
                }
                break;
            }
            page->FieldChanged();
        };
        int serial = 0;
        for (int i = 0; i < 1000; ++i) {
            const std::string tag = "v" + std::to_string(++serial);
            TProject& p = w.Project();
            switch (pick(14)) {
            case 13: // a registry import: both registry lists and a setting in one go, one command
                if (!p.tbRegDel.Empty()) {
                    p.tbRegAdd.Records[std::size_t(pick(p.tbRegAdd.Count()))].Contents.push_back(tag +
                                                                                                 "=1,STRING");
                    p.tbRegDel.Records.erase(p.tbRegDel.Records.begin() + pick(p.tbRegDel.Count()));
                    p.AppName = tag;
                    const int before = w.UndoStack().count();
                    systemPage->FieldChanged();
                    QCOMPARE(w.UndoStack().count(), before + 1);
                }
                break;
            case 12: // Properties over every file
                for (TFileRecord& r : p.tbFiles.Records)
                    r.SharedFile = !r.SharedFile;
                filesPage->FieldChanged();
                break;
            case 0:
            case 1:
                edits[std::size_t(pick(int(edits.size())))]->setText(QString::fromStdString(tag));
                break;
            case 2:
                boxes[std::size_t(pick(int(boxes.size())))]->click();
                break;
            case 3: {
                QComboBox* c = combos[std::size_t(pick(int(combos.size())))];
                c->setCurrentIndex(pick(c->count()));
                break;
            }
            case 4:
                rowEdit(p.tbFiles.Records, filesPage, [&](TFileRecord& r) {
                    r.FilePath = tag;
                    r.NoLog = !r.NoLog;
                });
                break;
            case 5:
                rowEdit(p.tbShortcuts.Records, filesPage, [&](TShortcutRecord& r) { r.Arguments = tag; });
                break;
            case 6:
                rowEdit(p.tbRegAdd.Records, systemPage, [&](TContentsRecord& r) {
                    r.Key += tag;
                    r.Contents.push_back(tag + "=1,STRING");
                });
                break;
            case 7:
                rowEdit(p.tbINI.Records, systemPage, [&](TContentsRecord& r) { r.Key += tag; });
                break;
            case 8:
                rowEdit(
                    p.StaticBitmaps, bitmapsPage, [&](TStaticBitmap& r) { r.Coord = "1,2,3"; },
                    kMaxStaticBitmaps);
                break;
            case 9:
                rowEdit(pick(2) ? p.RunBefore : p.RunAfter, runIn, [&](TRunRecord& r) { r.Message = tag; });
                break;
            case 10:
                rowEdit(pick(2) ? p.RunBeforeUn : p.RunAfterUn, runUn, [&](TRunRecord& r) { r.Flag = "01"; });
                break;
            default: { // a remove through the page's own handler
                const bool file = pick(2);
                auto* view = filesPage->findChild<QTableView*>(file ? "lvFiles" : "lvShortcuts");
                if (view->model()->rowCount() > 0) {
                    view->selectRow(pick(view->model()->rowCount()));
                    file ? filesPage->btFileDelClick() : filesPage->btShortcutDelClick();
                }
                break;
            }
            }
        }
        const std::string edited = ProjectFileText(w.Project());
        QVERIFY(edited != loaded);
        const int commands = w.UndoStack().count();
        const std::size_t held = w.History().HeldBytes();
        qInfo("%d commands after 1000 edits hold %.2f MB", commands, double(held) / (1 << 20));
        QVERIFY(held < 50u << 20);

        int undone = 0;
        while (w.UndoStack().canUndo()) {
            w.Undo();
            ++undone;
        }
        QCOMPARE(undone, commands);
        QVERIFY(ProjectFileText(w.Project()) == loaded);
        QVERIFY(!w.Project().Modified);
        while (w.UndoStack().canRedo())
            w.Redo();
        QVERIFY(ProjectFileText(w.Project()) == edited);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestUndo test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_undo.moc"
