#pragma once
// The one document of the program: every setting of an application's setup, five record tables,
// five row lists, and the document state. Plain data, no GUI: the wizard pages bind to it, the
// project file reads and writes it, the build turns it into the engine's files.
//
// Text values are byte strings in the ANSI code page (Windows-1252): the UI converts at its edge
// (core/TextCodec.h).

#include "core/FolderVariables.h" // kFolderVariables: the installation folder list

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

using TColor = std::uint32_t; // $00BBGGRR

// Position words of Dialog/DialogPosX and Dialog/DialogPosY (indexes 0..2).
extern const std::vector<std::string> kDialogPosXWords; // "Left", "Center", "Right"
extern const std::vector<std::string> kDialogPosYWords; // "Top", "Center", "Bottom"

// Limits of the project file's row numbering.
constexpr int kMaxTableRows = 1000;   // three-digit row numbers 000..999
constexpr int kMaxStaticBitmaps = 99; // two-digit bitmap numbers 01..99

struct TFileRecord {
    std::string FileName; // "File Name": full path of the source file
    std::string FilePath; // "File Path": target folder inside the installation
    bool NoLog = false;
    bool NoVersionCheck = false;
    bool RegisterServer = false;
    bool RegisterFont = false;
    bool DontAskUser = false;
    bool DontOverwrite = false;
    bool ExternalFile = false;
    bool SharedFile = false;

    // The flag words of the set flags in table order joined by "+", e.g. "NO_LOG+SHARED_FILE".
    std::string FlagsText() const;
    void AppendFlagsText(std::string& out) const;
    // Sets each flag exactly when its word occurs anywhere in text (case-sensitive).
    void SetFlagsFromText(std::string_view text);
};

struct TShortcutRecord {
    std::string ProgramGroup;  // "Program Group"
    std::string Shortcuts;     // "Shortcuts": the shortcut's name
    std::string Target;        // "Target"
    std::string Arguments;     // "Arguments"
    std::string WorkDirectory; // "Work Directory"
};

// A record of tbRegAdd / tbRegDel ("RegKey") or tbINI ("INIPath": variable|path|section), with its
// change lines ("Contents"), one change per element.
struct TContentsRecord {
    std::string Key;
    std::vector<std::string> Contents;
};

// An in-memory record table: records in the order of adding and a current record (-1: none).
template <class R> struct TRecordTable {
    std::vector<R> Records;
    int Current = -1;

    int Count() const { return static_cast<int>(Records.size()); }
    bool Empty() const { return Records.empty(); }
    void Clear() {
        Records.clear();
        Current = -1;
    }
    // Appends a record and makes it current.
    R& Append(R r = R()) {
        Records.push_back(std::move(r));
        Current = Count() - 1;
        return Records.back();
    }
    // Deletes the current record; the next one (or the new last one) becomes current.
    void DeleteCurrent() {
        if (Current < 0 || Current >= Count())
            return;
        Records.erase(Records.begin() + Current);
        if (Current >= Count())
            Current = Count() - 1;
    }
    R* CurrentRecord() { return Current >= 0 && Current < Count() ? &Records[Current] : nullptr; }
    // Finds a record by its key (exact comparison); -1 when there is none. For TContentsRecord.
    template <class K> int IndexOfKey(const K& key) const {
        for (int i = 0; i < Count(); ++i)
            if (Records[i].Key == key)
                return i;
        return -1;
    }
};

// A program run before or after installation or uninstallation: the five texts of a run list row,
// kept exactly as stored.
struct TRunRecord {
    std::string Application;      // "Application"
    std::string Argument;         // "Argument"
    std::string WorkingDirectory; // "Working Directory"
    std::string Message;          // "Message"
    std::string Flag;             // "Flag": run mode and wait digits
};
using TRunList = std::vector<TRunRecord>;

// A bitmap shown on the setup's main window, with its texts as stored.
struct TStaticBitmap {
    std::string File;         // "Bitmap": host path of the bitmap
    std::string Coord;        // "Coord.": x, y and origin corner joined by ","
    std::string Transparency; // "Transp.": transparent colour, or empty
};

struct TProject {
    // Document state
    std::string FileName = "*UNTITLED"; // full path; contains "*" while untitled
    bool Modified = false;

    // The settings. Their values for a new project, for keys a loaded file lacks and at start-up
    // are rows of the settings table (core/ProjectSettings.cpp), not initialisers here.
    // [Start]
    std::string MiscDeployment;              // Misc.Deployment
    std::string AppName;                     // App.Name
    std::string AppInstFolder;               // App.Install, the folder variable
    std::string AppInstFolderName;           // App.Install, the sub-path ("\MyApp")
    std::string AppGroupFolder;              // App.Group, the folder variable
    std::string AppGroupFolderName;          // App.Group, the sub-path
    std::string AppReadme;                   // App.Readme
    TColor AppReadmeBG{};                    // App.ReadmeBG
    std::string AppLicense;                  // App.License
    TColor AppLicenseBG{};                   // App.LicenseBG
    bool Target9x{}, TargetNT{}, Target2k{}; // Target.OS
    std::string TargetOSMinVersion;          // Target.OSMinVersion
    std::int32_t TargetExtraDiskSpace{};     // Target.ExtraDiskSpace (KB)
    bool MiscUninstaller{};                  // Misc.Uninstaller
    bool MiscReboot{};                       // Misc.Reboot
    std::string MiscPassword;                // Misc.Password
    std::string TargetCheckWindow;           // Target.CheckWindow
    std::string TargetCheckMutex;            // Target.CheckMutex
    bool TargetRemoveOldReferences{};        // Target.RemoveOldReferences
    bool MiscLanguageAuto{};                 // Misc.LanguageAuto

    // [Main_Window]
    bool MainShow{};               // Show
    bool MainTitle{};              // Title
    std::string MainTitleFont;     // Title.Font
    bool MainTitleShadow{};        // Title.Shadow
    TColor MainTitleShadowColor{}; // Title.ShadowColor
    TColor MainGradientTop{};      // BG.GradientTop
    TColor MainGradientBot{};      // BG.GradientBot
    std::string MainBGBitmap;      // BG.Bitmap
    bool MainBGAppTitle{};         // BG.AppTitle

    // [Dialog]
    std::string DialogFont;                       // Font
    bool DialogTitle{};                           // Title
    std::string DialogTitleFont;                  // Title.Font
    bool DialogTitleFontShadow{};                 // Title.FontShadow
    TColor DialogTitleFontShadowColor{};          // Title.FontShadowColor
    std::string DialogTitleBMP;                   // Title.BMP
    bool DlgReadme{}, DlgWelcome{}, DlgLicense{}; // Dialogs
    bool DlgDir{}, DlgGroup{}, DlgStart{};
    bool DialogFinal{}; // DialogFinal
    int DialogPosX{};   // DialogPosX (0..2)
    int DialogPosY{};   // DialogPosY (0..2)

    // Tables
    TRecordTable<TFileRecord> tbFiles;
    TRecordTable<TShortcutRecord> tbShortcuts;
    TRecordTable<TContentsRecord> tbRegAdd;
    TRecordTable<TContentsRecord> tbRegDel;
    TRecordTable<TContentsRecord> tbINI;

    // Lists
    std::vector<TStaticBitmap> StaticBitmaps; // list lvStaticBMP
    TRunList RunBefore;                       // lvRunBefore: run before installation
    TRunList RunAfter;                        // lvRunAfter: after installation
    TRunList RunBeforeUn;                     // lvRunBeforeUn: before uninstallation
    TRunList RunAfterUn;                      // lvRunAfterUn: after uninstallation

    // Start-up values of every setting (the settings table's New column, also for the settings New
    // leaves alone), untitled, not Modified.
    TProject();

    // The common change notification.
    void FieldChanged() { Modified = true; }
    bool IsUntitled() const { return FileName.find('*') != std::string::npos; }

    // Composed texts as the files store them.
    std::string AppInstallText() const { return "%" + AppInstFolder + "%" + AppInstFolderName; }
    std::string AppGroupText() const { return "%" + AppGroupFolder + "%" + AppGroupFolderName; }
    std::string TargetOSText() const; // AppendItem over "9x", "nt4", "2k"
    std::string DialogsText() const;  // AppendItem over DLG_README ... DLG_START
};

// Text helpers
std::string ColorToText(TColor c);                            // "$" + 8 upper-case hex digits
TColor TextToColor(const std::string& text, TColor fallback); // accepts "$hex", "0xhex", decimal
std::string AppendItem(const std::string& list, const std::string& item);
std::string SplitFirst(std::string& text, const std::string& separator);
bool IsBlank(const std::string& text);
std::string ZeroPad(long long n, int width);

} // namespace tv
