#pragma once
// TFileAdd ("Add Files"): the author picks source files from the disk (a folder tree and the files of
// the browsed folder, over one file-system model) into a list of selected files, and sets once for
// all of them the target folder and the eight installation flags. A whole folder can be added with
// its sub-folders: a file in sub-folder a\b then lands in the chosen target plus \a\b. Files and
// folders dropped on the selected list are added to it.
//
// The dialog can be made larger than its designed size (and comes back at the size it was left at);
// the lists take the room. It writes nothing into the Project: the files page reads the result
// after OK.

#include "core/Project.h"
#include "ui/pages/FileDialogParts.h"

#include <QDialog>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QComboBox;
class QFileIconProvider;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QToolButton;
class QTreeView;

namespace tv {

class TSelectedFilesModel;
class TFolderOnlyProxy;
class TFileListProxy;

// A file picked for adding.
struct TChosenFile {
    QString Path;      // full host path, native separators
    QString SubFolder; // "" or the folder below the chosen target ("a\b"), for files of an added folder
};

class TFileAdd final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 575;
    static constexpr int kHeight = 308;
    // An added folder with more files than this asks first.
    static constexpr int kAskAbove = 200;

    // room: how many more files the project can take. The folder browsed first is the one the last
    // run browsed, else startFolder (the project's folder), else the home folder.
    TFileAdd(QWidget* parent, int room, const QString& startFolder = QString());
    ~TFileAdd() override;

    // ---- the result, read after OK
    const std::vector<TChosenFile>& SelectedFiles() const;
    QString TargetVariable() const;
    QString TargetPath() const;
    // "File Path" of a chosen file: "%" + variable + "%" + target path, and its sub-folder.
    QString FilePathFor(const TChosenFile& file) const;
    // Sets the eight flags of rec from the check boxes.
    void ApplyFlags(TFileRecord& rec) const;

    // ---- browsing
    // Selects folder in the tree and lists its files; false when it is no folder.
    bool SetFolder(const QString& folder);
    QString Folder() const { return m_folder; }
    // The browsed folder's files are all in the file list.
    bool FolderListed() const;
    // Adds files, and folders with everything below them, to the selected list (a drop).
    void AddPaths(const QStringList& paths);

signals:
    void folderListed(const QString& folder);

public slots:
    // Every way out keeps the dialog's size for its next run.
    void done(int result) override;
    void foTreeChange();
    void btFileAddClick();
    void btFileDelClick();
    void btFolderAddClick();
    void doOKClick();
    void doCancelClick();

protected:
    void reject() override;

private:
    // What an add left out, and why.
    struct TLeftOut {
        QString Path;
        QString Reason;
    };
    // Lists the files that can go into the project (regular files whose names the project can store
    // and the install list can hold as keys) and tells in one message about the others and about
    // leftOut.
    void AddChosen(std::vector<TChosenFile> files, std::vector<TLeftOut> leftOut = {});
    // Every file below folder; entries whose name starts with ".", links to folders and folders that
    // cannot be read or whose names the project cannot store go to leftOut. False when there are
    // more files than the project could ever take.
    bool CollectFolder(const QString& folder, std::vector<TChosenFile>& files,
                       std::vector<TLeftOut>& leftOut) const;
    void DirectoryLoaded(const QString& path);
    // "n files" above the selected list.
    void ShowCount();

    int m_room;
    QString m_folder;
    QSet<QString> m_loaded;
    std::unique_ptr<QFileIconProvider> m_iconProvider;
    QFileSystemModel* m_fs = nullptr;
    TFolderOnlyProxy* m_treeModel = nullptr;
    TFileListProxy* m_listModel = nullptr;
    TSelectedFilesModel* m_selected = nullptr;
    QTreeView* m_foTree = nullptr;
    QListView* m_foList = nullptr;
    QListView* m_lsSelected = nullptr;
    QLabel* m_lbSelectedCount = nullptr;
    QComboBox* m_cbTarget = nullptr;
    QLineEdit* m_edTargetPath = nullptr;
    TFlagBoxes m_flags{};
};

} // namespace tv
