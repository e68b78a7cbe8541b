#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "UiTestSupport.h"
#include "core/MsgDlg.h"
#include "ui/lib/FolderPickerUnit.h"
#include "ui/lib/wzDialogUnit.h"

using namespace tv;

namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Runs f on the modal folder picker as soon as it is shown.
template <class F> void WhenPickerShown(F f) {
    QTimer::singleShot(0, [f] {
        auto* picker = qobject_cast<TFolderPicker*>(QApplication::activeModalWidget());
        QVERIFY(picker);
        f(picker);
    });
}

} // namespace

class TestFolderPicker : public QObject {
    Q_OBJECT
    QTemporaryDir m_Root;
    QString m_Data;

private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        QVERIFY(m_Root.isValid());
        m_Data = m_Root.path() + "/Data";
        QVERIFY(QDir().mkpath(m_Data + "/Work"));
    }
    void init() {
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
    }

    void resultPathForm() {
        QCOMPARE(FolderResultPath("C:\\"), QString("C:\\"));
        QCOMPARE(FolderResultPath("C:\\Work\\"), Native("C:\\Work"));
        QCOMPARE(FolderResultPath("C:\\Work"), Native("C:\\Work"));
        QCOMPARE(FolderResultPath("/"), Native("/"));
        QCOMPARE(FolderResultPath("/srv/setup//"), Native("/srv/setup"));
        QCOMPARE(FolderResultPath(""), QString());
    }

    void initialSelection() {
        TFolderPicker picker(nullptr, "Deployment folder", "Select a folder or create a new one", true,
                             m_Data + "/Work/");
        QCOMPARE(picker.windowTitle(), QString("Deployment folder"));
        QCOMPARE(picker.CurrentPath(), Native(m_Data + "/Work"));
        QVERIFY(picker.OkButton()->isEnabled());
        QVERIFY(picker.CreateButton()->isEnabled());
        QCOMPARE(picker.CreateButton()->text(), QString("Create..."));

        // A folder that does not exist yet starts at its nearest existing parent.
        QVERIFY(picker.SelectPath(m_Data + "/Missing/Deeper"));
        QCOMPARE(picker.CurrentPath(), Native(m_Data));

        // Nothing selected: neither OK nor Create can be pressed.
        picker.Tree()->clearSelection();
        QCOMPARE(picker.CurrentPath(), QString());
        QVERIFY(!picker.OkButton()->isEnabled());
        QVERIFY(!picker.CreateButton()->isEnabled());

        TFolderPicker plain(nullptr, "Folder", QString(), false, QString());
        QVERIFY(!plain.CreateButton());
        QVERIFY(!plain.findChild<QPushButton*>("btCreate"));
        QCOMPARE(plain.CurrentPath(), QString());
        QVERIFY(!plain.OkButton()->isEnabled());
    }

    void createSelectsTheNewFolder() {
        TFolderPicker picker(nullptr, "Folder", QString(), true, m_Data);
        TwzDialog::ScriptInput({"a"});
        QTest::mouseClick(picker.CreateButton(), Qt::LeftButton);
        QVERIFY(QFileInfo(m_Data + "/a").isDir());
        QCOMPARE(picker.CurrentPath(), Native(m_Data + "/a"));
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
        QCOMPARE(TwzDialog::AskedMessages()[0].caption, QString("Create directory"));
        QCOMPARE(TwzDialog::AskedMessages()[0].text, QString("Name"));

        // Missing parents are made along the way.
        TwzDialog::ScriptInput({"b/c/d"});
        picker.btCreateClick();
        QVERIFY(QFileInfo(m_Data + "/a/b/c/d").isDir());
        QCOMPARE(picker.ResultPath(), Native(m_Data + "/a/b/c/d"));
    }

    void cancelledOrFailedCreate() {
        TFolderPicker picker(nullptr, "Folder", QString(), true, m_Data + "/Work");
        TwzDialog::ScriptInput({"never"});
        TwzDialog::ScriptAnswers({mrCancel});
        picker.btCreateClick();
        QVERIFY(!QFileInfo::exists(m_Data + "/Work/never"));
        QCOMPARE(picker.CurrentPath(), Native(m_Data + "/Work"));

        // A name under a plain file cannot be made: the failure is reported, the selection stays.
        QFile file(m_Data + "/Work/plain");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptInput({"plain/sub"});
        picker.btCreateClick();
        QCOMPARE(picker.CurrentPath(), Native(m_Data + "/Work"));
        const auto& asked = TwzDialog::AskedMessages();
        QCOMPARE(asked.size(), size_t(2));
        QCOMPARE(asked[1].type, TMsgDlgType::mtError);
        QVERIFY(asked[1].text.startsWith("Cannot create folder"));
        QVERIFY(asked[1].text.contains("plain"));
    }

    void browseConfirmAndCancel() {
        QString path = m_Data + "/";
        WhenPickerShown([](TFolderPicker* picker) { QTest::mouseClick(picker->OkButton(), Qt::LeftButton); });
        QVERIFY(BrowseForFolder(nullptr, "Deployment folder", path));
        QCOMPARE(path, Native(m_Data));

        // Creating and then cancelling hands back nothing and leaves the path as it was.
        WhenPickerShown([](TFolderPicker* picker) {
            TwzDialog::ScriptInput({"made"});
            picker->btCreateClick();
            QTest::mouseClick(picker->CancelButton(), Qt::LeftButton);
        });
        QVERIFY(!BrowseForFolder(nullptr, "Deployment folder", "Select a folder", true, path));
        QCOMPARE(path, Native(m_Data));
        QVERIFY(QFileInfo(m_Data + "/made").isDir());

        WhenPickerShown([this](TFolderPicker* picker) {
            picker->SelectPath(m_Data + "/made");
            QTest::keyClick(picker, Qt::Key_Enter);
        });
        QVERIFY(BrowseForFolder(nullptr, "Deployment folder", path));
        QCOMPARE(path, Native(m_Data + "/made"));
    }

    void screenshot() {
        TFolderPicker picker(nullptr, "Deployment folder", "Select a folder or create a new one", true,
                             m_Data + "/Work");
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        // The picture shows the top folder read, not only the way down to the selection.
        const auto* model = qobject_cast<const QFileSystemModel*>(picker.Tree()->model());
        QVERIFY(model);
        QTRY_VERIFY(model->rowCount(model->index(QDir::rootPath())) > 1);
        QTRY_VERIFY(model->rowCount(model->index(QFileInfo(m_Root.path()).path())) > 1);
        QCoreApplication::processEvents(); // the model sorts what it read on its next turn
        QVERIFY(tvtest::saveShot(&picker, "folderpicker"));
    }
};

QTEST_MAIN(TestFolderPicker)
#include "test_folderpicker.moc"
