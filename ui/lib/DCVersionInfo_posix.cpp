// Version and machine facts on POSIX systems: program files carry no version block, so the running
// program reports the values it was built with; the system text comes from uname and os-release.
#include "ui/lib/DCVersionInfo.h"

#include <QRegularExpression>
#include <QSysInfo>

#include <sys/utsname.h>
#include <unistd.h>

namespace tv {

TVersionData TDCVersionInfo::ReadFileVersion(const QString&) {
    return TVersionData{};
}

TDCVersionInfo TDCVersionInfo::ThisProgram() {
    return TDCVersionInfo(CompiledInData());
}

TOsVersion TDCVersionInfo::CurrentOsVersion() {
    TOsVersion os;
    struct utsname names {};
    if (uname(&names) == 0) {
        os.Family = QString::fromLocal8Bit(names.sysname);
        os.Platform = QString::fromLocal8Bit(names.machine);
        // "6.1.0-13-amd64": kernel major, minor and the third number as the build.
        static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
        const auto m = numbers.match(QString::fromLocal8Bit(names.release));
        if (m.hasMatch()) {
            os.Major = m.captured(1).toInt();
            os.Minor = m.captured(2).toInt();
            os.Build = m.captured(3).toInt();
        }
    } else {
        os.Family = QSysInfo::kernelType();
        os.Platform = QSysInfo::currentCpuArchitecture();
    }
    os.Extra = QSysInfo::prettyProductName();
    return os;
}

quint64 TDCVersionInfo::TotalMemoryKB() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return 0;
    return quint64(pages) * quint64(pageSize) / 1024u;
}

} // namespace tv
