#pragma once
// A modal folder chooser over the file system with a "Create..." button that makes a new
// sub-folder (with any missing parents) under the selection and goes on browsing with the new
// folder selected.

#include <QDialog>
#include <QFont>
#include <QString>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace tv {

// Captions and font shared by every folder picker of the program.
struct TFolderPickerSettings {
    QString OkCaption = "OK";
    QString CancelCaption = "Cancel";
    QString CreateCaption = "Create...";
    QString QueryTitle = "Create directory";
    QString QueryPrompt = "Name";
    // Used when set; otherwise the owner window's font.
    QFont Font;
    bool UseFont = false;
};
TFolderPickerSettings& FolderPickerSettings();

// The path form handed back to callers: native separators, no trailing separator, except for a
// root ("/", "C:\"), which keeps it.
QString FolderResultPath(const QString& path);

// Creates path and every missing parent folder. True when the folder exists afterwards.
bool ForceDirectories(const QString& path);

class TFolderPicker final : public QDialog {
    Q_OBJECT
public:
    TFolderPicker(QWidget* parent, const QString& caption, const QString& prompt, bool showCreateButton,
                  const QString& initialPath);

    // The selected folder's file-system path (native separators); empty when nothing is selected.
    QString CurrentPath() const { return m_CurrentPath; }
    // The chosen folder in the returned form; valid after the dialog was accepted.
    QString ResultPath() const { return FolderResultPath(m_CurrentPath); }
    // Selects path (or, when it does not exist, its nearest existing parent). False when nothing
    // of it exists.
    bool SelectPath(const QString& path);

    QTreeView* Tree() const { return m_Tree; }
    QPushButton* OkButton() const { return m_OK; }
    QPushButton* CancelButton() const { return m_Cancel; }
    QPushButton* CreateButton() const { return m_Create; } // null without the create button

public slots:
    // Asks for a name and creates that folder under the selection.
    void btCreateClick();

private slots:
    void TreeSelectionChanged();
    void DirectoryLoaded(const QString& dir);

private:
    QFileSystemModel* m_Model = nullptr;
    QTreeView* m_Tree = nullptr;
    QLabel* m_Prompt = nullptr;
    QPushButton* m_OK = nullptr;
    QPushButton* m_Cancel = nullptr;
    QPushButton* m_Create = nullptr;
    QString m_CurrentPath;
    bool m_PendingScroll = false;
};

// Runs the folder picker; on OK path holds the chosen folder (in the form of FolderResultPath)
// and the result is true. On cancel path is left as it was.
bool BrowseForFolder(QWidget* parent, const QString& caption, const QString& prompt, bool showCreateButton,
                     QString& path);
// The same with no prompt and the create button shown.
bool BrowseForFolder(QWidget* parent, const QString& title, QString& path);

} // namespace tv
