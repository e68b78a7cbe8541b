#pragma once
// What differs between the systems the GUI-free tests run on (Linux, and Windows under wine):
// environment variables, separators in expected paths, read-only files, and starting a program
// through the system's shell.

#include <cstdlib>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tvtest {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// Sets name to value, or removes it when value is null.
inline void SetEnv(const char* name, const char* value) {
#ifdef _WIN32
    ::_putenv_s(name, value ? value : ""); // an empty value removes the variable
#else
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
#endif
}

// Restores an environment variable when the test ends.
class TEnvVar final {
public:
    TEnvVar(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_had = true;
            m_old = old;
        }
        SetEnv(name, value);
    }
    ~TEnvVar() { SetEnv(m_name.c_str(), m_had ? m_old.c_str() : nullptr); }
    TEnvVar(const TEnvVar&) = delete;
    TEnvVar& operator=(const TEnvVar&) = delete;

private:
    std::string m_name, m_old;
    bool m_had = false;
};

// A path written with "/" in an expectation, with the system's own separator.
inline std::string Native(std::string path) {
    if (kWindows)
        for (char& c : path)
            if (c == '/')
                c = '\\';
    return path;
}

// What a program wrote to a console stream, with "\n" line ends (Windows writes "\r\n" in text mode).
inline std::string FromConsole(std::string text) {
    if (kWindows)
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
            text.erase(at, 1);
    return text;
}

// Takes the write permission away (the read-only attribute on Windows).
inline void MakeReadOnly(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

// One word of a command line for the system's shell.
inline std::string ShellWord(const std::string& word) {
    if (kWindows)
        return "\"" + word + "\"";
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs a command line through the system's shell; the exit code, -1 when it did not exit normally.
inline int RunShell(const std::string& commandLine) {
#ifdef _WIN32
    // cmd /c drops the outermost pair of quotes when the line starts with one: give it a pair to drop.
    return std::system(("\"" + commandLine + "\"").c_str());
#else
    const int status = std::system(commandLine.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// "cd FOLDER && " in the system's shell.
inline std::string ChangeFolderThen(const std::string& folder) {
    return std::string(kWindows ? "cd /d " : "cd ") + ShellWord(folder) + " && ";
}

} // namespace tvtest
