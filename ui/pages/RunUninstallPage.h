#pragma once
// Page 6 of the wizard, "Run Application on Uninstallation": the programs the uninstaller runs
// before and after it removes the application.

#include "ui/pages/RunPage.h"

namespace tv {

class TRunUninstallPage final : public TRunPage {
    Q_OBJECT
public:
    explicit TRunUninstallPage(TProject& project, QWidget* parent = nullptr);

public slots:
    void btRunBeforeUnAddClick() { AddEntry(0); }
    void btRunBeforeUnDelClick() { RemoveEntries(0); }
    void btRunBeforeUnClearClick() { ClearEntries(0); }
    void btRunAfterUnAddClick() { AddEntry(1); }
    void btRunAfterUnDelClick() { RemoveEntries(1); }
    void btRunAfterUnClearClick() { ClearEntries(1); }
};

} // namespace tv
