#pragma once
// What Build, Check and Compile need from whoever runs them: the GUI's Build page implements this
// with its message dialog and progress labels, the console tool with stderr, the tests with
// scripted answers. The commands never touch a window themselves.

#include "core/MsgDlg.h"

#include <cstdint>
#include <string>

namespace tv {

// Progress lines of the Build page, in display order.
enum TProgressLine : int { lbB1 = 0, lbB2, lbB3, lbB4, lbB5, lbC1, kProgressLineCount };

// States shown by the state digit of a progress line.
enum TProgressState : int { psIdle = 0, psRunning = 1, psDone = 2, psFailed = 3 };

// Markup caption of a progress line in its initial state. The digit after "/im{" (index 4) is the
// state: it picks the line's image (empty, running, done, failed).
const std::string& ProgressCaption(int line);
// The caption of a line showing the given state (0..3).
std::string ProgressCaption(int line, int state);
// Plain wording of a line without its markup, for the console.
std::string ProgressText(int line);
// A byte count as people read it: "512 B", "1.5 KiB", "3.0 MiB", "1.2 GiB".
std::string SizeText(std::uint64_t bytes);
// What a build copied: "9 files, 1.2 MiB", and what it kept: "2 files, 1.2 MiB, 7 unchanged".
std::string CopiedText(int files, std::uint64_t bytes, int kept = 0);
// Text of the copy label while a file is copied: Copying "name"..."
std::string CopyingText(const std::string& fileName);

// MarkupLiteral, MarkupToPlain and MarkupList: core/MsgDlg.h.

class IBuildUi {
public:
    virtual ~IBuildUi() = default;

    // Shows a message and returns the button that closed it (mrOk .. mrAll). The text is markup
    // ("/#" breaks the line).
    virtual int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) = 0;
    // Puts the state digit of one progress line (lbB1..lbC1) and repaints it at once.
    virtual void SetProgressState(int line, int state) = 0;
    // All six lines back to state 0.
    virtual void ResetProgressLines() {
        for (int line = 0; line < kProgressLineCount; ++line)
            SetProgressState(line, psIdle);
    }
    // The copy label (lbCopy): its text, and whether it is shown (only while files are copied).
    virtual void SetCopyText(const std::string& text) = 0;
    virtual void ShowCopyText(bool /*visible*/) {}
    // Bytes and files copied so far, for a progress bar. Totals cover every file the build copies.
    virtual void SetProgress(std::uint64_t bytesDone, std::uint64_t bytesTotal, int filesDone,
                             int filesTotal) = 0;
    // Lets the window handle pending events; called before each file, after each copied chunk
    // and while the compiler runs.
    virtual void ProcessMessages() = 0;

    // Compile waits for a program it started (the compiler, then maybe the setup program), named
    // as the user knows it, until WaitEnded. Meanwhile it asks StopWaitingRequested at every
    // breath: true ends the wait and leaves the program running.
    virtual void WaitStarted(const std::string& /*program*/) {}
    virtual void WaitEnded() {}
    virtual bool StopWaitingRequested() { return false; }
    // The compiler's output as it arrives, where it is captured. Compile also keeps all of it in
    // its result.
    virtual void CompilerOutput(const std::string& /*text*/) {}
};

} // namespace tv
