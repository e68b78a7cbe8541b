#include "ui/lib/DCLabelUnit.h"

#include "ui/lib/MarkupText.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>

namespace tv {

namespace {

// Screen readers see a markup label as static text saying what it draws.
class TDCLabelAccessible final : public QAccessibleWidget {
public:
    explicit TDCLabelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Value)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* DCLabelAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tv::TDCLabel") && object && object->isWidgetType())
        return new TDCLabelAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

TDCLabel::TDCLabel(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(DCLabelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void TDCLabel::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(MarkupPlainText(caption));
    adjustToCaption();
    update();
}

void TDCLabel::setAlignment(TAlignment alignment) {
    m_alignment = alignment;
    update();
}

void TDCLabel::setAutoSize(bool on) {
    m_autoSize = on;
    adjustToCaption();
}

void TDCLabel::setTransparent(bool on) {
    m_transparent = on;
    update();
}

void TDCLabel::setColor(const QColor& color) {
    m_color = color;
    update();
}

void TDCLabel::setFontColor(const QColor& color) {
    m_fontColor = color;
    update();
}

void TDCLabel::setImages(const QList<QPixmap>& images) {
    m_images = images;
    adjustToCaption();
    update();
}

QPoint TDCLabel::TextExtent() const {
    return MeasureMarkupText(m_caption, font(), m_images.isEmpty() ? nullptr : &m_images,
                             const_cast<TDCLabel*>(this));
}

QSize TDCLabel::sizeHint() const {
    const QPoint e = TextExtent();
    return QSize(std::max(e.x(), 0), std::max(e.y(), 0));
}

void TDCLabel::adjustToCaption() {
    updateGeometry();
    if (m_autoSize)
        resize(sizeHint());
}

void TDCLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        adjustToCaption();
    QWidget::changeEvent(event);
}

void TDCLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();
    if (!m_transparent)
        p.fillRect(rect(), m_color.isValid() ? m_color : palette().color(QPalette::Window));

    TMarkupContext c;
    c.font = font();
    c.color = m_fontColor;
    c.palette = palette();
    c.palette.setCurrentColorGroup(QPalette::Active); // system colours as Windows gives them
    c.images = m_images.isEmpty() ? nullptr : &m_images;
    c.device = this;
    c.endEllipsis = true;

    QRect r(0, 0, w, h);
    if (m_alignment != TAlignment::taLeftJustify) {
        const int extent = LayoutMarkupText(m_caption, r, c, false).extent.x();
        const int left = m_alignment == TAlignment::taRightJustify ? w - extent : (w - extent) / 2;
        r = QRect(left, 0, w - left, h);
    }
    if (isEnabled()) {
        PaintMarkupLayout(&p, LayoutMarkupText(m_caption, r, c));
        return;
    }
    // Engraved look: highlight one pixel right and down, shadow in place.
    c.color = SystemColor(20, c.palette).value_or(Qt::white);
    PaintMarkupLayout(&p, LayoutMarkupText(m_caption, r.translated(1, 1), c));
    c.color = SystemColor(16, c.palette).value_or(Qt::gray);
    PaintMarkupLayout(&p, LayoutMarkupText(m_caption, r, c));
}

} // namespace tv
