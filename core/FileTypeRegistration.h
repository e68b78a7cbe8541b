#pragma once
// Registration of the project file type (.tvx) with the desktop, so that opening a project file
// starts this program with the file as its argument. Done on every start; on Linux as a MIME type
// and a desktop entry under $XDG_DATA_HOME, on Windows as the keys under HKEY_CLASSES_ROOT.

#include <string>

namespace tv {

struct TFileTypeInfo {
    std::string Extension = ".tvx";
    std::string TypeDescription = "Tamrin Installer Velox script";
    std::string FileDescription = "Tamrin Installer Velox";
    int IconIndex = 0;
    std::string ExecutablePath;    // the program that opens the files (full path, UTF-8)
    std::string Icon = "tamvelox"; // an icon theme name, or the full path of an image
};

// Registers the file type. False, with the reason in *error (when given), when any step failed;
// steps already done stay done.
bool RegisterFileType(const TFileTypeInfo& info, std::string* error);

#ifndef _WIN32
// The MIME type the desktop knows project files by.
extern const char* const kProjectMimeType; // "application/x-tamvelox-project"

// The texts written under $XDG_DATA_HOME (exposed for the tests).
std::string MimePackageXml(const TFileTypeInfo& info);
std::string DesktopEntryText(const TFileTypeInfo& info);
// The data home: $XDG_DATA_HOME, else $HOME/.local/share; empty when neither is known.
std::string XdgDataHome();
// Where the two files go: <data home>/mime/packages/tamvelox.xml, <data home>/applications/tamvelox.desktop.
std::string MimePackagePath(const std::string& dataHome);
std::string DesktopEntryPath(const std::string& dataHome);
// The icon for the desktop entry of a program in exeDir: the theme name when the icon is installed
// in the program's prefix, else the source tree's scalable icon by its full path, else the name.
std::string DesktopIcon(const std::string& exeDir);
#endif

} // namespace tv
