#include "ui/pages/FileModels.h"

#include "deploy/DeploymentBuild.h"
#include "deploy/FileUtils.h"
#include "ui/lib/FileIconCache.h"
#include "ui/pages/FileDialogParts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStyle>
#include <QUrl>

namespace tv {

// ---- files

TFilesModel::TFilesModel(const TProject& project, QObject* parent)
    : QAbstractTableModel(parent), m_project(project) {}

int TFilesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_project.tbFiles.Count();
}

int TFilesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

bool TFilesModel::SourceMissing(int row) const {
    if (row < 0 || row >= m_project.tbFiles.Count())
        return false;
    if (m_exists.size() != std::size_t(m_project.tbFiles.Count()))
        m_exists.assign(std::size_t(m_project.tbFiles.Count()), -1);
    signed char& known = m_exists[std::size_t(row)];
    if (known < 0)
        known =
            FileExists(ResolveProjectPath(m_project, m_project.tbFiles.Records[std::size_t(row)].FileName));
    return known == 0;
}

QVariant TFilesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_project.tbFiles.Count())
        return {};
    const TFileRecord& rec = m_project.tbFiles.Records[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return FromAnsi(rec.FileName);
        case 1:
            return FromAnsi(rec.FilePath);
        default:
            return FromAnsi(rec.FlagsText());
        }
    case Qt::DecorationRole:
        if (index.column() != 0)
            return {};
        if (SourceMissing(index.row()))
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return FileTypeIcon(FromAnsi(rec.FileName));
    case Qt::ToolTipRole:
        // The whole text of a path the column may show cut short.
        switch (index.column()) {
        case 0:
            return SourceMissing(index.row()) ? FromAnsi(rec.FileName) + "\n" + tr("Source file not found")
                                              : FromAnsi(rec.FileName);
        case 1:
            return FromAnsi(rec.FilePath);
        default:
            return {};
        }
    default:
        return {};
    }
}

QVariant TFilesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const names[] = {QT_TR_NOOP("File Name"), QT_TR_NOOP("File Path"),
                                        QT_TR_NOOP("File Flags")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 3)
        return tr(names[section]);
    return {};
}

void TFilesModel::Rebuild() {
    beginResetModel();
    m_exists.clear();
    endResetModel();
}

void TFilesModel::RowsRewritten(int first, int last) {
    if (first <= last)
        emit dataChanged(index(first, 0), index(last, 2));
}

void TFilesModel::RecheckSources() {
    m_exists.clear();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole, Qt::ToolTipRole});
}

// ---- shortcuts

TShortcutsModel::TShortcutsModel(const TProject& project, QObject* parent)
    : QAbstractTableModel(parent), m_project(project), m_icon(":/glyphs/shortcut.xpm") {}

int TShortcutsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_project.tbShortcuts.Count();
}

int TShortcutsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 5;
}

QVariant TShortcutsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_project.tbShortcuts.Count())
        return {};
    const TShortcutRecord& rec = m_project.tbShortcuts.Records[std::size_t(index.row())];
    if (role == Qt::DecorationRole && index.column() == 0)
        return m_icon;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return FromAnsi(rec.ProgramGroup);
    case 1:
        return FromAnsi(rec.Shortcuts);
    case 2:
        return FromAnsi(rec.Target);
    case 3:
        return FromAnsi(rec.Arguments);
    default:
        return FromAnsi(rec.WorkDirectory);
    }
}

QVariant TShortcutsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const names[] = {QT_TR_NOOP("Program Group"), QT_TR_NOOP("Shortcuts"),
                                        QT_TR_NOOP("Target"), QT_TR_NOOP("Arguments"),
                                        QT_TR_NOOP("Work Directory")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 5)
        return tr(names[section]);
    return {};
}

void TShortcutsModel::Rebuild() {
    beginResetModel();
    endResetModel();
}

// ---- drops

TPathDrop* TPathDrop::Install(QAbstractItemView* view) {
    auto* drop = new TPathDrop(view);
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(drop);
    return drop;
}

namespace {

QStringList LocalPaths(const QMimeData* mime) {
    QStringList paths;
    if (mime && mime->hasUrls())
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile())
                paths << url.toLocalFile();
    return paths;
}

} // namespace

bool TPathDrop::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (LocalPaths(drag->mimeData()).isEmpty())
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = LocalPaths(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // After the drop is over: the drag's source waits while the event is handled, and what
        // follows opens a window.
        QMetaObject::invokeMethod(
            this, [this, paths] { emit dropped(paths); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

} // namespace tv
