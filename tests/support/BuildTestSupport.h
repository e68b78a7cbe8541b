#pragma once
// Shared pieces of the build and console tests: INI file readers, a build UI that records
// everything and answers questions from a script, and a desktop sandbox for the compile runs.

#include "deploy/BuildUi.h"
#include "deploy/CompileLauncher.h"
#include "deploy/ProjectCheck.h"
#include "core/Project.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tvtest {

// Every finding of Check as its text, errors first.
inline std::vector<std::string> CheckTexts(const tv::TProject& project) {
    std::vector<std::string> texts;
    for (const tv::TFinding& f : tv::CheckProject(project))
        texts.push_back(f.Text);
    return texts;
}

// The lines of a file written by the INI store (CR LF line ends, a blank line after each section).
inline std::vector<std::string> IniLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::string text = ReadText(file);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty())
            lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// The lines of one section of such a file, without its header; empty when absent.
inline std::vector<std::string> SectionLines(const fs::path& file, const std::string& section) {
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& line : IniLines(file)) {
        if (!line.empty() && line.front() == '[') {
            in = line == "[" + section + "]";
            continue;
        }
        if (in)
            out.push_back(line);
    }
    return out;
}

// Section headers of such a file, in order.
inline std::vector<std::string> SectionNames(const fs::path& file) {
    std::vector<std::string> out;
    for (const std::string& line : IniLines(file))
        if (!line.empty() && line.front() == '[')
            out.push_back(line.substr(1, line.size() - 2));
    return out;
}

// Files below a folder as sorted relative paths ("/"-separated), folders marked with a trailing "/".
inline std::vector<std::string> Tree(const fs::path& root) {
    std::vector<std::string> out;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it)
        out.push_back(fs::relative(it->path(), root).generic_string() + (it->is_directory() ? "/" : ""));
    std::sort(out.begin(), out.end());
    return out;
}

class TRecordingUi final : public tv::IBuildUi {
public:
    struct TMessage {
        std::string Text;
        tv::TMsgDlgType Type;
        unsigned Buttons;
    };
    std::vector<int> Answers;       // answers to the next questions, in order; then mrYes
    std::vector<TMessage> Messages; // everything shown
    int States[tv::kProgressLineCount] = {-1, -1, -1, -1, -1, -1}; // -1: never set
    std::vector<std::pair<int, int>> StateLog;
    std::vector<std::string> CopyTexts;
    std::vector<bool> CopyShown;
    std::uint64_t BytesDone = 0, BytesTotal = 0;
    int FilesDone = 0, FilesTotal = 0;
    int Breaths = 0;
    std::function<void()> OnBreath; // runs at every ProcessMessages
    std::function<void()> OnQuestion; // runs while a question stands open
    std::vector<std::string> Waits; // "program" when a wait starts, "end" when it ends
    bool StopWaiting = false;       // answer to StopWaitingRequested
    std::string Output;             // the compiler's output as it was handed over

    int MessageDlg(const std::string& text, tv::TMsgDlgType type, unsigned buttons) override {
        Messages.push_back({text, type, buttons});
        if (type != tv::TMsgDlgType::mtConfirmation && !(buttons & tv::mbYes))
            return tv::mrOk;
        if (OnQuestion)
            OnQuestion();
        if (Answers.empty())
            return tv::mrYes;
        const int a = Answers.front();
        Answers.erase(Answers.begin());
        return a;
    }
    void SetProgressState(int line, int state) override {
        States[line] = state;
        StateLog.emplace_back(line, state);
    }
    void SetCopyText(const std::string& text) override { CopyTexts.push_back(text); }
    void ShowCopyText(bool visible) override { CopyShown.push_back(visible); }
    void SetProgress(std::uint64_t done, std::uint64_t total, int files, int filesTotal) override {
        BytesDone = done;
        BytesTotal = total;
        FilesDone = files;
        FilesTotal = filesTotal;
    }
    void ProcessMessages() override {
        ++Breaths;
        if (OnBreath)
            OnBreath();
    }
    void WaitStarted(const std::string& program) override { Waits.push_back(program); }
    void WaitEnded() override { Waits.push_back("end"); }
    bool StopWaitingRequested() override { return StopWaiting; }
    void CompilerOutput(const std::string& text) override { Output += text; }

    std::vector<std::string> ErrorTexts() const {
        std::vector<std::string> out;
        for (const TMessage& m : Messages)
            if (m.Type == tv::TMsgDlgType::mtError)
                out.push_back(tv::MarkupToPlain(m.Text));
        return out;
    }
    std::vector<int> LineStates() const { return std::vector<int>(States, States + tv::kProgressLineCount); }
};

// A project saved as dir/<name>, deploying to dir/deploy, with nothing else set.
inline tv::TProject SavedProject(const TempDir& dir, const std::string& name = "demo.tvx") {
    tv::TProject p;
    p.FileName = dir.str(name);
    p.MiscDeployment = dir.str("deploy");
    p.Modified = false;
    return p;
}

inline tv::TFileRecord FileRow(const std::string& source, const std::string& dest) {
    tv::TFileRecord r;
    r.FileName = source;
    r.FilePath = dest;
    return r;
}

// A desktop of its own: XDG folders, HOME and the compiler override all point into a temporary
// folder, so nothing of the machine's own associations is seen or touched.
class XdgSandbox {
public:
    XdgSandbox()
        : m_home("HOME", m_dir.str("home").c_str()), m_data("XDG_DATA_HOME", m_dir.str("data").c_str()),
          m_config("XDG_CONFIG_HOME", m_dir.str("config").c_str()),
          m_dataDirs("XDG_DATA_DIRS", m_dir.str("sysdata").c_str()),
          m_configDirs("XDG_CONFIG_DIRS", m_dir.str("sysconfig").c_str()),
          m_compiler(tv::kCompilerEnvVar, nullptr) {
        fs::create_directories(m_dir.path() / "home");
        fs::create_directories(m_dir.path() / "data/applications");
        fs::create_directories(m_dir.path() / "config");
    }
    const TempDir& dir() const { return m_dir; }

    // Makes program the default application for .TZN scripts: MIME package, desktop entry and
    // mimeapps.list, the way a desktop installs it.
    void RegisterCompiler(const std::string& program) {
        WriteText(m_dir.path() / "data/mime/packages/tamrin-script.xml",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                  "  <mime-type type=\"application/x-tamrin-script\">\n"
                  "    <comment>Installer script</comment>\n"
                  "    <glob pattern=\"*.tzn\"/>\n"
                  "  </mime-type>\n"
                  "</mime-info>\n");
        if (!kWindows && fs::exists("/usr/bin/update-mime-database")) {
            const std::string cmd = "update-mime-database '" + m_dir.str("data/mime") + "' >/dev/null 2>&1";
            if (std::system(cmd.c_str()) != 0) {
                // Not needed: the launcher knows the type of its own scripts.
            }
        }
        WriteText(m_dir.path() / "data/applications/tamrin-fakecompiler.desktop",
                  "[Desktop Entry]\nType=Application\nName=Script compiler\n"
                  "Exec=\"" +
                      program + "\" %f\nMimeType=" + tv::kScriptMimeType + ";\nNoDisplay=true\n");
        WriteText(m_dir.path() / "config/mimeapps.list", std::string("[Default Applications]\n") +
                                                             tv::kScriptMimeType +
                                                             "=tamrin-fakecompiler.desktop;\n");
    }

private:
    TempDir m_dir;
    TEnvVar m_home, m_data, m_config, m_dataDirs, m_configDirs, m_compiler;
};

} // namespace tvtest
