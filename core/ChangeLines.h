#pragma once
// The parameter lines of registry and INI changes: the editors build them, the memos mark the lines
// the engine would misread. A registry line is name=value,type[,flags] (type 0 string, 1 numeric,
// 2 binary); an INI line is name=value[,flags]. The engine splits a line at its first "=" and the
// rest at its commas, so a comma inside a value ends it.

#include "core/CaseFold.h"
#include "core/FolderVariables.h" // kIniTargets: the folders an INI file may sit in

#include <string>
#include <vector>

namespace tv {

// The registry roots the engine knows, in the editor's order.
extern const std::vector<std::string> kRegRoots; // "HKCR", "HKCU", "HKLM", "HKU"
// The flag items of both editors; item 0 ("None") writes no flags.
extern const std::vector<std::string> kChangeFlags;
// The registry value types by their digit: "0 - String ", "1 - Numeric", "2 - Binary".
extern const std::vector<std::string> kRegTypes;

// name=value,type or name=value,type,flags (flagsIndex into kChangeFlags, 0 for none).
std::string RegLine(const std::string& name, const std::string& value, int type, int flagsIndex);
// name=value or name=value,flags.
std::string IniLine(const std::string& name, const std::string& value, int flagsIndex);

// Why the engine would misread line; empty when the line is sound. Empty lines are sound: the
// build skips them.
std::string RegLineProblem(const std::string& line);
std::string IniLineProblem(const std::string& line);

// Why an INI line cannot carry name as its key (file and shortcut names become keys of the install
// list): an "=" ends the key early, a leading ";" makes the line a comment and a leading "[" a
// section, blanks at either end are trimmed, and a control character breaks the line. Empty when
// the name is safe.
std::string IniKeyNameProblem(const std::string& name);

// The key of an INI change: target|file|section.
std::string IniKey(const std::string& target, const std::string& file, const std::string& section);
// The three parts of an INI key; missing parts are empty.
struct TIniKeyParts {
    std::string Target, File, Section;
};
TIniKeyParts SplitIniKey(std::string key);

// The first record index whose key equals key without regard to case; -1 when none.
template <class Table> int IndexOfKeyIgnoringCase(const Table& table, const std::string& key) {
    for (int i = 0; i < table.Count(); ++i)
        if (SameText(table.Records[i].Key, key))
            return i;
    return -1;
}

} // namespace tv
