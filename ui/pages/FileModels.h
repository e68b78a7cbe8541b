#pragma once
// The files page's lists are item models over the Project's own tables: no copy of the records in
// the views, a rebuild is a model reset.

#include "core/Project.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class QAbstractItemView;

namespace tv {

// tbFiles: "File Name", "File Path", "File Flags"; the paths' tooltips are their whole texts. A row
// whose source cannot be found (resolved against the project file's folder, as the build does) shows
// a warning icon and says so in its tooltip.
class TFilesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TFilesModel(const TProject& project, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The table changed as a whole (records added, removed, cleared, loaded).
    void Rebuild();
    // Records of these rows were rewritten in place.
    void RowsRewritten(int first, int last);
    // Looks at the disk again for every source.
    void RecheckSources();
    bool SourceMissing(int row) const;

private:
    const TProject& m_project;
    mutable std::vector<signed char> m_exists; // per row: -1 not looked at yet, 0 missing, 1 there
};

// tbShortcuts: "Program Group", "Shortcuts", "Target", "Arguments", "Work Directory".
class TShortcutsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TShortcutsModel(const TProject& project, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Rebuild();

private:
    const TProject& m_project;
    QIcon m_icon;
};

// Lets a view take files and folders dropped from the desktop's file manager.
class TPathDrop final : public QObject {
    Q_OBJECT
public:
    static TPathDrop* Install(QAbstractItemView* view);

signals:
    // Local paths of the dropped items, in the order they came.
    void dropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace tv
