#pragma once
// A plain colour rectangle with a thin frame; reports clicks with its colour. Used for the
// swatches and the selected-colour bar of the pickers.

#include <QWidget>

#include "core/Project.h"

class QGridLayout;

namespace tv {

class TColorShape final : public QWidget {
    Q_OBJECT
public:
    TColorShape(QWidget* parent, TColor color, const QSize& size);

    TColor Color() const { return m_Color; }
    void SetColor(TColor color);

signals:
    void Clicked(tv::TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TColor m_Color;
};

// The sixteen basic colours in swatch order: black, maroon, green, olive / navy, purple, teal, gray /
// silver, red, lime, yellow / blue, fuchsia, aqua, white.
extern const TColor kBasicColors[16];

// Fills grid with the 16 swatches Shape2 ... Shape17 (4 x 4, 21 x 13 each), all children of
// parent, each click delivered to onClick.
template <class Receiver, class Slot>
void AddBasicSwatches(QWidget* parent, QGridLayout* grid, Receiver* receiver, Slot slot);

} // namespace tv

#include <QGridLayout>

template <class Receiver, class Slot>
void tv::AddBasicSwatches(QWidget* parent, QGridLayout* grid, Receiver* receiver, Slot slot) {
    for (int i = 0; i < 16; ++i) {
        auto* shape = new TColorShape(parent, kBasicColors[i], QSize(21, 13));
        shape->setObjectName(QString("Shape%1").arg(i + 2));
        grid->addWidget(shape, i / 4, i % 4);
        QObject::connect(shape, &TColorShape::Clicked, receiver, slot);
    }
}
