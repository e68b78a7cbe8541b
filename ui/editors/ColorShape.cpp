#include "ui/editors/ColorShape.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/editors/ColorStrip.h"

namespace tv {

const TColor kBasicColors[16] = {
    0x000000, 0x000080, 0x008000, 0x008080, // black, maroon, green, olive
    0x800000, 0x800080, 0x808000, 0x808080, // navy, purple, teal, gray
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, // silver, red, lime, yellow
    0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF, // blue, fuchsia, aqua, white
};

TColorShape::TColorShape(QWidget* parent, TColor color, const QSize& size) : QWidget(parent), m_Color(color) {
    setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
}

void TColorShape::SetColor(TColor color) {
    if (m_Color == color)
        return;
    m_Color = color;
    update();
}

void TColorShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(Qt::black));
    p.setBrush(ToQColor(m_Color));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TColorShape::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit Clicked(m_Color);
}

} // namespace tv
