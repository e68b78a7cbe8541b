// Opening a file with the desktop's program and waiting for it, on Linux and other POSIX desktops.
#include "deploy/CompileLauncher.h"

#include "core/kvIniFile.h"
#include "deploy/DesktopEntry.h"
#include "deploy/FileUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tv {

namespace {

std::string Trimmed(const std::string& s) {
    const std::size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

// Starts argv (looked up on PATH) with the given file actions, which it then releases; the result
// of posix_spawnp.
int Spawn(const std::vector<std::string>& argv, posix_spawn_file_actions_t& actions, pid_t& pid) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const int rc = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc;
}

// Runs a helper program and returns what it printed (trimmed); empty when it could not run or failed.
std::string Capture(const std::vector<std::string>& argv) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = Spawn(argv, actions, pid);
    ::close(fds[1]);
    std::string out;
    if (rc == 0) {
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(fds[0], buf, sizeof buf);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            out.append(buf, static_cast<std::size_t>(n));
        }
    }
    ::close(fds[0]);
    if (rc != 0)
        return {};
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return Trimmed(out);
}

bool IsScript(const std::string& file) {
    const std::string name = FoldCase(ExtractFileName(file));
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".tzn") == 0;
}

// The MIME type the desktop detects for a file; empty when it cannot tell.
std::string DetectedMimeType(const std::string& file) {
    const std::string detected = Capture({"xdg-mime", "query", "filetype", file});
    if (detected.find('/') == std::string::npos)
        return {};
    return detected.substr(0, detected.find(';'));
}

// The command line of the default application for a MIME type; empty when there is none.
std::vector<std::string> DefaultCommandFor(const std::string& mime, const std::string& file) {
    if (mime.empty())
        return {};
    std::string id = Capture({"xdg-mime", "query", "default", mime});
    if (id.empty() || FindDesktopFile(id).empty())
        id = DefaultDesktopIdFromLists(mime);
    if (id.empty())
        return {};
    const std::string desktop = FindDesktopFile(id);
    return DesktopExecArguments(ReadDesktopExec(desktop), file, desktop);
}

// Words of a parameter text, grouped by double quotes.
std::vector<std::string> SplitParameters(const std::string& parameters) {
    std::vector<std::string> words = DesktopExecArguments(parameters, "%");
    if (!words.empty())
        words.pop_back(); // the placeholder appended for the missing file code
    return words;
}

// The command line that opens file; empty with the reason in why when there is none.
std::vector<std::string> OpenCommand(const std::string& file, const std::string& parameters, std::string& why,
                                     std::string& shellCommand) {
    std::vector<std::string> params =
        parameters.empty() ? std::vector<std::string>() : SplitParameters(parameters);
    const char* compiler = std::getenv(kCompilerEnvVar);
    if (IsScript(file) && compiler && *compiler) {
        // The command may carry its own arguments: let the shell split it, the paths go as they are.
        shellCommand = compiler;
        std::vector<std::string> argv = {"/bin/sh", "-c", std::string(compiler) + " \"$@\"", "sh", file};
        argv.insert(argv.end(), params.begin(), params.end());
        return argv;
    }
    // Our scripts' own type first (the desktop may not know it, or take them for plain text).
    std::vector<std::string> argv =
        IsScript(file) ? DefaultCommandFor(kScriptMimeType, file) : std::vector<std::string>();
    if (argv.empty()) {
        const std::string detected = DetectedMimeType(file);
        if (detected != kScriptMimeType)
            argv = DefaultCommandFor(detected, file);
    }
    if (!argv.empty()) {
        argv.insert(argv.end(), params.begin(), params.end());
        return argv;
    }
    why = "no program is registered for it";
    return {};
}

// The first word of a shell command line, with its quotes taken off.
std::string FirstShellWord(const std::string& command) {
    std::string word;
    std::size_t i = command.find_first_not_of(" \t");
    char quote = 0;
    for (; i < command.size(); ++i) {
        const char c = command[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '\\' && quote == '"' && i + 1 < command.size())
                word += command[++i];
            else
                word += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '\\' && i + 1 < command.size()) {
            word += command[++i];
        } else if (c == ' ' || c == '\t' || c == ';' || c == '&' || c == '|') {
            break;
        } else {
            word += c;
        }
    }
    return word;
}

// The name of the program argv starts, as the user knows it: the file name of the command in
// $TAMVELOX_COMPILER rather than the shell that runs it.
std::string ProgramName(const std::vector<std::string>& argv, const std::string& file) {
    const char* compiler = std::getenv(kCompilerEnvVar);
    std::string program = argv[0];
    if (IsScript(file) && compiler && *compiler && argv[0] == "/bin/sh") {
        program = FirstShellWord(compiler);
        if (program.empty())
            program = argv[0];
    }
    const std::size_t slash = program.find_last_of('/');
    return slash == std::string::npos ? program : program.substr(slash + 1);
}

// Where a started program's output is caught: an unlinked temporary file rather than a pipe, so
// that a program we stop waiting for (or that outlives us) never dies of a closed pipe nor stalls
// on a full one. Its stdout and stderr share one file offset, so the text keeps the order it was
// written in.
class TOutputFile {
public:
    TOutputFile() {
        const char* tmp = std::getenv("TMPDIR");
        std::string name = std::string(tmp && *tmp ? tmp : "/tmp") + "/tamvelox-output-XXXXXX";
        m_fd = ::mkostemp(&name[0], O_CLOEXEC);
        if (m_fd >= 0)
            ::unlink(name.c_str());
    }
    ~TOutputFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TOutputFile(const TOutputFile&) = delete;
    TOutputFile& operator=(const TOutputFile&) = delete;

    int Fd() const { return m_fd; }
    // What was written since the last call, at most most bytes of it: a flood is passed on in
    // pieces, with the window's events between them.
    std::string ReadNew(std::size_t most) {
        struct stat st {};
        if (::fstat(m_fd, &st) != 0 || st.st_size <= m_read)
            return {};
        most = std::min(most, static_cast<std::size_t>(st.st_size - m_read));
        std::string text(most, '\0');
        std::size_t got = 0;
        while (got < most) {
            const ssize_t n = ::pread(m_fd, &text[got], most - got, m_read);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
            m_read += n;
        }
        text.resize(got);
        ReleaseRead();
        return text;
    }
    // Leaves out what is written but not read yet, except its last keep bytes.
    void SkipAllBut(std::size_t keep) {
        struct stat st {};
        if (::fstat(m_fd, &st) == 0 && st.st_size - m_read > static_cast<off_t>(keep))
            m_read = st.st_size - static_cast<off_t>(keep);
    }

private:
    int m_fd = -1;
    off_t m_read = 0;
    off_t m_released = 0;

    // Gives back the room of what was read: a long flood would otherwise fill the temporary folder.
    void ReleaseRead() {
#ifdef FALLOC_FL_PUNCH_HOLE
        constexpr off_t kStep = 16 << 20;
        if (m_read - m_released < kStep)
            return;
        const off_t upTo = m_read / kStep * kStep;
        if (::fallocate(m_fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, m_released, upTo - m_released) == 0)
            m_released = upTo;
        else
            m_released = m_read; // not supported here: the file keeps its room
#endif
    }
};

// The most of a program's output passed on at one breath.
constexpr std::size_t kOutputPiece = 256 << 10;

// Programs we stopped waiting for. They are collected once they end, so that none is left behind
// as a zombie for the rest of our run.
std::vector<pid_t>& LeftRunning() {
    static std::vector<pid_t> pids;
    return pids;
}

void CollectEnded() {
    std::vector<pid_t>& pids = LeftRunning();
    for (auto it = pids.begin(); it != pids.end();) {
        int status = 0;
        const pid_t done = ::waitpid(*it, &status, WNOHANG);
        it = done == 0 ? it + 1 : pids.erase(it);
    }
}

void SleepMs(long ms) {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (::nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

} // namespace

bool CanCaptureProgramOutput() {
    return true;
}

TLaunchResult ShellOpenAndWait(const std::string& file, const std::string& parameters,
                               const std::string& folder, const TWaitHooks& hooks) {
    CollectEnded();
    TLaunchResult result;
    if (file.empty()) {
        result.Error = "no file given";
        return result;
    }
    std::string shellCommand; // the command the shell runs for us, when it is one
    const std::vector<std::string> argv = OpenCommand(file, parameters, result.Error, shellCommand);
    if (argv.empty())
        return result;

    std::unique_ptr<TOutputFile> output;
    if (hooks.Output) {
        output = std::make_unique<TOutputFile>();
        if (output->Fd() < 0)
            output.reset(); // not worth refusing the compile for: the text goes to stderr instead
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output) {
        posix_spawn_file_actions_adddup2(&actions, output->Fd(), STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output->Fd(), STDERR_FILENO);
    } else {
        // What the program prints goes with our diagnostics, never into our own output.
        posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    }
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid = -1;
    const int rc = Spawn(argv, actions, pid);
    if (rc != 0) {
        result.Error = "cannot start " + argv[0] + ": " + std::strerror(rc);
        return result;
    }
    result.Program = ProgramName(argv, file);
    result.OutputCaptured = output != nullptr;
    if (hooks.Started)
        hooks.Started(result.Program);
    // One piece of the output; true when more may be waiting.
    const auto passOutput = [&] {
        if (!output)
            return false;
        const std::string text = output->ReadNew(kOutputPiece);
        if (!text.empty())
            hooks.Output(text);
        return text.size() == kOutputPiece;
    };
    const auto exited = [&](int status) {
        result.Status = TLaunchStatus::Exited;
        result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        // The shell's own codes for a command it could not find (127) or run (126).
        if (!shellCommand.empty() && WIFEXITED(status) &&
            (result.ExitCode == 127 || result.ExitCode == 126)) {
            result.Status = TLaunchStatus::NotStarted;
            result.Error = "the command \"" + shellCommand + "\" (" + kCompilerEnvVar + ") " +
                           (result.ExitCode == 127 ? "was not found" : "could not be run");
        }
        return result;
    };

    // The program is looked at before its output is read, so that once it has ended, what is read
    // is all it wrote. Output is read piece by piece with a breath after each, so a flood of it
    // neither freezes the window nor is held whole, and a stop is heard between two pieces.
    bool ended = false;
    int status = 0;
    long nap = 1;
    for (;;) {
        if (!ended) {
            const pid_t done = ::waitpid(pid, &status, WNOHANG);
            if (done == pid) {
                ended = true;
            } else if (done < 0 && errno != EINTR) {
                result.Status = TLaunchStatus::NoProcess;
                return result;
            }
        }
        const bool more = passOutput();
        if (ended && !more)
            return exited(status);
        if (hooks.Breathe && !hooks.Breathe()) {
            if (!ended) {
                passOutput(); // what it said just before, at most one piece more
                LeftRunning().push_back(pid);
                result.Status = TLaunchStatus::Interrupted;
                return result;
            }
            // The program has ended with much of its output unread: its end, where a compiler
            // says what went wrong, is handed over, the part before it left out.
            output->SkipAllBut(kMaxCompilerOutput);
            while (passOutput()) {
            }
            return exited(status);
        }
        if (more) {
            nap = 1;
        } else {
            SleepMs(nap);
            nap = nap < 16 ? nap * 2 : 16; // quick answers for short runs, few wake-ups for long ones
        }
    }
}

} // namespace tv
