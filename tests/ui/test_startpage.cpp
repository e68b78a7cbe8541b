// The Start page: what each control writes into the Project, which edits mark it as changed, the
// browse and colour commands, and the refusal of characters the project cannot store.
#include "UiTestSupport.h"

#include "ui/editors/AnsiInput.h"

#include "core/MsgDlg.h"
#include "core/Project.h"
#include "core/TextCodec.h"
#include "ui/editors/ColorViewUnit.h"
#include "ui/lib/FolderPickerUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/ColorButton.h"
#include "ui/pages/StartPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <map>
#include <memory>

using namespace tv;
using tvtest::OnNextModal;
using tvtest::TypeText;

class TestStartPage final : public QObject {
    Q_OBJECT

private:
    // The page as the main window holds it: inside a frame of the page area's size, Tahoma 8.
    struct Fixture {
        TProject project;
        QWidget host;
        TStartPage* page = nullptr;

        Fixture() {
            QFont f("Tahoma");
            f.setPointSize(8);
            host.setFont(f);
            host.setFixedSize(410, 327);
            page = new TStartPage(project, &host);
            page->setGeometry(0, 0, 410, 327);
            host.show();
        }
        template <class W = QWidget> W* get(const char* name) {
            auto* w = page->findChild<W*>(name);
            if (!w)
                qWarning("no control %s", name);
            return w;
        }
    };

private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        InstallFontSubstitutes();
    }
    void init() { tvtest::resetSeams(false); }

    void editsSetModifiedOrNot_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("setsModified");
        for (const char* n :
             {"edAppName", "edAppInstFolderName", "edAppGroupFolderName", "edAppReadme", "edAppLicense",
              "edMiscDeployment", "edMiscPassword", "edAppInstFolder", "edAppGroupFolder", "cbTarget9x",
              "cbTargetNT", "cbTarget2k", "cbMiscUninstaller", "cbMiscReboot"})
            QTest::newRow(n) << QString(n) << true;
        for (const char* n : {"edMinOSVersion", "edExtraDiskSpace", "edCheckWindow", "edCheckMutex",
                              "cbRemoveOldReferences", "cbAutoSelectLanguage"})
            QTest::newRow(n) << QString(n) << false;
    }

    // Each control is operated from the keyboard; the value must reach the Project either way, and
    // only the listed controls mark the project as changed.
    void editsSetModifiedOrNot() {
        QFETCH(QString, name);
        QFETCH(bool, setsModified);
        Fixture fx;
        const TProject before = fx.project;
        QSignalSpy edited(fx.page, &TStartPage::projectEdited);
        QWidget* w = fx.get(name.toUtf8().constData());
        QVERIFY(w);

        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            QTest::keyClicks(edit, "Ab1");
            QCOMPARE(edit->text(), QString("Ab1"));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QTest::keyClick(combo, Qt::Key_Down);
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            QTest::keyClick(box, Qt::Key_Space);
        } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
            spin->selectAll();
            QTest::keyClicks(spin, "250");
        } else {
            QFAIL("unexpected control kind");
        }

        QCOMPARE(fx.project.Modified, setsModified);
        QCOMPARE(edited.isEmpty(), !setsModified);

        const std::map<QString, std::function<bool(const TProject&)>> stored = {
            {"edAppName", [](const TProject& p) { return p.AppName == "Ab1"; }},
            {"edAppInstFolderName", [](const TProject& p) { return p.AppInstFolderName == "Ab1"; }},
            {"edAppGroupFolderName", [](const TProject& p) { return p.AppGroupFolderName == "Ab1"; }},
            {"edAppReadme", [](const TProject& p) { return p.AppReadme == "Ab1"; }},
            {"edAppLicense", [](const TProject& p) { return p.AppLicense == "Ab1"; }},
            {"edMiscDeployment", [](const TProject& p) { return p.MiscDeployment == "Ab1"; }},
            {"edMiscPassword", [](const TProject& p) { return p.MiscPassword == "Ab1"; }},
            {"edMinOSVersion", [](const TProject& p) { return p.TargetOSMinVersion == "Ab1"; }},
            {"edCheckWindow", [](const TProject& p) { return p.TargetCheckWindow == "Ab1"; }},
            {"edCheckMutex", [](const TProject& p) { return p.TargetCheckMutex == "Ab1"; }},
            {"edAppInstFolder", [](const TProject& p) { return p.AppInstFolder == "CommonFiles"; }},
            {"edAppGroupFolder", [](const TProject& p) { return p.AppGroupFolder == "StartMenu"; }},
            {"cbTarget9x", [&](const TProject& p) { return p.Target9x != before.Target9x; }},
            {"cbTargetNT", [&](const TProject& p) { return p.TargetNT != before.TargetNT; }},
            {"cbTarget2k", [&](const TProject& p) { return p.Target2k != before.Target2k; }},
            {"cbMiscUninstaller",
             [&](const TProject& p) { return p.MiscUninstaller != before.MiscUninstaller; }},
            {"cbMiscReboot", [&](const TProject& p) { return p.MiscReboot != before.MiscReboot; }},
            {"cbRemoveOldReferences",
             [&](const TProject& p) {
                 return p.TargetRemoveOldReferences != before.TargetRemoveOldReferences;
             }},
            {"cbAutoSelectLanguage",
             [&](const TProject& p) { return p.MiscLanguageAuto != before.MiscLanguageAuto; }},
            {"edExtraDiskSpace", [](const TProject& p) { return p.TargetExtraDiskSpace == 250; }},
        };
        QVERIFY2(stored.at(name)(fx.project), "the edit did not reach the Project");
    }

    void loadFromProjectShowsValuesWithoutModified() {
        Fixture fx;
        TProject& p = fx.project;
        p.AppName = "Caf\xE9 \x80 Suite"; // ANSI bytes: e-acute, euro sign
        p.AppInstFolder = "Windows";
        p.AppInstFolderName = "\\Tools";
        p.AppGroupFolder = "ProgramFile"; // not one of the list's variables
        p.AppGroupFolderName = "\\Suite";
        p.AppReadmeBG = 0x00336699;
        p.Target9x = false;
        p.TargetNT = true;
        p.Target2k = false;
        p.MiscReboot = false;
        p.TargetExtraDiskSpace = 150000;
        p.TargetCheckMutex = "SuiteMutex";
        p.MiscLanguageAuto = false;
        p.Modified = false;
        QSignalSpy edited(fx.page, &TStartPage::projectEdited);
        fx.get<QTabWidget>("pageInstall")->setCurrentIndex(2);
        fx.get<QListWidget>("lbLanguages")->addItem("English");

        fx.page->LoadFromProject();

        QVERIFY(!p.Modified);
        QVERIFY(edited.isEmpty());
        QCOMPARE(fx.get<QLineEdit>("edAppName")->text(), QString::fromUtf8("Caf\u00E9 \u20AC Suite"));
        QCOMPARE(fx.get<QComboBox>("edAppInstFolder")->currentText(), QString("Windows"));
        QCOMPARE(fx.get<QLineEdit>("edAppInstFolderName")->text(), QString("\\Tools"));
        QCOMPARE(fx.get<TColorButton>("btAppReadmeColor")->Color(), TColor(0x00336699));
        QVERIFY(!fx.get<QCheckBox>("cbTarget9x")->isChecked());
        QVERIFY(fx.get<QCheckBox>("cbTargetNT")->isChecked());
        QVERIFY(!fx.get<QCheckBox>("cbMiscReboot")->isChecked());
        QCOMPARE(fx.get<QLineEdit>("edCheckMutex")->text(), QString("SuiteMutex"));
        QVERIFY(!fx.get<QCheckBox>("cbAutoSelectLanguage")->isChecked());
        QCOMPARE(fx.get<QTabWidget>("pageInstall")->currentIndex(), 0);
        QCOMPARE(fx.get<QListWidget>("lbLanguages")->count(), 0);

        // The box shows what it can; showing writes nothing back, so the Project keeps the stored
        // value (saved as the console tool saves it) until the box is edited.
        QCOMPARE(fx.get<QSpinBox>("edExtraDiskSpace")->value(), 99999);
        QCOMPARE(p.TargetExtraDiskSpace, 150000);

        // An unknown variable is kept until the author picks one.
        QCOMPARE(fx.get<QComboBox>("edAppGroupFolder")->currentIndex(), -1);
        QCOMPARE(p.AppGroupText(), std::string("%ProgramFile%\\Suite"));
        fx.get<QComboBox>("edAppGroupFolder")->setCurrentIndex(3);
        QCOMPARE(p.AppGroupText(), std::string("%ProgramsMenu%\\Suite"));
        QVERIFY(p.Modified);
    }

    void composedFolderSettings() {
        Fixture fx;
        auto* variable = fx.get<QComboBox>("edAppInstFolder");
        auto* rest = fx.get<QLineEdit>("edAppInstFolderName");
        QCOMPARE(variable->count(), int(kFolderVariables.size()));
        QCOMPARE(fx.get<QComboBox>("edAppGroupFolder")->currentText(), QString("ProgramsMenu"));
        QVERIFY(!variable->isEditable());

        variable->setCurrentIndex(variable->findText("CommonFiles"));
        QTest::keyClicks(rest, "\\Shared\\Tool");
        QCOMPARE(fx.project.AppInstallText(), std::string("%CommonFiles%\\Shared\\Tool"));
        rest->clear();
        QTest::keyClicks(rest, "Tool");
        QCOMPARE(fx.project.AppInstallText(), std::string("%CommonFiles%Tool"));

        auto* group = fx.get<QComboBox>("edAppGroupFolder");
        group->setCurrentIndex(group->findText("StartMenu"));
        QTest::keyClicks(fx.get<QLineEdit>("edAppGroupFolderName"), "\\My Application");
        QCOMPARE(fx.project.AppGroupText(), std::string("%StartMenu%\\My Application"));

        // No box checked: the set is empty.
        for (const char* n : {"cbTarget9x", "cbTargetNT", "cbTarget2k"})
            fx.get<QCheckBox>(n)->setChecked(false);
        QCOMPARE(fx.project.TargetOSText(), std::string());
    }

    void diskSpaceStaysInRange() {
        Fixture fx;
        auto* spin = fx.get<QSpinBox>("edExtraDiskSpace");
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 99999);
        spin->selectAll();
        QTest::keyClicks(spin, "123456");
        QCOMPARE(spin->value(), 12345);
        QCOMPARE(fx.project.TargetExtraDiskSpace, 12345);
        spin->selectAll();
        QTest::keyClicks(spin, "-5"); // no minus sign below zero
        QCOMPARE(spin->value(), 5);
        QCOMPARE(fx.project.TargetExtraDiskSpace, 5);
    }

    void colourPickerChoosesOrCancels() {
        Fixture fx;
        auto* button = fx.get<TColorButton>("btAppReadmeColor");
        QCOMPARE(button->toolTip(), QString("Select Readme background color"));

        OnNextModal<TColorView>([](TColorView* picker) {
            QCOMPARE(picker->SelectedColor(), TColor(0x00FFFFFF)); // starts from the button's colour
            // The program's window font, not the toolkit's default.
            QCOMPARE(picker->font().family(), QString("Tahoma"));
            QCOMPARE(picker->font().pointSize(), 8);
            picker->SetSelectedColor(0x00123456);
            picker->done(mrOk);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(button->Color(), TColor(0x00123456));
        QCOMPARE(fx.project.AppReadmeBG, TColor(0x00123456));
        QCOMPARE(ColorToText(fx.project.AppReadmeBG), std::string("$00123456"));
        QVERIFY(fx.project.Modified);

        // Cancelling keeps the colour and still counts as a change.
        fx.project.Modified = false;
        auto* licence = fx.get<TColorButton>("btAppLicenseColor");
        OnNextModal<TColorView>([](TColorView* picker) {
            picker->SetSelectedColor(0x000000FF);
            picker->done(mrCancel);
        });
        QTest::mouseClick(licence, Qt::LeftButton);
        QCOMPARE(licence->Color(), TColor(0x00FFFFFF));
        QCOMPARE(fx.project.AppLicenseBG, TColor(0x00FFFFFF));
        QVERIFY(fx.project.Modified);
        QCOMPARE(fx.project.AppReadmeBG, TColor(0x00123456));
    }

    void browseCommands() {
        Fixture fx;
        auto* readme = fx.get<QLineEdit>("edAppReadme");
        const QString chosen = QDir::toNativeSeparators("/data/My Application/Readme.txt");
        TNameSeam::ScriptNames({chosen});
        QTest::mouseClick(fx.get<QToolButton>("edAppReadmeBtn"), Qt::LeftButton);
        QCOMPARE(TNameSeam::Asked().back().title, QString("Select \"Readme\" file"));
        QCOMPARE(readme->text(), chosen);
        QCOMPARE(QString::fromStdString(fx.project.AppReadme), chosen);
        QVERIFY(fx.project.Modified);

        // Cancel leaves everything alone.
        fx.project.Modified = false;
        TNameSeam::ScriptNames({QString()});
        QTest::mouseClick(fx.get<QToolButton>("edAppLicenseBtn"), Qt::LeftButton);
        QCOMPARE(fx.get<QLineEdit>("edAppLicense")->text(), QString());
        QVERIFY(!fx.project.Modified);

        // The deployment folder comes from the folder picker, opened on the current text.
        QTemporaryDir tmp;
        const QString start = QDir(tmp.path()).filePath("start");
        const QString target = QDir(tmp.path()).filePath("deploy");
        QVERIFY(QDir().mkpath(start) && QDir().mkpath(target));
        fx.get<QLineEdit>("edMiscDeployment")->setText(QDir::toNativeSeparators(start));
        OnNextModal<TFolderPicker>([&](TFolderPicker* picker) {
            QCOMPARE(picker->windowTitle(), QString("Deployment folder"));
            QVERIFY(picker->CreateButton());
            QCOMPARE(QDir::cleanPath(QDir::fromNativeSeparators(picker->CurrentPath())),
                     QDir::cleanPath(start));
            picker->SelectPath(target);
            picker->OkButton()->click();
        });
        QTest::mouseClick(fx.get<QToolButton>("edMiscDeploymentBtn"), Qt::LeftButton);
        QCOMPARE(QDir::cleanPath(QString::fromStdString(fx.project.MiscDeployment)), QDir::cleanPath(target));

        OnNextModal<TFolderPicker>([](TFolderPicker* picker) { picker->CancelButton()->click(); });
        QTest::mouseClick(fx.get<QToolButton>("edMiscDeploymentBtn"), Qt::LeftButton);
        QCOMPARE(QDir::cleanPath(QString::fromStdString(fx.project.MiscDeployment)), QDir::cleanPath(target));
    }

    void relativeDeploymentFolderOpensBesideTheProject() {
        // The build reads a relative deployment folder from the project file's folder; the picker
        // must open there too, not below the folder the program was started in.
        Fixture fx;
        QTemporaryDir tmp;
        const QString beside = QDir(tmp.path()).filePath("deploy-beside-project");
        QVERIFY(QDir().mkpath(beside) && QDir().mkpath(QDir(tmp.path()).filePath("proj")));
        fx.project.FileName = QDir(tmp.path()).filePath("proj/My.tvx").toStdString();
        fx.get<QLineEdit>("edMiscDeployment")->setText("../deploy-beside-project");
        TNameSeam::ScriptNames({QString()});
        QTest::mouseClick(fx.get<QToolButton>("edMiscDeploymentBtn"), Qt::LeftButton);
        QCOMPARE(TNameSeam::Asked().size(), size_t(1));
        QCOMPARE(TNameSeam::Asked()[0].dialog, QString("FolderPicker"));
        QCOMPARE(TNameSeam::Asked()[0].title, QString("Deployment folder"));
        QCOMPARE(QDir::cleanPath(QDir::fromNativeSeparators(TNameSeam::Asked()[0].proposed)),
                 QDir::cleanPath(beside));
        // Cancelling keeps the text as typed.
        QCOMPARE(fx.project.MiscDeployment, std::string("../deploy-beside-project"));

        // With no folder yet it opens at the project's folder; a project never saved, at home.
        for (const char* blank : {"", "-"}) {
            fx.get<QLineEdit>("edMiscDeployment")->setText(blank);
            TNameSeam::ScriptNames({QString()});
            QTest::mouseClick(fx.get<QToolButton>("edMiscDeploymentBtn"), Qt::LeftButton);
            QCOMPARE(QDir::fromNativeSeparators(TNameSeam::Asked().back().proposed),
                     QDir(tmp.path()).filePath("proj"));
        }
        fx.project.FileName = "*UNTITLED";
        TNameSeam::ScriptNames({QString()});
        QTest::mouseClick(fx.get<QToolButton>("edMiscDeploymentBtn"), Qt::LeftButton);
        QCOMPARE(QDir::fromNativeSeparators(TNameSeam::Asked().back().proposed), QDir::homePath());
    }

    // A folder typed into the picker's path box and taken with Enter becomes the deployment folder;
    // one that does not exist yet is made once the author agrees.
    void deploymentFolderTypedIntoThePicker() {
        Fixture fx;
        QTemporaryDir tmp;
        fx.project.FileName = QDir(tmp.path()).filePath("My.tvx").toStdString();
        const QString typed = QDir::toNativeSeparators(QDir(tmp.path()).filePath("out/setup"));
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrYes});
        OnNextModal<TFolderPicker>([&](TFolderPicker* picker) {
            // Opens at the project's folder, the box telling it.
            QCOMPARE(QDir::fromNativeSeparators(picker->PathEdit()->text()), QDir::cleanPath(tmp.path()));
            tvtest::Retype(picker->PathEdit(), typed);
            tvtest::saveShot(picker, "folderpicker_typed");
            QTest::keyClick(picker->PathEdit(), Qt::Key_Return);
        });
        QTest::mouseClick(fx.get<QToolButton>("edMiscDeploymentBtn"), Qt::LeftButton);
        // Inside the project's folder: kept relative to it.
        QCOMPARE(QString::fromStdString(fx.project.MiscDeployment), QDir::toNativeSeparators("out/setup"));
        QVERIFY(QFileInfo(typed).isDir());
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
        QVERIFY(fx.project.Modified);
    }

    void tabRunsDownTheInstallationColumnFirst() {
        Fixture fx;
        QApplication::setActiveWindow(&fx.host);
        QVERIFY(QTest::qWaitForWindowActive(&fx.host));
        fx.get("cbTarget2k")->setFocus();
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"edMinOSVersion", "edExtraDiskSpace", "edMiscPassword",
                                     "cbMiscUninstaller", "cbMiscReboot"}));
    }

    void refusesCharactersOutsideTheCodePage() {
        Fixture fx;
        TwzDialog::RefuseUnscripted(true);
        auto* name = fx.get<QLineEdit>("edAppName");

        // Windows-1252 letters beyond ASCII are fine and stored as their bytes.
        TypeText(name, QString::fromUtf8("\u00E9\u20AC"));
        QCOMPARE(fx.project.AppName, std::string("\xE9\x80"));
        QVERIFY(TwzDialog::AskedTexts().isEmpty());

        name->clear();
        TypeText(name, QString::fromUtf8("A\u03A9B\u4E2D"));
        QCOMPARE(name->text(), QString("AB"));
        QCOMPARE(fx.project.AppName, std::string("AB"));
        QCoreApplication::sendPostedEvents();
        // No window per refused key: the box is marked, its tooltip names the last refused character,
        // and the next good key takes the mark away.
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
        QVERIFY(RefusalShown(name).contains(QString::fromUtf8("\u4E2D")));
        QCOMPARE(name->toolTip(), RefusalShown(name));
        QCOMPARE(name->palette().color(QPalette::Base), QColor(255, 221, 221));
        TypeText(name, "C");
        QCOMPARE(RefusalShown(name), QString());
        QVERIFY(name->palette().color(QPalette::Base) != QColor(255, 221, 221));
        QCOMPARE(fx.project.AppName, std::string("ABC"));

        // A chosen file whose name the code page cannot hold is refused too, not mangled.
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        fx.project.Modified = false;
        TNameSeam::ScriptNames({QString::fromUtf8("/data/\u0416/readme.txt")});
        QTest::mouseClick(fx.get<QToolButton>("edAppReadmeBtn"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(fx.get<QLineEdit>("edAppReadme")->text(), QString());
        QCOMPARE(fx.project.AppReadme, std::string());
        QVERIFY(!fx.project.Modified);
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);

        // Nor can a program put one in behind the validator's back.
        fx.get<QLineEdit>("edCheckWindow")->setText(QString::fromUtf8("Win\u0416"));
        QCOMPARE(fx.get<QLineEdit>("edCheckWindow")->text(), QString());
        QCOMPARE(fx.project.TargetCheckWindow, std::string());
        TwzDialog::ClearScript();
    }

    void screenshots() {
        Fixture fx;
        TProject& p = fx.project;
        p.AppName = "My Application v1.0";
        p.AppInstFolder = "ProgramFiles";
        p.AppInstFolderName = "\\My Application Folder";
        p.AppGroupFolder = "ProgramsMenu";
        p.AppGroupFolderName = "\\My Application";
        p.AppReadme = "/home/author/myapp/Readme.txt";
        p.AppReadmeBG = 0x00E0FFFF;
        p.AppLicense = "/home/author/myapp/License.txt";
        p.MiscDeployment = "/home/author/deploy";
        p.TargetOSMinVersion = "4.0.1381";
        p.TargetExtraDiskSpace = 2048;
        p.MiscPassword = "secret";
        p.TargetCheckWindow = "My Application Main Window";
        p.TargetCheckMutex = "MyApplicationMutex";
        fx.page->LoadFromProject();
        auto* tabs = fx.get<QTabWidget>("pageInstall");
        fx.get<QListWidget>("lbLanguages")->addItem("English");
        fx.get<QListWidget>("lbLanguages")->item(0)->setCheckState(Qt::Checked);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QVERIFY(tvtest::saveShot(&fx.host, QString("startpage_tab%1").arg(i)));
        }
        // Everything fits in the page area.
        for (QWidget* w : fx.page->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(fx.page) || w->objectName().startsWith("qt_"))
                continue;
            const QRect r(w->mapTo(fx.page, QPoint(0, 0)), w->size());
            QVERIFY2(fx.page->rect().contains(r), qPrintable(w->objectName() + " lies outside the page"));
        }
    }
};

QTEST_MAIN(TestStartPage)
#include "test_startpage.moc"
