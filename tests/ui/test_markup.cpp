// Markup text: layout (positions, fonts, colours, extents) checked without pixels, plus a few painted
// checks of images, the label's alignment, transparency and disabled look.
#include "UiTestSupport.h"

#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/MarkupText.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QTest>

using namespace tv;

namespace {

QFont baseFont() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    return f;
}

int lineHeight(const QFont& f = baseFont()) {
    return QFontMetrics(f).size(Qt::TextSingleLine, QStringLiteral("Wg")).height();
}

int advance(const QString& s, const QFont& f = baseFont()) {
    return QFontMetrics(f).horizontalAdvance(s);
}

TMarkupContext context(const QList<QPixmap>* images = nullptr) {
    TMarkupContext c;
    c.font = baseFont();
    c.color = Qt::black;
    c.palette = QGuiApplication::palette();
    c.images = images;
    return c;
}

const QRect kWide(0, 0, 1000, 1000);

TMarkupLayout layout(const QString& text, const QList<QPixmap>* images = nullptr, const QRect& r = kWide) {
    return LayoutMarkupText(text, r, context(images));
}

QStringList texts(const TMarkupLayout& l) {
    QStringList out;
    for (const auto& run : l.runs)
        out << run.text;
    return out;
}

QPixmap solid(int w, int h, const QColor& c) {
    QPixmap p(w, h);
    p.fill(c);
    return p;
}

// A transparent square with a coloured inside (a one-colour bitmap would be keyed out whole).
QPixmap badge(int w, int h, const QColor& c) {
    QPixmap p(w, h);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.fillRect(1, 1, w - 2, h - 2, c);
    return p;
}

// Bounding box of the pixels that differ from the background colour.
QRect inkBox(const QImage& img, QRgb background) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool hasColor(const QImage& img, const QColor& c) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c)
                return true;
    return false;
}

} // namespace

class TestMarkup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        InstallFontSubstitutes();
    }

    void stylesSwitchOnAndOff() {
        auto l = layout("/bX/b0Y");
        QCOMPARE(texts(l), (QStringList{"X", "Y"}));
        QVERIFY(l.runs[0].font.bold());
        QVERIFY(!l.runs[1].font.bold());
        QCOMPARE(l.runs[1].rect.left(), advance("X", l.runs[0].font));

        l = layout("/bb");
        QCOMPARE(texts(l), QStringList{"b"});
        QVERIFY(l.runs[0].font.bold());

        l = layout("/iA/i0B/uC/u0/sD/s0E");
        QCOMPARE(texts(l), (QStringList{"A", "B", "C", "D", "E"}));
        QVERIFY(l.runs[0].font.italic() && !l.runs[1].font.italic());
        QVERIFY(l.runs[2].font.underline() && !l.runs[3].font.underline());
        QVERIFY(l.runs[3].font.strikeOut() && !l.runs[4].font.strikeOut());

        // "/im" without a brace is italic followed by the text "m..."
        l = layout("/imX");
        QCOMPARE(texts(l), QStringList{"mX"});
        QVERIFY(l.runs[0].font.italic());
        QVERIFY(l.images.empty());
    }

    void sizesAndFontNames() {
        auto l = layout("/s{14}A/s{0}B/s{-3}C/s{x}D/f{Liberation Serif}E/f{}F");
        QCOMPARE(texts(l), (QStringList{"A", "B", "C", "D", "E", "F"}));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(l.runs[i].font.pointSize(), 14);
        QVERIFY(!l.runs[0].font.strikeOut());
        QCOMPARE(l.runs[4].font.family(), QString("Liberation Serif"));
        QCOMPARE(l.runs[5].font.family(), QString("Liberation Serif"));
        // The line is as high as "Wg" in the font of its first character.
        QFont big = baseFont();
        big.setPointSize(14);
        QCOMPARE(l.extent.y(), lineHeight(big));
    }

    void lineBreaksAndEmptyLines() {
        const int h = lineHeight();
        auto l = layout("A/#/#B");
        QCOMPARE(l.runs[1].rect.top(), h); // the empty middle line has no height
        QCOMPARE(l.extent, QPoint(std::max(advance("A"), advance("B")), 2 * h));

        l = layout("A/# /#B");
        QCOMPARE(l.runs[2].rect.top(), 2 * h);
        QCOMPARE(l.extent.y(), 3 * h);

        l = layout("A\nB\r\nC");
        QCOMPARE(texts(l), (QStringList{"A", "B", "C"}));
        QCOMPARE(l.runs[2].rect.top(), 2 * h);

        // A CR on an empty line is skipped; its LF then ends the (empty) line.
        l = layout("\r\nB");
        QCOMPARE(texts(l), QStringList{"B"});
        QCOMPARE(l.runs[0].rect.top(), 0);

        // A lone CR ends the line and keeps the character after it.
        l = layout("A\rB");
        QCOMPARE(texts(l), (QStringList{"A", "B"}));
        QCOMPARE(l.runs[1].rect.topLeft(), QPoint(0, h));

        // The widest line and the origin make the extent.
        l = LayoutMarkupText("ab/#abcdef/#a", QRect(10, 20, 500, 500), context());
        QCOMPARE(l.extent, QPoint(10 + advance("abcdef"), 3 * h));
        QCOMPARE(l.runs[1].rect.topLeft(), QPoint(10, 20 + h));
    }

    void markupOffAndLiteralSlashes() {
        auto l = layout("/{/b/#/}/bX");
        QCOMPARE(texts(l), (QStringList{"/b/#", "X"}));
        QVERIFY(!l.runs[0].font.bold());
        QVERIFY(l.runs[1].font.bold());
        QCOMPARE(l.lineCount, 1);

        QCOMPARE(texts(layout("a/xb//")).join(QString()), QString("a/xb//"));
        QCOMPARE(texts(layout("/oX")), QStringList{"/oX"});
        QCOMPARE(texts(layout("end/")), QStringList{"end/"});

        QCOMPARE(layout("").extent, QPoint(0, 0));
        QVERIFY(layout("").runs.empty());
    }

    void colours() {
        QPalette pal = QGuiApplication::palette();
        auto l = layout("/c{clnavy}A/c{nosuchcolour}B/c{$0000FF}C/c{65280}D/c{$80000005}E/c{clBTNFACE}F");
        QCOMPARE(l.runs[0].color, QColor(0, 0, 128));
        QCOMPARE(l.runs[1].color, QColor(0, 0, 128));
        QCOMPARE(l.runs[2].color, QColor(255, 0, 0)); // $00BBGGRR
        QCOMPARE(l.runs[3].color, QColor(0, 255, 0));
        QCOMPARE(l.runs[4].color, pal.color(QPalette::Base));
        QCOMPARE(l.runs[5].color, pal.color(QPalette::Button));

        const char* names[] = {"clBlack",        "clMaroon",      "clGreen",         "clOlive",
                               "clNavy",         "clPurple",      "clTeal",          "clGray",
                               "clSilver",       "clRed",         "clLime",          "clYellow",
                               "clBlue",         "clFuchsia",     "clAqua",          "clWhite",
                               "clScrollBar",    "clBackground",  "clActiveCaption", "clInactiveCaption",
                               "clMenu",         "clWindow",      "clWindowFrame",   "clMenuText",
                               "clWindowText",   "clCaptionText", "clActiveBorder",  "clInactiveBorder",
                               "clAppWorkSpace", "clHighlight",   "clHighlightText", "clBtnFace",
                               "clBtnShadow",    "clGrayText",    "clBtnText",       "clInactiveCaptionText",
                               "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",       "clInfoText",
                               "clInfoBk",       "clNone"};
        for (const char* n : names) {
            QVERIFY2(MarkupColor(QString(n).toLower(), pal).has_value(), n);
            QVERIFY2(MarkupColor(QString(n).toUpper(), pal)->isValid(), n);
        }
        QCOMPARE(MarkupColor("clNone", pal)->alpha(), 0);
        for (const char* bad : {"", "cl", "$", "$1000000", "-1", "12a", "$80000019", "$GG"})
            QVERIFY2(!MarkupColor(bad, pal).has_value(), bad);
        QCOMPARE(*MarkupColor("$80000008", pal), pal.color(QPalette::Text));
    }

    void horizontalLines() {
        auto l = LayoutMarkupText("AB/l{clred}/l{bogus}", QRect(5, 7, 200, 50), context());
        QCOMPARE(l.lines.size(), size_t(1));
        QCOMPARE(l.lines[0].x1, 5 + advance("AB"));
        QCOMPARE(l.lines[0].x2, 205);
        QCOMPARE(l.lines[0].y, 7);
        QCOMPARE(l.lines[0].color, QColor(255, 0, 0));
        QVERIFY(LayoutMarkupText("AB/l{clred}", kWide, context(), false).lines.empty());
    }

    void offsets() {
        const int h = lineHeight();
        auto l = layout("/ow{44}X");
        QCOMPARE(l.runs[0].rect.left(), 44);
        QCOMPARE(l.extent.x(), 44 + advance("X"));

        l = layout("/ow{abcd}X");
        QCOMPARE(l.runs[0].rect.left(), advance("abcd"));

        l = layout("/ow{50}/oW{8}X/oW{-3}Y");
        QCOMPARE(l.runs[0].rect.left(), 42);
        QCOMPARE(l.runs[1].rect.left(), 45 + advance("X"));

        l = layout("/oh{4}X/#Y");
        QCOMPARE(l.runs[0].rect.top(), 4);
        QCOMPARE(l.runs[1].rect.top(), 4 + h);
        QCOMPARE(l.extent.y(), 4 + 2 * h);

        l = layout("X/oH{Wg}Y");
        QCOMPARE(l.runs[1].rect.top(), -h);
        QCOMPARE(l.extent.y(), 0);

        // An unterminated argument runs to the end of the text.
        l = layout("X/ow{12");
        QCOMPARE(l.extent.x(), advance("X") + 12);
        QCOMPARE(texts(l), QStringList{"X"});
    }

    void imagesFromAList() {
        const QList<QPixmap> images{solid(16, 16, Qt::red), solid(10, 40, Qt::blue)};
        const int h = lineHeight();

        auto l = layout("/im{0}/oh{4} Text", &images);
        QCOMPARE(l.images.size(), size_t(1));
        QCOMPARE(l.images[0].pos, QPoint(0, 0));
        QCOMPARE(l.runs[0].rect.topLeft(), QPoint(16, 4));
        QCOMPARE(l.extent, QPoint(16 + advance(" Text"), 4 + h));

        // "/im" adds no height; "/ip" makes the line as tall as the image and the text adds none.
        QCOMPARE(layout("/im{1}", &images).extent, QPoint(10, 0));
        QCOMPARE(layout("/ip{1}x", &images).extent, QPoint(10 + advance("x"), 40));
        QCOMPARE(layout("x/ip{1}", &images).extent.y(), 40);
        QCOMPARE(layout("/ip{0}x", &images).extent.y(), h >= 16 ? h : 16);

        // A reference that loads nothing draws nothing and takes no room.
        for (const char* ref : {"/im{7}", "/im{-1}", "/im{0x}", "/im{nosuchbitmap}", "/im{}"}) {
            l = layout(QString(ref) + "A", &images);
            QVERIFY2(l.images.empty(), ref);
            QCOMPARE(l.runs[0].rect.left(), 0);
        }
        // Without a list a digit-led reference names a resource.
        QVERIFY(layout("/im{0}", nullptr).images.empty());
        // Bitmap resources of the program, named with or without extension, in any case.
        for (const char* ref : {"/im{mkBullet}", "/im{MKBULLET.png}", "/im{:/images/mkBullet.png}"}) {
            l = layout(QString(ref) + "A", &images);
            QCOMPARE(l.images.size(), size_t(1));
            QCOMPARE(l.runs[0].rect.left(), 8);
            QCOMPARE(qAlpha(l.images[0].image.pixel(0, 7)), 0); // white lower-left keyed out
            QCOMPARE(l.images[0].image.pixelColor(3, 3), QColor(0, 0, 128));
        }

        // The effect variants are recognised.
        l = layout("/in{0}/is{0}/ih{0}/ip{0}", &images);
        QCOMPARE(l.images.size(), size_t(4));
        QCOMPARE(l.images[3].pos.x(), 48);
    }

    void imageEffects() {
        QImage img(3, 3, QImage::Format_ARGB32);
        img.fill(qRgb(0, 0, 0));
        img.setPixel(1, 0, qRgb(100, 50, 255));
        img.setPixel(2, 2, qRgb(20, 40, 77));

        // The lower-left colour (black here) is keyed out.
        QImage plain = MarkupImageEffect(img, 'm');
        QCOMPARE(qAlpha(plain.pixel(0, 0)), 0);
        QCOMPARE(plain.pixel(1, 0), qRgb(100, 50, 255));

        QImage inverted = MarkupImageEffect(img, 'n');
        QCOMPARE(inverted.pixel(1, 0), qRgb(155, 205, 0));
        QCOMPARE(qAlpha(inverted.pixel(1, 1)), 0); // inverted background is white, still keyed

        QImage tinted = MarkupImageEffect(img, 's');
        QCOMPARE(tinted.pixel(1, 0), qRgb(50, 25, 189));
        QCOMPARE(tinted.pixel(2, 2), qRgb(10, 20, 77));

        QImage hatched = MarkupImageEffect(img, 'h');
        QCOMPARE(hatched.pixel(1, 0), qRgb(8, 36, 107)); // differs from top-left, x + y odd
        QCOMPARE(hatched.pixel(2, 2), qRgb(20, 40, 77)); // x + y even: kept
        QCOMPARE(qAlpha(hatched.pixel(0, 1)), 0);        // same as top-left: kept, then keyed

        // An image with its own transparency keeps it.
        QImage alpha(2, 2, QImage::Format_ARGB32);
        alpha.fill(Qt::transparent);
        alpha.setPixel(1, 1, qRgb(1, 2, 3));
        QCOMPARE(MarkupImageEffect(alpha, 'm').pixel(1, 1), qRgb(1, 2, 3));
    }

    void clippingAtTheRightEdge() {
        const QString text = "A fairly long line of text/bBold";
        const QRect narrow(0, 0, 60, 30);
        auto drawn = layout(text, nullptr, narrow);
        QCOMPARE(drawn.runs.size(), size_t(1)); // the bold run starts right of the edge
        QVERIFY(drawn.runs[0].text.endsWith(QChar(0x2026)));
        QVERIFY(advance(drawn.runs[0].text) <= 60);
        QCOMPARE(drawn.extent.x(), advance("A fairly long line of text"));

        auto measured = LayoutMarkupText(text, narrow, context(), false);
        QVERIFY(measured.runs.empty());
        QVERIFY(measured.extent.x() > drawn.extent.x()); // measuring counts the bold run too

        TMarkupContext noEllipsis = context();
        noEllipsis.endEllipsis = false;
        QCOMPARE(LayoutMarkupText(text, narrow, noEllipsis).runs[0].text,
                 QString("A fairly long line of text"));

        // An image at or right of the edge is not drawn but still advances.
        const QList<QPixmap> images{solid(16, 16, Qt::red)};
        auto l = layout("/ow{60}/im{0}X", &images, narrow);
        QVERIFY(l.images.empty());
        QVERIFY(l.runs.empty());
        QCOMPARE(l.extent.x(), 76);
    }

    void drawingOnACanvas() {
        QImage canvas(200, 40, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter p(&canvas);
        p.setFont(baseFont());
        p.setPen(Qt::black);
        const QList<QPixmap> images{badge(8, 8, Qt::green)};
        QImage framed = solid(6, 6, Qt::yellow).toImage();
        framed.setPixelColor(2, 2, Qt::blue);
        const QList<QPixmap> keyed{QPixmap::fromImage(framed)};

        const QPoint extent = DrawMarkupText(&p, "/b/s{20}/c{clred}/f{Liberation Serif}X/im{0}",
                                             QRect(0, 0, 100, 40), false, &images);
        DrawMarkupText(&p, "/im{0}", QRect(150, 0, 50, 40), false, &keyed);
        // Font and pen come back as they were.
        QCOMPARE(p.font(), baseFont());
        QCOMPARE(p.pen().color(), QColor(Qt::black));
        p.end();

        QVERIFY(extent.x() > 8);
        const QImage left = canvas.copy(0, 0, extent.x() - 8, 40);
        QVERIFY(hasColor(left, Qt::red));
        QVERIFY(!hasColor(left, Qt::black));
        QCOMPARE(canvas.pixelColor(extent.x() - 4, 4), QColor(Qt::green));
        // The keyed image shows only its inner pixel.
        QCOMPARE(canvas.pixelColor(152, 2), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor(150, 0), QColor(Qt::white));
        QCOMPARE(inkBox(canvas.copy(140, 0, 60, 40), qRgb(255, 255, 255)), QRect(12, 2, 1, 1));
    }

    void labelAutoSizeAndAlignment() {
        QWidget parent;
        parent.resize(300, 100);
        TDCLabel label(&parent);
        label.setFont(baseFont());
        label.move(5, 6);
        label.setCaption("Creating/#/bDeployment Folder");
        QCOMPARE(label.pos(), QPoint(5, 6));
        QCOMPARE(label.size(), QSize(advance("Deployment Folder",
                                             [] {
                                                 QFont f = baseFont();
                                                 f.setBold(true);
                                                 return f;
                                             }()),
                                     2 * lineHeight()));
        QFont bigger = baseFont();
        bigger.setPixelSize(20);
        label.setFont(bigger);
        QCOMPARE(label.height(), 2 * lineHeight(bigger));

        label.setAutoSize(false);
        label.setFont(baseFont());
        label.setColor(Qt::white);
        label.resize(40, lineHeight());

        // Right alignment of a text wider than the label starts left of 0: the last letter touches
        // the right edge and the first visible ink is at the left edge.
        label.setCaption("WWWWWWWWWW");
        label.setAlignment(TAlignment::taRightJustify);
        QRect ink = inkBox(label.grab().toImage(), qRgb(255, 255, 255));
        QCOMPARE(ink.left(), 0);
        QVERIFY(ink.right() >= 37);

        label.resize(200, lineHeight());
        label.setCaption("WW");
        label.setAlignment(TAlignment::taCenter);
        ink = inkBox(label.grab().toImage(), qRgb(255, 255, 255));
        const int left = (200 - advance("WW")) / 2;
        QVERIFY(qAbs(ink.left() - left) <= 1);
        label.setAlignment(TAlignment::taLeftJustify);
        QVERIFY(inkBox(label.grab().toImage(), qRgb(255, 255, 255)).left() <= 1);
    }

    void labelTransparencyAndDisabledLook() {
        QWidget parent;
        QPalette pp = parent.palette();
        pp.setColor(QPalette::Window, QColor(10, 120, 10));
        pp.setColor(QPalette::Light, QColor(250, 250, 250));
        pp.setColor(QPalette::Dark, QColor(90, 90, 90));
        parent.setPalette(pp);
        parent.setAutoFillBackground(true);
        parent.resize(200, 60);
        TDCLabel label(&parent);
        label.setFont(baseFont());
        label.setColor(QColor(200, 0, 200));
        label.setCaption("Disabled");
        parent.show();

        QImage shot = parent.grab().toImage();
        QCOMPARE(shot.pixelColor(label.width() - 1, label.height() - 1), QColor(200, 0, 200));
        label.setTransparent(true);
        shot = parent.grab().toImage();
        QCOMPARE(shot.pixelColor(label.width() - 1, label.height() - 1), QColor(10, 120, 10));

        label.setEnabled(false);
        shot = label.grab().toImage();
        QVERIFY(hasColor(shot, QColor(250, 250, 250)));
        QVERIFY(hasColor(shot, QColor(90, 90, 90)));
        QVERIFY(!hasColor(shot, Qt::black));
        // Colour tokens still win.
        label.setCaption("/c{clred}Disabled");
        shot = label.grab().toImage();
        QVERIFY(hasColor(shot, Qt::red));
        QVERIFY(!hasColor(shot, QColor(90, 90, 90)));
    }

    void labelImageList() {
        TDCLabel label;
        label.setFont(baseFont());
        label.setImages({badge(16, 16, Qt::blue)});
        label.setCaption("/im{0}/oh{4} Creating Deployment Folder");
        QCOMPARE(label.size(), QSize(16 + advance(" Creating Deployment Folder"), 4 + lineHeight()));
        const QImage shot = label.grab().toImage();
        QCOMPARE(shot.pixelColor(8, 8), QColor(Qt::blue));
        QCOMPARE(shot.pixelColor(0, 0), label.palette().color(QPalette::Window));
        QVERIFY(tvtest::saveShot(&label, "markup_progress_line"));
    }

    void labelsSayTheirPlainTextToScreenReaders() {
        QCOMPARE(MarkupPlainText("/bBold/b0 and /c{clnavy}navy/c{clblack}/#/ow{44}next /s{10}line"),
                 QString("Bold and navy\nnext line"));
        QCOMPARE(MarkupPlainText("/im{0}/oh{4} Creating Deployment Folder"), QString(" Creating Deployment Folder"));
        QCOMPARE(MarkupPlainText("/{/home/me/build/x/} /bb /x/"), QString("/home/me/build/x b /x/"));
        QCOMPARE(MarkupPlainText("/ii/inot an image"), QString("inot an image"));
        QCOMPARE(MarkupPlainText(MarkupLiteral("C:\\a/#b")), QString("C:\\a/#b"));

        TDCLabel label;
        label.setCaption("Script is not saved yet,/#/bContinue/b0 ?");
        QCOMPARE(label.accessibleName(), QString("Script is not saved yet,\nContinue ?"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&label);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::StaticText);
        QCOMPARE(accessible->text(QAccessible::Name), label.accessibleName());
        QCOMPARE(accessible->text(QAccessible::Value), label.accessibleName());
        label.setCaption("Done");
        QCOMPARE(accessible->text(QAccessible::Name), QString("Done"));
    }

    void samplerScreenshot() {
        TDCLabel label;
        label.setFont(QFont("Tahoma", 8));
        label.setColor(QColor(239, 233, 224));
        label.setImages({badge(16, 16, QColor(40, 120, 60)), badge(16, 16, QColor(200, 30, 30))});
        label.setCaption(
            "/b/s{10}/c{clnavy}Registry keys/s{8}/b0/c{clblack}/#/l{clgray}/oh{4}"
            "Keys are written when the setup /bruns/b0, /iafter/i0 the files are copied./# /#"
            "/ow{16}/uIndented/u0 by 16 pixels, /sstruck/s0, /f{Times New Roman}another face/f{Tahoma}./#"
            "/im{0}/ow{4}/oh{2}Done/#/in{0}/ow{4}/oh{2}Inverted /is{1} tinted /ih{1} hatched/#"
            "/{Markup off: /b stays /# as typed/} and /c{$0000C0}back on.");
        QVERIFY(label.width() > 200 && label.height() > 6 * lineHeight(label.font()) / 2);
        QVERIFY(tvtest::saveShot(&label, "markup_sampler"));
    }
};

QTEST_MAIN(TestMarkup)
#include "test_markup.moc"
