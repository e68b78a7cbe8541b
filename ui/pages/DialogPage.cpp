#include "ui/pages/DialogPage.h"

#include "core/FontSpec.h"
#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"
#include "ui/editors/ColorStrip.h"
#include "ui/editors/FontViewUnit.h"
#include "ui/editors/SetupPreview.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzLabelUnit.h"
#include "ui/main/ColorButton.h"
#include "ui/main/FieldBinder.h"
#include "ui/pages/AppearanceParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tv {

namespace {
constexpr int kRowHeight = 20;

QLabel* MakeLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}
} // namespace

TDialogPage::TDialogPage(TProject& project, QWidget* parent)
    : TWizardPage(project, "Dialogs", tr("Dialog Windows"), parent) {
    m_edDialogFont = new QLineEdit;
    m_edDialogFont->setObjectName("edDialogFont");
    auto* edDialogFontBtn = MakeBrowseButton("edDialogFontBtn", tr("Select the dialog font"));

    // Dialog title
    m_cbShowDialogTitle = new QCheckBox(tr("Show Dialog Title"));
    m_cbShowDialogTitle->setObjectName("cbShowDialogTitle");
    auto* titleGroup = new QGroupBox;
    titleGroup->setObjectName("grShowDialogTitle");
    m_lbDialogTitle = MakeTitlePreview("lbDialogTitle");
    m_edDialogTitleFont = new QLineEdit;
    m_edDialogTitleFont->setObjectName("edDialogTitleFont");
    auto* edDialogTitleFontBtn = MakeBrowseButton("edDialogTitleFontBtn", tr("Select the dialog title font"));
    m_cbDialogTitleShadow = new QCheckBox(tr("With shadow color"));
    m_cbDialogTitleShadow->setObjectName("cbDialogTitleShadow");
    m_btDialogTitleShadow = new TColorButton;
    m_btDialogTitleShadow->setObjectName("btDialogTitleShadow");
    m_btDialogTitleShadow->setToolTip(tr("Select Main Title shadow color"));
    m_btDialogTitleShadow->setFixedSize(22, kRowHeight);
    auto* titleGrid = new QGridLayout(titleGroup);
    titleGrid->setContentsMargins(6, 12, 6, 4);
    titleGrid->setHorizontalSpacing(4);
    titleGrid->setVerticalSpacing(2);
    titleGrid->addWidget(m_lbDialogTitle, 0, 0, 2, 1);
    titleGrid->addWidget(MakeLabel(tr("Title font"), m_edDialogTitleFont), 0, 1);
    auto* fontRow = new QHBoxLayout;
    fontRow->setSpacing(0);
    fontRow->addWidget(m_edDialogTitleFont);
    fontRow->addWidget(edDialogTitleFontBtn);
    titleGrid->addLayout(fontRow, 0, 2);
    auto* shadowRow = new QHBoxLayout;
    shadowRow->addWidget(m_cbDialogTitleShadow);
    shadowRow->addWidget(m_btDialogTitleShadow);
    shadowRow->addStretch(1);
    titleGrid->addLayout(shadowRow, 1, 1, 1, 2);
    titleGrid->setColumnStretch(2, 1);
    m_grShowDialogTitle = new TCheckGroup(m_cbShowDialogTitle, titleGroup);

    // Dialogs
    auto* dialogs = new QGroupBox(tr("Dialogs"));
    dialogs->setObjectName("grDialogs");
    auto* dialogGrid = new QGridLayout(dialogs);
    dialogGrid->setContentsMargins(6, 2, 6, 4);
    dialogGrid->setVerticalSpacing(0);
    const struct {
        const char* name;
        const char* caption;
        bool TProject::*field;
    } boxes[] = {
        {"cbDlgReadme", QT_TR_NOOP("Readme"), &TProject::DlgReadme},
        {"cbDlgWelcome", QT_TR_NOOP("Welcome"), &TProject::DlgWelcome},
        {"cbDlgLicense", QT_TR_NOOP("License"), &TProject::DlgLicense},
        {"cbDlgPath", QT_TR_NOOP("Path selection"), &TProject::DlgDir},
        {"cbDlgProgramGroup", QT_TR_NOOP("Program group"), &TProject::DlgGroup},
        {"cbDlgStart", QT_TR_NOOP("Start Installation"), &TProject::DlgStart},
        {"cbDlgFinal", QT_TR_NOOP("Final/ Finish"), &TProject::DialogFinal},
    };
    int n = 0;
    for (const auto& b : boxes) {
        auto* box = new QCheckBox(tr(b.caption));
        box->setObjectName(b.name);
        Binder().Check(box, b.field, TEdits::SetModified);
        dialogGrid->addWidget(box, n % 3, n / 3);
        ++n;
    }

    m_edTznsBMP = new QLineEdit;
    m_edTznsBMP->setObjectName("edTznsBMP");
    auto* edTznsBMPBtn = MakeBrowseButton("edTznsBMPBtn", tr("Select the title bitmap"));
    auto* note =
        new QLabel(tr("If using password, Password Dialog will appear before Start Installation Dialog"));
    note->setObjectName("lbPasswordNote");
    note->setWordWrap(true);

    m_cbDlgH = new QComboBox;
    m_cbDlgH->setObjectName("cbDlgH");
    m_cbDlgH->addItems({tr("Left"), tr("Center"), tr("Right")});
    m_cbDlgV = new QComboBox;
    m_cbDlgV->setObjectName("cbDlgV");
    m_cbDlgV->addItems({tr("Top"), tr("Center"), tr("Bottom")});
    auto* preview = new QPushButton(tr("P&review"));
    preview->setObjectName("btDialogPreview");
    preview->setToolTip(tr("Show a dialog on the setup's screen (Escape closes)"));

    for (QLineEdit* e : {m_edDialogFont, m_edDialogTitleFont, m_edTznsBMP})
        e->setFixedHeight(kRowHeight);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    auto* dialogFontRow = new QHBoxLayout;
    dialogFontRow->setSpacing(0);
    dialogFontRow->addWidget(m_edDialogFont);
    dialogFontRow->addWidget(edDialogFontBtn);
    grid->addWidget(MakeLabel(tr("Dialog font"), m_edDialogFont), 0, 0);
    grid->addLayout(dialogFontRow, 0, 1);
    auto* bmpRow = new QHBoxLayout;
    bmpRow->setSpacing(0);
    bmpRow->addWidget(m_edTznsBMP);
    bmpRow->addWidget(edTznsBMPBtn);
    grid->addWidget(MakeLabel(tr("Title Bitmap"), m_edTznsBMP), 1, 0);
    grid->addLayout(bmpRow, 1, 1);

    auto* position = new QHBoxLayout;
    position->setSpacing(4);
    position->addWidget(MakeLabel(tr("Dialog Window Position"), m_cbDlgH));
    position->addWidget(m_cbDlgH);
    position->addWidget(m_cbDlgV);
    position->addStretch(1);
    position->addWidget(preview);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, ContentTop(), 4, 2);
    page->setSpacing(3);
    page->addLayout(grid);
    page->addWidget(m_grShowDialogTitle);
    page->addWidget(dialogs);
    page->addWidget(note);
    page->addLayout(position);
    page->addStretch(1);

    m_titleFont = std::make_unique<TTitleFont>(m_lbDialogTitle, m_cbDialogTitleShadow, m_btDialogTitleShadow);
    Binder().Text(m_edDialogFont, &TProject::DialogFont, TEdits::SetModified);
    Binder().Check(m_cbShowDialogTitle, &TProject::DialogTitle, TEdits::SetModified);
    Binder().Text(m_edDialogTitleFont, &TProject::DialogTitleFont, TEdits::SetModified,
                  [this](const QString& text) { return m_titleFont->Apply(text); });
    Binder().Check(m_cbDialogTitleShadow, &TProject::DialogTitleFontShadow, TEdits::SetModified);
    Binder().Color(m_btDialogTitleShadow, &TProject::DialogTitleFontShadowColor,
                   [this](TColor) { m_titleFont->ApplyShadow(); });
    Binder().Text(m_edTznsBMP, &TProject::DialogTitleBMP, TEdits::SetModified);
    Binder().Index(m_cbDlgH, &TProject::DialogPosX, TEdits::KeepModified);
    Binder().Index(m_cbDlgV, &TProject::DialogPosY, TEdits::KeepModified);

    connect(edDialogFontBtn, &QToolButton::clicked, this, &TDialogPage::edDialogFontBtnClick);
    connect(edDialogTitleFontBtn, &QToolButton::clicked, this, &TDialogPage::edDialogTitleFontBtnClick);
    connect(m_cbDialogTitleShadow, &QCheckBox::toggled, this, &TDialogPage::cbDialogTitleShadowClick);
    connect(edTznsBMPBtn, &QToolButton::clicked, this, &TDialogPage::edTznsBMPBtnClick);
    connect(preview, &QPushButton::clicked, this, &TDialogPage::btDialogPreviewClick);

    LoadFromProject();
}

TDialogPage::~TDialogPage() = default;

void TDialogPage::LoadFromProject() {
    TWizardPage::LoadFromProject();
    // The dependent state follows the shown values, changed or not.
    m_grShowDialogTitle->Follow();
    m_titleFont->Apply(m_edDialogTitleFont->text());
}

void TDialogPage::cbDialogTitleShadowClick() {
    m_titleFont->ApplyShadow();
}

void TDialogPage::edDialogTitleFontBtnClick() {
    m_titleFont->Pick(window(), Binder(), m_edDialogTitleFont);
}

void TDialogPage::edTznsBMPBtnClick() {
    BrowseBitmap(window(), Binder(), Project(), m_edTznsBMP, tr("Select the title bitmap"),
                 TBitmapPath::ProjectRelative);
}

void TDialogPage::edDialogFontBtnClick() {
    const auto ansi = Utf8ToAnsi(m_edDialogFont->text().toStdString());
    const std::string text = ansi ? *ansi : std::string();
    // A blank text starts from the new project's dialog font.
    QString face = "Tahoma";
    std::int32_t size = 8;
    if (!IsBlank(text)) {
        const TFontSpecFields fields = SplitFontSpec(text);
        if (!TryStrToInt(fields.Size, size)) {
            wzDialog().MessageDlg(InvalidIntegerMessage(fields.Size), TMsgDlgType::mtError, 0, mbOK);
            return;
        }
        face = QString::fromStdString(AnsiToUtf8(fields.Face));
    }
    TFontView picker(window(), TFontViewKind::FaceAndSize);
    picker.setObjectName("FontDialog1");
    picker.SetFaceAndSize(face, size);
    if (picker.exec() != mrOk)
        return;
    Binder().SetChosenText(m_edDialogFont, picker.GetFaceAndSize());
}

void TDialogPage::btDialogPreviewClick() {
    TSetupDialogLook look;
    const TFontSpec titleFont = ReadFontSpec(Project().DialogTitleFont, m_titleFont->ShownFont()).Font;
    const TFontSpecFields dialogFont = SplitFontSpec(Project().DialogFont);
    std::int32_t size = 8;
    TryStrToInt(dialogFont.Size, size);
    look.Font = QFont(QString::fromStdString(AnsiToUtf8(dialogFont.Face)).trimmed(), std::max(1, size));
    look.ShowTitle = Project().DialogTitle;
    look.Title = "Welcome";
    look.TitleFont = TitleQFont(titleFont);
    look.TitleColor = ToQColor(titleFont.Color);
    look.TitleShadow = Project().DialogTitleFontShadow;
    look.ShadowColor = ToQColor(Project().DialogTitleFontShadowColor);
    look.TitleBitmap = ReadProjectImage(Project(), Project().DialogTitleBMP);
    look.PosX = Project().DialogPosX;
    look.PosY = Project().DialogPosY;
    TSetupPreview preview(window());
    preview.SetScreen(SetupScreenFromProject(Project()));
    preview.SetDialog(look);
    preview.exec();
}

} // namespace tv
