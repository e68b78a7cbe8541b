// The main window as it grows: the pages' lists take the room while the step list and the bottom
// bar keep their places, the designed size is the smallest, size and maximised state come back
// with a new window, and the tables' column widths are the author's and are kept.
#include "UiTestSupport.h"

#include "core/MsgDlg.h"
#include "core/Project.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MainUnit.h"
#include "ui/main/WizardPage.h"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace tv;

namespace {

// Rows of a table that can be seen, the last one also when it is cut.
int VisibleRows(const QTableView* view) {
    const int top = view->rowAt(0);
    if (top < 0)
        return 0;
    int bottom = view->rowAt(view->viewport()->height() - 1);
    if (bottom < 0)
        bottom = view->model()->rowCount() - 1;
    return bottom - top + 1;
}

// A widget's place in its window.
QRect InWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Drags the right edge of a header's column by dx, as a person does with the mouse.
void DragColumnEdge(QHeaderView* header, int column, int dx) {
    const int edge = header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(edge, y));
    QTest::mouseMove(header->viewport(), QPoint(edge + dx / 2, y));
    QTest::mouseMove(header->viewport(), QPoint(edge + dx, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(edge + dx, y));
}

} // namespace

class TestMainWindowLayout final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TMain> m_Main;

    // A new window, shown and started up (an empty project).
    TMain& Open() {
        m_Main.reset();
        tvtest::resetSeams();
        m_Main = std::make_unique<TMain>();
        m_Main->show();
        QCoreApplication::processEvents(); // the queued start-up
        return *m_Main;
    }
    // The same window with every list filled to its limit.
    TMain& OpenFull() {
        TMain& w = Open();
        tvtest::fillFullSizeProject(w.Project());
        for (TWizardPage* page : w.Pages())
            page->LoadFromProject();
        return w;
    }
    template <class T = QWidget> T* Child(const char* name) const {
        return tvtest::In<T>(m_Main.get(), name);
    }
    // Clicks a step of the step list.
    void GoTo(int step) {
        auto* wiz = Child<TwzWizardTree>("wiz");
        QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(step).center());
        QCOMPARE(Child<QStackedWidget>("wizPages")->currentIndex(), step);
    }
    // Closes the window as the author does, letting unsaved work go when asked.
    void CloseWindow() {
        TwzDialog::ScriptAnswers({mrYes});
        QVERIFY(m_Main->close());
        m_Main.reset();
    }

private slots:
    void initTestCase() {
        QCoreApplication::setOrganizationName("TamveloxTests");
        QCoreApplication::setApplicationName("mainwindow_layout");
    }
    void init() { QSettings().clear(); }
    void cleanup() {
        m_Main.reset();
        tvtest::resetSeams(false);
    }

    void listsTakeTheRoomAndTheFrameKeepsItsPlaces() {
        TMain& w = OpenFull();
        QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(w.size(), QSize(TMain::kWidth, TMain::kHeight));
        GoTo(3);
        auto* files = Child<QTableView>("lvFiles");
        const int smallRows = VisibleRows(files);
        QVERIFY2(smallRows >= 4 && smallRows <= 7, qPrintable(QString::number(smallRows)));
        QCOMPARE(InWindow(Child("wiz")), QRect(0, 0, 149, 327));
        QCOMPARE(InWindow(Child("btWizNext")), QRect(481, 331, 70, 25));
        QCOMPARE(InWindow(Child("btAbout")), QRect(4, 332, 23, 23));

        // The smallest size is the designed one.
        w.resize(300, 200);
        QCOMPARE(w.size(), QSize(TMain::kWidth, TMain::kHeight));

        w.resize(1280, 800);
        QCoreApplication::processEvents();
        QVERIFY2(VisibleRows(files) >= 30, qPrintable(QString::number(VisibleRows(files))));
        // The step list keeps its width at the left and runs down to the bottom bar; the wizard
        // buttons keep their place at the bar's right end, the document buttons at its left.
        QCOMPARE(InWindow(Child("wiz")), QRect(0, 0, 149, 768));
        QCOMPARE(InWindow(Child("btWizNext")), QRect(1280 - 81, 772, 70, 25));
        QCOMPARE(InWindow(Child("btWizPrev")), QRect(1280 - 154, 772, 70, 25));
        QCOMPARE(InWindow(Child("btWizFinish")), QRect(1280 - 234, 772, 70, 25));
        QCOMPARE(InWindow(Child("btAbout")), QRect(4, 773, 23, 23));
        QCOMPARE(InWindow(Child("pnBottom")).bottom(), 799);
        QVERIFY(tvtest::saveShot(&w, "main_files_1280x800"));

        // The lists of the other pages grow too; the shortcuts only wider while the files have the
        // height.
        const struct {
            int step;
            const char* name;
            int minHeight;
        } lists[] = {{1, "lvStaticBMP", 150}, {3, "lvShortcuts", 0},   {4, "mmRegAddKey", 150},
                     {4, "mmRegDelKey", 150}, {5, "lvRunBefore", 150}, {6, "lvRunAfterUn", 150}};
        for (const auto& list : lists) {
            GoTo(list.step);
            QWidget* view = Child(list.name);
            QVERIFY2(view && view->height() > list.minHeight, list.name);
            QVERIFY2(view->width() > 900, list.name);
        }
        // Back at the smallest size the files table shows what it did.
        GoTo(3);
        w.resize(TMain::kWidth, TMain::kHeight);
        QCoreApplication::processEvents();
        QCOMPARE(VisibleRows(files), smallRows);
        QCOMPARE(InWindow(Child("btWizNext")), QRect(481, 331, 70, 25));
    }

    void sizeAndMaximisedStateComeBack() {
        TMain& w = Open();
        w.resize(700, 480);
        w.move(40, 30);
        CloseWindow();

        TMain& again = Open();
        QCOMPARE(again.size(), QSize(700, 480));
        QCOMPARE(again.pos(), QPoint(40, 30));
        QVERIFY(!again.isMaximized());
        again.showMaximized();
        QCoreApplication::processEvents();
        QVERIFY(again.isMaximized());
        CloseWindow();

        TMain& maximised = Open();
        QVERIFY(maximised.isMaximized());
        // Restored, it has the size it had before it was maximised.
        maximised.showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(maximised.size(), QSize(700, 480));
        CloseWindow();
        QVERIFY(!Open().isMaximized());
    }

    void columnWidthsAreDraggedFittedAndKept() {
        OpenFull();
        // Every column of every table can be dragged, but for one that fills what its table
        // leaves.
        for (QTableView* view : m_Main->findChildren<QTableView*>()) {
            QHeaderView* header = view->horizontalHeader();
            for (int c = 0; c < header->count(); ++c)
                QVERIFY2(header->sectionResizeMode(c) == QHeaderView::Interactive ||
                             header->sectionResizeMode(c) == QHeaderView::Stretch,
                         qPrintable(view->objectName()));
        }
        GoTo(3);
        auto* files = Child<QTableView>("lvFiles");
        QHeaderView* header = files->horizontalHeader();
        const int name = header->sectionSize(0);
        DragColumnEdge(header, 0, 60);
        QCOMPARE(header->sectionSize(0), name + 60);
        // A double click on the edge of the flags column fits it to its texts.
        header->resizeSection(2, 40);
        const int edge = header->sectionViewportPosition(2) + header->sectionSize(2) - 1;
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(edge, header->height() / 2));
        const int fitted = header->sectionSize(2);
        QVERIFY(fitted > 40);
        QCOMPARE(fitted, std::max(static_cast<QAbstractItemView*>(files)->sizeHintForColumn(2),
                                  header->sectionSizeHint(2)));
        GoTo(5);
        Child<QTableView>("lvRunAfter")->horizontalHeader()->resizeSection(3, 123);
        CloseWindow();

        Open();
        QCOMPARE(Child<QTableView>("lvFiles")->horizontalHeader()->sectionSize(0), name + 60);
        QCOMPARE(Child<QTableView>("lvFiles")->horizontalHeader()->sectionSize(2), fitted);
        QCOMPARE(Child<QTableView>("lvRunAfter")->horizontalHeader()->sectionSize(3), 123);
        // Another table of the same page keeps its own widths.
        QCOMPARE(Child<QTableView>("lvRunBefore")->horizontalHeader()->sectionSize(3), 100);
    }

    void aLongSourcePathIsShownWholeInItsTooltip() {
        TMain& w = OpenFull();
        const std::string path = "/home/author/a/very/long/folder/name/that/goes/on/and/on/for/ever/"
                                 "and/a/little/longer/still/module.dll";
        w.Project().tbFiles.Records[0].FileName = path;
        GoTo(3);
        auto* files = Child<QTableView>("lvFiles");
        w.Pages()[3]->LoadFromProject();
        // Too long for its column: the middle is left out, the end (the file's name) is shown.
        QCOMPARE(files->textElideMode(), Qt::ElideMiddle);
        QVERIFY(files->fontMetrics().horizontalAdvance(QString::fromStdString(path)) > files->columnWidth(0));
        const QModelIndex first = files->model()->index(0, 0);
        QVERIFY(first.data(Qt::ToolTipRole).toString().startsWith(QString::fromStdString(path)));
        QCOMPARE(files->model()->index(0, 1).data(Qt::ToolTipRole).toString(),
                 QString("%InstallPath%\\Modules"));
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestMainWindowLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow_layout.moc"
