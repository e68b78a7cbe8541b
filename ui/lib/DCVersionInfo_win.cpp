// Version and machine facts on Windows: the version resource of a program file, the system version
// as the kernel reports it (GetVersionEx is shimmed on newer systems) and the physical memory.
#include "ui/lib/DCVersionInfo.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

#include <vector>

namespace tv {

namespace {

// A function of a loaded module; the detour through void (*)() keeps the cast warning-free.
template <typename F> F Proc(HMODULE module, const char* name) {
    return module ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

// The version API lives in version.dll; loading it here keeps the build free of an extra import
// library for every toolchain.
struct TVersionApi {
    using SizeFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using InfoFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    SizeFn Size = nullptr;
    InfoFn Info = nullptr;
    QueryFn Query = nullptr;

    TVersionApi() {
        const HMODULE dll = LoadLibraryW(L"version.dll");
        Size = Proc<SizeFn>(dll, "GetFileVersionInfoSizeW");
        Info = Proc<InfoFn>(dll, "GetFileVersionInfoW");
        Query = Proc<QueryFn>(dll, "VerQueryValueW");
    }
    bool Ok() const { return Size && Info && Query; }
};

const TVersionApi& VersionApi() {
    static const TVersionApi api;
    return api;
}

QString QueryString(const std::vector<char>& block, const QString& path) {
    LPVOID value = nullptr;
    UINT length = 0;
    if (!VersionApi().Query(block.data(), reinterpret_cast<LPCWSTR>(path.utf16()), &value, &length) ||
        !value || length == 0)
        return {};
    // length counts characters including the terminating zero.
    QString text = QString::fromWCharArray(static_cast<const wchar_t*>(value), int(length));
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

} // namespace

TVersionData TDCVersionInfo::ReadFileVersion(const QString& fileName) {
    TVersionData data;
    const TVersionApi& api = VersionApi();
    if (!api.Ok())
        return data;
    const std::wstring path = QDir::toNativeSeparators(fileName).toStdWString();
    DWORD handle = 0;
    const DWORD size = api.Size(path.c_str(), &handle);
    if (size == 0)
        return data;
    std::vector<char> block(size);
    if (!api.Info(path.c_str(), 0, size, block.data()))
        return data;
    data.Valid = true;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (api.Query(block.data(), L"\\", reinterpret_cast<LPVOID*>(&fixed), &fixedLength) && fixed &&
        fixedLength >= sizeof(VS_FIXEDFILEINFO)) {
        data.Major = HIWORD(fixed->dwFileVersionMS);
        data.Minor = LOWORD(fixed->dwFileVersionMS);
        data.Release = HIWORD(fixed->dwFileVersionLS);
        data.Build = LOWORD(fixed->dwFileVersionLS);
    }

    // The first language / code page pair names the string table, e.g. "000004E4".
    WORD* translation = nullptr;
    UINT translationLength = 0;
    if (!api.Query(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<LPVOID*>(&translation),
                   &translationLength) ||
        !translation || translationLength < 2 * sizeof(WORD))
        return data;
    const QString pair = QStringLiteral("%1%2")
                             .arg(translation[0], 4, 16, QLatin1Char('0'))
                             .arg(translation[1], 4, 16, QLatin1Char('0'))
                             .toUpper();
    const QString table = QStringLiteral("\\StringFileInfo\\") + pair + QLatin1Char('\\');
    for (const char* key : {"InternalName", "LegalCopyright", "CompanyName", "Author", "ProductName",
                            "FileDescription", "FileVersion", "ProductVersion", "Comments"}) {
        const QString value = QueryString(block, table + QLatin1String(key));
        if (!value.isEmpty())
            data.Strings.insert(QLatin1String(key), value);
    }
    return data;
}

TDCVersionInfo TDCVersionInfo::ThisProgram() {
    return TDCVersionInfo(QCoreApplication::applicationFilePath());
}

TOsVersion TDCVersionInfo::CurrentOsVersion() {
    TOsVersion os;
    os.Family = QStringLiteral("Windows");
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    const auto rtlGetVersion = Proc<RtlGetVersionFn>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    if (!rtlGetVersion || rtlGetVersion(&info) != 0)
        return os;
    switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        os.Platform = QStringLiteral("32s");
        break;
    case VER_PLATFORM_WIN32_WINDOWS:
        os.Platform = (info.dwMajorVersion > 4 || (info.dwMajorVersion == 4 && info.dwMinorVersion >= 10))
                          ? QStringLiteral("98")
                          : QStringLiteral("95");
        break;
    default:
        os.Platform = QStringLiteral("NT");
        break;
    }
    os.Major = int(info.dwMajorVersion);
    os.Minor = int(info.dwMinorVersion);
    os.Build = int(info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? LOWORD(info.dwBuildNumber)
                                                                   : info.dwBuildNumber);
    os.Extra = QString::fromWCharArray(info.szCSDVersion);
    return os;
}

quint64 TDCVersionInfo::TotalMemoryKB() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return 0;
    return quint64(status.ullTotalPhys / 1024u);
}

} // namespace tv
