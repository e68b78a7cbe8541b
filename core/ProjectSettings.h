#pragma once
// The settings table: one row per setting of the project file. Load, Save, New, the limit check and
// the tests loop over it, so adding a setting is adding a row (core/ProjectSettings.cpp) and its
// member in TProject.

#include "core/Project.h"

#include <string>
#include <vector>

namespace tv {

enum class TSettingKind {
    Text,       // the member's bytes as they are
    Boolean,    // "1" / "0"; a present value that is no number reads as Missing
    Integer,    // decimal; a present value that is no number reads as Missing
    Colour,     // ColorToText; a present value that is no number reads as black
    FolderPair, // "%" + folder variable + "%" + sub-path
    Set,        // the words of the set members joined by ","; a member is set when its word occurs
    Position,   // index 0..2; anything else reads as Missing
};

// One member of a Set setting.
struct TSetWord {
    const char* Written; // the word Save writes
    const char* Found;   // what Load looks for (after folding case when the row says so)
    bool TProject::*Flag;
};

struct TSetting {
    const char* Section = nullptr;
    const char* Key = nullptr;
    TSettingKind Kind = TSettingKind::Text;
    // Values as file texts. Missing: what Load takes when the key is absent; nullptr keeps the
    // current value. New: what a new project gets, and the value at start-up.
    const char* Missing = nullptr;
    const char* New = nullptr;
    // New leaves the current value alone (New is then only the start-up value).
    bool NewKeeps = false;
    // New names a file of the program's data folder, which is put before it.
    bool NewInDataFolder = false;
    // Save refuses the value when it holds a carriage return or line feed.
    bool RefuseLineBreaks = false;

    // The member: Text for Text and the folder variable of FolderPair, Text2 for its sub-path.
    std::string TProject::*Text = nullptr;
    std::string TProject::*Text2 = nullptr;
    bool TProject::*Flag = nullptr;
    std::int32_t TProject::*Integer = nullptr; // Integer and Position
    TColor TProject::*Colour = nullptr;
    std::vector<TSetWord> Words; // Set
    bool FoldCaseOnLoad = false; // Set: the text is compared without regard to case

    // "Key" for [Start], "Section/Key" for the others: how messages and the guide name it.
    std::string Name() const;
};

// Every setting, in the order Save writes them.
const std::vector<TSetting>& ProjectSettings();
// The row of a setting by its name ("App.Name", "Dialog/DialogFinal"); nullptr when there is none.
const TSetting* FindSetting(const std::string& name);

// The setting's value as the project file stores it.
std::string SettingText(const TProject& project, const TSetting& setting);
// Sets the value from a file text; fallback is the text taken where text cannot be read.
void SetSettingText(TProject& project, const TSetting& setting, const std::string& text,
                    const std::string& fallback);

} // namespace tv
