#include "ui/pages/RunPage.h"

#include "core/MsgDlg.h"
#include "ui/lib/ColumnWidths.h"
#include "ui/lib/GlyphButton.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/UndoHistory.h"
#include "ui/pages/FileRunUnit.h"
#include "ui/pages/RunListModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace tv {

namespace {

constexpr int kColumnWidths[] = {200, 160, 100, 100};

} // namespace

TRunPage::TRunPage(TProject& project, const QString& name, const QString& heading,
                   const TGroupLayout (&groups)[2], QWidget* parent)
    : TWizardPage(project, name, heading, parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, ContentTop(), 4, 4);
    page->setSpacing(4);
    for (int i = 0; i < 2; ++i)
        page->addWidget(CreateGroup(groups[i], m_groups[std::size_t(i)]), 1);
}

QGroupBox* TRunPage::CreateGroup(const TGroupLayout& layout, TGroup& group) {
    auto* box = new QGroupBox(tr(layout.Caption));
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
    auto* inside = new QWidget; // keeps the normal weight inside the bold group
    QFont plain = font();
    plain.setBold(false);
    inside->setFont(plain);

    group.List = layout.List;
    group.Model = new TRunListModel(Project().*layout.List, this);
    auto* view = group.View = new QTableView;
    view->setObjectName(layout.View);
    view->setModel(group.Model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setSortingEnabled(false);
    view->setWordWrap(false);
    view->setIconSize(QSize(16, 16));
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(18);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < int(std::size(kColumnWidths)); ++c)
        view->setColumnWidth(c, kColumnWidths[c]);
    RememberColumnWidths(view->horizontalHeader(), view->objectName());
    view->installEventFilter(this);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_refreshing)
            lvRunAfterChange();
    });

    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    const auto addButton = [&](const char* name, const char* glyph, const QString& hint, TSlot slot) {
        QToolButton* button = MakeGlyphButton(name, glyph, hint);
        connect(button, &QToolButton::clicked, this, slot);
        column->addWidget(button);
    };
    addButton(layout.Add, "key_add", tr("Add files"), layout.OnAdd);
    column->addSpacing(6);
    addButton(layout.Del, "key_remove", tr("Remove file"), layout.OnDel);
    addButton(layout.Clear, "key_clear", tr("Clear list"), layout.OnClear);
    column->addStretch(1);

    auto* grid = new QGridLayout(inside);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->addWidget(view, 0, 0);
    grid->addLayout(column, 0, 1);

    auto* outer = new QVBoxLayout(box);
    outer->setContentsMargins(6, 2, 4, 4);
    outer->addWidget(inside);
    return box;
}

void TRunPage::LoadFromProject() {
    TWizardPage::LoadFromProject();
    for (TGroup& group : m_groups)
        Refresh(group, -1);
}

bool TRunPage::ShowListRow(TListId list, int row) {
    TRunList TProject::*member = nullptr;
    switch (list) {
    case TListId::RunBefore:
        member = &TProject::RunBefore;
        break;
    case TListId::RunAfter:
        member = &TProject::RunAfter;
        break;
    case TListId::RunBeforeUn:
        member = &TProject::RunBeforeUn;
        break;
    case TListId::RunAfterUn:
        member = &TProject::RunAfterUn;
        break;
    default:
        return false;
    }
    for (TGroup& group : m_groups)
        if (group.List == member) {
            Refresh(group, row);
            return true;
        }
    return false;
}

void TRunPage::Refresh(TGroup& group, int row) {
    m_refreshing = true;
    group.Model->Reset();
    if (row >= 0 && row < group.Model->rowCount()) {
        group.View->selectRow(row);
        group.View->scrollTo(group.Model->index(row, 0));
    }
    m_refreshing = false;
}

void TRunPage::lvRunAfterChange() {
    FieldChanged();
}

TRunRecord TRunPage::RunRecord(const TFileRun& dialog) {
    TRunRecord r;
    r.Application = "%" + dialog.AppFolder() + "%\\" + dialog.AppName();
    r.Argument = dialog.Arguments();
    r.WorkingDirectory = "%" + dialog.WorkFolder() + "%" + dialog.WorkName();
    r.Message = dialog.Message();
    r.Flag = std::to_string(dialog.WindowMode()) + std::to_string(dialog.Waiting());
    return r;
}

void TRunPage::AddEntry(int index) {
    TGroup& group = m_groups[std::size_t(index)];
    TRunList& list = List(group);
    if (list.size() >= std::size_t(kMaxTableRows)) {
        wzDialog().MessageDlg(tr("The list holds %1 programs, the most a project keeps./#Nothing was added.")
                                  .arg(kMaxTableRows),
                              TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    TRunRecord record;
    {
        TFileRun dialog(Project(), window());
        if (dialog.exec() != mrOk)
            return;
        record = RunRecord(dialog);
    }
    list.push_back(std::move(record));
    Refresh(group, int(list.size()) - 1);
    lvRunAfterChange();
}

void TRunPage::RemoveEntries(int index) {
    TGroup& group = m_groups[std::size_t(index)];
    TRunList& list = List(group);
    std::vector<int> rows;
    for (const QModelIndex& selected : group.View->selectionModel()->selectedRows())
        if (std::size_t(selected.row()) < list.size())
            rows.push_back(selected.row());
    if (rows.empty())
        return;
    std::sort(rows.begin(), rows.end());
    // From the last row up, so the earlier indexes stay right.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        list.erase(list.begin() + *it);
    // The row that moved into the first removed place is selected, so removing can go on.
    Refresh(group, std::min(rows.front(), int(list.size()) - 1));
    lvRunAfterChange();
}

void TRunPage::ClearEntries(int index) {
    TGroup& group = m_groups[std::size_t(index)];
    if (List(group).empty())
        return;
    List(group).clear();
    Refresh(group, -1);
    lvRunAfterChange();
}

bool TRunPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier)
        for (std::size_t i = 0; i < m_groups.size(); ++i)
            if (watched == m_groups[i].View) {
                RemoveEntries(int(i));
                return true;
            }
    return TWizardPage::eventFilter(watched, event);
}

} // namespace tv
