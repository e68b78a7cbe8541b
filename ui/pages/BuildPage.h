#pragma once
// The wizard's last page, "Build": the Build and Compile commands with their six progress lines
// (lbB1..lbB5 for the build stages, lbC1 for the compiler), the name of the file being copied and
// a bar of the bytes copied. A check box, remembered with the settings, makes Build copy every file
// again instead of keeping unchanged copies. The page is the window side of the build (IBuildUi).
// While Compile waits for a program it started, the page names it and offers to stop waiting;
// afterwards it keeps the compiler's output for a view of its own.

#include "deploy/BuildUi.h"
#include "deploy/CompileLauncher.h"
#include "core/Project.h"
#include "ui/main/WizardPage.h"

#include <QElapsedTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tv {

class TDCLabel;

class TBuildPage final : public TWizardPage, public IBuildUi {
    Q_OBJECT
public:
    TBuildPage(TProject& project, QWidget* parent = nullptr);

    // Path of the script the last Build wrote, for Compile; empty before the first Build.
    const std::string& ScriptPath() const { return m_ScriptPath; }
    // A Build or Compile is running.
    bool Busy() const { return m_Busy; }
    // Compile waits for the program named by WaitingFor (the compiler or the setup program).
    bool Waiting() const { return m_Waiting; }
    const QString& WaitingFor() const { return m_WaitingFor; }
    // The output of the last Compile's compiler, and whether there is one to show.
    const std::string& CompilerOutputText() const { return m_CompilerOutput; }
    bool HasCompilerOutput() const { return m_HasCompilerOutput; }
    // The project was replaced (New, Load): Compile has no script of this project until a Build.
    void ForgetBuild();
    // Tells whether the project differs from what was last loaded or saved, for Build's refusal of
    // unsaved work; edits of some settings do not set Modified.
    void setUnsavedWork(std::function<bool()> probe) { m_UnsavedWork = std::move(probe); }

    // The pauses around the compiler's run and the offer to run the setup program.
    const TCompileOptions& CompileOptions() const { return m_CompileOptions; }
    void setCompileOptions(const TCompileOptions& options) { m_CompileOptions = options; }

    TDCLabel* ProgressLine(int line) const { return m_Lines[static_cast<std::size_t>(line)]; }
    // The state digit a line shows (0 idle, 1 running, 2 done, 3 failed).
    int ProgressState(int line) const;

    // IBuildUi
    int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) override;
    void SetProgressState(int line, int state) override;
    void ResetProgressLines() override;
    void SetCopyText(const std::string& text) override;
    void ShowCopyText(bool visible) override;
    void SetProgress(std::uint64_t bytesDone, std::uint64_t bytesTotal, int filesDone,
                     int filesTotal) override;
    void ProcessMessages() override;
    void WaitStarted(const std::string& program) override;
    void WaitEnded() override;
    bool StopWaitingRequested() override { return m_StopWaiting; }

signals:
    // A Build or Compile started (true) or ended (false).
    void busyChanged(bool busy);

public slots:
    void btBuildClick();
    void btCompileClick();
    // Lists what a build would refuse (errors) and what the setup would do other than typed
    // (warnings), without building.
    void btCheckClick();
    // Ends the current wait; the program is left running.
    void btStopWaitingClick();
    void btCompilerOutputClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    // The step labels are drawn on the page's own background: their text takes the palette's.
    void FollowPaletteText();

    void SetBusy(bool busy);
    void ShowBuilt(const std::string& folder, int files, std::uint64_t bytes, int kept);
    // The copy line and the bar are brought to the screen at most every kRedrawMs while files go
    // by: a rebuild of many kept files would otherwise spend its time drawing names nobody reads.
    static constexpr int kRedrawMs = 30;
    bool RedrawDue() const;
    void ShowPendingProgress();

    std::string m_ScriptPath;
    std::function<bool()> m_UnsavedWork;
    TCompileOptions m_CompileOptions;
    bool m_Busy = false;
    bool m_Waiting = false;
    bool m_StopWaiting = false;
    QString m_WaitingFor;
    std::string m_CompilerOutput;
    bool m_HasCompilerOutput = false;

    std::array<TDCLabel*, kProgressLineCount> m_Lines{};
    std::optional<std::string> m_PendingCopy; // the copy line's newest text, not shown yet
    int m_PendingBar = -1;                    // the bar's newest value, not shown yet
    QElapsedTimer m_Redrawn;                  // since the copy line and the bar were last shown
    bool m_Shown = false;                     // something was shown since the last event turn
    QLabel* m_lbCopy = nullptr;
    QProgressBar* m_pbCopy = nullptr;
    QPushButton* m_btBuild = nullptr;
    QPushButton* m_btCompile = nullptr;
    QPushButton* m_btCheck = nullptr;
    QCheckBox* m_cbCleanBuild = nullptr; // clear the image folder and copy every file (remembered)
    QLabel* m_lbBuilt = nullptr; // after a build: where it went and what it copied
    QLabel* m_lbWaiting = nullptr;
    QPushButton* m_btStopWaiting = nullptr;
    QPushButton* m_btCompilerOutput = nullptr;
};

} // namespace tv
