// Saving what was loaded is a fixed point: the text written, loaded and written again is the same
// bytes, for any file that loads and any project Save accepts.
#include "core/ProjectFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* const name = "/nonexistent/fuzz/project.tvx";
    tv::TProject project;
    try {
        tv::LoadProjectText(project, std::string(reinterpret_cast<const char*>(data), size), name);
    } catch (const tv::EProjectFileError&) {
        return 0;
    }
    if (!tv::CheckProjectLimits(project).empty())
        return 0; // Save refuses it
    const std::string first = tv::ProjectFileText(project);
    tv::TProject reloaded;
    try {
        tv::LoadProjectText(reloaded, first, name);
    } catch (const tv::EProjectFileError& e) {
        std::fprintf(stderr, "what Save wrote does not load: %s\n", e.what());
        std::abort();
    }
    if (!tv::CheckProjectLimits(reloaded).empty() || tv::ProjectFileText(reloaded) != first) {
        std::fprintf(stderr, "save, load and save again changed the text\n");
        std::abort();
    }
    return 0;
}
