#include "ui/pages/FilesPage.h"

#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/FileUtils.h"
#include "ui/lib/ColumnWidths.h"
#include "ui/lib/GlyphButton.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/UndoHistory.h"
#include "ui/pages/FileAddUnit.h"
#include "ui/pages/FileDialogParts.h"
#include "ui/pages/FileModels.h"
#include "ui/pages/FilePropertiesUnit.h"
#include "ui/pages/FileShortcutsUnit.h"

#include <QAction>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tv {

namespace {

QTableView* ReportView(const char* name, QAbstractItemModel* model, std::initializer_list<int> widths) {
    auto* view = new QTableView;
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(true);
    view->setSortingEnabled(false);
    view->setWordWrap(false);
    view->setIconSize(QSize(16, 16));
    view->verticalHeader()->hide();
    // Fixed row heights: nothing is measured per row, so a thousand rows cost no more than ten.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(false);
    int column = 0;
    for (int w : widths)
        view->setColumnWidth(column++, w);
    RememberColumnWidths(view->horizontalHeader(), name);
    return view;
}

// A group box with a bold caption holding a list and, on its right edge, its buttons.
QGroupBox* ListGroup(const char* name, const QString& caption, QTableView* view,
                     std::initializer_list<QToolButton*> top, std::initializer_list<QToolButton*> bottom) {
    auto* group = new QGroupBox(caption);
    group->setObjectName(name);
    QFont bold = group->font();
    bold.setBold(true);
    group->setFont(bold);
    QFont plain = bold;
    plain.setBold(false);
    view->setFont(plain);
    view->horizontalHeader()->setFont(plain);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 4, 4);
    row->setSpacing(3);
    row->addWidget(view, 1);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* b : top)
        buttons->addWidget(b);
    buttons->addStretch(1);
    for (QToolButton* b : bottom)
        buttons->addWidget(b);
    row->addLayout(buttons);
    return group;
}

// The Delete key and the context menu of a list.
QAction* ViewAction(QTableView* view, const QString& text, const QKeySequence& key = {}) {
    auto* action = new QAction(text, view);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    view->addAction(action);
    return action;
}

} // namespace

TFilesPage::TFilesPage(TProject& project, QWidget* parent)
    : TWizardPage(project, "Files", tr("Files & Shortcuts"), parent) {
    m_filesModel = new TFilesModel(project, this);
    m_shortcutsModel = new TShortcutsModel(project, this);
    m_lvFiles = ReportView("lvFiles", m_filesModel, {210, 210, 500});
    m_lvFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A long source path keeps its start and its file name; the tooltip has the whole path.
    m_lvFiles->setTextElideMode(Qt::ElideMiddle);
    m_lvShortcuts = ReportView("lvShortcuts", m_shortcutsModel, {200, 250, 200, 150, 250});
    m_lvShortcuts->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* btFileAdd = MakeGlyphButton("btFileAdd", "add", tr("Add files"));
    auto* btFileDel = MakeGlyphButton("btFileDel", "remove", tr("Remove file"));
    auto* btFileProps = MakeGlyphButton("btFileProps", "props", tr("Properties"));
    auto* btFileEdit = MakeGlyphButton("btFileEdit", "clear", tr("Clear list"));
    auto* btShortcutAdd = MakeGlyphButton("btShortcutAdd", "shortcut_add", tr("Create shortcut"));
    auto* btShortcutDel = MakeGlyphButton("btShortcutDel", "remove", tr("Remove shortcut"));
    auto* btShortcutClear = MakeGlyphButton("btShortcutClear", "clear", tr("Clear list"));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, ContentTop(), 4, 4);
    page->setSpacing(4);
    // At the designed size the two lists share the page evenly; the room a larger window gives goes
    // to the files, the longer list, until the shortcuts have a fifth of it.
    page->addWidget(
        ListGroup("grFiles", tr("Files"), m_lvFiles, {btFileAdd, btFileDel, btFileProps}, {btFileEdit}), 4);
    QGroupBox* shortcuts = ListGroup("grShortcuts", tr("Shortcuts"), m_lvShortcuts,
                                     {btShortcutAdd, btShortcutDel}, {btShortcutClear});
    const int designedLists =
        kDesignedHeight - ContentTop() - page->contentsMargins().bottom() - page->spacing();
    shortcuts->setMinimumHeight(designedLists / 2);
    page->addWidget(shortcuts, 1);

    connect(btFileAdd, &QToolButton::clicked, this, &TFilesPage::btFileAddClick);
    connect(btFileDel, &QToolButton::clicked, this, &TFilesPage::btFileDelClick);
    connect(btFileProps, &QToolButton::clicked, this, &TFilesPage::btFilePropsClick);
    connect(btFileEdit, &QToolButton::clicked, this, &TFilesPage::btFileEditClick);
    connect(btShortcutAdd, &QToolButton::clicked, this, &TFilesPage::btShortcutAddClick);
    connect(btShortcutDel, &QToolButton::clicked, this, &TFilesPage::btShortcutDelClick);
    connect(btShortcutClear, &QToolButton::clicked, this, &TFilesPage::btShortcutClearClick);
    connect(m_lvFiles->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFilesPage::lvFilesClick);
    connect(m_lvShortcuts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFilesPage::lvShortcutsClick);
    connect(m_lvFiles, &QTableView::doubleClicked, this, &TFilesPage::btFilePropsClick);

    m_lvFiles->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(ViewAction(m_lvFiles, tr("Properties...")), &QAction::triggered, this,
            &TFilesPage::btFilePropsClick);
    connect(ViewAction(m_lvFiles, tr("Remove"), QKeySequence::Delete), &QAction::triggered, this,
            &TFilesPage::btFileDelClick);
    m_lvShortcuts->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(ViewAction(m_lvShortcuts, tr("Remove"), QKeySequence::Delete), &QAction::triggered, this,
            &TFilesPage::btShortcutDelClick);
    connect(TPathDrop::Install(m_lvFiles), &TPathDrop::dropped, this, &TFilesPage::OpenFileAdd);

    LoadFromProject();
}

void TFilesPage::LoadFromProject() {
    TWizardPage::LoadFromProject();
    RefreshFiles();
    RefreshShortcuts();
}

void TFilesPage::showEvent(QShowEvent* event) {
    TWizardPage::showEvent(event);
    // Sources may have come or gone while another page was shown.
    m_filesModel->RecheckSources();
}

// A rebuild shows the table anew and makes its first record current.
void TFilesPage::RefreshFiles() {
    m_filesModel->Rebuild();
    Project().tbFiles.Current = Project().tbFiles.Empty() ? -1 : 0;
    if (!Project().tbFiles.Empty())
        m_lvFiles->setCurrentIndex(m_filesModel->index(0, 0));
}

void TFilesPage::RefreshShortcuts() {
    m_shortcutsModel->Rebuild();
    Project().tbShortcuts.Current = Project().tbShortcuts.Empty() ? -1 : 0;
    if (!Project().tbShortcuts.Empty())
        m_lvShortcuts->setCurrentIndex(m_shortcutsModel->index(0, 0));
}

bool TFilesPage::ShowListRow(TListId list, int row) {
    const bool files = list == TListId::Files;
    if (!files && list != TListId::Shortcuts)
        return false;
    QTableView* view = files ? m_lvFiles : m_lvShortcuts;
    int& current = files ? Project().tbFiles.Current : Project().tbShortcuts.Current;
    if (files)
        m_filesModel->Rebuild();
    else
        m_shortcutsModel->Rebuild();
    current = row;
    if (row >= 0) {
        view->selectRow(row);
        view->scrollTo(view->model()->index(row, 0));
    }
    return true;
}

std::vector<int> TFilesPage::SelectedRows(const QTableView* view) {
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList TFilesPage::FileNameSuggestions() const {
    QStringList names;
    for (const TFileRecord& rec : Project().tbFiles.Records)
        names << FromAnsi(ExtractFileName(rec.FileName));
    return names;
}

// ---- files

void TFilesPage::btFileAddClick() {
    OpenFileAdd({});
}

void TFilesPage::OpenFileAdd(const QStringList& paths) {
    const int room = kMaxTableRows - Project().tbFiles.Count();
    const std::string base = ProjectBaseFolder(Project());
    TFileAdd dialog(window(), room, QString::fromStdString(base));
    if (!paths.isEmpty())
        dialog.AddPaths(paths);
    if (dialog.exec() == mrOk)
        AddFilesFrom(dialog);
}

void TFilesPage::AddFilesFrom(const TFileAdd& dialog) {
    const auto& chosen = dialog.SelectedFiles();
    if (chosen.empty())
        return;
    TRecordTable<TFileRecord>& table = Project().tbFiles;
    if (table.Count() + int(chosen.size()) > kMaxTableRows) {
        wzDialog().MessageDlg(tr("A project holds at most %1 files:/#the %2 files were not added.")
                                  .arg(kMaxTableRows)
                                  .arg(chosen.size()),
                              TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    table.Records.reserve(table.Records.size() + chosen.size());
    for (const TChosenFile& file : chosen) {
        TFileRecord& rec = table.Append();
        rec.FileName = HostToAnsi(StoredHostPath(Project(), file.Path).toStdString()).value_or(std::string());
        rec.FilePath = ToAnsi(dialog.FilePathFor(file));
        dialog.ApplyFlags(rec);
    }
    // One rebuild for the whole run, however many files it brought.
    RefreshFiles();
    FieldChanged();
}

void TFilesPage::btFileDelClick() {
    const std::vector<int> rows = SelectedRows(m_lvFiles);
    if (rows.empty())
        return;
    auto& records = Project().tbFiles.Records;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        records.erase(records.begin() + *it);
    RefreshFiles();
    FieldChanged();
}

void TFilesPage::btFileEditClick() {
    if (Project().tbFiles.Empty() || !Confirm(tr("Sure to delete ALL files ?")))
        return;
    Project().tbFiles.Clear();
    RefreshFiles();
    FieldChanged();
}

void TFilesPage::btFilePropsClick() {
    const std::vector<int> rows = SelectedRows(m_lvFiles);
    if (rows.empty())
        return;
    auto& records = Project().tbFiles.Records;
    std::vector<const TFileRecord*> files;
    for (int row : rows)
        files.push_back(&records[std::size_t(row)]);
    TFileProperties dialog(window(), files);
    if (dialog.exec() != mrOk)
        return;
    for (int row : rows)
        dialog.Apply(records[std::size_t(row)]);
    m_filesModel->RowsRewritten(rows.front(), rows.back());
    FieldChanged();
}

void TFilesPage::lvFilesClick(const QModelIndex& current) {
    if (current.isValid())
        Project().tbFiles.Current = current.row();
}

// ---- shortcuts

void TFilesPage::btShortcutAddClick() {
    if (Project().tbFiles.Empty()) {
        wzDialog().MessageDlg(tr("There is no file to make shortcut of"), TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    TFileShortcuts dialog(window(), Project(), [this](const TShortcutRecord& r) { return PostShortcut(r); });
    dialog.exec();
}

bool TFilesPage::PostShortcut(const TShortcutRecord& record) {
    if (Project().tbShortcuts.Count() >= kMaxTableRows) {
        wzDialog().MessageDlg(
            tr("A project holds at most %1 shortcuts:/#the shortcut was not added.").arg(kMaxTableRows),
            TMsgDlgType::mtError, 0, mbOK);
        return false;
    }
    Project().tbShortcuts.Append(record);
    RefreshShortcuts();
    FieldChanged();
    return true;
}

void TFilesPage::btShortcutDelClick() {
    const std::vector<int> rows = SelectedRows(m_lvShortcuts);
    if (rows.empty())
        return;
    auto& records = Project().tbShortcuts.Records;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        records.erase(records.begin() + *it);
    RefreshShortcuts();
    FieldChanged();
}

void TFilesPage::btShortcutClearClick() {
    if (Project().tbShortcuts.Empty() || !Confirm(tr("Sure to delete ALL shortcuts ?")))
        return;
    Project().tbShortcuts.Clear();
    RefreshShortcuts();
    FieldChanged();
}

void TFilesPage::lvShortcutsClick(const QModelIndex& current) {
    if (current.isValid())
        Project().tbShortcuts.Current = current.row();
}

} // namespace tv
