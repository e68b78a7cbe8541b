// The manual on F1: every section and every link and picture in it is there, F1 opens the section of
// the page or dialog in front, and the manual can be used from inside a modal dialog.
#include "UiTestSupport.h"

#include "ui/lib/HelpWindow.h"
#include "ui/main/MainUnit.h"
#include "ui/pages/FileAddUnit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>

using namespace tv;

class TestHelpWindow final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { tvtest::resetSeams(); }

    void everySectionLinkAndPictureIsThere() {
        QStringList missing;
        QStringList files;
        for (QDirIterator it(":/manual", {"*.md"}); it.hasNext();)
            files << it.next().section('/', -1);
        for (const QString& topic : THelpWindow::Topics()) {
            if (!files.contains(topic))
                missing << "section " + topic;
            // The manual reads German where the window does.
            if (!files.contains(topic.chopped(3) + ".de.md"))
                missing << "German section " + topic;
        }
        const QRegularExpression link(R"(\]\(([^)#:]+)(#[^)]*)?\))");
        for (const QString& name : files) {
            QFile file(":/manual/" + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            QVERIFY2(text.startsWith("# "), qPrintable(name));
            for (auto m = link.globalMatch(text); m.hasNext();) {
                const QString target = m.next().captured(1);
                if (!QFile::exists(":/manual/" + target))
                    missing << name + " → " + target;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    void f1OpensTheSectionOfThePageOrDialogInFront() {
        TMain w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* pages = w.findChild<QStackedWidget*>("wizPages");
        pages->setCurrentIndex(3);
        auto* files = w.findChild<QTableView*>("lvFiles");
        files->setFocus();
        QTest::keyClick(files, Qt::Key_F1);
        THelpWindow* help = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<THelpWindow*>(top); h && h->isVisible())
                help = h;
        QVERIFY(help);
        QCOMPARE(help->Topic(), QString("files.md"));
        auto* browser = help->findChild<QTextBrowser*>("tbManual");
        QVERIFY(browser->toPlainText().startsWith("Files & Shortcuts"));
        QVERIFY(tvtest::saveShot(help, "help_window"));

        // From the step list, the page shown.
        pages->setCurrentIndex(7);
        QTest::keyClick(w.findChild<QWidget*>("wiz"), Qt::Key_F1);
        QCOMPARE(help->Topic(), QString("build.md"));
        // A link leads on; the contents list follows.
        browser->setSource(QUrl("concepts.md"));
        QCOMPARE(help->findChild<QListWidget*>("lbTopics")->currentItem()->data(Qt::UserRole).toString(),
                 QString("concepts.md"));

        // Inside the modal file add dialog: its section, in a window the dialog does not block.
        pages->setCurrentIndex(3);
        QString topic;
        bool usable = false;
        tvtest::OnNextModal<TFileAdd>([&](TFileAdd* dialog) {
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
            THelpWindow* inner = dialog->findChild<THelpWindow*>();
            if (inner) {
                topic = inner->Topic();
                // A window the modal dialog holds is not blocked by it.
                usable = inner->isVisible() && inner->isWindow() && inner->parentWidget() == dialog;
                inner->close();
            }
            static_cast<QDialog*>(dialog)->reject();
        });
        w.findChild<QAbstractButton*>("btFileAdd")->click();
        QCOMPARE(topic, QString("file-add.md"));
        QVERIFY(usable);
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestHelpWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_helpwindow.moc"
