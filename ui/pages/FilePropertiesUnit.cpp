#include "ui/pages/FilePropertiesUnit.h"

#include "core/MsgDlg.h"
#include "ui/editors/AnsiInput.h"
#include "ui/lib/wzDialogUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tv {

TFileProperties::TFileProperties(QWidget* parent, const std::vector<const TFileRecord*>& files)
    : QDialog(parent) {
    setObjectName("FileProperties");
    const TDialogFrame frame = CreateDialogFrame(
        this, tr("File Properties"),
        files.size() == 1 ? tr("Properties") : tr("Properties of %1 files").arg(files.size()),
        QSize(360, 190));
    QWidget* page = frame.page;

    const TTargetControls target = CreateTargetControls(page);
    m_cbTarget = target.variable;
    m_edTargetPath = target.path;

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    m_flags = AddTargetAndFlags(page, grid, 0, target);
    grid->setRowStretch(7, 1);

    auto* doOK = new QPushButton(tr("OK"), this);
    doOK->setObjectName("doOK");
    doOK->setFixedSize(65, 25);
    doOK->setDefault(true);
    auto* doCancel = new QPushButton(tr("Cancel"), this);
    doCancel->setObjectName("doCancel");
    doCancel->setFixedSize(65, 25);
    frame.buttons->addStretch(1);
    frame.buttons->addWidget(doOK);
    frame.buttons->addWidget(doCancel);
    connect(doOK, &QPushButton::clicked, this, &TFileProperties::doOKClick);
    connect(doCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });

    // The boxes show what the files share.
    bool sameTarget = true;
    for (const TFileRecord* f : files)
        sameTarget = sameTarget && f->FilePath == files.front()->FilePath;
    QString variable, rest;
    if (!files.empty() && sameTarget && SplitFolderText(FromAnsi(files.front()->FilePath), variable, rest)) {
        m_cbTarget->setCurrentIndex(int(kFileTargetVariables.indexOf(variable)));
        m_edTargetPath->setText(rest);
    } else {
        m_cbTarget->setCurrentIndex(-1);
        if (!files.empty() && sameTarget)
            m_edTargetPath->setText(FromAnsi(files.front()->FilePath));
        else
            m_edTargetPath->setPlaceholderText(tr("each file keeps its own path"));
    }
    m_mixedTargets = !sameTarget;
    for (std::size_t i = 0; i < kFileFlags.size(); ++i) {
        int set = 0;
        for (const TFileRecord* f : files)
            set += f->*kFileFlags[i].field ? 1 : 0;
        QCheckBox* box = m_flags[i];
        if (set != 0 && set != int(files.size())) {
            box->setTristate(true);
            box->setCheckState(Qt::PartiallyChecked);
        } else {
            box->setChecked(set != 0);
        }
    }
    connect(m_cbTarget, &QComboBox::activated, this, [this] { m_targetChanged = true; });
    connect(m_edTargetPath, &QLineEdit::textEdited, this, [this] { m_targetChanged = true; });
}

void TFileProperties::doOKClick() {
    if (m_targetChanged && m_cbTarget->currentIndex() < 0) {
        wzDialog().MessageDlg(tr("Choose the target's folder variable."), TMsgDlgType::mtError, 0, mbOK);
        m_cbTarget->setFocus();
        return;
    }
    if (m_targetChanged && !CheckNoBar(m_edTargetPath->text(), tr("The target path"), m_edTargetPath))
        return;
    done(mrOk);
}

void TFileProperties::Apply(TFileRecord& rec) const {
    if (m_targetChanged) {
        QString rest = m_edTargetPath->text();
        // Over files with different targets an empty path box changes only the variable: the
        // sub-folders a folder add gave each file stay.
        if (m_mixedTargets && rest.isEmpty()) {
            QString variable;
            if (!SplitFolderText(FromAnsi(rec.FilePath), variable, rest))
                rest = FromAnsi(rec.FilePath);
        }
        rec.FilePath = ToAnsi(FolderText(m_cbTarget->currentText(), rest));
    }
    for (std::size_t i = 0; i < kFileFlags.size(); ++i)
        if (m_flags[i]->checkState() != Qt::PartiallyChecked)
            rec.*kFileFlags[i].field = m_flags[i]->isChecked();
}

} // namespace tv
