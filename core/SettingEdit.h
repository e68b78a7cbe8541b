#pragma once
// Settings edited by name from outside the window (the console's get and set): the settings table
// addressed by the names the project file gives them, and the checks the window's controls make,
// for a value that arrives as text.

#include "core/ProjectSettings.h"

#include <cstdint>
#include <string>

namespace tv {

// The largest extra disk space (kilobytes) the Start page's box takes.
constexpr std::int32_t kMaxExtraDiskSpaceKB = 99999;

// A setting's name as the project file spells it: section "." key, such as "Start.App.Name",
// "Main_Window.Title.Font" or "Dialog.DialogPosX".
std::string SettingFileName(const TSetting& setting);
// The setting of that name, matched without regard to case as the file's keys are; nullptr when
// there is none.
const TSetting* FindSettingByFileName(const std::string& name);

// A value for a setting, given as UTF-8 text, checked as the window's control for the setting
// checks it: in the code page, without line breaks or control characters, and of the setting's
// kind: 0/1 (or true/false) for a switch, a whole number in range, a colour $00BBGGRR, a folder
// variable of the list, words of a set, a position index or word, a font whose size is a number.
struct TSettingValue {
    std::string Text;    // the value as the project file stores it (code page), when Problem is empty
    std::string Problem; // UTF-8: why the value is refused
};
TSettingValue ParseSettingValue(const TSetting& setting, const std::string& utf8);

} // namespace tv
