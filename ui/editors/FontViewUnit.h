#pragma once
// TFontView: builds a title font (face, size, colour, bold, italic, underline) on the sample label
// and hands it back as a font specification text ("Arial,10,$000000FF,BU"). For the dialog font it
// offers face and size only ("Tahoma,8").
//
// The fonts are the setup's, not this computer's: the list starts with the faces every Windows has,
// each drawn in this computer's stand-in for it where the face itself is missing, then this
// computer's other fonts under a separator. The face the window was opened with stays selected and
// is handed back unless another row is clicked, whether this computer has it or not.

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

enum class TFontViewKind {
    TitleFont,  // face, size, colour and styles
    FaceAndSize // the dialog font: no colour, no styles
};

class TFontView final : public TPickerWindow {
    Q_OBJECT
public:
    explicit TFontView(QWidget* parent = nullptr, TFontViewKind kind = TFontViewKind::TitleFont);

    // Takes a font description of three or four fields; other field counts leave the sample as it
    // is. False, with the message in *error, when the size is not an integer: the caller reports
    // it and does not show the window.
    bool SetFontSpec(const QString& font, QString* error = nullptr);
    QString GetFontSpec() const;
    // The dialog font: face "," size.
    void SetFaceAndSize(const QString& face, int size);
    QString GetFaceAndSize() const;

    // The sample's font and colour as built so far.
    const TFontSpec& Font() const { return m_Spec; }
    QFont SampleFont() const;
    TColor SampleColor() const { return m_Spec.Color; }

    // Fills the font list now (it is otherwise filled when the window is first shown).
    void FillFonts();
    // Fills the font list from families, the fonts of this computer: first the faces every Windows
    // has (a face missing here drawn in its stand-in among families), then a separator row and the
    // other families in the order of their names without regard to case (names that differ only in
    // case by code points): the same order on every system and locale. A current face found in
    // neither group comes first.
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
    // Shows the row of the sample's face as the current one, without taking it over.
    void SelectCurrentFace();

    TFontSpec m_Spec;
    TFontViewKind m_Kind = TFontViewKind::TitleFont;
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
