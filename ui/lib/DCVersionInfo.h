#pragma once
// TDCVersionInfo: what the about box shows about a program file and the machine it runs on.
//
// A program file's version block gives four 16-bit numbers (major, minor, release, build) and
// string values by key (InternalName, LegalCopyright, CompanyName, Author ...). On Windows they are
// read from the file's version resource; other systems keep no such resource in their program
// files, so there a file yields none and the running program's values are compiled in.
#include <QLocale>
#include <QMap>
#include <QString>
#include <QtGlobal>

namespace tv {

struct TVersionData {
    bool Valid = false; // the file had a version block
    quint16 Major = 0;
    quint16 Minor = 0;
    quint16 Release = 0;
    quint16 Build = 0;
    QMap<QString, QString> Strings;
};

// The running system, in the pieces the operating-system text is made of.
struct TOsVersion {
    QString Family;   // "Windows", "Linux" ...
    QString Platform; // "NT", "98" ... on Windows; the machine architecture elsewhere
    int Major = 0;
    int Minor = 0;
    int Build = 0;
    QString Extra; // service pack on Windows; the distribution's name elsewhere; may be blank
};

class TDCVersionInfo final {
public:
    // Reads the file's version block at once; HasVersionInfo() tells whether there was one.
    explicit TDCVersionInfo(const QString& fileName);
    explicit TDCVersionInfo(TVersionData data) : m_data(std::move(data)) {}

    // The running program's own values.
    static TDCVersionInfo ThisProgram();

    bool HasVersionInfo() const { return m_data.Valid; }
    const TVersionData& Data() const { return m_data; }
    // "Version 1.1 (Build 1.96)" from major, minor, release and build; zeros without a block.
    QString VersionText() const;
    // Empty when there is no block or no such key.
    QString StringValue(const QString& key) const { return m_data.Strings.value(key); }

    // "Windows NT 6. 1 (Build 7601: Service Pack 1)", "Linux x86_64 6. 1 (Build 0: Debian ...)".
    static QString OSText() { return FormatOsText(CurrentOsVersion()); }
    // Physical memory, "16,318,748 KB".
    static QString TotalMemoryText(const QLocale& locale = QLocale()) {
        return FormatMemory(TotalMemoryKB(), locale);
    }

    // The pieces, separately, so that each can be checked on its own.
    static QString FormatOsText(const TOsVersion& os);
    static QString FormatMemory(quint64 kilobytes, const QLocale& locale = QLocale());
    static TOsVersion CurrentOsVersion(); // platform file
    static quint64 TotalMemoryKB();       // platform file; 0 when the system does not tell
    static TVersionData CompiledInData(); // this program's values as built

private:
    static TVersionData ReadFileVersion(const QString& fileName); // platform file

    TVersionData m_data;
};

} // namespace tv
