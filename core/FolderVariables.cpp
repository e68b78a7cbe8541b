#include "core/FolderVariables.h"

#include <algorithm>
#include <iterator>

namespace tv {

namespace {

struct TFolderVariable {
    const char* Name;
    // Place in each list of TFolderList, from 1; 0 where the list does not offer the folder.
    int Place[3];
};

// Constant-initialised, so the lists can be derived while other files' globals are being made.
constexpr TFolderVariable kFolders[] = {
    // name, {place in the install folder, INI target and file target lists}
    {"InstallPath", {0, 10, 1}},
    {"ProgramGroup", {0, 0, 2}},
    {"AppFolder", {0, 1, 0}},
    {"BootDrive", {11, 11, 3}},
    {"Windows", {12, 12, 4}},
    {"System", {13, 13, 5}},
    {"Fonts", {16, 14, 6}},
    {"Personal", {17, 15, 7}},
    {"SendTo", {18, 16, 8}},
    {"Templates", {19, 17, 9}},
    {"ProgramFiles", {1, 18, 10}},
    {"CommonFiles", {2, 19, 11}},
    {"Desktop", {3, 2, 12}},
    {"ProgramsMenu", {4, 3, 13}},
    {"StartMenu", {5, 4, 14}},
    {"StartupMenu", {6, 5, 15}},
    {"CommonDesktop", {7, 6, 16}},
    {"CommonProgramsMenu", {8, 7, 17}},
    {"CommonStartMenu", {9, 8, 18}},
    {"CommonStartupMenu", {10, 9, 19}},
    {"Delphi", {20, 20, 20}},
    {"BDE", {21, 21, 21}},
    {"ApplicationData", {14, 22, 22}},
    {"QuickLaunch", {15, 23, 23}},
    {"Date", {22, 0, 0}},
    {"LangStr", {23, 0, 0}},
    {"IIS-WWWRoot", {24, 24, 24}},
    {"IIS-Scripts", {25, 25, 25}},
    {"Office97", {26, 26, 26}},
    {"Office2000", {27, 27, 27}},
};

} // namespace

std::vector<std::string> FolderVariables(TFolderList list) {
    const int column = static_cast<int>(list);
    std::vector<std::string> names(std::size(kFolders));
    std::size_t count = 0;
    for (const TFolderVariable& f : kFolders) {
        const int place = f.Place[column];
        if (place > 0) {
            names[static_cast<std::size_t>(place - 1)] = f.Name;
            ++count;
        }
    }
    names.resize(count);
    return names;
}

const std::vector<std::string> kFolderVariables = FolderVariables(TFolderList::InstallFolder);
const std::vector<std::string> kIniTargets = FolderVariables(TFolderList::IniTarget);

} // namespace tv
