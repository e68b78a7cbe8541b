#include "deploy/ProjectCheck.h"

#include "core/ChangeLines.h"
#include "core/FontSpec.h"
#include "core/HostPath.h"
#include "core/kvIniFile.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/FileUtils.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <set>
#include <tuple>

namespace tv {

namespace {

using TTexts = std::vector<TFoundText>;

TFindingPlace RowPlace(const char* table, std::size_t index) {
    return {table, static_cast<int>(index) + 1, {}};
}
TFindingPlace SettingPlace(const char* setting) {
    return {{}, 0, setting};
}

// A project value (code page) in a message (UTF-8).
std::string Quoted(const std::string& value) {
    return "\"" + AnsiToUtf8(value) + "\"";
}

std::string QuotedPath(const std::string& path) {
    return "\"" + HostPathShown(path) + "\"";
}

std::string RowOf(int index) {
    return "row " + std::to_string(index + 1);
}

// The folder and the name of an engine path: "%InstallPath%\Help\a.hlp" gives "%InstallPath%\Help"
// and "a.hlp".
void SplitEnginePath(const std::string& path, std::string& folder, std::string& name) {
    const auto slash = path.rfind('\\');
    folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameFolded(const std::string& a, const std::string& b) {
    return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

std::string TrimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// ---- errors

void FindBuildRefusals(const TProject& p, TFileLooks& looks, TTexts& out) {
    for (std::string& refusal : BuildRefusals(p, looks))
        out.push_back(std::move(refusal));
}

// Sources the build copies: they must be there and be regular files.
void FindMissingSources(const TProject& p, TFileLooks& looks, TTexts& out) {
    auto look = [&](const std::string& what, const std::string& path, TFindingPlace place) {
        if (IsBlank(path))
            return;
        const std::string resolved = ResolveProjectPath(p, path);
        const TFileLook& seen = looks(resolved);
        const std::string& problem = seen.Problem;
        if (problem.empty())
            return;
        // One message per reason, the system's own: a name too long for the system is not "missing".
        if (seen.Absent && !seen.Link)
            out.push_back({what + " " + QuotedPath(resolved) + " does not exist.", std::move(place)});
        else
            out.push_back({what + " " + QuotedPath(resolved) + " cannot be copied: " + problem + ".",
                           std::move(place)});
    };
    for (std::size_t i = 0; i < p.tbFiles.Records.size(); ++i)
        look("Source file", p.tbFiles.Records[i].FileName, RowPlace("Files", i));
    look("Readme", p.AppReadme, SettingPlace("Start.App.Readme"));
    look("Licence", p.AppLicense, SettingPlace("Start.App.License"));
    look("Title bitmap", p.DialogTitleBMP, SettingPlace("Dialog.Title.BMP"));
    for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i)
        look("Static bitmap", p.StaticBitmaps[i].File, RowPlace("Main_Window.Bitmap", i));
}

// Files copied under their own name must be able to keep it.
void FindSourceNames(const TProject& p, TFileLooks&, TTexts& out) {
    auto look = [&](const std::string& what, const std::string& path, TFindingPlace place) {
        if (IsBlank(path))
            return;
        const std::string resolved = ResolveProjectPath(p, path);
        if (const std::string problem = SourceNameProblem(resolved); !problem.empty())
            out.push_back(
                {what + " " + QuotedPath(resolved) + " cannot be installed under its name: " + problem + ".",
                 std::move(place)});
    };
    for (std::size_t i = 0; i < p.tbFiles.Records.size(); ++i)
        look("Source file", p.tbFiles.Records[i].FileName, RowPlace("Files", i));
    for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i)
        look("Static bitmap", p.StaticBitmaps[i].File, RowPlace("Main_Window.Bitmap", i));
}

void FindSameDestinations(const TProject& p, TFileLooks&, TTexts& out) {
    for (std::string& clash : DestinationClashes(p))
        out.push_back(std::move(clash));
}

// A file's name (with its sub-folder) is the key of its line in the install list.
void FindFileNameKeys(const TProject& p, TFileLooks&, TTexts& out) {
    const auto& rows = p.tbFiles.Records;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string path = IncludeTrailingBackslash(rows[i].FilePath);
        SplitFirst(path, "\\");
        const std::string key = path + ExtractFileName(rows[i].FileName);
        if (const std::string problem = IniKeyNameProblem(key); !problem.empty())
            out.push_back({"File " + Quoted(key) + " (" + RowOf(static_cast<int>(i)) +
                               " of the files): " + problem + ".",
                           RowPlace("Files", i)});
    }
}

void FindShortcutNameKeys(const TProject& p, TFileLooks&, TTexts& out) {
    const auto& rows = p.tbShortcuts.Records;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (const std::string problem = IniKeyNameProblem(rows[i].Shortcuts); !problem.empty())
            out.push_back({"Shortcut " + Quoted(rows[i].Shortcuts) + " (" + RowOf(static_cast<int>(i)) +
                               " of the shortcuts): " + problem + ".",
                           RowPlace("Shortcuts", i)});
}

void FindChangeLines(const TProject& p, TFileLooks&, TTexts& out) {
    auto look = [&](const TRecordTable<TContentsRecord>& table, const char* what, const char* section,
                    std::string (*problemOf)(const std::string&)) {
        for (std::size_t i = 0; i < table.Records.size(); ++i) {
            const TContentsRecord& rec = table.Records[i];
            for (const std::string& line : rec.Contents) {
                std::string problem;
                if (std::any_of(line.begin(), line.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 32; }))
                    problem = "The line holds a control character, which breaks it";
                else
                    problem = problemOf(line);
                if (!problem.empty())
                    out.push_back({std::string(what) + " " + Quoted(rec.Key) + ", line " + Quoted(line) +
                                       ": " + problem + ".",
                                   RowPlace(section, i)});
            }
        }
    };
    look(p.tbRegAdd, "Registry key to add", "Registry.Add", &RegLineProblem);
    look(p.tbRegDel, "Registry key to remove", "Registry.Del", &RegLineProblem);
    look(p.tbINI, "INI change", "INIChanges", &IniLineProblem);
}

void FindBitmapFormats(const TProject& p, TFileLooks& looks, TTexts& out) {
    // Bitmaps the build copies and that are missing are named by the missing-source rule already.
    // The background bitmap is not copied: its path is handed on as typed, and a project file
    // without one names "bricks.bmp", so only one that is there is looked into.
    auto look = [&](const std::string& what, const std::string& path, bool copied, TFindingPlace place) {
        if (IsBlank(path))
            return;
        const std::string resolved = ResolveProjectPath(p, path);
        const TFileLook& seen = looks(resolved);
        if (!seen.Problem.empty() &&
            (copied || seen.Kind == TFileKind::Missing || seen.Kind == TFileKind::Folder))
            return;
        if (const std::string problem = BitmapFileProblem(resolved); !problem.empty())
            out.push_back(
                {what + " " + QuotedPath(resolved) + " is no bitmap the setup can show: " + problem + ".",
                 std::move(place)});
    };
    look("Title bitmap", p.DialogTitleBMP, true, SettingPlace("Dialog.Title.BMP"));
    look("Background bitmap", p.MainBGBitmap, false, SettingPlace("Main_Window.BG.Bitmap"));
    for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i)
        look("Static bitmap", p.StaticBitmaps[i].File, true, RowPlace("Main_Window.Bitmap", i));
}

// ---- warnings

// The run lists' texts are written between double quotes; one inside ends the column early.
void FindRunQuotes(const TProject& p, TFileLooks&, TTexts& out) {
    const std::tuple<const TRunList*, const char*, const char*> lists[] = {
        {&p.RunBefore, "before installation", "Run.Before"},
        {&p.RunAfter, "after installation", "Run.After"},
        {&p.RunBeforeUn, "before uninstallation", "Run.BeforeUn"},
        {&p.RunAfterUn, "after uninstallation", "Run.AfterUn"},
    };
    for (const auto& [list, when, section] : lists)
        for (std::size_t i = 0; i < list->size(); ++i) {
            const TRunRecord& run = (*list)[i];
            const std::pair<const std::string*, const char*> columns[] = {
                {&run.Application, "Application"},
                {&run.Argument, "Arguments"},
                {&run.WorkingDirectory, "Working Directory"},
                {&run.Message, "Message"},
            };
            for (const auto& [text, column] : columns)
                if (text->find('"') != std::string::npos)
                    out.push_back({"Program " + Quoted(run.Application) + " run " + when + ": its " + column +
                                       " " + Quoted(*text) +
                                       " holds a double quote, which ends the column early.",
                                   RowPlace(section, i)});
        }
}

// A shortcut's arguments and working folder are written without quotes between commas.
void FindShortcutCommas(const TProject& p, TFileLooks&, TTexts& out) {
    for (std::size_t i = 0; i < p.tbShortcuts.Records.size(); ++i) {
        const TShortcutRecord& rec = p.tbShortcuts.Records[i];
        const std::pair<const std::string*, const char*> columns[] = {
            {&rec.Arguments, "Arguments"},
            {&rec.WorkDirectory, "Working Directory"},
        };
        for (const auto& [text, column] : columns)
            if (text->find(',') != std::string::npos)
                out.push_back({"Shortcut " + Quoted(rec.Shortcuts) + ": its " + column + " " + Quoted(*text) +
                                   " holds a comma, which the setup reads as the end of the column.",
                               RowPlace("Shortcuts", i)});
    }
}

// A program run after installation (or before uninstallation) from a folder the project installs
// files to must be one of them; the run dialog suggests bare names, so a file placed in a
// sub-folder is easily run from the wrong place.
void FindRunProgramsNotInstalled(const TProject& p, TFileLooks&, TTexts& out) {
    // Folded the way the engine's system compares names. Only the folders a program is run from
    // are gathered: most projects run one or two programs of many files.
    struct TRun {
        const TRunRecord* Run;
        const char* When;
        const char* Section;
        std::size_t Row;
        std::string Folder, Name; // folded
    };
    std::vector<TRun> runs;
    const std::tuple<const TRunList*, const char*, const char*> lists[] = {
        {&p.RunAfter, "after installation", "Run.After"},
        {&p.RunBeforeUn, "before uninstallation", "Run.BeforeUn"},
    };
    for (const auto& [list, when, section] : lists)
        for (std::size_t i = 0; i < list->size(); ++i) {
            std::string folder, name;
            SplitEnginePath((*list)[i].Application, folder, name);
            if (!folder.empty() && !name.empty())
                runs.push_back({&(*list)[i], when, section, i, FoldCase(folder), FoldCase(name)});
        }
    if (runs.empty())
        return;
    std::set<std::string> runFolders, folders, installed;
    for (const TRun& run : runs)
        runFolders.insert(run.Folder);
    for (const TFileRecord& rec : p.tbFiles.Records) {
        std::string folder = FoldCase(ExcludeTrailingBackslash(rec.FilePath));
        if (!runFolders.count(folder))
            continue;
        installed.insert(folder + "\\" + FoldCase(ExtractFileName(rec.FileName)));
        folders.insert(std::move(folder));
    }
    for (const TRun& run : runs)
        if (folders.count(run.Folder) && !installed.count(run.Folder + "\\" + run.Name)) {
            std::string folder, name;
            SplitEnginePath(run.Run->Application, folder, name);
            out.push_back({"Program " + Quoted(run.Run->Application) + " run " + run.When +
                               " is not among the files " + "installed to " + Quoted(folder) + ".",
                           RowPlace(run.Section, run.Row)});
        }
}

void FindShortcutGroupSubFolders(const TProject& p, TFileLooks&, TTexts& out) {
    for (std::size_t i = 0; i < p.tbShortcuts.Records.size(); ++i) {
        const TShortcutRecord& rec = p.tbShortcuts.Records[i];
        std::string rest = IncludeTrailingBackslash(rec.ProgramGroup);
        const std::string root = SplitFirst(rest, "\\");
        if (!ExcludeTrailingBackslash(rest).empty())
            out.push_back({"Shortcut " + Quoted(rec.Shortcuts) + ": the setup places it in " + Quoted(root) +
                               "; the sub-folder of its group " + Quoted(rec.ProgramGroup) + " is dropped.",
                           RowPlace("Shortcuts", i)});
    }
}

void FindInstallFolderBackslash(const TProject& p, TFileLooks&, TTexts& out) {
    const std::string& rest = p.AppInstFolderName;
    if (!rest.empty() && rest[0] != '\\')
        out.push_back({"The installation folder is " + Quoted(p.AppInstallText()) + ": its rest " +
                           Quoted(rest) + " does not begin with \"\\\", so it joins the folder's name.",
                       SettingPlace("Start.App.Install")});
}

void FindUncommonFonts(const TProject& p, TFileLooks&, TTexts& out) {
    const std::tuple<const std::string*, const char*, const char*> fonts[] = {
        {&p.MainTitleFont, "main window's title font", "Main_Window.Title.Font"},
        {&p.DialogTitleFont, "dialog title font", "Dialog.Title.Font"},
        {&p.DialogFont, "dialog font", "Dialog.Font"},
    };
    for (const auto& [text, what, setting] : fonts) {
        const std::string face = TrimBlanks(SplitFontSpec(*text).Face);
        if (!face.empty() && !IsCommonWindowsFont(face))
            out.push_back({std::string("The ") + what + " " + Quoted(face) +
                               " is not on every Windows system; " +
                               "where it is missing, the setup shows another font.",
                           SettingPlace(setting)});
    }
}

void FindEmptyRegistryKeys(const TProject& p, TFileLooks&, TTexts& out) {
    for (std::size_t i = 0; i < p.tbRegAdd.Records.size(); ++i) {
        const TContentsRecord& rec = p.tbRegAdd.Records[i];
        if (std::all_of(rec.Contents.begin(), rec.Contents.end(),
                        [](const std::string& line) { return line.empty(); }))
            out.push_back({"Registry key to add " + Quoted(rec.Key) +
                               " has no values; the setup only creates " + "the key.",
                           RowPlace("Registry.Add", i)});
    }
}

const std::vector<TCheckRule> kRules = {
    {kBuildSettingsRule, TFindingKind::Error,
     "The deployment folder, project name, destinations and row counts allow no build", &FindBuildRefusals},
    {"missing-source", TFindingKind::Error, "A file the build copies is missing or is no regular file",
     &FindMissingSources},
    {"source-name", TFindingKind::Error, "A file whose name the setup cannot keep (a \"\\\" in it)",
     &FindSourceNames},
    {"same-destination", TFindingKind::Error, "Two files would be copied to one place",
     &FindSameDestinations},
    {"file-name-key", TFindingKind::Error, "A file name the install list cannot hold as a key",
     &FindFileNameKeys},
    {"shortcut-name-key", TFindingKind::Error, "A shortcut name the install list cannot hold as a key",
     &FindShortcutNameKeys},
    {"change-line", TFindingKind::Error, "A registry or INI change line the setup cannot read",
     &FindChangeLines},
    {"bitmap-format", TFindingKind::Error, "A title, background or static bitmap that is no readable BMP",
     &FindBitmapFormats},
    {"run-quotes", TFindingKind::Warning, "A double quote inside a quoted column of a program to run",
     &FindRunQuotes},
    {"shortcut-commas", TFindingKind::Warning, "A comma in a shortcut's arguments or working folder",
     &FindShortcutCommas},
    {"run-not-installed", TFindingKind::Warning,
     "A program run after installation or before uninstallation that is not installed where it is run",
     &FindRunProgramsNotInstalled},
    {"shortcut-group-folder", TFindingKind::Warning, "A shortcut group with a sub-folder, which is dropped",
     &FindShortcutGroupSubFolders},
    {"install-folder", TFindingKind::Warning, "An installation folder whose rest does not begin with \"\\\"",
     &FindInstallFolderBackslash},
    {"font", TFindingKind::Warning, "A title or dialog font that not every Windows system has",
     &FindUncommonFonts},
    {"empty-registry-key", TFindingKind::Warning, "A registry key to add without values",
     &FindEmptyRegistryKeys},
};

std::uint32_t LittleEndian(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

} // namespace

const std::vector<TCheckRule>& CheckRules() {
    return kRules;
}

TFindings CheckProject(const TProject& project) {
    TFileLooks looks;
    TFindings findings = CheckProject(project, TFindingKind::Error, looks);
    TFindings warnings = CheckProject(project, TFindingKind::Warning, looks);
    findings.insert(findings.end(), std::make_move_iterator(warnings.begin()),
                    std::make_move_iterator(warnings.end()));
    return findings;
}

TFindings CheckProject(const TProject& project, TFindingKind kind, TFileLooks& looks) {
    TFindings findings;
    for (const TCheckRule& rule : kRules) {
        if (rule.Kind != kind)
            continue;
        TTexts texts;
        rule.Find(project, looks, texts);
        for (TFoundText& found : texts)
            findings.push_back({kind, rule.Name, std::move(found.Text), std::move(found.Place)});
    }
    return findings;
}

std::vector<std::string> FindingTexts(const TFindings& findings, TFindingKind kind) {
    std::vector<std::string> texts;
    for (const TFinding& f : findings)
        if (f.Kind == kind)
            texts.push_back(f.Text);
    return texts;
}

bool HasErrors(const TFindings& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const TFinding& f) { return f.Kind == TFindingKind::Error; });
}

const std::vector<std::string>& CommonWindowsFonts() {
    static const std::vector<std::string> fonts = {
        "Arial",
        "Arial Black",
        "Comic Sans MS",
        "Courier",
        "Courier New",
        "Georgia",
        "Impact",
        "Lucida Console",
        "Lucida Sans Unicode",
        "Marlett",
        "Microsoft Sans Serif",
        "MS Sans Serif",
        "MS Serif",
        "Palatino Linotype",
        "Segoe UI",
        "Small Fonts",
        "Symbol",
        "System",
        "Tahoma",
        "Times New Roman",
        "Trebuchet MS",
        "Verdana",
        "Webdings",
        "Wingdings",
    };
    return fonts;
}

bool IsCommonWindowsFont(const std::string& face) {
    const auto& fonts = CommonWindowsFonts();
    return std::any_of(fonts.begin(), fonts.end(), [&](const std::string& f) { return SameFolded(f, face); });
}

std::string BitmapFileProblem(const std::string& path) {
    if (const std::string problem = SourceFileProblem(path); !problem.empty())
        return problem;
    std::ifstream in(HostPath(path), std::ios::binary);
    if (!in)
        return "it cannot be opened";
    in.seekg(0, std::ios::end);
    const std::uint64_t size = static_cast<std::uint64_t>(in.tellg());
    in.seekg(0);
    std::array<unsigned char, 14 + 40> h{};
    in.read(reinterpret_cast<char*>(h.data()), static_cast<std::streamsize>(h.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (size == 0)
        return "the file is empty";
    if (got < 2 || h[0] != 'B' || h[1] != 'M')
        return "it does not begin as a BMP file does";
    if (got < 18)
        return "the file ends inside its header";
    const std::uint32_t offBits = LittleEndian(&h[10], 4);
    const std::uint32_t infoSize = LittleEndian(&h[14], 4);
    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bpp = 0, compression = 0;
    if (infoSize == 12) {
        if (got < 26)
            return "the file ends inside its header";
        width = LittleEndian(&h[18], 2);
        height = LittleEndian(&h[20], 2);
        planes = LittleEndian(&h[22], 2);
        bpp = LittleEndian(&h[24], 2);
    } else if (infoSize >= 40 && infoSize <= 124) {
        if (got < 54 || size < 14 + infoSize)
            return "the file ends inside its header";
        width = static_cast<std::int32_t>(LittleEndian(&h[18], 4));
        height = static_cast<std::int32_t>(LittleEndian(&h[22], 4));
        planes = LittleEndian(&h[26], 2);
        bpp = LittleEndian(&h[28], 2);
        compression = LittleEndian(&h[30], 4);
    } else {
        return "its header is of an unknown kind";
    }
    if (width <= 0 || height == 0 || planes != 1)
        return "its header gives no picture size";
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return "it has " + std::to_string(bpp) + " bits per pixel";
    const bool rle = (compression == 1 && bpp == 8) || (compression == 2 && bpp == 4);
    if (compression != 0 && compression != 3 && !rle)
        return "its pixels are stored in a way the setup does not read";
    if (offBits < 14 + infoSize || offBits >= size)
        return "its pixel data lies outside the file";
    if (!rle) {
        const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bpp + 31) / 32 * 4;
        const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
        if (offBits + stride * rows > size)
            return "the file is cut short: its pixel data ends early";
    }
    return {};
}

} // namespace tv
