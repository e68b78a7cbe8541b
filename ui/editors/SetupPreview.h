#pragma once
// TSetupPreview: the setup's full-screen main window as the project describes it, optionally with one
// dialog standing where the setup puts it: its title bitmap, its title in the title font with its
// shadow, and text and buttons in the dialog font. Escape or a click closes it.

#include "ui/editors/SetupScreen.h"

#include <QDialog>

namespace tv {

struct TSetupDialogLook {
    QFont Font;
    bool ShowTitle = true;
    QString Title;
    QFont TitleFont;
    QColor TitleColor = Qt::black;
    bool TitleShadow = true;
    QColor ShadowColor = QColor(0x80, 0x80, 0x80);
    QImage TitleBitmap;
    int PosX = 2; // 0 left, 1 centre, 2 right
    int PosY = 2; // 0 top, 1 centre, 2 bottom
};

class TSetupPreview final : public QDialog {
    Q_OBJECT
public:
    explicit TSetupPreview(QWidget* parent = nullptr);

    void SetScreen(const TSetupScreen& screen);
    void SetDialog(const TSetupDialogLook& dialog);
    // Where the dialog stands in a client area of this size.
    QRect DialogRect(const QSize& client) const;

    static constexpr int kDialogWidth = 480;
    static constexpr int kDialogHeight = 340;
    static constexpr int kScreenMargin = 20;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TSetupScreen m_screen;
    TSetupDialogLook m_dialog;
    bool m_hasDialog = false;
};

} // namespace tv
