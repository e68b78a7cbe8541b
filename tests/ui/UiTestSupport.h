#pragma once
// Shared pieces of the widget tests: an isolated environment and screenshots on demand.
#include <QString>

class QWidget;

namespace tvtest {

// Points HOME, XDG_DATA_HOME and XDG_CONFIG_HOME at a fresh temporary folder and turns on
// QStandardPaths' test mode, so that no test touches the user's settings. Call first in main
// or initTestCase. Returns the temporary folder.
QString isolateEnvironment();

// Renders the widget into $TAMVELOX_SCREENSHOT_DIR/<name>.png when that variable is set
// (`make screenshots`); does nothing otherwise. Returns false only when writing failed.
bool saveShot(QWidget* widget, const QString& name);

} // namespace tvtest
