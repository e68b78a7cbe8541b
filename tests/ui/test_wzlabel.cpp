// The 3D label: what each text style draws, pixel for pixel, against the plain caption.
#include "UiTestSupport.h"
#include "ui/lib/wzLabelUnit.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <vector>

using tv::TwzLabel;

namespace {

const QColor kBack(Qt::white);
const QColor kText(Qt::black);

// A label with crisp (not anti-aliased) text on a known background, so each pixel of a copy has
// exactly the copy's colour.
void prepare(TwzLabel& label, const QString& caption) {
    label.setText(caption);
    QFont f(QStringLiteral("Liberation Sans"), 14);
    f.setStyleStrategy(QFont::NoAntialias);
    label.setFont(f);
    QPalette pal = label.palette();
    pal.setColor(QPalette::Window, kBack);
    pal.setColor(QPalette::WindowText, kText);
    pal.setColor(QPalette::Dark, QColor(10, 20, 30));
    pal.setColor(QPalette::Light, QColor(200, 210, 220));
    pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    label.setPalette(pal);
    label.resize(80, 40);
}

QImage render(TwzLabel& label) {
    QImage img(label.size(), QImage::Format_RGB32);
    img.fill(Qt::red);
    label.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

struct TCopy {
    QPoint offset;
    QColor color;
};

// What a label should look like: the plain caption's pixels stamped once per copy, in order.
QImage expected(const QImage& plain, const QPoint& shift, const std::vector<TCopy>& copies) {
    QImage out(plain.size(), QImage::Format_RGB32);
    out.fill(kBack);
    for (const TCopy& c : copies)
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (QColor(plain.pixel(x, y)) == kText) {
                    const QPoint p = QPoint(x, y) + shift + c.offset;
                    if (out.rect().contains(p))
                        out.setPixel(p, c.color.rgb());
                }
    return out;
}

// The rightmost column holding caption pixels.
int inkRight(const QImage& img) {
    int right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (QColor(img.pixel(x, y)) == kText)
                right = std::max(right, x);
    return right;
}

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

class TestWzLabel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tvtest::isolateEnvironment(); }

    void defaults() {
        TwzLabel label;
        QCOMPARE(label.TextStyle(), TwzLabel::tsNone);
        QCOMPARE(label.ShadowDepth(), 2);
        QCOMPARE(label.GlowColor(), label.palette().color(QPalette::Base));
        QCOMPARE(label.ShadowColor(), label.palette().color(QPalette::Dark));
        QVERIFY(!label.Transparent());
        QVERIFY(label.setProperty("TextStyle", QStringLiteral("tsGlow")));
        QCOMPARE(label.TextStyle(), TwzLabel::tsGlow);
    }

    void stylesDrawTheirCopies() {
        TwzLabel label;
        prepare(label, QStringLiteral("Hx"));
        const QImage plain = render(label);
        // The caption is drawn in crisp black on the background, nothing else.
        QVERIFY(differingPixels(plain, expected(plain, {}, {{{}, kText}})) == 0);
        QImage blank(plain.size(), QImage::Format_RGB32);
        blank.fill(kBack);
        QVERIFY(differingPixels(plain, blank) > 20);

        const QColor gray(128, 128, 128);
        const QColor dark(10, 20, 30), light(200, 210, 220);
        const QColor glow(250, 200, 0);
        label.setShadowColor(gray);
        label.setGlowColor(glow);

        struct TCase {
            TwzLabel::TTextStyle style;
            QPoint shift; // where the caption moved to leave room for its copies
            std::vector<TCopy> copies;
        };
        const std::vector<TCase> cases = {
            // A grey copy two pixels right and down, then the caption in place.
            {TwzLabel::tsShadow, {0, 0}, {{{2, 2}, gray}, {{0, 0}, kText}}},
            {TwzLabel::tsRaised, {1, 1}, {{{1, 1}, dark}, {{-1, -1}, light}, {{0, 0}, kText}}},
            {TwzLabel::tsRecessed, {1, 1}, {{{1, 1}, light}, {{-1, -1}, dark}, {{0, 0}, kText}}},
            {TwzLabel::tsGlow,
             {1, 1},
             {{{1, 1}, glow}, {{-1, -1}, glow}, {{-1, 1}, glow}, {{1, -1}, glow}, {{0, 0}, kText}}},
        };
        for (const TCase& c : cases) {
            label.setTextStyle(c.style);
            QCOMPARE(differingPixels(render(label), expected(plain, c.shift, c.copies)), 0);
        }

        // A deeper shadow moves the copy further.
        label.setTextStyle(TwzLabel::tsShadow);
        label.setShadowDepth(4);
        QCOMPARE(differingPixels(render(label), expected(plain, {}, {{{4, 4}, gray}, {{0, 0}, kText}})), 0);

        // Disabled: the copies stay, the caption turns grey.
        label.setEnabled(false);
        const QColor grayText(120, 120, 120);
        QCOMPARE(differingPixels(render(label), expected(plain, {}, {{{4, 4}, gray}, {{0, 0}, grayText}})),
                 0);
    }

    void textFlags() {
        TwzLabel a, b;
        prepare(a, QStringLiteral("A&&B"));
        prepare(b, QStringLiteral("A&B"));
        // With accelerator characters on, "&&" is one literal '&'.
        b.setShowAccelChar(false);
        QCOMPARE(render(a), render(b));
        // ... and a single '&' is not drawn but underlines the next letter.
        a.setText(QStringLiteral("A&B"));
        b.setText(QStringLiteral("AB"));
        b.setShowAccelChar(true);
        const QImage accel = render(a), plain = render(b);
        QVERIFY(std::abs(inkRight(accel) - inkRight(plain)) <= 1); // the underline may reach one pixel on
        QVERIFY(accel != plain);

        // Rich text is not interpreted: the markup characters are drawn.
        TwzLabel rich, plainText;
        prepare(rich, QStringLiteral("<b>x</b>"));
        prepare(plainText, QStringLiteral("x"));
        QVERIFY(render(rich) != render(plainText));
    }

    void transparency() {
        TwzLabel label;
        prepare(label, QString());
        QCOMPARE(QColor(render(label).pixel(5, 5)), kBack);
        label.setTransparent(true);
        QCOMPARE(QColor(render(label).pixel(5, 5)), QColor(Qt::red));
    }

    void mouseEnterAndLeave() {
        TwzLabel label;
        QSignalSpy entered(&label, &TwzLabel::OnMouseEnter);
        QSignalSpy left(&label, &TwzLabel::OnMouseLeave);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(&label, &enter);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(left.count(), 0);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
        QCOMPARE(left.count(), 1);
    }

    void screenshot() {
        QWidget panel;
        auto* layout = new QVBoxLayout(&panel);
        const std::pair<TwzLabel::TTextStyle, const char*> styles[] = {
            {TwzLabel::tsNone, "tsNone"},         {TwzLabel::tsRaised, "tsRaised"},
            {TwzLabel::tsRecessed, "tsRecessed"}, {TwzLabel::tsShadow, "tsShadow"},
            {TwzLabel::tsGlow, "tsGlow"},
        };
        QFont f(QStringLiteral("Liberation Sans"), 16);
        f.setBold(true);
        for (const auto& [style, name] : styles) {
            auto* label = new TwzLabel(QStringLiteral("Setup title - %1").arg(QLatin1String(name)), &panel);
            label->setFont(f);
            label->setTextStyle(style);
            if (style == TwzLabel::tsShadow)
                label->setShadowColor(Qt::gray);
            if (style == TwzLabel::tsGlow)
                label->setGlowColor(QColor(255, 220, 0));
            layout->addWidget(label);
        }
        panel.adjustSize();
        QVERIFY(tvtest::saveShot(&panel, QStringLiteral("wzlabel_styles")));
    }
};

QTEST_MAIN(TestWzLabel)
#include "test_wzlabel.moc"
