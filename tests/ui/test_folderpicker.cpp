#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "UiTestSupport.h"
#include "core/MsgDlg.h"
#include "ui/lib/FolderPickerUnit.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"

using namespace tv;

namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
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
    void init() { tvtest::resetSeams(); }

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
        TNameSeam::ScriptNames({"a"});
        QTest::mouseClick(picker.CreateButton(), Qt::LeftButton);
        QVERIFY(QFileInfo(m_Data + "/a").isDir());
        QCOMPARE(picker.CurrentPath(), Native(m_Data + "/a"));
        QCOMPARE(TNameSeam::Asked().size(), size_t(1));
        QCOMPARE(TNameSeam::Asked()[0].dialog, QString("InputQuery"));
        QCOMPARE(TNameSeam::Asked()[0].title, QString("Create directory"));
        QCOMPARE(TNameSeam::Asked()[0].prompt, QString("Name"));

        // Missing parents are made along the way.
        TNameSeam::ScriptNames({"b/c/d"});
        picker.btCreateClick();
        QVERIFY(QFileInfo(m_Data + "/a/b/c/d").isDir());
        QCOMPARE(picker.ResultPath(), Native(m_Data + "/a/b/c/d"));
    }

    void cancelledOrFailedCreate() {
        TFolderPicker picker(nullptr, "Folder", QString(), true, m_Data + "/Work");
        TNameSeam::ScriptNames({QString()}); // cancelled
        picker.btCreateClick();
        QVERIFY(!QFileInfo::exists(m_Data + "/Work/never"));
        QCOMPARE(picker.CurrentPath(), Native(m_Data + "/Work"));

        // A name under a plain file cannot be made: the failure is reported, the selection stays.
        QFile file(m_Data + "/Work/plain");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TNameSeam::ScriptNames({"plain/sub"});
        picker.btCreateClick();
        QCOMPARE(picker.CurrentPath(), Native(m_Data + "/Work"));
        const auto& asked = TwzDialog::AskedMessages();
        QCOMPARE(asked.size(), size_t(1));
        QCOMPARE(asked[0].type, TMsgDlgType::mtError);
        QVERIFY(asked[0].text.startsWith("Cannot create folder"));
        QVERIFY(asked[0].text.contains("plain"));
    }

    void browseConfirmAndCancel() {
        TNameSeam::RefuseUnscripted(false); // the picker's own window is under test
        QString path = m_Data + "/";
        tvtest::OnNextModal<TFolderPicker>([](TFolderPicker* picker) { QTest::mouseClick(picker->OkButton(), Qt::LeftButton); });
        QVERIFY(BrowseForFolder(nullptr, "Deployment folder", path));
        QCOMPARE(path, Native(m_Data));

        // Creating and then cancelling hands back nothing and leaves the path as it was.
        tvtest::OnNextModal<TFolderPicker>([](TFolderPicker* picker) {
            TNameSeam::ScriptNames({"made"});
            picker->btCreateClick();
            QTest::mouseClick(picker->CancelButton(), Qt::LeftButton);
        });
        QVERIFY(!BrowseForFolder(nullptr, "Deployment folder", "Select a folder", true, path));
        QCOMPARE(path, Native(m_Data));
        QVERIFY(QFileInfo(m_Data + "/made").isDir());

        tvtest::OnNextModal<TFolderPicker>([this](TFolderPicker* picker) {
            picker->SelectPath(m_Data + "/made");
            QTest::keyClick(picker, Qt::Key_Enter);
        });
        QVERIFY(BrowseForFolder(nullptr, "Deployment folder", path));
        QCOMPARE(path, Native(m_Data + "/made"));
    }

    // A path typed or pasted into the box is taken with Enter; the tree goes along to a folder that
    // exists, a missing one is offered to be created, and a file is refused with the dialog open.
    void typedPathIsTakenWithEnter() {
        TNameSeam::RefuseUnscripted(false); // the picker's own window is under test
        QFile file(m_Data + "/a-file");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        QString path = m_Data;
        tvtest::OnNextModal<TFolderPicker>([this](TFolderPicker* picker) {
            QLineEdit* box = picker->PathEdit();
            QCOMPARE(box->text(), Native(m_Data)); // opens at the value it was given
            tvtest::Retype(box, Native(m_Data + "/Work"));
            QCOMPARE(picker->CurrentPath(), Native(m_Data + "/Work"));
            QCOMPARE(box->text(), Native(m_Data + "/Work")); // the tree following keeps the text

            // A file is no folder: refused, the dialog stays.
            tvtest::Retype(box, Native(m_Data + "/a-file"));
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(picker->isVisible());
            QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
            QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);
            QVERIFY(TwzDialog::AskedTexts()[0].endsWith("is not a folder"));

            // A missing folder: No keeps the dialog and makes nothing; Yes makes it and takes it.
            tvtest::Retype(box, "\"" + Native(m_Data + "/New/Deeper/") + "\""); // pasted with quotes
            TwzDialog::ScriptAnswers({mrNo});
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(picker->isVisible());
            QVERIFY(!QFileInfo::exists(m_Data + "/New"));
            QCOMPARE(TwzDialog::AskedMessages().back().type, TMsgDlgType::mtConfirmation);
            QVERIFY(TwzDialog::AskedTexts().back().contains("does not exist"));
            TwzDialog::ScriptAnswers({mrYes});
            QTest::keyClick(box, Qt::Key_Enter);
        });
        QVERIFY(BrowseForFolder(nullptr, "Deployment folder", "Select a folder", true, path));
        QCOMPARE(path, Native(m_Data + "/New/Deeper"));
        QVERIFY(QFileInfo(m_Data + "/New/Deeper").isDir());

        // A relative path is read from the folder the caller names, and OK takes the box too.
        tvtest::OnNextModal<TFolderPicker>([](TFolderPicker* picker) {
            tvtest::Retype(picker->PathEdit(), "Work");
            QTest::mouseClick(picker->OkButton(), Qt::LeftButton);
        });
        QVERIFY(BrowseForFolder(nullptr, "Deployment folder", "Select a folder", true, path, m_Data));
        QCOMPARE(path, Native(m_Data + "/Work"));

        // An emptied box cannot be taken.
        TFolderPicker picker(nullptr, "Folder", QString(), true, m_Data);
        tvtest::Retype(picker.PathEdit(), QString());
        QVERIFY(!picker.OkButton()->isEnabled());
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
