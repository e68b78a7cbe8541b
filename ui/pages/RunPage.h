#pragma once
// The frame of the two run pages (programs run around installation, and around uninstallation):
// two groups, each with one run list of the Project, shown through an item model, and its Add,
// Remove and Clear list buttons. Add runs TFileRun and appends the row it describes; Remove and the
// Delete key remove the selected rows; every change of a list, its selection included, marks the
// project as changed.

#include "ui/main/WizardPage.h"

#include <array>

class QEvent;
class QGroupBox;
class QTableView;
class QToolButton;

namespace tv {

class TFileRun;
class TRunListModel;

class TRunPage : public TWizardPage {
    Q_OBJECT
public:
    // Shows both lists again; the selection is cleared and Modified left alone.
    void LoadFromProject() override;
    bool ShowListRow(TListId list, int row) override;

    // The row the run entry dialog describes: "%folder%\name", the arguments, "%folder%" followed
    // directly by the working folder's text, the message, and the window-mode and waiting digits.
    static TRunRecord RunRecord(const TFileRun& dialog);

    using TSlot = void (TRunPage::*)();

public slots:
    // The change notification of the four run lists.
    void lvRunAfterChange();

protected:
    struct TGroupLayout {
        const char* Caption;
        TRunList TProject::*List;
        const char* View;
        const char* Add;
        const char* Del;
        const char* Clear;
        TSlot OnAdd, OnDel, OnClear;
    };

    // A handler of the derived page as a slot of this class.
    template <class F> static TSlot Slot(F handler) { return static_cast<TSlot>(handler); }

    TRunPage(TProject& project, const QString& name, const QString& heading, const TGroupLayout (&groups)[2],
             QWidget* parent);

    // The commands of group 0 (upper) and 1 (lower).
    void AddEntry(int group);
    void RemoveEntries(int group);
    void ClearEntries(int group);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TGroup {
        TRunList TProject::*List = nullptr;
        QTableView* View = nullptr;
        TRunListModel* Model = nullptr;
    };

    QGroupBox* CreateGroup(const TGroupLayout& layout, TGroup& group);
    TRunList& List(const TGroup& group) const { return Project().*group.List; }
    // Shows the list again with row selected (-1: none), without a change notification.
    void Refresh(TGroup& group, int row);

    std::array<TGroup, 2> m_groups;
    bool m_refreshing = false;
};

} // namespace tv
