#pragma once
// The project file's text as the keyed store holds it after every value is written into it key by
// key, in the order of the format (a key written again replaces its line in place): what the text
// written straight from the project must equal. Shared by the tests and the fuzz targets.

#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"
#include "core/kvIniFile.h"

#include <string>

namespace tvtest {

// Every value written into a keyed store, in the order of the format.
inline std::string TextThroughStore(const tv::TProject& p) {
    using namespace tv;
    TkvIniFile ini(std::string(), false);
    const auto put = [&](const std::string& section, const std::string& key, const std::string& value) {
        ini.WriteString(section, key, ValueReadBackAs(value));
    };
    const auto row = [](const std::string& prefix, std::size_t i) { return prefix + ZeroPad(i, 3); };
    put("Info", "Generator", kInfoGenerator);
    put("Info", "Copyright", kInfoCopyright);
    put("Info", "Homepage", kInfoHomepage);
    put("Info", "TZN Needed", kInfoTznNeeded);
    put("Info", "TZN Copyright", kInfoTznCopyright);
    put("Info", "TZN Homepage", kInfoTznHomepage);
    for (const TSetting& setting : ProjectSettings())
        put(setting.Section, setting.Key, SettingText(p, setting));
    ini.WriteInteger("Main_Window", "Bitmap", static_cast<int>(p.StaticBitmaps.size()));
    for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i) {
        const TStaticBitmap& b = p.StaticBitmaps[i];
        put("Main_Window", "Bitmap." + ZeroPad(i + 1, 2), b.File + "," + b.Coord + "," + b.Transparency);
    }
    ini.WriteInteger("Files", "Files", p.tbFiles.Count());
    for (std::size_t i = 0; i < p.tbFiles.Records.size(); ++i) {
        const TFileRecord& r = p.tbFiles.Records[i];
        put("Files", row("File", i), r.FileName + "|" + r.FilePath + "|" + r.FlagsText());
    }
    ini.WriteInteger("Shortcuts", "Shortcuts", p.tbShortcuts.Count());
    for (std::size_t i = 0; i < p.tbShortcuts.Records.size(); ++i) {
        const TShortcutRecord& r = p.tbShortcuts.Records[i];
        put("Shortcuts", row("Shortcut", i),
            r.ProgramGroup + "|" + r.Shortcuts + "|" + r.Target + "|" + r.Arguments + "|" + r.WorkDirectory);
    }
    const struct {
        const char *Section, *CountKey, *RowKey;
        const TRecordTable<TContentsRecord>& Table;
    } tables[] = {{"Registry.Add", "Registries", "RegAdd", p.tbRegAdd},
                  {"Registry.Del", "Registries", "RegDel", p.tbRegDel},
                  {"INIChanges", "Changes", "Changes", p.tbINI}};
    for (const auto& t : tables) {
        ini.WriteInteger(t.Section, t.CountKey, t.Table.Count());
        for (std::size_t i = 0; i < t.Table.Records.size(); ++i)
            put(t.Section, row(t.RowKey, i), t.Table.Records[i].Key);
        for (const auto& r : t.Table.Records) {
            const std::string section = std::string(t.Section) + "." + r.Key;
            const auto lines = ContentsLines(r.Contents);
            ini.WriteInteger(section, "Items", static_cast<int>(lines.size()));
            for (std::size_t i = 0; i < lines.size(); ++i)
                put(section, row("Item", i), lines[i]);
        }
    }
    const std::pair<const char*, const TRunList*> runs[] = {{"Before", &p.RunBefore},
                                                            {"After", &p.RunAfter},
                                                            {"BeforeUn", &p.RunBeforeUn},
                                                            {"AfterUn", &p.RunAfterUn}};
    for (const auto& [name, list] : runs) {
        const std::string section = std::string("Run.") + name, key = std::string("Run") + name;
        ini.WriteInteger(section, key, static_cast<int>(list->size()));
        for (std::size_t i = 0; i < list->size(); ++i) {
            const TRunRecord& r = (*list)[i];
            put(section, row(key, i),
                r.Application + "|" + r.Argument + "|" + r.WorkingDirectory + "|" + r.Message + "|" + r.Flag);
        }
    }
    return ini.ContentText();
}

} // namespace tvtest
