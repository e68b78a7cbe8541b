#pragma once
// Finding the program a Linux desktop opens a file with: the default application of a MIME type
// (mimeapps.list, mimeinfo.cache) and the command line of its desktop entry. Plain text work, kept
// apart from the process handling so it can be tested on its own.

#include <string>
#include <vector>

namespace tv {

// Folders searched, in order of precedence, from XDG_CONFIG_HOME/XDG_CONFIG_DIRS and
// XDG_DATA_HOME/XDG_DATA_DIRS (with their documented defaults).
std::vector<std::string> XdgConfigDirs();
std::vector<std::string> XdgDataDirs();

// Path of the desktop entry file of a desktop id ("vendor-app.desktop" may also live in
// applications/vendor/app.desktop); empty when none exists.
std::string FindDesktopFile(const std::string& desktopId);

// The default desktop id for a MIME type from the mimeapps.list files (user first), then the
// added associations, then mimeinfo.cache. Only ids whose entry exists count; empty when none.
std::string DefaultDesktopIdFromLists(const std::string& mimeType);

// The Exec value of a desktop entry's [Desktop Entry] group, unescaped; empty when none.
std::string ReadDesktopExec(const std::string& desktopFile);

// Splits an Exec value into arguments (double quotes group, backslash escapes inside them) and
// puts file in place of its field codes (%f %F %u %U; %% is a percent sign; %c, %k, %i and the
// deprecated codes are dropped). A command without a file code gets the file appended.
std::vector<std::string> DesktopExecArguments(const std::string& exec, const std::string& file,
                                              const std::string& desktopFile = {});

} // namespace tv
