// The keyed INI store on any bytes: parsing, lookups, edits and writing back stay within bounds,
// and a refused file leaves the store empty.
#include "core/kvIniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    tv::TkvIniFile ini(std::string(), false);
    try {
        ini.LoadText(bytes, "fuzz.ini");
    } catch (const tv::EInOutError&) {
        if (ini.Sections().Count() != 0)
            std::abort();
        return 0;
    }
    std::vector<std::string> names;
    ini.ReadSections(names);
    for (const auto& name : names) {
        std::vector<std::string> keys, values;
        ini.ReadSection(name, keys);
        ini.ReadSectionValues(name, values);
        for (const auto& key : keys) {
            // A key reads back the value of its first line, whichever spelling is asked.
            const std::string value = ini.ReadString(tv::FoldCase(name), tv::FoldCase(key), "\x01");
            if (!key.empty() && value == "\x01")
                std::abort();
            ini.ReadInteger(name, key, 0);
        }
    }
    // What the store writes loads again (the store's own quirks, such as a kept line that looks like a
    // section header, may reshape it, so only that it loads is asked).
    tv::TkvIniFile again(std::string(), false);
    again.LoadText(ini.ContentText(), "again.ini");
    if (!names.empty()) {
        ini.WriteString(names.front(), "fuzz", tv::ValueReadBackAs(bytes.substr(0, 64)));
        ini.DeleteKey(names.back(), "fuzz");
        ini.EraseSection(names.front());
    }
    return 0;
}
