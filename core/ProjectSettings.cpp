#include "core/ProjectSettings.h"

#include "core/ProjectFile.h"
#include "core/kvIniFile.h"

namespace tv {

namespace {

const char* const kTitleFont = "Times New Roman, 20, $000000, B";
const char* const kAllDialogs = "DLG_README,DLG_WELCOME,DLG_LICENSE,DLG_DIR,DLG_GROUP,DLG_START";

// The member of a row, by its type.
void Bind(TSetting& s, std::string TProject::*member) {
    s.Text = member;
}
void Bind(TSetting& s, bool TProject::*member) {
    s.Flag = member;
}
void Bind(TSetting& s, std::int32_t TProject::*member) {
    s.Integer = member;
}
void Bind(TSetting& s, TColor TProject::*member) {
    s.Colour = member;
}

template <TSettingKind Kind, class M>
TSetting Row(const char* section, const char* key, M TProject::*member, const char* missing,
             const char* fresh) {
    TSetting s;
    s.Section = section;
    s.Key = key;
    s.Kind = Kind;
    s.Missing = missing;
    s.New = fresh;
    s.RefuseLineBreaks = Kind == TSettingKind::Text || Kind == TSettingKind::FolderPair;
    if (member)
        Bind(s, member);
    return s;
}

constexpr auto Text = Row<TSettingKind::Text, std::string>;
constexpr auto Boolean = Row<TSettingKind::Boolean, bool>;
constexpr auto Integer = Row<TSettingKind::Integer, std::int32_t>;
constexpr auto Colour = Row<TSettingKind::Colour, TColor>;

TSetting FolderPair(const char* key, std::string TProject::*variable, std::string TProject::*subPath,
                    const char* missing, const char* fresh) {
    TSetting s = Row<TSettingKind::FolderPair>("Start", key, variable, missing, fresh);
    s.Text2 = subPath;
    return s;
}

TSetting Set(const char* section, const char* key, std::vector<TSetWord> words, bool foldCase,
             const char* missing, const char* fresh) {
    TSetting s = Row<TSettingKind::Set, bool>(section, key, nullptr, missing, fresh);
    s.Words = std::move(words);
    s.FoldCaseOnLoad = foldCase;
    return s;
}

TSetting Position(const char* key, std::int32_t TProject::*member) {
    // New leaves the dialog position as it is; "2" is its value at start-up.
    TSetting s = Row<TSettingKind::Position>("Dialog", key, member, "2", "2");
    s.NewKeeps = true;
    return s;
}

TSetting NewKeeps(TSetting s) {
    s.NewKeeps = true;
    return s;
}

TSetting NewInDataFolder(TSetting s) {
    s.NewInDataFolder = true;
    return s;
}

std::vector<TSetting> MakeSettings() {
    using P = TProject;
    const char* S = "Start";
    const char* M = "Main_Window";
    const char* D = "Dialog";
    return {
        // section, key, member, Missing, New
        Text(S, "Misc.Deployment", &P::MiscDeployment, "c:\\deploy", ""),
        Text(S, "App.Name", &P::AppName, "My Application v1.0", ""),
        FolderPair("App.Install", &P::AppInstFolder, &P::AppInstFolderName,
                   "%ProgramFile%\\My Application Folder", "%ProgramFiles%"),
        FolderPair("App.Group", &P::AppGroupFolder, &P::AppGroupFolderName, "%ProgramsMenu%\\My Application",
                   "%ProgramsMenu%"),
        Text(S, "App.Readme", &P::AppReadme, "Readme.txt", ""),
        Colour(S, "App.ReadmeBG", &P::AppReadmeBG, "$00FFFFFF", "$00FFFFFF"),
        Text(S, "App.License", &P::AppLicense, "License.txt", ""),
        Colour(S, "App.LicenseBG", &P::AppLicenseBG, "$00FFFFFF", "$00FFFFFF"),
        // Written "nt4", found as "nt": files of older versions say "nt".
        Set(S, "Target.OS",
            {{"9x", "9x", &P::Target9x}, {"nt4", "nt", &P::TargetNT}, {"2k", "2k", &P::Target2k}}, true,
            "9x,nt", "9x,nt4,2k"),
        Text(S, "Target.OSMinVersion", &P::TargetOSMinVersion, "", ""),
        Integer(S, "Target.ExtraDiskSpace", &P::TargetExtraDiskSpace, "0", "0"),
        Boolean(S, "Misc.Uninstaller", &P::MiscUninstaller, "1", "1"),
        Boolean(S, "Misc.Reboot", &P::MiscReboot, "0", "1"),
        Text(S, "Misc.Password", &P::MiscPassword, "", ""),
        Text(S, "Target.CheckWindow", &P::TargetCheckWindow, "", ""),
        Text(S, "Target.CheckMutex", &P::TargetCheckMutex, "", ""),
        Boolean(S, "Target.RemoveOldReferences", &P::TargetRemoveOldReferences, "1", "1"),
        Boolean(S, "Misc.LanguageAuto", &P::MiscLanguageAuto, "1", "1"),

        Boolean(M, "Show", &P::MainShow, "0", "1"),
        NewKeeps(Boolean(M, "Title", &P::MainTitle, "1", "1")),
        Text(M, "Title.Font", &P::MainTitleFont, kTitleFont, kTitleFont),
        Boolean(M, "Title.Shadow", &P::MainTitleShadow, "1", "1"),
        Colour(M, "Title.ShadowColor", &P::MainTitleShadowColor, "$00808080", "$00808080"),
        Colour(M, "BG.GradientTop", &P::MainGradientTop, "$00FF0000", "$00FF0000"),
        Colour(M, "BG.GradientBot", &P::MainGradientBot, "$00000000", "$00000000"),
        Text(M, "BG.Bitmap", &P::MainBGBitmap, "bricks.bmp", ""),
        Boolean(M, "BG.AppTitle", &P::MainBGAppTitle, "1", "1"),

        Text(D, "Font", &P::DialogFont, "Tahoma, 8", "Tahoma, 8"),
        Boolean(D, "Title", &P::DialogTitle, "1", "1"),
        Text(D, "Title.Font", &P::DialogTitleFont, kTitleFont, kTitleFont),
        Boolean(D, "Title.FontShadow", &P::DialogTitleFontShadow, "1", "1"),
        Colour(D, "Title.FontShadowColor", &P::DialogTitleFontShadowColor, "$00808080", "$00808080"),
        NewInDataFolder(Text(D, "Title.BMP", &P::DialogTitleBMP, "", kTitleBitmapName)),
        Set(D, "Dialogs",
            {{"DLG_README", "DLG_README", &P::DlgReadme},
             {"DLG_WELCOME", "DLG_WELCOME", &P::DlgWelcome},
             {"DLG_LICENSE", "DLG_LICENSE", &P::DlgLicense},
             {"DLG_DIR", "DLG_DIR", &P::DlgDir},
             {"DLG_GROUP", "DLG_GROUP", &P::DlgGroup},
             {"DLG_START", "DLG_START", &P::DlgStart}},
            false, kAllDialogs, kAllDialogs),
        Boolean(D, "DialogFinal", &P::DialogFinal, nullptr, "1"),
        Position("DialogPosX", &P::DialogPosX),
        Position("DialogPosY", &P::DialogPosY),
    };
}

void SetFolderPair(const std::string& text, std::string& variable, std::string& subPath) {
    std::string name;
    const auto close = text.size() > 1 && text[0] == '%' ? text.find('%', 1) : std::string::npos;
    if (close != std::string::npos) {
        // "%Variable%rest": the rest is kept exactly as written.
        name = text.substr(1, close - 1);
        subPath = text.substr(close + 1);
    } else {
        const auto slash = text.find('\\');
        const std::string head = text.substr(0, slash);
        name = head.size() >= 2 ? head.substr(1, head.size() - 2) : std::string();
        subPath = "\\" + (slash == std::string::npos ? std::string() : text.substr(slash + 1));
    }
    variable = kFolderVariables.front();
    for (const auto& v : kFolderVariables)
        if (SameText(v, name)) {
            variable = v;
            break;
        }
}

// The store's integer reading: a text that is no number gives the fallback's number.
std::int32_t IntegerOf(const std::string& text, const std::string& fallback) {
    std::int32_t value = 0;
    if (TryStrToInt(text, value))
        return value;
    return TryStrToInt(fallback, value) ? value : 0;
}

} // namespace

std::string TSetting::Name() const {
    return std::string(Section) == "Start" ? std::string(Key) : std::string(Section) + "/" + Key;
}

const std::vector<TSetting>& ProjectSettings() {
    static const std::vector<TSetting> settings = MakeSettings();
    return settings;
}

const TSetting* FindSetting(const std::string& name) {
    for (const TSetting& s : ProjectSettings())
        if (s.Name() == name)
            return &s;
    return nullptr;
}

std::string SettingText(const TProject& p, const TSetting& s) {
    switch (s.Kind) {
    case TSettingKind::Text:
        return p.*s.Text;
    case TSettingKind::Boolean:
        return p.*s.Flag ? "1" : "0";
    case TSettingKind::Integer:
    case TSettingKind::Position:
        return std::to_string(p.*s.Integer);
    case TSettingKind::Colour:
        return ColorToText(p.*s.Colour);
    case TSettingKind::FolderPair:
        return "%" + p.*s.Text + "%" + p.*s.Text2;
    case TSettingKind::Set: {
        std::string text;
        for (const TSetWord& w : s.Words)
            if (p.*w.Flag)
                text = AppendItem(text, w.Written);
        return text;
    }
    }
    return {};
}

void SetSettingText(TProject& p, const TSetting& s, const std::string& text, const std::string& fallback) {
    switch (s.Kind) {
    case TSettingKind::Text:
        p.*s.Text = text;
        break;
    case TSettingKind::Boolean:
        p.*s.Flag = IntegerOf(text, fallback) != 0;
        break;
    case TSettingKind::Integer:
        p.*s.Integer = IntegerOf(text, fallback);
        break;
    case TSettingKind::Position: {
        const std::int32_t v = IntegerOf(text, fallback);
        p.*s.Integer = v >= 0 && v <= 2 ? v : IntegerOf(fallback, "0");
        break;
    }
    case TSettingKind::Colour:
        p.*s.Colour = TextToColor(text, 0);
        break;
    case TSettingKind::FolderPair:
        SetFolderPair(text, p.*s.Text, p.*s.Text2);
        break;
    case TSettingKind::Set: {
        const std::string folded = s.FoldCaseOnLoad ? FoldCase(text) : text;
        for (const TSetWord& w : s.Words)
            p.*w.Flag = folded.find(w.Found) != std::string::npos;
        break;
    }
    }
}

TProject::TProject() {
    for (const TSetting& s : ProjectSettings())
        if (!s.NewInDataFolder)
            SetSettingText(*this, s, s.New, s.New);
}

} // namespace tv
