// The wizard: one main window on the project named by the optional argument.
#include "ui/main/MainUnit.h"
#include "ui/main/Translations.h"

#include "TamveloxVersion.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

#include <cstdio>

namespace {

// With TAMVELOX_FIRST_PAINT_PROBE set, the program prints "painted" once its window has been
// painted for the first time, and ends: how `make bench` times a start from the outside.
class TFirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_Seen) {
            m_Seen = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::fputs("painted\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::exit(0); // no closing questions
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_Seen = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tamvelox");
    QApplication::setApplicationName("tamvelox");
    QApplication::setApplicationVersion(TAMVELOX_VERSION);
    // Before any window is made: texts are translated when a widget is built.
    tv::InstallTranslators();
    // The window manager's icon, and the one the about box and custom messages show.
    QApplication::setWindowIcon(QIcon(":/images/wzAboutIcon.png"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    tv::TMain window(arguments);
    if (qEnvironmentVariableIsSet("TAMVELOX_FIRST_PAINT_PROBE"))
        window.installEventFilter(new TFirstPaintProbe(&window));
    window.show();
    return app.exec();
}
