// The read-only parse of a file's text (TIniText) reads what the keyed store reads from the same
// bytes: the same sections and values by any spelling of their names, the same refusals.
#include "core/kvIniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace tv;
using tvtest::TempDir;
using tvtest::WriteBytes;

namespace {

// Bytes of a literal that holds NUL bytes.
template <std::size_t N> std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

std::string Upper(std::string s) {
    for (auto& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return s;
}

std::string LoadError(const std::function<void()>& load) {
    try {
        load();
    } catch (const EInOutError& e) {
        return std::string(e.what()) + ": " + e.Reason();
    }
    return {};
}

void ExpectReadAsStore(const std::string& bytes, const TIniParseOptions& options = {}) {
    SCOPED_TRACE(bytes);
    TkvIniFile store(std::string(), true, options);
    TIniText text(options);
    const std::string storeError = LoadError([&] { store.LoadText(bytes, "f.ini"); });
    EXPECT_EQ(LoadError([&] { text.LoadText(bytes, "f.ini"); }), storeError);
    if (!storeError.empty()) {
        EXPECT_EQ(text.FindSection(""), -1);
        return;
    }
    std::vector<std::string> names;
    store.ReadSections(names);
    for (const auto& name : names) {
        const int section = text.FindSection(Upper(name));
        ASSERT_GE(section, 0) << name;
        std::vector<std::string> keys;
        store.ReadSection(name, keys);
        keys.push_back("absent");
        for (const auto& key : keys) {
            const TIniText::TLine* line = text.Find(section, FoldCase(key));
            const std::string value = store.ReadString(name, key, "\x01");
            if (value == "\x01") {
                EXPECT_EQ(line, nullptr) << name << "/" << key;
            } else {
                ASSERT_NE(line, nullptr) << name << "/" << key;
                EXPECT_EQ(line->Value, value) << name << "/" << key;
            }
        }
    }
    EXPECT_EQ(text.FindSection("absent"), -1);
}

} // namespace

TEST(IniText, ReadsWhatTheStoreReads) {
    ExpectReadAsStore("");
    ExpectReadAsStore("before=any section\r\n[S]\r\na=1\r\nA=2\r\n b \t= \t\"q\" \r\n;c=3\r\nbare\r\n"
                      "=x\r\nempty=\r\nq='single'\r\nhalf=\"\r\n[s]\r\nx=9\r\n[T]\r\n\n\nk\n=v\r\n\x1A");
    ExpectReadAsStore("[LF only]\nk=v\nj=w\n[Second]\nk=2");
    ExpectReadAsStore("[A]\r\n[B]\r\nk=1\r\n[a]\r\nk=2\r\n[b]\r\nk=3\r\n[]\r\nk=4\r\n[ ]\r\n");
    ExpectReadAsStore("[\xC4rger]\r\n\xE4=1\r\n\xC4=2\r\n");
    // Long sections are read through a key index; the first of keys equal but for case wins.
    std::string longSection = "[Long]\r\n";
    for (int i = 0; i < 40; ++i)
        longSection += "Key" + std::to_string(i % 25) + "=" + std::to_string(i) + "\r\n";
    ExpectReadAsStore(longSection + "KEY3=late\r\n[Next]\r\nKey3=other\r\n");

    // Long names are hashed eight bytes at a time: plain ASCII in one step, other letters by the table.
    const std::string name = "Registry.Add.HKLM\\Software\\\xC4rger\\\x8A\x8C\x8E\x9F" + std::string(20, 'x');
    ExpectReadAsStore("[" + name + "]\r\nK=1\r\n[" + FoldCase(name) + "]\r\nK=2\r\n");
    TIniText folded;
    folded.LoadText("[" + name + "]\r\nK=1\r\n", "f.ini");
    EXPECT_EQ(folded.FindSection(FoldCase(name)), 0);
    EXPECT_EQ(folded.FindSection(Upper(name)), 0);
    EXPECT_EQ(folded.FindSection(name.substr(1)), -1);

    // A UTF-8 byte-order mark, and the refusals with their line numbers.
    ExpectReadAsStore("\xEF\xBB\xBF[S]\r\nk=Caf\xC3\xA9\r\n");
    ExpectReadAsStore("\xEF\xBB\xBF[S]\r\nk=ok\r\nj=\xE4\xB8\xAD\r\n");
    ExpectReadAsStore(Bytes("[S]\r\nk=v\r\nj=a\0b\r\n"));
    ExpectReadAsStore(Bytes("[S\0]\r\nk=v\r\n"));
    ExpectReadAsStore(Bytes("k=\0\r\n;\0\r\n[S]\r\nk=\0 \r\n")); // NUL bytes in dropped text

    TIniParseOptions off;
    off.SkipComments = off.RequireEquals = off.TrimAroundEquals = off.Unquote = off.TrimTrailing = false;
    ExpectReadAsStore("[S]\r\n;c=1\r\nbare\r\nk = \"v\"  \r\n", off);
    for (bool TIniParseOptions::*option :
         {&TIniParseOptions::SkipComments, &TIniParseOptions::RequireEquals,
          &TIniParseOptions::TrimAroundEquals, &TIniParseOptions::Unquote, &TIniParseOptions::TrimTrailing}) {
        TIniParseOptions one;
        one.*option = false;
        ExpectReadAsStore("[S]\r\n;c=1\r\nbare \r\n k = ' v' \t\r\n=\"\"\r\n", one);
    }
}

TEST(IniText, NumberedLinesAreFoundInOnePassFirstOneWinning) {
    TIniText text;
    text.LoadText("[Files]\r\nFiles=4\r\nFile000=a\r\nfile002=c\r\nFILE002=late\r\nFile01=short\r\n"
                  "File0001=long\r\nFile00x=letter\r\nFile 03=blank\r\nFiles03=other\r\nFile003=d\r\n",
                  "f.ini");
    std::vector<const TIniText::TLine*> rows;
    text.NumberedLines(text.FindSection("files"), "File", 3, rows);
    ASSERT_EQ(rows.size(), 1000u);
    ASSERT_NE(rows[0], nullptr);
    EXPECT_EQ(rows[0]->Value, "a");
    EXPECT_EQ(rows[1], nullptr);
    ASSERT_NE(rows[2], nullptr);
    EXPECT_EQ(rows[2]->Value, "c");
    ASSERT_NE(rows[3], nullptr);
    EXPECT_EQ(rows[3]->Value, "d");
    EXPECT_EQ(std::count(rows.begin(), rows.end(), nullptr), 997);

    text.NumberedLines(-1, "File", 2, rows);
    EXPECT_EQ(rows, std::vector<const TIniText::TLine*>(100, nullptr)) << "no section, no rows";
}

TEST(IniText, LoadsFilesAsTheStoreDoes) {
    TempDir dir;
    TIniText text;
    EXPECT_FALSE(text.LoadFile(dir.str("missing.ini")));
    EXPECT_EQ(text.FindSection("S"), -1);

    WriteBytes(dir.str("f.ini"), "[S]\r\nk=v\r\n");
    EXPECT_TRUE(text.LoadFile(dir.str("f.ini")));
    ASSERT_NE(text.Find(text.FindSection("S"), "K"), nullptr);
    EXPECT_EQ(text.Find(text.FindSection("S"), "K")->Value, "v");

    EXPECT_EQ(LoadError([&] { text.LoadFile(dir.str()); }),
              "Cannot open file " + dir.str() + ": it is a folder");
    EXPECT_EQ(text.FindSection("S"), -1) << "a failed load leaves nothing";
}

TEST(IniText, TextsAliveAtOnceKeepTheirOwnLines) {
    // A thread's texts pass their buffers on to the next one; two at once must not share them.
    auto first = std::make_unique<TIniText>();
    first->LoadText("[A]\r\nk=first\r\n", "a.ini");
    {
        TIniText second;
        second.LoadText("[A]\r\nk=second\r\n" + std::string(100000, ';') + "\r\n", "b.ini");
        EXPECT_EQ(second.Find(second.FindSection("A"), "k")->Value, "second");
        EXPECT_EQ(first->Find(first->FindSection("A"), "k")->Value, "first");
    }
    TIniText third;
    third.LoadText("[A]\r\nk=third\r\n", "c.ini");
    EXPECT_EQ(first->Find(first->FindSection("A"), "k")->Value, "first");
    first.reset();
    EXPECT_EQ(third.Find(third.FindSection("A"), "k")->Value, "third");
}
