#include "ui/lib/FolderPickerUnit.h"

#include "ui/lib/MarkupText.h"
#include "ui/lib/NameSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/MsgDlg.h"
#include "ui/lib/wzDialogUnit.h"

namespace tv {

namespace {

bool IsSeparator(QChar c) {
    return c == '/' || c == '\\';
}

// A root keeps its separator: "/", "\", "C:\", "C:/".
bool IsRoot(const QString& path) {
    if (path.size() == 1)
        return IsSeparator(path[0]);
    return path.size() == 3 && path[0].isLetter() && path[1] == ':' && IsSeparator(path[2]);
}

} // namespace

TFolderPickerSettings& FolderPickerSettings() {
    static TFolderPickerSettings settings;
    return settings;
}

QString FolderResultPath(const QString& path) {
    QString result = QDir::toNativeSeparators(path);
    while (result.size() > 1 && IsSeparator(result.back()) && !IsRoot(result))
        result.chop(1);
    return result;
}

bool ForceDirectories(const QString& path) {
    if (path.isEmpty())
        return false;
    QDir().mkpath(path);
    return QFileInfo(path).isDir();
}

TFolderPicker::TFolderPicker(QWidget* parent, const QString& caption, const QString& prompt,
                             bool showCreateButton, const QString& initialPath)
    : QDialog(parent) {
    const TFolderPickerSettings& s = FolderPickerSettings();
    setObjectName("FolderPicker");
    setWindowTitle(caption);
    if (s.UseFont)
        setFont(s.Font);
    else if (parent)
        setFont(parent->font());

    auto* layout = new QVBoxLayout(this);
    m_Prompt = new QLabel(prompt, this);
    m_Prompt->setObjectName("lbPrompt");
    m_Prompt->setWordWrap(true);
    m_Prompt->setTextFormat(Qt::PlainText);
    m_Prompt->setVisible(!prompt.isEmpty());
    layout->addWidget(m_Prompt);

    m_Model = new QFileSystemModel(this);
    m_Model->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_Model->setReadOnly(true);
    m_Model->setRootPath(QString());

    m_Tree = new QTreeView(this);
    m_Tree->setObjectName("tvFolders");
    m_Tree->setModel(m_Model);
    m_Tree->setHeaderHidden(true);
    for (int c = 1; c < m_Model->columnCount(); ++c)
        m_Tree->hideColumn(c);
    m_Tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_Tree->setSortingEnabled(true);
    m_Tree->sortByColumn(0, Qt::AscendingOrder);
    m_Tree->setMinimumSize(300, 300);
    layout->addWidget(m_Tree, 1);

    auto* buttons = new QHBoxLayout;
    m_OK = new QPushButton(s.OkCaption, this);
    m_OK->setObjectName("btOK");
    m_OK->setDefault(true);
    m_Cancel = new QPushButton(s.CancelCaption, this);
    m_Cancel->setObjectName("btCancel");
    if (showCreateButton) {
        m_Create = new QPushButton(s.CreateCaption, this);
        m_Create->setObjectName("btCreate");
        m_Create->setAutoDefault(false);
        buttons->addWidget(m_Create);
        connect(m_Create, &QPushButton::clicked, this, &TFolderPicker::btCreateClick);
    }
    buttons->addStretch(1);
    buttons->addWidget(m_OK);
    buttons->addWidget(m_Cancel);
    layout->addLayout(buttons);
    // The create button matches the OK button's size.
    const int w = std::max({m_OK->sizeHint().width(), m_Cancel->sizeHint().width(),
                            m_Create ? m_Create->sizeHint().width() : 0});
    for (QPushButton* b : {m_OK, m_Cancel, m_Create})
        if (b)
            b->setMinimumWidth(w);

    connect(m_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_Tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFolderPicker::TreeSelectionChanged);
    connect(m_Model, &QFileSystemModel::directoryLoaded, this, &TFolderPicker::DirectoryLoaded);
    // Sorting a freshly read folder moves rows too.
    connect(m_Model, &QFileSystemModel::layoutChanged, this, [this] {
        if (m_PendingScroll && m_Tree->currentIndex().isValid())
            m_Tree->scrollTo(m_Tree->currentIndex());
    });
    // Once the user looks around, the view stays where they put it.
    connect(m_Tree, &QTreeView::pressed, this, [this] { m_PendingScroll = false; });
    connect(m_Tree->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { m_PendingScroll = false; });

    TreeSelectionChanged();
    SelectPath(initialPath);
    resize(380, 440);
}

bool TFolderPicker::SelectPath(const QString& path) {
    if (path.trimmed().isEmpty())
        return false;
    QString dir = QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
    for (;;) {
        if (QFileInfo(dir).isDir()) {
            const QModelIndex index = m_Model->index(dir);
            if (index.isValid()) {
                for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
                    m_Tree->expand(p);
                m_Tree->setCurrentIndex(index);
                m_Tree->scrollTo(index);
                m_PendingScroll = true;
                return true;
            }
        }
        const QString parent = QFileInfo(dir).path();
        if (parent == dir || parent.isEmpty())
            return false;
        dir = parent;
    }
}

void TFolderPicker::TreeSelectionChanged() {
    const QModelIndexList selected = m_Tree->selectionModel()->selectedRows();
    m_CurrentPath =
        selected.isEmpty() ? QString() : QDir::toNativeSeparators(m_Model->filePath(selected.first()));
    m_OK->setEnabled(!m_CurrentPath.isEmpty());
    if (m_Create)
        m_Create->setEnabled(m_OK->isEnabled());
}

// Folders are read in the background; when one on the way to the selection arrives, rows appear
// above it, so bring the selection back into sight.
void TFolderPicker::DirectoryLoaded(const QString& dir) {
    if (!m_PendingScroll)
        return;
    const QModelIndex current = m_Tree->currentIndex();
    if (!current.isValid())
        return;
    const QString loaded = QDir::cleanPath(dir);
    const QString selected = QDir::cleanPath(m_Model->filePath(current));
    const QString prefix = loaded.endsWith('/') ? loaded : loaded + '/';
    if (selected == loaded || selected.startsWith(prefix))
        m_Tree->scrollTo(current);
}

void TFolderPicker::btCreateClick() {
    if (m_CurrentPath.isEmpty())
        return;
    const TFolderPickerSettings& s = FolderPickerSettings();
    QString name;
    if (wzDialog().InputQuery(s.QueryTitle, s.QueryPrompt, name) != mrOk || name.trimmed().isEmpty())
        return;
    QString path = m_CurrentPath;
    if (!IsSeparator(path.back()))
        path += QDir::separator();
    path += name;
    if (!ForceDirectories(path)) {
        wzDialog().MessageDlg(
            QString("Cannot create folder %1").arg(MarkupLiteral(QDir::toNativeSeparators(path))),
            TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    SelectPath(path);
    m_Tree->setFocus();
}

bool BrowseForFolder(QWidget* parent, const QString& caption, const QString& prompt, bool showCreateButton,
                     QString& path) {
    if (const auto scripted = TNameSeam::Take({QStringLiteral("FolderPicker"), caption, prompt, path})) {
        if (scripted->isEmpty())
            return false;
        path = FolderResultPath(*scripted);
        return true;
    }
    TFolderPicker picker(parent, caption, prompt, showCreateButton, path);
    if (picker.exec() != QDialog::Accepted || picker.CurrentPath().isEmpty())
        return false;
    path = picker.ResultPath();
    return true;
}

bool BrowseForFolder(QWidget* parent, const QString& title, QString& path) {
    return BrowseForFolder(parent, title, QString(), true, path);
}

} // namespace tv
