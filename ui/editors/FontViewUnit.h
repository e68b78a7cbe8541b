#pragma once
// TFontView: builds a title font (face, size, colour, bold, italic, underline) on the sample label
// and hands it back as a font specification text ("Arial,10,$000000FF,BU").

#include <QFont>
#include <QStringList>

#include "core/FontSpec.h"
#include "ui/editors/ColorStrip.h"
#include "ui/editors/PickerWindow.h"

class QComboBox;
class QLabel;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tv {

class TFontView final : public TPickerWindow {
    Q_OBJECT
public:
    explicit TFontView(QWidget* parent = nullptr);

    // Takes a font description of three or four fields; other field counts leave the sample as it
    // is. False, with the message in *error, when the size is not an integer: the caller reports
    // it and does not show the window.
    bool SetFontSpec(const QString& font, QString* error = nullptr);
    QString GetFontSpec() const;

    // The sample's font and colour as built so far.
    const TFontSpec& Font() const { return m_Spec; }
    QFont SampleFont() const;
    TColor SampleColor() const { return m_Spec.Color; }

    // Fills the font list now (it is otherwise filled when the window is first shown).
    void FillFonts();
    // Fills the font list with families, in the order of their names without regard to case (names
    // that differ only in case by code points): the same order on every system and locale.
    void FillFonts(const QStringList& families);
    bool Tracking() const { return m_Tracking; }

public slots:
    void lbFontsClick();
    void ShapeMouseDown(tv::TColor color);
    void clColorsMouseDown(Qt::MouseButton button, tv::TColor color);
    void clColorsMouseMove(tv::TColor color);
    void clColorsMouseUp(Qt::MouseButton button);
    void btBoldClick();
    void btItalicClick();
    void btUnderlineClick();
    void cbFontSizeChange(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ApplySample();
    void SyncStyleButtons();

    TFontSpec m_Spec;
    QTreeWidget* m_Fonts = nullptr;
    TColorSpectrum* m_Spectrum = nullptr;
    QToolButton* m_Bold = nullptr;
    QToolButton* m_Italic = nullptr;
    QToolButton* m_Underline = nullptr;
    QComboBox* m_Size = nullptr;
    QLabel* m_Sample = nullptr;
    bool m_Tracking = false;
    bool m_FontsFilled = false;
};

} // namespace tv
