#include "ui/lib/wzLabelUnit.h"

#include <QPainter>
#include <algorithm>

namespace tv {

TwzLabel::TwzLabel(QWidget* parent) : TwzLabel(QString(), parent) {}

TwzLabel::TwzLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_glowColor = palette().color(QPalette::Base);
    m_shadowColor = palette().color(QPalette::Dark);
}

void TwzLabel::setGlowColor(const QColor& c) {
    if (m_glowColor == c)
        return;
    m_glowColor = c;
    update();
}

void TwzLabel::setShadowColor(const QColor& c) {
    if (m_shadowColor == c)
        return;
    m_shadowColor = c;
    update();
}

void TwzLabel::setShadowDepth(int depth) {
    if (m_shadowDepth == depth)
        return;
    m_shadowDepth = depth;
    updateGeometry();
    update();
}

void TwzLabel::setTextStyle(TTextStyle style) {
    if (m_textStyle == style)
        return;
    m_textStyle = style;
    updateGeometry();
    update();
}

void TwzLabel::setTransparent(bool on) {
    if (m_transparent == on)
        return;
    m_transparent = on;
    update();
}

void TwzLabel::setShowAccelChar(bool on) {
    if (m_showAccelChar == on)
        return;
    m_showAccelChar = on;
    updateGeometry();
    update();
}

int TwzLabel::DrawFlags() const {
    int flags = int(alignment()) | Qt::TextExpandTabs;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    if (m_showAccelChar)
        flags |= Qt::TextShowMnemonic;
    return flags;
}

QMargins TwzLabel::EffectMargins() const {
    switch (m_textStyle) {
    case tsRaised:
    case tsRecessed:
    case tsGlow:
        return QMargins(1, 1, 1, 1);
    case tsShadow: {
        const int d = std::abs(m_shadowDepth);
        return m_shadowDepth >= 0 ? QMargins(0, 0, d, d) : QMargins(d, d, 0, 0);
    }
    case tsNone:
        break;
    }
    return QMargins();
}

QSize TwzLabel::sizeHint() const {
    const QMargins m = EffectMargins();
    return QLabel::sizeHint() + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize TwzLabel::minimumSizeHint() const {
    const QMargins m = EffectMargins();
    return QLabel::minimumSizeHint() + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void TwzLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), palette().color(backgroundRole()));
    p.setFont(font());
    // The copies are drawn around the caption, so leave room for them inside the label.
    const int mg = margin();
    const QRect textRect = contentsRect().adjusted(mg, mg, -mg, -mg) - EffectMargins();
    const int flags = DrawFlags();
    const QString caption = text();
    auto drawAt = [&](int dx, int dy, const QColor& color) {
        p.setPen(color);
        p.drawText(textRect.translated(dx, dy), flags, caption);
    };

    const QColor btnShadow = palette().color(QPalette::Dark);
    const QColor btnHighlight = palette().color(QPalette::Light);
    switch (m_textStyle) {
    case tsNone:
        break;
    case tsRaised:
        drawAt(1, 1, btnShadow);
        drawAt(-1, -1, btnHighlight);
        break;
    case tsRecessed:
        drawAt(1, 1, btnHighlight);
        drawAt(-1, -1, btnShadow);
        break;
    case tsShadow:
        drawAt(m_shadowDepth, m_shadowDepth, m_shadowColor);
        break;
    case tsGlow:
        drawAt(1, 1, m_glowColor);
        drawAt(-1, -1, m_glowColor);
        drawAt(-1, 1, m_glowColor);
        drawAt(1, -1, m_glowColor);
        break;
    }
    drawAt(0, 0,
           isEnabled() ? palette().color(QPalette::WindowText)
                       : palette().color(QPalette::Disabled, QPalette::WindowText));
}

void TwzLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit OnMouseEnter();
}

void TwzLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit OnMouseLeave();
}

} // namespace tv
