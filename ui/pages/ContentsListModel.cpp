#include "ui/pages/ContentsListModel.h"

#include "core/ChangeLines.h"
#include "core/TextCodec.h"

namespace tv {

TContentsListModel::TContentsListModel(const TRecordTable<TContentsRecord>& table, TKind kind,
                                       QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_kind(kind) {
    if (kind == TKind::IniSections)
        m_rowIcon = QIcon(":/glyphs/ini_row.xpm");
}

int TContentsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.Count();
}

int TContentsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (m_kind == TKind::IniSections ? 2 : 1);
}

QVariant TContentsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_table.Count())
        return {};
    const std::string& key = m_table.Records[std::size_t(index.row())].Key;
    if (m_kind == TKind::RegistryKeys)
        return role == Qt::DisplayRole ? QVariant(QString::fromStdString(AnsiToUtf8(key))) : QVariant();
    if (role == Qt::DecorationRole && index.column() == 0)
        return m_rowIcon;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const TIniKeyParts parts = SplitIniKey(key);
    const std::string text = index.column() == 0 ? "%" + parts.Target + "%" + parts.File : parts.Section;
    return QString::fromStdString(AnsiToUtf8(text));
}

QVariant TContentsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (m_kind == TKind::RegistryKeys)
        return tr("Key");
    return section == 0 ? tr("INI File") : tr("Section");
}

void TContentsListModel::Reset() {
    beginResetModel();
    endResetModel();
}

} // namespace tv
