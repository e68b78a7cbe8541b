#include "ui/pages/MainWindowPage.h"

#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"
#include "ui/editors/ColorStrip.h"
#include "ui/editors/StaticBMPUnit.h"
#include "ui/lib/ColumnWidths.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzLabelUnit.h"
#include "ui/main/ColorButton.h"
#include "ui/main/FieldBinder.h"
#include "ui/main/UndoHistory.h"
#include "ui/pages/AppearanceParts.h"

#include <QCheckBox>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace tv {

namespace {

constexpr int kRowHeight = 20;

QString FromAnsi(const std::string& s) {
    return QString::fromStdString(AnsiToUtf8(s));
}

QLabel* MakeLabel(const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

TColorButton* MakeColorButton(const char* name, const QString& hint) {
    auto* button = new TColorButton;
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedSize(22, kRowHeight);
    return button;
}

TjdFlatButton* MakeListButton(const char* name, const QString& text, const QString& hint) {
    auto* button = new TjdFlatButton(text);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFixedSize(46, kRowHeight);
    return button;
}

// The row text of a placement: three integers read from "x,y,origin".
void ReadPlacement(std::string text, int& x, int& y, int& origin) {
    std::int32_t v = 0;
    x = TryStrToInt(SplitFirst(text, ","), v) ? v : 0;
    y = TryStrToInt(SplitFirst(text, ","), v) ? v : 0;
    origin = TryStrToInt(SplitFirst(text, ","), v) ? v : 0;
}

} // namespace

// ---- TStaticBitmapModel ----

TStaticBitmapModel::TStaticBitmapModel(TProject& project, QObject* parent)
    : QAbstractTableModel(parent), m_project(project) {}

int TStaticBitmapModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_project.StaticBitmaps.size());
}

int TStaticBitmapModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TStaticBitmapModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TStaticBitmap& row = m_project.StaticBitmaps[size_t(index.row())];
    const std::string* const columns[] = {&row.File, &row.Coord, &row.Transparency};
    if ((role == Qt::DisplayRole || role == Qt::ToolTipRole) && index.column() >= 0 && index.column() < 3)
        return FromAnsi(*columns[index.column()]);
    if (role == Qt::DecorationRole && index.column() == 0) {
        static const QIcon icon = QFileIconProvider().icon(QFileInfo("picture.bmp"));
        return icon;
    }
    return {};
}

QVariant TStaticBitmapModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const captions[] = {QT_TR_NOOP("Bitmap"), QT_TR_NOOP("Coord."), QT_TR_NOOP("Transp.")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 3)
        return tr(captions[section]);
    return {};
}

void TStaticBitmapModel::Rebuild() {
    beginResetModel();
    endResetModel();
}

// ---- TMainWindowPage ----

TMainWindowPage::TMainWindowPage(TProject& project, QWidget* parent)
    : TWizardPage(project, "Full_Window", tr("Main Window"), parent) {
    m_cbMainWindow = new QCheckBox(tr("Show Main Window"));
    m_cbMainWindow->setObjectName("cbMainWindow");
    QFont bold = m_cbMainWindow->font();
    bold.setBold(true);
    m_cbMainWindow->setFont(bold);
    m_grMainWindow = new QWidget;
    m_grMainWindow->setObjectName("grMainWindow");

    // Title
    m_cbMainTitle = new QCheckBox(tr("Show Main Title"));
    m_cbMainTitle->setObjectName("cbMainTitle");
    auto* titleGroup = new QGroupBox;
    titleGroup->setObjectName("grMainTitle");
    m_lbMainTitle = MakeTitlePreview("lbMainTitle");
    m_edMainTitleFont = new QLineEdit;
    m_edMainTitleFont->setObjectName("edMainTitleFont");
    auto* edMainTitleFontBtn = MakeBrowseButton("edMainTitleFontBtn", tr("Select the title font"));
    m_cbMainTitleShadow = new QCheckBox(tr("With shadow color"));
    m_cbMainTitleShadow->setObjectName("cbMainTitleShadow");
    m_btMainTitleShadow = MakeColorButton("btMainTitleShadow", tr("Select Main Title shadow color"));
    auto* titleGrid = new QGridLayout(titleGroup);
    titleGrid->setContentsMargins(6, 12, 6, 4);
    titleGrid->setHorizontalSpacing(4);
    titleGrid->setVerticalSpacing(2);
    titleGrid->addWidget(m_lbMainTitle, 0, 0, 2, 1);
    titleGrid->addWidget(MakeLabel(tr("Title font"), m_edMainTitleFont), 0, 1);
    auto* fontRow = new QHBoxLayout;
    fontRow->setSpacing(0);
    fontRow->addWidget(m_edMainTitleFont);
    fontRow->addWidget(edMainTitleFontBtn);
    titleGrid->addLayout(fontRow, 0, 2);
    auto* shadowRow = new QHBoxLayout;
    shadowRow->addWidget(m_cbMainTitleShadow);
    shadowRow->addWidget(m_btMainTitleShadow);
    shadowRow->addStretch(1);
    titleGrid->addLayout(shadowRow, 1, 1, 1, 2);
    titleGrid->setColumnStretch(2, 1);
    m_grMainTitle = new TCheckGroup(m_cbMainTitle, titleGroup);

    // Background
    auto* background = new QGroupBox(tr("Background"));
    background->setObjectName("grBackground");
    m_cbMainShowAppName = new QCheckBox(tr("Show Application Name"));
    m_cbMainShowAppName->setObjectName("cbMainShowAppName");
    m_btGradientTop = MakeColorButton("btGradientTop", tr("Select background top color"));
    m_btGradientBot = MakeColorButton("btGradientBot", tr("Select background bottom color"));
    m_edMainBackBMP = new QLineEdit;
    m_edMainBackBMP->setObjectName("edMainBackBMP");
    m_edMainBackBMP->setFixedHeight(kRowHeight);
    auto* edMainBackBMPBtn = MakeBrowseButton("edMainBackBMPBtn", tr("Select the background bitmap"));
    auto* bgGrid = new QGridLayout(background);
    bgGrid->setContentsMargins(6, 2, 6, 4);
    bgGrid->setHorizontalSpacing(4);
    bgGrid->setVerticalSpacing(2);
    auto* colours = new QHBoxLayout;
    colours->setSpacing(4);
    colours->addWidget(m_cbMainShowAppName);
    colours->addStretch(1);
    colours->addWidget(MakeLabel(tr("Gradient Top Color"), m_btGradientTop));
    colours->addWidget(m_btGradientTop);
    colours->addSpacing(6);
    colours->addWidget(MakeLabel(tr("Bottom Color"), m_btGradientBot));
    colours->addWidget(m_btGradientBot);
    bgGrid->addLayout(colours, 0, 0, 1, 2);
    auto* bmpRow = new QHBoxLayout;
    bmpRow->setSpacing(0);
    bmpRow->addWidget(m_edMainBackBMP);
    bmpRow->addWidget(edMainBackBMPBtn);
    bgGrid->addWidget(MakeLabel(tr("Use Bitmap"), m_edMainBackBMP), 1, 0);
    bgGrid->addLayout(bmpRow, 1, 1);

    // Static bitmaps
    auto* statics = new QGroupBox(tr("Static Bitmap"));
    statics->setObjectName("grStaticBitmap");
    m_model = new TStaticBitmapModel(project, this);
    m_lvStaticBMP = new QTableView;
    m_lvStaticBMP->setObjectName("lvStaticBMP");
    m_lvStaticBMP->setModel(m_model);
    m_lvStaticBMP->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lvStaticBMP->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lvStaticBMP->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lvStaticBMP->setShowGrid(true);
    m_lvStaticBMP->setWordWrap(false);
    m_lvStaticBMP->verticalHeader()->hide();
    m_lvStaticBMP->verticalHeader()->setDefaultSectionSize(18);
    m_lvStaticBMP->horizontalHeader()->setHighlightSections(false);
    m_lvStaticBMP->horizontalHeader()->setFixedHeight(18);
    // The path takes what the page leaves beside the two fixed columns, so nothing needs scrolling.
    m_lvStaticBMP->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_lvStaticBMP->setColumnWidth(1, 70);
    m_lvStaticBMP->setColumnWidth(2, 70);
    m_lvStaticBMP->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lvStaticBMP->setTextElideMode(Qt::ElideLeft); // the file name is the end of the path
    RememberColumnWidths(m_lvStaticBMP->horizontalHeader(), m_lvStaticBMP->objectName());
    auto* add = MakeListButton("jdFlatButton12", tr("Add"), tr("Add Key"));
    auto* edit = MakeListButton("jdFlatButton13", tr("Edit"), tr("Edit key"));
    auto* remove = MakeListButton("jdFlatButton14", tr("Remove"), tr("Remove key"));
    auto* staticRow = new QHBoxLayout(statics);
    staticRow->setContentsMargins(6, 2, 6, 4);
    staticRow->setSpacing(4);
    staticRow->addWidget(m_lvStaticBMP, 1);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    staticRow->addLayout(buttons);

    auto* inner = new QVBoxLayout(m_grMainWindow);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(2);
    inner->addWidget(m_grMainTitle);
    inner->addWidget(background);
    inner->addWidget(statics, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, ContentTop(), 4, 2);
    page->setSpacing(1);
    page->addWidget(m_cbMainWindow);
    page->addWidget(m_grMainWindow, 1);

    m_edMainTitleFont->setFixedHeight(kRowHeight);
    m_titleFont = std::make_unique<TTitleFont>(m_lbMainTitle, m_cbMainTitleShadow, m_btMainTitleShadow);
    Binder().Check(m_cbMainWindow, &TProject::MainShow, TEdits::SetModified);
    Binder().Check(m_cbMainTitle, &TProject::MainTitle, TEdits::SetModified);
    Binder().Text(m_edMainTitleFont, &TProject::MainTitleFont, TEdits::SetModified,
                  [this](const QString& text) { return m_titleFont->Apply(text); });
    Binder().Check(m_cbMainTitleShadow, &TProject::MainTitleShadow, TEdits::SetModified);
    Binder().Color(m_btMainTitleShadow, &TProject::MainTitleShadowColor,
                   [this](TColor) { m_titleFont->ApplyShadow(); });
    Binder().Check(m_cbMainShowAppName, &TProject::MainBGAppTitle, TEdits::SetModified);
    Binder().Color(m_btGradientTop, &TProject::MainGradientTop);
    Binder().Color(m_btGradientBot, &TProject::MainGradientBot);
    Binder().Text(m_edMainBackBMP, &TProject::MainBGBitmap, TEdits::SetModified);

    connect(m_cbMainWindow, &QCheckBox::toggled, m_grMainWindow, &QWidget::setEnabled);
    connect(edMainTitleFontBtn, &QToolButton::clicked, this, &TMainWindowPage::edMainTitleFontBtnClick);
    connect(m_cbMainTitleShadow, &QCheckBox::toggled, this, &TMainWindowPage::cbMainTitleShadowClick);
    connect(edMainBackBMPBtn, &QToolButton::clicked, this, &TMainWindowPage::edMainBackBMPBtnClick);
    connect(add, &QAbstractButton::clicked, this, &TMainWindowPage::jdFlatButton12Click);
    connect(edit, &QAbstractButton::clicked, this, &TMainWindowPage::jdFlatButton13Click);
    connect(remove, &QAbstractButton::clicked, this, &TMainWindowPage::jdFlatButton14Click);
    connect(m_lvStaticBMP, &QAbstractItemView::doubleClicked, this, &TMainWindowPage::jdFlatButton13Click);

    LoadFromProject();
}

TMainWindowPage::~TMainWindowPage() = default;

void TMainWindowPage::LoadFromProject() {
    TWizardPage::LoadFromProject();
    // The dependent state follows the shown values, changed or not.
    m_grMainWindow->setEnabled(m_cbMainWindow->isChecked());
    m_grMainTitle->Follow();
    m_titleFont->Apply(m_edMainTitleFont->text());
    m_model->Rebuild();
}

bool TMainWindowPage::ShowListRow(TListId list, int row) {
    if (list != TListId::StaticBitmaps)
        return false;
    m_model->Rebuild();
    SelectBitmap(row);
    return true;
}

void TMainWindowPage::edMainTitleFontBtnClick() {
    m_titleFont->Pick(window(), Binder(), m_edMainTitleFont);
}

void TMainWindowPage::cbMainTitleShadowClick() {
    m_titleFont->ApplyShadow();
}

void TMainWindowPage::edMainBackBMPBtnClick() {
    BrowseBitmap(window(), Binder(), Project(), m_edMainBackBMP, tr("Select the background bitmap"),
                 TBitmapPath::AsChosen);
}

int TMainWindowPage::SelectedBitmap() const {
    const QModelIndexList rows = m_lvStaticBMP->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TMainWindowPage::SelectBitmap(int row) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_lvStaticBMP->selectRow(row);
    m_lvStaticBMP->scrollTo(m_model->index(row, 0));
}

void TMainWindowPage::PrepareEditor(TStaticBMP& editor, int skip) const {
    const TSetupScreen screen = SetupScreenFromProject(Project(), skip);
    editor.SetScreen(screen);
    editor.SetBaseFolder(ProjectFolder(Project()));
    TwzLabel* title = editor.Title();
    title->setText(FromAnsi(Project().AppName));
    title->setFont(m_lbMainTitle->font());
    title->setPalette(m_lbMainTitle->palette());
    title->setShadowColor(ToQColor(m_btMainTitleShadow->Color()));
    title->setTextStyle(m_cbMainTitleShadow->isChecked() ? TwzLabel::tsShadow : TwzLabel::tsNone);
    title->adjustSize();
    title->setVisible(screen.ShowTitle);
}

namespace {
// The row's columns as the editor left them.
TStaticBitmap RowFromEditor(const TStaticBMP& editor) {
    TStaticBitmap row;
    row.File = *Utf8ToAnsi(editor.FileName().toStdString()); // the editor refuses other names
    row.Coord = std::to_string(editor.X()) + "," + std::to_string(editor.Y()) + "," +
                std::to_string(editor.Origin());
    row.Transparency = editor.Transparent() ? ColorToText(editor.TransparentColor()) : std::string();
    return row;
}
} // namespace

void TMainWindowPage::jdFlatButton12Click() {
    auto& list = Project().StaticBitmaps;
    if (int(list.size()) >= kMaxStaticBitmaps) {
        wzDialog().MessageDlg(tr("The setup shows at most %1 static bitmaps:/#remove one before adding "
                                 "another.")
                                  .arg(kMaxStaticBitmaps),
                              TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    TStaticBMP editor(window());
    PrepareEditor(editor, -1);
    editor.SetFileName(QString());
    editor.SetPlacement(0, 0, orLeftTop);
    editor.SetTransparent(true);
    if (editor.exec() != mrOk)
        return;
    list.push_back(RowFromEditor(editor));
    m_model->Rebuild();
    SelectBitmap(int(list.size()) - 1);
    FieldChanged();
}

void TMainWindowPage::jdFlatButton13Click() {
    const int row = SelectedBitmap();
    if (row < 0)
        return;
    auto& list = Project().StaticBitmaps;
    TStaticBMP editor(window());
    PrepareEditor(editor, row);
    const TStaticBitmap& current = list[size_t(row)];
    editor.SetFileName(FromAnsi(current.File));
    int x = 0, y = 0, origin = 0;
    ReadPlacement(current.Coord, x, y, origin);
    editor.SetPlacement(x, y, origin);
    editor.SetTransparent(!current.Transparency.empty());
    if (editor.exec() != mrOk)
        return;
    list[size_t(row)] = RowFromEditor(editor);
    m_model->Rebuild();
    SelectBitmap(row);
    FieldChanged();
}

void TMainWindowPage::jdFlatButton14Click() {
    FieldChanged();
    const int row = SelectedBitmap();
    if (row < 0)
        return;
    auto& list = Project().StaticBitmaps;
    list.erase(list.begin() + row);
    m_model->Rebuild();
    SelectBitmap(std::min(row, int(list.size()) - 1));
    FieldChanged(); // again, now that the row is gone: records the removal
}

} // namespace tv
