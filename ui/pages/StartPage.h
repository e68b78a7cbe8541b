#pragma once
// Page 0 of the wizard: the application-level settings of the Project (name, installation folder,
// program group, readme and licence with their background colours, deployment folder) and, on three
// tabs, target systems, installation options, running-instance checks and languages.
//
// The Project is the one source of truth: every edit writes its value into it at once. Most edits also
// set Modified; the target-version, disk-space, instance-check, old-references and language controls
// store their value without marking the project as changed.

#include "core/Project.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace tv {

class TColorButton;

class TStartPage final : public QWidget {
    Q_OBJECT
public:
    TStartPage(TProject& project, QWidget* parent = nullptr);

    // Shows the Project's values in every control without touching Modified. Also empties the
    // language list and brings the "Installation" tab to the front, as after New or Load. An extra
    // disk space outside 0..99999 is brought into range in the Project as well, so that what the box
    // shows is what gets saved.
    void LoadFromProject();

    // Test seam for the readme and licence browse commands: the next one uses this answer instead of
    // showing the file dialog. An empty string answers "cancel". Used once.
    void SetNextFileName(const QString& fileName) { m_nextFileName = fileName; }

signals:
    // An edit set the Project's Modified flag.
    void projectEdited();

public slots:
    void edAppReadmeBtnClick();
    void edAppLicenseBtnClick();
    void btAppReadmeColorClick();
    void btAppLicenseColorClick();
    void edMiscDeploymentBtnClick();
    // The common change notification: marks the Project as changed.
    void FieldChanged();

private:
    void StoreText(QLineEdit* edit, std::string TProject::*field, bool setsModified);
    QString ProjectRelative(const QString& text) const;
    void StoreCheck(bool TProject::*field, bool checked, bool setsModified);
    // Puts a text chosen in a dialog into the edit, unless the code page cannot hold it.
    void SetChosenText(QLineEdit* edit, const QString& text);
    void BrowseTextFile(QLineEdit* edit, const QString& title);
    void PickColor(TColorButton* button, TColor TProject::*field);
    void StoreFolderVariable(QComboBox* combo, std::string TProject::*field);
    // Tells the author that a character was refused; several refusals in one go give one message.
    void ReportRefused(const QString& character);
    void ShowRefusedMessage();

    struct TTextField {
        QLineEdit* edit;
        std::string TProject::*field;
    };
    struct TCheckField {
        QCheckBox* box;
        bool TProject::*field;
    };

    TProject& m_project;
    std::vector<TTextField> m_textFields;
    std::vector<TCheckField> m_checkFields;
    bool m_loading = false;
    std::optional<QString> m_nextFileName;
    QString m_refusedChar;
    bool m_refusalPending = false;

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
