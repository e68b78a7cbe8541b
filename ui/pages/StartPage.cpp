#include "ui/pages/StartPage.h"

#include "deploy/DeploymentBuild.h"
#include "core/TextCodec.h"
#include "core/SettingEdit.h"
#include "ui/lib/FolderPickerUnit.h"
#include "ui/main/ColorButton.h"
#include "ui/lib/NameSeam.h"
#include "ui/main/FieldBinder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tv {

namespace {

constexpr int kRowHeight = 20;
constexpr int kMaxDiskSpaceKB = kMaxExtraDiskSpaceKB; // the console's set takes the same range
// How far the group's contents sit to the right of the page's own left margin.
constexpr int kGroupInset = 8;

QLabel* MakeLabel(const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QToolButton* MakeBrowseButton(const QString& name, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText("...");
    button->setToolTip(hint);
    button->setFixedSize(22, kRowHeight);
    return button;
}

// The caption of a group or the tab row is bold.
void MakeCaptionBold(QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

} // namespace

TStartPage::TStartPage(TProject& project, QWidget* parent)
    : TWizardPage(project, "Start", tr("Welcome to Tamrin Installer Velox !!"), parent) {

    // Application Info
    auto* grAppInfo = new QGroupBox(tr("Application Info"));
    grAppInfo->setObjectName("grAppInfo");
    MakeCaptionBold(grAppInfo);
    auto* info = new QWidget; // keeps the normal weight inside the bold group
    QFont plain = font();
    plain.setBold(false);
    info->setFont(plain);

    m_edAppName = new QLineEdit;
    m_edAppInstFolder = new QComboBox;
    m_edAppInstFolderName = new QLineEdit;
    m_edAppGroupFolder = new QComboBox;
    m_edAppGroupFolderName = new QLineEdit;
    m_edAppReadme = new QLineEdit;
    m_btAppReadmeColor = new TColorButton;
    m_edAppLicense = new QLineEdit;
    m_btAppLicenseColor = new TColorButton;
    m_edMiscDeployment = new QLineEdit;
    auto* edAppReadmeBtn = MakeBrowseButton("edAppReadmeBtn", tr("Select the readme file"));
    auto* edAppLicenseBtn = MakeBrowseButton("edAppLicenseBtn", tr("Select the license file"));
    auto* edMiscDeploymentBtn = MakeBrowseButton("edMiscDeploymentBtn", tr("Select the deployment folder"));

    // The boxes beside the folder choices hold the rest of the path.
    m_edAppInstFolderName->setAccessibleName(tr("Installation folder name"));
    m_edAppGroupFolderName->setAccessibleName(tr("Group folder name"));
    m_btAppReadmeColor->setObjectName("btAppReadmeColor");
    m_btAppReadmeColor->setToolTip(tr("Select Readme background color"));
    m_btAppReadmeColor->setFixedSize(22, kRowHeight);
    m_btAppLicenseColor->setObjectName("btAppLicenseColor");
    m_btAppLicenseColor->setToolTip(tr("Select License background color"));
    m_btAppLicenseColor->setFixedSize(22, kRowHeight);

    const std::vector<std::string> variables(kFolderVariables.begin(), kFolderVariables.end());
    Binder().Choice(m_edAppInstFolder, &TProject::AppInstFolder, variables, TEdits::SetModified);
    Binder().Choice(m_edAppGroupFolder, &TProject::AppGroupFolder, variables, TEdits::SetModified);
    for (auto [combo, name] : {std::pair{m_edAppInstFolder, "edAppInstFolder"},
                               std::pair{m_edAppGroupFolder, "edAppGroupFolder"}}) {
        combo->setObjectName(name);
        combo->setEditable(false);
        combo->setMaxVisibleItems(14);
        combo->setFixedHeight(kRowHeight);
        combo->setFixedWidth(124);
    }

    auto* infoGrid = new QGridLayout(info);
    infoGrid->setContentsMargins(0, 0, 0, 0);
    infoGrid->setHorizontalSpacing(4);
    infoGrid->setVerticalSpacing(2);
    infoGrid->addWidget(MakeLabel(tr("Application Name"), m_edAppName), 0, 0);
    infoGrid->addWidget(m_edAppName, 0, 1, 1, 3);
    infoGrid->addWidget(MakeLabel(tr("Installation folder"), m_edAppInstFolder), 1, 0);
    infoGrid->addWidget(m_edAppInstFolder, 1, 1);
    infoGrid->addWidget(m_edAppInstFolderName, 1, 2, 1, 2);
    infoGrid->addWidget(MakeLabel(tr("Group Name"), m_edAppGroupFolder), 2, 0);
    infoGrid->addWidget(m_edAppGroupFolder, 2, 1);
    infoGrid->addWidget(m_edAppGroupFolderName, 2, 2, 1, 2);
    const auto addFileRow = [&](int row, const QString& caption, QLineEdit* edit, QToolButton* browse,
                                TColorButton* color) {
        auto* box = new QHBoxLayout;
        box->setSpacing(0);
        box->addWidget(edit);
        box->addWidget(browse);
        infoGrid->addWidget(MakeLabel(caption, edit), row, 0);
        infoGrid->addLayout(box, row, 1, 1, 2);
        infoGrid->addWidget(color, row, 3);
    };
    addFileRow(3, tr("Readme File"), m_edAppReadme, edAppReadmeBtn, m_btAppReadmeColor);
    addFileRow(4, tr("License file"), m_edAppLicense, edAppLicenseBtn, m_btAppLicenseColor);
    infoGrid->setColumnStretch(2, 1);
    // The deployment folder below lines up with the group's labels and boxes.
    const QFontMetrics fm(plain);
    int labelWidth = fm.horizontalAdvance(tr("Deployment folder")) - kGroupInset;
    for (int row = 0; row < infoGrid->rowCount(); ++row)
        if (auto* label = qobject_cast<QLabel*>(infoGrid->itemAtPosition(row, 0)->widget()))
            labelWidth = std::max(labelWidth, fm.horizontalAdvance(label->text()));
    labelWidth += 4;
    infoGrid->setColumnMinimumWidth(0, labelWidth);

    auto* groupBox = new QVBoxLayout(grAppInfo);
    groupBox->setContentsMargins(6, 2, 6, 4);
    groupBox->addWidget(info);

    // Deployment folder, below the group
    auto* deployRow = new QHBoxLayout;
    deployRow->setSpacing(0);
    auto* deployLabel = MakeLabel(tr("Deployment folder"), m_edMiscDeployment);
    deployLabel->setFixedWidth(labelWidth + kGroupInset);
    deployRow->addWidget(deployLabel);
    deployRow->addSpacing(4);
    deployRow->addWidget(m_edMiscDeployment, 1);
    deployRow->addWidget(edMiscDeploymentBtn);
    deployRow->addSpacing(kGroupInset);

    // Tabs
    m_pageInstall = new QTabWidget;
    m_pageInstall->setObjectName("pageInstall");
    MakeCaptionBold(m_pageInstall->tabBar());
    m_pageInstall->setDocumentMode(false);

    // Installation
    auto* tabInstall = new QWidget;
    tabInstall->setObjectName("tsInstallation");
    m_cbTarget9x = new QCheckBox(tr("Windows 95/98"));
    m_cbTargetNT = new QCheckBox(tr("Windows NT"));
    m_cbTarget2k = new QCheckBox(tr("Windows 2k"));
    m_edMinOSVersion = new QLineEdit;
    m_edExtraDiskSpace = new QSpinBox;
    m_cbMiscUninstaller = new QCheckBox(tr("Include Uninstaller"));
    m_cbMiscReboot = new QCheckBox(tr("Reboot after installation"));
    m_edMiscPassword = new QLineEdit;
    m_cbTarget9x->setObjectName("cbTarget9x");
    m_cbTargetNT->setObjectName("cbTargetNT");
    m_cbTarget2k->setObjectName("cbTarget2k");
    m_edExtraDiskSpace->setObjectName("edExtraDiskSpace");
    m_edExtraDiskSpace->setRange(0, kMaxDiskSpaceKB);
    m_edExtraDiskSpace->setFixedSize(64, kRowHeight);
    m_cbMiscUninstaller->setObjectName("cbMiscUninstaller");
    m_cbMiscReboot->setObjectName("cbMiscReboot");

    auto* installGrid = new QGridLayout(tabInstall);
    installGrid->setContentsMargins(6, 4, 6, 4);
    installGrid->setHorizontalSpacing(6);
    installGrid->setVerticalSpacing(2);
    auto* targets = new QHBoxLayout;
    targets->setSpacing(10);
    targets->addWidget(m_cbTarget9x);
    targets->addWidget(m_cbTargetNT);
    targets->addWidget(m_cbTarget2k);
    targets->addStretch(1);
    installGrid->addWidget(MakeLabel(tr("Target OS")), 0, 0);
    installGrid->addLayout(targets, 0, 1, 1, 4);
    installGrid->addWidget(MakeLabel(tr("Minimum Version"), m_edMinOSVersion), 1, 0);
    installGrid->addWidget(m_edMinOSVersion, 1, 1);
    installGrid->addWidget(MakeLabel(tr("Ex. 4.0.1111")), 1, 2);
    installGrid->addWidget(m_cbMiscUninstaller, 1, 4);
    installGrid->addWidget(MakeLabel(tr("Extra disk space"), m_edExtraDiskSpace), 2, 0);
    installGrid->addWidget(m_edExtraDiskSpace, 2, 1);
    installGrid->addWidget(MakeLabel(tr("KB")), 2, 2);
    installGrid->addWidget(m_cbMiscReboot, 2, 4);
    installGrid->addWidget(MakeLabel(tr("Use password"), m_edMiscPassword), 3, 0);
    installGrid->addWidget(m_edMiscPassword, 3, 1, 1, 2);
    installGrid->setColumnMinimumWidth(3, 6);
    installGrid->setColumnStretch(4, 1);
    installGrid->setRowStretch(4, 1);
    // Tab runs down the column of boxes first, then the two check boxes beside them.
    QWidget::setTabOrder(m_cbTarget2k, m_edMinOSVersion);
    QWidget::setTabOrder(m_edMinOSVersion, m_edExtraDiskSpace);
    QWidget::setTabOrder(m_edExtraDiskSpace, m_edMiscPassword);
    QWidget::setTabOrder(m_edMiscPassword, m_cbMiscUninstaller);
    QWidget::setTabOrder(m_cbMiscUninstaller, m_cbMiscReboot);

    // Other
    auto* tabOther = new QWidget;
    tabOther->setObjectName("tsOther");
    m_edCheckWindow = new QLineEdit;
    m_edCheckMutex = new QLineEdit;
    m_cbRemoveOldReferences = new QCheckBox(tr("Remove references to previous version"));
    m_cbRemoveOldReferences->setObjectName("cbRemoveOldReferences");
    auto* otherGrid = new QGridLayout(tabOther);
    otherGrid->setContentsMargins(6, 4, 6, 4);
    otherGrid->setHorizontalSpacing(6);
    otherGrid->setVerticalSpacing(2);
    otherGrid->addWidget(MakeLabel(tr("Check Window"), m_edCheckWindow), 0, 0);
    otherGrid->addWidget(m_edCheckWindow, 0, 1);
    otherGrid->addWidget(MakeLabel(tr("Check Mutex"), m_edCheckMutex), 1, 0);
    otherGrid->addWidget(m_edCheckMutex, 1, 1);
    otherGrid->addWidget(m_cbRemoveOldReferences, 2, 0, 1, 2);
    otherGrid->setColumnStretch(1, 1);
    otherGrid->setRowStretch(3, 1);

    // Language
    auto* tabLanguage = new QWidget;
    tabLanguage->setObjectName("tsLanguage");
    m_lbLanguages = new QListWidget;
    m_lbLanguages->setObjectName("lbLanguages");
    m_lbLanguages->setFixedSize(197, 100);
    m_cbAutoSelectLanguage = new QCheckBox(tr("Auto select language"));
    m_cbAutoSelectLanguage->setObjectName("cbAutoSelectLanguage");
    auto* languageRow = new QHBoxLayout(tabLanguage);
    languageRow->setContentsMargins(6, 4, 6, 4);
    languageRow->setSpacing(10);
    languageRow->addWidget(m_lbLanguages, 0, Qt::AlignTop);
    languageRow->addWidget(m_cbAutoSelectLanguage, 0, Qt::AlignTop);
    languageRow->addStretch(1);

    m_pageInstall->addTab(tabInstall, tr("Installation"));
    m_pageInstall->addTab(tabOther, tr("Other"));
    m_pageInstall->addTab(tabLanguage, tr("Language"));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, ContentTop(), 4, 2);
    page->setSpacing(3);
    page->addWidget(grAppInfo);
    page->addLayout(deployRow);
    page->addWidget(m_pageInstall, 1);

    // Each edit goes into the Project at once.
    const struct {
        QLineEdit* edit;
        const char* name;
        std::string TProject::*field;
        TEdits edits;
    } texts[] = {
        {m_edAppName, "edAppName", &TProject::AppName, TEdits::SetModified},
        {m_edAppInstFolderName, "edAppInstFolderName", &TProject::AppInstFolderName, TEdits::SetModified},
        {m_edAppGroupFolderName, "edAppGroupFolderName", &TProject::AppGroupFolderName, TEdits::SetModified},
        {m_edAppReadme, "edAppReadme", &TProject::AppReadme, TEdits::SetModified},
        {m_edAppLicense, "edAppLicense", &TProject::AppLicense, TEdits::SetModified},
        {m_edMiscDeployment, "edMiscDeployment", &TProject::MiscDeployment, TEdits::SetModified},
        {m_edMiscPassword, "edMiscPassword", &TProject::MiscPassword, TEdits::SetModified},
        {m_edMinOSVersion, "edMinOSVersion", &TProject::TargetOSMinVersion, TEdits::KeepModified},
        {m_edCheckWindow, "edCheckWindow", &TProject::TargetCheckWindow, TEdits::KeepModified},
        {m_edCheckMutex, "edCheckMutex", &TProject::TargetCheckMutex, TEdits::KeepModified},
    };
    for (const auto& t : texts) {
        t.edit->setObjectName(t.name);
        t.edit->setFixedHeight(kRowHeight);
        Binder().Text(t.edit, t.field, t.edits);
    }
    m_edMiscPassword->setEchoMode(QLineEdit::Password);
    m_edMiscPassword->setStyleSheet("lineedit-password-character: 42");

    Binder().Check(m_cbTarget9x, &TProject::Target9x, TEdits::SetModified);
    Binder().Check(m_cbTargetNT, &TProject::TargetNT, TEdits::SetModified);
    Binder().Check(m_cbTarget2k, &TProject::Target2k, TEdits::SetModified);
    Binder().Check(m_cbMiscUninstaller, &TProject::MiscUninstaller, TEdits::SetModified);
    Binder().Check(m_cbMiscReboot, &TProject::MiscReboot, TEdits::SetModified);
    Binder().Check(m_cbRemoveOldReferences, &TProject::TargetRemoveOldReferences, TEdits::KeepModified);
    Binder().Check(m_cbAutoSelectLanguage, &TProject::MiscLanguageAuto, TEdits::KeepModified);
    Binder().Number(m_edExtraDiskSpace, &TProject::TargetExtraDiskSpace, TEdits::KeepModified);
    Binder().Color(m_btAppReadmeColor, &TProject::AppReadmeBG);
    Binder().Color(m_btAppLicenseColor, &TProject::AppLicenseBG);

    connect(edAppReadmeBtn, &QToolButton::clicked, this, &TStartPage::edAppReadmeBtnClick);
    connect(edAppLicenseBtn, &QToolButton::clicked, this, &TStartPage::edAppLicenseBtnClick);
    connect(edMiscDeploymentBtn, &QToolButton::clicked, this, &TStartPage::edMiscDeploymentBtnClick);

    LoadFromProject();
}

void TStartPage::LoadFromProject() {
    TWizardPage::LoadFromProject();
    m_lbLanguages->clear();
    m_pageInstall->setCurrentIndex(0);
}

void TStartPage::BrowseTextFile(QLineEdit* edit, const QString& title) {
    TFileQuestion question;
    question.dialog = "TextFileDialog";
    question.title = title;
    question.filters =
        QStringList{tr("Text Files (*.txt)"), tr("Rich Text Files (*.rtf)"), tr("All Files (*)")};
    question.defaultSuffix = "txt";
    if (!edit->text().isEmpty())
        question.proposed = ProjectRelative(edit->text());
    QString chosen;
    if (AskFileName(window(), question, chosen))
        Binder().SetChosenText(edit, StoredHostPath(Project(), chosen));
}

void TStartPage::edAppReadmeBtnClick() {
    BrowseTextFile(m_edAppReadme, tr("Select \"Readme\" file"));
}

void TStartPage::edAppLicenseBtnClick() {
    BrowseTextFile(m_edAppLicense, tr("Select \"License\" file"));
}

// The colour buttons are bound: a click opens the picker.
void TStartPage::btAppReadmeColorClick() {
    m_btAppReadmeColor->click();
}

void TStartPage::btAppLicenseColorClick() {
    m_btAppLicenseColor->click();
}

// A relative path in a field is relative to the project file's folder, as the build reads it, not to
// wherever the program was started from.
QString TStartPage::ProjectRelative(const QString& text) const {
    const auto ansi = Utf8ToAnsi(text.toStdString());
    if (!ansi || text.trimmed().isEmpty())
        return text;
    return QString::fromStdString(ResolveProjectPath(Project(), *ansi));
}

void TStartPage::edMiscDeploymentBtnClick() {
    // With no folder yet the picker starts beside the project, or at home for a project never saved.
    const QString projectFolder =
        Project().IsUntitled() ? QDir::homePath() : QString::fromStdString(ProjectBaseFolder(Project()));
    const auto ansi = Utf8ToAnsi(m_edMiscDeployment->text().toStdString());
    QString path = ansi && !IsBlank(*ansi) ? ProjectRelative(m_edMiscDeployment->text())
                                           : QDir::toNativeSeparators(projectFolder);
    if (BrowseForFolder(window(), tr("Deployment folder"), tr("Select a folder or create a new one"), true,
                        path, projectFolder))
        Binder().SetChosenText(m_edMiscDeployment, StoredHostPath(Project(), path));
}

} // namespace tv
