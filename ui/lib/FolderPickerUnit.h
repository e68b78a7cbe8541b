#pragma once
// A modal folder chooser over the file system with a "Create..." button that makes a new
// sub-folder (with any missing parents) under the selection and goes on browsing with the new
// folder selected. A path box above the tree shows the selection and takes a typed or pasted path:
// OK (or Enter) takes the box, offering to create a folder that does not exist yet.

#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QString>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace tv {

// Captions and font shared by every folder picker of the program.
struct TFolderPickerSettings {
    QString OkCaption = QCoreApplication::translate("tv::TFolderPicker", "OK");
    QString CancelCaption = QCoreApplication::translate("tv::TFolderPicker", "Cancel");
    QString CreateCaption = QCoreApplication::translate("tv::TFolderPicker", "Create...");
    QString PathCaption = QCoreApplication::translate("tv::TFolderPicker", "&Folder");
    QString QueryTitle = QCoreApplication::translate("tv::TFolderPicker", "Create directory");
    QString QueryPrompt = QCoreApplication::translate("tv::TFolderPicker", "Name");
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
    // A relative path typed into the box is read from baseFolder (the home folder when empty).
    TFolderPicker(QWidget* parent, const QString& caption, const QString& prompt, bool showCreateButton,
                  const QString& initialPath, const QString& baseFolder = QString());

    // The selected folder's file-system path (native separators); empty when nothing is selected.
    QString CurrentPath() const { return m_CurrentPath; }
    // The folder in the path box, in the returned form: the chosen one once the dialog was accepted.
    QString ResultPath() const;
    // Selects path (or, when it does not exist, its nearest existing parent). False when nothing
    // of it exists.
    bool SelectPath(const QString& path);

    QTreeView* Tree() const { return m_Tree; }
    QPushButton* OkButton() const { return m_OK; }
    QPushButton* CancelButton() const { return m_Cancel; }
    QPushButton* CreateButton() const { return m_Create; } // null without the create button
    QLineEdit* PathEdit() const { return m_Path; }

public slots:
    // Asks for a name and creates that folder under the selection.
    void btCreateClick();
    // Takes the path box: an existing folder closes the dialog; a missing one is offered to be
    // created; anything else is refused with a message and the dialog stays.
    void btOKClick();

private slots:
    void TreeSelectionChanged();
    void DirectoryLoaded(const QString& dir);
    void PathEdited(const QString& text);

private:
    void UpdateButtons();

    QFileSystemModel* m_Model = nullptr;
    QTreeView* m_Tree = nullptr;
    QLabel* m_Prompt = nullptr;
    QLineEdit* m_Path = nullptr;
    QPushButton* m_OK = nullptr;
    QPushButton* m_Cancel = nullptr;
    QPushButton* m_Create = nullptr;
    QString m_CurrentPath;
    QString m_BaseFolder;
    bool m_PendingScroll = false;
    bool m_FollowingBox = false; // the tree moves to a typed path; the box keeps what was typed
};

// Runs the folder picker; on OK path holds the chosen folder (in the form of FolderResultPath)
// and the result is true. On cancel path is left as it was. A relative path typed in the picker
// is read from baseFolder (the home folder when empty).
bool BrowseForFolder(QWidget* parent, const QString& caption, const QString& prompt, bool showCreateButton,
                     QString& path, const QString& baseFolder = QString());
// The same with no prompt and the create button shown.
bool BrowseForFolder(QWidget* parent, const QString& title, QString& path);

} // namespace tv
