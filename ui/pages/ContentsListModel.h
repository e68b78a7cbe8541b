#pragma once
// The rows of a registry or INI change table, read straight from the Project's records: a registry
// list shows each key; the INI list shows "%target%file" and the section. Rebuilding the view is a
// model reset.

#include "core/Project.h"

#include <QAbstractTableModel>
#include <QIcon>

namespace tv {

class TContentsListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class TKind { RegistryKeys, IniSections };

    TContentsListModel(const TRecordTable<TContentsRecord>& table, TKind kind, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The table changed: every view shows it again.
    void Reset();

private:
    const TRecordTable<TContentsRecord>& m_table;
    TKind m_kind;
    QIcon m_rowIcon;
};

} // namespace tv
