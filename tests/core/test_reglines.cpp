// Registry and INI parameter lines (what the editors write, which lines the memos mark) and the
// import of registry exports.
#include "core/ChangeLines.h"
#include "core/RegFileImport.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace tv;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using namespace std::string_literals;

namespace {

// A version 5 export as the system writes it: UTF-16LE with byte order mark and CR LF.
std::string Utf16Export(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

TRegImport Parse(const std::string& bytes) {
    TRegImport r;
    std::string error;
    EXPECT_TRUE(ParseRegFile(bytes, r, error)) << error;
    return r;
}

std::string AllSkipped(const TRegImport& r) {
    std::string s;
    for (const auto& line : r.Skipped)
        s += line + "\n";
    return s;
}

} // namespace

TEST(ChangeLines, EditorsBuildTheirFormats) {
    EXPECT_EQ(RegLine("PosX", "10", 1, 0), "PosX=10,1");
    EXPECT_EQ(RegLine("PosX", "10", 1, 3), "PosX=10,1,NO_LOG+DONT_OVERWRITE");
    EXPECT_EQ(IniLine("PosX", "10", 2), "PosX=10,DONT_OVERWRITE");
    EXPECT_EQ(IniLine("PosX", "10", 0), "PosX=10");
    EXPECT_EQ(kIniTargets.size(), 27u);
    EXPECT_EQ(kRegRoots, (std::vector<std::string>{"HKCR", "HKCU", "HKLM", "HKU"}));
}

TEST(ChangeLines, RegistryLinesTheEngineWouldMisreadAreNamed) {
    for (const char* good : {"PosX=10,1", "Path=%InstallPath%,0", "BinData=07 A5 3E 54, 2, DONT_OVERWRITE",
                             "N=-3,1,NO_LOG", "Empty=,0", "Eq=a=b,0,DONT_OVERWRITE+NO_LOG", ""})
        EXPECT_EQ(RegLineProblem(good), "") << good;

    EXPECT_THAT(RegLineProblem("no equals sign"), HasSubstr("No \"=\""));
    EXPECT_THAT(RegLineProblem("=orphan,0"), HasSubstr("name"));
    EXPECT_THAT(RegLineProblem("Version=1.0"), HasSubstr("No type"));
    // The old demo lines: a type word where the digit belongs.
    EXPECT_THAT(RegLineProblem("InstallPath=%InstallPath%,REG_SZ,0"), HasSubstr("\"REG_SZ\" is no type"));
    EXPECT_THAT(RegLineProblem("A=1,3"), HasSubstr("\"3\" is no type"));
    EXPECT_THAT(RegLineProblem("A=1,1,FOO"), HasSubstr("\"FOO\" is no flag"));
    EXPECT_THAT(RegLineProblem("A=1,1,NO_LOG+NO_LOG"), HasSubstr("no flag"));
    EXPECT_THAT(RegLineProblem("A=1,1,NO_LOG,X"), HasSubstr("Too many commas"));
    EXPECT_THAT(RegLineProblem("A=ten,1"), HasSubstr("whole number"));
    EXPECT_THAT(RegLineProblem("A=7A5,2"), HasSubstr("two-digit"));
    // An empty number or byte list is no value of its type.
    EXPECT_THAT(RegLineProblem("A=,1"), HasSubstr("whole number"));
    EXPECT_THAT(RegLineProblem("A=,2"), HasSubstr("two-digit"));
}

TEST(ChangeLines, IniLinesTheEngineWouldMisreadAreNamed) {
    for (const char* good : {"InstallPath=%InstallPath%", "Caption=Tamrin Installer", "P=x,NO_LOG",
                             "P=,DONT_OVERWRITE", "P=a=b", ""})
        EXPECT_EQ(IniLineProblem(good), "") << good;
    EXPECT_THAT(IniLineProblem("Caption"), HasSubstr("No \"=\""));
    EXPECT_THAT(IniLineProblem(" =x"), HasSubstr("name"));
    EXPECT_THAT(IniLineProblem("List=a,b"), HasSubstr("\"b\" after the comma is no flag"));
}

TEST(ChangeLines, IniKeysSplitIntoThreePartsAndCompareWithoutCase) {
    const auto full = SplitIniKey(IniKey("Windows", "\\my.ini", "Options"));
    EXPECT_EQ(full.Target, "Windows");
    EXPECT_EQ(full.File, "\\my.ini");
    EXPECT_EQ(full.Section, "Options");
    const auto shortKey = SplitIniKey("Windows|a.ini");
    EXPECT_EQ(shortKey.File, "a.ini");
    EXPECT_EQ(shortKey.Section, "");
    EXPECT_TRUE(SameText("Windows|a.ini|S", "Windows|A.INI|s"));
    EXPECT_TRUE(SameText("HKCU\\\xC9t\xE9", "hkcu\\\xE9T\xC9")); // accented letters
    EXPECT_FALSE(SameText("HKCU\\a", "HKCU\\b"));
    EXPECT_FALSE(SameText("\xD7", "\xF7")); // multiplication and division signs
    // The ends of the accented range, and the letters outside it.
    EXPECT_TRUE(SameText("\xC0\xDE\x8A\x8C\x8E\x9F", "\xE0\xFE\x9A\x9C\x9E\xFF"));
    EXPECT_FALSE(SameText("\xDF", "\xFF")); // sharp s has no capital here
    EXPECT_TRUE(StartsWithText("DWORD:1", "dword:"));
    EXPECT_EQ(TCaseInsensitiveHash()("Th\xDEorn \xC0 la carte"),
              TCaseInsensitiveHash()("tH\xFEORN \xE0 LA CARTE"));
}

TEST(RegFileImport, AnAnsiExportBecomesEntriesInTheEditorsFormat) {
    const std::string reg = "REGEDIT4\r\n\r\n"
                            "[HKEY_CURRENT_USER\\Software\\Demo]\r\n\r\n"
                            "[HKEY_CURRENT_USER\\Software\\Demo\\App]\r\n"
                            "\"Path\"=\"C:\\\\Program Files\\\\Demo\\\\\"\r\n"
                            "\"Quote\"=\"say \\\"hi\\\"\"\r\n"
                            "\"Caf\xE9\"=\"cr\xE8me\"\r\n"
                            "\"Count\"=dword:0000000a\r\n"
                            "\"Max\"=dword:ffffffff\r\n"
                            "\"Blob\"=hex:07,a5,3e,\\\r\n"
                            "  54\r\n"
                            "@=\"default\"\r\n"
                            "; a comment\r\n"
                            "[-HKEY_LOCAL_MACHINE\\Software\\Old]\r\n"
                            "[HKEY_CLASSES_ROOT\\.demo]\r\n"
                            "\"Expand\"=hex(2):25,00\r\n"
                            "\"Multi\"=hex(7):61,00,00,00\r\n"
                            "\"Big\"=hex(b):01,00,00,00,00,00,00,00\r\n"
                            "\"Bin3\"=hex(3):ff\r\n";
    const TRegImport r = Parse(reg);
    ASSERT_EQ(r.Keys.size(), 4u);
    EXPECT_EQ(r.Keys[0].Key, "HKCU\\Software\\Demo");
    EXPECT_THAT(r.Keys[0].Lines, IsEmpty());
    EXPECT_EQ(r.Keys[1].Key, "HKCU\\Software\\Demo\\App");
    EXPECT_THAT(r.Keys[1].Lines,
                ElementsAre("Path=C:\\Program Files\\Demo\\,0", "Quote=say \"hi\",0", "Caf\xE9=cr\xE8me,0",
                            "Count=10,1", "Max=4294967295,1", "Blob=07 A5 3E 54,2"));
    EXPECT_EQ(r.Keys[2].Key, "HKLM\\Software\\Old");
    EXPECT_TRUE(r.Keys[2].Delete);
    EXPECT_EQ(r.Keys[3].Key, "HKCR\\.demo");
    EXPECT_THAT(r.Keys[3].Lines, ElementsAre("Bin3=FF,2"));
    for (const auto& k : r.Keys)
        for (const auto& line : k.Lines)
            EXPECT_EQ(RegLineProblem(line), "") << line;

    const std::string skipped = AllSkipped(r);
    ASSERT_EQ(r.Skipped.size(), 4u) << skipped;
    EXPECT_THAT(skipped, HasSubstr("HKCU\\Software\\Demo\\App @ (the default value)"));
    EXPECT_THAT(skipped, HasSubstr("\"Expand\": an expandable string (hex(2))"));
    EXPECT_THAT(skipped, HasSubstr("\"Multi\": a multi-string (hex(7))"));
    EXPECT_THAT(skipped, HasSubstr("\"Big\": a 64-bit number (hex(b))"));
}

TEST(RegFileImport, AUnicodeExportSkipsWhatWindows1252CannotHold) {
    const std::string bytes =
        Utf16Export(u"Windows Registry Editor Version 5.00\r\n\r\n"
                    u"[HKEY_USERS\\.DEFAULT\\Software\\Caf\u00e9]\r\n"
                    u"\"Name\"=\"\u00e9t\u00e9\"\r\n"
                    u"\"Greek\"=\"\u03b1\u03b2\"\r\n"
                    u"\"Emoji \U0001F600\"=dword:00000001\r\n"
                    u"\"Bytes\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,\\\r\n"
                    u"  12,13\r\n\r\n"
                    u"[HKEY_USERS\\\u0416]\r\n"
                    u"\"Lost\"=\"x\"\r\n"
                    u"[HKEY_CURRENT_CONFIG\\System]\r\n"
                    u"\"Lost\"=\"x\"\r\n");
    const TRegImport r = Parse(bytes);
    ASSERT_EQ(r.Keys.size(), 1u);
    EXPECT_EQ(r.Keys[0].Key, "HKU\\.DEFAULT\\Software\\Caf\xE9");
    EXPECT_THAT(r.Keys[0].Lines,
                ElementsAre("Name=\xE9t\xE9,0",
                            "Bytes=00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13,2"));
    const std::string skipped = AllSkipped(r);
    ASSERT_EQ(r.Skipped.size(), 4u) << skipped;
    EXPECT_THAT(skipped, HasSubstr("\"Greek\": holds \"\u03b1\""));
    EXPECT_THAT(skipped, HasSubstr("holds \"\U0001F600\""));
    EXPECT_THAT(skipped, HasSubstr("HKU\\\u0416: holds \"\u0416\""));
    EXPECT_THAT(skipped, HasSubstr("HKEY_CURRENT_CONFIG\\System: a root the engine does not know"));
}

TEST(RegFileImport, BrokenFilesAreRefusedAndBrokenLinesNamed) {
    TRegImport r;
    std::string error;
    EXPECT_FALSE(ParseRegFile("[HKEY_CURRENT_USER\\X]\r\n\"a\"=\"b\"\r\n", r, error));
    EXPECT_THAT(error, HasSubstr("no registry export"));
    EXPECT_FALSE(ParseRegFile("", r, error));
    EXPECT_FALSE(ParseRegFile("\xFF\xFEW\x00\x00", r, error));                        // odd length
    EXPECT_FALSE(ParseRegFile(std::string("\xFF\xFE\x00\xD8\x41\x00", 6), r, error)); // lone surrogate
    EXPECT_FALSE(ParseRegFile(
        Utf16Export(u"Windows Registry Editor Version 5.00\r\n") + std::string("\x00\xDC", 2), r, error));
    EXPECT_FALSE(
        ParseRegFile(Utf16Export(u"Windows Registry Editor Version 5.00\r\n") + "\xFF\xDB", r, error));
    // The first and the last pair decode.
    const TRegImport pairs =
        Parse(Utf16Export(u"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\P]\r\n"
                          u"\"\U00010000\"=\"x\"\r\n\"\U0010FFFF\"=\"x\"\r\n"));
    EXPECT_THAT(AllSkipped(pairs), HasSubstr("holds \"\U00010000\""));
    EXPECT_THAT(AllSkipped(pairs), HasSubstr("holds \"\U0010FFFF\""));

    const TRegImport broken = Parse("REGEDIT4\n"
                                    "\"early\"=\"no key yet\"\n"
                                    "[HKEY_CURRENT_USER\\Good]\n"
                                    "\"open\"=\"no closing quote\n"
                                    "\"num\"=dword:xyz\n"
                                    "\"big\"=dword:123456789\n"
                                    "\"bytes\"=hex:1,zz\n"
                                    "\"three\"=hex:123\n"
                                    "\"half\"=hex:0a,1z\n"
                                    "\"gone\"=-\n"
                                    "\"comma\"=\"a,b\"\n"
                                    "\"a=b\"=\"x\"\n"
                                    "garbage\n"
                                    "\"ok\"=\"kept\"\n"
                                    "[HKEY_CURRENT_USER\\Unclosed\n"
                                    "\"under\"=\"unclosed key\"\n");
    ASSERT_EQ(broken.Keys.size(), 1u);
    EXPECT_THAT(broken.Keys[0].Lines, ElementsAre("ok=kept,0"));
    const std::string skipped = AllSkipped(broken);
    EXPECT_EQ(broken.Skipped.size(), 12u) << skipped;
    EXPECT_THAT(skipped, HasSubstr("line 2: a value outside any key"));
    EXPECT_THAT(skipped, HasSubstr("\"open\": a string without its closing quote"));
    EXPECT_THAT(skipped, HasSubstr("\"dword:xyz\" is no dword value"));
    EXPECT_THAT(skipped, HasSubstr("\"bytes\": broken hexadecimal bytes"));
    EXPECT_THAT(skipped, HasSubstr("\"three\": broken hexadecimal bytes"));
    EXPECT_THAT(skipped, HasSubstr("\"half\": broken hexadecimal bytes"));
    EXPECT_THAT(skipped, HasSubstr("\"gone\": the removal of a single value"));
    EXPECT_THAT(skipped, HasSubstr("\"comma\": the value holds a comma"));
    EXPECT_THAT(skipped, HasSubstr("\"a=b\": the name holds \"=\""));
    EXPECT_THAT(skipped, HasSubstr("line 13 (HKCU\\Good): not a value line"));
    EXPECT_THAT(skipped, HasSubstr("line 15: a key without its closing \"]\""));
}

TEST(RegFileImport, LinesTheProjectFileCannotKeepAreRefusedAndTheRestOfTheKeyKept) {
    const TRegImport r = Parse("REGEDIT4\r\n"
                               "[HKEY_CURRENT_USER\\K]\r\n"
                               "\"before\"=\"1\"\r\n"
                               "\"c\rd\"=\"x\"\r\n"
                               "\"cr\"=\"a\rb\"\r\n"
                               "\"nul\"=\"a\0b\"\r\n"
                               "\"tab\"=\"a\tb\"\r\n"
                               "\"\"=\"unnamed\"\r\n"
                               "\"noted\"=\"x\" ; a comment\r\n"
                               "\"number\"=dword:00000001;a comment\r\n"
                               "\"junk\"=\"x\" y\r\n"
                               "\"after\"=\"2\"\r\n"
                               "[HKEY_CURRENT_USER\\a\rb]\r\n"
                               "\"lost\"=\"x\"\r\n"s);
    ASSERT_EQ(r.Keys.size(), 1u);
    EXPECT_THAT(r.Keys[0].Lines, ElementsAre("before=1,0", "noted=x,0", "number=1,1", "after=2,0"));
    const std::string skipped = AllSkipped(r);
    EXPECT_EQ(r.Skipped.size(), 7u) << skipped;
    EXPECT_THAT(skipped, HasSubstr("line 4 (HKCU\\K): the name c<CR>d holds a line break"));
    EXPECT_THAT(skipped, HasSubstr("line 5 (HKCU\\K): the value of \"cr\" holds a line break"));
    EXPECT_THAT(skipped, HasSubstr("line 6 (HKCU\\K): the value of \"nul\" holds a NUL character"));
    EXPECT_THAT(skipped, HasSubstr("line 7 (HKCU\\K): the value of \"tab\" holds a control character"));
    EXPECT_THAT(skipped, HasSubstr("HKCU\\K \"\": a parameter line needs a name"));
    EXPECT_THAT(skipped, HasSubstr("\"junk\": \"y\" after the string's closing quote"));
    EXPECT_THAT(skipped, HasSubstr("line 13: the key HKEY_CURRENT_USER\\a<CR>b holds a line break"));
}

TEST(RegFileImport, AKeyKeepsNoMoreLinesThanTheProjectFileHolds) {
    std::string reg = "REGEDIT4\n[HKEY_CURRENT_USER\\Big]\n";
    for (int i = 0; i < 1200; ++i)
        reg += "\"v" + std::to_string(i) + "\"=\"x\"\n";
    // The same key again, in other letters, goes on counting.
    reg += "[HKEY_CURRENT_USER\\big]\n";
    for (int i = 1200; i < 1500; ++i)
        reg += "\"v" + std::to_string(i) + "\"=\"x\"\n";
    const TRegImport r = Parse(reg);
    ASSERT_EQ(r.Keys.size(), 1u);
    ASSERT_EQ(r.Keys[0].Lines.size(), static_cast<std::size_t>(kMaxTableRows));
    EXPECT_EQ(r.Keys[0].Lines.back(), "v999=x,0");
    EXPECT_THAT(r.Skipped,
                ElementsAre("HKCU\\Big: 500 more values (from line 1003) than the 1000 a key can hold"));

    // Merged into a key that holds 998 lines, two of them one line each way: one replaces, two fit.
    TProject p;
    std::vector<std::string> lines = {"v0=old,0", "a=1,0\r\nb=2,0"};
    for (int i = 0; i < 996; ++i)
        lines.push_back("old" + std::to_string(i) + "=x,0");
    p.tbRegAdd.Append({"HKCU\\Big", lines});
    const auto applied = ApplyRegImport(p, r, true);
    const auto& merged = p.tbRegAdd.Records[0].Contents;
    ASSERT_EQ(merged.size(), 999u);
    EXPECT_EQ(merged[0], "v0=x,0");
    EXPECT_EQ(merged.back(), "v1=x,0");
    EXPECT_THAT(applied.LinesLeftOut, ElementsAre("HKCU\\Big: 998 more values than the 1000 a key can hold"));
}

TEST(RegFileImport, ExistingKeysMergeOnlyWhenAskedAndListsStayWithinTheirLimit) {
    TProject p;
    p.tbRegAdd.Append({"HKCU\\Software\\Demo", {"Keep=1,1", "Count=1,1"}});
    p.tbRegDel.Append({"HKLM\\Old", {}});
    const TRegImport r =
        Parse("REGEDIT4\n[HKEY_CURRENT_USER\\software\\demo]\n\"count\"=dword:2\n\"New\"=\"n\"\n"
              "[-HKEY_LOCAL_MACHINE\\OLD]\n[HKEY_CURRENT_USER\\Fresh]\n"
              "[HKEY_CURRENT_USER\\Fresh]\n\"Second\"=\"section\"\n");
    ASSERT_EQ(r.Keys.size(), 3u); // the key given twice is one entry
    EXPECT_THAT(r.Keys[2].Lines, ElementsAre("Second=section,0"));
    EXPECT_THAT(ExistingRegKeys(p, r), ElementsAre("HKCU\\software\\demo", "HKLM\\OLD"));

    TProject kept = p;
    const auto notMerged = ApplyRegImport(kept, r, false);
    EXPECT_EQ(notMerged.Added, 1);
    EXPECT_EQ(notMerged.Merged, 0);
    EXPECT_THAT(kept.tbRegAdd.Records[0].Contents, ElementsAre("Keep=1,1", "Count=1,1"));
    EXPECT_EQ(kept.tbRegAdd.Records[1].Key, "HKCU\\Fresh");

    const auto merged = ApplyRegImport(p, r, true);
    EXPECT_EQ(merged.Added, 1);
    EXPECT_EQ(merged.Merged, 2);
    EXPECT_EQ(p.tbRegAdd.Records[0].Key, "HKCU\\Software\\Demo");
    EXPECT_THAT(p.tbRegAdd.Records[0].Contents, ElementsAre("Keep=1,1", "count=2,1", "New=n,0"));
    EXPECT_EQ(p.tbRegDel.Count(), 1);

    TProject full;
    for (int i = 0; i < kMaxTableRows; ++i)
        full.tbRegAdd.Append({"HKCU\\K" + std::to_string(i), {}});
    const auto refused = ApplyRegImport(full, r, true);
    EXPECT_EQ(refused.Added, 1); // the deletion list has room
    EXPECT_THAT(refused.Refused, ElementsAre("HKCU\\software\\demo", "HKCU\\Fresh"));
    EXPECT_EQ(full.tbRegAdd.Count(), kMaxTableRows);
}
