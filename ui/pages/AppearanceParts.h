#pragma once
// Pieces the two appearance pages share: a group switched by the check box in its caption, the title
// font with its preview label, the bitmap browse command, and the picture of the setup's screen made
// from the Project.

#include "core/FontSpec.h"
#include "core/Project.h"
#include "ui/editors/SetupScreen.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QToolButton;

namespace tv {

class TColorButton;
class TFieldBinder;
class TwzLabel;

// A group box whose caption is a check box. The box sits over the frame but is not inside the group,
// so switching the group off leaves the box usable.
class TCheckGroup final : public QWidget {
    Q_OBJECT
public:
    TCheckGroup(QCheckBox* header, QGroupBox* group, QWidget* parent = nullptr);
    // Enables the group exactly when the box is checked.
    void Follow();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QCheckBox* m_header;
    QGroupBox* m_group;
};

// The font of a title font description (face, size in points, styles).
QFont TitleQFont(const TFontSpec& font);

// The preview label of a title font: "Title", 85 x 45, in shadow style.
TwzLabel* MakeTitlePreview(const char* name);
// A "..." button beside a text box.
QToolButton* MakeBrowseButton(const QString& name, const QString& hint);

// A title font text with its preview, shadow box and shadow colour button.
class TTitleFont final {
public:
    TTitleFont(TwzLabel* preview, QCheckBox* shadow, TColorButton* shadowColor);

    // The text changed: a good text shows in the preview; for a size that is not an integer the
    // preview takes only the face and the reason is returned (empty for a good text).
    QString Apply(const QString& text);
    // Text style and shadow colour from the box and the button.
    void ApplyShadow();
    // Opens the font picker on the edit's text; OK puts the picked font into the edit.
    void Pick(QWidget* window, TFieldBinder& binder, QLineEdit* edit);

    const TFontSpec& ShownFont() const { return m_font; }

private:
    TwzLabel* m_preview;
    QCheckBox* m_shadow;
    TColorButton* m_shadowColor;
    TFontSpec m_font;
};

// Asks for a bitmap file starting from the edit's text and puts the chosen path into the edit;
// relative to the project's folder when it lies inside it and the bitmap is one the build copies
// (the background bitmap's path goes to the engine as typed).
enum class TBitmapPath { AsChosen, ProjectRelative };
void BrowseBitmap(QWidget* window, TFieldBinder& binder, const TProject& project, QLineEdit* edit,
                  const QString& title, TBitmapPath stored);

// The folder relative bitmap names of the project are read from.
QString ProjectFolder(const TProject& project);
// An image from a project path; null when it cannot be read.
QImage ReadProjectImage(const TProject& project, const std::string& path);
// The setup's main window as the Project describes it, with its static bitmaps except skip.
TSetupScreen SetupScreenFromProject(const TProject& project, int skip = -1);

} // namespace tv
