#pragma once
// Shared pieces of the widget tests: an isolated environment and screenshots on demand.
#include <QApplication>
#include <QString>
#include <QTest>

#include <functional>

class QWidget;

namespace tv {
struct TProject;
}

namespace tvtest {

// Runs action on the modal window the next command opens, once its event loop shows it. Fails the
// test when the window that opens is not a W.
template <class W = QWidget> void OnNextModal(std::function<void(W*)> action) {
    QMetaObject::invokeMethod(
        qApp,
        [action] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                OnNextModal<W>(action);
                return;
            }
            auto* w = qobject_cast<W*>(modal);
            QVERIFY2(w, "the expected modal window did not open");
            action(w);
        },
        Qt::QueuedConnection);
}

// Both test seams back to nothing scripted; with refuse on, a question nobody scripted is
// answered at once (Cancel, or the closing answer of a message) instead of waiting for a window.
void resetSeams(bool refuseUnscripted = true);

// A project with every setting off its default and every table and list filled to its limit.
void fillFullSizeProject(tv::TProject& project);

// Points HOME, XDG_DATA_HOME and XDG_CONFIG_HOME at a fresh temporary folder and turns on
// QStandardPaths' test mode, so that no test touches the user's settings. Call first in main
// or initTestCase. Returns the temporary folder.
QString isolateEnvironment();

// Renders the widget into $TAMVELOX_SCREENSHOT_DIR/<name>.png when that variable is set
// (`make screenshots`); does nothing otherwise. Returns false only when writing failed.
bool saveShot(QWidget* widget, const QString& name);

} // namespace tvtest
