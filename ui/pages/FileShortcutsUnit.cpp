#include "ui/pages/FileShortcutsUnit.h"

#include "core/ChangeLines.h"
#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "deploy/FileUtils.h"
#include "ui/editors/AnsiInput.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/pages/FileDialogParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tv {

std::vector<std::string> InstalledFileTargets(const TProject& project) {
    std::vector<std::string> targets;
    targets.reserve(project.tbFiles.Records.size());
    for (const TFileRecord& rec : project.tbFiles.Records)
        targets.push_back(IncludeTrailingBackslash(rec.FilePath) + ExtractFileName(rec.FileName));
    return targets;
}

TFileShortcuts::TFileShortcuts(QWidget* parent, const TProject& project, TPost post)
    : QDialog(parent), m_project(project), m_post(std::move(post)) {
    setObjectName("FileShortcuts");
    const TDialogFrame frame =
        CreateDialogFrame(this, tr("Shortcuts"), tr("Shortcuts"), QSize(kWidth, kHeight));
    QWidget* page = frame.page;

    m_cbGroupTarget = new QComboBox(page);
    m_cbGroupTarget->setObjectName("cbGroupTarget");
    m_cbGroupTarget->addItems(GroupTargetVariables());
    m_edGroupTarget = new QLineEdit(page);
    m_edGroupTarget->setObjectName("edGroupTarget");
    m_edGroupTarget->setAccessibleName(tr("Group target path"));
    m_edShortcut = new QLineEdit(page);
    m_edShortcut->setObjectName("edShortcut");
    m_cbObjectPath = new QComboBox(page);
    m_cbObjectPath->setObjectName("cbObjectPath");
    m_edArguments = new QLineEdit(page);
    m_edArguments->setObjectName("edArguments");
    m_cbWorkingDir = new QComboBox(page);
    m_cbWorkingDir->setObjectName("cbWorkingDir");
    m_cbWorkingDir->addItems(kFileTargetVariables);
    m_edWorkingDir = new QLineEdit(page);
    m_edWorkingDir->setObjectName("edWorkingDir");
    m_edWorkingDir->setAccessibleName(tr("Working directory path"));
    for (QComboBox* combo : {m_cbGroupTarget, m_cbObjectPath, m_cbWorkingDir}) {
        combo->setEditable(false);
        combo->setMaxVisibleItems(14);
    }
    for (QComboBox* combo : {m_cbGroupTarget, m_cbWorkingDir})
        combo->setFixedWidth(130);
    for (QLineEdit* edit : {m_edGroupTarget, m_edShortcut, m_edArguments, m_edWorkingDir})
        KeepAnsi(edit);

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const auto label = [page](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, page);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(tr("Group target"), m_cbGroupTarget), 0, 0);
    grid->addWidget(m_cbGroupTarget, 0, 1);
    grid->addWidget(m_edGroupTarget, 0, 2);
    grid->addWidget(label(tr("Shortcut name"), m_edShortcut), 1, 0);
    grid->addWidget(m_edShortcut, 1, 1, 1, 2);
    grid->addWidget(label(tr("Shortcut target"), m_cbObjectPath), 2, 0);
    grid->addWidget(m_cbObjectPath, 2, 1, 1, 2);
    grid->addWidget(label(tr("Arguments"), m_edArguments), 3, 0);
    grid->addWidget(m_edArguments, 3, 1, 1, 2);
    grid->addWidget(label(tr("Working directory"), m_cbWorkingDir), 4, 0);
    grid->addWidget(m_cbWorkingDir, 4, 1);
    grid->addWidget(m_edWorkingDir, 4, 2);
    grid->setColumnStretch(2, 1);

    auto* doAddUninstaller = new QPushButton(tr("Add &Uninstaller Shortcut"), this);
    doAddUninstaller->setObjectName("doAddUninstaller");
    // A longer caption (another language) widens the button rather than being cut.
    doAddUninstaller->setFixedSize(std::max(150, doAddUninstaller->sizeHint().width()), 25);
    auto* doAdd = new QPushButton(tr("&Add"), this);
    doAdd->setObjectName("doAdd");
    doAdd->setFixedSize(70, 25);
    doAdd->setDefault(true);
    auto* doDone = new QPushButton(tr("&Done"), this);
    doDone->setObjectName("doDone");
    doDone->setFixedSize(70, 25);
    frame.buttons->addWidget(doAddUninstaller);
    frame.buttons->addStretch(1);
    frame.buttons->addWidget(doAdd);
    frame.buttons->addWidget(doDone);
    connect(doAddUninstaller, &QPushButton::clicked, this, &TFileShortcuts::doAddUninstallerClick);
    connect(doAdd, &QPushButton::clicked, this, &TFileShortcuts::doAddClick);
    connect(doDone, &QPushButton::clicked, this, &TFileShortcuts::doDoneClick);

    FormCreate();
}

void TFileShortcuts::FormCreate() {
    m_cbGroupTarget->setCurrentIndex(0);
    m_edGroupTarget->clear();
    m_edShortcut->clear();
    m_cbObjectPath->clear();
    QStringList targets;
    for (const std::string& t : InstalledFileTargets(m_project))
        targets << FromAnsi(t);
    m_cbObjectPath->addItems(targets);
    m_cbObjectPath->setCurrentIndex(0);
    m_edArguments->clear();
    m_cbWorkingDir->setCurrentIndex(0);
    m_edWorkingDir->clear();
}

QString TFileShortcuts::GroupText() const {
    return FolderText(m_cbGroupTarget->currentText(), m_edGroupTarget->text());
}

void TFileShortcuts::doAddClick() {
    if (IsBlank(ToAnsi(m_edShortcut->text()))) {
        wzDialog().MessageDlg(tr("Shortcut name may not be blank"), TMsgDlgType::mtError, 0, mbOK);
        m_edShortcut->setFocus();
        return;
    }
    if (!CheckNoBar(m_edGroupTarget->text(), tr("The group target"), m_edGroupTarget) ||
        !CheckNoBar(m_edShortcut->text(), tr("The shortcut name"), m_edShortcut) ||
        !CheckNoBar(m_edArguments->text(), tr("The arguments"), m_edArguments) ||
        !CheckNoBar(m_edWorkingDir->text(), tr("The working directory"), m_edWorkingDir))
        return;
    // The name is the key of the shortcut's line in the install list.
    if (const std::string problem = IniKeyNameProblem(ToAnsi(m_edShortcut->text())); !problem.empty()) {
        wzDialog().MessageDlg(tr("The shortcut name cannot be a key of the install list:/#%1.")
                                  .arg(QString::fromStdString(AnsiToUtf8(problem))),
                              TMsgDlgType::mtError, 0, mbOK);
        m_edShortcut->setFocus();
        return;
    }
    TShortcutRecord rec;
    rec.ProgramGroup = ToAnsi(GroupText());
    rec.Shortcuts = ToAnsi(m_edShortcut->text());
    rec.Target = ToAnsi(m_cbObjectPath->currentText());
    rec.Arguments = ToAnsi(m_edArguments->text());
    rec.WorkDirectory = ToAnsi(FolderText(m_cbWorkingDir->currentText(), m_edWorkingDir->text()));
    if (m_post(rec))
        m_edShortcut->clear();
}

void TFileShortcuts::doAddUninstallerClick() {
    if (!CheckNoBar(m_edGroupTarget->text(), tr("The group target"), m_edGroupTarget))
        return;
    TShortcutRecord rec;
    rec.ProgramGroup = ToAnsi(GroupText());
    rec.Shortcuts = "Uninstall %ProgramName%";
    rec.Target = "%Windows%\\UnTzns.exe";
    rec.Arguments = "%InstallPath%\\install.log";
    rec.WorkDirectory = "%Windows%";
    m_post(rec);
}

void TFileShortcuts::doDoneClick() {
    done(mrOk);
}

} // namespace tv
