#include "ui/editors/DesktopControl.h"

namespace tv {

namespace {
TShellWindows* g_testShell = nullptr;
} // namespace

TShellWindows& ShellWindows() {
    return g_testShell ? *g_testShell : PlatformShellWindows();
}

void SetShellWindows(TShellWindows* shell) {
    g_testShell = shell;
}

TShellPart::TShellPart(TShellWindows& shell, TShellHandle window) : m_shell(shell), m_window(window) {
    if (m_window) {
        m_enabled = m_shell.IsEnabled(m_window);
        m_visible = m_shell.IsVisible(m_window);
    }
}

void TShellPart::SetEnabled(bool on) {
    if (on == m_enabled)
        return;
    m_enabled = on;
    if (m_window)
        m_shell.Enable(m_window, on);
}

void TShellPart::SetVisible(bool on) {
    if (on == m_visible)
        return;
    m_visible = on;
    if (m_window)
        m_shell.Show(m_window, on);
}

namespace {
TShellHandle Child(TShellWindows& shell, TShellHandle parent, const char* className) {
    return parent ? shell.FindChild(parent, className, nullptr) : 0;
}
} // namespace

TTrayClock::TTrayClock(TShellWindows& shell, TShellHandle notify)
    : TShellPart(shell, Child(shell, notify, "TrayClockWClass")) {}

std::string TTrayClock::Text() const {
    return m_window ? m_shell.Text(m_window) : std::string();
}

void TTrayClock::SetText(const std::string& text) {
    if (m_window)
        m_shell.SetText(m_window, text);
}

TTrayNotify::TTrayNotify(TShellWindows& shell, TShellHandle taskbar)
    : TShellPart(shell, Child(shell, taskbar, "TrayNotifyWnd")),
      m_clock(std::make_unique<TTrayClock>(shell, Handle())) {}

TQuickLaunch::TQuickLaunch(TShellWindows& shell, TShellHandle taskbar)
    : TShellPart(shell, Child(shell, Child(shell, taskbar, "ReBarWindow32"), "ToolbarWindow32")) {}

TAppSwitchBar::TAppSwitchBar(TShellWindows& shell, TShellHandle taskbar)
    : TShellPart(shell, Child(shell, Child(shell, Child(shell, taskbar, "ReBarWindow32"), "MSTaskSwWClass"),
                              "SysTabControl32")) {}

TStartButton::TStartButton(TShellWindows& shell, TShellHandle taskbar)
    : TShellPart(shell, Child(shell, taskbar, "Button")) {}

TTaskBar::TTaskBar(TShellWindows& shell) : TShellPart(shell, shell.FindTop("Shell_TrayWnd", "")) {
    m_trayNotify = std::make_unique<TTrayNotify>(shell, Handle());
    m_quickLaunch = std::make_unique<TQuickLaunch>(shell, Handle());
    m_appSwitchBar = std::make_unique<TAppSwitchBar>(shell, Handle());
    m_startButton = std::make_unique<TStartButton>(shell, Handle());
}

TTaskBar::~TTaskBar() {
    m_startButton.reset();
    m_appSwitchBar.reset();
    m_quickLaunch.reset();
    m_trayNotify.reset();
}

TDesktop::TDesktop(TShellWindows& shell) : TShellPart(shell, shell.FindTop("Progman", "Program Manager")) {
    if (const TShellHandle view = Handle() ? shell.FindChild(Handle(), "SHELLDLL_DefView", "") : 0)
        m_icons = shell.FindChild(view, "SysListView32", "");
    if (m_icons) {
        m_iconVisible = shell.IsVisible(m_icons);
        m_iconText = shell.ListTextColor(m_icons);
        m_iconTextBG = shell.ListTextBkColor(m_icons);
    }
}

void TDesktop::SetIconVisible(bool on) {
    if (on == m_iconVisible)
        return;
    m_iconVisible = on;
    if (m_icons)
        m_shell.Show(m_icons, on);
}

void TDesktop::SetIconText(TColor c) {
    if (c == m_iconText)
        return;
    m_iconText = c;
    if (m_icons) {
        m_shell.SetListTextColor(m_icons, c);
        m_shell.RedrawListItems(m_icons, 0, m_shell.ListItemCount(m_icons));
    }
}

void TDesktop::SetIconTextBG(TColor c) {
    if (c == m_iconTextBG)
        return;
    m_iconTextBG = c;
    if (m_icons) {
        m_shell.SetListTextBkColor(m_icons, c);
        m_shell.Paint(m_icons);
    }
}

TDesktopControl::TDesktopControl(TShellWindows& shell)
    : m_taskbar(std::make_unique<TTaskBar>(shell)), m_desktop(std::make_unique<TDesktop>(shell)) {}

TDesktopControl::~TDesktopControl() {
    m_desktop.reset();
    m_taskbar.reset();
}

TTaskbarHidden::TTaskbarHidden(TDesktopControl& control)
    : m_control(control), m_wasVisible(control.Taskbar().Visible()) {
    m_control.Taskbar().SetVisible(false);
}

TTaskbarHidden::~TTaskbarHidden() {
    // Back to what it was: a taskbar the user had hidden stays hidden.
    m_control.Taskbar().SetVisible(m_wasVisible);
}

} // namespace tv
