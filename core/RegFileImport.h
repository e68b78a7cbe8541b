#pragma once
// Reads a registry export (.reg) into registry changes of a project: "REGEDIT4" files in the ANSI
// code page and "Windows Registry Editor Version 5.00" files in UTF-16LE (or UTF-8). Each key
// becomes one entry with its root abbreviated (HKEY_CURRENT_USER -> HKCU); strings become type 0
// lines, dword: values type 1 (decimal), hex: values type 2 (bytes as "07 A5 3E"); [-KEY] becomes
// an entry of the deletion list. What the engine's lines cannot carry is skipped and named: among
// it line breaks and other control characters, and the values of a key past kMaxTableRows.

#include "core/Project.h"

#include <string>
#include <vector>

namespace tv {

struct TRegImportKey {
    std::string Key;                // ANSI, e.g. HKCU\Software\X
    bool Delete = false;            // a [-KEY] section
    std::vector<std::string> Lines; // ANSI parameter lines
};

struct TRegImport {
    std::vector<TRegImportKey> Keys;  // in file order, each key once
    std::vector<std::string> Skipped; // UTF-8, one per skipped key or value, with the reason
};

// Parses the bytes of a .reg file. Returns false and sets error (UTF-8) when the bytes are no
// registry export at all; problems within a file that is one are listed in Skipped.
bool ParseRegFile(const std::string& bytes, TRegImport& result, std::string& error);

// The keys of import that their list holds already (compared without regard to case), UTF-8.
std::vector<std::string> ExistingRegKeys(const TProject& project, const TRegImport& import);

struct TRegApplyResult {
    int Added = 0;                    // new entries
    int Merged = 0;                   // entries that took lines into an existing key
    std::vector<std::string> Refused; // UTF-8 keys left out because a list is full
    // UTF-8, one per merged key that could not take all its new lines: the key and how many not.
    std::vector<std::string> LinesLeftOut;
};
// Adds the keys of import to tbRegAdd and tbRegDel. A key its list holds already takes the new
// lines when merge is true (a line replaces the one of the same parameter name, others are
// appended) and is left alone otherwise. Neither a list nor a key's lines pass kMaxTableRows.
TRegApplyResult ApplyRegImport(TProject& project, const TRegImport& import, bool merge);

} // namespace tv
