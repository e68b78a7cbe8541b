#pragma once
// Page 0 of the wizard: the application-level settings of the Project (name, installation folder,
// program group, readme and licence with their background colours, deployment folder) and, on three
// tabs, target systems, installation options, running-instance checks and languages.
//
// Every control is bound to its Project field: an edit writes the value into the Project at once.
// Most edits also set Modified; the target-version, disk-space, instance-check, old-references and
// language controls store their value without marking the project as changed.

#include "ui/main/WizardPage.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace tv {

class TColorButton;

class TStartPage final : public TWizardPage {
    Q_OBJECT
public:
    explicit TStartPage(TProject& project, QWidget* parent = nullptr);

    // Shows the Project's values in every control without touching the Project or Modified. Also
    // empties the language list and brings the "Installation" tab to the front, as after New or Load.
    void LoadFromProject() override;

public slots:
    void edAppReadmeBtnClick();
    void edAppLicenseBtnClick();
    void btAppReadmeColorClick();
    void btAppLicenseColorClick();
    void edMiscDeploymentBtnClick();

private:
    QString ProjectRelative(const QString& text) const;
    void BrowseTextFile(QLineEdit* edit, const QString& title);

    QLineEdit* m_edAppName = nullptr;
    QComboBox* m_edAppInstFolder = nullptr;
    QLineEdit* m_edAppInstFolderName = nullptr;
    QComboBox* m_edAppGroupFolder = nullptr;
    QLineEdit* m_edAppGroupFolderName = nullptr;
    QLineEdit* m_edAppReadme = nullptr;
    TColorButton* m_btAppReadmeColor = nullptr;
    QLineEdit* m_edAppLicense = nullptr;
    TColorButton* m_btAppLicenseColor = nullptr;
    QLineEdit* m_edMiscDeployment = nullptr;
    QTabWidget* m_pageInstall = nullptr;
    QCheckBox* m_cbTarget9x = nullptr;
    QCheckBox* m_cbTargetNT = nullptr;
    QCheckBox* m_cbTarget2k = nullptr;
    QLineEdit* m_edMinOSVersion = nullptr;
    QSpinBox* m_edExtraDiskSpace = nullptr;
    QCheckBox* m_cbMiscUninstaller = nullptr;
    QCheckBox* m_cbMiscReboot = nullptr;
    QLineEdit* m_edMiscPassword = nullptr;
    QLineEdit* m_edCheckWindow = nullptr;
    QLineEdit* m_edCheckMutex = nullptr;
    QCheckBox* m_cbRemoveOldReferences = nullptr;
    QListWidget* m_lbLanguages = nullptr;
    QCheckBox* m_cbAutoSelectLanguage = nullptr;
};

} // namespace tv
