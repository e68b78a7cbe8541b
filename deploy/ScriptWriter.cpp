#include "deploy/ScriptWriter.h"

#include "core/ProjectFile.h"
#include "core/kvIniFile.h"
#include "deploy/DeployError.h"
#include "deploy/FileUtils.h"

namespace tv {

const char* const kSettingsFileName = "TZNS.INI";
const char* const kInstallFileName = "APP.INS";

namespace {

void WriteSettings(const TProject& p, TkvIniFile& ini);
void WriteInstall(const TProject& p, TkvIniFile& ini);

const char* const kDialogBitmaps[] = {"DLG_LANGUAGE",  "DLG_LICENSE", "DLG_WELCOME",  "DLG_README",
                                      "DLG_DIR",       "DLG_START",   "DLG_PROGRESS", "DLG_FINISH",
                                      "DLG_NOTFINISH", "DLG_REBOOT",  "DLG_PASSWORD", "DLG_GROUP"};

// Opens the store of one engine file, lets body fill it and writes it now rather than on
// destruction, so that a failure can be told.
template <class F> void WriteEngineFile(const std::string& path, F body) {
    const std::string failure = "Could not write \"" + HostPathShown(path) + "\".";
    try {
        TkvIniFile ini(path, false);
        body(ini);
        // The store keeps the reason of its own failure; the system's last error may be another's.
        if (!ini.UpdateFile())
            throw EDeployError(failure, ini.WriteError());
    } catch (const EInOutError& e) {
        throw EDeployError(failure, e.Reason());
    }
}

// The bytes a writer's body gives, from a store that has no file.
template <class F> std::string EngineFileText(F body) {
    TkvIniFile ini("", false);
    body(ini);
    return ini.ContentText();
}

void WriteScript(const TProject& p, TkvIniFile& ini);

void WriteRunList(TkvIniFile& ini, const TRunList& rows, const std::string& section,
                  const std::string& prefix) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        ini.WriteString(section, prefix + ZeroPad(static_cast<long long>(i), 3), RunEntryValue(rows[i]));
}

// Change lines "name=rest" of a registry or INI record into their section; an empty line or one
// starting with "=" has no name, and the store writes no line for an empty key. A line break
// inside an element starts a new line, as in the project file, so it never ends up in a value.
void WriteContents(TkvIniFile& ini, const std::string& section, const std::vector<std::string>& contents) {
    for (const std::string& line : ContentsLines(contents)) {
        const std::size_t eq = line.find('=');
        const std::string name = eq == std::string::npos ? line : line.substr(0, eq);
        const std::string rest = eq == std::string::npos ? line : line.substr(eq + 1);
        ini.WriteString(section, name, rest);
    }
}

void WriteRegTable(TkvIniFile& ini, const TRecordTable<TContentsRecord>& table,
                   const std::string& listSection, const std::string& prefix) {
    for (const TContentsRecord& rec : table.Records) {
        ini.WriteString(listSection, prefix + rec.Key, rec.Key);
        WriteContents(ini, prefix + rec.Key, rec.Contents);
    }
}

} // namespace

std::string ProjectNameOf(const std::string& projectFileName) {
    const std::string name = ExtractFileName(projectFileName);
    return name.substr(0, name.find('.'));
}

void WriteInfoBlock(TkvIniFile& ini) {
    ini.WriteString("Info", "Generator", kInfoGenerator);
    ini.WriteString("Info", "Homepage", kInfoHomepage);
    ini.WriteString("Info", "TZN Version", kInfoTznNeeded);
    ini.WriteString("Info", "TZN Homepage", kInfoTznHomepage);
}

std::string DialogSequence(const TProject& p) {
    std::string seq;
    if (p.DlgReadme)
        seq = AppendItem(seq, "DLG_README");
    if (p.DlgWelcome)
        seq = AppendItem(seq, "DLG_WELCOME");
    if (p.DlgLicense)
        seq = AppendItem(seq, "DLG_LICENSE");
    if (p.DlgDir)
        seq = AppendItem(seq, "DLG_DIR");
    if (p.DlgGroup)
        seq = AppendItem(seq, "DLG_GROUP");
    if (!p.MiscPassword.empty())
        seq = AppendItem(seq, "DLG_PASSWORD");
    if (p.DlgStart)
        seq = AppendItem(seq, "DLG_START");
    return seq;
}

std::string RunEntryValue(const TRunRecord& run) {
    const std::string mode = run.Flag.substr(0, 1);
    const std::string wait = run.Flag.size() > 1 ? run.Flag.substr(1, 1) : std::string();
    return "\"" + run.Application + "\",\"" + run.Argument + "\",\"" + run.WorkingDirectory + "\"," + mode +
           ",\"" + run.Message + "\"," + wait;
}

std::string StaticBitmapValue(const TStaticBitmap& bitmap) {
    std::string value = ExtractFileName(bitmap.File) + "," + bitmap.Coord;
    if (!bitmap.Transparency.empty())
        value += "," + bitmap.Transparency;
    return value;
}

void WriteScriptFile(const TProject& p, const std::string& scriptPath) {
    WriteEngineFile(scriptPath, [&](TkvIniFile& ini) { WriteScript(p, ini); });
}

void WriteSettingsFile(const TProject& p, const std::string& presetupFolder) {
    WriteEngineFile(JoinPath(presetupFolder, kSettingsFileName),
                    [&](TkvIniFile& ini) { WriteSettings(p, ini); });
}

void WriteInstallFile(const TProject& p, const std::string& presetupFolder) {
    WriteEngineFile(JoinPath(presetupFolder, kInstallFileName),
                    [&](TkvIniFile& ini) { WriteInstall(p, ini); });
}

std::string SettingsFileText(const TProject& p) {
    return EngineFileText([&](TkvIniFile& ini) { WriteSettings(p, ini); });
}

std::string InstallFileText(const TProject& p) {
    return EngineFileText([&](TkvIniFile& ini) { WriteInstall(p, ini); });
}

const std::vector<TSettingsFileKey>& SettingsFileKeys() {
    static const std::vector<TSettingsFileKey> keys = [] {
        auto setting = [](const char* section, const char* key, const char* name) {
            return TSettingsFileKey{section, key, FindSetting(name)};
        };
        auto made = [](const char* section, const char* key, std::string (*value)(const TProject&)) {
            return TSettingsFileKey{section, key, nullptr, value};
        };
        auto fixed = [](const char* section, const char* key, const char* value) {
            return TSettingsFileKey{section, key, nullptr, nullptr, value};
        };
        const char* C = "Config";
        const char* D = "Display";
        return std::vector<TSettingsFileKey>{
            made(C, "PreInstallDialogSequence", &DialogSequence),
            fixed(C, "PostInstallDialogSequence", ""),
            fixed(C, "Languages", ""),
            setting(C, "AutoSelectLanguage", "Misc.LanguageAuto"),
            fixed(C, "InsFiles", "App"),
            fixed(C, "LogFile", "%InstallPath%\\install.log"),
            setting(C, "Uninstall", "Misc.Uninstaller"),
            fixed(C, "CheckAdminRights", "1"),
            setting(C, "SupportedOS", "Target.OS"),
            setting(C, "MinOSVersion", "Target.OSMinVersion"),
            setting(C, "NeedReboot", "Misc.Reboot"),
            setting(C, "ExtraDiskSpace", "Target.ExtraDiskSpace"),
            setting(C, "CheckWindow", "Target.CheckWindow"),
            setting(C, "CheckMutex", "Target.CheckMutex"),
            setting(C, "RemoveOldReferences", "Target.RemoveOldReferences"),

            setting(D, "ShowMainWindow", "Main_Window/Show"),
            setting(D, "GradientTopColor", "Main_Window/BG.GradientTop"),
            setting(D, "GradientBottomColor", "Main_Window/BG.GradientBot"),
            setting(D, "MainTitleFont", "Main_Window/Title.Font"),
            setting(D, "MainTitleShadow", "Main_Window/Title.Shadow"),
            setting(D, "MainTitleShadowColor", "Main_Window/Title.ShadowColor"),
            setting(D, "DialogTitleFont", "Dialog/Title.Font"),
            setting(D, "DialogTitleShadow", "Dialog/Title.FontShadow"),
            setting(D, "DialogTitleShadowColor", "Dialog/Title.FontShadowColor"),
            setting(D, "DialogFont", "Dialog/Font"),
            made(D, "DialogPosition",
                 [](const TProject& p) {
                     return std::to_string(p.DialogPosX) + "," + std::to_string(p.DialogPosY);
                 }),
            setting(D, "BackgroundBitmap", "Main_Window/BG.Bitmap"),
            setting(D, "LicenseBackColor", "App.LicenseBG"),
            setting(D, "ReadmeBackColor", "App.ReadmeBG"),
            setting(D, "ShowMainTitle", "Main_Window/Title"),
            setting(D, "ShowDialogTitle", "Dialog/Title"),
            setting(D, "ShowFinalDialog", "Dialog/DialogFinal"),
        };
    }();
    return keys;
}

TEngineTexts EngineFileTexts(const TProject& p) {
    return {EngineFileText([&](TkvIniFile& ini) { WriteScript(p, ini); }), SettingsFileText(p),
            InstallFileText(p)};
}

namespace {

void WriteScript(const TProject& p, TkvIniFile& ini) {
    // The image folder and the setup program are named after the project file, a host name.
    const std::string host = ProjectNameOf(p.FileName);
    const std::string name = HostToAnsi(host).value_or(host);
    WriteInfoBlock(ini);
    ini.WriteString("Config", "ImagePath", name);
    ini.WriteString("Config", "ExeName", name);
    ini.WriteString("Config", "Password", p.MiscPassword);
}

void WriteSettings(const TProject& p, TkvIniFile& ini) {
    WriteInfoBlock(ini);

    for (const TSettingsFileKey& k : SettingsFileKeys())
        ini.WriteString(k.Section, k.Key,
                        k.Setting ? SettingText(p, *k.Setting)
                        : k.Made  ? k.Made(p)
                                  : k.Fixed);

    for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i)
        ini.WriteString("StaticBitmap", "Bitmap." + ZeroPad(static_cast<long long>(i) + 1, 2),
                        StaticBitmapValue(p.StaticBitmaps[i]));

    for (const char* key : kDialogBitmaps)
        ini.WriteString("DialogBitmap", key, "");

    WriteRunList(ini, p.RunBefore, "PreRunApp", "RunBefore");

    std::string group = p.AppGroupFolderName;
    if (!group.empty() && group[0] == '\\')
        group.erase(0, 1);
    ini.WriteString("Variables", "InstallPath", p.AppInstallText());
    ini.WriteString("Variables", "ProgramName", p.AppName);
    ini.WriteString("Variables", "ProgramGroup", group);
    ini.WriteString("Variables", "AppFolder", "%" + p.AppGroupFolder + "%\\%ProgramGroup%");
}

void WriteInstall(const TProject& p, TkvIniFile& ini) {
    WriteInfoBlock(ini);

    for (const TFileRecord& rec : p.tbFiles.Records) {
        const std::string flags = rec.FlagsText();
        std::string path = IncludeTrailingBackslash(rec.FilePath);
        const std::string name = ExtractFileName(rec.FileName);
        const std::string root = SplitFirst(path, "\\");
        const std::string section = "Files_" + StripFirstLast(root);
        ini.WriteString("CopyFiles", section, root);
        const std::string rel = path + name;
        ini.WriteString(section, rel, flags.empty() ? rel : rel + "," + flags);
    }

    for (const TShortcutRecord& rec : p.tbShortcuts.Records) {
        std::string group = IncludeTrailingBackslash(rec.ProgramGroup);
        const std::string root = SplitFirst(group, "\\");
        const std::string section = "Short_" + StripFirstLast(root);
        ini.WriteString("Shortcuts", section, root);
        ini.WriteString(section, rec.Shortcuts,
                        "\"" + rec.Target + "\"," + rec.Arguments + "," + rec.WorkDirectory);
    }

    WriteRegTable(ini, p.tbRegAdd, "AddReg", "RegAdd.");
    WriteRegTable(ini, p.tbRegDel, "DelReg", "RegDel.");

    for (const TContentsRecord& rec : p.tbINI.Records) {
        std::string parts = rec.Key;
        const std::string variable = SplitFirst(parts, "|");
        const std::string file = SplitFirst(parts, "|");
        const std::string section = SplitFirst(parts, "|");
        ini.WriteString("AddINI", rec.Key, "%" + variable + "%" + file + "," + section);
        WriteContents(ini, "INI." + rec.Key, rec.Contents);
    }

    WriteRunList(ini, p.RunAfter, "RunApp", "RunAfter");
    WriteRunList(ini, p.RunBeforeUn, "Uninstall.PreRunApp", "RunBeforeUn");
    WriteRunList(ini, p.RunAfterUn, "Uninstall.RunApp", "RunAfterUn");
}

} // namespace

} // namespace tv
