#include "core/FolderVariables.h"
#include "core/Project.h"
#include "core/TextCodec.h"

#include <gtest/gtest.h>

using namespace tv;

TEST(TextCodec, ConvertsEveryByteBothWaysAndRefusesWhatDoesNotFit) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = AnsiToUtf8(all);
    const auto back = Utf8ToAnsi(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);

    EXPECT_EQ(AnsiToUtf8("\x80 \xE9 \x9F"), "\u20AC \u00E9 \u0178");
    EXPECT_EQ(Utf8ToAnsi("Gr\u00FC\u00DFe \u2122"), std::optional<std::string>("Gr\xFC\xDF"
                                                                               "e \x99"));

    EXPECT_FALSE(Utf8ToAnsi("\u0410").has_value()) << "Cyrillic has no byte in the code page";
    EXPECT_FALSE(Utf8ToAnsi("\xF0\x9F\x98\x80").has_value());
    EXPECT_FALSE(Utf8ToAnsi("\xC3").has_value()) << "truncated sequence";
    EXPECT_FALSE(Utf8ToAnsi("\xC0\xAF").has_value()) << "overlong form";
    EXPECT_FALSE(Utf8ToAnsi("\xED\xA0\x80").has_value()) << "surrogate";
    EXPECT_EQ(FirstUnencodable("ok \u00E9 then \u0410\u0411"), "\u0410");
    EXPECT_EQ(FirstUnencodable("fine"), "");
}

TEST(ProjectModel, FlagsTextInTableOrderAndReadAnywhere) {
    TFileRecord none;
    EXPECT_EQ(none.FlagsText(), "");
    TFileRecord all;
    all.SetFlagsFromText("x SHARED_FILE y NO_LOG EXTERNAL_FILE DONT_OVERWRITE DONT_ASK_USER REGISTER_FONT "
                         "REGISTER_SERVER NO_VERSION_CHECK");
    EXPECT_EQ(all.FlagsText(), "NO_LOG+NO_VERSION_CHECK+REGISTER_SERVER+REGISTER_FONT+DONT_ASK_USER+"
                               "DONT_OVERWRITE+EXTERNAL_FILE+SHARED_FILE");
    TFileRecord some;
    some.SetFlagsFromText("no_log+SHARED_FILE");
    EXPECT_EQ(some.FlagsText(), "SHARED_FILE") << "words are case-sensitive";
    some.SetFlagsFromText("");
    EXPECT_EQ(some.FlagsText(), "");
}

TEST(ProjectModel, ComposedTexts) {
    TProject p;
    p.AppInstFolder = "ProgramFiles";
    p.AppInstFolderName = "\\MyApp";
    EXPECT_EQ(p.AppInstallText(), "%ProgramFiles%\\MyApp");
    EXPECT_EQ(p.TargetOSText(), "9x,nt4,2k");
    p.Target9x = false;
    EXPECT_EQ(p.TargetOSText(), "nt4,2k");
    p.TargetNT = p.Target2k = false;
    EXPECT_EQ(p.TargetOSText(), "");
    EXPECT_EQ(p.DialogsText(), "DLG_README,DLG_WELCOME,DLG_LICENSE,DLG_DIR,DLG_GROUP,DLG_START");
    p.DlgReadme = p.DlgDir = false;
    EXPECT_EQ(p.DialogsText(), "DLG_WELCOME,DLG_LICENSE,DLG_GROUP,DLG_START");
    EXPECT_TRUE(p.IsUntitled());
    ASSERT_EQ(kFolderVariables.size(), 27u);
    EXPECT_EQ(kFolderVariables[0], "ProgramFiles");
    EXPECT_EQ(kFolderVariables[3], "ProgramsMenu");
    EXPECT_EQ(kFolderVariables[26], "Office2000");
}

// Projects store a place in these lists and the window offers them in this order: derived from one
// table, each must stay as it was written out before.
TEST(FolderVariables, EachListKeepsItsFoldersInItsOrder) {
    using L = std::vector<std::string>;
    const L common = {"Desktop",       "ProgramsMenu",       "StartMenu",       "StartupMenu",
                      "CommonDesktop", "CommonProgramsMenu", "CommonStartMenu", "CommonStartupMenu"};
    const L system = {"BootDrive", "Windows", "System", "Fonts", "Personal", "SendTo", "Templates"};
    const L tail = {"Delphi",      "BDE",         "ApplicationData", "QuickLaunch",
                    "IIS-WWWRoot", "IIS-Scripts", "Office97",        "Office2000"};
    auto join = [](std::initializer_list<L> parts) {
        L all;
        for (const L& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    EXPECT_EQ(FolderVariables(TFolderList::FileTarget),
              join({{"InstallPath", "ProgramGroup"}, system, {"ProgramFiles", "CommonFiles"}, common, tail}));
    EXPECT_EQ(FolderVariables(TFolderList::IniTarget),
              join({{"AppFolder"}, common, {"InstallPath"}, system, {"ProgramFiles", "CommonFiles"}, tail}));
    EXPECT_EQ(kIniTargets, FolderVariables(TFolderList::IniTarget));
    EXPECT_EQ(kFolderVariables,
              join({{"ProgramFiles", "CommonFiles"},
                    common,
                    {"BootDrive", "Windows", "System"},
                    {"ApplicationData", "QuickLaunch", "Fonts", "Personal", "SendTo", "Templates", "Delphi",
                     "BDE", "Date", "LangStr", "IIS-WWWRoot", "IIS-Scripts", "Office97", "Office2000"}}));
}

TEST(ProjectModel, TextHelpers) {
    EXPECT_EQ(ColorToText(0x00FF0000), "$00FF0000");
    EXPECT_EQ(ColorToText(0xFFFFFFFF), "$FFFFFFFF");
    EXPECT_EQ(TextToColor("$00808080", 1), 0x00808080u);
    EXPECT_EQ(TextToColor("0xff", 1), 0xFFu);
    EXPECT_EQ(TextToColor("0XFF", 1), 0xFFu);
    EXPECT_EQ(TextToColor("16", 1), 16u);
    EXPECT_EQ(TextToColor("grey", 1), 1u);

    EXPECT_EQ(AppendItem("", "a"), "a");
    EXPECT_EQ(AppendItem("a", "b"), "a,b");

    std::string text = "one|two|three";
    EXPECT_EQ(SplitFirst(text, "|"), "one");
    EXPECT_EQ(text, "two|three");
    EXPECT_EQ(SplitFirst(text, "|"), "two");
    EXPECT_EQ(SplitFirst(text, "|"), "three");
    EXPECT_EQ(text, "");
    EXPECT_EQ(SplitFirst(text, "|"), "");

    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_TRUE(IsBlank(" - "));
    EXPECT_FALSE(IsBlank("--"));
    EXPECT_FALSE(IsBlank("c:\\deploy"));

    EXPECT_EQ(ZeroPad(7, 3), "007");
    EXPECT_EQ(ZeroPad(999, 3), "999");
    EXPECT_EQ(ZeroPad(1000, 3), "100") << "cut to the width";
    EXPECT_EQ(ZeroPad(12, 2), "12");
}
