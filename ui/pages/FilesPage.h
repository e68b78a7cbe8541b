#pragma once
// Page 3 of the wizard, "Files & Shortcuts": the files to install and the shortcuts to create, each
// shown in a read-only list over the Project's table. Files come from the file add dialog (or are
// dropped on the list from the desktop's file manager), shortcuts from the shortcut dialog, which
// posts them through this page. Every change of either list marks the project as changed.

#include "ui/main/WizardPage.h"

#include <QStringList>

#include <vector>

class QModelIndex;
class QTableView;
class QToolButton;

namespace tv {

class TFileAdd;
class TFilesModel;
class TShortcutsModel;

class TFilesPage final : public TWizardPage {
    Q_OBJECT
public:
    explicit TFilesPage(TProject& project, QWidget* parent = nullptr);

    // Rebuilds both lists from the Project (after New and Load); selects their first rows.
    void LoadFromProject() override;
    bool ShowListRow(TListId list, int row) override;

    // The name part of each file's source, in row order, duplicates kept: what the run-entry
    // dialog suggests as program names.
    QStringList FileNameSuggestions() const;

    // Appends the dialog's files to the table (after its OK).
    void AddFilesFrom(const TFileAdd& dialog);
    // Appends a record made by the shortcut dialog; false when the table is full.
    bool PostShortcut(const TShortcutRecord& record);
    // Opens the file add dialog with these files and folders already selected (a drop).
    void OpenFileAdd(const QStringList& paths);

    TFilesModel* FilesModel() const { return m_filesModel; }

public slots:
    void btFileAddClick();
    void btFileDelClick();
    void btFileEditClick();
    void btFilePropsClick();
    void btShortcutAddClick();
    void btShortcutDelClick();
    void btShortcutClearClick();
    void lvFilesClick(const QModelIndex& current);
    void lvShortcutsClick(const QModelIndex& current);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RefreshFiles();
    void RefreshShortcuts();
    // Selected rows of a view, in ascending order.
    static std::vector<int> SelectedRows(const QTableView* view);

    TFilesModel* m_filesModel = nullptr;
    TShortcutsModel* m_shortcutsModel = nullptr;
    QTableView* m_lvFiles = nullptr;
    QTableView* m_lvShortcuts = nullptr;
};

} // namespace tv
