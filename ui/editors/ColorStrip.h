#pragma once
// A strip of the visible spectrum with a black-to-white band below it, and the colour helpers the
// pickers share. The colour at a point is a pure function of the position, so it can be checked
// without painting.

#include <QColor>
#include <QImage>
#include <QWidget>

#include "core/Project.h"

namespace tv {

constexpr double kSpectrumFirstNm = 380.0;
constexpr double kSpectrumLastNm = 780.0;

// Visible light of the given wavelength as a colour; outside 380..780 nm it is black. The
// intensity falls off towards both ends of the range.
TColor WavelengthToColor(double nm);

// The colour at (x, y) of a width x height spectrum whose lowest band rows are the grey ramp:
// above the band the wavelengths run 380 nm (left) to 780 nm (right); in the band grey runs from
// black (left) to white (right). Points outside are taken at the nearest edge.
TColor SpectrumColorAt(int x, int y, int width, int height, int band);

// $00BBGGRR to QColor and back. System colours ($800000nn) are taken from the application palette.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

class TColorSpectrum final : public QWidget {
    Q_OBJECT
public:
    explicit TColorSpectrum(QWidget* parent = nullptr, int band = 7);

    int Band() const { return m_Band; }
    TColor ColorAt(const QPoint& p) const { return SpectrumColorAt(p.x(), p.y(), width(), height(), m_Band); }
    QSize sizeHint() const override { return {300, 50}; }

signals:
    // A button went down over the spectrum, with the colour under the mouse.
    void MouseDown(Qt::MouseButton button, tv::TColor color);
    // The mouse moved with a button held, with the colour now under it.
    void MouseMove(tv::TColor color);
    void MouseUp(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_Band;
    QImage m_Image; // rendered once per size
};

} // namespace tv
