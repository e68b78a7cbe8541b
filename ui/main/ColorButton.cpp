#include "ui/main/ColorButton.h"

#include "ui/editors/ColorStrip.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace tv {

TColorButton::TColorButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoRaise(false);
}

void TColorButton::SetColor(TColor c) {
    c &= 0x00FFFFFF;
    if (c == m_color)
        return;
    m_color = c;
    update();
}

QSize TColorButton::sizeHint() const {
    return QSize(22, 20);
}

void TColorButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionToolButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    p.drawComplexControl(QStyle::CC_ToolButton, opt);

    // The swatch sits inside the bevel with a dark outline, so that white stays visible on a light face.
    const QRect swatch = rect().adjusted(4, 4, -5, -5);
    p.setPen(isEnabled() ? palette().color(QPalette::WindowText) : palette().color(QPalette::Mid));
    p.setBrush(ToQColor(m_color));
    p.drawRect(swatch);
}

} // namespace tv
