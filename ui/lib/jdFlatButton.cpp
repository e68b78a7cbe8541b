#include "ui/lib/jdFlatButton.h"

#include <cstdlib>

#include <QKeyEvent>
#include <QPainter>

namespace tv {

TjdFlatButton::TjdFlatButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

TjdFlatButton::TjdFlatButton(const QString& text, QWidget* parent) : TjdFlatButton(parent) {
    setText(text);
}

void TjdFlatButton::setColor(const QColor& c) {
    m_color = c;
    update();
}

void TjdFlatButton::setColorFocused(const QColor& c) {
    m_colorFocused = c;
    update();
}

void TjdFlatButton::setColorDown(const QColor& c) {
    m_colorDown = c;
    update();
}

void TjdFlatButton::setColorShadow(const QColor& c) {
    m_colorShadow = c;
    update();
}

QSize TjdFlatButton::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    return QSize(std::max(65, text.width() + 16), std::max(23, text.height() + 8));
}

void TjdFlatButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QColor face = isDown() ? m_colorDown : (hasFocus() || underMouse()) ? m_colorFocused : m_color;
    p.fillRect(r, face);
    p.setPen(m_colorShadow);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        // A second shadow line at the bottom and right marks the button Enter presses.
        p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }
    // The face has a colour of its own: the palette's text serves only while it stands out on it
    // (a dark desktop theme gives light text, unreadable on a light face).
    QColor textColor = isEnabled() ? palette().color(QPalette::Active, QPalette::ButtonText)
                                   : palette().color(QPalette::Disabled, QPalette::ButtonText);
    if (std::abs(textColor.lightness() - face.lightness()) < 96) {
        const bool lightFace = face.lightness() >= 128;
        textColor = isEnabled() ? (lightFace ? QColor(Qt::black) : QColor(Qt::white))
                                : (lightFace ? QColor(96, 96, 96) : QColor(176, 176, 176));
    }
    p.setPen(textColor);
    const QRect textRect = isDown() ? r.translated(1, 1) : r;
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void TjdFlatButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace tv
