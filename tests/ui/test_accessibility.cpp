// What a keyboard user and a screen reader need, on every page: every control that takes the focus
// has a name and a role, Tab reaches every control of a page and never stays inside a table, and the
// step list is a list the keyboard can walk.
#include "UiTestSupport.h"

#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogFormUnit.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MainUnit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <QSet>

using namespace tv;

namespace {

QString Describe(QWidget* w) {
    return QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
}

// The controls of root a person can reach with Tab: shown, enabled, taking the focus by Tab, and not
// standing in for another (the inner edit of a spin box or combo box is the box itself).
QList<QWidget*> TabControls(QWidget* root) {
    QList<QWidget*> out;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root->window()) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        // A tab control is reached through its tab bar.
        if (w->focusProxy() || qobject_cast<QTabWidget*>(w))
            continue;
        QWidget* parent = w->parentWidget();
        if (parent && parent->focusProxy() == w && !qobject_cast<QTabWidget*>(parent))
            w = parent;
        if (!out.contains(w))
            out << w;
    }
    return out;
}

// Controls a person works with that Tab cannot reach at all.
QStringList Untabbable(QWidget* root) {
    QStringList out;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        // A table's header belongs to the table, which Tab reaches.
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QComboBox*>(w) ||
                             (qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QHeaderView*>(w)) ||
                             qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<TwzWizardTree*>(w);
        if (control && w->isVisibleTo(root->window()) && w->isEnabled() &&
            !(w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
            !(w->parentWidget() && w->parentWidget()->focusProxy() == w))
            out << Describe(w) + ": Tab cannot reach it";
    }
    return out;
}

// The names and roles a screen reader gets; a list of what is missing.
QStringList Unnamed(const QList<QWidget*>& controls) {
    QStringList missing;
    for (QWidget* w : controls) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (!iface) {
            missing << Describe(w) + ": no accessible interface";
            continue;
        }
        const QAccessible::Role role = iface->role();
        if (role == QAccessible::NoRole || role == QAccessible::Client)
            missing << Describe(w) + ": no role";
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            missing << Describe(w) + ": no name";
    }
    return missing;
}

// Presses Tab from start until the focus comes back to it; the controls it passed, in order. Stops
// after limit presses (a trap never comes back).
QList<QWidget*> TabWalk(QWidget* start, int limit) {
    QList<QWidget*> visited;
    QWidget* window = start->window();
    start->setFocus(Qt::TabFocusReason);
    QWidget* at = window->focusWidget();
    for (int i = 0; i < limit && at; ++i) {
        visited << at;
        QTest::keyClick(at, Qt::Key_Tab);
        at = window->focusWidget();
        if (at == visited.first())
            return visited;
    }
    visited << nullptr; // did not come back
    return visited;
}

} // namespace

class TestAccessibility final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        tvtest::resetSeams();
        QAccessible::setActive(true);
    }

    void everyPageNamesItsControlsAndTabReachesThemAll() {
        TMain w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* pages = w.findChild<QStackedWidget*>("wizPages");
        auto* wiz = w.findChild<TwzWizardTree*>("wiz");
        QStringList problems;
        for (int i = 0; i < TMain::kPageCount; ++i) {
            wiz->setItemIndex(i);
            pages->setCurrentIndex(i);
            QCoreApplication::processEvents();
            const QList<QWidget*> controls = TabControls(&w);
            problems << Unnamed(controls) << Untabbable(&w);
            for (QAbstractItemView* view : pages->currentWidget()->findChildren<QAbstractItemView*>())
                if (view->tabKeyNavigation())
                    problems << Describe(view) + ": Tab moves between its cells";
            const QList<QWidget*> walk = TabWalk(controls.first(), controls.size() * 3 + 10);
            if (walk.last() == nullptr)
                problems
                    << QString("page %1: Tab never comes back to %2").arg(i).arg(Describe(controls.first()));
            for (QWidget* c : controls)
                if (!walk.contains(c))
                    problems << QString("page %1: Tab does not reach %2").arg(i).arg(Describe(c));
        }
        problems.removeDuplicates();
        for (const QString& p : problems)
            qWarning("%s", qPrintable(p));
        QCOMPARE(problems.size(), 0);
    }

    // Every dialog a page opens: its controls named, with a role, and Tab reaching each of them.
    void dialogsNameTheirControlsAndTabReachesThemAll() {
        // The demo, so that the shortcut dialog has files to offer (it is only read).
        TMain w({QString(TAMVELOX_SOURCE_DIR) + "/examples/demo/demo.tvx"});
        w.show();
        auto* pages = w.findChild<QStackedWidget*>("wizPages");
        struct TOpener {
            int page;
            const char* button;
        };
        const TOpener openers[] = {
            {0, "btAppReadmeColor"}, {1, "edMainTitleFontBtn"}, {3, "btFileAdd"},      {3, "btShortcutAdd"},
            {4, "jdFlatButton4"},    {4, "jdFlatButton1"},      {5, "btRunBeforeAdd"}, {-1, "btAbout"}};
        QStringList problems;
        for (const TOpener& o : openers) {
            if (o.page >= 0)
                pages->setCurrentIndex(o.page);
            auto* button = w.findChild<QAbstractButton*>(o.button);
            QVERIFY2(button, o.button);
            bool seen = false;
            tvtest::OnNextModal<QDialog>([&](QDialog* dialog) {
                seen = true;
                const QList<QWidget*> controls = TabControls(dialog);
                for (const QString& p : Unnamed(controls) + Untabbable(dialog))
                    problems << QString(o.button) + " → " + p;
                const QList<QWidget*> walk = TabWalk(controls.first(), controls.size() * 3 + 10);
                for (QWidget* c : controls)
                    if (!walk.contains(c))
                        problems << QString("%1 → Tab does not reach %2").arg(o.button, Describe(c));
                dialog->reject();
            });
            button->click();
            QVERIFY2(seen, o.button);
        }
        problems.removeDuplicates();
        for (const QString& p : problems)
            qWarning("%s", qPrintable(p));
        QCOMPARE(problems.size(), 0);
    }

    // The step list: reached by Tab, a list of the eight steps to a screen reader, walked with the
    // arrow keys and Enter; a message is an alert.
    void stepListIsAListTheKeyboardWalks() {
        TMain w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* wiz = w.findChild<TwzWizardTree*>("wiz");
        auto* pages = w.findChild<QStackedWidget*>("wizPages");
        QVERIFY(wiz->focusPolicy() & Qt::TabFocus);

        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(wiz);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), TMain::kPageCount);
        QCOMPARE(list->child(3)->role(), QAccessible::ListItem);
        QCOMPARE(list->child(3)->text(QAccessible::Name), wiz->Items().at(3));
        QVERIFY(list->child(0)->state().selected);
        QVERIFY(!list->child(3)->state().selected);
        QCOMPARE(list->indexOfChild(list->child(5)), 5);

        wiz->setFocus(Qt::TabFocusReason);
        QTest::keyClick(wiz, Qt::Key_Down);
        QTest::keyClick(wiz, Qt::Key_Down);
        QCOMPARE(pages->currentIndex(), 0); // the arrows only move the cursor
        QVERIFY(list->child(2)->state().focused);
        QCOMPARE(list->focusChild(), list->child(2));
        QTest::keyClick(wiz, Qt::Key_Return);
        QCOMPARE(pages->currentIndex(), 2);
        QVERIFY(list->child(2)->state().selected);
        QVERIFY(list->child(0)->state().traversed);
        QVERIFY(!list->child(5)->state().traversed);
        QTest::keyClick(wiz, Qt::Key_End);
        QTest::keyClick(wiz, Qt::Key_Space);
        QCOMPARE(pages->currentIndex(), TMain::kPageCount - 1);

        TwzDialog dialog;
        auto message = dialog.CreateMessageForm("Something to read", TMsgDlgType::mtInformation, 0, mbOK);
        QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(message.get());
        QCOMPARE(alert->role(), QAccessible::AlertMessage);
        QCOMPARE(alert->text(QAccessible::Description), QString("Something to read"));
    }

    // A dark desktop theme: the Build page's lines take its light text, and a flat button keeps
    // dark text on its own light face instead of the theme's light text.
    void darkThemeTextStaysReadable() {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(34, 32, 32));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        TMain w;
        w.setPalette(dark);
        auto* line = w.findChild<TDCLabel*>("lbB1");
        QVERIFY(line);
        QCOMPARE(line->FontColor(), QColor(230, 230, 230));

        TjdFlatButton ok("OK");
        ok.setPalette(dark);
        ok.resize(75, 23);
        const QImage shot = ok.grab().toImage();
        int darkPixels = 0;
        for (int y = 4; y < shot.height() - 4; ++y)
            for (int x = 4; x < shot.width() - 4; ++x)
                darkPixels += QColor(shot.pixel(x, y)).lightness() < 100;
        QVERIFY(darkPixels > 0);
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestAccessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_accessibility.moc"
