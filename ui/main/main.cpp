// The wizard: one main window on the project named by the optional argument.
#include "ui/main/MainUnit.h"
#include "ui/main/Translations.h"

#include "TamveloxVersion.h"

#include "core/FileTypeRegistration.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QIcon>

#include <cstdio>
#include <string>

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

void SetNames() {
    QCoreApplication::setOrganizationName("Tamvelox");
    QCoreApplication::setApplicationName("tamvelox");
    QCoreApplication::setApplicationVersion(TAMVELOX_VERSION);
}

// --help, --version and --unregister work without a display: they are answered before any window
// exists. Returns the exit code, or -1 when the command line asks for the window.
int ConsoleOptions(int argc, char* argv[]) {
    bool console = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        console = console || arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
                  arg == "--version" || arg == "--unregister";
    }
    if (!console)
        return -1;
    QCoreApplication app(argc, argv);
    SetNames();
    QCommandLineParser parser;
    parser.setApplicationDescription("Wizard for the setup scripts of a Windows application.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption unregister(
        "unregister", "Remove the project file type and the menu entry this program wrote for the user.");
    parser.addOption(unregister);
    parser.addPositionalArgument("file", "The project (.tvx) or engine script (.tzn) to open.", "[FILE]");
    parser.process(app); // prints and ends for --help and --version, and for an unknown option
    std::string error;
    if (parser.isSet(unregister) && !tv::UnregisterFileType(&error)) {
        std::fprintf(stderr, "tamvelox: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int code = ConsoleOptions(argc, argv); code >= 0)
        return code;
    QApplication app(argc, argv);
    SetNames();
    // Before any window is made: texts are translated when a widget is built.
    tv::InstallTranslators();
    // The desktop matches the window to its menu entry by this ID; the icon is the launcher's.
    QGuiApplication::setDesktopFileName("org.tamvelox.tamvelox");
    QIcon launcher;
    launcher.addFile(":/icons/tamvelox-48.png");
    launcher.addFile(":/icons/tamvelox-256.png");
    QApplication::setWindowIcon(QIcon::fromTheme("tamvelox", launcher));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    tv::TMain window(arguments);
    if (qEnvironmentVariableIsSet("TAMVELOX_FIRST_PAINT_PROBE"))
        window.installEventFilter(new TFirstPaintProbe(&window));
    window.show();
    return app.exec();
}
