#pragma once
// The rows of one run list, read straight from the Project's vector: "Application", "Argument",
// "Working Directory", "Message" and "Flag", the first with the icon of its program's file type.
// Rebuilding the view is a model reset.

#include "core/Project.h"

#include <QAbstractTableModel>

namespace tv {

class TRunListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TRunListModel(const TRunList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The list changed: every view shows it again.
    void Reset();

    static constexpr int kColumns = 5;

private:
    const TRunList& m_list;
};

} // namespace tv
