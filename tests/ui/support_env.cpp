#include "UiTestSupport.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

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
