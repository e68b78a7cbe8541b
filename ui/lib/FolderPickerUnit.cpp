#include "ui/lib/FolderPickerUnit.h"

#include "ui/lib/MarkupText.h"
#include "ui/lib/NameSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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

// A path as typed or pasted: blanks and the quotes a copied path often carries go, "~" is the home
// folder where that is the custom, and a relative path is read from base.
QString ReadTypedPath(QString text, const QString& base) {
    text = text.trimmed();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.mid(1, text.size() - 2).trimmed();
    if (text.isEmpty())
        return QString();
    text = QDir::fromNativeSeparators(text);
#ifndef _WIN32
    if (text == "~" || text.startsWith("~/"))
        text = QDir::homePath() + text.mid(1);
#endif
    if (QDir::isRelativePath(text))
        text = QDir(base.isEmpty() ? QDir::homePath() : QDir::fromNativeSeparators(base)).filePath(text);
    return QDir::toNativeSeparators(QDir::cleanPath(text));
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
                             bool showCreateButton, const QString& initialPath, const QString& baseFolder)
    : QDialog(parent), m_BaseFolder(baseFolder) {
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

    auto* pathRow = new QHBoxLayout;
    m_Path = new QLineEdit(this);
    m_Path->setObjectName("edPath");
    m_Path->setClearButtonEnabled(true);
    m_Path->setToolTip(tr("Type or paste a folder; press Enter to take it"));
    auto* pathLabel = new QLabel(s.PathCaption, this);
    pathLabel->setObjectName("lbPath");
    pathLabel->setBuddy(m_Path);
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_Path, 1);
    layout->addLayout(pathRow);

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

    connect(m_OK, &QPushButton::clicked, this, &TFolderPicker::btOKClick);
    connect(m_Path, &QLineEdit::textChanged, this, &TFolderPicker::UpdateButtons);
    connect(m_Path, &QLineEdit::textEdited, this, &TFolderPicker::PathEdited);
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
    SelectPath(ReadTypedPath(initialPath, m_BaseFolder));
    // The box tells the folder as given, also one that does not exist yet (the tree shows the
    // nearest folder that does).
    if (!initialPath.trimmed().isEmpty())
        m_Path->setText(FolderResultPath(ReadTypedPath(initialPath, m_BaseFolder)));
    m_Tree->setFocus();
    resize(380, 460);
}

QString TFolderPicker::ResultPath() const {
    return FolderResultPath(ReadTypedPath(m_Path->text(), m_BaseFolder));
}

void TFolderPicker::UpdateButtons() {
    m_OK->setEnabled(!m_Path->text().trimmed().isEmpty());
    if (m_Create)
        m_Create->setEnabled(!m_CurrentPath.isEmpty());
}

// The tree goes along to a typed folder that exists, leaving the text as typed.
void TFolderPicker::PathEdited(const QString& text) {
    const QString path = ReadTypedPath(text, m_BaseFolder);
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return;
    m_FollowingBox = true;
    SelectPath(path);
    m_FollowingBox = false;
}

void TFolderPicker::btOKClick() {
    const QString path = ResultPath();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) {
        wzDialog().MessageDlg(tr("%1 is not a folder").arg(MarkupLiteral(path)), TMsgDlgType::mtError, 0,
                              mbOK);
        m_Path->setFocus();
        return;
    }
    if (!info.exists()) {
        if (wzDialog().MessageDlg(tr("Folder %1 does not exist,/#Create it ?").arg(MarkupLiteral(path)),
                                  TMsgDlgType::mtConfirmation, 0, mbYes | mbNo) != mrYes) {
            m_Path->setFocus();
            return;
        }
        if (!ForceDirectories(path)) {
            wzDialog().MessageDlg(tr("Cannot create folder %1").arg(MarkupLiteral(path)),
                                  TMsgDlgType::mtError, 0, mbOK);
            m_Path->setFocus();
            return;
        }
    }
    accept();
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
    const QString path =
        selected.isEmpty() ? QString() : QDir::toNativeSeparators(m_Model->filePath(selected.first()));
    // Only a move to another folder rewrites the box: a typed path is not lost to the tree
    // re-sorting what it read.
    const bool moved = path != m_CurrentPath;
    m_CurrentPath = path;
    if (moved && !m_FollowingBox)
        m_Path->setText(m_CurrentPath);
    UpdateButtons();
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
            tr("Cannot create folder %1").arg(MarkupLiteral(QDir::toNativeSeparators(path))),
            TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    SelectPath(path);
    m_Tree->setFocus();
}

bool BrowseForFolder(QWidget* parent, const QString& caption, const QString& prompt, bool showCreateButton,
                     QString& path, const QString& baseFolder) {
    if (const auto scripted = TNameSeam::Take({QStringLiteral("FolderPicker"), caption, prompt, path})) {
        if (scripted->isEmpty())
            return false;
        path = FolderResultPath(*scripted);
        return true;
    }
    TFolderPicker picker(parent, caption, prompt, showCreateButton, path, baseFolder);
    if (picker.exec() != QDialog::Accepted || picker.ResultPath().isEmpty())
        return false;
    path = picker.ResultPath();
    return true;
}

bool BrowseForFolder(QWidget* parent, const QString& title, QString& path) {
    return BrowseForFolder(parent, title, QString(), true, path);
}

} // namespace tv
