// No shell windows of that kind here: nothing is ever found, so every part stays inert.
#include "ui/editors/DesktopControl.h"

namespace tv {

namespace {

class TNoShellWindows final : public TShellWindows {
public:
    TShellHandle FindTop(const char*, const char*) override { return 0; }
    TShellHandle FindChild(TShellHandle, const char*, const char*) override { return 0; }
    bool IsEnabled(TShellHandle) override { return false; }
    bool IsVisible(TShellHandle) override { return false; }
    void Enable(TShellHandle, bool) override {}
    void Show(TShellHandle, bool) override {}
    std::string Text(TShellHandle) override { return {}; }
    void SetText(TShellHandle, const std::string&) override {}
    TColor ListTextColor(TShellHandle) override { return 0; }
    TColor ListTextBkColor(TShellHandle) override { return 0; }
    void SetListTextColor(TShellHandle, TColor) override {}
    void SetListTextBkColor(TShellHandle, TColor) override {}
    int ListItemCount(TShellHandle) override { return 0; }
    void RedrawListItems(TShellHandle, int, int) override {}
    void Paint(TShellHandle) override {}
};

} // namespace

TShellWindows& PlatformShellWindows() {
    static TNoShellWindows shell;
    return shell;
}

} // namespace tv
