// Whatever engine files hold, their import is a project that saves, loads and saves again to the
// same text, every limit it breaks is among what the import lists, and an import that lists nothing
// is read back from the files the writers make of it as the same project.
//
// Input: the parts script, TZNS.INI, APP.INS, the files of Data and the files of Presetup (one name
// a line), separated by NUL bytes; a part that is not there is a missing file or an empty folder.
#include "core/ProjectFile.h"
#include "deploy/ScriptImport.h"
#include "deploy/ScriptWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", what, text.c_str());
    std::abort();
}

std::vector<std::string> Names(const std::string& part) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < part.size()) {
        std::size_t end = part.find('\n', start);
        if (end == std::string::npos)
            end = part.size();
        if (end > start)
            names.push_back(part.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

tv::TImportedScript Import(const tv::TEngineFiles& files) {
    try {
        return tv::ImportEngineFiles(files);
    } catch (const tv::ETvError& e) {
        if (std::string(e.what()).empty())
            Fail("a refused script without a reason", "");
        throw;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t nul = input.find('\0', start);
        parts.push_back(input.substr(start, nul == std::string::npos ? std::string::npos : nul - start));
        if (nul == std::string::npos)
            break;
        start = nul + 1;
    }
    tv::TEngineFiles files;
    files.ScriptPath = "/nonexistent/fuzz/setup.TZN";
    files.Script = parts[0];
    files.ImageFound = parts.size() > 1;
    files.ImageRoot = "/nonexistent/fuzz/setup";
    files.Presetup = files.ImageRoot + "/Presetup";
    files.Data = files.ImageRoot + "/Data";
    if (parts.size() > 1)
        files.Settings = parts[1];
    if (parts.size() > 2)
        files.Install = parts[2];
    if (parts.size() > 3)
        files.DataFiles = Names(parts[3]);
    if (parts.size() > 4)
        files.PresetupFiles = Names(parts[4]);

    tv::TImportedScript imported;
    try {
        imported = Import(files);
    } catch (const tv::ETvError&) {
        return 0;
    }
    const tv::TProject& project = imported.Project;
    if (project.FileName != "*UNTITLED" || !project.Modified)
        Fail("an import that is not a new, unsaved project", project.FileName);

    const std::vector<std::string> limits = tv::CheckProjectLimits(project);
    for (const std::string& problem : limits)
        if (std::find(imported.Losses.begin(), imported.Losses.end(), problem) == imported.Losses.end())
            Fail("a limit the import does not list", problem);
    if (!limits.empty())
        return 0; // Save refuses it, naming the value

    const std::string text = tv::ProjectFileText(project);
    tv::TProject loaded;
    try {
        tv::LoadProjectText(loaded, text, "/nonexistent/fuzz/setup.tvx");
    } catch (const tv::EProjectFileError& e) {
        Fail("an imported project that does not load", e.what());
    }
    if (tv::ProjectFileText(loaded) != text)
        Fail("an imported project that loads as another", text);

    if (!imported.Losses.empty())
        return 0;
    // Nothing lost: the writers' files of the project hold all it holds.
    tv::TProject named = project;
    named.FileName = "/nonexistent/fuzz/" + imported.ProjectName + ".tvx";
    const tv::TEngineTexts again = tv::EngineFileTexts(named);
    tv::TEngineFiles rewritten = files;
    rewritten.Script = again.Script;
    if (rewritten.Settings)
        rewritten.Settings = again.Settings;
    if (rewritten.Install)
        rewritten.Install = again.Install;
    const tv::TImportedScript second = Import(rewritten);
    if (tv::ProjectFileText(second.Project) != text)
        Fail("the writers' files of an import read back as another project", text);
    return 0;
}
