// Whatever a registry export holds, what its import takes is what the project file and the engine
// can keep: every line is one the engine reads, no line or key holds a line break or another control
// character, no key holds more lines than the file numbers, no key is there twice in other letters,
// and the project the import was added to (twice, merging) can be saved.
#include "core/ChangeLines.h"
#include "core/ProjectFile.h"
#include "core/RegFileImport.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", what, text.c_str());
    std::abort();
}

bool HasControlCharacter(const std::string& s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tv::TRegImport import;
    std::string error;
    if (!tv::ParseRegFile(std::string(reinterpret_cast<const char*>(data), size), import, error)) {
        if (error.empty())
            Fail("a refused file without a reason", "");
        return 0;
    }
    std::set<std::string> keys;
    for (const auto& k : import.Keys) {
        if (HasControlCharacter(k.Key))
            Fail("a key with a control character", k.Key);
        if (!keys.insert((k.Delete ? "-" : "+") + tv::FoldCase(k.Key)).second)
            Fail("a key twice", k.Key);
        if (k.Delete && !k.Lines.empty())
            Fail("a deleted key with lines", k.Key);
        if (k.Lines.size() > static_cast<std::size_t>(tv::kMaxTableRows))
            Fail("a key with more lines than the file can number", k.Key);
        for (const auto& line : k.Lines) {
            if (HasControlCharacter(line))
                Fail("a line with a control character", line);
            if (!tv::RegLineProblem(line).empty())
                Fail("a line the engine misreads", line + " (" + tv::RegLineProblem(line) + ")");
        }
    }
    tv::TProject project;
    tv::ApplyRegImport(project, import, true);
    tv::ApplyRegImport(project, import, true);
    if (const auto problems = tv::CheckProjectLimits(project); !problems.empty())
        Fail("an import the project file cannot keep", problems.front());
    return 0;
}
