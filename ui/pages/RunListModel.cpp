#include "ui/pages/RunListModel.h"

#include "core/TextCodec.h"
#include "deploy/FileUtils.h"
#include "ui/lib/FileIconCache.h"

namespace tv {

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
        return index.column() == 0 ? QVariant(FileTypeIcon(QString::fromStdString(AnsiToUtf8(r.Application))))
                                   : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const std::string* texts[kColumns] = {&r.Application, &r.Argument, &r.WorkingDirectory, &r.Message,
                                          &r.Flag};
    return QString::fromStdString(AnsiToUtf8(*texts[index.column()]));
}

QVariant TRunListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const headers[kColumns] = {QT_TR_NOOP("Application"), QT_TR_NOOP("Argument"),
                                                  QT_TR_NOOP("Working Directory"), QT_TR_NOOP("Message"),
                                                  QT_TR_NOOP("Flag")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns)
        return {};
    return tr(headers[section]);
}

void TRunListModel::Reset() {
    beginResetModel();
    endResetModel();
}

} // namespace tv
