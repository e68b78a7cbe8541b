#pragma once
// TDesktopControl: reads and changes the state of the system's own shell windows — the taskbar with
// its start button, quick-launch bar, task-switch bar, notification area and clock, and the desktop
// with its icon list. It draws nothing. The static bitmap editor holds one to hide the taskbar while
// its full-screen window is open (TTaskbarHidden).
//
// The parts talk to the windows through TShellWindows: Win32 on Windows, nothing on other systems
// (no shell window is ever found, so every part is inert). A part whose window does not exist keeps
// its cached values and sends nothing. The control never restores anything by itself when freed.
//
// Qt-free on purpose: it is only shell calls.

#include "core/Project.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tv {

using TShellHandle = std::uintptr_t; // 0: no window

// The shell operations the parts need.
class TShellWindows {
public:
    virtual ~TShellWindows() = default;
    // A top-level window / a child of parent with this class and exactly this title.
    virtual TShellHandle FindTop(const char* className, const char* title) = 0;
    virtual TShellHandle FindChild(TShellHandle parent, const char* className, const char* title) = 0;
    virtual bool IsEnabled(TShellHandle w) = 0;
    virtual bool IsVisible(TShellHandle w) = 0;
    virtual void Enable(TShellHandle w, bool on) = 0;
    // Shows (restores) or hides.
    virtual void Show(TShellHandle w, bool on) = 0;
    virtual std::string Text(TShellHandle w) = 0; // at most 256 characters
    virtual void SetText(TShellHandle w, const std::string& text) = 0;
    // List-view controls.
    virtual TColor ListTextColor(TShellHandle w) = 0;
    virtual TColor ListTextBkColor(TShellHandle w) = 0;
    virtual void SetListTextColor(TShellHandle w, TColor c) = 0;
    virtual void SetListTextBkColor(TShellHandle w, TColor c) = 0;
    virtual int ListItemCount(TShellHandle w) = 0;
    virtual void RedrawListItems(TShellHandle w, int first, int last) = 0;
    virtual void Paint(TShellHandle w) = 0;
};

// The system's shell, made once (DesktopControl_win.cpp / DesktopControl_posix.cpp).
TShellWindows& PlatformShellWindows();
// The shell of this system (Win32 on Windows; inert elsewhere), unless tests put their own in place.
TShellWindows& ShellWindows();
// Tests: use shell instead of the system's; nullptr goes back to the system's.
void SetShellWindows(TShellWindows* shell);

// One shell window with cached Enabled and Visible, read when the part is made.
class TShellPart {
public:
    TShellPart(TShellWindows& shell, TShellHandle window);
    virtual ~TShellPart() = default;
    TShellPart(const TShellPart&) = delete;
    TShellPart& operator=(const TShellPart&) = delete;

    TShellHandle Handle() const { return m_window; }
    bool Enabled() const { return m_enabled; }
    bool Visible() const { return m_visible; }
    // Only a value different from the cached one reaches the window.
    void SetEnabled(bool on);
    void SetVisible(bool on);

protected:
    TShellWindows& m_shell;
    TShellHandle m_window;

private:
    bool m_enabled = false;
    bool m_visible = false;
};

class TTrayClock final : public TShellPart {
public:
    TTrayClock(TShellWindows& shell, TShellHandle notify);
    std::string Text() const; // not cached
    void SetText(const std::string& text);
};

class TTrayNotify final : public TShellPart {
public:
    TTrayNotify(TShellWindows& shell, TShellHandle taskbar);
    TTrayClock& TrayClock() { return *m_clock; }

private:
    std::unique_ptr<TTrayClock> m_clock;
};

class TQuickLaunch final : public TShellPart {
public:
    TQuickLaunch(TShellWindows& shell, TShellHandle taskbar);
};

class TAppSwitchBar final : public TShellPart {
public:
    TAppSwitchBar(TShellWindows& shell, TShellHandle taskbar);
};

class TStartButton final : public TShellPart {
public:
    TStartButton(TShellWindows& shell, TShellHandle taskbar);
};

class TTaskBar final : public TShellPart {
public:
    explicit TTaskBar(TShellWindows& shell);
    ~TTaskBar() override;
    TTrayNotify& TrayNotify() { return *m_trayNotify; }
    TQuickLaunch& QuickLaunch() { return *m_quickLaunch; }
    TAppSwitchBar& AppSwitchBar() { return *m_appSwitchBar; }
    TStartButton& StartButton() { return *m_startButton; }

private:
    // Made in this order, freed in the reverse one.
    std::unique_ptr<TTrayNotify> m_trayNotify;
    std::unique_ptr<TQuickLaunch> m_quickLaunch;
    std::unique_ptr<TAppSwitchBar> m_appSwitchBar;
    std::unique_ptr<TStartButton> m_startButton;
};

class TDesktop final : public TShellPart {
public:
    explicit TDesktop(TShellWindows& shell);
    bool IconVisible() const { return m_iconVisible; }
    void SetIconVisible(bool on);
    TColor IconText() const { return m_iconText; }
    void SetIconText(TColor c);
    TColor IconTextBG() const { return m_iconTextBG; }
    void SetIconTextBG(TColor c);

private:
    TShellHandle m_icons = 0; // the icon list
    bool m_iconVisible = false;
    TColor m_iconText = 0;
    TColor m_iconTextBG = 0;
};

class TDesktopControl final {
public:
    explicit TDesktopControl(TShellWindows& shell = ShellWindows());
    ~TDesktopControl();
    TDesktopControl(const TDesktopControl&) = delete;
    TDesktopControl& operator=(const TDesktopControl&) = delete;

    TTaskBar& Taskbar() { return *m_taskbar; }
    TDesktop& Desktop() { return *m_desktop; }

private:
    std::unique_ptr<TTaskBar> m_taskbar;
    std::unique_ptr<TDesktop> m_desktop;
};

// Hides the taskbar for its lifetime: shown again on every way out, errors included.
class TTaskbarHidden final {
public:
    explicit TTaskbarHidden(TDesktopControl& control);
    ~TTaskbarHidden();
    TTaskbarHidden(const TTaskbarHidden&) = delete;
    TTaskbarHidden& operator=(const TTaskbarHidden&) = delete;

private:
    TDesktopControl& m_control;
    bool m_wasVisible;
};

} // namespace tv
