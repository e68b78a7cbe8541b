#include "ui/pages/FileAddUnit.h"

#include "ui/main/MessageText.h"

#include "core/MsgDlg.h"
#include "deploy/FileAddRules.h"
#include "ui/editors/AnsiInput.h"
#include "ui/lib/FileIconCache.h"
#include "ui/lib/GlyphButton.h"
#include "ui/lib/MarkupText.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/pages/FileModels.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace tv {

namespace {

// Where the dialog's size is kept between runs.
const char* const kSizeKey = "FileAdd/Size";

// The folder browsed last, where the next run of the dialog starts.
QString& LastFolder() {
    static QString folder;
    return folder;
}

// "Is this file listed already" follows the host's rules for file names.
QString PathKey(const QString& path) {
    return QString::fromStdString(SourcePathKey(QFile::encodeName(path).toStdString()));
}

QString FromHost(const std::string& host) {
    return QFile::decodeName(QByteArray::fromStdString(host));
}

} // namespace

// The selected files: full paths in the order of adding, never one twice.
class TSelectedFilesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_files.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const TChosenFile& f = m_files[std::size_t(index.row())];
        switch (role) {
        case Qt::DisplayRole:
            return f.Path;
        case Qt::DecorationRole:
            return FileTypeIcon(f.Path);
        case Qt::ToolTipRole:
            return f.SubFolder.isEmpty()
                       ? f.Path
                       : f.Path + "\n" + TFileAdd::tr("Target: chosen folder + \\%1").arg(f.SubFolder);
        default:
            return {};
        }
    }
    // Appends the files not listed yet, in one insertion.
    void Add(const std::vector<TChosenFile>& files) {
        std::vector<TChosenFile> fresh;
        for (const TChosenFile& f : files) {
            const QString key = PathKey(f.Path);
            if (!m_keys.contains(key)) {
                m_keys.insert(key);
                fresh.push_back(f);
            }
        }
        if (fresh.empty())
            return;
        beginInsertRows({}, rowCount(), rowCount() + int(fresh.size()) - 1);
        m_files.insert(m_files.end(), fresh.begin(), fresh.end());
        endInsertRows();
    }
    void Remove(int row) {
        if (row < 0 || row >= rowCount())
            return;
        beginRemoveRows({}, row, row);
        m_keys.remove(PathKey(m_files[std::size_t(row)].Path));
        m_files.erase(m_files.begin() + row);
        endRemoveRows();
    }
    const std::vector<TChosenFile>& Files() const { return m_files; }

private:
    std::vector<TChosenFile> m_files;
    QSet<QString> m_keys;
};

// The tree shows folders only.
class TFolderOnlyProxy final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        auto* fs = static_cast<QFileSystemModel*>(sourceModel());
        return fs->isDir(fs->index(row, 0, parent));
    }
};

// The file list shows the files of the browsed folder, never its sub-folders; folders elsewhere
// stay so that the browsed folder can be reached.
class TFileListProxy final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetFolder(const QString& folder) {
        m_folder = folder;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        auto* fs = static_cast<QFileSystemModel*>(sourceModel());
        const QModelIndex index = fs->index(row, 0, parent);
        return !fs->isDir(index) || fs->filePath(parent) != m_folder;
    }

private:
    QString m_folder;
};

TFileAdd::TFileAdd(QWidget* parent, int room, const QString& startFolder)
    : QDialog(parent), m_room(room), m_iconProvider(std::make_unique<QFileIconProvider>()) {
    setObjectName("FileAdd");
    const TDialogFrame frame =
        CreateDialogFrame(this, tr("Add Files"), tr("Add Files"), QSize(kWidth, kHeight));
    QWidget* page = frame.page;
    // The designed size is the smallest: the lists take any room the author gives the dialog.
    setMinimumSize(kWidth, kHeight);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    // One file-system model behind the tree and the list; hidden files are listed too.
    m_fs = new QFileSystemModel(this);
    m_fs->setIconProvider(m_iconProvider.get());
    m_fs->setFilter(QDir::AllDirs | QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    m_fs->setRootPath(QDir::rootPath());
    connect(m_fs, &QFileSystemModel::directoryLoaded, this, &TFileAdd::DirectoryLoaded);

    m_treeModel = new TFolderOnlyProxy(this);
    m_treeModel->setSourceModel(m_fs);
    m_treeModel->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_treeModel->sort(0);
    m_listModel = new TFileListProxy(this);
    m_listModel->setSourceModel(m_fs);
    m_listModel->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_listModel->sort(0);

    m_foList = new QListView(page);
    m_foList->setObjectName("foList");
    m_foList->setModel(m_listModel);
    m_foList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_foList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_foList->setUniformItemSizes(true);
    m_foList->setIconSize(QSize(16, 16));
    m_foList->setRootIndex(m_listModel->mapFromSource(m_fs->index(QDir::rootPath())));

    m_foTree = new QTreeView(page);
    m_foTree->setObjectName("foTree");
    m_foTree->setModel(m_treeModel);
    m_foTree->setHeaderHidden(true);
    m_foTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_foTree->setUniformRowHeights(true);
    m_foTree->setIconSize(QSize(16, 16));
    for (int c = 1; c < m_fs->columnCount(); ++c)
        m_foTree->hideColumn(c);

    auto* splitter = new QSplitter(Qt::Vertical, page);
    splitter->setObjectName("spFiles");
    splitter->addWidget(m_foList);
    splitter->addWidget(m_foTree);
    splitter->setChildrenCollapsible(false);

    const QSize buttonSize(27, 22);
    auto* btFileAdd =
        MakeGlyphButton("btFileAdd", "add", tr("Add selected files"), buttonSize, TGlyphLook::Raised, page);
    auto* btFileDel = MakeGlyphButton("btFileDel", "remove", tr("Remove selected file"), buttonSize,
                                      TGlyphLook::Raised, page);
    auto* btFolderAdd = MakeGlyphButton("btFolderAdd", "folder_add",
                                        tr("Add every file of the browsed folder and its sub-folders"),
                                        buttonSize, TGlyphLook::Raised, page);

    m_selected = new TSelectedFilesModel(this);
    m_lsSelected = new QListView(page);
    m_lsSelected->setObjectName("lsSelected");
    m_lsSelected->setModel(m_selected);
    m_lsSelected->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lsSelected->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lsSelected->setUniformItemSizes(true);
    m_lsSelected->setIconSize(QSize(16, 16));
    connect(TPathDrop::Install(m_lsSelected), &TPathDrop::dropped, this, &TFileAdd::AddPaths);
    auto* del = new QShortcut(QKeySequence::Delete, m_lsSelected, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &TFileAdd::btFileDelClick);

    const TTargetControls target = CreateTargetControls(page);
    m_cbTarget = target.variable;
    m_edTargetPath = target.path;

    // Layout: file selection | add and remove | selected files, target and flags
    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    auto* lbFiles = new QLabel(tr("File selection"), page);
    lbFiles->setBuddy(m_foList);
    left->addWidget(lbFiles);
    left->addWidget(splitter, 1);

    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    middle->addStretch(1);
    middle->addWidget(btFileAdd);
    middle->addWidget(btFileDel);
    middle->addSpacing(10);
    middle->addWidget(btFolderAdd);
    middle->addStretch(1);

    auto* right = new QGridLayout;
    right->setHorizontalSpacing(6);
    right->setVerticalSpacing(2);
    auto* lbSelected = new QLabel(tr("Selected files"), page);
    lbSelected->setBuddy(m_lsSelected);
    right->addWidget(lbSelected, 0, 0);
    m_lbSelectedCount = new QLabel(page);
    m_lbSelectedCount->setObjectName("lbSelectedCount");
    right->addWidget(m_lbSelectedCount, 0, 1, Qt::AlignRight);
    right->addWidget(m_lsSelected, 1, 0, 1, 2);
    m_flags = AddTargetAndFlags(page, right, 2, target);
    right->setRowStretch(1, 1);

    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(6);
    row->addLayout(left, 0);
    row->addLayout(middle);
    row->addLayout(right, 1);
    splitter->setFixedWidth(170);

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

    connect(m_foTree->selectionModel(), &QItemSelectionModel::currentChanged, this, &TFileAdd::foTreeChange);
    connect(m_foList, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        // The double-clicked file goes in even when the second press (with Ctrl) took it out of
        // the selection again.
        m_foList->selectionModel()->select(index, QItemSelectionModel::Select);
        btFileAddClick();
    });
    connect(btFileAdd, &QToolButton::clicked, this, &TFileAdd::btFileAddClick);
    connect(btFileDel, &QToolButton::clicked, this, &TFileAdd::btFileDelClick);
    connect(btFolderAdd, &QToolButton::clicked, this, &TFileAdd::btFolderAddClick);
    connect(doOK, &QPushButton::clicked, this, &TFileAdd::doOKClick);
    connect(doCancel, &QPushButton::clicked, this, &TFileAdd::doCancelClick);

    // Each run starts with the first variable, no path and no flags.
    m_cbTarget->setCurrentIndex(0);
    m_edTargetPath->clear();
    connect(m_selected, &QAbstractItemModel::rowsInserted, this, &TFileAdd::ShowCount);
    connect(m_selected, &QAbstractItemModel::rowsRemoved, this, &TFileAdd::ShowCount);
    ShowCount();
    const QSize size = QSettings().value(kSizeKey).toSize();
    if (size.isValid()) {
        QSize room = size;
        if (QScreen* screen = QGuiApplication::primaryScreen())
            room = screen->availableGeometry().size();
        resize(size.boundedTo(room).expandedTo(minimumSize()));
    }
    // The author goes on where the last run browsed.
    QString start = LastFolder();
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = startFolder;
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    SetFolder(start);
}

TFileAdd::~TFileAdd() = default;

const std::vector<TChosenFile>& TFileAdd::SelectedFiles() const {
    return m_selected->Files();
}

QString TFileAdd::TargetVariable() const {
    return m_cbTarget->currentText();
}

QString TFileAdd::TargetPath() const {
    return m_edTargetPath->text();
}

QString TFileAdd::FilePathFor(const TChosenFile& file) const {
    return QString::fromStdString(TargetWithSubFolder(
        FolderText(TargetVariable(), TargetPath()).toStdString(), file.SubFolder.toStdString()));
}

void TFileAdd::ApplyFlags(TFileRecord& rec) const {
    for (std::size_t i = 0; i < kFileFlags.size(); ++i)
        rec.*kFileFlags[i].field = m_flags[i]->isChecked();
}

// ---- browsing

bool TFileAdd::SetFolder(const QString& folder) {
    const QModelIndex index = m_fs->index(QDir::cleanPath(QDir(folder).absolutePath()));
    if (!index.isValid() || !m_fs->isDir(index))
        return false;
    const QModelIndex treeIndex = m_treeModel->mapFromSource(index);
    m_foTree->setCurrentIndex(treeIndex);
    m_foTree->scrollTo(treeIndex);
    foTreeChange();
    return true;
}

void TFileAdd::foTreeChange() {
    const QModelIndex index = m_treeModel->mapToSource(m_foTree->currentIndex());
    const QString folder = index.isValid() ? m_fs->filePath(index) : QString();
    if (folder.isEmpty() || folder == m_folder)
        return;
    m_folder = folder;
    LastFolder() = folder;
    m_listModel->SetFolder(folder);
    m_foList->setRootIndex(m_listModel->mapFromSource(index));
    if (m_fs->canFetchMore(index))
        m_fs->fetchMore(index);
}

bool TFileAdd::FolderListed() const {
    return !m_folder.isEmpty() && m_loaded.contains(m_folder);
}

void TFileAdd::DirectoryLoaded(const QString& path) {
    m_loaded.insert(path);
    // The tree fills in the background: keep the browsed folder in sight until it is listed.
    if (m_folder.startsWith(path))
        m_foTree->scrollTo(m_foTree->currentIndex(), QAbstractItemView::PositionAtCenter);
    if (path == m_folder)
        emit folderListed(path);
}

// ---- adding and removing

void TFileAdd::AddChosen(std::vector<TChosenFile> files, std::vector<TLeftOut> leftOut) {
    std::vector<TChosenFile> taken;
    taken.reserve(files.size());
    for (TChosenFile& f : files) {
        if (const std::string problem = ChosenFileProblem(QFile::encodeName(f.Path).toStdString());
            problem.empty())
            taken.push_back(std::move(f));
        else
            leftOut.push_back({f.Path, QString::fromStdString(problem)});
    }
    m_selected->Add(taken);
    if (leftOut.empty())
        return;
    // One message for the whole add, however much was left out.
    std::vector<std::string> items;
    items.reserve(leftOut.size());
    for (const TLeftOut& out : leftOut)
        items.push_back((QDir::toNativeSeparators(out.Path) + ": " + TranslatedMessage(out.Reason)).toStdString());
    const QString head =
        leftOut.size() == 1 ? tr("This was not added:") : tr("These %1 were not added:").arg(leftOut.size());
    // A warning: the rest of the add went through.
    wzDialog().MessageDlg(QString::fromStdString(MarkupList(head.toStdString(), items)),
                          TMsgDlgType::mtWarning, 0, mbOK);
}

void TFileAdd::btFileAddClick() {
    QModelIndexList rows = m_foList->selectionModel()->selectedIndexes();
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<TChosenFile> files;
    files.reserve(std::size_t(rows.size()));
    for (const QModelIndex& row : rows)
        files.push_back({QDir::toNativeSeparators(m_fs->filePath(m_listModel->mapToSource(row))), QString()});
    AddChosen(std::move(files));
}

void TFileAdd::ShowCount() {
    const int count = m_selected->rowCount();
    m_lbSelectedCount->setText(count == 1 ? tr("1 file") : tr("%1 files").arg(count));
}

void TFileAdd::btFileDelClick() {
    const QModelIndex current = m_lsSelected->currentIndex();
    if (current.isValid() && m_lsSelected->selectionModel()->isSelected(current))
        m_selected->Remove(current.row());
}

bool TFileAdd::CollectFolder(const QString& folder, std::vector<TChosenFile>& files,
                             std::vector<TLeftOut>& leftOut) const {
    std::vector<TChosenSource> found;
    std::vector<TLeftOutSource> left;
    const bool fits = CollectFolderFiles(QFile::encodeName(folder).toStdString(), found, left, kMaxTableRows);
    for (const TChosenSource& f : found)
        files.push_back({QDir::toNativeSeparators(FromHost(f.Path)), FromHost(f.SubFolder)});
    for (const TLeftOutSource& l : left)
        leftOut.push_back({FromHost(l.Path), QString::fromStdString(l.Reason)});
    return fits;
}

void TFileAdd::AddPaths(const QStringList& paths) {
    std::vector<TChosenFile> files;
    std::vector<TLeftOut> leftOut;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            if (!CollectFolder(info.absoluteFilePath(), files, leftOut)) {
                wzDialog().MessageDlg(tr("%1/#holds more than %2 files, more than a project can take."
                                         "/#Nothing was added.")
                                          .arg(MarkupLiteral(QDir::toNativeSeparators(path)))
                                          .arg(kMaxTableRows),
                                      TMsgDlgType::mtError, 0, mbOK);
                return;
            }
        } else if (info.exists() || info.isSymLink()) {
            files.push_back({QDir::toNativeSeparators(info.absoluteFilePath()), QString()});
        }
    }
    if (int(files.size()) > kAskAbove &&
        wzDialog().MessageDlg(tr("%1 files were found./#Add them all ?").arg(files.size()),
                              TMsgDlgType::mtConfirmation, 0, mbYes | mbNo) != mrYes)
        return;
    AddChosen(std::move(files), std::move(leftOut));
}

void TFileAdd::btFolderAddClick() {
    if (!m_folder.isEmpty())
        AddPaths({m_folder});
}

// ---- closing

void TFileAdd::doOKClick() {
    const int count = int(SelectedFiles().size());
    if (count > m_room) {
        wzDialog().MessageDlg(tr("A project holds at most %1 files: there is room for %2 more,/#"
                                 "and %3 are selected.")
                                  .arg(kMaxTableRows)
                                  .arg(std::max(m_room, 0))
                                  .arg(count),
                              TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    if (!CheckNoBar(m_edTargetPath->text(), tr("The target path"), m_edTargetPath))
        return;
    done(mrOk);
}

void TFileAdd::doCancelClick() {
    done(mrCancel);
}

void TFileAdd::done(int result) {
    QSettings().setValue(kSizeKey, size());
    QDialog::done(result);
}

void TFileAdd::reject() {
    doCancelClick();
}

} // namespace tv
