#include "ui/editors/SetupScreen.h"

#include "ui/editors/ColorStrip.h"

#include <QLinearGradient>
#include <QPainter>

namespace tv {

namespace {
// Where the setup writes its title, and how far its shadow falls.
constexpr int kTitleLeft = 20, kTitleTop = 20, kShadowDepth = 2;
} // namespace

QPoint PlaceFromOrigin(const QSize& client, const QSize& picture, int x, int y, int origin) {
    const bool fromRight = origin == orRightTop || origin == orRightBottom;
    const bool fromBottom = origin == orLeftBottom || origin == orRightBottom;
    return {fromRight ? client.width() - (picture.width() + x) : x,
            fromBottom ? client.height() - (picture.height() + y) : y};
}

QPoint DistancesFromOrigin(const QSize& client, const QSize& picture, const QPoint& topLeft, int origin) {
    // The same formula both ways: a distance from the far edge mirrors the position.
    return PlaceFromOrigin(client, picture, topLeft.x(), topLeft.y(), origin);
}

TColor LowerLeftColor(const QImage& image) {
    if (image.isNull())
        return 0;
    return FromQColor(QColor(image.pixel(0, image.height() - 1)).toRgb());
}

QImage WithTransparency(const QImage& image) {
    if (image.isNull())
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1) | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return out;
}

void PaintSetupScreen(QPainter& p, const QRect& client, const TSetupScreen& screen, bool dimBitmaps,
                      bool drawTitle) {
    QLinearGradient gradient(client.topLeft(), client.bottomLeft());
    gradient.setColorAt(0, ToQColor(screen.GradientTop));
    gradient.setColorAt(1, ToQColor(screen.GradientBot));
    p.fillRect(client, gradient);
    if (!screen.Background.isNull())
        p.drawTiledPixmap(client, QPixmap::fromImage(screen.Background));

    p.save();
    p.setOpacity(dimBitmaps ? 0.45 : 1.0);
    for (const TScreenBitmap& b : screen.Bitmaps) {
        if (b.Image.isNull())
            continue;
        const QImage image = b.Transparent ? WithTransparency(b.Image) : b.Image;
        p.drawImage(client.topLeft() + PlaceFromOrigin(client.size(), image.size(), b.X, b.Y, b.Origin), image);
    }
    p.restore();

    if (drawTitle && screen.ShowTitle && !screen.Title.isEmpty()) {
        p.save();
        p.setFont(screen.TitleFont);
        const QRect text(client.left() + kTitleLeft, client.top() + kTitleTop, client.width() - kTitleLeft,
                         client.height() - kTitleTop);
        if (screen.TitleShadow) {
            p.setPen(screen.ShadowColor);
            p.drawText(text.translated(kShadowDepth, kShadowDepth), Qt::AlignLeft | Qt::AlignTop, screen.Title);
        }
        p.setPen(screen.TitleColor);
        p.drawText(text, Qt::AlignLeft | Qt::AlignTop, screen.Title);
        p.restore();
    }
}

} // namespace tv
