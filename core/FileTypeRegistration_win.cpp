#include "core/FileTypeRegistration.h"

#include <string>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace tv {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}

// Creates (or opens) HKEY_CLASSES_ROOT\<key> and sets its default value.
bool SetDefaultValue(const std::wstring& key, const std::wstring& value, std::string* error) {
    HKEY handle = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (rc == ERROR_SUCCESS) {
        rc = RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
    if (rc != ERROR_SUCCESS && error) {
        std::string name; // the key names are plain ASCII
        for (wchar_t c : key)
            name += static_cast<char>(c);
        *error = "Cannot write the registry key HKEY_CLASSES_ROOT\\" + name;
    }
    return rc == ERROR_SUCCESS;
}

} // namespace

bool RegisterFileType(const TFileTypeInfo& info, std::string* error) {
    const std::wstring exe = Wide(info.ExecutablePath);
    const std::wstring type = Wide(info.TypeDescription);
    return SetDefaultValue(Wide(info.Extension), type, error) &&
           SetDefaultValue(type, Wide(info.FileDescription), error) &&
           SetDefaultValue(type + L"\\DefaultIcon", exe + L"," + std::to_wstring(info.IconIndex), error) &&
           SetDefaultValue(type + L"\\Shell\\Open\\Command", L"\"" + exe + L"\" \"%1\"", error);
}

bool UnregisterFileType(std::string* error) {
    const TFileTypeInfo info;
    for (const std::string& key : {info.Extension, info.TypeDescription}) {
        const LONG rc = RegDeleteTreeW(HKEY_CLASSES_ROOT, Wide(key).c_str());
        if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) {
            if (error)
                *error = "Cannot remove the registry key HKEY_CLASSES_ROOT\\" + key;
            return false;
        }
    }
    return true;
}

} // namespace tv
