// The recent projects of the Load button: the stored list (eight, newest first, kept between runs),
// its menu (missing projects greyed with their path as tooltip), and choosing an entry, which
// behaves as Load does: the unsaved-work question, and a file that is no project refused.
#include "UiTestSupport.h"

#include "core/ProjectFile.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/main/RecentProjects.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace tv;

namespace {

QString Title(const QString& name) {
    return QString("Tamrin Installer Velox - ") + name;
}

// The menu as the user sees it when it opens.
QList<QAction*> OpenedMenu(QMenu* menu) {
    emit menu->aboutToShow();
    return menu->actions();
}

// The entry for path in a menu just opened (opening it again makes new entries).
QAction* Entry(const QList<QAction*>& actions, const QString& path) {
    for (QAction* a : actions)
        if (a->data().toString() == path)
            return a;
    return nullptr;
}
QAction* Entry(QMenu* menu, const QString& path) {
    return Entry(OpenedMenu(menu), path);
}

// Runs action on the pop-up menu the next input opens, once its event loop runs; fails the test
// when none opens within tries wake-ups of the event loop.
void OnNextPopup(std::function<void(QMenu*)> action, int tries = tvtest::kModalTries) {
    QMetaObject::invokeMethod(
        qApp,
        [action, tries] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu) {
                action(menu);
                return;
            }
            if (tries <= 0) {
                QVERIFY2(false, "no menu opened");
                return;
            }
            QObject::connect(
                QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, qApp,
                [action, tries] { OnNextPopup(action, tries - 1); }, Qt::SingleShotConnection);
        },
        Qt::QueuedConnection);
}

} // namespace

class TestRecentProjects final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    std::unique_ptr<TMain> m_Main;

    QString Path(const QString& name) const { return m_Dir.filePath(name); }
    QString WriteProject(const QString& name) {
        TProject p;
        SaveProject(p, Path(name).toStdString());
        return Path(name);
    }
    TMain& Open(const QStringList& arguments = {}) {
        m_Main.reset();
        tvtest::resetSeams(true);
        m_Main = std::make_unique<TMain>(arguments);
        m_Main->show();
        QCoreApplication::processEvents(); // the queued start-up
        return *m_Main;
    }
    template <class T = QWidget> T* Child(const char* name) const { return m_Main->findChild<T*>(name); }
    QMenu* LoadMenu() const { return Child<QToolButton>("btLoad")->menu(); }

private slots:
    void initTestCase() {
        QVERIFY(m_Dir.isValid());
        QCoreApplication::setOrganizationName("TamveloxTests");
        QCoreApplication::setApplicationName("recentprojects");
    }
    void init() { QSettings().clear(); }
    void cleanup() {
        m_Main.reset();
        tvtest::resetSeams(false);
    }

    void listKeepsTheEightNewestAcrossRuns() {
        TRecentProjects recent;
        QVERIFY(recent.Files().isEmpty());
        for (int i = 0; i < 10; ++i)
            recent.Add(Path(QString("p%1.tvx").arg(i)));
        recent.Add(Path("p5.tvx")); // again: moves to the top, not listed twice
        recent.Add(QString());      // nothing to note
        const QStringList expected = {Path("p5.tvx"), Path("p9.tvx"), Path("p8.tvx"), Path("p7.tvx"),
                                      Path("p6.tvx"), Path("p4.tvx"), Path("p3.tvx"), Path("p2.tvx")};
        QCOMPARE(recent.Files(), expected);
        // Names that differ in letter case are two files here.
        recent.Add(Path("P5.tvx"));
        QCOMPARE(recent.Files().mid(0, 2), QStringList({Path("P5.tvx"), Path("p5.tvx")}));

        TRecentProjects nextRun; // reads what the first one stored
        QCOMPARE(nextRun.Files(), recent.Files());
        nextRun.Clear();
        QVERIFY(recent.Files().isEmpty());
    }

    void menuGreysMissingProjectsAndNamesThemInTheTooltip() {
        TRecentProjects recent;
        const QList<QAction*> empty = OpenedMenu(recent.Menu());
        QCOMPARE(empty.size(), 1);
        QVERIFY(!empty[0]->isEnabled());

        const QString there = WriteProject("R&D.tvx");
        const QString gone = Path("gone/old.tvx");
        recent.Add(gone);
        recent.Add(there);
        QVERIFY(recent.Menu()->toolTipsVisible());
        const QList<QAction*> opened = OpenedMenu(recent.Menu());
        QAction* a = Entry(opened, there);
        QAction* b = Entry(opened, gone);
        QVERIFY(a && b);
        QVERIFY(a->isEnabled());
        QVERIFY(a->text().startsWith("&1 "));
        QVERIFY(a->text().contains("R&&D.tvx")); // a literal ampersand, not a mnemonic
        QVERIFY(!b->isEnabled());
        QCOMPARE(b->toolTip(), gone);

        // The entry greys when its file goes, and comes back with it.
        QVERIFY(QFile::remove(there));
        QVERIFY(!Entry(recent.Menu(), there)->isEnabled());
        WriteProject("R&D.tvx");
        QVERIFY(Entry(recent.Menu(), there)->isEnabled());

        QAction* clear = recent.Menu()->findChild<QAction*>("actClearRecent");
        QVERIFY(clear);
        clear->trigger();
        QVERIFY(recent.Files().isEmpty());
    }

    void loadsAndSavesOfTheWindowFillTheLoadButtonsMenu() {
        const QString started = WriteProject("started.tvx");
        const QString loaded = WriteProject("loaded.tvx");
        TMain& w = Open({started});
        QCOMPARE(Child<QToolButton>("btLoad")->popupMode(), QToolButton::MenuButtonPopup);
        QVERIFY(LoadMenu());
        QCOMPARE(TRecentProjects().Files(), QStringList{started}); // the start-up argument

        TNameSeam::ScriptNames({loaded});
        Child<QToolButton>("btLoad")->click();
        QCOMPARE(w.windowTitle(), Title(loaded));

        Child<QLineEdit>("edMiscDeployment")->setText(Path("deploy"));
        const QString saved = Path("saved.tvx");
        TNameSeam::ScriptNames({saved});
        Child<QToolButton>("btSave")->click();
        QCOMPARE(w.windowTitle(), Title(saved));
        QCOMPARE(TRecentProjects().Files(), QStringList({saved, loaded, started}));
        QVERIFY(tvtest::saveShot(&w, "main_recentprojects"));
        QMenu* menu = LoadMenu();
        emit menu->aboutToShow();
        menu->adjustSize();
        QVERIFY(tvtest::saveShot(menu, "menu_recentprojects"));

        // A load that was cancelled, or refused, notes nothing.
        TNameSeam::ScriptNames({QString()});
        Child<QToolButton>("btLoad")->click();
        QCOMPARE(TRecentProjects().Files().size(), 3);
    }

    // The list is one click or one key away: the button's arrow and Alt+Down open it; a click on the
    // glyph still asks for a file.
    void loadButtonsArrowAndAltDownOpenTheList() {
        const QString project = WriteProject("arrow.tvx");
        TRecentProjects().Add(project);
        Open();
        auto* load = Child<QToolButton>("btLoad");
        auto* save = Child<QToolButton>("btSave");
        QVERIFY(load->width() > save->width()); // room for the arrow
        QVERIFY(load->geometry().right() < save->x());
        QVERIFY(save->geometry().right() < Child<QToolButton>("btExit")->x());

        QString shown;
        auto takeMenu = [&shown](QMenu* menu) {
            shown = menu->actions().isEmpty() ? QString() : menu->actions()[0]->data().toString();
            menu->close();
        };
        load->setFocus();
        OnNextPopup(takeMenu);
        QTest::keyClick(load, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(shown, project);
        QVERIFY(TNameSeam::Asked().empty());

        shown.clear();
        OnNextPopup(takeMenu);
        QTest::mouseClick(load, Qt::LeftButton, {}, QPoint(load->width() - 3, load->height() / 2));
        QCOMPARE(shown, project);
        QVERIFY(TNameSeam::Asked().empty());

        // Down alone, and a click on the glyph, do not open the list; the click asks for a file.
        QTest::keyClick(load, Qt::Key_Down);
        QVERIFY(!QApplication::activePopupWidget());
        TNameSeam::ScriptNames({QString()});
        QTest::mouseClick(load, Qt::LeftButton, {}, QPoint(6, load->height() / 2));
        QCOMPARE(TNameSeam::Asked().size(), size_t(1));
        QCOMPARE(TNameSeam::Asked()[0].dialog, QString("OpenDialog1"));
    }

    void choosingAnEntryLoadsAsLoadDoes() {
        const QString first = WriteProject("first.tvx");
        const QString second = WriteProject("second.tvx");
        {
            TRecentProjects recent;
            recent.Add(first);
            recent.Add(second);
        }
        TMain& w = Open();

        // Unsaved work: the question comes first, and No keeps everything as it was.
        Child<QLineEdit>("edAppName")->setText("Typed");
        TwzDialog::ScriptAnswers({mrNo});
        Entry(LoadMenu(), first)->trigger();
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{"Script is not saved yet,/#Continue ?"});
        QCOMPARE(w.windowTitle(), Title("*UNTITLED"));
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString("Typed"));

        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrYes});
        Entry(LoadMenu(), first)->trigger();
        QCOMPARE(w.windowTitle(), Title(first));
        QVERIFY(!w.Project().Modified);
        QCOMPARE(Child<QLineEdit>("edAppName")->text(), QString());
        QCOMPARE(TRecentProjects().Files(), QStringList({first, second}));

        // A file that is no project is refused with the error Load shows, and keeps its place.
        QFile f(second);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Something]\r\nKey=1\r\n");
        f.close();
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
        TwzDialog::ScriptAnswers({mrOk});
        Entry(LoadMenu(), second)->trigger();
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(1));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);
        QVERIFY(w.windowTitle() != Title(second));
        QCOMPARE(TRecentProjects().Files(), QStringList({first, second}));
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestRecentProjects test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recentprojects.moc"
