// The wizard: one main window on the project named by the optional argument.
#include "ui/main/MainUnit.h"

#include "TamveloxVersion.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tamvelox");
    QApplication::setApplicationName("tamvelox");
    QApplication::setApplicationVersion(TAMVELOX_VERSION);
    // The window manager's icon, and the one the about box and custom messages show.
    QApplication::setWindowIcon(QIcon(":/images/wzAboutIcon.png"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    tv::TMain window(arguments);
    window.show();
    return app.exec();
}
