// The static bitmap editor: placing by dragging and by keys, the four origins, transparency, the popup
// menu and its refusals, unreadable files; and the desktop control that hides the taskbar meanwhile.
#include "UiTestSupport.h"

#include "ui/editors/DesktopControl.h"
#include "ui/editors/StaticBMPUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <vector>

using namespace tv;
using tvtest::OnNextModal;
using tvtest::WriteBitmap;

namespace {

// A shell with a taskbar and a desktop whose calls are recorded.
class TFakeShell final : public TShellWindows {
public:
    std::map<TShellHandle, bool> visible, enabled;
    std::vector<std::string> calls;
    bool hasTaskbar = true;

    TShellHandle FindTop(const char* cls, const char*) override {
        if (std::string(cls) == "Shell_TrayWnd")
            return hasTaskbar ? 1 : 0;
        return std::string(cls) == "Progman" ? 2 : 0;
    }
    TShellHandle FindChild(TShellHandle parent, const char* cls, const char*) override {
        return parent * 10 + std::string(cls).size(); // some distinct handle per child
    }
    bool IsEnabled(TShellHandle w) override { return enabled.count(w) ? enabled[w] : true; }
    bool IsVisible(TShellHandle w) override { return visible.count(w) ? visible[w] : true; }
    void Enable(TShellHandle w, bool on) override { enabled[w] = on; calls.push_back("enable"); }
    void Show(TShellHandle w, bool on) override {
        visible[w] = on;
        calls.push_back(std::string(on ? "show " : "hide ") + std::to_string(w));
    }
    std::string Text(TShellHandle) override { return "12:00"; }
    void SetText(TShellHandle, const std::string&) override { calls.push_back("text"); }
    TColor ListTextColor(TShellHandle) override { return 0x00FFFFFF; }
    TColor ListTextBkColor(TShellHandle) override { return 0x00A56E3A; }
    void SetListTextColor(TShellHandle, TColor) override { calls.push_back("textcolor"); }
    void SetListTextBkColor(TShellHandle, TColor) override { calls.push_back("textbk"); }
    int ListItemCount(TShellHandle) override { return 7; }
    void RedrawListItems(TShellHandle, int, int last) override { calls.push_back("redraw " + std::to_string(last)); }
    void Paint(TShellHandle) override { calls.push_back("paint"); }
};

// Closes the editor when a check inside its modal run fails, so that the test ends instead of waiting.
struct TCloseAtEnd {
    QDialog* dialog;
    ~TCloseAtEnd() {
        if (dialog->isVisible())
            dialog->done(2);
    }
};

QAction* Item(TStaticBMP& editor, const char* name) {
    return editor.PopupMenu()->findChild<QAction*>(name);
}

} // namespace

class TestStaticBMP final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    TFakeShell m_shell;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // Drags the picture by (dx, dy) with the left button, as a person would.
    static void Drag(TStaticBMP* editor, int dx, int dy) {
        QWidget* picture = editor->Picture();
        const QPoint from(5, 5);
        QTest::mousePress(picture, Qt::LeftButton, {}, from);
        QTest::mouseMove(picture, from + QPoint(dx / 2, dy / 2));
        // The picture moved under the mouse; positions are its own.
        QTest::mouseMove(picture, from + QPoint(dx - dx / 2, dy - dy / 2));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, from);
    }

private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        InstallFontSubstitutes();
        QVERIFY(m_dir.isValid());
    }
    void init() {
        tvtest::resetSeams(true);
        m_shell = TFakeShell();
        SetShellWindows(&m_shell);
    }
    void cleanup() { SetShellWindows(nullptr); }

    void desktopControlSendsOnlyChanges() {
        {
            TDesktopControl control(m_shell);
            QVERIFY(control.Taskbar().Visible());
            QCOMPARE(control.Desktop().IconText(), TColor(0x00FFFFFF));
            control.Taskbar().SetVisible(true); // the cached value: nothing sent
            control.Desktop().SetIconText(0x00FFFFFF);
            QVERIFY(m_shell.calls.empty());
            control.Desktop().SetIconText(0x00000000);
            QCOMPARE(m_shell.calls, (std::vector<std::string>{"textcolor", "redraw 7"}));
            m_shell.calls.clear();
            control.Taskbar().SetVisible(false);
            control.Taskbar().SetVisible(false);
            QCOMPARE(m_shell.calls, (std::vector<std::string>{"hide 1"}));
        }
        // Freeing the control restores nothing.
        QCOMPARE(m_shell.calls.size(), size_t(1));
        QVERIFY(!m_shell.visible[1]);

        // The guard brings the taskbar back even when the way out is an error.
        m_shell = TFakeShell();
        TDesktopControl control(m_shell);
        try {
            TTaskbarHidden hidden(control);
            QVERIFY(!m_shell.visible[1]);
            throw std::runtime_error("fails");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(m_shell.visible[1]);

        // No shell windows at all (as on Linux): nothing is sent, nothing breaks.
        TDesktopControl none(PlatformShellWindows());
        TTaskbarHidden hidden(none);
        QCOMPARE(none.Taskbar().TrayNotify().TrayClock().Text(), std::string());
    }

    void escapeAndCloseShowTheTaskbarAgain() {
        for (int way = 0; way < 3; ++way) {
            m_shell = TFakeShell();
            TStaticBMP editor;
            bool hiddenWhileOpen = false;
            OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
                hiddenWhileOpen = !m_shell.visible.at(1);
                QCOMPARE(e->windowTitle(), QString("Tamrin Installer Velox - Static Bitmap"));
                QVERIFY(e->windowState() & Qt::WindowMaximized);
                if (way == 0)
                    QTest::keyClick(e, Qt::Key_Escape);
                else if (way == 1)
                    Item(*e, "mnClose")->trigger();
                else
                    e->close();
            });
            QCOMPARE(editor.exec(), 2);
            QVERIFY(hiddenWhileOpen);
            QVERIFY2(m_shell.visible.at(1), "the taskbar stayed hidden");
        }
    }

    void dragFromTheLowerRightCorner() {
        const QString file = WriteBitmap(Path("wide.bmp"), 100, 50, Qt::red, Qt::white);
        TStaticBMP editor;
        editor.SetFileName(file);
        editor.SetPlacement(0, 0, orRightBottom);
        editor.SetTransparent(false);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            const QSize client = e->ClientSize();
            QCOMPARE(client, e->size());
            QCOMPARE(e->Picture()->size(), QSize(100, 50));
            QCOMPARE(e->Picture()->pos(), QPoint(client.width() - 100, client.height() - 50));
            Drag(e, -10, -20);
            QCOMPARE(e->X(), 10);
            QCOMPARE(e->Y(), 20);
            QCOMPARE(e->Picture()->toolTip(), QString("X=10,Y=20 Coord. begin: Right-Bottom"));
            QCOMPARE(e->Picture()->pos(), QPoint(client.width() - 110, client.height() - 70));
            // A move without the button held is no drag.
            QTest::mouseMove(e->Picture(), QPoint(40, 40));
            QCOMPARE(e->X(), 10);
            Item(*e, "mnSet")->trigger();
        });
        QCOMPARE(editor.exec(), 1);
        QCOMPARE(editor.Origin(), 3);
        QVERIFY(!editor.Transparent());
    }

    void placementFromEachOrigin_data() {
        QTest::addColumn<int>("origin");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("bottom");
        QTest::newRow("left-top") << 0 << false << false;
        QTest::newRow("right-top") << 1 << true << false;
        QTest::newRow("left-bottom") << 2 << false << true;
        QTest::newRow("right-bottom") << 3 << true << true;
    }
    void placementFromEachOrigin() {
        QFETCH(int, origin);
        QFETCH(bool, right);
        QFETCH(bool, bottom);
        const QString file = WriteBitmap(Path("p.bmp"), 40, 30, Qt::yellow, Qt::yellow);
        TStaticBMP editor;
        editor.SetFileName(file);
        editor.SetPlacement(10, 20, origin);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            const QSize c = e->ClientSize();
            const QPoint expected(right ? c.width() - 50 : 10, bottom ? c.height() - 50 : 20);
            QCOMPARE(e->Picture()->pos(), expected);
            QVERIFY(Item(*e, qPrintable(QString("mnOrigin%1").arg(origin)))->isChecked());
            // Keys move it like a drag: one pixel, ten with Shift; the distances follow.
            QTest::keyClick(e->Picture(), Qt::Key_Right);
            QTest::keyClick(e->Picture(), Qt::Key_Down, Qt::ShiftModifier);
            QCOMPARE(e->Picture()->pos(), expected + QPoint(1, 10));
            QCOMPARE(e->X(), right ? 9 : 11);
            QCOMPARE(e->Y(), bottom ? 10 : 30);
            QCOMPARE(e->Picture()->toolTip(),
                     QString("X=%1,Y=%2 %3").arg(e->X()).arg(e->Y()).arg(TStaticBMP::OriginCaption(origin)));
            tvtest::saveShot(e, QString("staticbmp_origin%1").arg(origin));
            QTest::keyClick(e, Qt::Key_Escape);
        });
        QCOMPARE(editor.exec(), 2);
    }

    void switchingTheOriginKeepsTheNumbersUntilTheNextMove() {
        const QString file = WriteBitmap(Path("o.bmp"), 20, 20, Qt::green, Qt::green);
        TStaticBMP editor;
        editor.SetFileName(file);
        editor.SetPlacement(10, 20, orRightBottom);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            const QPoint before = e->Picture()->pos();
            Item(*e, "mnOrigin0")->trigger();
            QVERIFY(Item(*e, "mnOrigin0")->isChecked());
            QVERIFY(!Item(*e, "mnOrigin3")->isChecked());
            QCOMPARE(e->Picture()->pos(), before);
            Item(*e, "mnSet")->trigger();
        });
        QCOMPARE(editor.exec(), 1);
        QCOMPARE(editor.X(), 10);
        QCOMPARE(editor.Y(), 20);
        QCOMPARE(editor.Origin(), 0);
    }

    void newEntryRefusesSetUntilAFileIsChosen() {
        const QString file = WriteBitmap(Path("pick.bmp"), 30, 10, Qt::black, Qt::white);
        TStaticBMP editor;
        editor.SetPlacement(0, 0, orLeftTop);
        editor.SetTransparent(true);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            QCOMPARE(e->Picture()->pos(), QPoint(0, 0));
            Item(*e, "mnSet")->trigger();
            QCOMPARE(TwzDialog::AskedTexts(), QStringList{"You have not selected a bitmap yet"});
            QVERIFY(e->isVisible());
            // The menu opens on the picture's right button.
            QContextMenuEvent menuKey(QContextMenuEvent::Mouse, QPoint(3, 3), e->Picture()->mapToGlobal(QPoint(3, 3)));
            QApplication::sendEvent(e->Picture(), &menuKey);
            QCOMPARE(QApplication::activePopupWidget(), e->PopupMenu());
            e->PopupMenu()->close();

            const QPoint at = e->Picture()->pos() + QPoint(7, 9);
            for (int i = 0; i < 7; ++i)
                QTest::keyClick(e->Picture(), Qt::Key_Right);
            for (int i = 0; i < 9; ++i)
                QTest::keyClick(e->Picture(), Qt::Key_Down);
            TNameSeam::ScriptNames({file});
            Item(*e, "mnSelectBitmap")->trigger();
            QCOMPARE(TNameSeam::Asked().back().dialog, QString("OpenPictureDialog1"));
            QCOMPARE(e->FileName(), file);
            QCOMPARE(e->Picture()->size(), QSize(30, 10));
            QCOMPARE(e->Picture()->pos(), at); // the new picture keeps its place
            Item(*e, "mnSet")->trigger();
        });
        QCOMPARE(editor.exec(), 1);
        QCOMPARE(editor.X(), 7);
        QCOMPARE(editor.Y(), 9);
        QVERIFY(editor.Transparent());
        QCOMPARE(ColorToText(editor.TransparentColor()), std::string("$00FFFFFF"));
    }

    void transparencyLeavesOutTheLowerLeftColour() {
        const QString file = WriteBitmap(Path("t.bmp"), 8, 8, QColor(10, 20, 30), QColor(0x33, 0x66, 0x99));
        TStaticBMP editor;
        editor.SetFileName(file);
        editor.SetTransparent(false);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            QImage shot = e->Picture()->grab().toImage();
            QCOMPARE(shot.pixelColor(0, 7), QColor(0x33, 0x66, 0x99));
            Item(*e, "mnTransparent")->trigger();
            QVERIFY(e->Transparent());
            shot = e->grab(QRect(e->Picture()->pos(), e->Picture()->size())).toImage();
            QVERIFY(shot.pixelColor(0, 7) != QColor(0x33, 0x66, 0x99)); // the background shows through
            QCOMPARE(shot.pixelColor(4, 4), QColor(10, 20, 30));
            e->reject();
        });
        editor.exec();
        QCOMPARE(ColorToText(editor.TransparentColor()), std::string("$00996633"));
    }

    void unreadableFilesAreReported() {
        QFile junk(Path("junk.bmp"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a bitmap at all");
        junk.close();

        // Opened on it, the editor says so and closes: the failed load ends the edit.
        TStaticBMP editor;
        editor.SetFileName(Path("junk.bmp"));
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            QCoreApplication::sendPostedEvents();
            QVERIFY(!e->isVisible());
        });
        QCOMPARE(editor.exec(), 2);
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("junk.bmp"));
        QCOMPARE(TwzDialog::AskedMessages()[0].type, TMsgDlgType::mtError);

        // Choosing one is refused the same way; the file and the picture stay as they were.
        const QString good = WriteBitmap(Path("good.bmp"), 12, 6, Qt::blue, Qt::blue);
        TStaticBMP second;
        second.SetFileName(good);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            TNameSeam::ScriptNames({Path("junk.bmp")});
            Item(*e, "mnSelectBitmap")->trigger();
            QCOMPARE(TwzDialog::AskedTexts().size(), 2);
            QCOMPARE(e->FileName(), good);
            QCOMPARE(e->Picture()->size(), QSize(12, 6));
            QVERIFY(e->isVisible());
            e->reject();
        });
        QCOMPARE(second.exec(), 2);
    }

    // "Select Bitmap" keeps X and Y and stands the new picture at them, from any corner.
    void anotherBitmapKeepsTheDistances() {
        const QString first = WriteBitmap(Path("first.bmp"), 100, 50, Qt::red, Qt::red);
        const QString other = WriteBitmap(Path("other.bmp"), 30, 10, Qt::green, Qt::green);
        TStaticBMP editor;
        editor.SetBaseFolder(QFileInfo(other).absolutePath()); // the project's folder
        editor.SetFileName(first);
        editor.SetPlacement(10, 20, orRightBottom);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            const QSize c = e->ClientSize();
            QCOMPARE(e->Picture()->pos(), QPoint(c.width() - 110, c.height() - 70));
            TNameSeam::ScriptNames({other});
            Item(*e, "mnSelectBitmap")->trigger();
            QCOMPARE(e->X(), 10);
            QCOMPARE(e->Y(), 20);
            QCOMPARE(e->Picture()->pos(), QPoint(c.width() - 40, c.height() - 30));
            QCOMPARE(e->Picture()->toolTip(), QString("X=10,Y=20 Coord. begin: Right-Bottom"));
            Item(*e, "mnSet")->trigger();
        });
        QCOMPARE(editor.exec(), 1);
        QCOMPARE(editor.FileName(), QString("other.bmp")); // inside the project's folder: kept relative
        QCOMPARE(editor.X(), 10);
        QCOMPARE(editor.Y(), 20);
    }

    void pathsTheProjectCannotKeepAreRefused() {
        const QString dir = Path("a,b");
        QVERIFY(QDir().mkpath(dir));
        const QString file = WriteBitmap(dir + "/c.bmp", 4, 4, Qt::red, Qt::red);
        TStaticBMP editor;
        editor.SetFileName(file);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            Item(*e, "mnSet")->trigger();
            QVERIFY(e->isVisible());
            QCOMPARE(TwzDialog::AskedTexts().size(), 1);
            QVERIFY(TwzDialog::AskedTexts()[0].contains("comma"));
            e->reject();
        });
        QCOMPARE(editor.exec(), 2);
    }
};

QTEST_MAIN(TestStaticBMP)
#include "test_staticbmp.moc"
