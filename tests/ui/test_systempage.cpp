// Page 4 "Registry & INI Changes" driven through the main window: the registry and INI editors
// (formats, duplicates, edit mode, refusals), the lists with their questions and selection rules,
// the import of registry exports, and a round trip through Save and Build that the console tool
// must match byte for byte.
#include "UiTestSupport.h"

#include "TamveloxVersion.h"
#include "core/ChangeLines.h"
#include "core/MsgDlg.h"
#include "core/Project.h"
#include "core/TextCodec.h"
#include "ui/editors/AnsiInput.h"
#include "ui/editors/ContentsMemo.h"
#include "ui/editors/SystemINIEditUnit.h"
#include "ui/editors/SystemRegEditUnit.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MainUnit.h"
#include "ui/pages/SystemPage.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <QUrl>

#include <functional>
#include <memory>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace tv;
using tvtest::OnNextModal;
using tvtest::FileLines;
using tvtest::In;
using tvtest::ReadFile;
using tvtest::Retype;
using tvtest::TypeText;
using tvtest::WriteFile;

namespace {

const QString kDuplicateKey = "That KEY already exist, use edit to modify";
const QString kDuplicateSection = "That Section already exist, use edit to modify";
const QString kRemoveQuestion = "Sure to delete selected key ?";
const QString kClearQuestion = "Sure to delete ALL keys ?";

// One "Add parameter" of an editor: name, value, type index (registry only), flags index.
struct TParam {
    QString name, value;
    int type = 0;
    int flags = 0;
};

void AddParams(QWidget* editor, const QList<TParam>& params) {
    for (const TParam& p : params) {
        Retype(In<QLineEdit>(editor, "edParam"), p.name);
        if (auto* type = editor->findChild<QComboBox*>("cbType"))
            type->setCurrentIndex(p.type);
        In<QComboBox>(editor, "cbFlags")->setCurrentIndex(p.flags);
        Retype(In<QLineEdit>(editor, "edValue"), p.value);
        QTest::mouseClick(In<TjdFlatButton>(editor, "btAdd"), Qt::LeftButton);
    }
}

void ClickOK(QWidget* editor) {
    QTest::mouseClick(In<TjdFlatButton>(editor, "doOK"), Qt::LeftButton);
}

// Both help texts of the Info tab are shown whole.
void InfoFits(QWidget* editor) {
    for (const char* name : {"lbInfo1", "lbInfo2"}) {
        auto* label = In<TDCLabel>(editor, name);
        QVERIFY2(label->isVisible(), name);
        QVERIFY2(label->height() >= label->TextExtent().y(), name);
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), name);
    }
}

QString MemoText(QWidget* editor) {
    return In<QPlainTextEdit>(editor, "edValues")->toPlainText();
}

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return std::vector<std::string>(lines.begin(), lines.end());
}

QByteArray Utf16Le(const QString& text) {
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

} // namespace

class TestSystemPage final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<TMain> m_Main;

    QString Path(const QString& name) const { return m_Dir->filePath(name); }
    template <class T = QWidget> T* Child(const char* name) const { return In<T>(m_Main.get(), name); }
    TProject& Project() const { return m_Main->Project(); }
    TSystemPage* Page() const { return m_Main->Page<TSystemPage>(); }
    void Click(const char* name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }

    // The window on page 4, with a project that holds no unsaved edits yet.
    TMain& Open(const QStringList& arguments = {}) {
        m_Main.reset();
        tvtest::resetSeams();
        m_Main = std::make_unique<TMain>(arguments);
        m_Main->show();
        QCoreApplication::processEvents(); // the queued start-up
        auto* wiz = Child<TwzWizardTree>("wiz");
        QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(4).center());
        [&] {
            QCOMPARE(Child<QStackedWidget>("wizPages")->currentWidget(), static_cast<QWidget*>(Page()));
        }();
        Project().Modified = false;
        return *m_Main;
    }
    // Shows the Project's tables as after a Load.
    void Reload() { Page()->LoadFromProject(); }

    // Opens the registry editor with button and runs fill in it.
    void InRegEditor(const char* button, std::function<void(TSystemRegEdit*)> fill) {
        bool opened = false;
        OnNextModal<TSystemRegEdit>([&](TSystemRegEdit* e) {
            opened = true;
            fill(e);
        });
        Click(button);
        QVERIFY2(opened, button);
    }
    void InIniEditor(const char* button, std::function<void(TSystemINIEdit*)> fill) {
        bool opened = false;
        OnNextModal<TSystemINIEdit>([&](TSystemINIEdit* e) {
            opened = true;
            fill(e);
        });
        Click(button);
        QVERIFY2(opened, button);
    }
    // A new registry entry typed into the editor the way a person would.
    void AddRegKey(const char* button, int root, const QString& path, const QList<TParam>& params) {
        InRegEditor(button, [&](TSystemRegEdit* e) {
            In<QComboBox>(e, "cbKey")->setCurrentIndex(root);
            Retype(In<QLineEdit>(e, "edKey"), path);
            AddParams(e, params);
            ClickOK(e);
        });
    }
    void AddIni(const QString& target, const QString& file, const QString& section,
                const QList<TParam>& params) {
        InIniEditor("jdFlatButton1", [&](TSystemINIEdit* e) {
            auto* cb = In<QComboBox>(e, "cbGroupTarget");
            cb->setCurrentIndex(cb->findText(target));
            Retype(In<QLineEdit>(e, "edINIFile"), file);
            Retype(In<QLineEdit>(e, "edSection"), section);
            AddParams(e, params);
            ClickOK(e);
        });
    }
    QString KeyShown(const char* combo) const { return Child<QComboBox>(combo)->currentText(); }
    QString BoxShown(const char* box) const { return Child<QPlainTextEdit>(box)->toPlainText(); }

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

    void registryEditorBuildsKeysAndLines() {
        Open();
        Project().AppName = "Demo App";
        QSignalSpy edited(Page(), &TSystemPage::projectEdited);

        InRegEditor("jdFlatButton4", [&](TSystemRegEdit* e) {
            QCOMPARE(e->size(), QSize(511, 250));
            QCOMPARE(In<QTabWidget>(e, "PageControl1")->tabText(0), QString("Add registry key"));
            QCOMPARE(In<QComboBox>(e, "cbKey")->currentText(), QString("HKCU"));
            QCOMPARE(In<QLineEdit>(e, "edKey")->text(), QString("\\Software\\My Company\\Demo App"));
            Retype(In<QLineEdit>(e, "edKey"), "\\Software\\X");
            AddParams(e, {{"PosX", "10", 1, 0},
                          {"PosX", "10", 1, 3},
                          {"Empty", "", 0, 0},
                          {"Dash", "-", 0, 0},
                          {"-", "v", 0, 0},
                          {"Path", "%InstallPath%", 0, 1}});
            QCOMPARE(MemoText(e),
                     QString("PosX=10,1\nPosX=10,1,NO_LOG+DONT_OVERWRITE\nPath=%InstallPath%,0,NO_LOG"));
            // The type and flags stay chosen; name and value are emptied.
            QCOMPARE(In<QComboBox>(e, "cbFlags")->currentIndex(), 1);
            QVERIFY(In<QLineEdit>(e, "edParam")->text().isEmpty());
            ClickOK(e);
        });
        QCOMPARE(Project().tbRegAdd.Count(), 1);
        QCOMPARE(Project().tbRegAdd.Records[0].Key, std::string("HKCU\\Software\\X"));
        QCOMPARE(Project().tbRegAdd.Records[0].Contents,
                 Lines({"PosX=10,1", "PosX=10,1,NO_LOG+DONT_OVERWRITE", "Path=%InstallPath%,0,NO_LOG"}));
        QVERIFY(Project().Modified);
        QCOMPARE(edited.size(), 1);
        QCOMPARE(KeyShown("edRegAddKey"), QString("HKCU\\Software\\X"));
        QCOMPARE(BoxShown("mmRegAddKey"),
                 QString("PosX=10,1\nPosX=10,1,NO_LOG+DONT_OVERWRITE\nPath=%InstallPath%,0,NO_LOG"));

        // The same key, and one that differs only in case, are refused; the window stays open.
        Project().Modified = false;
        InRegEditor("jdFlatButton4", [&](TSystemRegEdit* e) {
            Retype(In<QLineEdit>(e, "edKey"), "\\Software\\X");
            TwzDialog::ScriptAnswers({mrOk, mrOk});
            ClickOK(e);
            QVERIFY(e->isVisible());
            Retype(In<QLineEdit>(e, "edKey"), "\\software\\x");
            ClickOK(e);
            QVERIFY(e->isVisible());
            QCOMPARE(TwzDialog::AskedTexts(), (QStringList{kDuplicateKey, kDuplicateKey}));
            QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);
            // Another root is another key.
            In<QComboBox>(e, "cbKey")->setCurrentIndex(2);
            ClickOK(e);
        });
        QCOMPARE(Project().tbRegAdd.Count(), 2);
        QCOMPARE(Project().tbRegAdd.Records[1].Key, std::string("HKLM\\software\\x"));
        // The memo keeps every line the author typed, a final line break adding none.
        InRegEditor("jdFlatButton4", [&](TSystemRegEdit* e) {
            Retype(In<QLineEdit>(e, "edKey"), "\\Typed");
            auto* memo = In<QPlainTextEdit>(e, "edValues");
            memo->setFocus();
            QTest::keyClicks(memo, "a=1,1");
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClicks(memo, "free text");
            QTest::keyClick(memo, Qt::Key_Return);
            AddParams(e, {{"b", "2", 1, 0}});
            ClickOK(e);
        });
        QCOMPARE(Project().tbRegAdd.Records[2].Contents, Lines({"a=1,1", "", "free text", "b=2,1"}));

        // Cancel writes nothing and leaves the project unchanged.
        Project().Modified = false;
        InRegEditor("jdFlatButton4", [&](TSystemRegEdit* e) {
            Retype(In<QLineEdit>(e, "edKey"), "\\Cancelled");
            // Enter in the value box adds the parameter; the window stays open.
            Retype(In<QLineEdit>(e, "edParam"), "x");
            Retype(In<QLineEdit>(e, "edValue"), "1");
            QTest::keyClick(In<QLineEdit>(e, "edValue"), Qt::Key_Return);
            QCOMPARE(MemoText(e), QString("x=1,0"));
            QVERIFY(e->isVisible());
            QTest::mouseClick(In<TjdFlatButton>(e, "doCancel"), Qt::LeftButton);
        });
        QCOMPARE(Project().tbRegAdd.Count(), 3);
        QVERIFY(!Project().Modified);
    }

    void registryEditorEditsOnlyTheContents() {
        Open();
        Project().tbRegAdd.Append({"HKCU\\A", {"a=1,1"}});
        Project().tbRegAdd.Append({"HKLM\\Software\\X", {"Old=1,1"}});
        Project().tbRegAdd.Append({"HKEY_CURRENT_CONFIG\\Odd", {"o=1,1"}});
        Reload();
        auto* keys = Child<QComboBox>("edRegAddKey");
        QTest::keyClick(keys, Qt::Key_Down);
        QCOMPARE(BoxShown("mmRegAddKey"), QString("Old=1,1"));

        InRegEditor("jdFlatButton7", [&](TSystemRegEdit* e) {
            auto* root = In<QComboBox>(e, "cbKey");
            auto* path = In<QLineEdit>(e, "edKey");
            QCOMPARE(root->currentText(), QString("HKLM"));
            QCOMPARE(path->text(), QString("Software\\X"));
            QVERIFY(!root->isEnabled() && !path->isEnabled());
            QCOMPARE(MemoText(e), QString("Old=1,1"));
            AddParams(e, {{"New", "ab 01", 2, 2}});
            ClickOK(e);
        });
        QCOMPARE(Project().tbRegAdd.Records[1].Key, std::string("HKLM\\Software\\X"));
        QCOMPARE(Project().tbRegAdd.Records[1].Contents, Lines({"Old=1,1", "New=ab 01,2,DONT_OVERWRITE"}));
        QVERIFY(Project().Modified);
        // The edited entry stays selected.
        QCOMPARE(keys->currentIndex(), 1);
        QCOMPARE(BoxShown("mmRegAddKey"), QString("Old=1,1\nNew=ab 01,2,DONT_OVERWRITE"));

        // A root outside the list is shown as written and kept.
        QTest::keyClick(keys, Qt::Key_Down);
        InRegEditor("jdFlatButton7", [&](TSystemRegEdit* e) {
            auto* root = In<QComboBox>(e, "cbKey");
            QCOMPARE(root->currentIndex(), -1);
            QCOMPARE(root->placeholderText(), QString("HKEY_CURRENT_CONFIG"));
            QCOMPARE(In<QLineEdit>(e, "edKey")->text(), QString("Odd"));
            ClickOK(e);
        });
        QCOMPARE(Project().tbRegAdd.Records[2].Key, std::string("HKEY_CURRENT_CONFIG\\Odd"));

        // Edit on an empty list opens nothing.
        Click("jdFlatButton9");
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void deleteGroupShowsItsNewKeyAtOnce() {
        Open();
        AddRegKey("jdFlatButton8", 3, "\\Software\\Trial", {{"Expires", "0", 1, 0}});
        QCOMPARE(Project().tbRegDel.Count(), 1);
        QCOMPARE(Project().tbRegAdd.Count(), 0);
        QCOMPARE(Project().tbRegDel.Records[0].Key, std::string("HKU\\Software\\Trial"));
        QCOMPARE(KeyShown("edRegDelKey"), QString("HKU\\Software\\Trial"));
        QCOMPARE(BoxShown("mmRegDelKey"), QString("Expires=0,1"));
        QVERIFY(Project().Modified);
        InRegEditor("jdFlatButton9", [&](TSystemRegEdit* e) {
            QCOMPARE(In<QTabWidget>(e, "PageControl1")->tabText(0), QString("Remove registry key"));
            e->reject();
        });
    }

    void removeAndClearAskAndKeepTheSelectionRules() {
        Open();
        for (const char* k : {"HKCU\\A", "HKCU\\B", "HKCU\\C"})
            Project().tbRegAdd.Append({k, {std::string(k) + "=1,1"}});
        Reload();
        auto* keys = Child<QComboBox>("edRegAddKey");
        keys->setCurrentIndex(2);
        QCOMPARE(BoxShown("mmRegAddKey"), QString("HKCU\\C=1,1"));

        // No to "delete ALL" keeps every entry; the first becomes current.
        TwzDialog::ScriptAnswers({mrNo});
        Click("jdFlatButton6");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{kClearQuestion});
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtConfirmation);
        QCOMPARE(TwzDialog::AskedMessages()[0].buttons, unsigned(mbYes | mbNo));
        QCOMPARE(Project().tbRegAdd.Count(), 3);
        QCOMPARE(keys->currentIndex(), 0);
        QCOMPARE(BoxShown("mmRegAddKey"), QString("HKCU\\A=1,1"));
        QVERIFY(!Project().Modified);

        // Yes removes the selected key; the first is selected after it.
        keys->setCurrentIndex(1);
        TwzDialog::ScriptAnswers({mrYes});
        Click("jdFlatButton5");
        QCOMPARE(TwzDialog::AskedTexts().last(), kRemoveQuestion);
        QCOMPARE(Project().tbRegAdd.Count(), 2);
        QCOMPARE(Project().tbRegAdd.Records[1].Key, std::string("HKCU\\C"));
        QCOMPARE(keys->count(), 2);
        QCOMPARE(keys->currentIndex(), 0);
        QVERIFY(Project().Modified);

        TwzDialog::ScriptAnswers({mrYes});
        Click("jdFlatButton6");
        QVERIFY(Project().tbRegAdd.Empty());
        QCOMPARE(keys->count(), 0);
        QVERIFY(BoxShown("mmRegAddKey").isEmpty());

        // On an empty list nothing is asked.
        const auto asked = TwzDialog::AskedTexts().size();
        for (const char* b : {"jdFlatButton5", "jdFlatButton6", "jdFlatButton3", "jdFlatButton15"})
            Click(b);
        QCOMPARE(TwzDialog::AskedTexts().size(), asked);
    }

    void keysThatDifferInCaseStayApart() {
        // Only a file written elsewhere can hold such a pair: the editor refuses the second.
        Open();
        Project().tbRegAdd.Append({"HKCU\\Same", {"first=1,1"}});
        Project().tbRegAdd.Append({"HKCU\\SAME", {"second=2,1"}});
        Reload();
        auto* keys = Child<QComboBox>("edRegAddKey");
        keys->setCurrentIndex(1);
        QCOMPARE(BoxShown("mmRegAddKey"), QString("second=2,1"));
        TwzDialog::ScriptAnswers({mrYes});
        Click("jdFlatButton5");
        QCOMPARE(Project().tbRegAdd.Count(), 1);
        QCOMPARE(Project().tbRegAdd.Records[0].Key, std::string("HKCU\\Same"));
    }

    void iniEditorBuildsSectionsAndRefusesDuplicates() {
        Open();
        InIniEditor("jdFlatButton1", [&](TSystemINIEdit* e) {
            QCOMPARE(e->size(), QSize(512, 250));
            auto* target = In<QComboBox>(e, "cbGroupTarget");
            QCOMPARE(target->count(), 27);
            QCOMPARE(target->currentText(), QString("AppFolder"));
            target->setCurrentIndex(target->findText("Windows"));
            Retype(In<QLineEdit>(e, "edINIFile"), "\\my.ini");
            Retype(In<QLineEdit>(e, "edSection"), "Options");
            AddParams(e,
                      {{"PosX", "10", 0, 2}, {"PosX", "10", 0, 0}, {"-", "x", 0, 0}, {"Caption", " ", 0, 0}});
            QCOMPARE(MemoText(e), QString("PosX=10,DONT_OVERWRITE\nPosX=10"));
            ClickOK(e);
        });
        QCOMPARE(Project().tbINI.Count(), 1);
        QCOMPARE(Project().tbINI.Records[0].Key, std::string("Windows|\\my.ini|Options"));
        QCOMPARE(Project().tbINI.Records[0].Contents, Lines({"PosX=10,DONT_OVERWRITE", "PosX=10"}));
        QVERIFY(Project().Modified);
        auto* lv = Child<QTableView>("lvINI");
        QCOMPARE(lv->model()->index(0, 0).data().toString(), QString("%Windows%\\my.ini"));
        QCOMPARE(lv->model()->index(0, 1).data().toString(), QString("Options"));
        QCOMPARE(lv->model()->headerData(0, Qt::Horizontal).toString(), QString("INI File"));
        QCOMPARE(lv->columnWidth(0), 200);
        QVERIFY(lv->selectionModel()->isRowSelected(0, {}));
        QCOMPARE(BoxShown("mmINI"), QString("PosX=10,DONT_OVERWRITE\nPosX=10"));

        // The same section in other letter case is refused; a "|" in file or section too.
        InIniEditor("jdFlatButton1", [&](TSystemINIEdit* e) {
            auto* target = In<QComboBox>(e, "cbGroupTarget");
            target->setCurrentIndex(target->findText("Windows"));
            Retype(In<QLineEdit>(e, "edINIFile"), "\\MY.INI");
            Retype(In<QLineEdit>(e, "edSection"), "options");
            TwzDialog::ScriptAnswers({mrOk, mrOk, mrOk});
            ClickOK(e);
            Retype(In<QLineEdit>(e, "edINIFile"), "\\a|b.ini");
            ClickOK(e);
            Retype(In<QLineEdit>(e, "edINIFile"), "\\b.ini");
            Retype(In<QLineEdit>(e, "edSection"), "x|y");
            ClickOK(e);
            QVERIFY(e->isVisible());
            const QStringList asked = TwzDialog::AskedTexts();
            QCOMPARE(asked.size(), 3);
            QCOMPARE(asked[0], kDuplicateSection);
            QVERIFY2(asked[1].startsWith("INI file may not hold"), qPrintable(asked[1]));
            QVERIFY2(asked[2].startsWith("Section may not hold"), qPrintable(asked[2]));
            Retype(In<QLineEdit>(e, "edSection"), "Other");
            ClickOK(e);
        });
        QCOMPARE(Project().tbINI.Count(), 2);
        QCOMPARE(Project().tbINI.Records[1].Key, std::string("Windows|\\b.ini|Other"));
    }

    void iniEditKeepsTheKeyAndTheRow() {
        Open();
        Project().tbINI.Append({"Windows|\\a.ini|A", {"a=1"}});
        Project().tbINI.Append({"System|\\b.ini|B", {"b=1"}});
        Project().tbINI.Append({"Fonts|\\c.ini", {"c=1"}});
        Reload();
        auto* lv = Child<QTableView>("lvINI");
        Child<QTabWidget>("pcSystem")->setCurrentIndex(1);
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, {},
                          lv->visualRect(lv->model()->index(2, 1)).center());
        QCOMPARE(BoxShown("mmINI"), QString("c=1"));

        InIniEditor("jdFlatButton2", [&](TSystemINIEdit* e) {
            QCOMPARE(In<QComboBox>(e, "cbGroupTarget")->currentText(), QString("Fonts"));
            QCOMPARE(In<QLineEdit>(e, "edINIFile")->text(), QString("\\c.ini"));
            QCOMPARE(In<QLineEdit>(e, "edSection")->text(), QString());
            for (const char* name : {"cbGroupTarget", "edINIFile", "edSection"})
                QVERIFY2(!In(e, name)->isEnabled(), name);
            AddParams(e, {{"d", "2", 0, 1}});
            ClickOK(e);
        });
        QCOMPARE(Project().tbINI.Records[2].Key, std::string("Fonts|\\c.ini"));
        QCOMPARE(Project().tbINI.Records[2].Contents, Lines({"c=1", "d=2,NO_LOG"}));
        QVERIFY(lv->selectionModel()->isRowSelected(2, {}));
        QCOMPARE(BoxShown("mmINI"), QString("c=1\nd=2,NO_LOG"));

        TwzDialog::ScriptAnswers({mrYes});
        Click("jdFlatButton3");
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{kRemoveQuestion});
        QCOMPARE(Project().tbINI.Count(), 2);
        QCOMPARE(lv->model()->rowCount(), 2);
        QVERIFY(lv->selectionModel()->isRowSelected(0, {}));
        QCOMPARE(BoxShown("mmINI"), QString("a=1"));
    }

    void limitsAreRefusedWhereEntered() {
        Open();
        for (int i = 0; i < kMaxTableRows; ++i)
            Project().tbINI.Append({"Windows|\\a.ini|S" + std::to_string(i), {}});
        Reload();
        TwzDialog::ScriptAnswers({mrOk});
        Click("jdFlatButton1");
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("1000"));
        QCOMPARE(Project().tbINI.Count(), kMaxTableRows);

        // More parameter lines than the project file can number are refused at OK.
        InRegEditor("jdFlatButton4", [&](TSystemRegEdit* e) {
            In<TContentsMemo>(e, "edValues")->SetLines(std::vector<std::string>(1001, "p=1,1"));
            TwzDialog::ScriptAnswers({mrOk});
            ClickOK(e);
            QVERIFY(e->isVisible());
            QVERIFY(TwzDialog::AskedTexts().last().contains("1001 lines"));
            e->reject();
        });
        QVERIFY(Project().tbRegAdd.Empty());
    }

    // Refused where typed, and shown beside the box: no window per keystroke.
    void textsWindows1252CannotHoldAreRefusedWhereTyped() {
        Open();
        QStringList shown;
        InRegEditor("jdFlatButton4", [&](TSystemRegEdit* e) {
            auto* key = In<QLineEdit>(e, "edKey");
            Retype(key, "\\K");
            QTest::sendKeyEvent(QTest::Click, key, Qt::Key_unknown, QString(QChar(0x0416)), Qt::NoModifier);
            QCoreApplication::processEvents();
            QCOMPARE(key->text(), QString("\\K"));
            shown << RefusalShown(key);
            QCOMPARE(key->toolTip(), shown.last());
            QCOMPARE(key->palette().color(QPalette::Base), QColor(255, 221, 221));
            auto* memo = In<QPlainTextEdit>(e, "edValues");
            memo->setFocus();
            QTest::keyClicks(memo, "a=");
            QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_unknown, QString(QChar(0x03B1)), Qt::NoModifier);
            shown << RefusalShown(memo);
            TypeText(memo, "\u00e9,0");
            QCOMPARE(RefusalShown(memo), QString()); // the next good key takes the mark away
            // Pasted text is refused whole.
            QApplication::clipboard()->setText("\nx=\u2192\u2190,0");
            memo->paste();
            shown << RefusalShown(memo);
            QCoreApplication::processEvents();
            QVERIFY(TwzDialog::AskedTexts().isEmpty());
            ClickOK(e);
        });
        QCoreApplication::processEvents();
        QCOMPARE(Project().tbRegAdd.Records[0].Key, std::string("HKCU\\K"));
        QCOMPARE(Project().tbRegAdd.Records[0].Contents, Lines({"a=\xE9,0"}));
        QVERIFY(TwzDialog::AskedTexts().isEmpty());
        QVERIFY2(shown[0].contains(QChar(0x0416)), qPrintable(shown[0]));
        QVERIFY2(shown[1].contains(QChar(0x03B1)), qPrintable(shown[1]));
        QVERIFY2(shown[2].contains(QChar(0x2192)), qPrintable(shown[2]));
    }

    void memosMarkLinesTheEngineWouldMisread() {
        Open();
        InRegEditor("jdFlatButton4", [&](TSystemRegEdit* e) {
            auto* memo = In<TContentsMemo>(e, "edValues");
            memo->setFocus();
            QTest::keyClicks(memo, "InstallPath=%InstallPath%,REG_SZ,0");
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClicks(memo, "PosX=10,1");
            const auto underlined = [memo](int line) {
                for (const auto& range : memo->document()->findBlockByNumber(line).layout()->formats())
                    if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline)
                        return true;
                return false;
            };
            QVERIFY(underlined(0));
            QVERIFY(memo->LineProblem(0).contains("REG_SZ"));
            QVERIFY(!underlined(1));
            QVERIFY(memo->LineProblem(1).isEmpty());
            QVERIFY(tvtest::saveShot(e, "system_regedit_marked_line"));
            // Nothing is refused: the memo stays free text.
            ClickOK(e);
        });
        QCOMPARE(Project().tbRegAdd.Records[0].Contents.size(), std::size_t(2));
        InIniEditor("jdFlatButton1", [&](TSystemINIEdit* e) {
            auto* memo = In<TContentsMemo>(e, "edValues");
            memo->setFocus();
            QTest::keyClicks(memo, "List=a,b");
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClicks(memo, "Path=x,NO_LOG");
            QVERIFY(memo->LineProblem(0).contains("no flag"));
            QVERIFY(memo->LineProblem(1).isEmpty());
            e->reject();
        });
    }

    void newShowsTheRegistryTabAndEmptyLists() {
        Open();
        Project().tbRegAdd.Append({"HKCU\\A", {"a=1,1"}});
        Project().tbINI.Append({"Windows|\\a.ini|A", {"a=1"}});
        Reload();
        Child<QTabWidget>("pcSystem")->setCurrentIndex(1);
        TwzDialog::ScriptAnswers({mrYes, mrYes});
        Click("btNew");
        QCOMPARE(Child<QTabWidget>("pcSystem")->currentIndex(), 0);
        QCOMPARE(Child<QComboBox>("edRegAddKey")->count(), 0);
        QVERIFY(BoxShown("mmRegAddKey").isEmpty());
        QCOMPARE(Child<QTableView>("lvINI")->model()->rowCount(), 0);
        QVERIFY(BoxShown("mmINI").isEmpty());
    }

    void importReadsBothExportFormats() {
        Open();
        const QString ansi = Path("ansi.reg");
        QVERIFY(WriteFile(ansi, "REGEDIT4\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Vendor\\App]\r\n"
                                "\"InstallDir\"=\"C:\\\\Program Files\\\\App\\\\\"\r\n"
                                "\"Title\"=\"The \\\"best\\\" app\"\r\n"
                                "@=\"default\"\r\n"
                                "\"Runs\"=dword:00000010\r\n"
                                "\"Key\"=hex:de,ad,\\\r\n"
                                "  be,ef\r\n"
                                "\"Paths\"=hex(7):61,00,00,00\r\n\r\n"
                                "[-HKEY_CURRENT_USER\\Software\\Vendor\\Old]\r\n"));
        TNameSeam::ScriptNames({ansi});
        TwzDialog::ScriptAnswers({mrOk});
        Click("btRegImport");
        QCOMPARE(TNameSeam::Asked().back().dialog, QString("RegImportDialog"));
        QCOMPARE(Project().tbRegAdd.Count(), 1);
        QCOMPARE(Project().tbRegAdd.Records[0].Key, std::string("HKCU\\Software\\Vendor\\App"));
        QCOMPARE(Project().tbRegAdd.Records[0].Contents,
                 Lines({"InstallDir=C:\\Program Files\\App\\,0", "Title=The \"best\" app,0", "Runs=16,1",
                        "Key=DE AD BE EF,2"}));
        QCOMPARE(Project().tbRegDel.Count(), 1);
        QCOMPARE(KeyShown("edRegDelKey"), QString("HKCU\\Software\\Vendor\\Old"));
        QCOMPARE(KeyShown("edRegAddKey"), QString("HKCU\\Software\\Vendor\\App"));
        QVERIFY(Project().Modified);
        // One message names what was left out.
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        const QString message = TwzDialog::AskedTexts()[0];
        QVERIFY2(message.contains("@ (the default value)") && message.contains("\"Paths\": a multi-string"),
                 qPrintable(message));

        // A version 5 export of a key listed already: merged only after Yes.
        const QString unicode = Path("unicode.reg");
        QVERIFY(WriteFile(unicode, Utf16Le("Windows Registry Editor Version 5.00\r\n\r\n"
                                           "[HKEY_CURRENT_USER\\Software\\Vendor\\APP]\r\n"
                                           "\"Runs\"=dword:00000020\r\n"
                                           "\"Name\"=\"\u00c9lan\"\r\n"
                                           "\"Greek\"=\"\u03a9\"\r\n")));
        TNameSeam::ScriptNames({unicode});
        TwzDialog::ScriptAnswers({mrNo, mrOk});
        Click("btRegImport");
        QVERIFY(TwzDialog::AskedTexts()[1].contains("HKCU\\Software\\Vendor\\APP"));
        QCOMPARE(TwzDialog::AskedMessages()[1].type, TMsgDlgType::mtConfirmation);
        QVERIFY(TwzDialog::AskedTexts()[2].contains("\"Greek\""));
        QCOMPARE(Project().tbRegAdd.Count(), 1);
        QCOMPARE(Project().tbRegAdd.Records[0].Contents.size(), std::size_t(4));

        TNameSeam::ScriptNames({unicode});
        TwzDialog::ScriptAnswers({mrYes, mrOk});
        Click("btRegImport");
        QCOMPARE(Project().tbRegAdd.Count(), 1);
        QCOMPARE(Project().tbRegAdd.Records[0].Contents,
                 Lines({"InstallDir=C:\\Program Files\\App\\,0", "Title=The \"best\" app,0", "Runs=32,1",
                        "Key=DE AD BE EF,2", "Name=\xC9lan,0"}));
        QCOMPARE(BoxShown("mmRegAddKey").split('\n').size(), 5);
    }

    // A merge that would take a key past the values it can hold says what it left out.
    void aMergeBeyondAKeysLimitIsReported() {
        Open();
        TContentsRecord& full = Project().tbRegAdd.Append();
        full.Key = "HKCU\\Software\\Full";
        for (int i = 0; i < kMaxTableRows - 1; ++i)
            full.Contents.push_back("v" + std::to_string(i) + "=1,1");
        const QString file = Path("more.reg");
        QVERIFY(WriteFile(file, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Full]\r\n"
                                "\"a\"=\"1\"\r\n\"b\"=\"2\"\r\n\"c\"=\"3\"\r\n"));
        TNameSeam::ScriptNames({file});
        TwzDialog::ScriptAnswers({mrYes, mrOk});
        Click("btRegImport");
        QCOMPARE(Project().tbRegAdd.Records[0].Contents.size(), std::size_t(kMaxTableRows));
        QCOMPARE(TwzDialog::AskedTexts().size(), 2);
        QVERIFY2(TwzDialog::AskedTexts()[1].contains("Not merged, a key holds 1000 values at most") &&
                     TwzDialog::AskedTexts()[1].contains("HKCU\\Software\\Full"),
                 qPrintable(TwzDialog::AskedTexts()[1]));
    }

    void importRefusesBrokenFilesAndTakesDrops() {
        Open();
        const QString notReg = Path("notes.reg");
        QVERIFY(WriteFile(notReg, "[HKEY_CURRENT_USER\\X]\r\n\"a\"=\"b\"\r\n"));
        TNameSeam::ScriptNames({notReg, Path("missing.reg")});
        TwzDialog::ScriptAnswers({mrOk, mrOk});
        Click("btRegImport");
        Click("btRegImport");
        const QStringList asked = TwzDialog::AskedTexts();
        QCOMPARE(asked.size(), 2);
        QVERIFY2(asked[0].contains("notes.reg") && asked[0].contains("no registry export"),
                 qPrintable(asked[0]));
        QVERIFY2(asked[1].startsWith("Cannot open file") && asked[1].contains("missing.reg"),
                 qPrintable(asked[1]));
        QVERIFY(Project().tbRegAdd.Empty());
        QVERIFY(!Project().Modified);

        // A .reg file dropped onto the "Add" group is imported.
        const QString dropped = Path("dropped.reg");
        QVERIFY(WriteFile(dropped, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Dropped]\n\"v\"=\"1\"\n"));
        auto* group = Child("grRegAdd");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dropped)});
        const QPoint at = group->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(group, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(group, &drop);
        QVERIFY(drop.isAccepted());
        QCoreApplication::processEvents();
        QCOMPARE(Project().tbRegAdd.Count(), 1);
        QCOMPARE(Project().tbRegAdd.Records[0].Contents, Lines({"v=1,0"}));
        // Other files are not taken.
        QMimeData text;
        text.setUrls({QUrl::fromLocalFile(Path("readme.txt"))});
        QDragEnterEvent other(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        other.setAccepted(false);
        QApplication::sendEvent(group, &other);
        QVERIFY(!other.isAccepted());
    }

    // A dropped name that is no regular file is refused before it is opened: a FIFO would block the
    // window for good, a link to a device would be read without end.
    void droppedFilesThatAreNoRegularFilesAreRefused() {
#ifdef _WIN32
        QSKIP("FIFOs and /dev/zero are POSIX");
#else
        Open();
        const QString fifo = Path("pipe.reg");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString zero = Path("zero.reg");
        QVERIFY(QFile::link("/dev/zero", zero));
        auto* group = Child("grRegAdd");
        const QPoint at = group->rect().center();
        for (const QString& path : {fifo, zero}) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(group, &enter);
            QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(group, &drop);
            TwzDialog::ScriptAnswers({mrOk});
            QCoreApplication::processEvents();
            QVERIFY2(TwzDialog::AskedTexts().last().contains(path),
                     qPrintable(TwzDialog::AskedTexts().last()));
            QVERIFY(TwzDialog::AskedTexts().last().contains("not a regular file"));
            QCOMPARE(TwzDialog::AskedMessages().back().type, TMsgDlgType::mtError);
        }
        QCOMPARE(TwzDialog::AskedTexts().size(), 2);
        QVERIFY(Project().tbRegAdd.Empty());
        QVERIFY(!Project().Modified);
#endif
    }

    // Entries made in the window are saved as the console tool saves them, and the window's build
    // writes the engine's install list as the console build does.
    void roundTripMatchesTheConsoleTool() {
#ifndef TAMVELOX_CLI_PATH
        QSKIP("the console tool's path is not known");
#else
        TMain& w = Open();
        Child<QLineEdit>("edMiscDeployment")->setText(Path("deploy"));
        // No title bitmap: where the program's own lies depends on how this test was built.
        w.Project().DialogTitleBMP.clear();
        AddRegKey("jdFlatButton4", 1, "\\Software\\RoundTrip",
                  {{"PosX", "10", 1, 0}, {"Name", "Caf\u00e9", 0, 1}, {"Blob", "07 A5", 2, 3}});
        AddRegKey("jdFlatButton8", 2, "\\Software\\Old", {{"Gone", "0", 1, 0}});
        AddIni("Windows", "\\rt.ini", "Options", {{"Path", "%InstallPath%", 0, 0}, {"Mode", "1", 0, 2}});
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
             {"RegAdd000=HKCU\\Software\\RoundTrip", "[Registry.Add.HKCU\\Software\\RoundTrip]",
              "Item001=Name=Caf\u00e9,0,NO_LOG", "Changes000=Windows|\\rt.ini|Options"})
            QVERIFY2(saved.contains(line), line);

        Click("btWizFinish");
        TwzDialog::ScriptAnswers({mrYes, mrYes});
        Click("btBuild");
        const QString ins = Path("deploy/rt/Presetup/APP.INS");
        const QByteArray fromWindowBuild = ReadFile(ins);
        QVERIFY2(!fromWindowBuild.isEmpty(), qPrintable(TwzDialog::AskedTexts().join(" | ")));
        const QStringList lines = FileLines(ins);
        const QStringList expected = {"[AddReg]",
                                      "RegAdd.HKCU\\Software\\RoundTrip=HKCU\\Software\\RoundTrip",
                                      "[RegAdd.HKCU\\Software\\RoundTrip]",
                                      "PosX=10,1",
                                      "Name=Caf\u00e9,0,NO_LOG",
                                      "Blob=07 A5,2,NO_LOG+DONT_OVERWRITE",
                                      "[DelReg]",
                                      "RegDel.HKLM\\Software\\Old=HKLM\\Software\\Old",
                                      "[RegDel.HKLM\\Software\\Old]",
                                      "Gone=0,1",
                                      "[AddINI]",
                                      "Windows|\\rt.ini|Options=%Windows%\\rt.ini,Options",
                                      "[INI.Windows|\\rt.ini|Options]",
                                      "Path=%InstallPath%",
                                      "Mode=1,DONT_OVERWRITE"};
        int at = 0;
        for (const QString& line : expected) {
            const int found = lines.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable("missing or out of order: " + line));
            at = found + 1;
        }
        QCOMPARE(QProcess::execute(TAMVELOX_CLI_PATH, {"build", fromWindow}), 0);
        QCOMPARE(ReadFile(ins), fromWindowBuild);
        Q_UNUSED(w);
#endif
    }

    void screenshots() {
        const QString demo = QString(TAMVELOX_SOURCE_DIR) + "/examples/demo/demo.tvx";
        if (!QFile::exists(demo))
            QSKIP("the demo project is not there");
        TMain& w = Open({demo});
        QCOMPARE(KeyShown("edRegAddKey"), QString("HKCU\\Software\\Demo\\DemoApp"));
        // The demo's lines are in the editors' own formats.
        for (const auto* table : {&Project().tbRegAdd, &Project().tbRegDel})
            for (const auto& r : table->Records)
                for (const auto& line : r.Contents)
                    QVERIFY2(RegLineProblem(line).empty(), line.c_str());
        QVERIFY(tvtest::saveShot(&w, "main_page4_system_registry"));
        InRegEditor("jdFlatButton7", [&](TSystemRegEdit* e) {
            QVERIFY(tvtest::saveShot(e, "system_regedit"));
            In<QTabWidget>(e, "PageControl1")->setCurrentIndex(1);
            InfoFits(e);
            QVERIFY(tvtest::saveShot(e, "system_regedit_info"));
            e->reject();
        });
        Child<QTabWidget>("pcSystem")->setCurrentIndex(1);
        QCOMPARE(Child<QTableView>("lvINI")->model()->rowCount(), 1);
        QVERIFY(tvtest::saveShot(&w, "main_page4_system_ini"));
        InIniEditor("jdFlatButton2", [&](TSystemINIEdit* e) {
            QVERIFY(tvtest::saveShot(e, "system_iniedit"));
            In<QTabWidget>(e, "PageControl1")->setCurrentIndex(1);
            InfoFits(e);
            QVERIFY(tvtest::saveShot(e, "system_iniedit_info"));
            e->reject();
        });
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestSystemPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_systempage.moc"
