#include "tests/support/BuildTestSupport.h"

#include "deploy/CompileLauncher.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/DesktopEntry.h"
#include "deploy/FileUtils.h"

#ifndef _WIN32
#include "tests/support/ProgramGate.h"
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tv;
using namespace tvtest;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const TCompileOptions kNoPauses = {0, 0, true};

// Builds a small project in dir and returns its script path.
std::string BuiltScript(const TempDir& dir) {
    TProject p = SavedProject(dir);
    WriteText(dir.path() / "app.exe", "app");
    p.tbFiles.Append(FileRow(dir.str("app.exe"), "%InstallPath%"));
    TRecordingUi ui;
    std::string script;
    EXPECT_EQ(Build(p, ui, script).Outcome, TBuildOutcome::Done);
    return script;
}

// The stand-in compiler as a $TAMVELOX_COMPILER command with extra arguments.
std::string FakeCompiler(const std::string& args) {
    return ShellWord(FAKE_COMPILER_PATH) + " " + args;
}

} // namespace

TEST(CompileLauncher, RegisteredCompilerMakesTheSetupProgram) {
#ifdef _WIN32
    GTEST_SKIP() << "the association is an XDG desktop entry";
#else
    XdgSandbox desk;
    desk.RegisterCompiler(FAKE_COMPILER_PATH);
    const std::string script = BuiltScript(desk.dir());
    const std::string before = GetCurrentDir();

    TRecordingUi ui;
    ui.Answers = {mrNo};
    // While the compiler runs, the window handles events: none of them sees a moved current folder.
    std::vector<std::string> foldersSeen;
    ui.OnBreath = [&] { foldersSeen.push_back(GetCurrentDir()); };
    const TCompileResult r = Compile(ui, script, kNoPauses);

    EXPECT_EQ(r.Outcome, TCompileOutcome::Done) << r.Message;
    ASSERT_FALSE(foldersSeen.empty());
    EXPECT_THAT(foldersSeen, Each(before));
    EXPECT_EQ(r.SetupExe, desk.dir().str("deploy/demo.EXE"));
    // The compiler ran in the script's folder; ours is back where it was.
    EXPECT_THAT(ReadText(r.SetupExe),
                HasSubstr("cwd=" + fs::canonical(desk.dir().path() / "deploy").string()));
    EXPECT_EQ(GetCurrentDir(), before);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(MarkupToPlain(ui.Messages[0].Text), "Run \"" + r.SetupExe + "\" ?");
    EXPECT_EQ(ui.Messages[0].Type, TMsgDlgType::mtConfirmation);
    EXPECT_FALSE(r.RanSetup);
    EXPECT_THAT(ui.StateLog, ElementsAre(std::make_pair(int(lbC1), int(psRunning)),
                                         std::make_pair(int(lbC1), int(psDone))));
    EXPECT_GT(ui.Breaths, 0);
    // The window was told whom it waited for, by the program's own name.
    EXPECT_THAT(ui.Waits, ElementsAre("fake_compiler", "end"));
#endif
}

TEST(CompileLauncher, TheCompilersOutputIsCapturedInTheOrderWritten) {
#ifdef _WIN32
    GTEST_SKIP() << "the shell starts the compiler, whose output is its own";
#else
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    TEnvVar compiler(kCompilerEnvVar, FakeCompiler("--lines 4").c_str());
    TRecordingUi ui;
    ui.Answers = {mrNo};
    const TCompileResult r = Compile(ui, script, kNoPauses);
    EXPECT_EQ(r.Outcome, TCompileOutcome::Done) << r.Message;
    ASSERT_TRUE(r.OutputCaptured);
    EXPECT_TRUE(CanCaptureProgramOutput());
    EXPECT_EQ(r.Output, "line 1 to stdout\nline 2 to stderr\nline 3 to stdout\nline 4 to stderr\n"
                        "fake compiler: made demo.EXE\n");
    EXPECT_EQ(ui.Output, r.Output);
    // Named after the command, not after the shell that runs it.
    EXPECT_THAT(ui.Waits, ElementsAre("fake_compiler", "end"));
    EXPECT_FALSE(r.ShowOutput);
#endif
}

TEST(CompileLauncher, AFailedCompileOffersWhatTheCompilerSaid) {
#ifdef _WIN32
    GTEST_SKIP() << "the shell starts the compiler, whose output is its own";
#else
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    {
        TEnvVar compiler(kCompilerEnvVar, FakeCompiler("--fail").c_str());
        TRecordingUi ui;
        ui.Answers = {mrYes};
        const TCompileResult r = Compile(ui, script, kNoPauses);
        EXPECT_EQ(r.Outcome, TCompileOutcome::NoSetupProgram);
        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_EQ(ui.Messages[0].Type, TMsgDlgType::mtError);
        EXPECT_EQ(ui.Messages[0].Buttons, unsigned(mbYes | mbNo));
        EXPECT_THAT(MarkupToPlain(ui.Messages[0].Text), HasSubstr("did not make the setup program"));
        EXPECT_THAT(MarkupToPlain(ui.Messages[0].Text), HasSubstr("Show the compiler output ?"));
        EXPECT_TRUE(r.ShowOutput);
        EXPECT_EQ(r.Output, "fake compiler: failing on request\n");

        // Where the output was shown as it came (the console), the message only reports.
        TCompileOptions shown = kNoPauses;
        shown.OfferOutput = false;
        TRecordingUi ui2;
        const TCompileResult r2 = Compile(ui2, script, shown);
        ASSERT_EQ(ui2.Messages.size(), 1u);
        EXPECT_EQ(ui2.Messages[0].Buttons, unsigned(mbOK));
        EXPECT_FALSE(r2.ShowOutput);
    }
    // A compiler that said nothing has nothing to offer.
    TEnvVar silent(kCompilerEnvVar, "exit 1 #");
    TRecordingUi ui;
    const TCompileResult r = Compile(ui, script, kNoPauses);
    EXPECT_EQ(r.Outcome, TCompileOutcome::NoSetupProgram);
    EXPECT_TRUE(r.OutputCaptured);
    EXPECT_EQ(r.Output, "");
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Buttons, unsigned(mbOK));
#endif
}

TEST(CompileLauncher, StoppingAWaitLeavesTheProgramRunning) {
#ifdef _WIN32
    GTEST_SKIP() << "a FIFO gate";
#else
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    TProgramGate gate(desk.dir().str("gate"));
    ASSERT_TRUE(gate.Made());
    TEnvVar compiler(kCompilerEnvVar, FakeCompiler("--wait-for '" + gate.Path() + "'").c_str());
    TRecordingUi ui;
    // The author stops waiting once the compiler is stuck at its gate.
    ui.OnBreath = [&] { ui.StopWaiting = ui.Output.find("waiting") != std::string::npos; };
    const TCompileResult r = Compile(ui, script, kNoPauses);

    EXPECT_EQ(r.Outcome, TCompileOutcome::Interrupted);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(ui.States[lbC1], psIdle);
    EXPECT_THAT(ui.Waits, ElementsAre("fake_compiler", "end"));
    EXPECT_EQ(r.Output, "fake compiler: waiting\n");
    // It still holds its gate: it was not stopped with the wait, nor killed by a closed pipe.
    EXPECT_TRUE(gate.Send("quit\n"));
#endif
}

// A compiler that floods its output: every piece of it is handed over, each between two breaths
// and none larger than the kept limit; what is kept is the end, from a line start.
TEST(CompileLauncher, AFloodOfOutputIsReadInPiecesAndOnlyItsEndIsKept) {
#ifdef _WIN32
    GTEST_SKIP() << "the shell starts the compiler, whose output is its own";
#else
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    const std::size_t flood = 5 * kMaxCompilerOutput + 6400;
    TEnvVar compiler(kCompilerEnvVar, FakeCompiler("--flood " + std::to_string(flood)).c_str());
    TRecordingUi ui;
    ui.Answers = {mrNo};
    std::size_t seen = 0, largest = 0;
    ui.OnBreath = [&] {
        largest = std::max(largest, ui.Output.size() - seen);
        seen = ui.Output.size();
    };
    const TCompileResult r = Compile(ui, script, kNoPauses);
    largest = std::max(largest, ui.Output.size() - seen);

    EXPECT_EQ(r.Outcome, TCompileOutcome::Done) << r.Message;
    const std::string last = "fake compiler: made demo.EXE\n";
    ASSERT_EQ(ui.Output.size(), flood + last.size());
    EXPECT_LT(largest, kMaxCompilerOutput);
    const std::string note = "[earlier output left out]\n";
    ASSERT_EQ(r.Output.compare(0, note.size(), note), 0);
    const std::string kept = r.Output.substr(note.size());
    EXPECT_LE(kept.size(), kMaxCompilerOutput);
    EXPECT_GT(kept.size(), kMaxCompilerOutput - 64);
    EXPECT_EQ(ui.Output.compare(ui.Output.size() - kept.size(), kept.size(), kept), 0);
    EXPECT_EQ(ui.Output[ui.Output.size() - kept.size() - 1], '\n');
    EXPECT_EQ(kept.compare(0, 11, "flood line "), 0);
#endif
}

// "Stop waiting" in the middle of a flood ends the wait at the next piece, not at its end.
TEST(CompileLauncher, AStopIsHeardDuringAFlood) {
#ifdef _WIN32
    GTEST_SKIP() << "a FIFO gate";
#else
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    TProgramGate gate(desk.dir().str("gate"));
    ASSERT_TRUE(gate.Made());
    const std::size_t flood = 8 * kMaxCompilerOutput;
    TEnvVar compiler(
        kCompilerEnvVar,
        FakeCompiler("--flood " + std::to_string(flood) + " --wait-for '" + gate.Path() + "'").c_str());
    TRecordingUi ui;
    ui.OnBreath = [&] { ui.StopWaiting = ui.Output.size() > 2 * kMaxCompilerOutput; };
    const TCompileResult r = Compile(ui, script, kNoPauses);

    EXPECT_EQ(r.Outcome, TCompileOutcome::Interrupted);
    EXPECT_THAT(ui.Waits, ElementsAre("fake_compiler", "end"));
    EXPECT_GT(ui.Output.size(), 2 * kMaxCompilerOutput);
    EXPECT_LT(ui.Output.size(), 3 * kMaxCompilerOutput);
    const std::string note = "[earlier output left out]\n";
    ASSERT_EQ(r.Output.compare(0, note.size(), note), 0);
    const std::string kept = r.Output.substr(note.size());
    EXPECT_LE(kept.size(), kMaxCompilerOutput);
    EXPECT_EQ(ui.Output.compare(ui.Output.size() - kept.size(), kept.size(), kept), 0);
    // The compiler was left running, with its gate.
    EXPECT_TRUE(gate.Send("quit\n"));
#endif
}

TEST(CompileLauncher, TheWaitForTheSetupProgramCanBeStoppedToo) {
#ifdef _WIN32
    GTEST_SKIP() << "a FIFO gate and XDG associations";
#else
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    // The setup program is opened by its detected type, which needs a type detector.
    WriteText(desk.dir().path() / "probe.EXE", "setup\n");
    const std::string probe = "xdg-mime query filetype '" + desk.dir().str("probe.EXE") + "' >/dev/null 2>&1";
    if (std::system(probe.c_str()) != 0)
        GTEST_SKIP() << "xdg-mime cannot tell file types here (neither file nor mimetype installed)";
    TProgramGate gate(desk.dir().str("gate"));
    ASSERT_TRUE(gate.Made());
    TEnvVar compiler(kCompilerEnvVar, FAKE_COMPILER_PATH);
    // What the desktop opens the setup program with: here a program that waits at the gate.
    WriteText(desk.dir().path() / "data/applications/setup-runner.desktop",
              "[Desktop Entry]\nType=Application\nName=Runner\nExec=\"" + std::string(FAKE_COMPILER_PATH) +
                  "\" --wait-for \"" + gate.Path() + "\" %f\n");
    WriteText(desk.dir().path() / "config/mimeapps.list",
              "[Default Applications]\ntext/plain=setup-runner.desktop;\n"
              "application/octet-stream=setup-runner.desktop;\n"
              "application/x-ms-dos-executable=setup-runner.desktop;\n");
    TRecordingUi ui;
    ui.Answers = {mrYes};
    // Only the second wait, the setup program's, is stopped.
    ui.OnBreath = [&] { ui.StopWaiting = ui.Waits.size() == 3 && gate.Held(); };
    const TCompileResult r = Compile(ui, script, kNoPauses);
    EXPECT_EQ(r.Outcome, TCompileOutcome::Done) << r.Message;
    EXPECT_TRUE(r.RanSetup);
    EXPECT_EQ(ui.States[lbC1], psDone);
    EXPECT_THAT(ui.Waits, ElementsAre("fake_compiler", "end", "fake_compiler", "end"));
    EXPECT_EQ(ui.ErrorTexts().size(), 0u);
    // The setup program's output is not the compiler's.
    EXPECT_EQ(r.Output, "fake compiler: made demo.EXE\n");
    EXPECT_TRUE(gate.Send("quit\n"));
#endif
}

TEST(CompileLauncher, NothingRegisteredIsReportedWithoutWaiting) {
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    const std::string before = GetCurrentDir();
    TRecordingUi ui;
    const TCompileResult r = Compile(ui, script, kNoPauses);

    EXPECT_EQ(r.Outcome, TCompileOutcome::NotStarted);
    ASSERT_EQ(ui.ErrorTexts().size(), 1u);
    EXPECT_THAT(ui.ErrorTexts()[0], HasSubstr("No compiler could be started for " + script));
    EXPECT_EQ(ui.Messages.size(), 1u); // no offer to run a setup program that is not there
    EXPECT_EQ(ui.States[lbC1], psFailed);
    EXPECT_TRUE(ui.Waits.empty()); // nothing to wait for, nothing to stop
    EXPECT_EQ(GetCurrentDir(), before);
    EXPECT_EQ(ExecuteAndWait(script, "", "", {}), -1);
}

TEST(CompileLauncher, CompilerCommandFromTheEnvironment) {
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    {
        TEnvVar compiler(kCompilerEnvVar, FakeCompiler("--fail").c_str());
        TRecordingUi ui;
        const TCompileResult r = Compile(ui, script, kNoPauses);
        EXPECT_EQ(r.Outcome, TCompileOutcome::NoSetupProgram);
        ASSERT_EQ(ui.ErrorTexts().size(), 1u);
        EXPECT_THAT(ui.ErrorTexts()[0], HasSubstr("did not make the setup program"));
        EXPECT_EQ(ui.States[lbC1], psFailed);
    }
    TEnvVar compiler(kCompilerEnvVar, FAKE_COMPILER_PATH);
    TRecordingUi ui;
    ui.Answers = {mrYes};
    const TCompileResult r = Compile(ui, script, kNoPauses);
    EXPECT_EQ(r.Outcome, TCompileOutcome::Done);
    EXPECT_TRUE(fs::exists(desk.dir().path() / "deploy/demo.EXE"));
    // Yes runs the setup program; nothing opens it in this sandbox, which is said.
    EXPECT_TRUE(r.RanSetup);
    ASSERT_EQ(ui.ErrorTexts().size(), 1u);
    EXPECT_THAT(ui.ErrorTexts()[0], HasSubstr("No program could be started for " + r.SetupExe));
    EXPECT_EQ(ui.States[lbC1], psDone);
}

TEST(CompileLauncher, CompileBeforeAnyBuildLaunchesNothing) {
    XdgSandbox desk;
    TEnvVar compiler(kCompilerEnvVar, FAKE_COMPILER_PATH);
    const std::string before = GetCurrentDir();
    TRecordingUi ui;
    const TCompileResult r = Compile(ui, "", kNoPauses);
    EXPECT_EQ(r.Outcome, TCompileOutcome::FolderError);
    EXPECT_EQ(ui.ErrorTexts().size(), 1u);
    EXPECT_EQ(ui.States[lbC1], psFailed);
    EXPECT_EQ(GetCurrentDir(), before);

    TRecordingUi ui2;
    EXPECT_EQ(Compile(ui2, desk.dir().str("nowhere/demo.TZN"), kNoPauses).Outcome,
              TCompileOutcome::FolderError);
}

TEST(CompileLauncher, ExecuteAndWaitGivesTheExitCodeAndStopsOnAQuitRequest) {
#ifdef _WIN32
    GTEST_SKIP() << "sh commands and a FIFO";
#else
    XdgSandbox desk;
    WriteText(desk.dir().path() / "s.tzn", "x");
    TEnvVar compiler(kCompilerEnvVar, "exit 7 #");
    EXPECT_EQ(ExecuteAndWait(desk.dir().str("s.tzn"), "", "", {}), 7);

    // A program that waits for us: the wait ends on the first quit request, then we let it go.
    const std::string fifo = desk.dir().str("go");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    TEnvVar waiting(kCompilerEnvVar, ("read line < '" + fifo + "' #").c_str());
    int calls = 0;
    const TLaunchResult r = ShellOpenAndWait(desk.dir().str("s.tzn"), "", "", [&] { return ++calls < 3; });
    EXPECT_EQ(r.Status, TLaunchStatus::Interrupted);
    EXPECT_EQ(calls, 3);
    std::ofstream(fifo) << "go\n";
#endif
}

TEST(DesktopEntry, ExecLinesBecomeArguments) {
    EXPECT_THAT(DesktopExecArguments("tzc %f", "/d/a b.TZN"), ElementsAre("tzc", "/d/a b.TZN"));
    EXPECT_THAT(DesktopExecArguments("\"/opt/my tools/tzc\" --quiet %U", "/s.tzn"),
                ElementsAre("/opt/my tools/tzc", "--quiet", "/s.tzn"));
    EXPECT_THAT(DesktopExecArguments("tzc --title=%c %i -o=%f 100%%", "/s.tzn"),
                ElementsAre("tzc", "--title=", "-o=/s.tzn", "100%"));
    EXPECT_THAT(DesktopExecArguments("tzc", "/s.tzn"), ElementsAre("tzc", "/s.tzn"));
    EXPECT_THAT(DesktopExecArguments("\"a \\\"q\\\" \\$x\" %F", "/s"), ElementsAre("a \"q\" $x", "/s"));
    EXPECT_THAT(DesktopExecArguments("", "/s"), IsEmpty());
}

TEST(DesktopEntry, DefaultsComeFromTheListsInOrder) {
#ifdef _WIN32
    GTEST_SKIP() << "XDG associations";
#else
    XdgSandbox desk;
    const fs::path apps = desk.dir().path() / "data/applications";
    WriteText(apps / "vendor/tool.desktop", "[Desktop Entry]\nExec=tool\\s1 %f\n");
    WriteText(apps / "other.desktop", "[Desktop Entry]\nExec=other %f\n");
    EXPECT_EQ(FindDesktopFile("vendor-tool.desktop"), (apps / "vendor/tool.desktop").string());
    EXPECT_EQ(FindDesktopFile("missing.desktop"), "");
    EXPECT_EQ(ReadDesktopExec((apps / "vendor/tool.desktop").string()), "tool 1 %f");

    EXPECT_EQ(DefaultDesktopIdFromLists("application/x-t"), "");
    WriteText(apps / "mimeinfo.cache", "[MIME Cache]\napplication/x-t=other.desktop;\n");
    EXPECT_EQ(DefaultDesktopIdFromLists("application/x-t"), "other.desktop");
    // A listed default whose entry is gone is passed over.
    WriteText(desk.dir().path() / "config/mimeapps.list",
              "[Added Associations]\napplication/x-t=vendor-tool.desktop\n"
              "[Default Applications]\napplication/x-t=gone.desktop;vendor-tool.desktop;\n");
    EXPECT_EQ(DefaultDesktopIdFromLists("application/x-t"), "vendor-tool.desktop");
#endif
}

#ifdef _WIN32
// Without a compiler command the shell opens the file by its type (ShellExecuteEx), in the folder
// given, and the launcher waits for what it started and reports its exit code.
TEST(CompileLauncher, TheShellOpensTheFileInItsFolderAndIsWaitedFor) {
    XdgSandbox desk;
    const std::string script = BuiltScript(desk.dir());
    const std::string folder = desk.dir().str("deploy");
    std::vector<std::string> started;
    TWaitHooks hooks;
    hooks.Started = [&](const std::string& program) { started.push_back(program); };
    const TLaunchResult made = ShellOpenAndWait(FAKE_COMPILER_PATH, ShellWord(script), folder, hooks);
    EXPECT_EQ(made.Status, TLaunchStatus::Exited) << made.Error;
    EXPECT_EQ(made.ExitCode, 0);
    EXPECT_THAT(started, ElementsAre("fake_compiler.exe"));
    EXPECT_THAT(ReadText(desk.dir().path() / "deploy/demo.EXE"), HasSubstr("cwd=" + folder));

    EXPECT_EQ(ExecuteAndWait(FAKE_COMPILER_PATH, "--fail " + ShellWord(script), folder, {}), 1);

    const TLaunchResult missing = ShellOpenAndWait(desk.dir().str("no-such.exe"), "", "", TWaitHooks{});
    EXPECT_EQ(missing.Status, TLaunchStatus::NotStarted);
    EXPECT_FALSE(missing.Error.empty());
}
#endif
