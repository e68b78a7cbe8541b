// Every wizard page, through the window: the page list matches the steps, showing the full-size
// project changes nothing (neither the Project nor Modified), and New brings every tab control back
// to its first tab.
#include "UiTestSupport.h"

#include "core/Project.h"
#include "core/ProjectFile.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MainUnit.h"
#include "ui/main/WizardPage.h"
#include "ui/pages/BuildPage.h"
#include "ui/pages/StartPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace tv;

class TestWizardPages final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_Dir;

private slots:
    void init() { tvtest::resetSeams(); }
    void cleanup() { tvtest::resetSeams(false); }

    void thePageListIsTheStepList() {
        TMain w;
        auto* pages = w.findChild<QStackedWidget*>("wizPages");
        const QStringList steps = w.findChild<TwzWizardTree*>("wiz")->Items();
        QCOMPARE(int(w.Pages().size()), steps.size());
        QCOMPARE(pages->count(), steps.size());
        for (int i = 0; i < pages->count(); ++i) {
            QCOMPARE(pages->widget(i), static_cast<QWidget*>(w.Pages()[std::size_t(i)]));
            QVERIFY(!w.Pages()[std::size_t(i)]->Heading()->text().isEmpty());
            QCOMPARE(w.Pages()[std::size_t(i)]->accessibleName(),
                     w.Pages()[std::size_t(i)]->Heading()->text());
        }
        // Pages are found by their type.
        QCOMPARE(static_cast<QWidget*>(w.Page<TStartPage>()), pages->widget(0));
        QCOMPARE(static_cast<QWidget*>(w.Page<TBuildPage>()), pages->widget(pages->count() - 1));
        QCOMPARE(w.BuildPage(), w.Page<TBuildPage>());
    }

    void showingTheFullSizeProjectChangesNothing() {
        TProject full;
        tvtest::fillFullSizeProject(full);
        const std::string file = m_Dir.filePath("full.tvx").toStdString();
        SaveProject(full, file);

        TMain w;
        w.show();
        QCoreApplication::processEvents(); // the start-up: New
        std::vector<std::unique_ptr<QSignalSpy>> edited;
        for (TWizardPage* page : w.Pages())
            edited.push_back(std::make_unique<QSignalSpy>(page, &TWizardPage::projectEdited));

        // Load as the author does; the window then shows the project on every page.
        TNameSeam::ScriptNames({QString::fromStdString(file)});
        TwzDialog::ScriptAnswers({mrYes}); // the new project started up is modified
        QTest::mouseClick(w.findChild<QWidget*>("btLoad"), Qt::LeftButton);
        QCOMPARE(TNameSeam::ScriptedNamesLeft(), 0);
        QVERIFY(!w.Project().Modified);
        QCOMPARE(w.Project().tbFiles.Count(), kMaxTableRows);

        // Showing it again on each page writes nothing into it.
        const std::string loaded = ProjectFileText(w.Project());
        for (TWizardPage* page : w.Pages()) {
            page->LoadFromProject();
            QVERIFY2(!w.Project().Modified, qPrintable(page->objectName()));
            QVERIFY2(ProjectFileText(w.Project()) == loaded, qPrintable(page->objectName()));
        }
        for (std::size_t i = 0; i < edited.size(); ++i)
            QVERIFY2(edited[i]->isEmpty(), qPrintable(w.Pages()[i]->objectName()));
    }

    void newShowsTheFirstTabOfEveryTabControl() {
        TMain w;
        w.show();
        QCoreApplication::processEvents();
        int tabControls = 0;
        for (TWizardPage* page : w.Pages())
            for (QTabWidget* tabs : page->findChildren<QTabWidget*>()) {
                tabs->setCurrentIndex(tabs->count() - 1);
                ++tabControls;
            }
        QVERIFY(tabControls > 0);
        w.findChild<QAbstractButton*>("btWizFinish")->click();
        TwzDialog::ScriptAnswers({mrYes});
        w.findChild<QAbstractButton*>("btNew")->click();
        QCOMPARE(w.findChild<QStackedWidget*>("wizPages")->currentIndex(), 0);
        for (TWizardPage* page : w.Pages())
            for (QTabWidget* tabs : page->findChildren<QTabWidget*>())
                QVERIFY2(tabs->currentIndex() == 0,
                         qPrintable(page->objectName() + "/" + tabs->objectName()));
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestWizardPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_wizardpages.moc"
