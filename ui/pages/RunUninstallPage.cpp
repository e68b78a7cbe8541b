#include "ui/pages/RunUninstallPage.h"

namespace tv {

TRunUninstallPage::TRunUninstallPage(TProject& project, QWidget* parent)
    : TRunPage(
          project, "RunUninstall", tr("Run Application on Uninstallation"),
          {{QT_TRANSLATE_NOOP("tv::TRunPage", "Before Uninstallation"), &TProject::RunBeforeUn,
            "lvRunBeforeUn", "btRunBeforeUnAdd", "btRunBeforeUnDel", "btRunBeforeUnClear",
            Slot(&TRunUninstallPage::btRunBeforeUnAddClick), Slot(&TRunUninstallPage::btRunBeforeUnDelClick),
            Slot(&TRunUninstallPage::btRunBeforeUnClearClick)},
           {QT_TRANSLATE_NOOP("tv::TRunPage", "After Uninstallation"), &TProject::RunAfterUn, "lvRunAfterUn",
            "btRunAfterUnAdd", "btRunAfterUnDel", "btRunAfterUnClear",
            Slot(&TRunUninstallPage::btRunAfterUnAddClick), Slot(&TRunUninstallPage::btRunAfterUnDelClick),
            Slot(&TRunUninstallPage::btRunAfterUnClearClick)}},
          parent) {}

} // namespace tv
