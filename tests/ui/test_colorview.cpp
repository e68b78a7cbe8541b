#include <QAbstractButton>
#include <QMouseEvent>
#include <QtTest>

#include "UiTestSupport.h"
#include "ui/editors/ColorShape.h"
#include "ui/editors/ColorStrip.h"
#include "ui/editors/ColorViewUnit.h"

using namespace tv;

namespace {

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos) {
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

class TestColorView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tvtest::isolateEnvironment(); }

    void wavelengthColours() {
        // Both ends are dimmed to 30 % before the gamma of 0.8: round(255 * 0.3^0.8) = 97.
        QCOMPARE(WavelengthToColor(380), TColor(0x00610061)); // violet
        QCOMPARE(WavelengthToColor(440), TColor(0x00FF0000)); // blue
        QCOMPARE(WavelengthToColor(510), TColor(0x0000FF00)); // green
        QCOMPARE(WavelengthToColor(580), TColor(0x0000FFFF)); // yellow
        QCOMPARE(WavelengthToColor(650), TColor(0x000000FF)); // red
        QCOMPARE(WavelengthToColor(780), TColor(0x00000061)); // deep red
        QCOMPARE(WavelengthToColor(379.9), TColor(0));
        QCOMPARE(WavelengthToColor(800), TColor(0));
    }

    void spectrumPositions() {
        const int w = 300, h = 50, band = 7;
        QCOMPARE(SpectrumColorAt(0, 0, w, h, band), WavelengthToColor(380));
        QCOMPARE(SpectrumColorAt(w - 1, h - band - 1, w, h, band), WavelengthToColor(780));
        // Half way is about 580 nm: yellow.
        const TColor mid = SpectrumColorAt(149, 10, w, h, band);
        QVERIFY((mid & 0xFF) >= 250);
        QCOMPARE((mid >> 8) & 0xFF, TColor(0xFF));
        QCOMPARE(mid >> 16, TColor(0));
        // The lowest seven rows are the grey ramp, black to white.
        QCOMPARE(SpectrumColorAt(0, h - band, w, h, band), TColor(0));
        QCOMPARE(SpectrumColorAt(w - 1, h - 1, w, h, band), TColor(0x00FFFFFF));
        QCOMPARE(SpectrumColorAt(w / 2, h - 1, w, h, band), TColor(0x00808080));
        // Outside the strip the nearest edge counts (the mouse may leave while dragging).
        QCOMPARE(SpectrumColorAt(-20, 500, w, h, band), TColor(0));
        QCOMPARE(SpectrumColorAt(900, -3, w, h, band), WavelengthToColor(780));
    }

    void colourConversions() {
        QCOMPARE(ToQColor(0x00336699), QColor(0x99, 0x66, 0x33));
        QCOMPARE(FromQColor(QColor(0x99, 0x66, 0x33)), TColor(0x00336699));
        QCOMPARE(ToQColor(0x8000000F), QApplication::palette().color(QPalette::Button));
    }

    void swatchesAndSelectedColor() {
        TColorView view;
        QCOMPARE(view.windowTitle(), QString("Color View"));
        view.SetSelectedColor(0x8000000F);
        QCOMPARE(view.SelectedColor(), TColor(0x8000000F)); // a system colour is kept as it is
        auto* black = view.findChild<TColorShape*>("Shape2");
        auto* red = view.findChild<TColorShape*>("Shape11");
        auto* white = view.findChild<TColorShape*>("Shape17");
        QVERIFY(black && red && white);
        QTest::mouseClick(red, Qt::LeftButton);
        QCOMPARE(view.SelectedColor(), TColor(0x000000FF));
        QTest::mouseClick(white, Qt::LeftButton);
        QCOMPARE(view.SelectedColor(), TColor(0x00FFFFFF));
        QTest::mouseClick(black, Qt::RightButton);
        QCOMPARE(view.SelectedColor(), TColor(0x00FFFFFF));
        QTest::mouseClick(black, Qt::LeftButton);
        QCOMPARE(view.SelectedColor(), TColor(0));
    }

    void spectrumTracksTheLeftButtonOnly() {
        TColorView view;
        view.SetSelectedColor(0x00123456);
        TColorSpectrum* cl = view.findChild<TColorSpectrum*>("cl");
        QVERIFY(cl);
        QCOMPARE(cl->size(), QSize(300, 50));
        const QPoint violet(0, 0), grey(150, 49), blue(45, 10);

        // A right-button drag changes nothing.
        SendMouse(cl, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, violet);
        SendMouse(cl, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, grey);
        SendMouse(cl, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, grey);
        QCOMPARE(view.SelectedColor(), TColor(0x00123456));
        QVERIFY(!view.Tracking());

        // The left button picks where it goes down and follows the mouse.
        SendMouse(cl, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, violet);
        QCOMPARE(view.SelectedColor(), cl->ColorAt(violet));
        SendMouse(cl, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grey);
        QCOMPARE(view.SelectedColor(), cl->ColorAt(grey));
        // Releasing any button ends tracking.
        SendMouse(cl, QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, grey);
        QVERIFY(!view.Tracking());
        SendMouse(cl, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, blue);
        QCOMPARE(view.SelectedColor(), cl->ColorAt(grey));
    }

    void buttonsGiveTheModalResults() {
        TColorView view;
        view.show();
        QTest::mouseClick(view.findChild<QAbstractButton*>("doOK"), Qt::LeftButton);
        QCOMPARE(view.result(), 1);
        view.show();
        QTest::mouseClick(view.findChild<QAbstractButton*>("doCancel"), Qt::LeftButton);
        QCOMPARE(view.result(), 2);
        view.show();
        QTest::keyClick(&view, Qt::Key_Escape);
        QCOMPARE(view.result(), 2);
        view.show();
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(view.result(), 1);
    }

    void screenshot() {
        TColorView view;
        view.SetSelectedColor(0x00FF8000);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(tvtest::saveShot(&view, "colorview"));
    }
};

QTEST_MAIN(TestColorView)
#include "test_colorview.moc"
