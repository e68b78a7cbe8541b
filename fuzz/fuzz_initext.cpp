// The read-only parse of a file's text (TIniText) against the keyed store on any bytes, with the
// parse options on and off: the same refusal; for every section and key the store holds, the same
// first value by any spelling; the rows found in one pass are those a lookup per number finds.
#include "core/Project.h"
#include "core/kvIniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Require(bool ok) {
    if (!ok)
        std::abort();
}

std::string ErrorOf(void (*load)(void*, const std::string&), void* target, const std::string& bytes) {
    try {
        load(target, bytes);
    } catch (const tv::EInOutError& e) {
        return std::string(e.what()) + ": " + e.Reason();
    }
    return {};
}

void Compare(const std::string& bytes, const tv::TIniParseOptions& options) {
    tv::TkvIniFile store(std::string(), true, options);
    tv::TIniText text(options);
    const std::string storeError =
        ErrorOf([](void* s, const std::string& b) { static_cast<tv::TkvIniFile*>(s)->LoadText(b, "f.ini"); },
                &store, bytes);
    const std::string textError =
        ErrorOf([](void* t, const std::string& b) { static_cast<tv::TIniText*>(t)->LoadText(b, "f.ini"); },
                &text, bytes);
    Require(storeError == textError);
    if (!storeError.empty())
        return;
    std::vector<std::string> names;
    store.ReadSections(names);
    int prefixes = 0;
    std::vector<const tv::TIniText::TLine*> rows;
    for (std::size_t s = 0; s < names.size(); ++s) {
        const std::string& name = names[s];
        const int section = text.FindSection(tv::FoldCase(name));
        Require(section >= 0);
        Require(text.FindSection(name, static_cast<int>(s)) == section);
        std::vector<std::string> keys;
        store.ReadSection(name, keys);
        for (const auto& key : keys) {
            const tv::TIniText::TLine* line = text.Find(section, tv::FoldCase(key));
            Require(line != nullptr && line->Value == store.ReadString(name, key, "\x01"));
            // Keys ending in three digits: their rows, found in one pass, against a lookup each.
            const std::size_t n = key.size();
            if (n < 3 || prefixes >= 4 || key.find_first_not_of("0123456789", n - 3) != std::string::npos)
                continue;
            ++prefixes;
            const std::string prefix = key.substr(0, n - 3);
            text.NumberedLines(section, tv::FoldCase(prefix), 3, rows);
            for (int row = 0; row < 1000; ++row)
                Require(rows[static_cast<std::size_t>(row)] ==
                        text.Find(section, prefix + tv::ZeroPad(row, 3)));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Compare(bytes, {});
    tv::TIniParseOptions off;
    off.SkipComments = off.RequireEquals = off.TrimAroundEquals = off.Unquote = off.TrimTrailing = false;
    Compare(bytes, off);
    return 0;
}
