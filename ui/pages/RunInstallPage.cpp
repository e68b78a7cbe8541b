#include "ui/pages/RunInstallPage.h"

namespace tv {

TRunInstallPage::TRunInstallPage(TProject& project, QWidget* parent)
    : TRunPage(
          project, "Run", tr("Run Application on Installation"),
          {{QT_TRANSLATE_NOOP("tv::TRunPage", "Before Installation"), &TProject::RunBefore, "lvRunBefore",
            "btRunBeforeAdd", "btRunBeforeDel", "btRunBeforeClear",
            Slot(&TRunInstallPage::btRunBeforeAddClick), Slot(&TRunInstallPage::btRunBeforeDelClick),
            Slot(&TRunInstallPage::btRunBeforeClearClick)},
           {QT_TRANSLATE_NOOP("tv::TRunPage", "After Installation"), &TProject::RunAfter, "lvRunAfter",
            "btRunAfterAdd", "btRunAfterDel", "btRunAfterClear", Slot(&TRunInstallPage::btRunAfterAddClick),
            Slot(&TRunInstallPage::btRunAfterDelClick), Slot(&TRunInstallPage::btRunAfterClearClick)}},
          parent) {}

} // namespace tv
