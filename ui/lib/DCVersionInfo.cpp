#include "ui/lib/DCVersionInfo.h"

#include "TamveloxVersion.h"

#include <QCoreApplication>

namespace tv {

TDCVersionInfo::TDCVersionInfo(const QString& fileName) : m_data(ReadFileVersion(fileName)) {}

QString TDCVersionInfo::VersionText() const {
    return QCoreApplication::translate("tv::TDCVersionInfo", "Version %1.%2 (Build %3.%4)")
        .arg(m_data.Major)
        .arg(m_data.Minor)
        .arg(m_data.Release)
        .arg(m_data.Build);
}

QString TDCVersionInfo::FormatOsText(const TOsVersion& os) {
    // The minor number is right-aligned in two places: "6. 1", "6.18".
    QString text = QStringLiteral("%1 %2 %3.%4 (Build %5")
                       .arg(os.Family, os.Platform)
                       .arg(os.Major)
                       .arg(os.Minor, 2)
                       .arg(os.Build);
    if (!os.Extra.trimmed().isEmpty())
        text += QStringLiteral(": ") + os.Extra;
    return text + QLatin1Char(')');
}

QString TDCVersionInfo::FormatMemory(quint64 kilobytes, const QLocale& locale) {
    // The C locale leaves out group separators unless told otherwise.
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(qulonglong(kilobytes)) + QStringLiteral(" KB");
}

TVersionData TDCVersionInfo::CompiledInData() {
    TVersionData data;
    data.Valid = true;
    data.Major = TAMVELOX_VERSION_MAJOR;
    data.Minor = TAMVELOX_VERSION_MINOR;
    data.Release = TAMVELOX_VERSION_PATCH;
    data.Build = 0;
    data.Strings = {
        {QStringLiteral("InternalName"), QStringLiteral("Tamvelox")},
        {QStringLiteral("ProductName"), QStringLiteral("Tamrin Installer Velox")},
        {QStringLiteral("FileDescription"), QStringLiteral("Tamrin Installer Velox")},
        {QStringLiteral("FileVersion"), QStringLiteral(TAMVELOX_VERSION)},
        {QStringLiteral("LegalCopyright"), QStringLiteral("Copyright (c) 2026 The Tamvelox developers")},
        {QStringLiteral("CompanyName"), QStringLiteral("https://tamvelox.example.org")},
        {QStringLiteral("Author"), QStringLiteral("author@tamvelox.example.org")},
    };
    return data;
}

} // namespace tv
