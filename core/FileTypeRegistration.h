#pragma once
// Registration of the project file type (.tvx) with the desktop, so that opening a project file
// starts this program with the file as its argument. Done on every start; on Windows as the keys
// under HKEY_CLASSES_ROOT; on Linux as a MIME type and a desktop entry under $XDG_DATA_HOME, but only
// for a program the system does not know (a build tree): once an installed package provides the
// entry, the copy written here earlier is removed, so that it neither hides the package's entry nor
// outlives the package.

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

// Removes what RegisterFileType wrote for this user (files another program or the user wrote stay).
bool UnregisterFileType(std::string* error);

#ifndef _WIN32
// The MIME type the desktop knows project files by.
extern const char* const kProjectMimeType; // "application/x-tamvelox-project"

// The texts written under $XDG_DATA_HOME (exposed for the tests).
std::string MimePackageXml(const TFileTypeInfo& info);
std::string DesktopEntryText(const TFileTypeInfo& info);
// The data home: $XDG_DATA_HOME, else $HOME/.local/share; empty when neither is known.
std::string XdgDataHome();
// The desktop entry's ID, the same as the package's and its AppStream ID.
extern const char* const kDesktopEntryId; // "org.tamvelox.tamvelox.desktop"
// Where the two files go: <data home>/mime/packages/tamvelox.xml, <data home>/applications/<ID>.
std::string MimePackagePath(const std::string& dataHome);
std::string DesktopEntryPath(const std::string& dataHome);
// The system's entry with our ID in $XDG_DATA_DIRS (default /usr/local/share:/usr/share); empty when
// there is none.
std::string SystemDesktopEntry();
// The icon for the desktop entry of a program in exeDir: the theme name when the icon is installed
// in the program's prefix, else the source tree's scalable icon by its full path, else the name.
std::string DesktopIcon(const std::string& exeDir);
#endif

} // namespace tv
