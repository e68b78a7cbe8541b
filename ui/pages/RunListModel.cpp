#include "ui/pages/RunListModel.h"

#include "core/TextCodec.h"
#include "deploy/FileUtils.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QStyle>

namespace tv {

namespace {

// The desktop's icon for a program name, looked up by its name alone (the program is on the
// target machine, not here) and kept per file type: a long list asks the icon theme once per type.
QIcon ProgramIcon(const std::string& application) {
    static QHash<QString, QIcon> cache;
    const QString name = QString::fromStdString(AnsiToUtf8(ExtractFileName(application)));
    const QString type = QFileInfo(name).suffix().toLower();
    auto found = cache.constFind(type);
    if (found != cache.constEnd())
        return *found;
    static const QFileIconProvider provider;
    QIcon icon = type.isEmpty() ? QIcon() : provider.icon(QFileInfo(name));
    if (icon.isNull())
        icon = provider.icon(QAbstractFileIconProvider::File);
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    cache.insert(type, icon);
    return icon;
}

} // namespace

TRunListModel::TRunListModel(const TRunList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {}

int TRunListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.size());
}

int TRunListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant TRunListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= m_list.size())
        return {};
    const TRunRecord& r = m_list[std::size_t(index.row())];
    if (role == Qt::DecorationRole)
        return index.column() == 0 ? QVariant(ProgramIcon(r.Application)) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const std::string* texts[kColumns] = {&r.Application, &r.Argument, &r.WorkingDirectory, &r.Message,
                                          &r.Flag};
    return QString::fromStdString(AnsiToUtf8(*texts[index.column()]));
}

QVariant TRunListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const headers[kColumns] = {"Application", "Argument", "Working Directory", "Message",
                                                  "Flag"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns)
        return {};
    return QString(headers[section]);
}

void TRunListModel::Reset() {
    beginResetModel();
    endResetModel();
}

} // namespace tv
