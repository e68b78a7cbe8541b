#pragma once
// TFileShortcuts ("Shortcuts"): adds shortcuts to the project one at a time until Done. Unlike the
// file add dialog it posts its records itself, through the files page, so each one shows in the
// page's list at once. "Add Uninstaller Shortcut" adds the standard uninstaller shortcut in one step.

#include "core/Project.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace tv {

// Where each file of the table will be found once installed: its "File Path", a backslash, and
// the name part of its source. These are the shortcut targets on offer.
std::vector<std::string> InstalledFileTargets(const TProject& project);

class TFileShortcuts final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 453;
    static constexpr int kHeight = 169;
    // Posts a record into the shortcut table; false when the project refused it.
    using TPost = std::function<bool(const TShortcutRecord&)>;

    TFileShortcuts(QWidget* parent, const TProject& project, TPost post);

public slots:
    void FormCreate();
    void doAddClick();
    void doAddUninstallerClick();
    void doDoneClick();

private:
    QString GroupText() const;

    const TProject& m_project;
    TPost m_post;
    QComboBox* m_cbGroupTarget = nullptr;
    QLineEdit* m_edGroupTarget = nullptr;
    QLineEdit* m_edShortcut = nullptr;
    QComboBox* m_cbObjectPath = nullptr;
    QLineEdit* m_edArguments = nullptr;
    QComboBox* m_cbWorkingDir = nullptr;
    QLineEdit* m_edWorkingDir = nullptr;
};

} // namespace tv
