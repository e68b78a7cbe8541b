#include "ui/editors/SetupPreview.h"

#include "ui/lib/FontSubstitutes.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace tv {

TSetupPreview::TSetupPreview(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("SetupPreview");
    setWindowTitle(tr("Tamrin Installer Velox - Preview"));
    setFont(DialogFont());
    // The restored size is the whole screen too, for window systems that do not maximise.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    setWindowState(Qt::WindowMaximized);
    setToolTip(tr("Escape or a click closes the preview"));
}

void TSetupPreview::SetScreen(const TSetupScreen& screen) {
    m_screen = screen;
    update();
}

void TSetupPreview::SetDialog(const TSetupDialogLook& dialog) {
    m_dialog = dialog;
    m_hasDialog = true;
    update();
}

QRect TSetupPreview::DialogRect(const QSize& client) const {
    const auto at = [](int pos, int room, int size) {
        switch (pos) {
        case 0: return kScreenMargin;
        case 1: return (room - size) / 2;
        default: return room - size - kScreenMargin;
        }
    };
    return QRect(at(m_dialog.PosX, client.width(), kDialogWidth), at(m_dialog.PosY, client.height(), kDialogHeight),
                 kDialogWidth, kDialogHeight);
}

void TSetupPreview::mousePressEvent(QMouseEvent*) {
    reject();
}

void TSetupPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintSetupScreen(p, rect(), m_screen, false, true);
    if (!m_hasDialog)
        return;

    const QRect r = DialogRect(size());
    const QPalette pal = palette();
    p.fillRect(r, pal.color(QPalette::Button));
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    // Caption bar
    const QRect caption(r.left() + 3, r.top() + 3, r.width() - 6, 18);
    p.fillRect(caption, QColor(0, 0, 128));
    p.setFont(m_dialog.Font);
    p.setPen(Qt::white);
    p.drawText(caption.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, "Setup");

    // Title bitmap at the left, title and text beside it
    const QRect body = r.adjusted(10, 30, -10, -50);
    int textLeft = body.left();
    if (!m_dialog.TitleBitmap.isNull()) {
        const QImage bmp = m_dialog.TitleBitmap.height() > body.height()
                               ? m_dialog.TitleBitmap.scaledToHeight(body.height(), Qt::SmoothTransformation)
                               : m_dialog.TitleBitmap;
        p.drawImage(body.topLeft(), bmp);
        textLeft += bmp.width() + 10;
    }
    int textTop = body.top();
    if (m_dialog.ShowTitle) {
        p.setFont(m_dialog.TitleFont);
        const QRect title(textLeft, textTop, body.right() - textLeft, QFontMetrics(m_dialog.TitleFont).height() + 4);
        if (m_dialog.TitleShadow) {
            p.setPen(m_dialog.ShadowColor);
            p.drawText(title.translated(2, 2), Qt::AlignLeft | Qt::AlignTop, m_dialog.Title);
        }
        p.setPen(m_dialog.TitleColor);
        p.drawText(title, Qt::AlignLeft | Qt::AlignTop, m_dialog.Title);
        textTop = title.bottom() + 8;
    }
    p.setFont(m_dialog.Font);
    p.setPen(pal.color(QPalette::ButtonText));
    p.drawText(QRect(textLeft, textTop, body.right() - textLeft, body.bottom() - textTop),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               "This program will install the application on your computer.\n\n"
               "Press Next to continue, or Cancel to leave the setup.");

    // Buttons
    const QStringList buttons = {"< Back", "Next >", "Cancel"};
    int x = r.right() - 10 - 3 * 75 - 2 * 6;
    for (const QString& b : buttons) {
        const QRect button(x, r.bottom() - 35, 75, 23);
        p.fillRect(button, pal.color(QPalette::Button));
        p.setPen(pal.color(QPalette::Shadow));
        p.drawRect(button.adjusted(0, 0, -1, -1));
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(button, Qt::AlignCenter, b);
        x += 75 + 6;
    }
}

} // namespace tv
