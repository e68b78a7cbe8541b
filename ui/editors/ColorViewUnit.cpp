#include "ui/editors/ColorViewUnit.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/editors/ColorShape.h"

namespace tv {

TColorView::TColorView(QWidget* parent) : TPickerWindow(parent, tr("Color View"), tr("Color View")) {
    setObjectName("ColorView");
    QWidget* page = Page();
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);

    auto* swatches = new QGridLayout;
    swatches->setSpacing(2);
    AddBasicSwatches(page, swatches, this, &TColorView::ShapeMouseDown);
    grid->addLayout(swatches, 0, 0, Qt::AlignLeft | Qt::AlignTop);

    m_Spectrum = new TColorSpectrum(page);
    m_Spectrum->setObjectName("cl");
    m_Spectrum->setFixedSize(300, 50);
    grid->addWidget(m_Spectrum, 0, 1);
    connect(m_Spectrum, &TColorSpectrum::MouseDown, this, &TColorView::clMouseDown);
    connect(m_Spectrum, &TColorSpectrum::MouseMove, this, &TColorView::clMouseMove);
    connect(m_Spectrum, &TColorSpectrum::MouseUp, this, &TColorView::clMouseUp);

    auto* caption = new QLabel(tr("Selected color"), page);
    caption->setObjectName("Label1");
    grid->addWidget(caption, 1, 0);
    m_Bar = new TColorShape(page, 0, QSize(301, 19));
    m_Bar->setObjectName("Shape1");
    m_Bar->setCursor(Qt::ArrowCursor);
    grid->addWidget(m_Bar, 1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);
}

TColor TColorView::SelectedColor() const {
    return m_Bar->Color();
}

void TColorView::SetSelectedColor(TColor color) {
    m_Bar->SetColor(color);
}

void TColorView::ShapeMouseDown(TColor color) {
    SetSelectedColor(color);
}

// Only the left button picks from the spectrum; the colour follows the mouse until any button is
// released.
void TColorView::clMouseDown(Qt::MouseButton button, TColor color) {
    if (button != Qt::LeftButton)
        return;
    m_Tracking = true;
    SetSelectedColor(color);
}

void TColorView::clMouseMove(TColor color) {
    if (m_Tracking)
        SetSelectedColor(color);
}

void TColorView::clMouseUp(Qt::MouseButton) {
    m_Tracking = false;
}

} // namespace tv
