#include "deploy/CompileLauncher.h"

#include "deploy/FileUtils.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>

namespace tv {

const char* const kScriptMimeType = "application/x-tamrin-script";
const char* const kCompilerEnvVar = "TAMVELOX_COMPILER";

TLaunchResult ShellOpenAndWait(const std::string& file, const std::string& parameters,
                               const std::string& folder, const TBreathe& breathe) {
    TWaitHooks hooks;
    hooks.Breathe = breathe;
    return ShellOpenAndWait(file, parameters, folder, hooks);
}

int ExecuteAndWait(const std::string& file, const std::string& parameters, const std::string& folder,
                   const TBreathe& breathe) {
    const TLaunchResult r = ShellOpenAndWait(file, parameters, folder, breathe);
    return r.Status == TLaunchStatus::Exited ? r.ExitCode : -1;
}

void Delay(int ms, const std::function<void()>& breathe) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (breathe)
            breathe();
        if (std::chrono::steady_clock::now() >= until)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

namespace {

// The newest output, kMaxCompilerOutput bytes at most, cut at a line start when there was more.
// A ring of one allocation: a flood costs neither more memory than the limit nor any copying of
// what is kept.
class TKeptOutput final {
public:
    void Append(const std::string& text) {
        m_Total += text.size();
        // Of a piece longer than the limit only its end can stay.
        std::size_t from = text.size() > kMaxCompilerOutput ? text.size() - kMaxCompilerOutput : 0;
        while (from < text.size()) {
            std::size_t n = text.size() - from;
            if (m_Ring.size() < kMaxCompilerOutput) {
                // Room for all of it at once, once it is more than a little, so that it never grows
                // by doubling past the limit.
                if (m_Ring.size() + n > kSmallOutput && m_Ring.capacity() < kRingCapacity)
                    m_Ring.reserve(kRingCapacity);
                n = std::min(n, kMaxCompilerOutput - m_Ring.size());
                m_Ring.append(text, from, n);
            } else {
                n = std::min(n, kMaxCompilerOutput - m_Head);
                m_Ring.replace(m_Head, n, text, from, n);
                m_Head = (m_Head + n) % kMaxCompilerOutput;
            }
            from += n;
        }
    }

    // The kept text; when the oldest part was left out, it starts at a line start after note.
    std::string Take(const std::string& note) {
        if (m_Total > kMaxCompilerOutput) {
            std::rotate(m_Ring.begin(), m_Ring.begin() + static_cast<std::ptrdiff_t>(m_Head), m_Ring.end());
            const std::size_t line = m_Ring.find('\n');
            m_Ring.replace(0, line != std::string::npos && line + 1 < m_Ring.size() ? line + 1 : 0, note);
        }
        m_Total = m_Head = 0;
        return std::move(m_Ring);
    }

private:
    static constexpr std::size_t kSmallOutput = 64 << 10;
    static constexpr std::size_t kRingCapacity = kMaxCompilerOutput + 64; // and a note
    std::string m_Ring;
    std::size_t m_Head = 0; // once the ring is full: where its oldest byte is
    std::size_t m_Total = 0;
};

// Waits for a program while the window breathes and tells the window what it waits for.
TLaunchResult OpenAndWait(IBuildUi& ui, const std::string& file, const std::string& folder,
                          std::function<void(const std::string&)> output) {
    // The window hears of the end of every wait it heard of, also when the wait throws.
    struct TWaitEnd {
        IBuildUi& Ui;
        bool Started = false;
        ~TWaitEnd() {
            if (Started)
                Ui.WaitEnded();
        }
    } waitEnd{ui};
    TWaitHooks hooks;
    hooks.Started = [&ui, &waitEnd](const std::string& program) {
        waitEnd.Started = true;
        ui.WaitStarted(program);
    };
    hooks.Breathe = [&ui] {
        ui.ProcessMessages();
        return !ui.StopWaitingRequested();
    };
    hooks.Output = std::move(output);
    return ShellOpenAndWait(file, "", folder, hooks);
}

} // namespace

TCompileResult Compile(IBuildUi& ui, const std::string& scriptPath, const TCompileOptions& options) {
    TCompileResult result;
    auto fail = [&](TCompileOutcome outcome, const std::string& markup) {
        ui.SetProgressState(lbC1, psFailed);
        result.Outcome = outcome;
        result.Message = MarkupToPlain(markup);
        // What the compiler said is often the only clue to why it failed.
        if (options.OfferOutput && result.OutputCaptured && !result.Output.empty())
            result.ShowOutput = ui.MessageDlg(markup + "/#/#Show the compiler output ?", TMsgDlgType::mtError,
                                              mbYes | mbNo) == mrYes;
        else
            ui.MessageDlg(markup, TMsgDlgType::mtError, mbOK);
        return result;
    };
    const auto pause = [&ui] { ui.ProcessMessages(); };

    ui.SetProgressState(lbC1, psRunning);
    result.SetupExe = ChangeFileExt(scriptPath, ".EXE");
    const std::string scriptFolder = ExtractFilePath(scriptPath);
    if (scriptPath.empty())
        return fail(TCompileOutcome::FolderError,
                    "There is no installer script to compile yet:/#build the project first.");
    if (!DirectoryExists(scriptFolder))
        return fail(TCompileOutcome::FolderError, "Cannot open the folder " +
                                                      MarkupLiteral(HostPathShown(scriptFolder)) +
                                                      " of the installer script.");

    Delay(options.StartDelayMs, pause);
    // The compiler runs in the script's folder; ours stays where it is, since the window keeps
    // handling events (and other commands) while it waits.
    TKeptOutput kept;
    const TLaunchResult launch = OpenAndWait(ui, scriptPath, scriptFolder, [&](const std::string& text) {
        kept.Append(text);
        ui.CompilerOutput(text);
    });
    result.OutputCaptured = launch.OutputCaptured;
    result.Output = kept.Take("[earlier output left out]\n");

    if (launch.Status == TLaunchStatus::Interrupted) {
        // The compiler still runs on its own: whether it will make the setup program is unknown.
        ui.SetProgressState(lbC1, psIdle);
        result.Outcome = TCompileOutcome::Interrupted;
        return result;
    }
    if (launch.Status == TLaunchStatus::NotStarted)
        return fail(TCompileOutcome::NotStarted, "No compiler could be started for " +
                                                     MarkupLiteral(HostPathShown(scriptPath)) + ":/#" +
                                                     MarkupLiteral(launch.Error));
    // Without a process to wait for, the compiler may still be busy: its product cannot be judged.
    if (launch.Status == TLaunchStatus::Exited && !FileExists(result.SetupExe))
        return fail(TCompileOutcome::NoSetupProgram, "The compiler did not make the setup program " +
                                                         MarkupLiteral(HostPathShown(result.SetupExe)) + ".");

    ui.SetProgressState(lbC1, psDone);
    Delay(options.EndDelayMs, pause);
    if (!options.OfferToRun)
        return result;
    const std::string question = "Run \"" + MarkupLiteral(HostPathShown(result.SetupExe)) + "\" ?";
    if (ui.MessageDlg(question, TMsgDlgType::mtConfirmation, mbYes | mbNo) != mrYes)
        return result;
    result.RanSetup = true;
    const TLaunchResult setup = OpenAndWait(ui, result.SetupExe, "", nullptr);
    if (setup.Status == TLaunchStatus::NotStarted) {
        result.Message =
            "No program could be started for " + HostPathShown(result.SetupExe) + ": " + setup.Error;
        ui.MessageDlg("No program could be started for " + MarkupLiteral(HostPathShown(result.SetupExe)) +
                          ":/#" + MarkupLiteral(setup.Error),
                      TMsgDlgType::mtError, mbOK);
    }
    return result;
}

} // namespace tv
