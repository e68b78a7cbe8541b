#include "UiTestSupport.h"

#include "ui/main/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// Screenshots show the window in the user's language, as the program would (`make screenshots-de`);
// the tests themselves compare the English texts and run without a translator.
void TranslateScreenshots() {
    if (!qEnvironmentVariableIsEmpty("TAMVELOX_SCREENSHOT_DIR"))
        tv::InstallTranslators();
}
Q_COREAPP_STARTUP_FUNCTION(TranslateScreenshots)

} // namespace

namespace tvtest {

QString isolateEnvironment()
{
    static QTemporaryDir home;
    const QString root = home.path();
    QDir(root).mkpath("data");
    QDir(root).mkpath("config");
    qputenv("HOME", root.toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + "/config").toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    return root;
}

bool saveShot(QWidget* widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("TAMVELOX_SCREENSHOT_DIR");
    if (dir.isEmpty() || !widget)
        return true;
    QDir().mkpath(dir);
    return widget->grab().save(dir + "/" + name + ".png");
}

} // namespace tvtest
