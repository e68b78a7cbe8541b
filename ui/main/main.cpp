// The wizard: one main window on the project named by the optional argument.
#include "ui/main/MainUnit.h"

#include "TamveloxVersion.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tamvelox");
    QApplication::setApplicationName("tamvelox");
    QApplication::setApplicationVersion(TAMVELOX_VERSION);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    tv::TMain window(arguments);
    window.show();
    return app.exec();
}
