#pragma once
// Page 2 of the wizard, "Dialog Windows": the setup dialogs' font, their title (font, shadow, preview),
// which standard dialogs appear, the title bitmap and where the dialogs stand on the screen. The
// position boxes store their value without marking the project as changed. "Preview" shows one
// dialog on the setup's screen as the setup will.

#include "ui/main/WizardPage.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tv {

class TColorButton;
class TCheckGroup;
class TTitleFont;
class TwzLabel;

class TDialogPage final : public TWizardPage {
    Q_OBJECT
public:
    explicit TDialogPage(TProject& project, QWidget* parent = nullptr);
    ~TDialogPage() override;

    void LoadFromProject() override;

public slots:
    void edDialogFontBtnClick();
    void edDialogTitleFontBtnClick();
    void cbDialogTitleShadowClick();
    void edTznsBMPBtnClick();
    void btDialogPreviewClick();

private:
    QLineEdit* m_edDialogFont = nullptr;
    QCheckBox* m_cbShowDialogTitle = nullptr;
    TCheckGroup* m_grShowDialogTitle = nullptr;
    TwzLabel* m_lbDialogTitle = nullptr;
    QLineEdit* m_edDialogTitleFont = nullptr;
    QCheckBox* m_cbDialogTitleShadow = nullptr;
    TColorButton* m_btDialogTitleShadow = nullptr;
    QLineEdit* m_edTznsBMP = nullptr;
    QComboBox* m_cbDlgH = nullptr;
    QComboBox* m_cbDlgV = nullptr;
    std::unique_ptr<TTitleFont> m_titleFont;
};

} // namespace tv
