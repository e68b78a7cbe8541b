#pragma once
// Page 5 of the wizard, "Run Application on Installation": the programs the setup runs before and
// after it installs the application.

#include "ui/pages/RunPage.h"

namespace tv {

class TRunInstallPage final : public TRunPage {
    Q_OBJECT
public:
    explicit TRunInstallPage(TProject& project, QWidget* parent = nullptr);

public slots:
    void btRunBeforeAddClick() { AddEntry(0); }
    void btRunBeforeDelClick() { RemoveEntries(0); }
    void btRunBeforeClearClick() { ClearEntries(0); }
    void btRunAfterAddClick() { AddEntry(1); }
    void btRunAfterDelClick() { RemoveEntries(1); }
    void btRunAfterClearClick() { ClearEntries(1); }
};

} // namespace tv
