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
#include "ui/editors/ColorShape.h"
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

} // namespace

TFontView::TFontView(QWidget* parent) : TPickerWindow(parent, "Font Selection", "Font Attribute") {
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
    m_Bold->setToolTip("Bold");
    m_Italic->setToolTip("Italic");
    m_Underline->setToolTip("Underline");
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
    m_Size->setToolTip("Size (points)");
    m_Size->setFixedWidth(82);
    styleColumn->addWidget(m_Size);
    styleColumn->addStretch(1);
    middle->addLayout(styleColumn);
    middle->addStretch(1);
    right->addLayout(middle);
    connect(m_Size, &QComboBox::editTextChanged, this, &TFontView::cbFontSizeChange);

    auto* sample = new TwzLabel("Sample Text", page);
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
    ApplySample();
    SyncStyleButtons();
    resize(std::max(555, sizeHint().width()), std::max(219, sizeHint().height()));
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
    return true;
}

QString TFontView::GetFontSpec() const {
    return QString::fromStdString(FormatFontSpec(m_Spec));
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
    QStringList sorted = families;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    m_Fonts->setUpdatesEnabled(false);
    const QSignalBlocker block(m_Fonts);
    const QString current = QString::fromStdString(m_Spec.Face);
    QList<QTreeWidgetItem*> items;
    for (const QString& family : sorted) {
        if (QFontDatabase::isPrivateFamily(family))
            continue;
        auto* item = new QTreeWidgetItem(QStringList(family));
        QFont f(family);
        f.setPointSize(font().pointSize() > 0 ? font().pointSize() : 9);
        item->setFont(0, f);
        items.append(item);
    }
    m_Fonts->addTopLevelItems(items);
    // Show where the current face is, without taking it over.
    for (int i = 0; i < m_Fonts->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_Fonts->topLevelItem(i);
        if (item->text(0).compare(current, Qt::CaseInsensitive) == 0) {
            m_Fonts->setCurrentItem(item);
            m_Fonts->scrollToItem(item, QAbstractItemView::PositionAtCenter);
            break;
        }
    }
    m_Fonts->setUpdatesEnabled(true);
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
