// The wizard step list: defaults, moves at both ends, the veto, and clicks at computed places.
#include "UiTestSupport.h"
#include "ui/lib/wzWizardTree.h"

#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

using tv::TwzWizardTree;

namespace {

const QStringList kSteps{"Start",          "Main Window",     "Dialog Window",     "Files & Shortcuts",
                         "System Changes", "Run App Install", "Run App Uninstall", "Finish"};

// Records the events of a step list in the order they come.
struct TEventLog {
    QStringList entries;
    bool allow = true;
    int changingSeenIndex = -2; // ItemIndex as OnChanging saw it

    void attach(TwzWizardTree& tree) {
        QObject::connect(&tree, &TwzWizardTree::OnChanging, &tree,
                         [this, &tree](TwzWizardTree* sender, int newIndex, bool& allowChange) {
                             QCOMPARE(sender, &tree);
                             QVERIFY(allowChange); // offered as allowed
                             changingSeenIndex = tree.ItemIndex();
                             entries << QStringLiteral("changing %1").arg(newIndex);
                             allowChange = allow;
                         });
        QObject::connect(&tree, &TwzWizardTree::OnChange, &tree, [this, &tree](TwzWizardTree* sender) {
            QCOMPARE(sender, &tree);
            entries << QStringLiteral("change %1").arg(tree.ItemIndex());
        });
    }
};

// The main window's configuration of the step list.
void setUpMainWindowTree(TwzWizardTree& tree) {
    tree.setItems(kSteps);
    tree.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    tree.resize(149, 300);
}

} // namespace

class TestWizardTree : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tvtest::isolateEnvironment(); }

    void defaults() {
        TwzWizardTree tree;
        QCOMPARE(tree.Items(), QStringList({"Start", "First Page", "Second Page", "Finish"}));
        QCOMPARE(tree.ItemIndex(), 0);
        QCOMPARE(tree.LineColor(), QColor(Qt::white));
        QCOMPARE(tree.SelectedBoxColor(), QColor(0, 255, 0));
        QCOMPARE(tree.BoxColor(), QColor(128, 128, 128));
        QCOMPARE(tree.HorizontalSpace(), 4);
        QCOMPARE(tree.VerticalSpace(), 8);
        QCOMPARE(tree.BoxHeight(), 17);
        QCOMPARE(tree.BoxWidth(), 16);
        QCOMPARE(tree.LeftMargin(), 4);
        QCOMPARE(tree.TopMargin(), 4);
        QCOMPARE(tree.Color(), QColor(Qt::black));
        QCOMPARE(tree.FontColor(), QColor(Qt::white));
        QCOMPARE(tree.size(), QSize(133, 140));

        // Version is read-only: a write through the property system is refused.
        QCOMPARE(tree.Version(), QStringLiteral("1.0a"));
        QVERIFY(!tree.setProperty("Version", QStringLiteral("2.0")));
        QCOMPARE(tree.property("Version").toString(), QStringLiteral("1.0a"));
    }

    void itemIndexWritesAreCheckedAndSilent() {
        TwzWizardTree tree;
        tree.setItems(kSteps);
        TEventLog log;
        log.attach(tree);

        tree.setItemIndex(8); // one past the end
        QCOMPARE(tree.ItemIndex(), 0);
        tree.setItemIndex(-2);
        QCOMPARE(tree.ItemIndex(), 0);
        tree.setItemIndex(7);
        QCOMPARE(tree.ItemIndex(), 7);
        tree.setItemIndex(-1);
        QCOMPARE(tree.ItemIndex(), -1);
        QVERIFY(log.entries.isEmpty());

        // A shorter list pulls the current step back inside it.
        tree.setItemIndex(7);
        tree.setItems({"One", "Two", "Three"});
        QCOMPARE(tree.ItemIndex(), 2);
        tree.setItems({});
        QCOMPARE(tree.ItemIndex(), -1);
        QCOMPARE(tree.ItemRects().size(), 0);
        QVERIFY(log.entries.isEmpty());
    }

    void movesAtBothEnds() {
        TwzWizardTree tree;
        tree.setItems(kSteps);
        TEventLog log;
        log.attach(tree);

        // At the first step Previous stays, but still asks and reports.
        tree.SelectPrior();
        QCOMPARE(tree.ItemIndex(), 0);
        QCOMPARE(log.entries, QStringList({"changing 0", "change 0"}));

        log.entries.clear();
        tree.SelectNext();
        tree.SelectNext();
        QCOMPARE(tree.ItemIndex(), 2);
        QCOMPARE(log.entries, QStringList({"changing 1", "change 1", "changing 2", "change 2"}));
        // OnChanging comes before the step moves.
        QCOMPARE(log.changingSeenIndex, 1);

        log.entries.clear();
        tree.SelectPrior();
        QCOMPARE(tree.ItemIndex(), 1);
        tree.SelectLast();
        QCOMPARE(tree.ItemIndex(), 7);
        QCOMPARE(log.entries, QStringList({"changing 1", "change 1", "changing 7", "change 7"}));

        // At the last step Next stays and still raises both events; so does Finish.
        log.entries.clear();
        tree.SelectNext();
        tree.SelectLast();
        QCOMPARE(tree.ItemIndex(), 7);
        QCOMPARE(log.entries, QStringList({"changing 7", "change 7", "changing 7", "change 7"}));

        // With no step selected, Next goes to the first one and Previous stays.
        tree.setItemIndex(-1);
        log.entries.clear();
        tree.SelectPrior();
        QCOMPARE(tree.ItemIndex(), -1);
        tree.SelectNext();
        QCOMPARE(tree.ItemIndex(), 0);
        QCOMPARE(log.entries, QStringList({"changing -1", "change -1", "changing 0", "change 0"}));
    }

    void vetoLeavesStepAndDrawingAlone() {
        TwzWizardTree tree;
        setUpMainWindowTree(tree);
        tree.setItemIndex(3);
        TEventLog log;
        log.attach(tree);
        log.allow = false;

        const QImage before = tree.grab().toImage();
        const QPoint onStep5 = tree.ItemRect(5).center();
        QTest::mouseClick(&tree, Qt::LeftButton, {}, onStep5);
        tree.SelectNext();
        tree.SelectPrior();
        tree.SelectLast();
        QCOMPARE(tree.ItemIndex(), 3);
        QCOMPARE(log.entries, QStringList({"changing 5", "changing 4", "changing 2", "changing 7"}));
        QCOMPARE(tree.grab().toImage(), before);

        log.allow = true;
        QTest::mouseClick(&tree, Qt::LeftButton, {}, onStep5);
        QCOMPARE(tree.ItemIndex(), 5);
        QVERIFY(tree.grab().toImage() != before);
    }

    void geometryOfTheSteps() {
        TwzWizardTree tree;
        setUpMainWindowTree(tree);
        const QFontMetrics regular(tree.font());
        QFont boldFont = tree.font();
        boldFont.setBold(true);
        const QFontMetrics bold(boldFont);

        // Outer steps sit at LM + HS, middle ones one box and a gap further right; each row is
        // 2 * VS + BH below the last, starting at TM + VS.
        for (int i = 0; i < kSteps.size(); ++i) {
            const bool outer = i == 0 || i == kSteps.size() - 1;
            const int x = outer ? 8 : 28;
            const int y = 12 + 33 * i;
            QCOMPARE(tree.BoxRect(i), QRect(x, y, 16, 17));
            const int textLeft = outer ? x + 16 + 4 + 8 + 4 : x + 16 + 4;
            const QFontMetrics& fm = i == tree.ItemIndex() ? bold : regular;
            QCOMPARE(tree.ItemRect(i),
                     QRect(QPoint(x, y), QPoint(textLeft + fm.horizontalAdvance(kSteps[i]) - 1, y + 16)));
        }
        QVERIFY(!tree.ItemRect(8).isValid());
        QVERIFY(!tree.ItemRect(-1).isValid());

        // The painting agrees: the boxes show their colours where the rectangles say, and the
        // spine runs down from the first box to the last.
        const QImage img = tree.grab().toImage();
        QCOMPARE(QColor(img.pixel(tree.BoxRect(0).center())), QColor(0, 255, 0));
        QCOMPARE(QColor(img.pixel(tree.BoxRect(3).center())), QColor(128, 128, 128));
        QCOMPARE(QColor(img.pixel(tree.BoxRect(7).center())), QColor(128, 128, 128));
        QCOMPARE(QColor(img.pixel(16, 100)), QColor(Qt::white));
        QCOMPARE(QColor(img.pixel(2, 100)), QColor(Qt::black));
        // Captions are drawn in white (anti-aliased) inside their hit rectangles, right of the box.
        auto whiteIn = [&img](const QRect& r) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (QColor(img.pixel(x, y)).lightness() > 160)
                        return true;
            return false;
        };
        for (int i = 0; i < kSteps.size(); ++i) {
            const QRect r = tree.ItemRect(i);
            QVERIFY(
                whiteIn(QRect(QPoint(r.right() - regular.averageCharWidth() * 2, r.top()), r.bottomRight())));
        }

        // The current step's caption is measured in bold, so its rectangle follows the selection.
        const int plainWidth = tree.ItemRect(3).width();
        tree.setItemIndex(3);
        QCOMPARE(tree.ItemRect(3).width() - plainWidth,
                 bold.horizontalAdvance(kSteps[3]) - regular.horizontalAdvance(kSteps[3]));

        // Geometry follows the spacing properties.
        tree.setVerticalSpace(10);
        tree.setTopMargin(0);
        QCOMPARE(tree.BoxRect(2).topLeft(), QPoint(28, 10 + 2 * (20 + 17)));
    }

    void clicks() {
        TwzWizardTree tree;
        setUpMainWindowTree(tree);
        tree.setItemIndex(1);
        TEventLog log;
        log.attach(tree);

        // A click on step 4's caption moves there.
        QTest::mouseClick(&tree, Qt::LeftButton, {}, tree.ItemRect(4).center());
        QCOMPARE(tree.ItemIndex(), 4);
        QCOMPARE(log.entries, QStringList({"changing 4", "change 4"}));

        // On its box, too; and on the last pixel of an outer step's caption.
        log.entries.clear();
        QTest::mouseClick(&tree, Qt::LeftButton, {}, tree.BoxRect(6).center());
        QCOMPARE(tree.ItemIndex(), 6);
        QTest::mouseClick(&tree, Qt::LeftButton, {}, tree.ItemRect(7).bottomRight());
        QCOMPARE(tree.ItemIndex(), 7);
        QCOMPARE(log.entries, QStringList({"changing 6", "change 6", "changing 7", "change 7"}));

        // The current step, the space between steps, the margin and the right mouse button do
        // nothing.
        log.entries.clear();
        QTest::mouseClick(&tree, Qt::LeftButton, {}, tree.ItemRect(7).center());
        QTest::mouseClick(&tree, Qt::LeftButton, {},
                          QPoint(tree.ItemRect(2).center().x(), tree.ItemRect(2).bottom() + 4));
        QTest::mouseClick(&tree, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(&tree, Qt::LeftButton, {}, tree.ItemRect(2).bottomRight() + QPoint(1, 0));
        QTest::mouseClick(&tree, Qt::RightButton, {}, tree.ItemRect(2).center());
        QCOMPARE(tree.ItemIndex(), 7);
        QVERIFY(log.entries.isEmpty());
    }

    void fewSteps() {
        // Lists shorter than three steps still paint and answer clicks without stray connectors.
        for (const QStringList& items : {QStringList{"Only"}, QStringList{"First", "Last"}}) {
            TwzWizardTree tree;
            tree.setItems(items);
            tree.resize(133, 140);
            const QImage img = tree.grab().toImage();
            // Nothing white between the first box and the caption column (no step-0 connector).
            const QRect box = tree.BoxRect(0);
            QCOMPARE(QColor(img.pixel(box.right() + 6, box.center().y())), QColor(Qt::black));
            QCOMPARE(QColor(img.pixel(16, box.center().y())), QColor(0, 255, 0)); // under the spine's column
            QCOMPARE(tree.ItemAt(tree.ItemRect(items.size() - 1).center()), int(items.size()) - 1);
        }
    }

    void screenshots() {
        TwzWizardTree tree;
        setUpMainWindowTree(tree);
        tree.resize(149, 280);
        for (int index : {0, 3, 7}) {
            tree.setItemIndex(index);
            QVERIFY(tvtest::saveShot(&tree, QStringLiteral("wizardtree_step%1").arg(index)));
        }
    }
};

QTEST_MAIN(TestWizardTree)
#include "test_wizardtree.moc"
