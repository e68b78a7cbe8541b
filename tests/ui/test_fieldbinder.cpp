// The binder behind every page: one line binds a control to a Project field; showing the Project
// writes nothing back; each edit stores its value and sets Modified only where its rule says; a text
// that is wrong while it is typed is marked beside the field instead of raising a message.
#include "UiTestSupport.h"

#include "core/Project.h"
#include "core/ProjectFile.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/main/FieldBinder.h"
#include "ui/main/WizardPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace tv;

namespace {

// A page as the coming pages will be written: controls and one binder line each.
class TSamplePage final : public TWizardPage {
public:
    QLineEdit* font = new QLineEdit(this);
    QComboBox* position = new QComboBox(this);
    QCheckBox* show = new QCheckBox("Show", this);
    QSpinBox* size = new QSpinBox(this);
    QString previewFace; // what a preview would show: the last good face

    explicit TSamplePage(TProject& project) : TWizardPage(project, "Sample", "Sample Page") {
        font->setToolTip("Title font");
        position->addItems({"Left", "Center", "Right"});
        size->setRange(0, 99);
        Binder().Text(font, &TProject::MainTitleFont, TEdits::SetModified, [this](const QString& text) {
            const QStringList fields = text.split(',');
            bool ok = fields.size() > 1;
            if (ok)
                fields[1].trimmed().toInt(&ok);
            if (!ok)
                return QString("'%1' is not a valid integer value").arg(fields.value(1));
            previewFace = fields[0];
            return QString();
        });
        Binder().Index(position, &TProject::DialogPosX, TEdits::KeepModified);
        Binder().Check(show, &TProject::MainShow, TEdits::SetModified);
        Binder().Number(size, &TProject::TargetExtraDiskSpace, TEdits::KeepModified);
        LoadFromProject();
    }
};

} // namespace

class TestFieldBinder final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        InstallFontSubstitutes();
        tvtest::resetSeams();
    }

    void loadShowsAndWritesNothing() {
        TProject project;
        project.MainTitleFont = "Arial"; // no size: wrong, as a hand-edited file may hold
        project.DialogPosX = 7;          // outside the list
        project.MainShow = false;
        project.TargetExtraDiskSpace = 500;
        TSamplePage page(project);
        QSignalSpy edited(&page, &TWizardPage::projectEdited);
        const std::string before = ProjectFileText(project);
        page.LoadFromProject();
        QCOMPARE(ProjectFileText(project), before);
        QVERIFY(!project.Modified);
        QVERIFY(edited.isEmpty());
        QCOMPARE(page.font->text(), QString("Arial"));
        QVERIFY(TFieldBinder::IsMarkedWrong(page.font));
        QCOMPARE(page.position->currentIndex(), -1);
        QVERIFY(!page.show->isChecked());
        QCOMPARE(page.size->value(), 99);
        QCOMPARE(project.TargetExtraDiskSpace, 500);
    }

    void editsStoreAndMarkAsTheirRuleSays() {
        TProject project;
        TSamplePage page(project);
        QSignalSpy edited(&page, &TWizardPage::projectEdited);
        QVERIFY(!TFieldBinder::IsMarkedWrong(page.font));
        QCOMPARE(page.previewFace, QString("Times New Roman"));

        // Half typed: kept and stored as typed, marked with the reason, no Modified, preview kept.
        page.font->clear();
        QTest::keyClicks(page.font, "Arial,");
        QCOMPARE(page.font->text(), QString("Arial,"));
        QCOMPARE(project.MainTitleFont, std::string("Arial,"));
        QVERIFY(TFieldBinder::IsMarkedWrong(page.font));
        QCOMPARE(page.font->toolTip(), QString("'' is not a valid integer value"));
        QCOMPARE(page.font->accessibleDescription(), page.font->toolTip());
        QVERIFY(!project.Modified);
        QVERIFY(edited.isEmpty());
        QCOMPARE(page.previewFace, QString("Times New Roman"));

        // Good again: the mark goes, the hint comes back, the edit counts.
        QTest::keyClicks(page.font, "12");
        QVERIFY(!TFieldBinder::IsMarkedWrong(page.font));
        QCOMPARE(page.font->toolTip(), QString("Title font"));
        QVERIFY(project.Modified);
        QCOMPARE(edited.size(), 2); // "Arial,1" and "Arial,12"
        QCOMPARE(page.previewFace, QString("Arial"));

        // Fields whose edits keep Modified still store their value.
        project.Modified = false;
        page.position->setCurrentIndex(0);
        QCOMPARE(project.DialogPosX, 0);
        page.size->setValue(42);
        QCOMPARE(project.TargetExtraDiskSpace, 42);
        QVERIFY(!project.Modified);
        page.show->click();
        QVERIFY(!project.MainShow);
        QVERIFY(project.Modified);
        QCOMPARE(edited.size(), 3);
    }
};

QTEST_MAIN(TestFieldBinder)
#include "test_fieldbinder.moc"
