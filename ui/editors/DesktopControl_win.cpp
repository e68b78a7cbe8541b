// The shell windows through the Win32 user interface and common-control calls.
#include "ui/editors/DesktopControl.h"

#include <windows.h>
#include <commctrl.h>

namespace tv {

namespace {

HWND H(TShellHandle w) {
    return reinterpret_cast<HWND>(w);
}

TShellHandle T(HWND w) {
    return reinterpret_cast<TShellHandle>(w);
}

class TWin32ShellWindows final : public TShellWindows {
public:
    TShellHandle FindTop(const char* className, const char* title) override {
        return T(FindWindowA(className, title));
    }
    TShellHandle FindChild(TShellHandle parent, const char* className, const char* title) override {
        return T(FindWindowExA(H(parent), nullptr, className, title));
    }
    bool IsEnabled(TShellHandle w) override { return IsWindowEnabled(H(w)) != FALSE; }
    bool IsVisible(TShellHandle w) override { return IsWindowVisible(H(w)) != FALSE; }
    void Enable(TShellHandle w, bool on) override { EnableWindow(H(w), on ? TRUE : FALSE); }
    void Show(TShellHandle w, bool on) override { ShowWindow(H(w), on ? SW_RESTORE : SW_HIDE); }
    std::string Text(TShellHandle w) override {
        char buffer[257] = {};
        const int n = GetWindowTextA(H(w), buffer, 256);
        return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    void SetText(TShellHandle w, const std::string& text) override { SetWindowTextA(H(w), text.c_str()); }
    TColor ListTextColor(TShellHandle w) override {
        return static_cast<TColor>(SendMessageA(H(w), LVM_GETTEXTCOLOR, 0, 0));
    }
    TColor ListTextBkColor(TShellHandle w) override {
        return static_cast<TColor>(SendMessageA(H(w), LVM_GETTEXTBKCOLOR, 0, 0));
    }
    void SetListTextColor(TShellHandle w, TColor c) override {
        SendMessageA(H(w), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(c));
    }
    void SetListTextBkColor(TShellHandle w, TColor c) override {
        SendMessageA(H(w), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(c));
    }
    int ListItemCount(TShellHandle w) override {
        return static_cast<int>(SendMessageA(H(w), LVM_GETITEMCOUNT, 0, 0));
    }
    void RedrawListItems(TShellHandle w, int first, int last) override {
        SendMessageA(H(w), LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
    }
    void Paint(TShellHandle w) override { SendMessageA(H(w), WM_PAINT, 0, 0); }
};

} // namespace

TShellWindows& PlatformShellWindows() {
    static TWin32ShellWindows shell;
    return shell;
}

} // namespace tv
