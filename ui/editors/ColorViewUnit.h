#pragma once
// TColorView: picks one colour from sixteen swatches or the spectrum; the bar Shape1 shows the
// selected colour.

#include "core/Project.h"
#include "ui/editors/ColorStrip.h"
#include "ui/editors/PickerWindow.h"

namespace tv {

class TColorShape;

class TColorView final : public TPickerWindow {
    Q_OBJECT
public:
    explicit TColorView(QWidget* parent = nullptr);

    TColor SelectedColor() const;
    void SetSelectedColor(TColor color);

    TColorSpectrum* Spectrum() const { return m_Spectrum; }
    bool Tracking() const { return m_Tracking; }

public slots:
    void ShapeMouseDown(tv::TColor color);
    void clMouseDown(Qt::MouseButton button, tv::TColor color);
    void clMouseMove(tv::TColor color);
    void clMouseUp(Qt::MouseButton button);

private:
    TColorSpectrum* m_Spectrum = nullptr;
    TColorShape* m_Bar = nullptr;
    bool m_Tracking = false;
};

} // namespace tv
