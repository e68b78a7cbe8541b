#include "ui/editors/FontViewUnit.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/MsgDlg.h"
#include "core/kvIniFile.h"
#include "deploy/ProjectCheck.h"
#include "ui/editors/ColorShape.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzLabelUnit.h"

namespace tv {

namespace {

QToolButton* StyleButton(QWidget* parent, const char* name, const QString& letter, void (QFont::*set)(bool)) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(letter);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFixedSize(26, 24);
    QFont f = button->font();
    (f.*set)(true);
    button->setFont(f);
    return button;
}

std::string ToStd(const QString& s) {
    return s.toStdString();
}

bool SameFace(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

TFontView::TFontView(QWidget* parent, TFontViewKind kind)
    : TPickerWindow(parent, tr("Font Selection"), tr("Font Attribute")), m_Kind(kind) {
    setObjectName("FontView");
    QWidget* page = Page();
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(10);

    m_Fonts = new QTreeWidget(page);
    m_Fonts->setObjectName("lbFonts");
    m_Fonts->setColumnCount(1);
    m_Fonts->setHeaderHidden(true);
    m_Fonts->setRootIsDecorated(false);
    m_Fonts->setUniformRowHeights(false);
    m_Fonts->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_Fonts->setSelectionMode(QAbstractItemView::SingleSelection);
    m_Fonts->setFixedWidth(200 + 2 * m_Fonts->frameWidth());
    m_Fonts->setMinimumHeight(150);
    row->addWidget(m_Fonts);
    connect(m_Fonts, &QTreeWidget::itemSelectionChanged, this, &TFontView::lbFontsClick);
    // A click on the row that is already selected takes its face too.
    connect(m_Fonts, &QTreeWidget::itemClicked, this, &TFontView::lbFontsClick);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    row->addLayout(right, 1);

    m_Spectrum = new TColorSpectrum(page);
    m_Spectrum->setObjectName("clColors");
    m_Spectrum->setFixedSize(300, 50);
    right->addWidget(m_Spectrum);
    connect(m_Spectrum, &TColorSpectrum::MouseDown, this, &TFontView::clColorsMouseDown);
    connect(m_Spectrum, &TColorSpectrum::MouseMove, this, &TFontView::clColorsMouseMove);
    connect(m_Spectrum, &TColorSpectrum::MouseUp, this, &TFontView::clColorsMouseUp);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    auto* swatches = new QGridLayout;
    swatches->setSpacing(2);
    AddBasicSwatches(page, swatches, this, &TFontView::ShapeMouseDown);
    middle->addLayout(swatches);

    auto* styleColumn = new QVBoxLayout;
    styleColumn->setSpacing(4);
    auto* styles = new QHBoxLayout;
    styles->setSpacing(2);
    m_Bold = StyleButton(page, "btBold", "B", &QFont::setBold);
    m_Italic = StyleButton(page, "btItalic", "I", &QFont::setItalic);
    m_Underline = StyleButton(page, "btUnderline", "U", &QFont::setUnderline);
    m_Bold->setToolTip(tr("Bold"));
    m_Italic->setToolTip(tr("Italic"));
    m_Underline->setToolTip(tr("Underline"));
    styles->addWidget(m_Bold);
    styles->addWidget(m_Italic);
    styles->addWidget(m_Underline);
    styles->addStretch(1);
    styleColumn->addLayout(styles);
    connect(m_Bold, &QToolButton::toggled, this, &TFontView::btBoldClick);
    connect(m_Italic, &QToolButton::toggled, this, &TFontView::btItalicClick);
    connect(m_Underline, &QToolButton::toggled, this, &TFontView::btUnderlineClick);

    m_Size = new QComboBox(page);
    m_Size->setObjectName("cbFontSize");
    m_Size->setEditable(true);
    m_Size->setInsertPolicy(QComboBox::NoInsert);
    m_Size->addItems({"6", "7", "8", "9", "10", "11", "12", "14", "16", "18", "20", "24", "28", "36", "48",
                      "56", "64", "72"});
    m_Size->setEditText("20");
    m_Size->setToolTip(tr("Size (points)"));
    m_Size->setFixedWidth(82);
    styleColumn->addWidget(m_Size);
    styleColumn->addStretch(1);
    middle->addLayout(styleColumn);
    middle->addStretch(1);
    right->addLayout(middle);
    connect(m_Size, &QComboBox::editTextChanged, this, &TFontView::cbFontSizeChange);

    auto* sample = new TwzLabel(tr("Sample Text"), page);
    sample->setObjectName("lbSample");
    sample->setTextStyle(TwzLabel::tsNone);
    sample->setShowAccelChar(false);
    // Large sizes are cut at the edge rather than growing the window.
    sample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    sample->setMinimumHeight(48);
    m_Sample = sample;
    right->addWidget(m_Sample, 1);

    m_Spec.Face = "Times New Roman";
    m_Spec.Size = 20;
    m_Spec.Bold = true;
    if (m_Kind == TFontViewKind::FaceAndSize) {
        // The setup's dialogs take face and size only: offer nothing that would be dropped.
        m_Spec.Bold = false;
        m_Spectrum->hide();
        for (TColorShape* shape : page->findChildren<TColorShape*>())
            shape->hide();
        for (QToolButton* button : {m_Bold, m_Italic, m_Underline})
            button->hide();
    }
    ApplySample();
    SyncStyleButtons();
    const int width = m_Kind == TFontViewKind::FaceAndSize ? 420 : 555;
    resize(std::max(width, sizeHint().width()), std::max(219, sizeHint().height()));
}

bool TFontView::SetFontSpec(const QString& font, QString* error) {
    const TFontSpecFields fields = SplitFontSpec(ToStd(font));
    if (fields.Count < 3 || fields.Count > 4)
        return true;
    const TFontSpecRead r = ReadFontSpec(ToStd(font), m_Spec);
    m_Spec = r.Font;
    ApplySample();
    if (!r.SizeValid) {
        if (error)
            *error = QString::fromStdString(r.Error);
        return false;
    }
    SyncStyleButtons();
    // Keep the size box telling the sample's size (without running its change handler).
    const QSignalBlocker block(m_Size);
    m_Size->setEditText(QString::number(m_Spec.Size));
    SelectCurrentFace();
    return true;
}

QString TFontView::GetFontSpec() const {
    return QString::fromStdString(FormatFontSpec(m_Spec));
}

void TFontView::SetFaceAndSize(const QString& face, int size) {
    m_Spec.Face = ToStd(face);
    m_Spec.Size = size;
    ApplySample();
    const QSignalBlocker block(m_Size);
    m_Size->setEditText(QString::number(m_Spec.Size));
    SelectCurrentFace();
}

QString TFontView::GetFaceAndSize() const {
    return QString("%1,%2").arg(QString::fromStdString(m_Spec.Face)).arg(m_Spec.Size);
}

QFont TFontView::SampleFont() const {
    QFont f(QString::fromStdString(m_Spec.Face));
    f.setPointSize(std::max(1, m_Spec.Size));
    f.setBold(m_Spec.Bold);
    f.setItalic(m_Spec.Italic);
    f.setUnderline(m_Spec.Underline);
    return f;
}

void TFontView::ApplySample() {
    m_Sample->setFont(SampleFont());
    QPalette pal = m_Sample->palette();
    pal.setColor(QPalette::WindowText, ToQColor(m_Spec.Color));
    m_Sample->setPalette(pal);
    m_Sample->update();
}

void TFontView::SyncStyleButtons() {
    const QSignalBlocker b1(m_Bold), b2(m_Italic), b3(m_Underline);
    m_Bold->setChecked(m_Spec.Bold);
    m_Italic->setChecked(m_Spec.Italic);
    m_Underline->setChecked(m_Spec.Underline);
}

void TFontView::showEvent(QShowEvent* event) {
    FillFonts();
    TPickerWindow::showEvent(event);
}

void TFontView::FillFonts() {
    if (!m_FontsFilled)
        FillFonts(QFontDatabase::families());
}

void TFontView::FillFonts(const QStringList& families) {
    m_FontsFilled = true;
    m_Fonts->clear();
    QStringList host;
    for (const QString& family : families)
        if (!QFontDatabase::isPrivateFamily(family))
            host << family;
    const int pointSize = font().pointSize() > 0 ? font().pointSize() : 9;
    auto row = [&](const QString& face, const QString& drawnIn, const QString& tip) {
        auto* item = new QTreeWidgetItem(QStringList(face));
        QFont f = font();
        if (!drawnIn.isEmpty())
            f = QFont(drawnIn);
        f.setPointSize(pointSize);
        item->setFont(0, f);
        item->setToolTip(0, tip);
        return item;
    };

    QList<QTreeWidgetItem*> items;
    for (const std::string& windowsFace : CommonWindowsFonts()) {
        const QString face = QString::fromStdString(windowsFace);
        if (host.contains(face, Qt::CaseInsensitive)) {
            items.append(row(face, face, QString()));
            continue;
        }
        const QString standIn = StandInFace(face, host);
        items.append(row(
            face, standIn,
            standIn.isEmpty()
                ? TFontView::tr("Not on this computer: shown in its default face")
                : TFontView::tr("Not on this computer: shown in %1, which stands in for it").arg(standIn)));
    }

    QStringList others;
    for (const QString& family : host)
        if (!IsCommonWindowsFont(ToStd(family)))
            others << family;
    std::stable_sort(others.begin(), others.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    if (!others.isEmpty()) {
        auto* separator = new QTreeWidgetItem(QStringList(tr("Other fonts on this computer")));
        separator->setFlags(Qt::NoItemFlags);
        QFont f = font();
        f.setPointSize(pointSize);
        f.setItalic(true);
        separator->setFont(0, f);
        separator->setTextAlignment(0, Qt::AlignCenter);
        separator->setToolTip(
            0, tr("A setup that names one of these faces shows another on a computer that lacks it"));
        items.append(separator);
    }
    for (const QString& family : others)
        items.append(row(family, family, QString()));

    m_Fonts->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(m_Fonts);
        m_Fonts->addTopLevelItems(items);
    }
    SelectCurrentFace();
    m_Fonts->setUpdatesEnabled(true);
}

void TFontView::SelectCurrentFace() {
    if (!m_FontsFilled)
        return;
    const QSignalBlocker block(m_Fonts);
    const QString current = QString::fromStdString(m_Spec.Face);
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < m_Fonts->topLevelItemCount() && !found; ++i) {
        QTreeWidgetItem* item = m_Fonts->topLevelItem(i);
        if ((item->flags() & Qt::ItemIsSelectable) && SameFace(item->text(0), current))
            found = item;
    }
    // A face the project names that is neither on every Windows nor here is still the one chosen:
    // it gets a row of its own at the top, for as long as it is the sample's face.
    QTreeWidgetItem* first = m_Fonts->topLevelItem(0);
    if (first && first->data(0, Qt::UserRole).toBool() && first != found)
        delete m_Fonts->takeTopLevelItem(0);
    if (!found && !current.trimmed().isEmpty()) {
        found = new QTreeWidgetItem(QStringList(current));
        QFont f(current);
        f.setPointSize(font().pointSize() > 0 ? font().pointSize() : 9);
        found->setFont(0, f);
        found->setToolTip(0, tr("Not on every Windows and not on this computer"));
        found->setData(0, Qt::UserRole, true);
        m_Fonts->insertTopLevelItem(0, found);
    }
    if (!found) {
        m_Fonts->clearSelection();
        m_Fonts->setCurrentItem(nullptr);
        return;
    }
    m_Fonts->setCurrentItem(found);
    m_Fonts->scrollToItem(found, QAbstractItemView::PositionAtCenter);
}

void TFontView::lbFontsClick() {
    const QList<QTreeWidgetItem*> selected = m_Fonts->selectedItems();
    if (selected.isEmpty())
        return;
    m_Spec.Face = ToStd(selected.first()->text(0));
    ApplySample();
}

void TFontView::ShapeMouseDown(TColor color) {
    m_Spec.Color = color;
    ApplySample();
}

// Only the left button picks from the spectrum; the colour follows the mouse until any button is
// released.
void TFontView::clColorsMouseDown(Qt::MouseButton button, TColor color) {
    if (button != Qt::LeftButton)
        return;
    m_Tracking = true;
    ShapeMouseDown(color);
}

void TFontView::clColorsMouseMove(TColor color) {
    if (m_Tracking)
        ShapeMouseDown(color);
}

void TFontView::clColorsMouseUp(Qt::MouseButton) {
    m_Tracking = false;
}

void TFontView::btBoldClick() {
    m_Spec.Bold = m_Bold->isChecked();
    ApplySample();
}

void TFontView::btItalicClick() {
    m_Spec.Italic = m_Italic->isChecked();
    ApplySample();
}

void TFontView::btUnderlineClick() {
    m_Spec.Underline = m_Underline->isChecked();
    ApplySample();
}

void TFontView::cbFontSizeChange(const QString& text) {
    std::int32_t size = 0;
    if (!TryStrToInt(ToStd(text), size)) {
        wzDialog().MessageDlg(QString::fromStdString(InvalidIntegerMessage(ToStd(text))),
                              TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    m_Spec.Size = size;
    ApplySample();
}

} // namespace tv
