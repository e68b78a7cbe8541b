#include "ui/pages/SystemPage.h"

#include "core/ChangeLines.h"
#include "core/MsgDlg.h"
#include "core/RegFileImport.h"
#include "core/TextCodec.h"
#include "deploy/FileUtils.h"
#include "ui/editors/SystemINIEditUnit.h"
#include "ui/editors/SystemRegEditUnit.h"
#include "ui/lib/ColumnWidths.h"
#include "ui/lib/GlyphButton.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/UndoHistory.h"
#include "ui/pages/ContentsListModel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tv {

namespace {

// Names listed in one message before the rest are only counted.
constexpr int kListedNames = 15;

void MakeBold(QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

QPlainTextEdit* ReadOnlyBox(const char* name) {
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Drops go to the group around it.
    box->setAcceptDrops(false);
    return box;
}

QString ContentsText(const TRecordTable<TContentsRecord>& table) {
    const auto* record = const_cast<TRecordTable<TContentsRecord>&>(table).CurrentRecord();
    if (!record)
        return {};
    QStringList lines;
    for (const auto& line : record->Contents)
        lines << QString::fromStdString(AnsiToUtf8(line));
    return lines.join('\n');
}

// Names for a message: markup is off inside them, and a long list ends with a count.
QString NameList(const std::vector<std::string>& names) {
    QStringList lines;
    for (std::size_t i = 0; i < names.size() && i < std::size_t(kListedNames); ++i)
        lines << "/{  " + QString::fromStdString(names[i]) + "/}";
    if (names.size() > std::size_t(kListedNames))
        lines << QCoreApplication::translate("tv::TSystemPage", "  ... and %1 more")
                     .arg(names.size() - std::size_t(kListedNames));
    return lines.join("/#");
}

bool IsRegFileDrop(const QMimeData* mime) {
    if (!mime->hasUrls() || mime->urls().size() != 1)
        return false;
    const QUrl url = mime->urls().first();
    return url.isLocalFile() && url.toLocalFile().endsWith(".reg", Qt::CaseInsensitive);
}

} // namespace

TSystemPage::TSystemPage(TProject& project, QWidget* parent)
    : TWizardPage(project, "System", tr("Registry & INI Changes"), parent) {
    m_pcSystem = new QTabWidget;
    m_pcSystem->setObjectName("pcSystem");
    MakeBold(m_pcSystem->tabBar());

    auto* registry = new QWidget;
    registry->setObjectName("tsRegistry");
    const char* addButtons[4] = {"jdFlatButton4", "jdFlatButton7", "jdFlatButton5", "jdFlatButton6"};
    const char* delButtons[4] = {"jdFlatButton8", "jdFlatButton9", "jdFlatButton10", "jdFlatButton11"};
    m_grRegAdd = CreateRegGroup(m_add, tr("Add"), "edRegAddKey", "mmRegAddKey", addButtons);
    m_grRegAdd->setObjectName("grRegAdd");
    QGroupBox* grRegDel = CreateRegGroup(m_del, tr("Delete"), "edRegDelKey", "mmRegDelKey", delButtons);
    grRegDel->setObjectName("grRegDel");
    auto* regBox = new QVBoxLayout(registry);
    regBox->setContentsMargins(4, 4, 4, 4);
    regBox->setSpacing(4);
    regBox->addWidget(m_grRegAdd);
    regBox->addWidget(grRegDel);

    // Import of registry exports: a button of the "Add" group, and files dropped onto it.
    auto* import = MakeGlyphButton("btRegImport", "key_import", tr("Import a .reg file"));
    connect(import, &QToolButton::clicked, this, &TSystemPage::btRegImportClick);
    qobject_cast<QVBoxLayout*>(m_grRegAdd->property("tvButtons").value<QObject*>())->addWidget(import);
    m_grRegAdd->setAcceptDrops(true);
    m_grRegAdd->installEventFilter(this);

    m_pcSystem->addTab(registry, tr("Registry"));
    m_pcSystem->addTab(CreateIniTab(), tr("INI"));

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, ContentTop(), 4, 2);
    page->addWidget(m_pcSystem);
}

QGroupBox* TSystemPage::CreateRegGroup(TRegGroup& group, const QString& title, const char* keyName,
                                       const char* paramsName, const char* buttons[4]) {
    auto* box = new QGroupBox(title);
    MakeBold(box);
    auto* inside = new QWidget; // keeps the normal weight inside the bold group
    QFont plain = font();
    plain.setBold(false);
    inside->setFont(plain);

    group.Keys = new QComboBox;
    group.Keys->setObjectName(keyName);
    group.Keys->setEditable(false);
    group.Model = new TContentsListModel(Table(group), TContentsListModel::TKind::RegistryKeys, this);
    group.Keys->setModel(group.Model);
    group.Params = ReadOnlyBox(paramsName);

    auto* grid = new QGridLayout(inside);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    auto* keyLabel = new QLabel(tr("Key"));
    keyLabel->setBuddy(group.Keys);
    auto* paramsLabel = new QLabel(tr("Parameters"));
    paramsLabel->setBuddy(group.Params);
    grid->addWidget(keyLabel, 0, 0);
    grid->addWidget(group.Keys, 0, 1);
    grid->addWidget(paramsLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(group.Params, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);

    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    const char* glyphs[4] = {"key_add", "key_edit", "key_remove", "key_clear"};
    const char* hints[4] = {QT_TR_NOOP("Add Key"), QT_TR_NOOP("Edit key"), QT_TR_NOOP("Remove key"),
                            QT_TR_NOOP("Clear list")};
    const bool add = &group == &m_add;
    using TSlot = void (TSystemPage::*)();
    const TSlot addSlots[4] = {&TSystemPage::jdFlatButton4Click, &TSystemPage::jdFlatButton7Click,
                               &TSystemPage::jdFlatButton5Click, &TSystemPage::jdFlatButton6Click};
    const TSlot delSlots[4] = {&TSystemPage::jdFlatButton8Click, &TSystemPage::jdFlatButton9Click,
                               &TSystemPage::jdFlatButton10Click, &TSystemPage::jdFlatButton11Click};
    for (int i = 0; i < 4; ++i) {
        if (i == 2)
            column->addSpacing(6);
        QToolButton* b = MakeGlyphButton(buttons[i], glyphs[i], tr(hints[i]));
        column->addWidget(b);
        connect(b, &QToolButton::clicked, this, add ? addSlots[i] : delSlots[i]);
    }
    column->addSpacing(6);
    column->addStretch(1);
    grid->addLayout(column, 0, 2, 2, 1);
    box->setProperty("tvButtons", QVariant::fromValue<QObject*>(column));

    connect(group.Keys, &QComboBox::currentIndexChanged, this, [this, &group](int index) {
        if (!m_refreshing)
            (&group == &m_add) ? edRegAddKeyChange(index) : edRegDelKeyChange(index);
    });

    auto* outer = new QVBoxLayout(box);
    outer->setContentsMargins(6, 2, 4, 4);
    outer->addWidget(inside);
    return box;
}

QWidget* TSystemPage::CreateIniTab() {
    auto* tab = new QWidget;
    tab->setObjectName("tsINI");
    m_lvINI = new QTableView;
    m_lvINI->setObjectName("lvINI");
    m_iniModel = new TContentsListModel(Project().tbINI, TContentsListModel::TKind::IniSections, this);
    m_lvINI->setModel(m_iniModel);
    m_lvINI->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lvINI->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lvINI->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lvINI->setShowGrid(true);
    m_lvINI->setSortingEnabled(false);
    m_lvINI->setWordWrap(false);
    m_lvINI->verticalHeader()->hide();
    m_lvINI->verticalHeader()->setDefaultSectionSize(18);
    m_lvINI->horizontalHeader()->setSectionsClickable(false);
    m_lvINI->horizontalHeader()->setHighlightSections(false);
    m_lvINI->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_lvINI->setColumnWidth(0, 200);
    m_lvINI->setColumnWidth(1, 180);
    m_lvINI->setIconSize(QSize(16, 16));
    RememberColumnWidths(m_lvINI->horizontalHeader(), m_lvINI->objectName());
    connect(m_lvINI->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_refreshing)
            lvINIClick();
    });
    connect(m_lvINI, &QTableView::clicked, this, &TSystemPage::lvINIClick);

    m_mmINI = ReadOnlyBox("mmINI");
    auto* values = new QLabel(tr("Values"));
    values->setBuddy(m_mmINI);

    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->addWidget(m_lvINI, 0, 0);
    grid->addWidget(values, 1, 0);
    grid->addWidget(m_mmINI, 2, 0);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(2, 2);

    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    const std::pair<const char*, const char*> buttons[4] = {{"jdFlatButton1", "key_add"},
                                                            {"jdFlatButton2", "key_edit"},
                                                            {"jdFlatButton3", "key_remove"},
                                                            {"jdFlatButton15", "key_clear"}};
    const char* hints[4] = {QT_TR_NOOP("Add Key"), QT_TR_NOOP("Edit key"), QT_TR_NOOP("Remove key"),
                            QT_TR_NOOP("Clear list")};
    using TSlot = void (TSystemPage::*)();
    const TSlot handlers[4] = {&TSystemPage::jdFlatButton1Click, &TSystemPage::jdFlatButton2Click,
                               &TSystemPage::jdFlatButton3Click, &TSystemPage::jdFlatButton15Click};
    for (int i = 0; i < 4; ++i) {
        if (i == 2)
            column->addSpacing(6);
        QToolButton* b = MakeGlyphButton(buttons[i].first, buttons[i].second, tr(hints[i]));
        connect(b, &QToolButton::clicked, this, handlers[i]);
        column->addWidget(b);
    }
    column->addStretch(1);
    grid->addLayout(column, 0, 1, 3, 1);
    return tab;
}

void TSystemPage::LoadFromProject() {
    TWizardPage::LoadFromProject();
    RefreshRegView(m_add, 1);
    RefreshRegView(m_del, 1);
    RefreshIniView(1);
}

// ---- views ----

bool TSystemPage::ShowListRow(TListId list, int row) {
    switch (list) {
    case TListId::RegAdd:
    case TListId::RegDel:
        m_pcSystem->setCurrentIndex(0);
        RefreshRegView(list == TListId::RegAdd ? m_add : m_del, row + 1);
        return true;
    case TListId::Ini:
        m_pcSystem->setCurrentIndex(1);
        RefreshIniView(row + 1);
        return true;
    default:
        return false;
    }
}

void TSystemPage::RefreshRegView(TRegGroup& group, int n) {
    auto& table = Table(group);
    m_refreshing = true;
    group.Params->clear();
    group.Model->Reset();
    table.Current = n >= 1 && n <= table.Count() ? n - 1 : (table.Empty() ? -1 : 0);
    group.Params->setPlainText(ContentsText(table));
    group.Keys->setCurrentIndex(table.Current);
    m_refreshing = false;
}

void TSystemPage::RefreshIniView(int n) {
    auto& table = Project().tbINI;
    m_refreshing = true;
    m_mmINI->clear();
    m_lvINI->setUpdatesEnabled(false);
    m_iniModel->Reset();
    table.Current = n >= 1 && n <= table.Count() ? n - 1 : (table.Empty() ? -1 : 0);
    if (table.Current >= 0)
        m_lvINI->selectRow(table.Current);
    m_mmINI->setPlainText(ContentsText(table));
    m_lvINI->setUpdatesEnabled(true);
    m_refreshing = false;
}

void TSystemPage::PickKey(TRegGroup& group, int index) {
    auto& table = Table(group);
    // The chosen row is the record: keys that differ only in case stay apart.
    if (index < 0 || index >= table.Count()) {
        group.Params->clear();
        return;
    }
    table.Current = index;
    group.Params->setPlainText(ContentsText(table));
}

void TSystemPage::edRegAddKeyChange(int index) {
    PickKey(m_add, index);
}

void TSystemPage::edRegDelKeyChange(int index) {
    PickKey(m_del, index);
}

void TSystemPage::lvINIClick() {
    const QModelIndex current = m_lvINI->selectionModel()->currentIndex();
    if (!current.isValid() || !m_lvINI->selectionModel()->isRowSelected(current.row(), {}))
        return;
    auto& table = Project().tbINI;
    if (current.row() >= table.Count())
        return;
    table.Current = current.row();
    m_mmINI->setPlainText(ContentsText(table));
}

// ---- commands ----

bool TSystemPage::ListIsFull(int count) const {
    if (count < kMaxTableRows)
        return false;
    wzDialog().MessageDlg(tr("The list holds %1 entries, the most a project keeps.").arg(kMaxTableRows),
                          TMsgDlgType::mtError, 0, mbOK);
    return true;
}

void TSystemPage::AddKey(TRegGroup& group) {
    if (ListIsFull(Table(group).Count()))
        return;
    int result = 0;
    {
        TSystemRegEdit editor(Project(), window());
        editor.PrepareEdit(group.ListWord, "ADD", std::string());
        result = editor.exec();
    }
    if (result == mrOk)
        FieldChanged();
    RefreshRegView(group, 1);
}

void TSystemPage::EditKey(TRegGroup& group) {
    auto& table = Table(group);
    const TContentsRecord* record = table.CurrentRecord();
    if (!record)
        return;
    const int n = table.Current + 1;
    int result = 0;
    {
        TSystemRegEdit editor(Project(), window());
        editor.PrepareEdit(group.ListWord, "EDIT", record->Key);
        result = editor.exec();
    }
    if (result == mrOk)
        FieldChanged();
    RefreshRegView(group, n);
}

void TSystemPage::RemoveEntry(TRecordTable<TContentsRecord>& table, const std::function<void()>& refresh) {
    if (table.Empty())
        return;
    if (Confirm(tr("Sure to delete selected key ?"))) {
        table.DeleteCurrent();
        FieldChanged();
    }
    refresh();
}

void TSystemPage::ClearEntries(TRecordTable<TContentsRecord>& table, const std::function<void()>& refresh) {
    if (table.Empty())
        return;
    if (Confirm(tr("Sure to delete ALL keys ?"))) {
        table.Clear();
        FieldChanged();
    }
    refresh();
}

void TSystemPage::jdFlatButton4Click() {
    AddKey(m_add);
}
void TSystemPage::jdFlatButton7Click() {
    EditKey(m_add);
}
void TSystemPage::jdFlatButton5Click() {
    RemoveEntry(Table(m_add), [this] { RefreshRegView(m_add, 1); });
}
void TSystemPage::jdFlatButton6Click() {
    ClearEntries(Table(m_add), [this] { RefreshRegView(m_add, 1); });
}
void TSystemPage::jdFlatButton8Click() {
    AddKey(m_del);
}
void TSystemPage::jdFlatButton9Click() {
    EditKey(m_del);
}
void TSystemPage::jdFlatButton10Click() {
    RemoveEntry(Table(m_del), [this] { RefreshRegView(m_del, 1); });
}
void TSystemPage::jdFlatButton11Click() {
    ClearEntries(Table(m_del), [this] { RefreshRegView(m_del, 1); });
}

void TSystemPage::jdFlatButton1Click() {
    if (ListIsFull(Project().tbINI.Count()))
        return;
    int result = 0;
    {
        TSystemINIEdit editor(Project(), window());
        editor.PrepareEdit("ADD", std::string());
        result = editor.exec();
    }
    if (result == mrOk)
        FieldChanged();
    RefreshIniView(1);
}

void TSystemPage::jdFlatButton2Click() {
    auto& table = Project().tbINI;
    const TContentsRecord* record = table.CurrentRecord();
    if (!record)
        return;
    const int n = table.Current + 1;
    int result = 0;
    {
        TSystemINIEdit editor(Project(), window());
        editor.PrepareEdit("EDIT", record->Key);
        result = editor.exec();
    }
    if (result == mrOk)
        FieldChanged();
    RefreshIniView(n);
}

void TSystemPage::jdFlatButton3Click() {
    RemoveEntry(Project().tbINI, [this] { RefreshIniView(1); });
}

void TSystemPage::jdFlatButton15Click() {
    ClearEntries(Project().tbINI, [this] { RefreshIniView(1); });
}

// ---- import ----

void TSystemPage::btRegImportClick() {
    TFileQuestion question;
    question.dialog = "RegImportDialog";
    question.title = tr("Import registry file");
    question.filters = QStringList{tr("Registry files (*.reg)"), tr("All files (*)")};
    QString path;
    if (AskFileName(window(), question, path))
        ImportRegFile(path);
}

bool TSystemPage::ImportRegFile(const QString& path) {
    const QString shown = "/{" + path + "/}";
    // Looked at before it is opened, as every source is: a FIFO would block the open and a device
    // (a link to /dev/zero) would be read for ever.
    if (const std::string problem = SourceFileProblem(QFile::encodeName(path).toStdString());
        !problem.empty()) {
        wzDialog().MessageDlg(tr("Cannot open file %1:/#%2").arg(shown, QString::fromStdString(problem)),
                              TMsgDlgType::mtError, 0, mbOK);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wzDialog().MessageDlg(tr("Cannot open file %1").arg(shown), TMsgDlgType::mtError, 0, mbOK);
        return false;
    }
    const QByteArray bytes = file.readAll();
    TRegImport import;
    std::string error;
    if (!ParseRegFile(bytes.toStdString(), import, error)) {
        wzDialog().MessageDlg(shown + ":/#" + QString::fromStdString(error), TMsgDlgType::mtError, 0, mbOK);
        return false;
    }

    bool merge = false;
    const auto existing = ExistingRegKeys(Project(), import);
    if (!existing.empty())
        merge = wzDialog().MessageDlg(
                    tr("These keys are listed already:/#%1/#Merge the imported values into them ?")
                        .arg(NameList(existing)),
                    TMsgDlgType::mtConfirmation, 0, mbYes | mbNo) == mrYes;
    const TRegApplyResult applied = ApplyRegImport(Project(), import, merge);
    if (applied.Added > 0 || applied.Merged > 0)
        FieldChanged();

    // Show the first key the file brought into the "Add" group.
    int n = 1;
    for (const auto& k : import.Keys)
        if (!k.Delete) {
            n = std::max(1, IndexOfKeyIgnoringCase(Project().tbRegAdd, k.Key) + 1);
            break;
        }
    RefreshRegView(m_add, n);
    RefreshRegView(m_del, 1);

    QStringList report;
    if (!import.Skipped.empty())
        report << tr("Not imported:/#%1").arg(NameList(import.Skipped));
    if (!applied.Refused.empty())
        report << tr("Not added, the list holds %1 keys already:/#%2")
                      .arg(kMaxTableRows)
                      .arg(NameList(applied.Refused));
    if (!applied.LinesLeftOut.empty())
        report << tr("Not merged, a key holds %1 values at most:/#%2")
                      .arg(kMaxTableRows)
                      .arg(NameList(applied.LinesLeftOut));
    if (import.Keys.empty() && import.Skipped.empty())
        report << tr("%1 holds no keys.").arg(shown);
    if (!report.isEmpty())
        wzDialog().MessageDlg(report.join("/#"), TMsgDlgType::mtWarning, 0, mbOK);
    return true;
}

bool TSystemPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grRegAdd) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (IsRegFileDrop(drag->mimeData())) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (IsRegFileDrop(drop->mimeData())) {
                drop->acceptProposedAction();
                const QString path = drop->mimeData()->urls().first().toLocalFile();
                // Not from inside the drop: the questions open their own windows.
                QMetaObject::invokeMethod(
                    this, [this, path] { ImportRegFile(path); }, Qt::QueuedConnection);
                return true;
            }
        }
    }
    return TWizardPage::eventFilter(watched, event);
}

} // namespace tv
