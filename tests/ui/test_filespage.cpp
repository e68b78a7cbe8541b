// The Files & Shortcuts page with its three dialogs, driven as an author would: picking files in the
// add dialog (one by one, a whole folder, by dropping), the target and flags they get, removing and
// clearing, file properties, the shortcut dialog, the limits and refusals, and the missing-source mark.
#include "UiTestSupport.h"

#include "core/MsgDlg.h"
#include "core/Project.h"
#include "ui/editors/AnsiInput.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/wzDialogFormUnit.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/pages/FileAddUnit.h"
#include "ui/pages/FileModels.h"
#include "ui/pages/FilePropertiesUnit.h"
#include "ui/pages/FileShortcutsUnit.h"
#include "ui/pages/FilesPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <functional>

#ifndef _WIN32
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace tv;
using tvtest::OnNextModal;
using tvtest::Touch;

namespace {

// Waits for the browsed folder's listing (the file-system model reads folders in the background).
bool WaitListed(TFileAdd* dialog) {
    if (dialog->FolderListed())
        return true;
    QSignalSpy listed(dialog, &TFileAdd::folderListed);
    return listed.wait(20000);
}

QStringList Rows(QAbstractItemView* view) {
    QStringList rows;
    const QModelIndex root = view->rootIndex();
    for (int r = 0; r < view->model()->rowCount(root); ++r)
        rows << view->model()->index(r, 0, root).data().toString();
    return rows;
}

// Clicks a row of the dialog's file list, with Ctrl to add it to the selection.
void ClickFile(TFileAdd* dialog, const QString& name, Qt::KeyboardModifiers mods = Qt::ControlModifier,
               bool twice = false) {
    auto* list = dialog->findChild<QListView*>("foList");
    const int row = int(Rows(list).indexOf(name));
    QVERIFY2(row >= 0, qPrintable(name));
    const QModelIndex index = list->model()->index(row, 0, list->rootIndex());
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    // A double click is a click and a second press that the system reports as a double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, mods, at);
}

// OnNextModal, and a failed check inside action closes the window instead of leaving it waiting.
template <class W> void OnModal(std::function<void(W*)> action) {
    OnNextModal<W>([action](W* w) {
        action(w);
        if (QTest::currentTestFailed() && w->isVisible())
            w->done(0);
    });
}

template <class W = QWidget> W* Get(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    if (!w)
        qWarning("no control %s", name);
    return w;
}

void Drop(QWidget* target, const QStringList& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
}

} // namespace

class TestFilesPage final : public QObject {
    Q_OBJECT

private:
    // The page as the main window holds it: a frame of the page area's size, Tahoma 8.
    struct Fixture {
        TProject project;
        QWidget host;
        TFilesPage* page = nullptr;

        Fixture() {
            host.setFont(DialogFont());
            host.setFixedSize(410, 327);
            page = new TFilesPage(project, &host);
            page->setGeometry(0, 0, 410, 327);
            host.show();
        }
        template <class W = QWidget> W* get(const char* name) { return Get<W>(page, name); }
        QTableView* files() { return get<QTableView>("lvFiles"); }
        QTableView* shortcuts() { return get<QTableView>("lvShortcuts"); }
        void click(const char* name) { QTest::mouseClick(get<QToolButton>(name), Qt::LeftButton); }
        // Runs the add dialog through the page's button; action drives it.
        void addFiles(std::function<void(TFileAdd*)> action) {
            OnModal<TFileAdd>(action);
            click("btFileAdd");
        }
        QString cell(int row, int column) { return files()->model()->index(row, column).data().toString(); }
    };

    QTemporaryDir m_dir;
    QString Path(const QString& name) const { return QDir::toNativeSeparators(m_dir.filePath(name)); }

private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        InstallFontSubstitutes();
        QVERIFY(m_dir.isValid());
        for (const char* name : {"src/a.txt", "src/b.txt", "src/c.txt", "src/d.txt", "src/e.txt", "src/f.txt",
                                 "src/g.txt", "src/.hidden", "src/sub/inner.dat"})
            QVERIFY(Touch(m_dir.filePath(name)));
    }
    void init() { tvtest::resetSeams(); }
    void cleanup() { tvtest::resetSeams(false); }

    void addPicksSelectedFilesInListOrder() {
        Fixture fx;
        fx.addFiles([&](TFileAdd* d) {
            QCOMPARE(d->windowTitle(), QString("Add Files"));
            QCOMPARE(d->size(), QSize(575, 308));
            QCOMPARE(Get<QComboBox>(d, "cbTarget")->count(), 27);
            QCOMPARE(Get<QComboBox>(d, "cbTarget")->currentText(), QString("InstallPath"));
            QVERIFY(d->SetFolder(m_dir.filePath("src")));
            QVERIFY(WaitListed(d));
            // Hidden files are listed, sub-folders never.
            const QStringList listed = Rows(Get<QListView>(d, "foList"));
            QVERIFY2(listed.contains(".hidden"), qPrintable(listed.join(',')));
            QVERIFY(!listed.contains("sub"));
            QCOMPARE(listed.size(), 8);

            ClickFile(d, "g.txt", Qt::NoModifier);
            ClickFile(d, "b.txt");
            ClickFile(d, "e.txt");
            QTest::mouseClick(Get<QToolButton>(d, "btFileAdd"), Qt::LeftButton);
            auto* selected = Get<QListView>(d, "lsSelected");
            const QStringList expected = {Path("src/b.txt"), Path("src/e.txt"), Path("src/g.txt")};
            QCOMPARE(Rows(selected), expected);
            // Adding again lists nothing new.
            QTest::mouseClick(Get<QToolButton>(d, "btFileAdd"), Qt::LeftButton);
            QCOMPARE(Rows(selected), expected);
            // Remove takes the selected row of the selected list.
            selected->setCurrentIndex(selected->model()->index(1, 0));
            QTest::mouseClick(Get<QToolButton>(d, "btFileDel"), Qt::LeftButton);
            QCOMPARE(Rows(selected), QStringList({Path("src/b.txt"), Path("src/g.txt")}));
            // Double-click adds the row together with the other selected ones.
            ClickFile(d, "a.txt", Qt::NoModifier);
            ClickFile(d, "c.txt", Qt::ControlModifier);
            ClickFile(d, "e.txt", Qt::ControlModifier, true);
            QCOMPARE(Rows(selected), QStringList({Path("src/b.txt"), Path("src/g.txt"), Path("src/a.txt"),
                                                  Path("src/c.txt"), Path("src/e.txt")}));

            QTest::keyClicks(Get<QLineEdit>(d, "edTargetPath"), "\\bin");
            Get<QCheckBox>(d, "cbSharedFile")->click();
            Get<QCheckBox>(d, "cbNoLog")->click();
            QCOMPARE(Get<QCheckBox>(d, "cbDontAskUser")->toolTip(),
                     QString("don't ask user confirmation of overwriting existing file on version conflict"));
            Get<QPushButton>(d, "doOK")->click();
        });
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
        const auto& recs = fx.project.tbFiles.Records;
        QCOMPARE(recs.size(), std::size_t(5));
        QCOMPARE(QString::fromStdString(recs[0].FileName), Path("src/b.txt"));
        QCOMPARE(QString::fromStdString(recs[4].FileName), Path("src/e.txt"));
        for (const TFileRecord& r : recs) {
            QCOMPARE(r.FilePath, std::string("%InstallPath%\\bin"));
            QCOMPARE(r.FlagsText(), std::string("NO_LOG+SHARED_FILE"));
        }
        QCOMPARE(fx.cell(0, 2), QString("NO_LOG+SHARED_FILE"));
        QCOMPARE(fx.cell(0, 1), QString("%InstallPath%\\bin"));
        QVERIFY(fx.project.Modified);

        // The first row is selected and current: Remove deletes the first file.
        QCOMPARE(fx.project.tbFiles.Current, 0);
        QCOMPARE(fx.files()->selectionModel()->selectedRows().size(), 1);
        fx.project.Modified = false;
        fx.click("btFileDel");
        QCOMPARE(recs.size(), std::size_t(4));
        QCOMPARE(QString::fromStdString(recs[0].FileName), Path("src/g.txt"));
        QVERIFY(fx.project.Modified);

        // The same file again in another run: a second record. An empty path stores the bare variable.
        fx.addFiles([&](TFileAdd* d) {
            QCOMPARE(Get<QLineEdit>(d, "edTargetPath")->text(), QString());
            QVERIFY(!Get<QCheckBox>(d, "cbNoLog")->isChecked());
            QCOMPARE(d->Folder(), m_dir.filePath("src")); // where the last run browsed
            QVERIFY(WaitListed(d));
            ClickFile(d, "g.txt", Qt::NoModifier, true);
            Get<QPushButton>(d, "doOK")->click();
        });
        QCOMPARE(recs.size(), std::size_t(5));
        QCOMPARE(recs[4].FileName, recs[0].FileName);
        QCOMPARE(recs[4].FilePath, std::string("%InstallPath%"));
        QCOMPARE(fx.cell(4, 2), QString());

        // Cancel and Escape add nothing.
        fx.project.Modified = false;
        fx.addFiles([&](TFileAdd* d) {
            QVERIFY(WaitListed(d));
            ClickFile(d, "a.txt", Qt::NoModifier, true);
            Get<QPushButton>(d, "doCancel")->click();
        });
        fx.addFiles([&](TFileAdd* d) {
            QVERIFY(WaitListed(d));
            ClickFile(d, "a.txt", Qt::NoModifier, true);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(recs.size(), std::size_t(5));
        QVERIFY(!fx.project.Modified);

        // Removing a file leaves the shortcuts that point at it; Clear empties the list and Remove
        // then does nothing.
        fx.project.tbShortcuts.Append({"%AppFolder%", "G", "%InstallPath%\\bin\\g.txt", "", "%InstallPath%"});
        QApplication::setActiveWindow(&fx.host);
        QVERIFY(QTest::qWaitForWindowActive(&fx.host));
        fx.files()->setFocus();
        fx.files()->selectRow(0);
        QTest::keyClick(fx.files(), Qt::Key_Delete);
        QCOMPARE(recs.size(), std::size_t(4));
        QCOMPARE(fx.project.tbShortcuts.Count(), 1);
        TwzDialog::ScriptAnswers({mrYes});
        fx.click("btFileEdit");
        QCOMPARE(fx.files()->model()->rowCount(), 0);
        QCOMPARE(fx.project.tbFiles.Current, -1);
        fx.project.Modified = false;
        fx.click("btFileDel");
        fx.click("btFileEdit");
        QVERIFY(!fx.project.Modified);
    }

    // Clear list asks first, on both lists; Escape is No and keeps every row.
    void clearListAsksFirst() {
        Fixture fx;
        fx.project.tbFiles.Records.push_back({"/a/b.exe", "%System%"});
        fx.project.tbFiles.Records.push_back({"/a/c.dll", "%System%"});
        fx.project.tbShortcuts.Records.push_back({"%Desktop%", "B", "%System%\\b.exe", "", "%System%"});
        fx.page->LoadFromProject();
        fx.project.Modified = false;

        tvtest::resetSeams(false);
        QString asked;
        OnModal<TwzDialogForm>([&](TwzDialogForm* w) {
            asked = w->dlgText()->Caption();
            QVERIFY(w->Button(mbYes) && w->Button(mbNo));
            QTest::keyClick(w, Qt::Key_Escape);
        });
        fx.click("btFileEdit");
        QCOMPARE(asked, QString("Sure to delete ALL files ?"));
        QCOMPARE(fx.project.tbFiles.Count(), 2);
        QCOMPARE(fx.files()->model()->rowCount(), 2);
        QVERIFY(!fx.project.Modified);

        tvtest::resetSeams();
        TwzDialog::ScriptAnswers({mrNo, mrYes, mrYes});
        fx.click("btShortcutClear");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList({"Sure to delete ALL shortcuts ?"}));
        QCOMPARE(fx.project.tbShortcuts.Count(), 1);
        QVERIFY(!fx.project.Modified);
        fx.click("btShortcutClear");
        QCOMPARE(fx.project.tbShortcuts.Count(), 0);
        QCOMPARE(fx.shortcuts()->model()->rowCount(), 0);
        fx.click("btFileEdit");
        QCOMPARE(fx.project.tbFiles.Count(), 0);
        QVERIFY(fx.project.Modified);
        // An empty list asks nothing.
        fx.click("btFileEdit");
        fx.click("btShortcutClear");
        QCOMPARE(TwzDialog::AskedTexts().size(), 3);
    }

    void wholeFolderKeepsItsShape() {
        QTemporaryDir tmp;
        const QString app = tmp.filePath("app");
        for (const char* name : {"app/main.exe", "app/a/one.dll", "app/a/b/two.dat", "app/.git/config",
                                 "app/a/.cache/x", "elsewhere/linked.txt"})
            QVERIFY(Touch(tmp.filePath(name)));
        QVERIFY(QFile::link(tmp.filePath("elsewhere"), tmp.filePath("app/link")));
        QVERIFY(QFile::link(tmp.filePath("elsewhere/linked.txt"), tmp.filePath("app/a/filelink.txt")));

        Fixture fx;
        fx.addFiles([&](TFileAdd* d) {
            QVERIFY(d->SetFolder(app));
            Get<QComboBox>(d, "cbTarget")
                ->setCurrentIndex(Get<QComboBox>(d, "cbTarget")->findText("CommonFiles"));
            QTest::keyClicks(Get<QLineEdit>(d, "edTargetPath"), "\\Demo");
            QTest::mouseClick(Get<QToolButton>(d, "btFolderAdd"), Qt::LeftButton);
            Get<QPushButton>(d, "doOK")->click();
        });
        // No question for a few files; one message names what was left out and why.
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        const QString told = TwzDialog::AskedTexts()[0];
        QVERIFY2(told.startsWith("These 3 were not added:") && told.contains("app/.git: its name begins") &&
                     told.contains("a/.cache: its name begins") &&
                     told.contains("app/link: it is a link to a folder"),
                 qPrintable(told));
        QStringList got;
        for (const TFileRecord& r : fx.project.tbFiles.Records)
            got << QDir(app).relativeFilePath(QString::fromStdString(r.FileName)) + " -> " +
                       QString::fromStdString(r.FilePath);
        // Dot-folders and the link to a folder are left out; a link to a file is a file.
        QCOMPARE(
            got,
            QStringList({"main.exe -> %CommonFiles%\\Demo", "a/filelink.txt -> %CommonFiles%\\Demo\\a",
                         "a/one.dll -> %CommonFiles%\\Demo\\a", "a/b/two.dat -> %CommonFiles%\\Demo\\a\\b"}));

        // More than 200 files: the number is shown first, and No adds nothing.
        const QString many = tmp.filePath("many");
        for (int i = 0; i < 201; ++i)
            QVERIFY(Touch(many + QString("/f%1.txt").arg(i, 3, 10, QChar('0'))));
        tvtest::resetSeams();
        TwzDialog::ScriptAnswers({mrNo, mrYes});
        fx.addFiles([&](TFileAdd* d) {
            QVERIFY(d->SetFolder(many));
            QTest::mouseClick(Get<QToolButton>(d, "btFolderAdd"), Qt::LeftButton);
            QCOMPARE(Rows(Get<QListView>(d, "lsSelected")).size(), 0);
            QTest::mouseClick(Get<QToolButton>(d, "btFolderAdd"), Qt::LeftButton);
            QCOMPARE(Rows(Get<QListView>(d, "lsSelected")).size(), 201);
            Get<QPushButton>(d, "doOK")->click();
        });
        QCOMPARE(TwzDialog::AskedTexts().size(), 2);
        QVERIFY(TwzDialog::AskedTexts()[0].startsWith("201 files"));
        QCOMPARE(fx.project.tbFiles.Count(), 205);
        QCOMPARE(fx.project.tbFiles.Records[4].FilePath, std::string("%InstallPath%"));
    }

    // A folder add takes regular files whose names the project can keep, and tells in one message
    // what it left out and why; files picked one by one meet the same rules.
    void folderAddTakesRegularFilesOnly() {
#ifdef _WIN32
        QSKIP("FIFOs, sockets and these names are POSIX");
#else
        QTemporaryDir tmp;
        const QString app = tmp.filePath("app");
        for (const char* name : {"app/ok.txt", "app/.env", "app/.git/config", "app/sub/fine.dat",
                                 "app/a=b.txt", "app/;start.txt", "app/ lead.txt", "app/cr\rlf.txt"})
            QVERIFY(Touch(tmp.filePath(QString::fromUtf8(name))));
        QVERIFY(Touch(tmp.filePath("app/bad|sub/x.txt")));
        QVERIFY(::mkfifo(QFile::encodeName(tmp.filePath("app/pipe")).constData(), 0600) == 0);
        QVERIFY(QFile::link(tmp.filePath("app/gone.txt"), tmp.filePath("app/dangling")));
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(sock >= 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray sockPath = QFile::encodeName(tmp.filePath("app/sock"));
        QVERIFY(std::size_t(sockPath.size()) < sizeof addr.sun_path);
        std::memcpy(addr.sun_path, sockPath.constData(), std::size_t(sockPath.size()));
        QVERIFY(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0);
        // Root reads every folder: the unreadable one can be made only as another user.
        const bool canLock = ::geteuid() != 0;
        if (canLock) {
            QVERIFY(Touch(tmp.filePath("app/locked/secret.txt")));
            QVERIFY(QFile::setPermissions(tmp.filePath("app/locked"), QFileDevice::WriteOwner));
        }

        TFileAdd dialog(nullptr, 100, tmp.path());
        TwzDialog::ScriptAnswers({mrOk});
        dialog.AddPaths({app});
        if (canLock)
            QFile::setPermissions(tmp.filePath("app/locked"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        ::close(sock);
        QStringList taken;
        for (const TChosenFile& f : dialog.SelectedFiles())
            taken << QDir(app).relativeFilePath(f.Path);
        QCOMPARE(taken, QStringList({"ok.txt", "sub/fine.dat"}));
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        const QString told = TwzDialog::AskedTexts()[0];
        const QStringList expected = {
            "app/.env: its name begins with \".\"",
            "app/.git: its name begins with \".\"",
            "app/bad|sub: its name holds \"|\"",
            "app/pipe: it is a FIFO",
            "app/sock: it is a socket",
            "app/dangling: it is a link to nothing",
            "app/a=b.txt: the name holds \"=\"",
            "app/;start.txt: the name begins with \";\"",
            "app/ lead.txt: the name begins or ends with a blank",
            "cr\rlf.txt: its name holds a line break",
        };
        for (const QString& line : expected)
            QVERIFY2(told.contains(line), qPrintable(line + " in " + told));
        QVERIFY(
            told.startsWith(QString("These %1 were not added:").arg(expected.size() + (canLock ? 1 : 0))));
        if (canLock)
            QVERIFY2(told.contains("app/locked: the folder cannot be read"), qPrintable(told));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtWarning);

        // Picked in the list, a name the install list cannot hold as a key is refused with its reason.
        Fixture fx;
        tvtest::resetSeams();
        TwzDialog::ScriptAnswers({mrOk});
        fx.addFiles([&](TFileAdd* d) {
            QVERIFY(d->SetFolder(app));
            QVERIFY(WaitListed(d));
            ClickFile(d, "a=b.txt", Qt::NoModifier);
            ClickFile(d, "ok.txt");
            QTest::mouseClick(Get<QToolButton>(d, "btFileAdd"), Qt::LeftButton);
            QCOMPARE(Rows(Get<QListView>(d, "lsSelected")), QStringList({QDir::toNativeSeparators(app + "/ok.txt")}));
            Get<QPushButton>(d, "doOK")->click();
        });
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY2(TwzDialog::AskedTexts()[0].startsWith("This was not added:") &&
                     TwzDialog::AskedTexts()[0].contains("a=b.txt: the name holds \"=\""),
                 qPrintable(TwzDialog::AskedTexts()[0]));
        QCOMPARE(fx.project.tbFiles.Count(), 1);
#endif
    }

    void droppedFilesOpenTheDialog() {
        QTemporaryDir tmp;
        for (const char* name : {"drop/one.txt", "drop/two/three.txt", "four.txt", "five.txt"})
            QVERIFY(Touch(tmp.filePath(name)));
        Fixture fx;
        OnModal<TFileAdd>([&](TFileAdd* d) {
            auto* selected = Get<QListView>(d, "lsSelected");
            QCOMPARE(Rows(selected).size(), 3);
            // Dropped on the selected list, files are added to it.
            Drop(selected->viewport(), {tmp.filePath("five.txt")});
            QCoreApplication::sendPostedEvents();
            QCOMPARE(Rows(selected).size(), 4);
            QTest::keyClicks(Get<QLineEdit>(d, "edTargetPath"), "\\x");
            Get<QPushButton>(d, "doOK")->click();
        });
        Drop(fx.files()->viewport(), {tmp.filePath("drop"), tmp.filePath("four.txt")});
        QCoreApplication::sendPostedEvents(); // the drop opens the dialog once it is over
        QStringList got;
        for (const TFileRecord& r : fx.project.tbFiles.Records)
            got << QFileInfo(QString::fromStdString(r.FileName)).fileName() + " " +
                       QString::fromStdString(r.FilePath);
        QCOMPARE(got, QStringList({"one.txt %InstallPath%\\x", "three.txt %InstallPath%\\x\\two",
                                   "four.txt %InstallPath%\\x", "five.txt %InstallPath%\\x"}));
    }

    void propertiesRewriteTargetAndFlags() {
        Fixture fx;
        auto& recs = fx.project.tbFiles.Records;
        for (const char* name : {"a.dll", "b.dll", "c.dll"}) {
            TFileRecord r;
            r.FileName = name;
            r.FilePath = "%InstallPath%\\bin";
            recs.push_back(r);
        }
        recs[0].NoLog = true;
        recs[2].SharedFile = true;
        recs[2].NoLog = false;
        fx.page->LoadFromProject();

        // Rows 1 and 3: their flags differ, their target is shared.
        fx.files()->selectRow(0);
        QTest::mouseClick(fx.files()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          fx.files()->visualRect(fx.files()->model()->index(2, 0)).center());
        OnModal<TFileProperties>([](TFileProperties* d) {
            QCOMPARE(Get<QComboBox>(d, "cbTarget")->currentText(), QString("InstallPath"));
            QCOMPARE(Get<QLineEdit>(d, "edTargetPath")->text(), QString("\\bin"));
            QCOMPARE(Get<QCheckBox>(d, "cbNoLog")->checkState(), Qt::PartiallyChecked);
            QCOMPARE(Get<QCheckBox>(d, "cbRegisterFont")->checkState(), Qt::Unchecked);
            Get<QCheckBox>(d, "cbRegisterFont")->click();
            auto* path = Get<QLineEdit>(d, "edTargetPath");
            path->selectAll();
            QTest::keyClicks(path, "\\lib");
            Get<QPushButton>(d, "doOK")->click();
        });
        fx.click("btFileProps");
        QCOMPARE(recs[0].FlagsText(), std::string("NO_LOG+REGISTER_FONT"));
        QCOMPARE(recs[1].FlagsText(), std::string());
        QCOMPARE(recs[2].FlagsText(), std::string("REGISTER_FONT+SHARED_FILE"));
        QCOMPARE(recs[0].FilePath, std::string("%InstallPath%\\lib"));
        QCOMPARE(recs[1].FilePath, std::string("%InstallPath%\\bin"));
        QCOMPARE(fx.cell(2, 2), QString("REGISTER_FONT+SHARED_FILE"));
        QVERIFY(fx.project.Modified);
        QCOMPARE(fx.files()->selectionModel()->selectedRows().size(), 2);

        // Double-click opens it for the row; targets that differ stay unless a new one is chosen,
        // and "|" is refused with the field named.
        recs[1].FilePath = "%System%";
        fx.files()->selectAll();
        OnModal<TFileProperties>([](TFileProperties* d) {
            QCOMPARE(Get<QComboBox>(d, "cbTarget")->currentIndex(), -1);
            Get<QCheckBox>(d, "cbDontOverwrite")->click();
            Get<QPushButton>(d, "doOK")->click();
        });
        fx.click("btFileProps");
        QCOMPARE(recs[1].FilePath, std::string("%System%"));
        QCOMPARE(recs[0].FilePath, std::string("%InstallPath%\\lib"));
        QVERIFY(recs[0].DontOverwrite && recs[1].DontOverwrite && recs[2].DontOverwrite);

        TwzDialog::ScriptAnswers({mrOk});
        OnModal<TFileProperties>([](TFileProperties* d) {
            QTest::keyClicks(Get<QLineEdit>(d, "edTargetPath"), "\\a|b");
            Get<QPushButton>(d, "doOK")->click();
            QVERIFY(d->isVisible()); // refused: the dialog stays
            QVERIFY(TwzDialog::AskedTexts().last().startsWith("The target path may not contain \"|\""));
            Get<QPushButton>(d, "doCancel")->click();
        });
        const QPoint row1 = fx.files()->visualRect(fx.files()->model()->index(1, 0)).center();
        QTest::mouseClick(fx.files()->viewport(), Qt::LeftButton, {}, row1);
        QTest::mouseDClick(fx.files()->viewport(), Qt::LeftButton, {}, row1);
        QCOMPARE(TwzDialog::ScriptedAnswersLeft(), 0); // the dialog did open
        QCOMPARE(recs[1].FilePath, std::string("%System%"));
    }

    // Files of a folder add sit in sub-folders of one target: choosing only another variable over
    // them keeps each file's sub-folder.
    void propertiesKeepEachSubPathWhenOnlyTheVariableIsChosen() {
        Fixture fx;
        auto& recs = fx.project.tbFiles.Records;
        recs.push_back({"/s/a.exe", "%CommonFiles%\\Demo"});
        recs.push_back({"/s/t/many/b.dat", "%CommonFiles%\\Demo\\t\\many"});
        recs.push_back({"/s/c.txt", "odd"});
        fx.page->LoadFromProject();
        fx.files()->selectAll();
        OnModal<TFileProperties>([](TFileProperties* d) {
            auto* variable = Get<QComboBox>(d, "cbTarget");
            QCOMPARE(variable->currentIndex(), -1);
            QCOMPARE(Get<QLineEdit>(d, "edTargetPath")->text(), QString());
            variable->setFocus();
            QTest::keyClick(variable, Qt::Key_Down); // the first variable, InstallPath
            QCOMPARE(variable->currentText(), QString("InstallPath"));
            Get<QPushButton>(d, "doOK")->click();
        });
        fx.click("btFileProps");
        QCOMPARE(recs[0].FilePath, std::string("%InstallPath%\\Demo"));
        QCOMPARE(recs[1].FilePath, std::string("%InstallPath%\\Demo\\t\\many"));
        QCOMPARE(recs[2].FilePath, std::string("%InstallPath%odd"));
        QVERIFY(fx.project.Modified);

        // A path typed over them is every file's path.
        fx.files()->selectAll();
        OnModal<TFileProperties>([](TFileProperties* d) {
            Get<QComboBox>(d, "cbTarget")->setFocus();
            QTest::keyClick(Get<QComboBox>(d, "cbTarget"), Qt::Key_Down);
            QTest::keyClicks(Get<QLineEdit>(d, "edTargetPath"), "\\x");
            Get<QPushButton>(d, "doOK")->click();
        });
        fx.click("btFileProps");
        for (const TFileRecord& r : recs)
            QCOMPARE(r.FilePath, std::string("%InstallPath%\\x"));
    }

    void missingSourcesAreMarked() {
        QTemporaryDir tmp;
        Fixture fx;
        fx.project.FileName = tmp.filePath("p.tvx").toStdString();
        TFileRecord r;
        r.FileName = "app/x.exe"; // relative to the project file's folder, as the build reads it
        r.FilePath = "%InstallPath%";
        fx.project.tbFiles.Records.push_back(r);
        fx.page->LoadFromProject();
        const QModelIndex first = fx.files()->model()->index(0, 0);
        QCOMPARE(first.data(Qt::ToolTipRole).toString(), QString("app/x.exe\nSource file not found"));
        QVERIFY(fx.page->FilesModel()->SourceMissing(0));
        QVERIFY(Touch(tmp.filePath("app/x.exe")));
        fx.host.hide();
        fx.host.show(); // coming back to the page looks again
        QCOMPARE(first.data(Qt::ToolTipRole).toString(), QString("app/x.exe"));
        QVERIFY(!first.data(Qt::DecorationRole).value<QIcon>().isNull());
    }

    void shortcutDialog() {
        Fixture fx;
        // No file, no shortcut.
        TwzDialog::ScriptAnswers({mrOk});
        fx.click("btShortcutAdd");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList({"There is no file to make shortcut of"}));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);

        auto& files = fx.project.tbFiles.Records;
        files.push_back({"/work/app.exe", "%InstallPath%\\bin"});
        files.push_back({"/work/docs\\readme.txt", "%InstallPath%\\"});
        fx.page->LoadFromProject();
        fx.files()->selectRow(1);
        fx.project.Modified = false;
        TwzDialog::ClearScript();
        TwzDialog::ScriptAnswers({mrOk, mrOk, mrOk});
        OnModal<TFileShortcuts>([&](TFileShortcuts* d) {
            QCOMPARE(d->windowTitle(), QString("Shortcuts"));
            QCOMPARE(d->size(), QSize(453, 169));
            auto* objects = Get<QComboBox>(d, "cbObjectPath");
            QCOMPARE(objects->count(), 2);
            QCOMPARE(objects->itemText(0), QString("%InstallPath%\\bin\\app.exe"));
            QCOMPARE(objects->itemText(1), QString("%InstallPath%\\readme.txt"));
            QCOMPARE(objects->currentIndex(), 0);
            QCOMPARE(Get<QComboBox>(d, "cbGroupTarget")->count(), 27);
            QCOMPARE(Get<QComboBox>(d, "cbGroupTarget")->currentText(), QString("AppFolder"));
            QCOMPARE(Get<QComboBox>(d, "cbWorkingDir")->count(), 27);
            QCOMPARE(Get<QComboBox>(d, "cbWorkingDir")->currentText(), QString("InstallPath"));
            auto* name = Get<QLineEdit>(d, "edShortcut");
            auto* add = Get<QPushButton>(d, "doAdd");

            QTest::keyClicks(name, "My App");
            add->click();
            QCOMPARE(fx.project.tbShortcuts.Count(), 1);
            QCOMPARE(name->text(), QString());
            QCOMPARE(fx.shortcuts()->model()->rowCount(), 1); // shown at once

            // Blank names are refused and the focus goes back to the name.
            QTest::keyClicks(name, " - ");
            Get<QLineEdit>(d, "edArguments")->setFocus();
            add->click();
            QCOMPARE(TwzDialog::AskedTexts().last(), QString("Shortcut name may not be blank"));
            QCOMPARE(d->focusWidget(), static_cast<QWidget*>(name));
            QCOMPARE(fx.project.tbShortcuts.Count(), 1);
            // "|" would split the stored row: refused, naming the field.
            name->setText("a|b");
            add->click();
            QVERIFY(TwzDialog::AskedTexts().last().startsWith("The shortcut name may not contain"));
            QCOMPARE(fx.project.tbShortcuts.Count(), 1);
            // So is a name the install list cannot hold as a key, with the reason.
            for (const char* bad : {"a=b", ";x", "[x", " x"}) {
                TwzDialog::ScriptAnswers({mrOk});
                Get<QLineEdit>(d, "edArguments")->setFocus();
                name->setText(bad);
                add->click();
                const QString told = TwzDialog::AskedTexts().last();
                QVERIFY2(told.startsWith("The shortcut name cannot be a key") && told.contains("The name "),
                         qPrintable(told));
                QCOMPARE(d->focusWidget(), static_cast<QWidget*>(name));
                QCOMPARE(fx.project.tbShortcuts.Count(), 1);
            }

            name->setText("--");
            auto* group = Get<QComboBox>(d, "cbGroupTarget");
            group->setCurrentIndex(group->findText("ProgramsMenu"));
            QTest::keyClicks(Get<QLineEdit>(d, "edGroupTarget"), "\\Tools");
            objects->setCurrentIndex(1);
            QTest::keyClicks(Get<QLineEdit>(d, "edArguments"), "/s");
            QTest::keyClicks(Get<QLineEdit>(d, "edWorkingDir"), "\\w");
            add->click();
            QCOMPARE(fx.project.tbShortcuts.Count(), 2);

            Get<QPushButton>(d, "doAddUninstaller")->click();
            Get<QPushButton>(d, "doAddUninstaller")->click();
            QCOMPARE(fx.shortcuts()->model()->rowCount(), 4);
            QCOMPARE(Get<QLineEdit>(d, "edArguments")->text(), QString("/s")); // the fields stay
            Get<QPushButton>(d, "doDone")->click();
        });
        fx.click("btShortcutAdd");
        const auto& s = fx.project.tbShortcuts.Records;
        QCOMPARE(s.size(), std::size_t(4));
        QCOMPARE(s[0].ProgramGroup, std::string("%AppFolder%"));
        QCOMPARE(s[0].Shortcuts, std::string("My App"));
        QCOMPARE(s[0].Target, std::string("%InstallPath%\\bin\\app.exe"));
        QCOMPARE(s[0].Arguments, std::string());
        QCOMPARE(s[0].WorkDirectory, std::string("%InstallPath%"));
        QCOMPARE(s[1].ProgramGroup, std::string("%ProgramsMenu%\\Tools"));
        QCOMPARE(s[1].Shortcuts, std::string("--"));
        QCOMPARE(s[1].Target, std::string("%InstallPath%\\readme.txt"));
        QCOMPARE(s[1].Arguments, std::string("/s"));
        QCOMPARE(s[1].WorkDirectory, std::string("%InstallPath%\\w"));
        for (int i : {2, 3}) {
            QCOMPARE(s[std::size_t(i)].ProgramGroup, std::string("%ProgramsMenu%\\Tools"));
            QCOMPARE(s[std::size_t(i)].Shortcuts, std::string("Uninstall %ProgramName%"));
            QCOMPARE(s[std::size_t(i)].Target, std::string("%Windows%\\UnTzns.exe"));
            QCOMPARE(s[std::size_t(i)].Arguments, std::string("%InstallPath%\\install.log"));
            QCOMPARE(s[std::size_t(i)].WorkDirectory, std::string("%Windows%"));
        }
        QVERIFY(fx.project.Modified);
        // The files page's selection was left alone.
        QCOMPARE(fx.files()->selectionModel()->selectedRows().at(0).row(), 1);
        QCOMPARE(fx.project.tbFiles.Current, 1);

        // Removing and clearing shortcuts.
        fx.shortcuts()->selectRow(2);
        fx.click("btShortcutDel");
        QCOMPARE(s.size(), std::size_t(3));
        QCOMPARE(s[2].Shortcuts, std::string("Uninstall %ProgramName%"));
        QApplication::setActiveWindow(&fx.host);
        QVERIFY(QTest::qWaitForWindowActive(&fx.host));
        fx.shortcuts()->setFocus();
        fx.shortcuts()->selectRow(0);
        QTest::keyClick(fx.shortcuts(), Qt::Key_Delete);
        QCOMPARE(s[0].Shortcuts, std::string("--"));
        tvtest::resetSeams();
        TwzDialog::ScriptAnswers({mrYes});
        fx.click("btShortcutClear");
        QCOMPARE(fx.shortcuts()->model()->rowCount(), 0);

        QCOMPARE(fx.page->FileNameSuggestions(), QStringList({"app.exe", "readme.txt"}));
    }

    void limitsAndRefusals() {
        Fixture fx;
        fx.project.tbFiles.Records.resize(999, TFileRecord{"x.txt", "%InstallPath%"});
        fx.page->LoadFromProject();
        // Two more than there is room for: the dialog says so and stays open.
        TwzDialog::ScriptAnswers({mrOk, mrOk});
        fx.addFiles([&](TFileAdd* d) {
            QVERIFY(d->SetFolder(m_dir.filePath("src")));
            QVERIFY(WaitListed(d));
            ClickFile(d, "a.txt", Qt::NoModifier);
            ClickFile(d, "b.txt");
            QTest::mouseClick(Get<QToolButton>(d, "btFileAdd"), Qt::LeftButton);
            Get<QPushButton>(d, "doOK")->click();
            QVERIFY(d->isVisible());
            QVERIFY(TwzDialog::AskedTexts().last().startsWith("A project holds at most 1000 files"));
            // "|" in the target path is refused by OK, naming the field.
            Get<QListView>(d, "lsSelected")
                ->setCurrentIndex(Get<QListView>(d, "lsSelected")->model()->index(0, 0));
            QTest::mouseClick(Get<QToolButton>(d, "btFileDel"), Qt::LeftButton);
            Get<QLineEdit>(d, "edTargetPath")->setText("\\a|b");
            Get<QPushButton>(d, "doOK")->click();
            QVERIFY(d->isVisible());
            QVERIFY(TwzDialog::AskedTexts().last().startsWith("The target path may not contain"));
            Get<QLineEdit>(d, "edTargetPath")->setText("\\ab");
            Get<QPushButton>(d, "doOK")->click();
        });
        QCOMPARE(fx.project.tbFiles.Count(), 1000);
        QCOMPARE(fx.project.tbFiles.Records.back().FilePath, std::string("%InstallPath%\\ab"));

        // A file whose name the project cannot store is not listed, and the author is told.
        QTemporaryDir tmp;
        QVERIFY(Touch(tmp.filePath("ok.txt")) && Touch(tmp.filePath("bad|name.txt")) &&
                Touch(tmp.filePath(QString::fromUtf8("\u0416.txt"))));
        TFileAdd dialog(nullptr, 10, tmp.path());
        TwzDialog::ScriptAnswers({mrOk});
        dialog.AddPaths({tmp.path()});
        QCOMPARE(dialog.SelectedFiles().size(), std::size_t(1));
        QVERIFY(TwzDialog::AskedTexts().last().startsWith("These 2 were not added"));
        // Characters outside the code page cannot be typed into the target path; the box says so.
        auto* path = Get<QLineEdit>(&dialog, "edTargetPath");
        const int asked = int(TwzDialog::AskedTexts().size());
        QTest::sendKeyEvent(QTest::Click, path, Qt::Key_unknown, QString::fromUtf8("\u0416"), Qt::NoModifier);
        QCOMPARE(path->text(), QString());
        QCoreApplication::sendPostedEvents();
        QVERIFY(RefusalShown(path).contains(QString::fromUtf8("\u0416")));
        QVERIFY(tvtest::saveShot(&dialog, "dialog_file_add_refused_character"));
        QCOMPARE(int(TwzDialog::AskedTexts().size()), asked);

        // A full shortcut table refuses one more.
        fx.project.tbShortcuts.Records.resize(1000);
        TwzDialog::ScriptAnswers({mrOk});
        QVERIFY(!fx.page->PostShortcut({"%AppFolder%", "x", "y", "", "%InstallPath%"}));
        QCOMPARE(fx.project.tbShortcuts.Count(), 1000);
        QVERIFY(TwzDialog::AskedTexts().last().startsWith("A project holds at most 1000 shortcuts"));
    }

    void loadShowsTheTablesWithoutModified() {
        Fixture fx;
        fx.project.tbFiles.Records.push_back({"/a/b.exe", "%System%"});
        fx.project.tbFiles.Records.back().RegisterServer = true;
        fx.project.tbShortcuts.Records.push_back({"%Desktop%", "B", "%System%\\b.exe", "-q", "%System%"});
        fx.project.Modified = false;
        QSignalSpy edited(fx.page, &TFilesPage::projectEdited);
        fx.page->LoadFromProject();
        QVERIFY(!fx.project.Modified);
        QVERIFY(edited.isEmpty());
        QCOMPARE(fx.cell(0, 0), QString("/a/b.exe"));
        QCOMPARE(fx.cell(0, 2), QString("REGISTER_SERVER"));
        QCOMPARE(fx.shortcuts()->model()->index(0, 3).data().toString(), QString("-q"));
        QCOMPARE(fx.shortcuts()->model()->headerData(4, Qt::Horizontal).toString(),
                 QString("Work Directory"));
        QCOMPARE(fx.files()->columnWidth(2), 500);
        QCOMPARE(fx.get<QToolButton>("btFileEdit")->toolTip(), QString("Clear list"));
        QCOMPARE(fx.get<QToolButton>("btShortcutAdd")->toolTip(), QString("Create shortcut"));
        QCOMPARE(fx.project.tbFiles.Current, 0);
    }

    void screenshots() {
        Fixture fx;
        fx.project.FileName = m_dir.filePath("shots.tvx").toStdString();
        for (const char* name : {"src/a.txt", "src/b.txt", "missing.exe"})
            fx.project.tbFiles.Records.push_back({m_dir.filePath(name).toStdString(), "%InstallPath%\\bin"});
        fx.project.tbFiles.Records[1].SharedFile = true;
        fx.project.tbShortcuts.Records.push_back(
            {"%AppFolder%", "Demo", "%InstallPath%\\bin\\a.txt", "", "%InstallPath%"});
        fx.page->LoadFromProject();
        QVERIFY(tvtest::saveShot(&fx.host, "files_page"));

        fx.addFiles([&](TFileAdd* d) {
            QVERIFY(d->SetFolder(m_dir.filePath("src")));
            QVERIFY(WaitListed(d));
            ClickFile(d, "b.txt", Qt::NoModifier);
            ClickFile(d, "d.txt");
            QTest::mouseClick(Get<QToolButton>(d, "btFileAdd"), Qt::LeftButton);
            QTest::keyClicks(Get<QLineEdit>(d, "edTargetPath"), "\\Help");
            Get<QCheckBox>(d, "cbNoLog")->click();
            QVERIFY(tvtest::saveShot(d, "dialog_file_add"));
            Get<QPushButton>(d, "doCancel")->click();
        });
        OnModal<TFileShortcuts>([&](TFileShortcuts* d) {
            QTest::keyClicks(Get<QLineEdit>(d, "edShortcut"), "Demo Application");
            QTest::keyClicks(Get<QLineEdit>(d, "edArguments"), "/quiet");
            QVERIFY(tvtest::saveShot(d, "dialog_shortcuts"));
            Get<QPushButton>(d, "doDone")->click();
        });
        fx.click("btShortcutAdd");
        fx.files()->selectAll();
        OnModal<TFileProperties>([&](TFileProperties* d) {
            QVERIFY(tvtest::saveShot(d, "dialog_file_properties"));
            Get<QPushButton>(d, "doCancel")->click();
        });
        fx.click("btFileProps");
    }

    // Last: the dialog keeps the size it is left at for the runs after.
    void addDialogCountsItsFilesAndGrows() {
        Fixture fx;
        const QSize grown(760, 520);
        fx.addFiles([&](TFileAdd* d) {
            auto* count = Get<QLabel>(d, "lbSelectedCount");
            auto* selected = Get<QListView>(d, "lsSelected");
            QCOMPARE(count->text(), QString("0 files"));
            QVERIFY(d->SetFolder(m_dir.filePath("src")));
            QVERIFY(WaitListed(d));
            ClickFile(d, "a.txt", Qt::NoModifier);
            QTest::mouseClick(Get<QToolButton>(d, "btFileAdd"), Qt::LeftButton);
            QCOMPARE(count->text(), QString("1 file"));
            ClickFile(d, "b.txt", Qt::NoModifier);
            ClickFile(d, "c.txt");
            QTest::mouseClick(Get<QToolButton>(d, "btFileAdd"), Qt::LeftButton);
            QCOMPARE(count->text(), QString("3 files"));
            selected->setCurrentIndex(selected->model()->index(0, 0));
            QTest::mouseClick(Get<QToolButton>(d, "btFileDel"), Qt::LeftButton);
            QCOMPARE(count->text(), QString("2 files"));

            // Never smaller than designed; larger, the selected list takes the room.
            d->resize(100, 100);
            QCOMPARE(d->size(), QSize(TFileAdd::kWidth, TFileAdd::kHeight));
            const QSize small = selected->size();
            d->resize(grown);
            QCoreApplication::processEvents();
            QVERIFY(selected->height() >= small.height() + 150);
            QVERIFY(selected->width() >= small.width() + 150);
            Get<QPushButton>(d, "doCancel")->click();
        });
        fx.addFiles([&](TFileAdd* d) {
            QCOMPARE(d->size(), grown);
            Get<QPushButton>(d, "doCancel")->click();
        });
        QSettings().remove("FileAdd/Size");
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestFilesPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_filespage.moc"
