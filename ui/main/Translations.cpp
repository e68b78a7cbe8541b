#include "ui/main/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tv {

namespace {

bool Install(const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool InstallTranslators(const QLocale& locale) {
    // The user's languages in their order: the first we have wins, and English, the texts as
    // written, wins over any that comes after it ("en:de" stays English).
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return false;
        if (Install(language, QStringLiteral("tamvelox"), QStringLiteral(":/i18n"))) {
            // Qt's dialogs and context menus follow when its translations are installed; without
            // them they stay English and the rest of the window is still translated.
            Install(language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return true;
        }
    }
    return false;
}

} // namespace tv
