#pragma once
// The engine's named folders (%ProgramFiles%, %InstallPath% ...) and the three lists that offer
// them. The lists differ in which folders they hold and in their order, and both are part of what
// the window shows and what projects store (an index into a list), so each is derived from one table
// that gives every folder's place in every list.

#include <string>
#include <vector>

namespace tv {

enum class TFolderList {
    InstallFolder, // the installation and program-group folders of the Start page
    IniTarget,     // where an INI change's file sits; also the shortcut program groups
    FileTarget,    // where a file is installed; also a shortcut's working directory
};

// The names of list, in its order, without the percent signs.
std::vector<std::string> FolderVariables(TFolderList list);

extern const std::vector<std::string> kFolderVariables; // TFolderList::InstallFolder (27)
extern const std::vector<std::string> kIniTargets;      // TFolderList::IniTarget (27)

} // namespace tv
