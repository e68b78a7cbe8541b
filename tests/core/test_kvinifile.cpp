#include "core/kvIniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using tv::TkvIniFile;
using tvtest::ReadBytes;
using tvtest::TempDir;
using tvtest::WriteBytes;

namespace {

std::vector<std::string> Strings(TkvIniFile& ini) {
    std::vector<std::string> lines;
    ini.GetStrings(lines);
    return lines;
}

} // namespace

TEST(KvIniFileLoad, CarriageReturnEndsLinesAndLineFeedsVanish) {
    TempDir dir;
    const auto crlf = dir.str("crlf.ini");
    // A line longer than one read chunk, a line feed in the middle of a line, a bare CR line end.
    const std::string longValue(250, 'v');
    WriteBytes(crlf, "[S]\r\nlong=" + longValue + "\r\nsp\nlit=ab\n\rcr=1\rlast=end");
    TkvIniFile ini(crlf, false);
    EXPECT_EQ(ini.ReadString("S", "long", "?"), longValue);
    EXPECT_EQ(ini.ReadString("S", "split", "?"), "ab");
    EXPECT_EQ(ini.ReadString("S", "cr", "?"), "1");
    EXPECT_EQ(ini.ReadString("S", "last", "?"), "end");

    // Line feeds alone end nothing: the whole file is one line.
    const auto lf = dir.str("lf.ini");
    WriteBytes(lf, "[S]\nkey=value\n");
    TkvIniFile lfIni(lf, false);
    EXPECT_EQ(lfIni.Sections().Count(), 0);
    EXPECT_EQ(lfIni.ReadString("S", "key", "none"), "none");

    // ... unless that one line happens to look like a header.
    const auto lfHeader = dir.str("lfheader.ini");
    WriteBytes(lfHeader, "[S]\nkey=value]");
    TkvIniFile lfHeaderIni(lfHeader, false);
    ASSERT_EQ(lfHeaderIni.Sections().Count(), 1);
    EXPECT_EQ(lfHeaderIni.Sections()[0].Name, "S]key=value");
}

TEST(KvIniFileLoad, HeadersCommentsAndStrayLines) {
    TempDir dir;
    const auto path = dir.str("a.ini");
    WriteBytes(path, "before=dropped\r\n"
                     "[First]\r\n"
                     ";comment=1\r\n"
                     "\x1A\r\n"
                     "noequals\r\n"
                     "a=1\r\n"
                     "[Second]   \r\n" // not a header: dropped, what follows stays in [First]
                     "b=2\r\n"
                     "[ Spaced ]\r\n"
                     "c=3\r\n"
                     "[]\r\n"
                     "d=4\r\n");
    TkvIniFile ini(path, false);
    std::vector<std::string> names;
    ini.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"First", " Spaced ", ""}));
    EXPECT_EQ(ini.Sections()[0].Lines, (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(ini.ReadString(" Spaced ", "c", ""), "3");
    EXPECT_EQ(ini.ReadString("Spaced", "c", "none"), "none");
    EXPECT_EQ(ini.ReadString("", "d", ""), "4");
    EXPECT_FALSE(ini.Modified());
}

TEST(KvIniFileLoad, TrimmingAndUnquoting) {
    TempDir dir;
    const auto path = dir.str("a.ini");
    WriteBytes(path, "[S]\r\n"
                     "spaced \t= \t value  \t\r\n"
                     "  lead=kept\r\n"
                     "dq=\"quoted\"\r\n"
                     "sq='single'\r\n"
                     "empty=\"\"\r\n"
                     "lone=\"\r\n"
                     "mixed=\"x'\r\n"
                     "both = ' padded ' \r\n"
                     "inner=a\"b\"\r\n"
                     "bang=wow! \x01\r\n");
    TkvIniFile ini(path, false);
    EXPECT_EQ(ini.ReadString("S", "spaced", ""), "value");
    EXPECT_EQ(ini.ReadString("S", "lead", "none"), "none");
    EXPECT_EQ(ini.ReadString("S", "  lead", "none"), "kept");
    EXPECT_EQ(ini.ReadString("S", "dq", ""), "quoted");
    EXPECT_EQ(ini.ReadString("S", "sq", ""), "single");
    EXPECT_EQ(ini.ReadString("S", "empty", "?"), "");
    EXPECT_EQ(ini.ReadString("S", "lone", ""), "\"");
    EXPECT_EQ(ini.ReadString("S", "mixed", ""), "\"x'");
    EXPECT_EQ(ini.ReadString("S", "both", ""), " padded ");
    EXPECT_EQ(ini.ReadString("S", "inner", ""), "a\"b\"");
    EXPECT_EQ(ini.ReadString("S", "bang", ""), "wow!") << "\"!\" is the first character kept at the end";
}

TEST(KvIniFileLoad, ParseOptionsCanBeSwitchedOff) {
    TempDir dir;
    const auto path = dir.str("a.ini");
    WriteBytes(path, "[S]\r\n;c=1\r\nbare\r\nk = \"v\"  \r\n");
    TkvIniFile ini(path, false, tv::TIniParseOptions{false, false, false, false, false});
    EXPECT_EQ(ini.Sections()[0].Lines, (std::vector<std::string>{";c=1", "bare", "k = \"v\"  "}));
    std::vector<std::string> keys;
    ini.ReadSection("S", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{";c", "", "k "}));
}

TEST(KvIniFileLoad, DuplicateSectionsFirstWinsUnlessTheHandlerSaysOtherwise) {
    TempDir dir;
    const auto path = dir.str("a.ini");
    WriteBytes(path, "[Dup]\r\na=first\r\n[Other]\r\nx=1\r\n[DUP]\r\na=second\r\nb=2\r\n");
    {
        TkvIniFile ini(path, false);
        EXPECT_EQ(ini.Sections().Count(), 2);
        EXPECT_EQ(ini.ReadString("dup", "a", ""), "first");
        EXPECT_EQ(ini.ReadString("dup", "b", "none"), "none");
        EXPECT_FALSE(ini.Modified());
    }
    EXPECT_EQ(ReadBytes(path), "[Dup]\r\na=first\r\n[Other]\r\nx=1\r\n[DUP]\r\na=second\r\nb=2\r\n")
        << "a store without changes leaves its file alone";

    TkvIniFile ini("", false);
    std::vector<std::string> seenEarlier, seenLater;
    ini.SetOnDuplicateSection([&](const std::string&, const std::vector<std::string>& earlier,
                                  const std::vector<std::string>& later) {
        seenEarlier = earlier;
        seenLater = later;
        return false;
    });
    ini.SetFileName(path);
    EXPECT_EQ(seenEarlier, (std::vector<std::string>{"a=first"}));
    EXPECT_EQ(seenLater, (std::vector<std::string>{"a=second", "b=2"}));
    EXPECT_EQ(ini.ReadString("Dup", "a", ""), "second");
    std::vector<std::string> names;
    ini.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Other", "DUP"}));
}

TEST(KvIniFileRead, CaseInsensitiveLookupFirstKeyWins) {
    TkvIniFile ini("", false);
    ini.ParseText("[Sec]\r\nKey=one\r\nkey=two\r\n[\xC4rger]\r\nk=3\r\n[\xDEorn]\r\nk=4\r\n");
    EXPECT_EQ(ini.ReadString("SEC", "KEY", ""), "one");
    EXPECT_EQ(ini.ReadString("\xE4RGER", "K", ""), "3") << "Windows-1252 letters fold too";
    EXPECT_EQ(ini.ReadString("\xFEORN", "K", ""), "4") << "the last of them too";
    ini.WriteString("sec", "KEY", "new");
    EXPECT_EQ(ini.Sections()[0].Lines, (std::vector<std::string>{"KEY=new", "key=two"}));
}

TEST(KvIniFileRead, LongSectionsFindTheFirstKeyAfterEdits) {
    TkvIniFile ini("", false);
    std::string text = "[Big]\r\n";
    for (int i = 0; i < 40; ++i)
        text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    text += "KEY7=late duplicate\r\n";
    ini.ParseText(text);
    EXPECT_EQ(ini.ReadString("big", "key7", ""), "7");
    ini.DeleteKey("Big", "Key7");
    EXPECT_EQ(ini.ReadString("Big", "Key7", ""), "late duplicate");
    EXPECT_EQ(ini.ReadString("Big", "Key39", ""), "39");
    ini.WriteString("Big", "Added", "x");
    EXPECT_EQ(ini.ReadString("Big", "added", ""), "x");
    EXPECT_EQ(ini.Sections()[0].Lines.back(), "Added=x");
}

TEST(KvIniFileRead, NumbersAndBooleans) {
    TkvIniFile ini("", false);
    ini.ParseText("[N]\r\nhex0x=0x1F\r\nhexd=$1f\r\nneg=-12\r\nempty=\r\nword=yes\r\ntwo=2\r\nzero0x=0x0\r\n"
                  "big=2147483648\r\nmin=-2147483648\r\nallbits=$FFFFFFFF\r\ntoolong=$100000000\r\n"
                  "blank= 7\r\ntail=7x\r\n");
    EXPECT_EQ(ini.ReadInteger("N", "hex0x", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "hexd", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -12);
    EXPECT_EQ(ini.ReadInteger("N", "empty", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "missing", 6), 6);
    EXPECT_EQ(ini.ReadInteger("N", "big", 9), 9);
    EXPECT_EQ(ini.ReadInteger("N", "min", 9), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("N", "allbits", 9), -1);
    EXPECT_EQ(ini.ReadInteger("N", "toolong", 9), 9);
    EXPECT_EQ(ini.ReadInteger("N", "tail", 9), 9);
    EXPECT_TRUE(ini.ReadBool("N", "word", true));
    EXPECT_FALSE(ini.ReadBool("N", "word", false));
    EXPECT_TRUE(ini.ReadBool("N", "two", false));
    EXPECT_FALSE(ini.ReadBool("N", "zero0x", true));
}

TEST(KvIniFileWrite, OrderFormatAndModified) {
    TempDir dir;
    const auto path = dir.str("sub/dir/out.ini"); // missing folders are created
    {
        TkvIniFile ini(path, false);
        ini.WriteString("B", "one", "1");
        ini.WriteInteger("A", "n", -5);
        ini.WriteBool("B", "flag", true);
        ini.WriteString("Empty", "gone", "x");
        ini.DeleteKey("Empty", "gone"); // a section without lines is not written
        ini.WriteString("C", "v", " spaced ");
        EXPECT_EQ(ini.CurrentSection(), 3);
    }
    EXPECT_EQ(ReadBytes(path), "[B]\r\none=1\r\nflag=1\r\n\r\n[A]\r\nn=-5\r\n\r\n[C]\r\nv= spaced \r\n\r\n");

    TkvIniFile again(path, false);
    EXPECT_EQ(again.ReadString("C", "v", ""), "spaced") << "blanks after = are lost on the next load";
    again.WriteString("b", "ONE", "1");
    EXPECT_TRUE(again.Modified()) << "the key's spelling changed, so the line did";
    EXPECT_TRUE(again.UpdateFile());
    again.WriteString("B", "ONE", "1");
    EXPECT_FALSE(again.Modified()) << "an identical line changes nothing";
    again.WriteString("A", "added", "x");
    again.EraseSection("C");
    EXPECT_EQ(again.CurrentSection(), 0);
    EXPECT_TRUE(again.UpdateFile());
    EXPECT_EQ(ReadBytes(path), "[B]\r\nONE=1\r\nflag=1\r\n\r\n[A]\r\nn=-5\r\nadded=x\r\n\r\n");
}

TEST(KvIniFileWrite, AnEmptyKeyWritesNothingAndErasingASectionIsSaidSo) {
    TempDir dir;
    const auto path = dir.str("a.ini");
    TkvIniFile ini(path, false);
    ini.WriteString("S", "k", "v");
    ini.WriteString("T", "k", "v");
    ini.WriteString("S", "", "anything"); // a blank name in a row: the rows before it stay
    ini.WriteString("", "", "");
    EXPECT_EQ(ini.Sections().Count(), 2);
    EXPECT_FALSE(std::filesystem::exists(path));
    ini.EraseSection("S");
    EXPECT_TRUE(ini.UpdateFile());
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ReadBytes(path), "[T]\r\nk=v\r\n\r\n");
}

TEST(KvIniFileRead, SectionListsAndValues) {
    tv::TIniParseOptions options;
    options.RequireEquals = false;
    TkvIniFile ini("", false, options);
    ini.ParseText("[S]\r\na=1\r\nB=2\r\nbare\r\na=3\r\n[T]\r\nx=9\r\n");
    std::vector<std::string> keys{"kept"};
    ini.ReadSection("s", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"kept", "a", "B", "", "a"}));

    std::vector<std::string> values{"b=old", "z=keep"};
    ini.ReadSectionValues("S", values);
    EXPECT_EQ(values, (std::vector<std::string>{"B=2", "z=keep", "a=3", "bare="}));

    EXPECT_EQ(Strings(ini),
              (std::vector<std::string>{"[S]", "a=1", "B=2", "bare", "a=3", "", "[T]", "x=9", ""}));
}

TEST(KvIniFileSections, CircularSearchFromTheLastHit) {
    tv::TSectionList list;
    list.Add("A");
    list.Add("B");
    list.Add("a");
    EXPECT_EQ(list.IndexOf("a"), 0);
    list.LastIndex = 1;
    EXPECT_EQ(list.IndexOf("A"), 2);
    EXPECT_EQ(list.LastIndex, 2);
    EXPECT_EQ(list.IndexOf("b"), 1) << "wraps around to the start";
    EXPECT_EQ(list.IndexOf("missing"), -1);
    EXPECT_EQ(list.LastIndex, 1);
    list.Delete(0);
    EXPECT_EQ(list.IndexFrom("a", 0), 1);
}

TEST(KvIniFileFailures, OpenAndWriteFailuresAreReported) {
    TempDir dir;
    // A folder where the file should be cannot be opened.
    std::filesystem::create_directory(dir.str("folder.ini"));
    try {
        TkvIniFile ini(dir.str("folder.ini"), false);
        FAIL() << "no error";
    } catch (const tv::EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.str("folder.ini"));
        EXPECT_EQ(e.Reason(), "it is a folder");
    }

    // Loading takes no lock: two stores on one file both load, and each writes its whole content.
    const auto shared = dir.str("shared.ini");
    WriteBytes(shared, "[S]\r\nk=v\r\n");
    {
        TkvIniFile first(shared, false);
        TkvIniFile second(shared, false);
        TkvIniFile reader(shared, true);
        EXPECT_EQ(reader.ReadString("S", "k", ""), "v");
        first.WriteString("S", "k", "first");
        second.WriteString("S", "k", "second");
        EXPECT_TRUE(first.UpdateFile());
        EXPECT_EQ(ReadBytes(shared), "[S]\r\nk=first\r\n\r\n");
    }
    EXPECT_EQ(ReadBytes(shared), "[S]\r\nk=second\r\n\r\n");

    // A path below a regular file cannot be written: the failure is reported, not hidden.
    WriteBytes(dir.str("plain"), "x");
    const auto impossible = dir.str("plain/out.ini");
    bool failedOnDestruction = false;
    {
        TkvIniFile ini(impossible, false);
        ini.WriteString("S", "k", "v");
        EXPECT_FALSE(ini.UpdateFile());
        EXPECT_TRUE(ini.WriteFailed());
        if (tvtest::kWindows) // the system's text, in the system's language
            EXPECT_FALSE(ini.WriteError().empty());
        else
            EXPECT_EQ(ini.WriteError(), "Not a directory") << "the system's reason";
        EXPECT_FALSE(ini.Modified());
        ini.WriteString("S", "k", "w");
        ini.ReportWriteFailureTo(&failedOnDestruction);
    }
    EXPECT_TRUE(failedOnDestruction);

    // A read-only store never writes.
    const auto ro = dir.str("ro.ini");
    WriteBytes(ro, "[S]\r\nk=v\r\n");
    {
        TkvIniFile ini(ro, true);
        ini.WriteString("S", "k", "changed");
        EXPECT_TRUE(ini.UpdateFile());
    }
    EXPECT_EQ(ReadBytes(ro), "[S]\r\nk=v\r\n");
}

TEST(KvIniFileWrite, RewritingAShorterContentCutsTheFile) {
    TempDir dir;
    const auto path = dir.str("a.ini");
    WriteBytes(path, "[S]\r\nlong=" + std::string(500, 'x') + "\r\n[T]\r\nk=v\r\n");
    {
        TkvIniFile ini(path, false);
        ini.DeleteKey("S", "long");
    }
    EXPECT_EQ(ReadBytes(path), "[T]\r\nk=v\r\n\r\n");
}
