#pragma once
// What the setup's full-screen main window shows: the vertical gradient, the background bitmap, the
// title (the application name in the title font, with its shadow) and the static bitmaps, each at a
// distance from one corner. The static bitmap editor paints it under the bitmap being placed, the
// dialog preview under the dialog it shows.

#include "core/Project.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <vector>

class QPainter;
class QRect;

namespace tv {

// Corners a static bitmap is placed from.
enum TOrigin { orLeftTop = 0, orRightTop = 1, orLeftBottom = 2, orRightBottom = 3 };

struct TScreenBitmap {
    QImage Image; // null: could not be read (not drawn)
    int X = 0, Y = 0, Origin = orLeftTop;
    bool Transparent = false;
};

struct TSetupScreen {
    TColor GradientTop = 0x00FF0000;
    TColor GradientBot = 0x00000000;
    QImage Background; // tiled over the gradient; null: none
    bool ShowTitle = true;
    QString Title;
    QFont TitleFont;
    QColor TitleColor = Qt::black;
    bool TitleShadow = true;
    QColor ShadowColor = QColor(0x80, 0x80, 0x80);
    std::vector<TScreenBitmap> Bitmaps;
};

// Top-left corner of a width x height picture placed at x, y from origin in a client area.
QPoint PlaceFromOrigin(const QSize& client, const QSize& picture, int x, int y, int origin);
// The distances x, y of a picture at topLeft, measured from origin.
QPoint DistancesFromOrigin(const QSize& client, const QSize& picture, const QPoint& topLeft, int origin);
// The colour a transparent bitmap leaves out: its lower-left pixel.
TColor LowerLeftColor(const QImage& image);
// The image with every pixel of its lower-left colour see-through.
QImage WithTransparency(const QImage& image);

// Paints the gradient, the background bitmap and the static bitmaps (dimmed: drawn half see-through,
// so a bitmap being placed stands out), and the title when drawTitle is set.
void PaintSetupScreen(QPainter& p, const QRect& client, const TSetupScreen& screen, bool dimBitmaps,
                      bool drawTitle);

} // namespace tv
