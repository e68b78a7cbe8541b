#pragma once
// The window's language: its own texts and Qt's (file dialogs, context menus) for a locale.

#include <QLocale>

namespace tv {

// Installs on the application the translation of the window's texts for locale, and Qt's own
// when the system has it. English is the texts as written: nothing is installed for it. True when
// the window's translation was found.
bool InstallTranslators(const QLocale& locale = QLocale::system());

} // namespace tv
