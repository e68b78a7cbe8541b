#pragma once
// Shared pieces of the widget tests: an isolated environment and screenshots on demand.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace tv {
struct TProject;
}

namespace tvtest {

// How many wake-ups of the event loop OnNextModal waits for its window before it fails the test.
constexpr int kModalTries = 20000;

// Runs action on the modal window the next command opens, once its event loop shows it. Fails the
// test when the window that opens is not a W, or when none has opened after kModalTries wake-ups of
// the event loop. It looks again only when the loop wakes up, so a wait in between does not spin.
template <class W = QWidget> void OnNextModal(std::function<void(W*)> action, int triesLeft = kModalTries) {
    QMetaObject::invokeMethod(
        qApp,
        [action, triesLeft] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                if (triesLeft <= 0) {
                    QVERIFY2(false, "the expected modal window never opened");
                    return;
                }
                QObject::connect(
                    QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, qApp,
                    [action, triesLeft] { OnNextModal<W>(action, triesLeft - 1); }, Qt::SingleShotConnection);
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

// The child of parent named name; warns (and returns null) when there is none.
template <class T = QWidget> T* In(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(name);
    if (!w)
        qWarning("no control %s", name);
    return w;
}

// Types text key by key, as a person would; unlike QTest::keyClicks it takes characters beyond ASCII.
void TypeText(QWidget* w, const QString& text);
// Replaces an edit's text by typing: focus, select all, delete, type.
void Retype(QLineEdit* edit, const QString& text);

// A file's bytes; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// Writes bytes to path, making the folders on the way; false when that failed.
bool WriteFile(const QString& path, const QByteArray& bytes);
// A small file at path (folders made on the way).
bool Touch(const QString& path);
// A text file in the project's code page as lines without their line ends, in UTF-8.
QStringList FileLines(const QString& path);
// A w x h bitmap in fill with its bottom-left pixel in corner, saved as BMP; path, or "" on failure.
QString WriteBitmap(const QString& path, int w, int h, QColor fill, QColor corner);

} // namespace tvtest
