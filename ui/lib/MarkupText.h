#pragma once
// Markup text: plain text with slash tokens ("/#" line break, "/b" bold, "/c{clnavy}" colour,
// "/ow{44}" offsets, "/im{0}" images ...) used by labels, help panels, progress lines and messages.
//
// Layout and painting are separate: LayoutMarkupText walks the text once and yields positioned
// runs, images and lines plus the extent; PaintMarkupLayout replays them on a painter. Images keep
// their alpha channel: they are drawn over whatever the canvas holds.
// DrawMarkupText does both, the way every caller uses it.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;

namespace tv {

// One stretch of text in one font and colour; drawn top-aligned in rect (single line, clipped at
// the layout's right edge). text is what is drawn (already elided when the run did not fit).
struct TMarkupRun {
    QRect rect;     // pen position .. (R.Right, R.Bottom)
    QString text;   // text to draw
    QString source; // the run as written, before eliding
    QFont font;
    QColor color;  // invalid/transparent: not drawn (clNone)
    int width = 0; // advance of the run as written
};

// An image token, already processed (inverted, tinted, hatched) and with its transparent colour
// keyed out. Only images that are to be drawn appear here.
struct TMarkupImage {
    QPoint pos;
    QImage image;
    int clipRight = 0; // pixels at or right of this x are not drawn
};

// A "/l{colour}" rule from (x1, y) to (x2, y).
struct TMarkupLine {
    int x1 = 0;
    int x2 = 0;
    int y = 0;
    QColor color;
};

struct TMarkupLayout {
    std::vector<TMarkupRun> runs;
    std::vector<TMarkupImage> images;
    std::vector<TMarkupLine> lines;
    QPoint extent; // (R.Left + widest line, total height); (0, 0) for an empty text
    int lineCount = 0;
};

// What the layout starts from; the painter's state when drawing.
struct TMarkupContext {
    QFont font;
    QColor color = Qt::black;               // font colour
    QPalette palette;                       // system colours (clBtnFace, clWindowText ...)
    const QList<QPixmap>* images = nullptr; // image list for "/im{0}" style references, may be none
    QPaintDevice* device = nullptr;         // for font metrics; none: the screen
    bool endEllipsis = true;                // elide a run that reaches the right edge
};

// Lays the text out in r. draw=false measures only: runs are not clipped or elided and nothing
// is collected for painting, but the extent is computed the same way.
TMarkupLayout LayoutMarkupText(const QString& text, const QRect& r, const TMarkupContext& context,
                               bool draw = true);

// Replays a layout on a painter (transparent background; the painter state is restored).
void PaintMarkupLayout(QPainter* painter, const TMarkupLayout& layout);

// Lays out and draws (or, with measureOnly, only measures) text in r with the painter's font, pen
// colour and brush colour. Returns the extent: (r.left() + widest line, total height).
// The painter's font and pen are left as they were.
QPoint DrawMarkupText(QPainter* painter, const QString& text, const QRect& r, bool measureOnly = false,
                      const QList<QPixmap>* images = nullptr, bool endEllipsis = true);

// Measures without a painter (auto-size, dialog layout).
QPoint MeasureMarkupText(const QString& text, const QFont& font, const QList<QPixmap>* images = nullptr,
                         QPaintDevice* device = nullptr);

// A colour argument: one of the 42 colour names (any letter case) or an integer (decimal, or
// hexadecimal after "$") meaning $00BBGGRR, with $800000nn for system colour nn. clNone gives a
// transparent colour. nullopt when the text is neither.
std::optional<QColor> MarkupColor(const QString& text, const QPalette& palette);

// System colour nn (clScrollBar = 0 ... clInfoBk = 24) taken from the palette.
std::optional<QColor> SystemColor(int index, const QPalette& palette);

// The image a reference names: a digit-led reference with an image list is an index into it,
// anything else a bitmap resource of the program (a file under ":/images", named with or without
// its extension, in any letter case; a reference starting with ":/" is a resource path).
// A null image when nothing could be loaded.
QImage MarkupImage(const QString& ref, const QList<QPixmap>* images);

// The image of an image token as it is drawn: kind 'm' or 'p' plain, 'n' inverted, 's' tinted,
// 'h' hatched; then the colour of the lower-left pixel is keyed out (an image whose lower-left
// pixel is already transparent keeps its own alpha).
QImage MarkupImageEffect(const QImage& image, QChar kind);

// Text that shows exactly as written (a host path, whose slashes would otherwise read as tokens).
QString MarkupLiteral(const QString& text);

// What a markup text says, for screen readers and tests: the characters it draws, "/#" and line
// feeds as new lines; style, colour, offset and image tokens leave nothing.
QString MarkupPlainText(const QString& markup);

// The text with line breaks ("/#") added so that no line is wider than maxWidth in font, where a
// line can be broken: after a "\\" or a "/" of a path shown literally, or after a blank. Lines that
// fit, and tokens with their arguments, are left as they are.
QString WrapMarkupText(const QString& text, const QFont& font, int maxWidth);

} // namespace tv
