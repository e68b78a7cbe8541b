#include "ui/editors/ColorStrip.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "ui/lib/MarkupText.h"

namespace tv {

namespace {

constexpr double kGamma = 0.8;

int Channel(double value, double factor) {
    if (value <= 0.0)
        return 0;
    return static_cast<int>(std::lround(255.0 * std::pow(value * factor, kGamma)));
}

TColor Rgb(int r, int g, int b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

} // namespace

TColor WavelengthToColor(double nm) {
    if (!(nm >= kSpectrumFirstNm && nm <= kSpectrumLastNm))
        return 0;
    double r = 0, g = 0, b = 0;
    if (nm < 440) {
        r = (440 - nm) / (440 - 380);
        b = 1;
    } else if (nm < 490) {
        g = (nm - 440) / (490 - 440);
        b = 1;
    } else if (nm < 510) {
        g = 1;
        b = (510 - nm) / (510 - 490);
    } else if (nm < 580) {
        r = (nm - 510) / (580 - 510);
        g = 1;
    } else if (nm < 645) {
        r = 1;
        g = (645 - nm) / (645 - 580);
    } else {
        r = 1;
    }
    // The eye sees less at both ends of the range.
    double factor = 1.0;
    if (nm < 420)
        factor = 0.3 + 0.7 * (nm - 380) / (420 - 380);
    else if (nm > 700)
        factor = 0.3 + 0.7 * (780 - nm) / (780 - 700);
    return Rgb(Channel(r, factor), Channel(g, factor), Channel(b, factor));
}

TColor SpectrumColorAt(int x, int y, int width, int height, int band) {
    if (width <= 0 || height <= 0)
        return 0;
    x = std::clamp(x, 0, width - 1);
    y = std::clamp(y, 0, height - 1);
    const double t = width > 1 ? double(x) / (width - 1) : 0.0;
    if (y >= height - band) {
        const int grey = static_cast<int>(std::lround(255.0 * t));
        return Rgb(grey, grey, grey);
    }
    return WavelengthToColor(kSpectrumFirstNm + t * (kSpectrumLastNm - kSpectrumFirstNm));
}

QColor ToQColor(TColor color) {
    if ((color & 0xFF000000u) == 0x80000000u)
        return SystemColor(int(color & 0xFFu), QApplication::palette()).value_or(QColor(Qt::black));
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color) {
    return Rgb(color.red(), color.green(), color.blue());
}

TColorSpectrum::TColorSpectrum(QWidget* parent, int band) : QWidget(parent), m_Band(band) {
    setCursor(Qt::CrossCursor);
}

void TColorSpectrum::resizeEvent(QResizeEvent* event) {
    m_Image = QImage();
    QWidget::resizeEvent(event);
}

void TColorSpectrum::paintEvent(QPaintEvent*) {
    if (m_Image.size() != size()) {
        m_Image = QImage(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(m_Image.scanLine(y));
            for (int x = 0; x < width(); ++x)
                line[x] = ToQColor(ColorAt(QPoint(x, y))).rgb();
        }
    }
    QPainter p(this);
    p.drawImage(0, 0, m_Image);
}

void TColorSpectrum::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), ColorAt(event->position().toPoint()));
}

void TColorSpectrum::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(ColorAt(event->position().toPoint()));
}

void TColorSpectrum::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event->button());
}

} // namespace tv
