// Project Load on any bytes, then the format's limit check and the build's Check, as the console
// tool's `check` runs them.
#include "core/ProjectFile.h"
#include "deploy/ProjectCheck.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tv::TProject project;
    try {
        tv::LoadProjectText(project, std::string(reinterpret_cast<const char*>(data), size),
                            "/nonexistent/fuzz/project.tvx");
    } catch (const tv::EProjectFileError&) {
        return 0;
    }
    tv::CheckProjectLimits(project);
    tv::CheckProject(project);
    return 0;
}
