// The text Save writes for any project a file loads into is what the keyed store holds after the
// project's values are written into it one by one: case twins, odd values and all.
#include "core/ProjectFile.h"
#include "tests/support/ProjectTextThroughStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tv::TProject project;
    try {
        tv::LoadProjectText(project, std::string(reinterpret_cast<const char*>(data), size),
                            "/nonexistent/fuzz/project.tvx");
    } catch (const tv::EProjectFileError&) {
        return 0;
    }
    if (tv::ProjectFileText(project) != tvtest::TextThroughStore(project)) {
        std::fprintf(stderr, "the text written straight differs from the keyed store's\n");
        std::abort();
    }
    return 0;
}
