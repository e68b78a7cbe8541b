// The project file's text is written straight from the project; it must be, byte for byte, what the
// keyed store holds after every value is written into it key by key (a key written again replacing
// its line in place), also for projects whose row numbers or record keys repeat a key.
#include "bench/FullSizeProject.h"
#include "core/ProjectFile.h"
#include "core/ProjectSettings.h"
#include "core/kvIniFile.h"
#include "tests/support/ProjectTextThroughStore.h"

#include <gtest/gtest.h>

using namespace tv;
using tvtest::TextThroughStore;

namespace {

// The first line where two texts differ, for a readable failure.
std::string FirstDifference(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at])
        ++at;
    const std::size_t line = a.rfind('\n', at) == std::string::npos ? 0 : a.rfind('\n', at) + 1;
    return "at byte " + std::to_string(at) + ": \"" + a.substr(line, 80) + "\" / \"" + b.substr(line, 80) +
           "\"";
}

void ExpectTextAsStore(const TProject& p, const char* what) {
    const std::string direct = ProjectFileText(p), stored = TextThroughStore(p);
    EXPECT_TRUE(direct == stored) << what << " " << FirstDifference(direct, stored);
}

} // namespace

TEST(ProjectFileText, IsWhatTheKeyedStoreHoldsForEveryKindOfProject) {
    TProject fresh;
    ExpectTextAsStore(fresh, "start-up project");
    NewProject(fresh, "/opt/tv");
    ExpectTextAsStore(fresh, "new project");

    TProject full = tvbench::FullSizeProject();
    ExpectTextAsStore(full, "full-size project");

    // Values that only keep their blanks, tabs and quotes in quotes; empty fields; line breaks in
    // contents; an empty record key.
    TProject odd = tvbench::FullSizeProject();
    odd.AppName = "\"quoted\"";
    odd.MiscPassword = " secret ";
    odd.TargetCheckWindow = "tab\t";
    odd.TargetCheckMutex = "'";
    odd.StaticBitmaps[0] = {" lead.bmp", "", ""};
    odd.tbFiles.Records[1] = TFileRecord();
    odd.tbShortcuts.Records[2].WorkDirectory = "trailing ";
    odd.tbRegAdd.Records[0].Contents = {"  leading", "\"both\"", "", "a\r\nb\nc\r", "'x'"};
    odd.tbRegDel.Records[3].Key = "";
    odd.tbINI.Records[4].Contents.clear();
    odd.RunAfterUn[5] = {"", "", "", "", " "};
    ExpectTextAsStore(odd, "odd values");

    // More text than the buffer was first sized for: every file flag, a long setting.
    TProject large = tvbench::FullSizeProject();
    large.MiscPassword = std::string(200000, 'p') + " ";
    for (auto& f : large.tbFiles.Records)
        f.NoLog = f.NoVersionCheck = f.RegisterServer = f.RegisterFont = f.DontAskUser = f.DontOverwrite =
            f.ExternalFile = f.SharedFile = true;
    ExpectTextAsStore(large, "text past the first buffer");
}

TEST(ProjectFileText, RepeatedKeysReplaceTheirLineAsTheStoreDoes) {
    // Record keys that differ only in letter case name one section: the later record's contents
    // are written over the earlier one's, in its place (Save refuses it unless the contents agree).
    TProject twins = tvbench::FullSizeProject();
    twins.tbRegAdd.Records[7].Key = "hklm\\software\\bench\\key3";
    twins.tbRegAdd.Records[7].Contents = {"one"};
    twins.tbRegAdd.Records[9].Key = "HKLM\\SOFTWARE\\BENCH\\KEY3";
    twins.tbRegAdd.Records[9].Contents = {"a", "b", "c"};
    twins.tbINI.Records[1].Key = twins.tbINI.Records[0].Key;
    ExpectTextAsStore(twins, "records naming one section");

    // Rows past the numbering: their numbers are cut to the key's width and land on earlier rows.
    TProject over = tvbench::FullSizeProject();
    over.tbFiles.Records.resize(1234, over.tbFiles.Records[5]);
    over.tbFiles.Records.back().FileName = "last.dll";
    over.RunBefore.resize(1011, {"later", "", "", "", ""});
    for (int i = 0; i < 30; ++i)
        over.StaticBitmaps.push_back({"extra" + std::to_string(i) + ".bmp", "", ""});
    over.tbINI.Records[2].Contents.assign(1005, "line");
    over.tbINI.Records[2].Contents.back() = "the last line";
    ExpectTextAsStore(over, "rows past the numbering");
    EXPECT_FALSE(CheckProjectLimits(over).empty());
}
