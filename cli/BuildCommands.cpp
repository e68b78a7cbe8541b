#include "cli/BuildCommands.h"

#include "cli/CliCommands.h"
#include "cli/JsonText.h"
#include "core/HostPath.h"
#include "deploy/CompileLauncher.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/FileUtils.h"
#include "deploy/ProjectCheck.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tv {

const char* const kFlagClean = "--clean";

namespace {

// The console's side of a build: questions are answered Yes (the command was the confirmation),
// messages (UTF-8, as every message) and stage lines go to err; on a terminal a one-line bar shows
// files and bytes.
class TConsoleBuildUi final : public IBuildUi {
public:
    TConsoleBuildUi(std::ostream& err, bool terminal) : m_err(err), m_terminal(terminal) {}
    ~TConsoleBuildUi() override { EndBar(); }

    int MessageDlg(const std::string& text, TMsgDlgType type, unsigned) override {
        if (type == TMsgDlgType::mtConfirmation)
            return mrYes;
        EndBar();
        std::string plain = MarkupToPlain(text);
        for (std::size_t p = plain.find('\n'); p != std::string::npos; p = plain.find('\n', p + 1))
            plain.insert(p + 1, "  ");
        m_err << "tamvelox-cli: " << plain << "\n";
        return mrOk;
    }
    void SetProgressState(int line, int state) override {
        if (state == psRunning) {
            EndBar();
            m_err << ProgressText(line) << "...\n";
        } else if (state == psFailed) {
            EndBar();
            m_err << ProgressText(line) << ": failed\n";
        }
    }
    void ResetProgressLines() override {}
    void SetCopyText(const std::string& text) override { m_copy = MarkupToPlain(text); }
    void SetProgress(std::uint64_t bytesDone, std::uint64_t bytesTotal, int filesDone,
                     int filesTotal) override {
        if (!m_terminal || filesTotal == 0)
            return;
        const int width = 24;
        const int filled =
            bytesTotal ? static_cast<int>(width * bytesDone / bytesTotal) : width * filesDone / filesTotal;
        const int percent =
            bytesTotal ? static_cast<int>(100 * bytesDone / bytesTotal) : 100 * filesDone / filesTotal;
        if (percent == m_lastPercent && filesDone == m_lastFiles)
            return;
        m_lastPercent = percent;
        m_lastFiles = filesDone;
        std::string line = "\r[" + std::string(filled, '#') + std::string(width - filled, '.') + "] " +
                           std::to_string(filesDone) + "/" + std::to_string(filesTotal) + " files, " +
                           SizeText(bytesDone) + " of " + SizeText(bytesTotal) + "  " + m_copy;
        if (line.size() > 100)
            line.resize(100);
        m_err << line << "\x1b[K" << std::flush;
        m_barShown = true;
    }
    void ProcessMessages() override {}
    // The compiler speaks to the user directly, as when it runs in a terminal of its own.
    void CompilerOutput(const std::string& text) override {
        EndBar();
        m_err << text << std::flush;
        m_barShown = !text.empty() && text.back() != '\n'; // our next line starts on a line of its own
    }

private:
    void EndBar() {
        if (m_barShown)
            m_err << "\n";
        m_barShown = false;
    }

    std::ostream& m_err;
    bool m_terminal;
    bool m_barShown = false;
    std::string m_copy;
    int m_lastPercent = -1, m_lastFiles = -1;
};

// A path as the user reads it: without "dir/../" detours, in UTF-8 like every message.
std::string Shown(const std::string& path) {
    return HostToUtf8(PathToHost(HostPath(path).lexically_normal()));
}

bool IsTerminal(const std::ostream& err) {
#ifdef _WIN32
    return &err == &std::cerr && _isatty(_fileno(stderr));
#else
    return &err == &std::cerr && ::isatty(STDERR_FILENO);
#endif
}

int BuildLoaded(const TProject& project, const CliOptions& options, TConsoleBuildUi& ui, std::string& script,
                std::ostream& err) {
    const TBuildResult r =
        Build(project, ui, script, false, options.Has(kFlagClean) ? TBuildMode::Clean : TBuildMode::Rebuild);
    // The closing message names only the first failures; a console has room for all of them.
    if (r.Outcome == TBuildOutcome::Failed || r.Outcome == TBuildOutcome::Refused)
        for (std::size_t i = kMaxListedFailures; i < r.Problems.size(); ++i)
            err << "  " << r.Problems[i] << "\n";
    if (r.Outcome != TBuildOutcome::Done)
        return kExitFailed;
    err << "Built " << Shown(DeploymentPaths(project).ImageRoot) << " ("
        << CopiedText(r.FilesCopied, r.BytesCopied, r.FilesKept) << ")\n";
    return kExitOk;
}

} // namespace

int RunBuild(const CliOptions& options, std::ostream& out, std::ostream& err) {
    TProject project;
    if (!LoadCommandProject(options.Files.at(0), project, err))
        return kExitBadInput;
    TConsoleBuildUi ui(err, IsTerminal(err));
    std::string script;
    const int code = BuildLoaded(project, options, ui, script, err);
    if (code == kExitOk)
        out << Shown(DeploymentPaths(project).Deploy) << "\n";
    return code;
}

const char* const kOptionFormat = "--format";

int RunCheck(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string format = options.Value(kOptionFormat, "text");
    if (format != "text" && format != "json") {
        err << "tamvelox-cli: " << kOptionFormat << " is text or json, not " << format << "\n";
        return kExitBadInput;
    }
    TProject project;
    if (!LoadCommandProject(options.Files.at(0), project, err))
        return kExitBadInput;
    const TFindings findings = CheckProject(project);
    int errors = 0;
    for (const TFinding& f : findings)
        errors += f.Kind == TFindingKind::Error;
    const auto warnings = findings.size() - static_cast<std::size_t>(errors);
    if (format == "json") {
        // One finding per line: readable, and still one document for the tools that read it.
        out << "{\"project\":" << JsonString(HostToUtf8(project.FileName)) << ",\"errors\":" << errors
            << ",\"warnings\":" << warnings << ",\"findings\":[";
        for (std::size_t i = 0; i < findings.size(); ++i) {
            const TFinding& f = findings[i];
            out << (i ? ",\n" : "\n") << "{\"kind\":\""
                << (f.Kind == TFindingKind::Error ? "error" : "warning")
                << "\",\"rule\":" << JsonString(f.Rule);
            if (!f.Place.Table.empty())
                out << ",\"table\":" << JsonString(f.Place.Table) << ",\"row\":" << f.Place.Row;
            if (!f.Place.Setting.empty())
                out << ",\"key\":" << JsonString(f.Place.Setting);
            out << ",\"message\":" << JsonString(f.Text) << "}";
        }
        out << (findings.empty() ? "]}\n" : "\n]}\n");
    } else {
        for (const TFinding& f : findings)
            out << (f.Kind == TFindingKind::Error ? "error" : "warning") << " [" << f.Rule << "]: " << f.Text
                << "\n";
    }
    if (findings.empty())
        err << "No problems found.\n";
    else
        err << errors << (errors == 1 ? " error, " : " errors, ") << warnings
            << (warnings == 1 ? " warning.\n" : " warnings.\n");
    return errors ? kExitFailed : kExitOk;
}

int RunCompile(const CliOptions& options, std::ostream& out, std::ostream& err) {
    TProject project;
    if (!LoadCommandProject(options.Files.at(0), project, err))
        return kExitBadInput;
    TConsoleBuildUi ui(err, IsTerminal(err));
    std::string script;
    if (const int code = BuildLoaded(project, options, ui, script, err); code != kExitOk)
        return code;
    TCompileOptions compile;
    compile.StartDelayMs = compile.EndDelayMs = 0;
    compile.OfferToRun = false;
    compile.OfferOutput = false; // it was shown as it came
    const TCompileResult r = Compile(ui, script, compile);
    if (r.Outcome != TCompileOutcome::Done)
        return kExitFailed;
    err << "The compiler made " << Shown(r.SetupExe) << "\n";
    out << Shown(r.SetupExe) << "\n";
    return kExitOk;
}

} // namespace tv
